// The system's toolbar control ("ToolbarWindow32") as a child of any
// window, a dialog included: buttons from a list of command ids (image i
// for the i-th button), wrapping into rows, one image list. At idle time
// (WM_IDLEUPDATECMDUI) a visible bar updates its buttons against its
// parent's command handlers; the control's tooltip requests go to the
// parent as the control sends them.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/gdi/CSize.h"
#include "framework/windows/CControlBar.h"
#include "framework/windows/CWnd.h"

#ifndef AFX_IDW_TOOLBAR
#define AFX_IDW_TOOLBAR 0xE800
#endif

class CToolBar : public CWnd
{
    DECLARE_DYNAMIC(CToolBar)

public:
    // Window styles (WS_) with bar styles (CBRS_) in the low word. The
    // control never places or sizes itself; CBRS_TOOLTIPS gives tooltips.
    static const DWORD kDefaultStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = kDefaultStyle, UINT nID = AFX_IDW_TOOLBAR);
    DWORD GetBarStyle() const { return m_dwBarStyle; }
    // Replaces all buttons; ids of 0 become separators.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    int GetButtonCount() const;
    UINT GetItemID(int nIndex) const;
    int CommandToIndex(UINT nID) const;
    // Starts a new row after every nPerRow-th button (0: one row).
    void WrapEvery(int nPerRow);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    HIMAGELIST SetImageList(HIMAGELIST hImageList);
    HIMAGELIST GetImageList() const;
    void SetFlat(BOOL bFlat);
    // The extent of all buttons in their rows.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    BOOL IsButtonChecked(UINT nID) const;
    BOOL IsButtonEnabled(UINT nID) const;
    // Updates the buttons from pTarget's command handlers.
    void OnUpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

protected:
    DWORD m_dwBarStyle = 0;

    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

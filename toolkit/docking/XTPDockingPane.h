// The leaf that hosts one child window of the application: its id, title,
// icon, options, tracking sizes, tab colour, help id and tag.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/text/CString.h"
#include "toolkit/docking/XTPDockingPaneBase.h"

// Asked of the hosted window when the pane has no tab colour of its own.
const UINT WM_XTP_GETTABCOLOR = 0x28B9;

enum XTPDockingPaneOptions
{
    xtpPaneNoCloseable = 1,
    xtpPaneNoHideable = 2,
    xtpPaneNoFloatable = 4,
    xtpPaneNoCaption = 8,
    xtpPaneHasMenuButton = 16,
    xtpPaneNoDockable = 32,
};

class CWnd;
class CXTPImageManagerIcon;

class CXTPDockingPane : public CCmdTarget, public CXTPDockingPaneBase
{
public:
    explicit CXTPDockingPane(CXTPDockingPaneLayout* pLayout);

    // The title loads from the string of the id when there is one.
    void SetID(int nID);
    int GetID() const { return m_nID; }
    // A new title shows at once wherever the pane's title is drawn.
    void SetTitle(LPCTSTR lpszTitle);
    CString GetTitle() const { return m_strTitle; }
    // Before the first line feed; the whole title without one.
    CString GetShortTitle() const;
    // After the first line feed; the whole title without one.
    CString GetTabCaption() const;
    int GetIconId() const { return m_nIconId == -1 ? m_nID : m_nIconId; }
    void SetIconId(int nIconId) { m_nIconId = nIconId; }
    // The icon of the icon id at that width from the manager's images.
    CXTPImageManagerIcon* GetIcon(int nWidth = 16) const;
    DWORD GetOptions() const;
    void SetOptions(DWORD dwOptions) { m_dwOptions = dwOptions; }
    // Its own colour, the window's answer, or an indexed tab colour by id.
    COLORREF GetItemColor() const;
    int GetHelpId() const { return m_nHelpId ? m_nHelpId : m_nID; }
    HWND GetHwnd() const { return m_hwndChild; }
    BOOL IsAttached() const { return m_hwndChild != nullptr; }
    // Keeps the window and has every pane redrawn; inside a container the
    // window becomes the container's child.
    void Attach(CWnd* pWnd);
    BOOL IsClosed() const { return m_pParentContainer == nullptr; }

    // The hosted window takes the focus unless it holds it already.
    void SetFocus();
    // The focus lies in the hosted window.
    BOOL IsFocused() const;
    // The pane is its container's selected pane.
    BOOL IsSelected() const;
    // The site of its container; null while the pane is closed.
    CWnd* GetParentFrame() const;
    // Showing first tells the owner (notification 1), who may attach the
    // window only now.
    void ShowWindow(BOOL bShow);
    // The manager's ClosePane and HidePane of this pane.
    void Close();
    void Hide();

    // Closed: the window waits hidden in the manager's own window; in a
    // container it is the container window's child.
    void SetParentContainer(CXTPDockingPaneBase* pContainer) override;
    // The window follows the rectangle (the site's client coordinates).
    void OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout) override;

    void GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const override;
    BOOL DoPropExchange(CXTPPropExchange* pPX) override;
    HWND GetPaneHwnd() const override { return m_hwndChild; }
    // A new pane in pLayout with this pane's settings, without its window.
    CXTPDockingPaneBase* Clone(CXTPDockingPaneLayout* pLayout, CXTPDockingPaneClonedMap* pMap,
                               DWORD dwIgnoredOptions) override;

private:
    HWND ContainerHwnd() const;
    BOOL HasWindow() const;

public:
    HWND m_hwndChild = nullptr;
    int m_nID = 0;
    int m_nIconId = -1;
    CString m_strTitle;
    DWORD m_dwOptions = 0;
    DWORD m_dwData = 0;
    POINT m_ptMinTrackSize = {0, 0};
    POINT m_ptMaxTrackSize = {32000, 32000};
    COLORREF m_clrItemTab = COLORREF(-1);
    int m_nHelpId = 0;
};

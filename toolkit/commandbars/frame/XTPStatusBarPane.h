// One pane of the status bar: an indicator, the message pane (id 0) or a
// separator, drawn by the paint manager.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"

class CDC;
class CFont;
class CWnd;
class CXTPImageManagerIcon;
class CXTPStatusBar;

// Pane styles.
const UINT SBPS_NORMAL = 0x0000;
const UINT SBPS_NOBORDERS = 0x0100;
const UINT SBPS_POPOUT = 0x0200;
const UINT SBPS_OWNERDRAW = 0x1000;
const UINT SBPS_DISABLED = 0x04000000;
const UINT SBPS_STRETCH = 0x08000000;

class CXTPStatusBarPane : public CCmdTarget
{
public:
    explicit CXTPStatusBarPane(CXTPStatusBar* pStatusBar);
    ~CXTPStatusBarPane() override;

    virtual CFont* GetTextFont() const;
    virtual CXTPImageManagerIcon* GetImage() const;
    virtual void Draw(CDC* pDC, CRect rcItem);

    UINT GetID() const { return m_nID; }
    CXTPStatusBar* GetStatusBar() const { return m_pStatusBar; }
    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    COLORREF GetTextColor() const { return m_clrText; }
    int GetTextAlignment() const { return m_nAlignment; }
    CString GetText() const { return m_strText; }
    UINT GetStyle() const { return m_nStyle; }
    BOOL IsVisible() const { return m_bVisible; }
    CString GetTooltip() const { return m_strToolTip; }
    void SetTooltip(LPCTSTR lpszTooltip) { m_strToolTip = lpszTooltip; }
    // Keeps a child window over the pane; deleted with the pane when asked.
    void SetChildWindow(CWnd* pWnd, BOOL bAutoDelete = FALSE);
    CWnd* GetChildWindow() const { return m_pChildWnd; }

    enum
    {
        updateText = 1
    };

    UINT m_nID = 0;
    int m_cxText = 0;
    UINT m_nStyle = 0;
    UINT m_nFlags = 0;
    CString m_strText;
    BOOL m_bVisible = TRUE;
    COLORREF m_clrText = static_cast<COLORREF>(-1);
    COLORREF m_clrBackground = static_cast<COLORREF>(-1);
    CString m_strToolTip;
    // Destroys the child window, and deletes it when the pane owns it.
    void ReleaseChildWindow();

    CWnd* m_pChildWnd = nullptr;
    BOOL m_bAutoDeleteWnd = FALSE;
    int m_nAlignment = 0;
    CXTPStatusBar* m_pStatusBar;
    int m_nIndex = -1;
    int m_nPart = -1;
    CFont* m_pFont = nullptr;
    int m_nIconId = -1;
};

#include "toolkit/docking/XTPDockingPaneContextAlphaWnd.h"
#include "framework/gdi/CPaintDC.h"

BEGIN_MESSAGE_MAP(CXTPDockingPaneContextAlphaWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CXTPDockingPaneContextAlphaWnd::Create(CWnd* pSite, PFNSETLAYEREDWINDOWATTRIBUTES pfnSetLayered)
{
    if (!CreateEx(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 0,
                  0, pSite ? pSite->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    if (pfnSetLayered)
        pfnSetLayered(m_hWnd, 0, 100, LWA_ALPHA);
    return TRUE;
}

void CXTPDockingPaneContextAlphaWnd::ShowAt(CRect rc)
{
    ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CXTPDockingPaneContextAlphaWnd::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    ::FillRect(dc.m_hDC, &rc, ::GetSysColorBrush(COLOR_HIGHLIGHT));
}

BOOL CXTPDockingPaneContextAlphaWnd::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

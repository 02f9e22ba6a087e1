#include "framework/windows/CMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_WM_NCACTIVATE()
    ON_WM_SYSCOMMAND()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CMiniFrameWnd::CMiniFrameWnd() = default;

CMiniFrameWnd::~CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName;
    // A popup's "parent" is its owner; a child keeps its id.
    HMENU hMenu = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // The small caption of a tool window.
    if (cs.style & WS_CAPTION)
        cs.dwExStyle |= WS_EX_TOOLWINDOW;
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CWnd::PreCreateWindow(cs);
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    if (GetStyle() & MFS_SYNCACTIVE) {
        // The caption shows the owner's state, not our own.
        bActive = m_bActive;
    }
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    if (wParam & FS_SYNCACTIVE)
        return (GetStyle() & MFS_SYNCACTIVE) != 0;
    if (GetStyle() & MFS_SYNCACTIVE) {
        if (wParam & (FS_ACTIVATE | FS_DEACTIVATE)) {
            m_bActive = (wParam & FS_ACTIVATE) != 0;
            SendMessage(WM_NCACTIVATE, m_bActive);
        }
    }
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    return 0;
}

void CMiniFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    UINT command = nID & 0xFFF0;
    if ((GetStyle() & MFS_BLOCKSYSMENU) && (command == SC_KEYMENU || command == SC_MOUSEMENU))
        return;
    CFrameWnd::OnSysCommand(nID, lParam);
}

void CMiniFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if ((GetStyle() & MFS_BLOCKSYSMENU) && nHitTest == HTSYSMENU)
        return;
    CFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniFrameWnd::OnNcRButtonDown(UINT nHitTest, CPoint point)
{
    if ((GetStyle() & MFS_BLOCKSYSMENU) && (nHitTest == HTCAPTION || nHitTest == HTSYSMENU))
        return;
    CFrameWnd::OnNcRButtonDown(nHitTest, point);
}

void CMiniFrameWnd::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (GetStyle() & MFS_BLOCKSYSMENU) {
        // No system menu over the caption.
        LRESULT hit = SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pos.x, pos.y));
        if (hit == HTCAPTION || hit == HTSYSMENU)
            return;
    }
    CFrameWnd::OnContextMenu(pWnd, pos);
}

// Where a toolbar stands: docked as a child of a dock bar, or floating in a
// pop-up window of its own owned by the frame.
#include <algorithm>
#include "framework/windows/CMiniFrameWnd.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {
// Activation of the floating window follows the frame's.
const DWORD kBarStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE;
// A system menu shows nothing on a window without a caption, but it makes
// the floating window one that a window manager stacks: without it the X11
// driver maps the window over every other (override-redirect), and the
// program's own dialogs, message boxes and floating panes opened later lie
// under the bar. A managed window stays above the frame that owns it.
const DWORD kFloatingStyle = WS_POPUP | WS_SYSMENU | kBarStyle;
const DWORD kDockedStyle = WS_CHILD | kBarStyle;

// Where a floating window of that rectangle stays on its monitor's work
// area: moved in as far as it fits, its top left kept visible first.
CPoint KeepOnWorkArea(const CRect& rcWindow)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(::MonitorFromRect(&rcWindow, MONITOR_DEFAULTTONEAREST), &info))
        return rcWindow.TopLeft();
    const RECT& rcWork = info.rcWork;
    CPoint pt = rcWindow.TopLeft();
    pt.x = std::max<LONG>(std::min<LONG>(pt.x, rcWork.right - rcWindow.Width()), rcWork.left);
    pt.y = std::max<LONG>(std::min<LONG>(pt.y, rcWork.bottom - rcWindow.Height()), rcWork.top);
    return pt;
}
} // namespace

BOOL CXTPToolBar::Create(CWnd* pParentWnd, BOOL bFloat)
{
    HWND hParent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!GetSafeHwnd()) {
        CPoint pt = m_dockContext.m_ptMRUFloatPos;
        if (pt == CPoint(0, 0))
            pt = CPoint(100, 100);
        CXTPCommandBars* pCommandBars = GetCommandBars();
        DWORD dwExStyle = pCommandBars && pCommandBars->IsLayoutRTL() ? WS_EX_LAYOUTRTL : 0;
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
        // A docked bar is made a child at once: a pop-up would flash before the dock bar takes it.
        DWORD dwStyle = bFloat ? kFloatingStyle : kDockedStyle;
        if (!CreateEx(dwExStyle, lpszClass, m_strTitle, dwStyle, pt.x, pt.y, 0, 0, hParent, nullptr))
            return FALSE;
    } else if (bFloat && (GetStyle() & WS_CHILD)) {
        ::SetParent(m_hWnd, nullptr);
        ModifyStyle(WS_CHILD, WS_POPUP | WS_SYSMENU);
    } else if (!bFloat && (GetStyle() & WS_POPUP)) {
        ModifyStyle(WS_POPUP | WS_SYSMENU, WS_CHILD);
        ::SetParent(m_hWnd, hParent);
    }
    if (bFloat)
        ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(hParent));
    if (m_bVisible)
        ShowWindow(SW_SHOWNA);
    return TRUE;
}

BOOL CXTPToolBar::SetPosition(XTPBarPosition barPosition)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return FALSE;
    if (barPosition >= xtpBarTop && barPosition <= xtpBarRight)
        return pCommandBars->DockCommandBar(this, barPosition);
    if (barPosition == xtpBarFloating) {
        if (!pCommandBars->FloatCommandBar(this))
            return FALSE;
        OnRecalcLayout();
        return TRUE;
    }
    return FALSE;
}

void CXTPToolBar::LayOutFloatingWindow()
{
    if (!GetSafeHwnd() || m_barPosition != xtpBarFloating)
        return;
    CSize sz = CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    CRect rc;
    GetWindowRect(&rc);
    CPoint pt = KeepOnWorkArea(CRect(rc.TopLeft(), sz));
    SetWindowPos(nullptr, pt.x, pt.y, sz.cx, sz.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(FALSE);
}

void CXTPToolBar::OnRecalcLayout()
{
    if (!GetSafeHwnd())
        return;
    if (m_barPosition == xtpBarFloating) {
        LayOutFloatingWindow();
        return;
    }
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->RecalcFrameLayout(FALSE);
}

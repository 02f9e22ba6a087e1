// Where a toolbar stands: docked as a child of a dock bar, or floating in a
// pop-up window of its own owned by the frame.
#include "framework/windows/CMiniFrameWnd.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {
// Activation of the floating window follows the frame's.
const DWORD kFloatingStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE;
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
        DWORD dwStyle = bFloat ? kFloatingStyle : (kFloatingStyle & ~WS_POPUP) | WS_CHILD;
        if (!CreateEx(dwExStyle, lpszClass, m_strTitle, dwStyle, pt.x, pt.y, 0, 0, hParent, nullptr))
            return FALSE;
    } else if (bFloat && (GetStyle() & WS_CHILD)) {
        ::SetParent(m_hWnd, nullptr);
        ModifyStyle(WS_CHILD, WS_POPUP);
    } else if (!bFloat && (GetStyle() & WS_POPUP)) {
        ModifyStyle(WS_POPUP, WS_CHILD);
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

void CXTPToolBar::OnRecalcLayout()
{
    if (!GetSafeHwnd())
        return;
    if (m_barPosition == xtpBarFloating) {
        CSize sz = CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
        SetWindowPos(nullptr, 0, 0, sz.cx, sz.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Invalidate(FALSE);
        return;
    }
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->RecalcFrameLayout(FALSE);
}

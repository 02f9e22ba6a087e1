// Where a toolbar stands: docked as a child of a dock bar, or floating in a
// pop-up window of its own owned by the frame.
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {
// Activation of the floating window follows the frame's.
const DWORD kStyleFollowsFrame = 0x100;
}  // namespace

BOOL CXTPToolBar::Create(CWnd* pParentWnd, BOOL bFloat)
{
    if (GetSafeHwnd() == nullptr) {
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
        CPoint pt = m_dockContext.m_ptMRUFloatPos;
        if (pt.x == 0 && pt.y == 0)
            pt = CPoint(100, 100);
        CXTPCommandBars* pCommandBars = GetCommandBars();
        const DWORD dwExStyle = pCommandBars != nullptr && pCommandBars->IsLayoutRTL() ? WS_EX_LAYOUTRTL : 0;
        if (!CreateEx(dwExStyle, lpszClass, GetTitle(), WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | kStyleFollowsFrame,
                      pt.x, pt.y, 0, 0, pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr, nullptr))
            return FALSE;
        ShowWindow(SW_SHOWNA);
    }
    if (bFloat) {
        HWND hOwner = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
        if (GetStyle() & WS_CHILD) {
            ModifyStyle(WS_CHILD, WS_POPUP);
            ::SetParent(m_hWnd, nullptr);
        }
        ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(hOwner));
    } else if (GetStyle() & WS_POPUP) {
        ModifyStyle(WS_POPUP, WS_CHILD);
    }
    return TRUE;
}

BOOL CXTPToolBar::SetPosition(XTPBarPosition barPosition)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == nullptr)
        return FALSE;
    if (barPosition >= xtpBarTop && barPosition <= xtpBarRight) {
        if (GetSafeHwnd() != nullptr && (GetStyle() & WS_POPUP))
            ModifyStyle(WS_POPUP, WS_CHILD);
        return pCommandBars->DockCommandBar(this, barPosition);
    }
    if (barPosition != xtpBarFloating)
        return FALSE;
    if (m_pDockBar != nullptr)
        m_pDockBar->RemoveCommandBar(this);
    if (!Create(pCommandBars->GetSite(), TRUE))
        return FALSE;
    m_barPosition = xtpBarFloating;
    OnRecalcLayout();
    return TRUE;
}

void CXTPToolBar::OnRecalcLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (m_barPosition == xtpBarFloating) {
        CSize size = CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Invalidate();
        return;
    }
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->RecalcFrameLayout(FALSE);
}

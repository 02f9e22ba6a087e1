#include "toolkit/common/drawing/XTPWindowHelpers.h"
#include "framework/windows/CWnd.h"

namespace {

BOOL IsRightToLeft(HWND hWnd)
{
    return (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

} // namespace

BOOL XTPIsTopParentActive(HWND hWnd)
{
    if (!hWnd || !::IsWindow(hWnd))
        return FALSE;
    // Up through parents and owners to the top-level window.
    HWND hTop = hWnd;
    for (HWND hNext = ::GetParent(hTop); hNext; hNext = ::GetParent(hTop))
        hTop = hNext;
    return ::GetForegroundWindow() == ::GetLastActivePopup(hTop);
}

void XTPCursorPosToClient(POINT& pt, CWnd* pWnd)
{
    ::GetCursorPos(&pt);
    if (pWnd && pWnd->GetSafeHwnd())
        ::ScreenToClient(pWnd->GetSafeHwnd(), &pt);
}

void XTPMirrorArrowKey(CWnd* pWnd, UINT& nChar)
{
    if (!pWnd || !::IsWindow(pWnd->GetSafeHwnd()) || !IsRightToLeft(pWnd->GetSafeHwnd()))
        return;
    if (nChar == VK_LEFT)
        nChar = VK_RIGHT;
    else if (nChar == VK_RIGHT)
        nChar = VK_LEFT;
}

void XTPScreenToWindow(CWnd* pWnd, POINT& pt)
{
    if (!pWnd || !::IsWindow(pWnd->GetSafeHwnd()))
        return;
    RECT rc;
    ::GetWindowRect(pWnd->GetSafeHwnd(), &rc);
    pt.y -= rc.top;
    if (IsRightToLeft(pWnd->GetSafeHwnd()))
        pt.x = rc.right - pt.x;
    else
        pt.x -= rc.left;
}

BOOL XTPIsWindowOf(HWND hWnd, const CWnd* pWnd)
{
    // Only compared, never followed: pWnd may point to freed memory.
    return hWnd && ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pWnd;
}

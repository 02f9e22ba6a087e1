#include "toolkit/docking/XTPDockingPaneReposition.h"
#include "framework/windows/AfxMessages.h"

void XTPDockingPaneRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, const RECT& rect)
{
    if (!lpLayout || !lpLayout->hDWP || !hWnd)
        return;
    RECT old;
    ::GetWindowRect(hWnd, &old);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<POINT*>(&old), 2);
    if (::EqualRect(&old, &rect))
        return;
    lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                                      rect.bottom - rect.top, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOCOPYBITS);
}

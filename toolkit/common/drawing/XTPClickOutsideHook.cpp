#include "toolkit/common/drawing/XTPClickOutsideHook.h"
#include "framework/windows/CWnd.h"

namespace {

HHOOK s_hHook = nullptr;
HWND s_hWatched = nullptr;

BOOL IsButtonPress(WPARAM message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CALLBACK ClickOutsideProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && s_hWatched && ::IsWindow(s_hWatched) && IsButtonPress(wParam))
    {
        const MOUSEHOOKSTRUCT* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        RECT rc;
        ::GetWindowRect(s_hWatched, &rc);
        if (!::PtInRect(&rc, pInfo->pt))
        {
            HWND hFocus = ::GetWindow(s_hWatched, GW_OWNER);
            if (!hFocus)
                hFocus = ::GetAncestor(s_hWatched, GA_PARENT);
            if (hFocus && hFocus != ::GetDesktopWindow())
                ::SetFocus(hFocus);
            return 1;
        }
    }
    return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
}

void SetHook(HWND hWnd)
{
    if (hWnd)
    {
        if (!s_hHook)
            s_hHook = ::SetWindowsHookExW(WH_MOUSE, ClickOutsideProc, nullptr, ::GetCurrentThreadId());
        s_hWatched = hWnd;
    }
    else
    {
        if (s_hHook)
            ::UnhookWindowsHookEx(s_hHook);
        s_hHook = nullptr;
        s_hWatched = nullptr;
    }
}

} // namespace

void XTPSetClickOutsideHook(CWnd* pWnd)
{
    SetHook(pWnd ? pWnd->GetSafeHwnd() : nullptr);
}

#include "toolkit/customize/XTPCustomizeFocus.h"

#include "framework/windows/CWnd.h"

void XTPEnableKeepingFocus(CWnd* pControl, BOOL bEnable, CWnd* pFocusTo)
{
    HWND hWnd = pControl != nullptr ? pControl->GetSafeHwnd() : nullptr;
    if (hWnd == nullptr)
        return;
    HWND hWndTo = pFocusTo != nullptr ? pFocusTo->GetSafeHwnd() : nullptr;
    if (!bEnable && ::GetFocus() == hWnd) {
        // Through the page's dialog manager, so that the default button
        // follows the focus as it does for Tab; without a target, on to
        // the next control as Tab goes.
        HWND hWndPage = ::GetParent(hWnd);
        if (hWndTo != nullptr && ::IsWindowEnabled(hWndTo) && ::IsWindowVisible(hWndTo))
            ::SendMessageW(hWndPage, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hWndTo), TRUE);
        else
            ::SendMessageW(hWndPage, WM_NEXTDLGCTL, 0, FALSE);
    }
    ::EnableWindow(hWnd, bEnable);
}

#include "toolkit/common/dc/XTPWindowRect.h"
#include "framework/windows/CWnd.h"

CXTPWindowRect::CXTPWindowRect(HWND hWnd)
{
    SetRectEmpty();
    if (hWnd && ::IsWindow(hWnd))
        ::GetWindowRect(hWnd, this);
}

CXTPWindowRect::CXTPWindowRect(const CWnd* pWnd)
    : CXTPWindowRect(pWnd ? pWnd->GetSafeHwnd() : nullptr)
{
}

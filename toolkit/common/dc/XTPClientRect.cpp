#include "toolkit/common/dc/XTPClientRect.h"
#include "framework/windows/CWnd.h"

CXTPClientRect::CXTPClientRect(HWND hWnd)
{
    SetRectEmpty();
    if (hWnd && ::IsWindow(hWnd))
        ::GetClientRect(hWnd, this);
}

CXTPClientRect::CXTPClientRect(const CWnd* pWnd)
    : CXTPClientRect(pWnd ? pWnd->GetSafeHwnd() : nullptr)
{
}

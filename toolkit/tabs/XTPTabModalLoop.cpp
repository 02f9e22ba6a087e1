#include "toolkit/tabs/XTPTabModalLoop.h"

BOOL XTPTabGetLoopMessage(MSG* pMsg)
{
    BOOL bResult = ::GetMessageW(pMsg, nullptr, 0, 0);
    if (bResult == 0)
        ::PostQuitMessage(static_cast<int>(pMsg->wParam));
    return bResult > 0;
}

POINT XTPTabMessagePoint(const MSG& msg)
{
    POINT pt = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    return pt;
}

BOOL XTPTabIsLoopCancel(const MSG& msg)
{
    return msg.message == WM_RBUTTONDOWN || msg.message == WM_CANCELMODE ||
           (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE);
}

void XTPTabDispatchLoopMessage(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN)
        ::DispatchMessageW(&msg);
}

void XTPTabTrackMouseLeave(HWND hWnd)
{
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, hWnd, 0};
    ::TrackMouseEvent(&tme);
}

#include "toolkit/tabs/XTPTabModalLoop.h"

BOOL XTPTabGetLoopMessage(MSG* pMsg, CXTPHeldButtonLoop& loop)
{
    BOOL bResult = loop.GetMessage(pMsg);
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

BOOL XTPTabTrackCapturedMoves(HWND hWnd, HWND hMapTo, const std::function<BOOL(POINT)>& onMove)
{
    ::SetCapture(hWnd);
    CXTPHeldButtonLoop loop;
    MSG msg;
    while (::GetCapture() == hWnd && XTPTabGetLoopMessage(&msg, loop))
    {
        if (msg.message == WM_LBUTTONUP || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
            break;
        if (msg.message != WM_MOUSEMOVE)
        {
            XTPTabDispatchLoopMessage(msg);
            continue;
        }
        POINT pt = XTPTabMessagePoint(msg);
        ::MapWindowPoints(msg.hwnd, hMapTo, &pt, 1);
        if (!onMove(pt))
            break;
    }
    if (!::IsWindow(hWnd))
        return FALSE;
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return TRUE;
}

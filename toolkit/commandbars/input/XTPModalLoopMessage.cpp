#include "toolkit/commandbars/input/XTPModalLoopMessage.h"
#include <algorithm>
#include <vector>

namespace {

// Paints what waits, each window once: a window that leaves its update
// region valid would come back for ever. A pending quit answers a peek of
// any filter; it stays queued for the loop.
void DispatchPendingPaints()
{
    std::vector<HWND> painted;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE) && msg.message == WM_PAINT) {
        if (std::find(painted.begin(), painted.end(), msg.hwnd) != painted.end())
            break;
        painted.push_back(msg.hwnd);
        if (!::PeekMessageW(&msg, msg.hwnd, WM_PAINT, WM_PAINT, PM_REMOVE))
            break;
        if (msg.message != WM_PAINT) {
            if (msg.message == WM_QUIT)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ::DispatchMessageW(&msg);
    }
}

} // namespace

BOOL XTPGetModalLoopMessage(MSG* pMsg)
{
    const BOOL bGot = ::GetMessageW(pMsg, nullptr, 0, 0);
    if (bGot == 0)
        ::PostQuitMessage(static_cast<int>(pMsg->wParam));
    return bGot > 0;
}

BOOL XTPGetDragLoopMessage(MSG* pMsg, CXTPHeldButtonLoop& loop)
{
    DispatchPendingPaints();
    const BOOL bGot = loop.GetMessage(pMsg);
    if (bGot == 0)
        ::PostQuitMessage(static_cast<int>(pMsg->wParam));
    if (bGot <= 0)
        return FALSE;
    return pMsg->message != WM_LBUTTONUP && !(pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE);
}

void XTPWakeModalLoop()
{
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
}

BOOL XTPIsModalLoopWake(const MSG& msg)
{
    return msg.hwnd == nullptr && msg.message == WM_NULL;
}

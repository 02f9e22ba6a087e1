// What a modal loop that a command starts (a dialog's) would read: the key
// downs it takes off the thread's queue within a while.
#pragma once
#include <windows.h>
#include <vector>

namespace modalprobe {

inline std::vector<UINT> KeyDownsTakenByAModalLoop(DWORD ms = 300)
{
    std::vector<UINT> keys;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return keys;
            }
            if (msg.message == WM_KEYDOWN) {
                keys.push_back(static_cast<UINT>(msg.wParam));
                continue;  // the dialog's: not the bars'
            }
            if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return keys;
}

} // namespace modalprobe

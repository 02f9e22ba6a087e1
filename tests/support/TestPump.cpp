#include "support/TestPump.h"

namespace testpump {

namespace {

bool Elapsed(DWORD start, DWORD timeoutMs)
{
    return GetTickCount() - start >= timeoutMs;
}

} // namespace

bool PumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (!PumpPending())
            return condition();
        if (condition())
            return true;
        if (Elapsed(start, timeoutMs))
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool PumpUntilIdle(DWORD quietMs, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    DWORD quietSince = GetTickCount();
    for (;;) {
        if (HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0) {
            if (!PumpPending())
                return false;
            quietSince = GetTickCount();
        }
        if (GetTickCount() - quietSince >= quietMs)
            return true;
        if (Elapsed(start, timeoutMs))
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (!Elapsed(start, ms)) {
        if (!PumpPending())
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (Elapsed(start, timeoutMs))
            return false;
        Sleep(5);
    }
}

} // namespace testpump

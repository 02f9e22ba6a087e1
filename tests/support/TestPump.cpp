#include "support/TestPump.h"
#include <utility>

namespace testpump {

namespace {

// Reached through a function so that a filter set up by a test program's
// static object finds it made.
std::function<bool(MSG&)>& Filter()
{
    static std::function<bool(MSG&)> filter;
    return filter;
}

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
        if (Filter() && Filter()(msg))
            continue;
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
        // Timers that tick faster than `quietMs` (hover, mouse leave, caret)
        // would never let the queue look quiet: only other messages count.
        const DWORD status = HIWORD(GetQueueStatus(QS_ALLINPUT));
        if ((status & ~QS_TIMER) != 0)
            quietSince = GetTickCount();
        if (status != 0 && !PumpPending())
            return false;
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

int PumpUntilQuitTaken(const std::function<bool()>& stopWhen, DWORD timeoutMs)
{
    int nCode = -1;
    WaitUntil(
        [&] {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT) {
                    nCode = static_cast<int>(msg.wParam);
                    return true;
                }
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            return stopWhen && stopWhen();
        },
        timeoutMs);
    return nCode;
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

ScopedMessageFilter::ScopedMessageFilter(std::function<bool(MSG&)> filter)
    : m_previous(std::move(Filter()))
{
    Filter() = std::move(filter);
}

ScopedMessageFilter::~ScopedMessageFilter()
{
    Filter() = std::move(m_previous);
}

} // namespace testpump

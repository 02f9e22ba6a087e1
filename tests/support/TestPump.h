// Waiting in tests: pump the thread's messages until a condition holds, with
// a deadline only a real fault reaches. Fixed-time pumps are for what is a
// duration by nature (a repeat rate, a poll interval) and for checking that
// nothing happens, after PumpUntilIdle has let the queue run dry.
#pragma once
#include <windows.h>
#include <functional>

namespace testpump {

// Generous: on a loaded two-core machine Wine may need seconds for a window,
// and a slow one needs several times what a wait takes here.
constexpr DWORD kDeadline = 30000;

// Dispatches what is queued now; a WM_QUIT is posted again and ends it.
// Answers FALSE when a WM_QUIT was seen.
bool PumpPending();

// Pumps until the condition holds (checked before each wait) or the deadline
// passes; answers whether it held. A WM_QUIT ends the wait (posted again).
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDeadline);

// Pumps until the queue has stayed empty for `quietMs` (input sent before
// has been delivered and handled), at most `timeoutMs`.
bool PumpUntilIdle(DWORD quietMs = 50, DWORD timeoutMs = kDeadline);

// Pumps for a fixed time: only where the behaviour itself is a duration.
void PumpFor(DWORD ms);

// Dispatches messages until a WM_QUIT is taken off the queue (answers its
// exit code) or `stopWhen` holds without one; -1 when no quit came by the
// deadline or before `stopWhen`. The quit is not posted again.
int PumpUntilQuitTaken(const std::function<bool()>& stopWhen = nullptr, DWORD timeoutMs = kDeadline);

// Waits without pumping (worker threads, files): polls the condition.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDeadline);

// While it lives, the pumps above offer each message to `filter` first, as
// an application's loop offers it to its accelerators or PreTranslateMessage;
// a message the filter answers true for is not dispatched.
class ScopedMessageFilter
{
public:
    explicit ScopedMessageFilter(std::function<bool(MSG&)> filter);
    ~ScopedMessageFilter();
    ScopedMessageFilter(const ScopedMessageFilter&) = delete;
    ScopedMessageFilter& operator=(const ScopedMessageFilter&) = delete;

private:
    std::function<bool(MSG&)> m_previous;
};

} // namespace testpump

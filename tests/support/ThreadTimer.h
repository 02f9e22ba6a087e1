// Thread timers (SetTimer without a window) a test sets: recorded until
// killed, so that a timer a test leaves pending is named and killed at the
// test's end instead of firing into a later test. Timers of a window the
// test destroys die with it and need none of this.
#pragma once
#include <windows.h>

namespace testtimer {

// SetTimer(nullptr, 0, ms, proc), recorded with the place that set it.
UINT_PTR Set(UINT ms, TIMERPROC proc, const char* file = __builtin_FILE(), int line = __builtin_LINE());

// KillTimer(nullptr, id) and off the record; 0 does nothing. A callback
// ends its own timer with it.
void Kill(UINT_PTR id);

// A thread timer that lives as long as the object (or until Kill). Its
// callback may end it with Kill(id) first: the object then leaves alone
// whatever timer gets the id next.
class ThreadTimer
{
public:
    ThreadTimer() = default;
    ThreadTimer(UINT ms, TIMERPROC proc, const char* file = __builtin_FILE(), int line = __builtin_LINE());
    ~ThreadTimer();
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    // Kills a running one first.
    void Start(UINT ms, TIMERPROC proc, const char* file = __builtin_FILE(), int line = __builtin_LINE());
    void Kill();
    UINT_PTR Id() const { return m_id; }

private:
    UINT_PTR m_id = 0;
    unsigned long m_serial = 0;
};

} // namespace testtimer

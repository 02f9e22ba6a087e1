// What a test can leave behind on its thread for a later test to meet: a
// popup menu, a dialog box, a shown top-level window, a pending thread timer
// or hook (ThreadTimer.h, ThreadHook.h). Taken at a start, compared at the end.
#pragma once
#include <windows.h>
#include <set>
#include <string>
#include <vector>

namespace testleftovers {

class ThreadState
{
public:
    // The thread's top-level windows and the timers and hooks set until now.
    static ThreadState Now();

    // Ends what the thread made since this state and still has: the menu it
    // tracks, its menu windows and dialog boxes, its shown top-level windows,
    // its timers and hooks. A line per thing ended, naming it (none: nothing
    // was left).
    std::vector<std::string> EndWhatWasLeft() const;

private:
    std::set<HWND> m_windows;
    unsigned long m_nextSerial = 0;
};

// "class \"...\", title \"...\"" of a window, for a report.
std::string Describe(HWND hWnd);

} // namespace testleftovers

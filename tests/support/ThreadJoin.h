// Ending a thread a test started before the test ends: a thread left
// running would write into the test's locals after they are gone.
#pragma once
#include <windows.h>

namespace testthread {

// Waits for the thread and closes its handle. Not ended within `expectedMs`
// fails the current test, saying so, and waits on: a hang is the watchdog's
// to name. Answers whether it ended within the time; its exit code goes to
// `pExitCode` when given.
bool JoinAndClose(HANDLE hThread, DWORD expectedMs, DWORD* pExitCode = nullptr);

} // namespace testthread

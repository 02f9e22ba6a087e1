// Ends a test program that hangs, saying where. A listener notes when each
// test starts; a thread of its own notices a test that runs longer than its
// limit (or a whole run longer than the program's) and writes the test's
// name and the windows open then before it ends the process with
// kExitCode. A hung test so fails within minutes with its cause on record,
// instead of being killed silently by the runner's time-out.
//
// TAVROLIN_TEST_WATCHDOG_SECONDS: what one test may take (default 240 s).
// TAVROLIN_TEST_PROGRAM_SECONDS: what the whole run may take (default none).
#pragma once
#include <windows.h>

namespace testwatchdog {

// The exit code of a program the watchdog ended.
constexpr UINT kExitCode = 3;

constexpr DWORD kDefaultTestSeconds = 240;

// Adds the listener to GoogleTest's; call after InitGoogleTest. The thread
// runs from the first test to the program's end.
void Install();

} // namespace testwatchdog

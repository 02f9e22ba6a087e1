// Running one test of this program again as a process of its own, as a
// restart of the program would: what one process stores, the other loads.
#pragma once
#include <windows.h>
#include <string>

namespace testprocess {

// Starts this program with only `testName` (a test that test_main leaves
// out of ordinary runs), the environment variable set for the child alone.
// Answers the child's exit code; a child that does not start, or does not
// end within the time given (it is then ended), answers a non-zero code.
DWORD RunTestInChild(const std::wstring& testName, const wchar_t* lpszVariable, const wchar_t* lpszValue,
                     DWORD timeoutMs = 60000);

} // namespace testprocess

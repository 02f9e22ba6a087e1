#include "support/SecondProcess.h"

namespace testprocess {

namespace {

DWORD RunOnce(const std::wstring& testName, const wchar_t* lpszVariable, const wchar_t* lpszValue,
                     DWORD timeoutMs)
{
    wchar_t exe[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = std::wstring(L"\"") + exe + L"\" --gtest_filter=" + testName;
    ::SetEnvironmentVariableW(lpszVariable, lpszValue);
    STARTUPINFOW si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    const BOOL bStarted =
        ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    ::SetEnvironmentVariableW(lpszVariable, nullptr);
    if (!bStarted)
        return ERROR_FILE_NOT_FOUND;
    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &code);
    else
        ::TerminateProcess(pi.hProcess, STILL_ACTIVE);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code;
}

} // namespace

DWORD RunTestInChild(const std::wstring& testName, const wchar_t* lpszVariable, const wchar_t* lpszValue,
                     DWORD timeoutMs)
{
    // On a heavily loaded machine Wine now and then fails to map a system
    // library into a new process, which then ends before its first line ran;
    // that says nothing of the test, so the child gets one more start.
    const DWORD code = RunOnce(testName, lpszVariable, lpszValue, timeoutMs);
    return code == STATUS_DLL_NOT_FOUND ? RunOnce(testName, lpszVariable, lpszValue, timeoutMs) : code;
}

} // namespace testprocess

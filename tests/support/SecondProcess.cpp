#include "support/SecondProcess.h"

namespace testprocess {

DWORD RunTestInChild(const std::wstring& testName, const wchar_t* lpszVariable, const wchar_t* lpszValue,
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

} // namespace testprocess

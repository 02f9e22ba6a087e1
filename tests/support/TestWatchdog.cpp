#include "support/TestWatchdog.h"

#include "support/WindowInventory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace testwatchdog {

namespace {

const char kPrefix[] = "[ WATCHDOG ] ";

// Zero for an unset, empty or malformed value.
DWORD SecondsFromEnvironment(const wchar_t* lpszName)
{
    wchar_t value[32] = L"";
    const DWORD length = ::GetEnvironmentVariableW(lpszName, value, 32);
    if (length == 0 || length >= 32)
        return 0;
    wchar_t* end = nullptr;
    const unsigned long seconds = std::wcstoul(value, &end, 10);
    return *end == L'\0' && seconds < 0x400000 ? static_cast<DWORD>(seconds) : 0;
}

// Written in one piece by the system: the CRT's stream may belong to the
// thread that hangs, and the process ends right after.
void WriteToOutput(const std::string& text)
{
    const HANDLE hOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const char* data = text.data();
    DWORD left = static_cast<DWORD>(text.size());
    DWORD written = 0;
    while (left > 0 && ::WriteFile(hOutput, data, left, &written, nullptr) && written > 0) {
        data += written;
        left -= written;
    }
}

class Watchdog : public testing::EmptyTestEventListener
{
public:
    Watchdog(DWORD testSeconds, DWORD programSeconds)
        : m_testSeconds(testSeconds), m_programSeconds(programSeconds)
    {
        ::InitializeCriticalSection(&m_lock);
    }

    ~Watchdog() override
    {
        Stop();
        ::DeleteCriticalSection(&m_lock);
    }

    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void OnTestProgramStart(const testing::UnitTest&) override
    {
        m_programStart = ::GetTickCount();
        m_hStop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_hThread = ::CreateThread(nullptr, 0, &Watchdog::ThreadMain, this, 0, nullptr);
    }

    // A suite's own set-up and tear-down are timed as a test is.
    void OnTestSuiteStart(const testing::TestSuite& suite) override
    {
        Note(std::string(suite.name()) + " (its suite's set-up)");
    }

    void OnTestStart(const testing::TestInfo& test) override
    {
        Note(std::string(test.test_suite_name()) + "." + test.name());
    }

    void OnTestEnd(const testing::TestInfo& test) override
    {
        Note(std::string(test.test_suite_name()) + " (after " + test.name() + ")");
    }

    void OnTestSuiteEnd(const testing::TestSuite&) override { Note(std::string()); }

    void OnTestProgramEnd(const testing::UnitTest&) override { Stop(); }

private:
    // What runs now (nothing when empty), timed from now.
    void Note(const std::string& running)
    {
        ::EnterCriticalSection(&m_lock);
        m_test = running;
        m_testStart = ::GetTickCount();
        ::LeaveCriticalSection(&m_lock);
    }

    static DWORD WINAPI ThreadMain(void* pWatchdog)
    {
        static_cast<Watchdog*>(pWatchdog)->Watch();
        return 0;
    }

    void Watch()
    {
        while (::WaitForSingleObject(m_hStop, 1000) == WAIT_TIMEOUT) {
            ::EnterCriticalSection(&m_lock);
            const std::string test = m_test;
            const DWORD testMs = ::GetTickCount() - m_testStart;
            ::LeaveCriticalSection(&m_lock);
            const DWORD programMs = ::GetTickCount() - m_programStart;
            if (!test.empty() && m_testSeconds > 0 && testMs / 1000 >= m_testSeconds)
                ReportAndEnd(test + " still runs after " + std::to_string(testMs / 1000) + " s");
            if (m_programSeconds > 0 && programMs / 1000 >= m_programSeconds)
                ReportAndEnd("the program still runs after " + std::to_string(programMs / 1000) + " s" +
                             (test.empty() ? std::string(", between tests")
                                           : ", in " + test + " for " + std::to_string(testMs / 1000) + " s"));
        }
    }

    [[noreturn]] void ReportAndEnd(const std::string& headline)
    {
        // What the tests printed so far comes first, then the report.
        std::fflush(stdout);
        std::fflush(stderr);
        WriteToOutput("\n" + std::string(kPrefix) + headline + "; the program is ended (exit code " +
                      std::to_string(kExitCode) + ")\n" +
                      windowinventory::DescribeProcessWindows(::GetCurrentProcessId(), kPrefix));
        ::TerminateProcess(::GetCurrentProcess(), kExitCode);
        ::ExitThread(kExitCode);
    }

    void Stop()
    {
        if (m_hThread == nullptr)
            return;
        ::SetEvent(m_hStop);
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
        ::CloseHandle(m_hStop);
        m_hThread = nullptr;
        m_hStop = nullptr;
    }

    const DWORD m_testSeconds;
    const DWORD m_programSeconds;
    CRITICAL_SECTION m_lock;
    std::string m_test;
    DWORD m_testStart = 0;
    DWORD m_programStart = 0;
    HANDLE m_hStop = nullptr;
    HANDLE m_hThread = nullptr;
};

} // namespace

void Install()
{
    const DWORD testSeconds = SecondsFromEnvironment(L"TAVROLIN_TEST_WATCHDOG_SECONDS");
    testing::UnitTest::GetInstance()->listeners().Append(
        new Watchdog(testSeconds > 0 ? testSeconds : kDefaultTestSeconds,
                     SecondsFromEnvironment(L"TAVROLIN_TEST_PROGRAM_SECONDS")));
}

} // namespace testwatchdog

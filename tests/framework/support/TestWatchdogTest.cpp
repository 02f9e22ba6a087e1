// The test programs' watchdog, seen from outside: a test that hangs with a
// window and a popup menu open is run as a process of its own with a short
// limit, which must then end with the watchdog's code and an output that
// names the test, the window and the menu.
#include "support/TestPump.h"
#include "support/TestWatchdog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

const wchar_t kHangingTest[] = L"HangingTest.TracksAMenuOverItsWindow";
const wchar_t kProbeClass[] = L"TavrolinWatchdogProbe";

// A child started only by the tests below: it never ends by itself.
TEST(HangingTest, TracksAMenuOverItsWindow)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kProbeClass;
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, kProbeClass, L"Hängt mit offenem Menü", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  100, 100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hWnd, nullptr);
    ::SetForegroundWindow(hWnd);
    // Tells a script that stops it from outside that the window shows (on
    // the display too, once the queue has run dry).
    testpump::PumpUntilIdle();
    std::printf("HangingTest: the window shows, the menu opens\n");
    std::fflush(stdout);
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuW(hMenu, MF_STRING, 1, L"Standard");
    ::TrackPopupMenu(hMenu, TPM_RETURNCMD, 150, 150, 0, hWnd, nullptr);
    // Should the menu close, the test still hangs, as a loop that waits for
    // a message no one sends.
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&msg);
}

// A child whose suite never gets past its set-up.
class HangingSuiteSetUp : public testing::Test
{
protected:
    static void SetUpTestSuite() { ::Sleep(INFINITE); }
};

TEST_F(HangingSuiteSetUp, NeverRuns) {}

// Sets a variable of this process's environment (which a child inherits)
// and puts back what was there before.
class ScopedVariable
{
public:
    ScopedVariable(const wchar_t* lpszName, const wchar_t* lpszValue) : m_name(lpszName)
    {
        wchar_t previous[256];
        const DWORD length = ::GetEnvironmentVariableW(lpszName, previous, 256);
        m_hadValue = length > 0 && length < 256;
        if (m_hadValue)
            m_previous = previous;
        ::SetEnvironmentVariableW(lpszName, lpszValue);
    }
    ~ScopedVariable() { ::SetEnvironmentVariableW(m_name.c_str(), m_hadValue ? m_previous.c_str() : nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::wstring m_name;
    std::wstring m_previous;
    bool m_hadValue = false;
};

struct ChildRun
{
    DWORD exitCode = STILL_ACTIVE; // still so when it had to be ended
    DWORD elapsedMs = 0;
    std::string output;
};

// Runs a hanging test as a child with its output (stdout and stderr) in
// a file; a child still running after `timeoutMs` is ended.
ChildRun RunHangingChild(const wchar_t* lpszTest, DWORD timeoutMs)
{
    wchar_t folder[MAX_PATH] = L"";
    wchar_t path[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, folder);
    ::GetTempFileNameW(folder, L"wdg", 0, path);
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE hOutput = ::CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ChildRun run;
    if (hOutput == INVALID_HANDLE_VALUE)
        return run;

    wchar_t exe[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = std::wstring(L"\"") + exe + L"\" --gtest_color=no --gtest_filter=" + lpszTest;
    STARTUPINFOW si = {sizeof si};
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = hOutput;
    si.hStdError = hOutput;
    PROCESS_INFORMATION pi = {};
    const DWORD start = ::GetTickCount();
    const BOOL bStarted =
        ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(hOutput);
    if (bStarted) {
        if (::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(pi.hProcess, &run.exitCode);
        else {
            ::TerminateProcess(pi.hProcess, STILL_ACTIVE);
            ::WaitForSingleObject(pi.hProcess, INFINITE);
        }
        run.elapsedMs = ::GetTickCount() - start;
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    file.close();
    run.output = text.str();
    ::DeleteFileW(path);
    return run;
}

// A child start costs Wine seconds, many on a loaded machine; a watchdog
// that does not fire leaves the child running until this.
constexpr DWORD kChildDeadlineMs = 90000;

// What the report must say of the hanging child, whichever limit ended it.
void ExpectTheHangDescribed(const ChildRun& run)
{
    // The test's own output (its start) was flushed ahead of the report.
    const size_t started = run.output.find("[ RUN      ] HangingTest.TracksAMenuOverItsWindow");
    const size_t reported = run.output.find("[ WATCHDOG ] ");
    ASSERT_NE(started, std::string::npos) << run.output;
    ASSERT_NE(reported, std::string::npos) << run.output;
    EXPECT_LT(started, reported) << run.output;
    EXPECT_TRUE(std::regex_search(run.output,
                                  std::regex("\\[ WATCHDOG \\]   0x[0-9A-F]{8} class \"TavrolinWatchdogProbe\" "
                                             "title \"Hängt mit offenem Menü\" visible owner none thread \\d+")))
        << run.output;
    EXPECT_TRUE(std::regex_search(run.output,
                                  std::regex("\\[ WATCHDOG \\]   0x[0-9A-F]{8} class \"#32768\" title \"\" visible")))
        << run.output;
    EXPECT_TRUE(std::regex_search(run.output, std::regex("\\[ WATCHDOG \\] thread \\d+: a (popup )?menu tracked, "
                                                         "menu owner 0x[0-9A-F]{8}")))
        << run.output;
}

TEST(TestWatchdog, EndsATestThatHangsPastItsLimitNamingItAndItsWindows)
{
    ScopedVariable testLimit(L"TAVROLIN_TEST_WATCHDOG_SECONDS", L"3");
    ScopedVariable noProgramLimit(L"TAVROLIN_TEST_PROGRAM_SECONDS", nullptr);
    const ChildRun run = RunHangingChild(kHangingTest, kChildDeadlineMs);

    EXPECT_EQ(run.exitCode, testwatchdog::kExitCode) << run.output;
    EXPECT_GE(run.elapsedMs, 3000u);
    std::smatch headline;
    ASSERT_TRUE(std::regex_search(
        run.output, headline,
        std::regex("\\[ WATCHDOG \\] HangingTest\\.TracksAMenuOverItsWindow still runs after (\\d+) s; "
                   "the program is ended \\(exit code 3\\)")))
        << run.output;
    // Checked every second: it fires in the second the limit passes, unless
    // the machine stalls the process.
    EXPECT_LE(std::stoi(headline[1]), 10) << run.output;
    ExpectTheHangDescribed(run);
}

TEST(TestWatchdog, EndsARunThatLastsPastTheProgramsLimitNamingTheTestItIsIn)
{
    ScopedVariable generousTestLimit(L"TAVROLIN_TEST_WATCHDOG_SECONDS", L"600");
    ScopedVariable programLimit(L"TAVROLIN_TEST_PROGRAM_SECONDS", L"4");
    const ChildRun run = RunHangingChild(kHangingTest, kChildDeadlineMs);

    EXPECT_EQ(run.exitCode, testwatchdog::kExitCode) << run.output;
    EXPECT_TRUE(std::regex_search(run.output,
                                  std::regex("\\[ WATCHDOG \\] the program still runs after \\d+ s, in "
                                             "HangingTest\\.TracksAMenuOverItsWindow for \\d+ s; the program is "
                                             "ended \\(exit code 3\\)")))
        << run.output;
    ExpectTheHangDescribed(run);
}

TEST(TestWatchdog, EndsASuiteWhoseSetUpHangsNamingTheSuite)
{
    ScopedVariable testLimit(L"TAVROLIN_TEST_WATCHDOG_SECONDS", L"3");
    ScopedVariable noProgramLimit(L"TAVROLIN_TEST_PROGRAM_SECONDS", nullptr);
    const ChildRun run = RunHangingChild(L"HangingSuiteSetUp.*", kChildDeadlineMs);

    EXPECT_EQ(run.exitCode, testwatchdog::kExitCode) << run.output;
    EXPECT_TRUE(std::regex_search(run.output, std::regex("\\[ WATCHDOG \\] HangingSuiteSetUp \\(its suite's set-up\\) "
                                                         "still runs after \\d+ s; the program is ended")))
        << run.output;
    EXPECT_EQ(run.output.find("[ RUN      ]"), std::string::npos) << run.output;
}

} // namespace

// The check after each test: a test that leaves a dialog box, a popup menu
// window, a shown window, a timer or a hook behind fails, naming it, and
// the leftover is ended before the next test. The leaving tests run in a
// child process (test_main leaves them out of ordinary runs); its output
// is read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/TestPump.h"
#include "support/ThreadHook.h"
#include "support/ThreadTimer.h"

namespace {

// What the leaving tests left, for the last one to look at.
HWND g_hLeftBox = nullptr;
HWND g_hLeftMenuWindow = nullptr;
HMENU g_hLeftMenu = nullptr;
HWND g_hLeftWindow = nullptr;
UINT_PTR g_nLeftTimer = 0;
HHOOK g_hLeftHook = nullptr;
int g_nTimerCalls = 0;
int g_nHookCalls = 0;

void CALLBACK CountTimerCall(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_nTimerCalls;
}

LRESULT CALLBACK CountHookCall(int nCode, WPARAM wParam, LPARAM lParam)
{
    ++g_nHookCalls;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

HWND ShownPopup(LPCWSTR lpszTitle, int x)
{
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", lpszTitle, WS_POPUP | WS_VISIBLE, x, 500, 120, 40, nullptr,
                             nullptr, nullptr, nullptr);
}

// Runs this program with the filter, its output into a file; answers the
// output, the exit code in `code`.
std::string RunChild(const std::wstring& filter, DWORD& code)
{
    wchar_t exe[MAX_PATH] = L"", folder[MAX_PATH] = L"", file[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    ::GetTempPathW(MAX_PATH, folder);
    ::GetTempFileNameW(folder, L"lft", 0, file);
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE hOut = ::CreateFileW(file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    std::wstring command = std::wstring(L"\"") + exe + L"\" --gtest_color=no --gtest_filter=" + filter;
    STARTUPINFOW si = {sizeof si};
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hOut;
    si.hStdError = hOut;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    code = STILL_ACTIVE;
    if (::CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
    {
        if (::WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0)
            ::TerminateProcess(pi.hProcess, STILL_ACTIVE);
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        ::GetExitCodeProcess(pi.hProcess, &code);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    ::CloseHandle(hOut);
    std::string output;
    HANDLE hIn = ::CreateFileW(file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[4096];
    DWORD read = 0;
    while (hIn != INVALID_HANDLE_VALUE && ::ReadFile(hIn, buffer, sizeof buffer, &read, nullptr) && read > 0)
        output.append(buffer, read);
    if (hIn != INVALID_HANDLE_VALUE)
        ::CloseHandle(hIn);
    ::DeleteFileW(file);
    return output;
}

// The lines the run printed for one test, from its RUN line to its result.
std::string OutputOf(const std::string& output, const std::string& test)
{
    const size_t start = output.find("[ RUN      ] " + test);
    if (start == std::string::npos)
        return "";
    const size_t ok = output.find("[       OK ] " + test, start);
    const size_t failed = output.find("[  FAILED  ] " + test, start);
    const size_t end = std::min(ok, failed);
    return output.substr(start, end == std::string::npos ? std::string::npos : end - start + 40 + test.size());
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

bool Failed(const std::string& text)
{
    return Has(text, "[  FAILED  ]");
}

} // namespace

// --- run only in the child ------------------------------------------------

TEST(LeftoverChild, LeavesADialogBox)
{
    g_hLeftBox = ::CreateWindowExW(0, L"#32770", L"Liegengelassen", WS_POPUP | WS_CAPTION, 40, 40, 200, 100, nullptr,
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(g_hLeftBox, nullptr);
}

TEST(LeftoverChild, LeavesAPopupMenuWindow)
{
    g_hLeftMenu = ::CreatePopupMenu();
    ::AppendMenuW(g_hLeftMenu, MF_STRING, 1, L"Eintrag");
    g_hLeftMenuWindow = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"#32768", nullptr, WS_POPUP, 300, 40,
                                          100, 30, nullptr, nullptr, nullptr, g_hLeftMenu);
    ASSERT_NE(g_hLeftMenuWindow, nullptr);
    ::ShowWindow(g_hLeftMenuWindow, SW_SHOWNOACTIVATE);
}

TEST(LeftoverChild, LeavesAShownWindow)
{
    g_hLeftWindow = ShownPopup(L"Offen", 500);
    ASSERT_NE(g_hLeftWindow, nullptr);
}

TEST(LeftoverChild, LeavesATimerAndAHook)
{
    g_nLeftTimer = testtimer::Set(1, CountTimerCall);
    g_hLeftHook = testhook::Set(WH_GETMESSAGE, CountHookCall);
    ASSERT_NE(g_nLeftTimer, 0u);
    ASSERT_NE(g_hLeftHook, nullptr);
}

// Ends all it made: nothing to report.
TEST(LeftoverChild, EndsWhatItMade)
{
    HWND hWnd = ShownPopup(L"Kurz", 700);
    testtimer::ThreadTimer timer(1, CountTimerCall);
    testhook::ThreadHook hook(WH_GETMESSAGE, CountHookCall);
    testpump::PumpFor(20);
    ::DestroyWindow(hWnd);
}

// Runs after the others: none of their leftovers reached it.
TEST(LeftoverChild, NothingReachedTheNextTest)
{
    g_nTimerCalls = 0;
    g_nHookCalls = 0;
    testpump::PumpFor(100);
    EXPECT_EQ(g_nTimerCalls, 0) << "the timer still fires";
    EXPECT_EQ(g_nHookCalls, 0) << "the hook still sees messages";
    EXPECT_FALSE(::KillTimer(nullptr, g_nLeftTimer)) << "the timer was still set";
    EXPECT_FALSE(::UnhookWindowsHookEx(g_hLeftHook)) << "the hook was still set";
    EXPECT_FALSE(::IsWindow(g_hLeftBox));
    EXPECT_FALSE(::IsWindow(g_hLeftMenuWindow));
    EXPECT_FALSE(::IsWindow(g_hLeftWindow));
    ::DestroyMenu(g_hLeftMenu);
}

// A suite whose set-up makes a window that its tests may keep and its
// tear-down forgets.
class LeftoverSuiteChild : public testing::Test
{
protected:
    static void SetUpTestSuite() { s_hWindow = ShownPopup(L"Suite", 900); }
    static HWND s_hWindow;
};

HWND LeftoverSuiteChild::s_hWindow = nullptr;

TEST_F(LeftoverSuiteChild, KeepsTheSuitesWindow)
{
    EXPECT_TRUE(::IsWindowVisible(s_hWindow));
}

// --- the check, from outside ----------------------------------------------

TEST(LeftoverCheck, FailsTheTestThatLeavesSomethingNamingItAndEndsIt)
{
    DWORD code = 0;
    const std::string output = RunChild(L"Leftover*Child.*", code);
    EXPECT_NE(code, 0u) << output;

    const std::string box = OutputOf(output, "LeftoverChild.LeavesADialogBox");
    EXPECT_TRUE(Failed(box)) << box;
    EXPECT_TRUE(Has(box, "the test left behind:")) << box;
    EXPECT_TRUE(Has(box, "a dialog box (class \"#32770\", title \"Liegengelassen\", hidden): destroyed")) << box;

    const std::string menu = OutputOf(output, "LeftoverChild.LeavesAPopupMenuWindow");
    EXPECT_TRUE(Failed(menu)) << menu;
    EXPECT_TRUE(Has(menu, "a popup menu window (class \"#32768\"")) << menu;

    const std::string shown = OutputOf(output, "LeftoverChild.LeavesAShownWindow");
    EXPECT_TRUE(Failed(shown)) << shown;
    EXPECT_TRUE(Has(shown, "a shown top-level window (class \"Static\", title \"Offen\"): destroyed")) << shown;

    const std::string pending = OutputOf(output, "LeftoverChild.LeavesATimerAndAHook");
    EXPECT_TRUE(Failed(pending)) << pending;
    EXPECT_TRUE(Has(pending, "a pending thread timer (every 1 ms) set at "
                             "tests/framework/leftovers/LeftoverCheckTest.cpp:"))
        << pending;
    EXPECT_TRUE(Has(pending, "a hook (type 3) set at tests/framework/leftovers/LeftoverCheckTest.cpp:")) << pending;

    const std::string clean = OutputOf(output, "LeftoverChild.EndsWhatItMade");
    EXPECT_FALSE(Failed(clean)) << clean;
    const std::string next = OutputOf(output, "LeftoverChild.NothingReachedTheNextTest");
    EXPECT_TRUE(Has(next, "[       OK ]")) << next;

    // The suite's window: the suite fails at its end, not the test.
    EXPECT_TRUE(Has(OutputOf(output, "LeftoverSuiteChild.KeepsTheSuitesWindow"), "[       OK ]")) << output;
    EXPECT_TRUE(Has(output, "the test suite LeftoverSuiteChild left behind:")) << output;
    EXPECT_TRUE(Has(output, "  a shown top-level window (class \"Static\", title \"Suite\"): destroyed")) << output;
    EXPECT_TRUE(Has(output, "[  FAILED  ] LeftoverSuiteChild: SetUpTestSuite or TearDownTestSuite")) << output;
}

// The built Tavrolin.exe as a real process: a copy of it with its match list
// in a folder of its own (the history database lies beside the program), run
// in this test program's prefix, so that it shares the registry, the window
// station and the input with the test.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <sqlite3.h>

#include <string>
#include <vector>

#include "app/shell/SingleInstance.h"
#include "engine/OnlineCheck.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/ole/COleDateTime.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "support/ProcessWindows.h"
#include "support/ProgramCopy.h"
#include "support/ProgramSettings.h"
#include "support/SiteSimulation.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"

namespace {

const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The values of a registry key, put back as they were when it goes.
class CSavedRegistryKey
{
public:
    explicit CSavedRegistryKey(LPCWSTR pszKey) : m_key(pszKey)
    {
        HKEY hKey;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, pszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return;
        for (DWORD i = 0;; ++i)
        {
            wchar_t name[256];
            BYTE data[4096];
            DWORD nameLength = 256, dataSize = sizeof data, type = 0;
            if (RegEnumValueW(hKey, i, name, &nameLength, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
                break;
            m_values.push_back({name, type, std::string(reinterpret_cast<char*>(data), dataSize)});
        }
        RegCloseKey(hKey);
    }
    ~CSavedRegistryKey()
    {
        RegDeleteKeyW(HKEY_CURRENT_USER, m_key.c_str());
        HKEY hKey;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) !=
            ERROR_SUCCESS)
            return;
        for (const Value& value : m_values)
            RegSetValueExW(hKey, value.name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                           DWORD(value.data.size()));
        RegCloseKey(hKey);
    }

private:
    struct Value
    {
        std::wstring name;
        DWORD type;
        std::string data;
    };
    std::wstring m_key;
    std::vector<Value> m_values;
};

// The program's settings for one start, every other value left out.
void WriteSettings(std::initializer_list<std::pair<LPCWSTR, DWORD>> values)
{
    RegDeleteKeyW(HKEY_CURRENT_USER, programsettings::SettingsKey);
    for (const auto& value : values)
        ASSERT_TRUE(programsettings::SetDword(value.first, value.second));
}

DWORD ReadSettingsDword(LPCWSTR pszName)
{
    DWORD value = 0xFFFFFFFF, size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, programsettings::SettingsKey, pszName, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

// Settings of a user who changed them all away from the first start's.
void WriteUsersOwnSettings()
{
    WriteSettings({{L"Interval", 77}, {L"MaxDiff", 7}, {L"ShowInfo", 0}, {L"AutoScan", 0}, {L"StartMinimized", 0},
                   {L"Beep", 0}, {L"FindTST", 0}});
}

// A start that ends before its window must leave them as they were.
void ExpectUsersOwnSettingsKept()
{
    EXPECT_EQ(ReadSettingsDword(L"Interval"), 77u);
    EXPECT_EQ(ReadSettingsDword(L"MaxDiff"), 7u);
    EXPECT_EQ(ReadSettingsDword(L"ShowInfo"), 0u) << "the start-up information would come back";
    EXPECT_EQ(ReadSettingsDword(L"AutoScan"), 0u);
    EXPECT_EQ(ReadSettingsDword(L"Beep"), 0u);
    EXPECT_EQ(ReadSettingsDword(L"FindTST"), 0u);
}

bool HasEnded(const PROCESS_INFORMATION& process, DWORD timeoutMs = testpump::kDeadline)
{
    return CProgramCopy::HasEnded(process, timeoutMs);
}

class ProgramProcess : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.IsValid()) << "run through ctest after the build (TAVROLIN_BUILD_DIR)";
        // This test program must not hold the single-instance name itself.
        HANDLE hMutex = OpenMutexW(SYNCHRONIZE, FALSE, BuildSingleInstanceMutexName());
        if (hMutex != nullptr)
            CloseHandle(hMutex);
        ASSERT_EQ(hMutex, nullptr) << "a Tavrolin instance is running in this prefix";
    }

    void TearDown() override
    {
        // A test puts a folder where the database belongs; the copy's folder goes only empty.
        RemoveDirectoryW(m_program.Folder().File(L"data.db").c_str());
    }

    // Starts the program and waits until its frame shows and takes input.
    void StartToIdleFrame(PROCESS_INFORMATION& process, HWND& hFrame)
    {
        process = m_program.Start();
        ASSERT_NE(process.hProcess, nullptr);
        ASSERT_TRUE(testpump::WaitUntil([&] { return (hFrame = processwindows::VisibleFrame(process.dwProcessId)) != nullptr; }));
        ASSERT_EQ(WaitForInputIdle(process.hProcess, testpump::kDeadline), 0u);
    }

    // Starts the program with "ShowInfo" set and waits for the start-up
    // information; the frame is the one visible when the box came.
    void StartToInformation(PROCESS_INFORMATION& process, HWND& hInfo, HWND& hFrame)
    {
        process = m_program.Start();
        ASSERT_NE(process.hProcess, nullptr);
        ASSERT_TRUE(testpump::WaitUntil([&] {
            hInfo = processwindows::VisibleBox(process.dwProcessId);
            hFrame = processwindows::VisibleFrame(process.dwProcessId);
            return hInfo != nullptr;
        }));
    }

    // "nicht mehr anzeigen" checked, then OK.
    static void TurnInformationOff(HWND hInfo)
    {
        SendMessageW(GetDlgItem(hInfo, IDC_DONT_SHOW_AGAIN), BM_SETCHECK, BST_CHECKED, 0);
        processwindows::PressBoxButton(hInfo, IDOK);
        ASSERT_TRUE(testpump::WaitUntil([&] { return !IsWindow(hInfo) || !IsWindowVisible(hInfo); }));
    }

    CSavedRegistryKey m_settings{programsettings::SettingsKey};
    CSavedRegistryKey m_run{RunKey};
    CProgramCopy m_program;
};

} // namespace

TEST_F(ProgramProcess, FirstStartWritesTheRunValueBeforeItsWindowShows)
{
    RegDeleteKeyW(HKEY_CURRENT_USER, programsettings::SettingsKey);  // no "Interval": a first start
    programsettings::DeleteRunValue();
    const PROCESS_INFORMATION process = m_program.Start();
    ASSERT_NE(process.hProcess, nullptr);
    bool bRunAtFirstSight = false;
    ASSERT_TRUE(testpump::WaitUntil([&] {
        if (processwindows::VisibleFrame(process.dwProcessId) == nullptr)
            return false;
        bRunAtFirstSight = programsettings::ReadRunValue() != L"<missing>";
        return true;
    }));
    EXPECT_TRUE(bRunAtFirstSight);
}

// The second start hands over and ends without a window; what the first
// frame does with the request is checked in process (MainFrame tests):
// between processes, Wine's stacking of unmanaged windows was seen not to
// follow in fresh prefixes.
TEST_F(ProgramProcess, SecondProcessStaysWindowlessAndLeavesTheFirstRunning)
{
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 0}, {L"AutoScan", 0}, {L"StartMinimized", 0}});
    PROCESS_INFORMATION first = {};
    HWND hFrame = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartToIdleFrame(first, hFrame));

    const PROCESS_INFORMATION second = m_program.Start();
    ASSERT_NE(second.hProcess, nullptr);
    bool bSecondShowedAWindow = false;
    const bool bSecondEnded = testpump::WaitUntil([&] {
        for (HWND hWnd : processwindows::TopLevelWindows(second.dwProcessId))
            bSecondShowedAWindow |= IsWindowVisible(hWnd) != FALSE;
        return HasEnded(second, 0);
    });
    EXPECT_TRUE(bSecondEnded);
    EXPECT_FALSE(bSecondShowedAWindow);
    EXPECT_FALSE(HasEnded(first, 0));
    EXPECT_TRUE(IsWindowVisible(hFrame));
}

TEST_F(ProgramProcess, AnUnusableHistoryDatabaseEndsTheStartWithMessage107)
{
    WriteUsersOwnSettings();
    // A folder where the database file should be: it can be neither opened nor replaced.
    ASSERT_TRUE(CreateDirectoryW(m_program.Folder().File(L"data.db").c_str(), nullptr));
    const PROCESS_INFORMATION process = m_program.Start();
    ASSERT_NE(process.hProcess, nullptr);
    HWND hBox = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hBox = processwindows::VisibleBox(process.dwProcessId)) != nullptr; }));
    EXPECT_EQ(processwindows::BoxText(hBox), StringResource(IDS_DATABASE_FAILED));
    EXPECT_EQ(processwindows::VisibleFrame(process.dwProcessId), nullptr);
    processwindows::PressBoxButton(hBox, IDOK);
    EXPECT_TRUE(HasEnded(process));
    const DWORD attributes = GetFileAttributesW(m_program.Folder().File(L"data.db").c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) << "kept";
    ExpectUsersOwnSettingsKept();
}

TEST_F(ProgramProcess, AltXEndsTheProgramAtOnceWhileTheSiteDelaysAPage)
{
    SimulatedSite site(R"({"pages": {"resale-list": {"delay": 8}, "tst-list": {"delay": 8}, "resale-detail": {"delay": 8},
                                   "tst-detail": {"delay": 8}, "info": {"delay": 8}}})");
    ASSERT_TRUE(site.IsRunning());
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 0}, {L"AutoScan", 1}, {L"StartMinimized", 0}, {L"MaxDiff", 0}});
    const PROCESS_INFORMATION process = m_program.Start();
    ASSERT_NE(process.hProcess, nullptr);
    HWND hFrame = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hFrame = processwindows::VisibleFrame(process.dwProcessId)) != nullptr; }));
    SetForegroundWindow(hFrame);
    ASSERT_TRUE(testpump::PumpUntil([&] { return GetForegroundWindow() == hFrame; }));
    ASSERT_TRUE(site.GetRequests().empty()) << "no page may have been answered yet";

    const DWORD start = GetTickCount();
    testinput::SendChord({VK_MENU, 'X'});
    ASSERT_TRUE(HasEnded(process));
    const DWORD elapsed = GetTickCount() - start;
    // An end that waited for a page would take its 8 s; a busy machine
    // needs more than a second for the process to end all the same.
    EXPECT_LT(elapsed, 4000u);
    EXPECT_TRUE(site.GetRequests().empty()) << "the delayed pages were still on their way";
}

// Starts OfflineProgram in a network namespace without routes and reads the
// outcome. Its folder's name differs from the program copies': the inner run
// has a Wine server of its own, whose process ids start over.
TEST(ProgramOffline, StartWithoutADefaultRouteEndsWithMessage103)
{
    ExpectOneTestPassesOffline("offline", "OfflineProgram.*");
}

namespace {

int CountOpenOffers(const std::wstring& path)
{
    sqlite3* db = nullptr;
    int count = -1;
    if (sqlite3_open16(path.c_str(), &db) == SQLITE_OK)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "select count(*) from main where dateto is null;", -1, &statement, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return count;
}

} // namespace

// Runs only in a network namespace without a default route (ProgramOffline).
class OfflineProgram : public ProgramProcess
{
};

TEST_F(OfflineProgram, ShowsMessage103AfterPurgingTheHistory)
{
    if (IsOnline())
        GTEST_SKIP() << "runs only without a default route (ProgramOffline starts it so)";
    WriteUsersOwnSettings();
    const std::wstring path = m_program.Folder().File(L"data.db");
    {
        CDatabaseManager history;
        ASSERT_TRUE(history.OpenOrCreate(m_program.Folder().Path().c_str()));
        ASSERT_GT(history.AddOffer(COleDateTime(2006, 6, 9, 18, 0, 0), 1, 2), 0);
        history.Close();
    }
    ASSERT_EQ(CountOpenOffers(path), 1);

    const PROCESS_INFORMATION process = m_program.Start();
    ASSERT_NE(process.hProcess, nullptr);
    HWND hBox = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hBox = processwindows::VisibleBox(process.dwProcessId)) != nullptr; }));
    EXPECT_EQ(processwindows::BoxText(hBox), StringResource(IDS_OFFLINE));
    EXPECT_EQ(processwindows::VisibleFrame(process.dwProcessId), nullptr);
    EXPECT_EQ(CountOpenOffers(path), 0) << "the history is opened and purged before the check";
    processwindows::PressBoxButton(hBox, IDOK);
    EXPECT_TRUE(HasEnded(process));
    ExpectUsersOwnSettingsKept();
    DeleteFileW(path.c_str());
}

TEST_F(ProgramProcess, StartupInformationFollowsTheWindowAndItsBoxTurnsItOffForGood)
{
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 1}, {L"AutoScan", 0}, {L"StartMinimized", 0}});
    PROCESS_INFORMATION process = {};
    HWND hInfo = nullptr, hFrame = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartToInformation(process, hInfo, hFrame));
    EXPECT_NE(hFrame, nullptr) << "the main window shows first";
    EXPECT_EQ(GetWindow(hInfo, GW_OWNER), hFrame);
    wchar_t text[64] = L"";
    GetDlgItemTextW(hInfo, IDC_INFO_TEXT, text, 64);
    EXPECT_EQ(std::wstring(text).substr(0, 10), L"WM-Tickets");

    ASSERT_NO_FATAL_FAILURE(TurnInformationOff(hInfo));
    EXPECT_EQ(ReadSettingsDword(L"ShowInfo"), 1u) << "kept in the store until the settings are saved";
    PostMessageW(hFrame, WM_COMMAND, ID_APP_EXIT, 0);
    ASSERT_TRUE(HasEnded(process));
    EXPECT_EQ(ReadSettingsDword(L"ShowInfo"), 0u);
}

namespace {

// Wine's notification area without a desktop: a window of its own whose
// children are the icons, one each.
HWND ShellTrayWindow()
{
    return FindWindowW(L"__winex11_standalone_tray", nullptr);
}

std::vector<HWND> VisibleTrayIcons()
{
    std::vector<HWND> icons;
    const HWND hTray = ShellTrayWindow();
    if (hTray != nullptr && IsWindowVisible(hTray))
        for (HWND hIcon = GetWindow(hTray, GW_CHILD); hIcon != nullptr; hIcon = GetWindow(hIcon, GW_HWNDNEXT))
            if (IsWindowVisible(hIcon))
                icons.push_back(hIcon);
    return icons;
}

POINT CenterOf(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// A point of the window's caption where it answers the hit-test code.
bool FindCaptionButton(HWND hFrame, LRESULT hitTest, POINT* pPoint)
{
    RECT rc = {};
    GetWindowRect(hFrame, &rc);
    const int y = rc.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = rc.right - 1; x > rc.left; --x)
        if (SendMessageW(hFrame, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == hitTest)
        {
            *pPoint = {x - 4, y};
            return true;
        }
    return false;
}

// The tray menu's first or last item ("Öffnen", separator, "Beenden"): the
// menu of another process tells nothing of its items, but each is at least
// a menu line high and the border is thinner than half a line.
POINT TrayMenuItemPoint(HWND hMenu, bool bFirst)
{
    RECT rc = {};
    GetWindowRect(hMenu, &rc);
    const int halfLine = GetSystemMetrics(SM_CYMENU) / 2;
    return {(rc.left + rc.right) / 2, bFirst ? rc.top + halfLine : rc.bottom - halfLine};
}

} // namespace

// Close and minimize boxes clicked as a user does; the icon in Wine's tray
// window double clicked, and its menu's items "Öffnen" and "Beenden" clicked.
TEST_F(ProgramProcess, CloseAndMinimizeBoxesHideToTheTrayAndTheIconBringsTheWindowBack)
{
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 0}, {L"AutoScan", 0}, {L"StartMinimized", 0}});
    ASSERT_TRUE(VisibleTrayIcons().empty()) << "an icon of an earlier test is left";
    PROCESS_INFORMATION process = {};
    HWND hFrame = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartToIdleFrame(process, hFrame));
    std::vector<HWND> icons;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (icons = VisibleTrayIcons()).size() == 1; }))
        << "Wine's tray window: " << ShellTrayWindow();
    const POINT ptIcon = CenterOf(icons[0]);

    POINT ptClose = {}, ptMinimize = {};
    ASSERT_TRUE(FindCaptionButton(hFrame, HTCLOSE, &ptClose));
    ASSERT_TRUE(FindCaptionButton(hFrame, HTMINBUTTON, &ptMinimize));
    testinput::ClickAt(ptClose);
    ASSERT_TRUE(testpump::WaitUntil([&] { return !IsWindowVisible(hFrame); }));
    EXPECT_FALSE(HasEnded(process, 0));

    testinput::DoubleClickAt(ptIcon);
    EXPECT_TRUE(testpump::WaitUntil([&] { return IsWindowVisible(hFrame) && GetForegroundWindow() == hFrame; }));
    ASSERT_EQ(WaitForInputIdle(process.hProcess, testpump::kDeadline), 0u);

    testinput::ClickAt(ptMinimize);
    ASSERT_TRUE(testpump::WaitUntil([&] { return !IsWindowVisible(hFrame); }));
    testinput::ClickAt(ptIcon, true);
    HWND hMenu = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hMenu = testwindows::TrackedMenuWindow()) != nullptr; }));
    testinput::ClickAt(TrayMenuItemPoint(hMenu, true));
    EXPECT_TRUE(testpump::WaitUntil([&] { return IsWindowVisible(hFrame) && GetForegroundWindow() == hFrame; }));
    EXPECT_FALSE(HasEnded(process, 0));

    // The last item, "Beenden", ends the program from the tray.
    testinput::ClickAt(ptClose);
    ASSERT_TRUE(testpump::WaitUntil([&] { return !IsWindowVisible(hFrame); }));
    testinput::ClickAt(ptIcon, true);
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hMenu = testwindows::TrackedMenuWindow()) != nullptr; }));
    testinput::ClickAt(TrayMenuItemPoint(hMenu, false));
    EXPECT_TRUE(HasEnded(process));
    EXPECT_TRUE(testpump::WaitUntil([] { return VisibleTrayIcons().empty(); }));
}

// Started minimized with the search running, the window waits in the tray
// until the icon is double clicked; minimized alone it shows at once.
TEST_F(ProgramProcess, StartMinimizedWithAutoScanWaitsInTheTrayForTheIcon)
{
    SimulatedSite site("{}");
    ASSERT_TRUE(site.IsRunning());
    for (DWORD autoScan : {1, 0})
    {
        WriteSettings({{L"Interval", 30}, {L"ShowInfo", 0}, {L"AutoScan", autoScan}, {L"StartMinimized", 1}});
        const PROCESS_INFORMATION process = m_program.Start();
        ASSERT_NE(process.hProcess, nullptr);
        bool bShownEarly = false;
        std::vector<HWND> icons;
        ASSERT_TRUE(testpump::WaitUntil([&] {
            bShownEarly |= processwindows::VisibleFrame(process.dwProcessId) != nullptr;
            return (icons = VisibleTrayIcons()).size() == 1;
        }));
        ASSERT_EQ(WaitForInputIdle(process.hProcess, testpump::kDeadline), 0u);
        bShownEarly |= processwindows::VisibleFrame(process.dwProcessId) != nullptr;
        EXPECT_EQ(bShownEarly, autoScan == 0) << "AutoScan " << autoScan;

        HWND hFrame = nullptr;
        if (autoScan != 0)
        {
            // Restored, the window takes the keys: Alt+X ends the program.
            testinput::DoubleClickAt(CenterOf(icons[0]));
            ASSERT_TRUE(testpump::WaitUntil([&] {
                hFrame = processwindows::VisibleFrame(process.dwProcessId);
                return hFrame != nullptr && GetForegroundWindow() == hFrame;
            }));
            ASSERT_EQ(WaitForInputIdle(process.hProcess, testpump::kDeadline), 0u);
            testinput::SendChord({VK_MENU, 'X'});
        }
        else
        {
            hFrame = processwindows::VisibleFrame(process.dwProcessId);
            ASSERT_NE(hFrame, nullptr);
            PostMessageW(hFrame, WM_COMMAND, ID_APP_EXIT, 0);
        }
        ASSERT_TRUE(HasEnded(process));
        ASSERT_TRUE(testpump::WaitUntil([] { return VisibleTrayIcons().empty(); }));
    }
}

namespace {

// The text of a balloon the tray shows (a tooltip window of the tray's process).
std::wstring ShownBalloonText()
{
    DWORD trayProcessId = 0;
    GetWindowThreadProcessId(ShellTrayWindow(), &trayProcessId);
    for (HWND hWnd : processwindows::VisibleTopLevelWindows(trayProcessId))
        if (processwindows::ClassOf(hWnd) == TOOLTIPS_CLASSW)
        {
            const std::wstring text = processwindows::TextOf(hWnd);
            if (!text.empty())
                return text;
        }
    return L"";
}

} // namespace

TEST_F(ProgramProcess, SecondStartWhileInTheTrayShowsTheRunningBalloon)
{
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 0}, {L"AutoScan", 0}, {L"StartMinimized", 0}});
    PROCESS_INFORMATION first = {};
    HWND hFrame = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartToIdleFrame(first, hFrame));
    PostMessageW(hFrame, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(testpump::WaitUntil([&] { return !IsWindowVisible(hFrame); }));
    // A balloon an earlier test left runs out first (Wine shows one for 10 s).
    ASSERT_TRUE(testpump::WaitUntil([] { return ShownBalloonText().empty(); }, 2 * testpump::kDeadline));

    const PROCESS_INFORMATION second = m_program.Start();
    ASSERT_NE(second.hProcess, nullptr);
    EXPECT_TRUE(HasEnded(second));
    EXPECT_TRUE(testpump::WaitUntil([&] { return ShownBalloonText() == StringResource(IDS_ALREADY_RUNNING); }));
    EXPECT_FALSE(IsWindowVisible(hFrame)) << "the window stays in the tray";
    EXPECT_FALSE(HasEnded(first, 0));
}

// Windows ends a logon session (shut down, log off) with WM_ENDSESSION and
// ends the process once its windows have answered: what the program keeps
// at its end must be kept by then.
TEST_F(ProgramProcess, EndOfTheWindowsSessionKeepsWatchedMatchesSettingsAndBarLayout)
{
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 1}, {L"AutoScan", 0}, {L"StartMinimized", 0}});
    const std::wstring strSummaryKey = std::wstring(programsettings::ProgramKey) + L"\\CommandBars2-Summary";
    RegDeleteKeyW(HKEY_CURRENT_USER, strSummaryKey.c_str());
    PROCESS_INFORMATION process = {};
    HWND hInfo = nullptr, hFrame = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartToInformation(process, hInfo, hFrame));
    ASSERT_NE(hFrame, nullptr);
    // The user wants no more start-up information and stops watching every match.
    ASSERT_NO_FATAL_FAILURE(TurnInformationOff(hInfo));
    SendMessageW(hFrame, WM_COMMAND, ID_DESELECT_ALL, 0);

    EXPECT_NE(SendMessageW(hFrame, WM_QUERYENDSESSION, 0, 0), 0) << "the program lets the session end";
    SendMessageW(hFrame, WM_ENDSESSION, TRUE, 0);
    TerminateProcess(process.hProcess, 0);  // as Windows does once every window has answered
    ASSERT_TRUE(HasEnded(process));

    EXPECT_EQ(programsettings::ReadBinary(programsettings::SettingsKey, L"Checked"), std::string(256, '\0'));
    EXPECT_EQ(ReadSettingsDword(L"ShowInfo"), 0u);
    HKEY hSummary = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, strSummaryKey.c_str(), 0, KEY_READ, &hSummary), ERROR_SUCCESS)
        << "the bar layout";
    if (hSummary != nullptr)
        RegCloseKey(hSummary);
}

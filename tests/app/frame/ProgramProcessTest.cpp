// The built Tavrolin.exe as a real process: a copy of it with its match list
// in a folder of its own (the history database lies beside the program), run
// in this test program's prefix, so that it shares the registry, the window
// station and the input with the test.
#include <gtest/gtest.h>

#include <windows.h>

#include <sqlite3.h>

#include <string>
#include <vector>

#include "app/shell/SingleInstance.h"
#include "engine/OnlineCheck.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/ole/COleDateTime.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "support/SiteSimulation.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

namespace {

const wchar_t SettingsKey[] = L"Software\\Brannoch\\Tavrolin\\Settings";
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

bool RunValueExists()
{
    HKEY hKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    const bool bExists = RegQueryValueExW(hKey, L"Tavrolin", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return bExists;
}

void DeleteRunValue()
{
    HKEY hKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_WRITE, &hKey) != ERROR_SUCCESS)
        return;
    RegDeleteValueW(hKey, L"Tavrolin");
    RegCloseKey(hKey);
}

// The program's settings for one start, every other value left out.
void WriteSettings(std::initializer_list<std::pair<LPCWSTR, DWORD>> values)
{
    RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKey);
    HKEY hKey;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    for (const auto& value : values)
        RegSetValueExW(hKey, value.first, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value.second), sizeof(DWORD));
    RegCloseKey(hKey);
}

struct WindowSearch
{
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindowOfProcess(HWND hWnd, LPARAM lParam)
{
    WindowSearch* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    if (owner == pSearch->processId)
        pSearch->windows.push_back(hWnd);
    return TRUE;
}

// The top-level windows of a process, top of the z-order first.
std::vector<HWND> WindowsOfProcess(DWORD processId)
{
    WindowSearch search = {processId, {}};
    EnumWindows(CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

bool IsDialogBox(HWND hWnd)
{
    wchar_t className[64] = L"";
    GetClassNameW(hWnd, className, 64);
    return wcscmp(className, L"#32770") == 0;
}

// The process's visible main window (a captioned window that is no box).
HWND VisibleFrameOf(DWORD processId)
{
    for (HWND hWnd : WindowsOfProcess(processId))
        if (IsWindowVisible(hWnd) && (GetWindowLongW(hWnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION &&
            !IsDialogBox(hWnd))
            return hWnd;
    return nullptr;
}

HWND VisibleBoxOf(DWORD processId)
{
    for (HWND hWnd : WindowsOfProcess(processId))
        if (IsWindowVisible(hWnd) && IsDialogBox(hWnd))
            return hWnd;
    return nullptr;
}

std::wstring BoxText(HWND hBox)
{
    wchar_t text[512] = L"";
    GetDlgItemTextW(hBox, 0xFFFF, text, 512);
    return text;
}

std::wstring StringResource(UINT nID)
{
    wchar_t text[512] = L"";
    LoadStringW(GetModuleHandleW(nullptr), nID, text, 512);
    return text;
}

// A copy of the built program with its match list, and the processes
// started from it; those still running at the end are ended.
class CProgramCopy
{
public:
    CProgramCopy()
    {
        char build[MAX_PATH] = "";
        GetEnvironmentVariableA("TAVROLIN_BUILD_DIR", build, MAX_PATH);
        const std::wstring source = WindowsPathOf(std::string(build) + "/app/");
        m_exe = m_folder.File(L"Tavrolin.exe");
        m_bValid = m_folder.IsValid() && CopyFileW((source + L"Tavrolin.exe").c_str(), m_exe.c_str(), FALSE) &&
                   CopyFileW((source + L"GAMES.XML").c_str(), m_folder.File(L"GAMES.XML").c_str(), FALSE);
    }
    ~CProgramCopy()
    {
        for (const PROCESS_INFORMATION& process : m_processes)
        {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            {
                TerminateProcess(process.hProcess, 1);
                WaitForSingleObject(process.hProcess, testpump::kDeadline);
            }
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        RemoveDirectoryW(m_folder.File(L"data.db").c_str());
    }
    bool IsValid() const { return m_bValid; }
    const CTestFolder& Folder() const { return m_folder; }

    // The process's handle and id; a null handle when it did not start.
    PROCESS_INFORMATION Start()
    {
        std::wstring line = L"\"" + m_exe + L"\"";
        STARTUPINFOW startup = {sizeof startup};
        PROCESS_INFORMATION process = {};
        if (CreateProcessW(m_exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, m_folder.Path().c_str(),
                           &startup, &process))
            m_processes.push_back(process);
        return process;
    }

private:
    CTestFolder m_folder{"program"};
    std::wstring m_exe;
    bool m_bValid = false;
    std::vector<PROCESS_INFORMATION> m_processes;
};

bool HasEnded(const PROCESS_INFORMATION& process, DWORD timeoutMs = testpump::kDeadline)
{
    return WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
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

    CSavedRegistryKey m_settings{SettingsKey};
    CSavedRegistryKey m_run{RunKey};
    CProgramCopy m_program;
};

} // namespace

TEST_F(ProgramProcess, FirstStartWritesTheRunValueBeforeItsWindowShows)
{
    RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKey);  // no "Interval": a first start
    DeleteRunValue();
    const PROCESS_INFORMATION process = m_program.Start();
    ASSERT_NE(process.hProcess, nullptr);
    bool bRunAtFirstSight = false;
    ASSERT_TRUE(testpump::WaitUntil([&] {
        if (VisibleFrameOf(process.dwProcessId) == nullptr)
            return false;
        bRunAtFirstSight = RunValueExists();
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
    const PROCESS_INFORMATION first = m_program.Start();
    ASSERT_NE(first.hProcess, nullptr);
    HWND hFrame = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hFrame = VisibleFrameOf(first.dwProcessId)) != nullptr; }));
    ASSERT_EQ(WaitForInputIdle(first.hProcess, testpump::kDeadline), 0u);

    const PROCESS_INFORMATION second = m_program.Start();
    ASSERT_NE(second.hProcess, nullptr);
    bool bSecondShowedAWindow = false;
    const bool bSecondEnded = testpump::WaitUntil([&] {
        for (HWND hWnd : WindowsOfProcess(second.dwProcessId))
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
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 0}, {L"AutoScan", 0}, {L"StartMinimized", 0}});
    // A folder where the database file should be: it can be neither opened nor replaced.
    ASSERT_TRUE(CreateDirectoryW(m_program.Folder().File(L"data.db").c_str(), nullptr));
    const PROCESS_INFORMATION process = m_program.Start();
    ASSERT_NE(process.hProcess, nullptr);
    HWND hBox = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hBox = VisibleBoxOf(process.dwProcessId)) != nullptr; }));
    EXPECT_EQ(BoxText(hBox), StringResource(IDS_DATABASE_FAILED));
    EXPECT_EQ(VisibleFrameOf(process.dwProcessId), nullptr);
    PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hBox, IDOK)));
    EXPECT_TRUE(HasEnded(process));
    const DWORD attributes = GetFileAttributesW(m_program.Folder().File(L"data.db").c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) << "kept";
}

TEST_F(ProgramProcess, AltXEndsTheProgramWithinASecondWhileTheSiteDelaysAPage)
{
    SimulatedSite site(R"({"pages": {"resale-list": {"delay": 8}, "tst-list": {"delay": 8}, "resale-detail": {"delay": 8},
                                   "tst-detail": {"delay": 8}, "info": {"delay": 8}}})");
    ASSERT_TRUE(site.IsRunning());
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 0}, {L"AutoScan", 1}, {L"StartMinimized", 0}, {L"MaxDiff", 0}});
    const PROCESS_INFORMATION process = m_program.Start();
    ASSERT_NE(process.hProcess, nullptr);
    HWND hFrame = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hFrame = VisibleFrameOf(process.dwProcessId)) != nullptr; }));
    SetForegroundWindow(hFrame);
    ASSERT_TRUE(testpump::PumpUntil([&] { return GetForegroundWindow() == hFrame; }));
    ASSERT_TRUE(site.GetRequests().empty()) << "no page may have been answered yet";

    const DWORD start = GetTickCount();
    testinput::SendChord({VK_MENU, 'X'});
    ASSERT_TRUE(HasEnded(process));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_LT(elapsed, 1000u);
    EXPECT_TRUE(site.GetRequests().empty()) << "the delayed pages were still on their way";
}

// Starts OfflineProgram in a network namespace without routes and reads the
// outcome. Its folder's name differs from the program copies': the inner run
// has a Wine server of its own, whose process ids start over.
TEST(ProgramOffline, StartWithoutADefaultRouteEndsWithMessage103)
{
    CTestFolder folder("offline");
    ASSERT_TRUE(folder.IsValid()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    const OfflineRun run = RunTestsOffline(folder, "OfflineProgram.*");
    ASSERT_FALSE(run.result.empty()) << "the offline run did not end\n" << run.log;
    if (run.result.compare(0, 4, "skip") == 0)
        GTEST_SKIP() << "this machine allows no network namespace without routes";
    EXPECT_EQ(run.result[0], '0') << run.log;
    EXPECT_NE(run.log.find("[  PASSED  ] 1 test"), std::string::npos) << run.log;
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
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 0}, {L"AutoScan", 0}, {L"StartMinimized", 0}});
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
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hBox = VisibleBoxOf(process.dwProcessId)) != nullptr; }));
    EXPECT_EQ(BoxText(hBox), StringResource(IDS_OFFLINE));
    EXPECT_EQ(VisibleFrameOf(process.dwProcessId), nullptr);
    EXPECT_EQ(CountOpenOffers(path), 0) << "the history is opened and purged before the check";
    PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hBox, IDOK)));
    EXPECT_TRUE(HasEnded(process));
    DeleteFileW(path.c_str());
}

namespace {

DWORD ReadSettingsDword(LPCWSTR pszName)
{
    DWORD value = 0xFFFFFFFF, size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, SettingsKey, pszName, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

} // namespace

TEST_F(ProgramProcess, StartupInformationFollowsTheWindowAndItsBoxTurnsItOffForGood)
{
    WriteSettings({{L"Interval", 30}, {L"ShowInfo", 1}, {L"AutoScan", 0}, {L"StartMinimized", 0}});
    const PROCESS_INFORMATION process = m_program.Start();
    ASSERT_NE(process.hProcess, nullptr);
    HWND hInfo = nullptr, hFrame = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] {
        hInfo = VisibleBoxOf(process.dwProcessId);
        hFrame = VisibleFrameOf(process.dwProcessId);
        return hInfo != nullptr;
    }));
    EXPECT_NE(hFrame, nullptr) << "the main window shows first";
    EXPECT_EQ(GetWindow(hInfo, GW_OWNER), hFrame);
    wchar_t text[64] = L"";
    GetDlgItemTextW(hInfo, IDC_INFO_TEXT, text, 64);
    EXPECT_EQ(std::wstring(text).substr(0, 10), L"WM-Tickets");

    SendMessageW(GetDlgItem(hInfo, IDC_DONT_SHOW_AGAIN), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageW(hInfo, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hInfo, IDOK)));
    ASSERT_TRUE(testpump::WaitUntil([&] { return !IsWindow(hInfo) || !IsWindowVisible(hInfo); }));
    EXPECT_EQ(ReadSettingsDword(L"ShowInfo"), 1u) << "kept in the store until the settings are saved";
    PostMessageW(hFrame, WM_COMMAND, ID_APP_EXIT, 0);
    ASSERT_TRUE(HasEnded(process));
    EXPECT_EQ(ReadSettingsDword(L"ShowInfo"), 0u);
}

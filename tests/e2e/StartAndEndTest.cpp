// Starting and ending the whole program as a user does, read from outside:
// the registry, the files beside the program and the process's windows.
#include "ProgramRun.h"

#include "resources/AppIds.h"
#include "support/ProcessWindows.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

#include <sqlite3.h>

namespace {

std::string AllWatched()
{
    std::string flags;
    for (int i = 0; i < 64; ++i)
        flags += std::string("\x01\x00\x00\x00", 4);
    return flags;
}

// A point of the frame's caption that the frame itself takes for its close box.
bool FindCloseBox(HWND hFrame, POINT& pt)
{
    const RECT rect = processwindows::ScreenRectOf(hFrame);
    for (int y = rect.top + 2; y < rect.top + 40; ++y)
        for (int x = rect.right - 2; x > rect.right - 60; --x)
        {
            DWORD_PTR hit = 0;
            SendMessageTimeoutW(hFrame, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &hit);
            if (hit == HTCLOSE)
            {
                pt = {x - 2, y + 2};
                return true;
            }
        }
    return false;
}

struct BalloonSearch
{
    DWORD programId;
    HWND found;
};

// The tray balloon is the shell's window, not the program's.
BOOL CALLBACK FindBalloon(HWND hWnd, LPARAM lParam)
{
    BalloonSearch* pSearch = reinterpret_cast<BalloonSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    if (owner != GetCurrentProcessId() && IsWindowVisible(hWnd) &&
        processwindows::ClassOf(hWnd) == L"tooltips_class32")
    {
        pSearch->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleBalloon()
{
    BalloonSearch search = {0, nullptr};
    EnumWindows(FindBalloon, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

using StartAndEnd = ProgramRun;

TEST_F(StartAndEnd, FirstStartRegistersItselfKeepsItsFilesBesideItInformsAndWatchesAllMatches)
{
    const int InfoText = 1017;
    programsettings::RemoveProgramKey();
    programsettings::DeleteRunValue();
    const PROCESS_INFORMATION process = Start();
    ASSERT_NE(process.hProcess, nullptr);
    HWND hInfo = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] {
        return (hInfo = processwindows::VisibleBox(process.dwProcessId)) != nullptr;
    }, kProgramDeadline)) << "no start-up information";
    EXPECT_NE(processwindows::VisibleFrame(process.dwProcessId), nullptr) << "the information comes after the frame";
    EXPECT_EQ(processwindows::TextOf(GetDlgItem(hInfo, InfoText)).rfind(L"WM-Tickets", 0), 0u);
    EXPECT_EQ(programsettings::ReadRunValue(), L"\"" + m_program->ExePath() + L"\"");
    EXPECT_TRUE(testpump::WaitUntil([&] {
        return GetFileAttributesW(m_program->File(L"data.db").c_str()) != INVALID_FILE_ATTRIBUTES &&
               GetFileAttributesW(m_program->File(L"statistic.log").c_str()) != INVALID_FILE_ATTRIBUTES;
    }));
    ShootWindow(hInfo, L"e2e_startup_information");
    processwindows::PressBoxButton(hInfo, IDOK);
    ASSERT_TRUE(testpump::WaitUntil([&] { return !IsWindow(hInfo) || !IsWindowVisible(hInfo); }));
    EXPECT_FALSE(CProgramCopy::HasEnded(process, 0));

    ASSERT_TRUE(EndWithAltX(process));
    EXPECT_EQ(programsettings::ReadBinary(programsettings::SettingsKey, L"Checked"), AllWatched());
    EXPECT_EQ(programsettings::ReadBinary(programsettings::SettingsKey, L"ShowInfo"), std::string("\x01\0\0\0", 4))
        << "OK without the check box keeps the information on";
}

TEST_F(StartAndEnd, SecondStartLeavesOneProcessAndTheTrayAnswersItWithABalloon)
{
    SeedSettings();
    const PROCESS_INFORMATION first = StartToFrame();
    ASSERT_NE(Frame(), nullptr);

    const PROCESS_INFORMATION second = Start();
    ASSERT_NE(second.hProcess, nullptr);
    EXPECT_TRUE(CProgramCopy::HasEnded(second, 5000));
    EXPECT_EQ(CProgramCopy::CountRunningPrograms(), 1);
    EXPECT_FALSE(CProgramCopy::HasEnded(first, 0));

    POINT ptClose;
    ASSERT_TRUE(FindCloseBox(Frame(), ptClose));
    testinput::ClickAt(ptClose);
    ASSERT_TRUE(testpump::WaitUntil([&] { return !IsWindowVisible(Frame()); })) << "the close box hides to the tray";
    EXPECT_FALSE(CProgramCopy::HasEnded(first, 0));

    EXPECT_EQ(VisibleBalloon(), nullptr);
    const PROCESS_INFORMATION third = Start();
    EXPECT_TRUE(CProgramCopy::HasEnded(third, 5000));
    HWND hBalloon = nullptr;
    EXPECT_TRUE(testpump::WaitUntil([&] {
        return (hBalloon = VisibleBalloon()) != nullptr &&
               processwindows::TextOf(hBalloon) == StringResource(IDS_ALREADY_RUNNING);
    })) << "no balloon with message 119";
    EXPECT_EQ(CProgramCopy::CountRunningPrograms(), 1);
}

TEST_F(StartAndEnd, AltXWhileTheSiteDelaysAPageEndsAtOnceAndLeavesOnlyClosedPeriods)
{
    SeedSettings();
    const PROCESS_INFORMATION process = StartToFrame();
    ASSERT_NE(Frame(), nullptr);
    ASSERT_TRUE(ChangeScenario(R"({"offers": [{"match": 1, "category": 1}]})"));
    ASSERT_TRUE(WaitForHistory([](const std::vector<HistoryRow>& rows) { return rows.size() == 1; }));

    s_site->SetScenario(R"({"offers": [{"match": 1, "category": 1}],
                            "pages": {"resale-list": {"delay": 30}, "tst-list": {"delay": 30},
                                      "resale-detail": {"delay": 30}, "tst-detail": {"delay": 30}}})");
    // Scans follow each other every two seconds: a longer silence is a page held back.
    size_t answered = s_site->GetRequests().size();
    DWORD lastAnswer = GetTickCount();
    ASSERT_TRUE(testpump::WaitUntil([&] {
        const size_t now = s_site->GetRequests().size();
        if (now != answered)
        {
            answered = now;
            lastAnswer = GetTickCount();
        }
        return GetTickCount() - lastAnswer > 5000;
    }, kProgramDeadline));

    const DWORD start = GetTickCount();
    PressAltX(Frame());
    ASSERT_TRUE(CProgramCopy::HasEnded(process, kProgramDeadline));
    // Waiting for a held page would take its 30 s; a busy machine needs a
    // few seconds for the process to end all the same.
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(History().size(), 0u) << "the open period is no history";
    EXPECT_EQ(programsettings::ReadBinary(programsettings::SettingsKey, L"Checked"), AllWatched());
}

TEST_F(StartAndEnd, AnotherProgramsDataDbBesideItIsReplacedAndTheProgramStarts)
{
    SeedSettings();
    // A version table, but not ours: its query cannot be compiled.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open16(m_program->File(L"data.db").c_str(), &db), SQLITE_OK);
    const int rc = sqlite3_exec(db, "CREATE TABLE version( build TEXT ); insert into version values( '1' );"
                                    "CREATE TABLE main( x TEXT ); insert into main values( 'fremd' );",
                                nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK);

    const PROCESS_INFORMATION process = StartToFrame();
    ASSERT_NE(Frame(), nullptr) << "the program gave up on the file";
    std::vector<HistoryRow> rows;
    EXPECT_TRUE(ReadHistory(m_program->File(L"data.db"), rows)) << "a history of its own";
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(EndWithAltX(process));
}

TEST_F(StartAndEnd, UnreadableMatchListEndsTheProgramAfterMessage127AndKeepsTheWatchFlags)
{
    SeedSettings();
    ASSERT_TRUE(programsettings::SetDword(L"ShowInfo", 1));
    std::string flags = AllWatched();
    for (int i = 0; i < 64; i += 3)
        flags[size_t(i) * 4] = 0;
    ASSERT_TRUE(programsettings::SetBinary(L"Checked", flags));
    WriteFileBytes(m_program->File(L"GAMES.XML"), "<?xml version=\"1.0\"?>\n<Games><Record><ID>1</Rec");

    const PROCESS_INFORMATION process = Start();
    ASSERT_NE(process.hProcess, nullptr);
    HWND hBox = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hBox = processwindows::VisibleBox(process.dwProcessId)) != nullptr; },
                                    kProgramDeadline));
    EXPECT_EQ(processwindows::BoxText(hBox), StringResource(IDS_GAMES_UNREADABLE));
    processwindows::PressBoxButton(hBox, IDOK);
    EXPECT_TRUE(CProgramCopy::HasEnded(process, kProgramDeadline)) << "the program ends by itself";
    EXPECT_EQ(programsettings::ReadBinary(programsettings::SettingsKey, L"Checked"), flags);
}

// Runs OfflineProgram in a network namespace without routes (skipped where
// the machine allows none) and reads its outcome.
TEST_F(StartAndEnd, WithoutADefaultRouteTheProgramShowsMessage103AndEnds)
{
    ExpectOneTestPassesOffline("offline", "OfflineProgram.*");
}

// Without a route the program stops before its frame: no site is needed.
// Its folder's name differs from the outer run's, whose process ids the
// inner run's own Wine server hands out again.
TEST(OfflineProgram, StartShowsMessage103AndEnds)
{
    CProgramCopy program("offlineprogram");
    ASSERT_TRUE(program.IsValid());
    ASSERT_TRUE(SeedSettings(program));
    const PROCESS_INFORMATION process = program.Start();
    ASSERT_NE(process.hProcess, nullptr);
    HWND hBox = nullptr;
    ASSERT_TRUE(testpump::WaitUntil([&] { return (hBox = processwindows::VisibleBox(process.dwProcessId)) != nullptr; },
                                    kProgramDeadline));
    EXPECT_EQ(processwindows::BoxText(hBox), StringResource(IDS_OFFLINE));
    EXPECT_EQ(processwindows::VisibleFrame(process.dwProcessId), nullptr);
    processwindows::PressBoxButton(hBox, IDOK);
    EXPECT_TRUE(CProgramCopy::HasEnded(process, kProgramDeadline));
}

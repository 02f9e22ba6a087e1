// The main frame over a stand-in view: scan results into history rows,
// popups, ticket pane rows and the dump; polling; the tray.
#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "app/AppTestSupport.h"
#include "app/frame/AlertSound.h"
#include "app/records/TicketRecord.h"
#include "engine/SettingsStore.h"
#include "engine/TeamTable.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/SiteSimulation.h"
#include "support/TestInput.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/common/popup/XTPPopupItem.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRows.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/columns/XTPReportColumn.h"

using namespace frametest;

namespace {

class MainFrame : public testing::Test
{
protected:
    void SetUp() override
    {
        folder = OpenTestHistory(L"tavrolin_frame", true);
        ASSERT_FALSE(folder.IsEmpty());
        logPath = CSettingsStore::GetProgramFolder() + L"statistic.log";
    }

    void TearDown() override
    {
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
        testpump::PumpUntilIdle();
        CDatabaseManager::GetInstance().Close();
    }

    void Create()
    {
        pFrame = CreateFrame();
        ASSERT_NE(pFrame, nullptr);
        pView = ViewOf(pFrame);
        ASSERT_NE(pView, nullptr);
        pFrame->RecalcLayout();  // what showing the frame does first
    }

    // Searching without anything to scan: only the timer is armed.
    void StartSearch()
    {
        pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
        ASSERT_TRUE(pFrame->IsSearching());
    }

    int TicketRows() { return pFrame->GetTicketReport().GetRecords()->GetCount(); }
    int Popups() { return pFrame->GetAlerts().GetOpenCount(); }

    CWinApp app{L"MainFrameTestApp"};  // the frame loads its bar layout through it
    CPollSettings settings{60};
    CString folder, logPath;
    CMainFrame* pFrame = nullptr;
    CGamesView* pView = nullptr;
};

const int NONE[4] = {0, 0, 0, 0};
const int YES[4] = {1, 0, 0, 0};

} // namespace

TEST_F(MainFrame, OfferComingAndGoingGivesOneRowOnePopupAndTheDumpNamesTheGame)
{
    Create();
    StartSearch();
    testpump::PumpUntilIdle();
    EXPECT_FALSE(pFrame->GetPaneManager().FindPane(IDP_TICKETS)->IsClosed());
    ASSERT_NE(pFrame->GetTicketReport().GetSafeHwnd(), nullptr) << "the pane's first show creates the report";
    pView->Watch(0, TRUE);

    const struct
    {
        const int* values;
        int rows, popups;
    } scans[] = {{NONE, 0, 0}, {YES, 1, 1}, {YES, 1, 1}, {NONE, 0, 1}};
    for (const auto& scan : scans)
    {
        FeedResult(pFrame, scan.values);
        EXPECT_EQ(TicketRows(), scan.rows);
        EXPECT_EQ(Popups(), scan.popups);
        EXPECT_TRUE(TakePollTimer(pFrame)) << "re-armed while searching";
    }
    const std::wstring log = ReadTextFile(logPath);
    EXPECT_NE(log.find(L"Deutschland"), std::wstring::npos) << log;
    EXPECT_NE(log.find(L"Costa Rica"), std::wstring::npos);

    // An unwatched match keeps its period open whatever the scan says.
    FeedResult(pFrame, YES);
    EXPECT_EQ(TicketRows(), 1);
    pView->Watch(0, FALSE);
    FeedResult(pFrame, NONE);
    EXPECT_EQ(TicketRows(), 1);
    CTicketRecord* pRow = DYNAMIC_DOWNCAST(CTicketRecord, pFrame->GetTicketReport().GetRecords()->GetAt(0));
    ASSERT_NE(pRow, nullptr);
    EXPECT_NE(pRow->GetPageAddress().Find(L"doc=ds_einzel1"), -1) << "a list offer links to the overview";

    pFrame->SetWindowPos(nullptr, 20, 20, 760, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
    testpump::PumpUntilIdle();
    EXPECT_FALSE(testshot::Save(testshot::CaptureWindow(pFrame->GetSafeHwnd()), L"app_main_frame.png").empty());

    // The ticket pane's row shows Germany's flag before the team's name.
    CXTPReportControl& report = pFrame->GetTicketReport();
    const testshot::Image rows = testshot::CaptureWindow(report.GetSafeHwnd());
    CXTPReportColumn* pTeam = nullptr;
    for (int i = 0; i < report.GetColumns()->GetCount(); ++i)
        if (report.GetColumns()->GetAt(i)->GetCaption() == L"Mannschaft 1")
            pTeam = report.GetColumns()->GetAt(i);
    ASSERT_NE(pTeam, nullptr);
    const CRect rcRow = report.GetRows()->GetAt(0)->GetRect();
    const CRect rcFlag(pTeam->GetRect().left, rcRow.top, pTeam->GetRect().left + 24, rcRow.bottom);
    EXPECT_GT(apptest::CountPixels(rows, rcFlag, apptest::IsDark), 5);
    EXPECT_GT(apptest::CountPixels(rows, rcFlag, apptest::IsRed), 5);
    EXPECT_GT(apptest::CountPixels(rows, rcFlag, apptest::IsGold), 5);
}

TEST_F(MainFrame, TeamResaleOffersOnlyWithFindTst)
{
    Create();
    StartSearch();
    const int tst5[5] = {0, 0, 1, 0, 0};
    FeedResult(pFrame, NONE, tst5);
    EXPECT_EQ(Popups(), 0);
    CSettingsStore::GetInstance().FindTST = TRUE;
    FeedResult(pFrame, NONE, tst5);
    ASSERT_EQ(Popups(), 1);
    CXTPPopupControl* pPopup = pFrame->GetAlerts().GetOpenPopup(0);
    EXPECT_EQ(pPopup->GetItem(2)->GetCaption(), CString(L"TST 5 Resale"));
    EXPECT_EQ(pPopup->GetItem(1)->GetCaption(), GetTeamNameById(6));
    ASSERT_EQ(TicketRows(), 1);
    CTicketRecord* pRow = DYNAMIC_DOWNCAST(CTicketRecord, pFrame->GetTicketReport().GetRecords()->GetAt(0));
    EXPECT_NE(pRow->GetPageAddress().Find(L"key=wm_tst"), -1);
    const std::wstring log = ReadTextFile(logPath);
    EXPECT_NE(log.find(L"TST 5 R"), std::wstring::npos) << log;
}

TEST_F(MainFrame, StopSearchEndsPollingAndStaleResultsOnlyRearm)
{
    Create();
    StartSearch();
    EXPECT_TRUE(IsPollTimerArmed(pFrame)) << "nothing to scan: the timer is armed";
    pFrame->SendMessage(WM_COMMAND, ID_STOP_SEARCH);
    EXPECT_FALSE(pFrame->IsSearching());
    EXPECT_FALSE(TakePollTimer(pFrame)) << "stopping kills the armed timer";
    EXPECT_TRUE(pFrame->GetPaneManager().FindPane(IDP_TICKETS)->IsClosed());

    pView->Watch(0, TRUE);
    FeedResult(pFrame, YES);
    EXPECT_FALSE(TakePollTimer(pFrame)) << "a result after the stop arms nothing";

    StartSearch();
    TakePollTimer(pFrame);
    FeedResult(pFrame, YES, nullptr, TRUE);
    EXPECT_TRUE(TakePollTimer(pFrame)) << "a stale result re-arms";
    EXPECT_EQ(Popups(), 1) << "but merges nothing";
}

// A second start's request lifts the shown frame above the windows over it.
TEST_F(MainFrame, SecondStartBringsTheShownFrameToTheTop)
{
    Create();
    pFrame->ShowWindow(SW_SHOW);
    HWND hFrame = pFrame->GetSafeHwnd();
    HWND hCover = ::CreateWindowExW(0, L"STATIC", L"Darüber", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hCover, nullptr);
    const auto frameIsAboveCover = [&] {
        for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
            if (hWnd == hFrame || hWnd == hCover)
                return hWnd == hFrame;
        return false;
    };
    ::SetForegroundWindow(hCover);
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == hCover && !frameIsAboveCover(); }));
    testpump::PumpUntilIdle(200);
    ASSERT_FALSE(frameIsAboveCover());
    pFrame->SendMessage(WM_ALREADY_RUNNING);
    testpump::PumpUntilIdle();
    EXPECT_TRUE(frameIsAboveCover());
    ::DestroyWindow(hCover);
}

TEST_F(MainFrame, CloseAndMinimizeGoToTheTrayOpenComesBack)
{
    Create();
    pFrame->ShowWindow(SW_SHOW);
    for (UINT nCommand : {SC_CLOSE, SC_MINIMIZE})
    {
        pFrame->SendMessage(WM_SYSCOMMAND, nCommand);
        EXPECT_TRUE(pFrame->IsInTray());
        EXPECT_FALSE(pFrame->IsWindowVisible());
        EXPECT_TRUE(::IsWindow(pFrame->GetSafeHwnd()));
        pFrame->SendMessage(WM_ALREADY_RUNNING);
        EXPECT_FALSE(pFrame->IsWindowVisible()) << "a second start shows a balloon, not the window";
        if (nCommand == SC_CLOSE)
        {
            testpump::PumpFor(2500);  // the shell's balloon, drawn by another process
            HDC hScreen = ::GetDC(nullptr);
            const testshot::Image shot = testshot::CaptureDC(hScreen, CRect(0, 0, 640, 400));
            ::ReleaseDC(nullptr, hScreen);
            testshot::Save(shot, L"app_tray_balloon.png");
        }
        pFrame->SendMessage(WM_COMMAND, ID_TRAY_OPEN);
        EXPECT_FALSE(pFrame->IsInTray());
        EXPECT_TRUE(pFrame->IsWindowVisible());
    }
}

TEST_F(MainFrame, StartUpDumpNamesTheGamesOfOpenOffers)
{
    CDatabaseManager& database = CDatabaseManager::GetInstance();
    ASSERT_GT(database.AddOffer(COleDateTime(2006, 6, 9, 18, 0, 0), 1, 2), 0);
    database.SetContentsChanged(TRUE);
    ::DeleteFileW(logPath);
    Create();
    const std::wstring log = ReadTextFile(logPath);
    EXPECT_NE(log.find(L"Polen"), std::wstring::npos) << log;
    EXPECT_NE(log.find(L"Gelsenkirchen"), std::wstring::npos);
}

TEST_F(MainFrame, ClickOnAPaneRowsLinkOpensItsPageInTheBrowser)
{
    CRecordingBrowser browser;
    ASSERT_TRUE(browser.IsReady());
    Create();
    StartSearch();
    pView->Watch(0, TRUE);
    FeedResult(pFrame, YES);
    ASSERT_EQ(TicketRows(), 1);
    pFrame->SetWindowPos(nullptr, 20, 20, 760, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
    testpump::PumpUntilIdle();

    CXTPReportControl& report = pFrame->GetTicketReport();
    CTicketRecord* pRecord = DYNAMIC_DOWNCAST(CTicketRecord, report.GetRecords()->GetAt(0));
    ASSERT_NE(pRecord, nullptr);
    const CRect rcRow = report.GetRows()->GetAt(0)->GetRect();
    const CRect rcFrom = report.GetColumns()->Find(0)->GetRect();  // the date, all of it the link
    const POINT pt = testinput::ClientToScreenPoint(report.GetSafeHwnd(), rcFrom.left + 20, rcRow.CenterPoint().y);
    ASSERT_TRUE(testinput::MoveMouseAndWait(pt));
    testinput::ClickAt(pt);
    testpump::PumpUntilIdle();
    const CStringA expected(pRecord->GetPageAddress());
    EXPECT_EQ(browser.WaitForOpened(), std::string(expected.GetString()));
}

// The user drags an alert by a text line or by its icon (neither is a link
// nor a button); later alerts stack up from where it was let go.
TEST_F(MainFrame, AlertDraggedByATextLineOrItsIconLeadsTheNextAlerts)
{
    Create();
    StartSearch();
    pView->Watch(0, TRUE);
    const auto dragBy = [&](CXTPPopupControl* pPopup, CPoint ptGrip, CSize offset) {
        EXPECT_TRUE(testpump::PumpUntil([&] { return pPopup->GetPopupState() == xtpPopupStateShow; }));
        CRect rcBefore;
        ::GetWindowRect(pPopup->GetSafeHwnd(), &rcBefore);
        const POINT from = testinput::ClientToScreenPoint(pPopup->GetSafeHwnd(), ptGrip.x, ptGrip.y);
        std::vector<POINT> path;
        for (int step = 1; step <= 4; ++step)
            path.push_back({from.x + offset.cx * step / 4, from.y + offset.cy * step / 4});
        EXPECT_TRUE(testinput::DragInLoop(pPopup->GetSafeHwnd(), from, path));
        testpump::PumpUntilIdle();
        CRect rcAfter;
        ::GetWindowRect(pPopup->GetSafeHwnd(), &rcAfter);
        EXPECT_EQ(rcAfter.TopLeft(), rcBefore.TopLeft() + offset);
        return rcAfter;
    };

    const int first[4] = {1, 0, 0, 0};
    FeedResult(pFrame, first);
    ASSERT_EQ(Popups(), 1);
    // The offer's line (below the title's link) is a grip.
    const CRect rcFirst = dragBy(pFrame->GetAlerts().GetOpenPopup(0), CPoint(150, 60), CSize(-300, -200));
    EXPECT_EQ(pFrame->GetAlerts().GetRememberedPosition(), rcFirst.BottomRight());

    const int second[4] = {1, 1, 0, 0};
    FeedResult(pFrame, second);
    ASSERT_EQ(Popups(), 2);
    CXTPPopupControl* pSecond = pFrame->GetAlerts().GetOpenPopup(1);
    EXPECT_EQ(pSecond->GetPopupPos(), CPoint(rcFirst.right, rcFirst.top)) << "right above the dragged one";
    // So is the icon.
    const CRect rcSecond = dragBy(pSecond, CPoint(10, 18), CSize(-120, 40));
    EXPECT_EQ(pFrame->GetAlerts().GetRememberedPosition(), rcSecond.BottomRight());
}

namespace {
int g_nSounds = 0;
BOOL WINAPI CountPlay(LPCWSTR, HMODULE, DWORD)
{
    ++g_nSounds;
    return TRUE;
}
BOOL WINAPI CountBeep(UINT)
{
    ++g_nSounds;
    return TRUE;
}
} // namespace

// However many offers a result brings, one sound; none for a result that
// brings no new offer, and none with "Beep" off.
TEST_F(MainFrame, OneAlertSoundPerResultWithNewOffers)
{
    CAlertSound::s_pfnPlaySound = &CountPlay;
    CAlertSound::s_pfnMessageBeep = &CountBeep;
    CSettingsStore& store = CSettingsStore::GetInstance();
    const CString strSound = store.Sound;
    store.Sound = L"";
    store.Beep = TRUE;
    Create();
    StartSearch();
    pView->Watch(0, TRUE);
    g_nSounds = 0;

    const int three[4] = {1, 1, 1, 0};
    FeedResult(pFrame, three);
    EXPECT_EQ(Popups(), 3);
    EXPECT_EQ(g_nSounds, 1) << "three offers, one sound";
    FeedResult(pFrame, three);
    EXPECT_EQ(g_nSounds, 1) << "nothing new";
    FeedResult(pFrame, YES);
    EXPECT_EQ(g_nSounds, 1) << "offers that end make no sound";
    store.Beep = FALSE;
    FeedResult(pFrame, three);
    EXPECT_EQ(Popups(), 5) << "popups all the same";
    EXPECT_EQ(g_nSounds, 1);

    CAlertSound::s_pfnPlaySound = &::PlaySoundW;
    CAlertSound::s_pfnMessageBeep = &::MessageBeep;
    store.Sound = strSound;
}

// "Suche anhalten" closes the ticket pane and "Suche starten" shows it again
// with the same report: its columns once, its rows, also those rebuilt
// meanwhile.
TEST_F(MainFrame, ReopenedTicketPaneKeepsItsReportAndRows)
{
    Create();
    pFrame->SetWindowPos(nullptr, 20, 20, 760, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
    // What the program's idle pass does: lay the frame out after a pane was
    // shown or closed.
    const auto idle = [&] {
        testpump::PumpUntilIdle();
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        testpump::PumpUntilIdle();
    };
    const auto startSearch = [&] {
        StartSearch();
        idle();
    };
    startSearch();
    pView->Watch(0, TRUE);
    FeedResult(pFrame, YES);
    ASSERT_EQ(TicketRows(), 1);
    CXTPReportControl& report = pFrame->GetTicketReport();
    const HWND hReport = report.GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hReport));
    CXTPDockingPane* pPane = pFrame->GetPaneManager().FindPane(IDP_TICKETS);

    pFrame->SendMessage(WM_COMMAND, ID_STOP_SEARCH);
    idle();
    ASSERT_TRUE(pPane->IsClosed());
    EXPECT_FALSE(::IsWindowVisible(hReport));
    const int two[4] = {1, 1, 0, 0};
    FeedResult(pFrame, two);  // a result still on its way when the search stopped
    EXPECT_EQ(TicketRows(), 2);

    pView->Watch(0, FALSE);  // nothing to scan: the search only arms its timer
    startSearch();
    ASSERT_FALSE(pPane->IsClosed());
    EXPECT_EQ(report.GetSafeHwnd(), hReport);
    EXPECT_EQ(pPane->GetHwnd(), hReport);
    EXPECT_TRUE(::IsWindowVisible(hReport));
    EXPECT_EQ(report.GetColumns()->GetCount(), 6);
    EXPECT_EQ(report.GetRows()->GetCount(), 2);
    const testshot::Image shot = testshot::CaptureWindow(pFrame->GetSafeHwnd());
    testshot::Save(shot, L"app_ticket_pane_reopened.png");
    // Both rows' start dates are drawn as links.
    CRect rcReport;
    ::GetWindowRect(hReport, &rcReport);
    pFrame->ScreenToClient(&rcReport);
    EXPECT_GT(apptest::CountPixels(shot, rcReport, [](COLORREF c) { return GetBValue(c) > 150 && GetRValue(c) < 80; }), 40);
}

// The main view in a frame made the way the program makes it (template and
// ProcessShellCommand): the match list beside the program, the watch flags
// in "Checked", the selection commands, command states per tab and the
// statistics results by generation.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/AppTestSupport.h"
#include "support/SiteSimulation.h"
#include "support/TestPump.h"
#include "support/TestInput.h"
#include "app/TavrolinDoc.h"
#include "app/TavrolinView.h"
#include "app/records/MatchRecord.h"
#include "engine/SettingsStore.h"
#include "engine/StatRow.h"
#include "engine/WorkerMessages.h"
#include "framework/docview/CSingleDocTemplate.h"
#include "framework/windows/CCmdUI.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "toolkit/common/system/XTRegistryManager.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"

namespace {

// A bare frame: the view's behaviour does not depend on the program's frame.
class CViewTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CViewTestFrame)
};
IMPLEMENT_DYNCREATE(CViewTestFrame, CFrameWnd)

CString LoadText(UINT nID)
{
    CString s;
    s.LoadString(nID);
    return s;
}

std::string ReadBytes(const CString& path)
{
    std::ifstream in(path.GetString(), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteMatchList(const std::string& bytes)
{
    const CString path = CSettingsStore::GetProgramFolder() + L"GAMES.XML";
    ::DeleteFileW(path);
    if (!bytes.empty()) {
        std::ofstream out(path.GetString(), std::ios::binary);
        out << bytes;
    }
}

std::string ShippedList()
{
    return ReadBytes(apptest::AssetPath(L"GAMES.XML"));
}

void SetCheckedBytes(const BYTE* pData, UINT nBytes)
{
    CXTRegistryManager registry(HKEY_CURRENT_USER);
    if (pData != nullptr) {
        registry.WriteProfileBinary(L"Settings", L"Checked", pData, nBytes);
        return;
    }
    HKEY hKey = registry.GetSectionKey(L"Settings", KEY_SET_VALUE);
    if (hKey != nullptr) {
        ::RegDeleteValueW(hKey, L"Checked");
        ::RegCloseKey(hKey);
    }
}

// Answers the first message box of this process with OK, keeping its text.
class CBoxAnswerer
{
public:
    CBoxAnswerer()
        : m_thread([this] { Run(); })
    {
    }
    ~CBoxAnswerer()
    {
        m_stop = true;
        m_thread.join();
    }
    std::wstring Text() const { return m_text; }

private:
    void Run()
    {
        testpump::WaitUntil([this] {
            if (m_stop)
                return true;
            HWND hBox = ::FindWindowW(L"#32770", nullptr);
            DWORD pid = 0;
            if (hBox == nullptr || !::GetWindowThreadProcessId(hBox, &pid) || pid != ::GetCurrentProcessId())
                return false;
            wchar_t text[256] = {};
            ::GetDlgItemTextW(hBox, 0xFFFF, text, 256);
            if (text[0] == 0)
                return false;  // found before its text was set: look again
            m_text = text;
            ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
            return true;
        }, 20000);
    }
    std::atomic<bool> m_stop{false};
    std::wstring m_text;
    std::thread m_thread;
};

class CEnableProbe : public CCmdUI
{
public:
    explicit CEnableProbe(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override { m_state = bOn ? 1 : 0; }
    int m_state = -1; // untouched
};

class MainView : public ::testing::Test
{
protected:
    // The list is read through COM, as the program does after its OLE start.
    void SetUp() override
    {
        ::CoInitialize(nullptr);
        app.SetRegistryKey(L"TavrolinViewTest");
    }
    void TearDown() override
    {
        Close();
        WriteMatchList(ShippedList());
        ::CoUninitialize();
    }
    // Plain start; the view, or null when the frame failed. A message box
    // shown meanwhile is answered; its text is kept in m_boxText.
    CTavrolinView* Start()
    {
        app.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTavrolinDoc),
                                                  RUNTIME_CLASS(CViewTestFrame), RUNTIME_CLASS(CTavrolinView)));
        CCommandLineInfo info;
        info.ParseParam(nullptr, FALSE, TRUE);
        BOOL bMade = FALSE;
        {
            CBoxAnswerer answerer;
            bMade = app.ProcessShellCommand(info);
            m_boxText = answerer.Text();
        }
        if (!bMade || app.m_pMainWnd == nullptr)
            return nullptr;
        return DYNAMIC_DOWNCAST(CTavrolinView, static_cast<CFrameWnd*>(app.m_pMainWnd)->GetActiveView());
    }
    // Destroys the frame; TRUE when a WM_QUIT was waiting before that.
    BOOL Close()
    {
        BOOL bQuit = Drain();
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->DestroyWindow();
        app.m_pMainWnd = nullptr;
        Drain();
        return bQuit;
    }
    // Dispatches what is queued (paints would come back forever otherwise);
    // TRUE when a WM_QUIT was among it.
    static BOOL Drain()
    {
        MSG msg;
        BOOL bQuit = FALSE;
        for (int i = 0; i < 500 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (msg.message == WM_QUIT)
                bQuit = TRUE;
            else
                ::DispatchMessageW(&msg);
        }
        return bQuit;
    }
    void ShowFrame()
    {
        app.m_pMainWnd->MoveWindow(0, 0, 760, 520, TRUE);
        app.m_pMainWnd->ShowWindow(SW_SHOW);
        app.m_pMainWnd->UpdateWindow();
    }
    static CMatchRecord* Match(CTavrolinView* pView, int i)
    {
        return DYNAMIC_DOWNCAST(CMatchRecord, pView->m_wndReportGames.GetRecords()->GetAt(i));
    }
    static std::vector<int> Watched(CTavrolinView* pView)
    {
        std::vector<int> ids;
        CXTPReportRecords* pRecords = pView->m_wndReportGames.GetRecords();
        for (int i = 0; i < pRecords->GetCount(); ++i)
            if (Match(pView, i)->IsWatched())
                ids.push_back(Match(pView, i)->GetID());
        return ids;
    }
    static void FocusMatch(CTavrolinView* pView, int nId)
    {
        CXTPReportRows* pRows = pView->m_wndReportGames.GetRows();
        for (int i = 0; i < pRows->GetCount(); ++i)
            if (DYNAMIC_DOWNCAST(CMatchRecord, pRows->GetAt(i)->GetRecord())->GetID() == nId)
                pView->m_wndReportGames.SetFocusedRow(pRows->GetAt(i));
    }
    static int StateOf(CTavrolinView* pView, UINT nID)
    {
        CEnableProbe probe(nID);
        probe.DoUpdate(pView, FALSE);
        return probe.m_state;
    }

    CWinApp app{L"ViewTestApp"};
    std::wstring m_boxText;
};

TEST_F(MainView, ShippedListShowsAllMatchesInOrderAndKeepsTheWatchFlags)
{
    WriteMatchList(ShippedList());
    SetCheckedBytes(nullptr, 0);
    CTavrolinView* pView = Start();
    ASSERT_NE(nullptr, pView);
    ASSERT_EQ(64, pView->m_wndReportGames.GetRecords()->GetCount());
    EXPECT_EQ(2, pView->m_wndTabControl.GetItemCount());
    EXPECT_EQ(7, pView->m_wndReportStatistic.GetColumns()->GetCount());
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(i + 1, Match(pView, i)->GetID());
    // No stored flags: every match watched.
    EXPECT_EQ(64u, Watched(pView).size());

    // Watch only the odd matches and reopen: the same set comes back.
    for (int i = 0; i < 64; ++i)
        Match(pView, i)->GetCheckItem()->SetChecked(i % 2 == 0);
    Close();
    pView = Start();
    ASSERT_NE(nullptr, pView);
    std::vector<int> watched = Watched(pView);
    ASSERT_EQ(32u, watched.size());
    EXPECT_EQ(1, watched.front());
    EXPECT_EQ(63, watched.back());
    Close();

    // A value that is not 64 flags counts as missing.
    BYTE shortValue[255] = {};
    SetCheckedBytes(shortValue, sizeof(shortValue));
    pView = Start();
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(64u, Watched(pView).size());
}

TEST_F(MainView, UnreadableListTellsTheUserQuitsAndKeepsTheStoredFlags)
{
    std::string badRecord = ShippedList();
    const size_t at = badRecord.find("<ID>64</ID>");
    ASSERT_NE(std::string::npos, at);
    badRecord.replace(at, 11, "<ID>65</ID>");
    // The last record names a class the program does not have.
    std::string unknownClass = ShippedList();
    const size_t last = unknownClass.find("<ID>64</ID>");
    ASSERT_NE(std::string::npos, last);
    unknownClass.insert(last, "<Class>CFinalRecord</Class>");
    const std::string lists[] = {"", "<Games><Record>", badRecord, unknownClass};

    int stored[CSettingsStore::MatchCount] = {};
    stored[3] = 1;
    for (const std::string& list : lists) {
        CSettingsStore::GetInstance().SaveCheckedFlags(stored);
        WriteMatchList(list);
        CTavrolinView* pView = Start();
        EXPECT_EQ(std::wstring(LoadText(IDS_GAMES_UNREADABLE)), m_boxText) << list.size();
        ASSERT_NE(nullptr, pView);
        EXPECT_EQ(0, pView->m_wndReportGames.GetRecords()->GetCount());
        EXPECT_TRUE(Close()) << "no quit message for a list of " << list.size() << " bytes";
        int after[CSettingsStore::MatchCount] = {};
        CSettingsStore::GetInstance().LoadCheckedFlags(after);
        EXPECT_EQ(0, memcmp(stored, after, sizeof(after))) << "flags wiped by a list of " << list.size() << " bytes";
    }
}

TEST_F(MainView, SelectionCommandsReplaceTheWatchedSet)
{
    WriteMatchList(ShippedList());
    CTavrolinView* pView = Start();
    ASSERT_NE(nullptr, pView);
    auto run = [pView](UINT nID) { pView->SendMessageW(WM_COMMAND, nID, 0); };

    run(ID_SELECT_ALL);
    Match(pView, 0)->GetCheckItem()->SetChecked(FALSE);
    run(ID_SELECT_ROUND_OF_16);
    EXPECT_EQ((std::vector<int>{49, 50, 51, 52, 53, 54, 55, 56}), Watched(pView));
    run(ID_SELECT_QUARTER_FINALS);
    EXPECT_EQ((std::vector<int>{57, 58, 59, 60}), Watched(pView));
    run(ID_SELECT_SEMI_FINALS);
    EXPECT_EQ((std::vector<int>{61, 62}), Watched(pView));
    run(ID_DESELECT_ALL);
    EXPECT_TRUE(Watched(pView).empty());

    run(ID_SELECT_GERMANY);
    for (int id : Watched(pView)) {
        CMatchRecord* pMatch = Match(pView, id - 1);
        EXPECT_TRUE(pMatch->GetCountry1() == L"Deutschland" || pMatch->GetCountry2() == L"Deutschland") << id;
    }
    EXPECT_EQ(3u, Watched(pView).size());

    // The city of the focused row (match 64: Leipzig, whose other matches watch too).
    FocusMatch(pView, 64);
    run(ID_SELECT_CITY);
    std::vector<int> leipzig = Watched(pView);
    EXPECT_GE(leipzig.size(), 2u);
    for (int id : leipzig)
        EXPECT_STREQ(L"Leipzig", Match(pView, id - 1)->GetCity()) << id;
    // A remembered city wins once, then the focused row counts again.
    pView->m_strSelectCity = L"n\x00fcrnberg";
    run(ID_SELECT_CITY);
    EXPECT_STREQ(L"N\x00fcrnberg", Match(pView, Watched(pView).front() - 1)->GetCity());
    EXPECT_TRUE(pView->m_strSelectCity.IsEmpty());
    run(ID_SELECT_CITY);
    EXPECT_EQ(leipzig, Watched(pView));
}

TEST_F(MainView, CommandStatesFollowTabAndFocusedRow)
{
    WriteMatchList(ShippedList());
    CTavrolinView* pView = Start();
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(1, StateOf(pView, ID_SELECT_GERMANY));
    EXPECT_EQ(0, StateOf(pView, ID_REFRESH_STATISTIC));
    FocusMatch(pView, 5);
    Match(pView, 4)->GetCheckItem()->SetChecked(TRUE);
    EXPECT_EQ(0, StateOf(pView, ID_CHECK_ROW));
    EXPECT_EQ(1, StateOf(pView, ID_UNCHECK_ROW));
    Match(pView, 4)->GetCheckItem()->SetChecked(FALSE);
    EXPECT_EQ(1, StateOf(pView, ID_CHECK_ROW));
    EXPECT_EQ(0, StateOf(pView, ID_UNCHECK_ROW));

    pView->m_wndTabControl.SetCurSel(CTavrolinView::TabStatistic);
    const UINT tab0Only[] = {ID_CHECK_ROW, ID_UNCHECK_ROW, ID_SELECT_ALL, ID_DESELECT_ALL, ID_SELECT_GERMANY,
                             ID_SELECT_CITY, ID_SELECT_ROUND_OF_16, ID_SELECT_QUARTER_FINALS, ID_SELECT_SEMI_FINALS};
    for (UINT nID : tab0Only)
        EXPECT_EQ(0, StateOf(pView, nID)) << nID;
    EXPECT_EQ(1, StateOf(pView, ID_REFRESH_STATISTIC));
}

TEST_F(MainView, DoubleClickTogglesOutsideTheWatchColumnOnly)
{
    WriteMatchList(ShippedList());
    CTavrolinView* pView = Start();
    ASSERT_NE(nullptr, pView);
    CXTPReportRow* pRow = pView->m_wndReportGames.GetRows()->GetAt(0);
    CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, pRow->GetRecord());
    pMatch->GetCheckItem()->SetChecked(FALSE);
    CXTPReportColumns* pColumns = pView->m_wndReportGames.GetColumns();
    struct Case { int column; BOOL watchedAfter; };
    const Case cases[] = {{0, FALSE}, {CMatchRecord::itemCity, TRUE}, {CMatchRecord::itemCity, FALSE}};
    for (const Case& c : cases) {
        XTP_NM_REPORTRECORDITEM nm = {};
        nm.hdr.hwndFrom = pView->m_wndReportGames.m_hWnd;
        nm.hdr.idFrom = CTavrolinView::IDC_REPORT_GAMES;
        nm.hdr.code = NM_DBLCLK;
        nm.pRow = pRow;
        nm.pColumn = pColumns->GetAt(c.column);
        pView->SendMessageW(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
        EXPECT_EQ(c.watchedAfter, pMatch->IsWatched()) << "column " << c.column;
    }
}

TEST_F(MainView, StatisticResultsCountOnlyForTheCurrentGeneration)
{
    WriteMatchList(ShippedList());
    CTavrolinView* pView = Start();
    ASSERT_NE(nullptr, pView);
    pView->StartStatisticRefresh();
    // The run itself is not wanted here: stop it and drop what it posted.
    pView->m_threadStatistic.m_eventStop.SetEvent();
    DWORD dwExit = 0;
    pView->m_threadStatistic.Stop(dwExit);
    MSG msg;
    while (::PeekMessageW(&msg, pView->m_hWnd, WM_STATISTIC_READY, WM_STATISTIC_READY, PM_REMOVE)) {
    }
    CSettingsStore& settings = CSettingsStore::GetInstance();
    const int nGeneration = settings.GetStatisticGeneration();
    CXTPReportPaintManager* pPaint = pView->m_wndReportStatistic.GetPaintManager();
    EXPECT_STREQ(LoadText(IDS_STATISTIC_LOADING), pPaint->GetNoItemsText());

    CAtlArray<StatRow> rows;
    const int days[] = {10, 12, 11};
    for (int day : days) {
        StatRow row;
        row.dtFrom = COleDateTime(2006, 6, day, 9, 0, 0);
        row.dtTo = row.dtFrom;
        row.strTeam1 = L"Polen";
        row.strTeam2 = L"Ecuador";
        row.strCity = L"Gelsenkirchen";
        row.dtMatch = COleDateTime(2006, 6, 9, 21, 0, 0);
        row.strCategory = L"1";
        rows.Add(row);
    }
    settings.SetStatisticResults(nGeneration - 1, rows);
    pView->SendMessageW(WM_STATISTIC_READY, 1, nGeneration - 1);
    EXPECT_STREQ(LoadText(IDS_STATISTIC_LOADING), pPaint->GetNoItemsText());
    EXPECT_EQ(0, pView->m_wndReportStatistic.GetRecords()->GetCount());

    settings.SetStatisticResults(nGeneration, rows);
    pView->SendMessageW(WM_STATISTIC_READY, 1, nGeneration);
    CXTPReportRows* pRows = pView->m_wndReportStatistic.GetRows();
    ASSERT_EQ(3, pRows->GetCount());
    // Newest "Von" first.
    CXTPReportRecords* pRecords = pView->m_wndReportStatistic.GetRecords();
    EXPECT_EQ(pRecords->GetAt(1), pRows->GetAt(0)->GetRecord());
    EXPECT_EQ(pRecords->GetAt(2), pRows->GetAt(1)->GetRecord());
    EXPECT_EQ(pRecords->GetAt(0), pRows->GetAt(2)->GetRecord());
    EXPECT_STREQ(LoadText(9504), pPaint->GetNoItemsText());

    pView->SendMessageW(WM_STATISTIC_READY, 0, nGeneration);
    EXPECT_STREQ(LoadText(IDS_STATISTIC_FAILED), pPaint->GetNoItemsText());
}

namespace {

// A visible window whose class saves the bits below it (a popup bar).
BOOL CALLBACK FindVisibleSavingBits(HWND hWnd, LPARAM lParam)
{
    if (!::IsWindowVisible(hWnd) || !(::GetClassLongW(hWnd, GCL_STYLE) & CS_SAVEBITS))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// Right-clicks the row (SendInput) and, once the context menu shows, types
// the keys into it from another thread while this one runs the menu.
void RightClickRowAndType(CTavrolinView* pView, int nRow, std::vector<WORD> keys, const wchar_t* pszShot = nullptr)
{
    CXTPReportControl& games = pView->m_wndReportGames;
    const CRect rcRow = games.GetRows()->GetAt(nRow)->GetRect();
    const POINT pt = testinput::ClientToScreenPoint(games.GetSafeHwnd(), rcRow.left + 150, rcRow.CenterPoint().y);
    const DWORD dwViewThread = ::GetCurrentThreadId();
    std::atomic<bool> bDone{false};
    std::thread typist([&] {
        // The menu is a popup bar (its class saves the bits below).
        HWND hMenu = nullptr;
        testpump::WaitUntil([&] {
            hMenu = nullptr;
            ::EnumThreadWindows(dwViewThread, FindVisibleSavingBits, reinterpret_cast<LPARAM>(&hMenu));
            return hMenu != nullptr;
        });
        if (pszShot != nullptr) {
            // Painted now, by its own thread, before the picture is taken.
            ::RedrawWindow(hMenu, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
            testshot::Save(testshot::CaptureWindow(::GetDesktopWindow()), pszShot);
        }
        for (WORD key : keys)
            testinput::SendKey(key);
        bDone = true;
    });
    testinput::ClickAt(pt, true);
    EXPECT_TRUE(testpump::PumpUntil([&] { return bDone.load(); }));
    typist.join();
    testpump::PumpUntilIdle();
}

} // namespace

TEST_F(MainView, DismissedContextMenuForgetsItsCity)
{
    WriteMatchList(ShippedList());
    CTavrolinView* pView = Start();
    ASSERT_NE(nullptr, pView);
    ShowFrame();
    RightClickRowAndType(pView, 2, {VK_ESCAPE}, L"view_context_menu.png");  // match 3, Hamburg
    EXPECT_TRUE(pView->m_strSelectCity.IsEmpty());
    // "in dieser Stadt" from the main menu now takes the focused row.
    pView->SendMessageW(WM_COMMAND, ID_DESELECT_ALL, 0);
    FocusMatch(pView, 1);
    pView->SendMessageW(WM_COMMAND, ID_SELECT_CITY, 0);
    ASSERT_FALSE(Watched(pView).empty());
    EXPECT_STREQ(L"N\x00fcrnberg", Match(pView, Watched(pView).front() - 1)->GetCity());
}

TEST_F(MainView, ContextMenuOffersOnlyTheFittingWatchCommand)
{
    WriteMatchList(ShippedList());
    CTavrolinView* pView = Start();
    ASSERT_NE(nullptr, pView);
    ShowFrame();
    // The menu's first item is the one that fits the row: it toggles the row.
    for (const BOOL bWatchedBefore : {FALSE, TRUE}) {
        Match(pView, 4)->GetCheckItem()->SetChecked(bWatchedBefore);
        RightClickRowAndType(pView, 4, {VK_DOWN, VK_RETURN});
        EXPECT_EQ(!bWatchedBefore, Match(pView, 4)->IsWatched()) << "watched before: " << bWatchedBefore;
    }
}

TEST_F(MainView, ScreenshotsOfBothTabs)
{
    WriteMatchList(ShippedList());
    CTavrolinView* pView = Start();
    ASSERT_NE(nullptr, pView);
    ShowFrame();
    EXPECT_FALSE(testshot::Save(testshot::CaptureWindow(pView->m_hWnd), L"view_matches.png").empty());
    {
        // Match 13 watched, match 2 not; Germany's flag leads match 1.
        CXTPReportControl& games = pView->m_wndReportGames;
        Match(pView, 12)->GetCheckItem()->SetChecked(TRUE);
        Match(pView, 1)->GetCheckItem()->SetChecked(FALSE);
        games.RedrawControl();
        const testshot::Image rows = testshot::CaptureWindow(games.GetSafeHwnd());
        const CRect rcFirst = games.GetRows()->GetAt(0)->GetRect();
        const CRect rcWatched = games.GetRows()->GetAt(12)->GetRect(), rcUnwatched = games.GetRows()->GetAt(1)->GetRect();
        const CRect rcCheck = games.GetColumns()->Find(CMatchRecord::itemCheck)->GetRect();
        const int nWatched = apptest::CountPixels(rows, CRect(rcCheck.left, rcWatched.top, rcCheck.right, rcWatched.bottom), apptest::IsDark);
        const int nUnwatched = apptest::CountPixels(rows, CRect(rcCheck.left, rcUnwatched.top, rcCheck.right, rcUnwatched.bottom), apptest::IsDark);
        EXPECT_GT(nWatched, nUnwatched + 10) << "a watched match's box has its check mark";
        const CRect rcTeam = games.GetColumns()->Find(CMatchRecord::itemCountry1)->GetRect();
        const CRect rcFlag(rcTeam.left, rcFirst.top, rcTeam.left + 24, rcFirst.bottom);
        EXPECT_GT(apptest::CountPixels(rows, rcFlag, apptest::IsDark), 5);
        EXPECT_GT(apptest::CountPixels(rows, rcFlag, apptest::IsRed), 5);
        EXPECT_GT(apptest::CountPixels(rows, rcFlag, apptest::IsGold), 5);
    }
    pView->m_wndTabControl.SetCurSel(CTavrolinView::TabStatistic);
    pView->m_threadStatistic.m_eventStop.SetEvent();
    DWORD dwExit = 0;
    pView->m_threadStatistic.Stop(dwExit);
    app.m_pMainWnd->UpdateWindow();
    EXPECT_FALSE(testshot::Save(testshot::CaptureWindow(pView->m_hWnd), L"view_statistic.png").empty());
    // No rows yet: the loading text under the header, the rest empty.
    const testshot::Image statistic = testshot::CaptureWindow(pView->m_wndReportStatistic.GetSafeHwnd());
    const int headerBottom = pView->m_wndReportStatistic.GetColumns()->GetAt(0)->GetRect().bottom;
    EXPECT_GT(apptest::CountPixels(statistic, CRect(0, headerBottom, statistic.width, headerBottom + 20), apptest::IsDark), 20);
    EXPECT_EQ(apptest::CountPixels(statistic, CRect(2, headerBottom + 40, statistic.width - 2, statistic.height - 2),
                                   [](COLORREF color) { return !apptest::IsLight(color); }),
              0);
}

} // namespace

namespace {

// The statistics report's rows as the first team of each, top to bottom.
std::vector<std::wstring> StatisticTeams(CTavrolinView* pView)
{
    std::vector<std::wstring> teams;
    CXTPReportRows* pRows = pView->m_wndReportStatistic.GetRows();
    for (int i = 0; i < pRows->GetCount(); ++i)
        teams.push_back(std::wstring(pRows->GetAt(i)->GetRecord()->GetItem(2)->GetCaption(nullptr)));
    return teams;
}

} // namespace

TEST_F(MainView, StatisticsTabFetchesFromTheSiteNewestFirstOrTellsOfTheFailure)
{
    WriteMatchList(ShippedList());
    const struct
    {
        const char* scenario;
        std::vector<std::wstring> teams;  // empty: the failure text
    } cases[] = {
        // The team's offer comes a second after the match's: its row leads.
        {R"({"offers": [{"match": 1, "category": 2}, {"team": 8, "resale": 5, "from": 1}]})",
         {L"Elfenbeink\u00FCste", L"Deutschland"}},
        {R"({"offers": [{"match": 1, "category": 2}], "pages": {"statistics": {"status": 404}}})", {}},
    };
    for (const auto& test : cases) {
        SimulatedSite site(test.scenario);
        ASSERT_TRUE(site.IsRunning());
        CTavrolinView* pView = Start();
        ASSERT_NE(nullptr, pView);
        CXTPReportPaintManager* pPaint = pView->m_wndReportStatistic.GetPaintManager();
        const CString strLoading = LoadText(IDS_STATISTIC_LOADING);
        pView->m_wndTabControl.SetCurSel(CTavrolinView::TabStatistic);
        if (test.teams.empty()) {
            EXPECT_TRUE(testpump::PumpUntil([&] { return strLoading != pPaint->GetNoItemsText(); }));
            EXPECT_STREQ(LoadText(IDS_STATISTIC_FAILED), pPaint->GetNoItemsText()) << test.scenario;
            EXPECT_EQ(0, pView->m_wndReportStatistic.GetRows()->GetCount());
        } else {
            // Until the site's clock has passed the later offer, refresh (F5) as a user would.
            EXPECT_TRUE(testpump::PumpUntil([&] {
                if (strLoading == pPaint->GetNoItemsText())
                    return false;
                if (StatisticTeams(pView).size() >= test.teams.size())
                    return true;
                pView->SendMessageW(WM_COMMAND, ID_REFRESH_STATISTIC, 0);
                return false;
            }));
            EXPECT_EQ(test.teams, StatisticTeams(pView)) << test.scenario;
        }
        EXPECT_GE(site.CountRequests("statistics"), 1);
        Close();
    }
}

TEST_F(MainView, ReselectingTheStatisticsTabStopsTheRunWhoseAnswerIsDelayed)
{
    WriteMatchList(ShippedList());
    SimulatedSite site(R"({"offers": [{"match": 1, "category": 2}], "pages": {"statistics": {"delay": 3}}})");
    ASSERT_TRUE(site.IsRunning());
    CTavrolinView* pView = Start();
    ASSERT_NE(nullptr, pView);
    CSettingsStore& settings = CSettingsStore::GetInstance();
    CXTPReportPaintManager* pPaint = pView->m_wndReportStatistic.GetPaintManager();
    const int nBefore = settings.GetStatisticGeneration();

    // A duration: the switch back must not wait for the first run's delayed page.
    const DWORD dwStart = ::GetTickCount();
    pView->m_wndTabControl.SetCurSel(CTavrolinView::TabStatistic);
    pView->m_wndTabControl.SetCurSel(CTavrolinView::TabMatches);
    pView->m_wndTabControl.SetCurSel(CTavrolinView::TabStatistic);
    EXPECT_LT(::GetTickCount() - dwStart, 1500u) << "the first run was waited for, not stopped";
    EXPECT_EQ(nBefore + 2, settings.GetStatisticGeneration());

    ASSERT_TRUE(testpump::PumpUntil([&] { return pView->m_wndReportStatistic.GetRows()->GetCount() > 0; }));
    EXPECT_EQ(std::vector<std::wstring>{L"Deutschland"}, StatisticTeams(pView));
    EXPECT_STREQ(LoadText(9504), pPaint->GetNoItemsText());
}

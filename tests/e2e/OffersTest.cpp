// Offers coming and going on the simulated site, as the running program
// answers them: history rows, alert popups, the ticket pane, the history
// dump, the status bar and the pages the program opens.
#include "ProgramRun.h"

#include "engine/SiteHosts.h"
#include "resources/AppIds.h"
#include "support/ProcessWindows.h"
#include "support/TestInput.h"
#include "support/TestPump.h"

namespace {

const int PopupWidth = 329, PopupHeight = 74;
const int TicketReportId = 101;
const char MatchOneOnSale[] = R"({"offers": [{"match": 1, "category": 1}]})";
const char NothingOnSale[] = R"({"offers": []})";

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

std::string ResaleOverviewAddress()
{
    return "http://" + Narrow(TICKET_SITE_HOST) +
           "/cgi-bin/ds_wmd?fun=pksbyeventreihe&doc=ds_einzel1&id=WMD_NO_SESSION&affiliate=wmd&key=0\n";
}

bool OneOpenRow(const std::vector<HistoryRow>& rows)
{
    return rows.size() == 1 && !rows[0].hasDateTo;
}

int LayeredAlpha(HWND hWnd)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(hWnd, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) ? alpha : -1;
}

size_t CountLines(const std::string& text)
{
    size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    return lines;
}

} // namespace

class Offers : public ProgramRun
{
protected:
    void SetUp() override
    {
        ProgramRun::SetUp();
        if (HasFatalFailure())
            return;
        SeedSettings();
        m_process = StartToFrame();
        ASSERT_NE(Frame(), nullptr);
        // Room for the ticket pane's rows.
        SetWindowPos(Frame(), nullptr, 40, 40, 900, 640, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        if (m_process.hProcess != nullptr && !CProgramCopy::HasEnded(m_process, 0))
        {
            EXPECT_TRUE(EndWithAltX(m_process));
        }
        ProgramRun::TearDown();
    }

    std::vector<HWND> Popups() const
    {
        return processwindows::VisiblePopups(m_process.dwProcessId, PopupWidth, PopupHeight);
    }
    HWND TicketReport() const { return processwindows::FindVisibleChildById(Frame(), TicketReportId); }
    // Blue link text in the ticket report: a row is drawn.
    int LinkPixelsInTicketReport(const wchar_t* shotName) const
    {
        HWND hReport = TicketReport();
        if (hReport == nullptr)
            return -1;
        const testshot::Image image = ShootWindow(hReport, shotName);
        return CountPixels(image, RECT{0, 0, image.width, image.height}, IsLinkBlue);
    }

    PROCESS_INFORMATION m_process = {};
};

TEST_F(Offers, AnOfferComesWithOneRowOnePopupAPaneRowAndADumpLineAndGoesWithItsEndDate)
{
    ASSERT_TRUE(ChangeScenario(MatchOneOnSale));
    ASSERT_TRUE(WaitForHistory(OneOpenRow));
    const HistoryRow row = History()[0];
    EXPECT_EQ(row.gameId, 0);
    EXPECT_EQ(row.category, 1);
    ASSERT_TRUE(testpump::WaitUntil([&] { return Popups().size() == 1; }));

    // The title is the link to the resale overview; the click closes the
    // popup, long before its ten seconds are over.
    HWND hPopup = Popups()[0];
    ShootWindow(hPopup, L"e2e_popup_match");
    const RECT rcPopup = processwindows::ScreenRectOf(hPopup);
    const POINT ptTitle = {rcPopup.left + 60, rcPopup.top + 22};
    // The pointer moves over the title as a hand does, until the popup has
    // taken it (it turns opaque then): a popup still fading in was seen to
    // miss single moves.
    int nMoves = 0;
    ASSERT_TRUE(testpump::WaitUntil([&] {
        testinput::MoveMouseTo(POINT{ptTitle.x + (nMoves++ % 3), ptTitle.y});
        return LayeredAlpha(hPopup) == 255;
    }));
    testinput::ClickAt(ptTitle);
    EXPECT_TRUE(testpump::WaitUntil([&] { return s_browser->Opened() == ResaleOverviewAddress(); }))
        << s_browser->Opened();
    EXPECT_TRUE(testpump::WaitUntil([&] { return !IsWindow(hPopup) || !IsWindowVisible(hPopup); }));

    // Further scans see the same offer: no further popup, no further row.
    ASSERT_TRUE(WaitForRequests("resale-list", 2));
    EXPECT_EQ(Popups().size(), 0u);
    EXPECT_EQ(History().size(), 1u);
    EXPECT_GT(LinkPixelsInTicketReport(L"e2e_pane_offer"), 20) << "the pane shows the offer's row with its link";
    const std::string dump = StatisticLog();
    EXPECT_EQ(CountLines(dump), 1u) << dump;
    EXPECT_NE(dump.find("Deutschland"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Costa Rica"), std::string::npos) << dump;

    ASSERT_TRUE(ChangeScenario(NothingOnSale));
    ASSERT_TRUE(WaitForHistory([](const std::vector<HistoryRow>& rows) {
        return rows.size() == 1 && rows[0].hasDateTo;
    }));
    EXPECT_TRUE(testpump::WaitUntil([&] { return LinkPixelsInTicketReport(L"e2e_pane_empty") == 0; }));
    HWND hReport = TicketReport();
    ASSERT_NE(hReport, nullptr);
    const testshot::Image image = ShootWindow(hReport, L"e2e_pane_empty");
    // Below the header, in the middle: the empty list's text.
    EXPECT_GT(CountPixels(image, RECT{image.width / 3, 22, image.width * 2 / 3, 40}, IsDarkText), 20)
        << "the empty list's text is drawn";
}

TEST_F(Offers, FewTicketsLeftAreNoOfferWithoutFindYellowButATeamSeriesIs)
{
    ASSERT_TRUE(EndWithAltX(m_process));
    ASSERT_TRUE(programsettings::SetDword(L"FindYellow", 0));
    m_process = StartToFrame();
    ASSERT_NE(Frame(), nullptr);
    ASSERT_TRUE(ChangeScenario(R"({"offers": [{"match": 2, "category": 3, "state": "ltl"},
                                              {"team": "Deutschland", "series": 4}]})"));
    ASSERT_TRUE(WaitForHistory([](const std::vector<HistoryRow>& rows) { return !rows.empty(); }));
    ASSERT_TRUE(WaitForRequests("resale-list", 2));
    const std::vector<HistoryRow> rows = History();
    ASSERT_EQ(rows.size(), 1u) << "only the team's series";
    EXPECT_EQ(rows[0].category, 0x20000 + 4);
    EXPECT_EQ(rows[0].gameId, 6) << "the team's id";

    ASSERT_TRUE(testpump::WaitUntil([&] { return Popups().size() == 1; }));
    const testshot::Image popup = ShootWindow(Popups()[0], L"e2e_popup_team");
    EXPECT_GT(CountPixels(popup, RECT{46, 30, 270, 41}, IsDarkText), 20) << "the team's name is the title line";
}

TEST_F(Offers, ATeamResaleOfferEndsWhenItsPageOffersNoneWhileTheTeamListStillLinksIt)
{
    const std::string onSale = R"("offers": [{"team": "Deutschland", "resale": 5}])";
    ASSERT_TRUE(ChangeScenario("{" + onSale + "}"));
    ASSERT_TRUE(WaitForHistory(OneOpenRow));
    EXPECT_EQ(History()[0].category, 0x40000 + 0x20000 + 5);
    EXPECT_EQ(History()[0].gameId, 6);
    EXPECT_TRUE(testpump::WaitUntil([&] { return LinkPixelsInTicketReport(L"e2e_pane_team_offer") > 20; }))
        << "the pane shows the team's offer";

    // A notice in place of the team's page says nothing of the offer.
    ASSERT_TRUE(ChangeScenario("{" + onSale + R"(, "pages": {"tst-detail": {"content": "maintenance"}}})"));
    // The scan after the next one starts only once that one is handled.
    ASSERT_TRUE(WaitForRequests("tst-detail", 2));
    EXPECT_TRUE(OneOpenRow(History()));

    ASSERT_TRUE(ChangeScenario("{" + onSale + R"(, "pages": {"tst-detail": {"content": "sold-out"}}})"));
    ASSERT_TRUE(WaitForHistory([](const std::vector<HistoryRow>& rows) {
        return rows.size() == 1 && rows[0].hasDateTo;
    }));
    EXPECT_TRUE(testpump::WaitUntil([&] { return LinkPixelsInTicketReport(L"e2e_pane_team_ended") == 0; }))
        << "the pane lets the offer go";
}

TEST_F(Offers, AFailedListPageShowsMessage106AndKeepsTheOpenOfferWithoutASecondAlert)
{
    ASSERT_TRUE(ChangeScenario(MatchOneOnSale));
    ASSERT_TRUE(WaitForHistory(OneOpenRow));
    const int rowId = History()[0].id;
    ASSERT_TRUE(WaitForStatusText(IDS_TICKETINFO_LOADED));

    s_site->SetScenario(R"({"offers": [{"match": 1, "category": 1}], "pages": {"resale-list": {"status": 500}}})");
    ASSERT_TRUE(WaitForRequests("resale-list", 1, 500));
    EXPECT_TRUE(WaitForStatusText(IDS_TICKETINFO_FAILED)) << Narrow(StatusText());
    ASSERT_TRUE(WaitForRequests("resale-list", 1, 500));
    EXPECT_TRUE(OneOpenRow(History()));

    ASSERT_TRUE(ChangeScenario(MatchOneOnSale));
    EXPECT_TRUE(WaitForStatusText(IDS_TICKETINFO_LOADED)) << Narrow(StatusText());
    const std::vector<HistoryRow> rows = History();
    ASSERT_TRUE(OneOpenRow(rows));
    EXPECT_EQ(rows[0].id, rowId) << "the same period goes on";
    EXPECT_LE(Popups().size(), 1u);
}

// Whole scans against the simulated ticket site, with a real window
// receiving the worker's messages.
#include <gtest/gtest.h>

#include "SiteMessageRecorder.h"
#include "support/SiteSimulation.h"
#include "engine/SettingsStore.h"
#include "engine/TeamTable.h"
#include "engine/ThreadScan.h"
#include "engine/WorkerMessages.h"

namespace {

class ScanWorker : public testing::Test
{
protected:
    void SetUp() override
    {
        m_savedFindTst = CSettingsStore::GetInstance().FindTST;
        m_scan.m_hNotifyWnd = m_window.GetHandle();
        ASSERT_NE(m_window.GetHandle(), nullptr);
    }

    void TearDown() override
    {
        StopAndTime(m_scan);
        CSettingsStore::GetInstance().FindTST = m_savedFindTst;
    }

    // Runs one scan to its end; false when it did not finish in time.
    bool Scan(BOOL withResale, BOOL findTst)
    {
        CSettingsStore::GetInstance().FindTST = findTst;
        m_window.Clear();
        m_scan.StartScan(withResale);
        const bool finished = m_window.WaitFor(WM_SCAN_FINISHED, 30000);
        Joined(m_scan);
        m_window.Drain();
        return finished;
    }

    // The messages received, as (message, wParam) pairs; every one must
    // carry the scan's generation.
    std::vector<std::pair<UINT, WPARAM>> Messages()
    {
        std::vector<std::pair<UINT, WPARAM>> messages;
        for (const RecordedMessage& m : m_window.GetMessages())
        {
            EXPECT_EQ(m.lParam, (LPARAM)m_scan.GetGeneration());
            messages.push_back({m.message, m.wParam});
        }
        return messages;
    }

    // The records handed over for the scan's generation.
    bool Results() { return CSettingsStore::GetInstance().GetScanResults(m_scan.GetGeneration(), matches, teams) != FALSE; }

    SiteMessageRecorder m_window;
    CThreadScan m_scan;
    int m_savedFindTst = 1;
    CAtlArray<MatchStatus> matches;
    CAtlArray<TeamTstStatus> teams;
};

typedef std::vector<std::pair<UINT, WPARAM>> MessageList;

const MessageList LOADED = {{WM_SCAN_PROGRESS, SCAN_LOADING}, {WM_SCAN_PROGRESS, SCAN_LOADED}, {WM_SCAN_FINISHED, 0}};
const MessageList FAILED = {{WM_SCAN_PROGRESS, SCAN_LOADING}, {WM_SCAN_PROGRESS, SCAN_FAILED}, {WM_SCAN_FINISHED, 0}};

} // namespace

TEST_F(ScanWorker, NothingAskedFetchesNothingAndHandsOverTheRecordsAsTheyStand)
{
    SimulatedSite site(R"({"offers": [{"match": 3, "category": 1}, {"team": 4, "series": 3}]})");
    ASSERT_TRUE(site.IsRunning());
    ASSERT_TRUE(Scan(FALSE, FALSE));

    EXPECT_EQ(Messages(), LOADED);
    EXPECT_TRUE(site.GetRequests().empty());
    ASSERT_TRUE(Results());
    ASSERT_EQ(matches.GetCount(), 64u);
    EXPECT_EQ(matches[2].nMatch, -1);
    EXPECT_EQ(teams.GetCount(), 0u);
}

TEST_F(ScanWorker, TstOnlyFetchesTheTeamListAndTheLinkedTeamPages)
{
    SimulatedSite site(R"({"offers": [{"team": 8, "series": 3, "state": "ltl"}, {"team": 32, "series": 7},
                                      {"team": "Deutschland", "resale": 3}, {"team": "Deutschland", "resale": 7},
                                      {"match": 3, "category": 1}]})");
    ASSERT_TRUE(site.IsRunning());
    ASSERT_TRUE(Scan(FALSE, TRUE));

    EXPECT_EQ(Messages(), LOADED);
    EXPECT_EQ(site.CountRequests("resale-list"), 0);
    EXPECT_EQ(site.CountRequests("tst-list"), 1);
    EXPECT_EQ(site.CountRequests("tst-detail"), 1);
    ASSERT_TRUE(Results());
    ASSERT_EQ(teams.GetCount(), 32u);
    for (size_t i = 0; i < teams.GetCount(); ++i)
        EXPECT_EQ(teams[i].nTeam, (int)i + 1);
    EXPECT_EQ(teams[7].nSeries[0], TICKETS_LITTLE);
    EXPECT_EQ(teams[31].nSeries[4], TICKETS_YES);
    EXPECT_EQ(teams[5].nResale[0], 1);
    EXPECT_EQ(teams[5].nResale[4], 1);
    EXPECT_EQ(teams[5].nResale[2], 0);
    EXPECT_EQ(matches[2].nCategory[0], 0) << "the resale list was not read";
}

TEST_F(ScanWorker, ResaleScanReadsBothListsAndEveryQueuedDetailPage)
{
    SimulatedSite site(R"({"offers": [{"match": 12, "category": 1}, {"match": 12, "category": 3, "sb": true, "state": "ltl"},
                                      {"match": 5, "resale": 2}, {"match": 5, "resale": 4, "sb": true},
                                      {"match": 40, "resale": 1}, {"team": 32, "resale": 5}]})");
    ASSERT_TRUE(site.IsRunning());
    ASSERT_TRUE(Scan(TRUE, TRUE));

    EXPECT_EQ(Messages(), LOADED);
    EXPECT_EQ(site.CountRequests("resale-list"), 1);
    EXPECT_EQ(site.CountRequests("tst-list"), 1);
    EXPECT_EQ(site.CountRequests("resale-detail"), 2);
    EXPECT_EQ(site.CountRequests("tst-detail"), 1);
    // The session cookie of the first page goes with the next request.
    std::vector<std::string> requests = site.GetRequests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_NE(requests[1].find("cookie=WMDSESSION="), std::string::npos) << requests[1];

    ASSERT_TRUE(Results());
    ASSERT_EQ(matches.GetCount(), 64u);
    for (size_t i = 0; i < matches.GetCount(); ++i)
        EXPECT_EQ(matches[i].nMatch, (int)i + 1);
    EXPECT_EQ(matches[11].nCategory[0], TICKETS_YES);
    EXPECT_EQ(matches[11].nCategorySb[2], TICKETS_LITTLE);
    EXPECT_EQ(matches[4].nResale[1], 1);
    EXPECT_EQ(matches[4].nResaleSb[3], 1);
    EXPECT_EQ(matches[4].nResale[3], 0);
    EXPECT_EQ(matches[39].nResale[0], 1);
    EXPECT_EQ(teams[31].nResale[2], 1);
}

TEST_F(ScanWorker, PageThatCannotBeReadFailsTheScanButItsRecordsAreHandedOver)
{
    SimulatedSite site(R"({"offers": [{"match": 2, "category": 1}, {"team": 6, "resale": 3}],
                           "pages": {"resale-list": {"content": "maintenance"}}})");
    ASSERT_TRUE(site.IsRunning());
    ASSERT_TRUE(Scan(TRUE, TRUE));
    EXPECT_EQ(Messages(), FAILED);
    // The team list is fetched but, after a failed resale list, not read.
    EXPECT_EQ(site.CountRequests("tst-list"), 1);
    EXPECT_EQ(site.CountRequests("tst-detail"), 0);
    ASSERT_TRUE(Results());
    EXPECT_EQ(matches.GetCount(), 64u);
    EXPECT_EQ(teams.GetCount(), 0u);

    // A team list that cannot be fetched fails the scan as well.
    site.SetScenario(R"({"offers": [{"match": 2, "category": 1}], "pages": {"tst-list": {"status": 404}}})");
    ASSERT_TRUE(Scan(TRUE, TRUE));
    EXPECT_EQ(Messages(), FAILED);
    EXPECT_EQ(m_scan.GetMatches()[1].nCategory[0], TICKETS_YES) << "the resale list was read";

    // A redirect is not followed.
    site.SetScenario(R"({"pages": {"resale-list": {"status": 302, "location": "http://elsewhere.example/"}}})");
    site.ClearRequests();
    ASSERT_TRUE(Scan(TRUE, FALSE));
    EXPECT_EQ(Messages(), FAILED);
    EXPECT_EQ(site.GetRequests().size(), 1u);
}

TEST_F(ScanWorker, BrokenRowFailsTheScanButDetailPagesQueuedBeforeItAreRead)
{
    SimulatedSite site(R"({"offers": [{"match": 2, "resale": 3}, {"match": 50, "resale": 3}],
                           "pages": {"resale-list": {"content": "broken"}}})");
    ASSERT_TRUE(site.IsRunning());
    ASSERT_TRUE(Scan(TRUE, FALSE));
    EXPECT_EQ(Messages(), FAILED);
    // Match 2 comes before the broken row 33, match 50 after it. Row 33 lost
    // its resale icon, so its fifth tag is an ordinary icon without
    // "resale_no_": its detail page is queued before the row is rejected.
    std::vector<std::string> requests = site.GetRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_NE(requests[1].find(" resale-detail 2 "), std::string::npos) << requests[1];
    EXPECT_NE(requests[2].find(" resale-detail 33 "), std::string::npos) << requests[2];
    EXPECT_EQ(m_scan.GetMatches()[1].nResale[2], 1);
}

TEST_F(ScanWorker, StopEndsPromptlyKeepsThePageResultAndPostsNoFinish)
{
    // Stopped while a detail page is on its way, and while the team list is:
    // a stop is no failure of the site, so the page result stays 1.
    const struct
    {
        const char* scenario;
        BOOL withResale;
        BOOL findTst;
        const char* servedKind;  // stopped once one page of this kind has come
    } cases[] = {
        {R"({"offers": [{"match": 1, "resale": 1}, {"match": 2, "resale": 1}, {"match": 3, "resale": 1},
                        {"match": 4, "resale": 1}, {"match": 5, "resale": 1}, {"match": 6, "resale": 1}],
             "pages": {"resale-detail": {"delay": 3.0}}})",
         TRUE, FALSE, "resale-detail"},
        {R"({"offers": [{"team": 4, "series": 3}], "pages": {"tst-list": {"delay": 3.0}}})", FALSE, TRUE, nullptr},
    };
    SimulatedSite site(cases[0].scenario);
    ASSERT_TRUE(site.IsRunning());
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.scenario);
        site.SetScenario(test.scenario);
        site.ClearRequests();
        CSettingsStore::GetInstance().FindTST = test.findTst;
        m_window.Clear();
        m_scan.StartScan(test.withResale);

        if (test.servedKind)
            testpump::PumpUntil([&] { return site.CountRequests(test.servedKind) >= 1; }, 2 * testpump::kDeadline);
        ASSERT_EQ(test.servedKind ? site.CountRequests(test.servedKind) : 1, 1);
        // The stop comes while the next delayed page is on its way: late
        // enough for a slow machine to have read the page before, well
        // before the next one can come.
        testpump::PumpFor(1500);

        const DWORD stopAt = GetTickCount();
        m_scan.m_eventStop.SetEvent();
        DWORD exitCode = 1;
        EXPECT_TRUE(m_scan.Stop(exitCode));
        EXPECT_LT(GetTickCount() - stopAt, 1000u) << "the request in flight ends on the stop event";
        EXPECT_EQ(exitCode, 0u);

        // The body has ended: whatever it posted is in the queue by now.
        m_window.Drain();
        EXPECT_EQ(Messages(), (MessageList{{WM_SCAN_PROGRESS, SCAN_LOADING}, {WM_SCAN_PROGRESS, SCAN_LOADED}}));
        // The records went to the store all the same.
        ASSERT_TRUE(Results());
        if (test.withResale)
        {
            EXPECT_LE(site.CountRequests("resale-detail"), 2) << "no detail page is asked for after the stop";
            EXPECT_EQ(matches[0].nResale[0], 1);
            EXPECT_EQ(matches[5].nResale[0], 0);
        }
        else
            EXPECT_EQ(teams.GetCount(), 0u);
    }
}

TEST_F(ScanWorker, FailedDetailPageKeepsTheResaleOffersOfTheScanBefore)
{
    // A detail page that fails must not end an offer it cannot see; the
    // next page that is read decides again.
    const char* offers = R"("offers": [{"match": 5, "resale": 2}, {"match": 5, "resale": 4, "sb": true}, {"team": 6, "resale": 3}])";
    const struct
    {
        const char* pages;
        int resale, resaleSb, teamResale;
    } scans[] = {
        {"", 1, 1, 1},
        {R"(, "pages": {"resale-detail": {"status": 500}, "tst-detail": {"status": 500}})", 1, 1, 1},
        {R"(, "pages": {"resale-detail": {"content": "broken"}, "tst-detail": {"content": "empty"}})", 1, 1, 1},
        {R"(, "pages": {"resale-detail": {"content": "empty"}, "tst-detail": {"content": "maintenance"}})", 1, 1, 1},
    };
    SimulatedSite site("{" + std::string(offers) + "}");
    ASSERT_TRUE(site.IsRunning());
    for (const auto& scan : scans)
    {
        SCOPED_TRACE(scan.pages);
        site.SetScenario("{" + std::string(offers) + scan.pages + "}");
        ASSERT_TRUE(Scan(TRUE, TRUE));
        ASSERT_TRUE(Results());
        ASSERT_EQ(matches.GetCount(), 64u);
        ASSERT_GE(teams.GetCount(), 6u);
        EXPECT_EQ(matches[4].nResale[1], scan.resale);
        EXPECT_EQ(matches[4].nResaleSb[3], scan.resaleSb);
        EXPECT_EQ(matches[4].nResale[0], 0);
        EXPECT_EQ(teams[5].nResale[0], scan.teamResale);
    }
    // Read again without the offers: they end.
    site.SetScenario(R"({"offers": [{"match": 5, "category": 1}]})");
    ASSERT_TRUE(Scan(TRUE, TRUE));
    ASSERT_TRUE(Results());
    EXPECT_EQ(matches[4].nResale[1], 0);
    EXPECT_EQ(matches[4].nResaleSb[3], 0);
}

TEST_F(ScanWorker, DetailPageReadWithoutOffersEndsThemWhileTheListsStillLinkIt)
{
    // The last offer went between the list and the detail request: the
    // lists still link the pages, which offer nothing any more.
    const std::string offers = R"("offers": [{"match": 5, "resale": 2}, {"team": 6, "resale": 3}, {"team": 6, "resale": 7}])";
    SimulatedSite site("{" + offers + "}");
    ASSERT_TRUE(site.IsRunning());
    ASSERT_TRUE(Scan(TRUE, TRUE));
    ASSERT_TRUE(Results());
    ASSERT_GE(teams.GetCount(), 6u);
    ASSERT_EQ(teams[5].nResale[0], 1);
    ASSERT_EQ(teams[5].nResale[4], 1);
    ASSERT_EQ(matches[4].nResale[1], 1);

    site.SetScenario("{" + offers + R"(, "pages": {"resale-detail": {"content": "sold-out"}, "tst-detail": {"content": "sold-out"}}})");
    site.ClearRequests();
    ASSERT_TRUE(Scan(TRUE, TRUE));
    EXPECT_EQ(Messages(), LOADED);
    EXPECT_EQ(site.CountRequests("tst-detail"), 1);
    EXPECT_EQ(site.CountRequests("resale-detail"), 1);
    ASSERT_TRUE(Results());
    ASSERT_GE(teams.GetCount(), 6u);
    EXPECT_EQ(teams[5].nTeam, 6);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(teams[5].nResale[k], 0) << "TST " << k + 3;
    EXPECT_EQ(matches[4].nResale[1], 0);
}

TEST(ScanTeamTable, NamesById)
{
    EXPECT_STREQ(GetTeamNameById(8), L"Elfenbeink\u00FCste");
    for (int id : {0, 33, -1})
        EXPECT_STREQ(GetTeamNameById(id), L"") << id;
}

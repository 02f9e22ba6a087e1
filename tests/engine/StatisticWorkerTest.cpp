// The statistics worker against the simulated statistics site, started the
// way the view starts it.
#include <gtest/gtest.h>

#include "SiteMessageRecorder.h"
#include "support/SiteSimulation.h"
#include "engine/SettingsStore.h"
#include "engine/ThreadStatistic.h"
#include "engine/WorkerMessages.h"

namespace {

class StatisticWorker : public testing::Test
{
protected:
    void SetUp() override { m_worker.m_hNotifyWnd = m_window.GetHandle(); }

    void TearDown() override { StopAndTime(m_worker); }

    void Start()
    {
        StopAndTime(m_worker);
        m_worker.m_nGeneration = CSettingsStore::GetInstance().IssueStatisticGeneration();
        m_worker.m_eventStop.ResetEvent();
        m_window.Clear();
        m_worker.Start();
    }

    // The wParam of the one WM_STATISTIC_READY of the run, -1 when none came.
    int Ready()
    {
        if (!m_window.WaitFor(WM_STATISTIC_READY, 30000))
            return -1;
        Joined(m_worker);
        m_window.Drain();
        EXPECT_EQ(m_window.Count(WM_STATISTIC_READY), 1);
        EXPECT_EQ(m_window.GetMessages()[0].lParam, (LPARAM)m_worker.m_nGeneration);
        return (int)m_window.GetMessages()[0].wParam;
    }

    SiteMessageRecorder m_window;
    CThreadStatistic m_worker;
};

} // namespace

TEST_F(StatisticWorker, PageParsedHandsTheRowsToTheStore)
{
    SimulatedSite site(R"({"offers": [{"match": 1, "category": 2, "sb": true}, {"team": 8, "resale": 5, "from": 0}]})");
    ASSERT_TRUE(site.IsRunning());
    Start();
    EXPECT_EQ(Ready(), 1);
    EXPECT_EQ(site.CountRequests("statistics"), 1);

    CAtlArray<StatRow> rows;
    ASSERT_TRUE(CSettingsStore::GetInstance().GetStatisticResults(m_worker.m_nGeneration, rows));
    ASSERT_EQ(rows.GetCount(), 2u);
    EXPECT_STREQ(rows[0].strTeam1, L"Deutschland");
    EXPECT_STREQ(rows[0].strTeam2, L"Costa Rica");
    EXPECT_STREQ(rows[0].strCity, L"N\u00FCrnberg") << "Windows-1252 page";
    EXPECT_STREQ(rows[0].strCategory, L"2 s.b. ");
    EXPECT_EQ(rows[0].dtMatch, COleDateTime(2006, 6, 9, 15, 0, 0));
    EXPECT_EQ(rows[0].dtFrom.GetStatus(), COleDateTime::valid);
    EXPECT_GT(rows[0].dtFrom.m_dt, 0.0);
    EXPECT_STREQ(rows[1].strTeam1, L"Elfenbeink\u00FCste");
    EXPECT_STREQ(rows[1].strCategory, L"TST 5 R");
}

TEST_F(StatisticWorker, PageThatIsUnreadableOrCannotBeFetchedClearsTheResultsOfItsGeneration)
{
    // The view learns of the failure only through an empty result of the
    // message's generation; a failed fetch must give it one too.
    SimulatedSite site(R"({"offers": [{"match": 1, "category": 2}], "pages": {"statistics": {"content": "broken"}}})");
    ASSERT_TRUE(site.IsRunning());
    for (const char* scenario : {"", R"({"pages": {"statistics": {"status": 500}}})"})
    {
        if (*scenario)
            site.SetScenario(scenario);
        Start();
        EXPECT_EQ(Ready(), 0) << scenario;
        CAtlArray<StatRow> rows;
        rows.SetCount(3);
        ASSERT_TRUE(CSettingsStore::GetInstance().GetStatisticResults(m_worker.m_nGeneration, rows)) << scenario;
        EXPECT_EQ(rows.GetCount(), 0u);
    }
}

TEST_F(StatisticWorker, StopDuringTheFetchRecordsAndPostsNothing)
{
    SimulatedSite site(R"({"offers": [{"match": 1, "category": 2}], "pages": {"statistics": {"delay": 3}}})");
    ASSERT_TRUE(site.IsRunning());
    Start();
    testpump::PumpFor(300);  // the stop comes while the delayed page is on its way
    EXPECT_LT(StopAndTime(m_worker), 1000u);
    m_window.Drain();
    EXPECT_EQ(m_window.Count(WM_STATISTIC_READY), 0);
    CAtlArray<StatRow> rows;
    EXPECT_FALSE(CSettingsStore::GetInstance().GetStatisticResults(m_worker.m_nGeneration, rows));
}

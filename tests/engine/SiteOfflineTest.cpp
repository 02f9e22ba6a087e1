// The three workers on a machine without a default route. OfflineWorkers
// runs only there: SiteOffline starts this program again in a network
// namespace without routes (SiteOfflineRun.sh) and reads the outcome.
#include <gtest/gtest.h>

#include "SiteMessageRecorder.h"
#include "support/SiteSimulation.h"
#include "engine/OnlineCheck.h"
#include "engine/SettingsStore.h"
#include "engine/ThreadScan.h"
#include "engine/ThreadStatistic.h"
#include "engine/ThreadUpdate.h"
#include "engine/WorkerMessages.h"

TEST(SiteOffline, WorkersGiveUpAtOnceWithoutADefaultRoute)
{
    ExpectOneTestPassesOffline("offline", "OfflineWorkers.*");
}

TEST(OfflineWorkers, ScanStatisticsAndUpdatePostTheirEndAndHandOverNothing)
{
    if (IsOnline())
        GTEST_SKIP() << "runs only without a default route (SiteOffline starts it so)";
    SiteMessageRecorder window;
    DWORD exitCode = 1;
    CThreadScan scan;
    scan.m_hNotifyWnd = window.GetHandle();
    scan.StartScan(TRUE);
    ASSERT_TRUE(window.WaitFor(WM_SCAN_FINISHED, 10000));
    scan.Stop(exitCode);
    window.Drain();
    ASSERT_EQ(window.GetMessages().size(), 1u) << "only the finish";
    EXPECT_EQ(window.GetMessages()[0].lParam, (LPARAM)scan.GetGeneration());
    EXPECT_EQ(exitCode, 0u);
    CAtlArray<MatchStatus> matches;
    CAtlArray<TeamTstStatus> teams;
    EXPECT_FALSE(CSettingsStore::GetInstance().GetScanResults(scan.GetGeneration(), matches, teams));

    // Statistics record their generation without rows.
    window.Clear();
    CThreadStatistic statistic;
    statistic.m_hNotifyWnd = window.GetHandle();
    statistic.m_nGeneration = CSettingsStore::GetInstance().IssueStatisticGeneration();
    statistic.Start();
    ASSERT_TRUE(window.WaitFor(WM_STATISTIC_READY, 10000));
    statistic.Stop(exitCode);
    EXPECT_EQ(window.GetMessages()[0].wParam, 0u);
    CAtlArray<StatRow> rows;
    rows.SetCount(2);
    EXPECT_TRUE(CSettingsStore::GetInstance().GetStatisticResults(statistic.m_nGeneration, rows));
    EXPECT_EQ(rows.GetCount(), 0u);

    window.Clear();
    CThreadUpdate update;
    update.m_hNotifyWnd = window.GetHandle();
    update.StartUpdate();
    ASSERT_TRUE(window.WaitFor(WM_INFOFILE_UPDATED, 10000));
    update.Stop(exitCode);
    EXPECT_EQ(window.GetMessages()[0].wParam, 0u);
}

// The three workers on a machine without a default route. The tests of
// OfflineWorkers run only there: SiteOffline starts this program again in a
// network namespace without routes (SiteOfflineRun.sh) and reads the outcome.
#include <gtest/gtest.h>

#include "SiteMessageRecorder.h"
#include "SiteSimulation.h"
#include "engine/OnlineCheck.h"
#include "engine/SettingsStore.h"
#include "engine/ThreadScan.h"
#include "engine/ThreadStatistic.h"
#include "engine/ThreadUpdate.h"
#include "engine/WorkerMessages.h"

TEST(SiteOffline, WorkersGiveUpAtOnceWithoutADefaultRoute)
{
    ASSERT_FALSE(TestFolderUnix().empty()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    char display[256] = "";
    GetEnvironmentVariableA("DISPLAY", display, sizeof display);
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    char exeUnix[MAX_PATH * 2] = "";
    // Z:\x\y is /x/y.
    WideCharToMultiByte(CP_UTF8, 0, exe + 2, -1, exeUnix, sizeof exeUnix, nullptr, nullptr);
    for (char* c = exeUnix; *c; ++c)
        if (*c == '\\')
            *c = '/';
    std::string build = TestFolderUnix().substr(0, TestFolderUnix().size() - std::string("/testrun/engine").size());
    std::string result = TestFolderUnix() + "/offline-" + std::to_string(GetCurrentProcessId());
    DeleteFileW(WindowsPathOf(result).c_str());

    ASSERT_TRUE(StartLinuxProgram("Z:\\bin\\sh " + SourceFolderUnix() +
                                  "/tests/engine/SiteOfflineRun.sh " + exeUnix + " " + result + " " + build +
                                  "/wineprefix " + display));
    std::string rc, log;
    for (int waited = 0; waited < 120000 && !ReadWholeFile(WindowsPathOf(result), rc); waited += 200)
        Sleep(200);
    ReadWholeFile(WindowsPathOf(result + ".log"), log);
    DeleteFileW(WindowsPathOf(result).c_str());
    DeleteFileW(WindowsPathOf(result + ".log").c_str());
    ASSERT_FALSE(rc.empty()) << "the offline run did not end\n" << log;
    if (rc.compare(0, 4, "skip") == 0)
        GTEST_SKIP() << "this machine allows no network namespace without routes";
    EXPECT_EQ(rc[0], '0') << log;
    EXPECT_NE(log.find("[  PASSED  ] 3 tests"), std::string::npos) << log;
}

namespace {

class OfflineWorkers : public testing::Test
{
protected:
    void SetUp() override
    {
        if (IsOnline())
            GTEST_SKIP() << "runs only without a default route (SiteOffline starts it so)";
    }

    SiteMessageRecorder m_window;
};

} // namespace

TEST_F(OfflineWorkers, ScanPostsOnlyFinishedAndHandsOverNothing)
{
    CThreadScan scan;
    scan.m_hNotifyWnd = m_window.GetHandle();
    scan.StartScan(TRUE);
    ASSERT_TRUE(m_window.WaitFor(WM_SCAN_FINISHED, 10000));
    DWORD exitCode = 1;
    scan.Stop(exitCode);
    m_window.Pump(100);
    ASSERT_EQ(m_window.GetMessages().size(), 1u);
    EXPECT_EQ(m_window.GetMessages()[0].lParam, (LPARAM)scan.GetGeneration());
    EXPECT_EQ(exitCode, 0u);
    CAtlArray<MatchStatus> matches;
    CAtlArray<TeamTstStatus> teams;
    EXPECT_FALSE(CSettingsStore::GetInstance().GetScanResults(scan.GetGeneration(), matches, teams));
}

TEST_F(OfflineWorkers, StatisticRecordsItsGenerationWithoutRows)
{
    CThreadStatistic worker;
    worker.m_hNotifyWnd = m_window.GetHandle();
    worker.m_nGeneration = CSettingsStore::GetInstance().IssueStatisticGeneration();
    worker.Start();
    ASSERT_TRUE(m_window.WaitFor(WM_STATISTIC_READY, 10000));
    DWORD exitCode = 1;
    worker.Stop(exitCode);
    EXPECT_EQ(m_window.GetMessages()[0].wParam, 0u);
    CAtlArray<StatRow> rows;
    rows.SetCount(2);
    EXPECT_TRUE(CSettingsStore::GetInstance().GetStatisticResults(worker.m_nGeneration, rows));
    EXPECT_EQ(rows.GetCount(), 0u);
}

TEST_F(OfflineWorkers, UpdateReplacesNothing)
{
    CThreadUpdate worker;
    worker.m_hNotifyWnd = m_window.GetHandle();
    worker.StartUpdate();
    ASSERT_TRUE(m_window.WaitFor(WM_INFOFILE_UPDATED, 10000));
    DWORD exitCode = 1;
    worker.Stop(exitCode);
    EXPECT_EQ(m_window.GetMessages()[0].wParam, 0u);
}

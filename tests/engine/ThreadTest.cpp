// The worker-thread base: start, co-operative stop, kill, exit codes and the
// class-wide list of running thread names.
#include <gtest/gtest.h>

#include "engine/Thread.h"

namespace {

// A worker whose body waits for its stop event (or returns at once) and
// returns a chosen exit code.
class CTestWorker : public CThread
{
public:
    explicit CTestWorker(LPCTSTR pszName = L"CTestWorker", BOOL bSynchronised = TRUE, BOOL bWaitForStop = TRUE)
        : m_stop(FALSE, TRUE), m_started(FALSE, TRUE), m_bWaitForStop(bWaitForStop)
    {
        m_strName = pszName;
        m_bSynchronised = bSynchronised;
    }

    CEvent m_stop;
    CEvent m_started;
    DWORD m_dwResult = 7;
    volatile LONG m_nRuns = 0;
    volatile LONG m_nKilled = 0;

    // Waits until the body is running.
    bool WaitStarted() { return WaitForSingleObject(m_started, 5000) == WAIT_OBJECT_0; }
    // Waits until the body has returned and its end routine has run.
    bool WaitEnded()
    {
        for (int i = 0; i < 500; ++i)
        {
            if (!IsRunning() && GetExitCode() != STILL_ACTIVE)
                return true;
            Sleep(10);
        }
        return false;
    }

protected:
    DWORD Run() override
    {
        InterlockedIncrement(&m_nRuns);
        m_started.SetEvent();
        if (m_bWaitForStop)
            WaitForSingleObject(m_stop, INFINITE);
        return m_dwResult;
    }

    void OnKilled() override { InterlockedIncrement(&m_nKilled); }

private:
    BOOL m_bWaitForStop;
};

} // namespace

TEST(Thread, NeverStartedWorkerStopsAtOnceWithExitCodeMinusTwo)
{
    CTestWorker worker;
    DWORD dwCode = 0;
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(worker.Stop(dwCode));
    EXPECT_EQ(dwCode, DWORD(-2));
    EXPECT_EQ(worker.GetExitCode(), DWORD(-2));
}

TEST(Thread, StopWaitsForTheBodyAndHandsOutItsResult)
{
    CTestWorker worker;
    worker.m_dwResult = 42;
    worker.Start();
    ASSERT_TRUE(worker.WaitStarted());
    EXPECT_TRUE(worker.IsRunning());
    EXPECT_EQ(worker.GetExitCode(), DWORD(STILL_ACTIVE));

    worker.m_stop.SetEvent();
    DWORD dwCode = 0;
    EXPECT_TRUE(worker.Stop(dwCode));
    EXPECT_EQ(dwCode, 42u);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(worker.m_nRuns, 1);
}

TEST(Thread, StartingARunningWorkerThrowsAndLeavesItRunning)
{
    CTestWorker worker;
    worker.Start();
    ASSERT_TRUE(worker.WaitStarted());
    CThreadException* pCaught = nullptr;
    try
    {
        worker.Start();
    }
    catch (CThreadException* e)
    {
        pCaught = e;
    }
    ASSERT_NE(pCaught, nullptr);
    EXPECT_EQ(pCaught->GetCode(), 2);
    EXPECT_EQ(pCaught->GetCode(), int(CThreadException::AlreadyStarted));
    EXPECT_EQ(pCaught->GetMessage(), L"Thread is already started!");
    EXPECT_EQ(pCaught->GetThread(), &worker);
    WCHAR szMessage[64] = {};
    EXPECT_TRUE(pCaught->GetErrorMessage(szMessage, 64));
    EXPECT_STREQ(szMessage, L"Thread is already started!");
    EXPECT_TRUE(pCaught->IsKindOf(RUNTIME_CLASS(CException)));
    pCaught->Delete();

    EXPECT_TRUE(worker.IsRunning());
    EXPECT_EQ(worker.m_nRuns, 1);
    worker.m_stop.SetEvent();
    DWORD dwCode = 0;
    EXPECT_TRUE(worker.Stop(dwCode));
    EXPECT_EQ(dwCode, 7u);
}

TEST(Thread, RestartsAfterTheBodyReturnedWithoutStop)
{
    CTestWorker worker(L"CTestWorker", TRUE, FALSE);
    worker.m_dwResult = 3;
    worker.Start();
    ASSERT_TRUE(worker.WaitEnded());
    EXPECT_EQ(worker.GetExitCode(), 3u);

    worker.m_dwResult = 4;
    EXPECT_NO_THROW(worker.Start());
    ASSERT_TRUE(worker.WaitEnded());
    EXPECT_EQ(worker.m_nRuns, 2);
    DWORD dwCode = 0;
    EXPECT_TRUE(worker.Stop(dwCode));
    EXPECT_EQ(dwCode, 4u);
}

TEST(Thread, KillEndsARunningBodyWithExitCodeZero)
{
    CTestWorker worker;
    worker.Start();
    ASSERT_TRUE(worker.WaitStarted());
    EXPECT_EQ(CThread::GetRunningCountOf(L"CTestWorker"), 1);

    worker.Kill();
    EXPECT_EQ(worker.m_nKilled, 1);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(worker.GetExitCode(), 0u);
    EXPECT_EQ(CThread::GetRunningCountOf(L"CTestWorker"), 0);
    DWORD dwCode = 99;
    EXPECT_TRUE(worker.Stop(dwCode));
    EXPECT_EQ(dwCode, 0u);

    // Killing an idle worker only records exit code 0.
    CTestWorker idle;
    idle.Kill();
    EXPECT_EQ(idle.GetExitCode(), 0u);
    EXPECT_EQ(idle.m_nKilled, 1);
}

TEST(Thread, DestroyingARunningWorkerTerminatesItWithoutWaiting)
{
    CTestWorker* pWorker = new CTestWorker(L"CDoomedWorker");
    pWorker->Start();
    ASSERT_TRUE(pWorker->WaitStarted());
    EXPECT_EQ(CThread::GetRunningCountOf(L"CDoomedWorker"), 1);
    DWORD dwStart = GetTickCount();
    delete pWorker;
    EXPECT_LT(GetTickCount() - dwStart, 1000u);
    EXPECT_EQ(CThread::GetRunningCountOf(L"CDoomedWorker"), 0);
}

TEST(Thread, WorkersOfOneNameShareOneListEntry)
{
    CTestWorker first(L"CThreadScan");
    CTestWorker second(L"CThreadScan");
    CTestWorker other(L"CThreadStatistic");
    CTestWorker unlisted(L"CUnlisted", FALSE);
    first.Start();
    second.Start();
    other.Start();
    unlisted.Start();
    ASSERT_TRUE(first.WaitStarted() && second.WaitStarted() && other.WaitStarted() && unlisted.WaitStarted());
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadScan"), 2);
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadStatistic"), 1);
    EXPECT_EQ(CThread::GetRunningCountOf(L"cthreadscan"), 0);
    EXPECT_EQ(CThread::GetRunningCountOf(L"CUnlisted"), 0);

    DWORD dwCode = 0;
    first.m_stop.SetEvent();
    EXPECT_TRUE(first.Stop(dwCode));
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadScan"), 1);
    second.m_stop.SetEvent();
    EXPECT_TRUE(second.Stop(dwCode));
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadScan"), 0);
    other.m_stop.SetEvent();
    unlisted.m_stop.SetEvent();
    EXPECT_TRUE(other.Stop(dwCode));
    EXPECT_TRUE(unlisted.Stop(dwCode));
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadStatistic"), 0);
}

TEST(Thread, ManyRestartsKeepTheListBalanced)
{
    CTestWorker worker(L"CRestarted", TRUE, FALSE);
    for (int i = 0; i < 10; ++i)
    {
        worker.m_dwResult = DWORD(i);
        worker.Start();
        DWORD dwCode = 0;
        ASSERT_TRUE(worker.Stop(dwCode));
        ASSERT_EQ(dwCode, DWORD(i));
    }
    EXPECT_EQ(CThread::GetRunningCountOf(L"CRestarted"), 0);
    EXPECT_EQ(worker.m_nRuns, 10);
}

TEST(Thread, WorkersReportTheBaseRunTimeClass)
{
    CTestWorker worker;
    EXPECT_STREQ(worker.GetRuntimeClass()->m_lpszClassName, "CThread");
    EXPECT_TRUE(worker.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_EQ(worker.GetName(), L"CTestWorker");
}

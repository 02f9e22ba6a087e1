// The worker-thread base: start, co-operative stop, kill, exit codes and the
// class-wide list of running thread names.
#include <gtest/gtest.h>

#include "engine/Thread.h"
#include "support/TestPump.h"

#include "AllocationFailure.h"

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

    bool WaitStarted() { return WaitForSingleObject(m_started, 5000) == WAIT_OBJECT_0; }
    DWORD StopNow()
    {
        m_stop.SetEvent();
        DWORD dwCode = 0;
        EXPECT_TRUE(Stop(dwCode));
        return dwCode;
    }

    CEvent m_stop;
    CEvent m_started;
    DWORD m_dwResult = 7;
    volatile LONG m_nRuns = 0;
    volatile LONG m_nKilled = 0;

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

// Whether another thread can take the class-wide lock (a start that failed
// must not leave it held).
DWORD WINAPI ProbeClassLock(LPVOID)
{
    return DWORD(CThread::GetRunningCountOf(L"x"));
}

bool ClassLockIsFree()
{
    HANDLE hProbe = CreateThread(nullptr, 0, &ProbeClassLock, nullptr, 0, nullptr);
    const bool bFree = WaitForSingleObject(hProbe, 3000) == WAIT_OBJECT_0;
    CloseHandle(hProbe);
    return bFree;
}

} // namespace

TEST(Thread, StopWaitsForTheBodyAndHandsOutItsResult)
{
    CTestWorker worker;
    DWORD dwCode = 0;
    EXPECT_TRUE(worker.Stop(dwCode));  // never started
    EXPECT_EQ(dwCode, DWORD(-2));
    EXPECT_EQ(worker.GetExitCode(), DWORD(-2));

    worker.m_dwResult = 42;
    worker.Start();
    ASSERT_TRUE(worker.WaitStarted());
    EXPECT_TRUE(worker.IsRunning());
    EXPECT_EQ(worker.GetExitCode(), DWORD(STILL_ACTIVE));
    EXPECT_EQ(worker.StopNow(), 42u);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(worker.m_nRuns, 1);
}

TEST(Thread, StartingARunningWorkerThrowsAndLeavesItRunning)
{
    CTestWorker worker;
    worker.Start();
    ASSERT_TRUE(worker.WaitStarted());
    CThreadException* pCaught = nullptr;
    try { worker.Start(); } catch (CThreadException* e) { pCaught = e; }
    ASSERT_NE(pCaught, nullptr);
    EXPECT_EQ(pCaught->GetCode(), 2);
    EXPECT_EQ(pCaught->GetMessage(), L"Thread is already started!");
    EXPECT_EQ(pCaught->GetThread(), &worker);
    WCHAR szMessage[64] = {};
    EXPECT_TRUE(pCaught->GetErrorMessage(szMessage, 64));
    EXPECT_STREQ(szMessage, L"Thread is already started!");
    pCaught->Delete();

    EXPECT_TRUE(worker.IsRunning());
    EXPECT_EQ(worker.m_nRuns, 1);
    EXPECT_EQ(worker.StopNow(), 7u);
}

TEST(Thread, StartShortOfMemoryThrowsTheMemoryExceptionAndLeavesTheLockFree)
{
    // Every allocation of a start fails in turn: of a new name-list entry,
    // of a shared one, and of the exception for a worker that still runs.
    CTestWorker first(L"CMemoryShort");
    CTestWorker second(L"CMemoryShort");
    for (CTestWorker* pWorker : {&first, &second})
    {
        for (int nAllocation = 1;; ++nAllocation)
        {
            SCOPED_TRACE(nAllocation);
            CMemoryException* pCaught = nullptr;
            bool bRefused = false;
            {
                CFailingAllocations failing(nAllocation);
                try { pWorker->Start(); } catch (CMemoryException* e) { pCaught = e; }
                bRefused = failing.Refused();
            }
            ASSERT_TRUE(ClassLockIsFree());
            if (pCaught == nullptr)
            {
                ASSERT_TRUE(pWorker->WaitStarted());
                if (!bRefused)
                    break;
                pWorker->StopNow();
                continue;
            }
            pCaught->Delete();
            EXPECT_FALSE(pWorker->IsRunning());
            EXPECT_EQ(CThread::GetRunningCountOf(L"CMemoryShort"), pWorker == &first ? 0 : 1);
        }
    }
    EXPECT_EQ(CThread::GetRunningCountOf(L"CMemoryShort"), 2);

    CMemoryException* pCaught = nullptr;
    {
        CFailingAllocations failing(1);
        try { first.Start(); } catch (CMemoryException* e) { pCaught = e; }
    }
    ASSERT_NE(pCaught, nullptr);
    pCaught->Delete();
    EXPECT_TRUE(ClassLockIsFree());
    EXPECT_TRUE(first.IsRunning());
    first.StopNow();
    second.StopNow();
    EXPECT_EQ(CThread::GetRunningCountOf(L"CMemoryShort"), 0);
}

TEST(Thread, RestartsWhetherOrNotStopWasCalledAfterTheBody)
{
    CTestWorker worker(L"CRestarted", TRUE, FALSE);
    worker.Start();
    // The end routine clears the handle: no Stop is needed before a restart.
    testpump::WaitUntil([&] { return !worker.IsRunning() && worker.GetExitCode() == 7; });
    EXPECT_EQ(worker.GetExitCode(), 7u);
    for (int i = 0; i < 10; ++i)
    {
        worker.m_dwResult = DWORD(i);
        ASSERT_NO_THROW(worker.Start());
        DWORD dwCode = 0;
        ASSERT_TRUE(worker.Stop(dwCode));
        ASSERT_EQ(dwCode, DWORD(i));
    }
    EXPECT_EQ(worker.m_nRuns, 11);
    EXPECT_EQ(CThread::GetRunningCountOf(L"CRestarted"), 0);
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
}

TEST(Thread, DestroyingARunningWorkerTerminatesItWithoutWaiting)
{
    CTestWorker* pWorker = new CTestWorker(L"CDoomedWorker");
    pWorker->Start();
    ASSERT_TRUE(pWorker->WaitStarted());
    DWORD dwStart = GetTickCount();
    delete pWorker;
    EXPECT_LT(GetTickCount() - dwStart, testpump::kDeadline) << "the body waits for its stop without end";
    EXPECT_EQ(CThread::GetRunningCountOf(L"CDoomedWorker"), 0);
}

TEST(Thread, WorkersOfOneNameShareOneListEntry)
{
    CTestWorker first(L"CThreadScan");
    CTestWorker second(L"CThreadScan");
    CTestWorker other(L"CThreadStatistic");
    CTestWorker unlisted(L"CUnlisted", FALSE);
    for (CTestWorker* pWorker : {&first, &second, &other, &unlisted})
    {
        pWorker->Start();
        ASSERT_TRUE(pWorker->WaitStarted());
    }
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadScan"), 2);
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadStatistic"), 1);
    EXPECT_EQ(CThread::GetRunningCountOf(L"cthreadscan"), 0);
    EXPECT_EQ(CThread::GetRunningCountOf(L"CUnlisted"), 0);
    first.StopNow();
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadScan"), 1);
    second.StopNow();
    other.StopNow();
    unlisted.StopNow();
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadScan"), 0);
    EXPECT_EQ(CThread::GetRunningCountOf(L"CThreadStatistic"), 0);
}

#include <gtest/gtest.h>
#include "framework/core/CProcessLocal.h"
#include "framework/core/CThreadLocal.h"

namespace
{
LONG g_created = 0;
LONG g_destroyed = 0;

class CCounter : public CNoTrackObject
{
public:
    CCounter() { InterlockedIncrement(&g_created); }
    ~CCounter() override { InterlockedIncrement(&g_destroyed); }
    DWORD m_owner = GetCurrentThreadId();
};

CThreadLocal<CCounter> g_perThread;
CProcessLocal<CCounter> g_perProcess;

struct ThreadResult
{
    CCounter* first;
    CCounter* second;
    CCounter* shared;
};

DWORD WINAPI UseSlots(LPVOID p)
{
    ThreadResult* result = static_cast<ThreadResult*>(p);
    result->first = g_perThread.GetData();
    result->second = g_perThread;
    result->shared = g_perProcess.GetData();
    AfxTermThread();
    return 0;
}
}

TEST(LocalSlots, ThreadObjectsAreSeparateAndFreedAtThreadEnd)
{
    CCounter* mine = g_perThread.GetData();
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->m_owner, GetCurrentThreadId());
    EXPECT_EQ(g_perThread.GetData(), mine);
    LONG destroyedBefore = g_destroyed;

    ThreadResult results[4] = {};
    HANDLE threads[4];
    for (int i = 0; i < 4; ++i)
        threads[i] = CreateThread(nullptr, 0, UseSlots, &results[i], 0, nullptr);
    WaitForMultipleObjects(4, threads, TRUE, INFINITE);
    for (HANDLE h : threads)
        CloseHandle(h);

    for (const ThreadResult& r : results) {
        EXPECT_NE(r.first, mine);
        EXPECT_EQ(r.first, r.second);  // same object within one thread
        EXPECT_EQ(r.shared, results[0].shared);  // one object for the process
    }
    EXPECT_EQ(g_perProcess.GetData(), results[0].shared);
    EXPECT_EQ(g_destroyed, destroyedBefore + 4);  // each thread's object, once
    EXPECT_EQ(g_perThread.GetDataNA(), mine);  // ours untouched

    g_perThread.RemoveCurrentThreadData();
    EXPECT_EQ(g_perThread.GetDataNA(), nullptr);
    EXPECT_EQ(g_destroyed, destroyedBefore + 5);
}

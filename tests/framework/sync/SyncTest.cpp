#include <gtest/gtest.h>
#include "framework/sync/CCriticalSection.h"
#include "framework/sync/CEvent.h"
#include "framework/sync/CSingleLock.h"

TEST(Sync, EventsResetManuallyOrAutomatically)
{
    CEvent manual(FALSE, TRUE);
    CSingleLock waitManual(&manual);
    EXPECT_FALSE(waitManual.Lock(0));
    manual.SetEvent();
    EXPECT_TRUE(waitManual.Lock(0));
    waitManual.Unlock();
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);  // stays signalled
    manual.ResetEvent();
    EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    CEvent automatic(TRUE, FALSE);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    automatic.PulseEvent();  // nobody waits: stays unsignalled
    EXPECT_EQ(WaitForSingleObject(automatic, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

namespace
{
struct Shared
{
    CCriticalSection lock;
    int counter = 0;
};

DWORD WINAPI AddMany(LPVOID p)
{
    Shared* shared = static_cast<Shared*>(p);
    for (int i = 0; i < 50000; ++i) {
        CSingleLock guard(&shared->lock, TRUE);
        int value = shared->counter;
        shared->counter = value + 1;
    }
    return 0;
}
}

namespace
{
DWORD WINAPI TryEnter(LPVOID p)
{
    CCriticalSection* section = static_cast<CCriticalSection*>(p);
    if (!TryEnterCriticalSection(*section))
        return 1;
    section->Unlock();
    return 0;
}
}

TEST(Sync, CriticalSectionGuardsAndSingleLockReleasesAtScopeEnd)
{
    Shared shared;
    HANDLE threads[3];
    for (HANDLE& h : threads)
        h = CreateThread(nullptr, 0, AddMany, &shared, 0, nullptr);
    WaitForMultipleObjects(3, threads, TRUE, INFINITE);
    for (HANDLE h : threads)
        CloseHandle(h);
    EXPECT_EQ(shared.counter, 150000);

    {
        CSingleLock guard(&shared.lock);
        EXPECT_FALSE(guard.IsLocked());
        EXPECT_TRUE(guard.Lock());
        EXPECT_TRUE(guard.Lock());  // already held: not entered twice
        EXPECT_TRUE(guard.IsLocked());
    }
    // Another thread can enter now, so the scope end released it.
    HANDLE probe = CreateThread(nullptr, 0, TryEnter, &shared.lock, 0, nullptr);
    WaitForSingleObject(probe, INFINITE);
    DWORD code = 99;
    GetExitCodeThread(probe, &code);
    CloseHandle(probe);
    EXPECT_EQ(code, 0u);
}

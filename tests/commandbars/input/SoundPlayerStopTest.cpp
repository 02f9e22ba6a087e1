// Stopping the menu sound player while its worker is stuck in a sound call
// that stopping the process's sounds does not end.
#include <gtest/gtest.h>

#include <atomic>

#include "support/TestPump.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"

namespace {

HANDLE g_hUnblock = CreateEventW(nullptr, TRUE, FALSE, nullptr);
std::atomic<DWORD> g_stuckThreadId{0};
std::atomic<int> g_purges{0};

// A sound device that does not come back; it gives up by itself after a
// while so that a stop that waits for it does not hang the test program.
BOOL WINAPI StuckPlaySound(LPCWSTR pszSound, HMODULE, DWORD dwFlags)
{
    if (pszSound == nullptr)
    {
        if (dwFlags & SND_PURGE)
            ++g_purges;
        return TRUE;
    }
    g_stuckThreadId = GetCurrentThreadId();
    WaitForSingleObject(g_hUnblock, 4000);
    return TRUE;
}

} // namespace

TEST(SoundPlayerStop, WaitsAboutASecondThenLeavesTheWorkerToEndByItself)
{
    CXTPSoundManager player;
    player.SetPlayProc(&StuckPlaySound);
    ResetEvent(g_hUnblock);
    g_stuckThreadId = 0;
    g_purges = 0;

    player.PlaySystemSound(xtpSoundMenuCommand);
    ASSERT_TRUE(testpump::WaitUntil([] { return g_stuckThreadId != 0; }));
    HANDLE hWorker = OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, g_stuckThreadId);
    ASSERT_NE(nullptr, hWorker);

    DWORD dwStart = GetTickCount();
    player.StopThread();
    DWORD dwWaited = GetTickCount() - dwStart;
    EXPECT_GE(dwWaited, 800u) << "waits for the worker about a second";
    EXPECT_LE(dwWaited, 2500u) << "and then goes on";
    EXPECT_FALSE(player.IsThreadRunning());
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(hWorker, 0)) << "the worker is not killed";

    // The next request gets a worker of its own.
    player.PlaySystemSound(xtpSoundMenuPopup);
    EXPECT_TRUE(player.IsThreadRunning());

    // Once the sound returns, the left worker ends normally: it purges the
    // sounds from its own state and exits with 0.
    SetEvent(g_hUnblock);
    ASSERT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(hWorker, testpump::kDeadline));
    DWORD dwExit = 1;
    GetExitCodeThread(hWorker, &dwExit);
    EXPECT_EQ(0u, dwExit);
    CloseHandle(hWorker);
    EXPECT_TRUE(testpump::WaitUntil([] { return g_purges >= 1; }));

    player.StopThread();
    EXPECT_EQ(2, g_purges.load()) << "the second worker ends within the wait";
}

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <thread>

#include "framework/core/CThreadStorage.h"

namespace
{
LONG g_deleted = 0;
LONG g_deletedFromFreedMemory = 0;

// Checks at its end that its memory is still its own: blocks of its size
// asked for now must lie elsewhere.
struct CProbe
{
    static constexpr DWORD kAlive = 0x4C495645;
    DWORD m_mark = kAlive;
    DWORD m_thread = ::GetCurrentThreadId();
    char m_payload[56] = {};

    ~CProbe()
    {
        bool freed = m_mark != kAlive || m_thread != ::GetCurrentThreadId();
        void* blocks[8];
        for (void*& block : blocks) {
            block = std::malloc(sizeof(CProbe) + 8);
            const char* start = static_cast<const char*>(block);
            const char* self = reinterpret_cast<const char*>(this);
            if (start < self + sizeof(CProbe) && self < start + sizeof(CProbe) + 8)
                freed = true;
        }
        for (void* block : blocks)
            std::free(block);
        m_mark = 0;
        if (freed)
            InterlockedIncrement(&g_deletedFromFreedMemory);
        InterlockedIncrement(&g_deleted);
    }
};

CThreadStorage<CProbe> g_probes;

struct Seen
{
    CProbe* first;
    CProbe* second;
};

DWORD WINAPI UseProbe(LPVOID result)
{
    Seen* seen = static_cast<Seen*>(result);
    seen->first = &g_probes.Get();
    seen->second = &g_probes.Get();
    return 0;
}
} // namespace

TEST(ThreadStorage, EachThreadHasItsObjectDeletedWhileStillItsOwnWhenTheThreadEnds)
{
    CProbe* mine = &g_probes.Get();
    const LONG deletedBefore = g_deleted;
    Seen seen[6] = {};
    for (int i = 0; i < 3; ++i) {
        HANDLE thread = ::CreateThread(nullptr, 0, UseProbe, &seen[i], 0, nullptr);
        ASSERT_NE(thread, nullptr);
        ::WaitForSingleObject(thread, INFINITE);
        ::CloseHandle(thread);
    }
    for (int i = 3; i < 6; ++i)
        std::thread([&seen, i] { UseProbe(&seen[i]); }).join();

    for (const Seen& s : seen) {
        EXPECT_NE(s.first, mine);
        EXPECT_EQ(s.first, s.second);
    }
    EXPECT_EQ(g_deleted, deletedBefore + 6);
    EXPECT_EQ(g_deletedFromFreedMemory, 0);
    EXPECT_EQ(&g_probes.Get(), mine);
    EXPECT_EQ(mine->m_mark, CProbe::kAlive);
}

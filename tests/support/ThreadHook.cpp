#include "support/ThreadHook.h"
#include "support/PendingTestItems.h"

#include <string>

namespace testhook {

HHOOK Set(int idHook, HOOKPROC proc, const char* file, int line)
{
    HHOOK hHook = ::SetWindowsHookExW(idHook, proc, nullptr, ::GetCurrentThreadId());
    if (hHook != nullptr)
        testpending::Add(testpending::Kind::Hook, reinterpret_cast<UINT_PTR>(hHook),
                         "hook (type " + std::to_string(idHook) + ") set at " + testpending::Where(file, line));
    return hHook;
}

void Remove(HHOOK hHook)
{
    if (hHook == nullptr)
        return;
    ::UnhookWindowsHookEx(hHook);
    testpending::Remove(testpending::Kind::Hook, reinterpret_cast<UINT_PTR>(hHook));
}

HWINEVENTHOOK SetWinEvent(DWORD eventMin, DWORD eventMax, HMODULE hModule, WINEVENTPROC proc, DWORD process,
                          DWORD thread, DWORD flags, const char* file, int line)
{
    HWINEVENTHOOK hHook = ::SetWinEventHook(eventMin, eventMax, hModule, proc, process, thread, flags);
    if (hHook != nullptr)
        testpending::Add(testpending::Kind::WinEventHook, reinterpret_cast<UINT_PTR>(hHook),
                         "event hook set at " + testpending::Where(file, line));
    return hHook;
}

void RemoveWinEvent(HWINEVENTHOOK hHook)
{
    if (hHook == nullptr)
        return;
    ::UnhookWinEvent(hHook);
    testpending::Remove(testpending::Kind::WinEventHook, reinterpret_cast<UINT_PTR>(hHook));
}

ThreadHook::ThreadHook(int idHook, HOOKPROC proc, const char* file, int line)
    : m_hHook(Set(idHook, proc, file, line))
{
}

ThreadHook::~ThreadHook()
{
    Remove();
}

void ThreadHook::Remove()
{
    HHOOK hHook = m_hHook;
    m_hHook = nullptr;
    testhook::Remove(hHook);
}

} // namespace testhook

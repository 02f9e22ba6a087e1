// Hooks a test sets (SetWindowsHookEx on this thread, SetWinEventHook):
// recorded until removed, so that one a test leaves set is named and
// removed at the test's end instead of seeing a later test's messages.
#pragma once
#include <windows.h>

namespace testhook {

// SetWindowsHookExW(idHook, proc, nullptr, this thread), recorded with the
// place that set it.
HHOOK Set(int idHook, HOOKPROC proc, const char* file = __builtin_FILE(), int line = __builtin_LINE());

// UnhookWindowsHookEx and off the record; null does nothing.
void Remove(HHOOK hHook);

// A hook that lives as long as the object (or until Remove).
class ThreadHook
{
public:
    ThreadHook() = default;
    ThreadHook(int idHook, HOOKPROC proc, const char* file = __builtin_FILE(), int line = __builtin_LINE());
    ~ThreadHook();
    ThreadHook(const ThreadHook&) = delete;
    ThreadHook& operator=(const ThreadHook&) = delete;

    void Remove();
    HHOOK Handle() const { return m_hHook; }

private:
    HHOOK m_hHook = nullptr;
};

// SetWinEventHook with the same arguments, recorded; and its removal.
HWINEVENTHOOK SetWinEvent(DWORD eventMin, DWORD eventMax, HMODULE hModule, WINEVENTPROC proc, DWORD process,
                          DWORD thread, DWORD flags, const char* file = __builtin_FILE(), int line = __builtin_LINE());
void RemoveWinEvent(HWINEVENTHOOK hHook);

} // namespace testhook

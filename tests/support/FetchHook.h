// Something done inside a modal loop's fetch of a message: runs once, in the
// fetch of the first `message` (after `skip` others) taken off the queue
// while `captured` holds the mouse, as a message handled during that fetch
// (another thread's request) would, just before the loop sees the message.
#pragma once
#include <windows.h>
#include <functional>
#include <utility>

#include "support/ThreadHook.h"

class CFetchHook
{
public:
    CFetchHook(UINT message, HWND captured, std::function<void()> action, int skip = 0)
        : m_message(message)
        , m_captured(captured)
        , m_action(std::move(action))
        , m_nSkip(skip)
    {
        s_pHook = this;
        m_hHook = testhook::Set(WH_GETMESSAGE, Proc);
    }
    ~CFetchHook()
    {
        testhook::Remove(m_hHook);
        s_pHook = nullptr;
    }
    CFetchHook(const CFetchHook&) = delete;
    CFetchHook& operator=(const CFetchHook&) = delete;
    bool Fired() const { return m_bFired; }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam)
    {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        CFetchHook* hook = s_pHook;
        if (code == HC_ACTION && wParam == PM_REMOVE && hook && !hook->m_bFired && msg->message == hook->m_message &&
            ::GetCapture() == hook->m_captured && hook->m_nSkip-- == 0)
        {
            hook->m_bFired = true;
            hook->m_action();
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline CFetchHook* s_pHook = nullptr;
    HHOOK m_hHook = nullptr;
    UINT m_message;
    HWND m_captured;
    std::function<void()> m_action;
    int m_nSkip;
    bool m_bFired = false;
};

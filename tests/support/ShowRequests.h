// Every minimize, maximize or restore asked of a window of this thread, and
// every window hidden, while it lives: for tests of what must leave windows
// on the screen as they are.
#pragma once
#include <windows.h>

#include <vector>

#include "support/ThreadHook.h"

class CShowRequests
{
public:
    CShowRequests()
    {
        s_pThis = this;
        m_hCbt = testhook::Set(WH_CBT, OnCbt);
        m_hCall = testhook::Set(WH_CALLWNDPROC, OnCall);
    }
    ~CShowRequests()
    {
        testhook::Remove(m_hCbt);
        testhook::Remove(m_hCall);
        s_pThis = nullptr;
    }
    CShowRequests(const CShowRequests&) = delete;
    CShowRequests& operator=(const CShowRequests&) = delete;

    bool IsHooked() const { return m_hCbt != nullptr && m_hCall != nullptr; }

    std::vector<HWND> minMaxed, hidden;

private:
    static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_MINMAX && s_pThis != nullptr)
            s_pThis->minMaxed.push_back(reinterpret_cast<HWND>(wParam));
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static LRESULT CALLBACK OnCall(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* pCall = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && s_pThis != nullptr && pCall->message == WM_SHOWWINDOW && !pCall->wParam)
            s_pThis->hidden.push_back(pCall->hwnd);
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static inline CShowRequests* s_pThis = nullptr;
    HHOOK m_hCbt = nullptr, m_hCall = nullptr;
};

// A hidden window that runs an action when a message posted to it comes: a
// change that a press or drag loop dispatches while it runs, as another
// window's message would.
#pragma once
#include <functional>
#include <utility>
#include "framework/windows/CWnd.h"

class CPostedActionWindow : public CWnd
{
public:
    explicit CPostedActionWindow(std::function<void(WPARAM)> action)
        : m_action(std::move(action))
    {
        CreateEx(0, AfxRegisterWndClass(0), L"Ausloeser", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    }
    ~CPostedActionWindow() override { DestroyWindow(); }

    void Post(WPARAM wParam = 0) { ::PostMessageW(m_hWnd, kMessage, wParam, 0); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != kMessage)
            return CWnd::WindowProc(message, wParam, lParam);
        m_action(wParam);
        return 0;
    }

private:
    static constexpr UINT kMessage = WM_APP + 7;
    std::function<void(WPARAM)> m_action;
};

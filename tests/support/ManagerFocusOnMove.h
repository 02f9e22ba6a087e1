// What the desktop's window manager does to a managed window that holds the
// focus when the program moves it: the focus leaves it for a moment, and the
// platform answers the foreground window losing the focus with
// WM_CANCELMODE (which ends a mouse capture it holds). The test displays have
// no window manager; this stands in for it on the calling thread while it
// lives.
#pragma once
#include <windows.h>

namespace testwm {

class CManagerFocusOnMove
{
public:
    CManagerFocusOnMove();
    ~CManagerFocusOnMove();
    CManagerFocusOnMove(const CManagerFocusOnMove&) = delete;
    CManagerFocusOnMove& operator=(const CManagerFocusOnMove&) = delete;

    bool IsActive() const { return m_hHook != nullptr; }
    // Windows that were sent WM_CANCELMODE so far.
    int CancelCount() const;

private:
    HHOOK m_hHook;
};

} // namespace testwm

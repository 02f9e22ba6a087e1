// Tells when the pointer has rested on a window for a while, by a timer of
// that window's own. The system's hover tracking is not enough: it follows
// one window of the thread at a time, so a window the pointer has just left
// that asks for its leave notice takes the tracking away, and a pointer
// that jumped onto the window in one move and stays there never hovers.
#pragma once
#include <windows.h>

class CXTPDockingPanePointerRest
{
public:
    enum Result
    {
        restWaiting, // it moved meanwhile and the wait starts again
        restLeft,    // it is no longer on the window
        restDone,    // it rested
    };

    explicit CXTPDockingPanePointerRest(UINT_PTR nTimerId) : m_nTimerId(nTimerId) {}

    // A move at a screen point: the wait starts unless it runs already and
    // the point lies in the hover rectangle around where it started.
    void OnMove(HWND hWnd, POINT ptScreen, UINT nRestTime);
    // The window's timer: where the pointer is now says whether it rested
    // (ptRest is then the place, in screen coordinates).
    Result OnTimer(HWND hWnd, POINT& ptRest);
    void Stop(HWND hWnd);
    BOOL IsWaiting() const { return m_bWaiting; }
    UINT_PTR GetTimerId() const { return m_nTimerId; }

    // The system's hover time for -1 (HOVER_DEFAULT) or 0, else the value.
    static UINT RestTime(int nHoverTime);

private:
    BOOL IsNearStart(POINT pt) const;

    UINT_PTR m_nTimerId;
    UINT m_nRestTime = 0;
    POINT m_ptStart = {0, 0};
    BOOL m_bWaiting = FALSE;
};

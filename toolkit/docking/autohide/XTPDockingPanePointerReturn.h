// Tells when the pointer comes back onto a window from outside the
// program's windows, by a timer of that window's own. The system's input
// queue learns nothing of a pointer over the bare desktop or another
// program, and when the pointer comes back to the very point the queue saw
// last, no move message comes at all: the window would never hear of it.
#pragma once
#include <windows.h>

class CXTPDockingPanePointerReturn
{
public:
    enum Result
    {
        returnNothing, // nothing new
        returnLeft,    // it has just gone off the window
        returnBack,    // it has come back from outside the program
    };

    explicit CXTPDockingPanePointerReturn(UINT_PTR nTimerId) : m_nTimerId(nTimerId) {}

    // A move reached the window: the watch runs from now on, checking every
    // nInterval ms, until the pointer is over another window of the program
    // (whose moves reach the program again).
    void OnMove(HWND hWnd, UINT nInterval);
    // The window's timer: where the pointer is now (ptBack is the place, in
    // screen coordinates, when it has come back).
    Result OnTimer(HWND hWnd, POINT& ptBack);
    void Stop(HWND hWnd);
    BOOL IsWatching() const { return m_bWatching; }
    BOOL IsAway() const { return m_bAway; }
    UINT_PTR GetTimerId() const { return m_nTimerId; }

private:
    static BOOL IsProgramWindow(HWND hWnd);

    UINT_PTR m_nTimerId;
    BOOL m_bWatching = FALSE;
    BOOL m_bAway = FALSE;
};

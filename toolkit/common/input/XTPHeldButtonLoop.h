// The messages of a modal loop that runs while the left button is held with
// the mouse captured: drags, resizes, splitters, presses.
//
// The button's release is input like any other, and it may never reach the
// program: when it goes to another program's window (the pointer over it
// while the system routes input there), the loop would wait for it until
// the next click and take that click for its end. So a held-button loop
// never waits unbounded: when no input comes it looks at the button itself,
// and a release it missed is handed out as WM_LBUTTONUP at the last point
// the thread read a message at. A press that comes while the loop takes the
// button as held tells the same: the release is handed out first, and the
// press stays queued for whatever lies under it once the loop has ended.
//
// Only a loop that starts with the button down counts it as held: a loop
// driven by posted messages reads them as they come.
#pragma once
#include <windows.h>

class CXTPHeldButtonLoop
{
public:
    // At the loop's start, in the handler of the press (or of the move)
    // that starts it.
    CXTPHeldButtonLoop();

    // As GetMessageW: > 0 a message, 0 WM_QUIT, -1 a failing queue.
    BOOL GetMessage(MSG* pMsg);

    // Whether the button is up while the loop still takes it as held, with
    // no input queued that could bring its release.
    BOOL IsReleaseMissed() const;

    // The missed release as the message the loop would have read, to the
    // capture window. The thread and the loop take the button as up.
    void MakeRelease(MSG* pMsg);

private:
    BOOL m_bHeld;
};

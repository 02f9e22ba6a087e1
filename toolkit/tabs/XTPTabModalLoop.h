// Message fetching for the strip's own modal loops (press, drag, button
// repeat), all held-button loops: a quit request ends the loop and stays for
// the loop that runs it; a release that never came is made at the last point.
#pragma once
#include <windows.h>
#include <functional>
#include "toolkit/common/input/XTPHeldButtonLoop.h"

// FALSE when the loop must end: WM_QUIT (posted again) or a failed read.
BOOL XTPTabGetLoopMessage(MSG* pMsg, CXTPHeldButtonLoop& loop);
// The client point of a mouse message.
POINT XTPTabMessagePoint(const MSG& msg);
// Right button, cancel mode and Esc end every loop of the strip.
BOOL XTPTabIsLoopCancel(const MSG& msg);
// Other keys are swallowed while the mouse is held; everything else is dispatched.
void XTPTabDispatchLoopMessage(const MSG& msg);
// Asks for WM_MOUSELEAVE when the mouse leaves the window.
void XTPTabTrackMouseLeave(HWND hWnd);

// A drag with the mouse captured by hWnd: each mouse move, in hMapTo's
// client coordinates, goes to onMove, which answers FALSE to end the drag
// (its window gone). Ends at the button's release, Esc, the capture's loss
// or a quit (posted again); the capture is released when still held.
// FALSE when hWnd is gone afterwards.
BOOL XTPTabTrackCapturedMoves(HWND hWnd, HWND hMapTo, const std::function<BOOL(POINT)>& onMove);

// Message fetching for the strip's own modal loops (press, drag, button
// repeat): a quit request ends the loop and stays for the loop that runs it.
#pragma once
#include <windows.h>

// FALSE when the loop must end: WM_QUIT (posted again) or a failed read.
BOOL XTPTabGetLoopMessage(MSG* pMsg);
// The client point of a mouse message.
POINT XTPTabMessagePoint(const MSG& msg);
// Right button, cancel mode and Esc end every loop of the strip.
BOOL XTPTabIsLoopCancel(const MSG& msg);
// Other keys are swallowed while the mouse is held; everything else is dispatched.
void XTPTabDispatchLoopMessage(const MSG& msg);
// Asks for WM_MOUSELEAVE when the mouse leaves the window.
void XTPTabTrackMouseLeave(HWND hWnd);

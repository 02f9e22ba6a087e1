#pragma once
#include <windows.h>

// Whether a bar's window has child windows (a dialog bar's dialog, hosted
// controls), asked once and remembered while the answer is "none": asking
// the window system on every idle update costs more than the update of the
// bar's own controls. A child made on the bar (its creation notice), a
// window the toolkit places on it and a layout of the bar make it ask again.
class CXTPChildWindowsWatch
{
public:
    // TRUE when the window may have children; FALSE only when it has none.
    BOOL HasChildWindows(HWND hWnd);
    // Something may have put a window on the bar: look again next time.
    void Forget() { m_bKnownNone = FALSE; }

private:
    BOOL m_bKnownNone = FALSE;
};

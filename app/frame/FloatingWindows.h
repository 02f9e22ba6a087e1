// The windows a frame owns that float beside it: floating command bars,
// floating pane frames, and any other top-level window it owns. They belong
// above the frame, and off the desktop while the frame waits in the tray.
#pragma once
#include <windows.h>

#include <vector>

class CFloatingWindows
{
public:
    // Lifts the frame's shown owned windows above it (and those they own in
    // turn), in the order they lie among themselves. On an X display
    // without a window manager the display follows only while no shown
    // topmost window (an alert popup) lies above them; a window manager
    // keeps them above the frame itself.
    static void RaiseAbove(HWND hFrame);

    // Hides the frame's shown floating windows and keeps them for ShowAgain.
    // Topmost ones (alert popups, tips) and dialog boxes stay as they are:
    // a box opened while the frame waits in the tray shows on its own.
    void Hide(HWND hFrame);
    // Shows, without activating them, the windows Hide took that still
    // exist, are still the frame's, are still hidden and should show now: a
    // bar still a shown floating bar of the frame's command bars, a pane
    // frame still holding a pane.
    void ShowAgain(HWND hFrame);
    // Whether Hide took windows that wait for ShowAgain.
    bool HasHidden() const { return !m_hidden.empty(); }

private:
    std::vector<HWND> m_hidden;
};

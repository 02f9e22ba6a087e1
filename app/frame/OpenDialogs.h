// The dialog boxes open over the frame: the customize sheet and the boxes
// it opened, the program's own dialogs and message boxes, each owned by the
// frame or by another of them. They go to the tray with the frame and come
// back with it, and they end before the frame closes.
#pragma once
#include <windows.h>

#include <vector>

class COpenDialogs
{
public:
    // The frame's shown dialog boxes, whoever of them owns them.
    static std::vector<HWND> Find(HWND hFrame);
    // Whether the frame owns the window, itself or through its owners.
    static bool IsOwnedBy(HWND hWnd, HWND hFrame);

    // Hides the frame's shown dialog boxes and keeps them, in their order,
    // for ShowAgain.
    void Hide(HWND hFrame);
    // Shows again, in their order, those Hide took that still exist and are
    // still hidden, and activates the top one that takes input (a box opened
    // over another disables that one). Whether one came back.
    bool ShowAgain(HWND hFrame);
    // Whether boxes Hide took wait to show again.
    bool HasHidden() const { return !m_hidden.empty(); }
    // The box ShowAgain activated, while it still shows; null otherwise.
    HWND GetActivated() const;

    // Asks every dialog box open over the frame to end as its Cancel button
    // does, the innermost first. Their modal loops return one after the
    // other once the caller's message has gone back to the loop. Whether any
    // was open.
    bool EndAll(HWND hFrame) const;

private:
    std::vector<HWND> m_hidden;  // from the top down
    HWND m_hActivated = nullptr;
};

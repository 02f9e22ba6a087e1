// The windows of another process as any program sees them: top-level
// windows by owner process, their class, size and owner, children by class
// and WM_GETTEXT (which the system carries across processes).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace processwindows {

// The process's top-level windows, top of the z-order first.
std::vector<HWND> TopLevelWindows(DWORD processId);
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);
std::wstring ClassOf(HWND hWnd);
std::wstring TextOf(HWND hWnd);
SIZE SizeOf(HWND hWnd);
RECT ScreenRectOf(HWND hWnd);

// The visible main window: captioned, not a dialog box.
HWND VisibleFrame(DWORD processId);
// A visible dialog box ("#32770") and its static text (message boxes).
HWND VisibleBox(DWORD processId);
std::wstring BoxText(HWND hBox);
// Visible popups without caption of the given size (the alerts).
std::vector<HWND> VisiblePopups(DWORD processId, int width, int height);
// The first descendant (depth first) of the class that passes `accept`.
HWND FindChild(HWND hParent, LPCWSTR lpszClass, const std::function<bool(HWND)>& accept = nullptr);
// The first visible descendant with the control id.
HWND FindVisibleChildById(HWND hParent, int nId);
// Clicks a box's button as the user does (a posted click).
void PressBoxButton(HWND hBox, int nButtonId);

} // namespace processwindows

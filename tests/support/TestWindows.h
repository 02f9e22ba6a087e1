// Finding the windows a test made or the code under test opened.
#pragma once
#include <windows.h>
#include <functional>
#include <vector>

namespace testwindows {

// The first visible top-level window of this thread whose class is
// `lpszClass` (any class when null) and that meets `accept` (when given).
HWND FindThreadWindow(LPCWSTR lpszClass, const std::function<bool(HWND)>& accept = nullptr);

// Pumps until FindThreadWindow finds one (testpump::kDeadline at most).
HWND WaitForThreadWindow(LPCWSTR lpszClass, const std::function<bool(HWND)>& accept = nullptr);

// Every visible top-level window of this thread of the class, in z-order.
std::vector<HWND> VisibleThreadWindows(LPCWSTR lpszClass);

// The window's class name.
bool HasClass(HWND hWnd, LPCWSTR lpszClass);

// Whether the first window lies above the second among the top-level windows.
bool IsAbove(HWND hUpper, HWND hLower);

// A popup menu window once its thread tracks it (of any process): a click
// that comes before goes past the menu. Null while no menu is tracked.
HWND TrackedMenuWindow();

} // namespace testwindows

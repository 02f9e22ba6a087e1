// A thread mouse hook that, while a window is watched, swallows button
// presses outside it and moves the focus to its owner (or parent).
#pragma once
#include <windows.h>

class CWnd;

// With a window: installs the hook once and watches that window. With
// null: removes the hook.
void XTPSetClickOutsideHook(CWnd* pWnd);

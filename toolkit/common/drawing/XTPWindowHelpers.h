// Window geometry and state helpers, including right-to-left layouts.
#pragma once
#include <windows.h>

class CWnd;

// TRUE when the foreground window is the last active popup of the window's
// top-level window.
BOOL XTPIsTopParentActive(HWND hWnd);
// The cursor position in the window's client coordinates.
void XTPCursorPosToClient(POINT& pt, CWnd* pWnd);
// Swaps the left and right arrow keys for a right-to-left window.
void XTPMirrorArrowKey(CWnd* pWnd, UINT& nChar);
// A screen point relative to the window's rectangle, measured from the
// right edge for a right-to-left window.
void XTPScreenToWindow(CWnd* pWnd, POINT& pt);
// TRUE while hWnd is still a window and still that of pWnd. A modal loop
// dispatches messages that may destroy a window and delete its object: the
// caller asks this with the handle it kept before touching the object again.
BOOL XTPIsWindowOf(HWND hWnd, const CWnd* pWnd);

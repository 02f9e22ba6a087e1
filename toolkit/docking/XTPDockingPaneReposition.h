// Moving a docking window in a layout pass.
#pragma once
#include <windows.h>

struct AFX_SIZEPARENTPARAMS;

// Puts a docking window (container, bar, strip) at its new place in the
// layout's batch of moves, like AfxRepositionWindow, but it draws afresh
// there instead of carrying its old pixels along: a batch moves many
// windows one after another, and pixels carried into a place another
// window of the batch still copies its own from (a view or pane trading
// places with this one) would stay there as a dead picture. Nothing
// happens while only measuring (no deferred-positioning handle) or when
// the window is where it belongs already.
void XTPDockingPaneRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, const RECT& rect);

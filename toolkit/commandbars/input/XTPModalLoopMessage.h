// Message fetching for the command bars' own modal loops (popup tracking,
// toolbar drag, tear-off drag): a quit request ends the loop and stays for
// the thread's own loop.
#pragma once
#include <windows.h>

// FALSE when the loop must end: WM_QUIT (posted again) or a failed read.
BOOL XTPGetModalLoopMessage(MSG* pMsg);

// For a drag with the mouse captured: dispatches the pending paints first,
// then reads the next message; FALSE also at the left button's release and
// at Esc, which end the drag.
BOOL XTPGetDragLoopMessage(MSG* pMsg);

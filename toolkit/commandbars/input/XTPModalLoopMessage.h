// Message fetching for the command bars' own modal loops (popup tracking,
// toolbar drag, tear-off drag): a quit request ends the loop and stays for
// the thread's own loop.
#pragma once
#include <windows.h>
#include "toolkit/common/input/XTPHeldButtonLoop.h"

// FALSE when the loop must end: WM_QUIT (posted again) or a failed read.
BOOL XTPGetModalLoopMessage(MSG* pMsg);

// For a drag with the mouse captured: dispatches the pending paints first,
// then reads the next message of the held-button loop (a release that never
// came is made at the last point); FALSE also at the left button's
// release and at Esc, which end the drag.
BOOL XTPGetDragLoopMessage(MSG* pMsg, CXTPHeldButtonLoop& loop);

// Wakes the thread's waiting loop with a message that means nothing, so
// that it looks again at what it tracks: a sent message or a hook that ends
// the tracking runs inside the wait, and no message of its own may follow.
void XTPWakeModalLoop();

// The wake message: a loop that ends on it does not hand it on.
BOOL XTPIsModalLoopWake(const MSG& msg);

// OLE for the application's thread: AfxOleInit starts it (FALSE when it
// cannot be had, as on a thread set up for another apartment) and the
// application ends it when it exits.
#pragma once
#include <windows.h>

BOOL AfxOleInit();
// Ends OLE if AfxOleInit started it on this thread (called at exit).
void AfxOleTerm();

// Marks the application as a host of controls; nothing more is needed here.
void AfxEnableControlContainer();
BOOL AfxIsControlContainerEnabled();

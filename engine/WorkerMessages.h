// Messages that the engine's workers post to the windows of the shell; each
// carries the worker's generation in lParam (the info file's: 0).
#pragma once
#include <windows.h>

enum : UINT
{
    WM_SCAN_FINISHED = 0x464,    // wParam 0
    WM_SCAN_PROGRESS = 0x465,    // wParam: SCAN_LOADING, SCAN_LOADED or SCAN_FAILED
    WM_INFOFILE_UPDATED = 0x467, // wParam: 1 the info file was replaced, 0 not
    WM_STATISTIC_READY = 0x468   // wParam: 1 the statistics page was parsed, 0 not
};

enum
{
    SCAN_LOADING = 0,
    SCAN_LOADED = 1,
    SCAN_FAILED = 2
};

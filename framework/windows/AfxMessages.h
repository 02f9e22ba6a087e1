// The framework's own window messages and the records they carry.
#pragma once
#include <windows.h>

#define WM_SIZEPARENT           0x0361  // lParam: AFX_SIZEPARENTPARAMS*
#define WM_SETMESSAGESTRING     0x0362  // wParam: string id, or lParam: text
#define WM_IDLEUPDATECMDUI      0x0363  // wParam: disable commands without handler
#define WM_INITIALUPDATE        0x0364
#define WM_COMMANDHELP          0x0365
#define WM_HELPHITTEST          0x0366
#define WM_EXITHELPMODE         0x0367
#define WM_RECALCPARENT         0x0368
#define WM_SIZECHILD            0x0369
#define WM_KICKIDLE             0x036A  // sent by modal loops to run idle work
#define WM_QUERYCENTERWND       0x036B
#define WM_DISABLEMODAL         0x036C
#define WM_FLOATSTATUS          0x036D  // wParam: FS_ flags
#define WM_ACTIVATETOPLEVEL     0x036E
#define WM_POPMESSAGESTRING     0x0375

// Reflected messages arrive at the child as this base plus the message.
#define WM_REFLECT_BASE         0xBC00

// WM_FLOATSTATUS flags
#define FS_SHOW                 0x01
#define FS_HIDE                 0x02
#define FS_ACTIVATE             0x04
#define FS_DEACTIVATE           0x08
#define FS_ENABLE               0x10
#define FS_DISABLE              0x20
#define FS_SYNCACTIVE           0x40

// The layout record of WM_SIZEPARENT: each bar takes its share of rect and
// moves itself through hDWP (when not null).
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;       // what is still free, in parent client coordinates
    SIZE sizeTotal;  // what the bars need together
    BOOL bStretch;   // bars stretch over the whole side
};

// Moves a child window as part of a layout pass (deferred when possible).
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

// The one number under which all WM_CTLCOLORxxx messages are dispatched;
// the handler learns the kind (CTLCOLOR_xxx) as an argument.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// One running program per logon session: the name of the mutex that marks
// the first instance, and the main window handle that every process started
// from this program file can read.
#pragma once
#include <windows.h>

#include "framework/text/CString.h"

// The first instance's main frame; 0 until its frame is created. Kept in a
// data section that all processes of this program file share.
extern volatile DWORD SharedMainWindow;

// "Tavrolin-" and the logon session's identifier, high part first, as
// sixteen lower-case hex digits; "Tavrolin" alone without a readable token.
CString BuildSingleInstanceMutexName();
CString FormatSingleInstanceMutexName(LONG nHighPart, DWORD dwLowPart);

// The window the first instance keeps in SharedMainWindow.
HWND GetSharedMainWindow();
void SetSharedMainWindow(HWND hWnd);

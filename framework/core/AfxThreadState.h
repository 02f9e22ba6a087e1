// What the framework keeps per thread for its windows: the message being
// handled (Default() and GetCurrentMessage read it) and the window being
// created. Code that runs its own window procedure in front of the
// framework's saves and restores m_lastSentMsg around it.
#pragma once
#include <windows.h>

class CWnd;

struct AFX_THREAD_STATE
{
    MSG m_lastSentMsg = {};
    // The object waiting for its window in CWnd::CreateEx, and the parent
    // of the window it creates.
    CWnd* m_pWndInit = nullptr;
    HWND m_hWndInitParent = nullptr;
    LPCWSTR m_lpszInitClass = nullptr;
    HHOOK m_hHookOldCbtFilter = nullptr;
    // The tooltip window of EnableToolTips and the tool it shows.
    HWND m_hToolTip = nullptr;
    HWND m_hWndLastHit = nullptr;
    INT_PTR m_nLastHit = -1;
};
typedef AFX_THREAD_STATE _AFX_THREAD_STATE;

// The calling thread's state.
AFX_THREAD_STATE* AfxGetThreadState();

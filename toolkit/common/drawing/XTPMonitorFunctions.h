// The multi-monitor entry points of the window library, taken by name on
// first use: all of them or none.
#pragma once
#include "framework/gdi/CRect.h"

class CWnd;

class CXTPMonitorFunctions
{
public:
    explicit CXTPMonitorFunctions(LPCWSTR lpszModule = L"USER32");

    // The process-wide record.
    static CXTPMonitorFunctions& Instance();

    BOOL IsAvailable();

    // The work area of the monitor that holds the rectangle, window, point or
    // cursor; the primary work area without such a monitor or functions.
    RECT GetWorkAreaOfRect(const RECT& rc);
    RECT GetWorkAreaOfWindow(HWND hWnd);
    RECT GetWorkAreaOfPoint(POINT pt);

private:
    typedef int(WINAPI* PFNGETSYSTEMMETRICS)(int);
    typedef HMONITOR(WINAPI* PFNMONITORFROMWINDOW)(HWND, DWORD);
    typedef HMONITOR(WINAPI* PFNMONITORFROMRECT)(LPCRECT, DWORD);
    typedef HMONITOR(WINAPI* PFNMONITORFROMPOINT)(POINT, DWORD);
    typedef BOOL(WINAPI* PFNGETMONITORINFO)(HMONITOR, LPMONITORINFO);

    void Resolve();
    RECT GetWorkAreaOfMonitor(HMONITOR hMonitor);

    LPCWSTR m_lpszModule;
    PFNGETSYSTEMMETRICS m_pfnGetSystemMetrics;
    PFNMONITORFROMWINDOW m_pfnMonitorFromWindow;
    PFNMONITORFROMRECT m_pfnMonitorFromRect;
    PFNMONITORFROMPOINT m_pfnMonitorFromPoint;
    PFNGETMONITORINFO m_pfnGetMonitorInfo;
    DWORD m_bResolved;
};

CRect XTPGetWorkAreaOfRect(const RECT& rc);
CRect XTPGetWorkAreaOfWindow(CWnd* pWnd);
CRect XTPGetWorkAreaOfPoint(POINT pt);
CRect XTPGetWorkAreaOfCursor();

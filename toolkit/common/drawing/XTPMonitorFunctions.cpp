#include "toolkit/common/drawing/XTPMonitorFunctions.h"
#include "framework/windows/CWnd.h"
#include "toolkit/common/system/XTPOSVersionInfo.h"

namespace {

RECT PrimaryWorkArea()
{
    RECT rc = {0, 0, 0, 0};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

} // namespace

CXTPMonitorFunctions::CXTPMonitorFunctions(LPCWSTR lpszModule)
    : m_lpszModule(lpszModule)
    , m_pfnGetSystemMetrics(nullptr)
    , m_pfnMonitorFromWindow(nullptr)
    , m_pfnMonitorFromRect(nullptr)
    , m_pfnMonitorFromPoint(nullptr)
    , m_pfnGetMonitorInfo(nullptr)
    , m_bResolved(FALSE)
{
}

CXTPMonitorFunctions& CXTPMonitorFunctions::Instance()
{
    static CXTPMonitorFunctions functions;
    return functions;
}

void CXTPMonitorFunctions::Resolve()
{
    if (m_bResolved)
        return;
    m_bResolved = TRUE;
    HMODULE hModule = ::GetModuleHandleW(m_lpszModule);
    if (!hModule)
        return;
    BOOL bNT = XTPGetOSVersionInfo()->dwPlatformId == VER_PLATFORM_WIN32_NT;
    m_pfnGetSystemMetrics = reinterpret_cast<PFNGETSYSTEMMETRICS>(::GetProcAddress(hModule, "GetSystemMetrics"));
    m_pfnMonitorFromWindow = reinterpret_cast<PFNMONITORFROMWINDOW>(::GetProcAddress(hModule, "MonitorFromWindow"));
    m_pfnMonitorFromRect = reinterpret_cast<PFNMONITORFROMRECT>(::GetProcAddress(hModule, "MonitorFromRect"));
    m_pfnMonitorFromPoint = reinterpret_cast<PFNMONITORFROMPOINT>(::GetProcAddress(hModule, "MonitorFromPoint"));
    m_pfnGetMonitorInfo = reinterpret_cast<PFNGETMONITORINFO>(
        ::GetProcAddress(hModule, bNT ? "GetMonitorInfoW" : "GetMonitorInfoA"));
    if (!m_pfnGetSystemMetrics || !m_pfnMonitorFromWindow || !m_pfnMonitorFromRect || !m_pfnMonitorFromPoint ||
        !m_pfnGetMonitorInfo)
    {
        m_pfnGetSystemMetrics = nullptr;
        m_pfnMonitorFromWindow = nullptr;
        m_pfnMonitorFromRect = nullptr;
        m_pfnMonitorFromPoint = nullptr;
        m_pfnGetMonitorInfo = nullptr;
    }
}

BOOL CXTPMonitorFunctions::IsAvailable()
{
    Resolve();
    return m_pfnGetMonitorInfo != nullptr;
}

RECT CXTPMonitorFunctions::GetWorkAreaOfMonitor(HMONITOR hMonitor)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (hMonitor && m_pfnGetMonitorInfo(hMonitor, &info))
        return info.rcWork;
    return PrimaryWorkArea();
}

RECT CXTPMonitorFunctions::GetWorkAreaOfRect(const RECT& rc)
{
    if (!IsAvailable())
        return PrimaryWorkArea();
    return GetWorkAreaOfMonitor(m_pfnMonitorFromRect(&rc, MONITOR_DEFAULTTONULL));
}

RECT CXTPMonitorFunctions::GetWorkAreaOfWindow(HWND hWnd)
{
    if (!IsAvailable())
        return PrimaryWorkArea();
    return GetWorkAreaOfMonitor(m_pfnMonitorFromWindow(hWnd, MONITOR_DEFAULTTONULL));
}

RECT CXTPMonitorFunctions::GetWorkAreaOfPoint(POINT pt)
{
    if (!IsAvailable())
        return PrimaryWorkArea();
    return GetWorkAreaOfMonitor(m_pfnMonitorFromPoint(pt, MONITOR_DEFAULTTONULL));
}

CRect XTPGetWorkAreaOfRect(const RECT& rc)
{
    return CXTPMonitorFunctions::Instance().GetWorkAreaOfRect(rc);
}

CRect XTPGetWorkAreaOfWindow(CWnd* pWnd)
{
    return CXTPMonitorFunctions::Instance().GetWorkAreaOfWindow(pWnd ? pWnd->GetSafeHwnd() : nullptr);
}

CRect XTPGetWorkAreaOfPoint(POINT pt)
{
    return CXTPMonitorFunctions::Instance().GetWorkAreaOfPoint(pt);
}

CRect XTPGetWorkAreaOfCursor()
{
    POINT pt = {0, 0};
    ::GetCursorPos(&pt);
    return XTPGetWorkAreaOfPoint(pt);
}

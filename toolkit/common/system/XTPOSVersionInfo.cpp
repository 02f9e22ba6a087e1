#include "toolkit/common/system/XTPOSVersionInfo.h"

CXTPOSVersionInfo::CXTPOSVersionInfo()
{
    ZeroMemory(static_cast<OSVERSIONINFOEXW*>(this), sizeof(OSVERSIONINFOEXW));
    // The short size: only the common part is asked for.
    dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    ::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(static_cast<OSVERSIONINFOEXW*>(this)));
}

BOOL CXTPOSVersionInfo::IsWin95() const
{
    return dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && dwMajorVersion == 4 && dwMinorVersion < 10;
}

BOOL CXTPOSVersionInfo::IsWin98() const
{
    return dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && IsVersion(4, 10);
}

BOOL CXTPOSVersionInfo::IsWinNT4() const
{
    return dwPlatformId == VER_PLATFORM_WIN32_NT && IsVersion(4, 0);
}

BOOL CXTPOSVersionInfo::IsWin2000() const
{
    return dwPlatformId == VER_PLATFORM_WIN32_NT && IsVersion(5, 0);
}

BOOL CXTPOSVersionInfo::IsWinXP() const
{
    return dwPlatformId == VER_PLATFORM_WIN32_NT && IsVersion(5, 1);
}

BOOL CXTPOSVersionInfo::IsNT5OrLater() const
{
    return dwPlatformId >= VER_PLATFORM_WIN32_NT && dwMajorVersion >= 5;
}

BOOL CXTPOSVersionInfo::IsVersion(DWORD dwMajor, DWORD dwMinor) const
{
    return dwMajorVersion == dwMajor && dwMinorVersion == dwMinor;
}

CXTPOSVersionInfo* XTPGetOSVersionInfo()
{
    static CXTPOSVersionInfo versionInfo;
    return &versionInfo;
}

namespace {
// Taken while the process starts, so that no caller waits for it later.
const CXTPOSVersionInfo* const s_pStartupVersion = XTPGetOSVersionInfo();
}

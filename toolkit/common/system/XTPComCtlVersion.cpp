#include "toolkit/common/system/XTPComCtlVersion.h"
#include <shlwapi.h>

CXTPComCtlVersion::CXTPComCtlVersion(LPCWSTR lpszLibrary)
    : m_lpszLibrary(lpszLibrary)
    , m_dwVersion(0)
{
}

DWORD CXTPComCtlVersion::GetVersion()
{
    if (m_dwVersion != 0)
        return m_dwVersion;

    HMODULE hModule = ::LoadLibraryW(m_lpszLibrary);
    DLLGETVERSIONPROC pfnGetVersion =
        hModule ? reinterpret_cast<DLLGETVERSIONPROC>(::GetProcAddress(hModule, "DllGetVersion")) : nullptr;
    if (!pfnGetVersion)
    {
        m_dwVersion = MAKELONG(0, 4);
    }
    else
    {
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof(info);
        if (SUCCEEDED(pfnGetVersion(&info)))
            m_dwVersion = MAKELONG(info.dwMinorVersion, info.dwMajorVersion);
    }
    if (hModule)
        ::FreeLibrary(hModule);
    return m_dwVersion;
}

DWORD XTPGetComCtlVersion()
{
    static CXTPComCtlVersion version;
    return version.GetVersion();
}

// The version of the common-controls library, asked once and remembered.
#pragma once
#include <windows.h>

class CXTPComCtlVersion
{
public:
    explicit CXTPComCtlVersion(LPCWSTR lpszLibrary = L"COMCTL32.DLL");

    // Major in the high word, minor in the low word; 0x40000 (4.0) for a
    // library without a version entry point, 0 while the entry point fails.
    DWORD GetVersion();

private:
    LPCWSTR m_lpszLibrary;
    DWORD m_dwVersion;
};

// The process-wide common-controls version.
DWORD XTPGetComCtlVersion();

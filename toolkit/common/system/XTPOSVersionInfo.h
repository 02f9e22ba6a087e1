// The Windows version the process runs on, with the tests that choose
// between code paths.
#pragma once
#include <windows.h>

class CXTPOSVersionInfo : public OSVERSIONINFOEXW
{
public:
    // Filled from the running system.
    CXTPOSVersionInfo();

    BOOL IsWin95() const;
    BOOL IsWin98() const;
    BOOL IsWinNT4() const;
    BOOL IsWin2000() const;
    BOOL IsWinXP() const;
    BOOL IsNT5OrLater() const;
    // Exactly major.minor on any platform.
    BOOL IsVersion(DWORD dwMajor, DWORD dwMinor) const;
};

// The record of the running system, filled when the process starts.
CXTPOSVersionInfo* XTPGetOSVersionInfo();

// The visual-styles library, loaded by name, with its entry points looked
// up on first use. One object serves every visual-style wrapper.
#pragma once
#include <windows.h>
#include "toolkit/common/system/XTPComCtlVersion.h"

class CXTPWinThemeLibrary
{
public:
    // Entry points in use; the table has room for the library's others.
    enum EntryPoint
    {
        entryOpenThemeData,
        entryCloseThemeData,
        entryDrawThemeBackground,
        entryGetThemeColor,
        entryGetThemePartSize,
        entryGetThemeSysBool,
        entryIsAppThemed,
        entryIsThemeActive,
        entryGetCurrentThemeName,
        entryCount = 49
    };

    // Loads the library by name; a missing library leaves the handle null.
    // The common-controls version decides whether visual styles are usable.
    explicit CXTPWinThemeLibrary(LPCWSTR lpszLibrary, DWORD dwComCtlVersion = XTPGetComCtlVersion());
    CXTPWinThemeLibrary(const CXTPWinThemeLibrary&) = delete;
    CXTPWinThemeLibrary& operator=(const CXTPWinThemeLibrary&) = delete;

    // The library of this process ("UxTheme.dll").
    static CXTPWinThemeLibrary& Instance();

    HMODULE GetModule() const { return m_hModule; }
    DWORD GetComCtlVersion() const { return m_dwComCtlVersion; }

    // When the library now sits at another address (unloaded and loaded
    // again), takes the new handle and forgets every entry point.
    void RecheckModule();

    // The entry point, looked up on first use; null when it cannot be had.
    FARPROC GetEntryPoint(EntryPoint entry);
    // TRUE once the entry point was looked up and found.
    BOOL IsEntryPointCached(EntryPoint entry) const { return m_entryPoints[entry] != nullptr; }

private:
    WCHAR m_szLibrary[MAX_PATH];
    HMODULE m_hModule;
    FARPROC m_entryPoints[entryCount];
    DWORD m_dwComCtlVersion;
};

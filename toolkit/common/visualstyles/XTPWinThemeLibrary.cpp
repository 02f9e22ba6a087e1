#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"
#include "toolkit/common/system/XTPFaultGuard.h"

namespace {

const char* const s_entryNames[] = {
    "OpenThemeData", "CloseThemeData", "DrawThemeBackground", "GetThemeColor", "GetThemePartSize",
    "GetThemeSysBool", "IsAppThemed", "IsThemeActive", "GetCurrentThemeName",
};

} // namespace

CXTPWinThemeLibrary::CXTPWinThemeLibrary(LPCWSTR lpszLibrary, DWORD dwComCtlVersion)
    : m_hModule(::LoadLibraryW(lpszLibrary))
    , m_entryPoints()
    , m_dwComCtlVersion(dwComCtlVersion)
{
    lstrcpynW(m_szLibrary, lpszLibrary, MAX_PATH);
}

CXTPWinThemeLibrary& CXTPWinThemeLibrary::Instance()
{
    static CXTPWinThemeLibrary library(L"UxTheme.dll");
    return library;
}

void CXTPWinThemeLibrary::RecheckModule()
{
    HMODULE hModule = ::GetModuleHandleW(m_szLibrary);
    if (hModule == m_hModule)
        return;
    m_hModule = hModule;
    for (FARPROC& entry : m_entryPoints)
        entry = nullptr;
}

FARPROC CXTPWinThemeLibrary::GetEntryPoint(EntryPoint entry)
{
    if (entry < 0 || entry >= static_cast<int>(sizeof(s_entryNames) / sizeof(s_entryNames[0])))
        return nullptr;
    if (m_hModule && !m_entryPoints[entry])
    {
        FARPROC pfn = nullptr;
        if (CXTPFaultGuard::Run([&] { pfn = ::GetProcAddress(m_hModule, s_entryNames[entry]); }))
            m_entryPoints[entry] = pfn;
    }
    return m_entryPoints[entry];
}

namespace {
// Loaded while the process starts, as the wrappers expect it ready.
CXTPWinThemeLibrary& s_startupLibrary = CXTPWinThemeLibrary::Instance();
}

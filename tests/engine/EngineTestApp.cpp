#include "EngineTestApp.h"

#include <shlwapi.h>

#include <cstdlib>
#include <cwchar>

CWinApp& TavrolinTestApp()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        pApp = new CWinApp(L"Tavrolin");  // lives as long as the test program
    if (pApp->m_pszRegistryKey == nullptr || wcscmp(pApp->m_pszRegistryKey, L"Brannoch") != 0 ||
        pApp->m_pszProfileName == nullptr || wcscmp(pApp->m_pszProfileName, L"Tavrolin") != 0)
    {
        pApp->SetRegistryKey(L"Brannoch");
        free(const_cast<LPTSTR>(pApp->m_pszProfileName));
        pApp->m_pszProfileName = _wcsdup(L"Tavrolin");
    }
    return *pApp;
}

void DeleteUserKey(LPCWSTR pszPath)
{
    CString strPath = CString(L"Software\\") + pszPath;
    SHDeleteKeyW(HKEY_CURRENT_USER, strPath);
}

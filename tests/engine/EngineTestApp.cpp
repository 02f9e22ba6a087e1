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

void DeleteUserKey(LPCWSTR pszKey)
{
    SHDeleteKeyW(HKEY_CURRENT_USER, pszKey);
}

bool ReadUserValue(LPCWSTR pszKey, LPCWSTR pszName, DWORD& dwType, std::vector<BYTE>& data)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, pszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    DWORD dwSize = 0;
    LONG lResult = RegQueryValueExW(hKey, pszName, nullptr, &dwType, nullptr, &dwSize);
    data.assign(dwSize, 0);
    if (lResult == ERROR_SUCCESS && dwSize != 0)
        lResult = RegQueryValueExW(hKey, pszName, nullptr, &dwType, data.data(), &dwSize);
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

bool WriteUserValue(LPCWSTR pszKey, LPCWSTR pszName, DWORD dwType, const void* pData, DWORD dwSize)
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, pszKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG lResult = RegSetValueExW(hKey, pszName, 0, dwType, static_cast<const BYTE*>(pData), dwSize);
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

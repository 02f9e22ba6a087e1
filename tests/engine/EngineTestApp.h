// What the engine's registry tests share: the application object with key
// name "Brannoch" and profile name "Tavrolin" (settings then live under
// HKEY_CURRENT_USER\Software\Brannoch\Tavrolin of the tests' own prefix) and
// direct access to values below HKEY_CURRENT_USER.
#pragma once
#include "framework/Framework.h"

#include <vector>

CWinApp& TavrolinTestApp();

// Removes HKEY_CURRENT_USER\<key> with everything below it.
void DeleteUserKey(LPCWSTR pszKey);
// false when the key or the value is missing.
bool ReadUserValue(LPCWSTR pszKey, LPCWSTR pszName, DWORD& dwType, std::vector<BYTE>& data);
// Creates the key when missing.
bool WriteUserValue(LPCWSTR pszKey, LPCWSTR pszName, DWORD dwType, const void* pData, DWORD dwSize);

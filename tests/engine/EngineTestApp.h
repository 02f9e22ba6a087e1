// The application object that the engine's registry users need: key name
// "Brannoch", profile name "Tavrolin", so that settings live under
// HKEY_CURRENT_USER\Software\Brannoch\Tavrolin in the tests' own prefix.
#pragma once
#include "framework/Framework.h"

CWinApp& TavrolinTestApp();

// Removes HKEY_CURRENT_USER\Software\<path> with everything below it.
void DeleteUserKey(LPCWSTR pszPath);

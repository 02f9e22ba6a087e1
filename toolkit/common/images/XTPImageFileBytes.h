// A whole image file in memory, for the checks and readers that look at its
// bytes before (or instead of) the system's loaders.
#pragma once
#include <windows.h>

#include <vector>

// FALSE when the file cannot be read or is larger than nMaxSize bytes.
BOOL XTPReadImageFile(LPCWSTR lpszPath, DWORD nMaxSize, std::vector<BYTE>& bytes);

// A whole image file in memory, for the checks and readers that look at its
// bytes before (or instead of) the system's loaders.
#pragma once
#include <windows.h>

#include <vector>

// Icon files are small; anything larger is no icon file.
const DWORD XTP_MAX_ICON_FILE_SIZE = 16 * 1024 * 1024;

// FALSE when the file cannot be read or is larger than nMaxSize bytes.
BOOL XTPReadImageFile(LPCWSTR lpszPath, DWORD nMaxSize, std::vector<BYTE>& bytes);

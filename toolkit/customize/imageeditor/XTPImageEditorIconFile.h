// Whether an .ico file holds together: a header of icon type, at least one
// directory entry, and every entry's image (at least a bitmap header) inside
// the file behind the directory. The system's icon loader reads entries
// without asking.
#pragma once
#include <windows.h>

BOOL XTPIsSoundIconFile(LPCWSTR lpszPath);

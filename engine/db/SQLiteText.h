#pragma once

#include "framework/text/CString.h"

#include <string>

// SQLite's narrow interfaces take and give UTF-8; the program's text is UTF-16.
std::string SQLiteTextToUtf8(LPCWSTR lpszText);
CString SQLiteTextFromUtf8(const char* pszText);

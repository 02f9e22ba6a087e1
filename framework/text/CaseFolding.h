// Case folding for case-insensitive comparison and hashing of text. Uses
// the system's Unicode case mapping, so it does not depend on the run-time
// library's locale (umlauts fold in every locale).
#pragma once
#include <windows.h>

WCHAR AfxFoldCase(WCHAR ch);
// Ordinal comparison of the folded texts: < 0, 0 or > 0; null counts as empty.
int AfxCompareNoCase(LPCWSTR left, LPCWSTR right);

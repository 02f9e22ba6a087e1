// printf-style formatting on wide text, as the platform's wide formatter
// does it: %s and %c take wide text, %S and %C narrow text (converted with
// the thread's ANSI code page), %hs/%ls and %hc/%lc say so explicitly.
// Floating-point numbers use the run-time library's locale for the decimal
// point. Widths and precisions are clamped to about a million, and a result
// beyond about 16 million characters throws CMemoryException, as a failed
// allocation does.
#pragma once
#include <windows.h>
#include <cstdarg>

class CString;

void AfxFormatText(CString& result, LPCWSTR format, va_list args);

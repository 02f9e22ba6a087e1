#include "framework/core/Diagnostics.h"
#include "framework/text/CString.h"

#include <cstdarg>
#include <cstdio>

void AfxTraceArgs(LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    OutputDebugStringW(text);
}

void AfxAssertFailed(const char* file, int line, const char* expression)
{
    char message[512];
    snprintf(message, sizeof message, "%s(%d): check failed: %s\n", file, line, expression);
    OutputDebugStringA(message);
}

// Debug checks and trace output used throughout the code base.
#pragma once
#include <windows.h>
#include "framework/text/CString.h"

// Writes the formatted text (printf rules on wide text) to the debugger.
void AfxTraceArgs(LPCWSTR format, ...);
template <class... Args>
inline void AfxTrace(LPCWSTR format, const Args&... args)
{
    AfxTraceArgs(format, AfxFormatArg(args)...);
}
// Reports a failed check with its place in the source to the debugger.
void AfxAssertFailed(const char* file, int line, const char* expression);

#ifdef NDEBUG
// The expression is not evaluated, yet its variables count as used.
#define ASSERT(f) ((void)sizeof(!(f)))
#else
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailed(__FILE__, __LINE__, #f))
#endif

// Always evaluated; checked like ASSERT.
#define VERIFY(f) ((f) ? (void)0 : AfxAssertFailed(__FILE__, __LINE__, #f))

// Objects here carry no self-check.
#define ASSERT_VALID(p) ((void)sizeof(p))
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)sizeof(p))

#define TRACE AfxTrace
#define TRACE0(s) AfxTrace(L"%s", L##s)
#define TRACE1(s, a) AfxTrace(L##s, a)
#define TRACE2(s, a, b) AfxTrace(L##s, a, b)
#define TRACE3(s, a, b, c) AfxTrace(L##s, a, b, c)

#include "toolkit/common/system/XTPFaultGuard.h"

namespace {

// An exception registration record of the thread's handler chain, with the
// place to go back to when a fault reaches it.
struct GuardFrame
{
    GuardFrame* pPrev;
    void* pHandler;
    void* jumpBuffer[5];
};

bool IsFault(DWORD dwCode)
{
    switch (dwCode)
    {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
        return true;
    default:
        return false;
    }
}

// Reached only when no handler inside the library took the fault.
EXCEPTION_DISPOSITION __cdecl GuardHandler(EXCEPTION_RECORD* pRecord, void* pFrame, CONTEXT*, void*)
{
    if ((pRecord->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) || !IsFault(pRecord->ExceptionCode))
        return ExceptionContinueSearch;
    // Let the library's own frames clean up, then resume after the call.
    ::RtlUnwind(pFrame, nullptr, pRecord, nullptr);
    __builtin_longjmp(static_cast<GuardFrame*>(pFrame)->jumpBuffer, 1);
}

} // namespace

__attribute__((noinline)) BOOL CXTPFaultGuard::RunProc(void (*pfnProc)(void*), void* pContext)
{
    GuardFrame frame;
    frame.pHandler = reinterpret_cast<void*>(&GuardHandler);
    frame.pPrev = reinterpret_cast<GuardFrame*>(__readfsdword(0));
    __writefsdword(0, reinterpret_cast<DWORD>(&frame));

    volatile BOOL bCompleted = FALSE;
    if (__builtin_setjmp(frame.jumpBuffer) == 0)
    {
        pfnProc(pContext);
        bCompleted = TRUE;
    }
    __writefsdword(0, reinterpret_cast<DWORD>(frame.pPrev));
    return bCompleted;
}

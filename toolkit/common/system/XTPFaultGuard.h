// Runs a call into a system library so that a processor fault inside it
// (an access violation and the like) ends that call instead of the process.
#pragma once
#include <windows.h>

class CXTPFaultGuard
{
public:
    // TRUE when the call completed, FALSE when it faulted.
    template <class Call>
    static BOOL Run(Call&& call)
    {
        return RunProc(&Invoke<Call>, &call);
    }

private:
    template <class Call>
    static void Invoke(void* pCall)
    {
        (*static_cast<Call*>(pCall))();
    }

    static BOOL RunProc(void (*pfnProc)(void*), void* pContext);
};

#include "support/ThreadJoin.h"

#include <gtest/gtest.h>

namespace testthread {

bool JoinAndClose(HANDLE hThread, DWORD expectedMs, DWORD* pExitCode)
{
    if (hThread == nullptr)
        return false;
    const bool bInTime = ::WaitForSingleObject(hThread, expectedMs) == WAIT_OBJECT_0;
    if (!bInTime)
    {
        ADD_FAILURE() << "a thread the test started still runs after " << expectedMs << " ms; waiting for its end";
        ::WaitForSingleObject(hThread, INFINITE);
    }
    if (pExitCode != nullptr)
        ::GetExitCodeThread(hThread, pExitCode);
    ::CloseHandle(hThread);
    return bInTime;
}

} // namespace testthread

#include "engine/OnlineCheck.h"

#include <iphlpapi.h>

#include <vector>

BOOL IsOnline()
{
    // The table may grow between the size query and the fill; ask again
    // with the new size rather than calling the machine offline.
    ULONG nSize = 0;
    DWORD dwResult = GetIpForwardTable(nullptr, &nSize, TRUE);
    std::vector<BYTE> buffer;
    for (int nAttempt = 0; nAttempt < 8 && dwResult == ERROR_INSUFFICIENT_BUFFER; ++nAttempt)
    {
        buffer.assign(nSize, 0);
        dwResult = GetIpForwardTable(reinterpret_cast<PMIB_IPFORWARDTABLE>(buffer.data()), &nSize, TRUE);
    }
    if (dwResult != NO_ERROR || buffer.empty())
        return FALSE;
    const MIB_IPFORWARDTABLE* pTable = reinterpret_cast<const MIB_IPFORWARDTABLE*>(buffer.data());
    for (DWORD i = 0; i < pTable->dwNumEntries; ++i)
    {
        if (pTable->table[i].dwForwardDest == 0)
            return TRUE;
    }
    return FALSE;
}

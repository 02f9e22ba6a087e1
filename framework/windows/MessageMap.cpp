#include "framework/windows/MessageMap.h"

namespace {

const AFX_MSGMAP* BaseMap(const AFX_MSGMAP* pMap)
{
    return pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr;
}

} // namespace

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID)
{
    for (; pMap != nullptr; pMap = BaseMap(pMap)) {
        for (const AFX_MSGMAP_ENTRY* entry = pMap->lpEntries; entry->pfn != nullptr; ++entry) {
            if (entry->nMessage == nMsg && LOWORD(entry->nCode) == LOWORD(nCode) && nID >= entry->nID &&
                nID <= entry->nLastID)
                return entry;
        }
    }
    return nullptr;
}

const AFX_MSGMAP_ENTRY* AfxFindWindowMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg)
{
    // Registered message numbers are only known at run time.
    const bool registered = nMsg >= 0xC000 && nMsg <= 0xFFFF;
    for (; pMap != nullptr; pMap = BaseMap(pMap)) {
        for (const AFX_MSGMAP_ENTRY* entry = pMap->lpEntries; entry->pfn != nullptr; ++entry) {
            if (registered) {
                if (entry->pRegisteredMessage != nullptr && *entry->pRegisteredMessage == nMsg)
                    return entry;
            } else if (entry->nMessage == nMsg && entry->pRegisteredMessage == nullptr) {
                return entry;
            }
        }
    }
    return nullptr;
}

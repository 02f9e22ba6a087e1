// A kernel event, manual or automatic reset.
#pragma once
#include "framework/sync/CSyncObject.h"

class CEvent : public CSyncObject
{
    DECLARE_DYNAMIC(CEvent)

public:
    // Throws CResourceException when the event cannot be created.
    explicit CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, LPCWSTR lpszName = nullptr,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = nullptr);

    BOOL SetEvent();
    BOOL ResetEvent();
    BOOL PulseEvent();
    BOOL Unlock() override;
};

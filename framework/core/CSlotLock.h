// A spin lock that needs no start-up code (all zero is "unlocked"), for the
// local-slot classes, which may be used by other objects' start-up code.
#pragma once
#include <windows.h>

class CSlotLock
{
public:
    explicit CSlotLock(volatile LONG* pFlag);
    ~CSlotLock();
    CSlotLock(const CSlotLock&) = delete;
    CSlotLock& operator=(const CSlotLock&) = delete;

private:
    volatile LONG* m_pFlag;
};

#include "framework/core/CSlotLock.h"

CSlotLock::CSlotLock(volatile LONG* pFlag)
    : m_pFlag(pFlag)
{
    while (InterlockedExchange(m_pFlag, 1) != 0)
        Sleep(0);
}

CSlotLock::~CSlotLock()
{
    InterlockedExchange(m_pFlag, 0);
}

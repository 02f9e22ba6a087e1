#include "framework/core/CThreadLocal.h"
#include "framework/core/CSlotLock.h"

namespace
{
// All slots that hold data, for AfxTermThread.
CThreadLocalObject* g_firstSlot;
volatile LONG g_slotsLock;
}

CThreadLocalObject::~CThreadLocalObject()
{
    {
        CSlotLock lock(&g_slotsLock);
        for (CThreadLocalObject** link = &g_firstSlot; *link != nullptr; link = &(*link)->m_pNextSlot) {
            if (*link == this) {
                *link = m_pNextSlot;
                break;
            }
        }
    }
    CEntry* entry = m_pEntries;
    m_pEntries = nullptr;
    while (entry != nullptr) {
        CEntry* next = entry->pNext;
        delete entry->pObject;
        delete entry;
        entry = next;
    }
}

CNoTrackObject* CThreadLocalObject::GetDataNA()
{
    DWORD threadId = GetCurrentThreadId();
    CSlotLock lock(&m_lock);
    for (CEntry* entry = m_pEntries; entry != nullptr; entry = entry->pNext) {
        if (entry->threadId == threadId)
            return entry->pObject;
    }
    return nullptr;
}

CNoTrackObject* CThreadLocalObject::GetData(CNoTrackObject* (*pfnCreateObject)())
{
    if (CNoTrackObject* existing = GetDataNA())
        return existing;
    // Created outside the lock: the factory may use other slots.
    CNoTrackObject* created = pfnCreateObject();
    if (created == nullptr)
        return nullptr;
    CEntry* entry = new CEntry{GetCurrentThreadId(), created, nullptr};
    {
        CSlotLock lock(&m_lock);
        entry->pNext = m_pEntries;
        m_pEntries = entry;
    }
    CSlotLock slots(&g_slotsLock);
    if (!m_bRegistered) {
        m_bRegistered = true;
        m_pNextSlot = g_firstSlot;
        g_firstSlot = this;
    }
    return created;
}

void CThreadLocalObject::RemoveCurrentThreadData()
{
    DWORD threadId = GetCurrentThreadId();
    CEntry* found = nullptr;
    {
        CSlotLock lock(&m_lock);
        for (CEntry* volatile* link = &m_pEntries; *link != nullptr; link = &(*link)->pNext) {
            if ((*link)->threadId == threadId) {
                found = *link;
                *link = found->pNext;
                break;
            }
        }
    }
    // Deleted outside the lock: the destructor may use this slot again.
    if (found != nullptr) {
        delete found->pObject;
        delete found;
    }
}

void AfxTermThread()
{
    for (;;) {
        // One slot at a time, so that destructors may touch other slots.
        CThreadLocalObject* slot = nullptr;
        {
            CSlotLock lock(&g_slotsLock);
            for (CThreadLocalObject* s = g_firstSlot; s != nullptr && slot == nullptr; s = s->m_pNextSlot) {
                if (s->GetDataNA() != nullptr)
                    slot = s;
            }
        }
        if (slot == nullptr)
            return;
        slot->RemoveCurrentThreadData();
    }
}

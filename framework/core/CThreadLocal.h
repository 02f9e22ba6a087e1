// One object per thread, created on first use in that thread. The slot owns
// the objects: a thread's object is deleted by AfxTermThread (called when a
// thread ends its work) or, at the latest, with the slot.
#pragma once
#include "framework/core/CNoTrackObject.h"
#include <windows.h>

class CThreadLocalObject
{
public:
    constexpr CThreadLocalObject() = default;
    ~CThreadLocalObject();
    CThreadLocalObject(const CThreadLocalObject&) = delete;
    CThreadLocalObject& operator=(const CThreadLocalObject&) = delete;

    // The calling thread's object, made with the factory on first use.
    CNoTrackObject* GetData(CNoTrackObject* (*pfnCreateObject)());
    // The calling thread's object, or null when it has none yet.
    CNoTrackObject* GetDataNA();
    // Deletes the calling thread's object.
    void RemoveCurrentThreadData();

private:
    struct CEntry
    {
        DWORD threadId;
        CNoTrackObject* pObject;
        CEntry* pNext;
    };
    friend void AfxTermThread();

    CEntry* volatile m_pEntries = nullptr;
    volatile LONG m_lock = 0;
    CThreadLocalObject* m_pNextSlot = nullptr;
    bool m_bRegistered = false;
};

template <class TYPE>
class CThreadLocal : public CThreadLocalObject
{
public:
    constexpr CThreadLocal() = default;

    TYPE* GetData() { return static_cast<TYPE*>(CThreadLocalObject::GetData(&CreateObject)); }
    TYPE* GetDataNA() { return static_cast<TYPE*>(CThreadLocalObject::GetDataNA()); }
    operator TYPE*() { return GetData(); }
    TYPE* operator->() { return GetData(); }

    static CNoTrackObject* CreateObject() { return new TYPE; }
};

// Deletes the calling thread's objects in every thread-local slot.
void AfxTermThread();

#define THREAD_LOCAL(class_name, ident_name) CThreadLocal<class_name> ident_name;
#define EXTERN_THREAD_LOCAL(class_name, ident_name) extern CThreadLocal<class_name> ident_name;

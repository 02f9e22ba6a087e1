// One object per process, created on first use by the slot and deleted with
// the slot (at process end for global slots).
#pragma once
#include "framework/core/CNoTrackObject.h"
#include <windows.h>

class CProcessLocalObject
{
public:
    constexpr CProcessLocalObject() = default;
    ~CProcessLocalObject();
    CProcessLocalObject(const CProcessLocalObject&) = delete;
    CProcessLocalObject& operator=(const CProcessLocalObject&) = delete;

    // Creates the object with the factory on first use (thread-safe; the
    // factory runs once). Null when the factory gives none.
    CNoTrackObject* GetData(CNoTrackObject* (*pfnCreateObject)());

private:
    CNoTrackObject* volatile m_pObject = nullptr;
    volatile LONG m_lock = 0;
};

template <class TYPE>
class CProcessLocal : public CProcessLocalObject
{
public:
    constexpr CProcessLocal() = default;

    TYPE* GetData() { return static_cast<TYPE*>(CProcessLocalObject::GetData(&CreateObject)); }
    TYPE* GetDataNA() { return GetData(); }
    operator TYPE*() { return GetData(); }
    TYPE* operator->() { return GetData(); }

    static CNoTrackObject* CreateObject() { return new TYPE; }
};

#define PROCESS_LOCAL(class_name, ident_name) CProcessLocal<class_name> ident_name;
#define EXTERN_PROCESS_LOCAL(class_name, ident_name) extern CProcessLocal<class_name> ident_name;

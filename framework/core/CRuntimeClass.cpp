#include "framework/core/CRuntimeClass.h"
#include "framework/core/CObject.h"

#include <cstring>
#include <new>

namespace
{
// Zero-initialised before any constructor runs, so registration from other
// translation units' start-up code finds it ready.
CRuntimeClass* g_firstClass;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    // Start-up code runs on one thread; no lock needed.
    pNewClass->m_pNextClass = g_firstClass;
    g_firstClass = pNewClass;
}

CRuntimeClass* CRuntimeClass::GetFirstClass()
{
    return g_firstClass;
}

CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    try {
        return m_pfnCreateObject();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass) {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    for (CRuntimeClass* pClass = g_firstClass; pClass != nullptr; pClass = pClass->m_pNextClass) {
        if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return nullptr;
}

CRuntimeClass* CRuntimeClass::FromName(LPCWSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    // Class names are plain ASCII identifiers; anything else matches none.
    char narrow[256];
    size_t i = 0;
    for (; lpszClassName[i] != 0; ++i) {
        if (i + 1 >= sizeof narrow || lpszClassName[i] > 0x7F)
            return nullptr;
        narrow[i] = static_cast<char>(lpszClassName[i]);
    }
    narrow[i] = 0;
    return FromName(narrow);
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != nullptr ? pClass->CreateObject() : nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCWSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != nullptr ? pClass->CreateObject() : nullptr;
}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject != nullptr && pObject->IsKindOf(pClass) ? pObject : nullptr;
}

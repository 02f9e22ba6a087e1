#include "framework/gdi/CGdiObject.h"

#include "framework/core/CThreadStorage.h"
#include "framework/windows/HandleMap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

CHandleMap<CGdiObject, HGDIOBJ>& Map()
{
    static CThreadStorage<CHandleMap<CGdiObject, HGDIOBJ>> maps;
    return maps.Get();
}

} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const CGdiObject* volatile self = this;
    return self != nullptr ? self->m_hObject : nullptr;
}

CGdiObject* CGdiObject::LookupOrAdd(HGDIOBJ hObject, CGdiObject* (*create)())
{
    return Map().FromHandle(hObject, [create](HGDIOBJ h) {
        CGdiObject* object = create();
        object->m_hObject = h;
        return object;
    });
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return FromHandleAs<CGdiObject>(hObject);
}

void CGdiObject::DeleteTempMap()
{
    Map().DeleteTemp([](CGdiObject* object) { object->m_hObject = nullptr; });
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    Map().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr && Map().LookupPermanent(hObject) == this)
        Map().RemoveHandle(hObject);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectW(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return static_cast<UINT>(::GetObjectType(m_hObject));
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    // Stock objects are not deleted: they are not attached as our own.
    if (m_hObject != nullptr)
        return FALSE;
    m_hObject = ::GetStockObject(nIndex);
    return m_hObject != nullptr;
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}

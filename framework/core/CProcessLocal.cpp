#include "framework/core/CProcessLocal.h"
#include "framework/core/CSlotLock.h"

CProcessLocalObject::~CProcessLocalObject()
{
    delete m_pObject;
    m_pObject = nullptr;
}

CNoTrackObject* CProcessLocalObject::GetData(CNoTrackObject* (*pfnCreateObject)())
{
    if (m_pObject == nullptr) {
        CSlotLock lock(&m_lock);
        if (m_pObject == nullptr)
            m_pObject = pfnCreateObject();
    }
    return m_pObject;
}

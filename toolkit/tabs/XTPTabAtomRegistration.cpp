#include "toolkit/tabs/XTPTabAtomRegistration.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

CXTPTabAtomRegistration::~CXTPTabAtomRegistration()
{
    Register(nullptr);
}

void CXTPTabAtomRegistration::Register(CXTPTabPaintManager* pPaintManager)
{
    if (pPaintManager == m_pPaintManager)
        return;
    if (pPaintManager)
    {
        pPaintManager->InternalAddRef();
        pPaintManager->AddAtom(m_pAtom);
    }
    CXTPTabPaintManager* pOld = m_pPaintManager;
    m_pPaintManager = pPaintManager;
    if (pOld)
    {
        pOld->RemoveAtom(m_pAtom);
        pOld->InternalRelease();
    }
}

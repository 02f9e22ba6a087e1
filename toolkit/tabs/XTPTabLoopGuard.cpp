#include "toolkit/tabs/XTPTabLoopGuard.h"
#include "toolkit/tabs/XTPTabManager.h"

CXTPTabLoopGuard::CXTPTabLoopGuard(CXTPTabManager* pManager)
    : m_pManager(pManager)
    , m_pOuter(pManager->m_pLoopGuard)
{
    pManager->m_pLoopGuard = this;
}

CXTPTabLoopGuard::~CXTPTabLoopGuard()
{
    if (!m_bStripDeleted)
        m_pManager->m_pLoopGuard = m_pOuter;
}

void CXTPTabLoopGuard::TellStripDeleted(CXTPTabLoopGuard* pInnermost)
{
    for (CXTPTabLoopGuard* pGuard = pInnermost; pGuard != nullptr; pGuard = pGuard->m_pOuter)
        pGuard->m_bStripDeleted = TRUE;
}

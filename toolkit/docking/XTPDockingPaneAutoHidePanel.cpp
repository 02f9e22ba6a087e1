#include "toolkit/docking/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/common/XTPPropExchange.h"
#include "toolkit/common/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

CXTPDockingPaneAutoHidePanel::CXTPDockingPaneAutoHidePanel(CXTPDockingPaneLayout* pLayout)
    : CXTPDockingPaneBase(xtpPaneTypeAutoHidePanel, pLayout)
{
}

void CXTPDockingPaneAutoHidePanel::AddGroup(CXTPDockingPaneTabbedContainer* pContainer)
{
    if (CXTPDockingPaneBase* pOld = pContainer->GetContainer())
        pOld->RemovePane(pContainer);
    m_lstPanes.push_back(pContainer);
    pContainer->SetParentContainer(this);
    pContainer->SetParentFrame(m_pParentFrame);
}

BOOL CXTPDockingPaneAutoHidePanel::ContainsPane(CXTPDockingPaneBase* pPane) const
{
    return XTPDockingPaneHolds(this, m_lstPanes, pPane);
}

void CXTPDockingPaneAutoHidePanel::FindPane(int nType, CXTPDockingPaneBaseList* pList)
{
    for (CXTPDockingPaneTabbedContainer* pGroup : m_lstPanes)
        pGroup->FindPane(nType, pList);
}

void CXTPDockingPaneAutoHidePanel::RemovePane(CXTPDockingPaneBase* pPane)
{
    XTPDockingPaneTakeOut(m_lstPanes, pPane);
}

BOOL CXTPDockingPaneAutoHidePanel::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPDockingPaneBase::DoPropExchange(pPX);
    XTPExchangeLong(pPX, L"Direction", m_direction);
    int nCount = static_cast<int>(m_lstPanes.size());
    XTPExchangeLong(pPX, L"Panes", nCount);
    if (pPX->IsLoading() && (m_direction < 0 || m_direction > 3 || m_pLayout->m_wndPanels[m_direction] || nCount < 0))
        return FALSE; // one panel per side
    // No container holds more children than the layout has nodes.
    if (pPX->IsLoading() && (nCount < 0 || nCount > static_cast<int>(m_pLayout->m_arrNodes.size())))
        return FALSE;
    std::vector<int> numbers;
    XTPDockingPaneExchangeChildren(pPX, m_lstPanes, nCount, pPX->IsLoading() ? &numbers : nullptr);
    if (pPX->IsStoring())
        return TRUE;
    for (int nIndex : numbers)
    {
        CXTPDockingPaneBase* pGroup = m_pLayout->FindLoadedNodeOfType(nIndex, xtpPaneTypeTabbedContainer, this);
        if (!pGroup)
            return FALSE;
        AddGroup(static_cast<CXTPDockingPaneTabbedContainer*>(pGroup));
    }
    m_pLayout->m_wndPanels[m_direction] = this;
    return TRUE;
}

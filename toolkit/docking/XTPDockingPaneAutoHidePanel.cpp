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
    if (pPane == this)
        return TRUE;
    for (CXTPDockingPaneTabbedContainer* pGroup : m_lstPanes)
    {
        if (pGroup->ContainsPane(pPane))
            return TRUE;
    }
    return FALSE;
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
    if (pPX->IsStoring())
    {
        for (int i = 0; i < nCount; i++)
        {
            CString strName;
            strName.Format(L"Pane-%d", i + 1);
            int nIndex = m_lstPanes[i]->m_nIndex;
            XTPExchangeLong(pPX, strName, nIndex);
        }
        return TRUE;
    }
    // One panel per side.
    if (m_direction < 0 || m_direction > 3 || m_pLayout->m_wndPanels[m_direction] || nCount < 0)
        return FALSE;
    for (int i = 0; i < nCount; i++)
    {
        CString strName;
        strName.Format(L"Pane-%d", i + 1);
        int nIndex = 0;
        XTPExchangeLong(pPX, strName, nIndex);
        CXTPDockingPaneBase* pGroup = m_pLayout->FindLoadedNodeOfType(nIndex, xtpPaneTypeTabbedContainer, this);
        if (!pGroup)
            return FALSE;
        AddGroup(static_cast<CXTPDockingPaneTabbedContainer*>(pGroup));
    }
    m_pLayout->m_wndPanels[m_direction] = this;
    return TRUE;
}

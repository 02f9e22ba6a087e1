#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/common/XTPPropExchange.h"
#include "toolkit/common/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "resources/ToolkitDockingIds.h"

CXTPDockingPaneMiniWnd::CXTPDockingPaneMiniWnd(CXTPDockingPaneLayout* pLayout)
    : CXTPDockingPaneBase(xtpPaneTypeMiniWnd, pLayout)
{
    for (int nId : {XTP_IDS_DOCKINGPANE_CLOSE, XTP_IDS_DOCKINGPANE_AUTOHIDE, XTP_IDS_DOCKINGPANE_MENU})
        m_arrCaptionButtons.Add(new CXTPDockingPaneCaptionButton(nId, this));
}

void CXTPDockingPaneMiniWnd::SetTopContainer(CXTPDockingPaneSplitterContainer* pTop)
{
    m_pTopContainer = pTop;
    if (pTop)
        pTop->SetParentContainer(this);
}

BOOL CXTPDockingPaneMiniWnd::ContainsPane(CXTPDockingPaneBase* pPane) const
{
    return pPane == this || (m_pTopContainer && m_pTopContainer->ContainsPane(pPane));
}

void CXTPDockingPaneMiniWnd::FindPane(int nType, CXTPDockingPaneBaseList* pList)
{
    if (!m_pTopContainer)
        return;
    if (nType == xtpPaneTypeSplitterContainer)
        pList->AddTail(m_pTopContainer);
    m_pTopContainer->FindPane(nType, pList);
}

void CXTPDockingPaneMiniWnd::RemovePane(CXTPDockingPaneBase* pPane)
{
    if (pPane == m_pTopContainer)
    {
        m_pTopContainer->SetParentContainer(nullptr);
        m_pTopContainer = nullptr;
    }
}

BOOL CXTPDockingPaneMiniWnd::IsEmpty() const
{
    return !m_pTopContainer || m_pTopContainer->IsEmpty();
}

BOOL CXTPDockingPaneMiniWnd::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPDockingPaneBase::DoPropExchange(pPX);
    XTPExchangeLong(pPX, L"WindowRectTopPos", m_rcFrame.top);
    XTPExchangeLong(pPX, L"WindowRectBottomPos", m_rcFrame.bottom);
    XTPExchangeLong(pPX, L"WindowRectLeftPos", m_rcFrame.left);
    XTPExchangeLong(pPX, L"WindowRectRightPos", m_rcFrame.right);
    XTPExchangeBoolWithDefault(pPX, L"Collapsed", m_bCollapsed, FALSE);
    XTPExchangeLongWithDefault(pPX, L"ExpandedHeight", m_nExpandedHeight, 0);
    int nTop = m_pTopContainer ? m_pTopContainer->m_nIndex : 0;
    XTPExchangeLong(pPX, L"TopContaner", nTop);
    if (pPX->IsStoring())
        return TRUE;
    CXTPDockingPaneBase* pTop = m_pLayout->FindLoadedNodeOfType(nTop, xtpPaneTypeSplitterContainer, this);
    if (!pTop)
        return FALSE;
    SetTopContainer(static_cast<CXTPDockingPaneSplitterContainer*>(pTop));
    return TRUE;
}

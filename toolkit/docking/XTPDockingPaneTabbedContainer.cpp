#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include <algorithm>
#include "framework/windows/CFrameWnd.h"
#include "toolkit/common/XTPPropExchange.h"
#include "toolkit/common/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPanePaintManager.h"
#include "resources/ToolkitDockingIds.h"

CXTPDockingPaneTabbedContainer::CXTPDockingPaneTabbedContainer(CXTPDockingPaneLayout* pLayout)
    : CXTPDockingPaneBase(xtpPaneTypeTabbedContainer, pLayout)
{
    for (int nId : {XTP_IDS_DOCKINGPANE_AUTOHIDE, XTP_IDS_DOCKINGPANE_MAXIMIZE, XTP_IDS_DOCKINGPANE_RESTORE,
                    XTP_IDS_DOCKINGPANE_CLOSE, XTP_IDS_DOCKINGPANE_MENU})
        m_arrCaptionButtons.Add(new CXTPDockingPaneCaptionButton(nId, this));
    m_bAllowReorder = FALSE;
}

CXTPDockingPaneTabbedContainer::~CXTPDockingPaneTabbedContainer()
{
    DeleteAllItems();
}

void CXTPDockingPaneTabbedContainer::AddPane(CXTPDockingPane* pPane, BOOL bSetFocus)
{
    // A pane lies in one container only: it leaves the old one first.
    if (CXTPDockingPaneBase* pOld = pPane->GetContainer())
    {
        if (pOld == this)
            return;
        pOld->RemovePane(pPane);
    }
    m_lstPanes.push_back(pPane);
    pPane->SetParentContainer(this);
    pPane->SetParentFrame(m_pParentFrame);
    SelectPane(pPane, bSetFocus);
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
}

void CXTPDockingPaneTabbedContainer::SelectPane(CXTPDockingPane* pPane, BOOL /*bSetFocus*/, BOOL bNotify)
{
    if (pPane == m_pSelectedPane)
        return;
    m_pSelectedPane = pPane;
    if (bNotify && m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
    UpdateTabs();
}

void CXTPDockingPaneTabbedContainer::RemovePane(CXTPDockingPaneBase* pPane)
{
    if (!XTPDockingPaneTakeOut(m_lstPanes, pPane))
        return;
    if (m_pSelectedPane == pPane)
        m_pSelectedPane = m_lstPanes.empty() ? nullptr : m_lstPanes.front();
    UpdateTabs();
    // An emptied container stays in the tree (hidden): ShowPane brings
    // closed panes back into it; the clean-up removes unused ones.
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
}

void CXTPDockingPaneTabbedContainer::Copy(CXTPDockingPaneTabbedContainer* pSource, DWORD dwIgnoredOptions)
{
    m_szDocking = pSource->m_szDocking;
    m_rcWindow = pSource->m_rcWindow;
    CXTPDockingPane* pSelected = pSource->GetSelected();
    for (CXTPDockingPane* pPane : std::vector<CXTPDockingPane*>(pSource->m_lstPanes))
    {
        if ((pPane->GetOptions() & dwIgnoredOptions) == 0)
            AddPane(pPane, FALSE);
    }
    if (pSelected && pSelected->GetContainer() == this)
        SelectPane(pSelected, FALSE, FALSE);
}

CString CXTPDockingPaneTabbedContainer::GetTitle() const
{
    return m_pSelectedPane ? m_pSelectedPane->GetShortTitle() : CString();
}

BOOL CXTPDockingPaneTabbedContainer::IsTitleVisible() const
{
    return m_bTitleVisible && !(m_pSelectedPane && (m_pSelectedPane->GetOptions() & xtpPaneNoCaption));
}

BOOL CXTPDockingPaneTabbedContainer::IsTabsVisible() const
{
    return m_lstPanes.size() > 1;
}

BOOL CXTPDockingPaneTabbedContainer::IsHidden() const
{
    return m_pParentContainer && m_pParentContainer->GetType() == xtpPaneTypeAutoHidePanel;
}

BOOL CXTPDockingPaneTabbedContainer::ContainsPane(CXTPDockingPaneBase* pPane) const
{
    return pPane == this || std::find(m_lstPanes.begin(), m_lstPanes.end(), pPane) != m_lstPanes.end();
}

void CXTPDockingPaneTabbedContainer::FindPane(int nType, CXTPDockingPaneBaseList* pList)
{
    if (nType == xtpPaneTypeTabbedContainer)
    {
        pList->AddTail(this);
        return;
    }
    for (CXTPDockingPane* pPane : m_lstPanes)
        pPane->FindPane(nType, pList);
}

void CXTPDockingPaneTabbedContainer::GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const
{
    CXTPDockingPaneBase::GetMinMaxInfo(pMinMaxInfo);
    if (m_lstPanes.empty())
        return;
    for (CXTPDockingPane* pPane : m_lstPanes)
    {
        MINMAXINFO mmi;
        pPane->GetMinMaxInfo(&mmi);
        pMinMaxInfo->ptMinTrackSize.x = std::max(pMinMaxInfo->ptMinTrackSize.x, mmi.ptMinTrackSize.x);
        pMinMaxInfo->ptMinTrackSize.y = std::max(pMinMaxInfo->ptMinTrackSize.y, mmi.ptMinTrackSize.y);
        pMinMaxInfo->ptMaxTrackSize.x = std::min(pMinMaxInfo->ptMaxTrackSize.x, mmi.ptMaxTrackSize.x);
        pMinMaxInfo->ptMaxTrackSize.y = std::min(pMinMaxInfo->ptMaxTrackSize.y, mmi.ptMaxTrackSize.y);
    }
}

void CXTPDockingPaneTabbedContainer::OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* /*lpLayout*/)
{
    SetParentFrame(pParent);
    m_rcWindow = rect;
    UpdateTabs();
}

void CXTPDockingPaneTabbedContainer::SetParentFrame(CWnd* pFrame)
{
    m_pParentFrame = pFrame;
    for (CXTPDockingPane* pPane : m_lstPanes)
        pPane->SetParentFrame(pFrame);
}

void CXTPDockingPaneTabbedContainer::UpdateTabs()
{
    DeleteAllItems();
    for (CXTPDockingPane* pPane : m_lstPanes)
    {
        CXTPTabManagerItem* pItem = new CXTPTabManagerItem();
        pItem->m_strCaption = pPane->GetTabCaption();
        pItem->m_pData = pPane;
        AddItem(-1, pItem);
        pItem->m_clrItem = pPane->GetItemColor();
        if (pPane == m_pSelectedPane)
            m_pSelected = pItem;
    }
}

void CXTPDockingPaneTabbedContainer::Reposition()
{
}

CXTPTabPaintManager* CXTPDockingPaneTabbedContainer::GetPaintManager() const
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    return pManager ? pManager->GetPaintManager()->GetTabPaintManager() : nullptr;
}

void CXTPDockingPaneTabbedContainer::RedrawControl()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

BOOL CXTPDockingPaneTabbedContainer::DrawItemIcon(CDC* /*pDC*/, CPoint /*pt*/, CXTPTabManagerItem* /*pItem*/,
                                                  BOOL /*bDraw*/, CSize& /*szIcon*/)
{
    return FALSE;
}

BOOL CXTPDockingPaneTabbedContainer::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPDockingPaneBase::DoPropExchange(pPX);
    int nCount = static_cast<int>(m_lstPanes.size());
    XTPExchangeLong(pPX, L"Panes", nCount);
    int nSelected = m_pSelectedPane ? m_pSelectedPane->m_nIndex : 0;
    XTPExchangeLongWithDefault(pPX, L"Selected", nSelected, 0);
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
    if (nCount < 0)
        return FALSE;
    CXTPDockingPane* pSelect = nullptr;
    for (int i = 0; i < nCount; i++)
    {
        CString strName;
        strName.Format(L"Pane-%d", i + 1);
        int nIndex = 0;
        XTPExchangeLong(pPX, strName, nIndex);
        CXTPDockingPane* pPane =
            static_cast<CXTPDockingPane*>(m_pLayout->FindLoadedNodeOfType(nIndex, xtpPaneTypeDockingPane, this));
        if (!pPane || pPane->GetContainer())
            return FALSE;
        AddPane(pPane, FALSE);
        if (nIndex == nSelected)
            pSelect = pPane;
    }
    // Selected without focus: a loaded pane may have no window yet.
    if (pSelect)
        SelectPane(pSelect, FALSE, TRUE);
    return TRUE;
}

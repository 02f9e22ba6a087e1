#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include <algorithm>
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CFrameWnd.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterSizes.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"

namespace {

void DelayRecalc(CWnd* pSite)
{
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pSite))
    {
        if (pFrame->GetSafeHwnd())
            pFrame->DelayRecalcLayout();
    }
}

} // namespace

CXTPDockingPaneSplitterContainer::CXTPDockingPaneSplitterContainer(CXTPDockingPaneLayout* pLayout)
    : CXTPDockingPaneBase(xtpPaneTypeSplitterContainer, pLayout)
{
}

CXTPDockingPaneSplitterContainer::~CXTPDockingPaneSplitterContainer()
{
    DestroySplitters();
}

void CXTPDockingPaneSplitterContainer::DestroySplitters()
{
    std::vector<CXTPDockingPaneSplitterWnd*> bars;
    bars.swap(m_lstSpliters);
    for (CXTPDockingPaneSplitterWnd* pBar : bars)
        delete pBar;
}

void CXTPDockingPaneSplitterContainer::RebuildSplitters()
{
    if (m_bRecalcLayout)
        return;
    DestroySplitters();
    if (m_lstPanes.size() < 2 || !m_pLayout || m_pLayout->IsUserLayout() || !m_pParentFrame ||
        !m_pParentFrame->GetSafeHwnd())
        return;
    CXTPDockingPaneBase* pPrevious = nullptr;
    for (CXTPDockingPaneBase* pChild : m_lstPanes)
    {
        if (pChild->IsEmpty())
            continue;
        if (pPrevious)
        {
            CXTPDockingPaneSplitterWnd* pBar = new CXTPDockingPaneSplitterWnd(this, pPrevious, pChild);
            pBar->Create(m_pParentFrame);
            m_lstSpliters.push_back(pBar);
        }
        pPrevious = pChild;
    }
}

void CXTPDockingPaneSplitterContainer::PlaceSplitters(AFX_SIZEPARENTPARAMS* lpLayout)
{
    for (CXTPDockingPaneSplitterWnd* pBar : m_lstSpliters)
    {
        CRect r1 = pBar->GetFirst()->GetPaneWindowRect(), r2 = pBar->GetSecond()->GetPaneWindowRect();
        CRect rc = m_bHoriz ? CRect(r1.right, m_rcWindow.top, r2.left, m_rcWindow.bottom)
                            : CRect(m_rcWindow.left, r1.bottom, m_rcWindow.right, r2.top);
        rc &= m_rcWindow;
        if (lpLayout && lpLayout->hDWP && pBar->GetSafeHwnd())
        {
            AfxRepositionWindow(lpLayout, pBar->GetSafeHwnd(), rc);
            pBar->Invalidate(FALSE);
        }
    }
}

void CXTPDockingPaneSplitterContainer::NotifyChanged()
{
    // A loading layout is told once, at its end.
    if (m_pLayout && m_pLayout->IsLoading())
        return;
    RebuildSplitters();
    DelayRecalc(m_pParentFrame);
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
}

void CXTPDockingPaneSplitterContainer::AddChild(CXTPDockingPaneBase* pNode, CXTPDockingPaneBase* pBeside, BOOL bAfter)
{
    auto it = std::find(m_lstPanes.begin(), m_lstPanes.end(), pBeside);
    if (it == m_lstPanes.end())
        m_lstPanes.insert(bAfter ? m_lstPanes.end() : m_lstPanes.begin(), pNode);
    else
        m_lstPanes.insert(bAfter ? it + 1 : it, pNode);
    pNode->SetParentContainer(this);
    pNode->SetParentFrame(m_pParentFrame);
    NotifyChanged();
    pNode->OnParentContainerChanged(this);
}

void CXTPDockingPaneSplitterContainer::Init(CXTPDockingPaneBase* pNode, BOOL bHoriz, CWnd* pFrame)
{
    m_pParentFrame = pFrame;
    m_bHoriz = bHoriz;
    m_szDocking = pNode->m_szDocking;
    AddChild(pNode);
}

void CXTPDockingPaneSplitterContainer::ReplaceChild(CXTPDockingPaneBase* pOld, CXTPDockingPaneBase* pNew)
{
    auto it = std::find(m_lstPanes.begin(), m_lstPanes.end(), pOld);
    if (it == m_lstPanes.end())
        return;
    *it = pNew;
    pNew->SetParentContainer(this);
    pNew->SetParentFrame(m_pParentFrame);
    if (pOld->GetContainer() == this)
        pOld->SetParentContainer(nullptr);
    NotifyChanged();
}

void CXTPDockingPaneSplitterContainer::RemovePane(CXTPDockingPaneBase* pPane)
{
    if (!XTPDockingPaneTakeOut(m_lstPanes, pPane))
        return;
    NotifyChanged();
    if (m_lstPanes.empty() && m_pParentContainer)
        m_pParentContainer->RemovePane(this);
}

BOOL CXTPDockingPaneSplitterContainer::ContainsPane(CXTPDockingPaneBase* pPane) const
{
    return XTPDockingPaneHolds(this, m_lstPanes, pPane);
}

void CXTPDockingPaneSplitterContainer::FindPane(int nType, CXTPDockingPaneBaseList* pList)
{
    // Emptied containers wait in the tree for their panes: they are not found.
    for (CXTPDockingPaneBase* pChild : std::vector<CXTPDockingPaneBase*>(m_lstPanes))
    {
        if (pChild->IsEmpty())
            continue;
        if (pChild->GetType() == nType)
            pList->AddTail(pChild);
        else
            pChild->FindPane(nType, pList);
    }
}

void CXTPDockingPaneSplitterContainer::SetParentFrame(CWnd* pFrame)
{
    m_pParentFrame = pFrame;
    for (CXTPDockingPaneBase* pChild : m_lstPanes)
        pChild->SetParentFrame(pFrame);
}

void CXTPDockingPaneSplitterContainer::OnChildContainerChanged(CXTPDockingPaneBase* /*pContainer*/)
{
    NotifyChanged();
}

void CXTPDockingPaneSplitterContainer::OnParentContainerChanged(CXTPDockingPaneBase* pContainer)
{
    if (m_pLayout && m_pLayout->IsLoading())
        return;
    RebuildSplitters();
    for (CXTPDockingPaneBase* pChild : m_lstPanes)
        pChild->OnParentContainerChanged(pContainer);
    DelayRecalc(m_pParentFrame);
}

BOOL CXTPDockingPaneSplitterContainer::IsEmpty() const
{
    for (CXTPDockingPaneBase* pChild : m_lstPanes)
    {
        if (!pChild->IsEmpty())
            return FALSE;
    }
    return TRUE;
}

std::vector<int> CXTPDockingPaneSplitterContainer::CalcLengths(const std::vector<CXTPDockingPaneBase*>& arrChildren,
                                                                CRect rect, BOOL bHoriz, BOOL bApply)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    CXTPDockingPaneBase* pClient = m_pLayout ? m_pLayout->GetClientPane() : nullptr;
    BOOL bHideClient = pManager && pManager->m_bHideClient;
    int nGap = pManager ? pManager->GetPaintManager()->GetSplitterSize() : 4;

    std::vector<XTP_DOCKINGPANE_SPLIT_CHILD> children;
    BOOL bStretchFound = FALSE;
    for (CXTPDockingPaneBase* pChild : arrChildren)
    {
        MINMAXINFO mmi;
        pChild->GetMinMaxInfo(&mmi);
        XTP_DOCKINGPANE_SPLIT_CHILD c = {};
        c.nWanted = bHoriz ? pChild->m_szDocking.cx : pChild->m_szDocking.cy;
        c.nMin = bHoriz ? mmi.ptMinTrackSize.x : mmi.ptMinTrackSize.y;
        c.nMax = bHoriz ? mmi.ptMaxTrackSize.x : mmi.ptMaxTrackSize.y;
        if (!bStretchFound && pClient && pChild->ContainsPane(pClient) &&
            (!bHideClient || (pChild->m_szDocking.cx == 0 && pChild->m_szDocking.cy == 0)))
        {
            c.bStretch = TRUE;
            bStretchFound = TRUE;
        }
        children.push_back(c);
    }
    XTPDockingPaneDistributeSizes(children.data(), static_cast<int>(children.size()),
                                  bHoriz ? rect.Width() : rect.Height(), nGap);
    std::vector<int> lengths;
    for (size_t i = 0; i < children.size(); i++)
    {
        lengths.push_back(children[i].nLength);
        if (bApply && children[i].bStretch)
            arrChildren[i]->m_szDocking = {0, 0};
    }
    return lengths;
}

void CXTPDockingPaneSplitterContainer::HideEmptyContainers(CXTPDockingPaneBase* pChild)
{
    // Emptied containers wait in the tree for their panes, out of sight:
    // the layout gives them no room, so it must not leave them where they were.
    if (auto* pSplitter = dynamic_cast<CXTPDockingPaneSplitterContainer*>(pChild))
    {
        for (CXTPDockingPaneBase* pGrandChild : pSplitter->m_lstPanes)
            HideEmptyContainers(pGrandChild);
        return;
    }
    auto* pContainer = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pChild);
    HWND hContainer = pContainer ? pContainer->GetSafeHwnd() : nullptr;
    if (hContainer && ::IsWindowVisible(hContainer))
        ::ShowWindow(hContainer, SW_HIDE);
}

void CXTPDockingPaneSplitterContainer::OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout)
{
    m_rcWindow = rect;
    m_pParentFrame = pParent;
    std::vector<CXTPDockingPaneBase*> visible;
    for (CXTPDockingPaneBase* pChild : m_lstPanes)
    {
        if (!pChild->IsEmpty())
            visible.push_back(pChild);
        else
            HideEmptyContainers(pChild);
    }
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    CXTPDockingPaneBase* pClient = m_pLayout ? m_pLayout->GetClientPane() : nullptr;
    // Panes that can use the room take it all: the client gets none, also
    // where it lies (hidden itself) directly in this splitter.
    if (pManager && pManager->m_bHideClient && pClient && !visible.empty() && ContainsPane(pClient))
        pClient->OnSizeParent(pParent, CRect(0, 0, 0, 0), lpLayout);
    if (visible.empty())
        return;
    if (visible.size() == 1)
    {
        visible[0]->OnSizeParent(pParent, rect, lpLayout);
        return;
    }
    if (m_bRecalcLayout)
        return;
    m_bRecalcLayout = TRUE;
    std::vector<int> lengths = CalcLengths(visible, rect, TRUE);
    int nGap = pManager ? pManager->GetPaintManager()->GetSplitterSize() : 4;
    int nPos = m_bHoriz ? rect.left : rect.top;
    for (size_t i = 0; i < visible.size(); i++)
    {
        BOOL bLast = i + 1 == visible.size();
        CRect rc = rect;
        if (m_bHoriz)
            rc.left = nPos, rc.right = bLast ? rect.right : nPos + lengths[i];
        else
            rc.top = nPos, rc.bottom = bLast ? rect.bottom : nPos + lengths[i];
        visible[i]->OnSizeParent(pParent, rc, lpLayout);
        nPos += lengths[i] + nGap;
    }
    m_bRecalcLayout = FALSE;
    PlaceSplitters(lpLayout);
}

BOOL CXTPDockingPaneSplitterContainer::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPDockingPaneBase::DoPropExchange(pPX);
    XTPExchangeBoolWithDefault(pPX, L"Horiz", m_bHoriz, FALSE);
    int nCount = static_cast<int>(m_lstPanes.size());
    XTPExchangeLongWithDefault(pPX, L"Panes", nCount, 0);
    std::vector<int> numbers;
    if (!XTPDockingPaneExchangeChildren(pPX, m_lstPanes, nCount, static_cast<int>(m_pLayout->m_arrNodes.size()),
                                        pPX->IsLoading() ? &numbers : nullptr))
        return FALSE;
    for (int nIndex : numbers)
    {
        CXTPDockingPaneBase* pChild = m_pLayout->FindLoadedNode(nIndex, this);
        if (!pChild || (pChild->GetType() != xtpPaneTypeTabbedContainer &&
                        pChild->GetType() != xtpPaneTypeSplitterContainer && pChild->GetType() != xtpPaneTypeClient))
            return FALSE;
        // Linked quietly: telling the whole subtree per child costs its depth.
        m_lstPanes.push_back(pChild);
        pChild->SetParentContainer(this);
    }
    return TRUE;
}

void CXTPDockingPaneSplitterContainer::OnLoaded()
{
    RebuildSplitters();
    DelayRecalc(m_pParentFrame);
}

CXTPDockingPaneBase* CXTPDockingPaneSplitterContainer::Clone(CXTPDockingPaneLayout* pLayout,
                                                             CXTPDockingPaneClonedMap* pMap, DWORD dwIgnoredOptions)
{
    CXTPDockingPaneManager* pManager = pLayout ? pLayout->GetManager() : nullptr;
    auto* pClone = pManager ? dynamic_cast<CXTPDockingPaneSplitterContainer*>(
                                  pManager->OnCreatePane(xtpPaneTypeSplitterContainer, pLayout))
                            : nullptr;
    if (!pClone)
        return nullptr;
    pClone->m_bHoriz = m_bHoriz;
    pClone->m_szDocking = m_szDocking;
    pClone->m_rcWindow = m_rcWindow;
    pClone->m_pParentFrame = m_pParentFrame;
    // Moving panes out of a child changes nothing of this list; still a copy.
    for (CXTPDockingPaneBase* pChild : std::vector<CXTPDockingPaneBase*>(m_lstPanes))
    {
        if (CXTPDockingPaneBase* pChildClone = pChild->Clone(pLayout, pMap, dwIgnoredOptions))
            pClone->AddChild(pChildClone);
    }
    return pClone;
}

#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include <algorithm>
#include <set>
#include "framework/core/CException.h"
#include "framework/files/CArchive.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

CString SectionName(int nIndex)
{
    CString strName;
    strName.Format(L"Pane-%d", nIndex);
    return strName;
}

} // namespace

CXTPDockingPaneLayout::CXTPDockingPaneLayout(CXTPDockingPaneManager* pManager)
    : m_pManager(pManager)
{
}

CXTPDockingPaneLayout::~CXTPDockingPaneLayout()
{
    Clear();
}

void CXTPDockingPaneLayout::DestroyNode(CXTPDockingPaneBase* pNode)
{
    // A drag running in a modal loop may hold the node.
    if (CXTPDockingPaneContext* pContext = m_pManager ? m_pManager->GetDockingContext() : nullptr)
        pContext->OnNodeDestroyed(pNode);
    if (pNode->GetType() == xtpPaneTypeDockingPane)
        static_cast<CXTPDockingPane*>(pNode)->InternalRelease();
    else
        delete pNode;
}

void CXTPDockingPaneLayout::Clear()
{
    m_pTopContainer = nullptr;
    m_pClient = nullptr;
    std::vector<CXTPDockingPaneBase*> nodes;
    nodes.swap(m_arrNodes);
    // Parents first lose their children, so that no node points to a dead one.
    for (CXTPDockingPaneBase* pNode : nodes)
        pNode->m_pParentContainer = nullptr;
    for (CXTPDockingPaneBase* pNode : nodes)
        DestroyNode(pNode);
    m_arrPanes.clear();
    std::fill(std::begin(m_wndPanels), std::end(m_wndPanels), nullptr);
}

BOOL CXTPDockingPaneLayout::IsValid() const
{
    return m_pTopContainer && m_pClient && m_pClient->GetType() == xtpPaneTypeClient && m_pManager;
}

void CXTPDockingPaneLayout::OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout)
{
    if (!IsValid())
        return;
    // The auto-hide strips are cut from the frame's room before the tree.
    for (CXTPDockingPaneBase* pNode : m_wndPanels)
    {
        auto* pPanel = static_cast<CXTPDockingPaneAutoHidePanel*>(pNode);
        if (!pPanel)
            continue;
        pPanel->OnSizeParent(pParent, rect, lpLayout);
        if (pPanel->IsEmpty())
            continue;
        int nThickness = pPanel->GetStripThickness();
        switch (pPanel->GetDirection())
        {
        case xtpPaneDockLeft: rect.left += nThickness; break;
        case xtpPaneDockRight: rect.right -= nThickness; break;
        case xtpPaneDockTop: rect.top += nThickness; break;
        default: rect.bottom -= nThickness; break;
        }
    }
    m_pClient->OnSizeParent(pParent, rect, lpLayout);
    m_pTopContainer->OnSizeParent(pParent, rect, lpLayout);
}

XTP_DOCKINGPANE_INFO* CXTPDockingPaneLayout::FindPaneInfo(CXTPDockingPane* pPane)
{
    for (XTP_DOCKINGPANE_INFO& info : m_arrPanes)
    {
        if (info.pPane == pPane)
            return &info;
    }
    return nullptr;
}

int CXTPDockingPaneLayout::FindLoadedTree(int nIndex)
{
    int nRoot = nIndex;
    while (m_arrLoadedTrees[nRoot] != nRoot)
        nRoot = m_arrLoadedTrees[nRoot];
    // Shortened on the way back, so later look-ups stay short.
    while (m_arrLoadedTrees[nIndex] != nRoot)
    {
        int nNext = m_arrLoadedTrees[nIndex];
        m_arrLoadedTrees[nIndex] = nRoot;
        nIndex = nNext;
    }
    return nRoot;
}

CXTPDockingPaneBase* CXTPDockingPaneLayout::FindLoadedNode(int nIndex, CXTPDockingPaneBase* pParent)
{
    if (nIndex < 1 || nIndex > static_cast<int>(m_arrNodes.size()))
        return nullptr;
    CXTPDockingPaneBase* pNode = m_arrNodes[nIndex - 1];
    if (!pParent)
        return pNode;
    // One parent per node, and never a loop back to the parent: a node with
    // no parent is the root of its tree, so a loop means pParent is in it.
    if (pNode->GetContainer() || pNode == pParent)
        return nullptr;
    if (m_bLoading && pParent->m_nIndex >= 1 && pParent->m_nIndex < static_cast<int>(m_arrLoadedTrees.size()))
    {
        int nParentTree = FindLoadedTree(pParent->m_nIndex);
        if (nParentTree == nIndex)
            return nullptr;
        m_arrLoadedTrees[nIndex] = nParentTree;
        return pNode;
    }
    return pNode->ContainsPane(pParent) ? nullptr : pNode;
}

CXTPDockingPaneBase* CXTPDockingPaneLayout::FindLoadedNodeOfType(int nIndex, int nType, CXTPDockingPaneBase* pParent)
{
    if (nIndex < 1 || nIndex > static_cast<int>(m_arrNodes.size()) || m_arrNodes[nIndex - 1]->GetType() != nType)
        return nullptr;
    return FindLoadedNode(nIndex, pParent);
}

void CXTPDockingPaneLayout::RemoveUnusedNodes()
{
    std::set<CXTPDockingPaneBase*> used;
    for (const XTP_DOCKINGPANE_INFO& info : m_arrPanes)
    {
        used.insert(info.pDockingHolder);
        used.insert(info.pFloatingHolder);
        used.insert(info.pPane->GetContainer());
    }
    for (BOOL bRemoved = TRUE; bRemoved;)
    {
        bRemoved = FALSE;
        for (CXTPDockingPaneBase* pNode : std::vector<CXTPDockingPaneBase*>(m_arrNodes))
        {
            CXTPDockingPaneBase* pParent = pNode->GetContainer();
            BOOL bRemove = FALSE;
            if (pNode->GetType() == xtpPaneTypeTabbedContainer && !used.count(pNode))
                bRemove = TRUE;
            else if (pNode->GetType() == xtpPaneTypeMiniWnd &&
                     !static_cast<CXTPDockingPaneMiniWnd*>(pNode)->GetTopContainer())
                bRemove = TRUE;
            else if (pNode->GetType() == xtpPaneTypeSplitterContainer && pNode != m_pTopContainer)
            {
                auto* pSplitter = static_cast<CXTPDockingPaneSplitterContainer*>(pNode);
                auto* pParentSplitter = pParent && pParent->GetType() == xtpPaneTypeSplitterContainer
                                            ? static_cast<CXTPDockingPaneSplitterContainer*>(pParent)
                                            : nullptr;
                if (pSplitter->m_lstPanes.empty())
                    bRemove = TRUE;
                else if (pSplitter->m_lstPanes.size() == 1 && pParentSplitter &&
                         pParentSplitter->m_lstPanes.size() == 1)
                {
                    CXTPDockingPaneBase* pChild = pSplitter->m_lstPanes.front();
                    pSplitter->m_lstPanes.clear();
                    pParentSplitter->ReplaceChild(pSplitter, pChild);
                    pParent = nullptr;
                    bRemove = TRUE;
                }
            }
            if (!bRemove)
                continue;
            if (pParent)
            {
                // Taken out quietly: an emptied parent is found by a later pass.
                auto* pParentSplitter = static_cast<CXTPDockingPaneSplitterContainer*>(pParent);
                if (pParent->GetType() == xtpPaneTypeSplitterContainer)
                {
                    auto& children = pParentSplitter->m_lstPanes;
                    children.erase(std::remove(children.begin(), children.end(), pNode), children.end());
                }
                else
                    pParent->RemovePane(pNode);
            }
            if (pNode->GetType() == xtpPaneTypeTabbedContainer)
            {
                for (CXTPDockingPane* pPane : static_cast<CXTPDockingPaneTabbedContainer*>(pNode)->m_lstPanes)
                    pPane->m_pParentContainer = nullptr;
            }
            m_arrNodes.erase(std::find(m_arrNodes.begin(), m_arrNodes.end(), pNode));
            for (XTP_DOCKINGPANE_INFO& info : m_arrPanes)
            {
                if (info.pLastHolder == pNode)
                    info.pLastHolder = nullptr;
            }
            DestroyNode(pNode);
            bRemoved = TRUE;
        }
    }
}

int CXTPDockingPaneLayout::GetPaneDirection(CXTPDockingPaneBase* pNode) const
{
    for (CXTPDockingPaneBase* pUp = pNode; pUp; pUp = pUp->GetContainer())
    {
        if (auto* pPanel = dynamic_cast<CXTPDockingPaneAutoHidePanel*>(pUp))
            return pPanel->GetDirection();
    }
    CXTPDockingPaneBase* pClient = m_pClient;
    for (CXTPDockingPaneBase* pBranch = pNode; pBranch && pBranch->GetContainer(); pBranch = pBranch->GetContainer())
    {
        CXTPDockingPaneBase* pParent = pBranch->GetContainer();
        auto* pSplitter = dynamic_cast<CXTPDockingPaneSplitterContainer*>(pParent);
        if (!pSplitter || !pClient || !pSplitter->ContainsPane(pClient) || pBranch->ContainsPane(pClient))
            continue;
        for (CXTPDockingPaneBase* pChild : pSplitter->GetChildren())
        {
            if (pChild == pBranch)
                return pSplitter->IsHoriz() ? xtpPaneDockLeft : xtpPaneDockTop;
            if (pChild->ContainsPane(pClient))
                return pSplitter->IsHoriz() ? xtpPaneDockRight : xtpPaneDockBottom;
        }
    }
    return xtpPaneDockLeft;
}

void CXTPDockingPaneLayout::HideToPanel(CXTPDockingPaneBase* pNode)
{
    // Only panes and tabbed containers make a group.
    auto* pSource = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pNode);
    if (!pNode || !m_pManager || (!pSource && pNode->GetType() != xtpPaneTypeDockingPane))
        return;
    int direction = GetPaneDirection(pNode);
    CXTPDockingPaneAutoHidePanel* pPanel = m_wndPanels[direction];
    if (!pPanel)
    {
        pPanel = static_cast<CXTPDockingPaneAutoHidePanel*>(m_pManager->OnCreatePane(xtpPaneTypeAutoHidePanel, this));
        pPanel->SetDirection(direction);
        m_wndPanels[direction] = pPanel;
    }
    // Panes from the same docked place join the group already hidden.
    CXTPDockingPane* pFirst = pSource ? (pSource->GetPanes().empty() ? nullptr : pSource->GetPanes().front())
                                      : static_cast<CXTPDockingPane*>(pNode);
    XTP_DOCKINGPANE_INFO* pFirstInfo = pFirst ? FindPaneInfo(pFirst) : nullptr;
    for (CXTPDockingPaneTabbedContainer* pGroup : pPanel->GetGroups())
    {
        XTP_DOCKINGPANE_INFO* pGroupInfo =
            pGroup->GetPanes().empty() ? nullptr : FindPaneInfo(pGroup->GetPanes().front());
        if (!pFirstInfo || !pGroupInfo || pGroupInfo->pDockingHolder != pFirstInfo->pDockingHolder)
            continue;
        std::vector<CXTPDockingPane*> panes =
            pSource ? pSource->GetPanes() : std::vector<CXTPDockingPane*>{static_cast<CXTPDockingPane*>(pNode)};
        for (CXTPDockingPane* pPane : panes)
        {
            if (!(pPane->GetOptions() & xtpPaneNoHideable))
                pGroup->AddPane(pPane, FALSE);
        }
        return;
    }
    auto* pGroup =
        static_cast<CXTPDockingPaneTabbedContainer*>(m_pManager->OnCreatePane(xtpPaneTypeTabbedContainer, this));
    if (pSource)
        pGroup->Copy(pSource, xtpPaneNoHideable);
    else
    {
        pGroup->m_szDocking = pNode->m_szDocking;
        pGroup->m_rcWindow = pNode->m_rcWindow;
        pGroup->AddPane(static_cast<CXTPDockingPane*>(pNode), FALSE);
    }
    pPanel->AddGroup(pGroup);
}

void CXTPDockingPaneLayout::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    if (ar.IsStoring())
        Save(&px);
    else
        Load(&px);
}

void CXTPDockingPaneLayout::Save(CXTPPropExchange* pPX)
{
    pPX->EmptySection();
    RemoveUnusedNodes();
    int nCount = static_cast<int>(m_arrNodes.size());
    CXTPPropExchange* pSummary = pPX->GetSection(L"Summary");
    XTPExchangeLong(pSummary, L"Panes", nCount);
    for (int i = 0; i < nCount; i++)
    {
        m_arrNodes[i]->m_nIndex = i + 1;
        CXTPPropExchange* pSection = pPX->GetSection(SectionName(i + 1));
        int nType = m_arrNodes[i]->GetType();
        XTPExchangeLong(pSection, L"Type", nType);
        pSection->InternalRelease();
    }
    for (int i = 0; i < nCount; i++)
    {
        CXTPPropExchange* pSection = pPX->GetSection(SectionName(i + 1));
        m_arrNodes[i]->DoPropExchange(pSection);
        pSection->InternalRelease();
    }
    int nTop = m_pTopContainer ? m_pTopContainer->m_nIndex : 0;
    int nClient = m_pClient ? m_pClient->m_nIndex : 0;
    XTPExchangeLong(pSummary, L"TopContainer", nTop);
    XTPExchangeLong(pSummary, L"Client", nClient);
    pSummary->InternalRelease();
}

BOOL CXTPDockingPaneLayout::Load(CXTPPropExchange* pPX)
{
    Clear();
    BOOL bLoaded = FALSE;
    try
    {
        bLoaded = LoadNodes(pPX);
    }
    catch (CException* e)
    {
        // A store that ends early (or cannot be read) is refused like a bad one.
        e->Delete();
        bLoaded = FALSE;
    }
    m_bLoading = FALSE;
    m_arrLoadedTrees.clear();
    if (bLoaded)
    {
        OnLoaded();
        return TRUE;
    }
    // A refused tree is not left half built.
    Clear();
    return FALSE;
}

BOOL CXTPDockingPaneLayout::LoadNodes(CXTPPropExchange* pPX)
{
    if (!m_pManager)
        return FALSE;
    // Values are read in the order they were written (archives are streams).
    CXTPPropExchange* pSummary = pPX->GetSection(L"Summary");
    BOOL bOk = LoadNodeSections(pPX, pSummary);
    pSummary->InternalRelease();
    return bOk;
}

BOOL CXTPDockingPaneLayout::LoadNodeSections(CXTPPropExchange* pPX, CXTPPropExchange* pSummary)
{
    int nCount = 0;
    XTPExchangeLongWithDefault(pSummary, L"Panes", nCount, 0);
    // Each node needs a section of its own: a count beyond reason is a fault.
    if (nCount < 2 || nCount > 100000)
        return FALSE;
    for (int i = 1; i <= nCount; i++)
    {
        CXTPPropExchange* pSection = pPX->GetSection(SectionName(i));
        int nType = -1;
        XTPExchangeLongWithDefault(pSection, L"Type", nType, -1);
        pSection->InternalRelease();
        CXTPDockingPaneBase* pNode = m_pManager->OnCreatePane(nType, this);
        if (!pNode)
            return FALSE;
        pNode->m_nIndex = i;
    }
    m_arrLoadedTrees.resize(nCount + 1);
    for (int i = 0; i <= nCount; i++)
        m_arrLoadedTrees[i] = i;
    m_bLoading = TRUE;
    std::vector<CXTPDockingPaneBase*> nodes(m_arrNodes);
    for (CXTPDockingPaneBase* pNode : nodes)
    {
        CXTPPropExchange* pSection = pPX->GetSection(SectionName(pNode->m_nIndex));
        BOOL bOk = pNode->DoPropExchange(pSection);
        pSection->InternalRelease();
        if (!bOk)
            return FALSE;
    }
    int nTop = 0, nClient = 0;
    XTPExchangeLongWithDefault(pSummary, L"TopContainer", nTop, 0);
    XTPExchangeLongWithDefault(pSummary, L"Client", nClient, 0);
    CXTPDockingPaneBase* pTop = FindLoadedNodeOfType(nTop, xtpPaneTypeSplitterContainer);
    CXTPDockingPaneBase* pClient = FindLoadedNodeOfType(nClient, xtpPaneTypeClient);
    // The top is nobody's child and holds the client.
    if (!pTop || !pClient || pTop->GetContainer() || !IsLoadedTreeShallow() || !pTop->ContainsPane(pClient))
        return FALSE;
    m_pTopContainer = static_cast<CXTPDockingPaneSplitterContainer*>(pTop);
    m_pClient = pClient;
    return TRUE;
}

BOOL CXTPDockingPaneLayout::IsLoadedTreeShallow() const
{
    // Depths by the parent links, each node measured once; loops were
    // refused while linking.
    std::vector<int> depths(m_arrNodes.size(), 0);
    std::vector<CXTPDockingPaneBase*> path;
    for (size_t i = 0; i < m_arrNodes.size(); i++)
    {
        path.clear();
        int nDepth = 0;
        for (CXTPDockingPaneBase* pNode = m_arrNodes[i]; pNode; pNode = pNode->GetContainer())
        {
            int nNumber = pNode->m_nIndex;
            if (nNumber < 1 || nNumber > static_cast<int>(depths.size()))
                return FALSE;
            if (depths[nNumber - 1])
            {
                nDepth = depths[nNumber - 1];
                break;
            }
            path.push_back(pNode);
            if (static_cast<int>(path.size()) > kMaxLoadedDepth)
                return FALSE;
        }
        for (auto it = path.rbegin(); it != path.rend(); ++it)
        {
            depths[(*it)->m_nIndex - 1] = ++nDepth;
            if (nDepth > kMaxLoadedDepth)
                return FALSE;
        }
    }
    return TRUE;
}

void CXTPDockingPaneLayout::OnLoaded()
{
    // The containers were linked quietly: each builds its bars once, and
    // the site lays the tree out once.
    for (CXTPDockingPaneBase* pNode : m_arrNodes)
    {
        if (pNode->GetType() == xtpPaneTypeSplitterContainer)
            static_cast<CXTPDockingPaneSplitterContainer*>(pNode)->OnLoaded();
    }
}

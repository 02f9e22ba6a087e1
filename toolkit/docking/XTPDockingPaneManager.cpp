#include "toolkit/docking/XTPDockingPaneManager.h"
#include <ole2.h>
#include <algorithm>
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CFrameWnd.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPanePlaces.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPaneThemes.h"

CXTPDockingPaneManager::CXTPDockingPaneManager()
{
    // Uninitialised again only when this call succeeded.
    m_bOleInitialized = SUCCEEDED(::OleInitialize(nullptr));
    m_pPaintManager = XTPCreateDockingPaneTheme(xtpPaneThemeDefault);
    m_pImageManager = new CXTPImageManager;
    m_pToolTipContext = new CXTPToolTipContext;
    m_pDockingContext = new CXTPDockingPaneContext(this);
}

CXTPDockingPaneManager::~CXTPDockingPaneManager()
{
    if (m_hWnd)
        DestroyWindow();
    delete m_pDockingContext;
    // The layout's nodes are deleted below: no drag is told of them.
    m_pDockingContext = nullptr;
    delete m_pLayout;
    if (m_pActivePane)
        m_pActivePane->InternalRelease();
    m_pPaintManager->InternalRelease();
    m_pImageManager->InternalRelease();
    m_pToolTipContext->InternalRelease();
    if (m_bOleInitialized)
        ::OleUninitialize();
}

BOOL CXTPDockingPaneManager::InstallDockingPanes(CWnd* pSite, BOOL bClipChildren)
{
    if (!pSite || !pSite->GetSafeHwnd() || !dynamic_cast<CFrameWnd*>(pSite) || m_pSite)
        return FALSE;
    if (bClipChildren)
    {
        DWORD dwStyle = pSite->GetStyle();
        if ((dwStyle & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS)) != (WS_CLIPCHILDREN | WS_CLIPSIBLINGS))
            pSite->ModifyStyle(0, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    }
    if (!CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(0, 0, 0, 0), pSite, 0))
        return FALSE;
    AttachSite(pSite);
    m_pLayout->m_bUserLayout = FALSE;
    return TRUE;
}

void CXTPDockingPaneManager::AttachSite(CWnd* pSite)
{
    m_pSite = pSite;
    delete m_pLayout;
    m_pLayout = CreateLayout();
}

CXTPDockingPaneLayout* CXTPDockingPaneManager::CreateLayout()
{
    CXTPDockingPaneLayout* pLayout = new CXTPDockingPaneLayout(this);
    pLayout->m_pClient = OnCreatePane(xtpPaneTypeClient, pLayout);
    auto* pTop = static_cast<CXTPDockingPaneSplitterContainer*>(OnCreatePane(xtpPaneTypeSplitterContainer, pLayout));
    pTop->Init(pLayout->m_pClient, TRUE, m_pSite);
    pLayout->m_pTopContainer = pTop;
    return pLayout;
}

CXTPDockingPaneBase* CXTPDockingPaneManager::OnCreatePane(int nType, CXTPDockingPaneLayout* pLayout)
{
    switch (nType)
    {
    case xtpPaneTypeDockingPane: return new CXTPDockingPane(pLayout);
    case xtpPaneTypeTabbedContainer: return new CXTPDockingPaneTabbedContainer(pLayout);
    case xtpPaneTypeSplitterContainer: return new CXTPDockingPaneSplitterContainer(pLayout);
    case xtpPaneTypeClient: return new CXTPDockingPaneBase(xtpPaneTypeClient, pLayout);
    case xtpPaneTypeMiniWnd: return new CXTPDockingPaneMiniWnd(pLayout);
    case xtpPaneTypeAutoHidePanel: return new CXTPDockingPaneAutoHidePanel(pLayout);
    default: return nullptr;
    }
}

CXTPDockingPane* CXTPDockingPaneManager::CreatePane(UINT nID, CRect rc, int direction,
                                                    CXTPDockingPaneBase* pNeighbour)
{
    if (!m_pLayout)
        return nullptr;
    auto* pPane = static_cast<CXTPDockingPane*>(OnCreatePane(xtpPaneTypeDockingPane, m_pLayout));
    pPane->SetID(static_cast<int>(nID));
    pPane->m_rcWindow = rc;
    pPane->m_szDocking = {rc.Width(), rc.Height()};
    m_pLayout->m_arrPanes.push_back({pPane, nullptr, nullptr, nullptr});
    DockPane(pPane, direction, pNeighbour);
    return pPane;
}

CXTPDockingPane* CXTPDockingPaneManager::FindPane(int nID) const
{
    if (!m_pLayout)
        return nullptr;
    for (const XTP_DOCKINGPANE_INFO& info : m_pLayout->m_arrPanes)
    {
        if (info.pPane->GetID() == nID)
            return info.pPane;
    }
    return nullptr;
}

void CXTPDockingPaneManager::DockPane(CXTPDockingPaneBase* pNode, int direction, CXTPDockingPaneBase* pNeighbour)
{
    if (!m_pLayout || !pNode)
        return;
    CXTPDockingPaneSplitterContainer* pTop = m_pLayout->m_pTopContainer;
    CXTPDockingPaneBase* pTarget = DockingTarget(pNode, pNeighbour);
    BOOL bHoriz = direction == xtpPaneDockLeft || direction == xtpPaneDockRight;
    BOOL bAfter = direction == xtpPaneDockRight || direction == xtpPaneDockBottom;

    // A pane goes in a container of its own, after leaving where it lay.
    if (pNode->GetType() == xtpPaneTypeDockingPane)
    {
        auto* pContainer = static_cast<CXTPDockingPaneTabbedContainer*>(
            OnCreatePane(xtpPaneTypeTabbedContainer, m_pLayout));
        pContainer->m_szDocking = pNode->m_szDocking;
        pContainer->m_rcWindow = pNode->m_rcWindow;
        pContainer->AddPane(static_cast<CXTPDockingPane*>(pNode), FALSE);
        pNode = pContainer;
    }
    else if (CXTPDockingPaneBase* pOld = pNode->GetContainer())
        pOld->RemovePane(pNode);

    if (pTarget != pTop)
    {
        if (pTarget->GetContainer() && pTarget->GetContainer()->GetType() == xtpPaneTypeTabbedContainer)
            pTarget = pTarget->GetContainer();
        auto* pParent = dynamic_cast<CXTPDockingPaneSplitterContainer*>(pTarget->GetContainer());
        if (pParent && pParent->IsHoriz() == bHoriz)
            pParent->AddChild(pNode, pTarget, bAfter);
        else if (pParent)
        {
            auto* pSplitter = static_cast<CXTPDockingPaneSplitterContainer*>(
                OnCreatePane(xtpPaneTypeSplitterContainer, m_pLayout));
            pParent->ReplaceChild(pTarget, pSplitter);
            pSplitter->Init(pTarget, bHoriz, pParent->GetDockingSite());
            pSplitter->AddChild(pNode, pTarget, bAfter);
        }
        else
            pTarget = pTop;
    }
    if (pTarget == pTop)
    {
        if (pTop->IsHoriz() == bHoriz)
            pTop->AddChild(pNode, nullptr, bAfter);
        else
        {
            auto* pSplitter = static_cast<CXTPDockingPaneSplitterContainer*>(
                OnCreatePane(xtpPaneTypeSplitterContainer, m_pLayout));
            pSplitter->Init(pTop, bHoriz, m_pSite);
            pSplitter->AddChild(pNode, nullptr, bAfter);
            m_pLayout->m_pTopContainer = pSplitter;
        }
    }
    SyncPanesState();
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(m_pSite))
    {
        if (pFrame->GetSafeHwnd())
            pFrame->DelayRecalcLayout();
    }
}

void CXTPDockingPaneManager::AttachPane(CXTPDockingPaneBase* pNode, CXTPDockingPaneBase* pTarget)
{
    if (!pNode || !pTarget)
        return;
    if (pTarget->GetType() == xtpPaneTypeDockingPane)
        pTarget = pTarget->GetContainer();
    auto* pContainer = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pTarget);
    if (!pContainer || pNode == pContainer)
        return;
    if (pNode->GetType() == xtpPaneTypeDockingPane)
        pContainer->AddPane(static_cast<CXTPDockingPane*>(pNode));
    else if (auto* pSource = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pNode))
    {
        // The walk is over a copy: every move changes the source's list.
        for (CXTPDockingPane* pPane : std::vector<CXTPDockingPane*>(pSource->m_lstPanes))
            pContainer->AddPane(pPane);
    }
    SyncPanesState();
}

void CXTPDockingPaneManager::SyncPanesState()
{
    if (!m_pLayout)
        return;
    for (XTP_DOCKINGPANE_INFO& info : m_pLayout->m_arrPanes)
    {
        CXTPDockingPaneBase* pContainer = info.pPane->GetContainer();
        if (!pContainer || pContainer->IsHidden())
            continue;
        info.pLastHolder = pContainer;
        BOOL bFloating = FALSE;
        for (CXTPDockingPaneBase* pUp = pContainer; pUp && !bFloating; pUp = pUp->GetContainer())
            bFloating = pUp->GetType() == xtpPaneTypeMiniWnd;
        (bFloating ? info.pFloatingHolder : info.pDockingHolder) = pContainer;
    }
}

CXTPDockingPaneBase* CXTPDockingPaneManager::FloatPane(CXTPDockingPaneBase* pNode, CRect rcScreen)
{
    if (!m_pLayout || !pNode)
        return nullptr;
    // A container dragged out of a collapsible frame makes a collapsible one.
    CXTPDockingPaneMiniWnd* pSourceFrame = nullptr;
    for (CXTPDockingPaneBase* pUp = pNode->GetContainer(); pUp && !pSourceFrame; pUp = pUp->GetContainer())
    {
        if (pUp->GetType() == xtpPaneTypeMiniWnd)
            pSourceFrame = static_cast<CXTPDockingPaneMiniWnd*>(pUp);
    }
    BOOL bInheritCollapsible = pNode->GetType() == xtpPaneTypeTabbedContainer && pSourceFrame &&
                               pSourceFrame->IsCollapsible();
    auto* pContainer =
        static_cast<CXTPDockingPaneTabbedContainer*>(OnCreatePane(xtpPaneTypeTabbedContainer, m_pLayout));
    if (pNode->GetType() == xtpPaneTypeDockingPane)
    {
        pContainer->m_szDocking = pNode->m_szDocking;
        pContainer->AddPane(static_cast<CXTPDockingPane*>(pNode), FALSE);
    }
    else if (auto* pSource = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pNode))
        pContainer->Copy(pSource, 0);
    else
        return nullptr;
    auto* pFrame = static_cast<CXTPDockingPaneMiniWnd*>(OnCreatePane(xtpPaneTypeMiniWnd, m_pLayout));
    pFrame->m_rcFrame = rcScreen;
    auto* pSplitter =
        static_cast<CXTPDockingPaneSplitterContainer*>(OnCreatePane(xtpPaneTypeSplitterContainer, m_pLayout));
    pSplitter->Init(pContainer, TRUE, nullptr);
    pFrame->SetTopContainer(pSplitter);
    if (bInheritCollapsible)
        pFrame->InheritCollapsible(rcScreen.Height() + m_pPaintManager->GetCaptionHeight());
    SyncPanesState();
    if (!m_bAttachingPane)
        UpdateFloatingFrames();
    return pFrame;
}

void CXTPDockingPaneManager::HidePane(CXTPDockingPaneBase* pNode)
{
    if (!m_pLayout || !pNode)
        return;
    if (m_bHideGroupOnButtonClick && pNode->GetType() == xtpPaneTypeDockingPane && pNode->GetContainer())
        pNode = pNode->GetContainer();
    // A group hidden already only slides in.
    for (CXTPDockingPaneBase* pUp = pNode; pUp; pUp = pUp->GetContainer())
    {
        if (pUp->GetType() == xtpPaneTypeAutoHidePanel)
        {
            static_cast<CXTPDockingPaneAutoHidePanel*>(pUp)->ClosePane();
            return;
        }
    }
    m_pLayout->HideToPanel(pNode);
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(m_pSite))
    {
        if (pFrame->GetSafeHwnd())
            pFrame->DelayRecalcLayout();
    }
}

LRESULT CXTPDockingPaneManager::NotifyOwner(WPARAM wParam, LPARAM lParam)
{
    HWND hSite = m_pSite ? m_pSite->GetSafeHwnd() : nullptr;
    return hSite ? ::SendMessageW(hSite, WM_XTP_PANE_ACTION, wParam, lParam) : 0;
}

BOOL CXTPDockingPaneManager::SendPaneAction(int action, CXTPDockingPane* pPane, CXTPDockingPaneBase* pContainer,
                                            int direction)
{
    XTP_DOCKINGPANE_ACTION record = {action, FALSE, pPane, pContainer, direction};
    NotifyOwner(XTP_DPN_ACTION, reinterpret_cast<LPARAM>(&record));
    return record.bCancel;
}

void CXTPDockingPaneManager::ClosePane(CXTPDockingPane* pPane)
{
    if (!pPane)
        return;
    if (NotifyOwner(XTP_DPN_CLOSEPANE, reinterpret_cast<LPARAM>(pPane)) == -1)
        return;
    if (m_pActivePane == pPane)
        OnActivatePane(FALSE, pPane);
    // Leaving its container hides the pane's window and parks it here.
    if (CXTPDockingPaneBase* pContainer = pPane->GetContainer())
        pContainer->RemovePane(pPane);
    UpdateFloatingFrames();
}

void CXTPDockingPaneManager::ClosePanesAnnounced(const std::vector<CXTPDockingPane*>& panes)
{
    for (CXTPDockingPane* pPane : panes)
    {
        if (pPane->GetOptions() & xtpPaneNoCloseable)
            continue;
        if (SendPaneAction(xtpPaneActionClosing, pPane))
            continue;
        ClosePane(pPane);
        // The site may keep it open by its answer to the close itself.
        if (!pPane->IsClosed())
            continue;
        SendPaneAction(xtpPaneActionClosed, pPane);
    }
}

void CXTPDockingPaneManager::UpdateFloatingFrames()
{
    if (!m_pLayout)
        return;
    // Showing a frame lays its tree out, which changes no node list: still a copy.
    std::vector<CXTPDockingPaneBase*> nodes(m_pLayout->m_arrNodes);
    for (CXTPDockingPaneBase* pNode : nodes)
    {
        if (pNode->GetType() == xtpPaneTypeMiniWnd)
            static_cast<CXTPDockingPaneMiniWnd*>(pNode)->UpdateFrameWindow();
    }
}

void CXTPDockingPaneManager::ShowFramesWaitingForSite()
{
    if (!m_pLayout || !CXTPDockingPaneMiniWnd::IsSiteShown(m_pSite))
        return;
    std::vector<CXTPDockingPaneBase*> nodes(m_pLayout->m_arrNodes);
    for (CXTPDockingPaneBase* pNode : nodes)
    {
        if (pNode->GetType() != xtpPaneTypeMiniWnd)
            continue;
        auto* pFrame = static_cast<CXTPDockingPaneMiniWnd*>(pNode);
        if (pFrame->IsWaitingForSite())
            pFrame->UpdateFrameWindow();
    }
}

void CXTPDockingPaneManager::SetFloatingFrameCaption(BOOL bOwnCaption)
{
    if (m_bFloatingFrameCaption == bOwnCaption)
        return;
    m_bFloatingFrameCaption = bOwnCaption;
    if (!m_pLayout)
        return;
    std::vector<CXTPDockingPaneBase*> nodes(m_pLayout->m_arrNodes);
    for (CXTPDockingPaneBase* pNode : nodes)
    {
        if (pNode->GetType() == xtpPaneTypeMiniWnd)
            static_cast<CXTPDockingPaneMiniWnd*>(pNode)->OnCaptionModeChanged();
    }
}

void CXTPDockingPaneManager::ShowPane(CXTPDockingPane* pPane, BOOL bSetFocus)
{
    if (!pPane || !m_pLayout)
        return;
    if (auto* pContainer = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pPane->GetContainer()))
    {
        // An auto-hidden pane slides out. The panel sees it before its group
        // selects it: another pane of an open group gets a window of its own size.
        if (auto* pPanel = dynamic_cast<CXTPDockingPaneAutoHidePanel*>(pContainer->GetContainer()))
            pPanel->ShowPane(pPane, bSetFocus);
        // Also when the slide-out was vetoed; the owner may have moved the pane meanwhile.
        if (pPane->GetContainer() == pContainer)
            pContainer->SelectPane(pPane, bSetFocus);
    }
    else if (XTP_DOCKINGPANE_INFO* pInfo = m_pLayout->FindPaneInfo(pPane))
    {
        // Back into the container it last lay in, while that still exists.
        auto* pLast = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pInfo->pLastHolder);
        if (pLast && std::find(m_pLayout->m_arrNodes.begin(), m_pLayout->m_arrNodes.end(), pLast) !=
                         m_pLayout->m_arrNodes.end())
            pLast->AddPane(pPane, bSetFocus);
    }
    if (m_bLayoutCreated)
    {
        pPane->ShowWindow(TRUE);
        if (bSetFocus)
            pPane->SetFocus();
    }
    UpdateFloatingFrames();
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(m_pSite))
    {
        if (pFrame->GetSafeHwnd())
            pFrame->DelayRecalcLayout();
    }
}

void CXTPDockingPaneManager::OnActivatePane(BOOL bActive, CXTPDockingPane* pPane)
{
    if (bActive && pPane && pPane != m_pActivePane)
    {
        if (CXTPDockingPane* pOld = m_pActivePane)
        {
            m_pActivePane = nullptr;
            SendPaneAction(xtpPaneActionDeactivated, pOld);
            pOld->InternalRelease();
        }
        m_pActivePane = pPane;
        pPane->InternalAddRef();
        SendPaneAction(xtpPaneActionActivated, pPane);
    }
    else if (!bActive && pPane && pPane == m_pActivePane)
    {
        m_pActivePane = nullptr;
        SendPaneAction(xtpPaneActionDeactivated, pPane);
        pPane->InternalRelease();
    }
}

int CXTPDockingPaneManager::GetPaneDirection(CXTPDockingPaneBase* pNode) const
{
    return m_pLayout ? m_pLayout->GetPaneDirection(pNode) : xtpPaneDockLeft;
}

void CXTPDockingPaneManager::SetTheme(int nTheme)
{
    m_pPaintManager->InternalRelease();
    m_pPaintManager = XTPCreateDockingPaneTheme(nTheme);
    m_bSecondStyle = nTheme == xtpPaneThemeVisualStudio2005;
    RedrawPanes();
}

void CXTPDockingPaneManager::RedrawPanes()
{
    if (!m_hWnd || !m_pLayout)
        return;
    for (const XTP_DOCKINGPANE_INFO& info : m_pLayout->m_arrPanes)
    {
        CWnd* pSite = info.pPane->GetParentFrame();
        auto* pFrame = dynamic_cast<CFrameWnd*>(pSite);
        if (!pFrame || !pFrame->GetSafeHwnd())
            continue;
        pFrame->DelayRecalcLayout();
        if (dynamic_cast<CXTPDockingPaneMiniWnd*>(pFrame))
            pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    // Every floating frame, hidden ones too, takes the new caption height:
    // a frame shown later is not calculated again.
    std::vector<CXTPDockingPaneBase*> nodes(m_pLayout->m_arrNodes);
    for (CXTPDockingPaneBase* pNode : nodes)
    {
        if (pNode->GetType() == xtpPaneTypeMiniWnd)
            static_cast<CXTPDockingPaneMiniWnd*>(pNode)->OnCaptionMetricsChanged();
    }
}

int CXTPDockingPaneManager::GetCurrentTheme() const
{
    return m_pPaintManager->m_nTheme;
}

LRESULT CXTPDockingPaneManager::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZEPARENT)
    {
        auto* pParams = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        if (m_pLayout && pParams)
        {
            CXTPDockingPanePlaces places(m_pLayout);
            m_pLayout->OnSizeParent(m_pSite, pParams->rect, pParams);
            places.RedrawSiteIfChanged(m_pSite ? m_pSite->GetSafeHwnd() : nullptr, pParams->hDWP);
            m_bLayoutCreated = TRUE;
            SyncPanesState();
            UpdateFloatingFrames();
        }
        return 0;
    }
    if (message == WM_XTP_DOCKFLOATINGFRAME)
    {
        auto* pNode = reinterpret_cast<CXTPDockingPaneBase*>(lParam);
        if (IsLiveNode(pNode) && pNode->GetType() == xtpPaneTypeMiniWnd)
        {
            if (CXTPDockingPaneBase* pTop = static_cast<CXTPDockingPaneMiniWnd*>(pNode)->GetTopContainer())
                ToggleDocking(pTop);
        }
        return 0;
    }
    if (message == WM_XTP_REMOVEUNUSEDNODES)
    {
        if (m_pLayout)
        {
            m_pLayout->RemoveUnusedNodes();
            SyncPanesState();
            UpdateFloatingFrames();
        }
        return 0;
    }
    if (message == WM_IDLEUPDATECMDUI)
    {
        // The site shows again after being minimized or hidden.
        ShowFramesWaitingForSite();
        // Closed panes lie in no container and are left out.
        if (m_pLayout)
        {
            std::vector<XTP_DOCKINGPANE_INFO> panes(m_pLayout->m_arrPanes);
            for (const XTP_DOCKINGPANE_INFO& info : panes)
            {
                if (info.pPane->GetContainer())
                    info.pPane->OnFocusChanged();
            }
        }
        return 0;
    }
    if (message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE)
    {
        if (message == WM_SYSCOLORCHANGE)
            XTPGetColorManager()->RefreshColors();
        m_pPaintManager->RefreshMetrics();
        RedrawPanes();
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CXTPDockingPaneManager::IsLiveNode(CXTPDockingPaneBase* pNode) const
{
    return pNode && m_pLayout &&
           std::find(m_pLayout->m_arrNodes.begin(), m_pLayout->m_arrNodes.end(), pNode) != m_pLayout->m_arrNodes.end();
}

BOOL CXTPDockingPaneManager::TogglePane(CXTPDockingPane* pPane, BOOL bDocked, CXTPDockingPaneBase*& pFollow)
{
    DWORD dwOptions = pPane->GetOptions();
    if ((bDocked && (dwOptions & xtpPaneNoFloatable)) || (!bDocked && (dwOptions & xtpPaneNoDockable)))
        return FALSE;
    if (SendPaneAction(bDocked ? xtpPaneActionFloating : xtpPaneActionDocking, pPane))
        return FALSE;
    XTP_DOCKINGPANE_INFO* pInfo = m_pLayout->FindPaneInfo(pPane);
    CXTPDockingPaneBase* pHolder = pInfo ? (bDocked ? pInfo->pFloatingHolder : pInfo->pDockingHolder) : nullptr;
    // A floating frame's tree docked by a drag takes its containers along:
    // the holder remembered for the other state is then where the pane lies.
    if (pHolder == pPane->GetContainer())
        pHolder = nullptr;
    if (!IsLiveNode(pHolder))
        pHolder = pFollow;
    if (IsLiveNode(pHolder))
    {
        m_bAttachingPane = TRUE;
        AttachPane(pPane, pHolder);
        m_bAttachingPane = FALSE;
    }
    else if (bDocked)
        FloatPane(pPane, PaneScreenRect(pPane));
    else
        return FALSE;
    // Panes without a holder of their own follow this one.
    pFollow = pPane->GetContainer();
    SendPaneAction(bDocked ? xtpPaneActionFloated : xtpPaneActionDocked, pPane);
    return TRUE;
}

CRect CXTPDockingPaneManager::PaneScreenRect(CXTPDockingPane* pPane) const
{
    // Laid out in its site's client coordinates.
    CRect rc = pPane->GetPaneWindowRect();
    CWnd* pSite = pPane->GetParentFrame();
    if (pSite && pSite->GetSafeHwnd())
        ::MapWindowPoints(pSite->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void CXTPDockingPaneManager::ToggleDocking(CXTPDockingPaneBase* pNode)
{
    if (!m_pLayout || !pNode)
        return;
    BOOL bFloating = FALSE, bHidden = FALSE;
    for (CXTPDockingPaneBase* pUp = pNode; pUp; pUp = pUp->GetContainer())
    {
        bFloating |= pUp->GetType() == xtpPaneTypeMiniWnd;
        bHidden |= pUp->GetType() == xtpPaneTypeAutoHidePanel;
    }
    BOOL bDocked = !bFloating && !bHidden;

    // Every move changes the containers walked: the panes are taken first.
    std::vector<CXTPDockingPane*> panes;
    if (pNode->GetType() == xtpPaneTypeDockingPane)
        panes.push_back(static_cast<CXTPDockingPane*>(pNode));
    else
    {
        CXTPDockingPaneBaseList list;
        pNode->FindPane(xtpPaneTypeDockingPane, &list);
        for (POSITION pos = list.GetHeadPosition(); pos;)
            panes.push_back(static_cast<CXTPDockingPane*>(list.GetNext(pos)));
    }
    // A group's pane that had the focus (else its selected pane) is shown
    // with the focus where the group went; one left behind loses that role.
    // The node itself may be deleted by the toggles.
    BOOL bGroup = pNode->GetType() != xtpPaneTypeDockingPane;
    auto* pTabbed = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pNode);
    int nSelectedId = pTabbed && pTabbed->GetSelected() ? pTabbed->GetSelected()->GetID() : 0;
    int nFocusedId = 0;
    for (CXTPDockingPane* pPane : panes)
        if (pPane->IsFocused())
            nFocusedId = pPane->GetID();
    CXTPDockingPaneBase* pFollow = nullptr;
    for (CXTPDockingPane* pPane : panes)
    {
        if (TogglePane(pPane, bDocked, pFollow))
            continue;
        if (pPane->GetID() == nSelectedId)
            nSelectedId = 0;
        if (pPane->GetID() == nFocusedId)
            nFocusedId = 0;
    }
    m_pLayout->RemoveUnusedNodes();
    SyncPanesState();
    UpdateFloatingFrames();
    int nShowId = nFocusedId > 0 ? nFocusedId : nSelectedId;
    if (bGroup && nShowId > 0)
        ShowPane(FindPane(nShowId), TRUE);
}

CXTPDockingPaneBase* CXTPDockingPaneManager::DockingTarget(CXTPDockingPaneBase* pNode,
                                                           CXTPDockingPaneBase* pNeighbour) const
{
    CXTPDockingPaneBase* pTop = m_pLayout->m_pTopContainer;
    if (!pNeighbour || pNeighbour == pNode)
        return pTop;
    BOOL bUsablePane = pNeighbour->GetType() == xtpPaneTypeDockingPane && !pNeighbour->IsHidden() &&
                       pNeighbour->GetContainer() && !pNeighbour->GetContainer()->IsHidden();
    return pNeighbour->GetType() != xtpPaneTypeDockingPane || bUsablePane ? pNeighbour : pTop;
}

CRect CXTPDockingPaneManager::GetDockingRect(CXTPDockingPaneBase* pNode, int direction,
                                             CXTPDockingPaneBase* pNeighbour)
{
    if (!m_pLayout || !pNode || !m_pLayout->m_pTopContainer)
        return CRect(0, 0, 0, 0);
    CXTPDockingPaneSplitterContainer* pTop = m_pLayout->m_pTopContainer;
    CXTPDockingPaneBase* pTarget = DockingTarget(pNode, pNeighbour);
    BOOL bHoriz = direction == xtpPaneDockLeft || direction == xtpPaneDockRight;
    BOOL bAfter = direction == xtpPaneDockRight || direction == xtpPaneDockBottom;
    if (pTarget != pTop && pTarget->GetContainer() &&
        pTarget->GetContainer()->GetType() == xtpPaneTypeTabbedContainer)
        pTarget = pTarget->GetContainer();
    auto* pParent = pTarget == pTop ? pTop : dynamic_cast<CXTPDockingPaneSplitterContainer*>(pTarget->GetContainer());
    if (!pParent)
    {
        pTarget = pTop;
        pParent = pTop;
    }

    // The node's own place (or its lone container's) is not counted: it
    // would leave it on docking.
    CXTPDockingPaneBase* pLeaving = pNode;
    if (pNode->GetType() == xtpPaneTypeDockingPane)
    {
        auto* pHolder = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pNode->GetContainer());
        if (pHolder && pHolder->GetPanes().size() == 1)
            pLeaving = pHolder;
    }
    std::vector<CXTPDockingPaneBase*> children;
    CRect rcSplit;
    if (pParent->IsHoriz() == bHoriz)
    {
        rcSplit = pParent->GetPaneWindowRect();
        for (CXTPDockingPaneBase* pChild : pParent->GetChildren())
        {
            if (!pChild->IsEmpty() && pChild != pLeaving)
                children.push_back(pChild);
        }
        auto it = std::find(children.begin(), children.end(), pTarget);
        if (pTarget == pTop || it == children.end())
            children.insert(bAfter ? children.end() : children.begin(), pNode);
        else
            children.insert(bAfter ? it + 1 : it, pNode);
    }
    else
    {
        // A new splitter of the other orientation around the target.
        rcSplit = pTarget->GetPaneWindowRect();
        children = bAfter ? std::vector<CXTPDockingPaneBase*>{pTarget, pNode}
                          : std::vector<CXTPDockingPaneBase*>{pNode, pTarget};
    }
    std::vector<int> lengths = pParent->CalcLengths(children, rcSplit, bHoriz, FALSE);
    int nGap = m_pPaintManager->GetSplitterSize();
    int nPos = bHoriz ? rcSplit.left : rcSplit.top;
    CRect rc = rcSplit;
    for (size_t i = 0; i < children.size(); i++)
    {
        BOOL bLast = i + 1 == children.size();
        int nEnd = bLast ? (bHoriz ? rcSplit.right : rcSplit.bottom) : nPos + lengths[i];
        if (children[i] == pNode)
        {
            (bHoriz ? rc.left : rc.top) = nPos;
            (bHoriz ? rc.right : rc.bottom) = nEnd;
            break;
        }
        nPos += lengths[i] + nGap;
    }
    CWnd* pSite = pTarget->GetDockingSite();
    if (pSite && pSite->GetSafeHwnd())
        ::MapWindowPoints(pSite->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void CXTPDockingPaneManager::OnDragDropped()
{
    UpdateFloatingFrames();
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(m_pSite))
    {
        if (pFrame->GetSafeHwnd())
            pFrame->DelayRecalcLayout();
    }
    if (m_hWnd)
        PostMessage(WM_XTP_REMOVEUNUSEDNODES);
}

#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/XTPTabManagerItem.h"
#include "toolkit/tabs/XTPTabPaintManager.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CFrameWnd.h"
#include <algorithm>

namespace {

// The gap between the tab strips of two groups.
const int kGroupGap = 8;

BOOL IsVerticalPanel(int direction)
{
    return direction == xtpPaneDockLeft || direction == xtpPaneDockRight;
}

} // namespace

BEGIN_MESSAGE_MAP(CXTPDockingPaneAutoHidePanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTPDockingPaneAutoHidePanel::CAutoHidePanelTabManager::CAutoHidePanelTabManager(
    CXTPDockingPaneAutoHidePanel* pPanel, CXTPDockingPaneTabbedContainer* pGroup)
    : m_pPanel(pPanel)
    , m_pGroup(pGroup)
{
}

CXTPTabPaintManager* CXTPDockingPaneAutoHidePanel::CAutoHidePanelTabManager::GetPaintManager() const
{
    CXTPDockingPaneManager* pManager = m_pPanel->GetDockingPaneManager();
    return pManager ? pManager->GetPaintManager()->GetPanelPaintManager() : nullptr;
}

int CXTPDockingPaneAutoHidePanel::CAutoHidePanelTabManager::GetPosition() const
{
    // The tabs face away from the side the panel lies at.
    switch (m_pPanel->GetDirection())
    {
    case xtpPaneDockLeft: return xtpTabPositionRight;
    case xtpPaneDockRight: return xtpTabPositionLeft;
    case xtpPaneDockTop: return xtpTabPositionBottom;
    default: return xtpTabPositionTop;
    }
}

void CXTPDockingPaneAutoHidePanel::CAutoHidePanelTabManager::Reposition()
{
    CXTPTabPaintManager* pPaint = GetPaintManager();
    if (!pPaint)
        return;
    pPaint->m_nPosition = GetPosition();
    CClientDC dc(m_pPanel->GetSafeHwnd() ? m_pPanel : nullptr);
    pPaint->RepositionTabControl(this, &dc, m_rcLayout);
}

void CXTPDockingPaneAutoHidePanel::CAutoHidePanelTabManager::RedrawControl()
{
    if (m_pPanel->GetSafeHwnd())
        m_pPanel->Invalidate(FALSE);
}

BOOL CXTPDockingPaneAutoHidePanel::CAutoHidePanelTabManager::DrawItemIcon(CDC*, CPoint, CXTPTabManagerItem*, BOOL,
                                                                         CSize&)
{
    return FALSE;
}

CXTPDockingPaneAutoHidePanel::CXTPDockingPaneAutoHidePanel(CXTPDockingPaneLayout* pLayout)
    : CXTPDockingPaneBase(xtpPaneTypeAutoHidePanel, pLayout)
{
}

CXTPDockingPaneAutoHidePanel::~CXTPDockingPaneAutoHidePanel()
{
    if (m_pActiveWnd)
    {
        m_pActiveWnd->CloseWindowNow();
        m_pActiveWnd = nullptr;
    }
    // The tab managers point at this panel while its window still paints.
    if (m_hWnd)
        DestroyWindow();
}

int CXTPDockingPaneAutoHidePanel::GetStripThickness()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return 0;
    CXTPTabPaintManager* pPaint = pManager->GetPaintManager()->GetPanelPaintManager();
    CAutoHidePanelTabManager probe(this, nullptr);
    CRect rcMargin = pPaint->GetAppearanceSet()->GetHeaderMargin();
    return pPaint->GetAppearanceSet()->GetButtonHeight(&probe) + rcMargin.top + rcMargin.bottom;
}

void CXTPDockingPaneAutoHidePanel::CPanelAtom::Reposition()
{
    m_pPanel->RepositionStrips();
}

void CXTPDockingPaneAutoHidePanel::RepositionStrips()
{
    if (!m_hWnd)
        return;
    if (CFrameWnd* pFrame = GetSiteFrame())
    {
        pFrame->RecalcLayout();
        return;
    }
    OnSizeParent(m_pParentFrame, m_rcLast, nullptr);
    Invalidate(FALSE);
}

void CXTPDockingPaneAutoHidePanel::OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout)
{
    m_pParentFrame = pParent;
    // A new theme brings a new paint manager: the panel follows it there.
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    m_registration.Register(pManager ? pManager->GetPaintManager()->GetPanelPaintManager() : nullptr);
    if (IsEmpty())
    {
        m_arrTabManagers.clear();
        if (m_hWnd)
            DestroyWindow();
        return;
    }
    if (!m_hWnd && pParent && pParent->GetSafeHwnd() && !m_pLayout->IsUserLayout())
    {
        Create(AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW)), nullptr,
               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0), pParent, 0);
        if (m_hWnd)
            m_dropTarget.Register(this);
    }
    // The frame changed: an open slide-out would lie wrong.
    if (m_pActiveWnd && rect != m_rcLast)
        m_pActiveWnd->CloseWindowNow();
    m_rcLast = rect;
    int nThickness = GetStripThickness();
    CRect rcStrip = rect;
    switch (m_direction)
    {
    case xtpPaneDockLeft: rcStrip.right = rect.left + nThickness; break;
    case xtpPaneDockRight: rcStrip.left = rect.right - nThickness; break;
    case xtpPaneDockTop: rcStrip.bottom = rect.top + nThickness; break;
    default: rcStrip.top = rect.bottom - nThickness; break;
    }
    LayoutGroups(GetTabsRect(rcStrip.Size()));
    if (m_hWnd && lpLayout && lpLayout->hDWP)
    {
        AfxRepositionWindow(lpLayout, m_hWnd, rcStrip);
        // Above the docked windows, which may still cover the strip's place.
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Invalidate(FALSE);
    }
}

CRect CXTPDockingPaneAutoHidePanel::GetTabsRect(CSize szStrip) const
{
    // The side panels start below a top panel's strip.
    CRect rcTabs(0, 0, szStrip.cx, szStrip.cy);
    CXTPDockingPaneAutoHidePanel* pTop = m_pLayout->m_wndPanels[xtpPaneDockTop];
    if (IsVerticalPanel(m_direction) && pTop && pTop != this && !pTop->IsEmpty())
        rcTabs.top += pTop->GetStripThickness();
    return rcTabs;
}

void CXTPDockingPaneAutoHidePanel::RebuildTabs()
{
    if (!m_hWnd)
        return;
    LayoutGroups(GetTabsRect(CXTPClientRect(this).Size()));
    Invalidate(FALSE);
}

void CXTPDockingPaneAutoHidePanel::LayoutGroups(CRect rcTabs)
{
    m_arrTabManagers.clear();
    BOOL bVertical = IsVerticalPanel(m_direction);
    int nPos = bVertical ? rcTabs.top : rcTabs.left;
    for (CXTPDockingPaneTabbedContainer* pGroup : m_lstPanes)
    {
        if (pGroup->IsEmpty())
            continue;
        auto pTabs = std::make_unique<CAutoHidePanelTabManager>(this, pGroup);
        for (CXTPDockingPane* pPane : pGroup->GetPanes())
        {
            CXTPTabManagerItem* pItem = pTabs->AddItem(-1);
            pItem->m_strCaption = pPane->GetTabCaption();
            pItem->m_pData = pPane;
            pItem->m_clrItem = pPane->GetItemColor();
            if (pPane == pGroup->GetSelected())
                pTabs->SetSelectedItem(pItem);
        }
        pTabs->m_rcLayout = rcTabs;
        (bVertical ? pTabs->m_rcLayout.top : pTabs->m_rcLayout.left) = nPos;
        pTabs->Reposition();
        int nEnd = nPos;
        for (int i = 0; i < pTabs->GetItemCount(); i++)
        {
            CRect rcItem = pTabs->GetItem(i)->GetRect();
            nEnd = std::max(nEnd, static_cast<int>(bVertical ? rcItem.bottom : rcItem.right));
        }
        nPos = nEnd + kGroupGap;
        m_arrTabManagers.push_back(std::move(pTabs));
    }
}

void CXTPDockingPaneAutoHidePanel::OnPaint()
{
    CPaintDC paint(this);
    CXTPClientRect rc(this);
    CXTPBufferDC dc(paint.m_hDC, rc);
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return;
    CXTPTabPaintManager* pPaint = pManager->GetPaintManager()->GetPanelPaintManager();
    const CXTPGradientValue& face = pPaint->GetColorSet()->m_clrHeaderFace;
    COLORREF clrFrom = face.clrLight, clrTo = face.clrDark;
    if (clrFrom == clrTo)
        dc.FillSolidRect(rc, clrFrom);
    else
        XTPDrawHelpers()->GradientFill(&dc, GetGradientRect(), clrFrom, clrTo, TRUE);
    for (const auto& pTabs : m_arrTabManagers)
    {
        pPaint->m_nPosition = pTabs->GetPosition();
        pPaint->DrawTabControl(pTabs.get(), &dc, pTabs->m_rcLayout);
    }
}

CRect CXTPDockingPaneAutoHidePanel::GetGradientRect() const
{
    // Every panel shows a piece of one gradient as wide as the frame, so
    // that the strips along the sides and the ends match.
    CXTPClientRect rc(this);
    if (m_direction == xtpPaneDockRight)
    {
        HWND hParent = ::GetParent(m_hWnd);
        CRect rcParent;
        if (hParent && ::GetClientRect(hParent, &rcParent))
            rc.left = rc.right - rcParent.Width();
    }
    int nMinWidth = ::GetSystemMetrics(SM_CXFULLSCREEN) / 2;
    if (rc.Width() < nMinWidth)
        rc.right = rc.left + nMinWidth;
    return rc;
}

BOOL CXTPDockingPaneAutoHidePanel::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CXTPDockingPaneAutoHidePanel::AddGroup(CXTPDockingPaneTabbedContainer* pContainer)
{
    if (CXTPDockingPaneBase* pOld = pContainer->GetContainer())
        pOld->RemovePane(pContainer);
    m_lstPanes.push_back(pContainer);
    pContainer->SetParentContainer(this);
    pContainer->SetParentFrame(m_pParentFrame);
    // Hidden until it slides out.
    if (pContainer->GetSafeHwnd())
        pContainer->ShowWindow(SW_HIDE);
    if (CFrameWnd* pFrame = GetSiteFrame())
        pFrame->DelayRecalcLayout();
}

BOOL CXTPDockingPaneAutoHidePanel::ContainsPane(CXTPDockingPaneBase* pPane) const
{
    return XTPDockingPaneHolds(this, m_lstPanes, pPane);
}

void CXTPDockingPaneAutoHidePanel::FindPane(int nType, CXTPDockingPaneBaseList* pList)
{
    for (CXTPDockingPaneTabbedContainer* pGroup : m_lstPanes)
    {
        if (!pGroup->IsEmpty())
            pGroup->FindPane(nType, pList);
    }
}

void CXTPDockingPaneAutoHidePanel::RemovePane(CXTPDockingPaneBase* pPane)
{
    if (!XTPDockingPaneTakeOut(m_lstPanes, pPane))
        return;
    // The group may be deleted next: no slide-out and no tab may go on
    // showing it.
    CloseSlideOutOf(pPane);
    m_arrTabManagers.clear();
    if (!IsEmpty())
        RebuildTabs();
    else if (m_hWnd)
        ShowWindow(SW_HIDE);
}

void CXTPDockingPaneAutoHidePanel::OnChildContainerChanged(CXTPDockingPaneBase* pContainer)
{
    // A group emptied while it slides out (its pane closed, docked or
    // dragged away) leaves nothing to show; the strip loses its tabs. One
    // that keeps panes shows its selection at once at that pane's own size:
    // the site's layout never reaches a slid-out group.
    if (pContainer->IsEmpty())
        CloseSlideOutOf(pContainer);
    else if (m_pActiveWnd && m_pActiveWnd->GetContainer() == pContainer)
        m_pActiveWnd->FitSelectedPane();
    // The tabs follow at once; the strip's size waits for the site's layout.
    RebuildTabs();
    if (CFrameWnd* pFrame = GetSiteFrame())
        pFrame->DelayRecalcLayout();
}

void CXTPDockingPaneAutoHidePanel::OnChildTitleChanged(CXTPDockingPaneBase* /*pChild*/)
{
    RebuildTabs();
}

CFrameWnd* CXTPDockingPaneAutoHidePanel::GetSiteFrame() const
{
    auto* pFrame = dynamic_cast<CFrameWnd*>(m_pParentFrame);
    return pFrame && pFrame->GetSafeHwnd() ? pFrame : nullptr;
}

void CXTPDockingPaneAutoHidePanel::CloseSlideOutOf(CXTPDockingPaneBase* pContainer)
{
    if (m_pActiveWnd && m_pActiveWnd->GetContainer() == pContainer)
        m_pActiveWnd->CloseWindowNow();
}

BOOL CXTPDockingPaneAutoHidePanel::IsEmpty() const
{
    return std::all_of(m_lstPanes.begin(), m_lstPanes.end(),
                       [](const CXTPDockingPaneTabbedContainer* pGroup) { return pGroup->IsEmpty(); });
}

BOOL CXTPDockingPaneAutoHidePanel::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPDockingPaneBase::DoPropExchange(pPX);
    XTPExchangeLong(pPX, L"Direction", m_direction);
    int nCount = static_cast<int>(m_lstPanes.size());
    XTPExchangeLong(pPX, L"Panes", nCount);
    if (pPX->IsLoading() && (m_direction < 0 || m_direction > 3 || m_pLayout->m_wndPanels[m_direction]))
        return FALSE; // one panel per side
    std::vector<int> numbers;
    if (!XTPDockingPaneExchangeChildren(pPX, m_lstPanes, nCount, static_cast<int>(m_pLayout->m_arrNodes.size()),
                                        pPX->IsLoading() ? &numbers : nullptr))
        return FALSE;
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

void CXTPDockingPaneAutoHidePanel::ShowPane(CXTPDockingPane* pPane, BOOL bSetFocus)
{
    auto* pContainer = pPane ? dynamic_cast<CXTPDockingPaneTabbedContainer*>(pPane->GetContainer()) : nullptr;
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pContainer || !pManager || !XTPDockingPaneHolds(this, m_lstPanes, pContainer))
        return;
    if (m_pActiveWnd && m_pActiveWnd->GetContainer() != pContainer)
        m_pActiveWnd->CloseWindowNow();
    if (pManager->SendPaneAction(xtpPaneActionExpanding, pPane))
        return;
    // Each pane slides out at its own size: another pane of the open group
    // gets a window of its own.
    if (m_pActiveWnd && m_pActiveWnd->GetContainer()->GetSelected() != pPane)
        m_pActiveWnd->CloseWindowNow();
    pContainer->SelectPane(pPane, FALSE);
    if (!m_pActiveWnd)
    {
        m_pActiveWnd = new CXTPDockingPaneAutoHideWnd(this, pContainer);
        if (!m_pActiveWnd->GetSafeHwnd())
        {
            delete m_pActiveWnd;
            m_pActiveWnd = nullptr;
            return;
        }
    }
    if (bSetFocus)
        pContainer->SelectPane(pPane, TRUE);
    // The strip's tabs are rebuilt by the layout: the new selection shows.
    if (m_hWnd)
        Invalidate(FALSE);
    if (CFrameWnd* pFrame = GetSiteFrame())
        pFrame->RecalcLayout();
}

void CXTPDockingPaneAutoHidePanel::ClosePane(BOOL bDeferred)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!m_pActiveWnd || !CXTPDockingPaneAutoHideWnd::m_bCloseOnLeave || !pManager)
        return;
    CXTPDockingPane* pSelected = m_pActiveWnd->GetContainer()->GetSelected();
    if (pManager->SendPaneAction(xtpPaneActionCollapsing, pSelected))
        return;
    pManager->SendPaneAction(xtpPaneActionCollapsed, pSelected);
    // The owner's handlers may have closed the window already.
    CXTPDockingPaneAutoHideWnd* pWnd = m_pActiveWnd;
    if (!pWnd)
        return;
    if (!bDeferred)
    {
        pWnd->CloseWindowNow();
        return;
    }
    pWnd->ReleaseContainer();
    pWnd->SetTimer(CXTPDockingPaneAutoHideWnd::timerClose, 50, nullptr);
}

CXTPDockingPane* CXTPDockingPaneAutoHidePanel::HitTestPane(CPoint point) const
{
    for (const auto& pTabs : m_arrTabManagers)
    {
        if (CXTPTabManagerItem* pItem = pTabs->HitTest(point))
            return static_cast<CXTPDockingPane*>(pItem->GetData());
    }
    return nullptr;
}

void CXTPDockingPaneAutoHidePanel::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CXTPDockingPane* pPane = HitTestPane(point);
    if (!pPane)
        return;
    // The pane shown already only takes the focus.
    if (m_pActiveWnd && m_pActiveWnd->GetContainer()->GetSelected() == pPane)
    {
        if (pPane->GetHwnd() && ::IsWindow(pPane->GetHwnd()))
            ::SetFocus(pPane->GetHwnd());
        return;
    }
    ShowPane(pPane, TRUE);
}

void CXTPDockingPaneAutoHidePanel::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (CXTPDockingPane* pPane = HitTestPane(point))
    {
        if (CXTPDockingPaneManager* pManager = GetDockingPaneManager())
            pManager->NotifyOwner(XTP_DPN_RCLICK, reinterpret_cast<LPARAM>(pPane));
    }
}

void CXTPDockingPaneAutoHidePanel::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    m_pointerReturn.OnMove(m_hWnd, static_cast<UINT>(CXTPDockingPaneAutoHideWnd::m_nMouseCheckInterval));
    TrackPointerAt(point);
}

void CXTPDockingPaneAutoHidePanel::TrackPointerAt(CPoint point)
{
    for (const auto& pTabs : m_arrTabManagers)
        pTabs->PerformMouseMove(m_hWnd, point);
    if (!HitTestPane(point))
    {
        m_pointerRest.Stop(m_hWnd);
        return;
    }
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd,
                           static_cast<DWORD>(CXTPDockingPaneAutoHideWnd::m_nHoverTime)};
    ::TrackMouseEvent(&tme);
    // The system's hover notice is lost when another window asks for its
    // own leave notice meanwhile: the panel watches the rest itself as well.
    ClientToScreen(&point);
    const UINT nRestTime = CXTPDockingPanePointerRest::RestTime(CXTPDockingPaneAutoHideWnd::m_nHoverTime);
    m_pointerRest.OnMove(m_hWnd, point, nRestTime);
}

void CXTPDockingPaneAutoHidePanel::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == m_pointerReturn.GetTimerId())
    {
        OnPointerReturnTimer();
        return;
    }
    if (nIDEvent != m_pointerRest.GetTimerId())
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    POINT pt;
    CXTPDockingPanePointerRest::Result result = m_pointerRest.OnTimer(m_hWnd, pt);
    if (result == CXTPDockingPanePointerRest::restLeft)
    {
        // Another window may have taken the leave notice as well.
        OnMouseLeave();
        return;
    }
    // Still here: the leave notice is asked for again, in case another
    // window took it.
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
    if (result == CXTPDockingPanePointerRest::restDone)
    {
        ScreenToClient(&pt);
        OnMouseHover(0, pt);
    }
}

void CXTPDockingPaneAutoHidePanel::OnPointerReturnTimer()
{
    POINT pt;
    switch (m_pointerReturn.OnTimer(m_hWnd, pt))
    {
    case CXTPDockingPanePointerReturn::returnBack:
        // Back without a move message: as if one had come.
        ScreenToClient(&pt);
        TrackPointerAt(pt);
        break;
    case CXTPDockingPanePointerReturn::returnLeft: OnMouseLeave(); break;
    default: break;
    }
}

void CXTPDockingPaneAutoHidePanel::OnDestroy()
{
    m_pointerRest.Stop(m_hWnd);
    m_pointerReturn.Stop(m_hWnd);
    CWnd::OnDestroy();
}

void CXTPDockingPaneAutoHidePanel::OnMouseLeave()
{
    // A point outside every tab takes the hot state away.
    for (const auto& pTabs : m_arrTabManagers)
        pTabs->PerformMouseMove(m_hWnd, CPoint(-1, -1));
}

void CXTPDockingPaneAutoHidePanel::OnMouseHover(UINT /*nFlags*/, CPoint point)
{
    // One hover per rest, whichever notice comes first.
    m_pointerRest.Stop(m_hWnd);
    CXTPDockingPane* pPane = HitTestPane(point);
    CWnd* pSite = GetDockingSite();
    if (!pPane || !pSite || !pSite->GetSafeHwnd())
        return;
    // Only while the frame is active, and never for the pane shown already.
    HWND hActive = ::GetActiveWindow();
    if (hActive != pSite->GetSafeHwnd() && !::IsChild(hActive, pSite->GetSafeHwnd()))
        return;
    if (m_pActiveWnd && m_pActiveWnd->GetContainer()->GetSelected() == pPane)
        return;
    ShowPane(pPane, FALSE);
}

void CXTPDockingPaneAutoHidePanel::CPanelDropTarget::OnDragOverTab(CPoint point)
{
    CXTPDockingPane* pPane = m_pPanel->HitTestPane(point);
    if (pPane && !(m_pPanel->m_pActiveWnd && m_pPanel->m_pActiveWnd->GetContainer()->GetSelected() == pPane))
        m_pPanel->ShowPane(pPane, FALSE);
}

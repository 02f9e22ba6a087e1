#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include <algorithm>
#include "framework/windows/CFrameWnd.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/tabs/XTPTabModalLoop.h"
#include "toolkit/tabs/XTPTabPaintManager.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/AfxMessages.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "resources/ToolkitDockingIds.h"

namespace {

// Help contexts of resources (the panes' help ids) start here.
const LRESULT kHelpResourceBase = 0x20000;

} // namespace

BEGIN_MESSAGE_MAP(CXTPDockingPaneTabbedContainer, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_MOUSELEAVE()
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

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
    // A slide-out showing this group lets it go first, whatever deletes it.
    if (m_hWnd)
    {
        if (auto* pSlide = dynamic_cast<CXTPDockingPaneAutoHideWnd*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
            pSlide->CloseWindowNow();
    }
    // Hosted windows belong to the application: they leave before the window goes.
    for (CXTPDockingPane* pPane : m_lstPanes)
    {
        if (m_hWnd && pPane->GetHwnd() && ::GetParent(pPane->GetHwnd()) == m_hWnd)
        {
            ::ShowWindow(pPane->GetHwnd(), SW_HIDE);
            ::SetParent(pPane->GetHwnd(), m_pParentFrame ? m_pParentFrame->GetSafeHwnd() : nullptr);
        }
    }
    if (m_hWnd)
        DestroyWindow();
    DeleteAllItems();
}

void CXTPDockingPaneTabbedContainer::CreateContainerWindow()
{
    if (m_hWnd || !m_pLayout || m_pLayout->IsUserLayout() || !m_pParentFrame || !m_pParentFrame->GetSafeHwnd())
        return;
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    // An auto-hidden group (a loaded one gets its window after joining its
    // panel) stays hidden until it slides out.
    DWORD dwVisible = IsHidden() ? 0 : WS_VISIBLE;
    if (!Create(lpszClass, nullptr, WS_CHILD | dwVisible | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0),
                m_pParentFrame, 0))
        return;
    // Refused without OLE on the thread: the manager initialises it for its
    // lifetime. The window's destruction revokes it.
    m_dropTarget.Register(this);
}

void CXTPDockingPaneTabbedContainer::CContainerDropTarget::OnDragOverTab(CPoint point)
{
    CXTPTabPaintManager* pPaintManager = m_pContainer->GetPaintManager();
    if (!pPaintManager || !pPaintManager->m_bSelectOnDragOver)
        return;
    // The caption and the page select nothing, nor does a lone pane's unshown strip.
    int nHit = m_pContainer->HitTestArea(point);
    if (nHit < 0)
        return;
    auto* pPane = static_cast<CXTPDockingPane*>(m_pContainer->GetItem(nHit)->GetData());
    m_pContainer->SelectPane(pPane, FALSE, FALSE);
}

BOOL CXTPDockingPaneTabbedContainer::IsCaptionButtonVisible(CXTPDockingPaneCaptionButton* pButton)
{
    DWORD dwOptions = m_pSelectedPane ? m_pSelectedPane->GetOptions() : 0;
    switch (pButton->GetId())
    {
    case XTP_IDS_DOCKINGPANE_CLOSE: return m_pSelectedPane && !(dwOptions & xtpPaneNoCloseable);
    case XTP_IDS_DOCKINGPANE_AUTOHIDE: return m_pSelectedPane && !(dwOptions & xtpPaneNoHideable);
    case XTP_IDS_DOCKINGPANE_MENU: return m_pSelectedPane && (dwOptions & xtpPaneHasMenuButton);
    case XTP_IDS_DOCKINGPANE_MAXIMIZE: return CanMaximize() && !m_bMaximized;
    case XTP_IDS_DOCKINGPANE_RESTORE: return CanMaximize() && m_bMaximized;
    default: return FALSE;
    }
}

void CXTPDockingPaneTabbedContainer::OnCloseButton()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || !m_pSelectedPane)
        return;
    std::vector<CXTPDockingPane*> panes;
    if (pManager->m_bCloseGroupOnButtonClick)
        panes = m_lstPanes;
    else
        panes.push_back(m_pSelectedPane);
    pManager->ClosePanesAnnounced(panes);
}

void CXTPDockingPaneTabbedContainer::LayoutPanes(CSize szWindow)
{
    if (!m_hWnd)
        return;
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    CRect rc(0, 0, szWindow.cx, szWindow.cy);
    if (pManager)
        pManager->GetPaintManager()->AdjustClientRect(this, rc, TRUE);
    // The panes take the client part in the site's coordinates (where the
    // container is laid out: its window may not have moved there yet).
    rc.OffsetRect(m_rcWindow.TopLeft());
    // The owner may close or move panes when told to show one: a copy, and
    // each pane is asked again whether it is still here and selected.
    const std::vector<CXTPDockingPane*> panes(m_lstPanes);
    for (CXTPDockingPane* pPane : panes)
    {
        if (pPane->GetContainer() != this)
            continue;
        if (pPane != m_pSelectedPane)
        {
            // Where it shows when selected: a pane floated from behind a
            // tab floats at that place.
            pPane->m_rcWindow = rc;
            if (pPane->GetHwnd() && ::IsWindowVisible(pPane->GetHwnd()))
                pPane->ShowWindow(FALSE);
            continue;
        }
        pPane->ShowWindow(TRUE);
        if (pPane->GetContainer() != this || pPane != m_pSelectedPane)
            continue;
        pPane->OnSizeParent(m_pParentFrame, rc, nullptr);
    }
    Invalidate(FALSE);
}

void CXTPDockingPaneTabbedContainer::OnPaint()
{
    CPaintDC paint(this);
    CXTPClientRect rc(this);
    CXTPBufferDC dc(paint.m_hDC, rc);
    if (CXTPDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->GetPaintManager()->DrawPane(&dc, this, rc);
}

BOOL CXTPDockingPaneTabbedContainer::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

CXTPDockingPaneCaptionButton* CXTPDockingPaneTabbedContainer::CaptionButtonFromPoint(CPoint point) const
{
    for (INT_PTR i = 0; i < m_arrCaptionButtons.GetSize(); i++)
    {
        CXTPDockingPaneCaptionButton* pButton = m_arrCaptionButtons[i];
        if (pButton->IsVisible() && pButton->GetRect().PtInRect(point))
            return pButton;
    }
    return nullptr;
}

int CXTPDockingPaneTabbedContainer::HitTestArea(CPoint point) const
{
    if (!m_hWnd)
        return -1;
    CRect rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    if (!rcClient.PtInRect(point))
        return -1;
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (pManager && IsTitleVisible())
    {
        CRect rc = rcClient;
        pManager->GetPaintManager()->AdjustCaptionRect(this, rc);
        if (!rc.PtInRect(point))
            return -2;
    }
    CXTPTabManagerItem* pItem = IsTabsVisible() ? HitTest(point) : nullptr;
    return pItem ? pItem->GetIndex() : -1;
}

void CXTPDockingPaneTabbedContainer::TakeFocus()
{
    HWND hFocus = m_pSelectedPane && ::IsWindow(m_pSelectedPane->GetHwnd()) ? m_pSelectedPane->GetHwnd() : m_hWnd;
    if (hFocus && ::GetFocus() != hFocus)
        ::SetFocus(hFocus);
}

void CXTPDockingPaneTabbedContainer::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (CXTPDockingPaneCaptionButton* pButton = CaptionButtonFromPoint(point))
    {
        OnCaptionButtonDown(pButton);
        return;
    }
    // The strip's arrows scroll its tabs while held.
    if (IsTabsVisible() && HitTestNavigateButton(point))
    {
        PerformClick(m_hWnd, point, TRUE);
        return;
    }
    int nHit = HitTestArea(point);
    if (nHit >= 0)
    {
        // A press on a tab selects it; dragging it on reorders or pulls it out.
        auto* pPane = static_cast<CXTPDockingPane*>(GetItem(nHit)->GetData());
        SelectPane(pPane, TRUE, FALSE);
        if (pPane->GetContainer() != this)
            return;
        m_arrTabRectsAtPress.clear();
        for (int i = 0; i < GetItemCount(); i++)
            m_arrTabRectsAtPress.push_back(GetItem(i)->GetRect());
        m_pTrackingPane = pPane;
        SetCapture();
        return;
    }
    TakeFocus();
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    // The drag may move or delete this container: nothing of it is touched after.
    if (nHit == -2 && pManager && !IsHidden() && ::GetKeyState(VK_LBUTTON) < 0 && pManager->GetDockingContext())
    {
        ClientToScreen(&point);
        pManager->GetDockingContext()->Drag(this, point);
    }
}

void CXTPDockingPaneTabbedContainer::OnCaptionButtonDown(CXTPDockingPaneCaptionButton* pButton)
{
    TakeFocus();
    if (pButton->GetId() == XTP_IDS_DOCKINGPANE_MENU)
    {
        OnMenuButton(pButton);
        return;
    }
    // The loop dispatches other messages: this container may be gone after it.
    if (!pButton->Track(m_hWnd) || !m_pSelectedPane)
        return;
    switch (pButton->GetId())
    {
    case XTP_IDS_DOCKINGPANE_CLOSE: OnCloseButton(); break;
    case XTP_IDS_DOCKINGPANE_AUTOHIDE: OnAutoHideButton(); break;
    case XTP_IDS_DOCKINGPANE_MAXIMIZE: OnMaximizeButton(); break;
    case XTP_IDS_DOCKINGPANE_RESTORE: OnRestoreButton(); break;
    }
}

void CXTPDockingPaneTabbedContainer::OnMenuButton(CXTPDockingPaneCaptionButton* pButton)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || !m_pSelectedPane)
        return;
    CRect rc = pButton->GetRect();
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    XTP_DOCKINGPANE_CLICK menu = {m_pSelectedPane, {rc.left, rc.bottom}, rc};
    HWND hWnd = m_hWnd;
    pButton->SetPressed(TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    pManager->NotifyOwner(XTP_DPN_CONTEXTMENU, reinterpret_cast<LPARAM>(&menu));
    // The owner's menu may have closed the pane and with it this container.
    if (!::IsWindow(hWnd))
        return;
    pButton->SetPressed(FALSE);
    Invalidate(FALSE);
}

LRESULT CXTPDockingPaneTabbedContainer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CXTPDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->GetToolTipContext()->FilterToolTipMessage(this, message, wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

INT_PTR CXTPDockingPaneTabbedContainer::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (CXTPDockingPaneCaptionButton* pButton = CaptionButtonFromPoint(point))
    {
        CString strTip = pButton->GetTooltip();
        if (strTip.IsEmpty())
            return -1;
        CRect rc = pButton->GetRect();
        CXTPToolTipContext::FillInToolInfo(pTI, m_hWnd, rc.left, rc.top, rc.right, rc.bottom,
                                           static_cast<UINT>(pButton->GetId()), strTip);
        return pButton->GetId();
    }
    return IsTabsVisible() ? PerformToolHitTest(m_hWnd, point, pTI) : -1;
}

void CXTPDockingPaneTabbedContainer::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // The second click of a quick pair on a button or an arrow is a press of
    // its own.
    if (CaptionButtonFromPoint(point) || (IsTabsVisible() && HitTestNavigateButton(point)))
    {
        OnLButtonDown(nFlags, point);
        return;
    }
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    int nHit = HitTestArea(point);
    if (!pManager || nHit == -1)
        return;
    if (IsHidden() && m_pSelectedPane && (m_pSelectedPane->GetOptions() & xtpPaneNoHideable))
        return;
    CXTPDockingPaneBase* pNode =
        nHit >= 0 ? static_cast<CXTPDockingPaneBase*>(static_cast<CXTPDockingPane*>(GetItem(nHit)->GetData()))
                  : this;
    // Toggling may destroy this container: nothing of it is used afterwards.
    pManager->ToggleDocking(pNode);
}

void CXTPDockingPaneTabbedContainer::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return;
    int nHit = HitTestArea(point);
    if (nHit >= 0)
    {
        SelectPane(static_cast<CXTPDockingPane*>(GetItem(nHit)->GetData()), TRUE, TRUE);
        RecalcSiteLayout();
    }
    TakeFocus();
    // The owner's menu shows the active state already.
    if (pManager->GetSafeHwnd())
        pManager->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    pManager->NotifyOwner(XTP_DPN_RCLICK, reinterpret_cast<LPARAM>(static_cast<CXTPDockingPaneBase*>(this)));
}

void CXTPDockingPaneTabbedContainer::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_pTrackingPane)
    {
        TrackTabDrag(point);
        return;
    }
    HotTrack(point);
    XTPTabTrackMouseLeave(m_hWnd);
}

void CXTPDockingPaneTabbedContainer::TrackTabDrag(CPoint point)
{
    if (GetHeaderRect().PtInRect(point))
    {
        // Over the place another tab had at the press: the two panes change
        // places. The places are not taken anew after a swap, so a short tab
        // pulled onto a long one stays there rather than swapping back.
        auto itTracked = std::find(m_lstPanes.begin(), m_lstPanes.end(), m_pTrackingPane);
        if (itTracked == m_lstPanes.end())
            return;
        size_t nTracked = static_cast<size_t>(itTracked - m_lstPanes.begin());
        for (size_t j = 0; j < m_arrTabRectsAtPress.size() && j < m_lstPanes.size(); j++)
        {
            if (j == nTracked || !m_arrTabRectsAtPress[j].PtInRect(point))
                continue;
            std::swap(m_lstPanes[j], m_lstPanes[nTracked]);
            UpdateTabs();
            break;
        }
        return;
    }
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || pManager->SendPaneAction(xtpPaneActionDetaching, m_pTrackingPane))
        return;
    CXTPDockingPane* pPane = m_pTrackingPane;
    m_pTrackingPane = nullptr;
    ReleaseCapture();
    ClientToScreen(&point);
    // The drag may move or delete this container: nothing of it is touched after.
    if (pManager->GetDockingContext())
        pManager->GetDockingContext()->Drag(pPane, point);
}

void CXTPDockingPaneTabbedContainer::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    if (!m_pTrackingPane)
        return;
    m_pTrackingPane = nullptr;
    ReleaseCapture();
}

void CXTPDockingPaneTabbedContainer::OnCaptureChanged(CWnd* /*pWnd*/)
{
    m_pTrackingPane = nullptr;
}

void CXTPDockingPaneTabbedContainer::HotTrack(CPoint point)
{
    BOOL bChanged = FALSE;
    CXTPDockingPaneCaptionButton* pHot = CaptionButtonFromPoint(point);
    for (INT_PTR i = 0; i < m_arrCaptionButtons.GetSize(); i++)
    {
        CXTPDockingPaneCaptionButton* pButton = m_arrCaptionButtons[i];
        if (pButton->IsHot() != (pButton == pHot))
        {
            pButton->SetHot(pButton == pHot);
            bChanged = TRUE;
        }
    }
    if (bChanged)
        Invalidate(FALSE);
    PerformMouseMove(m_hWnd, point);
}

void CXTPDockingPaneTabbedContainer::OnMouseLeave()
{
    HotTrack(CPoint(-1, -1));
}

LRESULT CXTPDockingPaneTabbedContainer::OnHelpHitTest(WPARAM /*wParam*/, LPARAM lParam)
{
    CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    int nHit = HitTestArea(point);
    CXTPDockingPane* pPane = nHit >= 0 ? static_cast<CXTPDockingPane*>(GetItem(nHit)->GetData()) : m_pSelectedPane;
    return pPane ? kHelpResourceBase + pPane->GetHelpId() : 0;
}

BOOL CXTPDockingPaneTabbedContainer::CanMaximize() const
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    auto* pSplitter = dynamic_cast<CXTPDockingPaneSplitterContainer*>(m_pParentContainer);
    if (!pManager || !pManager->m_bShowMaximizeButton || !pSplitter)
        return FALSE;
    // Emptied containers wait hidden in the tree: they are not shown.
    int nTabbed = 0;
    for (CXTPDockingPaneBase* pChild : pSplitter->GetChildren())
        nTabbed += pChild->GetType() == xtpPaneTypeTabbedContainer && !pChild->IsEmpty();
    return nTabbed > 1;
}

void CXTPDockingPaneTabbedContainer::OnMaximizeButton()
{
    auto* pSplitter = dynamic_cast<CXTPDockingPaneSplitterContainer*>(m_pParentContainer);
    if (!pSplitter)
        return;
    for (CXTPDockingPaneBase* pChild : pSplitter->GetChildren())
    {
        if (pChild->GetType() == xtpPaneTypeTabbedContainer)
            static_cast<CXTPDockingPaneTabbedContainer*>(pChild)->m_bMaximized = pChild == this;
    }
    RecalcSiteLayout();
}

void CXTPDockingPaneTabbedContainer::OnRestoreButton()
{
    m_bMaximized = FALSE;
    RecalcSiteLayout();
}

void CXTPDockingPaneTabbedContainer::RecalcSiteLayout()
{
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(m_pParentFrame))
    {
        if (pFrame->GetSafeHwnd())
            pFrame->RecalcLayout();
    }
    if (m_hWnd)
        Invalidate(FALSE);
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
    // The window first: the pane's window becomes its child.
    CreateContainerWindow();
    m_lstPanes.push_back(pPane);
    pPane->SetParentContainer(this);
    pPane->SetParentFrame(m_pParentFrame);
    SelectPane(pPane, bSetFocus);
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
}

void CXTPDockingPaneTabbedContainer::SelectPane(CXTPDockingPane* pPane, BOOL bSetFocus, BOOL bNotify)
{
    if (pPane != m_pSelectedPane)
    {
        m_pSelectedPane = pPane;
        if (bNotify && m_pParentContainer)
            m_pParentContainer->OnChildContainerChanged(this);
        UpdateTabs();
        if (!bNotify && m_hWnd)
            LayoutPanes(CXTPClientRect(this).Size());
        // A tab scrolled out of the strip comes back into view.
        EnsureVisible(m_pSelected);
    }
    // Only a pane with a window takes the focus: a loaded one has none yet.
    if (!bSetFocus || !pPane || !m_hWnd || !::IsWindow(pPane->GetHwnd()))
        return;
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (m_bActive && pManager)
        pManager->OnActivatePane(TRUE, pPane);
    pPane->SetFocus();
}

void CXTPDockingPaneTabbedContainer::RemovePane(CXTPDockingPaneBase* pPane)
{
    // The pane's window leaves this window with it (the pane parents it).
    if (!XTPDockingPaneTakeOut(m_lstPanes, pPane))
        return;
    // The next pane shows at once where the removed one was: in a slide-out
    // no layout of the site would ever show it.
    if (m_pSelectedPane == pPane && m_lstPanes.empty())
        m_pSelectedPane = nullptr;
    else if (m_pSelectedPane == pPane)
        SelectPane(m_lstPanes.front(), FALSE, FALSE);
    // Out of sight, an emptied container must not keep its siblings small.
    if (m_lstPanes.empty())
        m_bMaximized = FALSE;
    UpdateTabs();
    // An emptied container stays in the tree (hidden): ShowPane brings
    // closed panes back into it; the clean-up removes unused ones.
    if (m_pParentContainer)
        m_pParentContainer->OnChildContainerChanged(this);
}

void CXTPDockingPaneTabbedContainer::Copy(CXTPDockingPaneTabbedContainer* pSource, DWORD dwIgnoredOptions,
                                          CXTPDockingPaneClonedMap* pMap)
{
    m_szDocking = pSource->m_szDocking;
    m_rcWindow = pSource->m_rcWindow;
    CXTPDockingPane* pSelected = pSource->GetSelected();
    CXTPDockingPane* pSelectedHere = nullptr;
    for (CXTPDockingPane* pPane : std::vector<CXTPDockingPane*>(pSource->m_lstPanes))
    {
        CXTPDockingPane* pHere = pPane;
        if (pMap)
            pHere = static_cast<CXTPDockingPane*>(pPane->Clone(m_pLayout, pMap, dwIgnoredOptions));
        else if (pPane->GetOptions() & dwIgnoredOptions)
            continue;
        if (!pHere)
            continue;
        AddPane(pHere, FALSE);
        if (pPane == pSelected)
            pSelectedHere = pHere;
    }
    if (pSelectedHere && pSelectedHere->GetContainer() == this)
        SelectPane(pSelectedHere, FALSE, FALSE);
}

CXTPDockingPaneBase* CXTPDockingPaneTabbedContainer::Clone(CXTPDockingPaneLayout* pLayout,
                                                           CXTPDockingPaneClonedMap* pMap, DWORD dwIgnoredOptions)
{
    CXTPDockingPaneManager* pManager = pLayout ? pLayout->GetManager() : nullptr;
    auto* pClone = pManager ? dynamic_cast<CXTPDockingPaneTabbedContainer*>(
                                  pManager->OnCreatePane(xtpPaneTypeTabbedContainer, pLayout))
                            : nullptr;
    if (pClone)
        pClone->Copy(this, dwIgnoredOptions, pMap);
    return pClone;
}

CString CXTPDockingPaneTabbedContainer::GetTitle() const
{
    return m_pSelectedPane ? m_pSelectedPane->GetShortTitle() : CString();
}

BOOL CXTPDockingPaneTabbedContainer::IsTitleVisible() const
{
    return m_bTitleVisible && !(m_pSelectedPane && (m_pSelectedPane->GetOptions() & xtpPaneNoCaption));
}

BOOL CXTPDockingPaneTabbedContainer::IsCaptionVertical() const
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return FALSE;
    switch (pManager->m_nCaptionDirection)
    {
    case 0: return FALSE;
    case 1: return m_rcWindow.Width() > m_rcWindow.Height();
    case 2:
    {
        int nDirection = pManager->GetPaneDirection(const_cast<CXTPDockingPaneTabbedContainer*>(this));
        return nDirection == xtpPaneDockTop || nDirection == xtpPaneDockBottom;
    }
    default: return TRUE;
    }
}

BOOL CXTPDockingPaneTabbedContainer::IsTabsVisible() const
{
    // A slid-out group shows its tabs on the strip already. A container
    // without a window yet counts its tabs, so that its limits hold them.
    if (m_hWnd && dynamic_cast<CXTPDockingPaneAutoHideWnd*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
        return FALSE;
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
    // A maximized sibling leaves this one no length along the splitter.
    if (auto* pSplitter = dynamic_cast<CXTPDockingPaneSplitterContainer*>(m_pParentContainer); pSplitter && !m_bMaximized)
    {
        for (CXTPDockingPaneBase* pChild : pSplitter->GetChildren())
        {
            if (pChild != this && pChild->GetType() == xtpPaneTypeTabbedContainer &&
                static_cast<CXTPDockingPaneTabbedContainer*>(pChild)->m_bMaximized)
            {
                (pSplitter->IsHoriz() ? pMinMaxInfo->ptMaxTrackSize.x : pMinMaxInfo->ptMaxTrackSize.y) = 0;
                return;
            }
        }
    }
    for (CXTPDockingPane* pPane : m_lstPanes)
    {
        MINMAXINFO mmi;
        pPane->GetMinMaxInfo(&mmi);
        pMinMaxInfo->ptMinTrackSize.x = std::max(pMinMaxInfo->ptMinTrackSize.x, mmi.ptMinTrackSize.x);
        pMinMaxInfo->ptMinTrackSize.y = std::max(pMinMaxInfo->ptMinTrackSize.y, mmi.ptMinTrackSize.y);
        pMinMaxInfo->ptMaxTrackSize.x = std::min(pMinMaxInfo->ptMaxTrackSize.x, mmi.ptMaxTrackSize.x);
        pMinMaxInfo->ptMaxTrackSize.y = std::min(pMinMaxInfo->ptMaxTrackSize.y, mmi.ptMaxTrackSize.y);
    }
    // The panes' limits are for their windows: the caption and tabs come on top.
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return;
    CRect rc(0, 0, 1000, 1000);
    pManager->GetPaintManager()->AdjustClientRect(const_cast<CXTPDockingPaneTabbedContainer*>(this), rc, FALSE);
    CSize szFrame(1000 - rc.Width(), 1000 - rc.Height());
    pMinMaxInfo->ptMinTrackSize.x += szFrame.cx;
    pMinMaxInfo->ptMinTrackSize.y += szFrame.cy;
    pMinMaxInfo->ptMaxTrackSize.x += szFrame.cx;
    pMinMaxInfo->ptMaxTrackSize.y += szFrame.cy;
}

void CXTPDockingPaneTabbedContainer::OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout)
{
    SetParentFrame(pParent);
    m_rcWindow = rect;
    // A new theme brings a new paint manager: the strip follows it there.
    m_registration.Register(GetPaintManager());
    UpdateTabs();
    CreateContainerWindow();
    // A container moved into another frame's tree follows it there.
    if (m_hWnd && pParent && pParent->GetSafeHwnd() && ::GetParent(m_hWnd) != pParent->GetSafeHwnd())
        ::SetParent(m_hWnd, pParent->GetSafeHwnd());
    if (!m_hWnd || !lpLayout || !lpLayout->hDWP)
        return;
    if (IsEmpty())
    {
        ShowWindow(SW_HIDE);
        return;
    }
    AfxRepositionWindow(lpLayout, m_hWnd, rect);
    ShowWindow(SW_SHOWNA);
    // The hosted windows follow once the container has its new size.
    LayoutPanes(rect.Size());
}

void CXTPDockingPaneTabbedContainer::SetParentFrame(CWnd* pFrame)
{
    m_pParentFrame = pFrame;
    // A tree docked out of a floating frame takes its windows along before
    // that frame's window goes, and the panes' windows with them.
    HWND hSite = pFrame ? pFrame->GetSafeHwnd() : nullptr;
    if (m_hWnd && hSite && ::GetParent(m_hWnd) != hSite && !IsHidden())
        ::SetParent(m_hWnd, hSite);
    for (CXTPDockingPane* pPane : m_lstPanes)
        pPane->SetParentFrame(pFrame);
}

void CXTPDockingPaneTabbedContainer::UpdateTabs()
{
    // The tab under the pointer stays hot across the rebuild.
    void* pHotPane = m_pHighlighted ? m_pHighlighted->GetData() : nullptr;
    m_bRebuildingTabs = TRUE;
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
        if (pPane == pHotPane)
            m_pHighlighted = pItem;
    }
    m_bRebuildingTabs = FALSE;
    // New items have no places yet.
    Reposition();
}

void CXTPDockingPaneTabbedContainer::OnChildTitleChanged(CXTPDockingPaneBase* pChild)
{
    // The items carry the tab texts: rebuilt, the strip is laid out again
    // with the new widths and the caption repainted.
    UpdateTabs();
    CXTPDockingPaneBase::OnChildTitleChanged(pChild);
}

void CXTPDockingPaneTabbedContainer::Reposition()
{
    if (!m_bRebuildingTabs)
        LayoutTabs();
}

void CXTPDockingPaneTabbedContainer::LayoutTabs()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!m_hWnd || !pManager)
        return;
    CRect rc = CXTPClientRect(this);
    pManager->GetPaintManager()->AdjustClientRect(this, rc, TRUE);
    Invalidate(FALSE);
}

void CXTPDockingPaneTabbedContainer::RequestReposition()
{
    if (m_hWnd)
        LayoutPanes(CXTPClientRect(this).Size());
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

BOOL CXTPDockingPaneTabbedContainer::DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw,
                                                  CSize& szIcon)
{
    CXTPTabPaintManager* pPaintManager = GetPaintManager();
    if (!pPaintManager || !pPaintManager->m_bShowIcons)
        return FALSE;
    if (!pItem)
        return TRUE;
    auto* pPane = static_cast<CXTPDockingPane*>(pItem->GetData());
    CXTPImageManagerIcon* pIcon = pPane ? pPane->GetIcon(szIcon.cx) : nullptr;
    if (!pIcon)
        return FALSE;
    if (bDraw)
        pIcon->Draw(pDC, pt, pItem->IsSelected() ? pIcon->GetCheckedIcon() : pIcon->GetIcon(), szIcon);
    return TRUE;
}

BOOL CXTPDockingPaneTabbedContainer::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPDockingPaneBase::DoPropExchange(pPX);
    int nCount = static_cast<int>(m_lstPanes.size());
    XTPExchangeLong(pPX, L"Panes", nCount);
    int nSelected = m_pSelectedPane ? m_pSelectedPane->m_nIndex : 0;
    XTPExchangeLongWithDefault(pPX, L"Selected", nSelected, 0);
    std::vector<int> numbers;
    if (!XTPDockingPaneExchangeChildren(pPX, m_lstPanes, nCount, static_cast<int>(m_pLayout->m_arrNodes.size()),
                                        pPX->IsLoading() ? &numbers : nullptr))
        return FALSE;
    if (pPX->IsStoring())
        return TRUE;
    CXTPDockingPane* pSelect = nullptr;
    for (int nIndex : numbers)
    {
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

void CXTPDockingPaneTabbedContainer::OnFocusChanged()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || !m_hWnd)
        return;
    // Inside: the container, a descendant, or a window owned from inside.
    HWND hFocus = ::GetFocus();
    BOOL bActive = FALSE;
    for (HWND h = hFocus; h && !bActive; h = ::GetWindow(h, GW_OWNER))
        bActive = h == m_hWnd || ::IsChild(m_hWnd, h);
    if (bActive != m_bActive)
    {
        m_bActive = bActive;
        pManager->OnActivatePane(bActive, m_pSelectedPane);
        Invalidate(FALSE);
    }
    else if (bActive && pManager->GetActivePane() != m_pSelectedPane)
        pManager->OnActivatePane(TRUE, m_pSelectedPane);
    if (m_pSelectedPane && m_pSelectedPane->GetHwnd() && ::IsWindow(m_pSelectedPane->GetHwnd()))
        ::SendMessageW(m_pSelectedPane->GetHwnd(), WM_IDLEUPDATECMDUI, TRUE, 0);
}

void CXTPDockingPaneTabbedContainer::OnAutoHideButton()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || !m_pSelectedPane)
        return;
    if (IsHidden())
    {
        pManager->ToggleDocking(pManager->m_bHideGroupOnButtonClick ? static_cast<CXTPDockingPaneBase*>(this)
                                                                    : m_pSelectedPane);
        return;
    }
    CXTPDockingPane* pSelected = m_pSelectedPane;
    if (pManager->SendPaneAction(xtpPaneActionPinning, pSelected))
        return;
    int direction = pManager->GetPaneDirection(this);
    BOOL bWidth = direction == xtpPaneDockLeft || direction == xtpPaneDockRight;
    for (CXTPDockingPane* pPane : m_lstPanes)
        (bWidth ? pPane->m_szDocking.cx : pPane->m_szDocking.cy) = bWidth ? m_rcWindow.Width() : m_rcWindow.Height();
    // This container may be emptied now: nothing of it is used afterwards.
    pManager->HidePane(pSelected);
    pManager->SendPaneAction(xtpPaneActionPinned, pSelected);
}

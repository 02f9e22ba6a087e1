#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include <algorithm>
#include "framework/windows/CFrameWnd.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneContext.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPanePaintManager.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/AfxMessages.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "resources/ToolkitDockingIds.h"

BEGIN_MESSAGE_MAP(CXTPDockingPaneTabbedContainer, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
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
    Create(lpszClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0),
           m_pParentFrame, 0);
}

BOOL CXTPDockingPaneTabbedContainer::IsCaptionButtonVisible(CXTPDockingPaneCaptionButton* pButton)
{
    DWORD dwOptions = m_pSelectedPane ? m_pSelectedPane->GetOptions() : 0;
    switch (pButton->GetId())
    {
    case XTP_IDS_DOCKINGPANE_CLOSE: return m_pSelectedPane && !(dwOptions & xtpPaneNoCloseable);
    case XTP_IDS_DOCKINGPANE_AUTOHIDE: return m_pSelectedPane && !(dwOptions & xtpPaneNoHideable);
    case XTP_IDS_DOCKINGPANE_MENU: return m_pSelectedPane && (dwOptions & xtpPaneHasMenuButton);
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
    for (CXTPDockingPane* pPane : m_lstPanes)
    {
        if (pPane != m_pSelectedPane)
        {
            if (pPane->GetHwnd() && ::IsWindow(pPane->GetHwnd()))
                ::ShowWindow(pPane->GetHwnd(), SW_HIDE);
            continue;
        }
        if (pManager)
            pManager->NotifyOwner(XTP_DPN_SHOWWINDOW, reinterpret_cast<LPARAM>(pPane));
        HWND hPane = pPane->GetHwnd();
        if (!hPane || !::IsWindow(hPane))
            continue;
        if (::GetParent(hPane) != m_hWnd)
            ::SetParent(hPane, m_hWnd);
        ::MoveWindow(hPane, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
        ::ShowWindow(hPane, SW_SHOWNA);
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

void CXTPDockingPaneTabbedContainer::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    for (INT_PTR i = 0; i < m_arrCaptionButtons.GetSize(); i++)
    {
        CXTPDockingPaneCaptionButton* pButton = m_arrCaptionButtons[i];
        if (pButton->IsVisible() && pButton->GetRect().PtInRect(point))
        {
            if (pButton->GetId() == XTP_IDS_DOCKINGPANE_CLOSE)
                OnCloseButton();
            else if (pButton->GetId() == XTP_IDS_DOCKINGPANE_AUTOHIDE)
                OnAutoHideButton();
            return;
        }
    }
    if (CXTPTabManagerItem* pItem = IsTabsVisible() ? HitTest(point) : nullptr)
    {
        auto* pPane = static_cast<CXTPDockingPane*>(pItem->GetData());
        SelectPane(pPane, TRUE, FALSE);
        m_pTrackingPane = pPane;
        SetCapture();
        return;
    }
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    CRect rcCaption(0, 0, m_rcWindow.Width(), m_rcWindow.Height());
    if (pManager)
        pManager->GetPaintManager()->AdjustCaptionRect(this, rcCaption);
    BOOL bOnCaption = pManager && rcCaption.top > 0 && point.y < rcCaption.top;
    if (m_pSelectedPane && m_pSelectedPane->GetHwnd())
        ::SetFocus(m_pSelectedPane->GetHwnd());
    else
        SetFocus();
    // The drag may move or delete this container: nothing of it is touched after.
    if (bOnCaption && !IsHidden() && (::GetKeyState(VK_LBUTTON) < 0) && pManager->GetDockingContext())
    {
        ClientToScreen(&point);
        pManager->GetDockingContext()->Drag(this, point);
    }
}

void CXTPDockingPaneTabbedContainer::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (!m_pTrackingPane)
        return;
    if (CXTPTabManagerItem* pItem = HitTest(point))
    {
        // Over another tab: the two panes change places.
        auto* pOther = static_cast<CXTPDockingPane*>(pItem->GetData());
        auto itTracked = std::find(m_lstPanes.begin(), m_lstPanes.end(), m_pTrackingPane);
        auto itOther = std::find(m_lstPanes.begin(), m_lstPanes.end(), pOther);
        if (pOther != m_pTrackingPane && itTracked != m_lstPanes.end() && itOther != m_lstPanes.end())
        {
            std::iter_swap(itTracked, itOther);
            UpdateTabs();
            Invalidate(FALSE);
        }
        return;
    }
    if (GetHeaderRect().PtInRect(point))
        return;
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
    CreateContainerWindow();
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
    if (!bNotify && m_hWnd)
        LayoutPanes(CXTPClientRect(this).Size());
}

void CXTPDockingPaneTabbedContainer::RemovePane(CXTPDockingPaneBase* pPane)
{
    if (!XTPDockingPaneTakeOut(m_lstPanes, pPane))
        return;
    // The pane's window must outlive this container's window (a floating
    // frame destroyed with its containers): it waits hidden at the site.
    HWND hPane = static_cast<CXTPDockingPane*>(pPane)->GetHwnd();
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (hPane && m_hWnd && ::IsWindow(hPane) && ::GetParent(hPane) == m_hWnd && pManager && pManager->GetSite() &&
        pManager->GetSite()->GetSafeHwnd())
    {
        ::ShowWindow(hPane, SW_HIDE);
        ::SetParent(hPane, pManager->GetSite()->GetSafeHwnd());
    }
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

void CXTPDockingPaneTabbedContainer::OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout)
{
    SetParentFrame(pParent);
    m_rcWindow = rect;
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
    if (m_hWnd)
        Invalidate(FALSE);
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
    if (pPX->IsLoading() && nCount < 0)
        return FALSE;
    // No container holds more children than the layout has nodes.
    if (pPX->IsLoading() && (nCount < 0 || nCount > static_cast<int>(m_pLayout->m_arrNodes.size())))
        return FALSE;
    std::vector<int> numbers;
    XTPDockingPaneExchangeChildren(pPX, m_lstPanes, nCount, pPX->IsLoading() ? &numbers : nullptr);
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

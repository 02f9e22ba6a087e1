#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPanePlaces.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/common/dc/XTPWindowRect.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "framework/windows/AfxMessages.h"
#include "resources/FrameworkIds.h"
#include <algorithm>
#include "resources/ToolkitDockingIds.h"

BEGIN_MESSAGE_MAP(CXTPDockingPaneMiniWnd, CMiniFrameWnd)
    ON_WM_DESTROY()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCHITTEST()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_WM_ACTIVATE()
    ON_WM_TIMER()
    ON_WM_SETFOCUS()
    ON_WM_GETMINMAXINFO()
    ON_WM_IDLEUPDATECMDUI()
END_MESSAGE_MAP()

BOOL CXTPDockingPaneMiniWnd::m_bShowPinButton = TRUE;

CXTPDockingPaneMiniWnd::CXTPDockingPaneMiniWnd(CXTPDockingPaneLayout* pLayout)
    : CXTPDockingPaneBase(xtpPaneTypeMiniWnd, pLayout),
      m_nStepCount(std::max(1, CXTPDockingPaneAutoHideWnd::m_nAnimationDuration /
                                   std::max(1, CXTPDockingPaneAutoHideWnd::m_nAnimationInterval))),
      m_nStep(m_nStepCount)
{
    for (int nId : {XTP_IDS_DOCKINGPANE_CLOSE, XTP_IDS_DOCKINGPANE_AUTOHIDE, XTP_IDS_DOCKINGPANE_MENU})
        m_arrCaptionButtons.Add(new CXTPDockingPaneCaptionButton(nId, this));
}

CXTPDockingPaneMiniWnd::~CXTPDockingPaneMiniWnd()
{
    // Gone while the layout still runs: the window goes first, with the
    // node's own handlers still in place.
    if (m_hWnd)
        DestroyWindow();
}

BOOL CXTPDockingPaneMiniWnd::HasPanes()
{
    CXTPDockingPaneBaseList list;
    FindPane(xtpPaneTypeDockingPane, &list);
    return !list.IsEmpty();
}

void CXTPDockingPaneMiniWnd::UpdateFrameWindow()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    CWnd* pSite = pManager ? pManager->GetSite() : nullptr;
    if (!pSite || !pSite->GetSafeHwnd() || m_pLayout->IsUserLayout())
        return;
    BOOL bPanes = HasPanes();
    m_bWaitingForSite = FALSE;
    if (!m_hWnd && (!bPanes || !CreateFrameWindow(pSite)))
        return;
    if (m_pTopContainer)
        m_pTopContainer->SetParentFrame(this);
    UpdateTitleAndSystemMenu();
    UpdateCaptionButtons();
    RecalcLayout();
    // A tree without panes leaves no empty frame on screen; nor does a
    // minimized or hidden site leave its frames there alone.
    BOOL bShow = bPanes && IsSiteShown(pSite);
    m_bWaitingForSite = bPanes && !bShow;
    // A frame (re-)shown learns nothing of the activations it missed: it
    // takes the state in force before it is drawn.
    if (bShow)
        SyncActiveCaption();
    ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
}

BOOL CXTPDockingPaneMiniWnd::IsSiteShown(CWnd* pSite)
{
    HWND hSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    if (!hSite || !::IsWindowVisible(hSite))
        return FALSE;
    HWND hRoot = ::GetAncestor(hSite, GA_ROOT);
    return !::IsIconic(hSite) && !(hRoot && ::IsIconic(hRoot));
}

BOOL CXTPDockingPaneMiniWnd::CreateFrameWindow(CWnd* pSite)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (m_rcFrame.IsRectEmpty())
        m_rcFrame = CRect(100, 100, 300, 300);
    KeepOnWorkArea(m_rcFrame);
    // The system menu holds the "Hide" command and gives the system caption
    // its close box.
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | MFS_BLOCKSYSMENU;
    if (pManager->m_bSyncActiveFloatingFrames)
        dwStyle |= MFS_SYNCACTIVE;
    if (pManager->m_bFloatingFrameCaption)
        dwStyle &= ~WS_CAPTION;
    DWORD dwExStyle = pSite->GetExStyle() & WS_EX_LAYOUTRTL;
    if (m_bCollapsed && !IsOwnCaption())
    {
        // Only a frame with its own caption collapses: it comes back whole.
        if (m_nStep < m_nStepCount)
            m_rcFrame.bottom = m_rcFrame.top + m_nExpandedHeight;
        m_bCollapsed = FALSE;
        m_nStep = m_nStepCount;
    }
    if (!CMiniFrameWnd::CreateEx(dwExStyle, nullptr, pManager->m_strFloatingCaption, dwStyle, m_rcFrame, pSite))
        return FALSE;
    AdjustSystemMenu();
    ResumeCollapsible();
    if (m_bFirstIdle)
    {
        m_nIdleFlags |= idleLayout | idleNotify;
        PostMessage(WM_IDLEUPDATECMDUI);
    }
    return TRUE;
}

void CXTPDockingPaneMiniWnd::KeepOnWorkArea(CRect& rc)
{
    // Whole on the work area of the monitor nearest to it: shrunk to fit,
    // then moved in.
    CRect rcWork = XTPGetWorkAreaOfRect(rc);
    if (rcWork.IsRectEmpty())
        return;
    rc.right = rc.left + std::min(rc.Width(), rcWork.Width());
    rc.bottom = rc.top + std::min(rc.Height(), rcWork.Height());
    rc.OffsetRect(std::max(0L, rcWork.left - rc.left) - std::max(0L, rc.right - rcWork.right),
                  std::max(0L, rcWork.top - rc.top) - std::max(0L, rc.bottom - rcWork.bottom));
}

void CXTPDockingPaneMiniWnd::AdjustSystemMenu()
{
    HMENU hMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!hMenu)
        return;
    for (UINT nCommand : {SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
        ::DeleteMenu(hMenu, nCommand, MF_BYCOMMAND);
    CString strHide;
    if (strHide.LoadString(AFX_IDS_HIDE) && !strHide.IsEmpty())
    {
        ::DeleteMenu(hMenu, SC_CLOSE, MF_BYCOMMAND);
        ::AppendMenuW(hMenu, MF_STRING, SC_CLOSE, strHide);
    }
}

void CXTPDockingPaneMiniWnd::UpdateTitleAndSystemMenu()
{
    CString strTitle = GetDockingPaneManager()->m_strFloatingCaption;
    CXTPDockingPaneTabbedContainer* pSingle = GetSingleContainer();
    if (pSingle && pSingle->GetSelected())
        strTitle = pSingle->GetSelected()->GetTitle();
    SetWindowText(strTitle);
    if (HMENU hMenu = ::GetSystemMenu(m_hWnd, FALSE))
        ::EnableMenuItem(hMenu, SC_CLOSE, MF_BYCOMMAND | (HasClosablePane() ? MF_ENABLED : MF_GRAYED));
    RedrawFrame();
}

void CXTPDockingPaneMiniWnd::OnChildTitleChanged(CXTPDockingPaneBase* /*pChild*/)
{
    if (m_hWnd)
        UpdateTitleAndSystemMenu();
}

void CXTPDockingPaneMiniWnd::ResumeCollapsible()
{
    if (!m_bCollapsed || m_nStep < m_nStepCount)
        return;
    ArmLeaveCheck(6);
}

void CXTPDockingPaneMiniWnd::InheritCollapsible(int nExpandedHeight)
{
    m_bCollapsed = TRUE;
    m_nExpandedHeight = nExpandedHeight;
    m_nStep = m_nStepCount;
    if (m_hWnd)
        ResumeCollapsible();
}

LRESULT CXTPDockingPaneMiniWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_bFirstIdle || (m_nIdleFlags & idleLayout))
    {
        m_bFirstIdle = FALSE;
        m_nIdleFlags &= ~(idleLayout | idleNotify);
        RecalcLayout();
    }
    if (IsOwnCaption())
        SetFocusInside(IsFocusInside());
    return 0;
}

void CXTPDockingPaneMiniWnd::RecalcLayout(BOOL /*bNotify*/)
{
    if (!m_hWnd || !m_pTopContainer)
        return;
    CRect rc;
    GetClientRect(&rc);
    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = ::BeginDeferWindowPos(8);
    layout.rect = rc;
    CXTPDockingPanePlaces places(m_pLayout);
    m_pTopContainer->OnSizeParent(this, rc, &layout);
    places.RedrawSiteIfChanged(m_hWnd, layout.hDWP);
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}

void CXTPDockingPaneMiniWnd::CloseFramePanes()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return;
    // Closing changes the tree, and a close handler may close or move other
    // panes: walk the panes as they were, skipping those no longer here.
    std::vector<CXTPDockingPane*> panes = FramePanes();
    for (CXTPDockingPane* pPane : panes)
    {
        std::vector<CXTPDockingPane*> current = FramePanes();
        if (std::find(current.begin(), current.end(), pPane) != current.end())
            pManager->ClosePanesAnnounced({pPane});
    }
}

std::vector<CXTPDockingPane*> CXTPDockingPaneMiniWnd::FramePanes()
{
    CXTPDockingPaneBaseList list;
    FindPane(xtpPaneTypeDockingPane, &list);
    std::vector<CXTPDockingPane*> panes;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        panes.push_back(static_cast<CXTPDockingPane*>(list.GetNext(pos)));
    return panes;
}

void CXTPDockingPaneMiniWnd::OnClose()
{
    CloseFramePanes();
}

void CXTPDockingPaneMiniWnd::OnDestroy()
{
    // A re-created frame comes back where this one was.
    GetWindowRect(&m_rcFrame);
    CMiniFrameWnd::OnDestroy();
}

void CXTPDockingPaneMiniWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    // A quick second click on a caption button is another press.
    if (IsOwnCaption() && CaptionButtonFromPoint(ToWindowPoint(point)))
    {
        OnNcLButtonDown(nHitTest, point);
        return;
    }
    if (nHitTest != HTCAPTION || !pManager || !m_pTopContainer)
    {
        CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
        return;
    }
    if (m_bCollapsed)
    {
        SetCollapsible(FALSE);
        return;
    }
    // Docking back deletes this frame: it happens after this handler, and
    // only when the frame is still part of the layout then.
    if (pManager->GetSafeHwnd())
        pManager->PostMessage(WM_XTP_DOCKFLOATINGFRAME, 0, reinterpret_cast<LPARAM>(static_cast<CXTPDockingPaneBase*>(this)));
}

void CXTPDockingPaneMiniWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (IsOwnCaption())
    {
        CPoint ptWindow = ToWindowPoint(point);
        if (CXTPDockingPaneCaptionButton* pButton = CaptionButtonFromPoint(ptWindow))
        {
            if (OnCaptionButtonDown(pButton))
                return;
            // The click may close the last pane or dock the tree away.
            if (pButton->Track(m_hWnd, TRUE))
                OnCaptionButtonClick(pButton);
            return;
        }
    }
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (nHitTest != HTCAPTION || !pManager || !m_pTopContainer || !pManager->GetDockingContext())
    {
        CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    ::SetActiveWindow(m_hWnd);
    BringWindowToTop();
    // A drop may dock the whole tree and leave this frame to be removed:
    // nothing of it is touched after the drag.
    pManager->GetDockingContext()->Drag(m_pTopContainer, point);
}

void CXTPDockingPaneMiniWnd::SetTopContainer(CXTPDockingPaneSplitterContainer* pTop)
{
    m_pTopContainer = pTop;
    if (!pTop)
        return;
    pTop->SetParentContainer(this);
    m_bFirstIdle = TRUE;
    if (m_hWnd)
    {
        m_nIdleFlags |= idleLayout | idleNotify;
        PostMessage(WM_IDLEUPDATECMDUI);
    }
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
    // A frame on screen is saved where it is now, folded or not.
    if (pPX->IsStoring() && m_hWnd)
        GetWindowRect(&m_rcFrame);
    XTPExchangeLong(pPX, L"WindowRectTopPos", m_rcFrame.top);
    XTPExchangeLong(pPX, L"WindowRectBottomPos", m_rcFrame.bottom);
    XTPExchangeLong(pPX, L"WindowRectLeftPos", m_rcFrame.left);
    XTPExchangeLong(pPX, L"WindowRectRightPos", m_rcFrame.right);
    XTPExchangeBoolWithDefault(pPX, L"Collapsed", m_bCollapsed, FALSE);
    XTPExchangeLongWithDefault(pPX, L"ExpandedHeight", m_nExpandedHeight, 0);
    if (!pPX->IsStoring())
    {
        // Saved folded when its full height lies above its rectangle's; a
        // full height no window can have is not believed.
        BOOL bFolded = m_bCollapsed && m_nExpandedHeight > m_rcFrame.Height() && m_nExpandedHeight <= 0x7FFF;
        m_nStep = bFolded ? 0 : m_nStepCount;
    }
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

BOOL CXTPDockingPaneMiniWnd::HasClosablePane()
{
    CXTPDockingPaneBaseList list;
    FindPane(xtpPaneTypeDockingPane, &list);
    for (POSITION pos = list.GetHeadPosition(); pos;)
    {
        if (!(static_cast<CXTPDockingPane*>(list.GetNext(pos))->GetOptions() & xtpPaneNoCloseable))
            return TRUE;
    }
    return FALSE;
}

CXTPDockingPaneTabbedContainer* CXTPDockingPaneMiniWnd::GetSingleContainer() const
{
    if (!m_pTopContainer)
        return nullptr;
    CXTPDockingPaneBaseList list;
    m_pTopContainer->FindPane(xtpPaneTypeTabbedContainer, &list);
    if (list.GetCount() != 1)
        return nullptr;
    return static_cast<CXTPDockingPaneTabbedContainer*>(list.GetHead());
}

BOOL CXTPDockingPaneMiniWnd::IsOwnCaption() const
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    return pManager && pManager->m_bFloatingFrameCaption;
}

BOOL CXTPDockingPaneMiniWnd::IsCaptionButtonVisible(CXTPDockingPaneCaptionButton* pButton)
{
    switch (pButton->GetId())
    {
    case XTP_IDS_DOCKINGPANE_CLOSE: return HasClosablePane();
    case XTP_IDS_DOCKINGPANE_AUTOHIDE: return m_bShowPinButton;
    case XTP_IDS_DOCKINGPANE_MENU:
    {
        CXTPDockingPaneTabbedContainer* pSingle = GetSingleContainer();
        return pSingle && pSingle->GetSelected() && (pSingle->GetSelected()->GetOptions() & xtpPaneHasMenuButton);
    }
    default: return TRUE;
    }
}

void CXTPDockingPaneMiniWnd::UpdateCaptionButtons()
{
    for (INT_PTR i = 0; i < m_arrCaptionButtons.GetSize(); i++)
    {
        CXTPDockingPaneCaptionButton* pButton = m_arrCaptionButtons[i];
        pButton->SetVisible(IsCaptionButtonVisible(pButton));
        if (pButton->GetId() == XTP_IDS_DOCKINGPANE_AUTOHIDE)
            pButton->SetState(m_bCollapsed ? xtpPaneCaptionButtonPinned : 0);
    }
}

BOOL CXTPDockingPaneMiniWnd::IsRightToLeft() const
{
    return m_hWnd && (::GetWindowLongW(m_hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
}

CPoint CXTPDockingPaneMiniWnd::ToWindowPoint(CPoint ptScreen) const
{
    CRect rc;
    ::GetWindowRect(m_hWnd, &rc);
    // The frame is painted through a mirrored window DC.
    if (IsRightToLeft())
        return CPoint(rc.right - 1 - ptScreen.x, ptScreen.y - rc.top);
    return CPoint(ptScreen.x - rc.left, ptScreen.y - rc.top);
}

CRect CXTPDockingPaneMiniWnd::ToScreenRect(CRect rcWindowPart) const
{
    CRect rc;
    ::GetWindowRect(m_hWnd, &rc);
    if (IsRightToLeft())
        return CRect(rc.right - rcWindowPart.right, rc.top + rcWindowPart.top, rc.right - rcWindowPart.left,
                     rc.top + rcWindowPart.bottom);
    return rcWindowPart + rc.TopLeft();
}

CXTPDockingPaneCaptionButton* CXTPDockingPaneMiniWnd::CaptionButtonFromPoint(CPoint ptWindow) const
{
    for (INT_PTR i = 0; i < m_arrCaptionButtons.GetSize(); i++)
    {
        CXTPDockingPaneCaptionButton* pButton = m_arrCaptionButtons[i];
        if (pButton->IsVisible() && pButton->GetRect().PtInRect(ptWindow))
            return pButton;
    }
    return nullptr;
}

void CXTPDockingPaneMiniWnd::RedrawFrame()
{
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void CXTPDockingPaneMiniWnd::OnCaptionButtonClick(CXTPDockingPaneCaptionButton* pButton)
{
    switch (pButton->GetId())
    {
    case XTP_IDS_DOCKINGPANE_CLOSE: CloseFramePanes(); break;
    case XTP_IDS_DOCKINGPANE_AUTOHIDE: SetCollapsible(!m_bCollapsed); break;
    }
}

BOOL CXTPDockingPaneMiniWnd::OnCaptionButtonDown(CXTPDockingPaneCaptionButton* pButton)
{
    if (pButton->GetId() != XTP_IDS_DOCKINGPANE_MENU)
        return FALSE;
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    CXTPDockingPaneTabbedContainer* pSingle = GetSingleContainer();
    if (!pManager || !pSingle || !pSingle->GetSelected())
        return TRUE;
    CRect rc = ToScreenRect(pButton->GetRect());
    XTP_DOCKINGPANE_CLICK menu = {pSingle->GetSelected(), {rc.left, rc.bottom}, rc};
    HWND hWnd = m_hWnd;
    pButton->SetPressed(TRUE);
    RedrawFrame();
    pManager->NotifyOwner(XTP_DPN_CONTEXTMENU, reinterpret_cast<LPARAM>(&menu));
    // The owner's menu may have closed the pane and with it this frame.
    if (!::IsWindow(hWnd))
        return TRUE;
    pButton->SetPressed(FALSE);
    RedrawFrame();
    return TRUE;
}

void CXTPDockingPaneMiniWnd::OnNcRButtonDown(UINT nHitTest, CPoint point)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    CXTPDockingPane* pPane = nullptr;
    if (CXTPDockingPaneTabbedContainer* pSingle = GetSingleContainer())
        pPane = pSingle->GetSelected();
    else if (pManager && pManager->GetActivePane() && ContainsPane(pManager->GetActivePane()))
        pPane = pManager->GetActivePane();
    if (nHitTest == HTCAPTION && pManager && pPane)
    {
        XTP_DOCKINGPANE_CLICK menu = {pPane, {point.x, point.y}, {0, 0, 0, 0}};
        if (pManager->NotifyOwner(XTP_DPN_CONTEXTMENU, reinterpret_cast<LPARAM>(&menu)))
            return;
    }
    CMiniFrameWnd::OnNcRButtonDown(nHitTest, point);
}

void CXTPDockingPaneMiniWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    if (IsOwnCaption())
    {
        CXTPDockingPaneCaptionButton* pHot = CaptionButtonFromPoint(ToWindowPoint(point));
        BOOL bChanged = FALSE;
        for (INT_PTR i = 0; i < m_arrCaptionButtons.GetSize(); i++)
        {
            CXTPDockingPaneCaptionButton* pButton = m_arrCaptionButtons[i];
            BOOL bHot = pButton == pHot;
            if (pButton->IsHot() != bHot)
            {
                pButton->SetHot(bHot);
                bChanged = TRUE;
            }
        }
        if (bChanged)
        {
            RedrawFrame();
            SetTimer(TimerHotCheck, 100, nullptr);
        }
        UnfoldOnHover();
    }
    CMiniFrameWnd::OnNcMouseMove(nHitTest, point);
}

void CXTPDockingPaneMiniWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rcWindow = lpncsp->rgrc[0];
    CMiniFrameWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!IsOwnCaption() || !pManager->GetPaintManager())
        return;
    RECT& rc = lpncsp->rgrc[0];
    int nBorder = std::max(0, static_cast<int>(rc.left - rcWindow.left) - 1);
    rc.left = rcWindow.left + nBorder;
    rc.right = rcWindow.right - nBorder;
    rc.bottom = rcWindow.bottom - nBorder;
    m_nCalculatedCaptionHeight = pManager->GetPaintManager()->GetCaptionHeight();
    rc.top = rcWindow.top + nBorder + m_nCalculatedCaptionHeight + 2;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
}

LRESULT CXTPDockingPaneMiniWnd::OnNcHitTest(CPoint point)
{
    LRESULT nHit = CMiniFrameWnd::OnNcHitTest(point);
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (nHit == HTNOWHERE && IsOwnCaption() && pManager->GetPaintManager() &&
        point.y < CXTPWindowRect(this).top + pManager->GetPaintManager()->GetCaptionHeight() + 4)
        return HTCAPTION;
    return nHit;
}

void CXTPDockingPaneMiniWnd::OnNcPaint()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!IsOwnCaption() || !pManager->GetPaintManager())
    {
        CMiniFrameWnd::OnNcPaint();
        return;
    }
    UpdateCaptionButtons();
    CXTPWindowRect rcWindow(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.TopLeft());
    HDC hDC = ::GetWindowDC(m_hWnd);
    CDC* pDC = CDC::FromHandle(hDC);
    pDC->ExcludeClipRect(rcClient);
    pManager->GetPaintManager()->DrawFloatingFrame(pDC, this, CRect(0, 0, rcWindow.Width(), rcWindow.Height()));
    ::ReleaseDC(m_hWnd, hDC);
}

BOOL CXTPDockingPaneMiniWnd::OnNcActivate(BOOL bActive)
{
    if (!IsOwnCaption())
    {
        // Activated itself, or told so by its site: a synchronised frame
        // keeps an active look until its whole group loses the activation
        // (decided in OnActivate, which knows the window that takes it).
        if (bActive && (GetStyle() & MFS_SYNCACTIVE))
            CMiniFrameWnd::m_bActive = TRUE;
        return CMiniFrameWnd::OnNcActivate(bActive);
    }
    // The system would draw its own frame over ours.
    RedrawFrame();
    return TRUE;
}

void CXTPDockingPaneMiniWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    // The default processing moves the focus in on activation.
    CMiniFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    if (!m_hWnd)
        return;
    if (IsOwnCaption())
    {
        SetFocusInside(nState != WA_INACTIVE && IsFocusInside());
        return;
    }
    if (!(GetStyle() & MFS_SYNCACTIVE))
        return;
    HWND hOther = pWndOther ? pWndOther->GetSafeHwnd() : nullptr;
    if (IsSiteGroupWindow(hOther))
    {
        // Within the group: the site or the other window shows it too.
        SetSyncedActive(TRUE);
        return;
    }
    // The group as a whole gains or loses the activation: the site's other
    // synchronised windows follow, as they do when the site itself changes.
    BOOL bActive = nState != WA_INACTIVE;
    SetSyncedActive(bActive);
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (auto* pSite = dynamic_cast<CFrameWnd*>(pManager ? pManager->GetSite() : nullptr))
    {
        if (pSite->GetSafeHwnd())
        {
            pSite->SetStayActive(bActive);
            pSite->NotifyFloatingWindows(bActive ? FS_ACTIVATE : FS_DEACTIVATE);
        }
    }
}

BOOL CXTPDockingPaneMiniWnd::IsSiteGroupWindow(HWND hWnd) const
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    CWnd* pSite = pManager ? pManager->GetSite() : nullptr;
    HWND hRoot = pSite ? ::GetAncestor(pSite->GetSafeHwnd(), GA_ROOT) : nullptr;
    if (!hWnd || !hRoot)
        return FALSE;
    if (hWnd == hRoot || hWnd == m_hWnd)
        return TRUE;
    if (::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId())
        return FALSE;
    for (HWND hOwner = ::GetWindow(hWnd, GW_OWNER); hOwner; hOwner = ::GetWindow(hOwner, GW_OWNER))
    {
        if (hOwner == hRoot)
            return ::SendMessageW(hWnd, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
    }
    return FALSE;
}

void CXTPDockingPaneMiniWnd::SetSyncedActive(BOOL bActive)
{
    CMiniFrameWnd::m_bActive = bActive;
    // Sets the system's caption state and repaints the caption now.
    SendMessage(WM_NCACTIVATE, bActive);
}

void CXTPDockingPaneMiniWnd::SetFocusInside(BOOL bInside)
{
    if (bInside == m_bFocusInside)
        return;
    m_bFocusInside = bInside;
    RedrawFrame();
}

void CXTPDockingPaneMiniWnd::SyncActiveCaption()
{
    if (!m_hWnd)
        return;
    if (IsOwnCaption())
        SetFocusInside(IsFocusInside());
    else if (GetStyle() & MFS_SYNCACTIVE)
        SetSyncedActive(IsSiteGroupWindow(::GetActiveWindow()));
}

void CXTPDockingPaneMiniWnd::OnSetFocus(CWnd* pOldWnd)
{
    CXTPDockingPaneTabbedContainer* pSingle = GetSingleContainer();
    CXTPDockingPane* pPane = pSingle ? pSingle->GetSelected() : nullptr;
    if (pPane && ::IsWindow(pPane->GetHwnd()))
        ::SetFocus(pPane->GetHwnd());
    else
        CMiniFrameWnd::OnSetFocus(pOldWnd);
    if (IsOwnCaption())
        SetFocusInside(IsFocusInside());
}

BOOL CXTPDockingPaneMiniWnd::IsFocusInside() const
{
    HWND hFocus = ::GetFocus();
    return m_hWnd && hFocus && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
}

void CXTPDockingPaneMiniWnd::OnCaptionModeChanged()
{
    if (!m_hWnd)
        return;
    BOOL bOwn = IsOwnCaption();
    ModifyStyle(bOwn ? WS_CAPTION : 0, bOwn ? 0 : WS_CAPTION, 0);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (!bOwn)
        SetCollapsible(FALSE);
    else if (m_bCollapsed)
        SetWindowHeight(FoldedHeight(m_nStep), FALSE);
    RecalcLayout();
    // The other caption draws another state: the one in force now.
    SyncActiveCaption();
}

void CXTPDockingPaneMiniWnd::OnCaptionMetricsChanged()
{
    if (!m_hWnd || !IsOwnCaption() ||
        GetDockingPaneManager()->GetPaintManager()->GetCaptionHeight() == m_nCalculatedCaptionHeight)
        return;
    // The client's top follows the caption height only when the frame is
    // calculated again; the new client size lays the tree out.
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // A folded or folding frame keeps to the new caption's floor.
    if (m_bCollapsed && m_nStep < m_nStepCount)
        SetWindowHeight(FoldedHeight(std::max(m_nStep, 0)), FALSE);
    RedrawFrame();
}

int CXTPDockingPaneMiniWnd::FoldedHeight(int nStep) const
{
    return std::max(GetDockingPaneManager()->GetPaintManager()->GetCaptionHeight() + 8,
                    m_nExpandedHeight * nStep / m_nStepCount);
}

void CXTPDockingPaneMiniWnd::SetCollapsible(BOOL bCollapsible)
{
    if (!m_hWnd)
        return;
    if (bCollapsible)
    {
        if (!IsOwnCaption())
            return;
        m_nStep = m_nStepCount;
        GetWindowRect(&m_rcFrame);
        m_nExpandedHeight = m_rcFrame.Height();
        StopCollapse();
        m_bCollapsed = TRUE;
        ArmLeaveCheck(6);
    }
    else
    {
        if (m_bCollapsed && m_nStep != m_nStepCount)
            SetWindowHeight(m_nExpandedHeight, FALSE);
        m_bCollapsed = FALSE;
        m_nStep = m_nStepCount;
        KillTimer(TimerLeaveCheck);
        StopCollapse();
    }
    UpdateCaptionButtons();
    RedrawFrame();
}

void CXTPDockingPaneMiniWnd::ArmLeaveCheck(int nChecks)
{
    m_nLeaveCountdown = nChecks;
    SetTimer(TimerLeaveCheck, 100, nullptr);
}

void CXTPDockingPaneMiniWnd::StopCollapse()
{
    m_bCollapsing = FALSE;
    KillTimer(TimerCollapseStep);
}

void CXTPDockingPaneMiniWnd::SetWindowHeight(int nHeight, BOOL bToTop)
{
    CRect rc;
    GetWindowRect(&rc);
    UINT nFlags = SWP_NOMOVE | SWP_NOACTIVATE | (bToTop ? 0 : SWP_NOZORDER);
    SetWindowPos(bToTop ? &CWnd::wndTop : nullptr, 0, 0, rc.Width(), nHeight, nFlags);
}

void CXTPDockingPaneMiniWnd::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case TimerLeaveCheck: OnLeaveCheck(); break;
    case TimerCollapseStep: OnCollapseStep(); break;
    case TimerHotCheck:
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        if (CXTPWindowRect(this).PtInRect(pt))
            break;
        for (INT_PTR i = 0; i < m_arrCaptionButtons.GetSize(); i++)
            m_arrCaptionButtons[i]->SetHot(FALSE);
        KillTimer(TimerHotCheck);
        RedrawFrame();
        break;
    }
    default: CMiniFrameWnd::OnTimer(nIDEvent);
    }
}

void CXTPDockingPaneMiniWnd::OnLeaveCheck()
{
    if (!m_bCollapsed || IsFocusInside() || m_bCollapsing || ::GetCapture())
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    if (CXTPWindowRect(this).PtInRect(pt))
        return;
    if (--m_nLeaveCountdown > 0)
        return;
    if (m_nStep == m_nStepCount)
        m_nExpandedHeight = CXTPWindowRect(this).Height();
    m_bCollapsing = TRUE;
    SetTimer(TimerCollapseStep, CXTPDockingPaneAutoHideWnd::m_nAnimationInterval, nullptr);
    KillTimer(TimerLeaveCheck);
}

void CXTPDockingPaneMiniWnd::OnCollapseStep()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!m_bCollapsing || !pManager)
        return;
    if (m_nStep - 1 < 0)
    {
        StopCollapse();
        return;
    }
    m_nStep--;
    SetWindowHeight(FoldedHeight(m_nStep), FALSE);
    if (m_nStep == 0)
        StopCollapse();
}

void CXTPDockingPaneMiniWnd::UnfoldOnHover()
{
    if (!m_bCollapsed || m_nStep >= 1)
        return;
    StopCollapse();
    m_nStep = m_nStepCount;
    SetWindowHeight(m_nExpandedHeight, TRUE);
    ArmLeaveCheck(8);
}

LRESULT CXTPDockingPaneMiniWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (pManager && IsOwnCaption())
        pManager->GetToolTipContext()->FilterToolTipMessage(this, message, wParam, lParam);
    return CMiniFrameWnd::WindowProc(message, wParam, lParam);
}

INT_PTR CXTPDockingPaneMiniWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (!m_hWnd || !IsOwnCaption())
        return -1;
    // Buttons lie in window coordinates.
    CPoint ptScreen = point;
    ::ClientToScreen(m_hWnd, &ptScreen);
    CPoint ptWindow = ToWindowPoint(ptScreen);
    CXTPDockingPaneCaptionButton* pButton = CaptionButtonFromPoint(ptWindow);
    if (!pButton)
        return -1;
    CString strTip = pButton->GetTooltip();
    if (strTip.IsEmpty())
        return -1;
    // The tool's rectangle in client coordinates: above the client's top.
    CRect rc = pButton->GetRect();
    rc.OffsetRect(point.x - ptWindow.x, point.y - ptWindow.y);
    CXTPToolTipContext::FillInToolInfo(pTI, m_hWnd, rc.left, rc.top, rc.right, rc.bottom,
                                       static_cast<UINT>(pButton->GetId()), strTip);
    return pButton->GetId();
}

void CXTPDockingPaneMiniWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CMiniFrameWnd::OnGetMinMaxInfo(lpMMI);
    // A frame folding to its caption is smaller than its tree allows.
    if (!m_hWnd || !m_pTopContainer || (m_bCollapsed && (m_bCollapsing || m_nStep < m_nStepCount)))
        return;
    MINMAXINFO tree;
    m_pTopContainer->GetMinMaxInfo(&tree);
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    CSize szFrame(rcWindow.Width() - rcClient.Width(), rcWindow.Height() - rcClient.Height());
    lpMMI->ptMinTrackSize.x = tree.ptMinTrackSize.x + szFrame.cx;
    lpMMI->ptMinTrackSize.y = tree.ptMinTrackSize.y + szFrame.cy;
    lpMMI->ptMaxTrackSize.x = tree.ptMaxTrackSize.x + szFrame.cx;
    lpMMI->ptMaxTrackSize.y = tree.ptMaxTrackSize.y + szFrame.cy;
}

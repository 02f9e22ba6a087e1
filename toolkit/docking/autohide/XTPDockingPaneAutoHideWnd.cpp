#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include <algorithm>
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/AfxMessages.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/drawing/XTPSplitterTracker.h"
#include "toolkit/common/drawing/XTPWindowHelpers.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "resources/ToolkitCommonIds.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/tabs/XTPTabModalLoop.h"

int CXTPDockingPaneAutoHideWnd::m_nAnimationInterval = 16;
int CXTPDockingPaneAutoHideWnd::m_nAnimationDuration = 128;
double CXTPDockingPaneAutoHideWnd::m_dAnimationSpeed = -1.0;
BOOL CXTPDockingPaneAutoHideWnd::m_bCloseOnLeave = TRUE;
int CXTPDockingPaneAutoHideWnd::m_nMouseCheckInterval = 100;
int CXTPDockingPaneAutoHideWnd::m_nHoverTime = -1;

BEGIN_MESSAGE_MAP(CXTPDockingPaneAutoHideWnd, CMiniFrameWnd)
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CXTPDockingPaneAutoHideWnd::CXTPDockingPaneAutoHideWnd(CXTPDockingPaneAutoHidePanel* pPanel,
                                                       CXTPDockingPaneTabbedContainer* pContainer)
    : m_pContainer(pContainer)
    , m_pPanel(pPanel)
    , m_direction(pPanel->GetDirection())
    , m_bHoriz(m_direction == xtpPaneDockTop || m_direction == xtpPaneDockBottom)
{
    CXTPDockingPaneManager* pManager = pPanel->GetDockingPaneManager();
    CWnd* pSite = pManager ? pManager->GetSite() : nullptr;
    m_rcWindow = CalcWindowRect();

    int nExtent = m_bHoriz ? m_rcWindow.Height() : m_rcWindow.Width();
    if (m_dAnimationSpeed == 0 || m_nAnimationInterval == 0)
        m_nStepsCount = 1;
    else if (m_dAnimationSpeed < 0)
        m_nStepsCount = m_nAnimationDuration / m_nAnimationInterval;
    else
        m_nStepsCount = static_cast<int>(m_dAnimationSpeed * nExtent * 50 / m_nAnimationInterval);
    m_nStepsCount = std::max(1, m_nStepsCount);

    if (!pSite || !pSite->GetSafeHwnd())
        return;
    pSite->SetRedraw(FALSE);
    m_bPlacing = TRUE;
    CreateEx(pSite->GetExStyle() & WS_EX_LAYOUTRTL,
             AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"",
             WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, GetFrameRect(0), pSite, 0);
    m_bPlacing = FALSE;
    pSite->SetRedraw(TRUE);
    if (!m_hWnd)
        return;
    if (m_nStepsCount > 1)
        SetTimer(timerSlideOut, m_nAnimationInterval, nullptr);
    PlaceFrame();
    ::BringWindowToTop(m_hWnd);
    if (m_pContainer->GetSafeHwnd())
        m_pContainer->ShowWindow(SW_SHOWNA);
    SetTimer(timerCheck, m_nMouseCheckInterval, nullptr);
}

CRect CXTPDockingPaneAutoHideWnd::CalcWindowRect() const
{
    CXTPDockingPaneLayout* pLayout = m_pPanel->GetLayout();
    CRect rcArea = pLayout->m_pTopContainer ? pLayout->m_pTopContainer->GetPaneWindowRect() : CRect();
    CXTPDockingPane* pSelected = m_pContainer->GetSelected();
    CSize szDocking = pSelected ? pSelected->GetDockingSize() : m_pContainer->GetDockingSize();
    MINMAXINFO mmi;
    GetLimits(&mmi);
    int cx = std::clamp(static_cast<int>(szDocking.cx) + kEdge, static_cast<int>(mmi.ptMinTrackSize.x),
                        std::max(static_cast<int>(mmi.ptMinTrackSize.x), static_cast<int>(mmi.ptMaxTrackSize.x)));
    int cy = std::clamp(static_cast<int>(szDocking.cy) + kEdge, static_cast<int>(mmi.ptMinTrackSize.y),
                        std::max(static_cast<int>(mmi.ptMinTrackSize.y), static_cast<int>(mmi.ptMaxTrackSize.y)));
    cx = std::min(cx, rcArea.Width());
    cy = std::min(cy, rcArea.Height());
    CRect rc = rcArea;
    switch (m_direction)
    {
    case xtpPaneDockLeft: rc.right = rcArea.left + cx; break;
    case xtpPaneDockRight: rc.left = rcArea.right - cx; break;
    case xtpPaneDockTop: rc.bottom = rcArea.top + cy; break;
    default: rc.top = rcArea.bottom - cy; break;
    }
    return rc;
}

void CXTPDockingPaneAutoHideWnd::FitSelectedPane()
{
    if (IsDetached() || !m_hWnd)
        return;
    m_rcWindow = CalcWindowRect();
    PlaceFrame();
}

void CXTPDockingPaneAutoHideWnd::RecalcLayout(BOOL bNotify)
{
    CMiniFrameWnd::RecalcLayout(bNotify);
    // Each step resizes the window: its own moves need nothing more.
    if (m_bPlacing || IsDetached() || !m_hWnd)
        return;
    // Asked for by a new theme or a setting change (the site of a slid-out
    // group's panes is this window): the site's strips and docking area
    // are measured anew first, which may close this window.
    if (auto* pSite = dynamic_cast<CFrameWnd*>(m_pPanel->GetDockingSite()); pSite && pSite->GetSafeHwnd())
        pSite->RecalcLayout();
    FitSelectedPane();
}

void CXTPDockingPaneAutoHideWnd::GetLimits(MINMAXINFO* pMinMaxInfo) const
{
    // The selected pane's limits, its caption around them (a slid-out group
    // shows no tabs), and the splitter edge along the sliding axis.
    if (CXTPDockingPane* pSelected = m_pContainer->GetSelected())
        pSelected->GetMinMaxInfo(pMinMaxInfo);
    else
        m_pContainer->GetMinMaxInfo(pMinMaxInfo);
    CSize szFrame(m_bHoriz ? 0 : kEdge, m_bHoriz ? kEdge : 0);
    if (CXTPDockingPaneManager* pManager = m_pPanel->GetDockingPaneManager(); pManager && m_pContainer->GetSelected())
    {
        CRect rc(0, 0, 1000, 1000);
        pManager->GetPaintManager()->AdjustCaptionRect(m_pContainer, rc);
        szFrame += CSize(1000 - rc.Width(), 1000 - rc.Height());
    }
    pMinMaxInfo->ptMinTrackSize.x += szFrame.cx;
    pMinMaxInfo->ptMinTrackSize.y += szFrame.cy;
    pMinMaxInfo->ptMaxTrackSize.x += szFrame.cx;
    pMinMaxInfo->ptMaxTrackSize.y += szFrame.cy;
}

CRect CXTPDockingPaneAutoHideWnd::GetFrameRect(int nStep) const
{
    CRect rc = m_rcWindow;
    int k = nStep + 1, n = m_nStepsCount;
    switch (m_direction)
    {
    case xtpPaneDockLeft: rc.right = rc.left + m_rcWindow.Width() * k / n; break;
    case xtpPaneDockRight: rc.left = rc.right - m_rcWindow.Width() * k / n; break;
    case xtpPaneDockTop: rc.bottom = rc.top + m_rcWindow.Height() * k / n; break;
    default: rc.top = rc.bottom - m_rcWindow.Height() * k / n; break;
    }
    return rc;
}

void CXTPDockingPaneAutoHideWnd::PlaceFrame()
{
    CRect rc = GetFrameRect(m_nStep);
    m_bPlacing = TRUE;
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_bPlacing = FALSE;
    // The container keeps its full size at the inner edge and slides with
    // the window; the edge next to the client area stays free.
    CRect rcFull(0, 0, m_rcWindow.Width(), m_rcWindow.Height());
    switch (m_direction)
    {
    case xtpPaneDockLeft: rcFull.OffsetRect(rc.Width() - m_rcWindow.Width(), 0); rcFull.right -= kEdge; break;
    case xtpPaneDockRight: rcFull.left += kEdge; break;
    case xtpPaneDockTop: rcFull.OffsetRect(0, rc.Height() - m_rcWindow.Height()); rcFull.bottom -= kEdge; break;
    default: rcFull.top += kEdge; break;
    }
    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = ::BeginDeferWindowPos(4);
    m_pContainer->OnSizeParent(this, rcFull, &layout);
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CXTPDockingPaneAutoHideWnd::CheckPointer()
{
    if (m_bResizing || !m_hWnd || IsDetached())
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rcWnd, rcPanel;
    GetWindowRect(&rcWnd);
    if (m_pPanel->GetSafeHwnd())
        m_pPanel->GetWindowRect(&rcPanel);
    BOOL bInside = rcWnd.PtInRect(pt) || rcPanel.PtInRect(pt) || m_pContainer->IsActive();
    if (bInside)
    {
        m_nDeactivationCount = kLeaveTicks;
        if (m_bClosing)
        {
            m_bClosing = FALSE;
            KillTimer(timerSlideIn);
            SetTimer(timerSlideOut, m_nAnimationInterval, nullptr);
        }
        return;
    }
    if (m_bClosing || --m_nDeactivationCount > 0)
        return;
    CXTPDockingPaneManager* pManager = m_pPanel->GetDockingPaneManager();
    if (m_bCloseOnLeave && pManager && !pManager->SendPaneAction(xtpPaneActionCollapsing, m_pContainer->GetSelected()))
    {
        // The owner may have closed the window while it was asked.
        if (IsDetached())
            return;
        m_bClosing = TRUE;
        KillTimer(timerSlideOut);
        SetTimer(timerSlideIn, m_nAnimationInterval, nullptr);
    }
    else
        m_nDeactivationCount = kLeaveTicks;
}

void CXTPDockingPaneAutoHideWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == timerClose)
    {
        CloseWindowNow();
        return;
    }
    if (IsDetached())
        return;
    CXTPDockingPaneManager* pManager = m_pPanel->GetDockingPaneManager();
    switch (nIDEvent)
    {
    case timerCheck: CheckPointer(); break;
    case timerSlideOut:
        if (++m_nStep >= m_nStepsCount)
        {
            m_nStep = m_nStepsCount - 1;
            KillTimer(timerSlideOut);
            if (pManager)
                pManager->SendPaneAction(xtpPaneActionExpanded, m_pContainer->GetSelected());
        }
        else
            PlaceFrame();
        break;
    case timerSlideIn:
        if (--m_nStep < 0)
        {
            m_bClosing = FALSE;
            KillTimer(timerSlideIn);
            if (pManager)
                pManager->SendPaneAction(xtpPaneActionCollapsed, m_pContainer->GetSelected());
            CloseWindowNow();
        }
        else
            PlaceFrame();
        break;
    default: CMiniFrameWnd::OnTimer(nIDEvent); break;
    }
}

void CXTPDockingPaneAutoHideWnd::CloseWindowNow()
{
    if (!m_hWnd)
        return;
    ReleaseContainer();
    KillTimer(timerClose);
    ShowWindow(SW_HIDE);
    PostMessage(WM_CLOSE);
}

void CXTPDockingPaneAutoHideWnd::ReleaseContainer()
{
    if (IsDetached())
        return;
    for (UINT_PTR nTimer : {timerCheck, timerSlideOut, timerSlideIn})
        KillTimer(nTimer);
    CWnd* pSite = m_pPanel->GetDockingSite();
    if (m_pContainer->GetSafeHwnd())
    {
        m_pContainer->ShowWindow(SW_HIDE);
        if (pSite && pSite->GetSafeHwnd())
            ::SetParent(m_pContainer->GetSafeHwnd(), pSite->GetSafeHwnd());
    }
    m_pContainer->SetParentFrame(pSite);
    if (m_pPanel->m_pActiveWnd == this)
        m_pPanel->m_pActiveWnd = nullptr;
    // The group and the panel may be deleted before the window ends: it
    // forgets both.
    m_pContainer = nullptr;
    m_pPanel = nullptr;
}

void CXTPDockingPaneAutoHideWnd::PostNcDestroy()
{
    // Destroyed with the site while open: the group forgets this window.
    if (!IsDetached())
        m_pContainer->SetParentFrame(m_pPanel->GetDockingSite());
    if (m_pPanel && m_pPanel->m_pActiveWnd == this)
        m_pPanel->m_pActiveWnd = nullptr;
    CMiniFrameWnd::PostNcDestroy();
}

void CXTPDockingPaneAutoHideWnd::OnPaint()
{
    CPaintDC dc(this);
    CXTPClientRect rc(this);
    CXTPDockingPaneManager* pManager = IsDetached() ? nullptr : m_pPanel->GetDockingPaneManager();
    if (!pManager)
        return;
    CXTPDockingPanePaintManager* pPaint = pManager->GetPaintManager();
    dc.FillSolidRect(rc, pPaint->GetIndexedColor(COLOR_3DFACE));
    // The two-line splitter edge on the side towards the client area.
    CRect rcEdge = rc;
    switch (m_direction)
    {
    case xtpPaneDockLeft: rcEdge.left = rcEdge.right - 2; break;
    case xtpPaneDockRight: rcEdge.right = rcEdge.left + 2; break;
    case xtpPaneDockTop: rcEdge.top = rcEdge.bottom - 2; break;
    default: rcEdge.bottom = rcEdge.top + 2; break;
    }
    dc.FillSolidRect(rcEdge, pPaint->GetIndexedColor(COLOR_3DSHADOW));
    // The outer line is the darker one.
    if (m_direction == xtpPaneDockLeft)
        rcEdge.left++;
    else if (m_direction == xtpPaneDockRight)
        rcEdge.right--;
    else if (m_direction == xtpPaneDockTop)
        rcEdge.top++;
    else
        rcEdge.bottom--;
    dc.FillSolidRect(rcEdge, pPaint->GetIndexedColor(COLOR_3DDKSHADOW));
}

BOOL CXTPDockingPaneAutoHideWnd::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CXTPDockingPaneAutoHideWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    // Back over the window while sliding in: it slides out again.
    if (m_bClosing)
        CheckPointer();
    CMiniFrameWnd::OnMouseMove(nFlags, point);
}

BOOL CXTPDockingPaneAutoHideWnd::GetEdgeLimits(int& nLow, int& nHigh) const
{
    CXTPDockingPaneManager* pManager = m_pPanel->GetDockingPaneManager();
    CXTPDockingPaneLayout* pLayout = m_pPanel->GetLayout();
    if (!pManager || !pLayout || !pLayout->m_pTopContainer)
        return FALSE;
    CRect rcArea = pLayout->m_pTopContainer->GetPaneWindowRect();
    MINMAXINFO mmi;
    GetLimits(&mmi);
    int nMin = m_bHoriz ? mmi.ptMinTrackSize.y : mmi.ptMinTrackSize.x;
    int nMax = m_bHoriz ? mmi.ptMaxTrackSize.y : mmi.ptMaxTrackSize.x;
    int e = pManager->m_nSplitterGap + kEdge;
    int nNear = m_bHoriz ? rcArea.top : rcArea.left;
    int nFar = m_bHoriz ? rcArea.bottom : rcArea.right;
    // From the panel's side: at least max(minimum, e), at most the maximum,
    // and e left free before the opposite edge.
    if (m_direction == xtpPaneDockLeft || m_direction == xtpPaneDockTop)
    {
        nLow = nNear + std::max(nMin, e);
        nHigh = std::min(nFar - e, nNear + nMax);
    }
    else
    {
        nLow = std::max(nNear + e, nFar - nMax);
        nHigh = nFar - std::max(nMin, e);
    }
    return nLow < nHigh;
}

void CXTPDockingPaneAutoHideWnd::MoveEdgeTo(int nEdge)
{
    if (IsDetached())
        return;
    switch (m_direction)
    {
    case xtpPaneDockLeft: m_rcWindow.right = nEdge; break;
    case xtpPaneDockRight: m_rcWindow.left = nEdge; break;
    case xtpPaneDockTop: m_rcWindow.bottom = nEdge; break;
    default: m_rcWindow.top = nEdge; break;
    }
    CXTPDockingPaneBase* pSized = m_pContainer->GetSelected();
    if (!pSized)
        pSized = m_pContainer;
    CSize szDocking = pSized->GetDockingSize();
    if (m_bHoriz)
        szDocking.cy = m_rcWindow.Height() - kEdge;
    else
        szDocking.cx = m_rcWindow.Width() - kEdge;
    pSized->SetDockingSize(szDocking);
    m_nStep = m_nStepsCount - 1;
    PlaceFrame();
}

CRect CXTPDockingPaneAutoHideWnd::GetEdgeRect() const
{
    CRect rcEdge;
    ::GetClientRect(m_hWnd, &rcEdge);
    switch (m_direction)
    {
    case xtpPaneDockLeft: rcEdge.left = rcEdge.right - kEdge; break;
    case xtpPaneDockRight: rcEdge.right = rcEdge.left + kEdge; break;
    case xtpPaneDockTop: rcEdge.top = rcEdge.bottom - kEdge; break;
    default: rcEdge.bottom = rcEdge.top + kEdge; break;
    }
    return rcEdge;
}

BOOL CXTPDockingPaneAutoHideWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CXTPDockingPaneManager* pManager = IsDetached() ? nullptr : m_pPanel->GetDockingPaneManager();
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    int nLow = 0, nHigh = 0;
    if (nHitTest != HTCLIENT || !GetEdgeRect().PtInRect(pt) || !pManager || pManager->m_bLockSplitters ||
        !GetEdgeLimits(nLow, nHigh))
        return CMiniFrameWnd::OnSetCursor(pWnd, nHitTest, message);
    HCURSOR hCursor = XTPGetResourceManager()->LoadCursor(m_bHoriz ? XTP_IDC_VSPLITBAR : XTP_IDC_HSPLITBAR);
    ::SetCursor(hCursor ? hCursor : ::LoadCursorW(nullptr, m_bHoriz ? IDC_SIZENS : IDC_SIZEWE));
    return TRUE;
}

void CXTPDockingPaneAutoHideWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTPDockingPaneManager* pManager = IsDetached() ? nullptr : m_pPanel->GetDockingPaneManager();
    CRect rcEdge = GetEdgeRect();
    int nLow = 0, nHigh = 0;
    CWnd* pSite = pManager ? m_pPanel->GetDockingSite() : nullptr;
    if (!rcEdge.PtInRect(point) || !pManager || pManager->m_bLockSplitters || !pSite || !pSite->GetSafeHwnd() ||
        !GetEdgeLimits(nLow, nHigh))
    {
        CMiniFrameWnd::OnLButtonDown(nFlags, point);
        return;
    }
    if (!pManager->m_bUseSplitterTracker)
    {
        TrackEdgeLive(point, nLow, nHigh);
        return;
    }
    // The tracker moves the edge strip; its near side gives the new edge.
    BOOL bNearSide = m_direction == xtpPaneDockLeft || m_direction == xtpPaneDockTop;
    int nStripOffset = bNearSide ? -kEdge : 0;
    CPoint ptSite(0, 0);
    pSite->ClientToScreen(&ptSite);
    CRect rcAvail;
    ClientToScreen(&rcEdge);
    if (m_bHoriz)
        rcAvail = CRect(rcEdge.left, ptSite.y + nLow + nStripOffset, rcEdge.left, ptSite.y + nHigh + nStripOffset);
    else
        rcAvail = CRect(ptSite.x + nLow + nStripOffset, rcEdge.top, ptSite.x + nHigh + nStripOffset, rcEdge.top);
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    HWND hWnd = m_hWnd;
    m_bResizing = TRUE;
    CXTPSplitterTracker tracker;
    BOOL bAccepted = tracker.Track(this, rcAvail, rcEdge, ptScreen, !m_bHoriz);
    // The tracker dispatched messages: one may have closed this window,
    // which deletes itself (its group docked, a layout loaded).
    if (!XTPIsWindowOf(hWnd, this))
        return;
    m_bResizing = FALSE;
    if (!bAccepted || IsDetached())
        return;
    MoveEdgeTo((m_bHoriz ? rcEdge.top - ptSite.y : rcEdge.left - ptSite.x) - nStripOffset);
}

void CXTPDockingPaneAutoHideWnd::TrackEdgeLive(CPoint ptStart, int nLow, int nHigh)
{
    CWnd* pSite = m_pPanel->GetDockingSite();
    HWND hWnd = m_hWnd;
    // Where the edge lies relative to the pointer (site client coordinates).
    CPoint ptSite = ptStart;
    ::MapWindowPoints(hWnd, pSite->GetSafeHwnd(), &ptSite, 1);
    int nEdge = m_direction == xtpPaneDockLeft    ? m_rcWindow.right
                : m_direction == xtpPaneDockRight ? m_rcWindow.left
                : m_direction == xtpPaneDockTop   ? m_rcWindow.bottom
                                                  : m_rcWindow.top;
    int nOffset = nEdge - (m_bHoriz ? ptSite.y : ptSite.x);
    m_bResizing = TRUE;
    if (!XTPTabTrackCapturedMoves(hWnd, pSite->GetSafeHwnd(), [&](POINT pt) {
            // Fetching the move may have handled a message that deleted the window.
            if (!XTPIsWindowOf(hWnd, this))
                return FALSE;
            int nPos = std::max(nLow, std::min(static_cast<int>(m_bHoriz ? pt.y : pt.x) + nOffset, nHigh));
            if (nPos != nEdge)
            {
                nEdge = nPos;
                MoveEdgeTo(nEdge);
            }
            return TRUE;
        }))
        return;
    m_bResizing = FALSE;
}

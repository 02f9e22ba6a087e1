#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"
#include <algorithm>
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/CFrameWnd.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/common/drawing/XTPSplitterTracker.h"
#include "toolkit/common/drawing/XTPWindowHelpers.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneSplitterSizes.h"
#include "toolkit/tabs/XTPTabModalLoop.h"
#include "resources/ToolkitCommonIds.h"

BEGIN_MESSAGE_MAP(CXTPDockingPaneSplitterWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CXTPDockingPaneSplitterWnd::CXTPDockingPaneSplitterWnd(CXTPDockingPaneSplitterContainer* pContainer,
                                                       CXTPDockingPaneBase* pFirst, CXTPDockingPaneBase* pSecond)
    : m_pContainer(pContainer)
    , m_pFirst(pFirst)
    , m_pSecond(pSecond)
{
}

CXTPDockingPaneSplitterWnd::~CXTPDockingPaneSplitterWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CXTPDockingPaneSplitterWnd::Create(CWnd* pSite)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW));
    return CWnd::Create(lpszClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0), pSite, 0);
}

BOOL CXTPDockingPaneSplitterWnd::IsHoriz() const
{
    return m_pContainer->IsHoriz();
}

BOOL CXTPDockingPaneSplitterWnd::GetLimits(int& nLow, int& nHigh) const
{
    CXTPDockingPaneManager* pManager = m_pContainer->GetDockingPaneManager();
    if (!pManager || pManager->m_bLockSplitters)
        return FALSE;
    CRect r1 = m_pFirst->GetPaneWindowRect(), r2 = m_pSecond->GetPaneWindowRect();
    MINMAXINFO m1, m2;
    m_pFirst->GetMinMaxInfo(&m1);
    m_pSecond->GetMinMaxInfo(&m2);
    CRect u;
    u.UnionRect(r1, r2);
    int nGap = pManager->GetPaintManager()->GetSplitterSize();
    int nMinExtent = pManager->m_nSplitterGap;
    if (IsHoriz())
        return XTPDockingPaneSplitterLimits(u.left, u.right, m1.ptMinTrackSize.x, m1.ptMaxTrackSize.x,
                                            m2.ptMinTrackSize.x, m2.ptMaxTrackSize.x, nGap, nMinExtent, nLow, nHigh);
    return XTPDockingPaneSplitterLimits(u.top, u.bottom, m1.ptMinTrackSize.y, m1.ptMaxTrackSize.y,
                                        m2.ptMinTrackSize.y, m2.ptMaxTrackSize.y, nGap, nMinExtent, nLow, nHigh);
}

void CXTPDockingPaneSplitterWnd::MoveBarTo(int nPos, int nLow, int nHigh)
{
    CXTPDockingPaneManager* pManager = m_pContainer->GetDockingPaneManager();
    int nGap = pManager->GetPaintManager()->GetSplitterSize();
    CRect r1 = m_pFirst->GetPaneWindowRect(), r2 = m_pSecond->GetPaneWindowRect();
    BOOL bHoriz = IsHoriz();
    int nStart = bHoriz ? std::min(r1.left, r2.left) : std::min(r1.top, r2.top);
    int nFirst = 0, nSecond = 0;
    XTPDockingPaneSplitSizes(nPos, nLow, nHigh, nStart, bHoriz ? r1.Width() : r1.Height(),
                             bHoriz ? r2.Width() : r2.Height(), nGap, nFirst, nSecond);
    (bHoriz ? m_pFirst->m_szDocking.cx : m_pFirst->m_szDocking.cy) = nFirst;
    (bHoriz ? m_pSecond->m_szDocking.cx : m_pSecond->m_szDocking.cy) = nSecond;
}

int CXTPDockingPaneSplitterWnd::SitePosOf(CRect rcScreen) const
{
    // Mapped into a mirrored site the corners trade sides: normalised, the
    // left edge is the near one again.
    ::MapWindowPoints(nullptr, m_pContainer->GetDockingSite()->GetSafeHwnd(), reinterpret_cast<POINT*>(&rcScreen), 2);
    rcScreen.NormalizeRect();
    return IsHoriz() ? rcScreen.left : rcScreen.top;
}

CRect CXTPDockingPaneSplitterWnd::ScreenRectAt(int nPos) const
{
    HWND hSite = m_pContainer->GetDockingSite()->GetSafeHwnd();
    CRect rc;
    GetWindowRect(rc);
    ::MapWindowPoints(nullptr, hSite, reinterpret_cast<POINT*>(&rc), 2);
    rc.NormalizeRect();
    if (IsHoriz())
        rc.OffsetRect(nPos - rc.left, 0);
    else
        rc.OffsetRect(0, nPos - rc.top);
    ::MapWindowPoints(hSite, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    rc.NormalizeRect();
    return rc;
}

void CXTPDockingPaneSplitterWnd::RecalcSite(BOOL bNow)
{
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(m_pContainer->GetDockingSite());
    if (!pFrame || !pFrame->GetSafeHwnd())
        return;
    if (bNow)
        pFrame->RecalcLayout();
    else
        pFrame->DelayRecalcLayout();
}

BOOL CXTPDockingPaneSplitterWnd::HasItsNeighbours() const
{
    // A living bar has a living container; its neighbours are looked for
    // among the container's children, not followed.
    const std::vector<CXTPDockingPaneBase*>& children = m_pContainer->GetChildren();
    return std::find(children.begin(), children.end(), m_pFirst) != children.end() &&
           std::find(children.begin(), children.end(), m_pSecond) != children.end();
}

void CXTPDockingPaneSplitterWnd::TrackDrag(CPoint point)
{
    int nLow = 0, nHigh = 0;
    if (!GetLimits(nLow, nHigh))
        return;
    // Every visible child keeps the size it shows now.
    BOOL bHoriz = IsHoriz();
    for (CXTPDockingPaneBase* pChild : m_pContainer->GetChildren())
    {
        if (pChild->IsEmpty())
            continue;
        CRect rc = pChild->GetPaneWindowRect();
        (bHoriz ? pChild->m_szDocking.cx : pChild->m_szDocking.cy) = bHoriz ? rc.Width() : rc.Height();
    }
    CXTPDockingPaneManager* pManager = m_pContainer->GetDockingPaneManager();
    CWnd* pSite = m_pContainer->GetDockingSite();
    if (!pManager->m_bUseSplitterTracker)
    {
        TrackLive(nLow, nHigh, point);
        return;
    }
    // The outline moves on the desktop in screen coordinates; a mirrored
    // site turns the range of its near edge round.
    CRect rcBar;
    GetWindowRect(rcBar);
    CRect rcAvail = m_pContainer->GetPaneWindowRect();
    ::MapWindowPoints(pSite->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&rcAvail), 2);
    rcAvail.NormalizeRect();
    CRect rcLow = ScreenRectAt(nLow), rcHigh = ScreenRectAt(nHigh);
    if (bHoriz)
        rcAvail.left = std::min(rcLow.left, rcHigh.left), rcAvail.right = std::max(rcLow.left, rcHigh.left);
    else
        rcAvail.top = std::min(rcLow.top, rcHigh.top), rcAvail.bottom = std::max(rcLow.top, rcHigh.top);
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    HWND hBar = m_hWnd;
    CXTPSplitterTracker tracker;
    BOOL bAccepted = tracker.Track(this, rcAvail, rcBar, ptScreen, bHoriz);
    // The tracker dispatched messages: one may have rebuilt the tree and
    // deleted this bar and its neighbours (a layout loaded, a pane docked
    // elsewhere). Their sizes come from this drag only while they live.
    if (!bAccepted || !XTPIsWindowOf(hBar, this) || !HasItsNeighbours())
        return;
    MoveBarTo(SitePosOf(rcBar), nLow, nHigh);
    RecalcSite(FALSE);
}

void CXTPDockingPaneSplitterWnd::TrackLive(int nLow, int nHigh, CPoint ptStart)
{
    BOOL bHoriz = IsHoriz();
    // The pointer is followed in the site's coordinates: the bar itself
    // moves under it at each step.
    HWND hSite = m_pContainer->GetDockingSite()->GetSafeHwnd();
    ::MapWindowPoints(m_hWnd, hSite, &ptStart, 1);
    CRect rcBar;
    GetWindowRect(rcBar);
    int nLast = SitePosOf(rcBar);
    // Where the bar's near edge lies relative to the pointer.
    int nOffset = nLast - (bHoriz ? ptStart.x : ptStart.y);
    HWND hWnd = m_hWnd;
    XTPTabTrackCapturedMoves(hWnd, hSite, [&](POINT pt) {
        // Fetching the move may have handled a message that deleted the bar.
        if (!XTPIsWindowOf(hWnd, this) || !HasItsNeighbours())
            return FALSE;
        int nPos = std::max(nLow, std::min(static_cast<int>(bHoriz ? pt.x : pt.y) + nOffset, nHigh));
        if (nPos == nLast)
            return TRUE;
        nLast = nPos;
        MoveBarTo(nPos, nLow, nHigh);
        // The layout may re-create this bar: nothing of it is touched after.
        RecalcSite(TRUE);
        return ::IsWindow(hWnd);
    });
}

void CXTPDockingPaneSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    CXTPDockingPaneManager* pManager = m_pContainer->GetDockingPaneManager();
    if (!pManager)
        return;
    pManager->GetPaintManager()->DrawSplitter(&dc, this);
}

BOOL CXTPDockingPaneSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    int nLow = 0, nHigh = 0;
    if (!GetLimits(nLow, nHigh))
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    HCURSOR hCursor = XTPGetResourceManager()->LoadCursor(IsHoriz() ? XTP_IDC_HSPLITBAR : XTP_IDC_VSPLITBAR);
    ::SetCursor(hCursor ? hCursor : ::LoadCursorW(nullptr, IsHoriz() ? IDC_SIZEWE : IDC_SIZENS));
    return TRUE;
}

void CXTPDockingPaneSplitterWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    TrackDrag(point);
}

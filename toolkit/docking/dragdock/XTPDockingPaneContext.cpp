#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include <windowsx.h>
#include <algorithm>
#include <cmath>
#include "framework/gdi/CDC.h"
#include "framework/gdi/CBrush.h"
#include "framework/windows/CFrameWnd.h"
#include "toolkit/common/input/XTPHeldButtonLoop.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContextStickerWnd.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/tabs/XTPTabManager.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

// A paint message whose handler never validates must not hold the loop.
const int kMaxPaintsAtOnce = 64;

// A pending WM_QUIT comes along with the paints: it is posted again, so
// that the loop ends on it and leaves it to the program's own loop.
void DispatchPendingPaints()
{
    MSG msg;
    for (int i = 0; i < kMaxPaintsAtOnce && ::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); i++)
    {
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        ::DispatchMessageW(&msg);
    }
}

// The floating frame whose tree the node is, if any.
CXTPDockingPaneMiniWnd* FrameOfTree(CXTPDockingPaneBase* pNode)
{
    if (!pNode || pNode->GetType() != xtpPaneTypeSplitterContainer || !pNode->GetContainer() ||
        pNode->GetContainer()->GetType() != xtpPaneTypeMiniWnd)
        return nullptr;
    return static_cast<CXTPDockingPaneMiniWnd*>(pNode->GetContainer());
}

HRGN CreateFrameRegion(CRect rc)
{
    HRGN hOuter = ::CreateRectRgnIndirect(&rc);
    CRect rcInner = rc;
    rcInner.DeflateRect(4, 4);
    if (rcInner.IsRectEmpty())
        return hOuter;
    HRGN hInner = ::CreateRectRgnIndirect(&rcInner);
    ::CombineRgn(hOuter, hOuter, hInner, RGN_DIFF);
    ::DeleteObject(hInner);
    return hOuter;
}

} // namespace

CXTPDockingPaneContext::CXTPDockingPaneContext(CXTPDockingPaneManager* pManager)
    : m_pManager(pManager)
{
    if (HMODULE hUser = ::GetModuleHandleW(L"USER32"))
        m_pfnSetLayeredWindowAttributes = reinterpret_cast<PFNSETLAYEREDWINDOWATTRIBUTES>(
            reinterpret_cast<void*>(::GetProcAddress(hUser, "SetLayeredWindowAttributes")));
}

CXTPDockingPaneContext::~CXTPDockingPaneContext()
{
    DestroyStickers();
    FreeRegions();
    if (m_hOutlineRegion)
        ::DeleteObject(m_hOutlineRegion);
    if (m_wndPreview.m_hWnd)
        m_wndPreview.DestroyWindow();
    if (m_wndPreviewTab.m_hWnd)
        m_wndPreviewTab.DestroyWindow();
}

CRect CXTPDockingPaneContext::GetNodeScreenRect(CXTPDockingPaneBase* pNode)
{
    CRect rc;
    if (!pNode)
        return rc;
    if (CXTPDockingPaneMiniWnd* pFrame = FrameOfTree(pNode))
    {
        if (pFrame->m_hWnd)
        {
            pFrame->GetWindowRect(&rc);
            return rc;
        }
    }
    if (auto* pContainer = dynamic_cast<CXTPDockingPaneTabbedContainer*>(pNode))
    {
        if (pContainer->m_hWnd && ::IsWindowVisible(pContainer->m_hWnd))
        {
            pContainer->GetWindowRect(&rc);
            return rc;
        }
    }
    rc = pNode->GetPaneWindowRect();
    CWnd* pFrame = pNode->GetDockingSite();
    if (pFrame && pFrame->GetSafeHwnd())
        ::MapWindowPoints(pFrame->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

std::vector<CXTPDockingPane*> CXTPDockingPaneContext::GetDraggedPanes() const
{
    std::vector<CXTPDockingPane*> panes;
    if (!m_pNode)
        return panes;
    if (m_pNode->GetType() == xtpPaneTypeDockingPane)
    {
        panes.push_back(static_cast<CXTPDockingPane*>(m_pNode));
        return panes;
    }
    CXTPDockingPaneBaseList list;
    m_pNode->FindPane(xtpPaneTypeDockingPane, &list);
    for (POSITION pos = list.GetHeadPosition(); pos;)
        panes.push_back(static_cast<CXTPDockingPane*>(list.GetNext(pos)));
    return panes;
}

BOOL CXTPDockingPaneContext::CanAttach(CXTPDockingPaneBase* pTarget) const
{
    BOOL bAllowed = TRUE;
    for (CXTPDockingPane* pPane : GetDraggedPanes())
    {
        if (m_pManager->SendPaneAction(xtpPaneActionAttaching, pPane, pTarget))
            bAllowed = FALSE;
    }
    return bAllowed;
}

BOOL CXTPDockingPaneContext::CanDock(CXTPDockingPaneBase* pTarget, int nDirection) const
{
    // The site is asked about the side the pane would dock at.
    int nLayoutDirection = GetLayoutDirection(nDirection);
    BOOL bAllowed = TRUE;
    for (CXTPDockingPane* pPane : GetDraggedPanes())
    {
        if (m_pManager->SendPaneAction(xtpPaneActionDocking, pPane, pTarget, nLayoutDirection))
            bAllowed = FALSE;
    }
    return bAllowed;
}

void CXTPDockingPaneContext::Drag(CXTPDockingPaneBase* pNode, CPoint pt)
{
    if (!pNode || !m_pManager)
        return;
    m_pNode = pNode;
    m_pLiveFrame = nullptr;
    m_rcFloat = GetNodeScreenRect(pNode);
    CPoint ptOffset(0, 0);
    if (pt.x < m_rcFloat.left)
        ptOffset.x = pt.x - m_rcFloat.left;
    else if (pt.x >= m_rcFloat.right)
        ptOffset.x = pt.x - m_rcFloat.right + 1;
    if (pt.y < m_rcFloat.top)
        ptOffset.y = pt.y - m_rcFloat.top;
    else if (pt.y >= m_rcFloat.bottom)
        ptOffset.y = pt.y - m_rcFloat.bottom + 1;
    m_rcFloat.OffsetRect(ptOffset);
    m_ptLast = m_ptStart = pt;
    m_pTarget = nullptr;
    m_bAttach = FALSE;
    m_bFloatAllowed = m_bDockAllowed = TRUE;
    m_bMoved = FALSE;

    m_bAlpha = m_pManager->m_bAlphaDockingContext && m_pfnSetLayeredWindowAttributes;
    m_bUseStickers = m_bAlpha && m_pManager->m_bShowDockingContextStickers;

    for (CXTPDockingPane* pPane : GetDraggedPanes())
    {
        if (m_pManager->SendPaneAction(xtpPaneActionFloating, pPane))
            m_bFloatAllowed = FALSE;
        if (pPane->GetOptions() & xtpPaneNoFloatable)
            m_bFloatAllowed = FALSE;
        if (pPane->GetOptions() & xtpPaneNoDockable)
            m_bDockAllowed = FALSE;
    }
    BeginDrawing();
    if (Track())
        Drop();
}

void CXTPDockingPaneContext::OnNodeDestroyed(CXTPDockingPaneBase* pNode)
{
    if (pNode == m_pNode)
        m_pNode = nullptr;
}

void CXTPDockingPaneContext::BeginDrawing()
{
    m_rcLast.SetRectEmpty();
    m_bLastDrawnAttach = FALSE;
    if (m_hOutlineRegion)
    {
        ::DeleteObject(m_hOutlineRegion);
        m_hOutlineRegion = nullptr;
    }
    if (m_bAlpha)
        return;
    DispatchPendingPaints();
    HWND hDesktop = ::GetDesktopWindow();
    m_bDesktopLocked = ::LockWindowUpdate(hDesktop);
    m_hDesktopDC = ::GetDCEx(hDesktop, nullptr, m_bDesktopLocked ? 0x403 : 3);
}

void CXTPDockingPaneContext::EndDrawing()
{
    HWND hSite = m_pManager && m_pManager->GetSite() ? m_pManager->GetSite()->GetSafeHwnd() : nullptr;
    if (hSite && ::GetCapture() == hSite)
        ::ReleaseCapture();
    // Whatever mode the drag was in: a locked desktop is always unlocked.
    if (m_hOutlineRegion)
        Draw(TRUE);
    if (m_bDesktopLocked)
    {
        ::LockWindowUpdate(nullptr);
        m_bDesktopLocked = FALSE;
    }
    if (m_hDesktopDC)
    {
        ::ReleaseDC(::GetDesktopWindow(), m_hDesktopDC);
        m_hDesktopDC = nullptr;
    }
    if (m_wndPreview.m_hWnd)
        m_wndPreview.ShowWindow(SW_HIDE);
    if (m_wndPreviewTab.m_hWnd)
        m_wndPreviewTab.ShowWindow(SW_HIDE);
    DestroyStickers();
    FreeRegions();
}

BOOL CXTPDockingPaneContext::Track()
{
    CWnd* pSite = m_pManager ? m_pManager->GetSite() : nullptr;
    HWND hSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    if (!hSite || ::GetCapture())
    {
        EndDrawing();
        return FALSE;
    }
    ::SetCapture(hSite);
    CXTPHeldButtonLoop loop;
    BOOL bCancel = FALSE;
    for (BOOL bDone = FALSE; !bDone;)
    {
        DispatchPendingPaints();
        MSG msg;
        BOOL bResult = loop.GetMessage(&msg);
        if (bResult == 0)
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            bCancel = TRUE;
            break;
        }
        if (bResult == -1)
        {
            bCancel = TRUE;
            break;
        }
        // Messages handled meanwhile (also while this one was fetched) may
        // have rebuilt the tree and deleted the dragged node: the drag ends
        // and the message goes where it would have gone without it.
        if (!m_pNode)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            bCancel = TRUE;
            break;
        }
        switch (msg.message)
        {
        case WM_LBUTTONUP: bDone = TRUE; break;
        case WM_MOUSEMOVE:
        {
            CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            ::ClientToScreen(msg.hwnd, &pt);
            if (m_bMoved || std::abs(pt.x - m_ptStart.x) >= 5 || std::abs(pt.y - m_ptStart.y) >= 5)
            {
                m_bMoved = TRUE;
                Move(pt);
            }
            break;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL)
            {
                m_bMoved = TRUE;
                Move(m_ptLast);
            }
            else if (msg.wParam == VK_ESCAPE && msg.message == WM_KEYDOWN)
            {
                bCancel = TRUE;
                bDone = TRUE;
            }
            break;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            break;
        }
        if (!bDone && ::GetCapture() != hSite)
        {
            bCancel = TRUE;
            bDone = TRUE;
        }
    }
    EndDrawing();
    return !bCancel && m_bMoved;
}

void CXTPDockingPaneContext::Move(CPoint pt)
{
    CRect rc = m_rcFloat;
    rc.OffsetRect(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
    MONITORINFO mi = {sizeof(mi)};
    HMONITOR hMonitor = ::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST);
    CRect rcWork(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (hMonitor && ::GetMonitorInfoW(hMonitor, &mi))
        rcWork = mi.rcWork;
    CRect rcMeet;
    if (rcMeet.IntersectRect(&rc, &rcWork))
        m_rcFloat = rc;
    // At least 10 pixels stay on the work area to take hold of.
    if (m_rcFloat.right < rcWork.left + 10)
        m_rcFloat.OffsetRect(rcWork.left + 10 - m_rcFloat.right, 0);
    if (m_rcFloat.left > rcWork.right - 10)
        m_rcFloat.OffsetRect(rcWork.right - 10 - m_rcFloat.left, 0);
    if (m_rcFloat.bottom < rcWork.top + 10)
        m_rcFloat.OffsetRect(0, rcWork.top + 10 - m_rcFloat.bottom);
    if (m_rcFloat.top > rcWork.bottom - 10)
        m_rcFloat.OffsetRect(0, rcWork.bottom - 10 - m_rcFloat.top);

    m_pTarget = nullptr;
    m_bAttach = FALSE;
    m_pStickerTarget = nullptr;
    m_bStickerTargetSet = FALSE;
    if (::GetKeyState(VK_CONTROL) >= 0 && m_bDockAllowed)
        FindDockTarget(pt);
    m_ptLast = pt;

    if (m_bUseStickers)
    {
        UpdateStickers();
        CXTPDockingPaneContextStickerWnd* pHitSticker = nullptr;
        int nHit = 0;
        for (CXTPDockingPaneContextStickerWnd* pSticker : m_lstStickers)
        {
            nHit = pSticker->HitTest(pt);
            if (nHit)
            {
                pHitSticker = pSticker;
                break;
            }
        }
        if (pHitSticker)
        {
            BOOL bCross = (pHitSticker->GetMask() & xtpStickerCross) != 0;
            m_pTarget = bCross ? m_pStickerTarget : m_pManager->GetLayout()->GetTopContainer();
            m_bAttach = FALSE;
            if (bCross)
                m_rcDock = m_rcStickerTarget;
            if (nHit == xtpStickerCenter)
            {
                m_bAttach = m_pTarget && CanAttach(m_pTarget);
                if (!m_bAttach)
                    m_pTarget = nullptr;
            }
            else if (m_pTarget)
            {
                m_nDirection = nHit == xtpStickerLeft    ? xtpPaneDockLeft
                               : nHit == xtpStickerRight ? xtpPaneDockRight
                               : nHit == xtpStickerTop   ? xtpPaneDockTop
                                                         : xtpPaneDockBottom;
                if (CanDock(m_pTarget, m_nDirection))
                    m_rcDock = m_pManager->GetDockingRect(m_pNode, GetLayoutDirection(m_nDirection), m_pTarget);
                else
                    m_pTarget = nullptr;
            }
        }
        for (CXTPDockingPaneContextStickerWnd* pSticker : m_lstStickers)
            pSticker->SetHighlighted(pSticker == pHitSticker ? nHit : 0);
    }
    Draw(FALSE);
}

std::vector<CXTPDockingPaneBase*> CXTPDockingPaneContext::GetCandidates() const
{
    std::vector<CXTPDockingPaneBase*> candidates;
    for (const XTP_DOCKINGPANE_INFO& info : m_pManager->GetLayout()->m_arrPanes)
    {
        if (info.pPane->GetOptions() & xtpPaneNoDockable)
            continue;
        auto* pContainer = dynamic_cast<CXTPDockingPaneTabbedContainer*>(info.pPane->GetContainer());
        if (!pContainer || !pContainer->GetContainer() ||
            pContainer->GetContainer()->GetType() != xtpPaneTypeSplitterContainer || !pContainer->m_hWnd ||
            !::IsWindowVisible(pContainer->m_hWnd) || m_pNode->ContainsPane(pContainer))
            continue;
        BOOL bFloating = FALSE;
        for (CXTPDockingPaneBase* pUp = pContainer; pUp && !bFloating; pUp = pUp->GetContainer())
            bFloating = pUp->GetType() == xtpPaneTypeMiniWnd;
        if (!bFloating && std::find(candidates.begin(), candidates.end(), pContainer) == candidates.end())
            candidates.push_back(pContainer);
    }
    return candidates;
}

BOOL CXTPDockingPaneContext::CheckCaptionAndTabs(CXTPDockingPaneBase* pCandidate, CRect rc, CPoint pt)
{
    auto* pContainer = static_cast<CXTPDockingPaneTabbedContainer*>(pCandidate);
    CXTPDockingPanePaintManager* pPaint = m_pManager->GetPaintManager();
    // The caption strip runs along the top, or down the left when vertical.
    int nCaption = pPaint->GetCaptionHeight() + 3;
    CRect rcCaption = pContainer->IsCaptionVertical() ? CRect(rc.left, rc.top, rc.left + nCaption, rc.bottom)
                                                      : CRect(rc.left, rc.top, rc.right, rc.top + nCaption);
    BOOL bHit = rcCaption.PtInRect(pt);
    if (!bHit && pContainer->IsTabsVisible())
    {
        CRect rcTabs(rc.left, rc.bottom - pPaint->GetTabsHeight(), rc.right, rc.bottom);
        bHit = rcTabs.PtInRect(pt);
    }
    if (!bHit || !CanAttach(pCandidate))
        return FALSE;
    m_pTarget = pCandidate;
    m_bAttach = TRUE;
    m_rcDock = rc;
    return TRUE;
}

BOOL CXTPDockingPaneContext::CheckSides(CRect rc, CPoint pt, BOOL bInside, CXTPDockingPaneBase* pNode)
{
    double dSensitivity = 20.0, dRatio = 1.0;
    if (bInside && !m_bFloatAllowed)
    {
        // Nowhere to float: the nearest side always takes the node.
        dSensitivity = 32000.0;
        if (rc.Width() > 1 && rc.Height() > 1)
            dRatio = static_cast<double>(rc.Height()) / rc.Width();
    }
    if (rc.IsRectEmpty() || !pNode)
        return FALSE;
    CRect rcArea = rc;
    if (!bInside)
        rcArea.InflateRect(20, 20);
    if (!rcArea.PtInRect(pt))
        return FALSE;
    struct Side
    {
        int nDirection;
        double dDistance;
        BOOL bOnSide;
    };
    const Side sides[] = {
        {xtpPaneDockTop, std::fabs(double(pt.y - rc.top)), bInside ? pt.y >= rc.top : pt.y <= rc.top},
        {xtpPaneDockBottom, std::fabs(double(rc.bottom - pt.y)), bInside ? pt.y <= rc.bottom : pt.y >= rc.bottom},
        {xtpPaneDockLeft, std::fabs(double(pt.x - rc.left)) * dRatio, bInside ? pt.x >= rc.left : pt.x <= rc.left},
        {xtpPaneDockRight, std::fabs(double(rc.right - pt.x)) * dRatio, bInside ? pt.x <= rc.right : pt.x >= rc.right},
    };
    double dBest = dSensitivity;
    int nDirection = -1;
    for (const Side& side : sides)
    {
        if (side.dDistance < dBest && side.bOnSide)
        {
            dBest = side.dDistance;
            nDirection = side.nDirection;
        }
    }
    if (nDirection < 0 || !CanDock(pNode, nDirection))
        return FALSE;
    m_pTarget = pNode;
    m_nDirection = nDirection;
    m_rcDock = m_pManager->GetDockingRect(m_pNode, GetLayoutDirection(nDirection), pNode);
    return TRUE;
}

void CXTPDockingPaneContext::FindDockTarget(CPoint pt)
{
    CXTPDockingPaneLayout* pLayout = m_pManager->GetLayout();
    if (!pLayout || !m_pNode)
        return;
    for (CXTPDockingPaneBase* pCandidate : GetCandidates())
    {
        CRect rc = GetNodeScreenRect(pCandidate);
        if (CheckCaptionAndTabs(pCandidate, rc, pt))
            return;
        if (m_bUseStickers)
        {
            if (rc.PtInRect(pt))
            {
                m_pStickerTarget = pCandidate;
                m_rcStickerTarget = rc;
                m_bStickerTargetSet = TRUE;
                return;
            }
        }
        else if (CheckSides(rc, pt, TRUE, pCandidate))
            return;
    }
    CXTPDockingPaneBase* pClient = pLayout->GetClientPane();
    CXTPDockingPaneBase* pTop = pLayout->GetTopContainer();
    CRect rcClient = pClient && !m_pNode->ContainsPane(pClient) ? GetNodeScreenRect(pClient) : CRect();
    CRect rcTop = GetNodeScreenRect(pTop);
    if (m_bUseStickers)
    {
        if (rcClient.PtInRect(pt))
        {
            m_pStickerTarget = pClient;
            m_rcStickerTarget = rcClient;
            m_bStickerTargetSet = TRUE;
        }
        else if (rcTop.PtInRect(pt))
        {
            m_pStickerTarget = nullptr;
            m_rcStickerTarget = rcTop;
            m_bStickerTargetSet = TRUE;
        }
        return;
    }
    if (CheckSides(rcClient, pt, TRUE, pClient))
        return;
    CheckSides(rcTop, pt, FALSE, pTop);
}

HRGN CXTPDockingPaneContext::GetStickerRegion(CXTPDockingPaneContextStickerWnd* pSticker)
{
    int nMask = pSticker->GetMask();
    auto it = m_mapRegions.find(nMask);
    if (it != m_mapRegions.end())
        return it->second;
    HRGN hRegion = pSticker->CreateImageRegion();
    m_mapRegions[nMask] = hRegion;
    return hRegion;
}

void CXTPDockingPaneContext::UpdateStickers()
{
    if (!m_bStickerTargetSet)
    {
        DestroyStickers();
        m_pLastStickerTarget = nullptr;
        return;
    }
    if (m_pStickerTarget == m_pLastStickerTarget && !m_lstStickers.empty())
        return;
    DestroyStickers();
    m_pLastStickerTarget = m_pStickerTarget;
    BOOL bSecond = m_pManager->m_bSecondStyle;
    CWnd* pSite = m_pManager->GetSite();
    if (m_pStickerTarget)
    {
        int nMask = xtpStickerCross;
        if (CanDock(m_pStickerTarget, xtpPaneDockLeft))
            nMask |= xtpStickerLeft;
        if (CanDock(m_pStickerTarget, xtpPaneDockRight))
            nMask |= xtpStickerRight;
        if (CanDock(m_pStickerTarget, xtpPaneDockBottom))
            nMask |= xtpStickerBottom;
        if (CanDock(m_pStickerTarget, xtpPaneDockTop))
            nMask |= xtpStickerTop;
        if (m_pStickerTarget != m_pManager->GetLayout()->GetClientPane() && CanAttach(m_pStickerTarget))
            nMask |= xtpStickerCenter;
        if (nMask != xtpStickerCross)
        {
            CSize sz = CXTPDockingPaneContextStickerWnd::GetStickerSize(nMask, bSecond);
            CPoint ptCentre = m_rcStickerTarget.CenterPoint();
            auto* pSticker = new CXTPDockingPaneContextStickerWnd(this, nMask, bSecond);
            m_lstStickers.push_back(pSticker);
            pSticker->Create(pSite, CPoint(ptCentre.x - sz.cx / 2, ptCentre.y - sz.cy / 2));
        }
    }
    CXTPDockingPaneBase* pTop = m_pManager->GetLayout()->GetTopContainer();
    CRect rcTop = GetNodeScreenRect(pTop);
    CPoint ptCentre = rcTop.CenterPoint();
    const struct
    {
        int nBit;
        int nDirection;
    } edges[] = {{xtpStickerTop, xtpPaneDockTop},
                 {xtpStickerLeft, xtpPaneDockLeft},
                 {xtpStickerBottom, xtpPaneDockBottom},
                 {xtpStickerRight, xtpPaneDockRight}};
    for (const auto& edge : edges)
    {
        if (!CanDock(pTop, edge.nDirection))
            continue;
        CSize sz = CXTPDockingPaneContextStickerWnd::GetStickerSize(edge.nBit, bSecond);
        CPoint pt;
        switch (edge.nBit)
        {
        case xtpStickerTop: pt = CPoint(ptCentre.x - sz.cx / 2, rcTop.top + 16); break;
        case xtpStickerLeft: pt = CPoint(rcTop.left + 16, ptCentre.y - sz.cy / 2); break;
        case xtpStickerBottom: pt = CPoint(ptCentre.x - sz.cx / 2, rcTop.bottom - sz.cy - 16); break;
        default: pt = CPoint(rcTop.right - sz.cx - 16, ptCentre.y - sz.cy / 2); break;
        }
        auto* pSticker = new CXTPDockingPaneContextStickerWnd(this, edge.nBit, bSecond);
        m_lstStickers.push_back(pSticker);
        pSticker->Create(pSite, pt);
    }
}

void CXTPDockingPaneContext::DestroyStickers()
{
    std::vector<CXTPDockingPaneContextStickerWnd*> stickers;
    stickers.swap(m_lstStickers);
    for (CXTPDockingPaneContextStickerWnd* pSticker : stickers)
    {
        if (pSticker->m_hWnd)
            pSticker->DestroyWindow();
        delete pSticker;
    }
    m_pLastStickerTarget = nullptr;
}

void CXTPDockingPaneContext::FreeRegions()
{
    for (auto& entry : m_mapRegions)
        ::DeleteObject(entry.second);
    m_mapRegions.clear();
}

void CXTPDockingPaneContext::SplitAttachRect(CRect rc, BOOL bTabsAtTop, int nCaptionTop, CRect& rcBody,
                                             CRect& rcTab)
{
    int nTabHeight = std::min(20, rc.Height() / 2);
    int nTabWidth = std::min(50, rc.Width() - 5);
    rcBody = rc;
    if (bTabsAtTop)
    {
        rcTab = CRect(rc.left + 5, rc.top + nCaptionTop, rc.left + 5 + nTabWidth, rc.top + nCaptionTop + nTabHeight);
        rcBody.top = rcTab.bottom;
    }
    else
    {
        rcTab = CRect(rc.left + 5, rc.bottom - nTabHeight, rc.left + 5 + nTabWidth, rc.bottom);
        rcBody.bottom = rcTab.top;
    }
}

HRGN CXTPDockingPaneContext::CreateOutlineRegion(CRect rc, BOOL bAttach)
{
    if (!bAttach)
        return CreateFrameRegion(rc);
    CRect rcBody, rcTab;
    SplitAttachRect(rc, FALSE, 0, rcBody, rcTab);
    HRGN hRegion = CreateFrameRegion(rcBody);
    HRGN hTab = CreateFrameRegion(rcTab);
    ::CombineRgn(hRegion, hRegion, hTab, RGN_OR);
    ::DeleteObject(hTab);
    // The tab opens into the body: the border they share is left out.
    CRect rcShared(rcTab.left + 4, rcBody.bottom - 4, rcTab.right - 4, rcTab.top + 4);
    if (!rcShared.IsRectEmpty())
    {
        HRGN hShared = ::CreateRectRgnIndirect(&rcShared);
        ::CombineRgn(hRegion, hRegion, hShared, RGN_DIFF);
        ::DeleteObject(hShared);
    }
    return hRegion;
}

void CXTPDockingPaneContext::Draw(BOOL bRemove)
{
    CRect rc;
    if (!bRemove)
    {
        if (m_pTarget)
            rc = m_rcDock;
        else if (m_bFloatAllowed)
            rc = m_rcFloat;
    }
    if (!bRemove && m_pManager->m_bLiveFloatingDrag && !m_pTarget && m_bFloatAllowed && !m_bAttach)
    {
        if (m_hOutlineRegion || (m_wndPreview.m_hWnd && m_wndPreview.IsWindowVisible()))
            Draw(TRUE);
        CRect rcFrame = m_rcFloat;
        if (rcFrame.top < 0)
            rcFrame.OffsetRect(0, -rcFrame.top);
        if (CXTPDockingPaneMiniWnd* pFrame = FrameOfTree(m_pNode))
        {
            pFrame->m_rcFrame = rcFrame;
            if (pFrame->m_hWnd)
                pFrame->SetWindowPos(nullptr, rcFrame.left, rcFrame.top, rcFrame.Width(), rcFrame.Height(),
                                     SWP_NOZORDER | SWP_NOACTIVATE);
        }
        else
        {
            std::vector<CXTPDockingPane*> panes = GetDraggedPanes();
            auto* pNewFrame = static_cast<CXTPDockingPaneMiniWnd*>(m_pManager->FloatPane(m_pNode, rcFrame));
            if (pNewFrame && pNewFrame->GetTopContainer())
            {
                m_pNode = pNewFrame->GetTopContainer();
                if (auto* pSite = dynamic_cast<CFrameWnd*>(m_pManager->GetSite()))
                    pSite->RecalcLayout();
                pNewFrame->RecalcLayout();
                for (CXTPDockingPane* pPane : panes)
                    m_pManager->SendPaneAction(xtpPaneActionFloated, pPane);
            }
        }
        m_rcLast = rc;
        return;
    }
    if (!m_bAlpha)
    {
        HRGN hNew = rc.IsRectEmpty() ? nullptr : CreateOutlineRegion(rc, m_bAttach);
        HRGN hChange = ::CreateRectRgn(0, 0, 0, 0);
        if (hNew && m_hOutlineRegion)
            ::CombineRgn(hChange, hNew, m_hOutlineRegion, RGN_XOR);
        else if (hNew || m_hOutlineRegion)
            ::CombineRgn(hChange, hNew ? hNew : m_hOutlineRegion, nullptr, RGN_COPY);
        if (m_hDesktopDC)
        {
            // Only what changed flips: the rest of the outline stays drawn.
            CBrush* pBrush = CDC::GetHalftoneBrush();
            HGDIOBJ hOld = ::SelectObject(m_hDesktopDC, pBrush ? pBrush->GetSafeHandle() : nullptr);
            ::SelectClipRgn(m_hDesktopDC, hChange);
            RECT rcBox;
            ::GetRgnBox(hChange, &rcBox);
            ::PatBlt(m_hDesktopDC, rcBox.left, rcBox.top, rcBox.right - rcBox.left, rcBox.bottom - rcBox.top,
                     PATINVERT);
            ::SelectClipRgn(m_hDesktopDC, nullptr);
            if (hOld)
                ::SelectObject(m_hDesktopDC, hOld);
        }
        ::DeleteObject(hChange);
        if (m_hOutlineRegion)
            ::DeleteObject(m_hOutlineRegion);
        m_hOutlineRegion = hNew;
    }
    else if (rc.IsRectEmpty())
    {
        if (m_wndPreview.m_hWnd)
            m_wndPreview.ShowWindow(SW_HIDE);
        if (m_wndPreviewTab.m_hWnd)
            m_wndPreviewTab.ShowWindow(SW_HIDE);
    }
    else
    {
        if (!m_wndPreview.m_hWnd)
            m_wndPreview.Create(m_pManager->GetSite(), m_pfnSetLayeredWindowAttributes);
        if (m_bAttach)
        {
            if (!m_wndPreviewTab.m_hWnd)
                m_wndPreviewTab.Create(m_pManager->GetSite(), m_pfnSetLayeredWindowAttributes);
            CXTPTabPaintManager* pTabs = m_pManager->GetPaintManager()->GetTabPaintManager();
            BOOL bTabsAtTop = m_pTarget && m_pTarget->GetType() == xtpPaneTypeTabbedContainer && pTabs &&
                              pTabs->GetPosition() == xtpTabPositionTop;
            CRect rcBody, rcTab;
            SplitAttachRect(rc, bTabsAtTop, 3 + m_pManager->GetPaintManager()->GetCaptionHeight(), rcBody, rcTab);
            m_wndPreview.ShowAt(rcBody);
            m_wndPreviewTab.ShowAt(rcTab);
        }
        else
        {
            m_wndPreview.ShowAt(rc);
            if (m_wndPreviewTab.m_hWnd)
                m_wndPreviewTab.ShowWindow(SW_HIDE);
        }
    }
    m_rcLast = rc;
    m_bLastDrawnAttach = m_bAttach;
}

int CXTPDockingPaneContext::GetLayoutDirection(int nDirection) const
{
    CWnd* pSite = m_pManager->GetSite();
    BOOL bMirrored = pSite && pSite->GetSafeHwnd() && (pSite->GetExStyle() & WS_EX_LAYOUTRTL);
    if (!bMirrored || (nDirection != xtpPaneDockLeft && nDirection != xtpPaneDockRight))
        return nDirection;
    return nDirection == xtpPaneDockLeft ? xtpPaneDockRight : xtpPaneDockLeft;
}

void CXTPDockingPaneContext::Drop()
{
    std::vector<CXTPDockingPane*> panes = GetDraggedPanes();
    if (m_bAttach && m_pTarget)
    {
        if (m_pTarget->ContainsPane(m_pNode))
            return;
        if (m_pNode->GetType() == xtpPaneTypeSplitterContainer)
        {
            for (CXTPDockingPane* pPane : panes)
                m_pManager->AttachPane(pPane, m_pTarget);
        }
        else
            m_pManager->AttachPane(m_pNode, m_pTarget);
        for (CXTPDockingPane* pPane : panes)
            m_pManager->SendPaneAction(xtpPaneActionAttached, pPane);
    }
    else if (m_pTarget)
    {
        m_pManager->DockPane(m_pNode, GetLayoutDirection(m_nDirection), m_pTarget);
        for (CXTPDockingPane* pPane : panes)
            m_pManager->SendPaneAction(xtpPaneActionDocked, pPane);
    }
    else if (m_bFloatAllowed)
    {
        CRect rc = m_rcFloat;
        if (rc.top < 0)
            rc.OffsetRect(0, -rc.top);
        if (CXTPDockingPaneMiniWnd* pFrame = FrameOfTree(m_pNode))
        {
            pFrame->m_rcFrame = rc;
            if (pFrame->m_hWnd)
                pFrame->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                                     SWP_NOZORDER | SWP_NOACTIVATE);
        }
        else
            m_pManager->FloatPane(m_pNode, rc);
        for (CXTPDockingPane* pPane : panes)
            m_pManager->SendPaneAction(xtpPaneActionFloated, pPane);
    }
    else
        return;
    m_pManager->OnDragDropped();
}

#include "toolkit/tabs/XTPTabManagerNavigateButton.h"
#include "toolkit/tabs/XTPTabLoopGuard.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPen.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/XTPTabManager.h"
#include "toolkit/tabs/XTPTabModalLoop.h"
#include "resources/ToolkitTabsIds.h"

namespace {

DWORD SystemTicks()
{
    return ::GetTickCount();
}

XTP_TAB_TICK_PROC g_pfnTicks = SystemTicks;

} // namespace

void CXTPTabManagerNavigateButton::SetTickSource(XTP_TAB_TICK_PROC pfnTicks)
{
    g_pfnTicks = pfnTicks ? pfnTicks : SystemTicks;
}

CXTPTabManagerNavigateButton::CXTPTabManagerNavigateButton(CXTPTabManager* pManager, int nId, int nFlags)
    : m_nId(nId)
    , m_dwFlags(nFlags)
    , m_pManager(pManager)
{
    static const UINT s_tips[] = {XTP_IDS_TABNAVIGATEBUTTON_LEFT, XTP_IDS_TABNAVIGATEBUTTON_RIGHT,
                                  XTP_IDS_TABNAVIGATEBUTTON_CLOSE};
    if (nId >= 0 && nId < 3)
        XTPGetResourceManager()->LoadString(&m_strToolTip, s_tips[nId]);
}

BOOL CXTPTabManagerNavigateButton::IsShownByManager() const
{
    return m_dwFlags == xtpTabNavigateButtonAlways ||
           (m_dwFlags == xtpTabNavigateButtonAutomatic &&
            m_pManager->IsNavigateButtonAllowed(const_cast<CXTPTabManagerNavigateButton*>(this)));
}

void CXTPTabManagerNavigateButton::AdjustLength(int& nRoom)
{
    if (IsShownByManager())
        nRoom -= m_pManager->IsHorizontal() ? m_nWidth : m_nHeight;
}

void CXTPTabManagerNavigateButton::PlaceAtEnd(CRect& rcHeader)
{
    if (m_pManager->IsHorizontal())
    {
        int nCenter = rcHeader.CenterPoint().y;
        m_rcButton.SetRect(rcHeader.right - m_nWidth, nCenter + m_nHeight / 2 - m_nHeight, rcHeader.right,
                           nCenter + m_nHeight / 2);
        rcHeader.right -= m_nWidth;
    }
    else
    {
        int nCenter = rcHeader.CenterPoint().x;
        m_rcButton.SetRect(nCenter - m_nWidth / 2, rcHeader.bottom - m_nHeight, nCenter - m_nWidth / 2 + m_nWidth,
                           rcHeader.bottom);
        rcHeader.bottom -= m_nHeight;
    }
}

void CXTPTabManagerNavigateButton::Reposition(CRect& rcHeader)
{
    if (IsShownByManager())
        PlaceAtEnd(rcHeader);
    else
        m_rcButton.SetRectEmpty();
}

void CXTPTabManagerNavigateButton::OnExecute(BOOL /*bRepeat*/)
{
}

void CXTPTabManagerNavigateButton::PerformClick(HWND hWnd, CPoint point)
{
    if (::GetCapture() != nullptr || !m_bEnabled)
        return;
    ::SetCapture(hWnd);
    // The button lives and dies with its strip, which a dispatched message
    // may delete.
    CXTPTabLoopGuard guard(m_pManager);

    DWORD dwLastRepeat = g_pfnTicks();
    CPoint ptLast = point;
    BOOL bReleasedInside = FALSE;
    CXTPHeldButtonLoop loop;
    for (;;)
    {
        DWORD dwNow = g_pfnTicks();
        if (dwNow - dwLastRepeat > 20 && m_bEnabled)
        {
            dwLastRepeat = dwNow;
            OnExecute(TRUE);
        }
        BOOL bPressed = m_rcButton.PtInRect(ptLast);
        if (bPressed != m_bPressed)
        {
            m_bPressed = bPressed;
            m_pManager->RedrawControl();
        }

        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            // A release that never came ends the press as if it had.
            if (loop.IsReleaseMissed())
            {
                loop.MakeRelease(&msg);
                bReleasedInside = m_bPressed;
                break;
            }
            // Nothing to do before the next repeat but wait for input.
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            continue;
        }
        if (!XTPTabGetLoopMessage(&msg, loop))
            break;
        if (guard.IsStripDeleted() || ::GetCapture() != hWnd)
        {
            ::DispatchMessageW(&msg);
            break;
        }
        if (msg.message == WM_MOUSEMOVE)
        {
            ptLast = XTPTabMessagePoint(msg);
            continue;
        }
        if (XTPTabIsLoopCancel(msg))
            break;
        if (msg.message == WM_LBUTTONUP)
        {
            bReleasedInside = m_bPressed;
            break;
        }
        XTPTabDispatchLoopMessage(msg);
        if (guard.IsStripDeleted())
            break;
    }

    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (guard.IsStripDeleted())
        return;
    m_bPressed = FALSE;
    PerformMouseMove(hWnd, ptLast);
    m_pManager->RedrawControl();
    if (bReleasedInside)
        OnExecute(FALSE);
}

void CXTPTabManagerNavigateButton::PerformMouseMove(HWND hWnd, CPoint point)
{
    BOOL bHot = m_rcButton.PtInRect(point);
    if (bHot == m_bHot)
        return;
    m_bHot = bHot;
    m_pManager->RedrawControl();
    if (bHot && m_bEnabled)
        XTPTabTrackMouseLeave(hWnd);
}

void CXTPTabManagerNavigateButton::Draw(CDC* pDC)
{
    if (m_rcButton.IsRectEmpty())
        return;
    CRect rc = m_rcButton;
    m_pManager->GetPaintManager()->GetColorSet()->FillNavigateButton(pDC, this, rc);

    CPen pen;
    pen.CreatePen(PS_SOLID, 1, pDC->GetTextColor());
    CBrush brush;
    if (m_bEnabled)
        brush.CreateSolidBrush(pDC->GetTextColor());
    HGDIOBJ hOldPen = pDC->SelectObject(pen.GetSafeHandle());
    HGDIOBJ hOldBrush = pDC->SelectObject(m_bEnabled ? brush.GetSafeHandle() : ::GetStockObject(NULL_BRUSH));
    DrawEntry(pDC, rc);
    pDC->SelectObject(hOldBrush);
    pDC->SelectObject(hOldPen);
}

void CXTPTabManager::CNavigateButtonArrow::AdjustLength(int& nRoom)
{
    if (m_dwFlags == xtpTabNavigateButtonAlways)
        nRoom -= m_pManager->IsHorizontal() ? m_nWidth : m_nHeight;
}

void CXTPTabManager::CNavigateButtonArrow::Reposition(CRect& rcHeader)
{
    CXTPTabPaintManager* pPaintManager = m_pManager->GetPaintManager();
    CRect rcMargin = pPaintManager->GetAppearanceSet()->GetHeaderMargin();
    BOOL bHorizontal = m_pManager->IsHorizontal();
    int nHeaderLength = bHorizontal ? rcHeader.Width() : rcHeader.Height();
    int nLength = m_pManager->GetItemsLength();
    int nOffset = m_pManager->GetScrollOffset();

    if (m_nId == xtpTabNavigateButtonLeft)
        m_bEnabled = nOffset < 0;
    else
        m_bEnabled = nLength + nOffset > nHeaderLength - rcMargin.left - rcMargin.right - 28;

    int nLayout = m_pManager->GetLayout();
    BOOL bHidden = nLayout == xtpTabLayoutMultiRow || m_dwFlags == xtpTabNavigateButtonNone;
    if (m_dwFlags == xtpTabNavigateButtonAutomatic)
    {
        BOOL bFits = !(nLength + nOffset - 1 > nHeaderLength - rcMargin.right);
        if (nLayout == xtpTabLayoutSizeToFit || (bFits && nOffset >= 0))
            bHidden = TRUE;
    }
    if (bHidden)
        m_rcButton.SetRectEmpty();
    else
        PlaceAtEnd(rcHeader);
}

CXTPTabManager::CNavigateButtonArrowLeft::CNavigateButtonArrowLeft(CXTPTabManager* pManager)
    : CNavigateButtonArrow(pManager, xtpTabNavigateButtonLeft, xtpTabNavigateButtonAutomatic)
{
}

void CXTPTabManager::CNavigateButtonArrowLeft::DrawEntry(CDC* pDC, CRect rc)
{
    CPoint c = rc.CenterPoint();
    if (m_pManager->IsHorizontal())
        XTPDrawTriangleWithSelectedTools(pDC, CPoint(c.x + 2, c.y - 5), CPoint(c.x - 2, c.y - 1),
                                         CPoint(c.x + 2, c.y + 3));
    else
        XTPDrawTriangleWithSelectedTools(pDC, CPoint(c.x - 5, c.y + 2), CPoint(c.x - 1, c.y - 2),
                                         CPoint(c.x + 3, c.y + 2));
}

void CXTPTabManager::CNavigateButtonArrowLeft::OnExecute(BOOL bRepeat)
{
    if (bRepeat)
        m_pManager->ScrollTabs(FALSE);
}

CXTPTabManager::CNavigateButtonArrowRight::CNavigateButtonArrowRight(CXTPTabManager* pManager)
    : CNavigateButtonArrow(pManager, xtpTabNavigateButtonRight, xtpTabNavigateButtonAutomatic)
{
}

void CXTPTabManager::CNavigateButtonArrowRight::DrawEntry(CDC* pDC, CRect rc)
{
    CPoint c = rc.CenterPoint();
    if (m_pManager->IsHorizontal())
        XTPDrawTriangleWithSelectedTools(pDC, CPoint(c.x - 2, c.y - 5), CPoint(c.x + 2, c.y - 1),
                                         CPoint(c.x - 2, c.y + 3));
    else
        XTPDrawTriangleWithSelectedTools(pDC, CPoint(c.x - 5, c.y - 2), CPoint(c.x - 1, c.y + 2),
                                         CPoint(c.x + 3, c.y - 2));
}

void CXTPTabManager::CNavigateButtonArrowRight::OnExecute(BOOL bRepeat)
{
    if (bRepeat)
        m_pManager->ScrollTabs(TRUE);
}

CXTPTabManager::CNavigateButtonClose::CNavigateButtonClose(CXTPTabManager* pManager)
    : CXTPTabManagerNavigateButton(pManager, xtpTabNavigateButtonClose, xtpTabNavigateButtonNone)
{
}

void CXTPTabManager::CNavigateButtonClose::DrawEntry(CDC* pDC, CRect rc)
{
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    pDC->MoveTo(l + 3, t + 3);
    pDC->LineTo(r - 4, b - 5);
    pDC->MoveTo(l + 4, t + 3);
    pDC->LineTo(r - 3, b - 5);
    pDC->MoveTo(l + 3, b - 6);
    pDC->LineTo(r - 4, t + 2);
    pDC->MoveTo(l + 4, b - 6);
    pDC->LineTo(r - 3, t + 2);
}

void CXTPTabManager::CNavigateButtonClose::OnExecute(BOOL bRepeat)
{
    if (!bRepeat)
        m_pManager->OnNavigateButtonClick(xtpTabNavigateButtonClose);
}

#include "toolkit/common/drawing/XTPSplitterTracker.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "framework/windows/CWnd.h"
#include "toolkit/common/input/XTPHeldButtonLoop.h"
#include <algorithm>

CXTPSplitterTracker::CXTPSplitterTracker(BOOL bSolid)
    : m_pDC(nullptr)
    , m_bSolid(bSolid)
{
    m_rcBoundRect.SetRectEmpty();
}

void CXTPSplitterTracker::InvertTracker(CRect rect)
{
    if (!m_pDC)
        return;
    if (m_bSolid)
    {
        m_pDC->InvertRect(rect);
        return;
    }
    CBrush* pOldBrush = m_pDC->SelectObject(CDC::GetHalftoneBrush());
    m_pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    m_pDC->SelectObject(pOldBrush);
}

BOOL CXTPSplitterTracker::Track(CWnd* pTrackWnd, CRect rcAvail, CRect& rectTracker, CPoint point, BOOL bHoriz)
{
    HWND hTrackWnd = pTrackWnd->GetSafeHwnd();
    ::SetCapture(hTrackWnd);
    CXTPHeldButtonLoop loop;

    HWND hDesktop = ::GetDesktopWindow();
    BOOL bLocked = ::LockWindowUpdate(hDesktop);
    HDC hDC = ::GetDCEx(hDesktop, nullptr, bLocked ? (DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE)
                                                   : (DCX_WINDOW | DCX_CACHE));
    CDC dc;
    dc.Attach(hDC);
    m_pDC = &dc;

    CPoint ptOffset = bHoriz ? CPoint(rectTracker.left - point.x, 0) : CPoint(0, rectTracker.top - point.y);
    InvertTracker(rectTracker);
    if (!m_rcBoundRect.IsRectEmpty())
        InvertTracker(m_rcBoundRect);

    BOOL bAccepted = FALSE;
    BOOL bQuit = FALSE;
    WPARAM nQuitCode = 0;
    while (::GetCapture() == hTrackWnd)
    {
        MSG msg;
        BOOL bResult = loop.GetMessage(&msg);
        if (bResult <= 0)
        {
            // A quit request belongs to the loop that runs this one.
            bQuit = bResult == 0;
            nQuitCode = msg.wParam;
            break;
        }
        if (msg.message == WM_MOUSEMOVE)
        {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(hTrackWnd, &pt);
            pt += ptOffset;
            pt.x = std::max(rcAvail.left, std::min(pt.x, rcAvail.right));
            pt.y = std::max(rcAvail.top, std::min(pt.y, rcAvail.bottom));
            if (bHoriz && rectTracker.left != pt.x)
            {
                InvertTracker(rectTracker);
                rectTracker.OffsetRect(pt.x - rectTracker.left, 0);
                InvertTracker(rectTracker);
            }
            else if (!bHoriz && rectTracker.top != pt.y)
            {
                InvertTracker(rectTracker);
                rectTracker.OffsetRect(0, pt.y - rectTracker.top);
                InvertTracker(rectTracker);
            }
        }
        else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
        {
            break;
        }
        else if (msg.message == WM_LBUTTONUP)
        {
            bAccepted = TRUE;
            break;
        }
        else
        {
            ::DispatchMessageW(&msg);
        }
    }

    if (!m_rcBoundRect.IsRectEmpty())
        InvertTracker(m_rcBoundRect);
    InvertTracker(rectTracker);
    if (::GetCapture() == hTrackWnd)
        ::ReleaseCapture();
    if (bLocked)
        ::LockWindowUpdate(nullptr);
    m_pDC = nullptr;
    ::ReleaseDC(hDesktop, dc.Detach());

    if (bQuit)
        ::PostQuitMessage(static_cast<int>(nQuitCode));
    return bAccepted;
}

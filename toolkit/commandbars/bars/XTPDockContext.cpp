// The drag and resize loops of a toolbar and its double-click toggle.
#include "toolkit/commandbars/bars/XTPDockContext.h"
#include <algorithm>
#include "framework/windows/CControlBar.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/input/XTPModalLoopMessage.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"

namespace {

// Part of a floating bar that stays inside the work area on every side.
const int kKeepOnScreen = 10;

// How often a drag looks where the pointer is when no input comes (ms).
const UINT kPointerPollMs = 40;

// The docking permission of a side: top 1, bottom 2, left 4, right 8.
DWORD SideFlag(XTPBarPosition position)
{
    return position >= xtpBarTop && position <= xtpBarRight ? 1u << position : 0;
}

// Shifts the rectangle so that some of it stays inside the work area.
void KeepOnScreen(CRect& rc, const CRect& rcWork)
{
    if (rc.top > rcWork.bottom - kKeepOnScreen)
        rc.OffsetRect(0, rcWork.bottom - kKeepOnScreen - rc.top);
    if (rc.bottom < rcWork.top + kKeepOnScreen)
        rc.OffsetRect(0, rcWork.top + kKeepOnScreen - rc.bottom);
    if (rc.left > rcWork.right - kKeepOnScreen)
        rc.OffsetRect(rcWork.right - kKeepOnScreen - rc.left, 0);
    if (rc.right < rcWork.left + kKeepOnScreen)
        rc.OffsetRect(rcWork.left + kKeepOnScreen - rc.right, 0);
}

// Some of the rectangle lies in the work area of the monitor nearest to it.
BOOL MeetsWorkArea(const CRect& rc)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &info))
        return TRUE;
    CRect rcMeet;
    return rcMeet.IntersectRect(&rc, &info.rcWork);
}

BOOL DragsLeft(int nHitTest)
{
    return nHitTest == HTLEFT || nHitTest == HTTOPLEFT || nHitTest == HTBOTTOMLEFT;
}
BOOL DragsRight(int nHitTest)
{
    return nHitTest == HTRIGHT || nHitTest == HTTOPRIGHT || nHitTest == HTBOTTOMRIGHT;
}
BOOL DragsTop(int nHitTest)
{
    return nHitTest == HTTOP || nHitTest == HTTOPLEFT || nHitTest == HTTOPRIGHT;
}
BOOL DragsBottom(int nHitTest)
{
    return nHitTest == HTBOTTOM || nHitTest == HTBOTTOMLEFT || nHitTest == HTBOTTOMRIGHT;
}

// Holds the bar while a loop that may release it runs.
class CBarHold
{
public:
    explicit CBarHold(CXTPToolBar* pBar) : m_pBar(pBar) { m_pBar->InternalAddRef(); }
    ~CBarHold() { m_pBar->InternalRelease(); }
    CBarHold(const CBarHold&) = delete;
    CBarHold& operator=(const CBarHold&) = delete;

private:
    CXTPToolBar* m_pBar;
};

} // namespace

CXTPCommandBars* CXTPDockContext::GetCommandBars() const
{
    return m_pBar ? m_pBar->GetCommandBars() : nullptr;
}

BOOL CXTPDockContext::MayDock(XTPBarPosition position) const
{
    return (m_pBar->GetFlags() & SideFlag(position)) != 0;
}

void CXTPDockContext::RememberDockBar(UINT nDockID, XTPBarPosition position, const CRect& rcDock)
{
    m_uMRUDockID = nDockID;
    m_uMRUDockPosition = position;
    m_rectMRUDockPos = rcDock;
}

void CXTPDockContext::StartDrag(CPoint pt)
{
    if (!m_pBar || !m_pBar->GetSafeHwnd() || !GetCommandBars())
        return;
    CBarHold hold(m_pBar);
    m_nTrackMode = 1;
    m_ptLast = pt;
    m_pBar->GetWindowRect(&m_rectDragFrame);
    m_rectWindow = m_rectDragFrame;
    m_sizeGrab = pt - m_rectDragFrame.TopLeft();
    BOOL bWasDocked = m_pBar->GetPosition() != xtpBarFloating;
    CXTPDockBar* pStartDockBar = m_pBar->GetDockBar();
    const UINT nStartDockID = pStartDockBar && pStartDockBar->GetSafeHwnd()
                                  ? static_cast<UINT>(pStartDockBar->GetDlgCtrlID())
                                  : m_uMRUDockID;
    // Where the bar stands as the drag begins, not where it was last dropped:
    // a bar the program docked was never dropped anywhere.
    CRect rcStartDock = m_rectMRUDockPos;
    if (pStartDockBar && pStartDockBar->GetSafeHwnd())
        rcStartDock = pStartDockBar->DockedRect(m_pBar);
    XTPBarPosition startSide = m_pBar->GetPosition();

    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
    // The thread's one mouse manager outlives any frame closed during the loop.
    CXTPMouseManager* pMouseManager = GetCommandBars()->GetMouseManager();
    pMouseManager->LockMouseMove();
    const HWND hBar = m_pBar->GetSafeHwnd();
    Track();
    pMouseManager->UnlockMouseMove();
    if (!::IsWindow(hBar) || m_pBar->GetPosition() != xtpBarFloating)
        return;
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    m_ptMRUFloatPos = rcWindow.TopLeft();
    if (bWasDocked && pStartDockBar)
        RememberDockBar(nStartDockID, startSide, rcStartDock);
}

void CXTPDockContext::StartResize(int nHitTest, CPoint pt)
{
    if (!m_pBar || !m_pBar->GetSafeHwnd() || nHitTest < HTLEFT || nHitTest > HTBOTTOMRIGHT)
        return;
    CBarHold hold(m_pBar);
    m_nTrackMode = nHitTest;
    m_ptLast = pt;
    m_pBar->GetWindowRect(&m_rectWindow);
    m_rectDragFrame = m_rectWindow;
    const HWND hBar = m_pBar->GetSafeHwnd();
    if (!Track() || !::IsWindow(hBar) || m_pBar->GetPosition() != xtpBarFloating)
        return;
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    m_ptMRUFloatPos = rcWindow.TopLeft();
    m_pBar->SetWidth(rcWindow.Width());
}

BOOL CXTPDockContext::Track()
{
    if (::GetCapture() != nullptr)
        return FALSE;
    HWND hWnd = m_pBar->GetSafeHwnd();
    ::SetCapture(hWnd);
    // A bar docked during the drag stops being a top-level window: on an X
    // display the pointer's grab ends with that window, and no pointer input
    // comes while the pointer is off the program's windows. The loop then
    // asks for the pointer's place itself.
    const UINT_PTR nPollTimer = ::SetTimer(nullptr, 0, kPointerPollMs, nullptr);
    CXTPHeldButtonLoop loop;
    MSG msg;
    while (::GetCapture() == hWnd && XTPGetDragLoopMessage(&msg, loop)) {
        if (msg.message == WM_MOUSEMOVE) {
            // The point the message was made at: the bar moves under the mouse.
            Follow(CPoint(msg.pt));
        } else if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == nPollTimer) {
            FollowPointerWithoutInput();
        } else {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        // A dispatched message may have closed the frame with its bars.
        if (!::IsWindow(hWnd)) {
            ::KillTimer(nullptr, nPollTimer);
            return TRUE;
        }
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->IdleRecalcLayout();
    }
    ::KillTimer(nullptr, nPollTimer);
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->GetOptions()->bDirty = TRUE;
    return TRUE;
}

void CXTPDockContext::Follow(CPoint pt)
{
    if (pt == m_ptLast)
        return;
    if (m_nTrackMode == 1)
        Move(pt);
    else
        Resize(pt);
}

void CXTPDockContext::FollowPointerWithoutInput()
{
    // Pointer input on its way keeps the order of its points.
    MSG msg;
    if (::PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE))
        return;
    CPoint pt;
    if (::GetCursorPos(&pt))
        Follow(pt);
}

void CXTPDockContext::Move(CPoint pt)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    CSize ptOffset = pt - m_ptLast;
    m_ptLast = pt;
    m_rectDragFrame.OffsetRect(ptOffset);
    m_rectWindow.OffsetRect(ptOffset);

    CXTPDockBar* pDockBar = pCommandBars->CanDock(pt, m_pBar->GetDockBar());
    if (pDockBar && MayDock(pDockBar->GetPosition())) {
        CXTPDockBar* pOldDockBar = m_pBar->GetDockBar();
        BOOL bWasFloating = m_pBar->GetPosition() == xtpBarFloating;
        if (!pCommandBars->DockCommandBar(m_pBar, &m_rectDragFrame, pDockBar))
            return;
        if (pDockBar == pOldDockBar && !bWasFloating)
            return;
        pCommandBars->RecalcFrameLayout(FALSE);
        m_pBar->GetWindowRect(&m_rectDragFrame);
        m_rectWindow = m_rectDragFrame;
        return;
    }
    if (!(m_pBar->GetFlags() & XTP_BARFLAG_FLOATING))
        return;
    if (m_pBar->GetPosition() != xtpBarFloating) {
        if (!pCommandBars->FloatCommandBar(m_pBar))
            return;
        pCommandBars->RecalcFrameLayout(FALSE);
    }
    CSize sz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    // The point pressed keeps its place in the bar as far as the new size
    // allows. Not the drag rectangle's: docking on the way replaced it by
    // the docked place, which has nothing to do with the press.
    const LONG xGrab = std::max(0L, std::min(m_sizeGrab.cx, static_cast<LONG>(sz.cx - 1)));
    const LONG yGrab = std::max(0L, std::min(m_sizeGrab.cy, static_cast<LONG>(sz.cy - 1)));
    CRect rc(CPoint(pt.x - xGrab, pt.y - yGrab), sz);
    KeepOnScreen(rc, XTPGetWorkAreaOfPoint(pt));
    m_rectWindow = rc;
    m_rectDragFrame = rc;
    m_pBar->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_pBar->Invalidate(FALSE);
}

void CXTPDockContext::Resize(CPoint pt)
{
    if (dynamic_cast<CXTPDialogBar*>(m_pBar))
        ResizeDialogBar(pt);
    else
        ResizeToolBar(pt);
}

void CXTPDockContext::ResizeDialogBar(CPoint pt)
{
    const CSize delta = pt - m_ptLast;
    m_ptLast = pt;
    if (DragsLeft(m_nTrackMode))
        m_rectDragFrame.left += delta.cx;
    if (DragsRight(m_nTrackMode))
        m_rectDragFrame.right += delta.cx;
    if (DragsTop(m_nTrackMode))
        m_rectDragFrame.top += delta.cy;
    if (DragsBottom(m_nTrackMode))
        m_rectDragFrame.bottom += delta.cy;

    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    if (m_rectDragFrame.Size() == rcWindow.Size() || !MeetsWorkArea(m_rectDragFrame))
        return;
    static_cast<CXTPDialogBar*>(m_pBar)->Resize(m_rectDragFrame, m_nTrackMode);
    m_pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CXTPDockContext::ResizeToolBar(CPoint pt)
{
    CRect rc = m_rectWindow;
    CSize sz;
    switch (m_nTrackMode) {
    case HTLEFT:
    case HTRIGHT: {
        int nWidth = m_nTrackMode == HTLEFT ? rc.right - pt.x : pt.x - rc.left;
        sz = m_pBar->CalcDynamicLayout(std::max(0, nWidth), LM_HORZ | LM_COMMIT);
        break;
    }
    case HTTOP:
    case HTBOTTOM: {
        int nHeight = m_nTrackMode == HTTOP ? rc.bottom - pt.y : pt.y - rc.top;
        sz = m_pBar->CalcDynamicLayout(std::max(0, nHeight), LM_HORZ | LM_LENGTHY | LM_COMMIT);
        break;
    }
    default:
        return;
    }
    m_ptLast = pt;
    if (sz == rc.Size())
        return;
    CRect rcNew(rc.TopLeft(), sz);
    if (m_nTrackMode == HTLEFT)
        rcNew.OffsetRect(rc.right - rcNew.right, 0);
    if (m_nTrackMode == HTTOP)
        rcNew.OffsetRect(0, rc.bottom - rcNew.bottom);
    if (!MeetsWorkArea(rcNew))
        return;
    m_rectWindow = rcNew;
    m_pBar->SetWindowPos(nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
    m_pBar->Invalidate(FALSE);
    m_pBar->UpdateWindow();
}

BOOL CXTPDockContext::ToggleDocking()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || !m_pBar->GetSafeHwnd())
        return FALSE;
    CBarHold hold(m_pBar);
    if (m_pBar->GetPosition() != xtpBarFloating) {
        if (!(m_pBar->GetFlags() & XTP_BARFLAG_FLOATING) ||
            !pCommandBars->GetOptions()->bDblClickFloat)
            return FALSE;
        CPoint pt = m_ptMRUFloatPos;
        CXTPDockBar* pDockBar = m_pBar->GetDockBar();
        if (pDockBar && pDockBar->GetSafeHwnd()) {
            // The place it leaves is where it docks back, wherever it floats.
            RememberDockBar(static_cast<UINT>(pDockBar->GetDlgCtrlID()), pDockBar->GetPosition(),
                            pDockBar->DockedRect(m_pBar));
            // No floating place yet: over the docked one (by the screen's
            // corner, which on a mirrored dock bar is not its client start).
            if (pt.x <= 0 || pt.y <= 0) {
                CRect rcDocked;
                m_pBar->GetWindowRect(&rcDocked);
                pt = rcDocked.TopLeft();
            }
        }
        if (!pCommandBars->FloatCommandBar(m_pBar))
            return FALSE;
        CSize sz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
        m_pBar->SetWindowPos(nullptr, pt.x, pt.y, sz.cx, sz.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        m_ptMRUFloatPos = pt;
        pCommandBars->RecalcFrameLayout(FALSE);
    } else {
        if (!(m_pBar->GetFlags() & (XTP_BARFLAG_DOCKMASK & ~XTP_BARFLAG_FLOATING)))
            return FALSE;
        CXTPDockBar* pDockBar = pCommandBars->GetDockBar(m_uMRUDockPosition);
        if (!pDockBar)
            return FALSE;
        CRect rcWindow;
        m_pBar->GetWindowRect(&rcWindow);
        m_ptMRUFloatPos = rcWindow.TopLeft();
        // No place known (floated by the program, or stored so): it docks
        // in a row of its own after the others rather than over the first.
        CRect rc = m_rectMRUDockPos;
        pDockBar->ClientToScreen(&rc);
        if (!pCommandBars->DockCommandBar(m_pBar, HasDockPlace() ? &rc : nullptr, pDockBar))
            return FALSE;
        pCommandBars->RecalcFrameLayout(FALSE);
    }
    pCommandBars->GetOptions()->bDirty = TRUE;
    return TRUE;
}

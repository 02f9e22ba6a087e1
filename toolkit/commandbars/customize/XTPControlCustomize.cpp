// A control under the mouse in customize mode: dragged to another place or
// resized at its edges; and hovering while a popup is open.
#include <algorithm>
#include <cstdlib>
#include "toolkit/common/input/XTPHeldButtonLoop.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"
#include "toolkit/common/resources/XTPResourceManager.h"

namespace {

// Edit and combo boxes share the report's column-resize cursor.
const UINT kResizeCursor = 9972;
const int kResizeEdge = 2;
const int kFrameWidth = 2;

void InvertFrame(HDC hDC, const RECT& rc)
{
    RECT edges[4] = {{rc.left, rc.top, rc.right, rc.top + kFrameWidth},
                     {rc.left, rc.bottom - kFrameWidth, rc.right, rc.bottom},
                     {rc.left, rc.top + kFrameWidth, rc.left + kFrameWidth, rc.bottom - kFrameWidth},
                     {rc.right - kFrameWidth, rc.top + kFrameWidth, rc.right, rc.bottom - kFrameWidth}};
    for (const RECT& edge : edges)
        InvertRect(hDC, &edge);
}

// A press or the pointer this close to a side of the control resizes it.
BOOL IsOnResizeEdge(const CRect& rc, CPoint point)
{
    return rc.PtInRect(point) && (point.x - rc.left <= kResizeEdge || rc.right - point.x <= kResizeEdge + 1);
}

} // namespace

void CXTPControl::OnMouseHover()
{
    if (!m_pParent)
        return;
    BOOL bWasOpen = m_pParent->GetPopupedIndex() != -1;
    m_pParent->SetPopuped(-1);
    if (bWasOpen && m_pParent->IsTrackingMode() == xtpTrackingPopup && m_pParent->GetPosition() != xtpBarPopup)
        m_pParent->SetTrackingMode(FALSE, TRUE, FALSE);
}

void CXTPControl::CustomizeStartDrag(CPoint pt)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPCommandBar* pBar = m_pParent;
    if (!pCommandBars || !pBar)
        return;
    if (pCommandBars->GetDragControl() == this && IsCustomizeResizeAllow() && CustomizeStartResize(pt))
        return;

    // Dragging away removes this control: keep it alive until done here.
    InternalAddRef();
    pBar->InternalAddRef();
    pCommandBars->SetCustomizeSelection(this);
    DROPEFFECT result = pCommandBars->GetDragHelper()->DragControl(this);
    if (result == 0 || result == DROPEFFECT_MOVE) {
        pBar->SetPopuped(-1);
        pBar->SetSelected(-1);
        if (pCommandBars->GetDragControl() == this)
            pCommandBars->SetCustomizeSelection(nullptr);
        CXTPControls* pControls = m_pControls;
        if (pControls) {
            CXTPControl* pNext = pControls->GetAt(m_nIndex + 1);
            if (m_bBeginGroup && pNext)
                pNext->SetBeginGroup(TRUE);
            if (m_nIndex == 0 && pNext)
                pNext->SetBeginGroup(FALSE);
            pControls->Remove(this);
        }
        pBar->OnRecalcLayout();
        CXTPControl* pSelection = pCommandBars->GetDragControl();
        pCommandBars->SetCustomizeSelection(nullptr);
        pCommandBars->SetCustomizeSelection(pSelection);
    } else {
        CXTPControl* pSelection = pCommandBars->GetDragControl();
        pCommandBars->SetCustomizeSelection(nullptr);
        pCommandBars->SetCustomizeSelection(pSelection);
    }
    pBar->InternalRelease();
    InternalRelease();
}

BOOL CXTPControl::SetCustomizeResizeCursor(CPoint point) const
{
    if (!IsCustomizeResizeAllow() || !IsOnResizeEdge(m_rcControl, point))
        return FALSE;
    ::SetCursor(XTPGetResourceManager()->LoadCursor(kResizeCursor));
    return TRUE;
}

BOOL CXTPControl::CustomizeStartResize(CPoint point)
{
    CXTPCommandBar* pBar = m_pParent;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pBar || !pBar->GetSafeHwnd() || !IsOnResizeEdge(m_rcControl, point))
        return FALSE;

    CXTPControl* pSelection = pCommandBars ? pCommandBars->GetDragControl() : nullptr;
    if (pCommandBars)
        pCommandBars->SetCustomizeSelection(nullptr);
    ::UpdateWindow(pBar->GetSafeHwnd());
    CRect rc = m_rcControl;
    pBar->ClientToScreen(&rc);
    HWND hBar = pBar->GetSafeHwnd();
    ::SetCapture(hBar);
    ::SetCursor(XTPGetResourceManager()->LoadCursor(kResizeCursor));
    HWND hDesktop = ::GetDesktopWindow();
    BOOL bLocked = ::LockWindowUpdate(hDesktop);
    HDC hDC = ::GetDCEx(hDesktop, nullptr, DCX_WINDOW | DCX_CACHE | (bLocked ? DCX_LOCKWINDOWUPDATE : 0));
    InvertFrame(hDC, rc);

    BOOL bMoveLeft = point.x - m_rcControl.left < 3;
    // Positions come from the messages: input may be queued ahead of the loop.
    POINT ptCursor = point;
    pBar->ClientToScreen(&ptCursor);
    int nOffset = bMoveLeft ? ptCursor.x - rc.left : ptCursor.x - rc.right;
    int nMinimum = GetCustomizeMinWidth();
    BOOL bAccept = FALSE;
    CXTPHeldButtonLoop loop;
    MSG msg;
    while (::GetCapture() == hBar) {
        BOOL bResult = loop.GetMessage(&msg);
        if (bResult == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (bResult == -1)
            break;
        if (msg.message == WM_MOUSEMOVE) {
            ptCursor = msg.pt;
            CRect rcNew = rc;
            if (bMoveLeft)
                rcNew.left = std::min(static_cast<int>(ptCursor.x - nOffset), static_cast<int>(rc.right) - nMinimum);
            else
                rcNew.right = std::max(static_cast<int>(ptCursor.x - nOffset), static_cast<int>(rc.left) + nMinimum);
            if (rcNew != rc) {
                InvertFrame(hDC, rc);
                rc = rcNew;
                InvertFrame(hDC, rc);
            }
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            break;
        } else if (msg.message == WM_LBUTTONUP) {
            bAccept = TRUE;
            break;
        } else {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    InvertFrame(hDC, rc);
    ::ReleaseDC(hDesktop, hDC);
    if (bLocked)
        ::LockWindowUpdate(nullptr);
    if (::GetCapture() == hBar)
        ::ReleaseCapture();
    if (pCommandBars)
        pCommandBars->SetCustomizeSelection(pSelection);
    if (!::IsWindow(hBar))
        return TRUE;
    if (bAccept && rc.Width() != m_rcControl.Width()) {
        SetWidth(rc.Width());
        pBar->OnRecalcLayout();
    }
    pBar->ClearPendingFlags(XTP_BAR_PENDING_REDRAW);
    if (!pBar->IsRedrawLocked())
        ::InvalidateRect(hBar, nullptr, FALSE);
    return TRUE;
}

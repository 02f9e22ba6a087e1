// Tearing a menu off: a press on the popup's gripper and a drag away from it
// float the menu's controls as a toolbar that stays when the menu closes.
#include "framework/windows/AfxMessages.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPModalLoopMessage.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {
// How far from the gripper the pointer still counts as near it.
const int kTearOffNear = 10;
// The pointer's place below the floating toolbar's top edge.
const int kPointerBelowTop = 10;
} // namespace

void CXTPPopupBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bTearOffPopup || IsCustomizeMode() || !m_rcTearOffGripper.PtInRect(point)) {
        CXTPCommandBar::OnLButtonDown(nFlags, point);
        return;
    }
    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    pMouseManager->LockMouseMove();
    m_bTearOffPressed = TRUE;
    // The loop may close this popup: the bar outlives it.
    InternalAddRef();
    TrackTearOff();
    m_bTearOffPressed = FALSE;
    pMouseManager->UnlockMouseMove();
    InternalRelease();
}

void CXTPPopupBar::TrackTearOff()
{
    if (::GetCapture() != nullptr)
        return;
    m_pTearOffBar = nullptr;
    SetCapture();
    CRect rcNear = m_rcTearOffGripper;
    ClientToScreen(&rcNear);
    rcNear.InflateRect(kTearOffNear, kTearOffNear);
    CPoint ptLast(-1, -1);
    BOOL bFar = FALSE;
    CXTPHeldButtonLoop loop;
    MSG msg;
    while (::GetCapture() == m_hWnd && XTPGetDragLoopMessage(&msg, loop)) {
        if (msg.message != WM_MOUSEMOVE) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            continue;
        }
        CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
        ::ClientToScreen(msg.hwnd, &pt);
        if (pt == ptLast)
            continue;
        ptLast = pt;
        // Bounds included: on the grown rectangle's far edges still near.
        BOOL bNowFar = pt.x < rcNear.left || pt.x > rcNear.right || pt.y < rcNear.top || pt.y > rcNear.bottom;
        if (bNowFar != bFar) {
            bFar = bNowFar;
            if (bFar)
                ShowTearOffBar(pt);
            else
                HideTearOffBar();
        }
        if (m_pTearOffBar)
            MoveTearOffBar(pt);
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_pTearOffBar) {
        m_pTearOffBar = nullptr;
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->ClosePopups();
    }
}

void CXTPPopupBar::ShowTearOffBar(CPoint ptScreen)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == nullptr)
        return;
    CXTPToolBar* pBar = pCommandBars->FindToolBar(m_nTearOffID);
    if (pBar) {
        pBar->SetPosition(xtpBarFloating);
        pBar->SetVisible(TRUE);
        pCommandBars->RecalcFrameLayout(FALSE);
    } else {
        pBar = pCommandBars->AddCustomBar(m_strTearOffCaption, m_nTearOffID, TRUE);
        if (pBar == nullptr)
            return;
        pBar->SetWidth(m_nTearOffWidth);
        for (int i = 0; i < GetControlCount(); i++) {
            CXTPControl* pControl = GetControl(i);
            if (pControl->GetID() == XTP_ID_POPUPBAR_EXPAND && pControl->IsKindOf(RUNTIME_CLASS(CXTPControlExpandButton)))
                continue;
            CXTPControl* pCopy = pBar->GetControls()->AddClone(pControl, -1, TRUE);
            pCopy->SetHideFlags(pCopy->GetHideFlags() & ~static_cast<DWORD>(xtpHideScroll | xtpHideExpand));
        }
    }
    m_pTearOffBar = pBar;
    MoveTearOffBar(ptScreen);
}

void CXTPPopupBar::HideTearOffBar()
{
    CXTPToolBar* pBar = m_pTearOffBar;
    m_pTearOffBar = nullptr;
    // A hidden tear-off bar leaves the manager.
    if (pBar)
        pBar->SetVisible(FALSE);
}

void CXTPPopupBar::MoveTearOffBar(CPoint ptScreen)
{
    CXTPToolBar* pBar = m_pTearOffBar;
    if (pBar == nullptr || !pBar->GetSafeHwnd())
        return;
    CSize sz = pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    pBar->SetWindowPos(nullptr, ptScreen.x - sz.cx / 2, ptScreen.y - kPointerBelowTop, sz.cx, sz.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    pBar->Invalidate(FALSE);
}

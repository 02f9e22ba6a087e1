// The bar window's messages: painting, hot tracking, clicks, timers.
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/AfxMessages.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/customize/XTPCustomizeDialogBase.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "framework/windows/CFrameWnd.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/drawing/XTPWindowHelpers.h"

namespace {
const UINT kShowFullDelay = 5000;
} // namespace

BEGIN_MESSAGE_MAP(CXTPCommandBar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINT, OnPrint)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_NCMOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_CREATE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMessage)
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

LRESULT CXTPCommandBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    InternalAddRef();
    if (message == WM_PARENTNOTIFY)
        m_childWindows.Forget();
    if (m_pToolTipContext)
        m_pToolTipContext->FilterToolTipMessage(this, message, wParam, lParam);
    LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
    InternalRelease();
    return lResult;
}

void CXTPCommandBar::DrawCommandBar(CDC* pDC, CRect /*rcClipBox*/)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->FillCommandBarEntry(pDC, this);
    if ((m_dwStyle & CBRS_GRIPPER) || m_barPosition == xtpBarFloating)
        pPaintManager->DrawCommandBarGripper(pDC, this, TRUE);
    BOOL bFirst = TRUE;
    CXTPControl* pCustomizeSelected = nullptr;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (IsCustomizeMode() && pCommandBars)
        pCustomizeSelected = pCommandBars->GetDragControl();
    // The bar's font is selected once for all controls, again only where a
    // control wants another one or left another one selected: selecting a
    // font costs about as much as drawing a short text.
    CXTPFontDC font(pDC, nullptr);
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (!pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        CFont* pFont = pPaintManager->GetCommandBarFont(this, pControl->IsDefaultItem());
        if (pFont && ::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT) != pFont->GetSafeHandle())
            font.SetFont(pFont);
        pControl->Draw(pDC);
        if (pControl == pCustomizeSelected) {
            CRect rc = pControl->GetRect();
            pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(rc, RGB(0, 0, 0), RGB(0, 0, 0));
        }
    }
    if (IsCustomizeMode())
        DrawDropMarker(pDC);
}

void CXTPCommandBar::OnPaint()
{
    CPaintDC paint(this);
    CXTPClientRect rc(GetSafeHwnd());
    CXTPBufferDC dc(paint.m_hDC, rc);
    DrawCommandBar(&dc, rc);
}

BOOL CXTPCommandBar::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

LRESULT CXTPCommandBar::OnPrint(WPARAM wParam, LPARAM /*lParam*/)
{
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    if (pDC)
        DrawCommandBar(pDC, CXTPClientRect(GetSafeHwnd()));
    return 1;
}

void CXTPCommandBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    BOOL bActive = m_bTracking || XTPIsTopParentActive(GetSafeHwnd());
    if (!GetSafeHwnd() || pMouseManager->IsTrackingElsewhere(this) || pMouseManager->IsMouseLocked() ||
        (!bActive && m_barType != xtpBarTypePopup))
        return;
    if (IsCustomizeMode()) {
        // Only the control being customized reacts: its edges resize it.
        CXTPCommandBars* pCommandBars = GetCommandBars();
        CXTPControl* pCustomized = pCommandBars ? pCommandBars->GetDragControl() : nullptr;
        if (pCustomized && pCustomized->GetParent() == this)
            pCustomized->SetCustomizeResizeCursor(point);
        return;
    }
    int nTarget = -1;
    if (m_bTracking && (m_barType != xtpBarTypePopup || m_nPopuped != -1 || m_bKeyboardSelect))
        nTarget = m_nSelected;
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (!pControl->IsVisible() || !pControl->GetRect().PtInRect(point))
            continue;
        nTarget = i;
        pMouseManager->TrackMouseLeave(GetSafeHwnd());
        pControl->OnMouseMove(point);
    }
    SetSelected(nTarget, FALSE);
}

void CXTPCommandBar::OnMouseGone()
{
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    BOOL bKeep = pMouseManager->IsMouseLocked() ||
                 (m_bTracking && (m_barType != xtpBarTypePopup || m_nPopuped != -1)) || m_nLockCount > 0;
    if (!bKeep)
        SetSelected(-1, FALSE);
}

void CXTPCommandBar::OnMouseLeave()
{
    OnMouseGone();
}

void CXTPCommandBar::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    OnMouseGone();
    CWnd::OnNcMouseMove(nHitTest, point);
}

void CXTPCommandBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    if (IsCustomizeMode() && !pControl->IsCustomizeMovable())
        return;
    if (StartAltDrag(pControl, point))
        return;
    pControl->OnClick(FALSE, point);
}

BOOL CXTPCommandBar::StartAltDrag(CXTPControl* pControl, CPoint point)
{
    // Alt held over a toolbar's control: a quick customize drag.
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (GetKeyState(VK_MENU) >= 0 || IsCustomizeMode() || !pCommandBars || !IsKindOf(RUNTIME_CLASS(CXTPToolBar)) ||
        !pControl->IsCustomizeMovable() || !pCommandBars->IsCustomizeAvail() ||
        !pCommandBars->GetOptions()->bAltDragCustomization)
        return FALSE;
    InternalAddRef();
    pCommandBars->SetQuickCustomizeMode(TRUE);
    SetPopuped(-1);
    SetSelected(-1);
    pControl->CustomizeStartDrag(point);
    pCommandBars->SetQuickCustomizeMode(FALSE);
    pCommandBars->SetCustomizeSelection(nullptr);
    CFrameWnd* pFrame = GetSiteFrame();
    if (pFrame && pFrame->GetSafeHwnd())
        pFrame->RecalcLayout();
    InternalRelease();
    return TRUE;
}

LRESULT CXTPCommandBar::OnHelpHitTest(WPARAM /*wParam*/, LPARAM lParam)
{
    CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (pControl)
        return 0x10000 + (pControl->GetHelpId() > 0 ? pControl->GetHelpId() : pControl->GetID());
    int nDlgId = GetSafeHwnd() ? ::GetDlgCtrlID(GetSafeHwnd()) : 0;
    return nDlgId ? 0x50000 + nDlgId : 0;
}

LRESULT CXTPCommandBar::OnNcHitTest(CPoint point)
{
    if (!IsHelpMode())
        return CWnd::OnNcHitTest(point);
    // Popup controls without a command of their own answer as a menu, so the help cursor
    // lets the click open them instead of asking for their help.
    ScreenToClient(&point);
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (pControl && pControl->GetID() <= 0) {
        XTPControlType type = pControl->GetType();
        if (type == xtpControlPopup || type == xtpControlButtonPopup || type == xtpControlSplitButtonPopup)
            return HTMENU;
    }
    return HTCLIENT;
}

void CXTPCommandBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!IsHelpMode()) {
        CWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    ScreenToClient(&point);
    OnLButtonDown(0, point);
}

void CXTPCommandBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl) {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    if (!IsCustomizeMode())
        pControl->OnLButtonUp(point);
}

void CXTPCommandBar::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (pControl && !IsCustomizeMode())
        pControl->OnLButtonDblClk(point);
}

void CXTPCommandBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!IsCustomizeMode() || !pCommandBars || !IsCustomizable() || !pControl || !pControl->IsVisible() ||
        !pControl->IsCustomizeMovable()) {
        CWnd::OnRButtonDown(nFlags, point);
        return;
    }
    SetPopuped(-1);
    SetSelected(-1);
    pCommandBars->SetCustomizeSelection(pControl);
    CWnd* pDialog = pCommandBars->GetCustomizeDialog();
    auto* pCustomize = dynamic_cast<CXTPCustomizeDialogBase*>(pDialog);
    if (pCustomize && pDialog->GetSafeHwnd()) {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        pCustomize->ShowContextMenu(ptScreen);
    }
}

void CXTPCommandBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl || IsCustomizeMode()) {
        CWnd::OnRButtonUp(nFlags, point);
        return;
    }
    CWnd* pSite = GetOwnerSite();
    if (pSite && pSite->GetSafeHwnd() &&
        pSite->SendMessage(WM_XTP_CONTROL_RBUTTONUP, reinterpret_cast<WPARAM>(&point),
                           reinterpret_cast<LPARAM>(pControl)) == 1)
        return;
    if (GetRootParent()->m_bRightButton)
        pControl->OnLButtonUp(point);
    else
        pControl->OnRButtonUp(point);
}

void CXTPCommandBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != XTP_IDT_BAR_HOVER && nIDEvent != XTP_IDT_BAR_SHOWFULL) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (m_nLockCount > 0)
        return;
    KillTimer(nIDEvent);
    CXTPControl* pSelected = GetControl(m_nSelected);
    if (nIDEvent == XTP_IDT_BAR_HOVER && pSelected)
        pSelected->OnMouseHover();
    if (nIDEvent == XTP_IDT_BAR_SHOWFULL)
        ShowFullPopupAfterDelay();
}

void CXTPCommandBar::ShowFullPopupAfterDelay()
{
    // The pointer rested on the title of the open menu: show all its commands.
    CXTPControl* pSelected = GetControl(m_nSelected);
    if (m_nPopuped == -1 || m_nSelected != m_nPopuped || !pSelected || !pSelected->IsCursorOver() ||
        pSelected->GetType() != xtpControlPopup)
        return;
    CXTPPopupBar* pPopupBar = dynamic_cast<CXTPPopupBar*>(pSelected->GetCommandBar());
    if (pPopupBar)
        pPopupBar->ExpandBar();
}

int CXTPCommandBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && m_barPosition != xtpBarListBox)
        pCommandBars->GetDragHelper()->AddDropTarget(this);
    CXTPToolTipContext* pContext = pCommandBars ? pCommandBars->GetToolTipContext() : nullptr;
    if (pContext && pContext != m_pToolTipContext) {
        pContext->InternalAddRef();
        if (m_pToolTipContext)
            m_pToolTipContext->InternalRelease();
        m_pToolTipContext = pContext;
    } else if (!pCommandBars && m_barType != xtpBarTypePopup) {
        EnableToolTips(TRUE);
    }
    return 0;
}

void CXTPCommandBar::OnDestroy()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && m_barPosition != xtpBarListBox)
        pCommandBars->GetDragHelper()->RemoveDropTarget(this);
    if (m_bTracking)
        SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
    CWnd::OnDestroy();
}

LRESULT CXTPCommandBar::OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM /*lParam*/)
{
    OnIdleUpdateCmdUI(wParam, 0);
    return 0;
}

// The frame's first showing: the controls get their states before the first idle.
LRESULT CXTPCommandBar::OnInitialUpdateMessage(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    UpdateCmdUINow();
    return 0;
}

void CXTPCommandBar::UpdateCmdUINow()
{
    OnIdleUpdateCmdUI(TRUE, 0);
}

BOOL CXTPCommandBar::SetPopuped(int nPopuped, BOOL bKeyboard)
{
    if (nPopuped == m_nPopuped || !GetSafeHwnd())
        return FALSE;
    LockRedraw();
    if (m_nPopuped != -1) {
        CXTPControl* pOpen = GetControl(m_nPopuped);
        m_nPopuped = -1;
        if (pOpen)
            pOpen->OnSetPopup(FALSE);
    }
    if (nPopuped != -1) {
        CXTPControl* pControl = GetControl(nPopuped);
        if (!pControl || !pControl->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)) || !pControl->GetEnabled()) {
            UnlockRedraw();
            return FALSE;
        }
        m_nPopuped = nPopuped;
        SetTrackingMode(xtpTrackingPopup, FALSE, bKeyboard);
        SetSelected(nPopuped, bKeyboard);
        pControl->OnSetPopup(TRUE);
        CXTPCommandBars* pCommandBars = GetCommandBars();
        if (pCommandBars && pCommandBars->GetOptions()->bShowFullAfterDelay && GetSafeHwnd())
            SetTimer(XTP_IDT_BAR_SHOWFULL, kShowFullDelay, nullptr);
    }
    UnlockRedraw();
    return TRUE;
}

// Popup bars: opening next to a control or at a point, placement inside the
// work area, tracking, animation and the popup window's own messages.
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/input/XTPModalLoopMessage.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CClientDC.h"
#include "framework/windows/CMiniFrameWnd.h"
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/XTPCreateOfClass.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPShadowsManager.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"

IMPLEMENT_DYNCREATE(CXTPPopupBar, CXTPCommandBar)

BEGIN_MESSAGE_MAP(CXTPPopupBar, CXTPCommandBar)
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_NCACTIVATE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CXTPPopupBar::CXTPPopupBar()
    : m_pControlPopup(nullptr)
    , m_pParentBar(nullptr)
    , m_ptPopup(0, 0)
    , m_rcExclude(0, 0, 0, 0)
    , m_popupFlags(0)
    , m_bLayoutRunning(FALSE)
    , m_bHiddenExists(FALSE)
    , m_bExpanded(FALSE)
    , m_bAnimateNext(FALSE)
    , m_bShadow(TRUE)
    , m_bDoubleGripper(FALSE)
    , m_rcBorders(2, 4, 2, 4)
    , m_bScrolling(FALSE)
    , m_nFirstShown(0)
    , m_nLastShown(0)
    , m_rcScrollUp(0, 0, 0, 0)
    , m_rcScrollDown(0, 0, 0, 0)
    , m_nScrollTimer(0)
    , m_nScrollHeight(0)
    , m_szLast(0, 0)
{
    m_barType = xtpBarTypePopup;
    m_barPosition = xtpBarPopup;
}

CXTPPopupBar::~CXTPPopupBar()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

CRuntimeClass* CXTPPopupBar::m_pPopupBarClass = RUNTIME_CLASS(CXTPPopupBar);

CXTPPopupBar* CXTPPopupBar::CreatePopupBar(CXTPCommandBars* pCommandBars)
{
    auto* pBar = XTPCreateOfClass<CXTPPopupBar>(m_pPopupBarClass);
    // A class that makes no popup bar gives the plain one.
    if (pBar == nullptr)
        pBar = new CXTPPopupBar();
    pBar->SetCommandBars(pCommandBars);
    return pBar;
}

BOOL CXTPPopupBar::IsVisible() const
{
    return GetSafeHwnd() && ::IsWindowVisible(GetSafeHwnd());
}

BOOL CXTPPopupBar::CreatePopupWindow()
{
    if (GetSafeHwnd())
        return TRUE;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    UINT nClassStyle = CS_DBLCLKS;
    if (!pCommandBars || pCommandBars->GetOptions()->bSaveBits)
        nClassStyle |= CS_SAVEBITS;
    CString strClass = AfxRegisterWndClass(nClassStyle, ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
    DWORD dwExStyle = WS_EX_TOOLWINDOW;
    if (pCommandBars ? pCommandBars->IsLayoutRTL() : IsLayoutRTL())
        dwExStyle |= WS_EX_LAYOUTRTL;
    CWnd* pSite = GetSite();
    HWND hParent = nullptr;
    if (pSite && pSite->GetSafeHwnd())
        hParent = ::GetAncestor(pSite->GetSafeHwnd(), GA_ROOT);
    if (!CreateEx(dwExStyle, strClass, L"", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE, 0, 0, 0,
                  0, hParent, nullptr))
        return FALSE;
    if (pSite)
        SetOwner(pSite);
    return TRUE;
}

BOOL CXTPPopupBar::Popup(int x, int y, LPCRECT lpExclude)
{
    m_ptPopup = CPoint(x, y);
    m_rcExclude = lpExclude ? CRect(*lpExclude) : CRect(0, 0, 0, 0);
    return Open(FALSE, FALSE);
}

BOOL CXTPPopupBar::Popup(CXTPControl* pControl, BOOL bSelectFirst)
{
    m_pControlPopup = pControl;
    if (pControl)
        m_pParentBar = pControl->GetParent();
    return Open(bSelectFirst, pControl != nullptr);
}

BOOL CXTPPopupBar::Open(BOOL bSelectFirst, BOOL bFromControl)
{
    if (!CreatePopupWindow())
        return FALSE;

    LockRedraw();
    CWnd* pSite = GetOwnerSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(WM_XTP_POPUP_OPENING, 0, reinterpret_cast<LPARAM>(this));

    CXTPCommandBars* pCommandBars = GetCommandBars();
    // A gripper left hot by the last opening is cold until the pointer is on it.
    m_bTearOffHot = FALSE;
    m_bHiddenExists = FALSE;
    m_bExpanded = IsCustomizeMode() || XTPMouseManager()->IsForceExpanded();
    m_bScrolling = FALSE;
    m_nFirstShown = 0;

    UpdateShortcuts();
    if (bFromControl)
        UpdateLocation();
    m_szLast = CalcDynamicLayout(0, 0);
    PlaceWindow(TRUE);

    HWND hWnd = GetSafeHwnd();
    if (!hWnd) {
        UnlockRedraw();
        return FALSE;
    }
    if (m_pParentBar && !m_pParentBar->GetSafeHwnd()) {
        UnlockRedraw();
        SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
        return FALSE;
    }

    SetTrackingMode(TRUE, bSelectFirst, bSelectFirst);
    OnIdleUpdateCmdUI(TRUE, FALSE);
    m_dwPendingFlags &= ~(XTP_BAR_PENDING_LAYOUT | XTP_BAR_PENDING_REDRAW);
    if (GetSafeHwnd()) {
        BOOL bParentAllows = !m_pParentBar;
        CXTPPopupBar* pParentPopup = dynamic_cast<CXTPPopupBar*>(m_pParentBar);
        if (pParentPopup && pParentPopup->m_bAnimateNext) {
            bParentAllows = TRUE;
            pParentPopup->m_bAnimateNext = FALSE;
        } else if (m_pParentBar && !pParentPopup) {
            bParentAllows = TRUE;
        }
        if (!IsCustomizeMode() && bParentAllows)
            AnimateWindow();
        XTPSoundManager()->PlaySystemSound(xtpSoundMenuPopup);
        if (m_barPosition == xtpBarPopup && m_bShadow && pCommandBars) {
            XTPShadowsManager()->RemoveShadow(this);
            XTPShadowsManager()->SetShadow(this, m_rcExclude);
        }
    }
    UnlockRedraw();
    return TRUE;
}

void CXTPPopupBar::UpdateLocation()
{
    if (!m_pControlPopup)
        return;
    CXTPCommandBar* pParent = m_pControlPopup->GetParent();
    m_popupFlags = 0;
    if ((m_pControlPopup->GetFlags() & 4) || IsLayoutRTL())
        m_popupFlags = xtpPopupLeft;
    if (pParent) {
        CXTPPopupBar* pParentPopup = dynamic_cast<CXTPPopupBar*>(pParent);
        if (pParent->GetPosition() == xtpBarPopup && (pParent->GetFlags() & 0x200000)) {
            m_popupFlags |= xtpPopupDown;
        } else {
            switch (pParent->GetPosition()) {
            case xtpBarRight:
                m_popupFlags = xtpPopupLeft;
                break;
            case xtpBarLeft:
            case xtpBarPopup:
                if (pParentPopup && (pParentPopup->m_popupFlags & xtpPopupLeft))
                    m_popupFlags = xtpPopupLeft;
                break;
            default:
                m_popupFlags |= xtpPopupDown;
                break;
            }
        }
    }
    CRect rc = m_pControlPopup->GetRect();
    if (m_pControlPopup->GetType() == xtpControlComboBox && !dynamic_cast<CXTPPopupBar*>(pParent)) {
        m_popupFlags |= xtpPopupDown;
    } else {
        CXTPControlPopup* pPopupControl = dynamic_cast<CXTPControlPopup*>(m_pControlPopup);
        if (pPopupControl)
            pPopupControl->AdjustExcludeRect(rc);
    }
    if (pParent && pParent->GetSafeHwnd())
        pParent->ClientToScreen(&rc);
    m_rcExclude = rc;
    m_ptPopup = (m_popupFlags & xtpPopupDown) ? CPoint(rc.left, rc.bottom) : CPoint(rc.right, rc.top);
}

CRect CXTPPopupBar::CalcPopupRect(CPoint pt, const CRect& rcExclude, DWORD& dwFlags, CSize sz, const CRect& rcWork,
                                  BOOL& bShortened)
{
    bShortened = FALSE;
    int x = pt.x, y = pt.y, cx = sz.cx, cy = sz.cy;
    int nBottom = rcWork.bottom - 5;
    BOOL bWidth = rcExclude.Width() != 0;
    BOOL bHeight = rcExclude.Height() != 0;

    if (dwFlags == (xtpPopupLeft | xtpPopupDown) && bWidth)
        x = rcExclude.right - cx;
    else if ((dwFlags & xtpPopupLeft) && bWidth)
        x = rcExclude.left - cx;
    else if (dwFlags & xtpPopupLeft)
        x -= cx;

    if (!bHeight && y > nBottom) {
        y -= cy;
    } else if (y + cy > nBottom) {
        if (!bHeight) {
            y = (y < rcWork.top + (nBottom - rcWork.top) / 2 ? nBottom : y) - cy;
        } else if (dwFlags & xtpPopupDown) {
            y = rcExclude.top - cy;
            if (y < rcWork.top) {
                bShortened = TRUE;
                if (rcExclude.CenterPoint().y < rcWork.top + (nBottom - rcWork.top) / 2) {
                    y = rcExclude.bottom;
                    cy = nBottom - rcExclude.bottom;
                } else {
                    y = rcWork.top;
                    cy = rcExclude.top - rcWork.top;
                }
            }
        } else {
            y = nBottom - cy;
        }
        if (y < rcWork.top)
            y = rcWork.top;
        if (y + cy > nBottom) {
            cy = nBottom - y;
            bShortened = TRUE;
        }
    }

    if (x + cx <= rcWork.right && x < rcWork.left) {
        if (bWidth) {
            x = (dwFlags & xtpPopupDown) ? rcWork.left : rcExclude.right;
            dwFlags &= ~static_cast<DWORD>(xtpPopupLeft);
        } else if (dwFlags & xtpPopupLeft) {
            // The work area's edge, not the screen origin: a monitor left of
            // the primary or a taskbar on the left starts elsewhere.
            x = rcWork.left;
            dwFlags &= ~static_cast<DWORD>(xtpPopupLeft);
        }
    } else if (x + cx > rcWork.right) {
        if (!bWidth && x > rcWork.right)
            x -= cx;
        else if (!bWidth)
            x = rcWork.right - cx;
        else {
            x = ((dwFlags & xtpPopupDown) ? rcWork.right : rcExclude.left) - cx;
            dwFlags |= xtpPopupLeft;
        }
    }
    return CRect(x, y, x + cx, y + cy);
}

void CXTPPopupBar::PlaceWindow(BOOL bFirstShow)
{
    if (!GetSafeHwnd())
        return;
    CRect rcWork = m_rcExclude.IsRectEmpty() && m_rcExclude.Width() == 0 ? XTPGetWorkAreaOfPoint(m_ptPopup)
                                                                          : XTPGetWorkAreaOfRect(m_rcExclude);
    BOOL bShortened = FALSE;
    CRect rc = CalcPopupRect(m_ptPopup, m_rcExclude, m_popupFlags, m_szLast, rcWork, bShortened);
    if (bShortened && m_barType == xtpBarTypePopup) {
        m_bScrolling = TRUE;
        m_nFirstShown = 0;
        m_nScrollHeight = rc.Height();
        CClientDC dc(this);
        LayoutScrolled(&dc, FALSE);
    }
    UINT nFlags = SWP_NOOWNERZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE;
    if (!bFirstShow || ::IsWindowVisible(GetSafeHwnd()))
        nFlags |= SWP_NOZORDER;
    ::SetWindowPos(GetSafeHwnd(), HWND_TOPMOST, rc.left, rc.top, rc.Width(), rc.Height(), nFlags);
}

int CXTPPopupBar::GetAnimationType() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || (GetSafeHwnd() && ::GetWindow(GetSafeHwnd(), GW_CHILD)))
        return xtpAnimateNone;
    long nType = pCommandBars->GetOptions()->animationType;
    if (nType == xtpAnimateWindowsDefault) {
        BOOL bAnimation = FALSE;
        if (!::SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &bAnimation, 0) || !bAnimation)
            return xtpAnimateNone;
        BOOL bFade = FALSE;
        if (!::SystemParametersInfoW(SPI_GETMENUFADE, 0, &bFade, 0) || !bFade)
            return xtpAnimateUnfold;
        return xtpAnimateFade;
    }
    if (nType == xtpAnimateRandom) {
        static const int kRandomTypes[] = {xtpAnimateFade, xtpAnimateUnfold, xtpAnimateSlide};
        return kRandomTypes[rand() % 3];
    }
    return static_cast<int>(nType);
}

void CXTPPopupBar::AnimateWindow()
{
    int nType = GetAnimationType();
    if (nType != xtpAnimateSlide && nType != xtpAnimateUnfold && nType != xtpAnimateFade)
        return;
    CRect rc;
    GetClientRect(&rc);
    CClientDC dcWindow(this);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcWindow))
        return;
    CBitmap bmp;
    if (!bmp.CreateCompatibleBitmap(&dcWindow, rc.Width(), rc.Height()))
        return;
    CBitmap* pOld = dcMem.SelectObject(&bmp);
    DrawCommandBar(&dcMem, rc);
    GetPaintManager()->Animate(&dcWindow, &dcMem, rc, static_cast<XTPAnimationType>(nType));
    dcMem.SelectObject(pOld);
}

BOOL CXTPPopupBar::SetTrackingMode(int bMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if (!CXTPCommandBar::SetTrackingMode(bMode, bSelectFirst, bKeyboard))
        return FALSE;
    HWND hWnd = GetSafeHwnd();
    CWnd* pOwner = GetSite();
    HWND hOwner = pOwner ? pOwner->GetSafeHwnd() : nullptr;
    if (hOwner)
        hOwner = ::GetAncestor(hOwner, GA_ROOT);
    if (!bMode) {
        if (hWnd)
            XTPNotifyWinEvent(EVENT_SYSTEM_MENUPOPUPEND, hWnd, OBJID_MENU, CHILDID_SELF);
        XTPShadowsManager()->RemoveShadow(this);
        if (hWnd) {
            // Edit boxes of controls live on; they wait hidden at the owner.
            for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild;) {
                HWND hNext = ::GetWindow(hChild, GW_HWNDNEXT);
                ::ShowWindow(hChild, SW_HIDE);
                if (hOwner)
                    ::SetParent(hChild, hOwner);
                hChild = hNext;
            }
            KillTimer(XTP_TID_EXPANDDELAY);
            // The timers go with the window; the next opening starts afresh.
            StopScrolling();
            DestroyWindow();
        }
        if (m_pParentBar && m_pParentBar->GetSafeHwnd())
            m_pParentBar->SetPopuped(-1);
        CWnd* pSite = GetOwnerSite();
        if (pSite && ::IsWindow(pSite->GetSafeHwnd()))
            pSite->SendMessage(WM_XTP_POPUP_CLOSED, 0, reinterpret_cast<LPARAM>(this));
        ::Sleep(1);
        m_pControlPopup = nullptr;
        // A loop tracking this popup may wait for a message while the close
        // came from a sent message or a hook: it looks again at once.
        XTPWakeModalLoop();
    } else if (hWnd) {
        XTPNotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, hWnd, OBJID_MENU, CHILDID_SELF);
    }
    if (hOwner && ::IsWindow(hOwner))
        ::UpdateWindow(hOwner);
    return TRUE;
}

BOOL CXTPPopupBar::SetSelected(int nSelected, BOOL bKeyboard)
{
    BOOL bChanged = CXTPCommandBar::SetSelected(nSelected, bKeyboard);
    if (!GetSafeHwnd())
        return bChanged;
    CXTPControl* pSelected = GetControl(m_nSelected);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pSelected && !bKeyboard && pSelected->GetID() == XTP_ID_POPUPBAR_EXPAND && pCommandBars &&
        pCommandBars->GetOptions()->bShowFullAfterDelay)
        SetTimer(XTP_TID_EXPANDDELAY, XTP_EXPAND_DELAY, nullptr);
    else
        KillTimer(XTP_TID_EXPANDDELAY);
    // Only a control scrolled out of view brings the window along: the
    // expand item stands below the scrolled part and is always in view.
    if (m_bScrolling && pSelected && nSelected >= 0 && (pSelected->GetHideFlags() & xtpHideScroll)) {
        CClientDC dc(this);
        if (nSelected >= m_nLastShown) {
            m_nLastShown = nSelected + 1;
            LayoutScrolled(&dc, TRUE);
            Invalidate(FALSE);
        } else if (nSelected < m_nFirstShown) {
            m_nFirstShown = nSelected;
            LayoutScrolled(&dc, FALSE);
            Invalidate(FALSE);
        }
    }
    return bChanged;
}

int CXTPPopupBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (nChar == VK_DOWN && !m_bExpanded && m_bHiddenExists && m_nLockCount == 0 && !IsCustomizeMode()) {
        BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
        int nNext = m_pControls->GetNext(m_nSelected, 1);
        BOOL bWraps = m_nSelected != -1 && nNext <= m_nSelected;
        CXTPControl* pNext = GetControl(nNext);
        if (pNext && pNext->GetID() == XTP_ID_POPUPBAR_EXPAND)
            bWraps = TRUE;
        if (bCtrl || bWraps) {
            ExpandBar();
            if (bCtrl)
                return 1;
        }
    }
    return CXTPCommandBar::OnHookKeyDown(nChar, lParam);
}

void CXTPPopupBar::ExpandBar()
{
    if (m_bExpanded || !m_bHiddenExists)
        return;
    CWnd::CancelToolTips();
    m_bAnimateNext = TRUE;
    m_bExpanded = TRUE;
    SetSelected(-1);
    OnRecalcLayout();
    XTPMouseManager()->SetForceExpanded(TRUE);
}

int CXTPPopupBar::GetFirstVisibleControl(BOOL bWantIndex) const
{
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (pControl->GetHideFlags() == 0 && pControl->IsVisible())
            return bWantIndex ? i : pControl->GetID();
    }
    return -1;
}

void CXTPPopupBar::UpdateShortcuts()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || !pCommandBars->GetOptions()->bShowPopupBarShortcuts)
        return;
    CXTPShortcutManager* pShortcuts = pCommandBars->GetShortcutManager();
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (pControl->GetHideFlags() != 0 || pControl->GetID() <= 0)
            continue;
        CString strShortcut = pControl->GetShortcutTextAuto();
        if (pShortcuts->GetCommandShortcutText(pControl->GetID(), strShortcut))
            pControl->SetAcceleratorText(strShortcut);
        else
            pControl->ForgetAcceleratorText();
    }
}

void CXTPPopupBar::OnRecalcLayout()
{
    OnControlsChanged();
}

void CXTPPopupBar::OnControlsChanged()
{
    if (m_bLayoutRunning || !GetSafeHwnd() || !m_bTracking)
        return;
    XTPShadowsManager()->RemoveShadow(this);
    m_bScrolling = FALSE;
    m_szLast = CalcDynamicLayout(0, 0);
    PlaceWindow(FALSE);
    if (m_bAnimateNext) {
        m_bAnimateNext = FALSE;
        int nType = GetAnimationType();
        if (nType == xtpAnimateSlide || nType == xtpAnimateUnfold || nType == xtpAnimateFade) {
            // The expanded picture first, then shown strip by strip.
            CClientDC dc(this);
            CRect rcClient;
            GetClientRect(&rcClient);
            CDC dcPicture;
            CBitmap bmp;
            if (dcPicture.CreateCompatibleDC(&dc) &&
                bmp.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height())) {
                CBitmap* pOld = dcPicture.SelectObject(&bmp);
                DrawCommandBar(&dcPicture, rcClient);
                GetPaintManager()->AnimateExpanding(this, &dc, &dcPicture, TRUE);
                dcPicture.SelectObject(pOld);
            }
        }
    }
    XTPSoundManager()->PlaySystemSound(xtpSoundMenuPopup);
    if (m_bShadow && GetCommandBars())
        XTPShadowsManager()->SetShadow(this, m_rcExclude);
    CXTPControlPopup* pOpener = dynamic_cast<CXTPControlPopup*>(m_pControlPopup);
    if (pOpener)
        pOpener->UpdateShadow();
    m_dwPendingFlags &= ~XTP_BAR_PENDING_REDRAW;
    if (!IsRedrawLocked())
        Invalidate(FALSE);
}

int CXTPPopupBar::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    return MA_NOACTIVATE;
}

LRESULT CXTPPopupBar::OnFloatStatus(WPARAM wParam, LPARAM /*lParam*/)
{
    // Keeps the frame's caption active while the popup is up.
    return (wParam & FS_SYNCACTIVE) ? TRUE : FALSE;
}

BOOL CXTPPopupBar::OnNcActivate(BOOL bActive)
{
    if (bActive)
        return FALSE;
    return CWnd::OnNcActivate(bActive);
}

void CXTPPopupBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nLockCount > 0)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.PtInRect(point) && m_pParentBar && m_pControlPopup && m_pParentBar->GetSafeHwnd() &&
        m_pControlPopup->GetParent() == m_pParentBar)
        m_pParentBar->SetSelected(m_pControlPopup->GetIndex(), FALSE);
    if (m_bScrolling) {
        if (m_rcScrollUp.PtInRect(point) || m_rcScrollDown.PtInRect(point))
            SetPopuped(-1);
        UpdateScrollTimers(point);
    }
    if (m_bTearOffPopup && !IsCustomizeMode() && !m_bTearOffHot && m_rcTearOffGripper.PtInRect(point)) {
        SetSelected(-1);
        SetPopuped(-1);
        SetTimer(XTP_TID_TEAROFFHOVER, XTP_SCROLL_DELAY, nullptr);
    }
    CXTPCommandBar::OnMouseMove(nFlags, point);
}

void CXTPPopupBar::UpdateScrollTimers(CPoint point)
{
    UINT_PTR nWanted = 0;
    if (m_rcScrollDown.PtInRect(point))
        nWanted = XTP_TID_SCROLLDOWN;
    else if (m_rcScrollUp.PtInRect(point))
        nWanted = XTP_TID_SCROLLUP;
    if (nWanted == m_nScrollTimer)
        return;
    StopScrolling();
    m_nScrollTimer = nWanted;
    if (nWanted)
        SetTimer(nWanted, XTP_SCROLL_DELAY, nullptr);
}

void CXTPPopupBar::StopScrolling()
{
    if (m_nScrollTimer && GetSafeHwnd())
        KillTimer(m_nScrollTimer);
    m_nScrollTimer = 0;
}

BOOL CXTPPopupBar::IsCursorOver(const CRect& rc) const
{
    CPoint pt;
    if (rc.IsRectEmpty() || !GetSafeHwnd() || !::GetCursorPos(&pt))
        return FALSE;
    ScreenToClient(&pt);
    return rc.PtInRect(pt);
}

void CXTPPopupBar::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case XTP_TID_SCROLLDOWN:
    case XTP_TID_SCROLLUP: {
        BOOL bDown = nIDEvent == XTP_TID_SCROLLDOWN;
        BOOL bCan = bDown ? m_nLastShown < GetControlCount() && !m_rcScrollDown.IsRectEmpty() : m_nFirstShown > 0;
        // No move may tell that the pointer left the button (it went over
        // another program's window, jumped, or a nested menu holds the
        // moves): each tick looks where it is.
        BOOL bOver = IsCursorOver(bDown ? m_rcScrollDown : m_rcScrollUp);
        if (!m_bScrolling || !bCan || !bOver) {
            KillTimer(nIDEvent);
            if (m_nScrollTimer == nIDEvent)
                m_nScrollTimer = 0;
            return;
        }
        CClientDC dc(this);
        if (bDown) {
            m_nLastShown++;
            LayoutScrolled(&dc, TRUE);
        } else {
            m_nFirstShown--;
            LayoutScrolled(&dc, FALSE);
        }
        Invalidate(FALSE);
        return;
    }
    case XTP_TID_TEAROFFHOVER: {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        BOOL bOver = m_rcTearOffGripper.PtInRect(pt);
        if (bOver && !m_bTearOffHot) {
            m_bTearOffHot = TRUE;
            Invalidate(FALSE);
        } else if (!bOver && !m_bTearOffPressed) {
            m_bTearOffHot = FALSE;
            Invalidate(FALSE);
            KillTimer(nIDEvent);
        }
        return;
    }
    case XTP_TID_EXPANDDELAY: {
        KillTimer(nIDEvent);
        CXTPControl* pSelected = GetControl(m_nSelected);
        if (pSelected && pSelected->GetID() == XTP_ID_POPUPBAR_EXPAND)
            pSelected->OnExecute();
        return;
    }
    default:
        CXTPCommandBar::OnTimer(nIDEvent);
    }
}

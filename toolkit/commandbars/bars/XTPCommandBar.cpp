#include <algorithm>
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinThread.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/XTPReplaceReference.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPImageManager.h"

IMPLEMENT_DYNCREATE(CXTPCommandBar, CWnd)

CXTPCommandBar::CXTPCommandBar()
    : m_pReturnCmd(nullptr)
    , m_dwTrackFlags(0)
    , m_bHideCaret(TRUE)
    , m_nMRUWidth(32767)
    , m_nSelected(-1)
    , m_nPopuped(-1)
    , m_hwndFocus(nullptr)
    , m_nBarID(0)
    , m_bVisible(TRUE)
    , m_bTracking(xtpTrackingNone)
    , m_dwPendingFlags(0)
    , m_dwFlags(0)
    , m_dwStyle(0)
    , m_barType(xtpBarTypeNormal)
    , m_pControls(new CXTPControls())
    , m_barPosition(xtpBarNone)
    , m_pCommandBars(nullptr)
    , m_pNotifyWnd(nullptr)
    , m_szIcons(0, 0)
    , m_szButtons(0, 0)
    , m_nTextBelowIcons(2)
    , m_bRightButton(FALSE)
    , m_bNoUpdate(FALSE)
    , m_bRecursePopup(FALSE)
    , m_bCloseable(TRUE)
    , m_nLockCount(0)
    , m_bKeyboardSelect(FALSE)
    , m_bCustomizable(TRUE)
    , m_rcMarker(0, 0, 0, 0)
    , m_bVerticalMarker(FALSE)
    , m_bCustomizeDialogPresent(TRUE)
    , m_bMouseStarted(FALSE)
    , m_nLockRedraw(0)
    , m_pPaintManager(nullptr)
    , m_pImageManager(nullptr)
    , m_pToolTipContext(nullptr)
    , m_nStatusTextGuard(-1)
    , m_nLastHotIndex(-1)
{
    m_pControls->SetParent(this);
}

CXTPCommandBar::~CXTPCommandBar()
{
    if (m_bTracking)
        SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
    XTPHookManager()->RemoveAll(static_cast<CXTPHookManagerHookAble*>(this));
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (pMouseManager->GetSelected() == this)
        pMouseManager->SetSelected(nullptr);
    m_pControls->RemoveAll();
    m_pControls->SetParent(nullptr);
    m_pControls->InternalRelease();
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    if (m_pToolTipContext)
        m_pToolTipContext->InternalRelease();
}

void CXTPCommandBar::PostNcDestroy()
{
    // Bars are reference counted: their owners release them.
}

CXTPControl* CXTPCommandBar::GetControl(int nIndex) const
{
    return m_pControls->GetAt(nIndex);
}

int CXTPCommandBar::GetControlCount() const
{
    return m_pControls->GetCount();
}

BOOL CXTPCommandBar::IsVerticalPosition() const
{
    if (m_barPosition == xtpBarTop || m_barPosition == xtpBarBottom || m_barPosition == xtpBarFloating)
        return FALSE;
    if (m_barPosition == xtpBarPopup && m_barType == xtpBarTypeNormal)
        return FALSE;
    return TRUE;
}

CXTPCommandBar* CXTPCommandBar::GetRootParent() const
{
    const CXTPCommandBar* pBar = this;
    // Parent chains are short; the bound guards against a chain that loops.
    for (int nDepth = 0; nDepth < 64; nDepth++) {
        CXTPCommandBar* pParent = pBar->GetParentCommandBar();
        if (!pParent)
            break;
        pBar = pParent;
    }
    return const_cast<CXTPCommandBar*>(pBar);
}

CXTPCommandBars* CXTPCommandBar::GetCommandBars() const
{
    const CXTPCommandBar* pBar = this;
    for (int nDepth = 0; pBar && nDepth < 64; nDepth++) {
        if (pBar->m_pCommandBars)
            return pBar->m_pCommandBars;
        pBar = pBar->GetParentCommandBar();
    }
    return nullptr;
}

BOOL CXTPCommandBar::IsCustomizeMode() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->IsCustomizeMode() : FALSE;
}

BOOL CXTPCommandBar::IsKeyboardCuesVisible() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->IsKeyboardCuesVisible() : TRUE;
}

CXTPPaintManager* CXTPCommandBar::GetPaintManager() const
{
    if (m_pPaintManager)
        return m_pPaintManager;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars)
        return pCommandBars->GetPaintManager();
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pPaintManager)
        return pRoot->m_pPaintManager;
    return XTPPaintManager();
}

CXTPImageManager* CXTPCommandBar::GetImageManager() const
{
    if (m_pImageManager)
        return m_pImageManager;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars)
        return pCommandBars->GetImageManager();
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pImageManager)
        return pRoot->m_pImageManager;
    return XTPImageManager();
}

void CXTPCommandBar::SetPaintManager(CXTPPaintManager* pPaintManager)
{
    if (!XTPReplaceReference(m_pPaintManager, pPaintManager))
        return;
    if (m_pPaintManager)
        m_pPaintManager->RefreshMetrics();
    // The bar's size comes from its look.
    OnRecalcLayout();
}

void CXTPCommandBar::SetImageManager(CXTPImageManager* pImageManager)
{
    XTPReplaceReference(m_pImageManager, pImageManager);
}

CWnd* CXTPCommandBar::GetSite() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && pCommandBars->GetSite())
        return pCommandBars->GetSite();
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pNotifyWnd)
        return pRoot->m_pNotifyWnd;
    if (pRoot->GetSafeHwnd()) {
        HWND hOwner = ::GetWindow(pRoot->GetSafeHwnd(), GW_OWNER);
        if (!hOwner)
            hOwner = ::GetParent(pRoot->GetSafeHwnd());
        if (hOwner)
            return CWnd::FromHandle(hOwner);
    }
    return AfxGetMainWnd();
}

CWnd* CXTPCommandBar::GetOwnerSite() const
{
    CXTPCommandBar* pRoot = GetRootParent();
    return pRoot->m_pNotifyWnd ? pRoot->m_pNotifyWnd : GetSite();
}

CFrameWnd* CXTPCommandBar::GetSiteFrame() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CWnd* pSite = pCommandBars ? pCommandBars->GetSite() : nullptr;
    return pSite && pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pSite) : nullptr;
}

UINT CXTPCommandBar::GetActiveDocTemplate() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->GetActiveDocTemplate() : 0;
}

BOOL CXTPCommandBar::IsHelpMode() const
{
    CFrameWnd* pFrame = GetSiteFrame();
    return pFrame && pFrame->m_bHelpMode != CFrameWnd::HELP_INACTIVE;
}

BOOL CXTPCommandBar::IsLayoutRTL() const
{
    return GetSafeHwnd() && (GetWindowLongW(GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
}

void CXTPCommandBar::RedrawParentBars() const
{
    const CXTPCommandBar* pBar = this;
    for (int nDepth = 0; pBar && nDepth < 64; nDepth++) {
        if (pBar->GetSafeHwnd())
            ::InvalidateRect(pBar->GetSafeHwnd(), nullptr, FALSE);
        pBar = pBar->GetParentCommandBar();
    }
}

CSize CXTPCommandBar::GetIconSize() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return m_szIcons != CSize(0, 0) ? m_szIcons : CSize(16, 16);
    CXTPCommandBarsOptions* pOptions = pCommandBars->GetOptions();
    if (m_barType == xtpBarTypePopup)
        return m_szIcons != CSize(0, 0) ? m_szIcons : pOptions->szPopupIcons;
    CSize size = m_szIcons != CSize(0, 0) ? m_szIcons
                                          : (pOptions->szIcons != CSize(0, 0) ? pOptions->szIcons : CSize(16, 16));
    if (pOptions->bLargeIcons && !HasFixedButtonSize())
        size = pOptions->szLargeIcons != CSize(0, 0) ? pOptions->szLargeIcons : CSize(size.cx * 2, size.cy * 2);
    return size;
}

CSize CXTPCommandBar::GetButtonSize() const
{
    if (HasFixedButtonSize())
        return m_szButtons;
    CSize szIcon = GetIconSize();
    return CSize(szIcon.cx + 6, szIcon.cy + 6);
}

CSize CXTPCommandBar::GetLargeIconSize() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return m_szIcons != CSize(0, 0) ? CSize(m_szIcons.cx * 2, m_szIcons.cy * 2) : CSize(32, 32);
    CXTPCommandBarsOptions* pOptions = pCommandBars->GetOptions();
    CSize size = m_szIcons != CSize(0, 0) ? m_szIcons
                                          : (pOptions->szIcons != CSize(0, 0) ? pOptions->szIcons : CSize(16, 16));
    if (!HasFixedButtonSize())
        size = pOptions->szLargeIcons != CSize(0, 0) ? pOptions->szLargeIcons : CSize(size.cx * 2, size.cy * 2);
    return size;
}

void CXTPCommandBar::SetTitle(const CString& strTitle)
{
    m_strTitle = strTitle;
    m_dwPendingFlags &= ~XTP_BAR_PENDING_REDRAW;
    if (GetSafeHwnd() && !IsRedrawLocked())
        ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
}

CRect CXTPCommandBar::GetCaptionTitleRect(CRect rcStrip) const
{
    CRect rcTitle = rcStrip;
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        CRect rc = pControl->GetRect();
        if (pControl->IsVisible() && rc.top < rcStrip.bottom && rc.bottom > rcStrip.top && rc.left < rcTitle.right)
            rcTitle.right = std::max(static_cast<int>(rcTitle.left), static_cast<int>(rc.left));
    }
    return rcTitle;
}

void CXTPCommandBar::UnlockRedraw()
{
    if (m_nLockRedraw > 0)
        m_nLockRedraw--;
    if (m_nLockRedraw == 0) {
        m_dwPendingFlags &= ~XTP_BAR_PENDING_REDRAW;
        if (GetSafeHwnd())
            ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
    }
}

BOOL CXTPCommandBar::SetSelected(int nSelected, BOOL bKeyboard)
{
    if (nSelected == m_nSelected)
        return FALSE;
    m_bKeyboardSelect = bKeyboard;
    if (!GetSafeHwnd())
        return FALSE;
    LockRedraw();
    CXTPControl* pOld = GetControl(m_nSelected);
    if (pOld)
        pOld->SetSelected(0);
    m_nSelected = nSelected;
    CXTPControl* pNew = GetControl(nSelected);
    if (pNew) {
        if (m_bTracking)
            XTPNotifyWinEvent(EVENT_OBJECT_FOCUS, GetSafeHwnd(), OBJID_MENU, nSelected + 1);
        pNew->SetSelected(bKeyboard ? 2 : 1);
        XTPMouseManager()->SetSelected(this);
        if (!bKeyboard)
            SetTimer(XTP_IDT_BAR_HOVER, XTP_BAR_HOVER_DELAY, nullptr);
    } else {
        KillTimer(XTP_IDT_BAR_HOVER);
    }
    UnlockRedraw();
    return TRUE;
}

void CXTPCommandBar::OnControlsChanged()
{
    m_dwPendingFlags |= XTP_BAR_PENDING_LAYOUT;
    m_nSelected = -1;
    m_nPopuped = -1;
}

BOOL CXTPCommandBar::IsPointInside(CPoint pt) const
{
    RECT rc;
    return GetSafeHwnd() && ::GetWindowRect(GetSafeHwnd(), &rc) && PtInRect(&rc, pt);
}

BOOL CXTPCommandBar::SetTrackingMode(int bMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if ((m_bTracking && bMode) || bMode == m_bTracking) {
        m_bTracking = bMode;
        return FALSE;
    }
    m_bTracking = bMode;
    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (bMode) {
        if (m_barType == xtpBarTypeMenuBar) {
            CWnd* pSite = GetOwnerSite();
            if (pSite && pSite->GetSafeHwnd())
                pSite->SendMessage(WM_XTP_MENUBAR_TRACKING, reinterpret_cast<WPARAM>(this), 0);
        }
        m_bMouseStarted = !bSelectFirst && !bKeyboard;
        if (m_bHideCaret && !m_hwndFocus) {
            m_hwndFocus = ::GetFocus();
            if (!m_hwndFocus) {
                CWnd* pSite = GetSite();
                m_hwndFocus = pSite ? pSite->GetSafeHwnd() : nullptr;
            }
            if (m_hwndFocus)
                ::HideCaret(m_hwndFocus);
        }
        pMouseManager->SetTrack(this);
        XTPKeyboardManager()->HookKeyboard(this);
        ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
        CWnd::CancelToolTips();
        if (bSelectFirst)
            SetSelected(m_pControls->GetNext(-1, 1), TRUE);
    } else {
        m_bMouseStarted = FALSE;
        pMouseManager->RemoveTrack(this);
        XTPKeyboardManager()->UnhookKeyboard(this);
        SetPopuped(-1, FALSE);
        if (bSelectFirst)
            SetSelected(-1, FALSE);
        if (m_bHideCaret && m_hwndFocus) {
            if (::IsWindow(m_hwndFocus))
                ::ShowCaret(m_hwndFocus);
            m_hwndFocus = nullptr;
        }
        m_dwPendingFlags &= ~XTP_BAR_PENDING_REDRAW;
        if (!IsRedrawLocked() && GetSafeHwnd())
            ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
        // The focus leaves a bar that had it for the next item of its window.
        HWND hWnd = GetSafeHwnd();
        if (hWnd && ::GetFocus() == hWnd && ::GetParent(hWnd)) {
            CWnd* pTop = CWnd::FromHandle(::GetAncestor(hWnd, GA_ROOT));
            CWnd* pNext = pTop ? pTop->GetNextDlgTabItem(this) : nullptr;
            if (pNext && pNext->GetSafeHwnd())
                ::SetFocus(pNext->GetSafeHwnd());
        }
        m_nLockCount = 0;
    }
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars)
        pCommandBars->OnTrackingModeChanged(this, bMode);
    return TRUE;
}


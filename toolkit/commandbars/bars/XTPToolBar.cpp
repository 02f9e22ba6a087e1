// The toolbar window: visibility, and the mouse on a bar that the user
// drags, resizes and double-clicks.
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CMiniFrameWnd.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/common/drawing/XTPWindowHelpers.h"

IMPLEMENT_DYNCREATE(CXTPToolBar, CXTPCommandBar)

namespace {
// Within this distance of a floating bar's edge the mouse resizes it.
const int kResizeEdge = 3;
// Marks the second look at a deactivation; no FS_ flag uses it.
const DWORD kRecheckDeactivation = 0x80000000;
} // namespace

BEGIN_MESSAGE_MAP(CXTPToolBar, CXTPCommandBar)
    ON_WM_NCCREATE()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SETFOCUS()
    ON_WM_NCACTIVATE()
    ON_WM_CLOSE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CXTPToolBar::CXTPToolBar()
    : m_dockContext(this)
{
    m_dwStyle = CBRS_GRIPPER;
    m_bCloseable = TRUE;
    m_bVisible = TRUE;
}

CXTPToolBar::~CXTPToolBar() = default;

BOOL CXTPToolBar::IsTextBelowIcons() const
{
    if (m_nTextBelowIcons == 0 || m_nTextBelowIcons == 1)
        return m_nTextBelowIcons;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->GetOptions()->bShowTextBelowIcons : FALSE;
}

BOOL CXTPToolBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons)
{
    m_nBarID = nIDResource;
    if (!CXTPCommandBar::LoadToolBar(nIDResource, bLoadIcons))
        return FALSE;
    m_pControls->CreateInitialControls();
    return TRUE;
}

void CXTPToolBar::EnableDocking(DWORD dwFlags)
{
    m_bDockContext = TRUE;
    m_dwFlags = dwFlags;
}

void CXTPToolBar::OnSetFocus(CWnd* pOldWnd)
{
    CXTPCommandBar::OnSetFocus(pOldWnd);
    if (m_bDockContext || IsTrackingMode())
        return;
    // A bar tabbed to in a dialog is walked by the keyboard from its first control.
    SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
}

int CXTPToolBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    HWND hBar = GetSafeHwnd();
    HWND hParent = hBar ? ::GetParent(hBar) : nullptr;
    if (nChar == VK_TAB && !m_bDockContext && hParent) {
        HWND hNext = ::GetNextDlgTabItem(hParent, hBar, GetKeyState(VK_SHIFT) < 0);
        if (hNext && hNext != hBar) {
            ::SetFocus(hNext);
            SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
            return 1;
        }
    }
    return CXTPCommandBar::OnHookKeyDown(nChar, lParam);
}

void CXTPToolBar::SetVisible(BOOL bVisible)
{
    bVisible = bVisible ? TRUE : FALSE;
    if (bVisible == m_bVisible)
        return;
    m_bVisible = bVisible;
    // The manager may release a hidden tear-off bar; the rest still runs on it.
    InternalAddRef();
    if (!bVisible)
        SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
    // Hidden, a floating bar missed the layouts of metrics and option
    // changes: it takes its size before it shows.
    if (bVisible)
        LayOutFloatingWindow();
    if (GetSafeHwnd())
        ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars) {
        if (m_pDockBar)
            pCommandBars->RecalcFrameLayout(FALSE);
        CWnd* pSite = pCommandBars->GetSite();
        if (pSite && pSite->GetSafeHwnd())
            pSite->SendMessage(WM_XTP_TOOLBAR_VISIBLE, reinterpret_cast<WPARAM>(this), bVisible);
        if (!bVisible && m_bTearOff)
            pCommandBars->Remove(this);
    }
    InternalRelease();
}

void CXTPToolBar::OnSetPreviewMode(BOOL bPreview)
{
    bPreview = bPreview ? TRUE : FALSE;
    if (bPreview == m_bPreviewMode)
        return;
    m_bPreviewMode = bPreview;
    if (bPreview) {
        m_bPreviewVisible = m_bVisible;
        if (m_bVisible) {
            m_bVisible = FALSE;
            if (GetSafeHwnd())
                ShowWindow(SW_HIDE);
        }
        return;
    }
    if (!m_bPreviewVisible)
        return;
    m_bVisible = TRUE;
    LayOutFloatingWindow();
    if (GetSafeHwnd())
        ShowWindow(SW_SHOWNA);
    if (GetType() == xtpBarTypeMenuBar) {
        if (auto* pFrame = dynamic_cast<CFrameWnd*>(GetSite()))
            pFrame->RecalcLayout(FALSE);
    }
}

LRESULT CXTPToolBar::OnNcHitTest(CPoint point)
{
    if (m_barPosition == xtpBarFloating) {
        CRect rc;
        GetWindowRect(&rc);
        if (point.y < rc.top + kResizeEdge)
            return HTTOP;
        if (point.y >= rc.bottom - kResizeEdge)
            return HTBOTTOM;
        if (point.x < rc.left + kResizeEdge)
            return HTLEFT;
        if (point.x >= rc.right - kResizeEdge)
            return HTRIGHT;
    }
    return CXTPCommandBar::OnNcHitTest(point);
}

void CXTPToolBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT) {
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->ClosePopups();
        m_dockContext.StartResize(static_cast<int>(nHitTest), point);
        return;
    }
    CXTPCommandBar::OnNcLButtonDown(nHitTest, point);
}

void CXTPToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_barPosition == xtpBarFloating)
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Customizing too, a press off the controls drags the bar itself.
    if (m_pControls->HitTest(point)) {
        CXTPCommandBar::OnLButtonDown(nFlags, point);
        return;
    }
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->ClosePopups();
    if (m_dwFlags & XTP_BARFLAG_DOCKMASK) {
        ClientToScreen(&point);
        m_dockContext.StartDrag(point);
    }
}

void CXTPToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!m_pControls->HitTest(point) && GetCommandBars()) {
        m_dockContext.ToggleDocking();
        return;
    }
    CXTPCommandBar::OnLButtonDblClk(nFlags, point);
}

void CXTPToolBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    // While customizing, a right click selects the control under it.
    if (!pCommandBars || IsCustomizeMode()) {
        CXTPCommandBar::OnRButtonDown(nFlags, point);
        return;
    }
    SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
    SetSelected(-1);
    Invalidate(FALSE);
    ClientToScreen(&point);
    pCommandBars->ShowToolbarsContextMenu(point, this);
}

int CXTPToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (m_barPosition == xtpBarFloating || IsCustomizeMode())
        return MA_NOACTIVATE;
    for (CWnd* pFrame = CWnd::GetFocus(); pFrame != nullptr; pFrame = pFrame->GetParent())
        if (pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
            return MA_NOACTIVATE;
    return CXTPCommandBar::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

BOOL CXTPToolBar::OnNcActivate(BOOL bActive)
{
    // The floating window's frame is never drawn active.
    if (bActive)
        return FALSE;
    return CXTPCommandBar::OnNcActivate(bActive);
}

void CXTPToolBar::OnClose()
{
    // Only the hide button or the manager hides a floating bar.
}

BOOL CXTPToolBar::OnNcCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!CXTPCommandBar::OnNcCreate(lpCreateStruct))
        return FALSE;
    if (!(GetStyle() & MFS_SYNCACTIVE))
        return TRUE;
    // A window whose activation follows the frame's starts as the frame is.
    HWND hTop = ::GetAncestor(m_hWnd, GA_ROOT);
    if (hTop == m_hWnd)
        hTop = ::GetAncestor(::GetWindow(m_hWnd, GW_OWNER), GA_ROOT);
    HWND hForeground = ::GetForegroundWindow();
    BOOL bActive = hTop && (hForeground == hTop || (hForeground && ::GetLastActivePopup(hTop) == hForeground &&
                                                    ::SendMessageW(hForeground, WM_FLOATSTATUS, FS_SYNCACTIVE, 0)));
    SendMessage(WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE, 0);
    return TRUE;
}

LRESULT CXTPToolBar::OnFloatStatus(WPARAM wParam, LPARAM /*lParam*/)
{
    DWORD dwFlags = static_cast<DWORD>(wParam);
    BOOL bResult = (GetStyle() & MFS_SYNCACTIVE) && (dwFlags & FS_SYNCACTIVE);
    if (m_barPosition != xtpBarFloating || !m_bVisible)
        return bResult;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    BOOL bSync = !pCommandBars || pCommandBars->GetOptions()->bSyncFloatingBars;
    const UINT kNoMove = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (bSync) {
        HWND hTop = ::GetAncestor(::GetWindow(m_hWnd, GW_OWNER), GA_ROOT);
        BOOL bTopActive = hTop != nullptr && XTPIsTopParentActive(hTop);
        if ((dwFlags & FS_DEACTIVATE) && !bTopActive)
            SetWindowPos(nullptr, 0, 0, 0, 0, kNoMove | SWP_HIDEWINDOW);
        // The platform may tell of the deactivation before another window
        // is in front: look once more when it has settled.
        else if ((dwFlags & FS_DEACTIVATE) && !(dwFlags & kRecheckDeactivation))
            PostMessage(WM_FLOATSTATUS, FS_DEACTIVATE | kRecheckDeactivation, 0);
        if ((dwFlags & FS_ACTIVATE) && !IsWindowVisible() && bTopActive) {
            HWND hForeground = ::GetForegroundWindow();
            if (hForeground && ::IsWindowVisible(hForeground) && !::IsIconic(hForeground))
                SetWindowPos(nullptr, 0, 0, 0, 0, kNoMove | SWP_SHOWWINDOW);
        }
    }
    if (dwFlags & FS_SHOW)
        SetWindowPos(nullptr, 0, 0, 0, 0, kNoMove | SWP_SHOWWINDOW);
    if (dwFlags & FS_HIDE)
        SetWindowPos(nullptr, 0, 0, 0, 0, kNoMove | SWP_HIDEWINDOW);
    if (dwFlags & (FS_ENABLE | FS_DISABLE))
        EnableWindow((dwFlags & FS_ENABLE) != 0);
    return bResult;
}

#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/common/input/XTPHeldButtonLoop.h"

#include "framework/core/CInvalidArgException.h"
#include "framework/gdi/CPaintDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"
#include "toolkit/common/popup/XTPPopupItem.h"
#include "toolkit/common/popup/XTPPopupPaintManager.h"
#include "toolkit/common/popup/XTPPopupThemeMSN.h"
#include "toolkit/common/popup/XTPPopupThemeOffice2000.h"
#include "toolkit/common/popup/XTPPopupThemeOffice2003.h"
#include "toolkit/common/popup/XTPPopupThemeOfficeXP.h"

namespace {

// One value moved towards its target by a share of the distance, at least 1.
void StepTowards(LONG& value, LONG target, int nSteps)
{
    if (value == target)
        return;
    LONG distance = value > target ? value - target : target - value;
    LONG step = distance / nSteps;
    if (step < 1)
        step = 1;
    value += value < target ? step : -step;
}

} // namespace

BEGIN_MESSAGE_MAP(CXTPPopupControl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CXTPPopupControl::CXTPPopupControl()
    : m_pPaintManager(new CXTPPopupThemeOffice2000)
    , m_szPopup(170, 130)
    , m_pImageManager(new CXTPImageManager)
{
    CRect rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    m_ptPopup = rcWork.BottomRight();
    m_stateTarget = m_stateCurrent = POPUPSTATE{CRect(0, 0, 0, 0), 255};
    HMODULE hUser32 = ::GetModuleHandleW(L"USER32");
    if (hUser32 != nullptr)
        m_pfnSetLayeredWindowAttributes = reinterpret_cast<PFNSETLAYEREDWINDOWATTRIBUTES>(
            ::GetProcAddress(hUser32, "SetLayeredWindowAttributes"));
}

CXTPPopupControl::~CXTPPopupControl()
{
    *m_pAlive = false;
    // Closed without the state notification: an owner that deletes closed
    // popups must not be asked to delete this one a second time.
    m_pSelected = m_pPressed = nullptr;
    m_bCapture = FALSE;
    if (m_hWnd != nullptr)
        DestroyWindow();
    m_popupState = xtpPopupStateClosed;
    RemoveAllItems();
    delete m_pPaintManager;
    m_pImageManager->InternalRelease();
}

void CXTPPopupControl::SetTheme(int nTheme)
{
    delete m_pPaintManager;
    switch (nTheme)
    {
    case xtpPopupThemeOffice2000: m_pPaintManager = new CXTPPopupThemeOffice2000; break;
    case xtpPopupThemeOfficeXP: m_pPaintManager = new CXTPPopupThemeOfficeXP; break;
    case xtpPopupThemeOffice2003: m_pPaintManager = new CXTPPopupThemeOffice2003; break;
    case xtpPopupThemeMSN: m_pPaintManager = new CXTPPopupThemeMSN; break;
    default: m_pPaintManager = new CXTPPopupPaintManager; break;
    }
    m_nTheme = nTheme;
    RedrawControl();
}

CXTPPopupItem* CXTPPopupControl::AddItem(CXTPPopupItem* pItem)
{
    m_arrItems.Add(pItem);
    pItem->m_nIndex = static_cast<int>(m_arrItems.GetSize() - 1);
    pItem->m_pControl = this;
    pItem->OnItemInserted();
    return pItem;
}

void CXTPPopupControl::RemoveAllItems()
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i)
    {
        CXTPPopupItem* pItem = static_cast<CXTPPopupItem*>(m_arrItems[i]);
        pItem->m_pControl = nullptr;
        pItem->InternalRelease();
    }
    m_arrItems.RemoveAll();
    m_pImageManager->RemoveAll();
    m_pSelected = m_pPressed = nullptr;
}

CXTPPopupItem* CXTPPopupControl::GetItem(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        AfxThrowInvalidArgException();
    return static_cast<CXTPPopupItem*>(m_arrItems[nIndex]);
}

CXTPPopupItem* CXTPPopupControl::HitTest(CPoint pt) const
{
    for (INT_PTR i = m_arrItems.GetSize() - 1; i >= 0; --i)
    {
        CXTPPopupItem* pItem = static_cast<CXTPPopupItem*>(m_arrItems[i]);
        if (pItem->GetRect().PtInRect(pt))
            return pItem;
    }
    return nullptr;
}

BOOL CXTPPopupControl::Create(CWnd* pParentWnd)
{
    if (m_hWnd != nullptr)
        return TRUE;
    DWORD dwExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    if (m_pfnSetLayeredWindowAttributes != nullptr &&
        (m_nTransparency < 255 || m_popupAnimation == xtpPopupAnimationFade))
        dwExStyle |= WS_EX_LAYERED;
    if (m_bRightToLeft)
        dwExStyle |= WS_EX_LAYOUTRTL;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW));
    if (!CreateEx(dwExStyle, lpszClass, nullptr, WS_POPUP, CRect(0, 0, 0, 0), pParentWnd, 0))
        return FALSE;
    m_hNotifyWnd = pParentWnd->GetSafeHwnd();
    m_popupState = xtpPopupStateClosed;
    m_nAppliedAlpha = -1;
    return TRUE;
}

BOOL CXTPPopupControl::Show(CWnd* pParentWnd)
{
    if (!Create(pParentWnd) || m_popupState != xtpPopupStateClosed)
        return FALSE;
    OnExpanding(TRUE);
    return TRUE;
}

void CXTPPopupControl::Close()
{
    m_bCapture = FALSE;
    m_pSelected = m_pPressed = nullptr;
    if (m_hWnd != nullptr)
        DestroyWindow();
    SetPopupState(xtpPopupStateClosed);
}

LRESULT CXTPPopupControl::Notify(WPARAM wParam, LPARAM lParam)
{
    HWND hTarget = m_hNotifyWnd != nullptr ? m_hNotifyWnd : (m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr);
    if (hTarget == nullptr || !::IsWindow(hTarget))
        return 0;
    return ::SendMessageW(hTarget, WM_XTP_POPUP_EVENT, wParam, lParam);
}

void CXTPPopupControl::OnClick(CXTPPopupItem* pItem)
{
    Notify(XTP_PCN_ITEMCLICK, reinterpret_cast<LPARAM>(pItem));
}

void CXTPPopupControl::SetPopupState(int popupState)
{
    if (popupState == m_popupState)
        return;
    m_popupState = popupState;
    Notify(XTP_PCN_STATECHANGED, reinterpret_cast<LPARAM>(this));
}

void CXTPPopupControl::RedrawControl()
{
    if (m_hWnd != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

CXTPPopupControl::POPUPSTATE CXTPPopupControl::FullState() const
{
    return POPUPSTATE{CRect(m_ptPopup.x - m_szPopup.cx, m_ptPopup.y - m_szPopup.cy, m_ptPopup.x, m_ptPopup.y),
                      m_nTransparency};
}

int CXTPPopupControl::StepsFor(UINT uTime, UINT uStep)
{
    int nSteps = static_cast<int>(uTime / (uStep > 0 ? uStep : 1));
    return nSteps < 1 ? 1 : nSteps;
}

// Every notification is sent last, so nothing touches the popup after the
// owner had the chance to delete it.
void CXTPPopupControl::OnExpanding(BOOL bUpdateCurrent)
{
    m_stateTarget = FullState();
    if (bUpdateCurrent)
    {
        m_stateCurrent = m_stateTarget;
        if (m_popupAnimation == xtpPopupAnimationNone || m_uAnimationDelay == 0)
        {
            UpdateState(TRUE);
            std::shared_ptr<bool> alive = m_pAlive;
            SetPopupState(xtpPopupStateExpanding);
            if (*alive)
                OnShow();
            return;
        }
        CRect& rc = m_stateCurrent.rcPopup;
        switch (m_popupAnimation)
        {
        case xtpPopupAnimationFade: m_stateCurrent.nTransparency = 0; break;
        case xtpPopupAnimationSlide: rc.top = rc.bottom; break;
        case xtpPopupAnimationUnfold: rc = CRect(m_ptPopup.x, m_ptPopup.y, m_ptPopup.x, m_ptPopup.y); break;
        default: break;
        }
        m_nStep = StepsFor(m_uAnimationDelay, m_uStep);
    }
    else
    {
        // Resuming an interrupted collapse from where it is.
        m_nStep = StepsFor(m_uAnimationDelay, m_uStep) - m_nStep;
        if (m_nStep < 1)
            m_nStep = 1;
    }
    SetTimer(XTP_TID_EXPANDING, m_uStep);
    UpdateState(TRUE);
    SetPopupState(xtpPopupStateExpanding);
}

void CXTPPopupControl::OnCollapsing()
{
    if (m_popupAnimation == xtpPopupAnimationNone || m_uAnimationDelay == 0)
    {
        Close();
        return;
    }
    m_stateTarget = FullState();
    CRect& rc = m_stateTarget.rcPopup;
    switch (m_popupAnimation)
    {
    case xtpPopupAnimationFade: m_stateTarget.nTransparency = 0; break;
    case xtpPopupAnimationSlide: rc.top = rc.bottom; break;
    case xtpPopupAnimationUnfold: rc = CRect(m_ptPopup.x, m_ptPopup.y, m_ptPopup.x, m_ptPopup.y); break;
    default: break;
    }
    m_nStep = StepsFor(m_uAnimationDelay, m_uStep);
    SetTimer(XTP_TID_COLLAPSING, m_uStep);
    UpdateState(TRUE);
    SetPopupState(xtpPopupStateCollapsing);
}

void CXTPPopupControl::OnShow()
{
    m_stateCurrent = FullState();
    if (m_uShowDelay != 0)
        SetTimer(XTP_TID_SHOWDELAY, m_uShowDelay);
    SetPopupState(xtpPopupStateShow);
}

void CXTPPopupControl::Animate(int nStep)
{
    if (nStep < 1)
    {
        m_stateCurrent = m_stateTarget;
    }
    else
    {
        CRect& rc = m_stateCurrent.rcPopup;
        const CRect& rcTarget = m_stateTarget.rcPopup;
        StepTowards(rc.left, rcTarget.left, nStep);
        StepTowards(rc.top, rcTarget.top, nStep);
        StepTowards(rc.right, rcTarget.right, nStep);
        StepTowards(rc.bottom, rcTarget.bottom, nStep);
        LONG nAlpha = m_stateCurrent.nTransparency;
        StepTowards(nAlpha, m_stateTarget.nTransparency, nStep);
        m_stateCurrent.nTransparency = static_cast<int>(nAlpha);
    }
    UpdateState(FALSE);
}

void CXTPPopupControl::SetLayeredAlpha(int nAlpha)
{
    if (m_hWnd == nullptr || m_pfnSetLayeredWindowAttributes == nullptr || !(GetExStyle() & WS_EX_LAYERED))
        return;
    m_pfnSetLayeredWindowAttributes(m_hWnd, 0, static_cast<BYTE>(nAlpha), LWA_ALPHA);
    m_nAppliedAlpha = nAlpha;
}

void CXTPPopupControl::UpdateState(BOOL bForceUpdate)
{
    if (m_hWnd == nullptr)
        return;
    const CRect& rc = m_stateCurrent.rcPopup;
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    Invalidate(FALSE);
    // The alpha follows every change, the last step's included.
    if (!m_bCapture && (bForceUpdate || m_stateCurrent.nTransparency != m_nAppliedAlpha))
        SetLayeredAlpha(m_stateCurrent.nTransparency);
    UpdateWindow();
}

void CXTPPopupControl::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case XTP_TID_EXPANDING:
    case XTP_TID_COLLAPSING:
        Animate(m_nStep);
        --m_nStep;
        if (m_nStep < 1)
        {
            KillTimer(nIDEvent);
            if (nIDEvent == XTP_TID_EXPANDING)
                OnShow();
            else
                Close();
        }
        break;
    case XTP_TID_SHOWDELAY:
        if (!m_bCapture)
        {
            KillTimer(XTP_TID_SHOWDELAY);
            OnCollapsing();
        }
        break;
    default:
        CWnd::OnTimer(nIDEvent);
        break;
    }
}

void CXTPPopupControl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(point) && m_pPressed == nullptr)
    {
        if (m_bCapture)
        {
            m_bCapture = FALSE;
            SetLayeredAlpha(m_nTransparency);
        }
    }
    else
    {
        if (!m_bCapture)
        {
            m_bCapture = TRUE;
            SetLayeredAlpha(255);
            TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&tme);
        }
        if (m_popupState == xtpPopupStateCollapsing)
        {
            KillTimer(XTP_TID_COLLAPSING);
            std::shared_ptr<bool> alive = m_pAlive;
            if (m_popupAnimation == xtpPopupAnimationFade)
                OnShow();
            else
                OnExpanding(FALSE);
            if (!*alive)
                return;
        }
    }

    CXTPPopupItem* pHot = HitTest(point);
    if (m_pPressed != nullptr && pHot != m_pPressed)
        pHot = nullptr;
    if (pHot != m_pSelected)
    {
        m_pSelected = pHot;
        RedrawControl();
    }
}

void CXTPPopupControl::OnMouseLeave()
{
    OnMouseMove(0, CPoint(-1, -1));
}

// A click on the popup leaves the active window as it is: were the popup
// activated, the window manager's focus change when it moves cancels the
// drag's capture.
int CXTPPopupControl::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    return MA_NOACTIVATE;
}

void CXTPPopupControl::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (m_popupState == xtpPopupStateExpanding)
    {
        Animate(0);
        m_nStep = 0;
        KillTimer(XTP_TID_EXPANDING);
        std::shared_ptr<bool> alive = m_pAlive;
        OnShow();
        if (!*alive)
            return;
    }
    CXTPPopupItem* pItem = HitTest(point);
    if (m_bAllowMove &&
        (pItem == nullptr || (pItem->GetID() == 0 && !pItem->IsButton() &&
                              (pItem->GetCaption().IsEmpty() || !pItem->IsHyperLink()))))
    {
        TrackMove();
        return;
    }
    if (pItem != nullptr)
    {
        m_pPressed = pItem;
        SetCapture();
        RedrawControl();
    }
}

void CXTPPopupControl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_pPressed != nullptr)
    {
        CXTPPopupItem* pPressed = m_pPressed;
        m_pPressed = nullptr;
        ::ReleaseCapture();
        RedrawControl();
        if (pPressed == m_pSelected)
        {
            OnClick(pPressed);
            return;
        }
    }
    OnMouseMove(nFlags, point);
}

void CXTPPopupControl::OnCaptureChanged(CWnd* /*pWnd*/)
{
    if (m_pPressed != nullptr)
    {
        m_pPressed = nullptr;
        RedrawControl();
    }
}

void CXTPPopupControl::TrackMove()
{
    SetCapture();
    CPoint ptStart;
    ::GetCursorPos(&ptStart);
    CRect rcStart;
    GetWindowRect(&rcStart);

    std::shared_ptr<bool> alive = m_pAlive;
    CXTPHeldButtonLoop loop;
    while (::GetCapture() == m_hWnd)
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageW(&msg);
        if (!*alive)
            return;
        BOOL bGot = loop.GetMessage(&msg);
        if (bGot == 0)
            ::PostQuitMessage(static_cast<int>(msg.wParam));
        if (bGot == 0 || bGot == -1)
            break;
        if (msg.message == WM_LBUTTONUP)
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if (msg.message == WM_MOUSEMOVE)
        {
            CPoint pt(msg.pt);
            CRect rc = rcStart;
            rc.OffsetRect(pt.x - ptStart.x, pt.y - ptStart.y);
            CRect rcWork = XTPGetWorkAreaOfPoint(pt);
            if (rc.left < rcWork.left)
                rc.OffsetRect(rcWork.left - rc.left, 0);
            if (rc.top < rcWork.top)
                rc.OffsetRect(0, rcWork.top - rc.top);
            if (rc.right > rcWork.right)
                rc.OffsetRect(rcWork.right - rc.right, 0);
            if (rc.bottom > rcWork.bottom)
                rc.OffsetRect(0, rcWork.bottom - rc.bottom);
            SetWindowPos(nullptr, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
        if (!*alive)
            return;
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    // A press and release in place (or a way back to the start) is a click,
    // not a move: the owner must not take its place as the user's choice.
    if (rcWindow == rcStart)
        return;
    m_stateTarget.rcPopup = rcWindow;
    m_stateCurrent.rcPopup = rcWindow;
    m_ptPopup = rcWindow.BottomRight();
    Notify(XTP_PCN_POSCHANGED, reinterpret_cast<LPARAM>(this));
}

void CXTPPopupControl::RefreshMetrics()
{
    m_pPaintManager->RefreshMetrics();
    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// The popup is a top-level window: the system tells it of changes itself.
void CXTPPopupControl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    // The new system colours at once, not after the refresh throttle.
    XTPGetColorManager()->RefreshColors();
    RefreshMetrics();
}

void CXTPPopupControl::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    RefreshMetrics();
}

BOOL CXTPPopupControl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CXTPPopupControl::OnPaint()
{
    CPaintDC dc(this);
    CRect rc(0, 0, m_szPopup.cx, m_szPopup.cy);
    CXTPBufferDC memDC(dc, rc);
    m_pPaintManager->RefreshMetricsIfColoursChanged();
    m_pPaintManager->DrawBackground(&memDC, rc);
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i)
        static_cast<CXTPPopupItem*>(m_arrItems[i])->Draw(&memDC);
}

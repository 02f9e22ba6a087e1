#include "toolkit/commandbars/controls/XTPControlCustom.h"
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"

IMPLEMENT_DYNCREATE(CXTPControlCustom, CXTPControlButton)

namespace {

const UINT kShowFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;   // 0x57
const UINT kHideFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE;   // 0x97

} // namespace

CXTPControlCustom::CXTPControlCustom()
    : m_hwndControl(nullptr)
    , m_rcBorders(0, 0, 0, 0)
    , m_bControlVisible(TRUE)
    , m_szControl(0, 0)
    , m_verticalOptions(xtpVerticalHide)
    , m_nControlId(0)
{
    m_dwFlags = xtpFlagNoMovable;
}

CXTPControlCustom::~CXTPControlCustom()
{
    if (m_hwndControl)
        XTPHookManager()->RemoveHook(m_hwndControl, this);
}

void CXTPControlCustom::SetControl(CWnd* pWnd)
{
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (hWnd == m_hwndControl)
        return;
    if (m_hwndControl)
        XTPHookManager()->RemoveHook(m_hwndControl, this);
    m_hwndControl = hWnd;
    if (!hWnd)
        return;
    XTPHookManager()->SetHook(hWnd, this);
    CRect rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    m_szControl = rcWindow.Size();
    if (m_nControlId == 0)
        m_nControlId = ::GetDlgCtrlID(hWnd);
}

BOOL CXTPControlCustom::IsWindowShown() const
{
    return m_hwndControl && ::IsWindowVisible(m_hwndControl);
}

CSize CXTPControlCustom::GetSize(CDC* pDC)
{
    if (m_hwndControl && m_bControlVisible)
        return CSize(m_szControl.cx + m_rcBorders.left + m_rcBorders.right,
                     m_szControl.cy + m_rcBorders.top + m_rcBorders.bottom);
    return CXTPControlButton::GetSize(pDC);
}

void CXTPControlCustom::ShowHostedWindow()
{
    if (!m_hwndControl || !::IsWindow(m_hwndControl))
        return;
    BOOL bShow = m_bControlVisible && m_dwHideFlags == 0;
    ::SetWindowPos(m_hwndControl, nullptr, 0, 0, 0, 0, bShow ? kShowFlags : kHideFlags);
}

void CXTPControlCustom::SetRect(CRect rcControl)
{
    HWND hBar = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    if (!m_hwndControl || !::IsWindow(m_hwndControl) || !hBar) {
        m_rcControl = rcControl;
        return;
    }
    if (m_rcControl == rcControl && ::GetParent(m_hwndControl) == hBar)
        return;
    m_rcControl = rcControl;
    LONG lStyle = ::GetWindowLongW(m_hwndControl, GWL_STYLE);
    ::SetWindowLongW(m_hwndControl, GWL_STYLE, (lStyle & ~static_cast<LONG>(WS_POPUP)) | WS_CHILD);
    ::SetParent(m_hwndControl, hBar);
    m_pParent->OnChildWindowPlaced();
    CRect rcWindow(rcControl.left + m_rcBorders.left, rcControl.top + m_rcBorders.top,
                   rcControl.right - m_rcBorders.right, rcControl.bottom - m_rcBorders.bottom);
    ::MoveWindow(m_hwndControl, rcWindow.left, rcWindow.top, rcWindow.Width(), rcWindow.Height(), TRUE);
    ShowHostedWindow();
}

void CXTPControlCustom::SetHideFlags(DWORD dwFlags)
{
    CXTPControlButton::SetHideFlags(dwFlags);
    ShowHostedWindow();
}

void CXTPControlCustom::SetEnabled(BOOL bEnabled)
{
    CXTPControlButton::SetEnabled(bEnabled);
    if (m_hwndControl && ::IsWindow(m_hwndControl))
        ::EnableWindow(m_hwndControl, bEnabled);
}

void CXTPControlCustom::OnCalcDynamicSize(DWORD dwMode)
{
    BOOL bVertical = (dwMode & LM_VERTDOCK) != 0;
    if (m_verticalOptions == xtpVerticalHide) {
        DWORD dwFlags = bVertical ? (m_dwHideFlags | xtpHideDockingPosition)
                                  : (m_dwHideFlags & ~static_cast<DWORD>(xtpHideDockingPosition));
        if (dwFlags != m_dwHideFlags)
            SetHideFlags(dwFlags);
    } else if (m_verticalOptions == xtpVerticalButton) {
        BOOL bShown = !bVertical;
        if (bShown != m_bControlVisible) {
            m_bControlVisible = bShown;
            ShowHostedWindow();
        }
    }
}

void CXTPControlCustom::Draw(CDC* pDC)
{
    if (!IsWindowShown())
        CXTPControlButton::Draw(pDC);
}

void CXTPControlCustom::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (IsWindowShown() && !IsCustomizeMode())
        return;
    CXTPControlButton::OnClick(bKeyboard, pt);
}

BOOL CXTPControlCustom::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/,
                                                 DROPEFFECT& dropEffect)
{
    return XTPAcceptPopupBarTargetOnly(pCommandBar, dropEffect);
}

void CXTPControlCustom::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlCustom* pCustom = dynamic_cast<CXTPControlCustom*>(pControl);
    if (pCustom) {
        m_rcBorders = pCustom->m_rcBorders;
        m_verticalOptions = pCustom->m_verticalOptions;
        m_szControl = pCustom->m_szControl;
        m_nControlId = pCustom->m_nControlId;
        if (pCustom->m_hwndControl != m_hwndControl) {
            if (m_hwndControl)
                XTPHookManager()->RemoveHook(m_hwndControl, this);
            m_hwndControl = pCustom->m_hwndControl;
            if (m_hwndControl)
                XTPHookManager()->SetHook(m_hwndControl, this);
        }
    }
    CXTPControlButton::Copy(pControl, bRecursive);
}

CXTPControl* CXTPControlCustom::Clone(BOOL bRecursive)
{
    CXTPControlCustom* pControl = new CXTPControlCustom();
    pControl->Copy(this, bRecursive);
    return pControl;
}

HWND CXTPControlCustom::FindControlWindow() const
{
    if (m_nControlId == 0)
        return nullptr;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CWnd* pSite = pCommandBars ? pCommandBars->GetSite() : nullptr;
    HWND hFound = pSite && pSite->GetSafeHwnd() ? ::GetDlgItem(pSite->GetSafeHwnd(), m_nControlId) : nullptr;
    for (int i = 0; !hFound && pCommandBars && i < pCommandBars->GetCount(); i++) {
        CXTPToolBar* pToolBar = pCommandBars->GetAt(i);
        if (pToolBar && pToolBar->GetSafeHwnd())
            hFound = ::GetDlgItem(pToolBar->GetSafeHwnd(), m_nControlId);
    }
    return hFound;
}

void CXTPControlCustom::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControlButton::DoPropExchange(pPX);
    RECT rcBorders = m_rcBorders;
    const RECT rcNoBorders = {0, 0, 0, 0};
    pPX->ExchangeProp(L"Borders", VT_XTP_RECT, &rcBorders, &rcNoBorders);
    m_rcBorders = rcBorders;
    XTPExchangeSizeWithDefault(pPX, L"ControlSize", m_szControl, CSize(0, 0));
    int nOptions = m_verticalOptions;
    XTPExchangeLongWithDefault(pPX, L"VerticalOptions", nOptions, 0);
    if (nOptions >= xtpVerticalHide && nOptions <= xtpVerticalButton)
        m_verticalOptions = static_cast<XTPVerticalOptions>(nOptions);
    XTPExchangeLongWithDefault(pPX, L"ControlId", m_nControlId, 0);
    if (pPX->IsLoading() && m_nControlId != 0) {
        HWND hFound = FindControlWindow();
        if (hFound)
            SetControl(CWnd::FromHandle(hFound));
    }
}

int CXTPControlCustom::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& /*wParam*/, LPARAM& lParam,
                                     LRESULT& /*lResult*/)
{
    // Hot tracking goes on over the hosted window.
    if (nMessage == WM_MOUSEMOVE && m_pParent && m_pParent->GetSafeHwnd()) {
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::MapWindowPoints(hWnd, m_pParent->GetSafeHwnd(), &pt, 1);
        m_pParent->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    return 0;
}

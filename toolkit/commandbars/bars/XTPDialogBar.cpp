#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include <algorithm>
#include "framework/gdi/CClientDC.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPFontDC.h"

IMPLEMENT_DYNCREATE(CXTPDialogBar, CXTPToolBar)

BEGIN_MESSAGE_MAP(CXTPDialogBar, CXTPToolBar)
    ON_WM_NCHITTEST()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
const int kCaptionControlHeight = 16;
const int kHitBorder = 3;
}  // namespace

CXTPDialogBar::CXTPDialogBar()
    : m_pCaptionPopupBar(new CXTPCaptionPopupBar())
{
    // Dialog bars take no part in customization.
    m_bCustomizable = FALSE;
}

CXTPDialogBar::~CXTPDialogBar()
{
    m_pCaptionPopupBar->InternalRelease();
}

void CXTPDialogBar::SetChild(CWnd* pChildWnd)
{
    m_hwndChild = pChildWnd != nullptr ? pChildWnd->GetSafeHwnd() : nullptr;
    PlaceChild();
}

void CXTPDialogBar::SetCaption(const CString& strCaption)
{
    m_strCaption = strCaption;
    DelayLayout();
}

void CXTPDialogBar::SetCaptionVisible(BOOL bVisible)
{
    if (m_bCaptionVisible == bVisible)
        return;
    m_bCaptionVisible = bVisible;
    if (!bVisible)
        m_nCaptionStripHeight = 0;
    // The bar changes height and the child its place, both at once; the
    // child follows the new insets even where the bar's size happens to stay.
    OnRecalcLayout();
    PlaceChild();
    if (GetSafeHwnd() != nullptr)
        Invalidate(FALSE);
}

int CXTPDialogBar::MeasureCaptionHeight()
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CClientDC dc(GetSafeHwnd() != nullptr ? this : nullptr);
    CXTPFontDC font(&dc, pPaintManager->GetCommandBarFont(this));
    return pPaintManager->DrawDialogBarGripper(&dc, this, FALSE).cy;
}

CRect CXTPDialogBar::GetClientInsets()
{
    CRect rc = m_rcBorders;
    if (m_bCaptionVisible)
        rc.top += MeasureCaptionHeight();
    return rc;
}

CSize CXTPDialogBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    // The dock bars lay docked bars out through this call too.
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcDockingLayout(nLength, dwMode);
    return CalcLayout(m_szFloatingClient, 32000, dwMode);
}

CSize CXTPDialogBar::CalcDockingLayout(int nLength, DWORD dwMode)
{
    return CalcLayout(m_szDockingClient, nLength, dwMode);
}

CSize CXTPDialogBar::CalcLayout(CSize szClient, int nLength, DWORD dwMode)
{
    CSize size(szClient.cx + m_rcBorders.left + m_rcBorders.right,
               szClient.cy + m_rcBorders.top + m_rcBorders.bottom);
    if (!m_bCaptionVisible) {
        // No strip: the mouse manager must not take its old place for one.
        m_nCaptionStripHeight = 0;
        PlaceCaptionControls(size.cx, -1);
        return size;
    }
    const int nCaptionHeight = MeasureCaptionHeight();
    m_nCaptionStripHeight = m_rcBorders.top + nCaptionHeight;
    size.cy += nCaptionHeight;
    if (dwMode & LM_STRETCH) {
        if (dwMode & LM_VERTDOCK)
            size.cy = std::max(static_cast<int>(size.cy), nLength);
        else
            size.cx = std::max(static_cast<int>(size.cx), nLength);
    }
    if (nLength >= 0) {
        if (dwMode & LM_HORZ)
            size.cx = std::min(static_cast<int>(size.cx), nLength);
        else
            size.cy = std::min(static_cast<int>(size.cy), nLength);
    }
    PlaceCaptionControls(size.cx, nCaptionHeight);
    return size;
}

// A negative caption height hides both caption controls.
void CXTPDialogBar::PlaceCaptionControls(int nWidth, int nCaptionHeight)
{
    CXTPControls* pControls = GetControls();
    CXTPControl* pHide = pControls->FindControl(XTP_ID_TOOLBAR_HIDE);
    auto* pCaption = dynamic_cast<CXTPControlCaptionPopup*>(pControls->FindControl(XTP_ID_DIALOGBAR_CAPTION));
    if (nCaptionHeight < 0) {
        if (pHide != nullptr)
            pHide->SetHideFlag(xtpHideGeneric, TRUE);
        if (pCaption != nullptr)
            pCaption->SetHideFlag(xtpHideGeneric, TRUE);
        return;
    }
    const int nTop = m_rcBorders.top + nCaptionHeight / 2 - kCaptionControlHeight / 2;
    int nRight = nWidth - m_rcBorders.right;
    if (IsCloseable()) {
        if (pHide == nullptr)
            pHide = pControls->Add(new CXTPControlButtonHide(), XTP_ID_TOOLBAR_HIDE, CString(), -1, TRUE);
        pHide->SetHideFlag(xtpHideGeneric, FALSE);
        pHide->SetRect(CRect(nRight - kCaptionControlHeight, nTop, nRight, nTop + kCaptionControlHeight));
        nRight -= kCaptionControlHeight;
    } else if (pHide != nullptr) {
        pHide->SetHideFlag(xtpHideGeneric, TRUE);
    }

    if (pCaption == nullptr) {
        pCaption = new CXTPControlCaptionPopup();
        pControls->Add(pCaption, XTP_ID_DIALOGBAR_CAPTION, CString(), -1, TRUE);
        pCaption->SetCommandBar(m_pCaptionPopupBar);
    }
    pCaption->SetHideFlag(xtpHideGeneric, FALSE);
    pCaption->SetHasPopup(m_bCaptionPopup && m_pCaptionPopupBar->GetControlCount() > 0);
    pCaption->SetRect(CRect(m_rcBorders.left, nTop, nRight, nTop + kCaptionControlHeight));
    pCaption->SetCaption(m_strCaption.IsEmpty() ? GetTitle() : m_strCaption);
}

void CXTPDialogBar::PlaceChild()
{
    if (m_hwndChild == nullptr || !::IsWindow(m_hwndChild) || GetSafeHwnd() == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect insets = GetClientInsets();
    ::SetWindowPos(m_hwndChild, nullptr, insets.left, insets.top,
                   std::max(0, static_cast<int>(rcClient.Width() - insets.left - insets.right)),
                   std::max(0, static_cast<int>(rcClient.Height() - insets.top - insets.bottom)), SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(m_hwndChild, nullptr, TRUE);
}

void CXTPDialogBar::OnSize(UINT nType, int cx, int cy)
{
    CXTPToolBar::OnSize(nType, cx, cy);
    PlaceChild();
}

BOOL CXTPDialogBar::IsPointInside(CPoint pt) const
{
    if (GetSafeHwnd() == nullptr)
        return -2;
    CRect rc;
    GetWindowRect(&rc);
    rc.bottom = rc.top + m_nCaptionStripHeight;
    return rc.PtInRect(pt) ? 1 : -2;
}

void CXTPDialogBar::Resize(CRect rcWindow, int nHitTest)
{
    if (rcWindow.Width() < m_szMin.cx || rcWindow.Height() < m_szMin.cy)
        return;
    const CRect insets = GetClientInsets();
    const CSize szClient(rcWindow.Width() - insets.left - insets.right,
                         rcWindow.Height() - insets.top - insets.bottom);
    if (GetPosition() != xtpBarFloating) {
        if (nHitTest == HTLEFT || nHitTest == HTRIGHT)
            m_szDockingClient.cx = szClient.cx;
        else
            m_szDockingClient.cy = szClient.cy;
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->RecalcFrameLayout(FALSE);
        return;
    }
    m_szFloatingClient = szClient;
    CalcDynamicLayout(-1, LM_HORZ | LM_COMMIT);
    MoveWindow(&rcWindow, TRUE);
    Invalidate();
}

LRESULT CXTPDialogBar::OnNcHitTest(CPoint point)
{
    if (!m_bResizable)
        return CXTPCommandBar::OnNcHitTest(point);
    CRect rc;
    GetWindowRect(&rc);
    rc.DeflateRect(kHitBorder, kHitBorder);
    const XTPBarPosition position = GetPosition();
    if (position == xtpBarFloating) {
        if (point.y < rc.top)
            return point.x < rc.left ? HTTOPLEFT : point.x >= rc.right ? HTTOPRIGHT : HTTOP;
        if (point.y >= rc.bottom)
            return point.x < rc.left ? HTBOTTOMLEFT : point.x >= rc.right ? HTBOTTOMRIGHT : HTBOTTOM;
        if (point.x < rc.left)
            return HTLEFT;
        if (point.x >= rc.right)
            return HTRIGHT;
        return CXTPCommandBar::OnNcHitTest(point);
    }
    // A stretched bar fills its row: its far end is no border.
    const BOOL bStretched = (GetFlags() & XTP_BARFLAG_STRETCHED) != 0;
    const BOOL bVertical = position == xtpBarLeft || position == xtpBarRight;
    if (position == xtpBarBottom) {
        if (point.y <= rc.top)
            return HTTOP;
    } else if (!(bStretched && bVertical) && point.y >= rc.bottom) {
        return HTBOTTOM;
    }
    if (position == xtpBarRight)
        return point.x <= rc.left ? HTLEFT : CXTPCommandBar::OnNcHitTest(point);
    if (!(bStretched && !bVertical) && point.x >= rc.right)
        return HTRIGHT;
    return CXTPCommandBar::OnNcHitTest(point);
}

void CXTPDialogBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPToolBar::Copy(pCommandBar, bRecursive);
    auto* pSource = dynamic_cast<CXTPDialogBar*>(pCommandBar);
    if (pSource == nullptr || pSource == this)
        return;
    m_rcBorders = pSource->m_rcBorders;
    m_bResizable = pSource->m_bResizable;
    m_szMin = pSource->m_szMin;
    m_bCaptionVisible = pSource->m_bCaptionVisible;
    m_bCaptionPopup = pSource->m_bCaptionPopup;
    m_szDockingClient = pSource->m_szDockingClient;
    m_szFloatingClient = pSource->m_szFloatingClient;
    m_strCaption = pSource->m_strCaption;
}

CXTPCommandBar* CXTPDialogBar::Clone(BOOL bRecursive)
{
    auto* pClone = new CXTPDialogBar();
    pClone->Copy(this, bRecursive);
    return pClone;
}

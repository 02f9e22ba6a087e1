#include "framework/windows/CReBar.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CRect.h"
#include "framework/windows/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

CReBar::CReBar()
{
    SetBorders(0, 0, 0, 0);
}

CReBar::~CReBar() = default;

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&init);
    // The bar-style bits live in m_dwStyle; the window takes the rest.
    m_dwStyle = dwStyle & CBRS_ALL;
    const DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NODIVIDER | CCS_NOPARENTALIGN;
    CRect rc(0, 0, 0, 0);
    if (!CWnd::Create(REBARCLASSNAMEW, nullptr, dwWindowStyle, rc, pParentWnd, nID))
        return FALSE;
    m_pDockSite = dynamic_cast<CFrameWnd*>(pParentWnd);
    REBARINFO info = {sizeof(info), 0, nullptr};
    SendMessage(RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
    return TRUE;
}

int CReBar::GetBandCount() const
{
    return m_hWnd != nullptr ? static_cast<int>(SendMessage(RB_GETBANDCOUNT)) : 0;
}

BOOL CReBar::InsertBand(CWnd* pBar, REBARBANDINFOW& band)
{
    if (m_hWnd == nullptr || pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return FALSE;
    CSize size;
    if (auto* pControlBar = dynamic_cast<CControlBar*>(pBar)) {
        size = pControlBar->CalcFixedLayout(FALSE, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    } else {
        CRect rc;
        pBar->GetWindowRect(&rc);
        size = rc.Size();
    }
    band.cbSize = REBARBANDINFOW_V6_SIZE;
    band.fMask |= RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    band.hwndChild = pBar->GetSafeHwnd();
    band.cxMinChild = size.cx;
    band.cyMinChild = size.cy;
    band.cx = size.cx;
    if (!SendMessage(RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)))
        return FALSE;
    if (m_pDockSite != nullptr)
        m_pDockSite->RecalcLayout();
    return TRUE;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, CBitmap* pbmp, DWORD dwStyle)
{
    REBARBANDINFOW band = {};
    band.fStyle = dwStyle;
    if (pszText != nullptr) {
        band.fMask |= RBBIM_TEXT;
        band.lpText = const_cast<LPWSTR>(pszText);
    }
    if (pbmp != nullptr && pbmp->GetSafeHandle() != nullptr) {
        band.fMask |= RBBIM_BACKGROUND;
        band.hbmBack = static_cast<HBITMAP>(pbmp->GetSafeHandle());
    }
    return InsertBand(pBar, band);
}

BOOL CReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCTSTR pszText, DWORD dwStyle)
{
    REBARBANDINFOW band = {};
    band.fStyle = dwStyle;
    band.fMask = RBBIM_COLORS;
    band.clrFore = clrFore;
    band.clrBack = clrBack;
    if (pszText != nullptr) {
        band.fMask |= RBBIM_TEXT;
        band.lpText = const_cast<LPWSTR>(pszText);
    }
    return InsertBand(pBar, band);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_hWnd == nullptr)
        return CSize(0, 0);
    // The control knows its rows; a bar without bands takes no room.
    const int nThickness = GetBandCount() > 0 ? static_cast<int>(SendMessage(RB_GETBARHEIGHT)) : 0;
    CRect rc;
    GetWindowRect(&rc);
    if (bHorz)
        return CSize(bStretch ? 32767 : rc.Width(), nThickness);
    return CSize(nThickness, bStretch ? 32767 : rc.Height());
}

void CReBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    // Bands hosting control bars update themselves; others have nothing to update.
    (void)pTarget;
    (void)bDisableIfNoHndler;
}

void CReBar::OnPaint()
{
    Default();
}

void CReBar::OnNcPaint()
{
    Default();
}

void CReBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    Default();
}

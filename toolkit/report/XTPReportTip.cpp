#include "toolkit/report/XTPReportTip.h"

#include "framework/windows/AfxMessages.h"
#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CPaintDC.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"

BEGIN_MESSAGE_MAP(CXTPReportTip, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CXTPReportTip::CXTPReportTip() : m_nRowIndex(-1), m_pItem(nullptr), m_pParentWnd(nullptr), m_rcHover(0, 0, 0, 0)
{
}

CXTPReportTip::~CXTPReportTip()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CXTPReportTip::Create(CWnd* pParentWnd)
{
    if (m_hWnd)
        return TRUE;
    m_pParentWnd = pParentWnd;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    return CreateEx(WS_EX_TOOLWINDOW, lpszClass, nullptr, WS_POPUP, CRect(0, 0, 0, 0), pParentWnd, 0);
}

void CXTPReportTip::SetFont(CFont* pFont)
{
    m_fntToolTip.DeleteObject();
    LOGFONT lf;
    if (pFont && pFont->GetSafeHandle() && pFont->GetLogFont(&lf))
        m_fntToolTip.CreateFontIndirect(&lf);
}

void CXTPReportTip::SetHoverRect(CRect rc)
{
    m_rcHover = rc;
    if (m_hWnd)
        MoveWindow(rc, FALSE);
}

static BOOL IsRightToLeft(CWnd* pWnd)
{
    return pWnd && pWnd->GetSafeHwnd() && (pWnd->GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING)) != 0;
}

void CXTPReportTip::Activate(BOOL bActive)
{

    if (!m_hWnd)
        return;
    if (!bActive)
    {
        SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    CClientDC dc(this);
    CFont* pOldFont = m_fntToolTip.GetSafeHandle() ? dc.SelectObject(&m_fntToolTip) : nullptr;
    const int nWidth = dc.GetTextExtent(m_strTooltipText).cx + 6;
    if (pOldFont)
        dc.SelectObject(pOldFont);

    CRect rc;
    GetWindowRect(rc);
    rc.right = rc.left + nWidth;
    if (IsRightToLeft(m_pParentWnd))
        rc.OffsetRect(m_rcHover.right + 1 - rc.right, 0);
    const CRect rcWork = XTPGetWorkAreaOfCursor();
    if (rc.right > rcWork.right)
        rc.OffsetRect(rcWork.right - rc.right, 0);
    if (rc.left < rcWork.left)
        rc.OffsetRect(rcWork.left - rc.left, 0);
    MoveWindow(rc, TRUE);
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CXTPReportTip::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    const COLORREF clrText = ::GetSysColor(COLOR_INFOTEXT);
    dc.FillSolidRect(rc, ::GetSysColor(COLOR_INFOBK));
    dc.Draw3dRect(rc, clrText, clrText);
    dc.SetTextColor(clrText);
    dc.SetBkMode(TRANSPARENT);
    if (IsRightToLeft(m_pParentWnd))
        dc.SetTextAlign(TA_RTLREADING);
    CFont* pOldFont = m_fntToolTip.GetSafeHandle() ? dc.SelectObject(&m_fntToolTip) : nullptr;
    CRect rcText(rc.left + 3, rc.top - 2, rc.right, rc.bottom);
    dc.DrawText(m_strTooltipText, rcText, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    if (pOldFont)
        dc.SelectObject(pOldFont);
}

BOOL CXTPReportTip::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

LRESULT CXTPReportTip::OnNcHitTest(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return HTTRANSPARENT;
}

void CXTPReportTip::Forget()
{
    m_pItem = nullptr;
    m_nRowIndex = -1;
    if (m_hWnd && IsWindowVisible())
        Activate(FALSE);
}

LRESULT CXTPReportTip::OnFloatStatus(WPARAM wParam, LPARAM /*lParam*/)
{
    // The window it belongs to lost the activation or the input (a dialog
    // or sheet opened): the tip goes, and its cell stays remembered, so
    // that it comes back only once the pointer has left that cell.
    if ((wParam & (FS_DEACTIVATE | FS_DISABLE)) && m_hWnd && IsWindowVisible())
        Activate(FALSE);
    return 0;
}

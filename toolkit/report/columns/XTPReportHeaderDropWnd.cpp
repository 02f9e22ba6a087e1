#include "toolkit/report/columns/XTPReportHeaderDropWnd.h"

#include "framework/gdi/CPaintDC.h"
#include "framework/gdi/CRgn.h"

namespace {

const int kMarkerWidth = 12;
const int kArrowRoom = 20;

} // namespace

BEGIN_MESSAGE_MAP(CXTPReportHeaderDropWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CXTPReportHeaderDropWnd::CXTPReportHeaderDropWnd(COLORREF crColor) : m_clr(crColor), m_nHeight(0)
{
}

CXTPReportHeaderDropWnd::~CXTPReportHeaderDropWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CXTPReportHeaderDropWnd::Create(int nHeight)
{
    m_nHeight = nHeight + kArrowRoom;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpszClass, nullptr, WS_POPUP | WS_DISABLED, 0, 0, kMarkerWidth,
                  m_nHeight, nullptr, nullptr))
        return FALSE;
    const int b = m_nHeight;
    // A down arrow on top and an up arrow at the bottom, pointing at the gap.
    const POINT ptTop[7] = {{4, 0}, {8, 0}, {8, 4}, {11, 4}, {6, 9}, {1, 4}, {4, 4}};
    const POINT ptBottom[7] = {{4, b}, {8, b}, {8, b - 4}, {12, b - 4}, {6, b - 10}, {0, b - 4}, {4, b - 4}};
    CRgn rgnTop, rgnBottom, rgnMarker;
    rgnTop.CreatePolygonRgn(ptTop, 7, WINDING);
    rgnBottom.CreatePolygonRgn(ptBottom, 7, WINDING);
    rgnMarker.CreateRectRgn(0, 0, 0, 0);
    rgnMarker.CombineRgn(&rgnTop, &rgnBottom, RGN_OR);
    SetWindowRgn((HRGN)rgnMarker.Detach(), FALSE);
    return TRUE;
}

void CXTPReportHeaderDropWnd::SetWindowPos(int x, int y)
{
    CWnd::SetWindowPos(&wndTopMost, x - kMarkerWidth / 2, y - m_nHeight / 2, 0, 0,
                       SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CXTPReportHeaderDropWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    dc.FillSolidRect(rc, m_clr);
}

BOOL CXTPReportHeaderDropWnd::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

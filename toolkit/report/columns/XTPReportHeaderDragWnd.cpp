#include "toolkit/report/columns/XTPReportHeaderDragWnd.h"

#include "framework/gdi/CPaintDC.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/XTPReportPaintManager.h"

namespace {

const UINT_PTR kScrollTimer = 1;
const UINT kScrollDelay = 100;

} // namespace

BEGIN_MESSAGE_MAP(CXTPReportHeaderDragWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CXTPReportHeaderDragWnd::CXTPReportHeaderDragWnd()
    : m_pHeader(nullptr), m_pPaintManager(nullptr), m_pColumn(nullptr)
{
}

CXTPReportHeaderDragWnd::~CXTPReportHeaderDragWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CXTPReportHeaderDragWnd::Create(CRect rect, CXTPReportHeader* pHeader, CXTPReportPaintManager* pPaintManager,
                                     CXTPReportColumn* pColumn)
{
    m_pHeader = pHeader;
    m_pPaintManager = pPaintManager;
    m_pColumn = pColumn;
    if (rect.Height() == 0)
        rect.bottom = rect.top + pPaintManager->GetFixedHeaderHeight();
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpszClass, nullptr, WS_POPUP | WS_DISABLED, rect.left, rect.top,
                  rect.Width(), rect.Height(), nullptr, nullptr))
        return FALSE;
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (pHeader && !pHeader->IsColumnAutoSizing())
        SetTimer(kScrollTimer, kScrollDelay);
    return TRUE;
}

void CXTPReportHeaderDragWnd::OnPaint()
{
    CPaintDC paint(this);
    CRect rc;
    GetClientRect(rc);
    CXTPBufferDC dc(paint.m_hDC, rc);
    m_pPaintManager->FillHeaderControl(&dc, rc);
    m_pPaintManager->DrawColumn(&dc, m_pColumn, m_pHeader, rc, TRUE);
}

BOOL CXTPReportHeaderDragWnd::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CXTPReportHeaderDragWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kScrollTimer || !m_pHeader)
        return;
    CXTPReportControl* pControl = m_pHeader->m_pControl;
    CPoint pt;
    ::GetCursorPos(&pt);
    pControl->ScreenToClient(&pt);
    const CRect rcHeader = m_pHeader->GetHeaderRect();
    if (pt.x < rcHeader.left)
        pControl->SetLeftOffset(pControl->GetLeftOffset() - 10);
    else if (pt.x > rcHeader.right)
        pControl->SetLeftOffset(pControl->GetLeftOffset() + 10);
    else
        return;
    m_pHeader->OnMouseMove(0, pt);
}

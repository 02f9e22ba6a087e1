#include "toolkit/report/rows/XTPReportGroupRow.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportPaintManager.h"

CXTPReportGroupRow::CXTPReportGroupRow()
{
    m_bExpanded = TRUE;
}

BOOL CXTPReportGroupRow::IsGroupRow() const
{
    return TRUE;
}

BOOL CXTPReportGroupRow::IsShown() const
{
    return TRUE;
}

CString CXTPReportGroupRow::GetCaption()
{
    return m_strGroupText;
}

CString CXTPReportGroupRow::GetTooltip()
{
    return GetCaption();
}

void CXTPReportGroupRow::Draw(CDC* pDC, CRect rcRow, int nLeftOffset)
{
    m_rcRow = rcRow;
    if (m_pControl->GetFreezeColumnsCount() == 0)
        m_rcRow.OffsetRect(-nLeftOffset, 0);
    XTP_REPORTRECORDITEM_DRAWARGS drawArgs;
    drawArgs.pDC = pDC;
    drawArgs.pControl = m_pControl;
    drawArgs.pRow = this;
    drawArgs.rcItem = m_rcRow;
    XTP_REPORTRECORDITEM_METRICS* pMetrics = new XTP_REPORTRECORDITEM_METRICS();
    pMetrics->strText = GetCaption();
    CXTPReportPaintManager* pPaintManager = m_pControl->GetPaintManager();
    pPaintManager->FillGroupRowMetrics(this, pMetrics, pDC->IsPrinting());
    m_pControl->GetItemMetrics(&drawArgs, pMetrics);
    pPaintManager->DrawGroupRow(pDC, this, m_rcRow, pMetrics);
    delete pMetrics;
}

void CXTPReportGroupRow::OnClick(CPoint ptClicked)
{
    if (m_rcCollapse.PtInRect(ptClicked))
        SetExpanded(!IsExpanded());
}

void CXTPReportGroupRow::OnDblClick(CPoint ptClicked)
{
    // A double click on the glyph toggled already with its first click.
    if (!m_rcCollapse.PtInRect(ptClicked))
        SetExpanded(!IsExpanded());
}

INT_PTR CXTPReportGroupRow::OnToolHitTest(CPoint /*point*/, TOOLINFO* pTI)
{
    const CString strTip = GetTooltip();
    if (strTip.IsEmpty() || !pTI)
        return -1;
    CXTPToolTipContext::FillInToolInfo(pTI, m_pControl->GetSafeHwnd(), m_rcRow.left, m_rcRow.top, m_rcRow.right,
                                       m_rcRow.bottom, (UINT)(UINT_PTR)this, strTip);
    return (INT_PTR)this;
}

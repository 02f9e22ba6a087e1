#include "toolkit/report/records/XTPReportRecordItemPreview.h"

#include "framework/files/CArchive.h"
#include "framework/gdi/CDC.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/rows/XTPReportRow.h"

IMPLEMENT_SERIAL(CXTPReportRecordItemPreview, CXTPReportRecordItem, VERSIONABLE_SCHEMA | XTP_REPORT_SCHEMA_CAPTION)

CXTPReportRecordItemPreview::CXTPReportRecordItemPreview(LPCTSTR szPreviewText) : m_strPreviewText(szPreviewText)
{
}

CString CXTPReportRecordItemPreview::GetPreviewText()
{
    return m_strPreviewText;
}

CString CXTPReportRecordItemPreview::GetCaption(CXTPReportColumn* /*pColumn*/)
{
    return GetPreviewText();
}

BOOL CXTPReportRecordItemPreview::IsPreviewItem() const
{
    return TRUE;
}

void CXTPReportRecordItemPreview::OnEditChanged(XTP_REPORTRECORDITEM_ARGS* /*pItemArgs*/, LPCTSTR szText)
{
    m_strPreviewText = szText;
}

void CXTPReportRecordItemPreview::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPReportRecordItem::DoPropExchange(pPX);
    XTPExchangeString(pPX, L"PreviewText", m_strPreviewText);
}

void CXTPReportRecordItemPreview::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                                 XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    CXTPReportPaintManager* pPaintManager = pDrawArgs->pControl->GetPaintManager();
    pMetrics->clrForeground = pPaintManager->m_clrPreviewText;
    pMetrics->pFont = pPaintManager->GetPreviewFont();
}

void CXTPReportRecordItemPreview::GetCaptionRect(XTP_REPORTRECORDITEM_ARGS* pDrawArgs, CRect& rcItem)
{
    const CRect& rcIndent = pDrawArgs->pControl->GetPaintManager()->m_rcPreviewIndent;
    rcItem.left += rcIndent.left - 2;
    rcItem.top -= 1;
    rcItem.right -= rcIndent.right;
    rcItem.bottom += rcIndent.bottom;
}

void CXTPReportRecordItemPreview::DrawCaption(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                              XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    if (pMetrics->strText.IsEmpty())
        return;
    const CRect& rcIndent = pDrawArgs->pControl->GetPaintManager()->m_rcPreviewIndent;
    CRect rcText(pDrawArgs->rcItem);
    rcText.left += rcIndent.left;
    rcText.top += rcIndent.top;
    rcText.right -= rcIndent.right;
    rcText.bottom -= rcIndent.bottom;
    pDrawArgs->pDC->SetBkMode(TRANSPARENT);
    pDrawArgs->pDC->DrawText(pMetrics->strText, rcText, DT_WORDBREAK | DT_NOPREFIX);
}

int CXTPReportRecordItemPreview::GetPreviewHeight(CDC* pDC, CXTPReportRow* pRow, int nWidth)
{
    CXTPReportControl* pControl = pRow->GetControl();
    XTP_REPORTRECORDITEM_METRICS metrics;
    metrics.strText = GetPreviewText();
    pRow->FillMetrics(nullptr, this, &metrics);
    if (metrics.strText.IsEmpty())
        return 0;
    CXTPReportPaintManager* pPaintManager = pControl->GetPaintManager();
    const CRect& rcIndent = pPaintManager->m_rcPreviewIndent;
    const int nIndent = pControl->GetIndent(pControl->GetColumns()->GetGroupsOrder()->GetCount());
    CRect rcText(rcIndent.left + nIndent, 0, nWidth - rcIndent.right, 0);
    CFont* pOldFont = metrics.pFont ? pDC->SelectObject(metrics.pFont) : nullptr;
    const int nLines = pPaintManager->CalculatePreviewLines(pDC, rcText, metrics.strText);
    const int nLineHeight = pDC->GetTextExtent(L"W", 1).cy;
    if (pOldFont)
        pDC->SelectObject(pOldFont);
    // No line fits: no band under the row at all.
    if (nLines <= 0)
        return 0;
    return nLines * nLineHeight + rcIndent.bottom + rcIndent.top;
}

// The text drawn under a row, word-wrapped, in the preview font.
#pragma once
#include "toolkit/report/records/XTPReportRecordItem.h"

class CXTPReportRecordItemPreview : public CXTPReportRecordItem
{
    DECLARE_SERIAL(CXTPReportRecordItemPreview)

public:
    explicit CXTPReportRecordItemPreview(LPCTSTR szPreviewText = L"");

    CString GetCaption(CXTPReportColumn* pColumn) override;
    void OnEditChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs, LPCTSTR szText) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics) override;
    void DrawCaption(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics) override;
    void GetCaptionRect(XTP_REPORTRECORDITEM_ARGS* pDrawArgs, CRect& rcItem) override;
    BOOL IsPreviewItem() const override;
    virtual CString GetPreviewText();
    virtual int GetPreviewHeight(CDC* pDC, CXTPReportRow* pRow, int nWidth);

    void SetPreviewText(LPCTSTR szText) { m_strPreviewText = szText; }

protected:
    CString m_strPreviewText;
};

// A cell holding a string.
#pragma once
#include "toolkit/report/records/XTPReportRecordItem.h"

class CXTPReportRecordItemText : public CXTPReportRecordItem
{
    DECLARE_SERIAL(CXTPReportRecordItemText)

public:
    explicit CXTPReportRecordItemText(LPCTSTR szText = L"");

    CString GetCaption(CXTPReportColumn* pColumn) override;
    void OnEditChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs, LPCTSTR szText) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;

    CString GetValue() const { return m_strText; }
    void SetValue(LPCTSTR szText) { m_strText = szText; }

protected:
    CString m_strText;
};

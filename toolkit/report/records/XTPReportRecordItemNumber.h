// A cell holding a number, shown through a printf-style format.
#pragma once
#include "toolkit/report/records/XTPReportRecordItem.h"

class CXTPReportRecordItemNumber : public CXTPReportRecordItem
{
    DECLARE_SERIAL(CXTPReportRecordItemNumber)

public:
    explicit CXTPReportRecordItemNumber(double dValue = 0.0);

    CString GetCaption(CXTPReportColumn* pColumn) override;
    int Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;
    void OnEditChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs, LPCTSTR szText) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;

    double GetValue() const { return m_dValue; }
    void SetValue(double dValue) { m_dValue = dValue; }

protected:
    double m_dValue;
};

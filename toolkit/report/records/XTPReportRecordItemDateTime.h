// A cell holding a date and time, shown through a date format.
#pragma once
#include "framework/ole/COleDateTime.h"
#include "toolkit/report/records/XTPReportRecordItem.h"

class CXTPReportRecordItemDateTime : public CXTPReportRecordItem
{
    DECLARE_SERIAL(CXTPReportRecordItemDateTime)

public:
    CXTPReportRecordItemDateTime();
    explicit CXTPReportRecordItemDateTime(COleDateTime odtValue);

    CString GetCaption(CXTPReportColumn* pColumn) override;
    int Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;
    void OnEditChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs, LPCTSTR szText) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;

    COleDateTime GetValue() const { return m_odtValue; }
    void SetValue(const COleDateTime& odtValue) { m_odtValue = odtValue; }

protected:
    COleDateTime m_odtValue;
};

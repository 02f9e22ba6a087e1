// A cell holding an automation VARIANT; in a column with constraints it
// shows the caption of the constraint whose data equals its value.
#pragma once
#include "framework/ole/COleVariant.h"
#include "toolkit/report/records/XTPReportRecordItem.h"

class CXTPReportRecordItemVariant : public CXTPReportRecordItem
{
    DECLARE_SERIAL(CXTPReportRecordItemVariant)

public:
    CXTPReportRecordItemVariant();
    explicit CXTPReportRecordItemVariant(const VARIANT& lpValue);

    CString GetCaption(CXTPReportColumn* pColumn) override;
    int Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem) override;
    void OnEditChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs, LPCTSTR szText) override;
    void OnConstraintChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs,
                             CXTPReportRecordItemConstraint* pConstraint) override;
    DWORD_PTR GetSelectedConstraintData(XTP_REPORTRECORDITEM_ARGS* pItemArgs) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;

    const COleVariant& GetValue() const { return m_oleValue; }
    void SetValue(const COleVariant& var) { m_oleValue = var; }

protected:
    BOOL UsesConstraints(CXTPReportColumn* pColumn);

    COleVariant m_oleValue;
};

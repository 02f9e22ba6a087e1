#include "toolkit/report/records/XTPReportRecordItemArgs.h"

#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/rows/XTPReportRow.h"

XTP_REPORTRECORDITEM_ARGS::XTP_REPORTRECORDITEM_ARGS()
    : pControl(nullptr), pRow(nullptr), pColumn(nullptr), pItem(nullptr), rcItem(0, 0, 0, 0)
{
}

XTP_REPORTRECORDITEM_ARGS::XTP_REPORTRECORDITEM_ARGS(CXTPReportControl* pControl_, CXTPReportRow* pRow_,
                                                     CXTPReportColumn* pColumn_)
    : pControl(pControl_), pRow(pRow_), pColumn(pColumn_), pItem(nullptr), rcItem(0, 0, 0, 0)
{
    if (pRow && pRow->GetRecord())
    {
        pItem = pRow->GetRecord()->GetItem(pColumn);
        rcItem = pRow->GetItemRect(pItem);
    }
}

#include "app/records/StatRecord.h"

#include "app/records/RowShading.h"
#include "app/records/TeamItem.h"
#include "engine/StatRow.h"
#include "toolkit/report/records/XTPReportRecordItemDateTime.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"

IMPLEMENT_DYNCREATE(CStatRecord, CXTPReportRecord)

namespace {

CXTPReportRecordItem* NewDateItem(const COleDateTime& date, LPCTSTR format)
{
    CXTPReportRecordItem* pItem = new CXTPReportRecordItemDateTime(date);
    pItem->SetFormatString(format);
    return pItem;
}

// A row of a team series names no match: its date field stays zero, which
// would read as 30.12.1899. Such a row shows no match date.
COleDateTime MatchDate(const StatRow& row)
{
    COleDateTime date = row.dtMatch;
    if (static_cast<DATE>(date) == 0)
        date.SetStatus(COleDateTime::null);
    return date;
}

} // namespace

CStatRecord::CStatRecord() = default;

CStatRecord::CStatRecord(const StatRow& row)
{
    AddItem(NewDateItem(row.dtFrom, L"%c"));
    AddItem(NewDateItem(row.dtTo, L"%c"));
    AddItem(NewTeamItem(row.strTeam1));
    AddItem(NewTeamItem(row.strTeam2));
    AddItem(new CXTPReportRecordItemText(row.strCity));
    AddItem(NewDateItem(MatchDate(row), L"%x"));
    AddItem(new CXTPReportRecordItemText(row.strCategory));
}

CStatRecord::~CStatRecord() = default;

void CStatRecord::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    ShadeOddRow(pDrawArgs, pMetrics);
}

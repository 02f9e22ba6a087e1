#include "app/records/TicketRecord.h"

#include "app/records/RowShading.h"
#include "app/records/TeamItem.h"
#include "toolkit/report/records/XTPReportHyperlink.h"
#include "toolkit/report/records/XTPReportRecordItemDateTime.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"

IMPLEMENT_DYNCREATE(CTicketRecord, CXTPReportRecord)

namespace {

LPCTSTR OrEmpty(LPCTSTR text)
{
    return text != nullptr ? text : L"";
}

} // namespace

CTicketRecord::CTicketRecord() = default;

CTicketRecord::CTicketRecord(const COleDateTime& from, LPCTSTR team1, LPCTSTR team2, LPCTSTR text3, LPCTSTR text4,
                             LPCTSTR text5, LPCTSTR pageAddress)
    : m_strPageAddress(OrEmpty(pageAddress))
{
    CXTPReportRecordItem* pFrom = AddItem(new CXTPReportRecordItemDateTime(from));
    pFrom->SetFormatString(L"%c");
    // The whole caption (however long the locale makes it) is the link.
    pFrom->AddHyperlink(new CXTPReportHyperlink(0, 255));
    AddItem(NewTeamItem(team1));
    AddItem(NewTeamItem(team2));
    AddItem(new CXTPReportRecordItemText(OrEmpty(text3)));
    AddItem(new CXTPReportRecordItemText(OrEmpty(text4)));
    AddItem(new CXTPReportRecordItemText(OrEmpty(text5)));
}

CTicketRecord::~CTicketRecord() = default;

void CTicketRecord::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    ShadeOddRow(pDrawArgs, pMetrics);
}

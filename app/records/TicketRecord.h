// One open offer in the ticket pane: since when, the two teams, three more
// texts and the page the row's link opens.
#pragma once
#include "framework/ole/COleDateTime.h"
#include "framework/text/CString.h"
#include "toolkit/report/records/XTPReportRecord.h"

class CTicketRecord : public CXTPReportRecord
{
    DECLARE_DYNCREATE(CTicketRecord)

public:
    CTicketRecord();
    // The start shows with the locale's date and time and is the link.
    CTicketRecord(const COleDateTime& from, LPCTSTR team1, LPCTSTR team2, LPCTSTR text3, LPCTSTR text4,
                  LPCTSTR text5, LPCTSTR pageAddress);
    ~CTicketRecord() override;

    void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics) override;

    const CString& GetPageAddress() const { return m_strPageAddress; }

protected:
    CString m_strPageAddress;
};

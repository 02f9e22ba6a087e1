// One match of the match report, read from a "Record" section of the match
// list: watch check box, number, round, the two teams with their flags, the
// date and the city. Watched rows are drawn bold.
#pragma once
#include "framework/text/CString.h"
#include "toolkit/report/records/XTPReportRecord.h"

class CXTPReportRecordItem;

class CMatchRecord : public CXTPReportRecord
{
    DECLARE_DYNCREATE(CMatchRecord)

public:
    // Item indexes, as the match report's columns use them.
    enum { itemCheck, itemNumber, itemRound, itemCountry1, itemCountry2, itemDate, itemCity };

    CMatchRecord();
    ~CMatchRecord() override;

    // Reads the record (the program never stores matches); a record that
    // breaks a rule throws the archive exception and gets no items.
    void DoPropExchange(CXTPPropExchange* pPX) override;
    void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics) override;

    int GetID() const { return m_nID; }
    // Null until the record was read.
    CXTPReportRecordItem* GetCheckItem() const { return m_pItemCheck; }
    BOOL IsWatched() const;
    // "city: team 1 - team 2".
    CString GetTitle() const;
    // The match date as a date only in the user's locale; empty without one.
    CString GetDateText() const;
    CString GetCity() const;
    CString GetCountry1() const;
    CString GetCountry2() const;
    // Either team is Germany (by the team table).
    BOOL IsGermanyMatch() const;

protected:
    int m_nID = 0;
    CXTPReportRecordItem* m_pItemCheck = nullptr;
    CXTPReportRecordItem* m_pItemCountry1 = nullptr;
    CXTPReportRecordItem* m_pItemCountry2 = nullptr;
    CXTPReportRecordItem* m_pItemRound = nullptr;
    CXTPReportRecordItem* m_pItemCity = nullptr;
    CXTPReportRecordItem* m_pItemDate = nullptr;
};

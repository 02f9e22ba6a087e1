// One row of the online statistics: when an offer came and went, the match
// (teams, city, date) and its category.
#pragma once
#include "toolkit/report/records/XTPReportRecord.h"

struct StatRow;

class CStatRecord : public CXTPReportRecord
{
    DECLARE_DYNCREATE(CStatRecord)

public:
    CStatRecord();
    explicit CStatRecord(const StatRow& row);
    ~CStatRecord() override;

    void GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics) override;
};

#include "app/view/MatchSelection.h"

#include "app/records/MatchRecord.h"
#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/records/XTPReportRecords.h"

void WatchMatchesWhere(CXTPReportRecords* pRecords, const MatchRule& rule)
{
    for (int i = 0; i < pRecords->GetCount(); ++i) {
        CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, pRecords->GetAt(i));
        if (pMatch != nullptr && pMatch->GetCheckItem() != nullptr)
            pMatch->GetCheckItem()->SetChecked(rule(*pMatch) ? TRUE : FALSE);
    }
}

MatchRule MatchNumbersBetween(int nFirst, int nLast)
{
    return [nFirst, nLast](const CMatchRecord& match) { return match.GetID() >= nFirst && match.GetID() <= nLast; };
}

MatchRule MatchesOfGermany()
{
    return [](const CMatchRecord& match) { return match.IsGermanyMatch() != FALSE; };
}

MatchRule MatchesInCity(const CString& strCity)
{
    return [strCity](const CMatchRecord& match) {
        // GetCity is empty for a row without a city item.
        const CString strRowCity = match.GetCity();
        return !strRowCity.IsEmpty() && strRowCity.CompareNoCase(strCity) == 0;
    };
}

#include "app/frame/OfferTexts.h"

#include "app/records/MatchRecord.h"
#include "engine/SiteHosts.h"
#include "engine/TicketPagePaths.h"
#include "toolkit/report/records/XTPReportRecords.h"

namespace {

CString TicketSiteAddress(LPCWSTR lpszPath)
{
    return CString(L"http://") + TICKET_SITE_HOST + lpszPath;
}

} // namespace

CString ResaleOverviewAddress()
{
    return TicketSiteAddress(RESALE_LIST_PATH);
}

CString ResaleDetailAddress(int nKey)
{
    CString strPath;
    strPath.Format(RESALE_DETAIL_PATH_FORMAT, nKey);
    return TicketSiteAddress(strPath);
}

CString TstListAddress()
{
    return TicketSiteAddress(TST_LIST_PATH);
}

CString FormatMatchOfferLine(int nCategory, BOOL bSb, BOOL bResale)
{
    CString strLine;
    strLine.Format(L"Category: %d %s %s", nCategory, bSb ? L"s.b." : L"", bResale ? L"Resale" : L"");
    return strLine;
}

CString FormatTstOfferLine(int nSeries, BOOL bResale)
{
    CString strLine;
    strLine.Format(bResale ? L"TST %d Resale" : L"TST %d", nSeries);
    return strLine;
}

CString FormatMatchGameText(const CMatchRecord& match)
{
    CString strText;
    strText.Format(L"%-30s|%-30s|%-30s|%20s", match.GetCountry1().GetString(), match.GetCountry2().GetString(),
                   match.GetCity().GetString(), match.GetDateText().GetString());
    return strText;
}

CMatchRecord* GetMatchAt(CXTPReportRecords* pRecords, int nRow)
{
    if (pRecords == nullptr || nRow < 0 || nRow >= pRecords->GetCount())
        return nullptr;
    return DYNAMIC_DOWNCAST(CMatchRecord, pRecords->GetAt(nRow));
}

CMatchRecord* FindMatchByNumber(CXTPReportRecords* pRecords, int nMatch)
{
    const int nCount = pRecords != nullptr ? pRecords->GetCount() : 0;
    for (int i = 0; i < nCount; ++i)
    {
        CMatchRecord* pMatch = DYNAMIC_DOWNCAST(CMatchRecord, pRecords->GetAt(i));
        if (pMatch != nullptr && pMatch->GetID() == nMatch)
            return pMatch;
    }
    return nullptr;
}

#include "app/records/MatchRecord.h"

#include "app/TeamFlags.h"
#include "app/records/RowShading.h"
#include "app/records/TeamItem.h"
#include "framework/files/CArchiveException.h"
#include "toolkit/common/system/XTAuxData.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/report/records/XTPReportRecordItemDateTime.h"
#include "toolkit/report/records/XTPReportRecordItemNumber.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"

IMPLEMENT_DYNCREATE(CMatchRecord, CXTPReportRecord)

namespace {

const long kFirstMatch = 1;
const long kLastMatch = 64;

} // namespace

CMatchRecord::CMatchRecord() = default;

CMatchRecord::~CMatchRecord() = default;

void CMatchRecord::DoPropExchange(CXTPPropExchange* pPX)
{
    if (pPX == nullptr || !pPX->IsLoading())
        return;
    long nID = 0;
    CString strRound, strCountry1, strCountry2, strCity;
    COleDateTime dtDate(0.0);
    XTPExchangeLongWithDefault(pPX, L"ID", nID, 0);
    XTPExchangeStringWithDefault(pPX, L"Round", strRound, L"");
    XTPExchangeStringWithDefault(pPX, L"Country1", strCountry1, L"");
    XTPExchangeStringWithDefault(pPX, L"Country2", strCountry2, L"");
    XTPExchangeStringWithDefault(pPX, L"City", strCity, L"");
    XTPExchangeDate(pPX, L"Date", dtDate);

    if (nID < kFirstMatch || nID > kLastMatch || strRound.IsEmpty() || strCountry1.IsEmpty() ||
        strCountry2.IsEmpty() || strCity.IsEmpty())
        AfxThrowArchiveException(CArchiveException::none);

    // A record is read once; reading it again starts over.
    RemoveAll();
    m_nID = static_cast<int>(nID);
    m_pItemCheck = AddItem(new CXTPReportRecordItemText(L""));
    m_pItemCheck->HasCheckbox(TRUE);
    AddItem(new CXTPReportRecordItemNumber(m_nID));
    m_pItemRound = AddItem(new CXTPReportRecordItemText(strRound));
    m_pItemCountry1 = AddItem(NewTeamItem(strCountry1));
    m_pItemCountry2 = AddItem(NewTeamItem(strCountry2));
    m_pItemDate = AddItem(new CXTPReportRecordItemDateTime(dtDate));
    m_pItemDate->SetFormatString(L"%x");
    m_pItemCity = AddItem(new CXTPReportRecordItemText(strCity));
}

void CMatchRecord::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    ShadeOddRow(pDrawArgs, pMetrics);
    if (pMetrics != nullptr && IsWatched())
        pMetrics->pFont = &XTPGetAuxData().fontBold;
}

BOOL CMatchRecord::IsWatched() const
{
    return m_pItemCheck != nullptr && m_pItemCheck->IsChecked();
}

CString CMatchRecord::GetTitle() const
{
    CString title;
    title.Format(L"%s: %s - %s", static_cast<LPCTSTR>(GetCity()), static_cast<LPCTSTR>(GetCountry1()),
                 static_cast<LPCTSTR>(GetCountry2()));
    return title;
}

CString CMatchRecord::GetDateText() const
{
    const CXTPReportRecordItemDateTime* pDate = static_cast<const CXTPReportRecordItemDateTime*>(m_pItemDate);
    return pDate != nullptr ? pDate->GetValue().Format(VAR_DATEVALUEONLY, LANG_USER_DEFAULT) : CString();
}

CString CMatchRecord::GetCity() const
{
    return ItemText(m_pItemCity);
}

CString CMatchRecord::GetCountry1() const
{
    return ItemText(m_pItemCountry1);
}

CString CMatchRecord::GetCountry2() const
{
    return ItemText(m_pItemCountry2);
}

BOOL CMatchRecord::IsGermanyMatch() const
{
    const int kGermany = 1;
    if (m_pItemCountry1 == nullptr || m_pItemCountry2 == nullptr)
        return FALSE;
    return GetTeamFlagNumber(GetCountry1()) == kGermany || GetTeamFlagNumber(GetCountry2()) == kGermany;
}

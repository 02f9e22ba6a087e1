#include "toolkit/report/records/XTPReportRecordItemNumber.h"

#include <stdlib.h>

#include "framework/files/CArchive.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/report/XTPReportFormat.h"

IMPLEMENT_SERIAL(CXTPReportRecordItemNumber, CXTPReportRecordItem, VERSIONABLE_SCHEMA | XTP_REPORT_SCHEMA_CAPTION)

namespace {

const LPCTSTR kDefaultNumberFormat = L"%.0f";
// Longest edited text that is read as a number.
const int kMaxNumberText = 19;

} // namespace

CXTPReportRecordItemNumber::CXTPReportRecordItemNumber(double dValue) : m_dValue(dValue)
{
    m_strFormatString = kDefaultNumberFormat;
}

CString CXTPReportRecordItemNumber::GetCaption(CXTPReportColumn* /*pColumn*/)
{
    if (!m_strCaption.IsEmpty())
        return m_strCaption;
    const BOOL bSafe = XTPReportIsSafeFormat(m_strFormatString, xtpReportFormatReal);
    CString strCaption;
    strCaption.Format(bSafe ? (LPCTSTR)m_strFormatString : kDefaultNumberFormat, m_dValue);
    return strCaption;
}

int CXTPReportRecordItemNumber::Compare(CXTPReportColumn* /*pColumn*/, CXTPReportRecordItem* pItem)
{
    CXTPReportRecordItemNumber* pOther = DYNAMIC_DOWNCAST(CXTPReportRecordItemNumber, pItem);
    if (!pOther)
        return 0;
    if (m_dValue == pOther->m_dValue)
        return 0;
    return m_dValue > pOther->m_dValue ? 1 : -1;
}

void CXTPReportRecordItemNumber::OnEditChanged(XTP_REPORTRECORDITEM_ARGS* /*pItemArgs*/, LPCTSTR szText)
{
    if (!szText || wcslen(szText) > (size_t)kMaxNumberText)
        return;
    char szBuffer[kMaxNumberText + 1] = {};
    ::WideCharToMultiByte(CP_ACP, 0, szText, -1, szBuffer, sizeof(szBuffer) - 1, nullptr, nullptr);
    m_dValue = atof(szBuffer);
}

void CXTPReportRecordItemNumber::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPReportRecordItem::DoPropExchange(pPX);
    XTPExchangeDouble(pPX, L"Value", m_dValue);
}

#include "toolkit/report/records/XTPReportRecordItemText.h"

#include "framework/files/CArchive.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/report/XTPReportFormat.h"

IMPLEMENT_SERIAL(CXTPReportRecordItemText, CXTPReportRecordItem, VERSIONABLE_SCHEMA | XTP_REPORT_SCHEMA_CAPTION)

CXTPReportRecordItemText::CXTPReportRecordItemText(LPCTSTR szText) : m_strText(szText)
{
}

CString CXTPReportRecordItemText::GetCaption(CXTPReportColumn* /*pColumn*/)
{
    if (!m_strCaption.IsEmpty())
        return m_strCaption;
    if (m_strFormatString == L"%s" || !XTPReportIsSafeFormat(m_strFormatString, xtpReportFormatString))
        return m_strText;
    CString strCaption;
    strCaption.Format(m_strFormatString, (LPCTSTR)m_strText);
    return strCaption;
}

void CXTPReportRecordItemText::OnEditChanged(XTP_REPORTRECORDITEM_ARGS* /*pItemArgs*/, LPCTSTR szText)
{
    m_strText = szText;
}

void CXTPReportRecordItemText::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPReportRecordItem::DoPropExchange(pPX);
    XTPExchangeStringWithDefault(pPX, L"Text", m_strText, L"");
}

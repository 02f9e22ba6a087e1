#include "toolkit/report/records/XTPReportRecordItemDateTime.h"

#include <math.h>

#include "framework/files/CArchive.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"

IMPLEMENT_SERIAL(CXTPReportRecordItemDateTime, CXTPReportRecordItem, VERSIONABLE_SCHEMA | XTP_REPORT_SCHEMA_CAPTION)

namespace {

const LPCTSTR kDefaultDateFormat = L"%a %b/%d/%Y %I:%M %p";

// Dates before the epoch count days backwards but times forwards.
double LinearDate(DATE dt)
{
    if (dt >= 0)
        return dt;
    const double dDay = trunc(dt);
    return dDay + fabs(dt - dDay);
}

} // namespace

CXTPReportRecordItemDateTime::CXTPReportRecordItemDateTime() : m_odtValue(0.0)
{
    m_strFormatString = kDefaultDateFormat;
}

CXTPReportRecordItemDateTime::CXTPReportRecordItemDateTime(COleDateTime odtValue) : m_odtValue(odtValue)
{
    m_strFormatString = kDefaultDateFormat;
}

CString CXTPReportRecordItemDateTime::GetCaption(CXTPReportColumn* /*pColumn*/)
{
    if (!m_strCaption.IsEmpty())
        return m_strCaption;
    return m_odtValue.Format(m_strFormatString);
}

int CXTPReportRecordItemDateTime::Compare(CXTPReportColumn* /*pColumn*/, CXTPReportRecordItem* pItem)
{
    CXTPReportRecordItemDateTime* pOther = DYNAMIC_DOWNCAST(CXTPReportRecordItemDateTime, pItem);
    if (!pOther)
        return 0;
    const COleDateTime::DateTimeStatus status = m_odtValue.GetStatus();
    const COleDateTime::DateTimeStatus otherStatus = pOther->m_odtValue.GetStatus();
    if (status == COleDateTime::null && otherStatus == COleDateTime::null)
        return 0;
    const DATE dt = m_odtValue.m_dt;
    const DATE dtOther = pOther->m_odtValue.m_dt;
    if (status == COleDateTime::valid && otherStatus == COleDateTime::valid)
    {
        if (dt == dtOther)
            return 0;
        return LinearDate(dt) > LinearDate(dtOther) ? 1 : -1;
    }
    return (int)(dt - dtOther);
}

void CXTPReportRecordItemDateTime::OnEditChanged(XTP_REPORTRECORDITEM_ARGS* /*pItemArgs*/, LPCTSTR szText)
{
    // Text that does not parse keeps the old value.
    COleDateTime odtParsed;
    if (odtParsed.ParseDateTime(szText, 0, LOCALE_USER_DEFAULT) && odtParsed.GetStatus() == COleDateTime::valid)
        m_odtValue = odtParsed;
}

void CXTPReportRecordItemDateTime::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPReportRecordItem::DoPropExchange(pPX);
    XTPExchangeDate(pPX, L"Value", m_odtValue);
}

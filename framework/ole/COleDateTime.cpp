#include "framework/ole/COleDateTime.h"

#include <cmath>
#include <cwchar>

namespace {

const double kSecondsPerDay = 86400.0;
// Day numbers of 1 January 100 and 31 December 9999, the range that OLE
// dates may take.
const long kFirstDay = -657434;
const long kLastDay = 2958465;
// Day number of 1 January 1970 (days are counted from 30 December 1899).
const long kUnixEpochDay = 25569;

// Days from 1 January 1970 in the proleptic Gregorian calendar.
long DaysFromCivil(long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& year, int& month, int& day)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// An OLE date keeps the time of day as a positive fraction even before day
// 0: -1.25 is 29 December 1899, 6:00. The linear value orders and adds
// like a plain number (-1.25 becomes -0.75).
double LinearFromDate(double dt)
{
    if (dt >= 0.0)
        return dt;
    const double days = std::ceil(dt);
    return days + (days - dt);
}

double DateFromLinear(double linear)
{
    const double days = std::floor(linear);
    const double fraction = linear - days;
    return days >= 0.0 ? linear : days - fraction;
}

bool IsDateInRange(double dt)
{
    return std::isfinite(dt) && dt > kFirstDay - 1.0 && dt < kLastDay + 1.0;
}

// The conversion letters that the C run-time library's strftime knows.
bool IsKnownConversion(wchar_t ch)
{
    return ch != 0 && std::wcschr(L"aAbBcdHIjmMpSUwWxXyYzZ", ch) != nullptr;
}

} // namespace

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    now.wMilliseconds = 0;
    return COleDateTime(now);
}

COleDateTime::COleDateTime()
    : m_dt(0.0)
    , m_status(valid)
{
}

COleDateTime::COleDateTime(DATE dtSrc)
{
    *this = dtSrc;
}

COleDateTime::COleDateTime(const VARIANT& varSrc)
{
    *this = varSrc;
}

COleDateTime::COleDateTime(std::time_t timeSrc)
{
    *this = timeSrc;
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc)
{
    *this = systimeSrc;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

void COleDateTime::SetChecked(double dt)
{
    if (IsDateInRange(dt)) {
        m_dt = dt;
        m_status = valid;
    } else {
        m_dt = 0.0;
        m_status = invalid;
    }
}

COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    SetChecked(dtSrc);
    return *this;
}

COleDateTime& COleDateTime::operator=(const VARIANT& varSrc)
{
    if (varSrc.vt == VT_DATE) {
        SetChecked(varSrc.date);
        return *this;
    }
    if (varSrc.vt == VT_NULL) {
        m_dt = 0.0;
        m_status = null;
        return *this;
    }
    VARIANT converted;
    ::VariantInit(&converted);
    if (SUCCEEDED(::VariantChangeType(&converted, const_cast<VARIANT*>(&varSrc), 0, VT_DATE)))
        SetChecked(converted.date);
    else {
        m_dt = 0.0;
        m_status = invalid;
    }
    ::VariantClear(&converted);
    return *this;
}

COleDateTime& COleDateTime::operator=(std::time_t timeSrc)
{
    const std::tm* local = std::localtime(&timeSrc);
    if (!local) {
        m_dt = 0.0;
        m_status = invalid;
        return *this;
    }
    SetDateTime(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min,
                local->tm_sec);
    return *this;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
    return *this;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > DaysInMonth(nYear, nMonth)
        || nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59) {
        m_dt = 0.0;
        m_status = invalid;
        return 1;
    }
    const long day = DaysFromCivil(nYear, static_cast<unsigned>(nMonth), static_cast<unsigned>(nDay)) + kUnixEpochDay;
    const double fraction = ((nHour * 60.0 + nMin) * 60.0 + nSec) / kSecondsPerDay;
    m_dt = day >= 0 ? day + fraction : day - fraction;
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay)
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec)
{
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

bool COleDateTime::GetParts(Parts& parts) const
{
    if (m_status != valid || !IsDateInRange(m_dt))
        return false;
    // Rounded to the nearest second; 23:59:59.6 becomes midnight of the
    // next day.
    double day = std::floor(LinearFromDate(m_dt));
    long long seconds = std::llround((LinearFromDate(m_dt) - day) * kSecondsPerDay);
    if (seconds >= 86400) {
        seconds -= 86400;
        day += 1.0;
    }
    const long dayNumber = static_cast<long>(day);
    CivilFromDays(dayNumber - kUnixEpochDay, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    // Day 0 (30 December 1899) was a Saturday.
    parts.dayOfWeek = static_cast<int>(((dayNumber + 6) % 7 + 7) % 7) + 1;
    parts.dayOfYear = static_cast<int>(dayNumber - (DaysFromCivil(parts.year, 1, 1) + kUnixEpochDay)) + 1;
    return true;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& systime) const
{
    Parts parts;
    if (!GetParts(parts))
        return false;
    systime.wYear = static_cast<WORD>(parts.year);
    systime.wMonth = static_cast<WORD>(parts.month);
    systime.wDay = static_cast<WORD>(parts.day);
    systime.wDayOfWeek = static_cast<WORD>(parts.dayOfWeek - 1);
    systime.wHour = static_cast<WORD>(parts.hour);
    systime.wMinute = static_cast<WORD>(parts.minute);
    systime.wSecond = static_cast<WORD>(parts.second);
    systime.wMilliseconds = 0;
    return true;
}

int COleDateTime::GetYear() const
{
    Parts parts;
    return GetParts(parts) ? parts.year : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMonth() const
{
    Parts parts;
    return GetParts(parts) ? parts.month : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDay() const
{
    Parts parts;
    return GetParts(parts) ? parts.day : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetHour() const
{
    Parts parts;
    return GetParts(parts) ? parts.hour : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMinute() const
{
    Parts parts;
    return GetParts(parts) ? parts.minute : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetSecond() const
{
    Parts parts;
    return GetParts(parts) ? parts.second : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfWeek() const
{
    Parts parts;
    return GetParts(parts) ? parts.dayOfWeek : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfYear() const
{
    Parts parts;
    return GetParts(parts) ? parts.dayOfYear : AFX_OLE_DATETIME_ERROR;
}

bool COleDateTime::operator==(const COleDateTime& other) const
{
    return m_status == other.m_status && LinearFromDate(m_dt) == LinearFromDate(other.m_dt);
}

bool COleDateTime::operator<(const COleDateTime& other) const
{
    return LinearFromDate(m_dt) < LinearFromDate(other.m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime result;
    if (m_status != valid || span.GetStatus() != COleDateTimeSpan::valid) {
        result.m_dt = 0.0;
        result.m_status = (m_status == null || span.GetStatus() == COleDateTimeSpan::null) ? null : invalid;
        return result;
    }
    result.SetChecked(DateFromLinear(LinearFromDate(m_dt) + span.m_span));
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    return *this + (-span);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& span)
{
    return *this = *this + span;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& span)
{
    return *this = *this - span;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const
{
    COleDateTimeSpan result(LinearFromDate(m_dt) - LinearFromDate(other.m_dt));
    if (m_status != valid || other.m_status != valid) {
        result.m_span = 0.0;
        result.SetStatus((m_status == null || other.m_status == null) ? COleDateTimeSpan::null
                                                                       : COleDateTimeSpan::invalid);
    }
    return result;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    CString text;
    if (m_status != valid)
        return text;
    BSTR converted = nullptr;
    if (SUCCEEDED(::VarBstrFromDate(m_dt, lcid, dwFlags, &converted)) && converted)
        text = CString(converted, static_cast<int>(::SysStringLen(converted)));
    ::SysFreeString(converted);
    return text;
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString format;
    if (!format.LoadString(nFormatID))
        return CString();
    return Format(static_cast<LPCTSTR>(format));
}

CString COleDateTime::Format(LPCTSTR lpszFormat) const
{
    CString text;
    Parts parts;
    if (!lpszFormat || !GetParts(parts))
        return text;

    // The run-time library refuses years before 1900. The Gregorian
    // calendar repeats every 400 years (weekdays and leap days alike), so
    // such a date is formatted 400 years later, a multiple of 100 that
    // keeps two-digit years, and the four-digit year is put back.
    int shiftedYear = parts.year;
    while (shiftedYear < 1900)
        shiftedYear += 400;
    std::tm tmValue = {};
    tmValue.tm_year = shiftedYear - 1900;
    tmValue.tm_mon = parts.month - 1;
    tmValue.tm_mday = parts.day;
    tmValue.tm_hour = parts.hour;
    tmValue.tm_min = parts.minute;
    tmValue.tm_sec = parts.second;
    tmValue.tm_wday = parts.dayOfWeek - 1;
    tmValue.tm_yday = parts.dayOfYear - 1;
    tmValue.tm_isdst = -1;

    wchar_t realYear[8];
    wchar_t fakeYear[8];
    std::swprintf(realYear, 8, L"%d", parts.year);
    std::swprintf(fakeYear, 8, L"%d", shiftedYear);

    // One conversion at a time, so that unknown conversions (which the
    // run-time library treats as a fatal parameter error) never reach it
    // and the output has no length limit.
    for (const wchar_t* p = lpszFormat; *p; ++p) {
        if (*p != L'%') {
            text.AppendChar(*p);
            continue;
        }
        const bool alternate = p[1] == L'#';
        const wchar_t conversion = alternate ? p[2] : p[1];
        if (conversion == L'%') {
            text.AppendChar(L'%');
            p = alternate ? p + 2 : p + 1;
            continue;
        }
        if (!IsKnownConversion(conversion)) {
            // A lone '%' (or '%#') followed by anything else stays as text.
            text.AppendChar(*p);
            continue;
        }
        p = alternate ? p + 2 : p + 1;
        wchar_t spec[4] = {L'%', 0, 0, 0};
        if (alternate) {
            spec[1] = L'#';
            spec[2] = conversion;
        } else
            spec[1] = conversion;
        wchar_t piece[256];
        const size_t length = std::wcsftime(piece, 256, spec, &tmValue);
        CString converted(piece, static_cast<int>(length));
        if (shiftedYear != parts.year && conversion != L'y')
            converted.Replace(fakeYear, realYear);
        text += converted;
    }
    return text;
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    m_dt = 0.0;
    m_status = invalid;
    if (!lpszDate)
        return false;
    DATE parsed = 0.0;
    if (FAILED(::VarDateFromStr(const_cast<LPOLESTR>(lpszDate), lcid, dwFlags, &parsed)))
        return false;
    SetChecked(parsed);
    return m_status == valid;
}

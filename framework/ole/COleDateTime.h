// A point in time as an OLE automation date (days since 30 December 1899,
// the fraction being the time of day) with a status. Laid out as the double
// followed by the 32-bit status, 12 bytes, as persisted values expect.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <ctime>

#include "framework/ole/COleDateTimeSpan.h"
#include "framework/text/CString.h"

// The system headers define GetCurrentTime as an old name of GetTickCount,
// which would rename the member below.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

// The part getters answer this when the date is not valid.
#define AFX_OLE_DATETIME_ERROR (-1)

#pragma pack(push, 4)
class COleDateTime
{
public:
    enum DateTimeStatus
    {
        error = -1,
        valid = 0,
        invalid = 1,
        null = 2,
    };

    // The local time now, to the second.
    static COleDateTime GetCurrentTime();

    COleDateTime();
    COleDateTime(DATE dtSrc);
    COleDateTime(const VARIANT& varSrc);
    COleDateTime(std::time_t timeSrc);
    COleDateTime(const SYSTEMTIME& systimeSrc);
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    COleDateTime& operator=(DATE dtSrc);
    COleDateTime& operator=(const VARIANT& varSrc);
    COleDateTime& operator=(std::time_t timeSrc);
    COleDateTime& operator=(const SYSTEMTIME& systimeSrc);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    operator DATE() const { return m_dt; }

    // 0 on success; 1 (and the status invalid) when a part is out of range.
    // Years run from 100 to 9999. SetDate gives midnight, SetTime the day 0.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);
    int SetTime(int nHour, int nMin, int nSec);

    bool GetAsSystemTime(SYSTEMTIME& systime) const;

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 for Sunday to 7 for Saturday.
    int GetDayOfWeek() const;
    // 1 for 1 January.
    int GetDayOfYear() const;

    // Dates before 30 December 1899 are ordered by the moment they stand
    // for, not by the raw value (-1.25 is earlier than -1.0).
    bool operator==(const COleDateTime& other) const;
    bool operator!=(const COleDateTime& other) const { return !(*this == other); }
    bool operator<(const COleDateTime& other) const;
    bool operator>(const COleDateTime& other) const { return other < *this; }
    bool operator<=(const COleDateTime& other) const { return !(other < *this); }
    bool operator>=(const COleDateTime& other) const { return !(*this < other); }

    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span);
    COleDateTime& operator-=(const COleDateTimeSpan& span);
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    // Text through the system's variant conversion (VAR_DATEVALUEONLY and
    // friends as flags) in the given locale.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // strftime conversions in the C run-time library's current locale; also
    // for years before 1900. Unknown conversions are copied as they are.
    CString Format(LPCTSTR lpszFormat) const;
    // As above with the format taken from a string resource.
    CString Format(UINT nFormatID) const;

    // Parses through the system's variant conversion in the given locale.
    // Text that does not parse leaves the date 0 with status invalid.
    bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    DATE m_dt;
    DateTimeStatus m_status;

private:
    struct Parts
    {
        int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
    };
    bool GetParts(Parts& parts) const;
    void SetChecked(double dt);
};
#pragma pack(pop)

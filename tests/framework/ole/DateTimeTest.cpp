// OLE dates: parts, ranges, arithmetic across day 0 (where the time of day
// stays a positive fraction of a negative day number), strftime formatting
// in the run-time library's locale, and parsing in a given locale.
#include <gtest/gtest.h>
#include "tests/framework/Printers.h"
#include "framework/ole/COleDateTime.h"

#include <clocale>
#include <cmath>
#include <ctime>
#include <cwchar>
#include <string>
#include <vector>

namespace
{
// The platform's own strftime output for a date of the same parts (a date
// after 1970, so that mktime can fill in the weekday and the day of year).
CString PlatformFormat(LPCWSTR format, int year, int month, int day, int hour, int minute, int second)
{
    std::tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    std::mktime(&t);
    wchar_t buffer[256];
    const size_t length = std::wcsftime(buffer, 256, format, &t);
    return CString(buffer, static_cast<int>(length));
}

// Switches the run-time library's locale for one test.
class RuntimeLocale
{
public:
    explicit RuntimeLocale(const char* name)
        : m_previous(std::setlocale(LC_ALL, nullptr))
    {
        m_ok = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~RuntimeLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    bool ok() const { return m_ok; }

private:
    std::string m_previous;
    bool m_ok = false;
};

DATE SystemDate(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME st = {WORD(year), WORD(month), 0, WORD(day), WORD(hour), WORD(minute), WORD(second), 0};
    DATE date = 0;
    SystemTimeToVariantTime(&st, &date);
    return date;
}
} // namespace

TEST(OleDateTime, LaidOutAsDateAndStatus)
{
    EXPECT_EQ(sizeof(COleDateTime), 12u);
    const COleDateTime empty;
    EXPECT_EQ(empty.m_dt, 0.0);
    EXPECT_EQ(empty.GetStatus(), COleDateTime::valid);
}

TEST(OleDateTime, PartsAgreeWithTheSystemConversion)
{
    struct Case
    {
        int y, mo, d, h, mi, s;
    } cases[] = {{1899, 12, 30, 0, 0, 0}, {1899, 12, 29, 6, 0, 0},  {1850, 1, 1, 13, 5, 7},   {1900, 3, 1, 0, 0, 1},
                 {2000, 2, 29, 23, 59, 59}, {2006, 6, 9, 18, 5, 7}, {100, 1, 1, 0, 0, 0},    {9999, 12, 31, 23, 59, 59},
                 {1752, 9, 14, 12, 0, 0},  {1600, 2, 29, 8, 30, 0}};
    for (const Case& c : cases) {
        COleDateTime date(c.y, c.mo, c.d, c.h, c.mi, c.s);
        ASSERT_EQ(date.GetStatus(), COleDateTime::valid) << c.y;
        EXPECT_NEAR(date.m_dt, SystemDate(c.y, c.mo, c.d, c.h, c.mi, c.s), 1e-9) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ((std::vector<int>{date.GetYear(), date.GetMonth(), date.GetDay(), date.GetHour(), date.GetMinute(),
                                    date.GetSecond()}),
                  (std::vector<int>{c.y, c.mo, c.d, c.h, c.mi, c.s}));

        SYSTEMTIME fromSystem = {};
        VariantTimeToSystemTime(date.m_dt, &fromSystem);
        EXPECT_EQ(date.GetDayOfWeek(), fromSystem.wDayOfWeek + 1) << c.y;
        SYSTEMTIME ours = {};
        ASSERT_TRUE(date.GetAsSystemTime(ours));
        EXPECT_EQ(ours.wDayOfWeek, fromSystem.wDayOfWeek);
    }
    EXPECT_EQ(COleDateTime(2006, 6, 9, 0, 0, 0).GetDayOfYear(), 160);
    EXPECT_EQ(COleDateTime(1850, 12, 31, 0, 0, 0).GetDayOfYear(), 365);
    EXPECT_EQ(COleDateTime(2000, 12, 31, 0, 0, 0).GetDayOfYear(), 366);
    EXPECT_EQ(COleDateTime(-1.25).GetDay(), 29);
    EXPECT_EQ(COleDateTime(-1.25).GetHour(), 6);
}

TEST(OleDateTime, OutOfRangePartsMakeTheDateInvalid)
{
    COleDateTime date;
    EXPECT_EQ(date.SetDate(2006, 2, 29), 1);
    EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(date.GetYear(), AFX_OLE_DATETIME_ERROR);
    EXPECT_EQ(date.SetDate(1900, 2, 29), 1); // 1900 was no leap year
    EXPECT_EQ(date.SetDate(99, 12, 31), 1);
    EXPECT_EQ(date.SetDate(10000, 1, 1), 1);
    EXPECT_EQ(date.SetDateTime(2006, 13, 1, 0, 0, 0), 1);
    EXPECT_EQ(date.SetDateTime(2006, 1, 1, 24, 0, 0), 1);
    EXPECT_EQ(date.SetDateTime(2006, 1, 1, 0, 60, 0), 1);
    EXPECT_EQ(date.SetDateTime(2006, 1, 1, 0, 0, 60), 1);
    EXPECT_EQ(date.SetDate(2000, 2, 29), 0);
    EXPECT_EQ(date.GetStatus(), COleDateTime::valid);

    EXPECT_EQ(date.SetTime(12, 0, 0), 0);
    EXPECT_EQ(date.m_dt, 0.5);

    EXPECT_EQ(COleDateTime(3000000.0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(-700000.0).GetStatus(), COleDateTime::invalid);
}

TEST(OleDateTime, ArithmeticAndOrderAcrossDayZero)
{
    // 31.12.1899 6:00 minus two days is 29.12.1899 6:00, stored as -1.25.
    const COleDateTime lateDecember(1899, 12, 31, 6, 0, 0);
    const COleDateTime earlier = lateDecember - COleDateTimeSpan(2, 0, 0, 0);
    EXPECT_DOUBLE_EQ(earlier.m_dt, -1.25);
    EXPECT_EQ(earlier.GetDay(), 29);
    EXPECT_EQ(earlier.GetHour(), 6);
    EXPECT_EQ(earlier + COleDateTimeSpan(2, 0, 0, 0), lateDecember);

    // 29.12.1899 18:00 to 31.12.1899 6:00 is a day and a half.
    const COleDateTime evening(1899, 12, 29, 18, 0, 0);
    EXPECT_DOUBLE_EQ((lateDecember - evening).GetTotalDays(), 1.5);
    EXPECT_DOUBLE_EQ((evening - lateDecember).GetTotalDays(), -1.5);

    // Adding hours to a negative date moves it forward in time.
    COleDateTime midnight(1899, 12, 29, 0, 0, 0);
    midnight += COleDateTimeSpan(0, 6, 0, 0);
    EXPECT_DOUBLE_EQ(midnight.m_dt, -1.25);

    // Order by the moment, not by the raw value: -1.25 is after -1.0.
    EXPECT_GT(COleDateTime(-1.25), COleDateTime(-1.0));
    EXPECT_LT(COleDateTime(-1.25), COleDateTime(0.5)); // 30.12.1899 12:00
    EXPECT_LT(COleDateTime(-2.75), COleDateTime(-1.25));
    EXPECT_LT(COleDateTime(1850, 1, 1, 0, 0, 0), COleDateTime(1850, 1, 1, 0, 0, 1));

    // Long spans across the day.
    const COleDateTime start(1850, 1, 1, 13, 5, 7);
    const COleDateTime end(2006, 6, 9, 18, 5, 7);
    const COleDateTimeSpan between = end - start;
    EXPECT_EQ(start + between, end);
    EXPECT_EQ(between.GetHours(), 5);
    EXPECT_EQ(between.GetMinutes(), 0);
}

TEST(OleDateTime, StatusSpreadsThroughArithmetic)
{
    COleDateTime invalid;
    invalid.SetDate(2006, 2, 30);
    EXPECT_EQ((invalid + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_EQ((null + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::null);
    EXPECT_EQ((COleDateTime(1.0) - invalid).GetStatus(), COleDateTimeSpan::invalid);
    // Leaving the range makes the result invalid.
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(2.0)).GetStatus(), COleDateTime::invalid);
}

TEST(OleDateTimeSpan, PartsCarryTheSignAndRoundToSeconds)
{
    const COleDateTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ((std::vector<LONG>{span.GetDays(), span.GetHours(), span.GetMinutes(), span.GetSeconds()}),
              (std::vector<LONG>{1, 2, 3, 4}));
    EXPECT_NEAR(span.GetTotalSeconds(), 93784.0, 1e-6);

    const COleDateTimeSpan negative = -COleDateTimeSpan(1.5);
    EXPECT_EQ(negative.GetDays(), -1);
    EXPECT_EQ(negative.GetHours(), -12);
    EXPECT_DOUBLE_EQ(negative.GetTotalHours(), -36.0);

    // 59.9999 seconds is a whole minute.
    const COleDateTimeSpan almost(59.9999 / 86400.0);
    EXPECT_EQ(almost.GetMinutes(), 1);
    EXPECT_EQ(almost.GetSeconds(), 0);

    EXPECT_EQ(COleDateTimeSpan(0, 1, 0, 0) * 24.0, COleDateTimeSpan(1.0));
    EXPECT_LT(COleDateTimeSpan(0, 23, 59, 59), COleDateTimeSpan(1, 0, 0, 0));
}

TEST(OleDateTime, ConversionsFromSystemTypes)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const COleDateTime current = COleDateTime::GetCurrentTime();
    EXPECT_EQ(current.GetYear(), now.wYear);
    EXPECT_LT(std::abs((current - COleDateTime(now)).GetTotalSeconds()), 5.0);

    const std::time_t moment = 1149869107; // some day in June 2006
    const std::tm* local = std::localtime(&moment);
    const COleDateTime fromTime(moment);
    EXPECT_EQ(fromTime.GetYear(), local->tm_year + 1900);
    EXPECT_EQ(fromTime.GetDay(), local->tm_mday);
    EXPECT_EQ(fromTime.GetHour(), local->tm_hour);
    EXPECT_EQ(fromTime.GetSecond(), local->tm_sec);

    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"kein Datum");
    EXPECT_EQ(COleDateTime(text).GetStatus(), COleDateTime::invalid);
    VariantClear(&text);
}

TEST(OleDateTimeFormat, MatchesThePlatformInTheCLocale)
{
    const COleDateTime date(2006, 6, 9, 18, 5, 7);
    for (LPCWSTR format : {L"%c", L"%x", L"%X", L"%a %b/%d/%Y %I:%M %p", L"%A, %B %j %U %w %W %y", L"%#c", L"%#x"})
        EXPECT_EQ(date.Format(format), PlatformFormat(format, 2006, 6, 9, 18, 5, 7)) << CStringA(format).GetString();
}

TEST(OleDateTimeFormat, FollowsTheRuntimeLocaleLikeThePlatform)
{
    RuntimeLocale german("german");
    ASSERT_TRUE(german.ok());
    const COleDateTime date(2006, 6, 9, 18, 5, 7);
    for (LPCWSTR format : {L"%c", L"%x", L"%a %b", L"%A %B", L"%#x"})
        EXPECT_EQ(date.Format(format), PlatformFormat(format, 2006, 6, 9, 18, 5, 7)) << CStringA(format).GetString();
}

TEST(OleDateTimeFormat, DatesBefore1900)
{
    const COleDateTime date(1850, 1, 1, 13, 5, 7);
    EXPECT_EQ(date.Format(L"%d.%m.%Y %H:%M:%S %j %y"), CString(L"01.01.1850 13:05:07 001 50"));
    // 1 January 1850 was a Tuesday, as was 3 January 2006.
    EXPECT_EQ(date.Format(L"%A %a"), PlatformFormat(L"%A %a", 2006, 1, 3, 0, 0, 0));

    RuntimeLocale german("german");
    ASSERT_TRUE(german.ok());
    CString expected = PlatformFormat(L"%c", 2006, 1, 1, 13, 5, 7);
    expected.Replace(L"2006", L"1850");
    EXPECT_EQ(date.Format(L"%c"), expected);
    EXPECT_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).Format(L"%Y-%m-%d %H:%M"), CString(L"1899-12-29 06:00"));
    EXPECT_EQ(COleDateTime(100, 3, 1, 0, 0, 0).Format(L"%Y/%m/%d"), CString(L"100/03/01"));
}

TEST(OleDateTimeFormat, LiteralsUnknownConversionsAndStatus)
{
    const COleDateTime date(2006, 6, 9, 18, 5, 7);
    EXPECT_EQ(date.Format(L"100%% am %d."), CString(L"100% am 09."));
    EXPECT_EQ(date.Format(L"%Q%d%"), CString(L"%Q09%"));
    EXPECT_EQ(date.Format(L""), CString());
    const CString longText(L'-', 600);
    EXPECT_EQ(date.Format(longText + L"%Y"), longText + L"2006");

    COleDateTime invalid;
    invalid.SetDate(2006, 2, 30);
    EXPECT_TRUE(invalid.Format(L"%c").IsEmpty());
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_TRUE(null.Format(L"%c").IsEmpty());
    EXPECT_TRUE(null.Format().IsEmpty());
}

TEST(OleDateTimeParse, GermanDateAndTime)
{
    COleDateTime date;
    ASSERT_TRUE(date.ParseDateTime(L"09.06.2006 18:05:07", 0, 0x407));
    EXPECT_EQ(date.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(date, COleDateTime(2006, 6, 9, 18, 5, 7));

    // The user's default locale is German in the tests.
    COleDateTime userDefault;
    ASSERT_TRUE(userDefault.ParseDateTime(L"31.12.2006 23:59:59"));
    EXPECT_EQ(userDefault, COleDateTime(2006, 12, 31, 23, 59, 59));

    // What Format writes in a locale parses back in it.
    const COleDateTime original(1998, 7, 14, 9, 30, 0);
    COleDateTime back;
    ASSERT_TRUE(back.ParseDateTime(original.Format(0, 0x407), 0, 0x407));
    EXPECT_EQ(back, original);
    ASSERT_TRUE(back.ParseDateTime(original.Format(0, 0x409), 0, 0x409));
    EXPECT_EQ(back, original);
}

TEST(OleDateTimeParse, TextThatIsNoDateLeavesItInvalid)
{
    for (LPCWSTR text : {L"kein Datum", L"", L"32.13.2006", L"12:99:00"}) {
        COleDateTime date(2006, 6, 9, 0, 0, 0);
        EXPECT_FALSE(date.ParseDateTime(text, 0, 0x407)) << CStringA(text).GetString();
        EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(date.m_dt, 0.0);
    }
    COleDateTime date;
    EXPECT_FALSE(date.ParseDateTime(nullptr));
}

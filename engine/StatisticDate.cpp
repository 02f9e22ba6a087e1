#include "engine/StatisticDate.h"

namespace
{
// Reads 1 to nMax decimal digits; FALSE when there are none.
BOOL ReadNumber(LPCWSTR& p, int nMax, int& nValue)
{
    nValue = 0;
    int nDigits = 0;
    while (nDigits < nMax && *p >= L'0' && *p <= L'9')
    {
        nValue = nValue * 10 + (*p++ - L'0');
        ++nDigits;
    }
    return nDigits > 0;
}

BOOL ReadsDayFirst()
{
    // Read once: the locale does not change under a running parse.
    static const BOOL s_bDayFirst = [] {
        WCHAR szOrder[4] = {};
        return GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDATE, szOrder, 4) > 0 && szOrder[0] == L'1' &&
               szOrder[1] == 0;
    }();
    return s_bDayFirst;
}

// "d.m.yyyy", optionally followed by one blank and "h:mm" or "h:mm:ss".
BOOL ParsePageShape(LPCWSTR p, COleDateTime& date)
{
    int nDay = 0, nMonth = 0, nYear = 0, nHour = 0, nMinute = 0, nSecond = 0;
    if (!ReadNumber(p, 2, nDay) || *p++ != L'.' || !ReadNumber(p, 2, nMonth) || *p++ != L'.')
        return FALSE;
    LPCWSTR pYear = p;
    if (!ReadNumber(p, 4, nYear) || p - pYear != 4)
        return FALSE;
    if (*p == L' ')
    {
        ++p;
        LPCWSTR pMinute = nullptr;
        if (!ReadNumber(p, 2, nHour) || *p++ != L':' || (pMinute = p, !ReadNumber(p, 2, nMinute)) ||
            p - pMinute != 2)
            return FALSE;
        if (*p == L':')
        {
            LPCWSTR pSecond = ++p;
            if (!ReadNumber(p, 2, nSecond) || p - pSecond != 2)
                return FALSE;
        }
    }
    if (*p != 0 || nYear < 1601)
        return FALSE;
    // Out-of-range parts are left to the system parser's own judgement.
    return date.SetDateTime(nYear, nMonth, nDay, nHour, nMinute, nSecond) == 0;
}
} // namespace

void ParseStatisticDate(LPCWSTR pszText, COleDateTime& date)
{
    if (pszText != nullptr && ReadsDayFirst() && ParsePageShape(pszText, date))
        return;
    date.ParseDateTime(pszText, 0, LANG_USER_DEFAULT);
}

#include "toolkit/report/XTPReportFormat.h"

#include <wchar.h>

BOOL XTPReportIsSafeFormat(const CString& strFormat, XTPReportFormatKind kind)
{
    LPCWSTR p = strFormat;
    int nConversions = 0;
    while (*p)
    {
        if (*p++ != L'%')
            continue;
        if (*p == L'%')
        {
            ++p;
            continue;
        }
        while (*p && wcschr(L"-+ #0", *p))
            ++p;
        while (*p >= L'0' && *p <= L'9')
            ++p;
        if (*p == L'.')
        {
            ++p;
            while (*p >= L'0' && *p <= L'9')
                ++p;
        }
        // No '*', no size prefix, nothing but a conversion of the kind.
        const BOOL bMatches = kind == xtpReportFormatString ? *p == L's' : (*p && wcschr(L"feEgG", *p) != nullptr);
        if (!bMatches)
            return FALSE;
        ++p;
        ++nConversions;
    }
    return nConversions == 1;
}

#include "toolkit/common/colors/XTPBarThemeQuery.h"

namespace {
XTPBarThemeQuery s_pfnQuery = nullptr;
}

void XTPSetBarThemeQuery(XTPBarThemeQuery pfnQuery)
{
    s_pfnQuery = pfnQuery;
}

int XTPGetCurrentBarTheme()
{
    return s_pfnQuery ? s_pfnQuery() : 0;
}

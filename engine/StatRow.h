// One row of the online statistics: a period in which tickets were offered.
#pragma once
#include "framework/Framework.h"

struct StatRow
{
    COleDateTime dtFrom;
    COleDateTime dtTo;
    CString strCity;
    CString strTeam1;
    CString strTeam2;
    COleDateTime dtMatch;
    CString strCategory;
};

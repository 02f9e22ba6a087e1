// The shading every report of the program shares: odd rows light grey,
// except their preview text.
#pragma once
#include "toolkit/report/records/XTPReportRecordItemArgs.h"

// Light grey (a Windows RGB value).
const COLORREF kOddRowBackground = 0xF5F5F5;

void ShadeOddRow(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics);

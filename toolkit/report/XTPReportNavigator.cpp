#include "toolkit/report/XTPReportNavigator.h"

CXTPReportNavigator::CXTPReportNavigator(CXTPReportControl* pReportControl) : m_pReportControl(pReportControl)
{
}

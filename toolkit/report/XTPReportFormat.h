// Checks of printf-style formats that come from stored or pasted data: a
// format is used only when it holds exactly one conversion of the value's
// kind and nothing that would read a further argument.
#pragma once
#include "framework/text/CString.h"

enum XTPReportFormatKind
{
    xtpReportFormatString, // %s
    xtpReportFormatReal,   // %f, %e, %E, %g, %G
};

BOOL XTPReportIsSafeFormat(const CString& strFormat, XTPReportFormatKind kind);

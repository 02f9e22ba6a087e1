// Reads the dates of the statistics page ("09.06.2006 18:00:00"). The
// system's parser costs microseconds a date, and a large page holds hundreds
// of thousands of them: the page's own shape is read directly where the
// user's locale reads it day first, anything else goes to the system parser.
#pragma once
#include "framework/Framework.h"

// As COleDateTime::ParseDateTime with no flags and the user's default locale.
void ParseStatisticDate(LPCWSTR pszText, COleDateTime& date);

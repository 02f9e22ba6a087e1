// The predefined selections of the match report: each sets every match row's
// watch box to whether the row passes its rule, so rows that fail are cleared.
#pragma once
#include <functional>

#include "framework/text/CString.h"

class CMatchRecord;
class CXTPReportRecords;

typedef std::function<bool(const CMatchRecord&)> MatchRule;

void WatchMatchesWhere(CXTPReportRecords* pRecords, const MatchRule& rule);

MatchRule MatchNumbersBetween(int nFirst, int nLast);
MatchRule MatchesOfGermany();
// Rows without a city never pass; the city compares ignoring case.
MatchRule MatchesInCity(const CString& strCity);

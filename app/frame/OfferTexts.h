// Texts and page addresses of one offer, as its alert, its ticket pane row
// and the history dump show them.
#pragma once
#include "framework/text/CString.h"

class CMatchRecord;
class CXTPReportRecords;

// Pages on the ticket site that the engine scans.
CString ResaleOverviewAddress();
CString ResaleDetailAddress(int nKey);
CString TstListAddress();

// "Category: %d %s %s" (the blanks stay when the words are missing).
CString FormatMatchOfferLine(int nCategory, BOOL bSb, BOOL bResale);
// "TST %d" or "TST %d Resale" for the series (index + 2).
CString FormatTstOfferLine(int nSeries, BOOL bResale);

// "%-30s|%-30s|%-30s|%20s": both teams, the city and the match date.
CString FormatMatchGameText(const CMatchRecord& match);

// Record of a row index when it is a match; null otherwise.
CMatchRecord* GetMatchAt(CXTPReportRecords* pRecords, int nRow);
// The first match with that number; null when there is none.
CMatchRecord* FindMatchByNumber(CXTPReportRecords* pRecords, int nMatch);

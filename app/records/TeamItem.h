// A text item naming a team, with the team's flag as its icon.
#pragma once
#include <windows.h>

class CXTPReportRecordItem;
class CXTPReportRecordItemText;
class CString;

CXTPReportRecordItemText* NewTeamItem(LPCTSTR team);
// The text of a text item; empty for null or another kind of item.
CString ItemText(const CXTPReportRecordItem* pItem);

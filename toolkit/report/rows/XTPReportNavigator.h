// The keyboard movements of a report control: row by row, by page, to the
// ends, cell by cell, and starting an edit of the focused cell.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPReportNavigator : public CCmdTarget
{
public:
    explicit CXTPReportNavigator(CXTPReportControl* pReportControl);

    void MoveDown(BOOL bShiftKey = FALSE, BOOL bControlKey = FALSE);
    void MoveUp(BOOL bShiftKey = FALSE, BOOL bControlKey = FALSE);
    void MovePageDown(BOOL bShiftKey, BOOL bControlKey);
    void MovePageUp(BOOL bShiftKey, BOOL bControlKey);
    void MoveFirstRow(BOOL bShiftKey, BOOL bControlKey);
    void MoveLastRow(BOOL bShiftKey, BOOL bControlKey);
    void MoveToRow(int nRowIndex, BOOL bShiftKey = FALSE, BOOL bControlKey = FALSE);
    void MoveLeft(BOOL bShiftKey = FALSE, BOOL bControlKey = FALSE);
    void MoveRight(BOOL bShiftKey = FALSE, BOOL bControlKey = FALSE);
    // Tab and Shift+Tab, and Left and Right with focus on cells: the next
    // focusable cell, on to the next row at the end of one.
    void MoveLeftRight(BOOL bBack, BOOL bShiftKey = FALSE, BOOL bControlKey = FALSE);
    void BeginEdit();
    // Whether the focused row has a focusable cell after (or before) the
    // focused column.
    BOOL HasFocusableColumn(BOOL bBack) const;

protected:
    CXTPReportControl* m_pReportControl;
};

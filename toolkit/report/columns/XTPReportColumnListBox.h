// A list of the hidden columns of a report, which the user fills by
// dragging column headers onto it.
#pragma once
#include "framework/controls/CListBox.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPReportColumnListBox : public CListBox
{
public:
    CXTPReportColumnListBox();
    ~CXTPReportColumnListBox() override;

    // Attaches the report (and itself to the report's header) and refreshes.
    BOOL SetReport(CXTPReportControl* pReport);
    CXTPReportControl* GetReport() const { return m_pReport; }
    // The last entry with this column item index, -1 when none.
    int FindItem(int nItemData) const;
    CString GetItemText(int nIndex) const;
    // Lists the hidden columns that may be listed, drops the others.
    BOOL UpdateList();

    BOOL m_bSortAscending;

protected:
    CXTPReportColumn* ColumnOf(int nIndex) const;

    CXTPReportControl* m_pReport;
};

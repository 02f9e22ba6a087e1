// A list of the hidden columns that the user can drag back into the
// header (a field chooser).
#pragma once
#include "framework/controls/CListBox.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPReportColumnListBox : public CListBox
{
public:
    CXTPReportColumnListBox();
    ~CXTPReportColumnListBox() override;

    void SetReportCtrl(CXTPReportControl* pReportCtrl);
    CXTPReportControl* GetReportCtrl() const { return m_pReportCtrl; }
    void ResetContent();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CXTPReportControl* m_pReportCtrl;
    int m_nDragIndex;
};

// The caption row of one group when the control groups its rows.
#pragma once
#include "framework/text/CString.h"
#include "toolkit/report/rows/XTPReportRow.h"

class CXTPReportGroupRow : public CXTPReportRow
{
public:
    CXTPReportGroupRow();

    void Draw(CDC* pDC, CRect rcRow, int nLeftOffset) override;
    BOOL IsGroupRow() const override;
    void OnClick(CPoint ptClicked) override;
    void OnDblClick(CPoint ptClicked) override;
    BOOL IsShown() const override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) override;
    virtual CString GetCaption();
    virtual CString GetTooltip();

    void SetCaption(LPCTSTR lpszCaption) { m_strGroupText = lpszCaption; }

protected:
    CString m_strGroupText;
};

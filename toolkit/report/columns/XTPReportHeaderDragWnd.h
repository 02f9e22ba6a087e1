// The image of a column while it is dragged: a top-most tool popup that
// follows the cursor.
#pragma once
#include "framework/windows/CWnd.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPReportHeader;
class CXTPReportPaintManager;

class CXTPReportHeaderDragWnd : public CWnd
{
public:
    CXTPReportHeaderDragWnd();
    ~CXTPReportHeaderDragWnd() override;

    BOOL Create(CRect rect, CXTPReportHeader* pHeader, CXTPReportPaintManager* pPaintManager,
                CXTPReportColumn* pColumn);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    CXTPReportHeader* m_pHeader;
    CXTPReportPaintManager* m_pPaintManager;
    CXTPReportColumn* m_pColumn;
};

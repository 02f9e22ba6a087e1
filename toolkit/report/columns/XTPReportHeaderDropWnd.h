// The drop marker: two red arrows, above and below the place where a
// dragged column would land.
#pragma once
#include "framework/windows/CWnd.h"

class CXTPReportHeaderDropWnd : public CWnd
{
public:
    explicit CXTPReportHeaderDropWnd(COLORREF crColor);
    ~CXTPReportHeaderDropWnd() override;

    BOOL Create(int nHeight);
    void SetWindowPos(int x, int y);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    COLORREF m_clr;
    int m_nHeight;
};

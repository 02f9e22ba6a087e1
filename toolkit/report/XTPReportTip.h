// The small window that shows the full text of a cell too narrow for it.
#pragma once
#include "framework/gdi/CFont.h"
#include "framework/windows/CWnd.h"
#include "toolkit/report/XTPReportDefines.h"

class CXTPReportTip : public CWnd
{
public:
    CXTPReportTip();
    ~CXTPReportTip() override;

    BOOL Create(CWnd* pParentWnd);
    void SetTooltipText(LPCTSTR lpszText) { m_strTooltipText = lpszText; }
    CString GetTooltipText() const { return m_strTooltipText; }
    void SetFont(CFont* pFont);
    void SetHoverRect(CRect rc);
    CRect GetHoverRect() const { return m_rcHover; }
    void Activate(BOOL bActive);
    // Hides the tip and forgets its cell: the pointer's next rest on that
    // cell shows it again.
    void Forget();

    // Which cell the tip shows, so the same tip is not shown again.
    int m_nRowIndex;
    CXTPReportRecordItem* m_pItem;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    // WM_FLOATSTATUS from the frame that owns the tip.
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pParentWnd;
    CRect m_rcHover;
    CString m_strTooltipText;
    CFont m_fntToolTip;
};

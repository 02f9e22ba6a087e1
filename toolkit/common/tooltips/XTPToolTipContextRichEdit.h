// A tip whose text is RTF (or plain text), laid out by a hidden rich edit
// control and printed into the tip; as narrow as its text allows.
#pragma once
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"

class CXTPToolTipContext::CRichEditToolTip : public CXTPToolTipContextToolTip
{
    DECLARE_DYNAMIC(CRichEditToolTip)

public:
    explicit CRichEditToolTip(CXTPToolTipContext* pContext);
    ~CRichEditToolTip() override;

    BOOL Create(CWnd* pParent, DWORD dwStyle) override;
    HWND GetRichEditHandle() const { return m_hWndRichEdit; }

protected:
    CSize CalcSize(CDC* pDC) override;
    void DrawText(CDC* pDC, CRect rc) override;

    afx_msg void OnRequestResize(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void LoadText(const CString& strText);
    CSize RequestSize(int nWidth);
    void PrintControl(CDC* pDC, const CRect& rcText);

    HMODULE m_hRichEditLibrary;
    HWND m_hWndRichEdit;
    CSize m_szRequested;
};

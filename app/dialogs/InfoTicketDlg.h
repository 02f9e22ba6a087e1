// A rich-text explanation from the program's resources in a dialog sized
// to the text, with a button to the ticket site's questions page. The
// dialog draws the text itself; where the rich edit cannot format onto a
// device context, the rich edit is shown in its place.
#pragma once
#include "framework/controls/CRichEditCtrl.h"
#include "framework/dialogs/CDialog.h"
#include "framework/gdi/CRect.h"

class CInfoTicketDlg : public CDialog
{
public:
    explicit CInfoTicketDlg(UINT nRtfId, CWnd* pParentWnd = nullptr);

    // The text's rectangle in client coordinates.
    const CRect& GetTextRect() const { return m_rcRich; }
    BOOL ShowsRichEdit() const { return m_bRichEditShown; }
    static CString GetFaqAddress();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnRequestResize(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnPaint();
    afx_msg void OnSysColorChange();
    afx_msg void OnFaq();
    DECLARE_MESSAGE_MAP()

private:
    void StreamInText();
    // The narrowest width whose text needs no more lines than at half the
    // screen's width; answers the rich edit's size for it.
    CSize FitText();
    void RequestSizeAtWidth(int nWidth);
    void LayOutAround(CSize sizeText);
    void ShowRichEditWhenUnformatted();
    // The text's background: the system's button face.
    void TakeFaceColour();
    // The whole text onto the context, into the text's rectangle.
    long FormatText(HDC hDC, BOOL bDisplay);

    UINT m_nRtfId;
    CRect m_rcRich;
    CSize m_sizeRequested;
    CRichEditCtrl m_wndRich;
    BOOL m_bRichEditShown;
};

// A toolbar that hosts one child window (a dialog, a control) in its client
// area under a caption strip: the caption control (opening a popup when it
// has one) and, for a bar that may be closed, a hide button drawn as a
// cross. Its outer edges resize it with the mouse.
#pragma once
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"

const int XTP_ID_DIALOGBAR_CAPTION = 9399;

class CXTPDialogBar : public CXTPToolBar
{
    DECLARE_DYNCREATE(CXTPDialogBar)
public:
    // The caption control's popup: opens below the caption's left corner.
    class CXTPCaptionPopupBar : public CXTPPopupBar
    {
        DECLARE_DYNCREATE(CXTPCaptionPopupBar)
    public:
        CXTPCaptionPopupBar();
        void UpdateLocation() override;
    };

    // The bar's caption or title; opens the caption popup while it has one.
    class CXTPControlCaptionPopup : public CXTPControlPopup
    {
        DECLARE_DYNCREATE(CXTPControlCaptionPopup)
    public:
        CXTPControlCaptionPopup();
        BOOL HasPopup() const { return m_bHasPopup; }
        void SetHasPopup(BOOL bHasPopup) { m_bHasPopup = bHasPopup; }
        BOOL OnSetPopup(BOOL bPopup) override;
        void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
        void AdjustExcludeRect(CRect& rc) override;
        void Draw(CDC* pDC) override;

    protected:
        BOOL m_bHasPopup = FALSE;
    };

    // The cross at the caption's right end: hides the bar as the floating
    // toolbar's close glyph does.
    class CXTPControlButtonHide : public CXTPToolBar::CXTPControlButtonHide
    {
        DECLARE_DYNCREATE(CXTPControlButtonHide)
    public:
        CXTPControlButtonHide();
        void Draw(CDC* pDC) override;
    };

    CXTPDialogBar();
    ~CXTPDialogBar() override;

    BOOL IsDialogBar() const override { return TRUE; }
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    CSize CalcDockingLayout(int nLength, DWORD dwMode) override;
    // 1 in the caption strip; -2 elsewhere, so the mouse manager passes the bar by.
    BOOL IsPointInside(CPoint pt) const override;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    CXTPCommandBar* Clone(BOOL bRecursive) override;

    // The new window rectangle from a border drag (hit code of that border).
    void Resize(CRect rcWindow, int nHitTest);
    // Left, top (with the caption), right and bottom between window and child.
    CRect GetClientInsets();

    void SetChild(CWnd* pChildWnd);
    HWND GetChild() const { return m_hwndChild; }
    void SetCaption(const CString& strCaption);
    CString GetCaption() const { return m_strCaption; }
    void SetCaptionVisible(BOOL bVisible);
    BOOL IsCaptionVisible() const { return m_bCaptionVisible; }
    void SetCaptionPopupEnabled(BOOL bEnabled) { m_bCaptionPopup = bEnabled; }
    CXTPCaptionPopupBar* GetCaptionPopupBar() const { return m_pCaptionPopupBar; }
    void SetResizable(BOOL bResizable) { m_bResizable = bResizable; }
    BOOL IsResizable() const { return m_bResizable; }
    CSize GetMinSize() const { return m_szMin; }
    CSize GetDockingClientSize() const { return m_szDockingClient; }
    void SetDockingClientSize(CSize size) { m_szDockingClient = size; }
    CSize GetFloatingClientSize() const { return m_szFloatingClient; }
    void SetFloatingClientSize(CSize size) { m_szFloatingClient = size; }
    int GetCaptionStripHeight() const { return m_nCaptionStripHeight; }

protected:
    CSize CalcLayout(CSize szClient, int nLength, DWORD dwMode);
    int MeasureCaptionHeight();
    void PlaceCaptionControls(int nWidth, int nCaptionHeight);
    void PlaceChild();

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    CRect m_rcBorders = CRect(3, 3, 3, 3);
    BOOL m_bResizable = TRUE;
    CSize m_szMin = CSize(50, 50);
    BOOL m_bCaptionVisible = TRUE;
    BOOL m_bCaptionPopup = TRUE;
    int m_nCaptionStripHeight = 0;
    CSize m_szDockingClient = CSize(200, 200);
    CSize m_szFloatingClient = CSize(200, 200);
    HWND m_hwndChild = nullptr;
    CString m_strCaption;
    CXTPCaptionPopupBar* m_pCaptionPopupBar;
};

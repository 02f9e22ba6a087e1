// Base of bars that a frame places along its edges (status bar, tool
// bars): answers WM_SIZEPARENT with its share of the frame, and updates its
// items from the frame's command handlers at idle time.
#pragma once
#include "framework/windows/CWnd.h"

class CFrameWnd;

// Bar styles (kept in m_dwStyle, not in the window style).
#define CBRS_ALIGN_LEFT     0x1000L
#define CBRS_ALIGN_TOP      0x2000L
#define CBRS_ALIGN_RIGHT    0x4000L
#define CBRS_ALIGN_BOTTOM   0x8000L
#define CBRS_ALIGN_ANY      0xF000L
#define CBRS_BORDER_LEFT    0x0100L
#define CBRS_BORDER_TOP     0x0200L
#define CBRS_BORDER_RIGHT   0x0400L
#define CBRS_BORDER_BOTTOM  0x0800L
#define CBRS_BORDER_ANY     0x0F00L
#define CBRS_TOOLTIPS       0x0010L
#define CBRS_FLYBY          0x0020L
#define CBRS_FLOAT_MULTI    0x0040L
#define CBRS_BORDER_3D      0x0080L
#define CBRS_HIDE_INPLACE   0x0008L
#define CBRS_SIZE_DYNAMIC   0x0004L
#define CBRS_SIZE_FIXED     0x0002L
#define CBRS_FLOATING       0x0001L
#define CBRS_GRIPPER        0x00400000L
#define CBRS_ORIENT_HORZ    (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT    (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY     (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL            0x0040FFFFL
#define CBRS_NOALIGN        0x00000000L
#define CBRS_LEFT           (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT          (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH   0x01
#define LM_HORZ      0x02
#define LM_MRUWIDTH  0x04
#define LM_HORZDOCK  0x08
#define LM_VERTDOCK  0x10
#define LM_LENGTHY   0x20
#define LM_COMMIT    0x40

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar();
    ~CControlBar() override;

    // Bar style (CBRS_ bits).
    DWORD m_dwStyle = 0;
    int m_cxLeftBorder = 6;
    int m_cxRightBorder = 6;
    int m_cyTopBorder = 1;
    int m_cyBottomBorder = 1;
    // Deletes the object when its window is gone.
    BOOL m_bAutoDelete = FALSE;
    CFrameWnd* m_pDockSite = nullptr;

    DWORD GetBarStyle() const { return m_dwStyle; }
    // Calls OnBarStyleChange when the style changes.
    void SetBarStyle(DWORD dwStyle);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    CRect GetBorders() const;
    // Visible, counting a show or hide that waits for the next idle time.
    BOOL IsVisible() const;
    // Shows or hides the bar at the next idle time.
    void DelayShow(BOOL bShow);
    enum StateFlags { delayHide = 1, delayShow = 2 };
    UINT m_nStateFlags = 0;
    BOOL IsFloating() const { return FALSE; }

    // The size the bar wants: a full-length strip along its side.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // A rectangle less the border lines (CBRS_BORDER_xxx, two pixels each)
    // and the border widths (m_cxLeftBorder...); the frame of the bar's
    // window is what an empty rectangle loses.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    CFrameWnd* GetDockingFrame() const;
    // Updates the bar's items from pTarget's command handlers.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    virtual void DoPaint(CDC* pDC);
    virtual void DrawBorders(CDC* pDC, CRect& rect);

    void PostNcDestroy() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    // Fills the non-client frame and draws the border lines.
    void EraseNonClient();

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);

    DECLARE_MESSAGE_MAP()
};

// The frame's status bar over the common status window, with pane objects
// drawn by the command bars' paint manager so that it follows the look.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/gdi/CFont.h"
#include "framework/windows/CCmdUI.h"
#include "framework/windows/CControlBar.h"
#include "resources/FrameworkIds.h"
#include "toolkit/commandbars/frame/XTPStatusBarPane.h"

class CXTPCommandBars;
class CXTPPaintManager;
class CXTPToolTipContext;

class CXTPStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CXTPStatusBar)
public:
    // The update object of one pane (its index in m_nIndex).
    class CStatusCmdUI : public CCmdUI
    {
    public:
        void Enable(BOOL bOn = TRUE) override;
        void SetCheck(int nCheck = 1) override;
        void SetText(LPCTSTR lpszText) override;
    };

    CXTPStatusBar();
    ~CXTPStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int CommandToIndex(UINT nID) const;
    int GetPaneCount() const { return static_cast<int>(m_arrPanes.GetSize()); }
    CXTPStatusBarPane* GetPane(int nIndex) const;
    int GetVisiblePaneCount() const;
    void GetItemRect(int nIndex, CRect* pRect) const;
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    BOOL SetPaneText(int nIndex, LPCTSTR lpszText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    void RemoveAll();
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    CXTPStatusBarPane* HitTest(CPoint point, CRect* pRect = nullptr) const;
    CXTPPaintManager* GetPaintManager() const;
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    CFont* GetFont() { return &m_fontStatus; }
    BOOL IsDrawDisabledText() const { return m_bDrawDisabledText; }
    void SetDrawDisabledText(BOOL bDraw) { m_bDrawDisabledText = bDraw; }
    void UsePaintManager(BOOL bUse) { m_bUsePaintManager = bUse; }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    virtual void DrawPaneEntry(CDC* pDC, int nIndex, CRect rcItem);
    virtual void DrawStretch(CDC* pDC, CRect& rcClient);
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }
    // A child window's tool first, else the pane under the point when it has a tip.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Every message passes the tip context first.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int PaneTextWidth(CXTPStatusBarPane* pPane);
    BOOL HasGripper() const;
    void PlaceChildWindows();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CArray<CXTPStatusBarPane*, CXTPStatusBarPane*> m_arrPanes;
    CXTPToolTipContext* m_pToolTipContext;
    CFont m_fontStatus;
    int m_nMinHeight = 0;
    BOOL m_bDrawDisabledText = TRUE;
    CXTPCommandBars* m_pCommandBars = nullptr;
    BOOL m_bUsePaintManager = TRUE;
};

// A floating frame: a small tool window owned by the site and, at the same
// time, a node of the tree whose one child is the splitter holding the
// floated containers. The layout owns the node; the window comes and goes.
#pragma once
#include <vector>
#include "framework/windows/CMiniFrameWnd.h"
#include "toolkit/docking/XTPDockingPaneBase.h"

class CXTPDockingPane;
class CXTPDockingPaneSplitterContainer;
class CXTPDockingPaneTabbedContainer;

class CXTPDockingPaneMiniWnd : public CMiniFrameWnd, public CXTPDockingPaneBase
{
public:
    explicit CXTPDockingPaneMiniWnd(CXTPDockingPaneLayout* pLayout);
    ~CXTPDockingPaneMiniWnd() override;

    // Creates the window at the frame rectangle (once, while the site has a
    // window) and shows it exactly while the tree holds a pane and the site
    // shows on the desktop (neither hidden nor minimized).
    void UpdateFrameWindow();
    // Holds a pane but stays hidden until its site shows again.
    BOOL IsWaitingForSite() const { return m_bWaitingForSite; }
    // The site shows on the desktop: visible and not minimized.
    static BOOL IsSiteShown(CWnd* pSite);
    // Every closable pane is announced (action 2) and, unless vetoed, closed
    // (action 3); the others stay.
    void CloseFramePanes();
    // The panes of the frame's tree, in tree order.
    std::vector<CXTPDockingPane*> FramePanes();
    // Lays the tree out in the client area.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Takes the splitter as the frame's tree; the tree is laid out at the
    // first idle pass once the window exists.
    void SetTopContainer(CXTPDockingPaneSplitterContainer* pTop);
    // A tree floated out of a collapsible frame collapses too: the frame
    // starts collapsible, unfolded at the given full height.
    void InheritCollapsible(int nExpandedHeight);
    CXTPDockingPaneSplitterContainer* GetTopContainer() const { return m_pTopContainer; }

    BOOL ContainsPane(CXTPDockingPaneBase* pPane) const override;
    void FindPane(int nType, CXTPDockingPaneBaseList* pList) override;
    void RemovePane(CXTPDockingPaneBase* pPane) override;
    BOOL DoPropExchange(CXTPPropExchange* pPX) override;
    BOOL IsEmpty() const override;
    // The window text follows the title of a single container's pane.
    void OnChildTitleChanged(CXTPDockingPaneBase* pChild) override;
    // The tree holds at least one pane.
    BOOL HasPanes();
    BOOL IsCaptionButtonVisible(CXTPDockingPaneCaptionButton* pButton) override;

    // 9901 closes the frame's panes; 9900 toggles the collapsible mode.
    void OnCaptionButtonClick(CXTPDockingPaneCaptionButton* pButton);
    // Handles 9909 (the single selected pane's menu); FALSE for the others.
    BOOL OnCaptionButtonDown(CXTPDockingPaneCaptionButton* pButton);
    // The frame draws its own caption and border (the manager's option).
    BOOL IsOwnCaption() const;
    // Follows a change of the manager's floating frame option.
    void OnCaptionModeChanged();
    // Takes the caption height of the theme and settings in force: the
    // client's top, and a folded frame's floor.
    void OnCaptionMetricsChanged();
    // Collapses to its caption once the pointer has stayed away long enough.
    void SetCollapsible(BOOL bCollapsible);
    BOOL IsCollapsible() const { return m_bCollapsed; }
    int GetCollapseStep() const { return m_nStep; }
    int GetCollapseStepCount() const { return m_nStepCount; }
    // With its own caption: the keyboard focus is inside the frame. Kept
    // at each activation change and idle pass.
    BOOL IsActive() const { return m_bFocusInside; }
    // Waiting for its first idle pass to lay the tree out.
    BOOL IsFirstIdlePending() const { return m_bFirstIdle; }

    // With its own caption: the caption button under a client point, whose
    // tip is the string of its id.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // Shows the auto-hide (collapse) button on floating frames.
    static BOOL m_bShowPinButton;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The layout deletes the node: the window must not.
    void PostNcDestroy() override {}
    void OnClose() override;
    afx_msg void OnDestroy();
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    enum
    {
        TimerLeaveCheck = 1,
        TimerCollapseStep = 3,
        TimerHotCheck = 2345,
    };
    CXTPDockingPaneTabbedContainer* GetSingleContainer() const;
    // Caption buttons keep window coordinates (the frame paints at the origin).
    CPoint ToWindowPoint(CPoint ptScreen) const;
    CRect ToScreenRect(CRect rcWindowPart) const;
    BOOL HasClosablePane();
    CXTPDockingPaneCaptionButton* CaptionButtonFromPoint(CPoint ptWindow) const;
    void UpdateCaptionButtons();
    void RedrawFrame();
    BOOL IsFocusInside() const;
    // The caption's active look follows the state in force now: the focus
    // (own caption) or the activation of the frame and of its site.
    void SyncActiveCaption();
    void SetFocusInside(BOOL bInside);
    // A synchronised frame looks active while it, its site or another
    // synchronised window of the site is the active window.
    BOOL IsSiteGroupWindow(HWND hWnd) const;
    void SetSyncedActive(BOOL bActive);
    BOOL IsRightToLeft() const;
    BOOL CreateFrameWindow(CWnd* pSite);
    static void KeepOnWorkArea(CRect& rc);
    // No minimise, maximise or restore; the close command reads "Hide".
    void AdjustSystemMenu();
    // Title and close command follow the tree.
    void UpdateTitleAndSystemMenu();
    // A frame created collapsible (loaded or inherited) resumes folded or
    // counting down.
    void ResumeCollapsible();
    void ArmLeaveCheck(int nChecks);
    void StopCollapse();
    void SetWindowHeight(int nHeight, BOOL bToTop);
    void OnLeaveCheck();
    void OnCollapseStep();
    void UnfoldOnHover();
    // The window height of a collapse step, never below the caption's floor.
    int FoldedHeight(int nStep) const;

public:
    CXTPDockingPaneSplitterContainer* m_pTopContainer = nullptr;
    CRect m_rcFrame;
    BOOL m_bCollapsed = FALSE;
    int m_nExpandedHeight = 0;

private:
    int m_nStepCount;
    int m_nStep;
    BOOL m_bCollapsing = FALSE;
    int m_nLeaveCountdown = 0;
    BOOL m_bFocusInside = FALSE;
    BOOL m_bFirstIdle = FALSE;
    // The caption height the client area was last calculated with.
    int m_nCalculatedCaptionHeight = -1;
    BOOL m_bWaitingForSite = FALSE;
};

// The window an auto-hidden group slides out in: a child of the site lying
// along the panel's side over the docked tree. It grows in steps, watches
// the pointer and slides back in when it stays away.
#pragma once
#include "framework/windows/CMiniFrameWnd.h"

class CXTPDockingPaneAutoHidePanel;
class CXTPDockingPaneTabbedContainer;

class CXTPDockingPaneAutoHideWnd : public CMiniFrameWnd
{
public:
    CXTPDockingPaneAutoHideWnd(CXTPDockingPaneAutoHidePanel* pPanel, CXTPDockingPaneTabbedContainer* pContainer);

    // The rectangle of frame k of n (site client coordinates).
    CRect GetFrameRect(int nStep) const;
    // Releases the container and closes the window.
    void CloseWindowNow();
    // Hides the container and gives it back to the site; the panel forgets
    // the window, which from then on holds neither of them.
    void ReleaseContainer();
    BOOL IsDetached() const { return m_pPanel == nullptr; }
    // The leave check of timer 1, also run by a move while closing.
    void CheckPointer();

    CXTPDockingPaneTabbedContainer* GetContainer() const { return m_pContainer; }
    int GetStepCount() const { return m_nStepsCount; }
    int GetStep() const { return m_nStep; }
    // Where the inner edge may go (site client coordinates, x for the left
    // and right sides, y for top and bottom); FALSE when it cannot move.
    BOOL GetEdgeLimits(int& nLow, int& nHigh) const;
    // The window opened in full with its inner edge at nEdge; the selected
    // pane keeps the new size as its docking size.
    void MoveEdgeTo(int nEdge);
    BOOL IsClosing() const { return m_bClosing; }
    // The group's selection changed while open: the window takes the newly
    // selected pane's size (at its current step) and lays the group out.
    void FitSelectedPane();
    // A delayed layout asked for the panes shown here (a theme or setting
    // change): the site lays out first, then the group fits anew.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    static int m_nAnimationInterval;
    static int m_nAnimationDuration;
    static double m_dAnimationSpeed;
    static BOOL m_bCloseOnLeave;
    static int m_nMouseCheckInterval;
    // How long the pointer rests on a strip's tab before it slides out;
    // -1 is the system's hover time.
    static int m_nHoverTime;

    enum { kEdge = 4, kLeaveTicks = 6 };
    enum { timerCheck = 1, timerSlideOut = 2, timerSlideIn = 3, timerClose = 4 };

protected:
    void PostNcDestroy() override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // The edge shows the split cursor while it can be dragged.
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    // The window's tracking limits: the selected pane's, its caption and
    // the edge along the sliding axis.
    void GetLimits(MINMAXINFO* pMinMaxInfo) const;
    // The opened window for the selected pane's docking size, along the
    // panel's side inside the docking area (site client coordinates).
    CRect CalcWindowRect() const;
    void PlaceFrame();
    // The 4-pixel splitter edge towards the client area (client coordinates).
    CRect GetEdgeRect() const;
    // The edge follows the pointer until the release (or Esc).
    void TrackEdgeLive(CPoint ptStart, int nLow, int nHigh);

    CXTPDockingPaneTabbedContainer* m_pContainer;
    CXTPDockingPaneAutoHidePanel* m_pPanel;
    int m_direction;
    BOOL m_bHoriz;
    BOOL m_bClosing = FALSE;
    int m_nStepsCount = 1;
    int m_nStep = 0;
    CRect m_rcWindow;
    int m_nDeactivationCount = kLeaveTicks;
    BOOL m_bResizing = FALSE;
    // Set while the window moves itself (its size messages lay out nothing).
    BOOL m_bPlacing = FALSE;
};

// The bar between two neighbours of a splitter container: drawn by the
// docking theme, dragged to share their length anew.
#pragma once
#include "framework/windows/CWnd.h"

class CXTPDockingPaneBase;
class CXTPDockingPaneSplitterContainer;

class CXTPDockingPaneSplitterWnd : public CWnd
{
public:
    CXTPDockingPaneSplitterWnd(CXTPDockingPaneSplitterContainer* pContainer, CXTPDockingPaneBase* pFirst,
                               CXTPDockingPaneBase* pSecond);
    ~CXTPDockingPaneSplitterWnd() override;

    BOOL Create(CWnd* pSite);
    // The range of the bar's near edge in site coordinates; FALSE when the
    // bar cannot move (locked, or its limits meet).
    BOOL GetLimits(int& nLow, int& nHigh) const;
    // Gives the neighbours the sizes of a bar at nPos (site coordinates).
    void MoveBarTo(int nPos, int nLow, int nHigh);
    // The drag of a left button press at a bar point.
    void TrackDrag(CPoint point);

    CXTPDockingPaneBase* GetFirst() const { return m_pFirst; }
    CXTPDockingPaneSplitterContainer* GetContainer() const { return m_pContainer; }
    // The bar stands between neighbours side by side.
    BOOL IsHoriz() const;
    CXTPDockingPaneBase* GetSecond() const { return m_pSecond; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // The bar still stands between two children of its container: asked,
    // once the bar is known to live, after messages were dispatched.
    BOOL HasItsNeighbours() const;
    void TrackLive(int nLow, int nHigh, CPoint ptStart);
    // The near edge, in site coordinates, of a bar rectangle on screen.
    int SitePosOf(CRect rcScreen) const;
    // The bar's rectangle on screen with its near edge at nPos (site coordinates).
    CRect ScreenRectAt(int nPos) const;
    void RecalcSite(BOOL bNow);

    CXTPDockingPaneSplitterContainer* m_pContainer;
    CXTPDockingPaneBase* m_pFirst;
    CXTPDockingPaneBase* m_pSecond;
};

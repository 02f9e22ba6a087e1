// A floating frame: a small tool window owned by the site and, at the same
// time, a node of the tree whose one child is the splitter holding the
// floated containers. The layout owns the node; the window comes and goes.
#pragma once
#include "framework/windows/CMiniFrameWnd.h"
#include "toolkit/docking/XTPDockingPaneBase.h"

class CXTPDockingPaneSplitterContainer;

class CXTPDockingPaneMiniWnd : public CMiniFrameWnd, public CXTPDockingPaneBase
{
public:
    explicit CXTPDockingPaneMiniWnd(CXTPDockingPaneLayout* pLayout);
    ~CXTPDockingPaneMiniWnd() override;

    // Creates the window at the frame rectangle (once, while the site has a
    // window) and shows it exactly while the tree holds a pane.
    void UpdateFrameWindow();
    // Every closable pane is announced (action 2) and, unless vetoed, closed
    // (action 3); the others stay.
    void CloseFramePanes();
    // Lays the tree out in the client area.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Takes the splitter as the frame's tree.
    void SetTopContainer(CXTPDockingPaneSplitterContainer* pTop);
    CXTPDockingPaneSplitterContainer* GetTopContainer() const { return m_pTopContainer; }

    BOOL ContainsPane(CXTPDockingPaneBase* pPane) const override;
    void FindPane(int nType, CXTPDockingPaneBaseList* pList) override;
    void RemovePane(CXTPDockingPaneBase* pPane) override;
    BOOL DoPropExchange(CXTPPropExchange* pPX) override;
    BOOL IsEmpty() const override;
    // The tree holds at least one pane.
    BOOL HasPanes();

protected:
    // The layout deletes the node: the window must not.
    void PostNcDestroy() override {}
    void OnClose() override;
    afx_msg void OnDestroy();
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    DECLARE_MESSAGE_MAP()

public:
    CXTPDockingPaneSplitterContainer* m_pTopContainer = nullptr;
    CRect m_rcFrame;
    BOOL m_bCollapsed = FALSE;
    int m_nExpandedHeight = 0;
};

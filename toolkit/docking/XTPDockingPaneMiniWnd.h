// A floating frame as a node of the tree: its window rectangle, collapse
// state and the splitter that holds its containers. The frame window itself
// comes with the floating behaviour; here the node exchanges and keeps its
// tree.
#pragma once
#include "toolkit/docking/XTPDockingPaneBase.h"

class CXTPDockingPaneSplitterContainer;

class CXTPDockingPaneMiniWnd : public CXTPDockingPaneBase
{
public:
    explicit CXTPDockingPaneMiniWnd(CXTPDockingPaneLayout* pLayout);

    // Takes the splitter as the frame's tree.
    void SetTopContainer(CXTPDockingPaneSplitterContainer* pTop);
    CXTPDockingPaneSplitterContainer* GetTopContainer() const { return m_pTopContainer; }

    BOOL ContainsPane(CXTPDockingPaneBase* pPane) const override;
    void FindPane(int nType, CXTPDockingPaneBaseList* pList) override;
    void RemovePane(CXTPDockingPaneBase* pPane) override;
    BOOL DoPropExchange(CXTPPropExchange* pPX) override;
    BOOL IsEmpty() const override;

public:
    CXTPDockingPaneSplitterContainer* m_pTopContainer = nullptr;
    CRect m_rcFrame;
    BOOL m_bCollapsed = FALSE;
    int m_nExpandedHeight = 0;
};

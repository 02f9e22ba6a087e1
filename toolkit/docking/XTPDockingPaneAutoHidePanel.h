// The strip at one side of the frame that holds auto-hidden groups (tabbed
// containers) as a node of the tree. Its window, tabs and slide-out come
// with the auto-hide behaviour; here the node keeps and exchanges its groups.
#pragma once
#include <vector>
#include "toolkit/docking/XTPDockingPaneBase.h"

class CXTPDockingPaneTabbedContainer;

class CXTPDockingPaneAutoHidePanel : public CXTPDockingPaneBase
{
public:
    explicit CXTPDockingPaneAutoHidePanel(CXTPDockingPaneLayout* pLayout);

    void AddGroup(CXTPDockingPaneTabbedContainer* pContainer);
    const std::vector<CXTPDockingPaneTabbedContainer*>& GetGroups() const { return m_lstPanes; }
    int GetDirection() const { return m_direction; }
    void SetDirection(int direction) { m_direction = direction; }

    BOOL ContainsPane(CXTPDockingPaneBase* pPane) const override;
    void FindPane(int nType, CXTPDockingPaneBaseList* pList) override;
    void RemovePane(CXTPDockingPaneBase* pPane) override;
    BOOL DoPropExchange(CXTPPropExchange* pPX) override;
    BOOL IsEmpty() const override { return m_lstPanes.empty(); }

public:
    std::vector<CXTPDockingPaneTabbedContainer*> m_lstPanes;
    int m_direction = 0;
};

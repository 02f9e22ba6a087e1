// One complete docking arrangement: every node of the tree (owned), the
// records of where each pane was docked, floating and last held, the top
// container, the client node and the auto-hide panels; saved and loaded
// through property exchange.
#pragma once
#include <vector>
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CRect.h"

class CArchive;
class CWnd;
class CXTPDockingPane;
class CXTPDockingPaneBase;
class CXTPDockingPaneManager;
class CXTPDockingPaneSplitterContainer;
class CXTPPropExchange;
struct AFX_SIZEPARENTPARAMS;

struct XTP_DOCKINGPANE_INFO
{
    CXTPDockingPane* pPane;
    CXTPDockingPaneBase* pFloatingHolder;
    CXTPDockingPaneBase* pDockingHolder;
    CXTPDockingPaneBase* pLastHolder;
};

class CXTPDockingPaneLayout : public CCmdTarget
{
public:
    explicit CXTPDockingPaneLayout(CXTPDockingPaneManager* pManager);
    ~CXTPDockingPaneLayout() override;

    void Clear();
    BOOL IsValid() const;
    void OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout);
    XTP_DOCKINGPANE_INFO* FindPaneInfo(CXTPDockingPane* pPane);
    void RemoveUnusedNodes();
    void Serialize(CArchive& ar);
    void Save(CXTPPropExchange* pPX);
    // FALSE on any fault in the stored tree; the layout is then cleared.
    BOOL Load(CXTPPropExchange* pPX);

    CXTPDockingPaneManager* GetManager() const { return m_pManager; }
    CXTPDockingPaneSplitterContainer* GetTopContainer() const { return m_pTopContainer; }
    CXTPDockingPaneBase* GetClientPane() const { return m_pClient; }
    BOOL IsUserLayout() const { return m_bUserLayout; }

    // While loading: the node of a number, when it may become a child of
    // pParent (in range, no parent yet, not pParent nor holding it).
    CXTPDockingPaneBase* FindLoadedNode(int nIndex, CXTPDockingPaneBase* pParent) const;
    CXTPDockingPaneBase* FindLoadedNodeOfType(int nIndex, int nType, CXTPDockingPaneBase* pParent = nullptr) const;

public:
    CXTPDockingPaneSplitterContainer* m_pTopContainer = nullptr;
    CXTPDockingPaneBase* m_pClient = nullptr;
    std::vector<XTP_DOCKINGPANE_INFO> m_arrPanes;
    std::vector<CXTPDockingPaneBase*> m_arrNodes;
    CXTPDockingPaneBase* m_wndPanels[4] = {};
    BOOL m_bUserLayout = TRUE;
    CXTPDockingPaneManager* m_pManager;

private:
    void DestroyNode(CXTPDockingPaneBase* pNode);
    BOOL LoadNodes(CXTPPropExchange* pPX);
    BOOL LoadNodeSections(CXTPPropExchange* pPX, CXTPPropExchange* pSummary);
};

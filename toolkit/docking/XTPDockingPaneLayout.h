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
class CXTPDockingPaneAutoHidePanel;
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
    // The side a node lies at: its auto-hide panel's, else where its branch
    // lies beside the client node's (0 when neither is found).
    int GetPaneDirection(CXTPDockingPaneBase* pNode) const;
    void RemoveUnusedNodes();
    // Moves a pane or container into the auto-hide panel of its side: into
    // the group hidden from the same docked place, else as a new group.
    void HideToPanel(CXTPDockingPaneBase* pNode);
    void Serialize(CArchive& ar);
    void Save(CXTPPropExchange* pPX);
    // FALSE on any fault in the stored tree or a store that ends early; the
    // layout is then cleared.
    BOOL Load(CXTPPropExchange* pPX);

    // Deeper trees are refused when loading: every walk of the tree recurses.
    static const int kMaxLoadedDepth = 1000;

    CXTPDockingPaneManager* GetManager() const { return m_pManager; }
    CXTPDockingPaneSplitterContainer* GetTopContainer() const { return m_pTopContainer; }
    CXTPDockingPaneBase* GetClientPane() const { return m_pClient; }
    BOOL IsUserLayout() const { return m_bUserLayout; }

    // While loading: the node of a number. With pParent, only a node that may
    // become its child (no parent yet, not pParent nor holding it), and the
    // node is then counted as pParent's child.
    CXTPDockingPaneBase* FindLoadedNode(int nIndex, CXTPDockingPaneBase* pParent);
    CXTPDockingPaneBase* FindLoadedNodeOfType(int nIndex, int nType, CXTPDockingPaneBase* pParent = nullptr);
    // TRUE between the creation of loaded nodes and the end of loading:
    // containers link children quietly and the tree is told once at the end.
    BOOL IsLoading() const { return m_bLoading; }

public:
    CXTPDockingPaneSplitterContainer* m_pTopContainer = nullptr;
    CXTPDockingPaneBase* m_pClient = nullptr;
    std::vector<XTP_DOCKINGPANE_INFO> m_arrPanes;
    std::vector<CXTPDockingPaneBase*> m_arrNodes;
    CXTPDockingPaneAutoHidePanel* m_wndPanels[4] = {};
    BOOL m_bUserLayout = TRUE;
    CXTPDockingPaneManager* m_pManager;

private:
    void DestroyNode(CXTPDockingPaneBase* pNode);
    int FindLoadedTree(int nIndex);
    BOOL IsLoadedTreeShallow() const;
    void OnLoaded();
    BOOL LoadNodes(CXTPPropExchange* pPX);
    BOOL LoadNodeSections(CXTPPropExchange* pPX, CXTPPropExchange* pSummary);

    BOOL m_bLoading = FALSE;
    // While loading: per node number, a node of the same tree (a chain that
    // ends at the tree's root), so a loop is found without walking subtrees.
    std::vector<int> m_arrLoadedTrees;
};

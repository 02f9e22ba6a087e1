// A node of the docking tree: panes and the client node are leaves;
// tabbed containers, splitter containers, floating frames and auto-hide
// panels hold other nodes. The base holds what every node has: wanted
// sizes, its layout, parent and site, its rectangle and caption buttons.
#pragma once
#include <algorithm>
#include <vector>
#include "framework/collections/CList.h"
#include "framework/collections/CMap.h"
#include "framework/gdi/CRect.h"
#include "toolkit/docking/XTPDockingPaneCaptionButton.h"

class CWnd;
class CXTPDockingPaneLayout;
class CXTPDockingPaneManager;
class CXTPPropExchange;
struct AFX_SIZEPARENTPARAMS;

enum XTPDockingPaneType
{
    xtpPaneTypeDockingPane = 0,
    xtpPaneTypeTabbedContainer = 1,
    xtpPaneTypeSplitterContainer = 2,
    xtpPaneTypeMiniWnd = 3,
    xtpPaneTypeClient = 4,
    xtpPaneTypeAutoHidePanel = 5,
};

enum XTPDockingPaneDirection
{
    xtpPaneDockLeft = 0,
    xtpPaneDockRight = 1,
    xtpPaneDockTop = 2,
    xtpPaneDockBottom = 3,
};

class CXTPDockingPaneBase;
typedef CList<CXTPDockingPaneBase*, CXTPDockingPaneBase*> CXTPDockingPaneBaseList;
// Each cloned pane to its clone.
typedef CMap<CXTPDockingPaneBase*, CXTPDockingPaneBase*, CXTPDockingPaneBase*, CXTPDockingPaneBase*>
    CXTPDockingPaneClonedMap;

class CXTPDockingPaneBase
{
public:
    CXTPDockingPaneBase(int nType, CXTPDockingPaneLayout* pLayout);
    virtual ~CXTPDockingPaneBase();
    CXTPDockingPaneBase(const CXTPDockingPaneBase&) = delete;
    CXTPDockingPaneBase& operator=(const CXTPDockingPaneBase&) = delete;

    // Invalidates the node's window, when it is a window and has one.
    virtual void RedrawPane();
    virtual BOOL ContainsPane(CXTPDockingPaneBase* pPane) const { return pPane == this; }
    virtual void FindPane(int nType, CXTPDockingPaneBaseList* pList);
    virtual void GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const;
    virtual void OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout);
    virtual void OnFocusChanged();
    virtual void SetParentFrame(CWnd* pFrame) { m_pParentFrame = pFrame; }
    virtual void SetParentContainer(CXTPDockingPaneBase* pContainer) { m_pParentContainer = pContainer; }
    virtual void OnChildContainerChanged(CXTPDockingPaneBase* /*pContainer*/) {}
    // The title of a pane below changed: each node that shows it follows at
    // once; the default passes it on up.
    virtual void OnChildTitleChanged(CXTPDockingPaneBase* pChild);
    virtual void Reposition(BOOL bResize);
    virtual void OnParentContainerChanged(CXTPDockingPaneBase* /*pContainer*/) {}
    virtual BOOL DoPropExchange(CXTPPropExchange* pPX);
    // A copy of this node's structure in pLayout. With a map, panes are
    // cloned (and each recorded in the map); without one the panes
    // themselves move into the copy, except those with an option in
    // dwIgnoredOptions. Null for nodes that cannot be copied.
    virtual CXTPDockingPaneBase* Clone(CXTPDockingPaneLayout* pLayout, CXTPDockingPaneClonedMap* pMap,
                                       DWORD dwIgnoredOptions);
    virtual void RemovePane(CXTPDockingPaneBase* /*pPane*/) {}
    virtual BOOL IsEmpty() const;
    virtual BOOL IsCaptionButtonVisible(CXTPDockingPaneCaptionButton* /*pButton*/) { return TRUE; }
    virtual HWND GetPaneHwnd() const { return nullptr; }
    virtual BOOL IsHidden() const { return FALSE; }

    int GetType() const { return m_type; }
    CXTPDockingPaneBase* GetContainer() const { return m_pParentContainer; }
    CWnd* GetDockingSite() const { return m_pParentFrame; }
    CXTPDockingPaneLayout* GetLayout() const { return m_pLayout; }
    CXTPDockingPaneManager* GetDockingPaneManager() const;
    CRect GetPaneWindowRect() const { return m_rcWindow; }
    CSize GetDockingSize() const { return CSize(m_szDocking.cx, m_szDocking.cy); }
    void SetDockingSize(CSize sz) { m_szDocking = sz; }
    CXTPDockingPaneCaptionButtons* GetCaptionButtons() { return &m_arrCaptionButtons; }

public:
    SIZE m_szDocking = {0, 0};
    CXTPDockingPaneLayout* m_pLayout;
    CXTPDockingPaneBase* m_pParentContainer = nullptr;
    CWnd* m_pParentFrame = nullptr;
    int m_type;
    CRect m_rcWindow;
    CXTPDockingPaneCaptionButtons m_arrCaptionButtons;
    int m_nLength = 0;
    int m_nIndex = 0;
};

// Takes a child out of a container's list and clears its parent; FALSE when
// it was not there.
template <class NODE>
BOOL XTPDockingPaneTakeOut(std::vector<NODE*>& arrChildren, CXTPDockingPaneBase* pNode)
{
    auto it = std::find(arrChildren.begin(), arrChildren.end(), pNode);
    if (it == arrChildren.end())
        return FALSE;
    arrChildren.erase(it);
    pNode->SetParentContainer(nullptr);
    return TRUE;
}

// One "Pane-%d" value.
void XTPDockingPaneExchangeNumber(CXTPPropExchange* pPX, int nItem, int& nIndex);

// TRUE when the node is the container itself or lies anywhere below one of
// its children.
template <class NODE>
BOOL XTPDockingPaneHolds(const CXTPDockingPaneBase* pContainer, const std::vector<NODE*>& arrChildren,
                         CXTPDockingPaneBase* pNode)
{
    if (pNode == pContainer)
        return TRUE;
    for (NODE* pChild : arrChildren)
    {
        if (pChild->ContainsPane(pNode))
            return TRUE;
    }
    return FALSE;
}

// The node numbers of a container's children as "Pane-1" ... "Pane-n":
// written from the nodes when storing, read into pNumbers when loading.
// A loaded count below zero or above nMaxCount fails: no container holds
// more children than the layout has nodes.
template <class NODE>
BOOL XTPDockingPaneExchangeChildren(CXTPPropExchange* pPX, const std::vector<NODE*>& arrChildren, int nCount,
                                    int nMaxCount, std::vector<int>* pNumbers)
{
    if (pNumbers && (nCount < 0 || nCount > nMaxCount))
        return FALSE;
    for (int i = 0; i < nCount; i++)
    {
        int nIndex = i < static_cast<int>(arrChildren.size()) ? arrChildren[i]->m_nIndex : 0;
        XTPDockingPaneExchangeNumber(pPX, i + 1, nIndex);
        if (pNumbers)
            pNumbers->push_back(nIndex);
    }
    return TRUE;
}


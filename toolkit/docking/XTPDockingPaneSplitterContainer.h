// A node whose children lie side by side (horizontal) or one above the
// other, with a bar between neighbours.
#pragma once
#include <vector>
#include "toolkit/docking/XTPDockingPaneBase.h"

class CXTPDockingPaneSplitterWnd;

class CXTPDockingPaneSplitterContainer : public CXTPDockingPaneBase
{
public:
    explicit CXTPDockingPaneSplitterContainer(CXTPDockingPaneLayout* pLayout);
    ~CXTPDockingPaneSplitterContainer() override;

    // Inserts after (or before) pBeside; at the tail (head) without one.
    void AddChild(CXTPDockingPaneBase* pNode, CXTPDockingPaneBase* pBeside = nullptr, BOOL bAfter = TRUE);
    void Init(CXTPDockingPaneBase* pNode, BOOL bHoriz, CWnd* pFrame);
    void ReplaceChild(CXTPDockingPaneBase* pOld, CXTPDockingPaneBase* pNew);
    void RemovePane(CXTPDockingPaneBase* pPane) override;

    BOOL ContainsPane(CXTPDockingPaneBase* pPane) const override;
    void FindPane(int nType, CXTPDockingPaneBaseList* pList) override;
    void OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout) override;
    void SetParentFrame(CWnd* pFrame) override;
    void OnChildContainerChanged(CXTPDockingPaneBase* pContainer) override;
    void OnParentContainerChanged(CXTPDockingPaneBase* pContainer) override;
    BOOL DoPropExchange(CXTPPropExchange* pPX) override;
    BOOL IsEmpty() const override;
    // The same orientation and sizes, each child cloned in order.
    CXTPDockingPaneBase* Clone(CXTPDockingPaneLayout* pLayout, CXTPDockingPaneClonedMap* pMap,
                               DWORD dwIgnoredOptions) override;

    BOOL IsHoriz() const { return m_bHoriz; }
    const std::vector<CXTPDockingPaneBase*>& GetChildren() const { return m_lstPanes; }
    // The lengths the visible children would get in a rectangle (without
    // changing any docking size).
    std::vector<int> CalcLengths(const std::vector<CXTPDockingPaneBase*>& arrChildren, CRect rect, BOOL bApply)
    {
        return CalcLengths(arrChildren, rect, m_bHoriz, bApply);
    }
    // The same along either axis (a splitter that docking would make).
    std::vector<int> CalcLengths(const std::vector<CXTPDockingPaneBase*>& arrChildren, CRect rect, BOOL bHoriz,
                                 BOOL bApply);

public:
    std::vector<CXTPDockingPaneBase*> m_lstPanes;
    std::vector<CXTPDockingPaneSplitterWnd*> m_lstSpliters;
    BOOL m_bHoriz = FALSE;
    BOOL m_bRecalcLayout = FALSE;

    // One bar between each pair of neighbours that show something.
    void RebuildSplitters();
    // The tree was loaded with quiet links: bars and the site's layout now.
    void OnLoaded();

private:
    void HideEmptyContainers(CXTPDockingPaneBase* pChild);
    void NotifyChanged();
    void DestroySplitters();
    void PlaceSplitters(AFX_SIZEPARENTPARAMS* lpLayout);
};

// The strip at one side of the frame that holds auto-hidden groups (tabbed
// containers) as a node of the tree: a window cut from the frame's layout
// that shows one tab strip per group.
#pragma once
#include <memory>
#include <vector>
#include "framework/windows/CWnd.h"
#include "toolkit/docking/XTPDockingPaneBase.h"
#include "toolkit/docking/autohide/XTPDockingPanePointerRest.h"
#include "toolkit/docking/autohide/XTPDockingPanePointerReturn.h"
#include "toolkit/tabs/XTPTabAtomRegistration.h"
#include "toolkit/tabs/XTPTabDragOverDropTarget.h"
#include "toolkit/tabs/XTPTabManager.h"

class CFrameWnd;
class CXTPDockingPane;
class CXTPDockingPaneAutoHideWnd;
class CXTPDockingPaneTabbedContainer;

class CXTPDockingPaneAutoHidePanel : public CWnd, public CXTPDockingPaneBase
{
public:
    // The tabs of one group, facing away from the panel's side.
    class CAutoHidePanelTabManager : public CXTPTabManager
    {
    public:
        CAutoHidePanelTabManager(CXTPDockingPaneAutoHidePanel* pPanel, CXTPDockingPaneTabbedContainer* pGroup);
        void Reposition() override;
        CXTPTabPaintManager* GetPaintManager() const override;
        void RedrawControl() override;
        BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) override;
        int GetPosition() const override;

        CXTPDockingPaneAutoHidePanel* m_pPanel;
        CXTPDockingPaneTabbedContainer* m_pGroup;
        CRect m_rcLayout;
    };

    typedef std::vector<std::unique_ptr<CAutoHidePanelTabManager>> CAutoHidePanelTabManagersArray;

    // What the auto-hide tabs' paint manager asks to lay out again when one
    // of its options changes: the panel's strips are rebuilt on every layout,
    // so the panel stands for them.
    class CPanelAtom : public CXTPTabManagerAtom
    {
    public:
        explicit CPanelAtom(CXTPDockingPaneAutoHidePanel* pPanel) : m_pPanel(pPanel) {}
        void Reposition() override;

    private:
        CXTPDockingPaneAutoHidePanel* m_pPanel;
    };

    // An OLE drag held over a tab slides its pane out, so that what is
    // dragged can be dropped into the pane.
    class CPanelDropTarget : public CXTPTabDragOverDropTarget
    {
    public:
        explicit CPanelDropTarget(CXTPDockingPaneAutoHidePanel* pPanel) : m_pPanel(pPanel) {}

    protected:
        void OnDragOverTab(CPoint point) override;

    private:
        CXTPDockingPaneAutoHidePanel* m_pPanel;
    };

    explicit CXTPDockingPaneAutoHidePanel(CXTPDockingPaneLayout* pLayout);
    ~CXTPDockingPaneAutoHidePanel() override;

    // Cuts the strip from the rectangle at the panel's side (an empty panel
    // takes nothing and has no window).
    void OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout) override;
    // Slides the pane's group out (action 12 may veto); the open window of
    // the same group is reused, another group's closes first.
    void ShowPane(CXTPDockingPane* pPane, BOOL bSetFocus);
    // Slides the open group in at once (action 10 may veto, 11 follows);
    // deferred, the window closes on its own timer.
    void ClosePane(BOOL bDeferred = FALSE);
    // The tab under a point of the panel's client area, or null.
    CXTPDockingPane* HitTestPane(CPoint point) const;
    // The strip's thickness: tab height and the header margins.
    int GetStripThickness();
    // The strips after a change of the tabs' options: the site lays out
    // again, as the strip's thickness may have changed with them.
    void RepositionStrips();
    const CAutoHidePanelTabManagersArray& GetTabManagers() const { return m_arrTabManagers; }

    void AddGroup(CXTPDockingPaneTabbedContainer* pContainer);
    const std::vector<CXTPDockingPaneTabbedContainer*>& GetGroups() const { return m_lstPanes; }
    int GetDirection() const { return m_direction; }
    void SetDirection(int direction) { m_direction = direction; }

    BOOL ContainsPane(CXTPDockingPaneBase* pPane) const override;
    void FindPane(int nType, CXTPDockingPaneBaseList* pList) override;
    void RemovePane(CXTPDockingPaneBase* pPane) override;
    BOOL DoPropExchange(CXTPPropExchange* pPX) override;
    // Every group is empty (emptied groups wait for the clean-up).
    BOOL IsEmpty() const override;
    void OnChildContainerChanged(CXTPDockingPaneBase* pContainer) override;
    // The strip's tabs take a pane's new title at once.
    void OnChildTitleChanged(CXTPDockingPaneBase* pChild) override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // One tab strip per non-empty group, laid out one after the other.
    void LayoutGroups(CRect rcStrip);
    // Where the tabs lie in a strip of that size (client coordinates).
    CRect GetTabsRect(CSize szStrip) const;
    // The tabs anew from the groups, in the strip's present place.
    void RebuildTabs();
    // The site when it is a frame with a window, else null.
    CFrameWnd* GetSiteFrame() const;
    // The open slide-out closes at once when it shows this group.
    void CloseSlideOutOf(CXTPDockingPaneBase* pContainer);
    // Where the background gradient lies, in client coordinates.
    CRect GetGradientRect() const;
    // The pointer at a client point: hot tabs, and over a tab the wait for
    // its rest.
    void TrackPointerAt(CPoint point);
    // The pointer back from outside the program, or gone off the strip.
    void OnPointerReturnTimer();

public:
    std::vector<CXTPDockingPaneTabbedContainer*> m_lstPanes;
    int m_direction = 0;
    CRect m_rcLast;
    CXTPDockingPaneAutoHideWnd* m_pActiveWnd = nullptr;
    CPanelDropTarget m_dropTarget{this};
    CAutoHidePanelTabManagersArray m_arrTabManagers;
    CPanelAtom m_atom{this};
    CXTPTabAtomRegistration m_registration{&m_atom};
    // The pointer resting on a tab slides its pane out, however it came.
    enum { timerPointerRest = 1, timerPointerReturn = 2 };
    CXTPDockingPanePointerRest m_pointerRest{timerPointerRest};
    // No move comes for a pointer back on the point it left the program
    // from: the strip watches for it itself.
    CXTPDockingPanePointerReturn m_pointerReturn{timerPointerReturn};
};

// The node that shows one or more panes one at a time, with a caption and,
// for several panes, a tab strip. It is the unit that is docked, floated,
// hidden and dragged.
#pragma once
#include <vector>
#include "framework/windows/CWnd.h"
#include "toolkit/docking/XTPDockingPaneBase.h"
#include "toolkit/tabs/XTPTabAtomRegistration.h"
#include "toolkit/tabs/XTPTabDragOverDropTarget.h"
#include "toolkit/tabs/XTPTabManager.h"

class CXTPDockingPane;

class CXTPDockingPaneTabbedContainer : public CWnd, public CXTPDockingPaneBase, public CXTPTabManager
{
public:
    // An OLE drag held over a tab selects its pane when the theme's tab
    // paint manager allows, so that what is dragged can be dropped into it.
    class CContainerDropTarget : public CXTPTabDragOverDropTarget
    {
    public:
        explicit CContainerDropTarget(CXTPDockingPaneTabbedContainer* pContainer) : m_pContainer(pContainer) {}

    protected:
        void OnDragOverTab(CPoint point) override;

    private:
        CXTPDockingPaneTabbedContainer* m_pContainer;
    };

    explicit CXTPDockingPaneTabbedContainer(CXTPDockingPaneLayout* pLayout);
    ~CXTPDockingPaneTabbedContainer() override;

    void AddPane(CXTPDockingPane* pPane, BOOL bSetFocus = TRUE);
    void SelectPane(CXTPDockingPane* pPane, BOOL bSetFocus = TRUE, BOOL bNotify = TRUE);
    void RemovePane(CXTPDockingPaneBase* pPane) override;
    // Takes the source's sizes; moves its panes (those without an option of
    // dwIgnoredOptions) or, with a map, clones them all into this layout.
    void Copy(CXTPDockingPaneTabbedContainer* pSource, DWORD dwIgnoredOptions,
              CXTPDockingPaneClonedMap* pMap = nullptr);
    CXTPDockingPaneBase* Clone(CXTPDockingPaneLayout* pLayout, CXTPDockingPaneClonedMap* pMap,
                               DWORD dwIgnoredOptions) override;

    CXTPDockingPane* GetSelected() const { return m_pSelectedPane; }
    const std::vector<CXTPDockingPane*>& GetPanes() const { return m_lstPanes; }
    CString GetTitle() const;
    BOOL IsActive() const { return m_bActive; }
    BOOL IsTitleVisible() const;
    // The caption runs down the left side, by the manager's caption direction.
    BOOL IsCaptionVertical() const;
    BOOL IsTabsVisible() const;
    // -2 on the caption strip, a tab's index, -1 elsewhere (client point).
    int HitTestArea(CPoint point) const;
    BOOL IsMaximized() const { return m_bMaximized; }
    CContainerDropTarget* GetDropTarget() { return &m_dropTarget; }

    BOOL ContainsPane(CXTPDockingPaneBase* pPane) const override;
    void FindPane(int nType, CXTPDockingPaneBaseList* pList) override;
    void GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const override;
    void OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout) override;
    void SetParentFrame(CWnd* pFrame) override;
    BOOL DoPropExchange(CXTPPropExchange* pPX) override;
    BOOL IsEmpty() const override { return m_lstPanes.empty(); }
    BOOL IsHidden() const override;
    // Tracks whether the focus lies inside and tells the manager.
    void OnFocusChanged() override;
    // Tabs and caption follow a pane's new title; the nodes above are told.
    void OnChildTitleChanged(CXTPDockingPaneBase* pChild) override;

    // The tab manager part: items mirror the panes.
    void Reposition() override;
    // An option of the pane-tab paint manager changed: strip and pane move.
    void RequestReposition() override;
    CXTPTabPaintManager* GetPaintManager() const override;
    void RedrawControl() override;
    BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) override;

    // Rebuilds the tab items from the panes.
    void UpdateTabs();
    BOOL IsCaptionButtonVisible(CXTPDockingPaneCaptionButton* pButton) override;
    // Closes the selected pane (or, with the manager's close-whole-group
    // flag, every closable pane) as the close button does.
    void OnCloseButton();
    // Hides the group (action 8 may veto) or, when hidden, brings it back.
    void OnAutoHideButton();
    // This container takes the whole splitter from its tabbed siblings, or
    // gives it back; the site lays out at once.
    void OnMaximizeButton();
    void OnRestoreButton();

    // A caption button's tip is the string of its id; tabs as the tab manager.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnMouseLeave();
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CXTPDockingPaneCaptionButton* CaptionButtonFromPoint(CPoint point) const;
    // Pressed and tracked; clicked when released over it.
    void OnCaptionButtonDown(CXTPDockingPaneCaptionButton* pButton);
    void OnMenuButton(CXTPDockingPaneCaptionButton* pButton);
    // The selected pane's window, or this window without one, takes the focus.
    void TakeFocus();
    // The parent splitter holds other tabbed containers to give way.
    BOOL CanMaximize() const;
    void RecalcSiteLayout();
    // Caption buttons and tabs under the point become hot, the others not.
    void HotTrack(CPoint point);
    // A pressed tab moved: reordered over another tab, pulled out elsewhere.
    void TrackTabDrag(CPoint point);
    // Lays the tab strip out in the client part under the caption.
    void LayoutTabs();
    void CreateContainerWindow();
    // Places the selected pane's window in the client part and hides the others.
    void LayoutPanes(CSize szWindow);

public:
    std::vector<CXTPDockingPane*> m_lstPanes;
    CXTPDockingPane* m_pSelectedPane = nullptr;
    BOOL m_bActive = FALSE;
    BOOL m_bTitleVisible = TRUE;
    BOOL m_bMaximized = FALSE;
    // The pane whose tab is pressed and may be pulled out of the strip.
    CXTPDockingPane* m_pTrackingPane = nullptr;
    // Where the tabs lay when the dragged one was pressed, by position.
    std::vector<CRect> m_arrTabRectsAtPress;
    // Set while the items are rebuilt: the strip is laid out once at the end.
    BOOL m_bRebuildingTabs = FALSE;
    CContainerDropTarget m_dropTarget{this};
    // On the list of the pane-tab paint manager of the current theme.
    CXTPTabAtomRegistration m_registration{this};
};

// The node that shows one or more panes one at a time, with a caption and,
// for several panes, a tab strip. It is the unit that is docked, floated,
// hidden and dragged.
#pragma once
#include <vector>
#include "framework/windows/CWnd.h"
#include "toolkit/docking/XTPDockingPaneBase.h"
#include "toolkit/tabs/XTPTabManager.h"

class CXTPDockingPane;

class CXTPDockingPaneTabbedContainer : public CWnd, public CXTPDockingPaneBase, public CXTPTabManager
{
public:
    explicit CXTPDockingPaneTabbedContainer(CXTPDockingPaneLayout* pLayout);
    ~CXTPDockingPaneTabbedContainer() override;

    void AddPane(CXTPDockingPane* pPane, BOOL bSetFocus = TRUE);
    void SelectPane(CXTPDockingPane* pPane, BOOL bSetFocus = TRUE, BOOL bNotify = TRUE);
    void RemovePane(CXTPDockingPaneBase* pPane) override;
    // Takes the source's sizes; moves (or, with a map, clones) its panes.
    void Copy(CXTPDockingPaneTabbedContainer* pSource, DWORD dwIgnoredOptions);

    CXTPDockingPane* GetSelected() const { return m_pSelectedPane; }
    const std::vector<CXTPDockingPane*>& GetPanes() const { return m_lstPanes; }
    CString GetTitle() const;
    BOOL IsActive() const { return m_bActive; }
    BOOL IsTitleVisible() const;
    BOOL IsTabsVisible() const;

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

    // The tab manager part: items mirror the panes.
    void Reposition() override;
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

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

private:
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
};

// What a frame gets docking panes through: creates panes, docks, closes and
// shows them, owns the current layout and the docking theme, and tells the
// frame of every action with WM_XTP_PANE_ACTION.
#pragma once
#include <vector>
#include "framework/windows/CWnd.h"
#include "toolkit/docking/XTPDockingPaneBase.h"

class CXTPDockingPane;
class CXTPDockingPaneContext;
class CXTPDockingPaneLayout;
class CXTPDockingPanePaintManager;
class CXTPImageManager;
class CXTPToolTipContext;

const UINT WM_XTP_PANE_ACTION = 0x2AAD;
// Posted to the manager's window: the floating frame in lParam docks back.
const UINT WM_XTP_DOCKFLOATINGFRAME = WM_APP + 0x2AAE;
// Posted to the manager's window after a drop: nodes left unused go.
const UINT WM_XTP_REMOVEUNUSEDNODES = WM_APP + 0x2AAF;

// wParam of WM_XTP_PANE_ACTION.
enum XTPDockingPaneNotification
{
    XTP_DPN_SHOWWINDOW = 1,
    XTP_DPN_RCLICK = 2,
    XTP_DPN_CLOSEPANE = 3,
    XTP_DPN_ACTION = 4,
    XTP_DPN_CONTEXTMENU = 5,
};

enum XTPDockingPaneAction
{
    xtpPaneActionFloating = 0,
    xtpPaneActionFloated = 1,
    xtpPaneActionClosing = 2,
    xtpPaneActionClosed = 3,
    xtpPaneActionDocking = 4,
    xtpPaneActionDocked = 5,
    xtpPaneActionAttaching = 6,
    xtpPaneActionAttached = 7,
    xtpPaneActionPinning = 8,
    xtpPaneActionPinned = 9,
    xtpPaneActionCollapsing = 10,
    xtpPaneActionCollapsed = 11,
    xtpPaneActionExpanding = 12,
    xtpPaneActionExpanded = 13,
    xtpPaneActionActivated = 14,
    xtpPaneActionDeactivated = 15,
    xtpPaneActionDetaching = 16,
};

// The record of notification 4.
struct XTP_DOCKINGPANE_ACTION
{
    int action;
    BOOL bCancel;
    CXTPDockingPane* pPane;
    CXTPDockingPaneBase* pDockContainer;
    int dockDirection;
};

// The record of notification 5: the pane, the point below the menu button
// and the button, both on screen.
struct XTP_DOCKINGPANE_CLICK
{
    CXTPDockingPane* pPane;
    POINT pt;
    RECT rcExclude;
};

class CXTPDockingPaneManager : public CWnd
{
public:
    CXTPDockingPaneManager();
    ~CXTPDockingPaneManager() override;

    BOOL InstallDockingPanes(CWnd* pSite, BOOL bClipChildren = TRUE);
    // Without a window (tests, user layouts): a site and a fresh layout.
    void AttachSite(CWnd* pSite);
    CXTPDockingPane* CreatePane(UINT nID, CRect rc, int direction, CXTPDockingPaneBase* pNeighbour = nullptr);
    CXTPDockingPane* FindPane(int nID) const;
    void ShowPane(CXTPDockingPane* pPane, BOOL bSetFocus = TRUE);
    void ShowPane(int nID, BOOL bSetFocus = TRUE) { ShowPane(FindPane(nID), bSetFocus); }
    void ClosePane(CXTPDockingPane* pPane);
    // Each closable pane is announced (action 2) and, unless vetoed, closed
    // (action 3). The list is a snapshot: closing changes the tree.
    void ClosePanesAnnounced(const std::vector<CXTPDockingPane*>& panes);
    // Floating frames get their windows, shown exactly while they hold panes
    // and the site shows.
    void UpdateFloatingFrames();
    // The frames held back while the site was hidden or minimized show once
    // it shows again (checked at each idle pass).
    void ShowFramesWaitingForSite();
    // Floating frames draw their own caption (and may collapse) or take
    // the system's.
    void SetFloatingFrameCaption(BOOL bOwnCaption);
    void DockPane(CXTPDockingPaneBase* pNode, int direction, CXTPDockingPaneBase* pNeighbour);
    void AttachPane(CXTPDockingPaneBase* pNode, CXTPDockingPaneBase* pTarget);
    // A floating frame node holding the pane or container at a screen rectangle.
    CXTPDockingPaneBase* FloatPane(CXTPDockingPaneBase* pNode, CRect rcScreen);
    // Into the auto-hide panel of the node's side.
    void HidePane(CXTPDockingPaneBase* pNode);
    // Docked panes float and floating ones dock, each to where it last was.
    void ToggleDocking(CXTPDockingPaneBase* pNode);
    // After a drag's drop: frames shown or hidden, the site laid out, and
    // unused nodes removed once the handler that started the drag is left.
    void OnDragDropped();
    CXTPDockingPaneContext* GetDockingContext() const { return m_pDockingContext; }
    void SetTheme(int nTheme);
    int GetCurrentTheme() const;
    // Every pane's site lays out again on its next idle pass; floating
    // frames are redrawn as well.
    void RedrawPanes();

    virtual CXTPDockingPaneBase* OnCreatePane(int nType, CXTPDockingPaneLayout* pLayout);
    virtual CXTPDockingPaneLayout* CreateLayout();
    virtual void OnActivatePane(BOOL bActive, CXTPDockingPane* pPane);

    int GetPaneDirection(CXTPDockingPaneBase* pNode) const;
    // The screen rectangle the node would get docked so; the tree stays.
    CRect GetDockingRect(CXTPDockingPaneBase* pNode, int direction, CXTPDockingPaneBase* pNeighbour);
    BOOL SendPaneAction(int action, CXTPDockingPane* pPane, CXTPDockingPaneBase* pContainer = nullptr,
                        int direction = 0);
    LRESULT NotifyOwner(WPARAM wParam, LPARAM lParam);
    // Records where each pane lies now (docking, floating, last holder).
    void SyncPanesState();

    CWnd* GetSite() const { return m_pSite; }
    CXTPDockingPaneLayout* GetLayout() const { return m_pLayout; }
    CXTPDockingPanePaintManager* GetPaintManager() const { return m_pPaintManager; }
    CXTPDockingPane* GetActivePane() const { return m_pActivePane; }
    // Pane icons by icon id.
    CXTPImageManager* GetImageManager() const { return m_pImageManager; }
    // Tips of caption buttons and tabs.
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

public:
    int m_nSplitterGap = 22;
    BOOL m_bCloseGroupOnButtonClick = FALSE;
    BOOL m_bHideGroupOnButtonClick = TRUE;
    CWnd* m_pSite = nullptr;
    CXTPDockingPaneLayout* m_pLayout = nullptr;
    CXTPDockingPanePaintManager* m_pPaintManager = nullptr;
    CXTPDockingPane* m_pActivePane = nullptr;
    BOOL m_bHideClient = FALSE;
    BOOL m_bUseSplitterTracker = TRUE;
    BOOL m_bShowMaximizeButton = FALSE;
    BOOL m_bLockSplitters = FALSE;
    BOOL m_bAlphaDockingContext = FALSE;
    BOOL m_bShowDockingContextStickers = FALSE;
    BOOL m_bLiveFloatingDrag = FALSE;
    BOOL m_bFloatingFrameCaption = FALSE;
    BOOL m_bSyncActiveFloatingFrames = TRUE;
    DWORD m_dwDefaultPaneOptions = 0;
    int m_nCaptionDirection = 0;
    // The title of floating frames that show more than one container.
    CString m_strFloatingCaption;
    BOOL m_bSecondStyle = FALSE;
    BOOL m_bAttachingPane = FALSE;
    BOOL m_bLayoutCreated = FALSE;
    CXTPImageManager* m_pImageManager = nullptr;
    CXTPToolTipContext* m_pToolTipContext = nullptr;
    CXTPDockingPaneContext* m_pDockingContext = nullptr;

private:
    // One pane to the holder of the other state (or floating at its place).
    BOOL TogglePane(CXTPDockingPane* pPane, BOOL bDocked, CXTPDockingPaneBase*& pFollow);
    BOOL IsLiveNode(CXTPDockingPaneBase* pNode) const;
    // Where the pane lies on screen now.
    CRect PaneScreenRect(CXTPDockingPane* pPane) const;
    // Where DockPane would put the node: the target after the neighbour rules.
    CXTPDockingPaneBase* DockingTarget(CXTPDockingPaneBase* pNode, CXTPDockingPaneBase* pNeighbour) const;

    BOOL m_bOleInitialized = FALSE;
};

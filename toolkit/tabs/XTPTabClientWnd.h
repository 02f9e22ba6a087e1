// The MDI client of a frame shown as tab strips: it takes over the frame's
// MDI client window, gives every visible MDI child a tab and lets the
// children fill the page under their strip. In grouping mode the client is
// split into workspaces, side by side or one above the other, each a strip
// of its own; the tab group commands move the active child between them.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/windows/CWnd.h"
#include "resources/ToolkitTabsIds.h"
#include "toolkit/tabs/XTPTabClientWorkspace.h"

class CCmdUI;
class CMDIFrameWnd;
class CXTPTabClientSite;

class CXTPTabClientWnd : public CWnd
{
    DECLARE_DYNAMIC(CXTPTabClientWnd)

public:
    CXTPTabClientWnd();
    ~CXTPTabClientWnd() override;

    BOOL Attach(CMDIFrameWnd* pFrame, BOOL bEnableGroups = FALSE);
    // Gives the children their frames back and the window to the system.
    void Detach();
    BOOL IsAttached() const { return m_pFrame != nullptr && m_hWnd != nullptr; }
    CMDIFrameWnd* GetParentFrame() const { return m_pFrame; }

    // Brings the tabs up to date, re-evaluates the hot tab and repaints;
    // with bRecalcLayout the frame is laid out again at once.
    void Refresh(BOOL bRecalcLayout = FALSE);
    // Matches the tabs to the visible MDI children, their titles and the
    // active child.
    virtual void UpdateContents();
    // Places the strips and the children in the client.
    void Reposition();

    // The frame's own layout, when the frame offers one.
    CXTPTabClientSite* GetSite() const;
    CXTPTabPaintManager* GetPaintManager() const { return m_pPaintManager; }

    BOOL IsGroupingEnabled() const { return m_bEnableGroups; }
    // Workspaces one above the other (TRUE) or side by side.
    BOOL IsHorizSplitting() const { return m_bHorizSplitting; }
    int GetWorkspaceCount() const { return static_cast<int>(m_arrWorkspace.GetSize()); }
    CXTPTabClientWorkspace* GetWorkspace(int nIndex) const;
    // The workspace holding an MDI child's tab, -1 when none does.
    int FindWorkspace(HWND hWndChild) const;
    CXTPTabManagerItem* FindItem(HWND hWndChild) const;

    // Whether a tab group command applies to the active child at present.
    BOOL IsGroupCommandEnabled(UINT nID) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnUpdateGroupCommand(CCmdUI* pCmdUI);
    afx_msg void OnGroupCommand(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    struct CHILDFRAME
    {
        HWND hWnd;
        DWORD dwStyle;
        DWORD dwExStyle;
    };

    HWND GetActiveChild() const;
    BOOL IsTabbedChild(HWND hWnd) const;
    BOOL RemoveGoneTabs();
    BOOL AddNewTabs();
    BOOL UpdateCaptions();
    void UpdateSelection(HWND hWndActive);
    void RemoveEmptyWorkspaces();
    void TakeFrame(HWND hWnd);
    void GiveFramesBack();
    CRect GetWorkspaceRect(int nIndex) const;
    CXTPTabClientWorkspace* HitTestWorkspace(CPoint point) const;
    void Paint();
    void MoveActiveChild(int nWorkspace, BOOL bNewWorkspace);
    void DeleteWorkspaces();

    CMDIFrameWnd* m_pFrame = nullptr;
    CXTPTabPaintManager* m_pPaintManager;
    CArray<CXTPTabClientWorkspace*, CXTPTabClientWorkspace*> m_arrWorkspace;
    CArray<CHILDFRAME, const CHILDFRAME&> m_arrFrames;
    int m_nActiveWorkspace = 0;
    BOOL m_bEnableGroups = FALSE;
    BOOL m_bHorizSplitting = FALSE;
    BOOL m_bRefreshing = FALSE;
    BOOL m_bRepositioning = FALSE;
    BOOL m_bUpdating = FALSE;
};

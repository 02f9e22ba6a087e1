// A frame whose client area is the system's MDI client window, holding
// CMDIChildWnd frames. Unhandled messages go to the system's frame
// processing (DefFrameProc), commands to the active child first.
#pragma once
#include "framework/windows/CFrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    CMDIFrameWnd();

    // The MDI client (child AFX_IDW_MDICLIENT), made by OnCreateClient.
    HWND m_hWndMDIClient = nullptr;

    // pWindowMenu: the popup that lists the children (may be null).
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The active child, and whether it is maximized; null without one.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDICascade();
    void MDITile();
    void MDIIconArrange();
    // Sets the frame menu and the window menu through the client.
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
    // The popup of a menu bar that lists the children: its second-to-last
    // popup (the last one is the help menu by convention).
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CFrameWnd* GetActiveFrame() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    HMENU m_hWindowMenu = nullptr;
};

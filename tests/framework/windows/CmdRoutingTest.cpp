// Command routing from a frame through its view, itself and the
// application, and the command-update rule of CCmdUI.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Framework.h"

namespace {

enum : UINT {
    ID_VIEW_ONLY = 1001,
    ID_FRAME_ONLY = 1002,
    ID_APP_ONLY = 1003,
    ID_BOTH = 1004,
    ID_NOBODY = 1005,
    ID_DISABLED = 1006,
    ID_PASSED_ON = 1007,
    ID_SYSTEM = 0xF060,
};

std::vector<std::wstring> g_route;

class CRoutingApp : public CWinApp
{
public:
    CRoutingApp() : CWinApp(L"RoutingApp") {}

protected:
    afx_msg void OnAppOnly() { g_route.push_back(L"app"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingApp, CWinApp)
    ON_COMMAND(ID_APP_ONLY, OnAppOnly)
END_MESSAGE_MAP()

class CRoutingView : public CView
{
public:
    void OnDraw(CDC*) override {}

protected:
    afx_msg void OnViewOnly() { g_route.push_back(L"view"); }
    afx_msg void OnBoth() { g_route.push_back(L"view both"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnDisabled() { g_route.push_back(L"disabled ran"); }
    afx_msg void OnUpdatePassedOn(CCmdUI* pCmdUI)
    {
        g_route.push_back(L"view update");
        pCmdUI->ContinueRouting();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingView, CView)
    ON_COMMAND(ID_VIEW_ONLY, OnViewOnly)
    ON_COMMAND(ID_BOTH, OnBoth)
    ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
    ON_COMMAND(ID_DISABLED, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_PASSED_ON, OnUpdatePassedOn)
END_MESSAGE_MAP()

class CRoutingFrame : public CFrameWnd
{
protected:
    afx_msg void OnFrameOnly() { g_route.push_back(L"frame"); }
    afx_msg void OnBoth() { g_route.push_back(L"frame both"); }
    afx_msg void OnUpdatePassedOn(CCmdUI* pCmdUI)
    {
        g_route.push_back(L"frame update");
        pCmdUI->SetCheck(1);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingFrame, CFrameWnd)
    ON_COMMAND(ID_FRAME_ONLY, OnFrameOnly)
    ON_COMMAND(ID_BOTH, OnBoth)
    ON_UPDATE_COMMAND_UI(ID_PASSED_ON, OnUpdatePassedOn)
END_MESSAGE_MAP()

// Records what an update did.
class CRecordingCmdUI : public CCmdUI
{
public:
    int enabled = -1;  // -1: Enable was not called
    int checked = -1;
    void Enable(BOOL bOn) override
    {
        enabled = bOn ? 1 : 0;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override { checked = nCheck; }
};

class CmdRouting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_route.clear();
        frame = new CRoutingFrame;
        CCreateContext context;
        context.m_pNewViewClass = nullptr;
        ASSERT_TRUE(frame->Create(nullptr, L"Routing", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
        view = new CRoutingView;
        ASSERT_TRUE(view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST));
        frame->SetActiveView(view, FALSE);
    }
    void TearDown() override
    {
        if (IsWindow(frameHandle()))
            frame->DestroyWindow();  // frame and view delete themselves
    }
    HWND frameHandle() { return frame->m_hWnd; }

    CRoutingApp app;
    CRoutingFrame* frame = nullptr;
    CRoutingView* view = nullptr;
};

} // namespace

TEST_F(CmdRouting, CommandsGoViewThenFrameThenApplication)
{
    frame->SendMessage(WM_COMMAND, ID_VIEW_ONLY);
    frame->SendMessage(WM_COMMAND, ID_FRAME_ONLY);
    frame->SendMessage(WM_COMMAND, ID_APP_ONLY);
    frame->SendMessage(WM_COMMAND, ID_BOTH);
    EXPECT_FALSE(frame->SendMessage(WM_COMMAND, ID_NOBODY));
    std::vector<std::wstring> expected = {L"view", L"frame", L"app", L"view both"};
    EXPECT_EQ(g_route, expected);

    // Without an active view the frame is first.
    frame->SetActiveView(nullptr, FALSE);
    g_route.clear();
    frame->SendMessage(WM_COMMAND, ID_BOTH);
    frame->SendMessage(WM_COMMAND, ID_VIEW_ONLY);
    EXPECT_EQ(g_route, std::vector<std::wstring>{L"frame both"});
}

TEST_F(CmdRouting, DisabledCommandDoesNotRunFromMenuOrAccelerator)
{
    frame->SendMessage(WM_COMMAND, ID_DISABLED);
    EXPECT_TRUE(g_route.empty());
}

TEST_F(CmdRouting, UpdateEnablesExactlyTheCommandsThatHaveAHandler)
{
    CRecordingCmdUI withHandler;
    withHandler.m_nID = ID_APP_ONLY;
    withHandler.DoUpdate(frame, TRUE);
    EXPECT_EQ(withHandler.enabled, 1);

    CRecordingCmdUI without;
    without.m_nID = ID_NOBODY;
    without.DoUpdate(frame, TRUE);
    EXPECT_EQ(without.enabled, 0);

    CRecordingCmdUI notAsked;
    notAsked.m_nID = ID_NOBODY;
    notAsked.DoUpdate(frame, FALSE);
    EXPECT_EQ(notAsked.enabled, -1);

    // System commands are never disabled for lack of a handler.
    CRecordingCmdUI system;
    system.m_nID = ID_SYSTEM;
    system.DoUpdate(frame, TRUE);
    EXPECT_EQ(system.enabled, -1);

    // An update handler decides alone, though a command handler exists.
    CRecordingCmdUI disabled;
    disabled.m_nID = ID_DISABLED;
    disabled.DoUpdate(frame, TRUE);
    EXPECT_EQ(disabled.enabled, 0);

    // Separators are not offered at all.
    CRecordingCmdUI separator;
    separator.m_nID = 0;
    separator.DoUpdate(frame, TRUE);
    EXPECT_EQ(separator.enabled, -1);
}

TEST_F(CmdRouting, ContinueRoutingPassesTheUpdateToTheNextTarget)
{
    CRecordingCmdUI state;
    state.m_nID = ID_PASSED_ON;
    state.DoUpdate(frame, TRUE);
    std::vector<std::wstring> expected = {L"view update", L"frame update"};
    EXPECT_EQ(g_route, expected);
    EXPECT_EQ(state.checked, 1);
    // The frame's handler took it: no automatic enabling.
    EXPECT_EQ(state.enabled, -1);
}

TEST_F(CmdRouting, MenuItemsAreUpdatedWhenTheirPopupOpens)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_FRAME_ONLY, L"Frame");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_NOBODY, L"Nobody");
    menu.AppendMenu(MF_STRING, ID_DISABLED, L"Disabled");
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), 0);
    EXPECT_FALSE(menu.GetMenuState(ID_FRAME_ONLY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_NOBODY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(CmdRouting, ChildControlsFollowTheirCommandState)
{
    HWND hButton = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 20, 20, view->m_hWnd,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_NOBODY)), nullptr, nullptr);
    HWND hCheck = CreateWindowExW(0, L"BUTTON", L"c", WS_CHILD | BS_CHECKBOX, 0, 30, 20, 20, view->m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_PASSED_ON)), nullptr, nullptr);
    view->UpdateDialogControls(frame, TRUE);
    EXPECT_FALSE(IsWindowEnabled(hButton));
    EXPECT_EQ(SendMessageW(hCheck, BM_GETCHECK, 0, 0), BST_CHECKED);
}

// Services frames give the bars and panes they host: MDI children with
// their routing, the frame menu, bars shown or hidden at idle time,
// tooltips from hit tests, and the tab order of child controls.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/Framework.h"

namespace
{
const UINT ID_TEST_CHILD_COMMAND = 0x7D01;

class CCountingChild : public CMDIChildWnd
{
public:
    int commands = 0;

protected:
    afx_msg void OnChildCommand() { ++commands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingChild, CMDIChildWnd)
    ON_COMMAND(ID_TEST_CHILD_COMMAND, OnChildCommand)
END_MESSAGE_MAP()

// Frames and children delete themselves when their windows go.
struct MdiFixture
{
    CWinApp app{L"MdiApp"};
    CMDIFrameWnd* frame = new CMDIFrameWnd;
    HMENU menu = nullptr;

    MdiFixture()
    {
        menu = ::CreateMenu();
        ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), L"&Datei");
        ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), L"&Fenster");
        ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), L"&Hilfe");
        frame->CreateEx(0, nullptr, L"Rahmen", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr, menu);
        frame->m_hMenuDefault = menu;
    }
    ~MdiFixture()
    {
        if (::IsWindow(frame->m_hWnd))
            frame->DestroyWindow();
    }
    CCountingChild* AddChild(const wchar_t* title)
    {
        CCountingChild* child = new CCountingChild;
        return child->Create(nullptr, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150),
                             frame)
                   ? child
                   : nullptr;
    }
};
} // namespace

TEST(FrameServices, MdiChildrenActivateRouteCommandsAndGoThroughTheClient)
{
    MdiFixture mdi;
    ASSERT_NE(mdi.frame->m_hWndMDIClient, nullptr);
    CCountingChild* first = mdi.AddChild(L"Eins");
    CCountingChild* second = mdi.AddChild(L"Zwei");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetMDIFrame(), mdi.frame);

    BOOL maximized = TRUE;
    EXPECT_EQ(mdi.frame->MDIGetActive(&maximized), second);
    EXPECT_FALSE(maximized);
    mdi.frame->MDIActivate(first);
    EXPECT_EQ(mdi.frame->MDIGetActive(), first);
    EXPECT_EQ(mdi.frame->GetActiveFrame(), first);

    // Commands reach the active child through the frame.
    EXPECT_TRUE(mdi.frame->OnCmdMsg(ID_TEST_CHILD_COMMAND, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(first->commands, 1);
    EXPECT_EQ(second->commands, 0);

    // The system's child processing handles maximize and restore.
    first->MDIMaximize();
    mdi.frame->MDIGetActive(&maximized);
    EXPECT_TRUE(maximized);
    first->SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    mdi.frame->MDIGetActive(&maximized);
    EXPECT_FALSE(maximized);

    // Destroyed through the client: the other child becomes active and
    // the object is gone with its window.
    first->DestroyWindow();
    EXPECT_EQ(mdi.frame->MDIGetActive(), second);
}

TEST(FrameServices, FrameMenuIsReplacedAndComesBack)
{
    MdiFixture mdi;
    HMENU other = ::CreateMenu();
    ::AppendMenuW(other, MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), L"&Ansicht");
    ::AppendMenuW(other, MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), L"&Fenster");
    mdi.frame->OnUpdateFrameMenu(other);
    EXPECT_EQ(::GetMenu(mdi.frame->m_hWnd), other);
    mdi.frame->OnUpdateFrameMenu(nullptr);
    EXPECT_EQ(::GetMenu(mdi.frame->m_hWnd), mdi.menu);
    ::DestroyMenu(other);

    CFrameWnd* plain = new CFrameWnd;
    ASSERT_TRUE(plain->Create(nullptr, L"Einfach"));
    HMENU alt = ::CreateMenu();
    plain->OnUpdateFrameMenu(alt);
    EXPECT_EQ(::GetMenu(plain->m_hWnd), alt);
    // The frame goes without taking the menu that is not its own.
    plain->DestroyWindow();
    EXPECT_TRUE(::IsMenu(alt));
    ::DestroyMenu(alt);
}

namespace
{
class CCountingBar : public CControlBar
{
public:
    int updates = 0;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { ++updates; }
};
} // namespace

TEST(FrameServices, DelayedShowAndHideHappenAtIdleAndUpdatesNeedAVisibleFrame)
{
    CWinApp app(L"BarApp");
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, L"Rahmen"));
    CCountingBar bar;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 100, 20), frame, AFX_IDW_CONTROLBAR_FIRST));

    frame->ShowControlBar(&bar, TRUE, TRUE);
    EXPECT_TRUE(bar.IsVisible());
    EXPECT_FALSE(bar.GetStyle() & WS_VISIBLE);
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(bar.GetStyle() & WS_VISIBLE);
    // The frame is hidden: nothing to update yet.
    EXPECT_EQ(bar.updates, 0);
    frame->ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_EQ(bar.updates, 1);  // the frame's showing updates its bars
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(bar.updates, 2);

    // Showing or hiding explicitly overrides what was pending.
    frame->ShowControlBar(&bar, FALSE, TRUE);
    EXPECT_FALSE(bar.IsVisible());
    bar.ShowWindow(SW_HIDE);
    bar.ShowWindow(SW_SHOWNOACTIVATE);
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(bar.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(bar.updates, 3);
    bar.DestroyWindow();
    frame->DestroyWindow();
}

namespace
{
// Tool 5 on the left half, nothing on the right.
class CHalfTipWnd : public CWnd
{
public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        if (point.x >= 50)
            return -1;
        pTI->hwnd = m_hWnd;
        pTI->uId = 5;
        pTI->rect = RECT{0, 0, 50, 50};
        pTI->lpszText = const_cast<LPWSTR>(L"Links");
        return 5;
    }
};

HWND FindThreadToolTip()
{
    struct Search
    {
        static BOOL CALLBACK Check(HWND hWnd, LPARAM found)
        {
            wchar_t name[64];
            ::GetClassNameW(hWnd, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && ::SendMessageW(hWnd, TTM_GETTOOLCOUNT, 0, 0) > 0) {
                *reinterpret_cast<HWND*>(found) = hWnd;
                return FALSE;
            }
            return TRUE;
        }
    };
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &Search::Check, reinterpret_cast<LPARAM>(&found));
    return found;
}

int ToolCount(HWND hToolTip)
{
    return hToolTip != nullptr ? static_cast<int>(::SendMessageW(hToolTip, TTM_GETTOOLCOUNT, 0, 0)) : 0;
}
} // namespace

TEST(FrameServices, ToolTipsFollowTheHitTestAndAClickCancelsThem)
{
    CHalfTipWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"Tipps", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr));
    wnd.EnableToolTips();
    MSG msg = {wnd.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10)};
    EXPECT_FALSE(wnd.PreTranslateMessage(&msg));
    HWND tip = FindThreadToolTip();
    ASSERT_NE(tip, nullptr);
    TTTOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ASSERT_TRUE(::SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(ti.uId, 5u);
    EXPECT_EQ(ti.hwnd, wnd.m_hWnd);

    msg.lParam = MAKELPARAM(80, 10);
    wnd.PreTranslateMessage(&msg);
    EXPECT_EQ(ToolCount(tip), 0);

    msg.lParam = MAKELPARAM(20, 10);
    wnd.PreTranslateMessage(&msg);
    EXPECT_EQ(ToolCount(tip), 1);
    msg.message = WM_LBUTTONDOWN;
    wnd.PreTranslateMessage(&msg);
    EXPECT_EQ(ToolCount(tip), 0);

    // Disabled: moves no longer show tools.
    wnd.EnableToolTips(FALSE);
    msg.message = WM_MOUSEMOVE;
    wnd.PreTranslateMessage(&msg);
    EXPECT_EQ(ToolCount(tip), 0);
}

TEST(FrameServices, TabOrderSkipsControlsWithoutTabStopAndWraps)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(WS_EX_CONTROLPARENT, AfxRegisterWndClass(0), L"Reihenfolge", WS_POPUP, 0, 0, 200,
                                100, nullptr, nullptr));
    HWND edits[3];
    const DWORD styles[3] = {WS_TABSTOP, 0, WS_TABSTOP};
    for (int i = 0; i < 3; ++i)
        edits[i] = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | styles[i], 0, i * 20, 100, 18,
                                     parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(10 + i)), nullptr,
                                     nullptr);
    parent.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_EQ(parent.GetNextDlgTabItem(nullptr)->GetSafeHwnd(), edits[0]);
    EXPECT_EQ(parent.GetNextDlgTabItem(CWnd::FromHandle(edits[0]))->GetSafeHwnd(), edits[2]);
    EXPECT_EQ(parent.GetNextDlgTabItem(CWnd::FromHandle(edits[0]), TRUE)->GetSafeHwnd(), edits[2]);
    EXPECT_EQ(parent.GetNextDlgTabItem(CWnd::FromHandle(edits[2]))->GetSafeHwnd(), edits[0]);
}

namespace
{
// A floating frame that belongs to a layout: closing hides it, and its
// object outlives its window.
class CLayoutFrame : public CFrameWnd
{
public:
    bool windowGone = false;

protected:
    void OnClose() override { ShowWindow(SW_HIDE); }
    void PostNcDestroy() override { windowGone = true; }
};
} // namespace

TEST(FrameServices, FramesMayKeepTheirWindowOnCloseAndTheirObjectAfterIt)
{
    CLayoutFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"Schwebend", WS_OVERLAPPEDWINDOW));
    frame.ShowWindow(SW_SHOWNOACTIVATE);
    frame.SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(frame.m_hWnd));
    EXPECT_FALSE(frame.IsWindowVisible());
    frame.DestroyWindow();
    EXPECT_TRUE(frame.windowGone);
    EXPECT_EQ(frame.m_hWnd, nullptr);
}

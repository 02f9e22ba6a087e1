// Frames: layout of bars and view through WM_SIZEPARENT, delayed layout at
// idle time, idle updates of descendants, pre-translation up the parent
// chain, message strings in the status bar, floating mini frames.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Framework.h"
#include "support/ThreadTimer.h"

namespace {

// Takes a fixed strip from the top or the bottom of what is left.
class CStripBar : public CWnd
{
public:
    CStripBar(int height, bool top) : m_height(height), m_top(top) {}
    int m_height;
    bool m_top;
    int sizeParentCalls = 0;

protected:
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        ++sizeParentCalls;
        AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        CRect rect(layout->rect);
        if (m_top) {
            rect.bottom = rect.top + m_height;
            layout->rect.top += m_height;
        } else {
            rect.top = rect.bottom - m_height;
            layout->rect.bottom -= m_height;
        }
        AfxRepositionWindow(layout, m_hWnd, &rect);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStripBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

// A control bar of fixed height along its side, recording its updates.
class CTestStatusBar : public CControlBar
{
public:
    int updates = 0;
    BOOL lastDisable = FALSE;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
        size.cy = 22;
        return size;
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL bDisableIfNoHndler) override
    {
        ++updates;
        lastDisable = bDisableIfNoHndler;
    }
};

CRect ChildRect(CWnd& parent, CWnd& child)
{
    CRect rect;
    child.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect;
}

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CFrameWnd;
        // Hidden: showing and hiding top-level windows is slow without a
        // window manager, and layout does not need it.
        ASSERT_TRUE(frame->Create(nullptr, L"Layout", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
        app.m_pMainWnd = frame;
    }
    void TearDown() override
    {
        if (app.m_pMainWnd != nullptr)
            frame->DestroyWindow();
        // The main window's end posts WM_QUIT; later tests must not see it.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    CWinApp app{L"FrameTestApp"};
    CFrameWnd* frame = nullptr;
};

} // namespace

TEST_F(FrameTest, RecalcLayoutGivesBarsTheirStripsAndTheViewTheRest)
{
    CStripBar top(20, true), bottom(30, false);
    CWnd view;
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 1, 1), frame, AFX_IDW_CONTROLBAR_FIRST + 10));
    ASSERT_TRUE(bottom.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 1, 1), frame, AFX_IDW_CONTROLBAR_FIRST + 11));
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 1, 1), frame, AFX_IDW_PANE_FIRST));

    frame->RecalcLayout();
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(ChildRect(*frame, top), CRect(0, 0, client.right, 20));
    EXPECT_EQ(ChildRect(*frame, bottom), CRect(0, client.bottom - 30, client.right, client.bottom));
    EXPECT_EQ(ChildRect(*frame, view), CRect(0, 20, client.right, client.bottom - 30));

    // A resized frame lays itself out again.
    frame->SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    frame->GetClientRect(&client);
    EXPECT_EQ(ChildRect(*frame, view), CRect(0, 20, client.right, client.bottom - 30));

    // The query mode only measures.
    CRect rest;
    top.m_height = 40;
    frame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &rest);
    EXPECT_EQ(rest, CRect(0, 40, client.right, client.bottom - 30));
    EXPECT_EQ(ChildRect(*frame, top).Height(), 20);
}

TEST_F(FrameTest, ControlBarTakesItsHeightAtItsSide)
{
    CTestStatusBar bar;
    bar.m_dwStyle = CBRS_BOTTOM;
    ASSERT_TRUE(bar.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 1, 1), frame, AFX_IDW_STATUS_BAR));
    CWnd view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 1, 1), frame, AFX_IDW_PANE_FIRST));
    frame->RecalcLayout();
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(ChildRect(*frame, bar), CRect(0, client.bottom - 22, client.right, client.bottom));
    EXPECT_EQ(ChildRect(*frame, view), CRect(0, 0, client.right, client.bottom - 22));
    // The border line and the border widths are outside the bar's client area.
    CRect barClient;
    bar.GetClientRect(&barClient);
    EXPECT_EQ(barClient.Height(), 22 - 2 - bar.m_cyTopBorder - bar.m_cyBottomBorder);
    EXPECT_EQ(barClient.Width(), client.Width() - bar.m_cxLeftBorder - bar.m_cxRightBorder);
    CRect inside(0, 0, 0, 0);
    bar.CalcInsideRect(inside, FALSE);  // a vertical bar turns the widths
    EXPECT_EQ(inside, CRect(bar.m_cyTopBorder, 2 + bar.m_cxLeftBorder, -bar.m_cyBottomBorder, -bar.m_cxRightBorder));

    // Hidden bars take no room.
    bar.ShowWindow(SW_HIDE);
    frame->RecalcLayout();
    EXPECT_EQ(ChildRect(*frame, view), client);

    bar.ShowWindow(SW_SHOWNA);
    frame->ShowWindow(SW_SHOWNA);
    EXPECT_EQ(bar.updates, 1);  // the frame's showing, before any paint
    app.OnIdle(0);
    EXPECT_EQ(bar.updates, 2);
    EXPECT_TRUE(bar.lastDisable);
}

TEST_F(FrameTest, DelayedLayoutRunsAtIdleTime)
{
    CStripBar top(20, true);
    CWnd view;
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 1, 1), frame, AFX_IDW_CONTROLBAR_FIRST + 10));
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 1, 1), frame, AFX_IDW_PANE_FIRST));
    frame->ShowWindow(SW_SHOWNA);  // idle updates go to visible main windows
    frame->RecalcLayout();
    int calls = top.sizeParentCalls;

    top.m_height = 50;
    frame->DelayRecalcLayout();
    EXPECT_EQ(top.sizeParentCalls, calls);  // nothing yet
    EXPECT_EQ(ChildRect(*frame, view).top, 20);
    app.OnIdle(0);
    EXPECT_EQ(top.sizeParentCalls, calls + 1);
    EXPECT_EQ(ChildRect(*frame, view).top, 50);
    // Once only.
    app.OnIdle(0);
    EXPECT_EQ(top.sizeParentCalls, calls + 1);
}

namespace {

class CIdleChild : public CWnd
{
public:
    int updates = 0;
    WPARAM lastWParam = 0;

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
    {
        ++updates;
        lastWParam = wParam;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleChild, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

} // namespace

TEST_F(FrameTest, IdleUpdateReachesAllDescendants)
{
    CIdleChild child, grandChild, hiddenChild;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 50), frame, 1));
    ASSERT_TRUE(grandChild.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), &child, 2));
    ASSERT_TRUE(hiddenChild.Create(nullptr, nullptr, 0, CRect(0, 0, 10, 10), frame, 3));
    frame->ShowWindow(SW_SHOWNA);
    // Showing the frame updates them all once, before they first paint.
    EXPECT_EQ(child.updates, 1);
    EXPECT_EQ(grandChild.updates, 1);
    EXPECT_EQ(hiddenChild.updates, 1);

    EXPECT_TRUE(app.OnIdle(0));   // more idle work follows
    EXPECT_EQ(child.updates, 2);
    EXPECT_EQ(grandChild.updates, 2);
    EXPECT_EQ(grandChild.lastWParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(hiddenChild.updates, 2);
    EXPECT_FALSE(app.OnIdle(1));  // temporary objects go, then idle ends
    EXPECT_EQ(child.updates, 2);

    // A hidden main window gets no updates.
    frame->ShowWindow(SW_HIDE);
    app.OnIdle(0);
    EXPECT_EQ(child.updates, 2);
}

namespace {

// A modal loop over the frame: what the frame's child had seen at its first
// idle pass, and after a message started the next one.
struct CModalRun
{
    CWnd box;
    CIdleChild* pChild = nullptr;
    int nTicks = 0, nAtFirstIdle = -1, nAfterMessage = -1;
};
CModalRun* g_pModalRun = nullptr;

void CALLBACK ModalStep(HWND, UINT, UINT_PTR, DWORD)
{
    CModalRun& run = *g_pModalRun;
    if (++run.nTicks == 1) {
        run.nAtFirstIdle = run.pChild->updates;
        run.box.PostMessage(WM_NULL);
    } else if (run.nTicks == 2) {
        run.nAfterMessage = run.pChild->updates;
        run.box.EndModalLoop(IDOK);
    }
}

} // namespace

TEST_F(FrameTest, ModalLoopGivesTheMainFrameItsIdleUpdates)
{
    CIdleChild child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 50), frame, 1));
    frame->ShowWindow(SW_SHOWNA);
    child.updates = 0;

    CModalRun run;
    run.pChild = &child;
    // Hidden: the loop runs all the same, and the test need not wait for a
    // shown window to go.
    ASSERT_TRUE(run.box.CreateEx(0, AfxRegisterWndClass(0), L"Box", WS_POPUP, CRect(0, 0, 50, 50), frame, 0));
    g_pModalRun = &run;
    testtimer::ThreadTimer idTimer(20, &ModalStep);
    ASSERT_NE(idTimer.Id(), 0u);
    run.box.PrepareModalLoop();
    EXPECT_EQ(run.box.RunModalLoop(0), IDOK);
    idTimer.Kill();
    g_pModalRun = nullptr;
    run.box.DestroyWindow();

    EXPECT_GE(run.nAtFirstIdle, 1) << "the loop's first idle pass updates the frame's children";
    EXPECT_GT(run.nAfterMessage, run.nAtFirstIdle) << "each new idle phase updates them again";
}

namespace {

std::vector<std::wstring> g_preTranslated;

class CPreTranslatingWnd : public CFrameWnd
{
public:
    std::wstring name;
    BOOL consume = FALSE;
    int keyDowns = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN) {
            g_preTranslated.push_back(name);
            if (consume)
                return TRUE;
        }
        return CFrameWnd::PreTranslateMessage(pMsg);
    }

protected:
    afx_msg void OnKeyDown(UINT, UINT, UINT) { ++keyDowns; }
    void PostNcDestroy() override {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPreTranslatingWnd, CFrameWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

} // namespace

TEST(FramePreTranslate, WalksFromTheTargetUpToTheMainWindow)
{
    CWinApp app(L"PreTranslateApp");
    CPreTranslatingWnd main, child, grandChild;
    main.name = L"main";
    child.name = L"child";
    grandChild.name = L"grandchild";
    ASSERT_TRUE(main.Create(nullptr, L"Main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 200)));
    ASSERT_TRUE(child.CWnd::Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 100, 100), &main, 1));
    ASSERT_TRUE(grandChild.CWnd::Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 50, 50), &child, 2));
    app.m_pMainWnd = &main;

    auto pumpAll = [&app] {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            ASSERT_TRUE(app.PumpMessage());
    };
    g_preTranslated.clear();
    grandChild.PostMessage(WM_KEYDOWN, 'A', 0);
    pumpAll();
    std::vector<std::wstring> expected = {L"grandchild", L"child", L"main"};
    EXPECT_EQ(g_preTranslated, expected);
    EXPECT_EQ(grandChild.keyDowns, 1);

    // A window that consumes the message stops the walk and the dispatch.
    g_preTranslated.clear();
    child.consume = TRUE;
    grandChild.PostMessage(WM_KEYDOWN, 'B', 0);
    pumpAll();
    expected = {L"grandchild", L"child"};
    EXPECT_EQ(g_preTranslated, expected);
    EXPECT_EQ(grandChild.keyDowns, 1);

    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
    // WM_QUIT ends the pump.
    PostQuitMessage(3);
    EXPECT_FALSE(app.PumpMessage());
}

namespace {

class CAccelFrame : public CFrameWnd
{
public:
    int commands = 0;

protected:
    afx_msg void OnAccel() { ++commands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAccelFrame, CFrameWnd)
    ON_COMMAND(2001, OnAccel)
END_MESSAGE_MAP()

} // namespace

TEST(FramePreTranslate, FrameTranslatesItsAccelerators)
{
    CWinApp app(L"AccelApp");
    CAccelFrame* frame = new CAccelFrame;
    ASSERT_TRUE(frame->Create(nullptr, L"Accel", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 200)));
    ACCEL accel = {FVIRTKEY, 'K', 2001};
    frame->m_hAccelTable = CreateAcceleratorTableW(&accel, 1);
    app.m_pMainWnd = frame;
    frame->PostMessage(WM_KEYDOWN, 'K', 0);
    ASSERT_TRUE(app.PumpMessage());
    EXPECT_EQ(frame->commands, 1);
    DestroyAcceleratorTable(frame->m_hAccelTable);
    frame->DestroyWindow();
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the main window's end
}

TEST_F(FrameTest, MessageStringsGoToTheStatusBar)
{
    CWnd status;
    ASSERT_TRUE(status.Create(L"STATIC", L"", WS_VISIBLE, CRect(0, 0, 100, 20), frame, AFX_IDW_STATUS_BAR));
    frame->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(L"Lade..."));
    CString text;
    status.GetWindowText(text);
    EXPECT_STREQ(text, L"Lade...");
    frame->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    status.GetWindowText(text);
    EXPECT_STREQ(text, L"Fertig");
    EXPECT_EQ(frame->m_nIDLastMessage, static_cast<UINT>(AFX_IDS_IDLEMESSAGE));
}

TEST_F(FrameTest, MiniFrameFollowsItsOwnersActivation)
{
    CMiniFrameWnd* mini = new CMiniFrameWnd;
    ASSERT_TRUE(mini->CreateEx(0, nullptr, L"Float", WS_POPUP | WS_CAPTION | MFS_SYNCACTIVE | MFS_BLOCKSYSMENU,
                               CRect(50, 50, 200, 150), frame));
    EXPECT_TRUE(mini->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(::GetWindow(mini->m_hWnd, GW_OWNER), frame->m_hWnd);
    EXPECT_TRUE(mini->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));

    CMiniFrameWnd* plain = new CMiniFrameWnd;
    ASSERT_TRUE(plain->CreateEx(0, nullptr, L"Plain", WS_POPUP | WS_CAPTION, CRect(50, 50, 200, 150), frame));
    EXPECT_FALSE(plain->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));

    // The system menu stays closed.
    mini->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_TRUE(IsWindow(mini->m_hWnd));
    // Floating windows die with their owner frame (TearDown).
}

TEST_F(FrameTest, MenuSelectionShowsPromptsAndTheIdleTextWhenTheMenuCloses)
{
    CWnd status;
    ASSERT_TRUE(status.Create(L"STATIC", L"", WS_VISIBLE, CRect(0, 0, 100, 20), frame, AFX_IDW_STATUS_BAR));
    CString text;
    // A system command shows its description.
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(SC_CLOSE, MF_SYSMENU), 0);
    status.GetWindowText(text);
    EXPECT_STREQ(text, L"Schließt das Fenster.");
    EXPECT_EQ(frame->m_nIDTracking, static_cast<UINT>(AFX_IDS_SCCLOSE));
    // A closed menu brings back the idle text.
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    status.GetWindowText(text);
    EXPECT_STREQ(text, L"Fertig");
}

TEST_F(FrameTest, FloatingWindowsLearnTheFramesActivation)
{
    CMiniFrameWnd* synced = new CMiniFrameWnd;
    ASSERT_TRUE(synced->CreateEx(0, nullptr, L"Sync", WS_POPUP | WS_CAPTION | MFS_SYNCACTIVE, CRect(0, 0, 80, 60),
                                 frame));
    struct CRecordingFloat : CMiniFrameWnd
    {
        std::vector<WPARAM> statuses;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_FLOATSTATUS)
                statuses.push_back(wParam);
            return CMiniFrameWnd::WindowProc(message, wParam, lParam);
        }
    };
    CRecordingFloat* recording = new CRecordingFloat;
    ASSERT_TRUE(recording->CreateEx(0, nullptr, L"Rec", WS_POPUP, CRect(0, 0, 50, 50), frame));
    frame->NotifyFloatingWindows(FS_ACTIVATE);
    frame->NotifyFloatingWindows(FS_DEACTIVATE);
    EXPECT_EQ(recording->statuses, (std::vector<WPARAM>{FS_ACTIVATE, FS_DEACTIVATE}));
    // Windows not owned by the frame hear nothing.
    CWnd stranger;
    ASSERT_TRUE(stranger.CreateEx(0, nullptr, L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    frame->NotifyFloatingWindows(FS_DISABLE);
    EXPECT_TRUE(stranger.IsWindowEnabled());
    EXPECT_FALSE(recording->IsWindowEnabled());  // FS_DISABLE disables the floating frame
    stranger.DestroyWindow();
}

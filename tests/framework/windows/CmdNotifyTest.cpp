// Command ranges, control notifications routed by id and code, updates
// offered to a control's own object, thread messages and the message loop
// with its idle phases.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/Framework.h"

namespace {

const int kTabChanged = -551;  // a negative notification code, as controls send

class CNotifyTarget : public CWnd
{
public:
    std::vector<UINT> ranged;
    std::vector<UINT> updated;
    int tabChanges = 0;
    int exSeen = 0;
    BOOL exTakes = FALSE;
    int editChanges = 0;

protected:
    afx_msg void OnRange(UINT nID) { ranged.push_back(nID); }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI)
    {
        updated.push_back(pCmdUI->m_nID);
        pCmdUI->Enable(pCmdUI->m_nID % 2 == 0);
    }
    afx_msg void OnTabChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++tabChanges;
        *pResult = static_cast<LRESULT>(pNMHDR->idFrom) + 1;
    }
    afx_msg BOOL OnAnyNotify(UINT, NMHDR*, LRESULT* pResult)
    {
        ++exSeen;
        *pResult = 5;
        return exTakes;
    }
    afx_msg void OnEditChange() { ++editChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyTarget, CWnd)
    ON_COMMAND_RANGE(200, 209, OnRange)
    ON_UPDATE_COMMAND_UI_RANGE(200, 209, OnUpdateRange)
    ON_NOTIFY(kTabChanged, 40, OnTabChanged)
    ON_NOTIFY_EX_RANGE(NM_CLICK, 50, 59, OnAnyNotify)
    ON_EN_CHANGE(60, OnEditChange)
END_MESSAGE_MAP()

class CRecordingCmdUI : public CCmdUI
{
public:
    int enabled = -1;
    void Enable(BOOL bOn) override
    {
        enabled = bOn ? 1 : 0;
        m_bEnableChanged = TRUE;
    }
};

} // namespace

TEST(CmdNotify, RangesHandEveryIdToOneHandler)
{
    CNotifyTarget target;
    EXPECT_TRUE(target.OnCmdMsg(200, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(209, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(210, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(199, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(target.ranged, (std::vector<UINT>{200, 209}));

    CRecordingCmdUI even, odd;
    even.m_nID = 204;
    odd.m_nID = 205;
    even.DoUpdate(&target, TRUE);
    odd.DoUpdate(&target, TRUE);
    EXPECT_EQ(even.enabled, 1);
    EXPECT_EQ(odd.enabled, 0);

    // Asking only for the handler does not call it.
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    EXPECT_TRUE(target.OnCmdMsg(203, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &target);
    EXPECT_NE(info.pmf, nullptr);
    EXPECT_EQ(target.ranged.size(), 2u);
}

TEST(CmdNotify, NotificationsFindTheirHandlerByIdAndCode)
{
    CNotifyTarget target;
    ASSERT_TRUE(target.CreateEx(0, nullptr, L"notify", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, target.m_hWnd, nullptr, nullptr, nullptr);

    NMHDR tab = {child, 40, static_cast<UINT>(kTabChanged)};
    EXPECT_EQ(target.SendMessage(WM_NOTIFY, 40, reinterpret_cast<LPARAM>(&tab)), 41);
    EXPECT_EQ(target.tabChanges, 1);
    NMHDR otherId = {child, 41, static_cast<UINT>(kTabChanged)};
    EXPECT_EQ(target.SendMessage(WM_NOTIFY, 41, reinterpret_cast<LPARAM>(&otherId)), 0);
    EXPECT_EQ(target.tabChanges, 1);

    // The same route without a message, as a site routes a control's
    // notification: code in the low word, WM_NOTIFY in the high word.
    LRESULT result = 0;
    NMHDR click = {nullptr, 55, static_cast<UINT>(NM_CLICK)};
    AFX_NOTIFY notify = {&result, &click};
    EXPECT_FALSE(target.OnCmdMsg(55, static_cast<int>(MAKELONG(NM_CLICK, WM_NOTIFY)), &notify, nullptr));
    EXPECT_EQ(target.exSeen, 1);  // seen, but declined
    EXPECT_EQ(result, 5);
    target.exTakes = TRUE;
    EXPECT_TRUE(target.OnCmdMsg(55, static_cast<int>(MAKELONG(NM_CLICK, WM_NOTIFY)), &notify, nullptr));

    target.SendMessage(WM_COMMAND, MAKEWPARAM(60, EN_CHANGE), reinterpret_cast<LPARAM>(child));
    target.SendMessage(WM_COMMAND, MAKEWPARAM(60, EN_UPDATE), reinterpret_cast<LPARAM>(child));
    EXPECT_EQ(target.editChanges, 1);
    target.DestroyWindow();
}

namespace {

class CSelfUpdatingControl : public CWnd
{
public:
    int selfUpdates = 0;

protected:
    afx_msg void OnUpdateSelf(CCmdUI* pCmdUI)
    {
        ++selfUpdates;
        pCmdUI->Enable(FALSE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingControl, CWnd)
    ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateSelf)
END_MESSAGE_MAP()

} // namespace

TEST(CmdNotify, UpdateOfferedToTheControlsOwnObjectFirst)
{
    CSelfUpdatingControl control;
    CRecordingCmdUI state;
    state.m_nID = 77;
    // The reflected update code: WM_REFLECT_BASE + WM_COMMAND, CN_UPDATE_COMMAND_UI.
    EXPECT_TRUE(control.OnCmdMsg(0, static_cast<int>(0xBD11FFFF), &state, nullptr));
    EXPECT_EQ(control.selfUpdates, 1);
    EXPECT_EQ(state.enabled, 0);
    // Not a plain command update of id 0.
    EXPECT_FALSE(control.OnCmdMsg(0, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr));
}

namespace {

const UINT WM_THREAD_PING = WM_APP + 40;

class CLoopApp : public CWinApp
{
public:
    CLoopApp() : CWinApp(L"LoopApp") {}
    int pings = 0;
    LONG idleCalls = 0;
    LONG maxIdleCount = -1;
    int exitCode = 0;

    BOOL OnIdle(LONG lCount) override
    {
        ++idleCalls;
        maxIdleCount = std::max(maxIdleCount, lCount);
        CWinApp::OnIdle(lCount);
        // Idle work does not spin: it ends after the temporary objects go.
        if (lCount == 1 && pings == 0)
            ::PostThreadMessageW(::GetCurrentThreadId(), WM_THREAD_PING, 7, 0);
        return lCount < 1;
    }
    int ExitInstance() override
    {
        exitCode = CWinApp::ExitInstance();
        return exitCode;
    }

protected:
    afx_msg void OnPing(WPARAM wParam, LPARAM)
    {
        pings += static_cast<int>(wParam);
        ::PostQuitMessage(9);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoopApp, CWinApp)
    ON_THREAD_MESSAGE(WM_THREAD_PING, OnPing)
END_MESSAGE_MAP()

} // namespace

TEST(CmdNotify, MessageLoopRunsIdleWorkThenThreadMessagesUntilQuit)
{
    CLoopApp app;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    EXPECT_EQ(app.Run(), 9);
    EXPECT_EQ(app.pings, 7);
    EXPECT_EQ(app.exitCode, 9);
    EXPECT_GE(app.idleCalls, 2);
    EXPECT_EQ(app.maxIdleCount, 1);
}

TEST(CmdNotify, ExitCommandClosesTheMainWindow)
{
    CWinApp app(L"ExitApp");
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, L"Main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100)));
    app.m_pMainWnd = frame;
    HWND hWnd = frame->m_hWnd;
    // Routed frame -> application.
    frame->SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The frame in the tray, reached the way the shell reaches it: the icon's
// window gets the callback message with the mouse message, and the menu that
// opens is clicked with real input.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "FrameTestSupport.h"
#include "app/AppTestSupport.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestWindows.h"
#include "support/ThreadTimer.h"
#include "toolkit/common/popup/XTPPopupControl.h"

using namespace frametest;

namespace {

// What a watcher thread saw of the menu that opened, and clicked in it.
struct MenuSeen
{
    std::atomic<bool> opened{false};
    std::wstring firstItemText;
    UINT defaultItem = UINT(-1);
};

// Waits for the popup menu, records its first item and clicks it.
void ClickFirstItemOfTheMenu(MenuSeen* pSeen)
{
    HWND hMenuWnd = nullptr;
    if (!testpump::WaitUntil([&] { return (hMenuWnd = testwindows::TrackedMenuWindow()) != nullptr; }))
        return;
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0));
    wchar_t text[64] = L"";
    ::GetMenuStringW(hMenu, 0, text, 64, MF_BYPOSITION);
    pSeen->firstItemText = text;
    pSeen->defaultItem = ::GetMenuDefaultItem(hMenu, FALSE, 0);
    RECT rcItem = {};
    ::GetMenuItemRect(nullptr, hMenu, 0, &rcItem);
    pSeen->opened = true;
    testinput::ClickAt({(rcItem.left + rcItem.right) / 2, (rcItem.top + rcItem.bottom) / 2});
}

// Runs inside the menu's loop on the test's thread: a menu the click missed
// still ends, so the test does.
void CALLBACK EndMenuLeftOpen(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}

class TrayReach : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(OpenTestHistory(L"tavrolin_tray", true).IsEmpty());
        pFrame = CreateFrame();
        ASSERT_NE(pFrame, nullptr);
        pFrame->ShowWindow(SW_SHOW);
        hTrayWnd = pFrame->GetTrayIcon().GetSafeHwnd();
        ASSERT_NE(hTrayWnd, nullptr);
    }

    void TearDown() override
    {
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
        testpump::PumpUntilIdle();
        CDatabaseManager::GetInstance().Close();
    }

    void CloseToTray()
    {
        pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
        ASSERT_TRUE(pFrame->IsInTray());
        ASSERT_FALSE(pFrame->IsWindowVisible());
    }

    // The shell's notification of one mouse message over the icon.
    void Notify(UINT mouseMessage) { ::SendMessageW(hTrayWnd, XTWM_TRAYICON_NOTIFY, IDR_TRAYMENU, mouseMessage); }

    bool IsShownAndForeground()
    {
        return !pFrame->IsInTray() && pFrame->IsWindowVisible() && ::GetForegroundWindow() == pFrame->GetSafeHwnd();
    }

    CPollSettings settings{60};
    CWinApp app{L"TrayReachTestApp"};  // the frame loads its bar layout through it
    CMainFrame* pFrame = nullptr;
    HWND hTrayWnd = nullptr;
};

} // namespace

// A double click comes as down, up, double click, up: only the double click
// acts, and the frame is back on the desktop, not under the tray's hider.
TEST_F(TrayReach, DoubleClickOnTheIconRestoresTheFrame)
{
    for (int round = 0; round < 2; ++round)
    {
        CloseToTray();
        for (UINT mouseMessage : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
            Notify(mouseMessage);
        EXPECT_TRUE(pFrame->IsInTray()) << "a single click leaves the frame in the tray";
        Notify(WM_LBUTTONDBLCLK);
        Notify(WM_LBUTTONUP);
        EXPECT_TRUE(testpump::PumpUntil([&] { return IsShownAndForeground(); })) << "round " << round;
        EXPECT_EQ(::GetAncestor(pFrame->GetSafeHwnd(), GA_PARENT), ::GetDesktopWindow());
    }
}

// The right button opens the tray menu with "Öffnen" in bold at the top;
// a real click on it brings the frame back.
TEST_F(TrayReach, OpenFromTheIconsMenuRestoresTheFrame)
{
    CloseToTray();
    ASSERT_TRUE(testinput::MoveMouseAndWait({400, 300}));
    MenuSeen seen;
    std::thread watcher(ClickFirstItemOfTheMenu, &seen);
    testtimer::ThreadTimer safety(2 * testpump::kDeadline, EndMenuLeftOpen);
    Notify(WM_RBUTTONDOWN);
    ::PostMessageW(hTrayWnd, XTWM_TRAYICON_NOTIFY, IDR_TRAYMENU, WM_RBUTTONUP);
    const bool bRestored = testpump::PumpUntil([&] { return seen.opened && IsShownAndForeground(); });
    watcher.join();
    safety.Kill();
    ASSERT_TRUE(seen.opened) << "no menu opened";
    EXPECT_EQ(seen.firstItemText, L"Öffnen");
    EXPECT_EQ(seen.defaultItem, static_cast<UINT>(ID_TRAY_OPEN));
    EXPECT_TRUE(bRestored);
    EXPECT_TRUE(::IsWindow(pFrame->GetSafeHwnd())) << "the program goes on";
}

// The program waits in the tray for offers: their popups show all the same.
TEST_F(TrayReach, AnOfferWhileInTheTrayPopsUp)
{
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    ViewOf(pFrame)->Watch(0, TRUE);
    CloseToTray();
    const int yes[4] = {1, 0, 0, 0};
    FeedResult(pFrame, yes);
    ASSERT_EQ(pFrame->GetAlerts().GetOpenCount(), 1);
    HWND hPopup = pFrame->GetAlerts().GetOpenPopup(0)->GetSafeHwnd();
    EXPECT_TRUE(testpump::PumpUntil([&] { return ::IsWindowVisible(hPopup) != FALSE; }));
    EXPECT_TRUE(pFrame->IsInTray());
    EXPECT_FALSE(pFrame->IsWindowVisible());
}

// An alert left open past its fade-in stays in sight when the frame goes to
// the tray and while the frame lays out there: only the frame's floating
// windows wait with it.
TEST_F(TrayReach, AnAlertOpenBeforeTheTrayStaysThroughTheTrayAndItsLayouts)
{
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    ViewOf(pFrame)->Watch(0, TRUE);
    const int yes[4] = {1, 0, 0, 0};
    FeedResult(pFrame, yes);
    ASSERT_EQ(pFrame->GetAlerts().GetOpenCount(), 1);
    CXTPPopupControl* pPopup = pFrame->GetAlerts().GetOpenPopup(0);
    const HWND hPopup = pPopup->GetSafeHwnd();
    ASSERT_TRUE(testpump::PumpUntil([&] { return pPopup->GetPopupState() == xtpPopupStateShow; }))
        << "the alert faded in";
    ASSERT_TRUE(::IsWindowVisible(hPopup));

    CloseToTray();
    EXPECT_TRUE(::IsWindowVisible(hPopup)) << "the frame went to the tray";
    pFrame->RecalcLayout();
    pFrame->GetPaneManager().ShowPane(IDP_TICKETS);
    testpump::PumpFor(300);
    testpump::PumpUntilIdle();
    ASSERT_EQ(pFrame->GetAlerts().GetOpenCount(), 1) << "the alert waits for its time";
    EXPECT_EQ(pPopup->GetPopupState(), xtpPopupStateShow);
    EXPECT_TRUE(::IsWindowVisible(hPopup)) << "a layout in the tray";

    // On the screen: the alert's light face with its dark text.
    CRect rcPopup;
    ::GetWindowRect(hPopup, &rcPopup);
    const testshot::Image shot = testshot::CaptureScreen(rcPopup);
    testshot::Save(shot, L"app_tray_alert_stays.png");
    const CRect rcAll(0, 0, rcPopup.Width(), rcPopup.Height());
    EXPECT_GT(apptest::CountPixels(shot, rcAll, apptest::IsLight), rcAll.Width() * rcAll.Height() / 3);
    EXPECT_GT(apptest::CountPixels(shot, rcAll, apptest::IsDark), 20);
}

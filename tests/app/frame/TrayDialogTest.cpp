// The tray icon while "Optionen" runs over the program's frame: the icon
// brings the dialog forward and leaves the frame where it is; a frame that
// went to the tray with the dialog comes back by "Öffnen" with the dialog
// taking the keys.
#include <gtest/gtest.h>

#include <vector>

#include "ProgramFrameTest.h"
#include "app/dialogs/DialogTestSupport.h"
#include "resources/AppIds.h"
#include "support/ShowRequests.h"
#include "support/TestInput.h"

namespace {

// What one message of the icon left behind while the dialog ran.
struct AfterNotify
{
    UINT uMessage;
    bool bDialogActive, bDialogInFront, bFrameShown;
};

class TrayDialog : public CProgramFrameTest
{
protected:
    TrayDialog() : CProgramFrameTest(L"TrayDialogTestApp", L"TavrolinTrayDialogTest", L"tavrolin_tray_dialog") {}

    void SetUp() override
    {
        SetUpFrameInFront();
        if (HasFatalFailure())
            return;
        hTrayWnd = pFrame->GetTrayIcon().GetSafeHwnd();
        ASSERT_NE(hTrayWnd, nullptr);
        // Another program's window in front when the icon is used.
        hOther = ::CreateWindowExW(0, L"STATIC", L"Andere", WS_POPUP | WS_VISIBLE, 800, 40, 120, 60, nullptr, nullptr,
                                   nullptr, nullptr);
        ASSERT_NE(hOther, nullptr);
    }

    void TearDown() override
    {
        ::DestroyWindow(hOther);
        CProgramFrameTest::TearDown();
    }

    // The shell's notification of one mouse or key message over the icon.
    void Notify(UINT uMessage) { ::SendMessageW(hTrayWnd, XTWM_TRAYICON_NOTIFY, IDR_TRAYMENU, uMessage); }

    // Opens "Optionen" from the menu and runs `inDialog` in it; afterwards
    // Esc, as the keyboard gives it, must close it. Whether it did.
    bool RunInOptions(const std::function<void(HWND)>& inDialog)
    {
        HWND hOptions = nullptr;
        dlgtest::CModalScript script({[&](HWND hDlg) {
            hOptions = hDlg;
            inDialog(hDlg);
            testinput::SendKey(VK_ESCAPE);
        }});
        pFrame->PostMessage(WM_COMMAND, ID_OPTIONS);
        EXPECT_TRUE(frametest::PumpAppUntil(
            app, [&] { return script.StepsRun() == 1 && !::IsWindow(hOptions) && pFrame->IsWindowEnabled(); }));
        EXPECT_NE(hOptions, nullptr) << "\"Optionen\" did not open";
        return hOptions != nullptr && !script.TimedOut();
    }

    HWND hTrayWnd = nullptr;
    HWND hOther = nullptr;
};

} // namespace

// A double click, the right button or the keyboard on the icon while
// "Optionen" runs over the frame on the screen: the dialog comes forward and
// active, the frame is neither minimized nor hidden at any moment, and the
// dialog still takes Esc.
TEST_F(TrayDialog, TheIconBringsTheDialogForwardAndLeavesTheFrame)
{
    std::vector<AfterNotify> seen;
    int minMaxed = -1, hidden = -1;
    const bool bClosedByEsc = RunInOptions([&](HWND hDlg) {
        CShowRequests requests;
        ASSERT_TRUE(requests.IsHooked());
        for (UINT uMessage : {WM_LBUTTONDBLCLK, WM_RBUTTONUP, NIN_KEYSELECT})
        {
            ::SetForegroundWindow(hOther);
            Notify(uMessage);
            testpump::PumpUntilIdle();
            seen.push_back({uMessage, ::GetActiveWindow() == hDlg, ::GetForegroundWindow() == hDlg,
                            pFrame->IsWindowVisible() && !pFrame->IsIconic() && !pFrame->IsInTray()});
        }
        minMaxed = static_cast<int>(requests.minMaxed.size());
        hidden = static_cast<int>(requests.hidden.size());
    });
    ASSERT_EQ(seen.size(), 3u);
    for (const AfterNotify& after : seen)
    {
        SCOPED_TRACE(after.uMessage);
        EXPECT_TRUE(after.bDialogActive);
        EXPECT_TRUE(after.bDialogInFront);
        EXPECT_TRUE(after.bFrameShown);
    }
    EXPECT_EQ(0, minMaxed) << "minimized or restored on the way";
    EXPECT_EQ(0, hidden) << "windows hidden on the way";
    EXPECT_TRUE(bClosedByEsc);
    EXPECT_TRUE(pFrame->IsWindowVisible() && !pFrame->IsInTray());
}

// The frame sent to the tray while "Optionen" runs over it and brought back
// by the tray menu's "Öffnen": the dialog is the active window, not the
// disabled frame, and Esc closes it.
TEST_F(TrayDialog, OpenFromTheTrayGivesTheDialogTheKeys)
{
    bool bInTray = false, bBack = false, bDialogActive = false, bDialogInFront = false;
    const bool bClosedByEsc = RunInOptions([&](HWND hDlg) {
        pFrame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        bInTray = pFrame->IsInTray() && !pFrame->IsWindowVisible();
        ::SetForegroundWindow(hOther);
        pFrame->SendMessage(WM_COMMAND, ID_TRAY_OPEN);
        testpump::PumpUntilIdle();
        bBack = !pFrame->IsInTray() && pFrame->IsWindowVisible();
        bDialogActive = ::GetActiveWindow() == hDlg;
        bDialogInFront = ::GetForegroundWindow() == hDlg;
    });
    EXPECT_TRUE(bInTray);
    EXPECT_TRUE(bBack);
    EXPECT_TRUE(bDialogActive);
    EXPECT_TRUE(bDialogInFront);
    EXPECT_TRUE(bClosedByEsc) << "Esc did not reach \"Optionen\"";
}

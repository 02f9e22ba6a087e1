// "Anpassen..." and what it opened, and the program's own dialogs, go to the
// tray with the frame (by its minimize and close boxes) and come back with
// it, above it and active; the exit ends them on its way out, from the
// desktop as from the tray, and keeps what the user customized meanwhile.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/AppTestSupport.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

#include <atomic>
#include <string>
#include <thread>

using namespace barstest;

namespace {

std::wstring TitleOf(HWND hWnd)
{
    wchar_t text[64] = L"";
    ::GetWindowTextW(hWnd, text, 64);
    return text;
}

HWND FindBox(LPCWSTR pszTitle)
{
    return testwindows::FindThreadWindow(L"#32770", [&](HWND hWnd) { return TitleOf(hWnd) == pszTitle; });
}

// A box the dialog opened over itself.
HWND FindBoxOwnedBy(HWND hOwner)
{
    return testwindows::FindThreadWindow(L"#32770",
                                         [&](HWND hWnd) { return ::GetWindow(hWnd, GW_OWNER) == hOwner; });
}

bool IsShownAndActive(HWND hWnd)
{
    return hWnd != nullptr && ::IsWindowVisible(hWnd) && ::GetActiveWindow() == hWnd &&
           ::GetForegroundWindow() == hWnd;
}

void ClickDialogItem(HWND hDialog, int nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(hDialog, nID), &rc);
    testinput::ClickOn(hDialog, rc.CenterPoint());
}

// From a thread of its own: waits for the tray menu and clicks its
// "Beenden" with real input.
void ClickExitInTheTrayMenu(std::atomic<bool>* pClicked)
{
    HWND hMenuWnd = nullptr;
    if (!testpump::WaitUntil([&] { return (hMenuWnd = testwindows::TrackedMenuWindow()) != nullptr; }))
        return;
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0));
    RECT rcItem = {};
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        if (::GetMenuItemID(hMenu, i) == ID_APP_EXIT)
            ::GetMenuItemRect(nullptr, hMenu, i, &rcItem);
    if (::IsRectEmpty(&rcItem))
        return;
    ::Sleep(200);
    testinput::ClickAt({(rcItem.left + rcItem.right) / 2, (rcItem.top + rcItem.bottom) / 2});
    *pClicked = true;
}

void CALLBACK EndMenuLeftOpen(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}

// Steps that wait in vain would keep the sheet's loop, and the test, running:
// past the deadline every box of the thread is cancelled.
void CALLBACK CancelBoxesLeftOpen(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    testtimer::Kill(nTimer);
    const DWORD thread = ::GetCurrentThreadId();
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (::GetWindowThreadProcessId(hWnd, nullptr) == thread && testwindows::HasClass(hWnd, L"#32770"))
            ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
}

// The steps of the first list, then those of the second.
std::vector<TimedStep> Joined(std::vector<TimedStep> first, std::vector<TimedStep> then)
{
    for (TimedStep& step : then)
        first.push_back(std::move(step));
    return first;
}

class CustomizeThroughTheTray : public FrameBars
{
protected:
    void TearDown() override
    {
        // The deadline belongs to this test: left running, it would cancel
        // the boxes of whichever test runs when it comes.
        m_deadline.Kill();
        // A failed step leaves the sheet's loop running: it ends here.
        DropSteps();
        if (::IsWindow(hFrame) && pFrame->GetCommandBars()->IsCustomizeMode())
        {
            if (pFrame->IsInTray())
                pFrame->SendMessage(WM_COMMAND, ID_TRAY_OPEN);
            for (HWND hBox : testwindows::VisibleThreadWindows(L"#32770"))
                ::PostMessageW(hBox, WM_COMMAND, IDCANCEL, 0);
            PumpAppUntil([this] { return !pFrame->GetCommandBars()->IsCustomizeMode(); });
        }
        FrameBars::TearDown();
    }

    HWND Sheet() const { return FindBox(L"Anpassen"); }

    // Runs the steps with that deadline, from the input that opens the first loop on.
    void RunStepsWithDeadline(std::vector<TimedStep> steps)
    {
        RunSteps(std::move(steps));
        m_deadline.Start(testpump::kDeadline, CancelBoxesLeftOpen);
    }

    // Runs the steps inside the sheet opened as the toolbar's menu opens it;
    // whether they all ran and the sheet ended.
    bool RunInSheet(std::vector<TimedStep> steps)
    {
        RunStepsWithDeadline(std::move(steps));
        pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
        return PumpAppUntil([this] { return StepsDone() && !pFrame->GetCommandBars()->IsCustomizeMode(); });
    }

    // The icon's double click, as the shell hands it to the icon's window.
    void DoubleClickTheTrayIcon()
    {
        ::SendMessageW(pFrame->GetTrayIcon().GetSafeHwnd(), XTWM_TRAYICON_NOTIFY, IDR_TRAYMENU, WM_LBUTTONDBLCLK);
    }

    // The two steps that open a box of the sheet's page by its button and
    // then take the frame, the sheet and the box to the tray and back by the
    // icon: whether all three were hidden there.
    std::vector<TimedStep> BoxThroughTheTray(int nButton, HWND& hSheet, HWND& hBox, bool& bAllHidden)
    {
        return {
            {[&] { return IsShownAndActive(hSheet = Sheet()); },
             [&, nButton] {
                 HWND hPage = reinterpret_cast<HWND>(::SendMessageW(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
                 ClickDialogItem(hPage, nButton);
             }},
            {[&] { return IsShownAndActive(hBox = FindBoxOwnedBy(hSheet)); },
             [&] {
                 pFrame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
                 bAllHidden = !::IsWindowVisible(hFrame) && !::IsWindowVisible(hSheet) && !::IsWindowVisible(hBox);
                 DoubleClickTheTrayIcon();
             }},
        };
    }

    // Ctrl+O opens "Optionen" once the frame takes its keys again.
    void ExpectCtrlOOpensTheOptions()
    {
        std::wstring title;
        CInModal inBox([&](HWND hBox) {
            title = TitleOf(hBox);
            ::PostMessageW(hBox, WM_COMMAND, IDCANCEL, 0);
        });
        frametest::ViewOf(pFrame)->SetFocus();
        testinput::SendChord({VK_CONTROL, 'O'});
        EXPECT_TRUE(PumpAppUntil([&] { return inBox.HasRun(); })) << "Ctrl+O opened no dialog";
        EXPECT_EQ(title, L"Optionen");
        EXPECT_TRUE(PumpAppUntil([] { return testwindows::FindThreadWindow(L"#32770") == nullptr; }));
    }

private:
    testtimer::ThreadTimer m_deadline;
};

} // namespace

// By the minimize box and by the close box: the sheet waits in the tray
// with the frame, comes back over it as the active window and ends by Esc
// and by "Fertig stellen"; the frame's keys work again after it.
TEST_F(CustomizeThroughTheTray, TheSheetComesBackWithTheFrameActiveAndEnds)
{
    ShowFrame();
    for (UINT road : {SC_MINIMIZE, SC_CLOSE})
    {
        SCOPED_TRACE(road == SC_MINIMIZE ? "minimize box" : "close box");
        HWND hSheet = nullptr;
        bool bInTray = false, bSheetHidden = false, bAbove = false, bStaysActive = false, bOfferRefused = false;
        testshot::Image shot;
        CRect rcSheet;
        const bool bEnded = RunInSheet({
            {[&] { return IsShownAndActive(hSheet = Sheet()); },
             [&] {
                 pFrame->SendMessage(WM_SYSCOMMAND, road);
                 bInTray = pFrame->IsInTray() && !::IsWindowVisible(hFrame);
                 bSheetHidden = !::IsWindowVisible(hSheet);
                 pFrame->SendMessage(WM_COMMAND, ID_TRAY_OPEN);  // the tray menu's "Öffnen"
             }},
            {[&] { return IsShownAndActive(hSheet) && ::IsWindowVisible(hFrame); },
             [&] {
                 testpump::PumpFor(1200);  // past the frame's lifting of its windows
                 bStaysActive = IsShownAndActive(hSheet);
                 // A window manager offers the frame shown again the focus as
                 // a click on its menu; the sheet keeps it.
                 bOfferRefused = pFrame->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hFrame),
                                                     MAKELPARAM(HTMENU, WM_LBUTTONDOWN)) == MA_NOACTIVATE;
                 bAbove = testwindows::IsAbove(hSheet, hFrame);
                 ::GetWindowRect(hSheet, &rcSheet);
                 shot = testshot::CaptureScreen(CRect(0, 0, 1000, 700));
                 if (road == SC_MINIMIZE)
                     testinput::SendKey(VK_ESCAPE);
                 else
                     ClickDialogItem(hSheet, IDCANCEL);
             }},
        });
        EXPECT_TRUE(bInTray);
        EXPECT_TRUE(bSheetHidden) << "the sheet stayed on the desktop without its frame";
        EXPECT_EQ(StepsRun(), 2u) << "the sheet did not come back, or not as the active window";
        EXPECT_TRUE(bEnded) << "the sheet did not end";
        EXPECT_TRUE(bAbove) << "the sheet came back under the frame";
        EXPECT_TRUE(bStaysActive) << "the sheet lost the focus it came back with";
        EXPECT_TRUE(bOfferRefused) << "the frame takes the focus the window manager offers it";
        EXPECT_FALSE(pFrame->GetCommandBars()->IsCustomizeMode());
        if (StepsRun() == 2u)
        {
            testshot::Save(shot, road == SC_MINIMIZE ? L"app_tray_sheet_back.png" : L"app_tray_sheet_back_close.png");
            // On the screen: the sheet's light face, with its dark tab texts,
            // where it lies over the frame.
            const CRect rcBody(rcSheet.left + 10, rcSheet.top + 40, rcSheet.right - 10, rcSheet.bottom - 40);
            EXPECT_GT(apptest::CountPixels(shot, rcBody, apptest::IsLight), rcBody.Width() * rcBody.Height() / 3);
            EXPECT_GT(apptest::CountPixels(shot, rcBody, apptest::IsDark), 50);
            // Its title bar is the active one: blue, not grey.
            const CRect rcTitle(rcSheet.left + 60, rcSheet.top + 6, rcSheet.right - 30, rcSheet.top + 16);
            EXPECT_GT(apptest::CountPixels(shot, rcTitle,
                                           [](COLORREF c) { return GetBValue(c) - GetRValue(c) > 60; }),
                      rcTitle.Width() * rcTitle.Height() / 2);
        }
        DropSteps();
        ExpectCtrlOOpensTheOptions();
    }
}

// The box the sheet opened for a new toolbar goes with both and comes back
// above the sheet, active: Esc ends it, then the sheet.
TEST_F(CustomizeThroughTheTray, TheNewToolbarBoxComesBackAboveTheSheet)
{
    ShowFrame();
    HWND hSheet = nullptr, hBox = nullptr;
    bool bAllHidden = false, bOrder = false;
    const bool bEnded = RunInSheet(Joined(BoxThroughTheTray(XTP_IDC_BUTTON_NEW, hSheet, hBox, bAllHidden), {
        {[&] { return IsShownAndActive(hBox) && ::IsWindowVisible(hSheet) && ::IsWindowVisible(hFrame); },
         [&] {
             testpump::PumpFor(1200);  // past the frame's lifting of its windows
             bOrder = testwindows::IsAbove(hBox, hSheet) && testwindows::IsAbove(hSheet, hFrame) &&
                      ::GetActiveWindow() == hBox;
             testinput::SendKey(VK_ESCAPE);
         }},
        {[&] { return !::IsWindow(hBox) && IsShownAndActive(hSheet); }, [&] { testinput::SendKey(VK_ESCAPE); }},
    }));
    EXPECT_TRUE(bAllHidden) << "the frame, the sheet and its box go to the tray together";
    EXPECT_EQ(StepsRun(), 4u) << "the box or the sheet did not come back active";
    EXPECT_TRUE(bOrder) << "box above the sheet above the frame, the box active";
    EXPECT_TRUE(bEnded);
    DropSteps();
    ExpectCtrlOOpensTheOptions();
}

// The message box the sheet asks with goes with both and comes back above
// the sheet, active; "Beenden" then ends box, sheet and program.
TEST_F(CustomizeThroughTheTray, TheSheetsMessageBoxComesBackAndTheExitEndsItAll)
{
    ShowFrame();
    HWND hSheet = nullptr, hBox = nullptr;
    bool bAllHidden = false, bOrder = false;
    RunStepsWithDeadline(Joined(BoxThroughTheTray(XTP_IDC_BUTTON_RESET, hSheet, hBox, bAllHidden), {
        {[&] { return IsShownAndActive(hBox) && ::IsWindowVisible(hSheet) && ::IsWindowVisible(hFrame); },
         [&] {
             bOrder = testwindows::IsAbove(hBox, hSheet) && testwindows::IsAbove(hSheet, hFrame);
             pFrame->PostMessage(WM_COMMAND, ID_APP_EXIT);  // as the tray menu's "Beenden" comes
         }},
    }));
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    EXPECT_TRUE(PumpAppUntil([&] { return !::IsWindow(hFrame); })) << "\"Beenden\" did not end the program";
    EXPECT_EQ(StepsRun(), 3u) << "the message box did not come back active";
    DropSteps();
    EXPECT_TRUE(bAllHidden) << "the frame, the sheet and its message box go to the tray together";
    EXPECT_TRUE(bOrder) << "message box above the sheet above the frame";
    EXPECT_FALSE(::IsWindow(hBox));
    EXPECT_FALSE(::IsWindow(hSheet));
}

// "Optionen" over the frame goes with it and comes back by the icon's
// double click, though the dialog keeps the frame disabled.
TEST_F(CustomizeThroughTheTray, TheOptionsDialogComesBackWithTheFrame)
{
    ShowFrame();
    HWND hOptions = nullptr;
    bool bHidden = false;
    RunStepsWithDeadline({
        {[&] { return IsShownAndActive(hOptions = FindBox(L"Optionen")); },
         [&] {
             pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
             bHidden = pFrame->IsInTray() && !::IsWindowVisible(hOptions);
             DoubleClickTheTrayIcon();
         }},
        {[&] { return IsShownAndActive(hOptions) && !pFrame->IsInTray() && ::IsWindowVisible(hFrame); },
         [&] { testinput::SendKey(VK_ESCAPE); }},
    });
    pFrame->PostMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_TRUE(PumpAppUntil([&] { return StepsDone() && !::IsWindow(hOptions); }));
    EXPECT_TRUE(bHidden) << "the dialog stayed on the desktop without its frame";
    EXPECT_EQ(StepsRun(), 2u) << "the dialog did not come back active with the frame";
    EXPECT_TRUE(::IsWindowEnabled(hFrame));
    DropSteps();
}

// Alt+X in the open sheet ends the program; the button the user dragged
// onto the toolbar meanwhile is there at the next start.
TEST_F(CustomizeThroughTheTray, AltXEndsTheProgramFromTheSheetAndKeepsTheCustomizing)
{
    ShowFrame();
    HWND hSheet = nullptr;
    RunStepsWithDeadline({
        {[&] { return IsShownAndActive(hSheet = Sheet()); },
         [&] {
             ToolBar()->GetControls()->Add(xtpControlButton, ID_ABOUT);
             testinput::SendChord({VK_MENU, 'X'});
         }},
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    EXPECT_TRUE(PumpAppUntil([&] { return !::IsWindow(hFrame); })) << "Alt+X did not end the program";
    DropSteps();
    ASSERT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindow(hSheet));
    frametest::DispatchAllButQuit();

    pFrame = frametest::CreateFrame();
    ASSERT_NE(pFrame, nullptr);
    hFrame = pFrame->GetSafeHwnd();
    app.m_pMainWnd = pFrame;
    EXPECT_NE(ToolBar()->GetControls()->FindControl(ID_ABOUT), nullptr) << "the customizing was not stored";
    EXPECT_FALSE(pFrame->GetCommandBars()->IsCustomizeMode());
}

// The sheet keeps the frame's keys while it runs, but not the exit: Alt+X
// typed in the frame (a window manager may hand the frame the focus) ends
// the program too.
TEST_F(CustomizeThroughTheTray, AltXInTheFrameEndsTheProgramInCustomizeMode)
{
    ShowFrame();
    HWND hSheet = nullptr;
    RunStepsWithDeadline({
        {[&] { return IsShownAndActive(hSheet = Sheet()); },
         [&] {
             ::SetForegroundWindow(hFrame);
             frametest::ViewOf(pFrame)->SetFocus();
         }},
        {[&] { return ::GetActiveWindow() == hFrame; }, [&] { testinput::SendChord({VK_MENU, 'X'}); }},
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    EXPECT_TRUE(PumpAppUntil([&] { return !::IsWindow(hFrame); })) << "Alt+X did not end the program";
    EXPECT_EQ(StepsRun(), 2u);
    DropSteps();
    EXPECT_FALSE(::IsWindow(hSheet));
}

// With the sheet and its new-toolbar box waiting in the tray, the tray
// menu opens and its "Beenden" ends the program, the layout stored.
TEST_F(CustomizeThroughTheTray, TheTrayMenusExitEndsTheProgramWithTheSheetInTheTray)
{
    ShowFrame();
    HWND hSheet = nullptr, hBox = nullptr;
    std::atomic<bool> clicked{false};
    std::thread watcher;
    RunStepsWithDeadline({
        {[&] { return IsShownAndActive(hSheet = Sheet()); },
         [&] {
             ToolBar()->GetControls()->Add(xtpControlButton, ID_ABOUT);
             HWND hPage = reinterpret_cast<HWND>(::SendMessageW(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
             ClickDialogItem(hPage, XTP_IDC_BUTTON_NEW);
         }},
        {[&] { return IsShownAndActive(hBox = FindBoxOwnedBy(hSheet)); },
         [&] {
             pFrame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
             testinput::MoveMouseAndWait({400, 300});
             watcher = std::thread(ClickExitInTheTrayMenu, &clicked);
             testtimer::ThreadTimer safety(2 * testpump::kDeadline, EndMenuLeftOpen);
             HWND hIcon = pFrame->GetTrayIcon().GetSafeHwnd();
             ::SendMessageW(hIcon, XTWM_TRAYICON_NOTIFY, IDR_TRAYMENU, WM_RBUTTONDOWN);
             ::SendMessageW(hIcon, XTWM_TRAYICON_NOTIFY, IDR_TRAYMENU, WM_RBUTTONUP);
         }},
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    EXPECT_TRUE(PumpAppUntil([&] { return !::IsWindow(hFrame); })) << "\"Beenden\" did not end the program";
    if (watcher.joinable())
        watcher.join();
    DropSteps();
    EXPECT_TRUE(clicked) << "the tray menu did not open";
    ASSERT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindow(hSheet));
    EXPECT_FALSE(::IsWindow(hBox));
    frametest::DispatchAllButQuit();

    pFrame = frametest::CreateFrame();
    ASSERT_NE(pFrame, nullptr);
    hFrame = pFrame->GetSafeHwnd();
    app.m_pMainWnd = pFrame;
    EXPECT_NE(ToolBar()->GetControls()->FindControl(ID_ABOUT), nullptr) << "the layout was not stored";
}

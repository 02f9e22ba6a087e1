// Floating windows the program changes while its frame waits in the tray:
// after "Öffnen" only what should show now shows, and nothing shown
// meanwhile reaches the desktop before the frame does.
#include <gtest/gtest.h>

#include "TicketPaneFrameTest.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

using namespace frametest;

namespace {

class TrayChangedMeanwhile : public CTicketPaneFrameTest
{
protected:
    TrayChangedMeanwhile()
        : CTicketPaneFrameTest(L"tavrolin_tray_meanwhile", L"TrayChangedMeanwhileTestApp")
    {
    }

    void ToTray()
    {
        pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE);  // the close box
        ASSERT_TRUE(pFrame->IsInTray());
    }

    void BackFromTray()
    {
        pFrame->SendMessage(WM_COMMAND, ID_TRAY_OPEN);  // the tray menu's "Öffnen"
        ASSERT_FALSE(pFrame->IsInTray());
        Idle();
    }

    // The frame's shown owned windows that are not topmost (alert popups).
    std::vector<HWND> ShownFloatingWindows()
    {
        std::vector<HWND> shown;
        for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
            if (::GetWindow(hWnd, GW_OWNER) == pFrame->m_hWnd && ::IsWindowVisible(hWnd) &&
                (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0)
                shown.push_back(hWnd);
        return shown;
    }
};

} // namespace

TEST_F(TrayChangedMeanwhile, APaneFrameEmptiedInTheTrayStaysHiddenAndOneFilledAgainShowsOnlyAfterIt)
{
    const HWND hFloating = FloatTicketPane();
    ASSERT_NE(hFloating, nullptr) << "floated by the double click";
    ASSERT_TRUE(::IsWindowVisible(hFloating));
    ToTray();

    // The program closes the pane as the search's stop does.
    pFrame->GetPaneManager().ClosePane(pPane);
    testpump::PumpFor(200);
    EXPECT_TRUE(ShownFloatingWindows().empty()) << "in the tray";
    BackFromTray();
    testpump::PumpFor(300);
    EXPECT_TRUE(ShownFloatingWindows().empty()) << "an empty floating frame over the frame";
    EXPECT_TRUE(pPane->IsClosed());

    // Closed and shown again by the program while in the tray: it reaches
    // the desktop only with the frame.
    ToTray();
    pFrame->GetPaneManager().ShowPane(IDP_TICKETS);
    testpump::PumpFor(300);
    EXPECT_TRUE(ShownFloatingWindows().empty()) << "shown again in the tray";
    EXPECT_FALSE(pPane->IsClosed());
    BackFromTray();
    testpump::PumpFor(300);
    CWnd* pHolder = pPane->GetParentFrame();
    ASSERT_NE(pHolder, nullptr);
    if (pHolder != static_cast<CWnd*>(pFrame))
        EXPECT_TRUE(pHolder->IsWindowVisible()) << "the pane's floating frame after the tray";
    else
        EXPECT_TRUE(::IsWindowVisible(pPane->GetHwnd())) << "docked again";
}

TEST_F(TrayChangedMeanwhile, AFloatingBarHiddenInTheTrayStaysHiddenAndOneShownThereWaitsForTheFrame)
{
    app.m_pMainWnd = pFrame;
    CXTPToolBar* pBar = pFrame->GetCommandBars()->Add(L"Eigene", xtpBarFloating);
    ASSERT_NE(pBar, nullptr);
    pBar->GetControls()->Add(xtpControlButton, ID_ABOUT);
    pBar->OnRecalcLayout();
    Idle();
    const HWND hBar = pBar->GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hBar));
    ToTray();
    ASSERT_FALSE(::IsWindowVisible(hBar));

    pBar->SetVisible(FALSE);  // as the toolbar list's check does
    BackFromTray();
    testpump::PumpFor(300);
    EXPECT_FALSE(::IsWindowVisible(hBar)) << "the bar hidden in the tray came back";
    EXPECT_FALSE(pBar->IsVisible());

    // Shown again while in the tray: on the desktop only with the frame.
    ToTray();
    pBar->SetVisible(TRUE);
    testpump::PumpFor(300);
    EXPECT_FALSE(::IsWindowVisible(hBar)) << "alone on the desktop";
    BackFromTray();
    testpump::PumpFor(300);
    EXPECT_TRUE(::IsWindowVisible(hBar)) << "with the frame";
}

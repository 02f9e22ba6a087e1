// The ticket pane floated over the program's frame by a double click on its
// caption: while the frame waits in the tray the pane is not on the desktop,
// and after "Öffnen" it is above the frame again, as the user left it.
#include <gtest/gtest.h>

#include "TicketPaneFrameTest.h"
#include "app/AppTestSupport.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestWindows.h"
#include "support/TestInput.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/report/rows/XTPReportRow.h"

using namespace frametest;

namespace {

class TrayFloatingPane : public CTicketPaneFrameTest
{
protected:
    TrayFloatingPane()
        : CTicketPaneFrameTest(L"tavrolin_tray_pane", L"TrayFloatingPaneTestApp")
    {
    }
};

} // namespace

TEST_F(TrayFloatingPane, AFloatingPaneOverTheFrameIsHiddenInTheTrayAndAboveTheFrameAfterIt)
{
    const HWND hFloating = FloatTicketPane();
    ASSERT_NE(hFloating, nullptr) << "floated by the double click";
    const HWND hFrame = pFrame->GetSafeHwnd();
    ASSERT_EQ(::GetWindow(hFloating, GW_OWNER), hFrame);
    CRect rcFloating, rcFrame;
    ::GetWindowRect(hFloating, &rcFloating);
    pFrame->GetWindowRect(&rcFrame);
    ASSERT_TRUE(CRect().IntersectRect(rcFloating, rcFrame)) << "the pane floats over the frame";
    ASSERT_TRUE(::IsWindowVisible(hFloating));
    ASSERT_TRUE(testwindows::IsAbove(hFloating, hFrame));
    // The offer's alert goes first, as in a plain round trip: a shown
    // topmost window keeps Wine from restacking the pane on an X display
    // without a window manager (the frame's window comes back on top there).
    ASSERT_TRUE(CloseAlerts());
    const testshot::Image before = testshot::CaptureScreen(rcFrame);

    pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE);  // the close box
    ASSERT_TRUE(pFrame->IsInTray());
    testpump::PumpFor(300);
    EXPECT_FALSE(::IsWindowVisible(hFloating)) << "the pane alone on the desktop";

    pFrame->SendMessage(WM_COMMAND, ID_TRAY_OPEN);  // the tray menu's "Öffnen"
    ASSERT_FALSE(pFrame->IsInTray());
    // The frame's window settles on the display a little later: the pane
    // must be above it then, and stay there.
    testpump::PumpFor(1500);
    ASSERT_EQ(pPane->GetParentFrame()->GetSafeHwnd(), hFloating) << "still floating in the same frame";
    EXPECT_TRUE(::IsWindowVisible(hFloating));
    EXPECT_TRUE(testwindows::IsAbove(hFloating, hFrame));
    testpump::PumpUntilIdle();
    const testshot::Image after = testshot::CaptureScreen(rcFrame);
    testshot::Save(before, L"app_tray_floating_pane_before.png");
    testshot::Save(after, L"app_tray_floating_pane_after.png");
    // On the screen, not only in the window order: where the pane lies over
    // the frame, its selected offer row shows, as before the tray.
    CRect rcPaneOnShot(rcFloating);
    rcPaneOnShot.OffsetRect(-rcFrame.TopLeft());
    const auto IsRowBlue = [](COLORREF c) { return apptest::IsBlueish(c); };
    ASSERT_GT(apptest::CountPixels(before, rcPaneOnShot, IsRowBlue), 500) << "the pane before the tray";
    EXPECT_GT(apptest::CountPixels(after, rcPaneOnShot, IsRowBlue), 500) << "the pane is on the screen above the frame";
    // What the pane shows after the tray: its report's column captions and
    // its offer row, as before it.
    const HWND hReport = pFrame->GetTicketReport().GetSafeHwnd();
    ASSERT_EQ(::GetAncestor(hReport, GA_ROOT), hFloating);
    const testshot::Image pane = testshot::CaptureWindow(hReport);
    testshot::Save(pane, L"app_tray_floating_pane_report_after.png");
    const CRect rcRow = pFrame->GetTicketReport().GetRows()->GetAt(0)->GetRect();
    EXPECT_GT(apptest::CountPixels(pane, CRect(0, 0, pane.width, rcRow.top), apptest::IsDark), 40)
        << "the report's column captions";
    EXPECT_GT(apptest::CountPixels(pane, rcRow, [](COLORREF c) { return apptest::IsDark(c) || apptest::IsBlueish(c); }),
              40)
        << "the offer's row";
}

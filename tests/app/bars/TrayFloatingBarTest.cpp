// A floating toolbar over the frame stays in sight when the frame comes back
// from the tray through "Öffnen".
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/AppTestSupport.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestWindows.h"
#include "support/TestInput.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

using namespace barstest;

namespace {
// Where the bar floats over the frame's client area.
const CRect kAround(280, 280, 480, 380);

} // namespace

TEST_F(FrameBars, AFloatingBarOverTheFrameIsAboveItAfterTheTrayRoundTrip)
{
    ShowFrame();
    CXTPToolBar* pBar = AddFloatingUserBar();
    ASSERT_NE(pBar, nullptr);
    const HWND hBar = pBar->GetSafeHwnd();
    ASSERT_TRUE(testwindows::IsAbove(hBar, hFrame)) << "floating over the frame from the start";
    const testshot::Image before = testshot::CaptureScreen(kAround);

    pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    ASSERT_TRUE(pFrame->IsInTray());
    pFrame->SendMessage(WM_COMMAND, ID_TRAY_OPEN);  // the tray menu's "Öffnen"
    ASSERT_FALSE(pFrame->IsInTray());
    // The frame's window settles on the display a little later: the bar
    // must be above it then, and stay there.
    testpump::PumpFor(1500);
    EXPECT_TRUE(testwindows::IsAbove(hBar, hFrame));
    testpump::PumpUntilIdle();

    const testshot::Image after = testshot::CaptureScreen(kAround);
    testshot::Save(before, L"app_tray_floating_bar_before.png");
    testshot::Save(after, L"app_tray_floating_bar_after.png");
    // On the screen: the bar's grey caption and its button's dark text over
    // the frame's white client area, as before the tray.
    CRect rcBar;
    ::GetWindowRect(hBar, &rcBar);
    rcBar.OffsetRect(-kAround.TopLeft());
    const CRect rcCaption(rcBar.left + 3, rcBar.top + 3, rcBar.right - 3, rcBar.top + 14);
    const CRect rcBody(rcBar.left + 3, rcBar.top + 18, rcBar.right - 3, rcBar.bottom - 3);
    const auto isGrey = [](COLORREF c) {
        return GetRValue(c) > 80 && GetRValue(c) < 180 && GetGValue(c) > 80 && GetGValue(c) < 180 &&
               GetBValue(c) > 80 && GetBValue(c) < 180;
    };
    for (const testshot::Image* pShot : {&before, &after})
    {
        SCOPED_TRACE(pShot == &before ? "before the tray" : "after the tray");
        EXPECT_GT(apptest::CountPixels(*pShot, rcCaption, isGrey), rcCaption.Width() * rcCaption.Height() / 2);
        EXPECT_GT(apptest::CountPixels(*pShot, rcBody, apptest::IsDark), 10);
    }

    // A click on the frame keeps it below its bar.
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    const CPoint ptCaption(rcFrame.left + 200, rcFrame.top + 10);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptCaption));
    testinput::ClickAt(ptCaption);
    testpump::PumpUntilIdle();
    EXPECT_TRUE(testwindows::IsAbove(hBar, hFrame)) << "a click on the frame";
}

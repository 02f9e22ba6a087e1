// The frame's menu bar dragged by its gripper off the frame and by its
// caption back again: floating it has no expand button, docked again it
// looks as it did before, gripper first and nothing after "Hilfe".
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

using namespace barstest;

namespace {

// Pixels of a band that differ between two pictures of the same size.
int CountChangedPixels(const testshot::Image& before, const testshot::Image& after, int left, int right)
{
    int n = 0;
    for (int y = 0; y < after.height; y++)
        for (int x = left; x < right; x++)
            n += before.Pixel(x, y) != after.Pixel(x, y) ? 1 : 0;
    return n;
}

// The menu bar as the screen shows it with the pointer away from it: what
// the bar painted itself, nothing repainted for the picture.
testshot::Image ShotOfMenuBar(CXTPMenuBar* pMenuBar, const wchar_t* name)
{
    testinput::MoveMouseAndWait(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
    testpump::PumpUntil([pMenuBar] { return pMenuBar->GetSelectedIndex() == -1; });
    testpump::PumpUntilIdle();
    HDC hdc = ::GetDC(nullptr);
    testshot::Image shot = testshot::CaptureDC(hdc, WindowRectOf(pMenuBar));
    ::ReleaseDC(nullptr, hdc);
    testshot::Save(shot, name);
    return shot;
}

// Drags the docked menu bar by its gripper into the middle of the frame's
// view; whether it floats.
bool FloatByGripper(CMainFrame* pFrame, CXTPMenuBar* pMenuBar)
{
    const CRect rcDocked = WindowRectOf(pMenuBar);
    const CRect rcView = WindowRectOf(frametest::ViewOf(pFrame));
    const CPoint ptGripper(rcDocked.left + 3, rcDocked.CenterPoint().y);
    if (!testinput::MoveMouseAndWait(ptGripper))
        return false;
    testinput::QueueDrag(ptGripper, CPoint(rcView.left + 120, rcView.CenterPoint().y), 8);
    if (!testpump::PumpUntil([&] { return pMenuBar->GetPosition() == xtpBarFloating; }))
        return false;
    testpump::PumpUntilIdle();
    return true;
}

// Drags the floating menu bar by its caption, grabbed 12 pixels from its
// left edge, to the point; whether it docked at the top.
bool DockByCaption(CXTPMenuBar* pMenuBar, CPoint ptTo)
{
    const CRect rcFloating = WindowRectOf(pMenuBar);
    const CPoint ptCaption(rcFloating.left + 12, rcFloating.top + 8);
    if (!testinput::MoveMouseAndWait(ptCaption))
        return false;
    testinput::QueueDrag(ptCaption, ptTo, 8);
    if (!testpump::PumpUntil([&] { return pMenuBar->GetPosition() == xtpBarTop; }))
        return false;
    testpump::PumpUntilIdle();
    return true;
}

// Dots of the gripper in the picture's first columns.
int GripperDots(const testshot::Image& shot)
{
    int nGripDots = 0;
    for (int y = 2; y < shot.height - 2; y++)
        for (int x = 2; x < 8; x++)
            nGripDots += shot.Pixel(x, y) != shot.Pixel(1, 1) ? 1 : 0;
    return nGripDots;
}

} // namespace

TEST_F(FrameBars, MenuBarFloatedAndDockedAgainShowsItsGripperAndNothingAfterItsLastTitle)
{
    ShowFrame();
    CXTPMenuBar* pMenuBar = MenuBar();
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    CXTPDockBar* pTop = pCommandBars->GetDockBar(xtpBarTop);
    const CRect rcDocked = WindowRectOf(pMenuBar);
    const int nTitles = pMenuBar->GetControlCount();
    ASSERT_GE(nTitles, 1);
    const testshot::Image before = ShotOfMenuBar(pMenuBar, L"app_menubar_before_floating.png");

    // By its gripper into the middle of the frame's view.
    ASSERT_TRUE(FloatByGripper(pFrame, pMenuBar)) << "the menu bar did not float";
    EXPECT_EQ(pMenuBar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND), nullptr)
        << "a floating menu bar has no expand button";
    testshot::Save(testshot::CaptureWindow(pMenuBar->GetSafeHwnd()), L"app_menubar_floating.png");

    // By its caption back to the top of the frame.
    const CRect rcTop = WindowRectOf(pTop);
    ASSERT_TRUE(DockByCaption(pMenuBar, CPoint(rcTop.left + 40, rcTop.top + 2))) << "the menu bar did not dock again";
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();

    const CRect rcAgain = WindowRectOf(pMenuBar);
    EXPECT_LE(rcAgain.bottom, WindowRectOf(ToolBar()).top) << "the menu bar is back in a row of its own";
    EXPECT_EQ(rcDocked.Width(), rcAgain.Width());
    EXPECT_EQ(rcDocked.Height(), rcAgain.Height());

    // Nothing of the bar's own after its last title.
    CRect rcLast = pMenuBar->GetControl(nTitles - 1)->GetRect();
    for (int i = nTitles; i < pMenuBar->GetControlCount(); i++)
        EXPECT_FALSE(pMenuBar->GetControl(i)->IsVisible()) << "control " << pMenuBar->GetControl(i)->GetID();

    const testshot::Image after = ShotOfMenuBar(pMenuBar, L"app_menubar_docked_again.png");
    ASSERT_EQ(before.width, after.width);
    ASSERT_EQ(before.height, after.height);
    // After "Hilfe" the bar's background as before, no box, no arrow.
    EXPECT_EQ(0, CountChangedPixels(before, after, rcLast.right + 1, after.width))
        << "something is drawn after the last title";
    // The gripper: dots in the bar's first pixels, as before.
    EXPECT_EQ(0, CountChangedPixels(before, after, 0, 9)) << "the gripper is not drawn as before";
    EXPECT_GE(GripperDots(after), 4) << "no gripper drawn";
    EXPECT_GE(pMenuBar->GetControl(0)->GetRect().left, 8) << "the first title covers the gripper";
}

// Let go with its left edge left of the frame's edge (grabbed by the caption
// near its left end, dropped at the frame's left edge): the docked menu bar
// begins where the row does, its gripper in view and held by the mouse again.
TEST_F(FrameBars, MenuBarDockedPastTheFramesEdgeShowsItsGripperInView)
{
    ShowFrame();
    CXTPMenuBar* pMenuBar = MenuBar();
    CXTPDockBar* pTop = pFrame->GetCommandBars()->GetDockBar(xtpBarTop);
    const testshot::Image before = ShotOfMenuBar(pMenuBar, L"app_menubar_before_floating_to_the_edge.png");
    ASSERT_TRUE(FloatByGripper(pFrame, pMenuBar)) << "the menu bar did not float";

    const CRect rcTop = WindowRectOf(pTop);
    const struct
    {
        CPoint ptTo;
        const wchar_t* shot;
    } drops[] = {{CPoint(rcTop.left + 4, rcTop.top + 2), L"app_menubar_docked_past_the_edge_top_row.png"},
                 {CPoint(rcTop.left + 2, rcTop.bottom - 4), L"app_menubar_docked_past_the_edge_lower_row.png"}};
    for (const auto& drop : drops)
    {
        ASSERT_TRUE(DockByCaption(pMenuBar, drop.ptTo)) << "the menu bar did not dock again";
        pFrame->RecalcLayout();
        testpump::PumpUntilIdle();
        const CRect rcRow = WindowRectOf(pMenuBar->GetDockBar());
        const CRect rcAgain = WindowRectOf(pMenuBar);
        EXPECT_EQ(rcRow.left, rcAgain.left) << "the bar begins where its row does";
        EXPECT_LE(rcAgain.right, rcRow.right);

        const testshot::Image after = ShotOfMenuBar(pMenuBar, drop.shot);
        ASSERT_EQ(before.height, after.height);
        EXPECT_EQ(0, CountChangedPixels(before, after, 0, 9)) << "the gripper is not drawn as before";
        EXPECT_GE(GripperDots(after), 4) << "no gripper drawn";

        // The gripper in view is the bar's handle again.
        ASSERT_TRUE(FloatByGripper(pFrame, pMenuBar)) << "the gripper does not float the bar";
    }
}

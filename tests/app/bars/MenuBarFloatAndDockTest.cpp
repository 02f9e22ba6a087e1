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

// The menu bar as the screen shows it with the pointer away from it.
testshot::Image ShotOfMenuBar(CXTPMenuBar* pMenuBar, const wchar_t* name)
{
    testinput::MoveMouseAndWait(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
    testpump::PumpUntil([pMenuBar] { return pMenuBar->GetSelectedIndex() == -1; });
    testpump::PumpUntilIdle();
    testshot::Image shot = testshot::CaptureScreen(WindowRectOf(pMenuBar));
    testshot::Save(shot, name);
    return shot;
}

// Drags the menu bar from the point to the other; whether it then lies there.
bool DragMenuBar(CXTPMenuBar* pMenuBar, CPoint ptFrom, CPoint ptTo, XTPBarPosition position)
{
    if (!testinput::MoveMouseAndWait(ptFrom))
        return false;
    testinput::QueueDrag(ptFrom, ptTo, 8);
    if (!testpump::PumpUntil([&] { return pMenuBar->GetPosition() == position; }))
        return false;
    testpump::PumpUntilIdle();
    return true;
}

// By the docked bar's gripper into the middle of the frame's view.
bool FloatByGripper(CMainFrame* pFrame, CXTPMenuBar* pMenuBar)
{
    const CRect rcDocked = WindowRectOf(pMenuBar);
    const CRect rcView = WindowRectOf(frametest::ViewOf(pFrame));
    return DragMenuBar(pMenuBar, CPoint(rcDocked.left + 3, rcDocked.CenterPoint().y),
                       CPoint(rcView.left + 120, rcView.CenterPoint().y), xtpBarFloating);
}

// By the floating bar's caption, grabbed near its left edge, to the point at
// the frame's top; the frame laid out afresh.
bool DockByCaption(CMainFrame* pFrame, CXTPMenuBar* pMenuBar, CPoint ptTo)
{
    const CRect rcFloating = WindowRectOf(pMenuBar);
    if (!DragMenuBar(pMenuBar, CPoint(rcFloating.left + 12, rcFloating.top + 8), ptTo, xtpBarTop))
        return false;
    pFrame->RecalcLayout();
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

// The gripper drawn in the bar's first pixels as before it floated.
void ExpectGripperAsBefore(const testshot::Image& before, const testshot::Image& after)
{
    EXPECT_EQ(0, CountChangedPixels(before, after, 0, 9)) << "the gripper is not drawn as before";
    EXPECT_GE(GripperDots(after), 4) << "no gripper drawn";
}

} // namespace

TEST_F(FrameBars, MenuBarFloatedAndDockedAgainShowsItsGripperAndNothingAfterItsLastTitle)
{
    ShowFrame();
    CXTPMenuBar* pMenuBar = MenuBar();
    CXTPDockBar* pTop = pFrame->GetCommandBars()->GetDockBar(xtpBarTop);
    const CRect rcDocked = WindowRectOf(pMenuBar);
    const int nTitles = pMenuBar->GetControlCount();
    ASSERT_GE(nTitles, 1);
    const testshot::Image before = ShotOfMenuBar(pMenuBar, L"app_menubar_before_floating.png");

    ASSERT_TRUE(FloatByGripper(pFrame, pMenuBar)) << "the menu bar did not float";
    EXPECT_EQ(pMenuBar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND), nullptr)
        << "a floating menu bar has no expand button";
    testshot::Save(testshot::CaptureWindow(pMenuBar->GetSafeHwnd()), L"app_menubar_floating.png");
    const CRect rcTop = WindowRectOf(pTop);
    ASSERT_TRUE(DockByCaption(pFrame, pMenuBar, CPoint(rcTop.left + 40, rcTop.top + 2)))
        << "the menu bar did not dock again";

    const CRect rcAgain = WindowRectOf(pMenuBar);
    EXPECT_LE(rcAgain.bottom, WindowRectOf(ToolBar()).top) << "the menu bar is back in a row of its own";
    EXPECT_EQ(rcDocked.Size(), rcAgain.Size());

    // Nothing of the bar's own after its last title.
    const CRect rcLast = pMenuBar->GetControl(nTitles - 1)->GetRect();
    for (int i = nTitles; i < pMenuBar->GetControlCount(); i++)
        EXPECT_FALSE(pMenuBar->GetControl(i)->IsVisible()) << "control " << pMenuBar->GetControl(i)->GetID();

    const testshot::Image after = ShotOfMenuBar(pMenuBar, L"app_menubar_docked_again.png");
    ASSERT_EQ(before.width, after.width);
    ASSERT_EQ(before.height, after.height);
    // After "Hilfe" the bar's background as before, no box, no arrow.
    EXPECT_EQ(0, CountChangedPixels(before, after, rcLast.right + 1, after.width))
        << "something is drawn after the last title";
    ExpectGripperAsBefore(before, after);
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
        ASSERT_TRUE(DockByCaption(pFrame, pMenuBar, drop.ptTo)) << "the menu bar did not dock again";
        const CRect rcRow = WindowRectOf(pMenuBar->GetDockBar());
        const CRect rcAgain = WindowRectOf(pMenuBar);
        EXPECT_EQ(rcRow.left, rcAgain.left) << "the bar begins where its row does";
        EXPECT_LE(rcAgain.right, rcRow.right);

        const testshot::Image after = ShotOfMenuBar(pMenuBar, drop.shot);
        ASSERT_EQ(before.height, after.height);
        ExpectGripperAsBefore(before, after);
        // The gripper in view is the bar's handle again.
        ASSERT_TRUE(FloatByGripper(pFrame, pMenuBar)) << "the gripper does not float the bar";
    }
}

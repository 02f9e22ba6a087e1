// The frame's toolbar dragged by its gripper off its row and docked again by
// a double click on its caption: it comes back to its own row below the menu
// bar, and the frame's top looks as it did.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

using namespace barstest;

namespace {

// The band of both bars as the screen shows it with the pointer away.
testshot::Image ShotOfBars(const CRect& rcBand, const wchar_t* name)
{
    testinput::MoveMouseAndWait(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
    testpump::PumpUntilIdle();
    testshot::Image shot = testshot::CaptureScreen(rcBand);
    testshot::Save(shot, name);
    return shot;
}

int CountChangedPixels(const testshot::Image& before, const testshot::Image& after)
{
    int n = 0;
    for (int y = 0; y < after.height; y++)
        for (int x = 0; x < after.width; x++)
            n += before.Pixel(x, y) != after.Pixel(x, y) ? 1 : 0;
    return n;
}

} // namespace

TEST_F(FrameBars, ToolBarDraggedOffAndDockedByADoubleClickComesBackBelowTheMenuBar)
{
    ShowFrame();
    CXTPToolBar* pToolBar = ToolBar();
    CXTPMenuBar* pMenuBar = MenuBar();
    const CRect rcMenu = WindowRectOf(pMenuBar), rcTool = WindowRectOf(pToolBar);
    ASSERT_GE(rcTool.top, rcMenu.bottom) << "the toolbar starts in the row below the menu bar";
    const CRect rcBand(rcMenu.left, rcMenu.top, rcMenu.right, rcTool.bottom);
    const testshot::Image before = ShotOfBars(rcBand, L"app_toolbar_before_floating.png");

    // Off by its gripper into the middle of the view.
    const CRect rcView = WindowRectOf(frametest::ViewOf(pFrame));
    const CPoint ptGripper(rcTool.left + 3, rcTool.CenterPoint().y);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptGripper));
    testinput::QueueDrag(ptGripper, CPoint(rcView.left + 120, rcView.CenterPoint().y), 8);
    ASSERT_TRUE(testpump::PumpUntil([&] { return pToolBar->GetPosition() == xtpBarFloating; }))
        << "the toolbar did not float";
    testpump::PumpUntilIdle();

    // Back by a double click on its caption.
    const CRect rcFloating = WindowRectOf(pToolBar);
    testinput::DoubleClickAt(CPoint(rcFloating.left + 12, rcFloating.top + 8));
    ASSERT_TRUE(testpump::PumpUntil([&] { return pToolBar->GetPosition() == xtpBarTop; }))
        << "the double click did not dock the toolbar";
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();

    EXPECT_EQ(rcMenu, WindowRectOf(pMenuBar)) << "the menu bar moved";
    EXPECT_EQ(rcTool, WindowRectOf(pToolBar)) << "the toolbar is not back in its own row below the menu bar";
    const testshot::Image after = ShotOfBars(rcBand, L"app_toolbar_docked_again_by_double_click.png");
    ASSERT_EQ(before.width, after.width);
    ASSERT_EQ(before.height, after.height);
    EXPECT_EQ(0, CountChangedPixels(before, after)) << "the frame's top does not look as before";
    // The menu bar's first title and the toolbar's first icon where they were.
    const COLORREF face = ::GetSysColor(COLOR_3DFACE);
    int nMenuText = 0, nToolIcon = 0;
    for (int y = 0; y < rcMenu.Height(); y++)
        for (int x = 8; x < 60; x++)
            nMenuText += after.Pixel(x, y) != face ? 1 : 0;
    for (int y = rcTool.top - rcMenu.top; y < after.height; y++)
        for (int x = 12; x < 44; x++)
            nToolIcon += after.Pixel(x, y) != face ? 1 : 0;
    EXPECT_GT(nMenuText, 20) << "no title in the menu bar's row";
    EXPECT_GT(nToolIcon, 200) << "no icon in the toolbar's row";
}

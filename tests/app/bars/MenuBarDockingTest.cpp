// The frame's menu bar docks like a bar of its own row: it spans the top row
// with a gripper the user can drag it by, and with "DblClickFloat" on a
// double click on that gripper floats it.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

using namespace barstest;

TEST_F(FrameBars, MenuBarSpansTheTopRowWithAGripperAndFloatsOnADoubleClick)
{
    ShowFrame();
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    CXTPDockBar* pTop = pCommandBars->GetDockBar(xtpBarTop);
    CRect rcTop, rcMenu, rcToolBar;
    pTop->GetWindowRect(&rcTop);
    MenuBar()->GetWindowRect(&rcMenu);
    ToolBar()->GetWindowRect(&rcToolBar);
    EXPECT_EQ(rcMenu.left, rcTop.left);
    EXPECT_EQ(rcMenu.right, rcTop.right) << "the menu bar ends before the row does";
    EXPECT_LE(rcMenu.bottom, rcToolBar.top) << "the toolbar has a row of its own below";

    // The gripper: the Whidbey look's dotted column at the bar's left edge.
    testshot::Image shot = testshot::CaptureWindow(MenuBar()->GetSafeHwnd());
    testshot::Save(shot, L"app_menubar_gripper.png");
    const COLORREF clrBack = shot.Pixel(1, 1);
    int nGripDots = 0;
    for (int y = 2; y < shot.height - 2; y++)
        for (int x = 2; x < 8; x++)
            nGripDots += shot.Pixel(x, y) != clrBack ? 1 : 0;
    EXPECT_GE(nGripDots, 4) << "no gripper drawn";
    // The titles begin after the gripper: no text over it.
    int nDark = 0;
    for (int y = 0; y < shot.height; y++)
        for (int x = 0; x < 9; x++)
            nDark += GetRValue(shot.Pixel(x, y)) < 0x60 && GetGValue(shot.Pixel(x, y)) < 0x60 ? 1 : 0;
    EXPECT_EQ(nDark, 0) << "a title covers the gripper";

    pCommandBars->GetOptions()->bDblClickFloat = TRUE;
    CPoint pt(4, rcMenu.Height() / 2);
    MenuBar()->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
    testpump::PumpUntilIdle();
    EXPECT_EQ(MenuBar()->GetPosition(), xtpBarFloating);
    EXPECT_EQ(pTop->FindBar(MenuBar()), -1);
}

// The frame's toolbar floated by its gripper follows the system's menu font
// at once when it changes: its window takes the bar's new layout without a
// drag, every button inside.
#include <gtest/gtest.h>

#include <algorithm>

#include "BarsTestSupport.h"
#include "support/ChangedMenuFont.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

using namespace barstest;

namespace {

// Pixels of the rectangle darker than mid grey: the captions' letters.
int CountDarkPixels(const testshot::Image& shot, const CRect& rc)
{
    int n = 0;
    for (int y = std::max(0L, rc.top); y < std::min<LONG>(shot.height, rc.bottom); y++)
        for (int x = std::max(0L, rc.left); x < std::min<LONG>(shot.width, rc.right); x++) {
            COLORREF c = shot.Pixel(x, y);
            n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 0x60 ? 1 : 0;
        }
    return n;
}

} // namespace

TEST_F(FrameBars, FloatingToolBarTakesTheLayoutOfARaisedMenuFontAtOnce)
{
    ShowFrame();
    CXTPToolBar* pToolBar = ToolBar();
    const CRect rcTool = WindowRectOf(pToolBar);

    // Off by its gripper into the middle of the view.
    const CRect rcView = WindowRectOf(frametest::ViewOf(pFrame));
    const CPoint ptGripper(rcTool.left + 3, rcTool.CenterPoint().y);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptGripper));
    testinput::QueueDrag(ptGripper, CPoint(rcView.left + 40, rcView.top + 60), 8);
    ASSERT_TRUE(testpump::PumpUntil([&] { return pToolBar->GetPosition() == xtpBarFloating; }))
        << "the toolbar did not float";
    testinput::MoveMouseAndWait(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
    CXTPToolBar* pUserBar = AddFloatingUserBar();
    ASSERT_NE(nullptr, pUserBar);
    pUserBar->SetWindowPos(nullptr, 300, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    testpump::PumpUntilIdle();
    const CSize szBefore = WindowRectOf(pToolBar).Size();
    const CSize szUserBefore = WindowRectOf(pUserBar).Size();

    testmetrics::CChangedMenuFont font(-20, true);
    ASSERT_TRUE(font.Changed());
    // No pumping: the change is laid out while it is told.
    const CRect rcAfter = WindowRectOf(pToolBar);
    const CSize szLayout = pToolBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    EXPECT_EQ(szLayout, rcAfter.Size()) << "the floating window keeps its old size";
    EXPECT_GT(rcAfter.Width(), szBefore.cx) << "the larger font gives no wider bar";
    const CSize szUser = WindowRectOf(pUserBar).Size();
    EXPECT_EQ(pUserBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH), szUser) << "the user's bar keeps its old size";
    EXPECT_NE(szUserBefore, szUser) << "the user's bar did not follow the font";

    CRect rcClient;
    pToolBar->GetClientRect(&rcClient);
    CXTPControl* pRightmost = nullptr;
    for (int i = 0; i < pToolBar->GetControlCount(); i++) {
        CXTPControl* pControl = pToolBar->GetControl(i);
        if (!pControl->IsVisible())
            continue;
        CRect rc = pControl->GetRect();
        EXPECT_TRUE(rc.left >= 0 && rc.right <= rcClient.right && rc.bottom <= rcClient.bottom)
            << "button " << pControl->GetID() << " lies outside the window";
        const bool bCaptioned = pControl->GetStyle() == xtpButtonIconAndCaption && !pControl->GetCaption().IsEmpty();
        if (bCaptioned && (pRightmost == nullptr || rc.left > pRightmost->GetRect().left))
            pRightmost = pControl;
    }
    ASSERT_NE(nullptr, pRightmost);

    testpump::PumpUntilIdle();
    testshot::Image shot = testshot::CaptureScreen(rcAfter);
    testshot::Save(shot, L"app_floating_toolbar_raised_menu_font.png");
    // The last captioned button's letters show inside the window, in the
    // larger font: taller than the old font's letters could be.
    CRect rcButton = pRightmost->GetRect();
    pToolBar->ClientToScreen(&rcButton);
    rcButton.OffsetRect(-rcAfter.left, -rcAfter.top);
    EXPECT_GT(CountDarkPixels(shot, rcButton), 40) << "no caption in the last button";
    int nTop = shot.height, nBottom = -1;
    for (int y = rcButton.top; y < rcButton.bottom; y++)
        if (CountDarkPixels(shot, CRect(rcButton.left + 36, y, rcButton.right - 2, y + 1)) > 0) {
            nTop = std::min(nTop, y);
            nBottom = std::max(nBottom, y);
        }
    EXPECT_GE(nBottom - nTop + 1, 13) << "the caption is not in the raised font";
}

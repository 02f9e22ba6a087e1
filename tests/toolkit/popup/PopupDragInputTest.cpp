// Dragging a popup with real mouse input: the popup follows every step of
// the pointer until the button goes up, also when the press comes while it
// still fades in and under a window manager that moves the focus about when
// the focused window moves; a press and release without a move is no move.
#include <gtest/gtest.h>

#include <vector>

#include "PopupTestSupport.h"
#include "support/ManagerFocusOnMove.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/common/popup/XTPPopupItem.h"

using namespace popuptest;

namespace {

class PopupDragInput : public testing::Test
{
protected:
    void SetUp() override
    {
        ParkCursor();
        ASSERT_TRUE(owner.CreateOwner());
        // The window the user works in, active before the popup comes.
        owner.SetWindowPos(nullptr, 100, 100, 300, 200, SWP_NOZORDER | SWP_SHOWWINDOW);
        ::SetForegroundWindow(owner.GetSafeHwnd());
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        // Laid out as an alert: two text lines that are neither links nor
        // buttons, so a press on them drags.
        popup.SetPopupSize(CSize(329, 74));
        popup.SetPopupPos(CPoint(work.right - 100, work.bottom - 100));
        popup.SetPopupAnimation(xtpPopupAnimationFade);
        popup.SetAnimateDelay(500);
        popup.SetTransparency(200);
        popup.SetShowDelay(0);
        popup.AllowMove(TRUE);
        popup.AddItem(new CXTPPopupItem(CRect(46, 29, 270, 54), L"Berlin: Deutschland - Ecuador"))->SetHyperLink(FALSE);
        popup.AddItem(new CXTPPopupItem(CRect(46, 42, 270, 92), L"Category: 1  Resale"))->SetHyperLink(FALSE);
    }
    void TearDown() override
    {
        popup.Close();
        owner.DestroyWindow();
        testinput::MoveMouseAndWait({5, 5});
    }

    CRect WindowRect() const
    {
        CRect rc;
        ::GetWindowRect(popup.GetSafeHwnd(), &rc);
        return rc;
    }

    // Presses on the second text line, moves n steps of (dx, dy), releases.
    bool Drag(int nSteps, int dx, int dy)
    {
        const POINT from = testinput::ClientToScreenPoint(popup.GetSafeHwnd(), 150, 50);
        std::vector<POINT> path;
        for (int i = 1; i <= nSteps; ++i)
            path.push_back({from.x + dx * i, from.y + dy * i});
        owner.events.clear();
        return testinput::DragInLoop(owner.GetSafeHwnd(), from, path);
    }

    int MoveEvents() const
    {
        int n = 0;
        for (const Event& e : owner.events)
            n += e.code == XTP_PCN_POSCHANGED ? 1 : 0;
        return n;
    }

    COwner owner;
    CXTPPopupControl popup;
    CRect work;
};

} // namespace

TEST_F(PopupDragInput, FollowsEveryStepUntilTheButtonGoesUp)
{
    ASSERT_TRUE(popup.Show(&owner));
    ASSERT_TRUE(testpump::PumpUntil([&] { return popup.GetPopupState() == xtpPopupStateShow; }));
    testpump::PumpUntilIdle();
    const CRect rcBefore = WindowRect();
    testwm::CManagerFocusOnMove manager;
    ASSERT_TRUE(manager.IsActive());

    ASSERT_TRUE(Drag(15, -4, -4));
    CRect rcExpected(rcBefore);
    rcExpected.OffsetRect(-60, -60);
    EXPECT_EQ(WindowRect(), rcExpected) << "small steps";
    EXPECT_EQ(popup.GetPopupPos(), rcExpected.BottomRight());
    EXPECT_EQ(MoveEvents(), 1);
    EXPECT_NE(::GetCapture(), popup.GetSafeHwnd());
    EXPECT_EQ(::GetForegroundWindow(), owner.GetSafeHwnd()) << "the user's window stays active";

    ASSERT_TRUE(Drag(30, -10, 0));
    rcExpected.OffsetRect(-300, 0);
    EXPECT_EQ(WindowRect(), rcExpected) << "long steps";
    EXPECT_EQ(popup.GetPopupPos(), rcExpected.BottomRight());
}

TEST_F(PopupDragInput, APressWhileFadingInDragsTheShownPopup)
{
    ASSERT_TRUE(popup.Show(&owner));
    ASSERT_EQ(popup.GetPopupState(), xtpPopupStateExpanding);
    const CRect rcBefore = WindowRect();
    testwm::CManagerFocusOnMove manager;

    ASSERT_TRUE(Drag(10, -5, -3));
    EXPECT_EQ(popup.GetPopupState(), xtpPopupStateShow) << "the press ends the fade";
    CRect rcExpected(rcBefore);
    rcExpected.OffsetRect(-50, -30);
    EXPECT_EQ(WindowRect(), rcExpected);
    EXPECT_EQ(popup.GetPopupPos(), rcExpected.BottomRight());
    EXPECT_EQ(MoveEvents(), 1);
}

TEST_F(PopupDragInput, AClickOrADragBackToTheStartIsNoMove)
{
    ASSERT_TRUE(popup.Show(&owner));
    ASSERT_TRUE(testpump::PumpUntil([&] { return popup.GetPopupState() == xtpPopupStateShow; }));
    testpump::PumpUntilIdle();
    const CRect rcBefore = WindowRect();
    const CPoint ptPos = popup.GetPopupPos();

    ASSERT_TRUE(Drag(0, 0, 0));
    EXPECT_EQ(WindowRect(), rcBefore);
    EXPECT_EQ(popup.GetPopupPos(), ptPos);
    EXPECT_EQ(MoveEvents(), 0) << "a plain click";

    const POINT from = testinput::ClientToScreenPoint(popup.GetSafeHwnd(), 150, 50);
    owner.events.clear();
    ASSERT_TRUE(testinput::DragInLoop(owner.GetSafeHwnd(), from, {{from.x - 20, from.y}, {from.x, from.y}}));
    EXPECT_EQ(WindowRect(), rcBefore);
    EXPECT_EQ(MoveEvents(), 0) << "there and back";
}

// The frame's toolbar, floating, dragged by its caption by a hand's moves
// down over the bottom dock bar, where it docks on the way, and on out below
// the frame: it floats there with the point pressed under the pointer.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

#include <string>
#include <vector>

using namespace barstest;

namespace {

// A drag by real input, one point of the path per timer tick as a hand moves
// (input goes to the window holding the capture when it is sent, so it is
// sent from inside the drag's loop); the button is let go a few ticks after
// the last point. The watch runs at every tick. The timer ends with it.
class CStepwiseDrag
{
public:
    CStepwiseDrag(POINT from, std::vector<POINT> path, std::function<void()> watch)
    {
        s_path = std::move(path);
        s_watch = std::move(watch);
        s_nAfterLast = 0;
        testinput::MoveMouseAndWait(from);
        testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, from);
        m_timer.Start(30, &CStepwiseDrag::Step);
    }
    ~CStepwiseDrag()
    {
        m_timer.Kill();
        s_path.clear();
        s_watch = nullptr;
    }
    CStepwiseDrag(const CStepwiseDrag&) = delete;
    CStepwiseDrag& operator=(const CStepwiseDrag&) = delete;
    // Pumps until the path was sent and the drag let the mouse go.
    bool Finish()
    {
        return testpump::PumpUntil([] { return s_nAfterLast > kHoldTicks && ::GetCapture() == nullptr; });
    }

private:
    static void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_nAfterLast > kHoldTicks)
            return;
        if (s_watch)
            s_watch();
        if (!s_path.empty()) {
            s_ptLast = s_path.front();
            s_path.erase(s_path.begin());
            testinput::MoveMouseTo(s_ptLast);
        } else if (++s_nAfterLast > kHoldTicks) {
            testinput::SendMouse(MOUSEEVENTF_LEFTUP, s_ptLast);
        }
    }
    static const int kHoldTicks = 5;
    static inline std::vector<POINT> s_path;
    static inline std::function<void()> s_watch;
    static inline POINT s_ptLast = {};
    static inline int s_nAfterLast = 0;
    testtimer::ThreadTimer m_timer;
};

std::string Edges(const CRect& rc)
{
    return std::to_string(rc.left) + ", " + std::to_string(rc.top) + ", " + std::to_string(rc.right) + ", " +
           std::to_string(rc.bottom);
}

} // namespace

TEST_F(FrameBars, ToolBarDraggedOverTheBottomDockAndOutBelowTheFrameKeepsThePointPressed)
{
    ShowFrame();
    CXTPToolBar* pToolBar = ToolBar();
    // Floated by its gripper into the view, away from the frame's sides.
    const CRect rcDocked = WindowRectOf(pToolBar);
    const CRect rcView = WindowRectOf(frametest::ViewOf(pFrame));
    const CPoint ptGripper(rcDocked.left + 3, rcDocked.CenterPoint().y);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptGripper));
    testinput::QueueDrag(ptGripper, CPoint(rcView.left + 150, rcView.top + 100), 8);
    ASSERT_TRUE(testpump::PumpUntil([&] { return pToolBar->GetPosition() == xtpBarFloating; }));
    testpump::PumpUntilIdle();

    // Pressed on its caption, right of its start, and down in steps of 10
    // pixels through the bottom dock bar to 120 pixels below the frame.
    const CRect rcStart = WindowRectOf(pToolBar);
    const CPoint ptPress(rcStart.left + 60, rcStart.top + 7);
    ASSERT_EQ(pToolBar->GetSafeHwnd(), ::WindowFromPoint(ptPress));
    CRect rcFrame;
    ::GetWindowRect(hFrame, &rcFrame);
    std::vector<POINT> path;
    for (LONG y = ptPress.y + 10; y < rcFrame.bottom + 120; y += 10)
        path.push_back({ptPress.x, y});
    path.push_back({ptPress.x, rcFrame.bottom + 120});
    const CPoint ptEnd = path.back();
    bool bDockedOnTheWay = false;
    {
        CStepwiseDrag drag(ptPress, path, [&] { bDockedOnTheWay |= pToolBar->GetPosition() == xtpBarBottom; });
        ASSERT_TRUE(drag.Finish()) << "the drag did not end";
    }
    testpump::PumpUntilIdle();
    ASSERT_TRUE(bDockedOnTheWay) << "the drag did not pass over the bottom dock bar";
    ASSERT_EQ(xtpBarFloating, pToolBar->GetPosition()) << "below the frame";

    const CRect rcEnd = WindowRectOf(pToolBar);
    const CSize pressed = ptPress - rcStart.TopLeft();
    EXPECT_EQ(Edges(CRect(ptEnd - pressed, rcStart.Size())), Edges(rcEnd)) << "the point pressed left the pointer";

    // The screen shows the bar there: its caption's colour in the middle of
    // the caption (past its title) and at its left end, the desktop beside it.
    testinput::MoveMouseAndWait(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
    testpump::PumpUntilIdle();
    CRect rcShot = rcEnd;
    rcShot.InflateRect(20, 20);
    const testshot::Image shot = testshot::CaptureScreen(rcShot);
    testshot::Save(shot, L"app_toolbar_dragged_out_below.png");
    const COLORREF clrCaption = shot.Pixel(20 + rcEnd.Width() / 2, pressed.cy + 20);
    EXPECT_EQ(clrCaption, shot.Pixel(20 + 4, pressed.cy + 20)) << "the caption's left end";
    EXPECT_NE(clrCaption, shot.Pixel(10, pressed.cy + 20)) << "the desktop left of the bar";
}

// The bar above the program's ticket pane, dragged with the mouse: the
// pane's top goes where the pointer lets the bar go, with the outline and
// live, up and down, and a drag past the games view's minimum stops there.
#include <gtest/gtest.h>
#include <climits>
#include <vector>

#include "TicketPaneFrameTest.h"
#include "support/TestInput.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"

using namespace frametest;

namespace {

class TicketPaneBarDrag : public CTicketPaneFrameTest
{
protected:
    TicketPaneBarDrag()
        : CTicketPaneFrameTest(L"tavrolin_pane_bar_drag", L"TicketPaneBarDragTestApp")
    {
    }

    CRect ScreenRect(HWND hWnd)
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        return rc;
    }
    HWND Group() { return static_cast<CXTPDockingPaneTabbedContainer*>(pPane->GetContainer())->m_hWnd; }

    // Drags the bar above the pane through the offsets given (from the
    // press); answers how far the pane's top moved.
    int DragBarAbovePane(const std::vector<int>& moves)
    {
        CRect group = ScreenRect(Group());
        POINT onBar = {group.CenterPoint().x, group.top - 2};
        auto* bar = dynamic_cast<CXTPDockingPaneSplitterWnd*>(CWnd::FromHandlePermanent(::WindowFromPoint(onBar)));
        EXPECT_NE(nullptr, bar);
        if (!bar)
            return INT_MIN;
        onBar.y = ScreenRect(bar->m_hWnd).top + 1;
        std::vector<POINT> path;
        for (int d : moves)
            path.push_back({onBar.x, onBar.y + d});
        EXPECT_TRUE(testinput::DragInLoop(pFrame->m_hWnd, onBar, path));
        Idle();
        EXPECT_EQ(nullptr, ::GetCapture());
        return ScreenRect(Group()).top - group.top;
    }

    void DragsUpDownAndToTheViewsMinimum()
    {
        const int bottom = ScreenRect(Group()).bottom;
        EXPECT_EQ(-60, DragBarAbovePane({-25, -80, -60})) << "up";
        EXPECT_EQ(40, DragBarAbovePane({10, 55, 40})) << "down";
        EXPECT_EQ(-150, DragBarAbovePane({-50, -150})) << "far up";
        EXPECT_EQ(bottom, ScreenRect(Group()).bottom) << "the pane's bottom stays";

        // Past the games view's minimum: the view keeps it, to the pixel,
        // and the pane reaches up to the bar.
        HWND view = ViewOf(pFrame)->m_hWnd;
        const int viewTop = ScreenRect(view).top;
        ASSERT_GT(ScreenRect(view).Height(), 60);
        const int moved = DragBarAbovePane({-50, -400});
        EXPECT_LT(moved, -30);
        EXPECT_EQ(pFrame->GetPaneManager().m_nSplitterGap, ScreenRect(view).Height());
        EXPECT_EQ(viewTop, ScreenRect(view).top);
        EXPECT_EQ(ScreenRect(view).bottom + pFrame->GetPaneManager().GetPaintManager()->GetSplitterSize(),
                  ScreenRect(Group()).top);
    }
};

} // namespace

TEST_F(TicketPaneBarDrag, WithTheOutlineThePaneTopFollowsTheMouse)
{
    ASSERT_TRUE(pFrame->GetPaneManager().m_bUseSplitterTracker) << "the program's own choice";
    DragsUpDownAndToTheViewsMinimum();
}

TEST_F(TicketPaneBarDrag, LiveThePaneTopFollowsTheMouse)
{
    pFrame->GetPaneManager().m_bUseSplitterTracker = FALSE;
    DragsUpDownAndToTheViewsMinimum();
}

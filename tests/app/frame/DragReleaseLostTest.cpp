// Drags in the program's frame whose release never reaches the program: it
// goes to another program's window. The ticket pane dragged by its caption
// and the toolbar dragged by its gripper both end at the last point the
// drag saw, without waiting for more input, and the click that follows
// lands where it was made, as a click.
#include <gtest/gtest.h>

#include "TicketPaneFrameTest.h"
#include "support/TestInput.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

using namespace frametest;

namespace {

class DragReleaseLost : public CTicketPaneFrameTest
{
protected:
    DragReleaseLost()
        : CTicketPaneFrameTest(L"tavrolin_drag_release_lost", L"DragReleaseLostTestApp")
    {
    }

    void SetUp() override
    {
        CTicketPaneFrameTest::SetUp();
        app.m_pMainWnd = pFrame;
        ::SetForegroundWindow(pFrame->m_hWnd);
        Idle();
    }

    // The button pressed at `from` and the mouse moved along the path;
    // the release goes to another program, and a click at `click` follows.
    bool DragLosingTheRelease(CPoint from, const std::vector<CPoint>& path, CPoint click)
    {
        if (!testinput::MoveMouseAndWait(from))
            return false;
        std::vector<POINT> points(path.begin(), path.end());
        const bool bSent = testinput::DragInLoopLosingTheRelease(pFrame->m_hWnd, from, points, DesktopPoint(), click);
        Idle();
        return bSent;
    }

    // Right of the frame, where no window of the program lies.
    CPoint DesktopPoint()
    {
        CRect rc;
        pFrame->GetWindowRect(&rc);
        return CPoint(rc.right + 100, rc.top + 100);
    }

    // A point of the match list, and whether a click there reached it.
    CPoint ListPoint()
    {
        CRect rc;
        ViewOf(pFrame)->m_report.GetWindowRect(&rc);
        return CPoint(rc.right - 80, rc.bottom - 30);
    }
    bool ListHasTheFocus() { return ::GetFocus() == ViewOf(pFrame)->m_report.m_hWnd; }
};

} // namespace

TEST_F(DragReleaseLost, APaneDragEndsWhereItWasAndTheLaterClickIsAClick)
{
    const CRect docked = CXTPDockingPaneContext::GetNodeScreenRect(pPane->GetContainer());
    CRect rcView;
    ViewOf(pFrame)->GetWindowRect(&rcView);
    const CPoint from(docked.left + 40, docked.top + 6);
    // Into the middle of the match list: no side near, the pane floats.
    const CPoint to(rcView.CenterPoint().x, rcView.top + 80);
    ASSERT_TRUE(DragLosingTheRelease(from, {CPoint(from.x, from.y - 20), CPoint(to.x, to.y + 40), to}, ListPoint()));

    EXPECT_EQ(nullptr, ::GetCapture()) << "the drag still runs";
    CWnd* pFloating = pPane->GetParentFrame();
    ASSERT_NE(pFloating, nullptr);
    ASSERT_NE(pFloating, static_cast<CWnd*>(pFrame)) << "the pane floats where the drag left it";
    CRect rcFloat;
    pFloating->GetWindowRect(&rcFloat);
    EXPECT_TRUE(rcFloat.PtInRect(to)) << rcFloat.left << "," << rcFloat.top;
    EXPECT_FALSE(rcFloat.PtInRect(ListPoint())) << "dropped at the later click";
    EXPECT_TRUE(ListHasTheFocus()) << "the later click did not reach the list";
}

TEST_F(DragReleaseLost, AToolBarDragEndsWhereItWasAndTheLaterClickIsAClick)
{
    CXTPToolBar* pToolBar = pFrame->GetStandardToolBar();
    ASSERT_NE(pToolBar, nullptr);
    CRect rcBar, rcView;
    pToolBar->GetWindowRect(&rcBar);
    ViewOf(pFrame)->GetWindowRect(&rcView);
    const CPoint from(rcBar.left + 3, rcBar.CenterPoint().y);
    const CPoint to(rcView.left + 80, rcView.top + 120);
    ASSERT_TRUE(DragLosingTheRelease(from, {CPoint(from.x + 10, from.y + 30), CPoint(to.x, to.y - 30), to}, ListPoint()));

    EXPECT_EQ(nullptr, ::GetCapture()) << "the drag still runs";
    ASSERT_EQ(xtpBarFloating, pToolBar->GetPosition());
    CRect rcFloat;
    pToolBar->GetWindowRect(&rcFloat);
    EXPECT_TRUE(rcFloat.PtInRect(to)) << rcFloat.left << "," << rcFloat.top;
    EXPECT_FALSE(rcFloat.PtInRect(ListPoint())) << "the bar followed the pointer to the later click";
    EXPECT_TRUE(ListHasTheFocus()) << "the later click did not reach the list";

    // The mouse moves on with no button held: the bar stays.
    const CRect rcBefore = rcFloat;
    ASSERT_TRUE(testinput::MoveMouseAndWait(CPoint(rcView.CenterPoint())));
    testpump::PumpUntilIdle(200);
    pToolBar->GetWindowRect(&rcFloat);
    EXPECT_EQ(rcBefore, rcFloat) << "the bar follows the pointer";
}

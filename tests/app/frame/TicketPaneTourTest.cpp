// The ticket pane of the program's own frame moved around by the mouse:
// floated, docked at each side, its bar dragged. After each move the
// match list fills everything beside the pane, and the screen shows what
// the windows draw now: no picture of a place the pane left stays between
// the match list and the pane.
#include <gtest/gtest.h>

#include <string>

#include "ProgramFrameTest.h"
#include "app/AppTestSupport.h"
#include "engine/db/CDatabaseManager.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/report/records/XTPReportRecords.h"

namespace {

class TicketPaneTour : public CProgramFrameTest
{
protected:
    TicketPaneTour()
        : CProgramFrameTest(L"TicketPaneTourTestApp", L"TavrolinTicketPaneTourTest", L"tavrolin_pane_tour")
    {
    }

    // The program's frame shown with the match list and, docked at the
    // bottom, the ticket pane with one offer.
    void SetUp() override
    {
        CProgramFrameTest::SetUp();
        if (HasFatalFailure())
            return;
        CDatabaseManager& database = CDatabaseManager::GetInstance();
        ASSERT_GT(database.AddOffer(COleDateTime(2006, 6, 9, 18, 0, 0), 1, 2), 0);
        database.SetContentsChanged(TRUE);
        ASSERT_NO_FATAL_FAILURE(Start());
        pFrame->GetPaneManager().ShowPane(IDP_TICKETS, FALSE);
        pFrame->SetWindowPos(nullptr, 10, 10, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
        ::SetForegroundWindow(pFrame->m_hWnd);
        AppIdle();
        pPane = pFrame->GetPaneManager().FindPane(IDP_TICKETS);
        ASSERT_NE(pPane, nullptr);
        ASSERT_EQ(1, pFrame->GetTicketReport().GetRecords()->GetCount());
    }

    // The program's loop once the queue has run dry: its idle pass (the
    // delayed layouts), then what the idle pass posted and the paints.
    void AppIdle()
    {
        testpump::PumpUntilIdle();
        for (LONG n = 0; app.OnIdle(n); n++)
            ;
        testpump::PumpUntilIdle();
    }

    CXTPDockingPaneManager& Manager() { return pFrame->GetPaneManager(); }
    CRect ScreenRect(CXTPDockingPaneBase* node) { return CXTPDockingPaneContext::GetNodeScreenRect(node); }
    CRect TopRect() { return ScreenRect(Manager().GetLayout()->GetTopContainer()); }
    CXTPDockingPaneTabbedContainer* Group()
    {
        return static_cast<CXTPDockingPaneTabbedContainer*>(pPane->GetContainer());
    }
    bool IsFloating() { return pPane->GetParentFrame() != static_cast<CWnd*>(pFrame); }

    // The docked pane's caption dragged to a point of the screen.
    void DragCaption(POINT to)
    {
        const CRect docked = ScreenRect(Group());
        const POINT caption = {docked.left + 20, docked.top + 6};
        ASSERT_TRUE(testinput::DragInLoop(pFrame->m_hWnd, caption, {{caption.x + 40, caption.y}, to}));
        AppIdle();
    }

    // The floating pane's frame dragged by its caption.
    void DragFloating(POINT to)
    {
        CWnd* pFloating = pPane->GetParentFrame();
        ASSERT_TRUE(IsFloating());
        CRect rc;
        pFloating->GetWindowRect(&rc);
        const POINT caption = {rc.left + 40, rc.top + 6};
        ASSERT_TRUE(testinput::DragInLoop(pFloating->m_hWnd, caption, {{caption.x - 40, caption.y}, to}));
        AppIdle();
    }

    // A point just beyond the docked area's edge at `side`.
    POINT EdgePoint(int side)
    {
        const CRect top = TopRect();
        const CPoint centre = top.CenterPoint();
        const POINT points[] = {{top.left - 2, centre.y}, {top.right + 2, centre.y}, {centre.x, top.top - 2},
                                {centre.x, top.bottom + 2}};
        return points[side];
    }

    // Floated by a double click on its caption and docked at `side` by a
    // drag of its floating frame: a container made anew, above the view.
    void FloatAndDockBack(int side)
    {
        const CRect docked = ScreenRect(Group());
        testinput::DoubleClickAt({docked.left + 20, docked.top + 6});
        ASSERT_TRUE(testpump::PumpUntil([&] { return IsFloating(); })) << "floated by the double click";
        AppIdle();
        DragFloating(EdgePoint(side));
        ASSERT_FALSE(IsFloating());
    }

    // The docked area on screen is what its windows draw when asked
    // afresh: a picture left behind differs. The area as it was shown.
    testshot::Image ExpectDockedAreaDrawnAfresh(const std::wstring& step)
    {
        const CRect top = TopRect();
        const testshot::Image shown = testshot::CaptureScreen(top);
        ::RedrawWindow(pFrame->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testpump::PumpUntilIdle();
        const testshot::Image fresh = testshot::CaptureScreen(top);
        EXPECT_EQ(shown.bgra.size(), fresh.bgra.size());
        // Rows of pixels that differ from the fresh picture.
        int stale = 0;
        for (int y = 0; y < shown.height && y < fresh.height; y++)
        {
            for (int x = 0; x < shown.width && x < fresh.width; x++)
            {
                if (shown.Pixel(x, y) != fresh.Pixel(x, y))
                {
                    stale++;
                    break;
                }
            }
        }
        if (stale > 0)
            testshot::Save(shown, L"app_ticket_pane_tour_stale_" + step + L".png");
        EXPECT_EQ(0, stale) << "rows of the docked area on screen that its windows no longer draw";
        return shown;
    }

    // Docked at `side`: the pane and the match list share the docked area
    // with a bar between them, and the area is drawn afresh.
    void ExpectDockedBesideFreshMatchList(int side, const std::wstring& step)
    {
        SCOPED_TRACE(std::string(step.begin(), step.end()));
        ASSERT_FALSE(IsFloating());
        ASSERT_EQ(side, Manager().GetPaneDirection(pPane));
        CRect rcView, rcPane;
        pView->GetWindowRect(&rcView);
        ::GetWindowRect(Group()->m_hWnd, &rcPane);
        const CRect top = TopRect();
        const int gap = Manager().GetPaintManager()->GetSplitterSize();
        CRect expected = top;
        switch (side)
        {
        case xtpPaneDockLeft: expected.left = rcPane.right + gap; break;
        case xtpPaneDockRight: expected.right = rcPane.left - gap; break;
        case xtpPaneDockTop: expected.top = rcPane.bottom + gap; break;
        default: expected.bottom = rcPane.top - gap; break;
        }
        EXPECT_EQ(expected, rcView) << "the match list fills everything beside the pane";
        const testshot::Image shown = ExpectDockedAreaDrawnAfresh(step);
        // The match list right beside the pane, on screen: lines of text
        // (a dead picture of the pane's selected row left none there).
        CRect band = rcView;
        band.OffsetRect(-top.left, -top.top);
        switch (side)
        {
        case xtpPaneDockLeft: band.right = band.left + 60; break;
        case xtpPaneDockRight: band.left = band.right - 60; break;
        case xtpPaneDockTop: band.bottom = band.top + 60; break;
        default: band.top = band.bottom - 60; break;
        }
        band.DeflateRect(4, 4);
        EXPECT_GT(apptest::CountPixels(shown, band, apptest::IsDark), 20) << "the match list's rows beside the pane";
    }

    CXTPDockingPane* pPane = nullptr;
};

} // namespace

// As a user tried it: floated by a double click, moved below the frame,
// docked at the left, its bar dragged, then docked right, at the top and
// back at the bottom.
TEST_F(TicketPaneTour, FloatedDockedLeftBarDraggedThenRightTopAndBottom)
{
    CRect docked = ScreenRect(Group());
    testinput::DoubleClickAt({docked.left + 20, docked.top + 6});
    ASSERT_TRUE(testpump::PumpUntil([&] { return IsFloating(); })) << "floated by the double click";
    AppIdle();
    CRect frame;
    pFrame->GetWindowRect(&frame);
    DragFloating({frame.CenterPoint().x, frame.bottom + 80});
    ASSERT_TRUE(IsFloating());

    DragFloating(EdgePoint(xtpPaneDockLeft));
    ExpectDockedBesideFreshMatchList(xtpPaneDockLeft, L"left");

    const CRect pane = ScreenRect(Group());
    const POINT onBar = {pane.right + 2, pane.CenterPoint().y};
    ASSERT_TRUE(testinput::DragInLoop(pFrame->m_hWnd, onBar, {{onBar.x + 100, onBar.y}, {onBar.x + 200, onBar.y}}));
    AppIdle();
    EXPECT_EQ(pane.Width() + 200, ScreenRect(Group()).Width()) << "the bar moved";
    ExpectDockedBesideFreshMatchList(xtpPaneDockLeft, L"bar");

    DragCaption(EdgePoint(xtpPaneDockRight));
    ExpectDockedBesideFreshMatchList(xtpPaneDockRight, L"right");
    DragCaption(EdgePoint(xtpPaneDockTop));
    ExpectDockedBesideFreshMatchList(xtpPaneDockTop, L"top");
    DragCaption(EdgePoint(xtpPaneDockBottom));
    ExpectDockedBesideFreshMatchList(xtpPaneDockBottom, L"bottom");

    testshot::Save(testshot::CaptureScreen(frame), L"app_ticket_pane_tour.png");
}

// Floated and docked back at the bottom by its floating frame, then round
// every side of the frame's edge: the pane and the match list trade
// places each time, in the same sizes.
TEST_F(TicketPaneTour, DockedBackFromFloatingThenRoundEverySide)
{
    ASSERT_NO_FATAL_FAILURE(FloatAndDockBack(xtpPaneDockBottom));
    ExpectDockedBesideFreshMatchList(xtpPaneDockBottom, L"short_bottom");
    const struct
    {
        int side;
        const wchar_t* name;
    } steps[] = {{xtpPaneDockTop, L"short_top"},   {xtpPaneDockBottom, L"short_bottom_again"},
                 {xtpPaneDockLeft, L"short_left"}, {xtpPaneDockRight, L"short_right"},
                 {xtpPaneDockLeft, L"short_left_again"}};
    for (const auto& step : steps)
    {
        DragCaption(EdgePoint(step.side));
        ExpectDockedBesideFreshMatchList(step.side, step.name);
    }
}


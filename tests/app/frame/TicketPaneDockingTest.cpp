// The program's ticket pane in the real main frame: floated and dragged back
// to each side by the mouse it still shows its report, docked so it floats
// again on a double click of its caption, and a change of the system colours
// reaches its caption.
#include <gtest/gtest.h>

#include <string>

#include "TicketPaneFrameTest.h"
#include "app/AppTestSupport.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"

using namespace frametest;

namespace {

class TicketPaneDocking : public CTicketPaneFrameTest
{
protected:
    TicketPaneDocking()
        : CTicketPaneFrameTest(L"tavrolin_pane_docking", L"TicketPaneDockingTestApp")
    {
    }

    CRect ScreenRect(CXTPDockingPaneBase* node) { return CXTPDockingPaneContext::GetNodeScreenRect(node); }

    bool IsFloating()
    {
        for (CXTPDockingPaneBase* up = pPane; up; up = up->GetContainer())
        {
            if (up->GetType() == xtpPaneTypeMiniWnd)
                return true;
        }
        return false;
    }
};

} // namespace

TEST_F(TicketPaneDocking, FloatedAndDraggedBackToEachSideTheReportShowsHeaderAndRow)
{
    CXTPReportControl& report = pFrame->GetTicketReport();
    const HWND hReport = report.GetSafeHwnd();
    const wchar_t* const names[] = {L"left", L"right", L"top", L"bottom"};
    for (int side : {xtpPaneDockLeft, xtpPaneDockRight, xtpPaneDockTop, xtpPaneDockBottom})
    {
        SCOPED_TRACE(side);
        // The caption dragged out of the frame floats the pane.
        CRect docked = ScreenRect(pPane->GetContainer());
        POINT caption = {docked.left + 20, docked.top + 6};
        testinput::DragInLoop(pFrame->m_hWnd, caption, {{caption.x + 40, caption.y}, {1000, 850}});
        ASSERT_TRUE(IsFloating());

        // The floating frame's caption dragged 10 pixels inside the side of the view.
        CWnd* pFloating = pPane->GetParentFrame();
        ASSERT_NE(pFloating, nullptr);
        CRect rcFloating;
        pFloating->GetWindowRect(&rcFloating);
        caption = {rcFloating.left + 40, rcFloating.top + 6};
        const CRect view = ScreenRect(pFrame->GetPaneManager().GetLayout()->GetClientPane());
        const CPoint centre = view.CenterPoint();
        const POINT to[] = {{view.left + 10, centre.y}, {view.right - 10, centre.y}, {centre.x, view.top + 10},
                            {centre.x, view.bottom - 10}};
        testinput::DragInLoop(pFrame->m_hWnd, caption, {{caption.x - 40, caption.y}, to[side]});
        Idle();
        ASSERT_FALSE(IsFloating());
        EXPECT_EQ(side, pFrame->GetPaneManager().GetPaneDirection(pPane));

        ASSERT_TRUE(::IsWindow(hReport)) << "the report outlived the floating frame";
        EXPECT_EQ(hReport, pPane->GetHwnd());
        EXPECT_TRUE(::IsWindowVisible(hReport));
        const testshot::Image shot = testshot::CaptureWindow(hReport);
        testshot::Save(testshot::CaptureWindow(pFrame->m_hWnd),
                       std::wstring(L"app_ticket_pane_docked_back_") + names[side] + L".png");
        ASSERT_GT(shot.width, 100);
        // Column captions in the header, the offer's texts in its row.
        CXTPReportColumn* pFirst = report.GetColumns()->Find(0);
        const CRect rcRow = report.GetRows()->GetAt(0)->GetRect();
        const CRect rcHeader(0, 0, shot.width, rcRow.top);
        EXPECT_GE(rcRow.top, 10) << "a header above the row";
        EXPECT_GT(apptest::CountPixels(shot, rcHeader, apptest::IsDark), 40) << "the header's captions";
        EXPECT_GT(apptest::CountPixels(shot, rcRow,
                                       [](COLORREF c) { return apptest::IsDark(c) || apptest::IsBlueish(c); }),
                  40)
            << "the row's texts";
        EXPECT_GT(pFirst->GetRect().Width(), 0);
    }
}

TEST_F(TicketPaneDocking, SystemColourChangeRepaintsThePaneCaption)
{
    auto* pContainer = static_cast<CXTPDockingPaneTabbedContainer*>(pPane->GetContainer());
    const HWND hContainer = pContainer->GetSafeHwnd();
    ASSERT_NE(hContainer, nullptr);
    const COLORREF before = testshot::CaptureWindow(hContainer).Pixel(60, 4);

    const int element = COLOR_3DFACE;
    const COLORREF saved = ::GetSysColor(element);
    const COLORREF red = RGB(200, 0, 0);
    ASSERT_TRUE(::SetSysColors(1, &element, &red));
    // As the system tells every top-level window.
    pFrame->SendMessage(WM_SYSCOLORCHANGE);
    Idle();
    testshot::Image shot = testshot::CaptureWindow(hContainer);
    testshot::Save(testshot::CaptureWindow(pFrame->m_hWnd), L"app_ticket_pane_system_colours.png");
    ::SetSysColors(1, &element, &saved);
    pFrame->SendMessage(WM_SYSCOLORCHANGE);
    Idle();

    const COLORREF after = shot.Pixel(60, 4);
    EXPECT_NE(before, after);
    EXPECT_GT(GetRValue(after), GetGValue(after) + 60) << "the caption follows the new face colour";
}

// Floated by a double click, docked by dragging its floating frame onto the
// right side, the pane floats again on a double click of its caption, with
// its report, where it lay.
TEST_F(TicketPaneDocking, DockedByDraggingItsFloatingFrameItFloatsAgainOnACaptionDoubleClick)
{
    app.m_pMainWnd = pFrame;
    ::SetForegroundWindow(pFrame->m_hWnd);
    Idle();
    CRect docked = ScreenRect(pPane->GetContainer());
    testinput::DoubleClickAt({docked.left + 20, docked.top + 6});
    ASSERT_TRUE(testpump::PumpUntil([&] { return IsFloating(); })) << "floated by the double click";
    Idle();

    CRect rcFloating;
    pPane->GetParentFrame()->GetWindowRect(&rcFloating);
    const POINT caption = {rcFloating.left + 40, rcFloating.top + 6};
    const CRect view = ScreenRect(pFrame->GetPaneManager().GetLayout()->GetClientPane());
    const POINT to = {view.right - 10, view.CenterPoint().y};
    // The floating frame lies over the program's view: it is brought forward.
    ASSERT_TRUE(testinput::DragInLoop(pPane->GetParentFrame()->m_hWnd, caption, {{caption.x - 40, caption.y}, to}));
    Idle();
    ASSERT_FALSE(IsFloating()) << "docked by the drag";
    ASSERT_EQ(xtpPaneDockRight, pFrame->GetPaneManager().GetPaneDirection(pPane));

    const HWND hReport = pFrame->GetTicketReport().GetSafeHwnd();
    CRect before;
    ::GetWindowRect(hReport, &before);
    docked = ScreenRect(pPane->GetContainer());
    testinput::DoubleClickAt({docked.left + 20, docked.top + 6});
    ASSERT_TRUE(testpump::PumpUntil([&] { return IsFloating(); })) << "floated again by the double click";
    Idle();

    CWnd* pFloating = pPane->GetParentFrame();
    ASSERT_NE(pFloating, nullptr);
    ASSERT_NE(pFloating, static_cast<CWnd*>(pFrame));
    pFloating->GetWindowRect(&rcFloating);
    EXPECT_EQ(before.TopLeft(), rcFloating.TopLeft()) << "where the report lay";
    ASSERT_TRUE(::IsWindowVisible(hReport));
    EXPECT_EQ(hReport, pPane->GetHwnd());

    // The program and the floating pane as they are on screen.
    CRect rcMain;
    pFrame->GetWindowRect(&rcMain);
    CRect rcAll;
    rcAll.UnionRect(rcMain, rcFloating);
    ::RedrawWindow(pFrame->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pFloating->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC hScreen = ::GetDC(nullptr);
    const testshot::Image shot = testshot::CaptureDC(hScreen, rcAll);
    ::ReleaseDC(nullptr, hScreen);
    testshot::Save(shot, L"app_ticket_pane_floated_again.png");
    // The report's header and row inside the floating frame.
    CRect rcReport;
    ::GetWindowRect(hReport, &rcReport);
    rcReport.OffsetRect(-rcAll.left, -rcAll.top);
    CXTPReportControl& report = pFrame->GetTicketReport();
    const CRect rcRow = report.GetRows()->GetAt(0)->GetRect();
    const CRect rcHeader(rcReport.left, rcReport.top, rcReport.right, rcReport.top + rcRow.top);
    EXPECT_GT(apptest::CountPixels(shot, rcHeader, apptest::IsDark), 40) << "the header's captions";
    const CRect rcRowOnShot(rcReport.left, rcReport.top + rcRow.top, rcReport.right, rcReport.top + rcRow.bottom);
    EXPECT_GT(apptest::CountPixels(shot, rcRowOnShot,
                                   [](COLORREF c) { return apptest::IsDark(c) || apptest::IsBlueish(c); }),
              40)
        << "the row's texts";
    // The frame's own caption bar runs above the pane, in no paper white.
    const COLORREF captionColour = shot.Pixel(rcFloating.left - rcAll.left + rcFloating.Width() / 2,
                                              rcFloating.top - rcAll.top + 8);
    EXPECT_LT(GetRValue(captionColour) + GetGValue(captionColour) + GetBValue(captionColour), 3 * 230)
        << "a caption above the report";
}

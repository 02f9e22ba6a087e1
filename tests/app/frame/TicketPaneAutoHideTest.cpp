// The ticket pane of the main frame hidden to the bottom strip and slid out,
// then docked back or emptied from the slide-out by real input: the program
// lives on after the pointer leaves, and a docked-back pane shows its report.
#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "app/AppTestSupport.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "resources/ToolkitDockingIds.h"
#include "support/AutoHideInput.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/autohide/XTPDockingPanePointerRest.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"

using namespace frametest;
using namespace autohideinput;

namespace {

// Six checks of 100 ms close an unfocused slide-out: well past that.
const DWORD kLongerThanTheLeaveWait = 1200;

class TicketPaneAutoHide : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(OpenTestHistory(L"tavrolin_autohide", true).IsEmpty());
    }

    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (pFrame != nullptr && ::IsWindow(hFrame))
            pFrame->DestroyWindow();
        pFrame = nullptr;
        testpump::PumpUntilIdle();
        CDatabaseManager::GetInstance().Close();
    }

    // The frame shown, searching, one offer in the ticket pane, and the
    // pane hidden to the bottom strip by its pin.
    void CreateWithHiddenPane()
    {
        pFrame = CreateFrame();
        ASSERT_NE(pFrame, nullptr);
        hFrame = pFrame->m_hWnd;
        app.m_pMainWnd = pFrame;
        pFrame->RecalcLayout();
        pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
        ViewOf(pFrame)->Watch(0, TRUE);
        static const int YES[4] = {1, 0, 0, 0};
        FeedResult(pFrame, YES);
        pFrame->SetWindowPos(nullptr, 20, 20, 760, 520, SWP_NOZORDER | SWP_SHOWWINDOW);
        ::SetForegroundWindow(hFrame);
        testpump::PumpUntilIdle();
        Idle(app);
        pane = pFrame->GetPaneManager().FindPane(IDP_TICKETS);
        ASSERT_NE(pane, nullptr);
        ASSERT_FALSE(pane->IsClosed());
        POINT pin = CaptionButtonPoint(Group(), XTP_IDS_DOCKINGPANE_AUTOHIDE);
        ASSERT_NE(pin.x, -1);
        ASSERT_TRUE(testinput::MoveMouseAndWait(pin));
        testinput::ClickAt(pin);
        ASSERT_TRUE(PumpWithIdleUntil(app, [&] { return Group()->IsHidden() && Panel() && Panel()->m_hWnd; }));
        panel = Panel();
    }

    CXTPDockingPaneTabbedContainer* Group() const
    {
        return static_cast<CXTPDockingPaneTabbedContainer*>(pane->GetContainer());
    }
    CXTPDockingPaneAutoHidePanel* Panel() const
    {
        return static_cast<CXTPDockingPaneAutoHidePanel*>(
            pFrame->GetPaneManager().GetLayout()->m_wndPanels[xtpPaneDockBottom]);
    }

    // The report lies in the docked pane, shown, with its header and the
    // offer's row drawn on screen (nothing grey lies over it).
    void ExpectReportShownDocked(const wchar_t* shotName)
    {
        ASSERT_FALSE(pane->IsClosed());
        EXPECT_FALSE(Group()->IsHidden());
        CXTPReportControl& report = pFrame->GetTicketReport();
        EXPECT_TRUE(report.IsWindowVisible());
        EXPECT_EQ(Group()->m_hWnd, ::GetParent(report.GetSafeHwnd()));
        ::RedrawWindow(hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const testshot::Image shot = testshot::CaptureWindow(hFrame);
        testshot::Save(shot, shotName);
        CRect rcReport;
        report.GetWindowRect(&rcReport);
        ::MapWindowPoints(nullptr, hFrame, reinterpret_cast<POINT*>(&rcReport), 2);
        CRect rcHeader(rcReport.left, rcReport.top, rcReport.right, rcReport.top + 18);
        CRect rcRows(rcReport.left, rcReport.top + 20, rcReport.right, rcReport.top + 40);
        EXPECT_GT(apptest::CountPixels(shot, rcHeader, apptest::IsDark), 20) << "the header's captions";
        EXPECT_GT(apptest::CountPixels(shot, rcRows, apptest::IsDark), 20) << "the offer's row";
    }

    CWinApp app{L"TicketPaneAutoHideApp"};
    CPollSettings settings{60};
    CMainFrame* pFrame = nullptr;
    HWND hFrame = nullptr;
    CXTPDockingPane* pane = nullptr;
    CXTPDockingPaneAutoHidePanel* panel = nullptr;
};

} // namespace

// The pin, or a double click on the caption, in the open slide-out.
TEST_F(TicketPaneAutoHide, PinOrCaptionDoubleClickInTheSlideOutDocksThePaneBackWithItsReport)
{
    for (bool bPin : {true, false})
    {
        SCOPED_TRACE(bPin ? "pin" : "caption double click");
        TearDown();
        SetUp();
        CreateWithHiddenPane();
        ASSERT_NE(SlideOutByClick(app, panel, 0, 0), nullptr);
        ASSERT_TRUE(DockBackByInput(Group(), bPin));
        ASSERT_TRUE(testpump::PumpUntil([&] { return !Group()->IsHidden(); })) << "input was not delivered";
        EXPECT_EQ(panel->m_pActiveWnd, nullptr);

        PointerAwayFor(app, kLongerThanTheLeaveWait);
        ASSERT_TRUE(::IsWindow(hFrame));
        ExpectReportShownDocked(bPin ? L"app_ticket_pane_pinned_back.png" : L"app_ticket_pane_double_clicked_back.png");
    }
}

// Closing the pane in its slide-out, then the layout saved or a drop's
// clean-up; or the slid-out pane docked at another side: the group dies,
// the slide-out goes with it, and the strip leaves.
TEST_F(TicketPaneAutoHide, GroupEmptiedInTheSlideOutTakesTheSlideOutAlong)
{
    enum Road { closeThenSave, closeThenDrop, dockThenSave };
    for (Road road : {closeThenSave, closeThenDrop, dockThenSave})
    {
        SCOPED_TRACE(road);
        TearDown();
        SetUp();
        CreateWithHiddenPane();
        ASSERT_NE(SlideOutByClick(app, panel, 0, 0), nullptr);
        HWND hSlide = panel->m_pActiveWnd->m_hWnd;
        CXTPDockingPaneManager& manager = pFrame->GetPaneManager();
        if (road == dockThenSave)
            manager.DockPane(pane, xtpPaneDockLeft, nullptr);
        else
        {
            const POINT close = CaptionButtonPoint(Group(), XTP_IDS_DOCKINGPANE_CLOSE);
            ASSERT_NE(close.x, -1);
            ASSERT_TRUE(testinput::MoveMouseAndWait(close));
            testinput::ClickAt(close);
            ASSERT_TRUE(testpump::PumpUntil([&] { return pane->IsClosed(); })) << "input was not delivered";
        }
        EXPECT_EQ(panel->m_pActiveWnd, nullptr);
        EXPECT_FALSE(::IsWindowVisible(hSlide));

        if (road == closeThenDrop)
        {
            manager.PostMessage(WM_XTP_REMOVEUNUSEDNODES);
            testpump::PumpUntilIdle();
        }
        else
        {
            CMemFile file;
            CArchive ar(&file, CArchive::store);
            CXTPPropExchangeArchive px(ar);
            manager.GetLayout()->Save(&px);
            ar.Close();
        }
        EXPECT_TRUE(panel->GetGroups().empty());

        PointerAwayFor(app, kLongerThanTheLeaveWait);
        ASSERT_TRUE(::IsWindow(hFrame));
        EXPECT_FALSE(::IsWindow(hSlide));
        EXPECT_FALSE(::IsWindowVisible(panel->m_hWnd)) << "the strip left";
        if (road == dockThenSave)
            ExpectReportShownDocked(L"app_ticket_pane_docked_left.png");
    }
}

// The pointer jumps onto the strip's tab in one move and rests there, as
// a user's quick hand does: the pane slides out after the hover time, as it
// does for a pointer that creeps onto the tab. It jumps from a row of the
// match list, whose hot row gives up the pointer as it leaves; and from
// the frame's empty status bar.
TEST_F(TicketPaneAutoHide, PointerJumpingOntoTheTabAndRestingThereSlidesThePaneOut)
{
    for (bool bFromRow : {true, false})
    {
        SCOPED_TRACE(bFromRow ? "from a row of the match list" : "from the status bar");
        TearDown();
        SetUp();
        CreateWithHiddenPane();
        // The test view's match list as a window over the whole view.
        CGamesView* view = ViewOf(pFrame);
        CXTPReportControl& games = view->m_report;
        CRect rcView;
        view->GetClientRect(&rcView);
        ASSERT_TRUE(games.Create(WS_CHILD | WS_VISIBLE, rcView, view, 100));
        games.AddColumn(new CXTPReportColumn(0, L"Nr.", 200, FALSE));
        games.Populate();
        games.UpdateWindow();
        ASSERT_GT(games.GetRows()->GetCount(), 0);
        CRect rcFrom = games.GetRows()->GetAt(0)->GetRect();
        HWND hFrom = games.m_hWnd;
        if (!bFromRow)
        {
            hFrom = pFrame->GetMessageBar() ? pFrame->GetMessageBar()->GetSafeHwnd() : nullptr;
            ASSERT_NE(hFrom, nullptr);
            ::GetClientRect(hFrom, &rcFrom);
        }
        // Resting on the place it jumps from, moved there in two steps so
        // that it is hot there.
        POINT from = testinput::ClientToScreenPoint(hFrom, rcFrom.left + 30, rcFrom.CenterPoint().y);
        ASSERT_TRUE(testinput::MoveMouseAndWait({from.x - 3, from.y}));
        ASSERT_TRUE(testinput::MoveMouseAndWait(from));
        testpump::PumpFor(300);
        Idle(app);
        ASSERT_EQ(panel->m_pActiveWnd, nullptr);

        CRect tab = panel->GetTabManagers()[0]->GetItem(0)->GetRect();
        const POINT onTab = testinput::ClientToScreenPoint(panel->m_hWnd, tab.CenterPoint().x, tab.CenterPoint().y);
        testinput::MoveMouseTo(onTab);
        const DWORD start = ::GetTickCount();
        EXPECT_TRUE(testpump::PumpUntil(
            [&] {
                Idle(app);
                return panel->m_pActiveWnd != nullptr;
            },
            kLongerThanTheLeaveWait * 3))
            << "no slide-out after resting on the tab for " << ::GetTickCount() - start << " ms";
        // Not at once: only a pointer that rests slides the pane out.
        EXPECT_GE(::GetTickCount() - start + 20,
                  CXTPDockingPanePointerRest::RestTime(CXTPDockingPaneAutoHideWnd::m_nHoverTime));
        POINT now;
        ::GetCursorPos(&now);
        EXPECT_TRUE(now.x == onTab.x && now.y == onTab.y) << "the pointer rested where it jumped to";
        if (panel->m_pActiveWnd)
        {
            EXPECT_EQ(panel->m_pActiveWnd->GetContainer(), Group());
        }
    }
}

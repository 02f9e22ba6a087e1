// What callers and users see of a slide-out: the strip's tab follows the
// pane slid out, ShowPane slides a hidden pane out and HidePane slides it
// in, a slid-out group shows no tab strip of its own, a focused slide-out
// stays open, a loaded hidden group stays hidden until it slides out, and
// each pane of a group slides out at its own width.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "LayoutTestSupport.h"
#include "framework/windows/CWinApp.h"
#include "support/AutoHideInput.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"

using namespace autohideinput;

namespace {

struct CFrameScope : CMainTestFrameScope
{
    CFrameScope() : CMainTestFrameScope(L"AutoHideSlideOutApp") {}
};

} // namespace

// A click on the strip's other tab slides that pane out and the strip shows
// it selected at once; a slid-out group of two shows no tab strip (the
// strip's tabs are its tabs), while docked it does.
TEST(DockingAutoHideSlideOut, StripFollowsTheClickedTabAndTheSlideOutHasNoTabs)
{
    CFrameScope s;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(s.frame, s.frame->manager, 160);
    CXTPDockingPane* first = s.frame->manager.FindPane(1);
    CXTPDockingPane* second = s.frame->manager.FindPane(2);
    ASSERT_EQ(second, panel->GetTabManagers()[0]->GetSelectedItem()->GetData()) << "the group's selected pane";

    // At once, before any idle pass lays the frame out.
    CRect tab = panel->GetTabManagers()[0]->GetItem(0)->GetRect();
    POINT pt = testinput::ClientToScreenPoint(panel->m_hWnd, tab.CenterPoint().x, tab.CenterPoint().y);
    ASSERT_TRUE(testinput::MoveMouseAndWait(pt));
    testinput::ClickAt(pt);
    ASSERT_TRUE(testpump::PumpUntil([&] { return panel->m_pActiveWnd != nullptr; }));
    EXPECT_EQ(first, GroupOf(first)->GetSelected());
    ASSERT_EQ(1u, panel->GetTabManagers().size());
    EXPECT_EQ(first, panel->GetTabManagers()[0]->GetSelectedItem()->GetData()) << "the strip shows the new pane";
    CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
    ASSERT_TRUE(testpump::PumpUntil([&] { return slide->GetStep() == slide->GetStepCount() - 1; }));

    CXTPDockingPaneTabbedContainer* group = GroupOf(first);
    EXPECT_FALSE(group->IsTabsVisible());
    // The pane's window takes all the room below the caption.
    CRect rcClient;
    ::GetClientRect(group->m_hWnd, &rcClient);
    s.frame->manager.GetPaintManager()->AdjustCaptionRect(group, rcClient);
    CRect rcPane;
    ::GetWindowRect(first->GetHwnd(), &rcPane);
    ::MapWindowPoints(nullptr, group->m_hWnd, reinterpret_cast<POINT*>(&rcPane), 2);
    EXPECT_EQ(rcClient.bottom, rcPane.bottom) << "no tab strip under the pane";
    ::RedrawWindow(s.frame->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testshot::Save(testshot::CaptureWindow(s.frame->m_hWnd), L"docking_autohide_two_panes_slid_out.png");

    s.frame->manager.ToggleDocking(group);
    s.frame->RecalcLayout();
    EXPECT_TRUE(GroupOf(first)->IsTabsVisible()) << "docked, the group has its own tabs";
}

// ShowPane of a hidden pane slides its group out; HidePane of a hidden
// group slides it back in (actions 12, then 10 and 11).
TEST(DockingAutoHideSlideOut, ShowPaneSlidesOutAndHidePaneSlidesIn)
{
    CFrameScope s;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(s.frame, s.frame->manager, 160);
    CXTPDockingPane* second = s.frame->manager.FindPane(2);
    ::SetCursorPos(kAway.x, kAway.y);
    s.frame->actions.clear();
    s.frame->manager.ShowPane(second, FALSE);
    ASSERT_NE(nullptr, panel->m_pActiveWnd);
    EXPECT_EQ(GroupOf(second), panel->m_pActiveWnd->GetContainer());
    EXPECT_EQ(second, GroupOf(second)->GetSelected());
    ASSERT_FALSE(s.frame->actions.empty());
    EXPECT_EQ(xtpPaneActionExpanding, s.frame->actions.front());
    HWND hSlide = panel->m_pActiveWnd->m_hWnd;

    s.frame->actions.clear();
    s.frame->manager.HidePane(second);
    EXPECT_EQ(nullptr, panel->m_pActiveWnd);
    EXPECT_EQ((std::vector<int>{xtpPaneActionCollapsing, xtpPaneActionCollapsed}), s.frame->actions);
    EXPECT_FALSE(::IsWindowVisible(hSlide));
    EXPECT_TRUE(GroupOf(second)->IsHidden()) << "still hidden, only slid in";
    EXPECT_EQ(1u, panel->GetGroups().size());
}

// The pane holding the focus keeps its slide-out open however long the
// pointer stays away; without the focus it slides in after six checks.
TEST(DockingAutoHideSlideOut, FocusedSlideOutStaysOpenWhenThePointerLeaves)
{
    CFrameScope s;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(s.frame, s.frame->manager, 160);
    CXTPDockingPane* first = s.frame->manager.FindPane(1);
    CXTPDockingPaneAutoHideWnd* slide = SlideOutByClick(s.app, panel, 0, 0);
    ASSERT_NE(nullptr, slide);
    ASSERT_EQ(first->GetHwnd(), ::GetFocus()) << "the click gives the pane the focus";
    Idle(s.app);
    ASSERT_TRUE(GroupOf(first)->IsActive());

    ASSERT_TRUE(testinput::MoveMouseAndWait(kAway));
    Tick(slide, CXTPDockingPaneAutoHideWnd::timerCheck, 3 * CXTPDockingPaneAutoHideWnd::kLeaveTicks);
    EXPECT_FALSE(slide->IsClosing()) << "the focus keeps it out";
    EXPECT_EQ(slide, panel->m_pActiveWnd);

    ::SetFocus(s.frame->m_hWnd);
    Idle(s.app);
    Tick(slide, CXTPDockingPaneAutoHideWnd::timerCheck, CXTPDockingPaneAutoHideWnd::kLeaveTicks - 1);
    EXPECT_FALSE(slide->IsClosing());
    Tick(slide, CXTPDockingPaneAutoHideWnd::timerCheck, 1);
    EXPECT_TRUE(slide->IsClosing()) << "without the focus it slides in";
}

// A layout loaded with a hidden group leaves that group's window hidden,
// also after the site lays out at another size; it shows when slid out.
TEST(DockingAutoHideSlideOut, LoadedHiddenGroupStaysHiddenUntilItSlidesOut)
{
    std::vector<BYTE> bytes;
    {
        CFrameScope s;
        CXTPDockingPane* pane = s.frame->manager.CreatePane(108, CRect(0, 0, 200, 120), xtpPaneDockBottom);
        s.frame->RecalcLayout();
        s.frame->manager.HidePane(pane);
        s.frame->RecalcLayout();
        bytes = layouttest::SaveToBytes(s.frame->manager.GetLayout());
    }
    CFrameScope s;
    CXTPDockingPaneLayout* layout = s.frame->manager.GetLayout();
    ASSERT_TRUE(layouttest::LoadFromBytes(layout, bytes));
    auto* panel = static_cast<CXTPDockingPaneAutoHidePanel*>(layout->m_wndPanels[xtpPaneDockBottom]);
    ASSERT_NE(nullptr, panel);
    ASSERT_EQ(1u, panel->GetGroups().size());
    CXTPDockingPaneTabbedContainer* group = panel->GetGroups()[0];
    s.frame->RecalcLayout();
    s.frame->SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    s.frame->RecalcLayout();
    ASSERT_TRUE(::IsWindow(group->m_hWnd));
    EXPECT_FALSE(::GetWindowLongW(group->m_hWnd, GWL_STYLE) & WS_VISIBLE);

    ASSERT_FALSE(group->GetPanes().empty());
    panel->ShowPane(group->GetPanes()[0], FALSE);
    ASSERT_NE(nullptr, panel->m_pActiveWnd);
    EXPECT_TRUE(::IsWindowVisible(group->m_hWnd));
}

// The slide-out opens at the selected pane's docking width, kept within
// that pane's own limits; the group's other panes do not widen it.
TEST(DockingAutoHideSlideOut, SlideOutWidthFollowsTheSelectedPanesLimits)
{
    CFrameScope s;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(s.frame, s.frame->manager, 100);
    CXTPDockingPane* first = s.frame->manager.FindPane(1);
    CXTPDockingPane* second = s.frame->manager.FindPane(2);
    ::SetCursorPos(kAway.x, kAway.y);

    first->m_ptMinTrackSize = {300, 0};
    panel->ShowPane(second, FALSE);
    ASSERT_NE(nullptr, panel->m_pActiveWnd);
    EXPECT_EQ(100 + CXTPDockingPaneAutoHideWnd::kEdge, panel->m_pActiveWnd->GetFrameRect(7).Width())
        << "the other pane's minimum is not this one's";
    panel->m_pActiveWnd->CloseWindowNow();
    testpump::PumpUntilIdle();

    second->m_ptMinTrackSize = {150, 0};
    panel->ShowPane(second, FALSE);
    CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
    ASSERT_NE(nullptr, slide);
    while (slide->GetStep() < slide->GetStepCount() - 1)
        ::SendMessageW(slide->m_hWnd, WM_TIMER, CXTPDockingPaneAutoHideWnd::timerSlideOut, 0);
    CRect rcPane;
    ::GetWindowRect(second->GetHwnd(), &rcPane);
    EXPECT_EQ(150, rcPane.Width()) << "the pane gets its minimum beside the edge";
}

// With one pane of a group slid out, a click on the strip's tab of the
// other slides that one out at its own width, and back again.
TEST(DockingAutoHideSlideOut, EachPaneOfAnOpenGroupSlidesOutAtItsOwnWidth)
{
    CFrameScope s;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(s.frame, s.frame->manager, 150);
    CXTPDockingPane* first = s.frame->manager.FindPane(1);
    CXTPDockingPane* second = s.frame->manager.FindPane(2);
    second->SetDockingSize(CSize(250, 100));
    const int edge = CXTPDockingPaneAutoHideWnd::kEdge;

    for (int item : {0, 1, 0})
    {
        SCOPED_TRACE(item);
        CXTPDockingPaneAutoHideWnd* slide = SlideOutByClick(s.app, panel, 0, item);
        ASSERT_NE(nullptr, slide);
        CXTPDockingPane* shown = item == 0 ? first : second;
        EXPECT_EQ(shown, slide->GetContainer()->GetSelected());
        CRect rc;
        slide->GetWindowRect(&rc);
        EXPECT_EQ((item == 0 ? 150 : 250) + edge, rc.Width());
        ::GetWindowRect(shown->GetHwnd(), &rc);
        EXPECT_EQ(item == 0 ? 150 : 250, rc.Width()) << "the pane fills its window";
    }
}

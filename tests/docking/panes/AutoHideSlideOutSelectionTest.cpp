// The pane a slide-out shows changes while it is open: the shown pane is
// closed (by its close button or by a caller), floated, docked or attached
// elsewhere, another pane of the group is shown through the manager, or the
// theme and the system's settings change. The slide-out shows the group's
// new selection at once, at that pane's own width, laid out in the current
// metrics; hiding the shown pane slides the group in. A docked group shows
// its next pane at once as well.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "DockingTestFrame.h"
#include "framework/windows/CWinApp.h"
#include "resources/ToolkitDockingIds.h"
#include "support/AutoHideInput.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"

using namespace autohideinput;

namespace {

const int kFirstWidth = 150;
const int kSecondWidth = 250;

// Panes 1 (150 wide) and 2 (250 wide) hidden as one group at the left; a
// third pane docked at the right gives the group somewhere else to go.
struct CSlideOutScope : CMainTestFrameScope
{
    CSlideOutScope() : CMainTestFrameScope(L"AutoHideSlideOutSelectionApp")
    {
        panel = HideTwoPaneGroupLeft(frame, frame->manager, kFirstWidth);
        first = frame->manager.FindPane(1);
        second = frame->manager.FindPane(2);
        second->SetDockingSize(CSize(kSecondWidth, 100));
        third = frame->manager.CreatePane(3, CRect(0, 0, 120, 100), xtpPaneDockRight);
        frame->RecalcLayout();
    }

    // The first pane slid out all the way by the caller's road, the pointer away.
    CXTPDockingPaneAutoHideWnd* SlideOutFirst()
    {
        ::SetCursorPos(kAway.x, kAway.y);
        frame->manager.ShowPane(first, FALSE);
        CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
        if (slide)
            Tick(slide, CXTPDockingPaneAutoHideWnd::timerSlideOut, slide->GetStepCount());
        return slide;
    }

    CXTPDockingPaneAutoHidePanel* panel;
    CXTPDockingPane* first;
    CXTPDockingPane* second;
    CXTPDockingPane* third;
};

// The pane is the one the open slide-out shows: selected, its window shown
// in its group's client part as the current theme measures it, the window
// as wide as the pane's own width and the edge.
void ExpectShownInSlideOut(CXTPDockingPaneAutoHidePanel* panel, CXTPDockingPane* pane, int width)
{
    CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
    ASSERT_NE(nullptr, slide) << "the slide-out stays open";
    CXTPDockingPaneTabbedContainer* group = GroupOf(pane);
    ASSERT_EQ(group, slide->GetContainer());
    EXPECT_EQ(pane, group->GetSelected());
    EXPECT_TRUE(::IsWindowVisible(pane->GetHwnd())) << "the new selection's window shows";
    EXPECT_EQ(slide->m_hWnd, ::GetParent(group->m_hWnd));
    CRect rcSlide;
    slide->GetWindowRect(&rcSlide);
    EXPECT_EQ(width + CXTPDockingPaneAutoHideWnd::kEdge, rcSlide.Width()) << "the pane's own width";
    CRect rcStrip = ParentRect(panel->m_hWnd);
    EXPECT_EQ(panel->GetStripThickness(), rcStrip.Width()) << "the strip as the theme measures it";
    EXPECT_EQ(rcStrip.right, ParentRect(slide->m_hWnd).left) << "beside the strip";

    CRect rcExpected;
    ::GetClientRect(group->m_hWnd, &rcExpected);
    group->GetDockingPaneManager()->GetPaintManager()->AdjustClientRect(group, rcExpected, TRUE);
    CRect rcPane = ParentRect(pane->GetHwnd());
    EXPECT_EQ(RectText(rcExpected), RectText(rcPane)) << "laid out below the caption of the current theme";
    EXPECT_EQ(width, rcPane.Width());
}

// The frame on screen: the slide-out shows the pane's list box, white with
// its first line's dark text, where the pane lies.
void ExpectListBoxDrawn(HWND hFrame, CXTPDockingPane* pane, const wchar_t* shotName)
{
    CRect rcList = ParentRect(pane->GetHwnd());
    ::MapWindowPoints(::GetParent(pane->GetHwnd()), hFrame, reinterpret_cast<POINT*>(&rcList), 2);
    ::RedrawWindow(hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testshot::Image shot = testshot::CaptureWindow(hFrame);
    testshot::Save(shot, shotName);
    const COLORREF white = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(white, shot.Pixel(rcList.left + rcList.Width() * 3 / 4, rcList.top + rcList.Height() * 3 / 4));
    int dark = 0;
    for (int y = rcList.top + 2; y < rcList.top + 16; y++)
        for (int x = rcList.left + 2; x < rcList.left + 100; x++)
            dark += GetRValue(shot.Pixel(x, y)) < 100;
    EXPECT_GT(dark, 20) << "the first line's text";
}

} // namespace

// The close button of the slid-out pane: the group's other pane takes its
// place in the open slide-out at once (no idle pass in between), at its own
// width, and is drawn there; the strip keeps the other pane's tab alone.
TEST(DockingAutoHideSlideOutSelection, CloseButtonOfTheShownPaneShowsTheOtherAtOnce)
{
    CSlideOutScope s;
    CXTPDockingPaneAutoHideWnd* slide = SlideOutByClick(s.app, s.panel, 0, 0);
    ASSERT_NE(nullptr, slide);
    ASSERT_EQ(s.first, slide->GetContainer()->GetSelected());
    POINT ptClose = CaptionButtonPoint(GroupOf(s.first), XTP_IDS_DOCKINGPANE_CLOSE);
    ASSERT_NE(-1, ptClose.x);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptClose));
    testinput::ClickAt(ptClose);
    ASSERT_TRUE(testpump::PumpUntil([&] { return s.first->IsClosed(); })) << "input was not delivered";

    ExpectShownInSlideOut(s.panel, s.second, kSecondWidth);
    ASSERT_EQ(1u, s.panel->GetTabManagers().size());
    ASSERT_EQ(1, s.panel->GetTabManagers()[0]->GetItemCount()) << "the strip lost the closed pane's tab";
    EXPECT_EQ(s.second, s.panel->GetTabManagers()[0]->GetItem(0)->GetData());
    ExpectListBoxDrawn(s.hFrame, s.second, L"docking_autohide_closed_shown_pane.png");
}

// The caller's roads that take the shown pane out of the group leave the
// other pane shown in the slide-out; hiding the shown pane slides it in.
TEST(DockingAutoHideSlideOutSelection, EveryRoadTakingTheShownPaneAwayShowsTheOther)
{
    struct Road
    {
        const char* name;
        std::function<void(CSlideOutScope&)> run;
    };
    const std::vector<Road> roads = {
        {"ClosePane", [](CSlideOutScope& s) { s.frame->manager.ClosePane(s.first); }},
        {"FloatPane", [](CSlideOutScope& s) { s.frame->manager.FloatPane(s.first, CRect(300, 300, 450, 400)); }},
        {"ToggleDocking", [](CSlideOutScope& s) { s.frame->manager.ToggleDocking(s.first); }},
        {"AttachPane", [](CSlideOutScope& s) { s.frame->manager.AttachPane(s.first, s.third); }},
        {"DockPane", [](CSlideOutScope& s) { s.frame->manager.DockPane(s.first, xtpPaneDockBottom, nullptr); }},
    };
    for (const Road& road : roads)
    {
        SCOPED_TRACE(road.name);
        CSlideOutScope s;
        ASSERT_NE(nullptr, s.SlideOutFirst());
        road.run(s);
        EXPECT_FALSE(s.first->GetContainer() && s.first->GetContainer() == GroupOf(s.second)) << "the pane left";
        ExpectShownInSlideOut(s.panel, s.second, kSecondWidth);
    }

    CSlideOutScope s;
    CXTPDockingPaneAutoHideWnd* slide = s.SlideOutFirst();
    ASSERT_NE(nullptr, slide);
    HWND hSlide = slide->m_hWnd;
    s.frame->manager.HidePane(s.first);
    EXPECT_EQ(nullptr, s.panel->m_pActiveWnd);
    EXPECT_FALSE(::IsWindowVisible(hSlide)) << "slid in";
}

// ShowPane of the group's other pane while one is slid out: that pane
// slides out at its own width (and the first at its own again), told to the
// owner as a click on its tab tells it.
TEST(DockingAutoHideSlideOutSelection, ShowPaneOfTheOtherPaneOfAnOpenGroupGivesItsOwnWidth)
{
    CSlideOutScope s;
    ASSERT_NE(nullptr, s.SlideOutFirst());
    ExpectShownInSlideOut(s.panel, s.first, kFirstWidth);
    for (bool bFocus : {false, true})
    {
        SCOPED_TRACE(bFocus);
        for (CXTPDockingPane* pane : {s.second, s.first})
        {
            s.frame->actions.clear();
            s.frame->manager.ShowPane(pane, bFocus);
            ASSERT_NE(nullptr, s.panel->m_pActiveWnd);
            Tick(s.panel->m_pActiveWnd, CXTPDockingPaneAutoHideWnd::timerSlideOut, 8);
            ExpectShownInSlideOut(s.panel, pane, pane == s.second ? kSecondWidth : kFirstWidth);
            EXPECT_EQ((std::vector<int>{xtpPaneActionExpanding, xtpPaneActionExpanded}), s.frame->actions);
            if (bFocus)
            {
                EXPECT_EQ(pane->GetHwnd(), ::GetFocus());
            }
        }
    }
}

// A new theme and a setting change that alters the caption's height: the
// open slide-out lays its pane out below the new caption at the program's
// next idle pass, as docked panes are.
TEST(DockingAutoHideSlideOutSelection, OpenSlideOutFollowsThemeAndSettingChanges)
{
    CSlideOutScope s;
    // No pane is left docked: only the slide-out is told of the change.
    s.frame->manager.ClosePane(s.third);
    ASSERT_NE(nullptr, s.SlideOutFirst());
    Idle(s.app);
    const int captionBefore = ParentRect(s.first->GetHwnd()).top;

    const int stripBefore = s.panel->GetStripThickness();
    s.frame->manager.SetTheme(xtpPaneThemeOffice2003);
    Idle(s.app);
    ExpectShownInSlideOut(s.panel, s.first, kFirstWidth);
    EXPECT_NE(stripBefore, s.panel->GetStripThickness()) << "the themes' strips differ";
    const int captionTheme = ParentRect(s.first->GetHwnd()).top;
    EXPECT_NE(captionBefore, captionTheme) << "the themes' captions differ";

    // The setting change measures the caption anew from the inset.
    s.frame->manager.GetPaintManager()->m_nCaptionInset += 8;
    ::SendMessageW(s.frame->manager.m_hWnd, WM_SETTINGCHANGE, 0, 0);
    Idle(s.app);
    ExpectShownInSlideOut(s.panel, s.first, kFirstWidth);
    EXPECT_EQ(captionTheme + 8, ParentRect(s.first->GetHwnd()).top);
    ExpectListBoxDrawn(s.hFrame, s.first, L"docking_autohide_slide_out_after_setting_change.png");
}

// The close button of a docked group's selected pane: the next pane shows
// in the group's client part at once, before any idle pass lays the frame out.
TEST(DockingTabbedContainerRemove, CloseButtonShowsTheNextPaneOfADockedGroupAtOnce)
{
    CMainTestFrameScope s(L"TabbedContainerRemoveApp");
    CXTPDockingPane* first = s.frame->manager.CreatePane(1, CRect(0, 0, 180, 100), xtpPaneDockLeft);
    CXTPDockingPane* second = s.frame->manager.CreatePane(2, CRect(0, 0, 180, 100), xtpPaneDockLeft);
    s.frame->manager.AttachPane(second, first);
    s.frame->manager.ShowPane(first, FALSE);
    s.frame->RecalcLayout();
    testpump::PumpUntilIdle(); // painted: the caption buttons have their places
    CXTPDockingPaneTabbedContainer* group = GroupOf(first);
    ASSERT_EQ(first, group->GetSelected());
    ASSERT_FALSE(::IsWindowVisible(second->GetHwnd()));

    POINT ptClose = CaptionButtonPoint(group, XTP_IDS_DOCKINGPANE_CLOSE);
    ASSERT_NE(-1, ptClose.x);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptClose));
    testinput::ClickAt(ptClose);
    ASSERT_TRUE(testpump::PumpUntil([&] { return first->IsClosed(); })) << "input was not delivered";

    EXPECT_EQ(second, group->GetSelected());
    EXPECT_TRUE(::IsWindowVisible(second->GetHwnd()));
    CRect rcExpected;
    ::GetClientRect(group->m_hWnd, &rcExpected);
    s.frame->manager.GetPaintManager()->AdjustClientRect(group, rcExpected, TRUE);
    EXPECT_EQ(RectText(rcExpected), RectText(ParentRect(second->GetHwnd()))) << "no room kept for tabs";
}

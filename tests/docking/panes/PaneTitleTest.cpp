// A pane's title set while the pane shows: the tab (laid out again with its
// new width), the caption, a floating frame's window text and an auto-hide
// strip's tab follow at once, without a layout pass of the site.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "FloatingFrameTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/tabs/XTPTabManagerItem.h"

namespace {

const wchar_t kLongTitle[] = L"Spiele der Gruppenphase";

// The pixels of two pictures of the same size that differ within a rectangle.
int DifferingPixels(const testshot::Image& a, const testshot::Image& b, const CRect& rc)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
}

testshot::Image ShootWindow(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return testshot::CaptureScreen(rc);
}

} // namespace

// Panes 1 "Spiele" and 2 "Statistik" in one docked group, pane 1 selected:
// its tab and the group's caption take the longer title, and tab 2 moves
// along to make room.
TEST(PaneTitle, DockedGroupShowsTheNewTitleOnItsTabAndCaptionAtOnce)
{
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPaneManager& manager = frame->manager;
    CXTPDockingPane* one = manager.CreatePane(1, CRect(0, 0, 300, 200), xtpPaneDockLeft);
    CXTPDockingPane* two = manager.CreatePane(2, CRect(0, 0, 300, 200), xtpPaneDockLeft);
    one->SetTitle(L"Spiele");
    two->SetTitle(L"Statistik");
    manager.AttachPane(two, one);
    manager.ShowPane(one);
    frame->RecalcLayout();
    testpump::PumpUntilIdle();
    CXTPDockingPaneTabbedContainer* group = GroupOf(one);
    ASSERT_EQ(group, GroupOf(two));
    ASSERT_TRUE(group->IsTabsVisible());
    const CRect oldTab = group->GetItem(0)->GetRect();
    const CRect oldTabTwo = group->GetItem(1)->GetRect();
    const testshot::Image before = ShootWindow(group->m_hWnd);

    one->SetTitle(kLongTitle);

    EXPECT_STREQ(kLongTitle, static_cast<LPCWSTR>(group->GetItem(0)->GetCaption()));
    EXPECT_GT(group->GetItem(0)->GetRect().Width(), oldTab.Width() + 40) << "the tab keeps its old width";
    EXPECT_EQ(oldTabTwo.Width(), group->GetItem(1)->GetRect().Width());
    EXPECT_EQ(group->GetItem(0)->GetRect().right - oldTab.right, group->GetItem(1)->GetRect().left - oldTabTwo.left)
        << "tab 2 moves along by what tab 1 grew";

    // On screen: the paint the change asked for, and no layout of the site.
    testpump::PumpUntilIdle();
    const testshot::Image after = ShootWindow(group->m_hWnd);
    testshot::Save(after, L"docking_pane_title_changed.png");
    CRect rcCaption = CXTPClientRect(group);
    CRect rcBelow = rcCaption;
    manager.GetPaintManager()->AdjustCaptionRect(group, rcBelow);
    rcCaption.bottom = rcBelow.top;
    ASSERT_GT(rcCaption.Height(), 4);
    // Past the end of "Spiele" and short of the caption buttons: the rest of
    // the longer title.
    CRect rcRest(60, rcCaption.top + 2, 150, rcCaption.bottom - 2);
    EXPECT_GT(DifferingPixels(before, after, rcRest), 20) << "the caption still shows the old title";
    CRect rcTabs(oldTab.left, oldTab.top, group->GetItem(1)->GetRect().right, oldTab.bottom);
    EXPECT_GT(DifferingPixels(before, after, rcTabs), 50) << "the tab strip still shows the old tabs";
}

// A pane alone in a floating frame: the frame's window text is its title.
TEST(PaneTitle, FloatingFrameTakesTheNewTitleAsItsWindowText)
{
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPaneManager& manager = frame->manager;
    CXTPDockingPane* one = manager.CreatePane(1, CRect(0, 0, 200, 150), xtpPaneDockLeft);
    one->SetTitle(L"Spiele");
    frame->RecalcLayout();
    manager.FloatPane(one, CRect(300, 200, 520, 380));
    frame->RecalcLayout();
    testpump::PumpUntilIdle();
    CXTPDockingPaneMiniWnd* floating = floatingframe::FrameOf(one);
    ASSERT_NE(floating, nullptr);
    ASSERT_TRUE(::IsWindowVisible(floating->m_hWnd));
    CString text;
    floating->GetWindowText(text);
    ASSERT_STREQ(L"Spiele", static_cast<LPCWSTR>(text));

    one->SetTitle(kLongTitle);

    floating->GetWindowText(text);
    EXPECT_STREQ(kLongTitle, static_cast<LPCWSTR>(text));
}

// Pane 2 of a group hidden to the left strip: its tab there takes the new
// title and grows, whether the group lies in the strip or has slid out.
TEST(PaneTitle, AutoHideStripTabTakesTheNewTitle)
{
    for (bool bSlidOut : {false, true})
    {
        SCOPED_TRACE(bSlidOut ? "slid out" : "in the strip");
        DockingTestFramePtr frame(CDockingTestFrame::New());
        CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(frame.get(), frame->manager, 180);
        ASSERT_NE(panel, nullptr);
        ASSERT_EQ(panel->GetTabManagers().size(), 1u);
        CXTPDockingPane* two = frame->manager.FindPane(2);
        if (bSlidOut)
        {
            panel->ShowPane(two, FALSE);
            ASSERT_NE(panel->m_pActiveWnd, nullptr);
        }
        const CRect oldTab = panel->GetTabManagers()[0]->GetItem(1)->GetRect();

        two->SetTitle(kLongTitle);

        ASSERT_EQ(panel->GetTabManagers().size(), 1u);
        CXTPTabManagerItem* tab = panel->GetTabManagers()[0]->GetItem(1);
        EXPECT_STREQ(kLongTitle, static_cast<LPCWSTR>(tab->GetCaption()));
        EXPECT_GT(tab->GetRect().Height(), oldTab.Height() + 40) << "the tab keeps its old length";
        if (bSlidOut)
        {
            EXPECT_NE(panel->m_pActiveWnd, nullptr) << "the slide-out stays open";
        }
    }
}

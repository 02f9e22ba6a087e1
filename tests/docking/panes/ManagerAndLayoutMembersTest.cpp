// What callers of the manager and the layout rely on: the owner is told on
// every show after the first layout, the layout finds a node's side and
// hides nodes to its panels, a group added to a panel shows on the strip,
// emptied containers are not counted as a floating frame's containers, a
// node redraws its window, and a drag over a vertical caption joins.
#include <gtest/gtest.h>
#include <vector>
#include "DockingTestFrame.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CWinApp.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"

namespace {

// Counts notification 1 per pane id on top of the test frame's own handling.
class CShowCountingFrame : public CDockingTestFrame
{
public:
    std::vector<int> shows;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_PANE_ACTION && wParam == XTP_DPN_SHOWWINDOW)
            shows.push_back(reinterpret_cast<CXTPDockingPane*>(lParam)->GetID());
        return CDockingTestFrame::WindowProc(message, wParam, lParam);
    }
};

void Idle(CFrameWnd* frame)
{
    frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    testpump::PumpUntilIdle();
}

CXTPDockingPaneTabbedContainer* ContainerOf(CXTPDockingPane* pane)
{
    return static_cast<CXTPDockingPaneTabbedContainer*>(pane->GetContainer());
}

} // namespace

TEST(ManagerMembers, ShowPaneTellsTheOwnerOnEveryShowAfterTheFirstLayout)
{
    CWinApp app(L"ManagerMembersApp");
    DockingTestFramePtr holder(CDockingTestFrame::New<CShowCountingFrame>());
    auto* frame = static_cast<CShowCountingFrame*>(holder.get());
    CXTPDockingPane* pane = frame->manager.CreatePane(7, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    frame->manager.ShowPane(pane, FALSE);
    EXPECT_TRUE(frame->shows.empty()) << "nothing is shown before the first layout";

    frame->RecalcLayout();
    ASSERT_TRUE(pane->IsAttached());
    for (int round = 0; round < 2; round++)
    {
        frame->shows.clear();
        frame->manager.ShowPane(pane, FALSE);
        EXPECT_EQ(std::vector<int>{7}, frame->shows) << "round " << round << ": a pane with its window is told too";
        EXPECT_TRUE(::IsWindowVisible(pane->GetHwnd()));
    }

    // A closed pane comes back and is told again.
    frame->manager.ClosePane(pane);
    frame->shows.clear();
    frame->manager.ShowPane(pane, FALSE);
    EXPECT_EQ(std::vector<int>{7}, frame->shows);
    EXPECT_FALSE(pane->IsClosed());
}

TEST(LayoutMembers, FindsTheSideOfANodeAndHidesItToThatSidesPanel)
{
    CWinApp app(L"LayoutMembersApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPaneManager& manager = frame->manager;
    CXTPDockingPane* right = manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockRight);
    CXTPDockingPane* below = manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockBottom);
    CXTPDockingPane* beside = manager.CreatePane(3, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    manager.AttachPane(beside, right);
    frame->RecalcLayout();
    CXTPDockingPaneLayout* layout = manager.GetLayout();
    EXPECT_EQ(xtpPaneDockRight, layout->GetPaneDirection(right));
    EXPECT_EQ(xtpPaneDockBottom, layout->GetPaneDirection(ContainerOf(below)));
    EXPECT_EQ(xtpPaneDockLeft, layout->GetPaneDirection(layout->GetClientPane())) << "neither found: 0";

    layout->HideToPanel(right);
    auto* panel = static_cast<CXTPDockingPaneAutoHidePanel*>(layout->m_wndPanels[xtpPaneDockRight]);
    ASSERT_NE(nullptr, panel);
    EXPECT_TRUE(right->IsHidden() || ContainerOf(right)->IsHidden());
    EXPECT_EQ(xtpPaneDockRight, layout->GetPaneDirection(right)) << "a hidden node's side is its panel's";
    // Its neighbour from the same docked place joins that group.
    layout->HideToPanel(beside);
    ASSERT_EQ(1u, panel->GetGroups().size());
    EXPECT_EQ(2u, panel->GetGroups().front()->GetPanes().size());
    // Only panes and tabbed containers make groups.
    layout->HideToPanel(layout->GetTopContainer());
    EXPECT_EQ(1u, panel->GetGroups().size());
    EXPECT_EQ(nullptr, layout->m_wndPanels[xtpPaneDockLeft]);
}

TEST(LayoutMembers, AGroupAddedToAPanelShowsOnTheStripAtTheNextIdlePass)
{
    CWinApp app(L"LayoutMembersApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(frame.get(), frame->manager, 160);
    ASSERT_NE(nullptr, panel);
    CXTPDockingPane* alarms = frame->manager.CreatePane(3, CRect(0, 0, 160, 100), xtpPaneDockRight);
    frame->manager.ClosePane(alarms);
    Idle(frame.get());
    ASSERT_EQ(1u, panel->GetTabManagers().size());

    auto* group = static_cast<CXTPDockingPaneTabbedContainer*>(
        frame->manager.OnCreatePane(xtpPaneTypeTabbedContainer, frame->manager.GetLayout()));
    group->AddPane(alarms, FALSE);
    panel->AddGroup(group);
    Idle(frame.get());
    EXPECT_EQ(2u, panel->GetTabManagers().size()) << "the strip shows the new group's tab";
    EXPECT_FALSE(::IsWindowVisible(group->GetSafeHwnd())) << "hidden until it slides out";
}

TEST(PaneTreeMembers, AFloatingFramesEmptiedContainerIsNotCountedAsOneOfItsContainers)
{
    CWinApp app(L"PaneTreeMembersApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPaneManager& manager = frame->manager;
    CXTPDockingPane* games = manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* stats = manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    games->SetTitle(L"Spiele");
    stats->SetTitle(L"Statistik");
    frame->RecalcLayout();
    auto* floating = static_cast<CXTPDockingPaneMiniWnd*>(manager.FloatPane(games, CRect(100, 100, 400, 300)));
    ASSERT_NE(nullptr, floating);
    manager.DockPane(stats, xtpPaneDockRight, games);
    Idle(frame.get());
    Idle(floating);
    ASSERT_EQ(floating, stats->GetParentFrame()) << "both containers lie in the floating frame";
    CXTPDockingPaneBaseList containers;
    floating->FindPane(xtpPaneTypeTabbedContainer, &containers);
    ASSERT_EQ(2, containers.GetCount());

    manager.ClosePane(stats);
    Idle(frame.get());
    Idle(floating);
    containers.RemoveAll();
    floating->FindPane(xtpPaneTypeTabbedContainer, &containers);
    EXPECT_EQ(1, containers.GetCount()) << "the emptied container waits, but is not found";
    CString title;
    floating->GetWindowText(title);
    EXPECT_STREQ(L"Spiele", static_cast<LPCTSTR>(title))
        << "the frame holds one container again and takes its pane's title";
}

TEST(PaneTreeMembers, RedrawPaneInvalidatesTheNodesWindow)
{
    CWinApp app(L"PaneTreeMembersApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPane* pane = frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    frame->RecalcLayout();
    testpump::PumpUntilIdle();
    CXTPDockingPaneTabbedContainer* container = ContainerOf(pane);
    ::ValidateRect(container->GetSafeHwnd(), nullptr);
    container->RedrawPane();
    CRect rcUpdate;
    EXPECT_TRUE(::GetUpdateRect(container->GetSafeHwnd(), &rcUpdate, FALSE));
    EXPECT_FALSE(rcUpdate.IsRectEmpty());
    pane->RedrawPane(); // no window of its own: nothing to do
}

TEST(DragTargets, AVerticalCaptionTakesAJoinAlongItsLeftEdge)
{
    CWinApp app(L"DragTargetsApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPaneManager& manager = frame->manager;
    CXTPDockingPane* left = manager.CreatePane(1, CRect(0, 0, 200, 100), xtpPaneDockLeft);
    CXTPDockingPane* right = manager.CreatePane(2, CRect(0, 0, 160, 100), xtpPaneDockRight);
    frame->RecalcLayout();
    testpump::PumpUntilIdle();
    CXTPDockingPaneTabbedContainer* target = ContainerOf(left);
    CRect rc;
    target->GetWindowRect(&rc);
    int nCaption = manager.GetPaintManager()->GetCaptionHeight();
    CPoint onLeftStrip(rc.left + nCaption / 2, rc.CenterPoint().y);
    CPoint onTopStrip(rc.CenterPoint().x, rc.top + nCaption / 2);

    struct Case
    {
        int captionDirection;
        CPoint point;
        BOOL attach;
        int direction;
    } cases[] = {
        {0, onTopStrip, TRUE, 0},
        {0, onLeftStrip, FALSE, xtpPaneDockLeft},
        {3, onLeftStrip, TRUE, 0},
        {3, onTopStrip, FALSE, xtpPaneDockTop},
    };
    CXTPDockingPaneContext* context = manager.GetDockingContext();
    for (const Case& c : cases)
    {
        manager.m_nCaptionDirection = c.captionDirection;
        context->m_pNode = ContainerOf(right);
        context->m_pTarget = nullptr;
        context->m_bAttach = FALSE;
        context->m_bFloatAllowed = context->m_bDockAllowed = TRUE;
        context->FindDockTarget(c.point);
        SCOPED_TRACE(testing::Message() << "caption direction " << c.captionDirection << " at " << c.point.x << ","
                                        << c.point.y);
        EXPECT_EQ(target, context->GetTarget());
        EXPECT_EQ(c.attach, context->IsAttach());
        if (!c.attach)
        {
            EXPECT_EQ(c.direction, context->GetDirection());
        }
    }
    context->m_pNode = nullptr;
    context->m_pTarget = nullptr;
}

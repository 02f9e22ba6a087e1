// Copies of the pane tree in another layout: with a pane map every pane is
// cloned with its settings and the originals stay; without one the panes
// move, except those with an ignored option.
#include <gtest/gtest.h>
#include <memory>
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

typedef CXTPDockingPaneTabbedContainer Container;

bool InLayout(CXTPDockingPaneLayout* layout, CXTPDockingPaneBase* node)
{
    return std::find(layout->m_arrNodes.begin(), layout->m_arrNodes.end(), node) != layout->m_arrNodes.end();
}

} // namespace

TEST(PaneClone, WithAMapPanesAreClonedAndTheOriginalsStay)
{
    CXTPDockingPaneManager manager;
    manager.AttachSite(nullptr);
    CXTPDockingPane* one = manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* two = manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* three = manager.CreatePane(3, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    manager.AttachPane(two, one);
    two->SetTitle(L"Verfügbare Tickets\nTickets");
    two->SetIconId(7);
    two->SetOptions(xtpPaneNoCloseable | xtpPaneHasMenuButton);
    two->m_dwData = 0xBEEF;
    two->m_ptMinTrackSize = {30, 40};
    two->m_ptMaxTrackSize = {300, 400};
    two->m_clrItemTab = RGB(1, 2, 3);
    two->m_nHelpId = 55;
    Container* group = static_cast<Container*>(one->GetContainer());
    group->SelectPane(one, FALSE);

    std::unique_ptr<CXTPDockingPaneLayout> target(manager.CreateLayout());
    CXTPDockingPaneClonedMap map;
    CXTPDockingPaneSplitterContainer* top = manager.GetLayout()->GetTopContainer();
    auto* copy = dynamic_cast<CXTPDockingPaneSplitterContainer*>(top->Clone(target.get(), &map, xtpPaneNoCloseable));
    ASSERT_NE(nullptr, copy);
    EXPECT_TRUE(InLayout(target.get(), copy));
    EXPECT_EQ(top->IsHoriz(), copy->IsHoriz());
    ASSERT_EQ(top->GetChildren().size(), copy->GetChildren().size());
    EXPECT_EQ(3, map.GetCount()) << "every pane, ignored options or not";

    CXTPDockingPaneBase* cloned = nullptr;
    ASSERT_TRUE(map.Lookup(two, cloned));
    auto* twoCopy = static_cast<CXTPDockingPane*>(cloned);
    EXPECT_TRUE(InLayout(target.get(), twoCopy));
    EXPECT_EQ(2, twoCopy->GetID());
    EXPECT_EQ(two->GetTitle(), twoCopy->GetTitle());
    EXPECT_EQ(7, twoCopy->GetIconId());
    EXPECT_EQ(two->m_dwOptions, twoCopy->m_dwOptions);
    EXPECT_EQ(0xBEEFu, twoCopy->m_dwData);
    EXPECT_EQ(40, twoCopy->m_ptMinTrackSize.y);
    EXPECT_EQ(300, twoCopy->m_ptMaxTrackSize.x);
    EXPECT_EQ(RGB(1, 2, 3), twoCopy->m_clrItemTab);
    EXPECT_EQ(55, twoCopy->m_nHelpId);
    EXPECT_EQ(two->GetDockingSize(), twoCopy->GetDockingSize());

    // The copied group holds the clones in tab order, the selection follows.
    auto* groupCopy = static_cast<Container*>(twoCopy->GetContainer());
    ASSERT_NE(nullptr, groupCopy);
    EXPECT_TRUE(InLayout(target.get(), groupCopy));
    ASSERT_EQ(2u, groupCopy->GetPanes().size());
    ASSERT_TRUE(map.Lookup(one, cloned));
    EXPECT_EQ(cloned, groupCopy->GetPanes()[0]);
    EXPECT_EQ(cloned, groupCopy->GetSelected());

    // Nothing of the source moved.
    EXPECT_EQ(group, one->GetContainer());
    EXPECT_EQ(group, two->GetContainer());
    EXPECT_FALSE(three->IsClosed());
    EXPECT_EQ(2u, group->GetPanes().size());
}

TEST(PaneClone, WithoutAMapPanesMoveUnlessAnOptionIsIgnored)
{
    CXTPDockingPaneManager manager;
    manager.AttachSite(nullptr);
    CXTPDockingPane* one = manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* two = manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* three = manager.CreatePane(3, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    manager.AttachPane(two, one);
    manager.AttachPane(three, one);
    two->SetOptions(xtpPaneNoHideable);
    Container* group = static_cast<Container*>(one->GetContainer());
    group->SelectPane(three, FALSE);

    auto* copy = static_cast<Container*>(group->Clone(manager.GetLayout(), nullptr, xtpPaneNoHideable));
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ((std::vector<CXTPDockingPane*>{one, three}), copy->GetPanes());
    EXPECT_EQ(three, copy->GetSelected());
    EXPECT_EQ(group, two->GetContainer()) << "an ignored option keeps the pane";
    EXPECT_EQ((std::vector<CXTPDockingPane*>{two}), group->GetPanes());
    EXPECT_EQ(group->GetDockingSize(), copy->GetDockingSize());
}

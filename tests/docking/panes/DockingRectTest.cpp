// The docking rectangle the manager predicts for a node is the one the node
// gets once it is docked so, and asking changes nothing.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

TEST(DockingRect, PredictedRectangleIsTheDockedOne)
{
    CWinApp app(L"DockingRectApp");
    struct Case
    {
        const char* name;
        bool withNeighbour; // a pane docked left first
        int direction;
        bool besideNeighbour;
        CSize size;
        int maxWidth;
        bool docked = false; // moved from where it lies, not closed first
    } cases[] = {
        {"right on an empty layout", false, xtpPaneDockRight, false, CSize(150, 100), 32000},
        {"bottom on an empty layout: a new top", false, xtpPaneDockBottom, false, CSize(150, 90), 32000},
        {"left, at most 60 wide", false, xtpPaneDockLeft, false, CSize(150, 100), 60},
        {"below the neighbour: a new splitter", true, xtpPaneDockBottom, true, CSize(150, 80), 32000},
        {"above the neighbour", true, xtpPaneDockTop, true, CSize(150, 80), 32000},
        {"left of the neighbour", true, xtpPaneDockLeft, true, CSize(120, 80), 32000},
        {"right of the whole layout", true, xtpPaneDockRight, false, CSize(130, 80), 32000},
        {"above the whole layout", true, xtpPaneDockTop, false, CSize(130, 70), 32000},
        {"a docked pane to the other side: its place is free", true, xtpPaneDockRight, false, CSize(350, 70), 32000,
         true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDockingTestFrame* frame = CDockingTestFrame::New();
        CXTPDockingPane* neighbour =
            c.withNeighbour ? frame->manager.CreatePane(1, CRect(0, 0, 160, 100), xtpPaneDockLeft) : nullptr;
        CXTPDockingPane* pane = frame->manager.CreatePane(2, CRect(0, 0, c.size.cx, c.size.cy), xtpPaneDockLeft);
        pane->m_ptMaxTrackSize.x = c.maxWidth;
        if (!c.docked)
            frame->manager.ClosePane(pane);
        frame->RecalcLayout();

        CXTPDockingPaneSplitterContainer* top = frame->manager.GetLayout()->GetTopContainer();
        size_t children = top->GetChildren().size();
        CRect predicted = frame->manager.GetDockingRect(pane, c.direction, c.besideNeighbour ? neighbour : nullptr);
        EXPECT_EQ(top, frame->manager.GetLayout()->GetTopContainer());
        EXPECT_EQ(children, top->GetChildren().size());
        EXPECT_EQ(!c.docked, pane->IsClosed()) << "asking docks nothing";

        frame->manager.DockPane(pane, c.direction, c.besideNeighbour ? neighbour : nullptr);
        frame->RecalcLayout();
        CRect docked;
        static_cast<CXTPDockingPaneTabbedContainer*>(pane->GetContainer())->CWnd::GetWindowRect(docked);
        EXPECT_FALSE(docked.IsRectEmpty());
        EXPECT_EQ(docked, predicted);
        frame->DestroyWindow();
    }
}

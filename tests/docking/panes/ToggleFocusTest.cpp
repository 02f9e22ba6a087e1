// A group toggled between docked and floating hands the focus to its pane
// that had it, else to its selected pane, wherever the pane went; a pane
// that stayed behind gets nothing.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "framework/windows/CWinApp.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

} // namespace

TEST(DockingToggleFocus, TheFocusedElseTheSelectedPaneTakesTheFocusWhereItWent)
{
    enum Case { focusInFirst, focusOutside, selectedStaysDocked };
    for (Case c : {focusInFirst, focusOutside, selectedStaysDocked})
    {
        SCOPED_TRACE(c);
        CWinApp app(L"DockingToggleFocusApp");
        CDockingTestFrame* frame = CDockingTestFrame::New();
        ::SetForegroundWindow(frame->m_hWnd);
        CXTPDockingPane* first = frame->manager.CreatePane(1, CRect(0, 0, 160, 100), xtpPaneDockLeft);
        CXTPDockingPane* second = frame->manager.CreatePane(2, CRect(0, 0, 160, 100), xtpPaneDockLeft);
        frame->manager.AttachPane(second, first);
        CXTPDockingPaneTabbedContainer* group = GroupOf(first);
        // Each pane shown once, so that each has its window.
        group->SelectPane(first, FALSE);
        frame->RecalcLayout();
        group->SelectPane(second, FALSE);
        frame->RecalcLayout();
        ASSERT_TRUE(first->IsAttached() && second->IsAttached());

        if (c == focusInFirst)
            group->SelectPane(first, TRUE);
        else
            ::SetFocus(frame->m_hWnd);
        if (c == selectedStaysDocked)
            second->SetOptions(xtpPaneNoFloatable);
        frame->manager.ToggleDocking(group);
        testpump::PumpUntilIdle();

        switch (c)
        {
        case focusInFirst:
            EXPECT_EQ(first->GetHwnd(), ::GetFocus());
            break;
        case focusOutside:
            EXPECT_EQ(second->GetHwnd(), ::GetFocus()) << "the selected pane, floating now";
            EXPECT_NE(GroupOf(second)->GetDockingSite(), frame);
            break;
        case selectedStaysDocked:
            EXPECT_EQ(frame->m_hWnd, ::GetFocus()) << "the pane left behind takes nothing";
            EXPECT_EQ(GroupOf(second)->GetDockingSite(), frame);
            break;
        }
        frame->DestroyWindow();
        testpump::PumpUntilIdle();
    }
}

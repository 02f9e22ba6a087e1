// With the manager's hide-client flag the docked panes take the frame's
// whole room and the view gets none; with no docked pane the view keeps it.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CWinApp.h"

TEST(HideClient, DockedPanesTakeTheViewsRoom)
{
    CWinApp app(L"HideClientApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CWnd view;
    view.Create(AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), frame.get(),
                AFX_IDW_PANE_FIRST);
    frame->manager.m_bHideClient = TRUE;
    CRect rcFrame;
    frame->GetClientRect(rcFrame);

    frame->RecalcLayout();
    EXPECT_EQ(RectText(rcFrame), RectText(ParentRect(view.m_hWnd))) << "no pane: the view keeps the room";

    // The client node lies directly in the top splitter beside the pane.
    CXTPDockingPane* left = frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    frame->RecalcLayout();
    EXPECT_TRUE(ParentRect(view.m_hWnd).IsRectEmpty()) << RectText(ParentRect(view.m_hWnd));
    EXPECT_EQ(RectText(rcFrame), RectText(left->GetContainer()->GetPaneWindowRect()));

    // And a level deeper, below a splitter of the other orientation.
    CXTPDockingPane* bottom = frame->manager.CreatePane(2, CRect(0, 0, 150, 80), xtpPaneDockBottom);
    frame->RecalcLayout();
    EXPECT_TRUE(ParentRect(view.m_hWnd).IsRectEmpty()) << RectText(ParentRect(view.m_hWnd));
    EXPECT_EQ(RectText(CRect(0, 0, rcFrame.right, rcFrame.bottom - 84)),
              RectText(left->GetContainer()->GetPaneWindowRect()));
    EXPECT_EQ(rcFrame.bottom, bottom->GetContainer()->GetPaneWindowRect().bottom);
    view.DestroyWindow();
}

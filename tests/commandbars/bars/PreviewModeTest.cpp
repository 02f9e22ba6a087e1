// Print preview: every shown bar hides for the preview and comes back after
// it; a bar hidden before stays hidden, and the frame gives the bars' room
// to the view meanwhile.
#include <gtest/gtest.h>
#include "ToolBarTestSupport.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

TEST(PreviewMode, ShownBarsHideAndComeBackHiddenOnesStayHidden)
{
    auto* frame = new CToolBarFrame();
    ASSERT_TRUE(frame->CreateFrame(600, 300));
    CXTPCommandBars* bars = frame->GetCommandBars();
    CXTPToolBar* shown = frame->AddProgramToolBar();
    CXTPToolBar* hidden = frame->AddProgramToolBar(xtpBarLeft);
    CXTPToolBar* floating = frame->AddProgramToolBar(xtpBarFloating);
    ASSERT_TRUE(shown && hidden && floating);
    hidden->SetVisible(FALSE);
    frame->Layout();
    CXTPDockBar* top = bars->GetDockBar(xtpBarTop);
    int nTopHeight = frame->BarRect(top).Height();
    ASSERT_GT(nTopHeight, 0);

    // Entered twice: the second call must not take the hidden state as the
    // one to restore.
    for (int i = 0; i < 2; i++)
        bars->OnSetPreviewMode(TRUE);
    for (CXTPToolBar* pBar : {shown, hidden, floating}) {
        EXPECT_FALSE(pBar->IsVisible());
        EXPECT_FALSE(pBar->IsWindowVisible());
        EXPECT_TRUE(pBar->IsInPreviewMode());
    }
    EXPECT_EQ(0, frame->BarRect(top).Height()) << "the view has the room";

    bars->OnSetPreviewMode(FALSE);
    EXPECT_TRUE(shown->IsVisible());
    EXPECT_TRUE(shown->IsWindowVisible());
    EXPECT_TRUE(floating->IsWindowVisible());
    EXPECT_FALSE(hidden->IsVisible());
    EXPECT_FALSE(hidden->IsWindowVisible());
    EXPECT_EQ(nTopHeight, frame->BarRect(top).Height());
    EXPECT_TRUE(frame->visibilityNotices.size() == 1) << "only the user's hiding told the site";
    frame->DestroyWindow();
}

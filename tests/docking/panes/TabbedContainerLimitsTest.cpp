// A tabbed container's tracking limits are its panes' limits with the
// caption and the tab strip added; an empty one has the plain limits.
#include <gtest/gtest.h>
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

TEST(TabbedContainerLimits, CaptionAndTabsComeOnTopOfThePanesLimits)
{
    CXTPDockingPaneManager manager;
    manager.AttachSite(nullptr);
    CXTPDockingPanePaintManager* paint = manager.GetPaintManager();
    const int caption = paint->GetCaptionHeight() + paint->m_rcCaptionMargin.top + paint->m_rcCaptionMargin.bottom;
    CXTPDockingPane* one = manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    one->m_ptMinTrackSize = {30, 40};
    one->m_ptMaxTrackSize = {300, 400};
    auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(one->GetContainer());

    MINMAXINFO mmi;
    container->GetMinMaxInfo(&mmi);
    EXPECT_EQ(CPoint(30, 40 + caption), CPoint(mmi.ptMinTrackSize));
    EXPECT_EQ(CPoint(300, 400 + caption), CPoint(mmi.ptMaxTrackSize));

    one->SetOptions(xtpPaneNoCaption);
    container->GetMinMaxInfo(&mmi);
    EXPECT_EQ(40, mmi.ptMinTrackSize.y) << "no caption shown";
    one->SetOptions(0);

    // A second pane brings the tab strip.
    CXTPDockingPane* two = manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    manager.AttachPane(two, one);
    container->SelectPane(one, FALSE);
    container->GetMinMaxInfo(&mmi);
    EXPECT_GT(mmi.ptMinTrackSize.y, 40 + caption + 10);
    EXPECT_EQ(mmi.ptMaxTrackSize.y - 400, mmi.ptMinTrackSize.y - 40);

    // Emptied: the plain limits.
    manager.ClosePane(one);
    manager.ClosePane(two);
    container->GetMinMaxInfo(&mmi);
    EXPECT_EQ(CPoint(0, 0), CPoint(mmi.ptMinTrackSize));
    EXPECT_EQ(CPoint(32000, 32000), CPoint(mmi.ptMaxTrackSize));
}

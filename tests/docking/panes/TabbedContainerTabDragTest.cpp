// A group's tab dragged by the mouse over its neighbour: the panes change
// places once, and the strip shows both tabs at their new places at once.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "framework/windows/CWinApp.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

// Pixels clearly darker than any face colour: the tab captions' text.
int DarkPixels(const testshot::Image& shot, const CRect& rc)
{
    int count = 0;
    for (int y = rc.top; y < rc.bottom; y++)
    {
        for (int x = rc.left; x < rc.right; x++)
        {
            COLORREF c = shot.Pixel(x, y);
            count += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
        }
    }
    return count;
}

} // namespace

TEST(TabbedContainerTabDrag, ShortTabDraggedOntoALongOneSwapsOnceAndStaysDrawn)
{
    CWinApp app(L"TabDragApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPane* shortPane = frame->manager.CreatePane(1, CRect(0, 0, 260, 100), xtpPaneDockLeft);
    CXTPDockingPane* longPane = frame->manager.CreatePane(2, CRect(0, 0, 260, 100), xtpPaneDockLeft);
    shortPane->SetTitle(L"Log");
    longPane->SetTitle(L"Verfügbare Tickets");
    frame->manager.AttachPane(longPane, shortPane);
    frame->manager.ShowPane(shortPane);
    frame->RecalcLayout();
    ::SetForegroundWindow(frame->m_hWnd);
    testpump::PumpUntilIdle();

    auto* group = static_cast<CXTPDockingPaneTabbedContainer*>(shortPane->GetContainer());
    ASSERT_EQ(2, group->GetItemCount());
    ASSERT_EQ(shortPane, group->GetItem(0)->GetData());
    CRect shortTab = group->GetItem(0)->GetRect(), longTab = group->GetItem(1)->GetRect();
    ASSERT_GT(longTab.Width(), shortTab.Width() + 20) << "the long caption needs the longer tab";

    // Pressed on the short tab, moved onto the long one where, after the
    // swap, the long tab lies again: a second move there must not swap back.
    auto onScreen = [&](CPoint pt) { return testinput::ClientToScreenPoint(group->m_hWnd, pt.x, pt.y); };
    const CPoint press = shortTab.CenterPoint(), over(longTab.left + 6, longTab.CenterPoint().y);
    ASSERT_LT(over.x + 4, shortTab.left + longTab.Width());
    testinput::MoveMouseAndWait(onScreen(press));
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, onScreen(press));
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetCapture() == group->m_hWnd; }));
    for (int dx : {0, 4})
    {
        testinput::MoveMouseAndWait(onScreen(over + CPoint(dx, 0)));
        testpump::PumpUntilIdle();
    }
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, onScreen(over + CPoint(4, 0)));
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetCapture() == nullptr; }));
    testpump::PumpUntilIdle();

    EXPECT_EQ(longPane, group->GetPanes()[0]) << "swapped once";
    EXPECT_EQ(shortPane, group->GetSelected());
    CRect first = group->GetItem(0)->GetRect(), second = group->GetItem(1)->GetRect();
    EXPECT_EQ(longPane, group->GetItem(0)->GetData());
    EXPECT_EQ(shortTab.left, first.left) << "the long tab now starts the strip";
    EXPECT_EQ(longTab.Width(), first.Width());
    EXPECT_EQ(first.right, second.left);
    EXPECT_EQ(shortTab.Width(), second.Width());

    testshot::Image shot = testshot::CaptureWindow(group->m_hWnd);
    testshot::Save(shot, L"docking_group_tabs_after_drag.png");
    int longText = DarkPixels(shot, first), shortText = DarkPixels(shot, second);
    EXPECT_GT(shortText, 10) << "the short caption drawn in the second tab";
    EXPECT_GT(longText, shortText * 2) << "the long caption drawn in the first tab";
}

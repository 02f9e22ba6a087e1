// A tab deleted by a message that the press or drag loop dispatches while the
// tab is held: the loop neither puts it back nor selects it.
#include <gtest/gtest.h>
#include "PostedActionWindow.h"
#include "TabTestHost.h"
#include "toolkit/tabs/XTPTabManagerItem.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

// Three tabs of 80 pixels, the given one selected.
void AddThreeTabs(CTabTestHost& host, int selected)
{
    host.UseFixedLengths();
    host.AddTabs({80, 80, 80});
    host.SetCurSel(selected);
}

} // namespace

TEST(TabLoopItemDeleted, DraggedTabDeletedMidDragStaysDeleted)
{
    CTabTestHost host;
    AddThreeTabs(host, 2);
    CTabTestWindow window(host);
    CPostedActionWindow deleter([&](WPARAM index) { host.DeleteItem(static_cast<int>(index)); });
    CXTPTabManagerItem* dragged = host.GetItem(0);
    dragged->InternalAddRef(); // read after the deletion without touching freed memory
    const CPoint start = host.ItemRect(0).CenterPoint(), second = host.ItemRect(1).CenterPoint();

    deleter.Post(0);
    window.PostDrag({second});
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, start));

    EXPECT_EQ(-1, host.IndexOfItem(dragged)) << "a deleted tab is not swapped back in";
    ASSERT_EQ(2, host.GetItemCount());
    EXPECT_EQ(CString(L"Tab 1"), host.GetItem(0)->GetCaption());
    EXPECT_EQ(CString(L"Tab 2"), host.GetItem(1)->GetCaption());
    EXPECT_LE(0, host.IndexOfItem(host.GetSelectedItem())) << "the selection is a tab of the strip";
    EXPECT_EQ(nullptr, ::GetCapture());
    dragged->InternalRelease();
}

TEST(TabLoopItemDeleted, PressedTabDeletedBeforeReleaseIsNotSelected)
{
    CTabTestHost host;
    AddThreeTabs(host, 0);
    host.EnableTrackDrag(FALSE);
    host.GetPaintManager()->m_bSelectOnButtonDown = FALSE;
    CTabTestWindow window(host);
    CPostedActionWindow deleter([&](WPARAM index) { host.DeleteItem(static_cast<int>(index)); });
    CXTPTabManagerItem* pressed = host.GetItem(1);
    pressed->InternalAddRef();
    const CPoint point = host.ItemRect(1).CenterPoint();

    deleter.Post(1);
    window.Post(WM_LBUTTONUP, point);
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, point));

    EXPECT_EQ(-1, host.IndexOfItem(pressed));
    EXPECT_EQ(0, host.GetCurSel()) << "the release selects nothing that is gone";
    EXPECT_EQ(nullptr, host.GetPressedItem());
    pressed->InternalRelease();
}

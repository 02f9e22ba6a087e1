// A tab strip deleted by a message that its press or drag loop dispatches
// (the window that owns it closed meanwhile): the loop ends and touches
// nothing of the strip. The strip lives in memory of the test's own, filled
// at the deletion, so that any later write to it shows.
#include <gtest/gtest.h>
#include <cstring>
#include <new>
#include "PostedActionWindow.h"
#include "TabTestHost.h"
#include "toolkit/tabs/XTPTabManagerItem.h"
#include "toolkit/tabs/XTPTabManagerNavigateButton.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

struct CStripMemory
{
    alignas(CTabTestHost) unsigned char bytes[sizeof(CTabTestHost)];

    bool AllFilled() const
    {
        for (unsigned char byte : bytes)
            if (byte != 0xA5)
                return false;
        return true;
    }
};

// Tabs of 80 pixels (three, or more than the strip's room), the first selected.
CTabTestHost* NewStrip(CStripMemory& memory, int nTabs = 3)
{
    auto* host = new (memory.bytes) CTabTestHost;
    host->UseFixedLengths();
    for (int i = 0; i < nTabs; i++)
        host->AddTabs({80});
    host->SetCurSel(0);
    return host;
}

// Runs the loop that a press at `point` starts, with the strip's deletion
// posted ahead of the input `postInput` posts; the loop must leave the
// deleted strip's memory as filled and let the mouse go. Answers what the
// press answered.
template <class PostInput>
BOOL PressDeletingTheStrip(CStripMemory& memory, CTabTestHost* host, CPoint point, PostInput postInput)
{
    CTabTestWindow window(*host);
    bool deleted = false;
    CPostedActionWindow deleter([&](WPARAM) {
        host->~CTabTestHost();
        std::memset(memory.bytes, 0xA5, sizeof(memory.bytes));
        deleted = true;
    });
    deleter.Post();
    postInput(window);
    BOOL result = host->PerformClick(window.m_hWnd, point);
    EXPECT_TRUE(deleted);
    EXPECT_TRUE(memory.AllFilled()) << "the deleted strip was written to";
    EXPECT_EQ(nullptr, ::GetCapture());
    return result;
}

} // namespace

TEST(TabLoopStripDeleted, PressLoopEndsWithoutTouchingADeletedStrip)
{
    CStripMemory memory;
    CTabTestHost* host = NewStrip(memory);
    host->EnableTrackDrag(FALSE);
    host->GetPaintManager()->m_bSelectOnButtonDown = FALSE;
    const CPoint point = host->ItemRect(1).CenterPoint();
    EXPECT_TRUE(PressDeletingTheStrip(memory, host, point, [&](CTabTestWindow& window) {
        window.Post(WM_MOUSEMOVE, point + CPoint(2, 0), MK_LBUTTON);
        window.Post(WM_LBUTTONUP, point + CPoint(2, 0));
    }));
}

TEST(TabLoopStripDeleted, DragLoopEndsWithoutTouchingADeletedStrip)
{
    CStripMemory memory;
    CTabTestHost* host = NewStrip(memory);
    const CPoint second = host->ItemRect(1).CenterPoint();
    EXPECT_TRUE(PressDeletingTheStrip(memory, host, host->ItemRect(0).CenterPoint(),
                                      [&](CTabTestWindow& window) { window.PostDrag({second}); }));
}

TEST(TabLoopStripDeleted, HeldArrowLoopEndsWithoutTouchingADeletedStrip)
{
    CStripMemory memory;
    CTabTestHost* host = NewStrip(memory, 8);
    CXTPTabManagerNavigateButton* right = host->FindNavigateButton(xtpTabNavigateButtonRight);
    ASSERT_FALSE(right->GetRect().IsRectEmpty());
    ASSERT_TRUE(right->IsEnabled());
    const CPoint point = right->GetRect().CenterPoint();
    PressDeletingTheStrip(memory, host, point, [&](CTabTestWindow& window) {
        window.Post(WM_MOUSEMOVE, point, MK_LBUTTON);
        window.Post(WM_LBUTTONUP, point);
    });
}

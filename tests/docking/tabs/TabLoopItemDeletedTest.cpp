// A tab deleted by a message that the press or drag loop dispatches while the
// tab is held: the loop neither puts it back nor selects it.
#include <gtest/gtest.h>
#include "TabTestHost.h"
#include "toolkit/tabs/XTPTabManagerItem.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

const UINT WM_DELETE_TAB = WM_APP + 7;

// Deletes the host's tab of the index it is posted.
class CTabDeletingWindow : public CWnd
{
public:
    explicit CTabDeletingWindow(CTabTestHost& host)
        : m_host(host)
    {
        CreateEx(0, AfxRegisterWndClass(0), L"Loescher", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    }
    ~CTabDeletingWindow() override { DestroyWindow(); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DELETE_TAB)
        {
            m_host.DeleteItem(static_cast<int>(wParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    CTabTestHost& m_host;
};

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
    CTabDeletingWindow deleter(host);
    CXTPTabManagerItem* dragged = host.GetItem(0);
    dragged->InternalAddRef(); // read after the deletion without touching freed memory
    const CPoint start = host.ItemRect(0).CenterPoint(), second = host.ItemRect(1).CenterPoint();

    ::PostMessageW(deleter.m_hWnd, WM_DELETE_TAB, 0, 0);
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
    CTabDeletingWindow deleter(host);
    CXTPTabManagerItem* pressed = host.GetItem(1);
    pressed->InternalAddRef();
    const CPoint point = host.ItemRect(1).CenterPoint();

    ::PostMessageW(deleter.m_hWnd, WM_DELETE_TAB, 1, 0);
    window.Post(WM_LBUTTONUP, point);
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, point));

    EXPECT_EQ(-1, host.IndexOfItem(pressed));
    EXPECT_EQ(0, host.GetCurSel()) << "the release selects nothing that is gone";
    EXPECT_EQ(nullptr, host.GetPressedItem());
    pressed->InternalRelease();
}

// The tab manager and its navigate buttons: selection, deletion, scrolling,
// clicks, keys, tooltips, and the press, drag and repeat loops driven by
// posted mouse messages.
#include <gtest/gtest.h>
#include "TabTestHost.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

CPoint Center(const CRect& rc)
{
    return rc.CenterPoint();
}

// A clock that moves on by a fixed step per reading and, at a set reading,
// posts the button release that ends a press loop.
struct SteppedClock
{
    static DWORD now;
    static DWORD step;
    static int readings;
    static int releaseAt;
    static HWND window;
    static POINT releasePoint;

    static DWORD Read()
    {
        if (++readings == releaseAt)
            ::PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(releasePoint.x, releasePoint.y));
        return now += step;
    }
    static void Start(DWORD stepMs, int releaseReading, HWND wnd, POINT pt)
    {
        now = 1000, step = stepMs, readings = 0, releaseAt = releaseReading, window = wnd, releasePoint = pt;
        CXTPTabManagerNavigateButton::SetTickSource(Read);
    }
};
DWORD SteppedClock::now, SteppedClock::step;
int SteppedClock::readings, SteppedClock::releaseAt;
HWND SteppedClock::window;
POINT SteppedClock::releasePoint;

class CClosingHost : public CTabTestHost
{
public:
    void OnNavigateButtonClick(int nId) override { clicks += nId == xtpTabNavigateButtonClose; }
    int clicks = 0;
};

} // namespace

TEST(TabManager, SelectionIsClampedAndFollowsDeletion)
{
    CTabTestHost host;
    host.AddTabs({60, 60, 60});
    struct
    {
        int index, expected;
    } cases[] = {{-5, 0}, {99, 2}, {1, 1}};
    for (auto c : cases)
    {
        host.SetCurSel(c.index);
        EXPECT_EQ(c.expected, host.GetCurSel()) << c.index;
    }

    host.SetCurSel(2);
    EXPECT_TRUE(host.DeleteItem(2));
    EXPECT_EQ(1, host.GetCurSel()) << "the new last tab";
    EXPECT_FALSE(host.DeleteItem(5));
    EXPECT_FALSE(host.DeleteItem(-1));
    host.SetCurSel(0);
    EXPECT_TRUE(host.DeleteItem(0));
    EXPECT_EQ(0, host.GetCurSel()) << "the tab that moved into its place";
    EXPECT_TRUE(host.DeleteItem(0));
    EXPECT_EQ(-1, host.GetCurSel());
    EXPECT_EQ(nullptr, host.GetSelectedItem());
    host.SetCurSel(3);
    EXPECT_EQ(-1, host.GetCurSel());
}

TEST(TabManager, ScrollingBackAtTheStartDoesNothing)
{
    CTabTestHost host;
    host.AddTabs({60, 60});
    int before = host.m_nRepositions;
    host.ScrollTabs(FALSE);
    EXPECT_EQ(0, host.GetScrollOffset());
    EXPECT_EQ(before, host.m_nRepositions);
}

TEST(TabManager, DisabledAndHiddenTabsTakeNoClicksOrKeys)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({60, 60, 60, 60});
    host.SetCurSel(0);
    CPoint disabledPoint = Center(host.ItemRect(1));
    host.GetItem(1)->SetEnabled(FALSE);
    EXPECT_FALSE(host.PerformClick(nullptr, disabledPoint));
    CPoint hiddenPoint = Center(host.ItemRect(3));
    host.GetItem(3)->SetVisible(FALSE);
    EXPECT_EQ(0, host.ItemRect(3).Width());
    EXPECT_FALSE(host.PerformClick(nullptr, hiddenPoint));
    EXPECT_EQ(0, host.GetCurSel());

    // Right skips the disabled tab and finds none after the last focusable.
    EXPECT_TRUE(host.PerformKeyDown(nullptr, VK_RIGHT));
    EXPECT_EQ(2, host.GetCurSel());
    EXPECT_TRUE(host.PerformKeyDown(nullptr, VK_RIGHT)) << "handled at the end";
    EXPECT_EQ(2, host.GetCurSel());
    EXPECT_TRUE(host.PerformKeyDown(nullptr, VK_HOME));
    EXPECT_EQ(0, host.GetCurSel());
    EXPECT_TRUE(host.PerformKeyDown(nullptr, VK_END));
    EXPECT_EQ(2, host.GetCurSel());
    EXPECT_TRUE(host.PerformKeyDown(nullptr, VK_DOWN)) << "ignored on a horizontal strip, still handled";
    EXPECT_EQ(2, host.GetCurSel());
    EXPECT_FALSE(host.PerformKeyDown(nullptr, VK_TAB));
}

TEST(TabManager, LeftMovesForwardUnderRightToLeftLayout)
{
    CTabTestHost host;
    host.AddTabs({60, 60, 60});
    host.SetCurSel(1);
    CWnd mirrored;
    mirrored.CreateEx(WS_EX_LAYOUTRTL, AfxRegisterWndClass(0), L"rtl", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    EXPECT_TRUE(host.PerformKeyDown(mirrored.m_hWnd, VK_LEFT));
    EXPECT_EQ(2, host.GetCurSel());
    EXPECT_TRUE(host.PerformKeyDown(nullptr, VK_LEFT));
    EXPECT_EQ(1, host.GetCurSel());
    mirrored.DestroyWindow();
}

TEST(TabManager, DraggingATabAcrossTwoGivesOneSelectionChange)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({80, 80, 80});
    host.SetCurSel(2);
    CTabTestWindow window(host);
    CXTPTabManagerItem* dragged = host.GetItem(0);
    CPoint start = Center(host.ItemRect(0));
    window.PostDrag({Center(host.ItemRect(1)), Center(host.ItemRect(2))});
    host.m_nSelectionChanges = 0;
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, start));
    EXPECT_EQ(2, dragged->GetIndex()) << "exchanged step by step";
    EXPECT_EQ(CString(L"Tab 1"), host.GetItem(0)->GetCaption());
    EXPECT_EQ(dragged, host.GetSelectedItem());
    EXPECT_EQ(1, host.m_nSelectionChanges);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST(TabManager, QuitDuringALoopEndsItAndStaysQueued)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({80, 80, 80});
    CTabTestWindow window(host);
    DrainQueueFindQuit();

    // Drag reordering.
    window.Post(WM_MOUSEMOVE, Center(host.ItemRect(1)), MK_LBUTTON);
    ::PostQuitMessage(7);
    window.Post(WM_MOUSEMOVE, Center(host.ItemRect(2)), MK_LBUTTON);
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, Center(host.ItemRect(0))));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(DrainQueueFindQuit());

    // Press tracking: no selection without a release.
    host.EnableTrackDrag(FALSE);
    host.GetPaintManager()->m_bSelectOnButtonDown = FALSE;
    host.SetCurSel(0);
    ::PostQuitMessage(7);
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, Center(host.ItemRect(2))));
    EXPECT_EQ(0, host.GetCurSel());
    EXPECT_EQ(nullptr, host.GetPressedItem());
    EXPECT_TRUE(DrainQueueFindQuit());
}

TEST(TabManager, PressTrackingSelectsOnReleaseInside)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({80, 80, 80});
    host.EnableTrackDrag(FALSE);
    host.GetPaintManager()->m_bSelectOnButtonDown = FALSE;
    host.SetCurSel(0);
    CTabTestWindow window(host);

    window.PostDrag({Center(host.ItemRect(1)) + CPoint(0, 100)});
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, Center(host.ItemRect(1))));
    EXPECT_EQ(0, host.GetCurSel()) << "released outside";

    window.PostDrag({Center(host.ItemRect(1)) + CPoint(0, 100), Center(host.ItemRect(1))});
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, Center(host.ItemRect(1))));
    EXPECT_EQ(1, host.GetCurSel()) << "moved back in and released";
}

TEST(TabManager, NavigateButtonsFollowTheirDisplayMode)
{
    struct Case
    {
        int mode;
        int tabs;  // 3 fit, 8 do not
        bool shown;
        bool leftEnabled, rightEnabled;
    } cases[] = {
        {xtpTabNavigateButtonNone, 8, false, false, true},
        {xtpTabNavigateButtonAutomatic, 3, false, false, false},
        {xtpTabNavigateButtonAutomatic, 8, true, false, true},
        {xtpTabNavigateButtonAlways, 3, true, false, false},
        {xtpTabNavigateButtonAlways, 8, true, false, true},
    };
    for (const Case& c : cases)
    {
        CTabTestHost host;
        host.UseFixedLengths();
        for (int id : {0, 1})
            host.FindNavigateButton(id)->SetFlags(c.mode);
        for (int i = 0; i < c.tabs; i++)
            host.AddTabs({80});
        CXTPTabManagerNavigateButton* left = host.FindNavigateButton(xtpTabNavigateButtonLeft);
        CXTPTabManagerNavigateButton* right = host.FindNavigateButton(xtpTabNavigateButtonRight);
        EXPECT_EQ(c.shown, !left->GetRect().IsRectEmpty()) << "mode " << c.mode << ", " << c.tabs << " tabs";
        EXPECT_EQ(c.shown, !right->GetRect().IsRectEmpty());
        if (c.shown)
        {
            EXPECT_EQ(c.leftEnabled, !!left->IsEnabled()) << "mode " << c.mode << ", " << c.tabs << " tabs";
            EXPECT_EQ(c.rightEnabled, !!right->IsEnabled()) << "mode " << c.mode << ", " << c.tabs << " tabs";
            EXPECT_LE(host.GetHeaderRect().right, left->GetRect().left) << "buttons after the tabs' room";
        }
    }

    // The close button in mode 1 shows only while the selected tab is closable.
    CTabTestHost host;
    host.AddTabs({0, 0});
    CXTPTabManagerNavigateButton* close = host.FindNavigateButton(xtpTabNavigateButtonClose);
    host.SetCurSel(0);
    EXPECT_TRUE(close->GetRect().IsRectEmpty()) << "mode 0 never";
    close->SetFlags(xtpTabNavigateButtonAutomatic);
    host.Reposition();
    EXPECT_FALSE(close->GetRect().IsRectEmpty());
    host.GetItem(0)->SetClosable(FALSE);
    EXPECT_TRUE(close->GetRect().IsRectEmpty());
}

TEST(TabManager, HeldArrowScrollsEveryTwentyMillisecondsUntilTheEnd)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({100, 100, 100, 100, 100, 100});
    CTabTestWindow window(host);
    CXTPTabManagerNavigateButton* right = host.FindNavigateButton(xtpTabNavigateButtonRight);
    ASSERT_TRUE(right->IsEnabled());
    CPoint inside = Center(right->GetRect());

    // A release before 20 ms have passed scrolls nothing.
    SteppedClock::Start(5, 3, window.m_hWnd, inside);
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, inside));
    EXPECT_EQ(0, host.GetScrollOffset());

    // Held long: 20-pixel steps until the last tab is in view, then disabled.
    SteppedClock::Start(7, 400, window.m_hWnd, inside);
    EXPECT_TRUE(host.PerformClick(window.m_hWnd, inside));
    CXTPTabManagerNavigateButton::SetTickSource(nullptr);
    EXPECT_FALSE(right->IsEnabled());
    EXPECT_LT(host.GetScrollOffset(), -100);
    EXPECT_LE(host.ItemRect(5).right, host.GetHeaderRect().right);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_FALSE(right->IsPressed());
}

TEST(TabManager, CloseButtonActsOnlyOnReleaseInside)
{
    CClosingHost host;
    host.AddTabs({0, 0});
    host.SetCurSel(0);
    CXTPTabManagerNavigateButton* close = host.FindNavigateButton(xtpTabNavigateButtonClose);
    close->SetFlags(xtpTabNavigateButtonAlways);
    host.Reposition();
    CTabTestWindow window(host);
    CPoint inside = Center(close->GetRect());

    window.PostDrag({inside + CPoint(0, 60)});
    host.PerformClick(window.m_hWnd, inside);
    EXPECT_EQ(0, host.clicks);
    window.PostDrag({inside});
    host.PerformClick(window.m_hWnd, inside);
    EXPECT_EQ(1, host.clicks) << "once, although held";
}

TEST(TabManager, IndexedColoursRepeatAfterEight)
{
    CTabTestHost host;
    host.AddTabs({0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(host.GetItem(0)->GetStoredColor(), host.GetItem(8)->GetStoredColor());
    EXPECT_EQ(RGB(138, 168, 228), host.GetItem(8)->GetColor());
    EXPECT_EQ(RGB(255, 219, 117), host.GetItem(1)->GetColor());
    host.GetItem(2)->SetColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), host.GetItem(2)->GetColor()) << "plain colours pass unchanged";
}

TEST(TabManager, TooltipsOnlyForShortenedTabsByDefault)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({100, 100, 100});
    for (int i = 0; i < 3; i++)
        host.GetItem(i)->SetTooltip(L"Tipp");
    TOOLINFO ti = {sizeof(TOOLINFO)};
    EXPECT_EQ(-1, host.PerformToolHitTest(nullptr, Center(host.ItemRect(1)), &ti)) << "natural length";

    host.GetPaintManager()->SetLayout(xtpTabLayoutSizeToFit);
    host.m_rcLayout.right = 200;
    host.Reposition();
    ASSERT_LT(host.ItemRect(1).Width(), 100);
    EXPECT_EQ(1, host.PerformToolHitTest(nullptr, Center(host.ItemRect(1)), &ti));
    free(ti.lpszText);
    ti.lpszText = nullptr;

    host.GetPaintManager()->m_nToolTipMode = xtpTabToolTipNever;
    EXPECT_EQ(-1, host.PerformToolHitTest(nullptr, Center(host.ItemRect(1)), &ti));
}

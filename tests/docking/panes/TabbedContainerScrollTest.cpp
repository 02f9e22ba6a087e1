// A group whose pane tabs are longer than its strip: scrolling moves the
// tabs at once and stops where the last tab ends at the strip's end, the
// arrows follow, the held arrows scroll, and a selected pane's tab comes
// into view.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "framework/windows/CWinApp.h"
#include "support/FetchHook.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"
#include "toolkit/tabs/XTPTabManagerNavigateButton.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

#include <functional>

namespace {

typedef CXTPDockingPaneTabbedContainer Container;

// Five panes as one group, 200 pixels wide, tabs at their natural lengths;
// the second selected.
struct ScrollingGroup
{
    DockingTestFramePtr frame{CDockingTestFrame::New()};
    std::vector<CXTPDockingPane*> panes;
    Container* group = nullptr;

    ScrollingGroup()
    {
        const wchar_t* titles[] = {L"Verfügbare Tickets", L"Statistik", L"Alarme", L"Spiele", L"Kategorien"};
        for (int i = 0; i < 5; i++)
        {
            panes.push_back(frame->manager.CreatePane(i + 1, CRect(0, 0, 200, 100), xtpPaneDockLeft));
            panes.back()->SetTitle(titles[i]);
            if (i > 0)
                frame->manager.AttachPane(panes.back(), panes[0]);
        }
        Tabs()->SetLayout(xtpTabLayoutAutoSize);
        frame->manager.ShowPane(panes[1]);
        frame->RecalcLayout();
        ::SetForegroundWindow(frame->m_hWnd);
        testpump::PumpUntilIdle();
        group = static_cast<Container*>(panes[0]->GetContainer());
    }

    CXTPTabPaintManager* Tabs() { return frame->manager.GetPaintManager()->GetTabPaintManager(); }
    CXTPTabManagerNavigateButton* Back() { return group->FindNavigateButton(xtpTabNavigateButtonLeft); }
    CXTPTabManagerNavigateButton* Forward() { return group->FindNavigateButton(xtpTabNavigateButtonRight); }
    // The offset at which the last tab ends where the strip's room ends.
    int LastOffset()
    {
        CRect m = Tabs()->GetAppearanceSet()->GetHeaderMargin();
        return group->GetHeaderRect().Width() - m.left - m.right - group->GetItemsLength();
    }
};

// The point inside both arrow glyphs that only a filled (enabled) glyph covers.
bool GlyphFilled(const testshot::Image& shot, CXTPTabManagerNavigateButton* button)
{
    CPoint c = button->GetRect().CenterPoint();
    COLORREF pixel = shot.Pixel(c.x, c.y - 1);
    return GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 200;
}

std::function<bool()> g_releaseWhen;
bool g_released = false;
DWORD g_holdStart = 0;

// Runs inside the arrow's press loop: lets go once the condition holds, or
// when no press loop took the mouse within a second.
void CALLBACK ReleaseWhenDone(HWND, UINT, UINT_PTR id, DWORD)
{
    DWORD held = ::GetTickCount() - g_holdStart;
    bool untaken = ::GetCapture() == nullptr && held > 1000;
    if (g_released || (!g_releaseWhen() && !untaken && held < testpump::kDeadline))
        return;
    testtimer::Kill(id);
    POINT pt;
    ::GetCursorPos(&pt);
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, pt);
    g_released = true;
}

// Presses the arrow with the mouse and holds it until the condition holds.
void PressArrowUntil(Container* group, CXTPTabManagerNavigateButton* arrow, std::function<bool()> releaseWhen)
{
    CPoint c = arrow->GetRect().CenterPoint();
    POINT at = testinput::ClientToScreenPoint(group->m_hWnd, c.x, c.y);
    POINT now;
    if (!::GetCursorPos(&now) || now.x != at.x || now.y != at.y)
    {
        testinput::MoveMouseAndWait(at);
        testpump::PumpUntilIdle();
    }
    g_releaseWhen = std::move(releaseWhen);
    g_released = false;
    g_holdStart = ::GetTickCount();
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    testtimer::Set(30, ReleaseWhenDone);
    ASSERT_TRUE(testpump::PumpUntil([] { return g_released && ::GetCapture() == nullptr; }));
}

// Holds the arrow down with the mouse until it is disabled.
void HoldArrow(Container* group, CXTPTabManagerNavigateButton* arrow)
{
    PressArrowUntil(group, arrow, [arrow] { return !arrow->IsEnabled(); });
    testpump::PumpUntilIdle();
}

// A longer double-click time while it lives, so that two clicks of a slow
// machine still make a pair.
class CLongDoubleClickTime
{
public:
    CLongDoubleClickTime() : m_previous(::GetDoubleClickTime())
    {
        ::SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, 5000, nullptr, 0);
    }
    ~CLongDoubleClickTime() { ::SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, m_previous, nullptr, 0); }

private:
    UINT m_previous;
};

} // namespace

class TabbedContainerScroll : public ::testing::Test
{
protected:
    CWinApp app{L"TabScrollApp"};
    ScrollingGroup s;
    Container* group = s.group;
};

TEST_F(TabbedContainerScroll, ScrollingMovesTheTabsAndStopsAtTheLastTab)
{
    ASSERT_TRUE(group->IsTabsVisible());
    ASSERT_LT(s.LastOffset(), -40) << "the tabs are longer than the strip";
    ASSERT_FALSE(s.Forward()->GetRect().IsRectEmpty()) << "arrows shown";
    EXPECT_FALSE(s.Back()->IsEnabled());
    EXPECT_TRUE(s.Forward()->IsEnabled());
    CRect first = group->GetItem(0)->GetRect();

    group->ScrollTabs(TRUE);
    EXPECT_EQ(-20, group->GetScrollOffset());
    EXPECT_EQ(first.left - 20, group->GetItem(0)->GetRect().left) << "the tabs moved at once";
    EXPECT_TRUE(s.Back()->IsEnabled());

    for (int i = 0; i < 200; i++)
        group->ScrollTabs(TRUE);
    EXPECT_EQ(s.LastOffset(), group->GetScrollOffset()) << "no further than the last tab";
    EXPECT_FALSE(s.Forward()->IsEnabled());
    CRect m = s.Tabs()->GetAppearanceSet()->GetHeaderMargin();
    EXPECT_EQ(group->GetHeaderRect().right - m.right, group->GetItem(4)->GetRect().right);

    // The pane of a tab scrolled out of the strip brings it back when shown.
    ASSERT_LT(group->GetItem(0)->GetRect().left, group->GetHeaderRect().left);
    s.frame->manager.ShowPane(s.panes[0]);
    EXPECT_EQ(0, group->GetScrollOffset());
    EXPECT_EQ(first.left, group->GetItem(0)->GetRect().left);
    EXPECT_FALSE(s.Back()->IsEnabled());
}

TEST_F(TabbedContainerScroll, HeldArrowsScrollToEitherEnd)
{
    ASSERT_TRUE(s.Forward()->IsEnabled());
    CXTPDockingPane* selected = group->GetSelected();

    HoldArrow(group, s.Forward());
    EXPECT_EQ(s.LastOffset(), group->GetScrollOffset());
    EXPECT_FALSE(s.Forward()->IsEnabled());
    EXPECT_TRUE(s.Back()->IsEnabled());
    EXPECT_EQ(selected, group->GetSelected()) << "the arrows select nothing";

    testshot::Image shot = testshot::CaptureWindow(group->m_hWnd);
    testshot::Save(shot, L"docking_group_tabs_scrolled_to_the_end.png");
    EXPECT_TRUE(GlyphFilled(shot, s.Back())) << "back arrow drawn enabled";
    EXPECT_FALSE(GlyphFilled(shot, s.Forward())) << "forward arrow drawn hollow";

    HoldArrow(group, s.Back());
    EXPECT_EQ(0, group->GetScrollOffset());
    EXPECT_FALSE(s.Back()->IsEnabled());
    EXPECT_TRUE(s.Forward()->IsEnabled());
}

// Two quick clicks on an arrow are two presses, though the window is told
// of the second as a double click: the strip scrolls twice.
TEST_F(TabbedContainerScroll, AQuickSecondClickOnAnArrowScrollsAgain)
{
    ASSERT_LT(s.LastOffset(), -40) << "room for two steps";
    CLongDoubleClickTime longPairs;
    CFetchHook pair(WM_LBUTTONDBLCLK, nullptr, [] {});
    CXTPDockingPane* selected = group->GetSelected();

    PressArrowUntil(group, s.Forward(), [this] { return group->GetScrollOffset() != 0; });
    int first = group->GetScrollOffset();
    ASSERT_LT(first, 0);
    PressArrowUntil(group, s.Forward(), [this, first] { return group->GetScrollOffset() != first; });
    testpump::PumpUntilIdle();
    ASSERT_TRUE(pair.Fired()) << "the second click came as a double click";
    EXPECT_LT(group->GetScrollOffset(), first) << "the second click scrolled too";
    EXPECT_EQ(selected, group->GetSelected());
    EXPECT_EQ(group, s.panes[0]->GetContainer()) << "nothing floated";
}

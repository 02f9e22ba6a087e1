// A floating frame that draws its own caption gives its client the room
// below the caption of the theme in force: after a theme with a higher or a
// lower caption, and after a setting change that alters the caption's
// height, at once and on screen.
#include <gtest/gtest.h>
#include <climits>
#include "FloatingFrameTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"

namespace {

using namespace floatingframe;

// How far below the window's top the client begins, and the frame's border.
struct ClientOffset
{
    int top;
    int border;
};

ClientOffset ClientOffsetOf(HWND hWnd)
{
    CRect rcWindow = WindowRectOf(hWnd), rcClient;
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    rcClient.NormalizeRect();
    return {rcClient.top - rcWindow.top, rcClient.left - rcWindow.left};
}

int CaptionOf(FloatingSetup& s) { return s.frame->manager.GetPaintManager()->GetCaptionHeight(); }

// The themes with the lowest and the highest caption.
struct CaptionThemes
{
    int low = 0;
    int high = 0;
};

CaptionThemes FindCaptionThemes()
{
    CXTPDockingPaneManager manager;
    CaptionThemes found;
    int lowest = INT_MAX, highest = 0;
    for (int theme = 0; theme < 10; theme++)
    {
        manager.SetTheme(theme);
        int caption = manager.GetPaintManager()->GetCaptionHeight();
        if (caption < lowest)
            lowest = caption, found.low = theme;
        if (caption > highest)
            highest = caption, found.high = theme;
    }
    return found;
}

} // namespace

TEST(FloatingFrameCaptionHeight, TheClientStartsBelowTheCaptionOfTheThemeInForce)
{
    const CaptionThemes themes = FindCaptionThemes();
    const int kLowTheme = themes.low, kHighTheme = themes.high;
    FloatingSetup s(TRUE, kLowTheme);
    ASSERT_TRUE(::IsWindowVisible(s.hFloating));
    const int low = CaptionOf(s);
    const ClientOffset first = ClientOffsetOf(s.hFloating);
    ASSERT_EQ(first.border + low + 2, first.top);

    s.frame->manager.SetTheme(kHighTheme);
    const int high = CaptionOf(s);
    ASSERT_GT(high, low);
    EXPECT_EQ(first.border + high + 2, ClientOffsetOf(s.hFloating).top) << "higher caption, at once";

    s.frame->manager.SetTheme(kLowTheme);
    EXPECT_EQ(first.border + low + 2, ClientOffsetOf(s.hFloating).top) << "lower caption, at once";

    // A setting change measures the caption anew: here it grows by the
    // inset given to the theme meanwhile.
    CXTPDockingPanePaintManager* paint = s.frame->manager.GetPaintManager();
    paint->m_nCaptionInset += 6;
    s.frame->manager.SendMessage(WM_SETTINGCHANGE);
    ASSERT_EQ(low + 6, CaptionOf(s));
    EXPECT_EQ(first.border + low + 6 + 2, ClientOffsetOf(s.hFloating).top) << "after the setting change";
    paint->m_nCaptionInset -= 6;
    s.frame->manager.SendMessage(WM_SETTINGCHANGE);
    EXPECT_EQ(first.border + low + 2, ClientOffsetOf(s.hFloating).top) << "and back";

    // A frame folded to its caption keeps to the new caption's floor too.
    ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
    s.floating->SetCollapsible(TRUE);
    Ticks(s.hFloating, 1, 6);
    Ticks(s.hFloating, 3, 9);
    ASSERT_EQ(low + 8, WindowRectOf(s.hFloating).Height());
    s.frame->manager.SetTheme(kHighTheme);
    EXPECT_EQ(high + 8, WindowRectOf(s.hFloating).Height()) << "folded, under a higher caption";
}

TEST(FloatingFrameCaptionHeight, AfterAHighCaptionALowOneShowsAsInAFreshFrame)
{
    const CaptionThemes themes = FindCaptionThemes();
    const int kLowTheme = themes.low, kHighTheme = themes.high;
    testshot::Image changed, fresh;
    int caption = 0;
    {
        FloatingSetup s(TRUE, kHighTheme);
        ASSERT_TRUE(::IsWindowVisible(s.hFloating));
        s.frame->manager.SetTheme(kLowTheme);
        testpump::PumpUntilIdle();
        changed = RedrawAndShoot(s.hFloating);
        caption = CaptionOf(s);
    }
    {
        FloatingSetup s(TRUE, kLowTheme);
        ASSERT_TRUE(::IsWindowVisible(s.hFloating));
        testpump::PumpUntilIdle();
        fresh = RedrawAndShoot(s.hFloating);
    }
    EXPECT_FALSE(testshot::Save(changed, L"docking_floating_caption_after_higher_theme.png").empty());
    EXPECT_FALSE(testshot::Save(fresh, L"docking_floating_caption_fresh_low_theme.png").empty());
    ASSERT_EQ(fresh.width, changed.width);
    ASSERT_EQ(fresh.height, changed.height);
    // The band below the caption, where the higher caption's client began.
    for (int y = caption; y < caption + 16; y++)
    {
        for (int x : {20, fresh.width / 2})
            EXPECT_EQ(fresh.Pixel(x, y), changed.Pixel(x, y)) << x << "," << y;
    }
}

// Each tooltip style shown through a context on a real window, saved as a
// picture and checked for the colours its look promises.
#include <gtest/gtest.h>

#include "ToolTipTestSupport.h"
#include "support/Screenshot.h"

using namespace tiptest;

namespace {

struct StyleShot
{
    int style;
    const wchar_t* file;
    const wchar_t* text;
};

class ToolTipScreenshotTest : public ::testing::TestWithParam<StyleShot>
{
};

testshot::Image ShowAndCapture(CXTPToolTipContext& context, COwnerWnd& owner)
{
    MoveMouse(context, owner, owner.ScreenPoint(30, 25));
    MoveMouse(context, owner, owner.ScreenPoint(31, 25));
    CWnd* tip = context.GetToolTip();
    if (!tip)
        return testshot::Image();
    if (tip->IsKindOf(RUNTIME_CLASS(CXTPToolTipContextToolTip))) {
        tip->SendMessage(WM_TIMER, CXTPToolTipContextToolTip::SHOW_TIMER_ID);
    } else {
        // The system control keeps its own timers.
        // It shows once the mouse has rested for its delay: a move now and
        // then, not at every look.
        DWORD dwMoved = ::GetTickCount();
        testpump::PumpUntil([&] {
            if (::GetTickCount() - dwMoved >= 20) {
                MoveMouse(context, owner, owner.ScreenPoint(31, 25));
                dwMoved = ::GetTickCount();
            }
            return tip->IsWindowVisible() != FALSE;
        });
        testpump::PumpUntilIdle();
    }
    if (!tip->IsWindowVisible())
        return testshot::Image();
    return testshot::CaptureWindow(tip->GetSafeHwnd());
}

template <class Test> bool AnyPixel(const testshot::Image& image, Test test)
{
    for (int y = 0; y < image.height; y++)
        for (int x = 0; x < image.width; x++)
            if (test(image.Pixel(x, y)))
                return true;
    return false;
}

TEST_P(ToolTipScreenshotTest, StyleDrawsItsLook)
{
    const StyleShot& shot = GetParam();
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateAt(200, 200, 300, 120));
    owner.tools = {{1, {10, 10, 200, 60}, shot.text, L"Neue Tickets", L"Drei Angebote für Spiel 12 sind wieder frei."}};
    ::SetForegroundWindow(owner.GetSafeHwnd());
    testpump::PumpUntilIdle();

    CXTPToolTipContext context;
    context.SetStyle(shot.style);
    context.SetDelayTime(TTDT_INITIAL, 10);
    if (shot.style != xtpToolTipRTF)
        context.ShowTitleAndDescription(TRUE, TTI_INFO);
    testshot::Image image = ShowAndCapture(context, owner);
    ASSERT_GT(image.width, 20);
    ASSERT_GT(image.height, 10);
    EXPECT_FALSE(testshot::Save(image, shot.file).empty());

    // Some pixels carry text: not every pixel has the same colour.
    COLORREF first = image.Pixel(image.width / 2, 1);
    EXPECT_TRUE(AnyPixel(image, [first](COLORREF c) { return c != first; }));

    switch (shot.style) {
    case xtpToolTipOffice:
        // The drawn style's flat frame: light top and left, black bottom and right.
        EXPECT_EQ(image.Pixel(0, image.height / 2), ::GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(image.Pixel(image.width - 1, image.height / 2), RGB(0, 0, 0));
        EXPECT_EQ(image.Pixel(2, image.height - 3), context.GetTipBkColor());
        break;
    case xtpToolTipOffice2007:
        EXPECT_EQ(image.Pixel(0, image.height / 2), COLORREF(0x767676));
        EXPECT_GE(GetBValue(image.Pixel(2, 2)), 0xF8);
        EXPECT_NEAR(GetBValue(image.Pixel(2, image.height - 2)), 0xF0, 3);
        EXPECT_NEAR(GetRValue(image.Pixel(2, image.height - 2)), 0xE4, 3);
        break;
    case xtpToolTipRTF:
        // The red run of the text is there.
        EXPECT_TRUE(AnyPixel(image, [](COLORREF c) {
            return GetRValue(c) > 150 && GetGValue(c) < 80 && GetBValue(c) < 80;
        }));
        break;
    default:
        break;
    }
    owner.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ToolTipScreenshotTest,
    ::testing::Values(StyleShot{xtpToolTipStandard, L"tooltip_standard.png", L"Tickets suchen"},
                      StyleShot{xtpToolTipBalloon, L"tooltip_balloon.png", L"Tickets suchen"},
                      StyleShot{xtpToolTipOffice, L"tooltip_drawn.png", L"Tickets suchen"},
                      StyleShot{xtpToolTipRTF, L"tooltip_richtext.png",
                                L"{\\rtf1{\\colortbl;\\red192\\green0\\blue0;}{\\b Spiel 12:} "
                                L"{\\cf1 3 Tickets} wieder frei\\par{\\i Kategorie 2}}"},
                      StyleShot{xtpToolTipLuna, L"tooltip_luna.png", L"Tickets suchen"},
                      StyleShot{xtpToolTipOffice2007, L"tooltip_office2007.png", L"Tickets suchen"}));

} // namespace

TEST(ToolTipFit, TheSystemTipFitsItsLineAndLosesAnEarlierTitle)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateAt(200, 200, 300, 120));
    owner.tools = {{1, {10, 10, 200, 60}, L"sortieren nach: Spiel", L"Spalte", L"Klicken sortiert die Zeilen."}};
    ::SetForegroundWindow(owner.GetSafeHwnd());
    testpump::PumpUntilIdle();
    CXTPToolTipContext context;
    context.SetDelayTime(TTDT_INITIAL, 10);
    // With a title first, then without one: the second tip is one line again.
    for (BOOL bTitle : {FALSE, TRUE, FALSE}) {
        context.ShowTitleAndDescription(bTitle, TTI_NONE);
        MoveMouse(context, owner, owner.ScreenPoint(250, 100));
        testshot::Image image = ShowAndCapture(context, owner);
        ASSERT_GT(image.width, 20) << "title " << bTitle;
        if (bTitle)
            continue;
        EXPECT_FALSE(testshot::Save(image, L"tooltip_standard_one_line.png").empty());
        EXPECT_LT(image.height, 30) << "a one-line tip is about one line high";
        // The text is in its upper half, not pushed down by an empty title.
        int nTopDark = 0;
        for (int y = 0; y < image.height / 2; y++)
            for (int x = 0; x < image.width; x++)
                nTopDark += GetRValue(image.Pixel(x, y)) < 100 ? 1 : 0;
        EXPECT_GT(nTopDark, 10);
    }
}

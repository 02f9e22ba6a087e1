// Gradient fills: the own fallback's columns, the system entry point, the
// clipped and two-stage forms.
#include <gtest/gtest.h>
#include "DrawTestSupport.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/colors/XTPGradientValue.h"
#include <cstdlib>

namespace {

const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255), marker = RGB(1, 2, 3);

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class GradientTest : public testing::Test
{
protected:
    CXTPDrawHelpers m_fallback{L"NoSuchImaging.dll"};
    CDibCanvas m_canvas{120, 60, marker};
};

} // namespace

TEST_F(GradientTest, FallbackColumnsTruncateTheBlend)
{
    ASSERT_FALSE(m_fallback.IsFastFillAvailable());
    EXPECT_TRUE(XTPDrawHelpers()->IsFastFillAvailable()) << "the system library has the entry point";
    RECT rc = {10, 5, 14, 9};
    m_fallback.GradientFill(m_canvas.DC(), &rc, black, white, TRUE);
    const int expected[] = {0, 63, 127, 191};
    for (int i = 0; i < 4; i++)
        for (int y = 5; y < 9; y++)
            EXPECT_EQ(RGB(expected[i], expected[i], expected[i]), m_canvas.Pixel(10 + i, y)) << i;
    EXPECT_EQ(marker, m_canvas.Pixel(14, 5)) << "the right edge is not drawn";
    EXPECT_EQ(marker, m_canvas.Pixel(9, 5));

    RECT rcVertical = {20, 0, 22, 4};
    m_fallback.GradientFill(m_canvas.DC(), &rcVertical, black, white, FALSE);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(RGB(expected[i], expected[i], expected[i]), m_canvas.Pixel(21, i)) << i;
}

TEST_F(GradientTest, EqualColoursAndEmptyRectanglesNeedNoGradient)
{
    for (CXTPDrawHelpers* helpers : {&m_fallback, XTPDrawHelpers()})
    {
        RECT rc = {0, 0, 30, 20};
        helpers->GradientFill(m_canvas.DC(), &rc, RGB(10, 20, 30), RGB(10, 20, 30), TRUE);
        EXPECT_TRUE(m_canvas.IsFilled(rc, RGB(10, 20, 30)));

        RECT rcEmptyWidth = {40, 0, 40, 20}, rcEmptyHeight = {40, 0, 60, 0};
        helpers->GradientFill(m_canvas.DC(), &rcEmptyWidth, black, white, TRUE);
        helpers->GradientFill(m_canvas.DC(), &rcEmptyHeight, black, white, FALSE);
        helpers->GradientFill(m_canvas.DC(), nullptr, black, white, FALSE);
        EXPECT_TRUE(m_canvas.IsFilled({30, 0, 120, 60}, marker));
    }
}

TEST_F(GradientTest, FallbackDrawsOnlyInsideTheClipBox)
{
    HRGN clip = CreateRectRgn(50, 0, 70, 60);
    SelectClipRgn(m_canvas.DC()->m_hDC, clip);
    RECT rc = {0, 10, 100, 20};
    m_fallback.GradientFill(m_canvas.DC(), &rc, black, white, TRUE);
    SelectClipRgn(m_canvas.DC()->m_hDC, nullptr);
    DeleteObject(clip);

    EXPECT_TRUE(m_canvas.IsFilled({0, 10, 50, 20}, marker));
    EXPECT_TRUE(m_canvas.IsFilled({70, 10, 100, 20}, marker));
    EXPECT_EQ(RGB(127, 127, 127), m_canvas.Pixel(50, 15));
}

TEST_F(GradientTest, SystemEntryPointRunsFromFirstToSecondColour)
{
    RECT rc = {0, 0, 100, 10};
    XTPDrawHelpers()->GradientFill(m_canvas.DC(), &rc, black, white, TRUE);
    EXPECT_TRUE(Near(black, m_canvas.Pixel(0, 5), 3));
    EXPECT_TRUE(Near(white, m_canvas.Pixel(99, 5), 3));
    EXPECT_TRUE(Near(RGB(128, 128, 128), m_canvas.Pixel(50, 5), 4));
}

TEST_F(GradientTest, ClippedGradientShowsTheColoursOfTheWholeOne)
{
    const COLORREF from = RGB(200, 40, 0), to = RGB(0, 120, 240);
    for (BOOL horizontal : {TRUE, FALSE})
    {
        CDibCanvas whole(100, 100, marker), clipped(100, 100, marker);
        RECT rc = {0, 0, 100, 100};
        // The clip covers the far half only (right or bottom), and not all of the other side.
        RECT clip = horizontal ? RECT{50, 10, 100, 90} : RECT{10, 50, 90, 100};
        m_fallback.GradientFill(whole.DC(), &rc, from, to, horizontal);
        m_fallback.GradientFillClipped(clipped.DC(), &rc, from, to, horizontal, &clip);

        EXPECT_EQ(XTPBlendColors(from, to, 0.5f), clipped.Pixel(50, 50)) << "starts at the middle colour";
        EXPECT_EQ(whole.Pixel(50, 50), clipped.Pixel(50, 50)) << "equal at the clip edge";
        for (int i = 50; i < 100; i++)
        {
            int x = horizontal ? i : 50, y = horizontal ? 50 : i;
            EXPECT_TRUE(Near(whole.Pixel(x, y), clipped.Pixel(x, y), 1)) << i;
        }
        EXPECT_EQ(marker, horizontal ? clipped.Pixel(49, 50) : clipped.Pixel(50, 49)) << "nothing before the clip";
        EXPECT_EQ(marker, horizontal ? clipped.Pixel(60, 5) : clipped.Pixel(5, 60)) << "nothing across the clip";
    }

    // Both ends cut; a clip beside the rectangle draws nothing; no clip is the plain fill.
    CDibCanvas whole(100, 10, marker), clipped(100, 10, marker);
    RECT rc = {0, 0, 100, 10}, clip = {25, 0, 75, 10}, away = {200, 0, 300, 10};
    m_fallback.GradientFill(whole.DC(), &rc, black, white, TRUE);
    m_fallback.GradientFillClipped(clipped.DC(), &rc, black, white, TRUE, &clip);
    EXPECT_TRUE(Near(whole.Pixel(74, 5), clipped.Pixel(74, 5), 1));
    EXPECT_EQ(marker, clipped.Pixel(75, 5));
    m_fallback.GradientFillClipped(clipped.DC(), &rc, black, white, TRUE, &away);
    EXPECT_EQ(marker, clipped.Pixel(10, 5));
    m_fallback.GradientFillClipped(clipped.DC(), &rc, black, white, TRUE, nullptr);
    EXPECT_EQ(whole.Pixel(10, 5), clipped.Pixel(10, 5));
}

TEST_F(GradientTest, FactorSplitsTheGradientAtItsMiddleColour)
{
    CXTPGradientValue gradient;
    gradient.SetStandardColors(RGB(255, 255, 255), RGB(0, 0, 100), 1.0f);
    RECT rc = {0, 0, 101, 10};
    m_fallback.GradientFillByFactor(m_canvas.DC(), &rc, gradient, TRUE, nullptr);
    // Factor 1: the middle is the light colour, so the first half is plain.
    EXPECT_TRUE(m_canvas.IsFilled({0, 0, 51, 10}, RGB(255, 255, 255)));
    EXPECT_NE(RGB(255, 255, 255), m_canvas.Pixel(100, 5));
    EXPECT_TRUE(Near(RGB(5, 5, 103), m_canvas.Pixel(100, 5), 1)) << "the last column of the second half";

    gradient.SetStandardColors(RGB(0, 0, 0), RGB(200, 200, 200), 0.25f);
    gradient.clrDark.SetCustomValue(RGB(0, 0, 0));
    RECT rcVertical = {0, 20, 10, 60};
    m_fallback.GradientFillByFactor(m_canvas.DC(), &rcVertical, gradient, FALSE, nullptr);
    EXPECT_TRUE(m_canvas.IsFilled(rcVertical, black)) << "custom dark colour wins: all black";

    // Factor 0.5 is the plain clipped gradient from light to dark.
    CXTPGradientValue plain(RGB(9, 9, 9));
    plain.clrDark.SetStandardValue(RGB(109, 109, 109));
    CDibCanvas byFactor(100, 4, marker), direct(100, 4, marker);
    RECT rcPlain = {0, 0, 100, 4}, clip = {30, 0, 60, 4};
    m_fallback.GradientFillByFactor(byFactor.DC(), &rcPlain, plain, TRUE, &clip);
    m_fallback.GradientFillClipped(direct.DC(), &rcPlain, RGB(9, 9, 9), RGB(109, 109, 109), TRUE, &clip);
    for (int x = 0; x < 100; x++)
        EXPECT_EQ(direct.Pixel(x, 2), byFactor.Pixel(x, 2)) << x;
}

TEST(BlendColors, WeighsTheFirstColourByTheRatio)
{
    EXPECT_EQ(RGB(63, 63, 63), XTPBlendColors(RGB(0, 0, 0), RGB(255, 255, 255), 0.75f));
    EXPECT_EQ(RGB(127, 127, 105), XTPBlendColors(RGB(255, 0, 10), RGB(0, 255, 200), 0.5f));
    EXPECT_EQ(RGB(255, 255, 255), XTPBlendColors(RGB(255, 255, 255), RGB(0, 0, 0), 1.5f)) << "capped at 255";
}

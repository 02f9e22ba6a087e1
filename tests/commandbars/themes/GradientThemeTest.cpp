// The gradient looks under forced colour schemes: scheme colours, low colour,
// the glyph picture, gradient state rectangles, and how little separates the
// program's default look from its parent when no scheme is in force.
#include <gtest/gtest.h>
#include <memory>
#include "../CommandBarsTestSupport.h"
#include "support/Screenshot.h"
#include "ThemeTestSupport.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"

using XTPPaintThemes::CXTPOffice2003Theme;
using XTPPaintThemes::CXTPWhidbeyTheme;

namespace {

const COLORREF kBackground = RGB(255, 0, 255);

BOOL IsPlain(const CXTPGradientValue& g, COLORREF clr)
{
    return g.clrLight.GetColor() == clr && g.clrDark.GetColor() == clr;
}

class GradientThemes : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(0, 0, 400, 200)));
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(0, 0, 300, 30)));
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    // Draws the same parts with both looks into canvases; true when equal.
    static bool SamePixels(CTestCanvas& a, CTestCanvas& b, const RECT& rc)
    {
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++)
                if (a.Pixel(x, y) != b.Pixel(x, y))
                    return false;
        return true;
    }

    CTestSite m_site;
    CTestBar m_bar;
};

} // namespace

TEST_F(GradientThemes, SchemesColourBordersPopupsAndHotButtons)
{
    struct Row
    {
        int scheme;
        BOOL luna;
        COLORREF border, c43, c35;
    };
    const Row rows[] = {
        {1, TRUE, 0x9C613B, 0x962D00, 0x8D8D8D},
        {2, TRUE, 0x588060, 0x5E8D75, 0x8D8D8D},
        {3, TRUE, 0x947C7C, 0x947C7C, 0x8D8D8D},
    };
    for (const Row& r : rows) {
        CSchemeScope scope(r.scheme);
        CXTPOffice2003Theme theme;
        theme.RefreshMetrics();
        EXPECT_EQ(r.luna, theme.IsLunaApplied()) << r.scheme;
        EXPECT_EQ(r.border, theme.m_clrToolbarBorder.GetColor()) << r.scheme;
        EXPECT_EQ(r.c43, theme.GetColor(43)) << r.scheme;
        EXPECT_EQ(r.c35, theme.GetColor(35)) << r.scheme;
        EXPECT_EQ(theme.GetColor(32), theme.GetColor(50)) << "32, 37 and 50 are one colour";
    }
    // No scheme: the defaults mixed from the table; grey frames stay the system's.
    CSchemeScope none(0);
    CXTPOffice2003Theme theme;
    theme.RefreshMetrics();
    EXPECT_FALSE(theme.IsLunaApplied());
    EXPECT_EQ(theme.GetColor(30), theme.m_clrToolbarBorder.GetColor());
    EXPECT_EQ(theme.GetColor(COLOR_3DFACE), theme.m_grcToolBar.clrDark.GetColor());
    EXPECT_EQ(XTPGetColorManager()->GetColor(35), theme.GetColor(35));
}

TEST_F(GradientThemes, TheDefaultLookFollowsTheSystemSchemeButNeverAppliesItsOwn)
{
    const struct
    {
        int scheme;
        COLORREF border, c31, c47;
    } rows[] = {{1, 0x7CA3A3, 0, 0}, {2, 0x7CA3A3, 0x8DC6B6, 0xFFFFFF}, {3, 0x947C7C, 0xC2EEFF, 0x000000}};
    for (const auto& r : rows) {
        CSchemeScope scope(r.scheme);
        CXTPWhidbeyTheme theme;
        theme.RefreshMetrics();
        EXPECT_FALSE(theme.IsLunaApplied()) << r.scheme;
        EXPECT_EQ(r.border, theme.m_clrToolbarBorder.GetColor()) << r.scheme;
        if (r.c31) {
            EXPECT_EQ(r.c31, theme.GetColor(31)) << r.scheme;
            EXPECT_EQ(r.c47, theme.GetColor(47)) << r.scheme;
        } else {
            EXPECT_EQ(XTPGetColorManager()->GetColor(31), theme.GetColor(31)) << "blue keeps the table's";
        }
        // Its hot buttons keep the flat rules with those colours.
        CTestCanvas canvas(30, 30, kBackground);
        theme.DrawStateRect(canvas.DC(), CRect(5, 5, 25, 25), TRUE, 1, 0, 0, FALSE, xtpBarTop);
        EXPECT_EQ(theme.GetColor(31), canvas.Pixel(15, 15)) << r.scheme;
    }
}

TEST_F(GradientThemes, WithoutSchemeTheDefaultLookDiffersOnlyInExpandButtonAndSeparator)
{
    CSchemeScope none(0);
    CXTPOffice2003Theme office;
    CXTPWhidbeyTheme whidbey;
    office.RefreshMetrics();
    whidbey.RefreshMetrics();
    CXTPControl* pFirst = m_bar.AddButton(1, CRect(10, 3, 33, 25));
    CXTPControl* pSecond = m_bar.AddButton(2, CRect(40, 3, 63, 25));
    pSecond->SetBeginGroup(TRUE);
    CXTPControl* pExpand = m_bar.AddButton(3, CRect(288, 1, 300, 30));
    pFirst->SetSelected(1);

    std::unique_ptr<CTestCanvas> canvases[2];
    CXTPPaintManager* looks[2] = {&office, &whidbey};
    for (int i = 0; i < 2; i++) {
        canvases[i].reset(new CTestCanvas(300, 30, kBackground));
        CDC* pDC = canvases[i]->DC();
        looks[i]->FillCommandBarEntry(pDC, &m_bar);
        looks[i]->DrawCommandBarGripper(pDC, &m_bar, TRUE);
        looks[i]->DrawControlState(pDC, pFirst);
        for (int nState = 0; nState < 6; nState++)
            looks[i]->DrawStateRect(pDC, CRect(100 + nState * 25, 3, 120 + nState * 25, 25), nState != 5,
                                    nState & 1, nState >= 2 && nState < 4, nState >= 3, FALSE, xtpBarTop);
        looks[i]->DrawCommandBarSeparator(pDC, &m_bar, pSecond, TRUE);
        looks[i]->DrawSpecialControl(pDC, xtpButtonExpandToolbar, pExpand, &m_bar, TRUE, nullptr);
    }
    EXPECT_TRUE(SamePixels(*canvases[0], *canvases[1], CRect(0, 0, 35, 30))) << "fill, gripper, hot button";
    EXPECT_TRUE(SamePixels(*canvases[0], *canvases[1], CRect(38, 0, 285, 30))) << "state rectangles";
    EXPECT_TRUE(SamePixels(*canvases[0], *canvases[1], CRect(36, 0, 37, 30))) << "the separator line";
    EXPECT_FALSE(SamePixels(*canvases[0], *canvases[1], CRect(37, 0, 38, 30))) << "the highlight line";
    EXPECT_EQ(whidbey.GetColor(39), canvases[1]->Pixel(36, 12));
    EXPECT_FALSE(SamePixels(*canvases[0], *canvases[1], CRect(288, 1, 300, 30))) << "the expand button";
}

TEST_F(GradientThemes, LowColourDisplaysGetPlainFaces)
{
    CSchemeScope low(0, TRUE);
    CXTPWhidbeyTheme whidbey;
    whidbey.RefreshMetrics();
    COLORREF clrFace = whidbey.GetColor(COLOR_3DFACE);
    for (const CXTPGradientValue* g :
         {&whidbey.m_grcToolBar, &whidbey.m_grcBar, &whidbey.m_grcPopupOpen, &whidbey.m_grcExpandButton})
        EXPECT_TRUE(IsPlain(*g, clrFace));
    EXPECT_FALSE(IsPlain(whidbey.m_grcExpanded, clrFace)) << "not among the plain ones";
}

TEST_F(GradientThemes, GlyphPixelsLieBetweenTheGlyphColours)
{
    CSchemeScope none(0);
    CXTPOffice2003Theme theme;
    const COLORREF c1 = RGB(200, 100, 0), c2 = RGB(0, 200, 100);
    theme.m_grcGlyph.clrLight.SetCustomValue(c1);
    theme.m_grcGlyph.clrDark.SetCustomValue(c2);
    theme.RefreshMetrics();
    ASSERT_NE(nullptr, theme.GetGlyphImageList());
    CTestCanvas canvas(16, 16, kBackground);
    ImageList_Draw(theme.GetGlyphImageList(), 0, canvas.DC()->GetSafeHdc(), 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(kBackground, canvas.Pixel(0, 0)) << "intensity 255 is the mask";
    int nPainted = 0;
    for (int y = 0; y < 16; y++) {
        for (int x = 0; x < 16; x++) {
            COLORREF clr = canvas.Pixel(x, y);
            if (clr == kBackground)
                continue;
            nPainted++;
            // Red falls from 200 to 0 as the intensity v rises; green and blue follow the same v.
            int v = (200 - GetRValue(clr)) * 255 / 200;
            EXPECT_NEAR(100 + 100 * v / 255, GetGValue(clr), 2) << x << "," << y;
            EXPECT_NEAR(100 * v / 255, GetBValue(clr), 2) << x << "," << y;
        }
    }
    EXPECT_GT(nPainted, 100);
}

TEST_F(GradientThemes, LunaStatesAreGradientsAcrossTheBar)
{
    CSchemeScope blue(1);
    CXTPOffice2003Theme theme;
    theme.RefreshMetrics();
    enum { kChecked, kPressed, kHover, kPlain51, kNothing };
    struct Row
    {
        BOOL enabled;
        int selected, pressed, checked, border, fill;
    };
    const Row rows[] = {
        {TRUE, 0, 0, 2, 50, kPlain51}, {TRUE, 0, 0, 1, 50, kChecked}, {TRUE, 1, 0, 0, 32, kHover},
        {TRUE, 0, 1, 0, 32, kHover},   {TRUE, 1, 1, 0, 50, kPressed}, {TRUE, 0, 2, 0, 50, kPressed},
        {TRUE, 1, 0, 1, 50, kPressed}, {FALSE, 2, 0, 1, 50, kPressed}, {FALSE, 2, 0, 0, 50, kHover},
        {FALSE, 0, 0, 1, 58, kChecked}, {FALSE, 1, 0, 0, -1, kNothing}, {TRUE, 0, 0, 0, -1, kNothing},
    };
    // The fills' second row, where the frame ends, read from each gradient drawn alone.
    COLORREF firstRow[] = {0, 0, 0, theme.GetColor(51), kBackground};
    const CXTPGradientValue* gradients[] = {&theme.m_grcChecked, &theme.m_grcPressed, &theme.m_grcHover};
    for (int i = 0; i < 3; i++) {
        CTestCanvas reference(40, 40, kBackground);
        XTPDrawHelpers()->GradientFillByFactor(reference.DC(), CRect(5, 5, 35, 35), *gradients[i], FALSE, nullptr);
        firstRow[i] = reference.Pixel(20, 6);
    }
    for (const Row& r : rows) {
        CTestCanvas canvas(40, 40, kBackground);
        theme.DrawStateRect(canvas.DC(), CRect(5, 5, 35, 35), r.enabled, r.selected, r.pressed, r.checked, FALSE,
                            xtpBarTop);
        EXPECT_EQ(r.border < 0 ? kBackground : theme.GetColor(r.border), canvas.Pixel(5, 5)) << r.border;
        EXPECT_EQ(firstRow[r.fill], canvas.Pixel(20, 6)) << "fill " << r.fill << " border " << r.border;
    }
    for (int position : {xtpBarTop, xtpBarLeft}) {
        CTestCanvas canvas(40, 40, kBackground);
        theme.DrawStateRect(canvas.DC(), CRect(5, 5, 35, 35), TRUE, 1, 0, 0, FALSE, position);
        BOOL bVertical = position == xtpBarLeft;
        EXPECT_EQ(canvas.Pixel(10, 7), canvas.Pixel(bVertical ? 10 : 30, bVertical ? 30 : 7))
            << "one colour along the bar, position " << position;
        EXPECT_NE(canvas.Pixel(7, 7), canvas.Pixel(32, 32)) << position;
    }
    // Menus keep the flat items even under a scheme.
    CTestCanvas canvas(40, 40, kBackground);
    theme.DrawStateRect(canvas.DC(), CRect(5, 5, 35, 35), TRUE, 1, 0, 0, FALSE, xtpBarPopup);
    EXPECT_EQ(theme.GetColor(31), canvas.Pixel(20, 20));
}

TEST_F(GradientThemes, ShortToolbarsDrawNoGripperDots)
{
    CSchemeScope blue(1);
    CXTPOffice2003Theme theme;
    theme.RefreshMetrics();
    for (int height : {30, 12}) {
        m_bar.MoveWindow(0, 0, 300, height);
        CTestCanvas canvas(300, height, kBackground);
        EXPECT_EQ(6, theme.DrawCommandBarGripper(canvas.DC(), &m_bar, TRUE).cx);
        int nDots = canvas.CountPixels(CRect(0, 0, 10, height), theme.GetColor(38));
        EXPECT_EQ(height > 16, nDots > 0) << height;
    }
}

TEST_F(GradientThemes, OnlyToolbarsTakeThePlainFillOfTheRightDockBar)
{
    CSchemeScope blue(1);
    CXTPOffice2003Theme theme;
    theme.RefreshMetrics();
    const COLORREF clrDark = theme.m_grcBar.clrDark.GetColor();
    // The right dock bar carries style bits 0x4100; the others do not.
    CWnd plainDock, gradientDock;
    ASSERT_TRUE(plainDock.CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE | 0x4100, 0, 40, 400, 60,
                                   m_site.GetSafeHwnd(), nullptr));
    ASSERT_TRUE(CreateChild(gradientDock, m_site, CRect(0, 100, 400, 160)));
    for (XTPCommandBarType type : {xtpBarTypeMenuBar, xtpBarTypeNormal}) {
        COLORREF left[2], right[2];
        CWnd* docks[2] = {&plainDock, &gradientDock};
        for (int i = 0; i < 2; i++) {
            CXTPToolBar bar;
            bar.SetType(type);
            bar.SetBarPosition(xtpBarRight);
            ASSERT_TRUE(CreateChild(bar, *docks[i], CRect(0, 0, 200, 24)));
            CTestCanvas canvas(200, 24, kBackground);
            theme.FillCommandBarEntry(canvas.DC(), &bar);
            left[i] = canvas.Pixel(1, 1);
            right[i] = canvas.Pixel(198, 1);
            if (i == 0) {
                testshot::Save(testshot::CaptureDC(canvas.DC()->GetSafeHdc(), CRect(0, 0, 200, 24)),
                               type == xtpBarTypeMenuBar ? L"commandbars_theme2_right_dock_menubar.png"
                                                         : L"commandbars_theme2_right_dock_toolbar.png");
            }
            bar.DestroyWindow();
        }
        if (type == xtpBarTypeMenuBar) {
            EXPECT_EQ(left[1], left[0]) << "a menu bar keeps the gradient on any dock bar";
            EXPECT_EQ(right[1], right[0]);
            EXPECT_NE(left[0], right[0]) << "a gradient, not a plain fill";
        } else {
            EXPECT_EQ(clrDark, left[0]) << "a toolbar on the right dock bar is plain";
            EXPECT_NE(clrDark, left[1]);
        }
    }
    plainDock.DestroyWindow();
    gradientDock.DestroyWindow();
}

// The visual-style look: the button and split-button state tables read back
// against the style's own parts, the classic look exactly while styles are
// off, and flat popup frames taken from the rebar class.
#include <gtest/gtest.h>
#include "../CommandBarsTestSupport.h"
#include "ThemeTestSupport.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPNativeXPTheme.h"
#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"

using XTPPaintThemes::CXTPDefaultTheme;
using XTPPaintThemes::CXTPNativeXPTheme;

namespace {

const COLORREF kBackground = RGB(255, 0, 255);

bool SamePixels(const CTestCanvas& a, const CTestCanvas& b, int width, int height)
{
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

// The system's flat menu setting switched off, as on systems without it.
class CNoSystemFlatMenus : public CXTPNativeXPTheme
{
protected:
    BOOL GetSystemFlatMenus() override { return FALSE; }
};

class NativeTheme : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(0, 0, 300, 200)));
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(0, 0, 200, 30)));
        m_theme.RefreshMetrics();
        m_toolbarStyle.OpenThemeData(nullptr, L"TOOLBAR");
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }

    CTestSite m_site;
    CTestBar m_bar;
    CXTPNativeXPTheme m_theme;
    CXTPWinThemeWrapper m_toolbarStyle;
};

struct StateRow
{
    BOOL enabled;
    int selected, pressed, checked;
    BOOL popuped;
    int state;
};

} // namespace

TEST_F(NativeTheme, ButtonStatesPickTheToolbarPartState)
{
    if (!m_theme.IsThemed())
        GTEST_SKIP() << "no visual style in force";
    const StateRow rows[] = {
        {TRUE, 0, 0, 0, TRUE, 3},  {TRUE, 0, 0, 1, FALSE, 5}, {TRUE, 1, 0, 1, FALSE, 6}, {TRUE, 1, 1, 0, FALSE, 3},
        {TRUE, 0, 2, 0, FALSE, 3}, {TRUE, 1, 1, 1, FALSE, 3}, {TRUE, 1, 0, 2, FALSE, 2}, {TRUE, 1, 0, 0, FALSE, 2},
        {TRUE, 0, 0, 0, FALSE, 1}, {FALSE, 0, 0, 1, FALSE, 3}, {FALSE, 1, 0, 2, FALSE, 3}, {FALSE, 1, 0, 0, FALSE, 4},
    };
    for (const StateRow& r : rows) {
        CTestCanvas drawn(30, 30, kBackground), expected(30, 30, kBackground);
        m_theme.DrawStateRect(drawn.DC(), CRect(3, 3, 27, 27), r.enabled, r.selected, r.pressed, r.checked, r.popuped,
                              xtpBarTop);
        m_toolbarStyle.DrawThemeBackground(expected.DC()->GetSafeHdc(), 1, r.state, CRect(3, 3, 27, 27), nullptr);
        EXPECT_TRUE(SamePixels(drawn, expected, 30, 30)) << "state " << r.state << " enabled " << r.enabled
                                                         << " selected " << r.selected << " checked " << r.checked;
    }
    // The states that fill differ from the ones that do not.
    CTestCanvas hot(30, 30, kBackground), normal(30, 30, kBackground);
    m_theme.DrawStateRect(hot.DC(), CRect(3, 3, 27, 27), TRUE, 1, 0, 0, FALSE, xtpBarTop);
    m_theme.DrawStateRect(normal.DC(), CRect(3, 3, 27, 27), TRUE, 0, 0, 0, FALSE, xtpBarTop);
    EXPECT_FALSE(SamePixels(hot, normal, 30, 30));
}

TEST_F(NativeTheme, SplitButtonsDrawTheirTwoParts)
{
    if (!m_theme.IsThemed())
        GTEST_SKIP() << "no visual style in force";
    CXTPControl* pSplit = m_bar.GetControls()->Add(new CThemeTestControl(xtpControlSplitButtonPopup), 5);
    pSplit->SetRect(CRect(10, 3, 45, 25));
    const struct
    {
        BOOL enabled;
        int selected, pressed, checked, state;
    } rows[] = {{FALSE, 1, 0, 0, 4}, {TRUE, 1, 1, 0, 3}, {TRUE, 1, 0, 0, 2}, {TRUE, 0, 0, 0, 1}, {TRUE, 0, 0, 1, 5}};
    for (const auto& r : rows) {
        pSplit->SetEnabled(r.enabled);
        pSplit->SetSelected(r.selected);
        pSplit->SetPressed(r.pressed);
        pSplit->SetChecked(r.checked);
        CTestCanvas drawn(60, 30, kBackground), expected(60, 30, kBackground);
        m_theme.DrawControlEntry(drawn.DC(), pSplit, pSplit->GetRect());
        m_toolbarStyle.DrawThemeBackground(expected.DC()->GetSafeHdc(), 3, r.state, CRect(10, 3, 33, 25), nullptr);
        m_toolbarStyle.DrawThemeBackground(expected.DC()->GetSafeHdc(), 4, r.state, CRect(33, 3, 45, 25), nullptr);
        EXPECT_TRUE(SamePixels(drawn, expected, 60, 30)) << "state " << r.state;
        EXPECT_EQ(m_theme.GetColor(r.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT), drawn.DC()->GetTextColor());
    }
}

TEST_F(NativeTheme, WithStylesOffItDrawsExactlyTheClassicLook)
{
    CXTPWinThemeLibrary missing(L"tavrolin-no-such-style-library.dll");
    CXTPNativeXPTheme native(&missing);
    CXTPDefaultTheme classic;
    native.RefreshMetrics();
    classic.RefreshMetrics();
    ASSERT_FALSE(native.IsThemed());
    CXTPControl* pSplit = m_bar.GetControls()->Add(new CThemeTestControl(xtpControlSplitButtonPopup), 5);
    pSplit->SetRect(CRect(120, 3, 155, 25));
    pSplit->SetSelected(1);
    CXTPControl* pGroup = m_bar.AddButton(6, CRect(165, 3, 188, 25));
    pGroup->SetBeginGroup(TRUE);
    CXTPPaintManager* looks[2] = {&native, &classic};
    CTestCanvas canvases[2] = {{200, 30, kBackground}, {200, 30, kBackground}};
    for (int i = 0; i < 2; i++) {
        CDC* pDC = canvases[i].DC();
        looks[i]->FillCommandBarEntry(pDC, &m_bar);
        looks[i]->DrawCommandBarGripper(pDC, &m_bar, TRUE);
        for (int n = 0; n < 8; n++)
            looks[i]->DrawStateRect(pDC, CRect(10 + n * 13, 3, 22 + n * 13, 25), n != 7, n & 1, (n >> 1) & 1, n >= 4,
                                    n == 6, xtpBarTop);
        looks[i]->DrawControlEntry(pDC, pSplit, pSplit->GetRect());
        looks[i]->DrawCommandBarSeparator(pDC, &m_bar, pGroup, TRUE);
    }
    EXPECT_TRUE(SamePixels(canvases[0], canvases[1], 200, 30));
}

TEST_F(NativeTheme, FlatMenusComeFromTheRebarStyleWhenTheSystemHasNone)
{
    CNoSystemFlatMenus theme;
    theme.RefreshMetrics();
    if (!theme.IsThemed())
        GTEST_SKIP() << "no visual style in force";
    CXTPWinThemeWrapper rebar;
    rebar.OpenThemeData(nullptr, L"REBAR");
    ASSERT_EQ(rebar.GetThemeSysBool(1001), theme.IsFlatMenus());
    CXTPPopupBar popup;
    popup.SetBarPosition(xtpBarPopup);
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), L"Menu", WS_CHILD | WS_VISIBLE, 0, 40, 100, 60,
                               m_site.GetSafeHwnd(), nullptr));
    CTestCanvas canvas(100, 60, kBackground);
    theme.FillCommandBarEntry(canvas.DC(), &popup);
    EXPECT_EQ(theme.GetColor(COLOR_MENU), canvas.Pixel(50, 30));
    COLORREF clrFlat = theme.GetColor(COLOR_3DSHADOW), clrRaised = theme.GetColor(COLOR_3DHIGHLIGHT);
    EXPECT_EQ(theme.IsFlatMenus() ? clrFlat : theme.GetColor(COLOR_3DFACE), canvas.Pixel(0, 0));
    EXPECT_EQ(theme.IsFlatMenus() ? theme.GetColor(COLOR_MENU) : clrRaised, canvas.Pixel(1, 1));
    popup.DestroyWindow();
}

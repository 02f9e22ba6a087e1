// Colour sets: which text colour a tab takes, header gradients by position,
// the dithered state button, custom values across refreshes, the scheme
// palettes of the Office2003 set, and the sets that appearances bring along.
#include <gtest/gtest.h>
#include "TabCanvas.h"
#include "ForcedScheme.h"
#include "TabTestHost.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/colors/XTPSystemThemeSource.h"
#include "toolkit/tabs/colors/XTPTabColorSets.h"

namespace {
bool Near(COLORREF a, COLORREF b)
{
    return abs(GetRValue(a) - GetRValue(b)) <= 8 && abs(GetGValue(a) - GetGValue(b)) <= 8 &&
           abs(GetBValue(a) - GetBValue(b)) <= 8;
}

COLORREF Managed(int index)
{
    return XTPGetColorManager()->GetColor(index);
}

} // namespace

TEST(TabColorSet, TextColourFollowsStateInOrder)
{
    CTabTestHost host;
    host.AddTabs({0, 0, 0});
    host.SetCurSel(0);
    host.m_pHighlighted = host.GetItem(1);
    CXTPTabPaintManager::CColorSet* colors = host.GetPaintManager()->GetColorSet();
    colors->m_clrButtonText.SetCustomValue(RGB(1, 0, 0));
    colors->m_clrSelectedText.SetCustomValue(RGB(2, 0, 0));
    colors->m_clrHighlightText.SetCustomValue(RGB(3, 0, 0));
    colors->m_clrInactiveText.SetCustomValue(RGB(4, 0, 0));
    colors->m_clrDisabledText.SetCustomValue(RGB(5, 0, 0));

    struct Case
    {
        int item;
        BOOL active, enabled;
        COLORREF expected;
    } cases[] = {
        {0, TRUE, TRUE, RGB(2, 0, 0)},  {1, TRUE, TRUE, RGB(3, 0, 0)},   {2, TRUE, TRUE, RGB(1, 0, 0)},
        {0, FALSE, TRUE, RGB(4, 0, 0)}, {1, FALSE, TRUE, RGB(4, 0, 0)},  {0, FALSE, FALSE, RGB(5, 0, 0)},
        {1, TRUE, FALSE, RGB(5, 0, 0)},
    };
    CTabCanvas canvas(4, 4);
    for (const Case& c : cases)
    {
        host.SetActive(c.active);
        host.GetItem(c.item)->m_bEnabled = c.enabled;
        colors->SetTextColor(canvas.DC(), host.GetItem(c.item));
        EXPECT_EQ(c.expected, canvas.DC()->GetTextColor()) << "item " << c.item << " active " << c.active;
        host.GetItem(c.item)->m_bEnabled = TRUE;
    }
}

TEST(TabColorSet, HeaderGradientStartsAtTheOuterEdge)
{
    struct Case
    {
        int position;
        BOOL invert;
        POINT black;  // where the first colour lies
    } cases[] = {
        {xtpTabPositionTop, FALSE, {10, 0}},    {xtpTabPositionBottom, FALSE, {10, 39}},
        {xtpTabPositionLeft, FALSE, {0, 10}},   {xtpTabPositionRight, FALSE, {39, 10}},
        {xtpTabPositionTop, TRUE, {10, 39}},    {xtpTabPositionBottom, TRUE, {10, 0}},
    };
    for (const Case& c : cases)
    {
        CTabTestHost host;
        CXTPTabPaintManager* paint = host.GetPaintManager();
        paint->SetPosition(c.position);
        paint->m_bInvertGradient = c.invert;
        paint->GetColorSet()->m_clrHeaderFace.clrLight.SetCustomValue(RGB(0, 0, 0));
        paint->GetColorSet()->m_clrHeaderFace.clrDark.SetCustomValue(RGB(255, 255, 255));
        CTabCanvas canvas(40, 40, RGB(0, 128, 0));
        paint->GetColorSet()->FillHeader(canvas.DC(), CRect(0, 0, 40, 40), &host);
        COLORREF first = canvas.Pixel(c.black.x, c.black.y);
        POINT opposite = c.black.x == 10 ? POINT{10, 39 - c.black.y} : POINT{39 - c.black.x, 10};
        COLORREF last = canvas.Pixel(opposite.x, opposite.y);
        EXPECT_LT(GetRValue(first), 16) << "position " << c.position << " invert " << c.invert;
        EXPECT_GT(GetRValue(last), 239) << "position " << c.position << " invert " << c.invert;
    }
}

TEST(TabColorSet, DefaultSelectedStateButtonIsDithered)
{
    CTabTestHost host;
    host.GetPaintManager()->SetAppearance(xtpTabAppearanceStateButtons);
    host.GetPaintManager()->SetColor(xtpTabColorDefault);
    host.AddTabs({0, 0});
    host.SetCurSel(0);
    CTabCanvas canvas(40, 20);
    host.GetPaintManager()->GetColorSet()->FillStateButton(canvas.DC(), CRect(0, 0, 40, 20), host.GetItem(0));
    COLORREF face = ::GetSysColor(COLOR_3DFACE), light = ::GetSysColor(COLOR_3DHIGHLIGHT);
    ASSERT_NE(face, light);
    for (int x = 2; x < 6; x++)
    {
        EXPECT_TRUE(canvas.Pixel(x, 5) == face || canvas.Pixel(x, 5) == light);
        EXPECT_NE(canvas.Pixel(x, 5), canvas.Pixel(x + 1, 5)) << "alternating at " << x;
        EXPECT_NE(canvas.Pixel(x, 5), canvas.Pixel(x, 6));
    }
}

TEST(TabColorSet, CustomHotTextSurvivesASystemColourChange)
{
    CTabTestHost host;
    CXTPTabPaintManager::CColorSet* colors = host.GetPaintManager()->GetColorSet();
    COLORREF normal = colors->m_clrButtonText;
    colors->m_clrHighlightText.SetCustomValue(RGB(10, 200, 30));
    host.GetPaintManager()->RefreshMetrics();
    EXPECT_EQ(RGB(10, 200, 30), colors->m_clrHighlightText.GetColor());
    EXPECT_EQ(normal, colors->m_clrButtonText.GetColor()) << "only the hot text is custom";
}

TEST(TabColorSet, Office2003UsesTheSchemePaletteUnlessDisabled)
{
    CForcedScheme blue(L"NormalColor");
    ASSERT_EQ(xtpSystemThemeBlue, XTPGetColorManager()->GetCurrentSystemTheme());
    CTabTestHost host;
    host.UseFixedLengths();
    host.GetPaintManager()->SetColor(xtpTabColorOffice2003);
    host.AddTabs({60, 60});
    host.SetCurSel(0);
    auto* office = dynamic_cast<CXTPTabPaintManager::CColorSetOffice2003*>(host.GetPaintManager()->GetColorSet());
    ASSERT_NE(nullptr, office);
    EXPECT_TRUE(office->HasSchemePalette());

    CTabCanvas canvas(60, 24);
    CRect rc(0, 0, 60, 24);
    EXPECT_EQ(RGB(255, 194, 115), office->FillTabButton(canvas.DC(), rc, host.GetItem(0)));
    EXPECT_TRUE(Near(RGB(255, 194, 115), canvas.Pixel(30, 23))) << "full colour at the client side";
    COLORREF outer = canvas.Pixel(30, 0);
    EXPECT_GT(GetGValue(outer) + GetBValue(outer), 194 + 115) << "lighter at the outer edge";
    host.m_pPressed = host.GetItem(1);
    EXPECT_EQ(RGB(254, 142, 75), office->FillTabButton(canvas.DC(), rc, host.GetItem(1)));
    host.m_pPressed = nullptr;
    EXPECT_EQ(RGB(59, 97, 156), office->m_clrFrameBorder.GetColor());

    host.GetPaintManager()->DisableLunaColors(TRUE);
    EXPECT_FALSE(office->HasSchemePalette());
    EXPECT_EQ(Managed(15), office->FillTabButton(canvas.DC(), rc, host.GetItem(0)));
    host.m_pPressed = host.GetItem(1);
    EXPECT_EQ(Managed(33), office->FillTabButton(canvas.DC(), rc, host.GetItem(1)));
    host.m_pPressed = nullptr;
    EXPECT_EQ(Managed(36), office->m_clrStateFill.clrLight.GetColor());
    EXPECT_EQ(Managed(16), office->m_clrFrameBorder.GetColor());
}

TEST(TabColorSet, WhidbeyWithThemeColoursDisabledPerScheme)
{
    struct Case
    {
        LPCWSTR scheme;
        COLORREF header, normal;
    } cases[] = {{L"NormalColor", RGB(228, 226, 213), COLORREF(-1)},
                 {L"Metallic", RGB(238, 238, 238), RGB(245, 245, 248)}};
    for (const Case& c : cases)
    {
        CForcedScheme scheme(c.scheme);
        CTabTestHost host;
        host.GetPaintManager()->m_bDisableLunaColors = TRUE;
        host.GetPaintManager()->SetColor(xtpTabColorWhidbey);
        CXTPTabPaintManager::CColorSet* colors = host.GetPaintManager()->GetColorSet();
        EXPECT_EQ(c.header, colors->m_clrHeaderFace.clrLight.GetColor());
        if (c.normal != COLORREF(-1))
        {
            EXPECT_EQ(c.normal, colors->m_clrButtonNormal.GetColor());
        }
        EXPECT_EQ(Managed(57), colors->m_clrFrameBorder.GetColor());
        EXPECT_EQ(Managed(5), colors->m_clrButtonSelected.GetColor());
    }
}

TEST(TabColorSet, AppearancesBringTheirColourSets)
{
    CXTPTabPaintManager paint;
    paint.SetAppearance(xtpTabAppearanceExcel);
    EXPECT_EQ(xtpTabColorVisualStudio, paint.GetColor());
    EXPECT_NE(nullptr, dynamic_cast<CXTPTabPaintManager::CColorSetVisualStudio*>(paint.GetColorSet()));
    EXPECT_EQ(Managed(5), paint.GetColorSet()->m_clrButtonSelected.GetColor()) << "sheet tabs: window colour";
    paint.SetAppearance(xtpTabAppearancePropertyPage);
    EXPECT_EQ(xtpTabColorDefault, paint.GetColor());
    EXPECT_EQ(nullptr, dynamic_cast<CXTPTabPaintManager::CColorSetVisualStudio*>(paint.GetColorSet()));
    paint.SetAppearance(42);
    EXPECT_NE(nullptr, dynamic_cast<CXTPTabPaintManager::CAppearanceSetPropertyPage*>(paint.GetAppearanceSet()));

    // Handing in the installed sets again keeps them alive.
    CXTPTabPaintManager::CAppearanceSet* appearance = paint.GetAppearanceSet();
    CXTPTabPaintManager::CColorSet* colors = paint.GetColorSet();
    EXPECT_EQ(appearance, paint.SetAppearanceSet(appearance));
    EXPECT_EQ(colors, paint.SetColorSet(colors));
    EXPECT_EQ(colors, paint.SetColorSet(nullptr));
    EXPECT_EQ(paint.GetAppearanceSet()->m_pPaintManager, &paint);
    paint.RefreshMetrics();
}

// The colour manager's tables against a second computation of the same
// rules, for fixed system palettes and each visual-style scheme.
#include <gtest/gtest.h>
#include "framework/CWinThread.h"
#include "framework/CWnd.h"
#include "toolkit/common/XTPColorManager.h"
#include "toolkit/common/XTPRefreshThrottle.h"
#include "toolkit/common/XTPSystemThemeSource.h"

namespace {

const COLORREF s_classicColors[XTP_COLOR_COUNT] = {
    RGB(0, 0, 0), RGB(58, 110, 165), RGB(10, 36, 106), RGB(128, 128, 128),
    RGB(212, 208, 200), RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0),
    RGB(0, 0, 0), RGB(255, 255, 255), RGB(212, 208, 200), RGB(212, 208, 200),
    RGB(128, 128, 128), RGB(10, 36, 106), RGB(255, 255, 255), RGB(212, 208, 200),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64), RGB(227, 223, 215), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(181, 181, 181), RGB(0, 0, 128), RGB(166, 202, 240),
    RGB(0, 0, 0), RGB(0, 0, 0), RGB(219, 216, 209), RGB(182, 189, 210),
    RGB(10, 36, 106), RGB(133, 146, 181), RGB(136, 141, 157), RGB(166, 166, 166),
    RGB(212, 213, 216), RGB(10, 36, 106), RGB(160, 160, 160), RGB(166, 166, 166),
    RGB(141, 141, 141), RGB(249, 248, 247), RGB(204, 200, 193), RGB(102, 102, 102),
    RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255),
    RGB(247, 242, 233), RGB(85, 85, 85), RGB(10, 36, 106), RGB(212, 208, 200),
    RGB(128, 128, 128), RGB(219, 216, 209), RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(141, 141, 141), RGB(0, 0, 0),
    RGB(141, 141, 141), RGB(0, 0, 0),
};
const COLORREF s_classicColorsGradients[7][2] = {
    {RGB(128, 128, 128), RGB(128, 128, 128)},
    {RGB(212, 208, 200), RGB(246, 245, 243)},
    {RGB(212, 208, 200), RGB(128, 128, 128)},
    {RGB(246, 245, 244), RGB(212, 208, 200)},
    {RGB(249, 248, 247), RGB(215, 211, 204)},
    {RGB(238, 236, 233), RGB(208, 204, 196)},
    {RGB(248, 247, 246), RGB(237, 235, 232)},
};
const COLORREF s_lunaColors[XTP_COLOR_COUNT] = {
    RGB(0, 0, 0), RGB(58, 110, 165), RGB(10, 36, 106), RGB(128, 128, 128),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0),
    RGB(0, 0, 0), RGB(255, 255, 255), RGB(212, 208, 200), RGB(212, 208, 200),
    RGB(128, 128, 128), RGB(49, 106, 197), RGB(255, 255, 255), RGB(236, 233, 216),
    RGB(172, 168, 153), RGB(172, 168, 153), RGB(0, 0, 0), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64), RGB(251, 248, 231), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(181, 181, 181), RGB(0, 0, 128), RGB(166, 202, 240),
    RGB(0, 0, 0), RGB(0, 0, 0), RGB(239, 237, 222), RGB(193, 210, 238),
    RGB(49, 106, 197), RGB(152, 181, 226), RGB(144, 157, 178), RGB(197, 194, 184),
    RGB(225, 230, 232), RGB(49, 106, 197), RGB(191, 188, 177), RGB(197, 194, 184),
    RGB(180, 177, 163), RGB(252, 252, 249), RGB(230, 227, 210), RGB(138, 134, 122),
    RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(73, 73, 73),
    RGB(255, 251, 233), RGB(129, 126, 114), RGB(49, 106, 197), RGB(236, 233, 216),
    RGB(172, 168, 153), RGB(239, 237, 222), RGB(172, 168, 153), RGB(236, 233, 216),
    RGB(236, 233, 216), RGB(172, 168, 153), RGB(180, 177, 163), RGB(0, 0, 0),
    RGB(180, 177, 163), RGB(0, 0, 0),
};
const COLORREF s_lunaColorsGradients[7][2] = {
    {RGB(172, 168, 153), RGB(172, 168, 153)},
    {RGB(236, 233, 216), RGB(251, 250, 247)},
    {RGB(236, 233, 216), RGB(172, 168, 153)},
    {RGB(251, 250, 247), RGB(236, 233, 216)},
    {RGB(252, 252, 249), RGB(237, 235, 219)},
    {RGB(247, 246, 239), RGB(233, 230, 213)},
    {RGB(252, 251, 249), RGB(247, 246, 239)},
};
const COLORREF s_blackFaceColors[XTP_COLOR_COUNT] = {
    RGB(0, 0, 0), RGB(58, 110, 165), RGB(10, 36, 106), RGB(128, 128, 128),
    RGB(212, 208, 200), RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0),
    RGB(0, 0, 0), RGB(255, 255, 255), RGB(212, 208, 200), RGB(212, 208, 200),
    RGB(128, 128, 128), RGB(10, 36, 106), RGB(255, 255, 255), RGB(0, 0, 0),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64), RGB(15, 15, 15), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(181, 181, 181), RGB(0, 0, 128), RGB(166, 202, 240),
    RGB(0, 0, 0), RGB(0, 0, 0), RGB(40, 40, 40), RGB(182, 189, 210),
    RGB(125, 139, 176), RGB(133, 146, 181), RGB(136, 141, 157), RGB(166, 166, 166),
    RGB(123, 125, 132), RGB(10, 36, 106), RGB(160, 160, 160), RGB(166, 166, 166),
    RGB(141, 141, 141), RGB(219, 219, 219), RGB(13, 13, 13), RGB(102, 102, 102),
    RGB(0, 0, 0), RGB(0, 0, 0), RGB(216, 216, 216), RGB(255, 255, 255),
    RGB(35, 35, 35), RGB(127, 127, 127), RGB(10, 36, 106), RGB(0, 0, 0),
    RGB(128, 128, 128), RGB(40, 40, 40), RGB(128, 128, 128), RGB(0, 0, 0),
    RGB(0, 0, 0), RGB(128, 128, 128), RGB(141, 141, 141), RGB(0, 0, 0),
    RGB(141, 141, 141), RGB(0, 0, 0),
};
const COLORREF s_blackFaceColorsGradients[7][2] = {
    {RGB(128, 128, 128), RGB(128, 128, 128)},
    {RGB(0, 0, 0), RGB(200, 200, 200)},
    {RGB(0, 0, 0), RGB(128, 128, 128)},
    {RGB(203, 203, 203), RGB(0, 0, 0)},
    {RGB(218, 218, 218), RGB(18, 18, 18)},
    {RGB(153, 153, 153), RGB(6, 6, 6)},
    {RGB(213, 213, 213), RGB(148, 148, 148)},
};

const COLORREF* g_palette = nullptr;

COLORREF PaletteColor(int nIndex)
{
    return g_palette[nIndex];
}

// Palettes by system colour index (0 unused).
struct Palette
{
    COLORREF colors[28];
};

Palette FromTable(const COLORREF* table)
{
    Palette palette = {};
    for (int i = 1; i <= 27; i++)
        palette.colors[i] = table[i];
    // The 3D light is replaced by the manager; the input is the system's.
    palette.colors[22] = table == s_lunaColors ? RGB(241, 239, 226) : RGB(212, 208, 200);
    if (table == s_blackFaceColors)
        palette.colors[22] = RGB(212, 208, 200);
    return palette;
}

// A system with a visual style chosen by name.
class CNamedThemeSource : public CXTPSystemThemeSource
{
public:
    CNamedThemeSource(LPCWSTR fileName, LPCWSTR colorName, BOOL active = TRUE, BOOL lowColor = FALSE)
        : m_fileName(fileName), m_colorName(colorName), m_active(active), m_lowColor(lowColor)
    {
    }

    BOOL IsThemeActive() override { return m_active; }
    BOOL GetCurrentThemeName(CString& fileName, CString& colorName) override
    {
        fileName = m_fileName;
        colorName = m_colorName;
        return TRUE;
    }
    BOOL IsDesktopLowColor() override { return m_lowColor; }
    BOOL GetTreeViewBorderColor(COLORREF&) override { return FALSE; }

private:
    CString m_fileName, m_colorName;
    BOOL m_active, m_lowColor;
};

class ColorManagerTest : public testing::Test
{
protected:
    void UsePalette(const COLORREF* table)
    {
        m_palette = FromTable(table);
        g_palette = m_palette.colors;
    }

    Palette m_palette = {};
    CNamedThemeSource m_classic{L"", L"", FALSE};
};

void ExpectTable(const CXTPColorManager& manager, const COLORREF* expected)
{
    for (int i = 0; i < XTP_COLOR_COUNT; i++)
        EXPECT_EQ(expected[i], manager.GetColor(i)) << "colour " << i;
}

void ExpectGradients(const CXTPColorManager& manager, const COLORREF (*expected)[2])
{
    for (int i = 0; i < 7; i++)
    {
        EXPECT_EQ(expected[i][0], manager.GetGradient(i).clrLight.GetColor()) << "gradient " << i;
        EXPECT_EQ(expected[i][1], manager.GetGradient(i).clrDark.GetColor()) << "gradient " << i;
        EXPECT_FLOAT_EQ(0.5f, manager.GetGradient(i).fGradientFactor) << "gradient " << i;
    }
}

} // namespace

TEST_F(ColorManagerTest, ClassicSystemColoursGiveTheBlendedTableAndSystemGradients)
{
    const struct
    {
        const COLORREF* colors;
        const COLORREF (*gradients)[2];
    } cases[] = {
        {s_classicColors, s_classicColorsGradients},
        {s_lunaColors, s_lunaColorsGradients},
        {s_blackFaceColors, s_blackFaceColorsGradients},
    };
    for (const auto& c : cases)
    {
        UsePalette(c.colors);
        CXTPColorManager manager(&m_classic, PaletteColor);
        EXPECT_EQ(xtpSystemThemeUnknown, manager.GetCurrentSystemTheme());
        ExpectTable(manager, c.colors);
        ExpectGradients(manager, c.gradients);
    }
}

TEST_F(ColorManagerTest, BlackFaceGivesFixedLightAndShadowColours)
{
    UsePalette(s_blackFaceColors);
    CXTPColorManager manager(&m_classic, PaletteColor);
    EXPECT_EQ(RGB(35, 35, 35), manager.GetColor(48));
    EXPECT_EQ(RGB(127, 127, 127), manager.GetColor(49));
}

TEST_F(ColorManagerTest, SchemeNamesSelectTheSchemeGradients)
{
    UsePalette(s_lunaColors);
    struct Scheme
    {
        LPCWSTR file, color;
        XTPCurrentSystemTheme theme;
        COLORREF gradient0Light, gradient3Dark, border;
        float factor3;
    };
    const Scheme schemes[] = {
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", xtpSystemThemeBlue,
         RGB(89, 135, 214), RGB(129, 169, 226), RGB(0, 45, 150), 0.75f},
        {L"C:\\Themes\\LUNA.MSSTYLES", L"HomeStead", xtpSystemThemeOlive, RGB(175, 192, 130), RGB(183, 198, 145),
         RGB(96, 128, 88), 0.3f},
        {L"x\\winxp.luna.cjstyles", L"Metallic", xtpSystemThemeSilver, RGB(168, 167, 191), RGB(156, 155, 183),
         RGB(124, 124, 148), 0.75f},
    };
    for (const Scheme& scheme : schemes)
    {
        CNamedThemeSource source(scheme.file, scheme.color);
        CXTPColorManager manager(&source, PaletteColor);
        EXPECT_EQ(scheme.theme, manager.GetDetectedSystemTheme()) << scheme.color;
        EXPECT_EQ(scheme.theme, manager.GetCurrentSystemTheme());
        EXPECT_EQ(scheme.gradient0Light, manager.GetGradient(0).clrLight.GetColor());
        EXPECT_EQ(scheme.gradient3Dark, manager.GetGradient(3).clrDark.GetColor());
        EXPECT_FLOAT_EQ(scheme.factor3, manager.GetGradient(3).fGradientFactor);
        EXPECT_EQ(scheme.border, manager.GetColor(54));
        // The table itself still follows the system colours.
        EXPECT_EQ(s_lunaColors[30], manager.GetColor(30));
    }
}

TEST_F(ColorManagerTest, EveryGradientOfEachScheme)
{
    UsePalette(s_lunaColors);
    // Light and dark ends with the factor of gradients 0 to 6.
    const COLORREF blue[7][2] = {
        {RGB(89, 135, 214), RGB(0, 45, 150)},    {RGB(158, 190, 245), RGB(196, 218, 250)},
        {RGB(89, 135, 214), RGB(0, 45, 150)},    {RGB(221, 236, 254), RGB(129, 169, 226)},
        {RGB(227, 239, 255), RGB(135, 173, 228)}, {RGB(203, 221, 246), RGB(121, 161, 220)},
        {RGB(227, 239, 255), RGB(147, 181, 231)},
    };
    const COLORREF olive[7][2] = {
        {RGB(175, 192, 130), RGB(99, 122, 68)},   {RGB(217, 217, 167), RGB(242, 241, 228)},
        {RGB(120, 142, 111), RGB(73, 91, 67)},    {RGB(244, 247, 222), RGB(183, 198, 145)},
        {RGB(255, 255, 237), RGB(184, 199, 146)}, {RGB(230, 230, 209), RGB(164, 180, 120)},
        {RGB(236, 240, 213), RGB(194, 206, 159)},
    };
    const COLORREF silver[7][2] = {
        {RGB(168, 167, 191), RGB(112, 111, 145)}, {RGB(215, 215, 229), RGB(243, 243, 247)},
        {RGB(168, 167, 191), RGB(119, 118, 151)}, {RGB(249, 249, 255), RGB(156, 155, 183)},
        {RGB(249, 249, 255), RGB(159, 157, 185)}, {RGB(215, 215, 226), RGB(128, 126, 158)},
        {RGB(233, 231, 241), RGB(186, 185, 205)},
    };
    const float blueFactors[7] = {0.5f, 0.5f, 0.5f, 0.75f, 0.5f, 0.5f, 0.5f};
    const float oliveFactors[7] = {0.5f, 0.5f, 0.5f, 0.3f, 0.3f, 0.3f, 0.5f};
    const float silverFactors[7] = {0.5f, 0.5f, 0.5f, 0.75f, 0.75f, 0.75f, 0.5f};
    const struct
    {
        LPCWSTR color;
        const COLORREF (*ends)[2];
        const float* factors;
    } schemes[] = {{L"normalcolor", blue, blueFactors}, {L"homestead", olive, oliveFactors},
                   {L"metallic", silver, silverFactors}};

    for (const auto& scheme : schemes)
    {
        CNamedThemeSource source(L"luna.msstyles", scheme.color);
        CXTPColorManager manager(&source, PaletteColor);
        for (int i = 0; i < 7; i++)
        {
            EXPECT_EQ(scheme.ends[i][0], manager.GetGradient(i).clrLight.GetColor()) << scheme.color << " " << i;
            EXPECT_EQ(scheme.ends[i][1], manager.GetGradient(i).clrDark.GetColor()) << scheme.color << " " << i;
            EXPECT_FLOAT_EQ(scheme.factors[i], manager.GetGradient(i).fGradientFactor) << scheme.color << " " << i;
        }
        // The hot and pressed gradients are the same in every scheme.
        EXPECT_EQ(RGB(255, 213, 140), manager.GetGradient(7).clrLight.GetColor());
        EXPECT_EQ(RGB(255, 173, 85), manager.GetGradient(7).clrDark.GetColor());
        EXPECT_EQ(RGB(254, 142, 75), manager.GetGradient(8).clrLight.GetColor());
        EXPECT_EQ(RGB(255, 207, 139), manager.GetGradient(8).clrDark.GetColor());
        EXPECT_EQ(RGB(255, 242, 200), manager.GetGradient(9).clrLight.GetColor());
        EXPECT_EQ(RGB(255, 212, 151), manager.GetGradient(9).clrDark.GetColor());
    }
}

TEST_F(ColorManagerTest, UnknownStylesAndInactiveThemesAreNoScheme)
{
    UsePalette(s_classicColors);
    const struct
    {
        LPCWSTR file, color;
        BOOL active;
    } cases[] = {
        {L"luna.msstyles", L"NormalColor", FALSE},   // styles switched off
        {L"luna.msstyles", L"Pink", TRUE},           // colour name not one of the three
        {L"luna.msstyles", L"NormalColorX", TRUE},   // compared whole
        {L"Aero.msstyles", L"NormalColor", TRUE},    // another style
        {L"Royale.msstyles", L"NormalColor", TRUE},  // royale not allowed
    };
    for (const auto& c : cases)
    {
        CNamedThemeSource source(c.file, c.color, c.active);
        CXTPColorManager manager(&source, PaletteColor);
        EXPECT_EQ(xtpSystemThemeUnknown, manager.GetCurrentSystemTheme()) << c.file << " " << c.color;
        ExpectGradients(manager, s_classicColorsGradients);
        EXPECT_EQ(s_classicColors[54], manager.GetColor(54));
    }

    CNamedThemeSource royale(L"C:\\Themes\\Royale.msstyles", L"NormalColor");
    CXTPColorManager manager(&royale, PaletteColor);
    manager.m_bAllowRoyale = TRUE;
    manager.RefreshColors();
    EXPECT_EQ(xtpSystemThemeBlue, manager.GetCurrentSystemTheme());

    manager.m_bDisableLunaColors = TRUE;
    manager.RefreshColors();
    ExpectGradients(manager, s_classicColorsGradients);
}

TEST_F(ColorManagerTest, LowColourDisplayKeepsBaseColoursAndPlainGradients)
{
    UsePalette(s_lunaColors);
    CNamedThemeSource source(L"luna.msstyles", L"NormalColor", TRUE, TRUE);
    CXTPColorManager manager(&source, PaletteColor);
    EXPECT_EQ(xtpSystemThemeUnknown, manager.GetCurrentSystemTheme());

    const int base[][2] = {{30, 15}, {31, 5},  {32, 13}, {33, 13}, {34, 16}, {35, 17}, {36, 5},  {37, 13},
                           {38, 16}, {39, 16}, {40, 16}, {41, 5},  {42, 16}, {43, 16}, {44, 8},  {45, 7},
                           {46, 18}, {47, 14}, {48, 16}, {49, 14}, {50, 13}, {51, 15}, {52, 16}, {53, 15},
                           {54, 16}, {55, 15}, {56, 15}, {57, 16}, {58, 17}, {60, 16}};
    for (const auto& pair : base)
        EXPECT_EQ(m_palette.colors[pair[1]], manager.GetColor(pair[0])) << "colour " << pair[0];
    EXPECT_EQ(m_palette.colors[22], manager.GetColor(22));

    COLORREF face = m_palette.colors[15];
    for (int i : {1, 3})
    {
        EXPECT_EQ(face, manager.GetGradient(i).clrLight.GetColor());
        EXPECT_EQ(face, manager.GetGradient(i).clrDark.GetColor());
    }
}

TEST_F(ColorManagerTest, IndexesAreLookedUpAndLiteralColoursPassThrough)
{
    UsePalette(s_classicColors);
    CXTPColorManager manager(&m_classic, PaletteColor);
    EXPECT_EQ(62u, manager.GetColor(62));
    EXPECT_EQ(RGB(0, 0, 255), manager.GetColor(RGB(0, 0, 255)));
    EXPECT_EQ(RGB(255, 255, 255), manager.GetColor(5));
    EXPECT_EQ(0u, manager.GetColor(61));

    manager.m_arrCustomColor[5] = RGB(1, 2, 3);
    EXPECT_EQ(RGB(1, 2, 3), manager.GetColor(5));
    manager.RefreshColors();
    EXPECT_EQ(RGB(1, 2, 3), manager.GetColor(5)) << "a refresh keeps custom colours";
    EXPECT_EQ(RGB(255, 255, 255), manager.m_arrStandardColor[5]);
}

TEST(ColorMath, MixByWeightRoundsOnTheRightScale)
{
    const COLORREF white = RGB(255, 255, 255), black = 0;
    EXPECT_EQ(RGB(26, 26, 26), CXTPColorManager::MixColorsByWeight(white, black, 100));
    EXPECT_EQ(RGB(128, 128, 128), CXTPColorManager::MixColorsByWeight(white, black, 50));
    EXPECT_EQ(RGB(42, 42, 42), CXTPColorManager::MixColorsByWeight(white, black, 165));
    EXPECT_EQ(RGB(77, 77, 77), CXTPColorManager::MixColorsByWeight(white, black, 30));
    EXPECT_EQ(RGB(10, 20, 30), CXTPColorManager::MixColorsByWeight(RGB(10, 20, 30), RGB(10, 20, 30), 143));
}

TEST(ColorMath, DistancesAndThresholds)
{
    EXPECT_NEAR(440.85f, CXTPColorManager::ColorDistance(0, RGB(255, 255, 255)), 0.01f);
    EXPECT_FLOAT_EQ(0.0f, CXTPColorManager::ColorDistance(RGB(9, 8, 7), RGB(9, 8, 7)));
    // Black doubles the threshold; from distance 220 on it is the threshold itself.
    EXPECT_FLOAT_EQ(100.0f, CXTPColorManager::ScaledThreshold(0, 50.9f));
    EXPECT_FLOAT_EQ(50.0f, CXTPColorManager::ScaledThreshold(RGB(255, 255, 255), 50));
    EXPECT_FALSE(CXTPColorManager::IsColorDistanceAbove(RGB(255, 255, 255), RGB(250, 250, 250), TRUE, 50));
    EXPECT_TRUE(CXTPColorManager::IsColorDistanceAbove(RGB(255, 255, 255), RGB(100, 100, 100), TRUE, 50));

    // Approaching ends exactly the threshold away; separating too.
    COLORREF white = RGB(255, 255, 255);
    COLORREF moved = CXTPColorManager::ApproachColor(white, 0, 50);
    EXPECT_NEAR(50.0f, CXTPColorManager::ColorDistance(white, moved), 1.5f);
    COLORREF separated = CXTPColorManager::SeparateColor(white, RGB(250, 250, 250), 50);
    EXPECT_NEAR(50.0f, CXTPColorManager::ColorDistance(white, separated), 1.5f);
    EXPECT_LT(GetRValue(separated), 250) << "a colour near white is darkened";
    COLORREF lightened = CXTPColorManager::SeparateColor(0, RGB(5, 5, 5), 50);
    EXPECT_NEAR(100.0f, CXTPColorManager::ColorDistance(0, lightened), 1.5f);
}

TEST(ColorRefreshThrottle, DueOnlyStrictlyAfterTheInterval)
{
    CXTPRefreshThrottle throttle(500);
    EXPECT_TRUE(throttle.IsDue(0));
    throttle.Record(1000);
    EXPECT_FALSE(throttle.IsDue(1000));
    EXPECT_FALSE(throttle.IsDue(1500));
    EXPECT_TRUE(throttle.IsDue(1501));
    throttle.Record(0xFFFFFF00);
    EXPECT_FALSE(throttle.IsDue(0xF4)) << "500 ms across the wrap of the tick count";
    EXPECT_TRUE(throttle.IsDue(0xF5));
}

TEST(ColorRefreshThrottle, BurstOfRefreshesRecomputesOnce)
{
    CXTPColorManager* pManager = XTPGetColorManager();
    COLORREF window = pManager->m_arrStandardColor[5];
    const COLORREF sentinel = RGB(1, 2, 3);

    // Without a main window nothing is recorded: every call recomputes.
    pManager->m_arrStandardColor[5] = sentinel;
    XTPRefreshColorsThrottled();
    EXPECT_EQ(window, pManager->m_arrStandardColor[5]);

    CWinThread thread;
    CWnd mainWnd;
    thread.m_pMainWnd = &mainWnd;
    Sleep(510);
    pManager->m_arrStandardColor[5] = sentinel;
    XTPRefreshColorsThrottled();
    EXPECT_EQ(window, pManager->m_arrStandardColor[5]) << "the first refresh of a burst runs";
    pManager->m_arrStandardColor[5] = sentinel;
    XTPRefreshColorsThrottled();
    EXPECT_EQ(sentinel, pManager->m_arrStandardColor[5]) << "the second within 500 ms does not";
    Sleep(520);
    XTPRefreshColorsThrottled();
    EXPECT_EQ(window, pManager->m_arrStandardColor[5]);
    thread.m_pMainWnd = nullptr;
}

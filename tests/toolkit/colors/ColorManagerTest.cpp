// The colour manager's tables against a second computation of the same
// rules, the scheme gradients chosen by visual-style name, and throttling.
#include <gtest/gtest.h>
#include "framework/windows/CWinThread.h"
#include "framework/windows/CWnd.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/colors/XTPRefreshThrottle.h"
#include "toolkit/common/colors/XTPSystemThemeSource.h"

namespace {

// Computed apart from the product code, for the classic palette below.
const COLORREF s_classicExpected[XTP_COLOR_COUNT] = {
    0x000000, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF,
    0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4,
    0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
    0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xD7DFE3, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0x000000, 0x000000,
    0xD1D8DB, 0xD2BDB6, 0x6A240A, 0xB59285, 0x9D8D88, 0xA6A6A6,
    0xD8D5D4, 0x6A240A, 0xA0A0A0, 0xA6A6A6, 0x8D8D8D, 0xF7F8F9,
    0xC1C8CC, 0x666666, 0x000000, 0x000000, 0x000000, 0xFFFFFF,
    0xE9F2F7, 0x555555, 0x6A240A, 0xC8D0D4, 0x808080, 0xD1D8DB,
    0x808080, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x8D8D8D, 0x000000,
    0x8D8D8D, 0x000000,
};
const COLORREF s_classicGradients[7][2] = {
    {0x808080, 0x808080}, {0xC8D0D4, 0xF3F5F6}, {0xC8D0D4, 0x808080}, {0xF4F5F6, 0xC8D0D4},
    {0xF7F8F9, 0xCCD3D7}, {0xE9ECEE, 0xC4CCD0}, {0xF6F7F8, 0xE8EBED},
};

COLORREF g_face = 0xC8D0D4;

// The classic palette: the expected system colours, the 3D light as the
// system has it (the manager replaces it), and a replaceable 3D face.
COLORREF ClassicColor(int index)
{
    return index == 22 ? 0xC8D0D4 : index == 15 ? g_face : s_classicExpected[index];
}

// A system with a visual style chosen by name.
class CNamedThemeSource : public CXTPSystemThemeSource
{
public:
    CNamedThemeSource(LPCWSTR file, LPCWSTR color, BOOL active = TRUE, BOOL lowColor = FALSE)
        : m_file(file), m_color(color), m_active(active), m_lowColor(lowColor)
    {
    }
    BOOL IsThemeActive() override { return m_active; }
    BOOL GetCurrentThemeName(CString& file, CString& color) override
    {
        file = m_file;
        color = m_color;
        return TRUE;
    }
    BOOL IsDesktopLowColor() override { return m_lowColor; }
    BOOL GetTreeViewBorderColor(COLORREF&) override { return FALSE; }

private:
    CString m_file, m_color;
    BOOL m_active, m_lowColor;
};

void ExpectGradient(const CXTPColorManager& manager, int index, COLORREF light, COLORREF dark, float factor)
{
    EXPECT_EQ(light, manager.GetGradient(index).clrLight.GetColor()) << "gradient " << index;
    EXPECT_EQ(dark, manager.GetGradient(index).clrDark.GetColor()) << "gradient " << index;
    EXPECT_FLOAT_EQ(factor, manager.GetGradient(index).fGradientFactor) << "gradient " << index;
}

void ExpectClassicGradients(const CXTPColorManager& manager)
{
    for (int i = 0; i < 7; i++)
        ExpectGradient(manager, i, s_classicGradients[i][0], s_classicGradients[i][1], 0.5f);
}

} // namespace

TEST(ColorManager, ClassicLookGivesTheBlendedTableAndSystemGradients)
{
    CNamedThemeSource classic(L"", L"", FALSE);
    CXTPColorManager manager(&classic, ClassicColor);
    EXPECT_EQ(xtpSystemThemeUnknown, manager.GetCurrentSystemTheme());
    for (int i = 0; i < XTP_COLOR_COUNT; i++)
        EXPECT_EQ(s_classicExpected[i], manager.GetColor(i)) << "colour " << i;
    ExpectClassicGradients(manager);

    g_face = 0; // a black 3D face
    CXTPColorManager black(&classic, ClassicColor);
    g_face = 0xC8D0D4;
    EXPECT_EQ(RGB(35, 35, 35), black.GetColor(48));
    EXPECT_EQ(RGB(127, 127, 127), black.GetColor(49));
}

TEST(ColorManager, SchemeNamesSelectEveryGradientOfTheScheme)
{
    struct Scheme
    {
        LPCWSTR file, color;
        XTPCurrentSystemTheme theme;
        COLORREF border, ends[7][2];
        float factors[7];
    };
    const Scheme schemes[] = {
        {L"C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", xtpSystemThemeBlue, RGB(0, 45, 150),
         {{RGB(89, 135, 214), RGB(0, 45, 150)}, {RGB(158, 190, 245), RGB(196, 218, 250)},
          {RGB(89, 135, 214), RGB(0, 45, 150)}, {RGB(221, 236, 254), RGB(129, 169, 226)},
          {RGB(227, 239, 255), RGB(135, 173, 228)}, {RGB(203, 221, 246), RGB(121, 161, 220)},
          {RGB(227, 239, 255), RGB(147, 181, 231)}},
         {0.5f, 0.5f, 0.5f, 0.75f, 0.5f, 0.5f, 0.5f}},
        {L"X:\\LUNA.MSSTYLES", L"HomeStead", xtpSystemThemeOlive, RGB(96, 128, 88),
         {{RGB(175, 192, 130), RGB(99, 122, 68)}, {RGB(217, 217, 167), RGB(242, 241, 228)},
          {RGB(120, 142, 111), RGB(73, 91, 67)}, {RGB(244, 247, 222), RGB(183, 198, 145)},
          {RGB(255, 255, 237), RGB(184, 199, 146)}, {RGB(230, 230, 209), RGB(164, 180, 120)},
          {RGB(236, 240, 213), RGB(194, 206, 159)}},
         {0.5f, 0.5f, 0.5f, 0.3f, 0.3f, 0.3f, 0.5f}},
        {L"x\\WinXP.Luna.cjstyles", L"metallic", xtpSystemThemeSilver, RGB(124, 124, 148),
         {{RGB(168, 167, 191), RGB(112, 111, 145)}, {RGB(215, 215, 229), RGB(243, 243, 247)},
          {RGB(168, 167, 191), RGB(119, 118, 151)}, {RGB(249, 249, 255), RGB(156, 155, 183)},
          {RGB(249, 249, 255), RGB(159, 157, 185)}, {RGB(215, 215, 226), RGB(128, 126, 158)},
          {RGB(233, 231, 241), RGB(186, 185, 205)}},
         {0.5f, 0.5f, 0.5f, 0.75f, 0.75f, 0.75f, 0.5f}},
    };
    for (const Scheme& scheme : schemes)
    {
        CNamedThemeSource source(scheme.file, scheme.color);
        CXTPColorManager manager(&source, ClassicColor);
        EXPECT_EQ(scheme.theme, manager.GetCurrentSystemTheme()) << scheme.color;
        for (int i = 0; i < 7; i++)
            ExpectGradient(manager, i, scheme.ends[i][0], scheme.ends[i][1], scheme.factors[i]);
        EXPECT_EQ(scheme.border, manager.GetColor(54));
        EXPECT_EQ(s_classicExpected[30], manager.GetColor(30)) << "the table still follows the system";
        // The hot and pressed gradients are the same everywhere.
        ExpectGradient(manager, 7, RGB(255, 213, 140), RGB(255, 173, 85), 0.5f);
        ExpectGradient(manager, 8, RGB(254, 142, 75), RGB(255, 207, 139), 0.5f);
        ExpectGradient(manager, 9, RGB(255, 242, 200), RGB(255, 212, 151), 0.5f);
    }
}

TEST(ColorManager, OtherStylesInactiveStylesAndRoyaleAreNoScheme)
{
    const struct
    {
        LPCWSTR file, color;
        BOOL active;
    } cases[] = {{L"luna.msstyles", L"NormalColor", FALSE}, {L"luna.msstyles", L"NormalColorX", TRUE},
                 {L"Aero.msstyles", L"NormalColor", TRUE}, {L"Royale.msstyles", L"NormalColor", TRUE}};
    for (const auto& c : cases)
    {
        CNamedThemeSource source(c.file, c.color, c.active);
        CXTPColorManager manager(&source, ClassicColor);
        EXPECT_EQ(xtpSystemThemeUnknown, manager.GetCurrentSystemTheme()) << c.file << " " << c.color;
        ExpectClassicGradients(manager);
    }

    CNamedThemeSource royale(L"C:\\Themes\\Royale.msstyles", L"NormalColor");
    CXTPColorManager manager(&royale, ClassicColor);
    manager.m_bAllowRoyale = TRUE;
    manager.RefreshColors();
    EXPECT_EQ(xtpSystemThemeBlue, manager.GetCurrentSystemTheme());
    manager.m_bDisableLunaColors = TRUE;
    manager.RefreshColors();
    ExpectClassicGradients(manager);
}

TEST(ColorManager, LowColourDisplayKeepsBaseColoursAndPlainGradients)
{
    CNamedThemeSource source(L"luna.msstyles", L"NormalColor", TRUE, TRUE);
    CXTPColorManager manager(&source, ClassicColor);
    EXPECT_EQ(xtpSystemThemeUnknown, manager.GetCurrentSystemTheme());
    const int base[][2] = {{30, 15}, {31, 5}, {35, 17}, {36, 5}, {41, 5}, {44, 8}, {48, 16}, {49, 14}, {60, 16}};
    for (const auto& pair : base)
        EXPECT_EQ(ClassicColor(pair[1]), manager.GetColor(pair[0])) << "colour " << pair[0];
    EXPECT_EQ(ClassicColor(22), manager.GetColor(22)) << "3D light not lightened";
    for (int i : {1, 3})
        ExpectGradient(manager, i, ClassicColor(15), ClassicColor(15), 0.5f);
}

TEST(ColorManager, IndexesAreLookedUpAndLiteralColoursPassThrough)
{
    CNamedThemeSource classic(L"", L"", FALSE);
    CXTPColorManager manager(&classic, ClassicColor);
    EXPECT_EQ(62u, manager.GetColor(62));
    EXPECT_EQ(RGB(0, 0, 255), manager.GetColor(RGB(0, 0, 255)));
    EXPECT_EQ(RGB(255, 255, 255), manager.GetColor(5));
    manager.m_arrCustomColor[5] = RGB(1, 2, 3);
    manager.RefreshColors();
    EXPECT_EQ(RGB(1, 2, 3), manager.GetColor(5)) << "custom colours win and survive a refresh";
}

TEST(ColorManager, MixingAndDistances)
{
    const COLORREF white = RGB(255, 255, 255), black = 0;
    EXPECT_EQ(RGB(26, 26, 26), CXTPColorManager::MixColorsByWeight(white, black, 100));
    EXPECT_EQ(RGB(128, 128, 128), CXTPColorManager::MixColorsByWeight(white, black, 50));
    EXPECT_EQ(RGB(42, 42, 42), CXTPColorManager::MixColorsByWeight(white, black, 165));

    EXPECT_NEAR(440.85f, CXTPColorManager::ColorDistance(black, white), 0.01f);
    EXPECT_FLOAT_EQ(100.0f, CXTPColorManager::ScaledThreshold(black, 50.9f)) << "twice the whole threshold";
    EXPECT_FLOAT_EQ(50.0f, CXTPColorManager::ScaledThreshold(white, 50));
    EXPECT_NEAR(50.0f, CXTPColorManager::ColorDistance(white, CXTPColorManager::ApproachColor(white, 0, 50)), 1.5f);
    COLORREF separated = CXTPColorManager::SeparateColor(white, RGB(250, 250, 250), 50);
    EXPECT_NEAR(50.0f, CXTPColorManager::ColorDistance(white, separated), 1.5f);
    COLORREF lightened = CXTPColorManager::SeparateColor(black, RGB(5, 5, 5), 50);
    EXPECT_NEAR(100.0f, CXTPColorManager::ColorDistance(black, lightened), 1.5f);
}

TEST(ColorManager, RefreshesAreThrottledToOnePerHalfSecond)
{
    CXTPRefreshThrottle throttle(500);
    EXPECT_TRUE(throttle.IsDue(0));
    throttle.Record(1000);
    EXPECT_FALSE(throttle.IsDue(1500));
    EXPECT_TRUE(throttle.IsDue(1501)) << "strictly more than 500 ms";
    throttle.Record(0xFFFFFF00);
    EXPECT_FALSE(throttle.IsDue(0xF4)) << "500 ms across the wrap of the tick count";
    EXPECT_TRUE(throttle.IsDue(0xF5));

    // Without a main window nothing is recorded, so every call recomputes.
    CXTPColorManager* manager = XTPGetColorManager();
    COLORREF window = manager->m_arrStandardColor[5];
    const COLORREF sentinel = RGB(1, 2, 3);
    manager->m_arrStandardColor[5] = sentinel;
    XTPRefreshColorsThrottled();
    EXPECT_EQ(window, manager->m_arrStandardColor[5]);

    CWinThread thread;
    CWnd mainWnd;
    thread.m_pMainWnd = &mainWnd;
    manager->m_arrStandardColor[5] = sentinel;
    XTPRefreshColorsThrottled();
    EXPECT_EQ(window, manager->m_arrStandardColor[5]) << "the first of a burst runs";
    manager->m_arrStandardColor[5] = sentinel;
    XTPRefreshColorsThrottled();
    EXPECT_EQ(sentinel, manager->m_arrStandardColor[5]) << "the second within 500 ms does not";
    Sleep(520);
    XTPRefreshColorsThrottled();
    EXPECT_EQ(window, manager->m_arrStandardColor[5]);
    thread.m_pMainWnd = nullptr;
}

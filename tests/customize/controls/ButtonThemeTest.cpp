// The button themes by pixels: faces and frames per style and state, Office
// XP fills and icons, Office 2003 schemes, the disabled theme's image,
// visual-style and classic faces.
#include <gtest/gtest.h>

#include "customize/controls/ButtonTestSupport.h"
#include "resources/ToolkitImageIds.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/colors/XTPSystemThemeSource.h"
#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"
#include "toolkit/controls/buttons/XTButtonThemeOffice2003.h"
#include "toolkit/controls/buttons/XTDisabledButtonTheme.h"

using namespace ctltest;

namespace {

const int W = 90, H = 30;

class ButtonThemes : public ParentSuite<40, 40, 300, 120>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_button.Create(L"Test", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 10 + W, 10 + H),
                                    s_parent, 100));
        HICON hIcon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TOOLKIT_PLAIN1), IMAGE_ICON, 16, 16, 0));
        ASSERT_TRUE(m_button.SetIcon(CSize(16, 16), hIcon, nullptr, FALSE));
        DestroyIcon(hIcon);
    }

    CProbeButton m_button;
};


// Each channel within a few steps (the second row of a gradient).
bool Near(COLORREF a, COLORREF b)
{
    return abs(GetRValue(a) - GetRValue(b)) <= 6 && abs(GetGValue(a) - GetGValue(b)) <= 6 &&
           abs(GetBValue(a) - GetBValue(b)) <= 6;
}

// The colour manager sees the named visual style while the object lives.
class CForcedStyle : public CXTPSystemThemeSource
{
public:
    CForcedStyle(LPCWSTR lpszFile, LPCWSTR lpszColor) : m_file(lpszFile), m_color(lpszColor)
    {
        XTPGetColorManager()->SetThemeSource(this);
        XTPGetColorManager()->RefreshColors();
    }
    ~CForcedStyle() override
    {
        XTPGetColorManager()->SetThemeSource(nullptr);
        XTPGetColorManager()->RefreshColors();
    }
    BOOL IsThemeActive() override { return TRUE; }
    BOOL GetCurrentThemeName(CString& file, CString& color) override
    {
        file = m_file;
        color = m_color;
        return TRUE;
    }
    BOOL IsDesktopLowColor() override { return FALSE; }
    BOOL GetTreeViewBorderColor(COLORREF&) override { return FALSE; }

private:
    CString m_file, m_color;
};

} // namespace

TEST_F(ButtonThemes, PlainThemeFramesFollowStyleAndState)
{
    // Corners: top-left and bottom-right of the outer and the inner frame.
    struct Case
    {
        DWORD style;
        Look look;
        int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    } cases[] = {
        {BS_XT_FLAT, Look::normal, COLOR_3DFACE, COLOR_3DFACE, COLOR_3DFACE, COLOR_3DFACE},
        {BS_XT_FLAT, Look::hot, COLOR_3DHILIGHT, COLOR_3DSHADOW, COLOR_3DFACE, COLOR_3DFACE},
        {BS_XT_FLAT, Look::pressed, COLOR_3DSHADOW, COLOR_3DHILIGHT, COLOR_3DFACE, COLOR_3DFACE},
        {BS_XT_SEMIFLAT, Look::normal, COLOR_3DHILIGHT, COLOR_3DSHADOW, COLOR_3DFACE, COLOR_3DFACE},
        {BS_XT_SEMIFLAT, Look::checked, COLOR_3DSHADOW, COLOR_3DHILIGHT, COLOR_3DFACE, COLOR_3DFACE},
        {0, Look::normal, COLOR_3DHILIGHT, COLOR_3DDKSHADOW, COLOR_3DFACE, COLOR_3DSHADOW},
        {0, Look::hot, COLOR_3DHILIGHT, COLOR_3DDKSHADOW, COLOR_3DFACE, COLOR_3DSHADOW},
        {0, Look::pressed, COLOR_3DDKSHADOW, COLOR_3DHILIGHT, COLOR_3DSHADOW, COLOR_3DFACE},
    };
    for (const Case& c : cases)
    {
        m_button.SetXButtonStyle(c.style, FALSE);
        testshot::Image image = Capture(m_button, c.look);
        SCOPED_TRACE(testing::Message() << "style " << c.style << ", " << static_cast<int>(c.look));
        EXPECT_EQ(Colour(c.outerTopLeft), image.Pixel(0, 0));
        EXPECT_EQ(Colour(c.outerBottomRight), image.Pixel(W - 1, H - 1));
        EXPECT_EQ(Colour(c.innerTopLeft), image.Pixel(1, 1));
        EXPECT_EQ(Colour(c.innerBottomRight), image.Pixel(W - 2, H - 2));
    }
}

TEST_F(ButtonThemes, ToggleLookDithersOnlyThePressedFace)
{
    m_button.SetXButtonStyle(BS_XT_HILITEPRESSED, FALSE);
    testshot::Image pressed = Capture(m_button, Look::checked);
    testshot::Image normal = Capture(m_button, Look::normal);
    // Inside the two frames, neighbours alternate between face and highlight.
    EXPECT_NE(pressed.Pixel(2, 2), pressed.Pixel(3, 2));
    EXPECT_EQ(pressed.Pixel(2, 2), pressed.Pixel(3, 3));
    for (COLORREF pixel : {pressed.Pixel(2, 2), pressed.Pixel(3, 2)})
        EXPECT_TRUE(pixel == Colour(COLOR_3DFACE) || pixel == Colour(COLOR_3DHILIGHT)) << std::hex << pixel;
    EXPECT_EQ(normal.Pixel(2, 2), normal.Pixel(3, 2));
}

TEST_F(ButtonThemes, OfficeXPFillsAndBordersPerState)
{
    struct Case
    {
        BOOL bordered;
        Look look;
        int edge, inside;
    } cases[] = {
        {FALSE, Look::normal, COLOR_3DFACE, COLOR_3DFACE},
        {TRUE, Look::normal, COLOR_3DSHADOW, 30},
        {FALSE, Look::hot, 32, 31},
        {FALSE, Look::pressed, 32, 33},
        {FALSE, Look::checked, 32, 36},
        {FALSE, Look::checkedHot, 32, 33},
    };
    for (const Case& c : cases)
    {
        m_button.SetTheme(new CXTButtonThemeOfficeXP(c.bordered));
        testshot::Image image = Capture(m_button, c.look);
        SCOPED_TRACE(testing::Message() << "bordered " << c.bordered << ", " << static_cast<int>(c.look));
        EXPECT_EQ(Colour(c.edge), image.Pixel(0, 0));
        EXPECT_EQ(Colour(c.edge), image.Pixel(W - 1, H - 1));
        EXPECT_EQ(Colour(c.inside), image.Pixel(W - 3, 2));
    }
}

TEST_F(ButtonThemes, OfficeXPIconsFadeAtRestAndLiftWithAShadowWhenHot)
{
    // The icon's blue box covers pixels 2 to 13 of its 16; the image sits
    // at the margin (4) and is centred vertically (7).
    m_button.SetTheme(new CXTButtonThemeOffice2003);
    testshot::Image plain = Capture(m_button, Look::normal);
    m_button.SetTheme(new CXTButtonThemeOfficeXP);
    testshot::Image faded = Capture(m_button, Look::normal);
    testshot::Image hot = Capture(m_button, Look::hot);

    EXPECT_EQ(CRect(6, 9, 17, 20), BlueBox(plain));
    EXPECT_NE(plain.Pixel(10, 12), faded.Pixel(10, 12)) << "the resting icon is faded";
    EXPECT_EQ(plain.Pixel(10, 12), hot.Pixel(9, 11)) << "the hot icon is lifted by one pixel";
    EXPECT_NE(Colour(31), hot.Pixel(18, 21)) << "its shadow shows below right";
}

TEST_F(ButtonThemes, Office2003TakesTheSchemeOfTheVisualStyle)
{
    struct Case
    {
        LPCWSTR color;
        COLORREF face, shadow, border;
    } cases[] = {
        {L"NormalColor", 0xF0C7A9, 0xB99D7F, 0x800000},
        {L"HomeStead", 0x9FD4C5, 0x7FB9A4, 0x385D3F},
        {L"Metallic", 0xD3C0C0, 0xB2ACA5, 0x0B4B4B},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "scheme " << (&c - cases + 1));
        CForcedStyle style(L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", c.color);
        m_button.SetTheme(new CXTButtonThemeOffice2003(TRUE));

        testshot::Image normal = Capture(m_button, Look::normal);
        EXPECT_EQ(c.shadow, normal.Pixel(0, 0));
        EXPECT_EQ(c.face, normal.Pixel(W - 3, 2));

        const CXTPColorManager& colours = *XTPGetColorManager();
        testshot::Image hot = Capture(m_button, Look::hot);
        EXPECT_EQ(c.border, hot.Pixel(0, 0));
        EXPECT_TRUE(Near(colours.GetButtonHotGradient().clrLight.GetColor(), hot.Pixel(W - 3, 1))) << "hot gradient";
        testshot::Image pressed = Capture(m_button, Look::pressed);
        EXPECT_TRUE(Near(colours.GetButtonPushedGradient().clrLight.GetColor(), pressed.Pixel(W - 3, 1))) << "pushed gradient";
        testshot::Image checked = Capture(m_button, Look::checked);
        EXPECT_TRUE(Near(colours.GetButtonCheckedGradient().clrLight.GetColor(), checked.Pixel(W - 3, 1))) << "checked gradient";
        EXPECT_GE(BoxOf(hot, RGB(0, 0, 0)).right, 0) << "black text";
    }
    // Without a known scheme the Office XP colours stay.
    m_button.SetTheme(new CXTButtonThemeOffice2003(TRUE));
    EXPECT_EQ(Colour(30), Capture(m_button, Look::normal).Pixel(W - 3, 2));
}

TEST_F(ButtonThemes, DisabledThemeEmbossesTheNormalImage)
{
    m_button.SetTheme(new CXTDisabledButtonTheme);
    testshot::Image disabled = Capture(m_button, Look::disabled);
    testshot::Image pressed = Capture(m_button, Look::pressed);

    CRect embossed = BoxOf(disabled, Colour(COLOR_3DSHADOW), CRect(0, 0, 22, H));
    EXPECT_EQ(CRect(6, 9, 17, 20), embossed) << "the embossed image is where the icon is";
    EXPECT_EQ(-1, BlueBox(disabled).right) << "no colour of the icon is left";
    EXPECT_EQ(CRect(7, 10, 18, 21), BlueBox(pressed)) << "pressed moves the image by one pixel";
}

TEST_F(ButtonThemes, VisualStyleFaceOrClassicWhenTheLibraryIsMissing)
{
    m_button.SetXButtonStyle(0, FALSE);
    testshot::Image classic = Capture(m_button, Look::normal);

    // Visual styles need the newer common controls; this process has the
    // older ones unless a library says otherwise.
    CXTPWinThemeLibrary styles(L"UxTheme.dll", MAKELONG(0, 6));
    m_button.SetXButtonStyle(BS_XT_WINXP_COMPAT, FALSE);
    m_button.SetTheme(new CXTButtonTheme(&styles));
    testshot::Image themed = Capture(m_button, Look::normal, L"button_visual_style.png");
    EXPECT_NE(classic.bgra, themed.bgra) << "the visual style draws its own face";
    EXPECT_TRUE(m_button.GetTheme()->IsThemedOrFlat(&m_button)) << "a themed button tracks the mouse";
    testshot::Image hot = Capture(m_button, Look::hot);
    testshot::Image pressed = Capture(m_button, Look::pressed);
    testshot::Image disabled = Capture(m_button, Look::disabled);
    EXPECT_NE(themed.bgra, hot.bgra);
    EXPECT_NE(hot.bgra, pressed.bgra);
    EXPECT_NE(themed.bgra, disabled.bgra);

    CXTPWinThemeLibrary missing(L"NoSuchVisualStyles.dll");
    m_button.SetTheme(new CXTButtonTheme(&missing));
    testshot::Image fallback = Capture(m_button, Look::normal);
    EXPECT_EQ(classic.bgra, fallback.bgra);
    EXPECT_FALSE(m_button.GetTheme()->IsThemedOrFlat(&m_button));
    m_button.SetTheme(nullptr);
}

// The paint manager base and the classic look: theme selection, fonts,
// captions below icons, control sizes, state rectangles, icons and menu items
// measured and read back pixel by pixel.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "ThemeTestSupport.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPDefaultTheme.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

#include <string>

using XTPPaintThemes::CXTPDefaultTheme;

namespace {

const COLORREF kBackground = RGB(255, 0, 255);
const UINT kRedIcon = 61101;

class CTypedButton : public CXTPControlPopup
{
public:
    explicit CTypedButton(XTPControlType type) { m_controlType = type; }
};

LOGFONT MakeLogFont(LPCWSTR face, BYTE charset, LONG height = -11)
{
    LOGFONT lf = {};
    lf.lfHeight = height;
    lf.lfCharSet = charset;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return lf;
}

CString FaceOf(CFont* pFont)
{
    LOGFONT lf = {};
    pFont->GetLogFont(&lf);
    return lf.lfFaceName;
}

class PaintManager : public testing::Test
{
protected:
    void SetUp() override
    {
        m_theme.RefreshMetrics();
        m_bar.SetBarPosition(xtpBarTop);
    }
    CXTPControl* Add(CXTPCommandBar& bar, XTPControlType type, int nId, LPCWSTR caption,
                     XTPButtonStyle style = xtpButtonAutomatic)
    {
        CXTPControl* pControl = bar.GetControls()->Add(new CTypedButton(type), nId);
        pControl->SetCaption(caption);
        pControl->SetStyle(style);
        return pControl;
    }
    CSize TextSize(CDC* pDC, LPCWSTR text)
    {
        CRect rc(0, 0, 0, 0);
        pDC->DrawText(text, -1, &rc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
        return rc.Size();
    }

    CXTPDefaultTheme m_theme;
    CXTPToolBar m_bar;
    CTestCanvas m_canvas{200, 120, kBackground};
};

} // namespace

TEST(PaintTheme, UnknownNumberGivesTheClassicLookAndKeepsTheNumber)
{
    CXTPPaintManager::SetTheme(7);
    CXTPPaintManager* pCurrent = XTPPaintManager();
    EXPECT_EQ(0, pCurrent->GetCurrentTheme());
    EXPECT_EQ(7, pCurrent->GetThemeNumber());

    // Installing the current object again must not free it.
    CXTPPaintManager::SetCustomTheme(pCurrent);
    EXPECT_EQ(pCurrent, XTPPaintManager());
    EXPECT_EQ(7, XTPPaintManager()->GetThemeNumber());

    CXTPPaintManager* pCustom = CXTPPaintManager::CreateTheme(0);
    CXTPPaintManager::SetCustomTheme(pCustom);
    EXPECT_EQ(6, XTPPaintManager()->GetThemeNumber());
    EXPECT_GT(XTPPaintManager()->GetTextHeight(), 6) << "a custom theme's metrics are refreshed";
    CXTPPaintManager::SetTheme(0);
}

TEST_F(PaintManager, ColoursAreIndicesOrRgbValues)
{
    EXPECT_EQ(62u, m_theme.GetColor(62));
    EXPECT_EQ(0x00123456u, m_theme.GetColor(0x00123456));
    int nIndex = 15;
    COLORREF clr = RGB(1, 2, 3);
    m_theme.SetColors(1, &nIndex, &clr);
    EXPECT_EQ(clr, m_theme.GetColor(15));
}

TEST_F(PaintManager, FontHeightsAndTheTahomaPreference)
{
    const LONG heights[][2] = {{-8, -11}, {-10, -11}, {-11, -11}, {-13, -13}, {12, 12}, {0, 0}};
    for (const auto& h : heights)
        EXPECT_EQ(h[1], CXTPPaintManager::CommandBarFontHeight(h[0])) << h[0];

    CXTPDefaultTheme theme;
    LOGFONT lf = MakeLogFont(L"Arial", ANSI_CHARSET);
    theme.SetCommandBarsFontIndirect(&lf, TRUE);
    EXPECT_EQ(CString(L"Arial"), FaceOf(theme.GetRegularFont())) << "no Tahoma given yet";

    lf = MakeLogFont(L"tAHOMA", ANSI_CHARSET);
    theme.SetCommandBarsFontIndirect(&lf, FALSE);
    EXPECT_TRUE(theme.IsPreferTahoma());
    struct Case
    {
        BYTE charset;
        BOOL standard;
        LPCWSTR face;
    };
    const Case cases[] = {{ANSI_CHARSET, TRUE, L"Tahoma"},
                          {DEFAULT_CHARSET, TRUE, L"Tahoma"},
                          {ANSI_CHARSET, FALSE, L"Arial"},
                          {RUSSIAN_CHARSET, TRUE, L"Arial"}};
    for (const Case& c : cases) {
        lf = MakeLogFont(L"Arial", c.charset);
        theme.SetCommandBarsFontIndirect(&lf, c.standard);
        EXPECT_EQ(CString(c.face), FaceOf(theme.GetRegularFont())) << int(c.charset) << " " << c.standard;
        EXPECT_EQ(c.standard, theme.IsUseStandardFont());
    }
    LOGFONT lfVertical = {};
    theme.GetCommandBarFont(nullptr)->GetLogFont(&lfVertical);
    CXTPToolBar sideBar;
    sideBar.SetBarPosition(xtpBarLeft);
    theme.GetCommandBarFont(&sideBar, TRUE)->GetLogFont(&lfVertical);
    EXPECT_EQ(2700, lfVertical.lfEscapement);
    EXPECT_EQ(FW_BOLD, lfVertical.lfWeight);
}

TEST_F(PaintManager, CaptionsSplitAtTheSpaceNearestTheMiddle)
{
    const LPCWSTR cases[][3] = {
        {L"Save As", L"Save", L"As"},
        {L"Open", L"Open", L""},
        {L"ab c", L"ab", L"c"},
        {L" abc", L" abc", L""},
        {L"abc", L"abc", L""},
        {L"Neue Suche starten", L"Neue Suche", L"starten"},
        {L"a bcdefgh", L"a bcdefgh", L""},
        {L"", L"", L""},
    };
    for (const auto& c : cases) {
        CString first, second;
        CXTPPaintManager::SplitString(c[0], first, second);
        EXPECT_EQ(CString(c[1]), first) << c[0];
        EXPECT_EQ(CString(c[2]), second) << c[0];
    }
}

TEST_F(PaintManager, CaptionsBelowIconsMeasureTheLongerLine)
{
    CDC* pDC = m_canvas.DC();
    CXTPFontDC font(pDC, m_theme.GetRegularFont());
    auto width = [&](LPCWSTR text) { return static_cast<int>(pDC->GetTextExtent(CString(text)).cx); };
    struct Case
    {
        LPCWSTR caption;
        BOOL dropDown;
        int expected;
    };
    const Case cases[] = {
        {L"Save As", FALSE, std::max(width(L"Save"), width(L"As"))},
        {L"Open", TRUE, std::max(width(L"Open"), 8)},
        {L"", FALSE, width(L" ")},
        {L"", TRUE, width(L" ") + 8},
        {L"&Save As", FALSE, std::max(width(L"&Save"), width(L"As"))},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CSize(c.expected, 24), m_theme.DrawCaptionBelowIcon(pDC, c.caption, CRect(), FALSE, FALSE, c.dropDown,
                                                                     FALSE, TRUE))
            << c.caption;
        EXPECT_EQ(CSize(24, c.expected), m_theme.DrawCaptionBelowIcon(pDC, c.caption, CRect(), FALSE, TRUE, c.dropDown,
                                                                     FALSE, TRUE))
            << c.caption;
    }

    // The control: the large icon's button (32 + 7) over the 27-pixel strip.
    CXTPControl* pSaveAs = Add(m_bar, xtpControlButton, 0, L"Save As", xtpButtonIconAndCaptionBelow);
    int nCaption = m_theme.DrawCaptionBelowIcon(pDC, L"Save As", CRect(), FALSE, FALSE, FALSE, FALSE, TRUE).cx;
    EXPECT_EQ(CSize(std::max(42, nCaption + 6), 66), m_theme.DrawControl(pDC, pSaveAs, FALSE));
    m_bar.SetBarPosition(xtpBarLeft);
    EXPECT_EQ(66, m_theme.DrawControl(pDC, pSaveAs, FALSE).cx) << "turned on a side bar";
}

TEST_F(PaintManager, CaptionOverrideDecidesTheMnemonicUnderline)
{
    auto inkOf = [&](int nOverride) {
        CTestCanvas canvas(80, 30, RGB(255, 255, 255));
        CXTPFontDC font(canvas.DC(), m_theme.GetRegularFont(), RGB(0, 0, 0));
        canvas.DC()->SetBkMode(TRANSPARENT);
        m_theme.SetCaptionOverride(nOverride);
        m_theme.DrawCaptionBelowIcon(canvas.DC(), L"&Open", CRect(0, 0, 80, 30), TRUE, FALSE, FALSE, FALSE, TRUE);
        return canvas.CountPixels(CRect(0, 0, 80, 30), RGB(0, 0, 0));
    };
    int nHidden = inkOf(0), nShown = inkOf(1);
    m_theme.SetCaptionOverride(-1);
    int nByCues = inkOf(-1);
    EXPECT_GT(nShown, nHidden) << "override 1 underlines although";
    EXPECT_EQ(nShown, nByCues) << "without override the bar's cues decide";
}

TEST_F(PaintManager, ToolbarSizesFollowTheControlType)
{
    AddRedIcon(kRedIcon);
    CDC* pDC = m_canvas.DC();
    CXTPFontDC font(pDC, m_theme.GetRegularFont());
    CSize szText = TextSize(pDC, L"Suchen");
    struct Case
    {
        XTPControlType type;
        int id;
        LPCWSTR caption;
        XTPButtonStyle style;
        CSize expected;
    };
    const Case cases[] = {
        {xtpControlButton, kRedIcon, L"", xtpButtonAutomatic, CSize(23, 23)},
        {xtpControlButton, 0, L"", xtpButtonAutomatic, CSize(22, 22)},
        {xtpControlButton, 0, L"Suchen", xtpButtonAutomatic, CSize(4 + szText.cx + 3, std::max(szText.cy + 6, 23L))},
        {xtpControlButton, kRedIcon, L"Suchen", xtpButtonIconAndCaption,
         CSize(23 + szText.cx + 3, std::max(szText.cy + 6, 23L))},
        {xtpControlSplitButtonPopup, kRedIcon, L"", xtpButtonAutomatic, CSize(34, 23)},
        {xtpControlSplitButtonPopup, 0, L"", xtpButtonAutomatic, CSize(33, 22)},
        {xtpControlPopup, kRedIcon, L"", xtpButtonAutomatic, CSize(30, 23)},
        {xtpControlPopup, 0, L"Suchen", xtpButtonAutomatic, CSize(szText.cx + 6, szText.cy + 6)},
        {xtpControlLabel, 0, L"Suchen", xtpButtonAutomatic, CSize(4 + szText.cx + 3, std::max(szText.cy + 6, 23L))},
    };
    for (const Case& c : cases) {
        CXTPControl* pControl = Add(m_bar, c.type, c.id, c.caption, c.style);
        EXPECT_EQ(c.expected, m_theme.DrawControl(pDC, pControl, FALSE)) << "case " << (&c - cases);
    }
}

TEST_F(PaintManager, ClassicStatesByPixel)
{
    COLORREF clrShadow = m_theme.GetColor(COLOR_3DSHADOW), clrLight = m_theme.GetColor(COLOR_3DHIGHLIGHT);
    COLORREF clrFace = m_theme.GetColor(COLOR_3DFACE);
    enum Look { kNothing, kRaised, kSunken, kDithered };
    struct Case
    {
        BOOL enabled;
        int selected, pressed, checked;
        BOOL popuped;
        Look look;
    };
    const Case cases[] = {
        {TRUE, 0, 0, 0, FALSE, kNothing},   {TRUE, 1, 0, 0, FALSE, kRaised},   {TRUE, 0, 1, 0, FALSE, kRaised},
        {TRUE, 1, 1, 0, FALSE, kSunken},    {TRUE, 0, 2, 0, FALSE, kSunken},   {TRUE, 0, 0, 0, TRUE, kSunken},
        {TRUE, 0, 0, 1, FALSE, kDithered},  {TRUE, 1, 0, 1, FALSE, kSunken},   {FALSE, 1, 0, 0, FALSE, kNothing},
        {FALSE, 2, 0, 0, FALSE, kSunken},   {FALSE, 0, 0, 1, FALSE, kSunken},
    };
    for (const Case& c : cases) {
        CTestCanvas canvas(30, 30, kBackground);
        CRect rc(2, 2, 26, 26);
        m_theme.DrawStateRect(canvas.DC(), rc, c.enabled, c.selected, c.pressed, c.checked, c.popuped, xtpBarTop);
        int n = static_cast<int>(&c - cases);
        COLORREF topLeft = canvas.Pixel(2, 2), bottomRight = canvas.Pixel(25, 25);
        switch (c.look) {
        case kNothing:
            EXPECT_EQ(30 * 30, canvas.CountPixels(CRect(0, 0, 30, 30), kBackground)) << n;
            break;
        case kRaised:
            EXPECT_EQ(clrLight, topLeft) << n;
            EXPECT_EQ(clrShadow, bottomRight) << n;
            break;
        case kSunken:
        case kDithered:
            EXPECT_EQ(clrShadow, topLeft) << n;
            EXPECT_EQ(clrLight, bottomRight) << n;
            break;
        }
        COLORREF inside[2] = {canvas.Pixel(10, 10), canvas.Pixel(11, 10)};
        if (c.look == kDithered) {
            EXPECT_NE(inside[0], inside[1]) << "the halftone alternates, case " << n;
            EXPECT_TRUE((inside[0] == clrFace && inside[1] == clrLight) || (inside[0] == clrLight && inside[1] == clrFace))
                << n;
        } else {
            EXPECT_EQ(kBackground, inside[0]) << "inside untouched, case " << n;
        }
        EXPECT_EQ(GetSysColor(c.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT), canvas.DC()->GetTextColor()) << n;
    }
}

TEST_F(PaintManager, DisabledIconsAreEmbossedAndPressedOnesShift)
{
    AddRedIcon(kRedIcon);
    CXTPImageManagerIcon* pIcon = XTPImageManager()->GetImage(kRedIcon, 16);
    ASSERT_NE(nullptr, pIcon);
    COLORREF clrRed = RGB(255, 0, 0);
    struct Case
    {
        BOOL enabled, selected, pressed;
        COLORREF atOrigin, atFarCorner;
    };
    const Case cases[] = {
        {FALSE, FALSE, FALSE, m_theme.GetColor(COLOR_3DSHADOW), m_theme.GetColor(COLOR_3DHIGHLIGHT)},
        {TRUE, TRUE, TRUE, kBackground, clrRed},
        {TRUE, FALSE, FALSE, clrRed, kBackground},
    };
    for (const Case& c : cases) {
        CTestCanvas canvas(40, 40, kBackground);
        m_theme.DrawImage(canvas.DC(), CPoint(10, 10), CSize(16, 16), pIcon, c.selected, c.pressed, c.enabled);
        int n = static_cast<int>(&c - cases);
        EXPECT_EQ(c.atOrigin, canvas.Pixel(10, 10)) << n;
        EXPECT_EQ(c.atFarCorner, canvas.Pixel(26, 26)) << n;
    }
    m_theme.GetIconsInfo()->bUseDisabledIcons = TRUE;
    CTestCanvas canvas(40, 40, kBackground);
    m_theme.DrawImage(canvas.DC(), CPoint(10, 10), CSize(16, 16), pIcon, FALSE, FALSE, FALSE);
    EXPECT_EQ(kBackground, canvas.Pixel(26, 26)) << "the disabled image instead of embossing";
}

TEST_F(PaintManager, MenuItemsMeasureCaptionShortcutAndIconArea)
{
    CXTPPopupBar popup;
    CDC* pDC = m_canvas.DC();
    LOGFONT lf = MakeLogFont(L"Tahoma", ANSI_CHARSET, -11);
    m_theme.SetCommandBarsFontIndirect(&lf, FALSE);
    ASSERT_LE(m_theme.GetTextHeight(), 20) << "the icon column is 20 wide only with a small font";
    CXTPFontDC font(pDC, m_theme.GetRegularFont());
    CSize szCaption = TextSize(pDC, L"Neu"), szShortcut = TextSize(pDC, L"Strg+N");

    CXTPControl* pButton = Add(popup, xtpControlButton, 0, L"Neu\tStrg+N");
    CXTPControl* pSubMenu = Add(popup, xtpControlPopup, 0, L"Neu\tStrg+N");
    EXPECT_EQ(CSize(szCaption.cx + szShortcut.cx + 20 + 40, 20), m_theme.DrawControl(pDC, pButton, FALSE));
    EXPECT_EQ(szCaption.cx + 20 + 40, m_theme.DrawControl(pDC, pSubMenu, FALSE).cx) << "submenus show no shortcut";
    popup.SetDoubleGripper(TRUE);
    EXPECT_EQ(szCaption.cx + szShortcut.cx + 40 + 40, m_theme.DrawControl(pDC, pButton, FALSE).cx);
}

TEST_F(PaintManager, CheckedMenuItemShowsTheMarkInItsColumn)
{
    CXTPPopupBar popup;
    LOGFONT lf = MakeLogFont(L"Tahoma", ANSI_CHARSET, -11);
    m_theme.SetCommandBarsFontIndirect(&lf, FALSE);
    CXTPControl* pItem = Add(popup, xtpControlButton, 0, L"Ansicht");
    pItem->SetChecked(TRUE);
    pItem->SetRect(CRect(0, 0, 150, 20));
    COLORREF clrMark = m_theme.GetColor(COLOR_BTNTEXT), clrHighlight = m_theme.GetColor(COLOR_HIGHLIGHT);
    CRect rcMarkArea(5, 5, 16, 16);

    for (int selected = 0; selected <= 1; selected++) {
        CTestCanvas canvas(150, 20, kBackground);
        CXTPFontDC font(canvas.DC(), m_theme.GetRegularFont());
        if (selected)
            pItem->SetSelected(1);
        m_theme.DrawControl(canvas.DC(), pItem, TRUE);
        EXPECT_EQ(m_theme.GetColor(COLOR_3DSHADOW), canvas.Pixel(0, 0)) << "sunken column, selected " << selected;
        EXPECT_GT(canvas.CountPixels(rcMarkArea, clrMark), 8) << "the mark keeps the popup text colour";
        EXPECT_EQ(clrHighlight == canvas.Pixel(21, 1), selected == 1) << "highlight from one pixel past the column";
        EXPECT_NE(clrHighlight, canvas.Pixel(20, 1));
        bool dithered = canvas.Pixel(1, 2) != canvas.Pixel(2, 2);
        EXPECT_EQ(selected == 0, dithered) << "only an idle checked item is dithered";
    }
}

TEST(PaintOwnership, ManagersHandedAgainAreKept)
{
    struct CMortalTheme : CXTPDefaultTheme
    {
        explicit CMortalTheme(bool& destroyed) : m_destroyed(destroyed) {}
        ~CMortalTheme() override { m_destroyed = true; }
        bool& m_destroyed;
    };
    bool barThemeGone = false, managerThemeGone = false;
    {
        CXTPToolBar bar;
        CXTPCommandBars commandBars;
        CMortalTheme* pBarTheme = new CMortalTheme(barThemeGone);
        CMortalTheme* pManagerTheme = new CMortalTheme(managerThemeGone);
        bar.SetPaintManager(pBarTheme);
        bar.SetPaintManager(pBarTheme);
        commandBars.SetPaintManager(pManagerTheme);
        commandBars.SetPaintManager(pManagerTheme);
        EXPECT_FALSE(barThemeGone || managerThemeGone);
        EXPECT_EQ(pBarTheme, bar.GetPaintManager()) << "the bar's own wins over the manager's";
        bar.SetCommandBars(&commandBars);
        bar.SetPaintManager(nullptr);
        EXPECT_TRUE(barThemeGone);
        EXPECT_EQ(pManagerTheme, bar.GetPaintManager());
        bar.SetCommandBars(nullptr);
    }
    EXPECT_TRUE(managerThemeGone) << "the manager releases its own at the end";
}

TEST_F(PaintManager, ClassicDisabledSplitButtonSelectedFromTheKeyboardIsSunkenLikeAPlainButton)
{
    COLORREF clrShadow = m_theme.GetColor(COLOR_3DSHADOW), clrLight = m_theme.GetColor(COLOR_3DHIGHLIGHT);
    for (XTPControlType type : {xtpControlButton, xtpControlSplitButtonPopup}) {
        for (int selected : {1, 2}) {
            CXTPControl* pControl = Add(m_bar, type, 0, L"");
            pControl->SetEnabled(FALSE);
            pControl->SetSelected(selected);
            CTestCanvas canvas(60, 30, kBackground);
            const CRect rc(2, 2, 50, 26);
            m_theme.DrawControlEntry(canvas.DC(), pControl, rc);
            if (selected == 2) {
                EXPECT_EQ(clrShadow, canvas.Pixel(rc.left, rc.top)) << "type " << type;
                EXPECT_EQ(clrLight, canvas.Pixel(rc.left + 20, rc.bottom - 1)) << "type " << type;
            } else {
                EXPECT_EQ(kBackground, canvas.Pixel(rc.left, rc.top)) << "a mouse selection of a disabled control, type "
                                                                       << type;
            }
        }
    }
}

TEST_F(PaintManager, ClassicDisabledComboDropButtonIsOnlyItsArrow)
{
    const CRect rc(10, 2, 27, 22);
    for (BOOL bEnabled : {TRUE, FALSE}) {
        CTestCanvas canvas(40, 30, kBackground);
        m_theme.DrawComboDropButton(canvas.DC(), rc, bEnabled, FALSE, FALSE);
        // The button lies one pixel in at the left, two at the top, right and bottom.
        const CRect rcButton(rc.left + 1, rc.top + 2, rc.right - 2, rc.bottom - 2);
        EXPECT_EQ(bEnabled ? m_theme.GetColor(COLOR_3DHIGHLIGHT) : kBackground,
                  canvas.Pixel(rcButton.left, rcButton.top))
            << (bEnabled ? "enabled: a flat frame" : "disabled: no frame");
        EXPECT_EQ(bEnabled ? m_theme.GetColor(COLOR_3DFACE) : kBackground, canvas.Pixel(rcButton.left + 2, rcButton.top + 2));
        EXPECT_GT(canvas.CountPixels(rcButton, m_theme.GetColor(COLOR_BTNTEXT)), 3) << "the arrow in the text colour";
    }
}

TEST_F(PaintManager, ClassicIconsShiftOnEveryPressAndLiftWhenHotEvenIfChecked)
{
    AddRedIcon(kRedIcon);
    CXTPImageManagerIcon* pIcon = XTPImageManager()->GetImage(kRedIcon, 16);
    ASSERT_NE(nullptr, pIcon);
    const COLORREF clrRed = RGB(255, 0, 0);
    m_theme.GetIconsInfo()->bIconsWithShadow = TRUE;
    enum Place { kInPlace, kPushed, kLifted };
    struct Case
    {
        int selected, pressed, checked;
        Place place;
    };
    const Case cases[] = {
        {0, 1, 0, kPushed}, // pressed while the pointer is off the button
        {0, 1, 1, kPushed},  {1, 1, 0, kPushed}, {1, 0, 0, kLifted},
        {1, 0, 1, kLifted},  {0, 0, 1, kInPlace}, {0, 0, 0, kInPlace},
    };
    for (const Case& c : cases) {
        CTestCanvas canvas(40, 40, kBackground);
        m_theme.DrawImage(canvas.DC(), CPoint(10, 10), CSize(16, 16), pIcon, c.selected, c.pressed, TRUE, c.checked,
                          FALSE, TRUE);
        int n = static_cast<int>(&c - cases);
        EXPECT_EQ(c.place == kLifted ? clrRed : kBackground, canvas.Pixel(9, 9)) << "up and left, case " << n;
        if (c.place != kLifted) {
            EXPECT_EQ(c.place == kInPlace ? clrRed : kBackground, canvas.Pixel(10, 10)) << "at the origin, case " << n;
        }
        EXPECT_EQ(c.place != kInPlace, canvas.Pixel(26, 26) != kBackground)
            << "image or shadow one pixel down and right, case " << n;
    }
}

// A toolbar button shows what its style asks for: "caption only" leaves its
// icon out (measured and drawn), in the classic and in the program's look,
// on a plain button and on a captioned menu of a bar, across and along the
// bar; without a caption to
// show the icon stays, rather than leave the button blank.
TEST_F(PaintManager, ToolbarButtonsShowTheirIconOnlyWhenTheStyleAsksForIt)
{
    AddRedIcon(kRedIcon);
    const COLORREF clrRed = RGB(255, 0, 0);
    XTPPaintThemes::CXTPWhidbeyTheme whidbey;
    whidbey.RefreshMetrics();
    struct Case
    {
        XTPControlType type;
        LPCWSTR caption;
        XTPButtonStyle style;
        bool icon, text;
    };
    const Case cases[] = {
        {xtpControlButton, L"Suchen", xtpButtonCaption, false, true},
        {xtpControlPopup, L"Suchen", xtpButtonCaption, false, true},
        {xtpControlButton, L"", xtpButtonCaption, true, false},
        {xtpControlButton, L"Suchen", xtpButtonIcon, true, false},
        {xtpControlButton, L"Suchen", xtpButtonIconAndCaption, true, true},
        {xtpControlButton, L"Suchen", xtpButtonAutomatic, true, false},
    };
    struct Look
    {
        XTPBarPosition position;
        CXTPPaintManager* pTheme;
    };
    const Look looks[] = {{xtpBarTop, &m_theme}, {xtpBarTop, &whidbey}, {xtpBarLeft, &m_theme}, {xtpBarLeft, &whidbey}};
    for (const Look& look : looks) {
        const XTPBarPosition position = look.position;
        CXTPPaintManager* pTheme = look.pTheme;
        m_bar.SetBarPosition(position);
        for (const Case& c : cases) {
            const std::string name = std::string(pTheme == &m_theme ? "classic" : "program's look") +
                                     (position == xtpBarTop ? ", docked at the top" : ", docked at the left") +
                                     ", case " + std::to_string(&c - cases);
            CTestCanvas canvas(200, 200, kBackground);
            CXTPFontDC font(canvas.DC(), pTheme->GetRegularFont());
            const CSize szText = TextSize(canvas.DC(), L"Suchen");
            CXTPControl* pControl = Add(m_bar, c.type, kRedIcon, c.caption, c.style);
            const CSize size = pTheme->DrawControl(canvas.DC(), pControl, FALSE);
            if (c.text && !c.icon) {
                EXPECT_LT(position == xtpBarTop ? size.cx : size.cy, szText.cx + 16) << name << ": no room for an icon";
            }
            pControl->SetRect(CRect(CPoint(4, 4), size));
            pTheme->DrawControl(canvas.DC(), pControl, TRUE);
            EXPECT_EQ(c.icon, canvas.CountPixels(CRect(0, 0, 200, 200), clrRed) > 0) << name;
            m_bar.GetControls()->Remove(pControl);
        }
    }
}

// The docking paint manager: caption and tab strip heights, colours by
// index or value, caption buttons from the far end, what each theme sets up
// at construction, and the Office 2003 scheme tables.
#include <gtest/gtest.h>
#include <memory>
#include "../tabs/ForcedScheme.h"
#include "../tabs/TabCanvas.h"
#include "framework/text/CStringA.h"
#include "toolkit/common/colors/XTPSystemThemeSource.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"
#include "toolkit/docking/themes/XTPDockingPaneThemes.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"
#include "toolkit/tabs/XTPTabManager.h"
#include "resources/ToolkitDockingIds.h"

using namespace XTPDockingPanePaintThemes;

namespace {

std::unique_ptr<CXTPDockingPanePaintManager, void (*)(CXTPDockingPanePaintManager*)> Theme(int number)
{
    return {XTPCreateDockingPaneTheme(number), [](CXTPDockingPanePaintManager* p) { p->InternalRelease(); }};
}

int TextHeight(CFont* font)
{
    CTabCanvas canvas(4, 4);
    HGDIOBJ old = canvas.DC()->SelectObject(font->GetSafeHandle());
    int height = canvas.DC()->GetTextExtent(L" ", 1).cy;
    canvas.DC()->SelectObject(old);
    return height;
}

} // namespace

TEST(DockingPaint, CaptionAndTabStripHeightsHaveFloors)
{
    auto paint = Theme(xtpPaneThemeDefault);
    LOGFONT lf = {};
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    lf.lfHeight = -6;
    paint->SetCaptionFontIndirect(&lf);
    EXPECT_EQ(paint->m_nCaptionInset + 13, paint->GetCaptionHeight()) << "small text: 13 pixels at least";
    lf.lfHeight = -30;
    paint->SetCaptionFontIndirect(&lf);
    int text = TextHeight(paint->GetCaptionFont(FALSE));
    ASSERT_GT(text, 13);
    EXPECT_EQ(paint->m_nCaptionInset + text, paint->GetCaptionHeight());

    EXPECT_GE(paint->GetTabsHeight(), 24);
    CXTPTabPaintManager* tabs = paint->GetTabPaintManager();
    tabs->SetFontIndirect(&lf, FALSE);
    paint->m_bUseSystemFont = FALSE;
    paint->RefreshMetrics();
    EXPECT_EQ(TextHeight(&tabs->m_fntNormal) + 10, paint->GetTabsHeight());
}

TEST(DockingPaint, ColoursByIndexOrValue)
{
    auto paint = Theme(xtpPaneThemeDefault);
    EXPECT_EQ(XTPGetColorManager()->GetColor(15), paint->GetIndexedColor(15));
    EXPECT_EQ(RGB(200, 10, 20), paint->GetIndexedColor(RGB(200, 10, 20)));
    EXPECT_EQ(62u, paint->GetIndexedColor(62)) << "62 is already a colour";
}

TEST(DockingPaint, CaptionButtonsFromTheFarEnd)
{
    auto paint = Theme(xtpPaneThemeOffice);
    CXTPDockingPaneCaptionButton close(XTP_IDS_DOCKINGPANE_CLOSE, nullptr), pin(XTP_IDS_DOCKINGPANE_AUTOHIDE, nullptr),
        menu(XTP_IDS_DOCKINGPANE_MENU, nullptr);
    pin.SetVisible(FALSE);
    CXTPDockingPaneCaptionButtons buttons;
    buttons.Add(&close);
    buttons.Add(&pin);
    buttons.Add(&menu);
    CTabCanvas canvas(220, 60);

    CRect caption(0, 0, 200, 20);
    paint->DrawCaptionButtons(canvas.DC(), &buttons, caption, 0, 14, 2, FALSE);
    EXPECT_EQ(CRect(186, 3, 200, 17), close.GetRect());
    EXPECT_TRUE(pin.GetRect().IsRectEmpty()) << "hidden";
    EXPECT_EQ(CRect(170, 3, 184, 17), menu.GetRect());
    EXPECT_EQ(170, caption.right) << "the title keeps the rest";

    CRect vertical(0, 0, 20, 50);
    paint->DrawCaptionButtons(canvas.DC(), &buttons, vertical, 0, 16, 0, TRUE);
    EXPECT_EQ(CRect(2, 34, 18, 50), close.GetRect());
    EXPECT_EQ(CRect(2, 18, 18, 34), menu.GetRect());
    EXPECT_EQ(18, vertical.bottom);

    CRect none(0, 0, 200, 20);
    pin.SetVisible(TRUE);
    buttons.RemoveAll();
    paint->DrawCaptionButtons(canvas.DC(), &buttons, none, 0, 14, 2, FALSE);
    EXPECT_EQ(200, none.right);
    EXPECT_EQ(CString(L"Schließen"), close.GetTooltip());
}

TEST(DockingPaint, EachThemeSetsUpCaptionsAndTabs)
{
    struct Case
    {
        int theme;
        BOOL bold;
        int inset;
        int marginTop;
        int paneAppearance, paneColor, panePosition, paneLayout;
        BOOL paneHot;
        int panelAppearance, panelLayout;
    } cases[] = {
        {xtpPaneThemeDefault, TRUE, 5, 2, 0, 1, 2, 1, FALSE, 0, 3},
        {xtpPaneThemeGrippered, TRUE, 5, 2, 0, 1, 2, 1, FALSE, 0, 3},
        {xtpPaneThemeOffice, FALSE, 5, 2, 5, 2, 2, 1, FALSE, 6, 3},
        {xtpPaneThemeVisio, FALSE, 2, 2, 8, 2, 0, 1, FALSE, 6, 3},
        {xtpPaneThemeOffice2003, TRUE, 7, 2, 2, 4, 2, 1, TRUE, 2, 3},
        {xtpPaneThemeShortcutBar2003, TRUE, 3, 2, 2, 4, 2, 1, TRUE, 2, 3},
        {xtpPaneThemeNativeWinXP, FALSE, 7, 2, 0, 8, 2, 1, TRUE, 0, 3},
        {xtpPaneThemeWhidbey, FALSE, 5, 0, 2, 4, 2, 1, FALSE, 2, 0},
        {xtpPaneThemeVisualStudio2005, FALSE, 5, 0, 2, 4, 2, 1, FALSE, 2, 0},
    };
    for (const Case& c : cases)
    {
        auto paint = Theme(c.theme);
        CXTPTabPaintManager* pane = paint->GetTabPaintManager();
        CXTPTabPaintManager* panel = paint->GetPanelPaintManager();
        EXPECT_EQ(c.bold, paint->m_bBoldCaption) << "theme " << c.theme;
        EXPECT_EQ(c.inset, paint->m_nCaptionInset) << "theme " << c.theme;
        EXPECT_EQ(c.marginTop, paint->m_rcCaptionMargin.top) << "theme " << c.theme;
        EXPECT_EQ(c.paneAppearance, pane->GetAppearance()) << "theme " << c.theme;
        EXPECT_EQ(c.panePosition, pane->GetPosition()) << "theme " << c.theme;
        EXPECT_EQ(c.paneLayout, pane->GetLayout()) << "theme " << c.theme;
        EXPECT_EQ(c.paneHot, pane->m_bHotTracking) << "theme " << c.theme;
        EXPECT_EQ(c.panelAppearance, panel->GetAppearance()) << "theme " << c.theme;
        EXPECT_EQ(c.panelLayout, panel->GetLayout()) << "theme " << c.theme;
        EXPECT_EQ(xtpTabToolTipAlways, pane->m_nToolTipMode);
        EXPECT_EQ(c.theme, paint->m_nTheme);
        if (c.paneColor == xtpTabColorOffice2003)
        {
            EXPECT_NE(nullptr, dynamic_cast<CXTPTabPaintManager::CColorSetOffice2003*>(pane->GetColorSet()))
                << "theme " << c.theme;
        }
    }

    auto office2003 = Theme(xtpPaneThemeOffice2003);
    auto* theme2003 = dynamic_cast<CXTPDockingPaneOffice2003Theme*>(office2003.get());
    ASSERT_NE(nullptr, theme2003);
    EXPECT_TRUE(theme2003->m_bDrawCaptionGripper && theme2003->m_bRoundedCaption);
    auto shortcut = Theme(xtpPaneThemeShortcutBar2003);
    auto* themeShortcut = dynamic_cast<CXTPDockingPaneShortcutBar2003Theme*>(shortcut.get());
    EXPECT_FALSE(themeShortcut->m_bDrawCaptionGripper || themeShortcut->m_bRoundedCaption);
    auto whidbey = Theme(xtpPaneThemeWhidbey);
    EXPECT_EQ(xtpPaneSplitterGradient, whidbey->m_nSplitterStyle);
    EXPECT_EQ(xtpTabFrameNone, whidbey->GetTabPaintManager()->m_nClientFrame);
    EXPECT_NE(nullptr, dynamic_cast<CXTPDockingPaneDefaultTheme*>(Theme(42).get())) << "unknown number";
    EXPECT_EQ(nullptr, dynamic_cast<CXTPDockingPaneGripperedTheme*>(Theme(0).get()));
}

TEST(DockingPaint, ShortcutBarCaptionFontIsBoldAndTall)
{
    auto shortcut = Theme(xtpPaneThemeShortcutBar2003);
    LOGFONT lf = {};
    shortcut->GetCaptionFont(FALSE)->GetLogFont(&lf);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_EQ(20, lf.lfHeight);
}

TEST(DockingPaint, TahomaOnlyWhenAllowedAndInstalled)
{
    auto paint = Theme(xtpPaneThemeDefault);
    LOGFONT lf = {};
    lstrcpyW(lf.lfFaceName, L"MS Sans Serif");
    lf.lfHeight = -11;
    paint->m_bUseTahomaFont = TRUE;
    paint->SetCaptionFontIndirect(&lf, TRUE);
    LOGFONT made = {};
    paint->GetCaptionFont(FALSE)->GetLogFont(&made);
    EXPECT_EQ(CString(XTPFontExists(L"Tahoma") ? L"Tahoma" : L"MS Sans Serif"), CString(made.lfFaceName));

    paint->m_strTahomaFaceName = L"Keine Solche Schrift";
    paint->SetCaptionFontIndirect(&lf, TRUE);
    paint->GetCaptionFont(FALSE)->GetLogFont(&made);
    EXPECT_EQ(CString(L"MS Sans Serif"), CString(made.lfFaceName)) << "not installed: left as given";
}

TEST(DockingPaint, Office2003SchemeTables)
{
    struct Case
    {
        LPCWSTR scheme;
        COLORREF inactiveLight, inactiveDark, splitterBack, color38, color47;
        bool luna;
    } cases[] = {
        {L"NormalColor", RGB(221, 236, 254), RGB(129, 169, 226), RGB(216, 231, 252), RGB(39, 65, 118), 0, true},
        {L"HomeStead", RGB(244, 247, 222), RGB(183, 198, 145), RGB(226, 231, 191), RGB(81, 94, 51), 0, true},
        {L"Metallic", RGB(249, 249, 255), RGB(156, 155, 183), RGB(223, 223, 234), RGB(84, 84, 117), 0, true},
        {nullptr, 0, 0, 0, 0, 0, false},
    };
    for (const Case& c : cases)
    {
        CForcedScheme scheme(c.scheme);
        COLORREF managed38 = XTPGetColorManager()->GetColor(38);
        auto paint = Theme(xtpPaneThemeOffice2003);
        auto* theme = dynamic_cast<CXTPDockingPaneOffice2003Theme*>(paint.get());
        EXPECT_EQ(c.luna, !!theme->m_bLunaTheme);
        if (c.luna)
        {
            EXPECT_EQ(c.inactiveLight, theme->m_clrNormalCaption.clrLight.GetColor()) << CStringA(c.scheme).GetString();
            EXPECT_EQ(c.inactiveDark, theme->m_clrNormalCaption.clrDark.GetColor());
            EXPECT_EQ(c.splitterBack, theme->m_clrSplitterBackground.GetColor());
            EXPECT_EQ(c.color38, paint->GetIndexedColor(38));
            EXPECT_EQ(c.color47, paint->GetIndexedColor(47));
            EXPECT_EQ(RGB(254, 128, 62), paint->GetIndexedColor(33));
            EXPECT_EQ(managed38, theme->m_clrSplitter.GetColor()) << "colour 38 from before the scheme's table";
            EXPECT_EQ(RGB(255, 213, 140), theme->m_clrActiveCaption.clrLight.GetColor());
        }
        else
        {
            COLORREF face = XTPGetColorManager()->GetColor(15);
            EXPECT_EQ(CXTPColorManager::MixColorsByWeight(face, XTPGetColorManager()->GetColor(5), 205),
                      theme->m_clrNormalCaption.clrLight.GetColor());
            EXPECT_EQ(face, theme->m_clrNormalCaption.clrDark.GetColor());
            EXPECT_EQ(face, theme->m_clrSplitterBackground.GetColor());
            EXPECT_EQ(XTPGetColorManager()->GetColor(36), theme->m_clrActiveCaption.clrLight.GetColor());
        }
    }

    // The scheme mode can force a scheme whatever the system shows.
    auto paint = Theme(xtpPaneThemeOffice2003);
    paint->m_nSchemeMode = xtpSystemThemeOlive;
    paint->RefreshMetrics();
    EXPECT_EQ(RGB(226, 231, 191), paint->m_clrSplitterBackground.GetColor());
}

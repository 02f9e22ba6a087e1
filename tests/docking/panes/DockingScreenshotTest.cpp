// A sheet per docking theme of what draws without pane nodes: captions
// active and inactive (horizontal and vertical), every caption glyph
// normal, hot and pressed, the pin both ways, pane and auto-hide tab
// strips, a floating frame and the splitter.
#include <gtest/gtest.h>
#include <memory>
#include "toolkit/common/colors/XTPSystemThemeSource.h"
#include "../tabs/ForcedScheme.h"
#include "../tabs/TabCanvas.h"
#include "../tabs/TabTestHost.h"
#include "toolkit/docking/themes/XTPDockingPaneThemes.h"
#include "toolkit/tabs/XTPTabPaintManager.h"
#include "resources/ToolkitDockingIds.h"

namespace {

const int kIds[] = {XTP_IDS_DOCKINGPANE_CLOSE, XTP_IDS_DOCKINGPANE_AUTOHIDE, XTP_IDS_DOCKINGPANE_MAXIMIZE,
                    XTP_IDS_DOCKINGPANE_RESTORE, XTP_IDS_DOCKINGPANE_MENU};

void Label(CDC* dc, int x, int y, LPCWSTR text)
{
    dc->SetTextColor(RGB(0, 0, 0));
    dc->SetBkMode(TRANSPARENT);
    dc->TextOut(x, y, text, lstrlenW(text));
}

void DrawStrip(CDC* dc, CXTPTabPaintManager* paint, CRect rc, bool panel)
{
    CTabTestHost host(paint);
    for (LPCWSTR caption : {L"Verfügbare Tickets", L"Spiele", L"Statistik"})
        host.AddItem(-1)->SetCaption(caption);
    host.m_rcLayout = rc;
    host.SetCurSel(panel ? 1 : 0);
    host.m_pHighlighted = host.GetItem(2);
    host.Reposition();
    paint->DrawTabControl(&host, dc, rc);
}

// A scheme (1 blue) forces the paint manager's scheme and the colour manager's.
void DrawSheet(int theme, LPCWSTR name, LPCWSTR scheme = nullptr)
{
    std::unique_ptr<CForcedScheme> forced(scheme ? new CForcedScheme(scheme) : nullptr);
    CXTPDockingPanePaintManager* paint = XTPCreateDockingPaneTheme(theme);
    if (scheme)
    {
        paint->m_nSchemeMode = xtpSystemThemeAuto;
        paint->RefreshMetrics();
    }
    CTabCanvas canvas(760, 470, RGB(255, 255, 255));
    CDC* dc = canvas.DC();

    CXTPDockingPaneCaptionButton close(XTP_IDS_DOCKINGPANE_CLOSE, nullptr),
        pin(XTP_IDS_DOCKINGPANE_AUTOHIDE, nullptr), menu(XTP_IDS_DOCKINGPANE_MENU, nullptr);
    CXTPDockingPaneCaptionButtons buttons;
    buttons.Add(&close);
    buttons.Add(&pin);
    buttons.Add(&menu);
    int h = paint->GetCaptionHeight() + paint->m_rcCaptionMargin.top + paint->m_rcCaptionMargin.bottom + 3;

    // Captions: active, inactive, and a vertical one of each.
    Label(dc, 10, 4, L"Titel aktiv / inaktiv");
    paint->DrawCaptionBar(dc, CRect(10, 22, 330, 22 + h), L"Verfügbare Tickets", &buttons, TRUE, FALSE);
    paint->DrawCaptionBar(dc, CRect(10, 30 + h, 330, 30 + 2 * h), L"Verfügbare Tickets", &buttons, FALSE, FALSE);
    paint->DrawCaptionBar(dc, CRect(340, 22, 340 + h, 230), L"Spiele", &buttons, TRUE, TRUE);
    paint->DrawCaptionBar(dc, CRect(350 + h, 22, 350 + 2 * h, 230), L"Spiele", &buttons, FALSE, TRUE);

    // Glyphs: a row per id, normal, hot, pressed; the pin also pinned.
    Label(dc, 10, 40 + 2 * h, L"Knöpfe");
    for (int row = 0; row < 6; row++)
    {
        CXTPDockingPaneCaptionButton button(kIds[row < 5 ? row : 1], nullptr);
        if (row == 5)
            button.SetState(xtpPaneCaptionButtonPinned);
        for (int state = 0; state < 3; state++)
        {
            int x = 10 + state * 26, y = 58 + 2 * h + row * 22;
            button.SetHot(state >= 1);
            button.SetPressed(state == 2);
            button.SetRect(CRect(x, y, x + 18, y + 18));
            dc->FillSolidRect(x - 2, y - 2, 22, 22, paint->GetIndexedColor(15));
            paint->DrawCaptionButton(dc, &button, paint->GetIndexedColor(18));
        }
    }

    // Tab strips: pane tabs (bottom) and auto-hide tabs (left).
    Label(dc, 110, 40 + 2 * h, L"Reiter / Auto-Ausblenden");
    DrawStrip(dc, paint->GetTabPaintManager(), CRect(110, 58 + 2 * h, 330, 58 + 2 * h + 90), false);
    CXTPTabPaintManager* panel = paint->GetPanelPaintManager();
    int oldPosition = panel->GetPosition();
    panel->m_nPosition = xtpTabPositionLeft;
    DrawStrip(dc, panel, CRect(110, 160 + 2 * h, 330, 300 + 2 * h), true);
    panel->m_nPosition = oldPosition;

    // A floating frame, active, and splitters of both directions.
    Label(dc, 440, 236, L"Schwebendes Fenster / Teiler");
    paint->DrawFloatingFrameRect(dc, CRect(440, 254, 740, 420), L"Verfügbare Tickets", &buttons, TRUE);
    CRect frame(440, 430, 740, 460);
    paint->DrawSplitterRect(dc, CRect(440, 430, 590, 434), TRUE, frame);
    paint->DrawSplitterRect(dc, CRect(590, 430, 740, 434), TRUE, frame);
    paint->DrawSplitterRect(dc, CRect(600, 20, 604, 220), FALSE, CRect(440, 20, 740, 220));
    EXPECT_FALSE(canvas.Save(std::wstring(L"docking_theme_") + name + L".png").empty());
    bool office2003 = dynamic_cast<XTPDockingPanePaintThemes::CXTPDockingPaneOffice2003Theme*>(paint) != nullptr;
    EXPECT_EQ(paint->GetIndexedColor(office2003 ? 43 : 15), canvas.Pixel(440, 337)) << name << ": frame border";
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(590, 400)) << name << ": the frame leaves its client";
    paint->InternalRelease();
}

} // namespace

TEST(DockingScreenshot, EveryThemeWithoutPaneNodes)
{
    static const LPCWSTR names[] = {L"0_default", L"1_office", L"2_office2003", L"3_nativexp", L"4_grippered",
                                    L"5_visio", L"6_whidbey", L"7_shortcutbar2003", L"8_explorer",
                                    L"9_visualstudio2005"};
    for (int theme = 0; theme < 10; theme++)
        DrawSheet(theme, names[theme]);
    for (int theme : {xtpPaneThemeOffice2003, xtpPaneThemeWhidbey, xtpPaneThemeShortcutBar2003,
                      xtpPaneThemeVisualStudio2005})
    {
        DrawSheet(theme, (std::wstring(names[theme]) + L"_blau").c_str(), L"NormalColor");
        DrawSheet(theme, (std::wstring(names[theme]) + L"_oliv").c_str(), L"HomeStead");
        DrawSheet(theme, (std::wstring(names[theme]) + L"_silber").c_str(), L"Metallic");
    }
}

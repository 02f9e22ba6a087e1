// The docking paint manager's parts read back by pixel: captions running
// down the left side, splitters and floating frames drawn from their own
// nodes, every theme's active and inactive caption colours, and the Office
// 2003 caption buttons' hot and pressed fills.
#include <gtest/gtest.h>
#include <cstdlib>
#include <functional>
#include <memory>
#include "../tabs/TabCanvas.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPaneThemes.h"
#include "resources/ToolkitDockingIds.h"

using namespace XTPDockingPanePaintThemes;

namespace {

std::unique_ptr<CXTPDockingPanePaintManager, void (*)(CXTPDockingPanePaintManager*)> Theme(int number)
{
    return {XTPCreateDockingPaneTheme(number), [](CXTPDockingPanePaintManager* p) { p->InternalRelease(); }};
}

// Gradients may round a step differently at their ends.
bool Near(COLORREF a, COLORREF b, int tolerance = 6)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string Hex(COLORREF c)
{
    char text[16];
    snprintf(text, sizeof(text), "%06lx", static_cast<unsigned long>(c));
    return text;
}

struct Docking
{
    CXTPDockingPaneManager manager;
    Docking() { manager.AttachSite(nullptr); }
};

} // namespace

TEST(DockingPaintParts, CaptionsRunDownTheLeftSideByTheCaptionDirection)
{
    struct Case
    {
        const char* what;
        int mode;
        int side;     // where the pane is docked
        CRect window; // the container's rectangle
        bool vertical;
    } cases[] = {
        {"mode 0", 0, xtpPaneDockBottom, {0, 0, 300, 100}, false},
        {"mode 1, wider than tall", 1, xtpPaneDockLeft, {0, 0, 300, 100}, true},
        {"mode 1, taller than wide", 1, xtpPaneDockLeft, {0, 0, 100, 300}, false},
        {"mode 2, docked at the bottom", 2, xtpPaneDockBottom, {0, 0, 100, 300}, true},
        {"mode 2, docked at the left", 2, xtpPaneDockLeft, {0, 0, 300, 100}, false},
        {"mode 3", 3, xtpPaneDockLeft, {0, 0, 100, 300}, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Docking d;
        d.manager.m_nCaptionDirection = c.mode;
        CXTPDockingPane* pane = d.manager.CreatePane(1, CRect(0, 0, 100, 100), c.side);
        pane->SetTitle(L"");
        auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(pane->GetContainer());
        container->m_rcWindow = c.window;
        ASSERT_EQ(c.vertical, !!container->IsCaptionVertical());

        auto paint = Theme(xtpPaneThemeDefault);
        const int caption = paint->GetCaptionHeight() + paint->m_rcCaptionMargin.top + paint->m_rcCaptionMargin.bottom;
        CRect client(0, 0, 200, 150);
        paint->AdjustClientRect(container, client, FALSE);
        EXPECT_EQ(c.vertical ? CRect(caption, 0, 200, 150) : CRect(0, caption, 200, 150), client);

        // The inactive caption band (colour 3) lies along the left or the top
        // (its buttons at the far end).
        CTabCanvas canvas(200, 150, RGB(0, 255, 0));
        paint->DrawPane(canvas.DC(), container, CRect(0, 0, 200, 150));
        const COLORREF band = paint->GetIndexedColor(3), face = paint->GetIndexedColor(15);
        EXPECT_EQ(Hex(c.vertical ? band : face), Hex(canvas.Pixel(caption / 2, 60))) << "down the left";
        EXPECT_EQ(Hex(c.vertical ? face : band), Hex(canvas.Pixel(100, caption / 2))) << "along the top";
    }
}

TEST(DockingPaintParts, SplittersAndFloatingFramesAreDrawnFromTheirNodes)
{
    CWinApp app(L"DockingPaintPartsApp");
    auto* frame = new CFrameWnd;
    frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(20, 20, 620, 420));
    CXTPDockingPaneManager manager;
    ASSERT_TRUE(manager.InstallDockingPanes(frame));
    manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    frame->RecalcLayout();
    CXTPDockingPaneSplitterContainer* top = manager.GetLayout()->GetTopContainer();
    ASSERT_EQ(1u, top->m_lstSpliters.size());
    CXTPDockingPaneSplitterWnd* bar = top->m_lstSpliters[0];
    ASSERT_TRUE(bar->IsHoriz()) << "between the pane and the client, side by side";

    // A 3D bar between neighbours side by side: light at its left edge,
    // dark at its right, whatever it is asked to draw on.
    manager.GetPaintManager()->m_nSplitterStyle = xtpPaneSplitter3D;
    CRect rcBar;
    bar->GetClientRect(rcBar);
    CTabCanvas canvas(200, 200, RGB(0, 255, 0));
    manager.GetPaintManager()->DrawSplitter(canvas.DC(), bar);
    CXTPDockingPanePaintManager* paint = manager.GetPaintManager();
    EXPECT_EQ(Hex(paint->GetIndexedColor(20)), Hex(canvas.Pixel(0, rcBar.Height() / 2)));
    EXPECT_EQ(Hex(paint->GetIndexedColor(18)), Hex(canvas.Pixel(rcBar.Width() - 1, rcBar.Height() / 2)));

    // A floating frame: the classic raised border, then the caption band.
    CXTPDockingPane* floating = manager.CreatePane(2, CRect(0, 0, 120, 90), xtpPaneDockBottom);
    manager.FloatPane(floating, CRect(300, 200, 500, 400));
    CXTPDockingPaneMiniWnd* mini = nullptr;
    for (CXTPDockingPaneBase* node : manager.GetLayout()->m_arrNodes)
        if (node->GetType() == xtpPaneTypeMiniWnd)
            mini = static_cast<CXTPDockingPaneMiniWnd*>(node);
    ASSERT_NE(nullptr, mini);
    CTabCanvas frameCanvas(200, 150, RGB(0, 255, 0));
    paint->DrawFloatingFrame(frameCanvas.DC(), mini, CRect(0, 0, 200, 150));
    EXPECT_EQ(Hex(paint->GetIndexedColor(15)), Hex(frameCanvas.Pixel(100, 0)));
    EXPECT_EQ(Hex(RGB(0, 0, 0)), Hex(frameCanvas.Pixel(100, 149)));
    EXPECT_EQ(Hex(paint->GetIndexedColor(20)), Hex(frameCanvas.Pixel(1, 75)));
    EXPECT_EQ(Hex(paint->GetIndexedColor(16)), Hex(frameCanvas.Pixel(198, 75)));
    EXPECT_EQ(Hex(RGB(0, 255, 0)), Hex(frameCanvas.Pixel(100, 100))) << "the frame draws no client";

    // The base paint manager draws no frame.
    CXTPDockingPanePaintManager base;
    CTabCanvas baseCanvas(50, 50, RGB(0, 255, 0));
    base.DrawFloatingFrame(baseCanvas.DC(), mini, CRect(0, 0, 50, 50));
    EXPECT_EQ(Hex(RGB(0, 255, 0)), Hex(baseCanvas.Pixel(0, 0)));
    frame->DestroyWindow();
}

TEST(DockingPaintParts, ActiveAndInactiveCaptionColoursOfEveryTheme)
{
    // A probe: a point of the 200 x (caption) band and the colour it shows.
    struct Probe
    {
        int x;
        int y; // -1: the middle of the band, -2: its last row but one
        std::function<COLORREF(CXTPDockingPanePaintManager*)> colour;
    };
    auto indexed = [](int n) { return [n](CXTPDockingPanePaintManager* p) { return p->GetIndexedColor(n); }; };
    auto system = [](int n) { return [n](CXTPDockingPanePaintManager*) { return ::GetSysColor(n); }; };
    auto mix = [](int a, int b, int weight) {
        return [=](CXTPDockingPanePaintManager* p) {
            return CXTPColorManager::MixColorsByWeight(p->GetIndexedColor(a), p->GetIndexedColor(b), weight);
        };
    };
    struct Case
    {
        int theme;
        std::vector<Probe> active, inactive;
    } cases[] = {
        {xtpPaneThemeDefault, {{100, -1, indexed(2)}}, {{100, -1, indexed(3)}}},
        // No fill: the band's face above the gripper bars.
        {xtpPaneThemeGrippered, {{100, 1, indexed(15)}}, {{100, 1, indexed(15)}}},
        {xtpPaneThemeExplorer, {{100, 1, indexed(15)}}, {{100, 1, indexed(15)}}},
        {xtpPaneThemeOffice, {{100, -1, indexed(2)}}, {{100, 2, indexed(52)}, {100, -1, indexed(15)}}},
        {xtpPaneThemeVisio, {{100, -1, indexed(2)}}, {{100, 2, indexed(52)}, {100, -1, indexed(15)}}},
        {xtpPaneThemeNativeWinXP,
         {{0, -1, indexed(2)}, {199, -1, indexed(27)}},
         {{0, -1, indexed(3)}, {199, -1, system(COLOR_GRADIENTINACTIVECAPTION)}}},
        {xtpPaneThemeWhidbey,
         {{0, -1, indexed(2)}, {199, -1, indexed(27)}},
         {{0, -1, indexed(3)}, {199, -1, system(COLOR_GRADIENTINACTIVECAPTION)}}},
        {xtpPaneThemeVisualStudio2005, {{100, -1, indexed(2)}}, {{100, -1, indexed(3)}}},
        {xtpPaneThemeOffice2003, {{100, -1, indexed(36)}}, {{100, 0, mix(15, 5, 205)}, {100, -2, indexed(15)}}},
        {xtpPaneThemeShortcutBar2003, {{100, -1, indexed(36)}}, {{100, 1, mix(16, 5, 205)}, {100, -2, indexed(16)}}},
    };
    for (const Case& c : cases)
    {
        auto paint = Theme(c.theme);
        ASSERT_EQ(0, paint->GetCurrentScheme()) << "the plain colours, without a scheme's palette";
        const int height = paint->GetCaptionHeight() + paint->m_rcCaptionMargin.top + paint->m_rcCaptionMargin.bottom;
        CXTPDockingPaneCaptionButtons none;
        for (BOOL active : {TRUE, FALSE})
        {
            CTabCanvas canvas(200, height, RGB(0, 255, 0));
            paint->DrawCaptionBar(canvas.DC(), CRect(0, 0, 200, height), CString(), &none, active, FALSE);
            for (const Probe& probe : active ? c.active : c.inactive)
            {
                int y = probe.y == -1 ? height / 2 : probe.y == -2 ? height - 2 : probe.y;
                COLORREF expected = probe.colour(paint.get()), seen = canvas.Pixel(probe.x, y);
                EXPECT_TRUE(Near(expected, seen)) << "theme " << c.theme << (active ? " active" : " inactive")
                                                  << " at " << probe.x << "," << y << ": " << Hex(seen)
                                                  << " instead of " << Hex(expected);
            }
        }
    }
}

TEST(DockingPaintParts, Office2003CaptionButtonFills)
{
    struct Case
    {
        BOOL scheme;
        BOOL hot, pressed;
        COLORREF top, bottom; // fill just inside the frame; -1: nothing drawn
        int frameIndex;
        COLORREF glyph;      // -1: the glyph colour handed in
        int glyphIndex;
    } cases[] = {
        {FALSE, FALSE, FALSE, COLORREF(-1), COLORREF(-1), 0, COLORREF(-1), 0},
        {FALSE, TRUE, FALSE, 31, 31, 32, 0, 45},
        {FALSE, TRUE, TRUE, 33, 33, 32, 0, 47},
        {FALSE, FALSE, TRUE, 33, 33, 32, 0, 47},
        {TRUE, TRUE, FALSE, RGB(255, 242, 200), RGB(255, 212, 151), 32, RGB(0, 0, 0), -1},
        {TRUE, TRUE, TRUE, RGB(254, 142, 75), RGB(255, 207, 139), 32, RGB(0, 0, 0), -1},
    };
    auto paint = Theme(xtpPaneThemeOffice2003);
    auto* theme = dynamic_cast<CXTPDockingPaneOffice2003Theme*>(paint.get());
    ASSERT_NE(nullptr, theme);
    const COLORREF handedIn = RGB(1, 2, 3);
    for (const Case& c : cases)
    {
        std::string what = std::string(c.scheme ? "scheme" : "plain") + (c.hot ? " hot" : "") + (c.pressed ? " pressed" : "");
        theme->m_bLunaTheme = c.scheme;
        CXTPDockingPaneCaptionButton button(XTP_IDS_DOCKINGPANE_CLOSE, nullptr);
        button.SetRect(CRect(10, 10, 26, 26));
        button.SetHot(c.hot);
        button.SetPressed(c.pressed);
        CTabCanvas canvas(40, 40, RGB(0, 255, 0));
        COLORREF glyph = theme->FillCaptionButton(canvas.DC(), &button, handedIn);
        if (c.top == COLORREF(-1))
        {
            EXPECT_EQ(handedIn, glyph) << what;
            EXPECT_EQ(Hex(RGB(0, 255, 0)), Hex(canvas.Pixel(18, 18))) << what << ": not filled";
            continue;
        }
        auto colour = [&](COLORREF value) { return c.scheme ? value : paint->GetIndexedColor(value); };
        EXPECT_TRUE(Near(colour(c.top), canvas.Pixel(18, 11), 12)) << what << ": " << Hex(canvas.Pixel(18, 11));
        EXPECT_TRUE(Near(colour(c.bottom), canvas.Pixel(18, 24), 12)) << what << ": " << Hex(canvas.Pixel(18, 24));
        EXPECT_EQ(Hex(paint->GetIndexedColor(c.frameIndex)), Hex(canvas.Pixel(10, 18))) << what << ": frame";
        EXPECT_EQ(Hex(c.glyphIndex >= 0 ? paint->GetIndexedColor(c.glyphIndex) : c.glyph), Hex(glyph)) << what;
    }
}

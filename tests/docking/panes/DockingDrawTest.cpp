// Docking drawing read back from pixels: splitter styles, gradients that
// join across neighbouring splitters, the grippered caption's bars, and the
// pin turned between its two states.
#include <gtest/gtest.h>
#include "../tabs/TabCanvas.h"
#include "toolkit/docking/themes/XTPDockingPaneThemes.h"
#include "resources/ToolkitDockingIds.h"

namespace {

// The bounding box of the pixels that differ from the background.
CRect Painted(CTabCanvas& canvas, CRect area, COLORREF background)
{
    CRect box(area.right, area.bottom, area.left, area.top);
    for (int y = area.top; y < area.bottom; y++)
        for (int x = area.left; x < area.right; x++)
            if (canvas.Pixel(x, y) != background)
                box.SetRect(std::min(box.left, static_cast<LONG>(x)), std::min(box.top, static_cast<LONG>(y)),
                            std::max(box.right, static_cast<LONG>(x + 1)),
                            std::max(box.bottom, static_cast<LONG>(y + 1)));
    return box;
}

struct Theme
{
    CXTPDockingPanePaintManager* p;
    explicit Theme(int n) : p(XTPCreateDockingPaneTheme(n)) {}
    ~Theme() { p->InternalRelease(); }
    CXTPDockingPanePaintManager* operator->() { return p; }
};

} // namespace

TEST(DockingDraw, SplitterStylesByBits)
{
    Theme paint(xtpPaneThemeDefault);
    paint->m_clrSplitterBackground.SetCustomValue(RGB(1, 2, 3));
    CTabCanvas canvas(100, 40, RGB(0, 255, 0));
    CRect rc(0, 0, 100, 8);

    paint->m_nSplitterStyle = xtpPaneSplitter3D;
    paint->DrawSplitterRect(canvas.DC(), rc, TRUE, rc);
    EXPECT_EQ(paint->GetIndexedColor(20), canvas.Pixel(50, 0));
    EXPECT_EQ(paint->GetIndexedColor(52), canvas.Pixel(50, 6));
    EXPECT_EQ(paint->GetIndexedColor(18), canvas.Pixel(50, 7));
    EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(50, 3));

    paint->m_nSplitterStyle = xtpPaneSplitterSoft3D;
    paint->m_nSplitterSize = 8;
    paint->DrawSplitterRect(canvas.DC(), rc, TRUE, rc);
    EXPECT_EQ(paint->GetIndexedColor(21), canvas.Pixel(50, 0));
    EXPECT_EQ(paint->GetIndexedColor(5), canvas.Pixel(50, 2)) << "the first half in the window colour";
    EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(50, 5));
    EXPECT_EQ(paint->GetIndexedColor(21), canvas.Pixel(50, 7));

    paint->m_nSplitterStyle = xtpPaneSplitterFlat | xtpPaneSplitterCross;
    paint->m_clrSplitter.SetCustomValue(RGB(9, 9, 9));
    CRect tall(0, 10, 100, 30);
    paint->DrawSplitterRect(canvas.DC(), tall, TRUE, tall);
    EXPECT_EQ(RGB(9, 9, 9), canvas.Pixel(50, 20));
    EXPECT_EQ(RGB(9, 9, 9), canvas.Pixel(45, 20));
    EXPECT_EQ(RGB(1, 2, 3), canvas.Pixel(44, 20)) << "11 pixels long";
}

TEST(DockingDraw, GradientSplittersJoinIntoOne)
{
    Theme paint(xtpPaneThemeWhidbey);
    paint->m_clrSplitterGradient.clrLight.SetCustomValue(RGB(0, 0, 0));
    paint->m_clrSplitterGradient.clrDark.SetCustomValue(RGB(200, 200, 200));
    CTabCanvas canvas(200, 10, RGB(0, 255, 0));
    CRect frame(0, 0, 200, 10);
    paint->DrawSplitterRect(canvas.DC(), CRect(0, 0, 100, 4), TRUE, frame);
    paint->DrawSplitterRect(canvas.DC(), CRect(100, 0, 200, 4), TRUE, frame);
    int before = GetRValue(canvas.Pixel(99, 2)), after = GetRValue(canvas.Pixel(100, 2));
    EXPECT_LE(abs(after - before), 6) << "no step where the two meet";
    EXPECT_LT(GetRValue(canvas.Pixel(0, 2)), 10);
    EXPECT_GT(GetRValue(canvas.Pixel(199, 2)), 185);
}

TEST(DockingDraw, GripperedBarsFollowTheTitleUnlessItFillsTheCaption)
{
    Theme paint(xtpPaneThemeGrippered);
    auto* theme = static_cast<XTPDockingPanePaintThemes::CXTPDockingPaneGripperedTheme*>(paint.p);
    COLORREF background = RGB(0, 255, 0);
    CTabCanvas canvas(300, 60, background);
    theme->DrawCaptionPart(canvas.DC(), nullptr, CRect(0, 0, 300, 20), L"Tickets", TRUE, FALSE);
    EXPECT_EQ(paint->GetIndexedColor(20), canvas.Pixel(250, 10 - 3)) << "upper bar";
    EXPECT_EQ(paint->GetIndexedColor(16), canvas.Pixel(250, 10 + 3)) << "lower bar";

    const CString longTitle(L"Verfügbare Tickets der Weltmeisterschaft in Deutschland");
    theme->DrawCaptionPart(canvas.DC(), nullptr, CRect(0, 30, 60, 50), longTitle, TRUE, FALSE);
    EXPECT_EQ(background, canvas.Pixel(58, 40 - 3)) << "no bars when the title fills the caption";
}

TEST(DockingDraw, PinTurnsBetweenItsStates)
{
    Theme paint(xtpPaneThemeDefault);
    COLORREF background = RGB(255, 255, 255);
    CRect boxes[2];
    for (int pinned = 0; pinned < 2; pinned++)
    {
        CTabCanvas canvas(40, 40, background);
        CXTPDockingPaneCaptionButton pin(XTP_IDS_DOCKINGPANE_AUTOHIDE, nullptr);
        pin.SetState(pinned ? xtpPaneCaptionButtonPinned : 0);
        paint->DrawCaptionButtonGlyph(canvas.DC(), &pin, CPoint(20, 20), RGB(0, 0, 0));
        boxes[pinned] = Painted(canvas, CRect(0, 0, 40, 40), background);
    }
    EXPECT_GT(boxes[0].Width(), boxes[0].Height()) << "lying";
    EXPECT_GT(boxes[1].Height(), boxes[1].Width()) << "standing";
}

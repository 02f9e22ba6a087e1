// The skin look: skins found under their resource names (a failed load tried
// again), drawn in nine pieces, cells chosen by state, transparent corners;
// without skins the gradient look's rules with the look's fixed colours.
#include <gtest/gtest.h>
#include "../CommandBarsTestSupport.h"
#include "ThemeTestSupport.h"
#include "support/ImportPatch.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPOffice2007Theme.h"

namespace {

const COLORREF kBackground = RGB(0, 0, 255);
// Fills of the test skins' cells: hot, pressed, checked, checked and hot.
const COLORREF kCellFill[4] = {RGB(255, 231, 162), RGB(251, 184, 100), RGB(255, 213, 140), RGB(252, 199, 120)};
const COLORREF kCorner = RGB(255, 0, 0), kEdge = RGB(0, 255, 0), kCentre = RGB(0, 0, 128);

// A 12-pixel-wide source of 4-pixel blocks: corners, edges, centre; `height` rows.
HBITMAP MakeNinePatch(int height)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 12, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    DWORD* p = static_cast<DWORD*>(pBits);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < 12; x++) {
            int edges = (x < 4 || x >= 8) + (y < 4 || y >= height - 4);
            COLORREF clr = edges == 2 ? kCorner : edges == 1 ? kEdge : kCentre;
            p[y * 12 + x] = (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr);
        }
    }
    return hBitmap;
}

class Office2007Theme : public testing::Test
{
protected:
    void SetUp() override
    {
        CSchemeScope none(0);
        m_theme.RefreshMetrics();
    }

    CXTPOffice2007Theme m_theme;
};

} // namespace

TEST_F(Office2007Theme, SkinsAreFoundUnderTheirResourceNames)
{
    CXTPOffice2007Images* pImages = m_theme.GetImages();
    CXTPOffice2007Image* pButtons = pImages->GetImage(L"OFFICE2007\\TOOLBARBUTTONS22.BMP");
    ASSERT_NE(nullptr, pButtons) << "found as OFFICE2007_TOOLBARBUTTONS22_BMP";
    EXPECT_EQ(CSize(22, 88), pButtons->GetSize());
    EXPECT_EQ(pButtons, pImages->GetImage(L"OFFICE2007\\TOOLBARBUTTONS22.BMP")) << "kept after the first load";
    EXPECT_EQ(nullptr, pImages->GetImage(L"OFFICE2007\\TOOLBARBUTTONS50.BMP")) << "the test program has no large skin";
    EXPECT_EQ(nullptr, pImages->GetImage(L""));

    CXTPOffice2007Images none(nullptr);
    EXPECT_FALSE(none.IsLoaded());
    EXPECT_EQ(nullptr, none.GetImage(L"OFFICE2007\\TOOLBARBUTTONS22.BMP"));
}

namespace {

HRSRC WINAPI NoResource(HMODULE, LPCWSTR, LPCWSTR)
{
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HANDLE WINAPI NoImage(HINSTANCE, LPCWSTR, UINT, int, int, UINT)
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

} // namespace

TEST_F(Office2007Theme, ASkinThatFailedToLoadIsTriedAgain)
{
    CXTPOffice2007Images* pImages = m_theme.GetImages();
    {
        testpatch::CImportPatch noResource("kernel32.dll", "FindResourceW", reinterpret_cast<void*>(NoResource));
        testpatch::CImportPatch noImage("user32.dll", "LoadImageW", reinterpret_cast<void*>(NoImage));
        ASSERT_TRUE(noResource.IsActive() && noImage.IsActive());
        EXPECT_EQ(nullptr, pImages->GetImage(L"OFFICE2007\\TOOLBARBUTTONS22.BMP")) << "the load fails";
    }
    CXTPOffice2007Image* pButtons = pImages->GetImage(L"OFFICE2007\\TOOLBARBUTTONS22.BMP");
    ASSERT_NE(nullptr, pButtons) << "the failure was not remembered";
    EXPECT_EQ(CSize(22, 88), pButtons->GetSize());
}

TEST_F(Office2007Theme, NinePiecesKeepMarginsAndScaleThemDownWhenTooSmall)
{
    CXTPOffice2007Image image;
    image.SetBitmap(MakeNinePatch(12), FALSE);
    CTestCanvas canvas(60, 60, kBackground);
    image.DrawImage(canvas.DC(), CRect(10, 10, 50, 40), CRect(0, 0, 12, 12), CRect(4, 4, 4, 4));
    const struct
    {
        int x, y;
        COLORREF clr;
    } probes[] = {{10, 10}, {13, 13}, {14, 14}, {49, 39}, {46, 36}, {45, 35}, {30, 11}, {11, 25}, {30, 25}, {9, 9}};
    const COLORREF expected[] = {kCorner, kCorner, kCentre, kCorner, kCorner, kCentre, kEdge, kEdge, kCentre, kBackground};
    for (size_t i = 0; i < sizeof(expected) / sizeof(expected[0]); i++)
        EXPECT_EQ(expected[i], canvas.Pixel(probes[i].x, probes[i].y)) << probes[i].x << "," << probes[i].y;

    // Six pixels cannot hold two margins of four: three each, no middle.
    CTestCanvas small(20, 20, kBackground);
    image.DrawImage(small.DC(), CRect(2, 2, 8, 8), CRect(0, 0, 12, 12), CRect(4, 4, 4, 4));
    EXPECT_EQ(6 * 6, small.CountPixels(CRect(2, 2, 8, 8), kCorner));

    // A source lower than its two margins draws nothing.
    CXTPOffice2007Image low;
    low.SetBitmap(MakeNinePatch(7), FALSE);
    CTestCanvas none(30, 30, kBackground);
    low.DrawImage(none.DC(), CRect(0, 0, 30, 30), CRect(0, 0, 12, 7), CRect(4, 4, 4, 4));
    EXPECT_EQ(30 * 30, none.CountPixels(CRect(0, 0, 30, 30), kBackground));
}

TEST_F(Office2007Theme, ButtonCellsByStateAndTextColours)
{
    struct Row
    {
        BOOL enabled;
        int selected, pressed, checked;
        BOOL popuped;
        int cell;
    };
    const Row rows[] = {{TRUE, 1, 0, 0, FALSE, 0}, {TRUE, 0, 1, 0, FALSE, 0}, {TRUE, 1, 1, 0, FALSE, 1},
                        {TRUE, 0, 2, 0, FALSE, 1}, {TRUE, 0, 0, 0, TRUE, 2},  {TRUE, 0, 0, 1, FALSE, 2},
                        {TRUE, 1, 0, 1, FALSE, 3}, {TRUE, 0, 0, 0, FALSE, -1}, {FALSE, 1, 0, 1, FALSE, -1}};
    for (const Row& r : rows) {
        CTestCanvas canvas(40, 30, kBackground);
        m_theme.DrawStateRect(canvas.DC(), CRect(5, 3, 35, 25), r.enabled, r.selected, r.pressed, r.checked, r.popuped,
                              xtpBarTop);
        EXPECT_EQ(r.cell < 0 ? kBackground : kCellFill[r.cell], canvas.Pixel(20, 14)) << "cell " << r.cell;
        EXPECT_EQ(r.enabled ? 0x6E1500u : 0x8D8D8Du, canvas.DC()->GetTextColor());
    }
}

TEST_F(Office2007Theme, PopupButtonsLeaveTheirCornersTransparent)
{
    CTestSite site;
    ASSERT_TRUE(site.Create(CRect(0, 0, 200, 100)));
    CTestBar bar;
    ASSERT_TRUE(bar.Create(&site, CRect(0, 0, 200, 30)));
    bar.SetBarPosition(xtpBarTop);
    CXTPControl* pPopup = bar.GetControls()->Add(new CThemeTestControl(xtpControlPopup), 0);
    pPopup->SetRect(CRect(10, 3, 60, 25));
    pPopup->SetSelected(1);
    CTestCanvas canvas(70, 30, kBackground);
    m_theme.DrawControlState(canvas.DC(), pPopup);
    EXPECT_EQ(kBackground, canvas.Pixel(10, 3)) << "the magenta corner";
    EXPECT_EQ(kCellFill[0], canvas.Pixel(35, 14));
    bar.DestroyWindow();
    site.DestroyWindow();
}

TEST_F(Office2007Theme, WithoutSkinsTheGradientRulesWithFixedColours)
{
    m_theme.GetImages()->SetResourceModule(GetModuleHandleW(L"kernel32.dll"));
    CTestCanvas canvas(40, 30, kBackground);
    m_theme.DrawStateRect(canvas.DC(), CRect(5, 3, 35, 25), TRUE, 1, 0, 0, FALSE, xtpBarTop);
    EXPECT_EQ(m_theme.GetColor(32), canvas.Pixel(5, 3));
    EXPECT_EQ(m_theme.GetColor(31), canvas.Pixel(20, 14));

    CTestSite site;
    ASSERT_TRUE(site.Create(CRect(0, 0, 200, 100)));
    CXTPPopupBar popup;
    popup.SetBarPosition(xtpBarPopup);
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), L"Menu", WS_CHILD | WS_VISIBLE, 0, 0, 120, 60,
                               site.GetSafeHwnd(), nullptr));
    CTestCanvas menu(120, 60, kBackground);
    m_theme.FillCommandBarEntry(menu.DC(), &popup);
    int nColumn = m_theme.GetPopupBarIconColumnWidth(&popup);
    EXPECT_EQ(0x868686u, menu.Pixel(0, 0));
    EXPECT_EQ(0xFFFFFFu, menu.Pixel(1, 1)) << "white inner frame";
    EXPECT_EQ(0xEBEBEBu, menu.Pixel(5, 30)) << "icon column";
    EXPECT_EQ(0xE1E1E1u, menu.Pixel(nColumn + 1, 30));
    EXPECT_EQ(0xF5F5F5u, menu.Pixel(nColumn + 20, 30));
    popup.DestroyWindow();
    site.DestroyWindow();
}

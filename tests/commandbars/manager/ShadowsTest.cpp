// Drop shadows of popups: their rectangles, the alpha ramps they hand to the
// layered window, the system setting, following and leaving their owner.
#include <gtest/gtest.h>
#include <map>
#include "commandbars/CommandBarsTestSupport.h"
#include "support/Screenshot.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPShadowsManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

// What each layered shadow was last handed, by window.
std::map<HWND, testshot::Image> g_handed;

BOOL WINAPI RecordLayered(HWND hWnd, HDC, POINT*, SIZE* pSize, HDC hdcSrc, POINT*, COLORREF, BLENDFUNCTION* pBlend,
                          DWORD dwFlags)
{
    DIBSECTION dib = {};
    HGDIOBJ hBitmap = ::GetCurrentObject(hdcSrc, OBJ_BITMAP);
    if (dwFlags != ULW_ALPHA || pBlend->AlphaFormat != AC_SRC_ALPHA || pBlend->SourceConstantAlpha != 255 ||
        ::GetObjectW(hBitmap, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBitsPixel != 32)
        return FALSE;
    testshot::Image image;
    image.width = pSize->cx;
    image.height = pSize->cy;
    const unsigned char* pBits = static_cast<const unsigned char*>(dib.dsBm.bmBits);
    image.bgra.assign(pBits, pBits + static_cast<size_t>(pSize->cx) * static_cast<size_t>(pSize->cy) * 4);
    g_handed[hWnd] = image;
    return TRUE;
}

class Shadows : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 500, 400)));
        m_site.ShowWindow(SW_SHOWNA);
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(20, 30, 120, 90)));
        m_bar.SetCommandBars(&m_commandBars);
        m_commandBars.SetSite(&m_site);
        m_pSavedLayered = XTPShadowsManager()->m_pfnUpdateLayeredWindow;
        XTPShadowsManager()->m_pfnUpdateLayeredWindow = RecordLayered;
        g_handed.clear();
        ::SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &m_bSystemShadow, 0);
        m_bar.GetWindowRect(&m_rcBar);
    }
    void TearDown() override
    {
        XTPShadowsManager()->RemoveShadow(&m_bar);
        XTPShadowsManager()->m_pfnUpdateLayeredWindow = m_pSavedLayered;
        ::SystemParametersInfoW(SPI_SETDROPSHADOW, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(m_bSystemShadow)),
                                0);
        PaintManager()->m_nShadowOptions = 0;
        PaintManager()->m_bShowShadow = TRUE;
        m_bar.SetCommandBars(nullptr);
        if (m_bar.GetSafeHwnd())
            m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    CXTPPaintManager* PaintManager() const { return m_bar.GetPaintManager(); }
    std::vector<CRect> ShadowRects() const
    {
        std::vector<CRect> rects;
        const CXTPShadowsManager::CShadowList& shadows = XTPShadowsManager()->GetShadows();
        for (INT_PTR i = 0; i < shadows.GetSize(); i++) {
            CRect rc;
            shadows[i]->GetWindowRect(&rc);
            rects.push_back(rc);
        }
        return rects;
    }

    CTestSite m_site;
    CXTPCommandBars m_commandBars;
    CTestBar m_bar;
    CRect m_rcBar;
    PFNXTPUPDATELAYEREDWINDOW m_pSavedLayered = nullptr;
    BOOL m_bSystemShadow = FALSE;
};

} // namespace

TEST_F(Shadows, BelowThenRightAtFourPixelsWithAlphaAndTwoWithout)
{
    PaintManager()->m_nShadowOptions = 1;
    const struct
    {
        BOOL alpha;
        int thickness;
    } kinds[] = {{TRUE, 4}, {FALSE, 2}};
    for (const auto& kind : kinds) {
        XTPShadowsManager()->m_pfnUpdateLayeredWindow = kind.alpha ? RecordLayered : nullptr;
        XTPShadowsManager()->SetShadow(&m_bar);
        const int t = kind.thickness;
        EXPECT_EQ(std::vector<CRect>({CRect(m_rcBar.left + t, m_rcBar.bottom, m_rcBar.right + t, m_rcBar.bottom + t),
                                      CRect(m_rcBar.right, m_rcBar.top + t, m_rcBar.right + t, m_rcBar.bottom)}),
                  ShadowRects())
            << "alpha " << kind.alpha;
        const CXTPShadowsManager::CShadowList& shadows = XTPShadowsManager()->GetShadows();
        for (INT_PTR i = 0; i < shadows.GetSize(); i++)
            EXPECT_EQ(kind.alpha, (shadows[i]->GetExStyle() & WS_EX_LAYERED) != 0);
        XTPShadowsManager()->RemoveShadow(&m_bar);
        EXPECT_TRUE(ShadowRects().empty());
    }
}

TEST_F(Shadows, AlphaAndFactorRampsInTheHandedDib)
{
    PaintManager()->m_clrShadowColor = RGB(200, 100, 40);
    // Pixel rows: x, y counted in the shadow window; below = the bottom one.
    const struct
    {
        BOOL below;
        int options;
        int x, y;
        int alpha, r, g, b;
    } pixels[] = {
        {TRUE, 1, 50, 3, 15, 50, 25, 10},     // outer edge, light ramp: factor 1/4
        {TRUE, 1, 50, 0, 60, 200, 100, 40},   // next to the owner: factor 1
        {TRUE, 3, 50, 2, 30, 100, 50, 20},    // k = 2 (clipping keeps the light ramp)
        {TRUE, 1, 0, 3, 3, 10, 5, 2},         // outer corner: i = j = 1, factor 1/20
        {TRUE, 1, 2, 2, 18, 60, 30, 12},      // i = 3, j = 2
        {TRUE, 1, 99, 3, 3, 10, 5, 2},        // the far end has a corner too
        {FALSE, 1, 3, 0, 3, 10, 5, 2},        // the right shadow's corner is at the top
        {FALSE, 1, 0, 55, 60, 200, 100, 40},  // and none at its bottom
    };
    for (const auto& px : pixels) {
        PaintManager()->m_nShadowOptions = px.options;
        g_handed.clear();
        XTPShadowsManager()->SetShadow(&m_bar);
        const CXTPShadowsManager::CShadowList& shadows = XTPShadowsManager()->GetShadows();
        ASSERT_EQ(2, shadows.GetSize());
        HWND hShadow = shadows[px.below ? 0 : 1]->GetSafeHwnd();
        ASSERT_TRUE(g_handed.count(hShadow));
        const testshot::Image& image = g_handed[hShadow];
        size_t offset = (static_cast<size_t>(px.y) * static_cast<size_t>(image.width) + static_cast<size_t>(px.x)) * 4;
        ASSERT_LT(offset + 3, image.bgra.size());
        EXPECT_EQ(px.alpha, image.bgra[offset + 3]) << px.x << "," << px.y;
        EXPECT_EQ(px.r, image.bgra[offset + 2]) << px.x << "," << px.y;
        EXPECT_EQ(px.g, image.bgra[offset + 1]);
        EXPECT_EQ(px.b, image.bgra[offset]);
        XTPShadowsManager()->RemoveShadow(&m_bar);
    }
}

TEST_F(Shadows, NormalRampDoublesTheAlphaAndIsPictured)
{
    std::vector<DWORD> arrPixels;
    CXTPShadowsManager::CShadowWnd::FillAlphaPixels(arrPixels, CSize(40, 4), TRUE, FALSE, RGB(0, 0, 0));
    EXPECT_EQ(120u, arrPixels[20] >> 24) << "next to the owner: 15 * 2 * 4";
    EXPECT_EQ(30u, arrPixels[3 * 40 + 20] >> 24) << "outer edge";
    EXPECT_EQ(6u, arrPixels[3 * 40] >> 24) << "outer corner";

    // Enlarged picture of a below and a right shadow over white.
    std::vector<DWORD> arrRight;
    CXTPShadowsManager::CShadowWnd::FillAlphaPixels(arrRight, CSize(4, 20), FALSE, FALSE, RGB(0, 0, 0));
    const int kScale = 8;
    testshot::Image picture;
    picture.width = 44 * kScale;
    picture.height = 28 * kScale;
    picture.bgra.assign(static_cast<size_t>(picture.width * picture.height) * 4, 255);
    auto blend = [&](int x, int y, DWORD pixel) {
        int alpha = static_cast<int>(pixel >> 24);
        for (int dy = 0; dy < kScale; dy++)
            for (int dx = 0; dx < kScale; dx++) {
                unsigned char* p = &picture.bgra[(static_cast<size_t>((y * kScale + dy) * picture.width + x * kScale + dx)) * 4];
                for (int c = 0; c < 3; c++)
                    p[c] = static_cast<unsigned char>(((pixel >> (8 * c)) & 0xFF) + p[c] * (255 - alpha) / 255);
            }
    };
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 40; x++)
            blend(x + 4, y + 24, arrPixels[static_cast<size_t>(y * 40 + x)]);
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 4; x++)
            blend(x + 40, y + 4, arrRight[static_cast<size_t>(y * 4 + x)]);
    EXPECT_FALSE(testshot::Save(picture, L"commandbars_shadow_dib.png").empty());
}

TEST_F(Shadows, SystemSettingDecidesUnlessForcedOrTurnedOff)
{
    const struct
    {
        BOOL system;
        int options;
        BOOL show;
        size_t expected;
    } cases[] = {
        {FALSE, 0, TRUE, 0}, {FALSE, 1, TRUE, 2}, {TRUE, 0, TRUE, 2}, {TRUE, 1, FALSE, 0},
    };
    for (const auto& c : cases) {
        ::SystemParametersInfoW(SPI_SETDROPSHADOW, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(c.system)), 0);
        PaintManager()->m_nShadowOptions = c.options;
        PaintManager()->m_bShowShadow = c.show;
        XTPShadowsManager()->SetShadow(&m_bar);
        EXPECT_EQ(c.expected, ShadowRects().size()) << c.system << " " << c.options << " " << c.show;
        XTPShadowsManager()->RemoveShadow(&m_bar);
    }
    m_commandBars.SetCustomizeMode(TRUE);
    PaintManager()->m_nShadowOptions = 1;
    XTPShadowsManager()->SetShadow(&m_bar);
    EXPECT_TRUE(ShadowRects().empty()) << "none while customizing";
    m_commandBars.SetCustomizeMode(FALSE);
}

TEST_F(Shadows, FollowTheOwnersShowingAndGoWithIt)
{
    PaintManager()->m_nShadowOptions = 1;
    XTPShadowsManager()->SetShadow(&m_bar);
    const CXTPShadowsManager::CShadowList& shadows = XTPShadowsManager()->GetShadows();
    ASSERT_EQ(2, shadows.GetSize());
    HWND hBelow = shadows[0]->GetSafeHwnd();
    HWND hRight = shadows[1]->GetSafeHwnd();
    EXPECT_TRUE(::IsWindowVisible(hBelow));
    m_bar.ShowWindow(SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(hBelow));
    EXPECT_FALSE(::IsWindowVisible(hRight));
    m_bar.ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(::IsWindowVisible(hRight));

    m_bar.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hBelow));
    EXPECT_FALSE(::IsWindow(hRight));
    EXPECT_TRUE(ShadowRects().empty()) << "a destroyed shadow leaves the list later shadows walk";

    CTestBar other;
    ASSERT_TRUE(other.Create(&m_site, CRect(150, 30, 250, 90)));
    other.SetCommandBars(&m_commandBars);
    XTPShadowsManager()->SetShadow(&other);
    EXPECT_EQ(2u, ShadowRects().size());
    XTPShadowsManager()->RemoveShadow(&other);
    other.SetCommandBars(nullptr);
    other.DestroyWindow();
}

TEST_F(Shadows, ASubMenusShadowIsTrimmedOnItsParentAndWhereTheParentsShadowLies)
{
    PaintManager()->m_nShadowOptions = 1;
    XTPShadowsManager()->SetShadow(&m_bar);
    // A sub-menu opened to the left, overlapping the parent's left edge and
    // reaching below it.
    CRect rcSub(m_rcBar.left - 80, m_rcBar.top + 20, m_rcBar.left + 3, m_rcBar.bottom + 30);
    m_site.ScreenToClient(&rcSub);
    CTestBar sub;
    ASSERT_TRUE(sub.Create(&m_site, rcSub));
    sub.SetCommandBars(&m_commandBars);
    XTPShadowsManager()->SetShadow(&sub);
    const CXTPShadowsManager::CShadowList& shadows = XTPShadowsManager()->GetShadows();
    ASSERT_EQ(4, shadows.GetSize());
    CXTPShadowsManager::CShadowWnd* pRight = shadows[3];
    ASSERT_FALSE(pRight->IsBelow());
    CRect rcRight;
    pRight->GetWindowRect(&rcRight);
    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(pRight->GetSafeHwnd(), hRegion));
    const struct
    {
        CPoint point;  // screen
        BOOL shown;
        const char* where;
    } points[] = {
        {CPoint(m_rcBar.left + 5, m_rcBar.top + 30), FALSE, "on the parent"},
        {CPoint(m_rcBar.left + 5, m_rcBar.bottom + 2), FALSE, "on the parent's shadow below"},
        {CPoint(m_rcBar.left + 5, m_rcBar.bottom + 10), TRUE, "beside nothing"},
    };
    for (const auto& p : points)
        EXPECT_EQ(p.shown, ::PtInRegion(hRegion, p.point.x - rcRight.left, p.point.y - rcRight.top) != FALSE)
            << p.where;
    EXPECT_EQ(ERROR, ::GetWindowRgn(shadows[0]->GetSafeHwnd(), hRegion)) << "the parent's own shadow stays whole";
    ::DeleteObject(hRegion);
    XTPShadowsManager()->RemoveShadow(&sub);
    sub.SetCommandBars(nullptr);
    sub.DestroyWindow();
}

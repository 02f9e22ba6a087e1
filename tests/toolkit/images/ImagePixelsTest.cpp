// The pixel arithmetic of derived images and alpha drawing, on memory and
// on real DIB sections and icons.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ImageTestSupport.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageBlit.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImagePixels.h"

using namespace imagetest;

TEST(ImagePixels, FadeLiftsEveryChannelTowardsWhite)
{
    EXPECT_EQ(76, XTPFadeChannel(0));
    EXPECT_EQ(255, XTPFadeChannel(255)); // no rounding loss at the top
    EXPECT_EQ(146, XTPFadeChannel(100)); // 146.5 truncated
    EXPECT_EQ(RGB(76, 146, 255), XTPFadeColor(RGB(0, 100, 255)));
}

TEST(ImagePixels, GreyIsTheSquareRootOfLuminance)
{
    EXPECT_EQ(0, XTPDisabledGrey(0, 0, 0));
    EXPECT_EQ(255, XTPDisabledGrey(255, 255, 255));
    // trunc(255 * sqrt(128 / 255)) = 180: darker greys are lifted more.
    EXPECT_EQ(180, XTPDisabledGrey(128, 128, 128));
    EXPECT_GT(XTPDisabledGrey(32, 32, 32) - 32, XTPDisabledGrey(200, 200, 200) - 200);
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 17)
        {
            double l = (0.299 * r + 0.587 * g + 0.114 * 90) / 255.0;
            double exact = 255.0 * std::sqrt(l);
            int grey = XTPDisabledGrey(static_cast<BYTE>(r), static_cast<BYTE>(g), 90);
            EXPECT_LE(grey, exact + 1e-6);
            EXPECT_GT(grey + 1, exact - 1e-6);
        }
    // Grey mode whenever one of the two colours is unset.
    EXPECT_EQ(RGB(180, 180, 180), XTPDisabledColor(RGB(128, 128, 128), RGB(255, 255, 255), (COLORREF)-1));
}

TEST(ImagePixels, TwoColourModeBlendsByLuminance)
{
    // White over black is the grey mode without the square root.
    for (int v = 0; v < 256; v += 5)
    {
        BYTE r = static_cast<BYTE>(v), g = static_cast<BYTE>(255 - v), b = static_cast<BYTE>(v / 2);
        int expected = XTPLuminanceMilli(r, g, b) / 1000;
        EXPECT_EQ(RGB(expected, expected, expected), XTPDisabledColor(RGB(r, g, b), RGB(255, 255, 255), RGB(0, 0, 0)));
    }
    // Light pixels take the first colour, dark ones the second.
    EXPECT_EQ(RGB(10, 20, 30), XTPDisabledColor(RGB(255, 255, 255), RGB(10, 20, 30), RGB(200, 100, 0)));
    EXPECT_EQ(RGB(200, 100, 0), XTPDisabledColor(RGB(0, 0, 0), RGB(10, 20, 30), RGB(200, 100, 0)));
}

TEST(ImagePixels, ShadowColourAndPassesKeepAlpha)
{
    EXPECT_EQ(RGB(75, 150, 30), XTPShadowColor(RGB(100, 200, 40)));

    BYTE pixels[] = {10, 20, 30, 0, 40, 50, 60, 128, 255, 255, 255, 255};
    XTPShadowPixels(pixels, 3, RGB(1, 2, 3));
    const BYTE shadowed[] = {3, 2, 1, 0, 3, 2, 1, 128, 3, 2, 1, 255};
    EXPECT_EQ(0, memcmp(pixels, shadowed, sizeof(pixels)));

    BYTE grey[] = {0, 0, 0, 77, 255, 255, 255, 200};
    XTPDisablePixels(grey, 2, (COLORREF)-1, (COLORREF)-1);
    const BYTE greyed[] = {0, 0, 0, 77, 255, 255, 255, 200};
    EXPECT_EQ(0, memcmp(grey, greyed, sizeof(grey)));
}

TEST(ImagePixels, AlphaDetectionFollowsMemoryOrder)
{
    auto withAlpha = [](std::vector<BYTE> alphas) {
        std::vector<BYTE> pixels;
        for (BYTE a : alphas)
            pixels.insert(pixels.end(), {50, 60, 70, a});
        return XTPPixelsHaveAlpha(pixels.data(), static_cast<int>(alphas.size()));
    };
    EXPECT_FALSE(withAlpha({0, 0, 0}));
    EXPECT_FALSE(withAlpha({255, 255, 255}));
    EXPECT_TRUE(withAlpha({0, 255}));
    EXPECT_FALSE(withAlpha({255, 0})); // opaque before any transparent pixel
    EXPECT_TRUE(withAlpha({255, 128}));
    EXPECT_TRUE(withAlpha({1}));
    EXPECT_TRUE(withAlpha({254}));
}

TEST(ImagePixels, PremultiplyAndBlendTruncate)
{
    BYTE pixel[] = {200, 100, 50, 128};
    XTPPreMultiplyPixels(pixel, 1);
    EXPECT_EQ((std::vector<BYTE>{100, 50, 25, 128}), std::vector<BYTE>(pixel, pixel + 4));

    const BYTE dest[] = {255, 0, 100, 255};
    BYTE result[4] = {};
    XTPBlendPremultipliedPixel(pixel, dest, result);
    EXPECT_EQ((std::vector<BYTE>{100 + 255 * 127 / 255, 50, 25 + 100 * 127 / 255, 0}),
              std::vector<BYTE>(result, result + 4));
    // A source that was never premultiplied cannot overflow a channel.
    const BYTE loud[] = {255, 255, 255, 10};
    XTPBlendPremultipliedPixel(loud, dest, result);
    EXPECT_EQ(255, result[0]);
}

TEST(ImagePixels, PremultipliedCopyOfABitmap)
{
    HBITMAP hSource = MakeAlphaBitmap(3, 1, {0x80C86432, 0x00FFFFFF, 0xFF102030});
    BOOL bAlpha = FALSE;
    HBITMAP hCopy = XTPPreMultiplyAlphaBitmap(hSource, &bAlpha);
    ASSERT_NE(nullptr, hCopy);
    EXPECT_TRUE(bAlpha);
    EXPECT_EQ(0x80643219u, PixelOf(hCopy, 0, 0));
    EXPECT_EQ(0x00000000u, PixelOf(hCopy, 1, 0));
    EXPECT_EQ(0xFF102030u, PixelOf(hCopy, 2, 0));
    EXPECT_EQ(0x80C86432u, PixelOf(hSource, 0, 0)); // the source stays straight
    DeleteObject(hCopy);

    // Without real alpha the copy equals the source.
    HBITMAP hOpaque = MakeAlphaBitmap(2, 1, {0x00102030, 0x00405060});
    hCopy = XTPPreMultiplyAlphaBitmap(hOpaque, &bAlpha);
    EXPECT_FALSE(bAlpha);
    EXPECT_EQ(0x00102030u, PixelOf(hCopy, 0, 0));
    DeleteObject(hCopy);
    DeleteObject(hOpaque);

    // A bitmap that is not 32 bits per pixel has no alpha to take.
    HBITMAP hMono = CreateBitmap(8, 8, 1, 1, nullptr);
    EXPECT_EQ(nullptr, XTPPreMultiplyAlphaBitmap(hMono));
    DeleteObject(hMono);
    DeleteObject(hSource);
}

TEST(ImagePixels, DerivedImagesOfAnAlphaIcon)
{
    // An opaque black, a half-transparent grey and a fully transparent pixel.
    HBITMAP hBitmap = MakeAlphaBitmap(3, 1, {0xFF000000, 0x80808080, 0x00FFFFFF});
    CXTPImageManager manager;
    ASSERT_TRUE(manager.SetIcon(hBitmap, 1));
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 3);
    ASSERT_NE(nullptr, pIcon);
    ASSERT_TRUE(pIcon->IsAlphaIcon());

    HBITMAP hFaded = pIcon->GetFadedIcon().GetBitmap();
    ASSERT_NE(nullptr, hFaded);
    EXPECT_EQ(0xFF4C4C4Cu, PixelOf(hFaded, 0, 0)); // 76 on every channel
    EXPECT_EQ(0x80A6A6A6u, PixelOf(hFaded, 1, 0)); // 0.7 * 128 + 76.5 = 166.1
    EXPECT_EQ(0x00FFFFFFu, PixelOf(hFaded, 2, 0));

    HBITMAP hDisabled = pIcon->GetDisabledIcon().GetBitmap();
    ASSERT_NE(nullptr, hDisabled);
    EXPECT_EQ(0xFF000000u, PixelOf(hDisabled, 0, 0));
    EXPECT_EQ(0x80B4B4B4u, PixelOf(hDisabled, 1, 0)); // grey 180, alpha kept
    EXPECT_TRUE(pIcon->HasExtraStateImage());

    COLORREF clrShadow = XTPShadowColor(XTPGetColorManager()->GetColor(31));
    HBITMAP hShadow = pIcon->GetShadowIcon().GetBitmap();
    ASSERT_NE(nullptr, hShadow);
    DWORD shadowRgb = (GetRValue(clrShadow) << 16) | (GetGValue(clrShadow) << 8) | GetBValue(clrShadow);
    EXPECT_EQ(0xFF000000u | shadowRgb, PixelOf(hShadow, 0, 0));
    EXPECT_EQ(0x80000000u | shadowRgb, PixelOf(hShadow, 1, 0));
    EXPECT_EQ(0x00000000u | shadowRgb, PixelOf(hShadow, 2, 0));

    // The normal image itself is untouched by all of this.
    EXPECT_EQ(0x80808080u, PixelOf(pIcon->GetIcon().GetBitmap(), 1, 0));
    DeleteObject(hBitmap);
}

TEST(ImagePixels, DerivedImagesOfAPlainIconChangeOnlyOpaquePixels)
{
    HICON hIcon = MakeColorIcon(4, 4, RGB(0, 100, 200));
    CXTPImageManager manager;
    ASSERT_TRUE(manager.SetIcon(hIcon, 7));
    DestroyIcon(hIcon);
    CXTPImageManagerIcon* pIcon = manager.GetImage(7, 4);
    ASSERT_NE(nullptr, pIcon);
    ASSERT_NE(nullptr, pIcon->GetIcon().GetIcon());

    bool bTransparent = false;
    HICON hFaded = pIcon->GetFadedIcon().GetIcon();
    ASSERT_NE(nullptr, hFaded);
    EXPECT_EQ(RGB(76, 146, 216), IconPixel(hFaded, 2, 2, &bTransparent));
    EXPECT_FALSE(bTransparent);
    EXPECT_EQ(RGB(0, 0, 0), IconPixel(hFaded, 0, 0, &bTransparent));
    EXPECT_TRUE(bTransparent);

    HICON hDisabled = pIcon->GetDisabledIcon().GetIcon();
    BYTE grey = XTPDisabledGrey(0, 100, 200);
    EXPECT_EQ(RGB(grey, grey, grey), IconPixel(hDisabled, 1, 3));
    EXPECT_EQ(RGB(0, 0, 0), IconPixel(hDisabled, 0, 0));

    // A state setter drops the derived images; the next request rebuilds them.
    pIcon->SetHotIcon(pIcon->GetIcon());
    EXPECT_FALSE(pIcon->HasExtraStateImage());
    HICON hShadow = pIcon->GetShadowIcon().GetIcon();
    EXPECT_EQ(XTPShadowColor(XTPGetColorManager()->GetColor(31)), IconPixel(hShadow, 3, 3));
}

TEST(ImagePixels, TwoColourDisabledImageIsKeptUntilRefresh)
{
    HBITMAP hBitmap = MakeAlphaBitmap(1, 1, {0xFFFFFFFF});
    CXTPImageManager manager;
    manager.SetIcon(hBitmap, 1);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 1);
    XTPCreateDerivedIconImage(pIcon, RGB(10, 20, 30), RGB(0, 0, 0));
    EXPECT_EQ(0xFF0A141Eu, PixelOf(pIcon->GetDisabledIcon().GetBitmap(), 0, 0));
    // An existing computed image is not computed again with other colours.
    XTPCreateDerivedIconImage(pIcon, RGB(90, 90, 90), RGB(0, 0, 0));
    EXPECT_EQ(0xFF0A141Eu, PixelOf(pIcon->GetDisabledIcon().GetBitmap(), 0, 0));
    manager.RefreshAll();
    EXPECT_FALSE(pIcon->HasExtraStateImage());
    EXPECT_EQ(0xFFFFFFFFu, PixelOf(pIcon->GetDisabledIcon().GetBitmap(), 0, 0)); // grey mode now
    DeleteObject(hBitmap);
}

TEST(ImagePixels, OwnBlendingAgreesWithTheSystem)
{
    // Premultiplied: opaque red, half-covered blue, transparent, faint white.
    HBITMAP hSource = MakeAlphaBitmap(4, 1, {0xFFFF0000, 0x80000080, 0x00000000, 0x20202020});
    HDC hSrc = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hSrc, hSource);
    Canvas system(4, 1, RGB(0, 200, 100));
    Canvas own(4, 1, RGB(0, 200, 100));
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(system.dc(), 0, 0, 4, 1, hSrc, 0, 0, 4, 1, bf));
    ASSERT_TRUE(XTPAlphaBlendFallback(own.dc(), CRect(0, 0, 4, 1), hSrc, CRect(0, 0, 4, 1)));
    for (int x = 0; x < 4; ++x)
    {
        COLORREF a = system.Pixel(x, 0);
        COLORREF b = own.Pixel(x, 0);
        EXPECT_LE(abs(GetRValue(a) - GetRValue(b)) + abs(GetGValue(a) - GetGValue(b)) + abs(GetBValue(a) - GetBValue(b)), 3)
            << x;
    }
    EXPECT_EQ(RGB(255, 0, 0), own.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 200, 100), own.Pixel(2, 0));

    // Transparent copy: the magenta pixel leaves the destination alone.
    HBITMAP hColours = MakeAlphaBitmap(3, 1, {0x00FF00FF, 0x00123456, 0x00000000});
    SelectObject(hSrc, hColours);
    Canvas transparent(3, 1, RGB(9, 9, 9));
    ASSERT_TRUE(XTPTransparentBltFallback(transparent.dc(), CRect(0, 0, 3, 1), hSrc, CRect(0, 0, 3, 1),
                                          RGB(255, 0, 255)));
    EXPECT_EQ(RGB(9, 9, 9), transparent.Pixel(0, 0));
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), transparent.Pixel(1, 0));
    EXPECT_EQ(RGB(0, 0, 0), transparent.Pixel(2, 0));
    EXPECT_EQ(RGB(255, 255, 255), GetBkColor(transparent.dc())); // restored afterwards (white is the default)
    SelectObject(hSrc, hOld);
    DeleteDC(hSrc);
    DeleteObject(hSource);
    DeleteObject(hColours);
}

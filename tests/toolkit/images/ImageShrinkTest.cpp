// Images made smaller by averaging: the pixel arithmetic, and the image
// manager's smaller copies of alpha and plain icons, in which a single
// painted pixel keeps its share wherever it lay (a menu shows a toolbar's
// 32-pixel image at 16).
#include <gtest/gtest.h>

#include <vector>

#include "ImageTestSupport.h"
#include "support/Screenshot.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"
#include "toolkit/common/images/XTPImageShrink.h"

using namespace imagetest;

namespace {

const DWORD kRed = 0xFFFF0000;

DWORD At(const std::vector<BYTE>& pixels, int cx, int x, int y)
{
    const BYTE* p = &pixels[(static_cast<size_t>(y) * cx + x) * 4];
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

std::vector<BYTE> Shrink(const std::vector<DWORD>& argb, int cxSource, int cySource, int cx, int cy)
{
    std::vector<BYTE> out(static_cast<size_t>(cx) * cy * 4, 0xAB);
    XTPShrinkPixels(reinterpret_cast<const BYTE*>(argb.data()), cxSource, cySource, out.data(), cx, cy);
    return out;
}

// 32 x 32, fully transparent but for single red pixels.
std::vector<DWORD> SparseRed(const std::vector<POINT>& points)
{
    std::vector<DWORD> argb(32 * 32, 0);
    for (const POINT& pt : points)
        argb[static_cast<size_t>(pt.y) * 32 + pt.x] = kRed;
    return argb;
}

// A plain 32 x 32 icon, transparent (mask) but for single red pixels.
HICON SparseRedIcon(const std::vector<POINT>& points)
{
    HDC hScreen = GetDC(nullptr);
    HBITMAP hColor = CreateCompatibleBitmap(hScreen, 32, 32);
    ReleaseDC(nullptr, hScreen);
    HBITMAP hMask = CreateBitmap(32, 32, 1, 1, nullptr);
    HDC hDC = CreateCompatibleDC(nullptr);
    RECT rc = {0, 0, 32, 32};
    HGDIOBJ hOld = SelectObject(hDC, hColor);
    FillRect(hDC, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    for (const POINT& pt : points)
        SetPixel(hDC, pt.x, pt.y, RGB(255, 0, 0));
    SelectObject(hDC, hMask);
    FillRect(hDC, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    for (const POINT& pt : points)
        SetPixel(hDC, pt.x, pt.y, RGB(0, 0, 0));
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    return IconOf(hColor, hMask);
}

// Red pixels at odd and even places, each alone in its 2 x 2 block.
const std::vector<POINT> kSparse = {{2, 2}, {5, 2}, {2, 9}, {31, 31}};

// The image manager's icon of id 1 at width 16, drawn at 16 on white:
// where each source pixel's block lands it shows red over white, the rest
// stays white.
void ExpectSparseRedAt16(CXTPImageManager& manager)
{
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_EQ(16, pIcon->GetWidth());
    EXPECT_EQ(16, pIcon->GetHeight());
    EXPECT_TRUE(pIcon->IsScaled());
    EXPECT_FALSE(manager.HasExactImage(1, 16));
    Canvas canvas(20, 20);
    pIcon->Draw(canvas.DC(), CPoint(0, 0), CSize(16, 16));
    for (const POINT& pt : kSparse) {
        const COLORREF clr = canvas.Pixel(pt.x / 2, pt.y / 2);
        EXPECT_EQ(255, GetRValue(clr)) << pt.x << "," << pt.y;
        EXPECT_LT(GetGValue(clr), 230) << "pixel " << pt.x << "," << pt.y << " lost";
        EXPECT_EQ(GetGValue(clr), GetBValue(clr));
    }
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(8, 8));
    // The copy is kept, and not stored as an image of its own.
    EXPECT_EQ(pIcon, manager.GetImage(1, 16));
    manager.RefreshAll();
    EXPECT_EQ(1, manager.GetIconSet(1)->GetIcons().GetCount());
}

// A 4 x 4 icon from 32-bit colour pixels (0xAARRGGBB) and a mask whose
// white pixels are listed.
HICON MakeIcon32(const std::vector<DWORD>& argb, const std::vector<POINT>& maskWhite)
{
    HBITMAP hColor = MakeAlphaBitmap(4, 4, argb);
    HBITMAP hMask = CreateBitmap(4, 4, 1, 1, nullptr);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hMask);
    RECT rc = {0, 0, 4, 4};
    FillRect(hDC, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    for (const POINT& pt : maskWhite)
        SetPixel(hDC, pt.x, pt.y, RGB(255, 255, 255));
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    return IconOf(hColor, hMask);
}

// An image as a 2 x 2 averaged alpha bitmap, its pixel (x, y).
DWORD ShrunkPixel(HICON hIcon, int x, int y)
{
    HBITMAP hShrunk = XTPCreateShrunkAlphaBitmap(CXTPImageManagerIconHandle(hIcon), 2, 2);
    // The section's rows lie top-down in memory, as made.
    const DWORD* pPixels = reinterpret_cast<const DWORD*>(XTPGetDibSectionBits(hShrunk, nullptr));
    const DWORD argb = pPixels != nullptr ? pPixels[y * 2 + x] : 0xDEADBEEF;
    if (hShrunk != nullptr)
        DeleteObject(hShrunk);
    return argb;
}

} // namespace

TEST(ImageShrink, AnIconsTransparencyComesFromItsAlphaOnlyWhereThatIsReal)
{
    // Opaque alpha everywhere says nothing: the mask makes all but one
    // pixel transparent.
    std::vector<POINT> allButFirst;
    for (int i = 1; i < 16; ++i)
        allButFirst.push_back({i % 4, i / 4});
    HICON hMasked = MakeIcon32(std::vector<DWORD>(16, 0xFF00FF00), allButFirst);
    ASSERT_NE(nullptr, hMasked);
    EXPECT_EQ(0x4000FF00u, ShrunkPixel(hMasked, 0, 0));
    EXPECT_EQ(0u, ShrunkPixel(hMasked, 1, 1));
    DestroyIcon(hMasked);

    // Real alpha under an all-opaque mask is the transparency.
    std::vector<DWORD> argb(16, 0);
    argb[0] = 0x80FF0000;
    HICON hAlpha = MakeIcon32(argb, {});
    ASSERT_NE(nullptr, hAlpha);
    EXPECT_EQ(0x20FF0000u, ShrunkPixel(hAlpha, 0, 0));
    EXPECT_EQ(0u, ShrunkPixel(hAlpha, 1, 1));
    DestroyIcon(hAlpha);
}

TEST(ImageShrink, EachPixelLeavesItsShareInThePixelItLiesUnder)
{
    // 4 x 4 into 2 x 2: one red pixel alone in its block, a block of two
    // blue pixels, and a block whose transparent pixels carry colour bits.
    std::vector<DWORD> argb(16, 0);
    argb[1 * 4 + 1] = kRed;
    argb[0 * 4 + 2] = 0xFF0000FF;
    argb[1 * 4 + 3] = 0xFF0000FF;
    argb[2 * 4 + 0] = 0x00FFFFFF;
    argb[3 * 4 + 1] = 0x80008000;
    const std::vector<BYTE> out = Shrink(argb, 4, 4, 2, 2);
    EXPECT_EQ(0x40FF0000u, At(out, 2, 0, 0));
    EXPECT_EQ(0x800000FFu, At(out, 2, 1, 0));
    // Transparent colour bits do not tint what is there.
    EXPECT_EQ(0x20008000u, At(out, 2, 0, 1));
    // Nothing under it: all four bytes 0.
    EXPECT_EQ(0u, At(out, 2, 1, 1));
}

TEST(ImageShrink, UnevenRatiosKeepAnEvenColourAndEveryPixel)
{
    // 24 into 16: a source pixel may straddle two destination pixels.
    std::vector<DWORD> even(24 * 24, 0xFF336699);
    const std::vector<BYTE> out = Shrink(even, 24, 24, 16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(0xFF336699u, At(out, 16, x, y)) << x << "," << y;

    // A single pixel in the middle of one destination pixel's run.
    std::vector<DWORD> single(24 * 24, 0);
    single[4 * 24 + 4] = kRed;
    const std::vector<BYTE> one = Shrink(single, 24, 24, 16, 16);
    int nShown = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            nShown += At(one, 16, x, y) != 0 ? 1 : 0;
    EXPECT_GE(nShown, 1);
    EXPECT_LE(nShown, 4);
    EXPECT_EQ(0x00FF0000u, At(one, 16, 2, 2) & 0x00FFFFFF);
    EXPECT_GT(At(one, 16, 2, 2) >> 24, 0u);
}

TEST(ImageShrink, AnAlphaIconAskedForSmallerGivesAnAveragedCopy)
{
    CXTPImageManager manager;
    HBITMAP hBitmap = MakeAlphaBitmap(32, 32, SparseRed(kSparse));
    ASSERT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hBitmap), 1));
    DeleteObject(hBitmap);
    ExpectSparseRedAt16(manager);
    EXPECT_TRUE(manager.GetImage(1, 16)->IsAlphaIcon());
    // Asked for larger, the alpha icon still comes as it is.
    EXPECT_EQ(32, manager.GetImage(1, 40)->GetWidth());
}

TEST(ImageShrink, APlainIconAskedForSmallerGivesAnAveragedCopy)
{
    CXTPImageManager manager;
    HICON hIcon = SparseRedIcon(kSparse);
    ASSERT_TRUE(manager.SetIcon(hIcon, 1));
    DestroyIcon(hIcon);
    ExpectSparseRedAt16(manager);
}

TEST(ImageShrink, StateImagesShrinkWithTheNormalOne)
{
    CXTPImageManager manager;
    HBITMAP hNormal = MakeAlphaBitmap(32, 32, std::vector<DWORD>(32 * 32, 0xFF0000FF));
    HBITMAP hHot = MakeAlphaBitmap(32, 32, std::vector<DWORD>(32 * 32, 0xFF00FF00));
    ASSERT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hNormal), 1));
    ASSERT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hHot), 1, CSize(32, 32), xtpImageHot));
    DeleteObject(hNormal);
    DeleteObject(hHot);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    ASSERT_NE(nullptr, pIcon);
    ASSERT_TRUE(pIcon->GetHotIcon().IsAlpha());
    EXPECT_EQ(CSize(16, 16), pIcon->GetHotIcon().GetExtent());
    EXPECT_EQ(0xFF00FF00u, PixelOf(pIcon->GetHotIcon().GetBitmap(), 7, 7));
    EXPECT_EQ(0xFF0000FFu, PixelOf(pIcon->GetIcon().GetBitmap(), 7, 7));
}

namespace {

// A 32 x 32 monochrome icon (no colour image): a black block at x 4..15
// and a white block at x 16..27, both over rows 4..27; the rest
// transparent.
HICON MonochromeIcon()
{
    BYTE andBits[32 * 4];
    BYTE xorBits[32 * 4];
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool bInside = y >= 4 && y < 28 && x >= 4 && x < 28;
            const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            BYTE& andByte = andBits[y * 4 + x / 8];
            BYTE& xorByte = xorBits[y * 4 + x / 8];
            andByte = static_cast<BYTE>(bInside ? andByte & ~bit : andByte | bit);
            xorByte = static_cast<BYTE>(bInside && x >= 16 ? xorByte | bit : xorByte & ~bit);
        }
    return CreateIcon(nullptr, 32, 32, 1, 1, andBits, xorBits);
}

} // namespace

TEST(ImageShrink, AMonochromeIconAskedForSmallerIsScaledToThatWidth)
{
    HICON hMono = MonochromeIcon();
    ASSERT_NE(nullptr, hMono);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hMono, &info));
    EXPECT_EQ(nullptr, info.hbmColor) << "the icon must have no colour image";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    CXTPImageManager manager;
    ASSERT_TRUE(manager.SetIcon(hMono, 1));
    DestroyIcon(hMono);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_EQ(16, pIcon->GetWidth());
    EXPECT_EQ(16, pIcon->GetHeight());
    EXPECT_TRUE(pIcon->IsScaled());
    EXPECT_EQ(pIcon, manager.GetImage(1, 16));

    // Its own size over grey: black left, white right, the margin grey.
    Canvas canvas(20, 20, RGB(128, 128, 128));
    pIcon->Draw(canvas.DC(), CPoint(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(4, 8));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(11, 8));
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(8, 15));
    EXPECT_EQ(RGB(128, 128, 128), canvas.Pixel(16, 8)) << "drawn wider than 16";
    RECT all = {0, 0, 20, 20};
    EXPECT_FALSE(testshot::Save(testshot::CaptureDC(canvas.dc(), all), L"image_monochrome_at_16.png").empty());
}

TEST(ImageShrink, AMonochromeStateImageOfAColourIconIsScaledIntoTheCopy)
{
    CXTPImageManager manager;
    HBITMAP hNormal = MakeAlphaBitmap(32, 32, std::vector<DWORD>(32 * 32, 0xFF0000FF));
    ASSERT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hNormal), 1));
    DeleteObject(hNormal);
    HICON hMono = MonochromeIcon();
    ASSERT_TRUE(manager.SetIcon(hMono, 1, CSize(32, 32), xtpImageHot));
    DestroyIcon(hMono);

    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    ASSERT_NE(nullptr, pIcon);
    ASSERT_NE(nullptr, pIcon->GetHotIcon().GetIcon()) << "the hot image was lost in the copy";
    EXPECT_EQ(CSize(16, 16), pIcon->GetHotIcon().GetExtent());
    Canvas canvas(20, 20, RGB(128, 128, 128));
    pIcon->Draw(canvas.DC(), CPoint(0, 0), pIcon->GetHotIcon());
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(4, 8));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(11, 8));
    // The normal image is still averaged.
    EXPECT_EQ(0xFF0000FFu, PixelOf(pIcon->GetIcon().GetBitmap(), 7, 7));
}

TEST(ImageShrink, ACopyThatCannotBeMadeIsNotTriedAgainUntilARefresh)
{
    CXTPImageManager manager;
    HBITMAP hNormal = MakeAlphaBitmap(32, 32, std::vector<DWORD>(32 * 32, 0xFF0000FF));
    ASSERT_TRUE(manager.SetIcon(CXTPImageManagerIconHandle(hNormal), 1));
    DeleteObject(hNormal);
    CXTPImageManagerIcon* p32 = manager.GetImage(1, 32);
    ASSERT_NE(nullptr, p32);

    // Without its image the icon gives no copy: the icon itself comes.
    CXTPImageManagerIconHandle saved;
    saved.CopyHandle(p32->GetIcon());
    p32->GetIcon().Clear();
    EXPECT_EQ(p32, manager.GetImage(1, 16));

    // Readable again behind the set's back: the failure is remembered ...
    p32->GetIcon().CopyHandle(saved);
    EXPECT_EQ(p32, manager.GetImage(1, 16));
    EXPECT_EQ(p32, manager.GetImage(1, 16));
    EXPECT_EQ(1, manager.GetIconSet(1)->GetIcons().GetCount());

    // ... until the next refresh.
    manager.RefreshAll();
    CXTPImageManagerIcon* pCopy = manager.GetImage(1, 16);
    ASSERT_NE(nullptr, pCopy);
    EXPECT_EQ(16, pCopy->GetWidth());
    EXPECT_TRUE(pCopy->IsScaled());
}

// Alpha images outside the image manager: 32-bit images read straight from
// icon files, bitmaps drawn by their own alpha, and the clipboard marker
// that says a bitmap carries alpha.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "ImageTestSupport.h"
#include "framework/text/CStringA.h"
#include "support/Screenshot.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageBlit.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerPersist.h"

using namespace imagetest;

namespace {

// The straight-alpha quadrants drawn into resources/images/quadrants.ico
// (0xAARRGGBB): top left, top right, bottom left, bottom right.
const DWORD kQuadrants[4] = {0xFFC81E1E, 0x801EA03C, 0x00000000, 0x401E3CC8};

CString SourceFile(LPCWSTR pszRelative)
{
    const char* pszSource = getenv("TAVROLIN_SOURCE_DIR");
    CString strPath = CString(L"Z:") + CString(pszSource ? pszSource : "") + L"/" + pszRelative;
    strPath.Replace(L'/', L'\\');
    return strPath;
}

std::vector<BYTE> ReadBytes(const CString& strPath)
{
    std::ifstream in(CStringA(strPath).GetString(), std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

CString WriteBytes(LPCWSTR pszName, const std::vector<BYTE>& bytes)
{
    std::ofstream out(CStringA(pszName).GetString(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
    return pszName;
}

void PutDword(std::vector<BYTE>& bytes, size_t nOffset, DWORD dwValue)
{
    memcpy(bytes.data() + nOffset, &dwValue, 4);
}

// 0xAARRGGBB of a pixel of a top-down 32-bit DIB section.
DWORD TopDownPixel(HBITMAP hBitmap, int x, int y)
{
    BITMAP bm = {};
    GetObject(hBitmap, sizeof(bm), &bm);
    const BYTE* pBits = XTPGetDibSectionBits(hBitmap, nullptr);
    DWORD value = 0;
    memcpy(&value, pBits + (size_t)y * bm.bmWidthBytes + (size_t)x * 4, 4);
    return value;
}

CSize BitmapSize(HBITMAP hBitmap)
{
    BITMAP bm = {};
    GetObject(hBitmap, sizeof(bm), &bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}

// One channel of straight alpha over a background, as the blend rounds it.
int Over(int nSource, int nAlpha, int nBackground)
{
    return nSource * nAlpha / 255 + nBackground * (255 - nAlpha) / 255;
}

} // namespace

TEST(AlphaIconFile, TheFirst32BitImageOfTheWidthIsReadWithItsAlphaAndRowOrder)
{
    const CString strPath = SourceFile(L"resources/images/quadrants.ico");
    struct Case
    {
        int nWidth;
        int nExpected; // 0: none
    } cases[] = {{16, 16}, {24, 24}, {0, 24}, {32, 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nWidth);
        HBITMAP hBitmap = XTPLoadAlphaIconFile(strPath, c.nWidth);
        if (c.nExpected == 0)
        {
            EXPECT_EQ(nullptr, hBitmap);
            continue;
        }
        ASSERT_NE(nullptr, hBitmap);
        // Half the stored height: the mask below the colours is not part of it.
        EXPECT_EQ(CSize(c.nExpected, c.nExpected), BitmapSize(hBitmap));
        const int q = c.nExpected / 4;
        EXPECT_EQ(kQuadrants[0], TopDownPixel(hBitmap, q, q));
        EXPECT_EQ(kQuadrants[1], TopDownPixel(hBitmap, 3 * q, q));
        EXPECT_EQ(kQuadrants[2], TopDownPixel(hBitmap, q, 3 * q));
        EXPECT_EQ(kQuadrants[3], TopDownPixel(hBitmap, 3 * q, 3 * q));
        DeleteObject(hBitmap);
    }
    EXPECT_EQ(nullptr, XTPLoadAlphaIconFile(L"no_such_file.ico", 0));
    // An icon of 24-bit images only holds no alpha image.
    EXPECT_EQ(nullptr, XTPLoadAlphaIconFile(SourceFile(L"resources/images/plain1.ico"), 0));
}

TEST(AlphaIconFile, DamagedFilesGiveNoImage)
{
    const std::vector<BYTE> good = ReadBytes(SourceFile(L"resources/images/quadrants.ico"));
    ASSERT_GT(good.size(), 100u);
    // Directory: 6-byte header, then 16-byte entries; entry 1 is the 24-pixel image.
    const size_t nEntry1 = 6 + 16;
    std::vector<std::vector<BYTE>> damaged;
    const DWORD dwImage1 = *reinterpret_cast<const DWORD*>(good.data() + nEntry1 + 12);
    const DWORD dwImage2 = *reinterpret_cast<const DWORD*>(good.data() + nEntry1 + 16 + 12);
    for (size_t nCut : {size_t(4), size_t(6 + 16 * 2), size_t(dwImage1 + 100)})
        damaged.emplace_back(good.begin(), good.begin() + (ptrdiff_t)nCut);
    std::vector<BYTE> bytes = good;
    bytes[2] = 2; // a cursor file, not an icon file
    damaged.push_back(bytes);
    bytes = good;
    bytes[4] = bytes[5] = 0xFF; // more entries than the file holds
    damaged.push_back(bytes);
    for (DWORD dwOffset : {DWORD(good.size() - 10), DWORD(0xFFFFFFF0)})
    {
        bytes = good;
        PutDword(bytes, nEntry1 + 12, dwOffset);
        PutDword(bytes, nEntry1 + 16 + 12, dwOffset);
        damaged.push_back(bytes);
    }
    bytes = good; // an image height that claims more rows than are stored
    PutDword(bytes, dwImage1 + 8, 0x7FFFFFFE);
    PutDword(bytes, dwImage2 + 8, 0x7FFFFFFE);
    damaged.push_back(bytes);

    for (size_t i = 0; i < damaged.size(); i++)
    {
        const CString strPath = WriteBytes(L"damaged.ico", damaged[i]);
        for (int nWidth : {0, 16, 24})
            EXPECT_EQ(nullptr, XTPLoadAlphaIconFile(strPath, nWidth)) << i << " " << nWidth;
    }
}

TEST(AlphaBitmapDrawing, EachPixelShowsTheBackgroundByItsOwnAlpha)
{
    // The answer callers choose their 32-bit images by; the pixels below hold it to its word.
    ASSERT_TRUE(CXTPImageManager::IsAlphaImagesSupported());
    const COLORREF clrBack = RGB(50, 100, 150);
    // Left to right: transparent, opaque, half, quarter.
    const std::vector<DWORD> argb = {0x00FF0000, 0xFF00FF00, 0x800000FF, 0x40FFFFFF};
    HBITMAP hBitmap = MakeAlphaBitmap(4, 1, argb);
    Canvas canvas(40, 20, clrBack);
    ASSERT_TRUE(XTPDrawTransparentBitmap(canvas.DC(), hBitmap, CPoint(0, 0), CSize(40, 10)));
    ASSERT_TRUE(XTPDrawTransparentBitmap(canvas.DC(), hBitmap, CPoint(0, 15)));
    const COLORREF expected[4] = {
        clrBack, RGB(0, 255, 0), RGB(Over(0, 128, 50), Over(0, 128, 100), Over(255, 128, 150)),
        RGB(Over(255, 64, 50), Over(255, 64, 100), Over(255, 64, 150))};
    for (int i = 0; i < 4; i++)
    {
        for (COLORREF clrDrawn : {canvas.Pixel(i * 10 + 5, 5), canvas.Pixel(i, 15)})
        {
            EXPECT_NEAR(GetRValue(expected[i]), GetRValue(clrDrawn), 1) << i;
            EXPECT_NEAR(GetGValue(expected[i]), GetGValue(clrDrawn), 1) << i;
            EXPECT_NEAR(GetBValue(expected[i]), GetBValue(clrDrawn), 1) << i;
        }
    }
    // The bitmap keeps its straight pixels; the unsized draw covers only its own 4 x 1.
    EXPECT_EQ(argb[2], PixelOf(hBitmap, 2, 0));
    EXPECT_EQ(clrBack, canvas.Pixel(4, 15));
    EXPECT_EQ(clrBack, canvas.Pixel(0, 16));
    DeleteObject(hBitmap);

    // Pixels without any alpha are a plain picture, drawn whole.
    hBitmap = MakeAlphaBitmap(2, 1, {0x00102030, 0x00405060});
    ASSERT_TRUE(XTPDrawTransparentBitmap(canvas.DC(), hBitmap, CPoint(0, 18)));
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), canvas.Pixel(0, 18));
    DeleteObject(hBitmap);
    // Not a 32-bit bitmap: nothing is drawn.
    HBITMAP hMono = CreateBitmap(4, 4, 1, 1, nullptr);
    EXPECT_FALSE(XTPDrawTransparentBitmap(canvas.DC(), hMono, CPoint(0, 0)));
    DeleteObject(hMono);
}

TEST(AlphaBitmapDrawing, IconFileImageOverAChequerboard)
{
    HBITMAP hBitmap = XTPLoadAlphaIconFile(SourceFile(L"resources/images/quadrants.ico"), 24);
    ASSERT_NE(nullptr, hBitmap);
    Canvas canvas(200, 110);
    for (int y = 0; y < 110; y += 10)
        for (int x = 0; x < 200; x += 10)
            canvas.DC()->FillSolidRect(x, y, 10, 10, ((x + y) / 10) % 2 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    XTPDrawTransparentBitmap(canvas.DC(), hBitmap, CPoint(10, 10));
    XTPDrawTransparentBitmap(canvas.DC(), hBitmap, CPoint(50, 10), CSize(96, 96));
    testshot::Save(testshot::CaptureDC(canvas.dc(), CRect(0, 0, 200, 110)), L"alpha_icon_file.png");
    // The transparent quadrant lets the chequerboard through; the opaque one hides it.
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(65, 85));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(75, 85));
    EXPECT_EQ(RGB(0xC8, 0x1E, 0x1E), canvas.Pixel(70, 30));
    DeleteObject(hBitmap);
}

TEST(AlphaBitmapClipboard, TheMarkerTravelsWithTheBitmapThroughTheClipboard)
{
    const UINT cfAlpha = XTPGetAlphaBitmapClipboardFormat();
    ASSERT_GE(cfAlpha, 0xC000u);
    // Registered once: asking again by name gives the same format.
    EXPECT_EQ(cfAlpha, RegisterClipboardFormatW(L"Alpha Bitmap Image"));

    HBITMAP hBitmap = MakeAlphaBitmap(2, 2, {0xFF112233, 0x80445566, 0x00000000, 0xFFFFFFFF});
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL hMarker = GlobalAlloc(GMEM_MOVEABLE, 1);
    ASSERT_NE(nullptr, SetClipboardData(CF_BITMAP, hBitmap));
    ASSERT_NE(nullptr, SetClipboardData(cfAlpha, hMarker));
    CloseClipboard();

    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(IsClipboardFormatAvailable(cfAlpha));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    WCHAR szName[64] = {};
    EXPECT_GT(GetClipboardFormatNameW(cfAlpha, szName, 64), 0);
    EXPECT_STREQ(L"Alpha Bitmap Image", szName);
    EXPECT_NE(nullptr, GetClipboardData(cfAlpha));
    EXPECT_NE(nullptr, GetClipboardData(CF_BITMAP));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(IsClipboardFormatAvailable(cfAlpha));
}

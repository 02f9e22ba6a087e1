// Pixel helpers, mnemonic stripping, fonts, bitmaps and library versions.
#include <gtest/gtest.h>
#include "DrawTestSupport.h"
#include "framework/text/CString.h"
#include "toolkit/common/system/XTPComCtlVersion.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"

TEST(DrawHelpers, MnemonicStripping)
{
    const struct
    {
        LPCWSTR text, stripped;
    } cases[] = {
        {L"&Datei", L"Datei"},     {L"Ö&ffnen", L"Öffnen"},  {L"A && B", L"A & B"},  {L"Ende&", L"Ende"},
        {L"ohne", L"ohne"},        {L"", L""},               {L"&", L""},            {L"&&", L"&"},
        {L"&&&x", L"&&x"},         {L"&&&&", L"&&&"},         {L"a&&&", L"a&&"},       {L"&a&b", L"ab"},
    };
    for (const auto& c : cases)
    {
        CString text(c.text);
        XTPStripMnemonics(text);
        EXPECT_STREQ(c.stripped, static_cast<LPCWSTR>(text)) << static_cast<LPCWSTR>(CString(c.text));
    }
}

TEST(DrawHelpers, PixelPairsAverageOnlyWholePairs)
{
    CDibCanvas canvas(10, 10, RGB(200, 100, 0));
    canvas.DC()->SetPixel(5, 5, RGB(0, 0, 0));
    canvas.DC()->SetPixel(1, 1, RGB(0, 51, 255));

    // Three points: one pair and a point without offset, which stays as it is.
    POINT* points = new POINT[3]{{1, 1}, {4, 4}, {2, 2}};
    XTPBlendPixelPairs(canvas.DC(), points, 3);
    delete[] points;
    EXPECT_EQ(RGB(0, 25, 127), canvas.Pixel(1, 1)) << "(0,51,255) with (0,0,0), rounded down";
    EXPECT_EQ(RGB(200, 100, 0), canvas.Pixel(2, 2));

    POINT pair[] = {{7, 7}, {-2, -2}};
    XTPBlendPixelPairs(canvas.DC(), pair, 0);
    EXPECT_EQ(RGB(200, 100, 0), canvas.Pixel(7, 7)) << "no points, nothing blended";
    XTPBlendPixelPairs(canvas.DC(), pair, 2);
    EXPECT_EQ(RGB(100, 50, 0), canvas.Pixel(7, 7));
}

TEST(DrawHelpers, CornersAreExcludedFromTheClip)
{
    CDibCanvas canvas(20, 20, RGB(0, 0, 0));
    XTPExcludeCorners(canvas.DC(), 2, 3, 12, 13);
    RECT rc = {0, 0, 20, 20};
    canvas.DC()->FillSolidRect(&rc, RGB(255, 255, 255));
    for (POINT corner : {POINT{2, 3}, POINT{11, 3}, POINT{2, 12}, POINT{11, 12}})
        EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(corner.x, corner.y)) << corner.x << "," << corner.y;
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(3, 3));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(12, 13));
}

TEST(DrawHelpers, BitmapCornerColourAndIcon)
{
    EXPECT_EQ(COLORREF(-1), XTPGetBitmapCornerColor(nullptr));
    EXPECT_EQ(nullptr, XTPBitmapToIcon(nullptr));

    CDibCanvas canvas(16, 12, RGB(255, 0, 255));
    canvas.DC()->FillSolidRect(4, 4, 6, 4, RGB(0, 0, 255));
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(canvas.Bitmap(), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(RGB(255, 0, 255), XTPGetBitmapCornerColor(copy));

    HICON icon = XTPBitmapToIcon(copy);
    ASSERT_NE(nullptr, icon);
    // The corner colour became transparent: drawn over green it shows green.
    CDibCanvas target(16, 12, RGB(0, 255, 0));
    DrawIconEx(target.DC()->m_hDC, 0, 0, icon, 16, 12, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(RGB(0, 255, 0), target.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), target.Pixel(5, 5));
    DestroyIcon(icon);
    DeleteObject(copy);
}

TEST(DrawHelpers, InstalledFontFaces)
{
    // An installed family, and the same name in other case.
    CString installed = AnyInstalledFontFace();
    ASSERT_FALSE(installed.IsEmpty());
    EXPECT_TRUE(XTPFontExists(installed));
    CString upper(installed);
    upper.MakeUpper();
    EXPECT_TRUE(XTPFontExists(upper)) << "case is ignored";
    EXPECT_FALSE(XTPFontExists(installed.Left(installed.GetLength() - 1) + L"#")) << "whole names only";
    EXPECT_FALSE(XTPFontExists(L"No Such Face 4711"));
}

TEST(DrawHelpers, CommonControlsVersionIsCachedAndDefaultsForOldLibraries)
{
    DWORD version = XTPGetComCtlVersion();
    EXPECT_GE(HIWORD(version), 5u);
    EXPECT_EQ(version, XTPGetComCtlVersion());

    CXTPComCtlVersion noEntryPoint(L"KERNEL32.DLL");
    EXPECT_EQ(0x40000u, noEntryPoint.GetVersion()) << "no version entry point: 4.0";
    CXTPComCtlVersion noLibrary(L"NoSuchCommonControls.dll");
    EXPECT_EQ(0x40000u, noLibrary.GetVersion());
}

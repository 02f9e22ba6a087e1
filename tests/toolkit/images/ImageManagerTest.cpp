// The image manager: loading from the program's own resources, the choice
// of the nearest width with cached scaled copies, exact-image queries,
// state images, anonymous ids, and drawing sizes.
#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CImageList.h"
#include "resources/ToolkitImageIds.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"

using namespace imagetest;

namespace {

// Draws an icon on a white canvas and answers the colour at a point.
COLORREF DrawnPixel(CXTPImageManagerIcon* pIcon, int x, int y)
{
    Canvas canvas(40, 40);
    pIcon->Draw(canvas.DC(), CPoint(0, 0));
    return canvas.Pixel(x, y);
}

} // namespace

TEST(ImageManager, NearestWidthIsScaledOnceAndCached)
{
    CXTPImageManager manager;
    HICON h16 = MakeColorIcon(16, 16, RGB(255, 0, 0));
    HICON h32 = MakeColorIcon(32, 32, RGB(0, 0, 255));
    ASSERT_TRUE(manager.SetIcon(h16, 10));
    ASSERT_TRUE(manager.SetIcon(h32, 10));
    DestroyIcon(h16);
    DestroyIcon(h32);

    CXTPImageManagerIcon* p20 = manager.GetImage(10, 20);
    ASSERT_NE(nullptr, p20);
    EXPECT_EQ(20, p20->GetWidth());
    EXPECT_EQ(20, p20->GetHeight());
    EXPECT_TRUE(p20->IsScaled());
    EXPECT_EQ(CSize(20, 20), p20->GetExtent());
    EXPECT_GT(GetRValue(DrawnPixel(p20, 10, 10)), 200); // from the red 16-pixel icon
    EXPECT_EQ(p20, manager.GetImage(10, 20));        // the copy is reused

    // Equally near: a copy of one of them, at the wanted width.
    CXTPImageManagerIcon* p24 = manager.GetImage(10, 24);
    ASSERT_NE(nullptr, p24);
    EXPECT_EQ(24, p24->GetWidth());
    EXPECT_TRUE(p24->IsScaled());
    EXPECT_EQ(p20, manager.GetImage(10, 20)); // making another copy keeps the first

    // A copy is not scaled again: 21 comes from the 16-pixel original too.
    CXTPImageManagerIcon* p21 = manager.GetImage(10, 21);
    EXPECT_EQ(21, p21->GetWidth());

    EXPECT_TRUE(manager.HasExactImage(10, 16));
    EXPECT_TRUE(manager.HasExactImage(10, 32));
    EXPECT_FALSE(manager.HasExactImage(10, 20));
    EXPECT_FALSE(manager.HasExactImage(11, 16));
    EXPECT_EQ(nullptr, manager.GetIconSet(10)->GetIcon(22, FALSE));

    // Refresh drops the copies; the originals stay.
    manager.RefreshAll();
    EXPECT_EQ(2, manager.GetIconSet(10)->GetIcons().GetCount());
    EXPECT_EQ(32, manager.GetImage(10, 32)->GetWidth());
}

TEST(ImageManager, ReplacingTheNormalImageRebuildsCopies)
{
    CXTPImageManager manager;
    HICON hRed = MakeColorIcon(16, 16, RGB(255, 0, 0));
    HICON hBlue = MakeColorIcon(16, 16, RGB(0, 0, 255));
    manager.SetIcon(hRed, 5);
    CXTPImageManagerIcon* pCopy = manager.GetImage(5, 24);
    ASSERT_TRUE(pCopy->IsScaled());
    manager.SetIcon(hBlue, 5);
    EXPECT_EQ(1, manager.GetIconSet(5)->GetIcons().GetCount());
    EXPECT_GT(GetBValue(DrawnPixel(manager.GetImage(5, 24), 12, 12)), 200);
    DestroyIcon(hRed);
    DestroyIcon(hBlue);
}

TEST(ImageManager, AlphaImagesAreNeverScaled)
{
    CXTPImageManager manager;
    ASSERT_TRUE(manager.SetIcons(IDB_TOOLKIT_ALPHA_STRIP, nullptr, 0, CSize(16, 16)));
    CXTPImageManagerIcon* pIcon = manager.GetImage(0, 20);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_EQ(16, pIcon->GetWidth());
    EXPECT_TRUE(pIcon->IsAlphaIcon());
    EXPECT_FALSE(manager.HasExactImage(0, 20));
    EXPECT_EQ(1, manager.GetIconSet(0)->GetIcons().GetCount());
    // Ten images without ids take the ids 0 to 9.
    EXPECT_NE(nullptr, manager.GetIconSet(9));
    EXPECT_EQ(nullptr, manager.GetIconSet(10));
}

TEST(ImageManager, StateImagesNeedANormalImageFirst)
{
    CXTPImageManager manager;
    HICON hIcon = MakeColorIcon(16, 16, RGB(0, 200, 0));
    EXPECT_FALSE(manager.SetIcon(hIcon, 3, CSize(16, 16), xtpImageHot));
    EXPECT_EQ(nullptr, manager.GetIconSet(3));
    EXPECT_TRUE(manager.SetIcon(hIcon, 3, CSize(16, 16), xtpImageNormal));
    EXPECT_TRUE(manager.SetIcon(hIcon, 3, CSize(16, 16), xtpImageHot));
    EXPECT_TRUE(manager.SetIcon(hIcon, 3, CSize(16, 16), 9)); // unknown state: stored nowhere, still TRUE
    CXTPImageManagerIcon* pIcon = manager.GetImage(3, 16);
    EXPECT_NE(pIcon->GetIcon().GetIcon(), pIcon->GetHotIcon().GetIcon());
    EXPECT_EQ(pIcon->GetHotIcon().GetIcon(), pIcon->GetCheckedIcon().GetIcon());
    EXPECT_EQ(pIcon->GetHotIcon().GetIcon(), pIcon->GetPressedIcon().GetIcon());
    // The stored images are copies: the caller's icon may go.
    DestroyIcon(hIcon);
    EXPECT_EQ(CSize(16, 16), pIcon->GetExtent());

    EXPECT_FALSE(manager.SetIcon(CXTPImageManagerIconHandle(), 4));
    EXPECT_FALSE(manager.SetIcon(static_cast<HICON>(nullptr), 4));
}

TEST(ImageManager, AlphaStripWithSeparators)
{
    CXTPImageManager manager;
    const UINT ids[] = {100, 0, 101, 102};
    ASSERT_TRUE(manager.SetIcons(IDB_TOOLKIT_ALPHA_STRIP, ids, 4, CSize(16, 16)));
    EXPECT_EQ(nullptr, manager.GetIconSet(0));
    // 100: the red circle, 101: the blue square, 102: the orange triangle.
    HBITMAP h100 = manager.GetImage(100, 16)->GetIcon().GetBitmap();
    HBITMAP h101 = manager.GetImage(101, 16)->GetIcon().GetBitmap();
    HBITMAP h102 = manager.GetImage(102, 16)->GetIcon().GetBitmap();
    ASSERT_TRUE(h100 && h101 && h102);
    DWORD circle = PixelOf(h100, 8, 8);
    DWORD square = PixelOf(h101, 8, 8);
    DWORD triangle = PixelOf(h102, 8, 12);
    EXPECT_EQ(0xFFu, circle >> 24);
    EXPECT_GT((circle >> 16) & 0xFF, 150u);
    EXPECT_GT(square & 0xFF, 150u);
    EXPECT_GT((triangle >> 16) & 0xFF, 150u);
    EXPECT_EQ(0u, PixelOf(h100, 0, 0) >> 24); // corner outside the circle: transparent

    // A width that does not divide the strip into whole images fails.
    EXPECT_FALSE(manager.SetIcons(IDB_TOOLKIT_ALPHA_STRIP, ids, 4, CSize(15, 16)));
}

TEST(ImageManager, ColourStripsAreCutAtTheMaskColour)
{
    CXTPImageManager manager;
    EXPECT_EQ(static_cast<COLORREF>(-1), manager.GetMaskColor());
    // No mask colour: the top-left pixel (magenta) is transparent.
    const UINT ids[] = {1, 2, 3, 4};
    ASSERT_TRUE(manager.SetIcons(IDB_TOOLKIT_MAGENTA_STRIP, ids, 4, CSize(0, 0)));
    CXTPImageManagerIcon* pStar = manager.GetImage(1, 16);
    ASSERT_NE(nullptr, pStar);
    EXPECT_FALSE(pStar->IsAlphaIcon());
    EXPECT_EQ(16, pStar->GetWidth());
    EXPECT_EQ(RGB(255, 255, 255), DrawnPixel(pStar, 0, 0));
    EXPECT_NE(RGB(255, 255, 255), DrawnPixel(pStar, 8, 8));

    // The toolbar over the green strip, with green as the mask colour.
    EXPECT_EQ(static_cast<COLORREF>(-1), manager.SetMaskColor(RGB(0, 255, 0)));
    ASSERT_TRUE(manager.SetIconsFromToolBar(IDR_TOOLKIT_GREEN_STRIP));
    for (UINT id : {200u, 201u, 202u, 203u})
    {
        CXTPImageManagerIcon* pIcon = manager.GetImage(id, 16);
        ASSERT_NE(nullptr, pIcon) << id;
        EXPECT_TRUE(manager.HasExactImage(id, 16));
        EXPECT_EQ(RGB(255, 255, 255), DrawnPixel(pIcon, 0, 0)) << id;
    }
    EXPECT_NE(RGB(255, 255, 255), DrawnPixel(manager.GetImage(201, 16), 8, 8));
    EXPECT_FALSE(manager.SetIconsFromToolBar(12345));
}

TEST(ImageManager, LoadsWithoutSizeOrCountFail)
{
    CXTPImageManager manager;
    // Neither a size nor a count: nothing to divide by.
    EXPECT_FALSE(manager.SetIcons(IDB_TOOLKIT_ALPHA_STRIP, nullptr, 0, CSize(0, 0)));
    EXPECT_FALSE(manager.SetIcons(4711, nullptr, 1, CSize(16, 16)));
    CBitmap bitmap;
    bitmap.Attach(XTPLoadAlphaBitmapResource(GetModuleHandle(nullptr), MAKEINTRESOURCE(IDB_TOOLKIT_ALPHA_STRIP)));
    EXPECT_FALSE(manager.SetIconsFromBitmap(bitmap, nullptr, 10, CSize(0, 16), 0, TRUE));
    CImageList empty;
    EXPECT_FALSE(manager.SetIconsFromImageList(empty, nullptr, 0, CSize(0, 0)));
    // A toolbar of separators only names no image to cut from its bitmap.
    EXPECT_FALSE(manager.SetIconsFromToolBar(IDR_TOOLKIT_SEPARATORS_ONLY));
    EXPECT_EQ(nullptr, manager.GetIconSet(0));
    // A handle that is not empty but has no width (no icon behind it).
    const CXTPImageManagerIconHandle widthless((HICON)GetStockObject(WHITE_BRUSH));
    ASSERT_FALSE(widthless.IsEmpty());
    EXPECT_FALSE(manager.SetIcon(widthless, 77));
    EXPECT_EQ(0u, manager.AddIconWithNewSet(widthless));
    EXPECT_EQ(nullptr, manager.GetIconSet(77));
    // An icon without width draws nothing instead of dividing by zero.
    CXTPImageManagerIcon icon(1, 0, 0);
    Canvas canvas(8, 8);
    icon.Draw(canvas.DC(), CPoint(0, 0), CSize(0, 0));
    EXPECT_EQ(0, canvas.Painted().right);
}

TEST(ImageManager, AnonymousIconsGetFreshIds)
{
    CXTPImageManager manager;
    HICON hIcon = MakeColorIcon(16, 16, RGB(9, 9, 9));
    EXPECT_EQ(0x10AAAu + 1, manager.AddIconWithNewSet(hIcon));
    EXPECT_EQ(0x10AAAu + 2, manager.AddIconWithNewSet(hIcon));
    EXPECT_EQ(16, manager.GetImage(0x10AAA + 2, 16)->GetWidth());
    EXPECT_EQ(0u, manager.AddIconWithNewSet(CXTPImageManagerIconHandle()));
    DestroyIcon(hIcon);
    manager.RemoveAll();
    EXPECT_EQ(nullptr, manager.GetIconSet(0x10AAA + 1));
}

TEST(ImageManager, ImageListsAnswerForTheirRange)
{
    CXTPImageManager manager;
    HIMAGELIST hList = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1);
    HICON hIcon = MakeColorIcon(16, 16, RGB(0, 0, 255));
    for (int i = 0; i < 3; ++i)
        ImageList_AddIcon(hList, hIcon);
    DestroyIcon(hIcon);
    manager.SetImageList(hList, 500, TRUE);

    EXPECT_EQ(nullptr, manager.GetImage(499));
    EXPECT_EQ(nullptr, manager.GetImage(503));
    CXTPImageManagerIcon* pIcon = manager.GetImage(502, 32);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_EQ(pIcon, manager.GetImage(502, 16)); // cached, any width
    EXPECT_TRUE(manager.HasExactImage(501, 16));
    EXPECT_TRUE(manager.HasExactImage(501, 0));
    EXPECT_FALSE(manager.HasExactImage(501, 20));
    EXPECT_GT(GetBValue(DrawnPixel(pIcon, 8, 8)), 200);
}

TEST(ImageManager, DrawingSizeKeepsProportions)
{
    CXTPImageManager manager;
    HICON hIcon = MakeColorIcon(16, 15, RGB(200, 0, 0));
    manager.SetIcon(hIcon, 1);
    DestroyIcon(hIcon);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    ASSERT_EQ(15, pIcon->GetHeight());
    auto paintedSize = [&](CSize size) {
        Canvas canvas(40, 40);
        pIcon->Draw(canvas.DC(), CPoint(2, 3), size);
        RECT rc = canvas.Painted();
        // The transparent corner pixel is not painted; measure from the far edges.
        return CSize(rc.right - 2, rc.bottom - 3);
    };
    EXPECT_EQ(CSize(32, 30), paintedSize(CSize(32, 0)));
    EXPECT_EQ(CSize(16, 15), paintedSize(CSize(0, 0)));
}

TEST(ImageManager, IconResourcesLoadByDepth)
{
    CXTPImageManagerIconHandle alpha;
    ASSERT_TRUE(alpha.LoadIconResource(IDI_TOOLKIT_APP, 16, 16, TRUE));
    EXPECT_TRUE(alpha.IsAlpha());
    EXPECT_EQ(CSize(16, 16), alpha.GetExtent());
    CXTPImageManagerIconHandle big;
    ASSERT_TRUE(big.LoadIconResource(IDI_TOOLKIT_APP, 32, 32, TRUE));
    EXPECT_EQ(CSize(32, 32), big.GetExtent());
    EXPECT_GT((PixelOf(big.GetBitmap(), 16, 16) >> 16) & 0xFF, 150u); // red centre, right way up

    CXTPImageManagerIconHandle plain;
    ASSERT_TRUE(plain.LoadIconResource(IDI_TOOLKIT_PLAIN1, 16, 16, TRUE));
    EXPECT_FALSE(plain.IsAlpha());
    EXPECT_NE(nullptr, plain.GetIcon());

    CXTPImageManagerIconHandle missing;
    EXPECT_FALSE(missing.LoadIconResource(IDI_TOOLKIT_APP, 24, 24, TRUE));
    EXPECT_TRUE(missing.IsEmpty());

    EXPECT_TRUE(CXTPImageManager::IsAlphaBitmapResource(IDB_TOOLKIT_ALPHA_STRIP));
    EXPECT_FALSE(CXTPImageManager::IsAlphaBitmapResource(IDB_TOOLKIT_GREEN_STRIP));
    EXPECT_EQ(nullptr, CXTPImageManager::LoadAlphaBitmap(IDB_TOOLKIT_GREEN_STRIP));
}

TEST(ImageManager, MirroredManagersDrawIconsTheOtherWayRound)
{
    // An icon red on the left half, blue on the right.
    HICON hRed = MakeColorIcon(8, 8, RGB(255, 0, 0));
    ICONINFO info = {};
    GetIconInfo(hRed, &info);
    DestroyIcon(hRed);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, info.hbmColor);
    RECT rcRight = {4, 0, 8, 8};
    HBRUSH hBlue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(hDC, &rcRight, hBlue);
    DeleteObject(hBlue);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    HICON hIcon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    CXTPImageManager manager;
    manager.SetIcon(hIcon, 1);
    DestroyIcon(hIcon);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 8);
    EXPECT_EQ(RGB(255, 0, 0), DrawnPixel(pIcon, 1, 4));
    manager.SetDrawMirrored(TRUE);
    EXPECT_EQ(RGB(0, 0, 255), DrawnPixel(pIcon, 1, 4));
    EXPECT_EQ(RGB(255, 0, 0), DrawnPixel(pIcon, 6, 4));
}

TEST(ImageManager, IconStatePaintsTheSilhouette)
{
    CXTPImageManager manager;
    HICON hIcon = MakeColorIcon(8, 8, RGB(255, 0, 0));
    manager.SetIcon(hIcon, 1);
    DestroyIcon(hIcon);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 8);
    HBRUSH hBrush = CreateSolidBrush(RGB(0, 128, 0));
    Canvas canvas(10, 10);
    XTPDrawIconState(pIcon, canvas.DC(), 1, 1, pIcon->GetIcon(), hBrush);
    DeleteObject(hBrush);
    EXPECT_EQ(RGB(0, 128, 0), canvas.Pixel(5, 5));
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(1, 1)); // the transparent corner
    EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(9, 9));
}

// Bitmaps of every depth but 32 bits handed to the image manager become
// opaque 32-bit images of their own size, which store and load again, and
// the rest of the archive after them still loads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/images/ImageTestSupport.h"
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"

using namespace imagetest;

namespace {

const int kSize = 16;
const COLORREF kLeft = RGB(200, 40, 40);
const COLORREF kRight = RGB(24, 48, 200);

struct Kind
{
    std::string name;
    std::function<HBITMAP()> make;
    COLORREF left, right; // what the kind can hold of the two colours
};

HBITMAP MakeDibOfDepth(int nBits, DWORD dwCompression = BI_RGB)
{
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } bi = {};
    bi.header = {DWORD(sizeof(BITMAPINFOHEADER)), kSize, kSize, 1, WORD(nBits), dwCompression};
    if (dwCompression == BI_BITFIELDS)
    {
        DWORD* pMasks = reinterpret_cast<DWORD*>(bi.colours);
        pMasks[0] = 0xF800;
        pMasks[1] = 0x07E0;
        pMasks[2] = 0x001F;
    }
    else if (nBits <= 8)
    {
        bi.header.biClrUsed = nBits == 1 ? 2 : 4;
        bi.colours[0] = {0, 0, 0, 0};
        bi.colours[1] = {255, 255, 255, 0};
        bi.colours[2] = {GetBValue(kLeft), GetGValue(kLeft), GetRValue(kLeft), 0};
        bi.colours[3] = {GetBValue(kRight), GetGValue(kRight), GetRValue(kRight), 0};
    }
    void* pBits = nullptr;
    return CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS, &pBits, nullptr, 0);
}

// Left half one colour, right half the other.
void Paint(HBITMAP hBitmap, COLORREF left, COLORREF right)
{
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    HBRUSH hLeft = CreateSolidBrush(left), hRight = CreateSolidBrush(right);
    RECT rcLeft = {0, 0, kSize / 2, kSize}, rcRight = {kSize / 2, 0, kSize, kSize};
    FillRect(hDC, &rcLeft, hLeft);
    FillRect(hDC, &rcRight, hRight);
    DeleteObject(hLeft);
    DeleteObject(hRight);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
}

std::vector<Kind> Kinds()
{
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    return {
        {"1-bit DIB", [] { return MakeDibOfDepth(1); }, black, white},
        {"4-bit DIB", [] { return MakeDibOfDepth(4); }, kLeft, kRight},
        {"8-bit DIB", [] { return MakeDibOfDepth(8); }, kLeft, kRight},
        {"16-bit DIB 5-5-5", [] { return MakeDibOfDepth(16); }, kLeft, kRight},
        {"16-bit DIB 5-6-5", [] { return MakeDibOfDepth(16, BI_BITFIELDS); }, kLeft, kRight},
        {"24-bit DIB", [] { return MakeDibOfDepth(24); }, kLeft, kRight},
        {"monochrome bitmap", [] { return CreateBitmap(kSize, kSize, 1, 1, nullptr); }, black, white},
    };
}

bool Near(COLORREF expected, DWORD argb)
{
    return std::abs(int(GetRValue(expected)) - int((argb >> 16) & 0xFF)) <= 8 &&
           std::abs(int(GetGValue(expected)) - int((argb >> 8) & 0xFF)) <= 8 &&
           std::abs(int(GetBValue(expected)) - int(argb & 0xFF)) <= 8;
}

// The stored image: an opaque 32-bit image of the bitmap's size and colours.
void ExpectOpaqueImage(CXTPImageManager& manager, UINT nCommand, const Kind& kind)
{
    CXTPImageManagerIconSet* pSet = manager.GetIconSet(nCommand);
    ASSERT_NE(nullptr, pSet);
    CXTPImageManagerIcon* pIcon = pSet->GetIcon(kSize, FALSE);
    ASSERT_NE(nullptr, pIcon);
    EXPECT_EQ(kSize, pIcon->GetWidth());
    EXPECT_EQ(kSize, pIcon->GetHeight());
    ASSERT_TRUE(pIcon->IsAlphaIcon());
    HBITMAP hImage = pIcon->GetIcon().GetBitmap();
    DWORD left = PixelOf(hImage, 2, 3), right = PixelOf(hImage, kSize - 3, kSize - 4);
    EXPECT_EQ(0xFFu, left >> 24);
    EXPECT_EQ(0xFFu, right >> 24);
    EXPECT_TRUE(Near(kind.left, left)) << std::hex << left;
    EXPECT_TRUE(Near(kind.right, right)) << std::hex << right;
}

} // namespace

TEST(ImageOtherDepths, StoredAsOpaque32BitImagesThatLoadAgain)
{
    const DWORD kAfter = 0x5EC0A7u;
    for (const Kind& kind : Kinds())
    {
        SCOPED_TRACE(kind.name);
        HBITMAP hBitmap = kind.make();
        ASSERT_NE(nullptr, hBitmap);
        Paint(hBitmap, kind.left, kind.right);

        CXTPImageManager source;
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(hBitmap), 1, CSize(0, 0)));
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(hBitmap), 1, CSize(kSize, kSize), xtpImageHot));
        DeleteObject(hBitmap);
        ExpectOpaqueImage(source, 1, kind);

        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            source.Serialize(ar);
            ar << kAfter;
            ar.Close();
        }
        file.SeekToBegin();
        CXTPImageManager loaded;
        DWORD dwAfter = 0;
        {
            CArchive ar(&file, CArchive::load);
            loaded.Serialize(ar);
            ar >> dwAfter;
        }
        EXPECT_EQ(kAfter, dwAfter) << "what follows in the archive loads too";
        ExpectOpaqueImage(loaded, 1, kind);
        CXTPImageManagerIcon* pIcon = loaded.GetIconSet(1) ? loaded.GetIconSet(1)->GetIcon(kSize, FALSE) : nullptr;
        ASSERT_NE(nullptr, pIcon);
        EXPECT_FALSE(pIcon->GetHotIcon().IsEmpty()) << "the state image came back";
    }
}

// The image manager's icons stored and loaded through property exchange
// back ends and archives, and pasted from the clipboard, including data
// that no writer of ours would produce.
#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>
#include <shlwapi.h>

#include <vector>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CMemFile.h"
#include "toolkit/common/XTPImageManager.h"
#include "toolkit/common/XTPImageManagerIcon.h"
#include "toolkit/common/XTPImageManagerIconSet.h"
#include "toolkit/common/XTPImageManagerPersist.h"
#include "toolkit/common/XTPPropExchangeArchive.h"
#include "toolkit/common/XTPPropExchangeRegistry.h"

namespace {

typedef std::vector<DWORD> Pixels;

HBITMAP MakeDib(int width, int height, const Pixels& pixels)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    memcpy(bits, pixels.data(), pixels.size() * 4);
    return bitmap;
}

Pixels ReadPixels(HBITMAP bitmap)
{
    BITMAP bm = {};
    GetObjectW(bitmap, sizeof(bm), &bm);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    Pixels pixels(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, bm.bmHeight, pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return pixels;
}

// Straight alpha that runs from transparent to opaque.
Pixels AlphaPattern(int width, int height, BYTE red)
{
    Pixels pixels;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            pixels.push_back((DWORD(x * 255 / (width - 1)) << 24) | (DWORD(red) << 16) | DWORD(y * 16));
    return pixels;
}

// An icon whose left half is transparent through its mask (and black in
// its colour bitmap there).
HICON MakeMaskedIcon(int width, int height, COLORREF color)
{
    Pixels colorPixels(static_cast<size_t>(width) * height, RGB(GetBValue(color), GetGValue(color), GetRValue(color)));
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width / 2; x++)
            colorPixels[static_cast<size_t>(y) * width + x] = 0;
    HBITMAP colorBitmap = MakeDib(width, height, colorPixels);
    std::vector<BYTE> maskBits(static_cast<size_t>((width + 15) / 16 * 2) * height, 0);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width / 2; x++)
            maskBits[static_cast<size_t>(y) * ((width + 15) / 16 * 2) + x / 8] |= BYTE(0x80 >> (x % 8));
    HBITMAP mask = CreateBitmap(width, height, 1, 1, maskBits.data());
    ICONINFO info = {TRUE, 0, 0, mask, colorBitmap};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colorBitmap);
    DeleteObject(mask);
    return icon;
}

// What an icon shows over white and over black.
std::pair<Pixels, Pixels> IconLook(HICON icon, int width, int height)
{
    std::pair<Pixels, Pixels> look;
    for (int pass = 0; pass < 2; pass++) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP target = MakeDib(width, height, Pixels(static_cast<size_t>(width) * height, pass ? 0 : 0xFFFFFF));
        HGDIOBJ old = SelectObject(dc, target);
        DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
        SelectObject(dc, old);
        (pass ? look.second : look.first) = ReadPixels(target);
        for (DWORD& p : pass ? look.second : look.first)
            p &= 0xFFFFFF;
        DeleteObject(target);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    return look;
}

const UINT ALPHA_ID = 100;
const UINT MASKED_ID = 101;

class ImagePersistTest : public ::testing::Test
{
protected:
    CXTPImageManager source;
    HICON masked16 = nullptr;
    HICON masked24 = nullptr;
    HICON hot16 = nullptr;

    void SetUp() override
    {
        HBITMAP alpha = MakeDib(16, 16, AlphaPattern(16, 16, 0xC0));
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(alpha), ALPHA_ID, CSize(16, 16)));
        DeleteObject(alpha);
        masked16 = MakeMaskedIcon(16, 16, RGB(200, 30, 40));
        masked24 = MakeMaskedIcon(24, 24, RGB(10, 120, 240));
        hot16 = MakeMaskedIcon(16, 16, RGB(0, 200, 0));
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(masked16), MASKED_ID, CSize(16, 16)));
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(masked24), MASKED_ID, CSize(24, 24)));
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(hot16), MASKED_ID, CSize(16, 16), xtpImageHot));
    }

    void TearDown() override
    {
        DestroyIcon(masked16);
        DestroyIcon(masked24);
        DestroyIcon(hot16);
    }

    // The loaded manager holds what SetUp stored.
    void ExpectSameIcons(CXTPImageManager& loaded)
    {
        CXTPImageManagerIcon* alpha = loaded.GetIconSet(ALPHA_ID)->GetIcon(16, FALSE);
        ASSERT_NE(alpha, nullptr);
        EXPECT_TRUE(alpha->IsAlphaIcon());
        EXPECT_EQ(ReadPixels(alpha->GetIcon().GetBitmap()), AlphaPattern(16, 16, 0xC0));

        CXTPImageManagerIconSet* set = loaded.GetIconSet(MASKED_ID);
        ASSERT_NE(set, nullptr);
        for (auto [width, original] : {std::make_pair(16, masked16), std::make_pair(24, masked24)}) {
            CXTPImageManagerIcon* icon = set->GetIcon(width, FALSE);
            ASSERT_NE(icon, nullptr) << width;
            ASSERT_NE(icon->GetIcon().GetIcon(), nullptr);
            EXPECT_EQ(icon->GetHeight(), width);
            EXPECT_EQ(IconLook(icon->GetIcon().GetIcon(), width, width), IconLook(original, width, width));
        }
        CXTPImageManagerIcon* icon16 = set->GetIcon(16, FALSE);
        EXPECT_EQ(IconLook(icon16->GetHotIcon().GetIcon(), 16, 16), IconLook(hot16, 16, 16));
        EXPECT_TRUE(icon16->GetPressedIcon().GetIcon() == icon16->GetHotIcon().GetIcon());
    }
};

TEST_F(ImagePersistTest, IconsRoundTripThroughAnArchive)
{
    // A scaled copy exists but is not stored.
    ASSERT_NE(source.GetImage(ALPHA_ID + 1, 32), nullptr);
    ASSERT_TRUE(source.GetImage(MASKED_ID, 32)->IsScaled());

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        source.Serialize(ar);
        ar.Close();
    }
    file.SeekToBegin();
    CXTPImageManager loaded;
    loaded.SetIcon(CXTPImageManagerIconHandle(masked16), 7, CSize(16, 16));
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(loaded.GetIconSet(7), nullptr);   // loading starts from nothing
    ExpectSameIcons(loaded);
    EXPECT_FALSE(loaded.HasExactImage(MASKED_ID, 32));
}

TEST_F(ImagePersistTest, IconsRoundTripThroughTheRegistry)
{
    const wchar_t* key = L"Software\\Tavrolin\\Tests\\ImagePersist";
    SHDeleteKeyW(HKEY_CURRENT_USER, key);
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, key);
        source.DoPropExchange(&px);
    }
    CXTPImageManager loaded;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, key);
        loaded.DoPropExchange(&px);
    }
    SHDeleteKeyW(HKEY_CURRENT_USER, key);
    ExpectSameIcons(loaded);
}

TEST_F(ImagePersistTest, LoadingAnIdReplacesItsIconsAndRaisesTheNextId)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        source.SerializeCommandIcons(ALPHA_ID, ar);
        ar.Close();
    }
    CXTPImageManager target;
    target.SetIcon(CXTPImageManagerIconHandle(masked24), 0x20000, CSize(24, 24));
    target.SetIcon(CXTPImageManagerIconHandle(masked24), 0x20000, CSize(32, 32));
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        target.SerializeCommandIcons(0x20000, ar);
    }
    CXTPImageManagerIconSet* set = target.GetIconSet(0x20000);
    EXPECT_EQ(set->GetIcons().GetCount(), 1);
    EXPECT_TRUE(set->GetIcon(16, FALSE)->IsAlphaIcon());
    EXPECT_EQ(target.GetNextCommand(), 0x20000u);
}

TEST_F(ImagePersistTest, WrongCheckSumIsABadClass)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CString(L"Something else") << DWORD(0);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    try {
        source.SerializeCommandIcons(5, ar);
        FAIL() << "no exception";
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::badClass);
        e->Delete();
    }
}

TEST(ImagePersistRecord, OldRecordsLackCheckedAndPressedImages)
{
    CXTPImageManager manager;
    CXTPImageManagerIconSet* set = nullptr;
    HBITMAP alpha = MakeDib(16, 16, AlphaPattern(16, 16, 0x40));
    manager.SetIcon(CXTPImageManagerIconHandle(alpha), 1, CSize(16, 16));
    set = manager.GetIconSet(1);

    // Height 15, version 7, then normal, disabled and hot images only.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPImageManagerIcon* icon = set->GetIcon(16, FALSE);
        CMemFile full;
        CArchive arFull(&full, CArchive::store);
        icon->Serialize(arFull);
        arFull.Close();
        UINT length = static_cast<UINT>(full.GetLength());
        std::vector<BYTE> bytes(length);
        full.SeekToBegin();
        full.Read(bytes.data(), length);
        bytes[4] = 7;
        // The normal image, then four empty images of two empty blocks each;
        // a version-7 record ends after the hot image.
        ar.Write(bytes.data(), length - 16);
        ar << DWORD(0xABCD);
        ar.Close();
    }
    file.SeekToBegin();
    CXTPImageManagerIcon loaded(1, 16, 15);
    CArchive ar(&file, CArchive::load);
    loaded.Serialize(ar);
    DWORD marker = 0;
    ar >> marker;
    EXPECT_EQ(marker, 0xABCDu);
    EXPECT_TRUE(loaded.IsAlphaIcon());
    EXPECT_EQ(loaded.GetCheckedIcon().GetBitmap(), loaded.GetIcon().GetBitmap());
    EXPECT_EQ(loaded.GetPressedIcon().GetBitmap(), loaded.GetIcon().GetBitmap());
    DeleteObject(alpha);
}

class ImageClipboardTest : public ImagePersistTest
{
protected:
    void SetUp() override
    {
        ImagePersistTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    }
    void TearDown() override
    {
        OleUninitialize();
        ImagePersistTest::TearDown();
    }

    void PutOnClipboard(const std::vector<BYTE>& bytes)
    {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        memcpy(GlobalLock(block), bytes.data(), bytes.size());
        GlobalUnlock(block);
        SetClipboardData(XTPGetImageClipboardFormat(), block);
        CloseClipboard();
    }

    UINT Paste(CXTPImageManager& manager)
    {
        IDataObject* data = nullptr;
        if (FAILED(OleGetClipboard(&data)))
            return 0;
        UINT id = manager.PasteFromClipboard(data);
        data->Release();
        return id;
    }
};

TEST_F(ImageClipboardTest, TwoPastesGiveTwoNewIds)
{
    for (UINT id : {ALPHA_ID, MASKED_ID}) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        EXPECT_TRUE(source.CopyToClipboard(id));
        CloseClipboard();

        // Icons loaded under 0x30000 raise the ids handed out after them.
        CXTPImageManager target;
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            source.SerializeCommandIcons(MASKED_ID, ar);
            ar.Close();
        }
        file.SeekToBegin();
        {
            CArchive ar(&file, CArchive::load);
            target.SerializeCommandIcons(0x30000, ar);
        }
        UINT first = Paste(target);
        UINT second = Paste(target);
        EXPECT_EQ(first, 0x30001u);
        EXPECT_EQ(second, 0x30002u);
        for (UINT pasted : {first, second}) {
            CXTPImageManagerIcon* icon = target.GetIconSet(pasted)->GetIcon(16, FALSE);
            ASSERT_NE(icon, nullptr);
            if (id == ALPHA_ID)
                EXPECT_EQ(ReadPixels(icon->GetIcon().GetBitmap()), AlphaPattern(16, 16, 0xC0));
            else
                EXPECT_EQ(IconLook(icon->GetIcon().GetIcon(), 16, 16), IconLook(masked16, 16, 16));
        }
    }
}

// A clipboard record with one icon of width 16 whose normal image is the
// given bitmap block.
std::vector<BYTE> RecordWithBlock(const std::vector<DWORD>& block)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CString(L"CXTPImageManagerIcons");
        ar.WriteCount(1);
        ar << long(16);
        ar << DWORD(16) << DWORD(17);
        for (DWORD value : block)
            ar << value;
        for (int i = 0; i < 9; i++)
            ar << DWORD(0);
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

std::vector<DWORD> Header(DWORD headerSize, LONG width, LONG height, WORD bitCount, DWORD imageSize)
{
    std::vector<DWORD> block = {headerSize, 40, DWORD(width), DWORD(height), DWORD(1) | (DWORD(bitCount) << 16),
                                0, imageSize, 0, 0, 0, 0};
    block.resize(1 + headerSize / 4, 0);
    return block;
}

TEST_F(ImageClipboardTest, MalformedDataIsRefused)
{
    struct Case
    {
        const char* name;
        std::vector<DWORD> block;
    };
    std::vector<Case> cases = {
        {"header size below the info header", {20, 40, 16, 16, 0x200001}},
        {"header size far too large", {0x7FFFFFF0}},
        {"bit count unknown", Header(52, 16, 16, 7, 0)},
        {"header size not matching the bit count", Header(52, 16, 16, 8, 0)},
        {"huge width", Header(52, 0x40000000, 16, 32, 0)},
        {"zero height", Header(52, 16, 0, 32, 0)},
        {"negative width", Header(52, -16, 16, 32, 0)},
        {"pixels promised but missing", [] {
             auto b = Header(52, 16, 16, 32, 1024);
             b.push_back(0x10000000);
             return b;
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutOnClipboard(RecordWithBlock(c.block));
        CXTPImageManager target;
        UINT before = target.GetNextCommand();
        EXPECT_EQ(Paste(target), 0u);
        EXPECT_EQ(target.GetNextCommand(), before + 1);
        EXPECT_EQ(target.GetIconSet(before + 1), nullptr);
    }
}

TEST_F(ImageClipboardTest, OversizedPixelBlockIsCutToTheBitmap)
{
    // A 2 x 2 bitmap that claims 4 KB of pixels: the first 16 bytes are the
    // bitmap, the rest is read past, and the record goes on after it.
    std::vector<DWORD> block = Header(52, 2, 2, 32, 4096);
    block.push_back(4096);
    for (DWORD i = 0; i < 1024; i++)
        block.push_back(0xFF000000 | (i * 0x010101));
    block.push_back(0);   // no mask: an alpha image
    PutOnClipboard(RecordWithBlock(block));
    CXTPImageManager target;
    UINT id = Paste(target);
    ASSERT_NE(id, 0u);
    CXTPImageManagerIcon* icon = target.GetIconSet(id)->GetIcon(16, FALSE);
    ASSERT_TRUE(icon->IsAlphaIcon());
    EXPECT_EQ(ReadPixels(icon->GetIcon().GetBitmap()), (Pixels{0xFF000000, 0xFF010101, 0xFF020202, 0xFF030303}));
}

} // namespace

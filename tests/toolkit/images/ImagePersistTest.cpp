// The image manager's icons stored and loaded through property exchange
// back ends and archives, and pasted from the clipboard, including data
// that no writer of ours would produce.
#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>

#include <vector>

#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "framework/files/CMemFile.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"
#include "toolkit/common/images/XTPImageManagerPersist.h"

namespace {

typedef std::vector<DWORD> Pixels;

BITMAPINFO Info32(int width, int height)
{
    BITMAPINFO bi = {};
    bi.bmiHeader = {DWORD(sizeof(BITMAPINFOHEADER)), width, height, 1, 32};
    return bi;
}

HBITMAP MakeDib(int width, int height, const Pixels& pixels)
{
    BITMAPINFO bi = Info32(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    memcpy(bits, pixels.data(), pixels.size() * 4);
    return bitmap;
}

Pixels ReadPixels(HBITMAP bitmap)
{
    BITMAP bm = {};
    GetObjectW(bitmap, sizeof(bm), &bm);
    BITMAPINFO bi = Info32(bm.bmWidth, bm.bmHeight);
    Pixels pixels(size_t(bm.bmWidth) * bm.bmHeight);
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
HICON MakeMaskedIcon(int size, COLORREF color)
{
    Pixels colorPixels(size_t(size) * size, RGB(GetBValue(color), GetGValue(color), GetRValue(color)));
    int stride = (size + 15) / 16 * 2;
    std::vector<BYTE> maskBits(size_t(stride) * size, 0);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size / 2; x++) {
            colorPixels[size_t(y) * size + x] = 0;
            maskBits[size_t(y) * stride + x / 8] |= BYTE(0x80 >> (x % 8));
        }
    HBITMAP colorBitmap = MakeDib(size, size, colorPixels);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, maskBits.data());
    ICONINFO info = {TRUE, 0, 0, mask, colorBitmap};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colorBitmap);
    DeleteObject(mask);
    return icon;
}

// What an icon shows over a background; over white and black the mask shows.
Pixels IconOver(HICON icon, int size, DWORD background)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = MakeDib(size, size, Pixels(size_t(size) * size, background));
    HGDIOBJ old = SelectObject(dc, target);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    SelectObject(dc, old);
    Pixels pixels = ReadPixels(target);
    for (DWORD& p : pixels)
        p &= 0xFFFFFF;
    DeleteObject(target);
    DeleteDC(dc);
    return pixels;
}

void ExpectSameLook(HICON actual, HICON expected, int size)
{
    ASSERT_NE(actual, nullptr);
    EXPECT_EQ(IconOver(actual, size, 0xFFFFFF), IconOver(expected, size, 0xFFFFFF));
    EXPECT_EQ(IconOver(actual, size, 0), IconOver(expected, size, 0));
}

// Runs store on a storing archive over file, then rewinds the file.
template <class Store> void StoreInto(CMemFile& file, Store store)
{
    {
        CArchive ar(&file, CArchive::store);
        store(ar);
        ar.Close();
    }
    file.SeekToBegin();
}

const UINT ALPHA_ID = 100;
const UINT MASKED_ID = 101;

class ImagePersistTest : public ::testing::Test
{
protected:
    CXTPImageManager source;
    HICON masked16 = MakeMaskedIcon(16, RGB(200, 30, 40));
    HICON masked24 = MakeMaskedIcon(24, RGB(10, 120, 240));
    HICON hot16 = MakeMaskedIcon(16, RGB(0, 200, 0));

    void SetUp() override
    {
        HBITMAP alpha = MakeDib(16, 16, AlphaPattern(16, 16, 0xC0));
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(alpha), ALPHA_ID, CSize(16, 16)));
        DeleteObject(alpha);
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(masked16), MASKED_ID, CSize(16, 16)));
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(masked24), MASKED_ID, CSize(24, 24)));
        ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(hot16), MASKED_ID, CSize(16, 16), xtpImageHot));
    }

    void TearDown() override
    {
        for (HICON icon : {masked16, masked24, hot16})
            DestroyIcon(icon);
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
        for (auto [size, original] : {std::make_pair(16, masked16), std::make_pair(24, masked24)}) {
            CXTPImageManagerIcon* icon = set->GetIcon(size, FALSE);
            ASSERT_NE(icon, nullptr) << size;
            EXPECT_EQ(icon->GetHeight(), size);
            ExpectSameLook(icon->GetIcon().GetIcon(), original, size);
        }
        CXTPImageManagerIcon* icon16 = set->GetIcon(16, FALSE);
        ExpectSameLook(icon16->GetHotIcon().GetIcon(), hot16, 16);
        EXPECT_TRUE(icon16->GetPressedIcon().GetIcon() == icon16->GetHotIcon().GetIcon());
    }
};

// Through an archive: the registry and XML back ends share this exchange
// and are covered with the property exchange itself.
TEST_F(ImagePersistTest, IconsRoundTripThroughAnArchive)
{
    // A scaled copy exists but is not stored.
    ASSERT_TRUE(source.GetImage(MASKED_ID, 32)->IsScaled());
    CMemFile file;
    StoreInto(file, [&](CArchive& ar) { source.Serialize(ar); });
    CXTPImageManager loaded;
    loaded.SetIcon(CXTPImageManagerIconHandle(masked16), 7, CSize(16, 16));
    CArchive ar(&file, CArchive::load);
    loaded.Serialize(ar);
    EXPECT_EQ(loaded.GetIconSet(7), nullptr);   // loading starts from nothing
    ExpectSameIcons(loaded);
    EXPECT_FALSE(loaded.HasExactImage(MASKED_ID, 32));
}

TEST_F(ImagePersistTest, WrongCheckSumIsABadClass)
{
    CMemFile file;
    StoreInto(file, [](CArchive& ar) { ar << CString(L"Something else") << DWORD(0); });
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
    HBITMAP alpha = MakeDib(16, 16, AlphaPattern(16, 16, 0x40));
    manager.SetIcon(CXTPImageManagerIconHandle(alpha), 1, CSize(16, 16));
    DeleteObject(alpha);
    CMemFile full;
    StoreInto(full, [&](CArchive& ar) { manager.GetIconSet(1)->GetIcon(16, FALSE)->Serialize(ar); });
    std::vector<BYTE> bytes(static_cast<size_t>(full.GetLength()));
    full.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    bytes[4] = 7;

    // A version-7 record ends after the hot image: drop the last two empty
    // images (two empty blocks each) and put a marker where they were.
    CMemFile file;
    StoreInto(file, [&](CArchive& ar) {
        ar.Write(bytes.data(), static_cast<UINT>(bytes.size() - 16));
        ar << DWORD(0xABCD);
    });
    CXTPImageManagerIcon loaded(1, 16, 15);
    CArchive ar(&file, CArchive::load);
    loaded.Serialize(ar);
    DWORD marker = 0;
    ar >> marker;
    EXPECT_EQ(marker, 0xABCDu);
    EXPECT_TRUE(loaded.IsAlphaIcon());
    EXPECT_EQ(loaded.GetCheckedIcon().GetBitmap(), loaded.GetIcon().GetBitmap());
    EXPECT_EQ(loaded.GetPressedIcon().GetBitmap(), loaded.GetIcon().GetBitmap());
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
        SCOPED_TRACE(id);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        EXPECT_TRUE(source.CopyToClipboard(id));
        CloseClipboard();

        // Loading an id replaces its icons, and raises the ids handed out after it.
        CXTPImageManager target;
        target.SetIcon(CXTPImageManagerIconHandle(masked24), 0x30000, CSize(24, 24));
        target.SetIcon(CXTPImageManagerIconHandle(masked24), 0x30000, CSize(32, 32));
        CMemFile file;
        StoreInto(file, [&](CArchive& ar) { source.SerializeCommandIcons(ALPHA_ID, ar); });
        CArchive ar(&file, CArchive::load);
        target.SerializeCommandIcons(0x30000, ar);
        EXPECT_EQ(target.GetIconSet(0x30000)->GetIcons().GetCount(), 1);

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
                ExpectSameLook(icon->GetIcon().GetIcon(), masked16, 16);
        }
    }
}

TEST_F(ImageClipboardTest, OneIconCopiesItsWholeSetOrItselfAlone)
{
    ASSERT_TRUE(source.GetImage(MASKED_ID, 32)->IsScaled());
    struct Case
    {
        CXTPImageManagerIcon* icon;
        std::vector<int> widths;
    };
    HBITMAP alpha = MakeDib(16, 16, AlphaPattern(16, 16, 0x40));
    CXTPImageManagerIcon lone(5, 16, 16);
    lone.SetIcon(CXTPImageManagerIconHandle(alpha));
    DeleteObject(alpha);
    const Case cases[] = {
        {source.GetIconSet(MASKED_ID)->GetIcon(24, FALSE), {16, 24}}, // the set, not its scaled copy
        {&lone, {16}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        EXPECT_TRUE(c.icon->CopyToClipboard());
        CloseClipboard();
        CXTPImageManager target;
        const UINT id = Paste(target);
        ASSERT_NE(id, 0u);
        CXTPImageManagerIconSet* set = target.GetIconSet(id);
        ASSERT_NE(set, nullptr);
        EXPECT_EQ(set->GetIcons().GetCount(), static_cast<INT_PTR>(c.widths.size()));
        for (int width : c.widths)
            EXPECT_NE(set->GetIcon(width, FALSE), nullptr) << width;
    }
    CXTPImageManager target;
    CXTPImageManagerIcon* pasted = target.GetIconSet(Paste(target))->GetIcon(16, FALSE);
    EXPECT_TRUE(pasted->IsAlphaIcon());
    EXPECT_EQ(ReadPixels(pasted->GetIcon().GetBitmap()), AlphaPattern(16, 16, 0x40));
}

// A clipboard record with one icon of width 16 whose normal image is the
// given bitmap block.
std::vector<BYTE> RecordWithBlock(const std::vector<DWORD>& block)
{
    CMemFile file;
    StoreInto(file, [&](CArchive& ar) {
        ar << CString(L"CXTPImageManagerIcons");
        ar.WriteCount(1);
        ar << long(16) << DWORD(16) << DWORD(17);
        for (DWORD value : block)
            ar << value;
        for (int i = 0; i < 9; i++)
            ar << DWORD(0);
    });
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
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
    std::vector<DWORD> missingPixels = Header(52, 16, 16, 32, 1024);
    missingPixels.push_back(0x10000000);
    struct Case
    {
        const char* name;
        std::vector<DWORD> block;
    } cases[] = {
        {"header size below the info header", {20, 40, 16, 16, 0x200001}},
        {"header size far too large", {0x7FFFFFF0}},
        {"bit count unknown", Header(52, 16, 16, 7, 0)},
        {"header size not matching the bit count", Header(52, 16, 16, 8, 0)},
        {"huge width", Header(52, 0x40000000, 16, 32, 0)},
        {"zero height", Header(52, 16, 0, 32, 0)},
        {"negative width", Header(52, -16, 16, 32, 0)},
        {"pixels promised but missing", missingPixels},
        {"a huge bitmap from a few pixel bytes", [] {
             std::vector<DWORD> block = Header(52, 4096, 4096, 32, 16);
             block.insert(block.end(), {16, 1, 2, 3, 4});
             return block;
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

// A header claiming more colours than its block holds makes the system read
// colour entries past the header's buffer: such a block is refused (and is
// never copied on), and copies and pastes of sound icons go on in the same
// process.
TEST_F(ImageClipboardTest, AColourCountBeyondTheHeaderIsRefusedAndLaterPastesStaySound)
{
    CXTPImageManager target;
    for (WORD bitCount : {WORD(1), WORD(4), WORD(32)}) {
        SCOPED_TRACE(bitCount);
        const DWORD headerSize = bitCount == 4 ? 40 + 16 * 4 : 52;
        std::vector<DWORD> block = Header(headerSize, 16, 16, bitCount, 0);
        block[9] = 256;  // colours used
        const DWORD pixelBytes = 16 * ((16 * bitCount + 31) / 32) * 4;
        block.push_back(pixelBytes);
        block.resize(block.size() + pixelBytes / 4, 0x55AA55AA);
        block.push_back(0);  // no mask: a lone bitmap
        PutOnClipboard(RecordWithBlock(block));
        const UINT damaged = Paste(target);
        EXPECT_EQ(damaged, 0u);
        EXPECT_EQ(target.GetIconSet(target.GetNextCommand()), nullptr);
        if (damaged != 0) {
            // What the user does next with a pasted image: copy it on.
            ASSERT_TRUE(OpenClipboard(nullptr));
            EmptyClipboard();
            target.CopyToClipboard(damaged);
            CloseClipboard();
        }
    }

    UINT id = MASKED_ID;
    CXTPImageManager* from = &source;
    for (int round = 0; round < 3; round++) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        EXPECT_TRUE(from->CopyToClipboard(id));
        CloseClipboard();
        id = Paste(target);
        ASSERT_NE(id, 0u);
        from = &target;
        ExpectSameLook(target.GetIconSet(id)->GetIcon(16, FALSE)->GetIcon().GetIcon(), masked16, 16);
    }
}

// A record of a few kilobytes that claims 4096 x 4096 colour and mask
// bitmaps for all five images of four icons: were it taken, each paste would
// make gigabytes of bitmaps from nothing and take seconds. It is refused,
// paste after paste, and a sound paste still works afterwards.
TEST_F(ImageClipboardTest, HugeBitmapsClaimedByFewBytesAreRefusedPasteAfterPaste)
{
    std::vector<DWORD> image = Header(52, 4096, 4096, 32, 0);
    image.insert(image.end(), {16, 1, 2, 3, 4});
    std::vector<DWORD> mask = Header(52, 4096, 4096, 1, 0);
    mask.insert(mask.end(), {16, 1, 2, 3, 4});
    std::vector<DWORD> icon;
    for (int i = 0; i < 5; i++) {
        icon.insert(icon.end(), image.begin(), image.end());
        icon.insert(icon.end(), mask.begin(), mask.end());
    }
    // Four such icons in one record.
    CMemFile file;
    StoreInto(file, [&](CArchive& ar) {
        ar << CString(L"CXTPImageManagerIcons");
        ar.WriteCount(4);
        for (long width = 16; width < 20; width++) {
            ar << width << DWORD(16) << DWORD(17);
            for (DWORD value : icon)
                ar << value;
        }
    });
    std::vector<BYTE> record(static_cast<size_t>(file.GetLength()));
    file.Read(record.data(), static_cast<UINT>(record.size()));
    EXPECT_LT(record.size(), 5000u);

    CXTPImageManager target;
    for (int round = 0; round < 3; round++) {
        SCOPED_TRACE(round);
        PutOnClipboard(record);
        EXPECT_EQ(Paste(target), 0u);
    }
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    EXPECT_TRUE(source.CopyToClipboard(MASKED_ID));
    CloseClipboard();
    const UINT id = Paste(target);
    ASSERT_NE(id, 0u);
    ExpectSameLook(target.GetIconSet(id)->GetIcon(16, FALSE)->GetIcon().GetIcon(), masked16, 16);
}

} // namespace

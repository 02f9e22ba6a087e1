// The structure check that GIFs and bitmaps pass before the system's
// decoders see them.
#include <gtest/gtest.h>

#include <cstring>

#include "support/PictureFileBytes.h"
#include "toolkit/common/images/XTPPictureFileCheck.h"

namespace {

TEST(PictureFileCheck, TakesSoundGifsAndRefusesEachDamage)
{
    const std::vector<BYTE> good = testpics::SoundGifBytes();
    EXPECT_TRUE(XTPIsSoundGifData(good.data(), good.size()));
    // Bytes after the trailer are none of the decoder's business.
    std::vector<BYTE> trailing = good;
    trailing.push_back(0x55);
    EXPECT_TRUE(XTPIsSoundGifData(trailing.data(), trailing.size()));
    // A local palette stands in for a missing global one.
    std::vector<BYTE> local(good.begin(), good.begin() + 13);
    local[10] = 0;
    local.insert(local.end(), good.begin() + 25, good.begin() + 42);
    local.push_back(0x81);
    local.insert(local.end(), good.begin() + 13, good.begin() + 25);
    local.insert(local.end(), good.begin() + 43, good.end());
    EXPECT_TRUE(XTPIsSoundGifData(local.data(), local.size()));
    std::vector<BYTE> none = good;
    none[10] = 0;
    none.erase(none.begin() + 13, none.begin() + 25);
    EXPECT_FALSE(XTPIsSoundGifData(none.data(), none.size())) << "no palette at all";

    for (const testpics::PictureCase& c : testpics::DamagedGifs())
        EXPECT_FALSE(XTPIsSoundGifData(c.bytes.data(), c.bytes.size())) << c.what;
    EXPECT_FALSE(XTPIsSoundGifData(nullptr, 0));
}

TEST(PictureFileCheck, TakesSoundBitmapsAndRefusesEachDamage)
{
    const std::vector<BYTE> good = testpics::SoundBitmapBytes();
    EXPECT_TRUE(XTPIsSoundBitmapFileData(good.data(), good.size()));
    // A zero pixel offset means right behind the header.
    std::vector<BYTE> noOffset = good;
    noOffset[10] = 0;
    EXPECT_TRUE(XTPIsSoundBitmapFileData(noOffset.data(), noOffset.size()));
    for (const testpics::PictureCase& c : testpics::DamagedBitmaps())
        EXPECT_FALSE(XTPIsSoundBitmapFileData(c.bytes.data(), c.bytes.size())) << c.what;
}

TEST(PictureFileCheck, BitmapRowsCountWithTheirPadding)
{
    // 15 pixels of 3 bytes: 45 bytes a row, padded to 48.
    const std::vector<BYTE> whole = testpics::SoundBitmapBytes(15, 15);
    ASSERT_EQ(whole.size(), 54u + 48u * 15u);
    EXPECT_TRUE(XTPIsSoundBitmapFileData(whole.data(), whole.size()));
    for (size_t nCut : {1u, 3u}) {
        // Ends inside the last row's padding: its pixels are all there, the row is not.
        const std::vector<BYTE> cut(whole.begin(), whole.end() - nCut);
        EXPECT_FALSE(XTPIsSoundBitmapFileData(cut.data(), cut.size())) << nCut << " bytes short";
        EXPECT_FALSE(XTPIsSoundPictureFile(testpics::WritePictureFile(L"padded_cut.bmp", cut).c_str()));
    }
    EXPECT_TRUE(XTPIsSoundPictureFile(testpics::WritePictureFile(L"padded.bmp", whole).c_str()));
    // Stored upside down (a negative height) the rows are the same.
    std::vector<BYTE> topDown = whole;
    const LONG nHeight = -15;
    memcpy(&topDown[22], &nHeight, sizeof(nHeight));
    EXPECT_TRUE(XTPIsSoundBitmapFileData(topDown.data(), topDown.size()));
    topDown.pop_back();
    EXPECT_FALSE(XTPIsSoundBitmapFileData(topDown.data(), topDown.size()));
}

TEST(PictureFileCheck, FilesAreToldApartByTheirFirstBytes)
{
    const std::wstring gif = testpics::WritePictureFile(L"check.jpg", testpics::SoundGifBytes());
    EXPECT_TRUE(XTPIsSoundPictureFile(gif.c_str()));
    const std::wstring damagedGif = testpics::WritePictureFile(L"damaged.jpg", testpics::DamagedGifs()[1].bytes);
    EXPECT_FALSE(XTPIsSoundPictureFile(damagedGif.c_str()));
    const std::wstring damagedBmp = testpics::WritePictureFile(L"damaged.gif", testpics::DamagedBitmaps()[0].bytes);
    EXPECT_FALSE(XTPIsSoundPictureFile(damagedBmp.c_str()));
    // Other formats are their loaders' to judge.
    const std::wstring jpeg = testpics::WritePictureFile(L"other.jpg", {0xFF, 0xD8, 0xFF, 0xE0});
    EXPECT_TRUE(XTPIsSoundPictureFile(jpeg.c_str()));
    EXPECT_FALSE(XTPIsSoundPictureFile(L"no such picture.gif"));
}

} // namespace

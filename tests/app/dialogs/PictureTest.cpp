#include <gtest/gtest.h>

#include "app/AppTestSupport.h"
#include "app/MainFrame.h"
#include "app/dialogs/Picture.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "support/PictureFileBytes.h"

namespace {

TEST(Picture, LoadsAJpegAtItsPixelSizeAndRendersIntoARectangle)
{
    CPicture picture;
    ASSERT_TRUE(picture.Load(apptest::AssetPath(L"pics/about.jpg")));
    EXPECT_EQ(picture.GetWidth(), 400);
    EXPECT_EQ(picture.GetHeight(), 300);

    // Rendered into the right half of a white bitmap: the left stays white,
    // the picture (dark blue at its top-left) fills the right.
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 80, 30);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    RECT all = {0, 0, 80, 30};
    ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    CDC dc;
    dc.Attach(memory);
    picture.Render(&dc, CRect(40, 0, 80, 30));
    dc.Detach();
    EXPECT_EQ(::GetPixel(memory, 10, 10), RGB(255, 255, 255));
    EXPECT_NE(::GetPixel(memory, 42, 2), RGB(255, 255, 255));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
}

TEST(Picture, AMissingOrBrokenFileLeavesNoPicture)
{
    CPicture picture;
    ASSERT_TRUE(picture.Load(apptest::AssetPath(L"pics/logo.jpg")));
    // A failed load releases the picture held before.
    EXPECT_FALSE(picture.Load(apptest::AssetPath(L"pics/none.jpg")));
    EXPECT_FALSE(picture.IsLoaded());
    EXPECT_EQ(picture.GetWidth(), 0);
    EXPECT_EQ(picture.GetHeight(), 0);
    EXPECT_FALSE(picture.Load(apptest::WriteTempFile(L"broken.jpg", "\xFF\xD8 not a picture")));
    EXPECT_FALSE(picture.IsLoaded());

    // Nothing to draw: the target stays untouched.
    HDC memory = ::CreateCompatibleDC(nullptr);
    CDC dc;
    dc.Attach(memory);
    picture.Render(&dc, CRect(0, 0, 10, 10));
    dc.Detach();
    ::DeleteDC(memory);
}

// The logo and the About box load through the picture: a damaged GIF or
// bitmap never reaches the system's decoders and is no picture; a sound
// GIF still is one.
TEST(Picture, ADamagedGifOrBitmapIsNoPictureForTheLogoEither)
{
    std::vector<testpics::PictureCase> cases = testpics::DamagedGifs();
    for (const testpics::PictureCase& c : testpics::DamagedBitmaps())
        cases.push_back(c);
    for (const testpics::PictureCase& c : cases)
    {
        const CString path = testpics::WritePictureFile(L"damaged-picture.jpg", c.bytes).c_str();
        CPicture picture;
        EXPECT_FALSE(picture.Load(path)) << c.what;
        EXPECT_FALSE(picture.IsLoaded()) << c.what;
        CBitmap logo;
        EXPECT_FALSE(CMainFrame::LoadLogoBitmap(path, logo)) << c.what;
        EXPECT_EQ(nullptr, logo.GetSafeHandle()) << c.what;
    }

    const CString sound = testpics::WritePictureFile(L"sound-picture.jpg", testpics::SoundGifBytes()).c_str();
    CPicture picture;
    ASSERT_TRUE(picture.Load(sound));
    EXPECT_EQ(4, picture.GetWidth());
    EXPECT_EQ(4, picture.GetHeight());
    CBitmap logo;
    ASSERT_TRUE(CMainFrame::LoadLogoBitmap(sound, logo));
    BITMAP bm = {};
    ::GetObjectW(logo.GetSafeHandle(), sizeof(bm), &bm);
    EXPECT_EQ(32, bm.bmWidth);
    EXPECT_EQ(32, bm.bmHeight);
}

} // namespace

// The logo: the picture scaled to the toolbar's height, the button's room
// around it, its place on horizontal and vertical toolbars, and a click that
// opens the address the user's settings name.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/AppTestSupport.h"
#include "app/controls/LogoControlButton.h"
#include "framework/gdi/CDC.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

using namespace barstest;

namespace {

const COLORREF kLogoColour = RGB(200, 0, 200);

CSize SizeOf(CBitmap& bitmap)
{
    BITMAP info = {};
    bitmap.GetBitmap(&info);
    return CSize(info.bmWidth, info.bmHeight);
}

COLORREF PixelOf(CBitmap& bitmap, int x, int y)
{
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, bitmap.GetSafeHandle());
    const COLORREF colour = ::GetPixel(hdc, x, y);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return colour;
}

// A screen-compatible bitmap of one colour.
void MakeSolidBitmap(CBitmap& bitmap, CSize size, COLORREF colour)
{
    bitmap.DeleteObject();
    HDC hScreen = ::GetDC(nullptr);
    bitmap.Attach(::CreateCompatibleBitmap(hScreen, size.cx, size.cy));
    ::ReleaseDC(nullptr, hScreen);
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, bitmap.GetSafeHandle());
    const RECT rc = {0, 0, size.cx, size.cy};
    HBRUSH hBrush = ::CreateSolidBrush(colour);
    ::FillRect(hdc, &rc, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
}

// The bounding box of the image's pixels of that colour; empty for none.
CRect FindColour(const testshot::Image& image, COLORREF colour)
{
    CRect found(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.Pixel(x, y) == colour)
                found = CRect(std::min((int)found.left, x), std::min((int)found.top, y),
                              std::max((int)found.right, x + 1), std::max((int)found.bottom, y + 1));
    return found.left == INT_MAX ? CRect() : found;
}

} // namespace

TEST(LogoBitmap, ThePictureIsScaledToAHeightOf32)
{
    const struct
    {
        CString path;
        CSize size;
    } pictures[] = {
        {TestPicturePath(L"wide.jpg"), CSize(128, 32)},               // 400 x 100
        {apptest::AssetPath(L"pics/logo.jpg"), CSize(128, 32)},       // 256 x 64
        {apptest::AssetPath(L"pics/about.jpg"), CSize(43, 32)},       // 400 x 300, rounded to nearest
    };
    for (const auto& picture : pictures)
    {
        SCOPED_TRACE(CStringA(picture.path).GetString());
        CBitmap bitmap;
        ASSERT_TRUE(CMainFrame::LoadLogoBitmap(picture.path, bitmap));
        EXPECT_EQ(SizeOf(bitmap), picture.size);
    }
    // Rendered, not only sized: red left half, blue right half.
    CBitmap bitmap;
    ASSERT_TRUE(CMainFrame::LoadLogoBitmap(TestPicturePath(L"wide.jpg"), bitmap));
    EXPECT_GT(GetRValue(PixelOf(bitmap, 20, 16)), 150);
    EXPECT_GT(GetBValue(PixelOf(bitmap, 108, 16)), 150);
}

TEST(LogoBitmap, AMissingPictureLeavesTheBitmapAsItWas)
{
    CBitmap bitmap;
    EXPECT_FALSE(CMainFrame::LoadLogoBitmap(TestPicturePath(L"none.jpg"), bitmap));
    EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
    MakeSolidBitmap(bitmap, CSize(10, 10), kLogoColour);
    const HGDIOBJ hBefore = bitmap.GetSafeHandle();
    EXPECT_FALSE(CMainFrame::LoadLogoBitmap(apptest::WriteTempFile(L"broken-logo.jpg", "\xFF\xD8 no picture"), bitmap));
    EXPECT_EQ(bitmap.GetSafeHandle(), hBefore);
}

TEST(LogoButton, TakesTheBitmapWithThreePixelsAroundItOrNoRoomWithout)
{
    CBitmap wide, none;
    MakeSolidBitmap(wide, CSize(100, 20), kLogoColour);
    const struct
    {
        const char* name;
        CBitmap* pBitmap;
        CSize size;
    } cases[] = {
        {"100 x 20", &wide, CSize(106, 26)},
        {"a bitmap object without a bitmap", &none, CSize(0, 0)},
        {"no bitmap", nullptr, CSize(0, 0)},
    };
    HDC hdc = ::CreateCompatibleDC(nullptr);
    CDC dc;
    dc.Attach(hdc);
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.name);
        CLogoControlButton* pLogo = new CLogoControlButton;
        pLogo->SetBitmap(test.pBitmap);
        EXPECT_EQ(pLogo->GetSize(&dc), test.size);
        pLogo->InternalRelease();
    }
    dc.Detach();
    ::DeleteDC(hdc);
}

TEST_F(FrameBars, LogoIsCentredOnItsRowOrFourPixelsBelowTheTopOfAVerticalBar)
{
    ShowFrame();
    // Tall enough for every button of a vertical toolbar and the logo.
    pFrame->SetWindowPos(nullptr, 20, 10, 800, 1000, SWP_NOZORDER);
    MakeSolidBitmap(pFrame->GetLogoBitmap(), CSize(100, 20), kLogoColour);
    const struct
    {
        const char* name;
        XTPBarPosition position;
    } sides[] = {{"top", xtpBarTop}, {"left", xtpBarLeft}, {"right", xtpBarRight}};
    for (const auto& side : sides)
    {
        SCOPED_TRACE(side.name);
        ASSERT_TRUE(pFrame->GetCommandBars()->DockCommandBar(ToolBar(), side.position));
        ToolBar()->DelayLayout();
        pFrame->GetCommandBars()->RecalcFrameLayout();
        testpump::PumpUntilIdle();
        ASSERT_EQ(ToolBar()->GetPosition(), side.position);
        CXTPControl* pLogo = ToolBarButton(ID_LOGO);
        const CRect rc = pLogo->GetRect();
        EXPECT_EQ(rc.Size(), CSize(106, 26));

        const testshot::Image image = testshot::CaptureWindow(ToolBar()->GetSafeHwnd());
        testshot::Save(image, std::wstring(L"app_logo_") + CString(side.name).GetString() + L".png");
        const CRect rcFound = FindColour(image, kLogoColour);
        const CPoint expected = side.position == xtpBarTop
                                    ? CPoint(rc.left + 3, (rc.top + rc.bottom) / 2 - 10)
                                    : CPoint((rc.left + rc.right) / 2 - 50, rc.top + 4);
        EXPECT_EQ(rcFound.TopLeft(), expected);
        EXPECT_EQ(rcFound.Size(), CSize(100, 20));
    }
}

TEST_F(FrameBars, ClickOnTheLogoOpensTheStoredLogoAddressOnlyWhenThereIsOne)
{
    ShowFrame();
    LoadWideLogo();
    const CPoint ptLogo = ScreenRect(ToolBarButton(ID_LOGO)).CenterPoint();
    const struct
    {
        const wchar_t* stored;
        std::vector<CString> opened;
    } cases[] = {
        {nullptr, {}},
        {L"", {}},
        {L"http://www.brannoch.test/", {L"http://www.brannoch.test/"}},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.stored != nullptr ? CStringA(test.stored).GetString() : "none");
        COpenedPages pages;
        CBarsApp::WriteSetting(L"LogoURL", test.stored);
        ASSERT_TRUE(testinput::MoveMouseAndWait(ptLogo));
        testinput::ClickAt(ptLogo);
        testpump::PumpUntilIdle();
        EXPECT_EQ(COpenedPages::Opened(), test.opened);
    }
}

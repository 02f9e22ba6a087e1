// Transparency through the editor: filling with the transparent cell on an
// alpha image, and handing the image back without touching the editor's own.
#include <windows.h>

#include "customize/controls/ControlsTestSupport.h"
#include "customize/imageeditor/ImageEditorTestSupport.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/TestPump.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"

using namespace edittest;

namespace {

const DWORD kTransparentPixel = 0x00FFFEFF;

// 32 x 32 with alpha: an opaque red block (4..11), a half-transparent blue
// column (x = 20), the rest fully transparent.
DWORD AlphaBlock(int x, int y)
{
    if (x >= 4 && x < 12 && y >= 4 && y < 12)
        return 0xFFFF0000;
    if (x == 20)
        return 0x800000FF;
    return 0;
}

// A handle's pixels drawn over white, read back.
COLORREF IconPixelOverWhite(HICON hIcon, int cx, int cy, int x, int y)
{
    HBITMAP hCanvas = MakeAlphaBitmap(cx, cy, [](int, int) { return 0x00FFFFFFu; });
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hCanvas);
    ::DrawIconEx(hDC, 0, 0, hIcon, cx, cy, 0, nullptr, DI_NORMAL);
    const COLORREF clr = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::DeleteObject(hCanvas);
    return clr;
}

TEST(ImageEditorTransparency, FillingWithTheTransparentCellMakesAnAlphaAreaTransparentLikeThePencilsErase)
{
    CTestEditor dlg;
    HBITMAP hBitmap = MakeAlphaBitmap(32, 32, AlphaBlock);
    dlg.SetIcon(CXTPImageManagerIconHandle(hBitmap));
    ::DeleteObject(hBitmap);
    RunEditor(dlg, [&](CTestEditor& d) {
        ClickCell(d, XTP_IDC_CLR_ERASE);
        ASSERT_EQ(XTP_IMAGEEDITOR_TRANSPARENT, d.GetCurrentColor());
        ClickButton(d, XTP_ID_BUTTON_FILL);
        ClickPixel(d, 6, 6);
        const CImage* pImage = d.GetPicture().GetImage();
        for (int i = 4; i < 12; i++)
            EXPECT_EQ(kTransparentPixel, RawPixel(pImage, i, i)) << i;
        // What lay outside the area keeps its own alpha.
        EXPECT_EQ(0x800000FFu, RawPixel(pImage, 20, 6));
        EXPECT_EQ(kTransparentPixel, RawPixel(pImage, 0, 0));

        // Filling the transparent area with a colour makes it opaque there.
        ClickCell(d, XTP_IDS_CLR_GREEN);
        ClickPixel(d, 0, 0);
        EXPECT_EQ(0xFF008000u, RawPixel(d.GetPicture().GetImage(), 0, 0));
        EXPECT_EQ(0xFF008000u, RawPixel(d.GetPicture().GetImage(), 6, 6));
        EXPECT_EQ(0x800000FFu, RawPixel(d.GetPicture().GetImage(), 20, 6));
        d.GetPicture().Undo();
        testpump::PumpUntilIdle();

        // Drawn as the checkerboard where the red block was.
        const testshot::Image shot = ctltest::ShootWindow(d.GetPicture().m_hWnd, L"imageeditor_transparent_fill.png");
        const int cell = d.GetPicture().GetCellSize().cx;
        for (POINT pt : {POINT{4 * cell + 1, 4 * cell + 1}, POINT{8 * cell, 8 * cell}, POINT{11 * cell + 1, 6 * cell}}) {
            const COLORREF checker =
                ((pt.x + 3) / 4 + (pt.y + 3) / 4) % 2 == 0 ? RGB(0xFF, 0xFF, 0xFF) : RGB(0xEB, 0xEB, 0xEB);
            EXPECT_EQ(checker, shot.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
        }
    });

    // After OK the caller gets the area transparent too.
    CXTPImageManagerIconHandle result;
    dlg.GetIcon(result);
    ASSERT_TRUE(result.IsAlpha());
    CImage copy(TRUE);
    copy.Attach(XTPCopyAlphaBitmap(result.GetBitmap()));
    EXPECT_EQ(0u, RawPixel(&copy, 6, 6) >> 24);
    EXPECT_EQ(0x800000FFu, RawPixel(&copy, 20, 6));
}

TEST(ImageEditorTransparency, GetIconLeavesTheEditorsPlainImageAsItWas)
{
    CTestEditor dlg;
    HICON hIcon = MakePlainIcon(16, 16, [](int x, int y) {
        return x >= 2 && x < 6 && y >= 2 && y < 6 ? RGB(0, 0x80, 0) : CLR_NONE;
    });
    dlg.SetIcon(CXTPImageManagerIconHandle(hIcon));
    ::DestroyIcon(hIcon);
    RunEditor(dlg, [&](CTestEditor& d) {
        for (int nCall = 0; nCall < 2; nCall++) {
            CXTPImageManagerIconHandle result;
            d.GetIcon(result);
            ASSERT_NE(nullptr, result.GetIcon()) << nCall;
            EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), IconPixelOverWhite(result.GetIcon(), 16, 16, 0, 0)) << nCall;
            EXPECT_EQ(RGB(0, 0x80, 0), IconPixelOverWhite(result.GetIcon(), 16, 16, 3, 3)) << nCall;
            // The editor still shows and holds its transparent pixels.
            EXPECT_EQ(kTransparentPixel, RawPixel(d.GetPicture().GetImage(), 0, 0) & 0xFFFFFF) << nCall;
            EXPECT_EQ(XTP_IMAGEEDITOR_TRANSPARENT, d.GetPicture().GetImage()->GetColor(15, 15)) << nCall;
        }
        d.GetPicture().Invalidate();
        testpump::PumpUntilIdle();
        const testshot::Image shot = ctltest::ShootWindow(d.GetPicture().m_hWnd, L"imageeditor_after_geticon.png");
        EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), shot.Pixel(2, 2));
        EXPECT_EQ(RGB(0xEB, 0xEB, 0xEB), shot.Pixel(6, 2));
    });
}

} // namespace

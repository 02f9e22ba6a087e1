// The button image editor driven by real mouse input: the tools on an
// alpha and a plain image, the history, moving, the clipboard, importing
// files, and what the caller gets back.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "customize/controls/ControlsTestSupport.h"
#include "customize/customize/CustomizeTestSupport.h"
#include "customize/imageeditor/ImageEditorTestSupport.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/PictureFileBytes.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"

using namespace edittest;

namespace {

const COLORREF kTransparent = XTP_IMAGEEDITOR_TRANSPARENT;
const DWORD kTransparentPixelValue = 0x00FFFEFF;
const COLORREF kGreen = RGB(0, 0x80, 0);

// 32 x 32 with alpha: an opaque red block (4..11), a half-transparent blue
// column (x = 20), the rest fully transparent.
DWORD AlphaPattern(int x, int y)
{
    if (x >= 4 && x < 12 && y >= 4 && y < 12)
        return 0xFFFF0000;
    if (x == 20)
        return 0x800000FF;
    return 0;
}

// 16 x 16 plain: a green block (2..5), the rest transparent.
COLORREF PlainPattern(int x, int y)
{
    return x >= 2 && x < 6 && y >= 2 && y < 6 ? kGreen : CLR_NONE;
}

enum class Kind { alpha32, plain16 };

const char* Name(Kind kind)
{
    return kind == Kind::alpha32 ? "alpha 32" : "plain 16";
}

void LoadImage(CXTPImageEditorDlg& dlg, Kind kind)
{
    if (kind == Kind::alpha32) {
        HBITMAP hBitmap = MakeAlphaBitmap(32, 32, AlphaPattern);
        dlg.SetIcon(CXTPImageManagerIconHandle(hBitmap));
        ::DeleteObject(hBitmap);
    } else {
        HICON hIcon = MakePlainIcon(16, 16, PlainPattern);
        dlg.SetIcon(CXTPImageManagerIconHandle(hIcon));
        ::DestroyIcon(hIcon);
    }
}

COLORREF ColorAt(CXTPImageEditorDlg& dlg, int x, int y)
{
    return dlg.GetPicture().GetImage()->GetColor(x, y);
}

// Opens the editor on the plain image, imports the file and hands the editor
// to `check`; `label` names the case when the import fails.
template <class Label>
void ImportIntoPlainImage(const CString& strPath, const Label& label, const Step& check)
{
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    RunEditor(dlg, [&](CTestEditor& d) {
        ASSERT_TRUE(d.GetPicture().ImportFile(strPath)) << label;
        check(d);
    });
}

TEST(ImageEditor, TakesTheImageAsGiven)
{
    for (Kind kind : {Kind::alpha32, Kind::plain16}) {
        CTestEditor dlg;
        LoadImage(dlg, kind);
        const CImage* pImage = dlg.GetPicture().GetImage();
        ASSERT_NE(nullptr, pImage);
        EXPECT_EQ(kind == Kind::alpha32, pImage->m_bAlpha != FALSE) << Name(kind);
        EXPECT_EQ(kind == Kind::alpha32 ? CSize(32, 32) : CSize(16, 16), dlg.GetImageSize()) << Name(kind);
        // Fully transparent pixels of both kinds carry the transparent colour.
        EXPECT_EQ(kTransparent, pImage->GetColor(0, 0)) << Name(kind);
        EXPECT_EQ(kind == Kind::alpha32 ? RGB(0xFF, 0, 0) : kGreen, pImage->GetColor(4, 4)) << Name(kind);
    }
    CTestEditor dlg;
    dlg.SetIcon(CXTPImageManagerIconHandle());
    EXPECT_EQ(nullptr, dlg.GetPicture().GetImage());
}

// The picture fitted to an opaque red image: the control as the template
// made it, the cells, the client area and a picture of it.
struct FittedPicture
{
    CSize control, cell, client;
    testshot::Image shot;
};

FittedPicture FitRedImage(CSize size, LPCWSTR lpszShot)
{
    FittedPicture fitted;
    CTestEditor dlg;
    HBITMAP hBitmap = MakeAlphaBitmap(size.cx, size.cy, [](int, int) { return 0xFFFF0000u; });
    dlg.SetIcon(CXTPImageManagerIconHandle(hBitmap));
    ::DeleteObject(hBitmap);
    RunEditor(dlg, [&](CTestEditor& d) {
        fitted.cell = d.GetPicture().GetCellSize();
        CRect rc;
        d.GetPicture().GetClientRect(&rc);
        fitted.client = rc.Size();
        testpump::PumpUntilIdle();
        fitted.shot = ctltest::ShootWindow(d.GetPicture().m_hWnd, lpszShot);
    });
    fitted.control = dlg.m_szPictureControl;
    return fitted;
}

// Never a cell of 0 pixels: the picture fits 32 x 32 at 4 pixels and grows
// for larger images.
TEST(ImageEditor, CellsFitTheImageAndAreNeverEmpty)
{
    const struct
    {
        int size;
        int minCell;
    } cases[] = {{16, 8}, {32, 4}, {200, 1}};
    for (const auto& c : cases) {
        const FittedPicture fitted = FitRedImage(CSize(c.size, c.size), L"imageeditor_cells_square.png");
        EXPECT_GE(fitted.cell.cx, c.minCell) << c.size;
        EXPECT_EQ(fitted.cell.cx, fitted.cell.cy) << c.size;
        EXPECT_EQ(CSize(fitted.cell.cx * c.size + 1, fitted.cell.cy * c.size + 1), fitted.client) << c.size;
    }
}

// A cell is the control's size over the image's: an image whose size divides
// the control exactly gets the whole share, the control one pixel more.
TEST(ImageEditor, CellsAreTheControlsSizeOverTheImagesSize)
{
    const CSize control = FitRedImage(CSize(16, 16), L"imageeditor_cells_square.png").control;
    ASSERT_GT(control.cx, 40);
    ASSERT_GT(control.cy, 40);
    // The largest divisor up to 40 of each side.
    auto divisor = [](long n) {
        long d = 40;
        while (n % d != 0)
            d--;
        return d;
    };
    const CSize image(divisor(control.cx), divisor(control.cy));
    const FittedPicture fitted = FitRedImage(image, L"imageeditor_cells_fit_control.png");
    EXPECT_EQ(CSize(control.cx / image.cx, control.cy / image.cy), fitted.cell) << image.cx << " x " << image.cy;
    EXPECT_EQ(CSize(control.cx + 1, control.cy + 1), fitted.client);
    // The image reaches the frame on every side.
    EXPECT_EQ(RGB(0, 0, 0), fitted.shot.Pixel(fitted.client.cx - 1, fitted.client.cy - 1));
    EXPECT_EQ(RGB(0xFF, 0, 0), fitted.shot.Pixel(fitted.client.cx - 2, fitted.client.cy - 2));
    EXPECT_EQ(RGB(0xFF, 0, 0), fitted.shot.Pixel(1, 1));
}

TEST(ImageEditor, PencilSecondClickErasesAndAStrokeLeavingThePictureStaysInside)
{
    for (Kind kind : {Kind::alpha32, Kind::plain16}) {
        CTestEditor dlg;
        LoadImage(dlg, kind);
        RunEditor(dlg, [&](CTestEditor& d) {
            const int last = d.GetImageSize().cx - 1;
            ClickPixel(d, 0, 0);
            EXPECT_EQ(RGB(0, 0, 0), ColorAt(d, 0, 0)) << Name(kind);
            if (kind == Kind::alpha32) {
                EXPECT_EQ(0xFF000000u, RawPixel(d.GetPicture().GetImage(), 0, 0));
            }
            ClickPixel(d, 0, 0);
            EXPECT_EQ(kTransparent, ColorAt(d, 0, 0)) << Name(kind);
            // Out past the left and the right edge of the picture (within the
            // dialog: Wine gives a button released over another process's
            // window to that window, capture or not).
            DragPixels(d, POINT{1, 1}, POINT{-1, 1});
            DragPixels(d, POINT{last - 1, 2}, POINT{last + 3, 2});
            const CImage* pImage = d.GetPicture().GetImage();
            EXPECT_EQ(d.GetImageSize(), pImage->GetSize());
            EXPECT_EQ(RGB(0, 0, 0), ColorAt(d, 1, 1)) << Name(kind);
            EXPECT_EQ(RGB(0, 0, 0), ColorAt(d, last - 1, 2)) << Name(kind);
            for (int x : {0, last})
                for (int y : {1, 2, 3})
                    EXPECT_EQ(kTransparent, ColorAt(d, x, y)) << Name(kind) << " " << x << "," << y;
        });
    }
}

TEST(ImageEditor, FillsAndTheColourPickReturnsToTheToolBefore)
{
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    RunEditor(dlg, {[&](CTestEditor& d) {
                        ClickCell(d, XTP_IDS_CLR_RED);
                        EXPECT_EQ(RGB(0xFF, 0, 0), d.GetCurrentColor());
                        ClickButton(d, XTP_ID_BUTTON_FILL);
                        EXPECT_EQ(CXTPImageEditorDlg::toolFill, d.GetCurrentTool());
                        ClickPixel(d, 10, 10);
                        // The transparent area is red, the green block is not.
                        EXPECT_EQ(RGB(0xFF, 0, 0), ColorAt(d, 0, 0));
                        EXPECT_EQ(RGB(0xFF, 0, 0), ColorAt(d, 15, 15));
                        EXPECT_EQ(kGreen, ColorAt(d, 3, 3));
                        ClickButton(d, XTP_ID_BUTTON_LINE);
                        ClickButton(d, XTP_ID_BUTTON_GETCOLOR);
                    },
                    [&](CTestEditor& d) {
                        // The idle update checks exactly the current tool.
                        EXPECT_TRUE(d.GetToolsBar().IsButtonChecked(XTP_ID_BUTTON_GETCOLOR));
                        EXPECT_FALSE(d.GetToolsBar().IsButtonChecked(XTP_ID_BUTTON_LINE));
                        testinput::ClickAt(PixelOnScreen(d, 3, 3));
                        EXPECT_TRUE(testpump::PumpUntil(
                            [&] { return d.GetCurrentTool() == CXTPImageEditorDlg::toolLine; }));
                        EXPECT_EQ(kGreen, d.GetCurrentColor());
                        EXPECT_TRUE(d.GetMoreColorsCell().IsSelected());
                        EXPECT_EQ(0, d.GetPicture().GetRedoCount());
                    },
                    [&](CTestEditor& d) {
                        EXPECT_TRUE(d.GetToolsBar().IsButtonChecked(XTP_ID_BUTTON_LINE));
                        EXPECT_FALSE(d.GetToolsBar().IsButtonChecked(XTP_ID_BUTTON_GETCOLOR));
                    }});
}

// Line, rectangle and ellipse from (2, 2) to (8, 6) through (5, 4): the
// shape follows the mouse and leaves out the end pixel.
TEST(ImageEditor, ShapesFollowTheDragWithoutTheEndPixel)
{
    const struct
    {
        UINT nTool;
        std::vector<POINT> drawn;
        std::vector<POINT> clear;
    } cases[] = {
        {XTP_ID_BUTTON_LINE, {{2, 2}, {5, 4}, {7, 5}}, {{8, 6}, {4, 2}, {2, 4}}},
        {XTP_ID_BUTTON_RECTANGLE, {{2, 2}, {7, 2}, {2, 5}, {7, 5}}, {{8, 6}, {8, 2}, {2, 6}, {4, 3}, {4, 4}}},
        {XTP_ID_BUTTON_CIRCLE, {{2, 4}, {4, 2}, {7, 4}, {4, 5}}, {{8, 6}, {4, 4}, {2, 2}, {8, 4}, {4, 6}}},
    };
    for (const auto& c : cases) {
        CTestEditor dlg;
        HICON hIcon = MakePlainIcon(16, 16, [](int, int) { return CLR_NONE; });
        dlg.SetIcon(CXTPImageManagerIconHandle(hIcon));
        ::DestroyIcon(hIcon);
        RunEditor(dlg, [&](CTestEditor& d) {
            ClickButton(d, c.nTool);
            ASSERT_EQ(static_cast<int>(c.nTool - XTP_ID_BUTTON_PENCIL), d.GetCurrentTool());
            DragPixels(d, POINT{2, 2}, POINT{8, 6});
            EXPECT_EQ(1, d.GetPicture().GetUndoCount());
            for (POINT pt : c.drawn)
                EXPECT_EQ(RGB(0, 0, 0), ColorAt(d, pt.x, pt.y)) << c.nTool << " " << pt.x << "," << pt.y;
            for (POINT pt : c.clear)
                EXPECT_EQ(kTransparent, ColorAt(d, pt.x, pt.y)) << c.nTool << " " << pt.x << "," << pt.y;
        });
    }
}

TEST(ImageEditor, KeepsSixteenStepsAndANewChangeEmptiesRedo)
{
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    auto undoEnabled = [](CTestEditor& d) { return d.GetToolsBar().IsButtonEnabled(XTP_ID_BUTTON_UNDO); };
    auto redoEnabled = [](CTestEditor& d) { return d.GetToolsBar().IsButtonEnabled(XTP_ID_BUTTON_REDO); };
    RunEditor(dlg, {[&](CTestEditor& d) {
                        EXPECT_FALSE(undoEnabled(d));
                        EXPECT_FALSE(redoEnabled(d));
                        for (int i = 0; i < 17; i++)
                            ClickPixel(d, i % 16, i / 16 + 8);
                        EXPECT_EQ(16, d.GetPicture().GetUndoCount());
                    },
                    [&](CTestEditor& d) {
                        EXPECT_TRUE(undoEnabled(d));
                        EXPECT_FALSE(redoEnabled(d));
                        for (int i = 0; i < 16; i++)
                            ClickButton(d, XTP_ID_BUTTON_UNDO);
                        EXPECT_EQ(0, d.GetPicture().GetUndoCount());
                        EXPECT_EQ(16, d.GetPicture().GetRedoCount());
                        // The first change is beyond the history.
                        EXPECT_EQ(RGB(0, 0, 0), ColorAt(d, 0, 8));
                        EXPECT_EQ(kTransparent, ColorAt(d, 1, 8));
                    },
                    [&](CTestEditor& d) {
                        EXPECT_FALSE(undoEnabled(d));
                        EXPECT_TRUE(redoEnabled(d));
                        ClickButton(d, XTP_ID_BUTTON_REDO);
                        EXPECT_EQ(RGB(0, 0, 0), ColorAt(d, 1, 8));
                        ClickPixel(d, 12, 12);
                        EXPECT_EQ(0, d.GetPicture().GetRedoCount());
                    },
                    [&](CTestEditor& d) {
                        EXPECT_TRUE(undoEnabled(d));
                        EXPECT_FALSE(redoEnabled(d));
                    }});
}

// A stroke whose button release never came is kept when the next begins.
TEST(ImageEditor, AStrokeLeftOpenStaysInTheHistory)
{
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    RunEditor(dlg, [&](CTestEditor& d) {
        const CSize cell = d.GetPicture().GetCellSize();
        for (int x : {9, 11})
            d.GetPicture().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x * cell.cx + 1, 9 * cell.cy + 1));
        d.GetPicture().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(11 * cell.cx + 1, 9 * cell.cy + 1));
        EXPECT_EQ(2, d.GetPicture().GetUndoCount());
        d.GetPicture().Undo();
        EXPECT_EQ(RGB(0, 0, 0), ColorAt(d, 9, 9));
        EXPECT_EQ(kTransparent, ColorAt(d, 11, 9));
        d.GetPicture().Undo();
        EXPECT_EQ(kTransparent, ColorAt(d, 9, 9));
    });
}

TEST(ImageEditor, MovingOutAndBackLosesThePixelsMovedOut)
{
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    RunEditor(dlg, [&](CTestEditor& d) {
        for (int i = 0; i < 4; i++)
            ClickButton(d, XTP_ID_BUTTON_MOVE_LEFT);
        EXPECT_EQ(kGreen, ColorAt(d, 0, 3));
        for (int i = 0; i < 4; i++)
            ClickButton(d, XTP_ID_BUTTON_MOVE_RIGHT);
        EXPECT_EQ(8, d.GetPicture().GetUndoCount());
        for (int x = 0; x < 8; x++)
            EXPECT_EQ(x == 4 || x == 5 ? kGreen : kTransparent, ColorAt(d, x, 3)) << x;
        ClickButton(d, XTP_ID_BUTTON_MOVE_DOWN);
        ClickButton(d, XTP_ID_BUTTON_MOVE_UP);
        EXPECT_EQ(kGreen, ColorAt(d, 4, 2));
    });
}

// Clear leaves an image of the same size and kind, all transparent, that
// the next stroke, Copy and GetIcon work on.
TEST(ImageEditor, ClearLeavesATransparentImageOfTheSameKind)
{
    for (Kind kind : {Kind::alpha32, Kind::plain16}) {
        CTestEditor dlg;
        LoadImage(dlg, kind);
        RunEditor(dlg, [&](CTestEditor& d) {
            ClickButton(d, XTP_ID_BUTTON_CLEAR);
            const CImage* pImage = d.GetPicture().GetImage();
            ASSERT_NE(nullptr, pImage) << Name(kind);
            EXPECT_EQ(d.GetImageSize(), pImage->GetSize());
            EXPECT_EQ(kind == Kind::alpha32, pImage->m_bAlpha != FALSE);
            for (int y = 0; y < pImage->GetSize().cy; y++)
                for (int x = 0; x < pImage->GetSize().cx; x++)
                    ASSERT_EQ(0x00FFFEFFu, RawPixel(pImage, x, y)) << Name(kind) << " " << x << "," << y;
            ClickPixel(d, 3, 3);
            EXPECT_EQ(RGB(0, 0, 0), ColorAt(d, 3, 3));
            ClickButton(d, XTP_ID_BUTTON_COPY);
            EXPECT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
        });
        CXTPImageManagerIconHandle result;
        dlg.GetIcon(result);
        EXPECT_FALSE(result.IsEmpty()) << Name(kind);
        EXPECT_EQ(kind == Kind::alpha32 ? CSize(32, 32) : CSize(16, 16), result.GetExtent());
    }
}

TEST(ImageEditor, CopyAndPasteKeepAlpha)
{
    CTestEditor dlg;
    LoadImage(dlg, Kind::alpha32);
    RunEditor(dlg, [&](CTestEditor& d) {
        ClickButton(d, XTP_ID_BUTTON_COPY);
        EXPECT_TRUE(::IsClipboardFormatAvailable(::RegisterClipboardFormatW(L"Alpha Bitmap Image")));
        ClickButton(d, XTP_ID_BUTTON_CLEAR);
        ClickButton(d, XTP_ID_BUTTON_PASTE);
        const CImage* pImage = d.GetPicture().GetImage();
        EXPECT_TRUE(pImage->m_bAlpha);
        EXPECT_EQ(0x800000FFu, RawPixel(pImage, 20, 7));
        EXPECT_EQ(0xFFFF0000u, RawPixel(pImage, 5, 5));
        // Clear and Paste are changes, Copy is not.
        EXPECT_EQ(2, d.GetPicture().GetUndoCount());
    });
}

// A bitmap of fewer than 32 bits offered with an alpha marker is taken as
// plain: its face-coloured pixels become transparent.
TEST(ImageEditor, PasteTakesAlphaOnlyFromThirtyTwoBits)
{
    const COLORREF face = ::GetSysColor(COLOR_3DFACE);
    for (LPCWSTR lpszMarker : {L"Alpha Bitmap Image", L"Some DIB32 Format"}) {
        CTestEditor dlg;
        LoadImage(dlg, Kind::plain16);
        RunEditor(dlg, [&](CTestEditor& d) {
            BITMAPINFO bmi = {};
            bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 24, BI_RGB};
            void* pBits = nullptr;
            HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
            HDC hDC = ::CreateCompatibleDC(nullptr);
            HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
            RECT rcAll = {0, 0, 16, 16}, rcBlue = {0, 0, 8, 16};
            HBRUSH hFace = ::CreateSolidBrush(face), hBlue = ::CreateSolidBrush(RGB(0, 0, 0xFF));
            ::FillRect(hDC, &rcAll, hFace);
            ::FillRect(hDC, &rcBlue, hBlue);
            ::DeleteObject(hFace);
            ::DeleteObject(hBlue);
            ::SelectObject(hDC, hOld);
            ::DeleteDC(hDC);
            ASSERT_TRUE(::OpenClipboard(d.m_hWnd));
            ::EmptyClipboard();
            ::SetClipboardData(CF_BITMAP, hBitmap);
            ::SetClipboardData(::RegisterClipboardFormatW(lpszMarker), ::GlobalAlloc(GMEM_MOVEABLE, 1));
            ::CloseClipboard();
            ClickButton(d, XTP_ID_BUTTON_PASTE);
            const CImage* pImage = d.GetPicture().GetImage();
            EXPECT_FALSE(pImage->m_bAlpha);
            EXPECT_EQ(RGB(0, 0, 0xFF), pImage->GetColor(2, 2));
            EXPECT_EQ(kTransparent, pImage->GetColor(12, 2));
        });
    }
}

CString SourcePath(LPCWSTR lpszRelative)
{
    const char* pszSource = getenv("TAVROLIN_SOURCE_DIR");
    CString strPath = CString(L"Z:") + CString(pszSource ? pszSource : "") + L"/" + lpszRelative;
    strPath.Replace(L'/', L'\\');
    return strPath;
}

// A 1 x 1 GIF of one red pixel.
const std::vector<BYTE> kRedGif = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
                                   0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00,
                                   0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

DWORD ImportPattern(int x, int y)
{
    return x < 8 ? 0xFF0000FF : (y < 8 ? 0x4000FF00 : 0);
}

TEST(ImageEditor, ImportsIconsBitmapsGifAndJpeg)
{
    const struct
    {
        LPCWSTR name;
        std::vector<BYTE> bytes;
        bool alpha;
        COLORREF left;   // at (2, 2)
        COLORREF right;  // at (12, 12)
    } cases[] = {
        {L"alpha.ico", IconFileBytes(16, 16, 32, ImportPattern), true, RGB(0, 0, 0xFF), kTransparent},
        {L"plain.ico", IconFileBytes(16, 16, 24, [](int x, int) { return x < 8 ? 0x0000FFu : 0u; }), false,
         RGB(0, 0, 0xFF), kTransparent},
        {L"plain24.bmp", BitmapFileBytes(16, 16, 24, ImportPattern), false, RGB(0, 0, 0xFF), RGB(0, 0, 0)},
        {L"alpha32.BMP", BitmapFileBytes(16, 16, 32, ImportPattern), true, RGB(0, 0, 0xFF), kTransparent},
    };
    for (const auto& c : cases) {
        ImportIntoPlainImage(WriteFile(c.name, c.bytes), c.name, [&](CTestEditor& d) {
            const CImage* pImage = d.GetPicture().GetImage();
            EXPECT_EQ(c.alpha, pImage->m_bAlpha != FALSE) << c.name;
            EXPECT_EQ(c.left, pImage->GetColor(2, 2)) << c.name;
            EXPECT_EQ(c.right, pImage->GetColor(12, 12)) << c.name;
            EXPECT_EQ(1, d.GetPicture().GetUndoCount()) << c.name;
        });
    }
    // Pictures are scaled to the image: the one-pixel GIF fills it.
    const CString strGif = WriteFile(L"one.gif", kRedGif);
    for (const CString& strPath : {strGif, SourcePath(L"app/assets/pics/logo.jpg")}) {
        ImportIntoPlainImage(strPath, strPath, [&](CTestEditor& d) {
            EXPECT_FALSE(d.GetPicture().GetImage()->m_bAlpha);
            EXPECT_NE(kTransparent, ColorAt(d, 0, 0)) << strPath;
            EXPECT_NE(kGreen, ColorAt(d, 3, 3)) << strPath;
            if (strPath == strGif) {
                EXPECT_EQ(ColorAt(d, 0, 0), ColorAt(d, 15, 15));
            }
        });
    }
}

// Fully transparent pixels of an imported alpha image (all bits 0) are
// transparent to the tools, as those of an image handed to the editor: the
// black pencil paints them, the black fill fills them.
TEST(ImageEditor, TransparentPixelsOfAnImportedAlphaImageTakeBlack)
{
    const struct
    {
        LPCWSTR name;
        std::vector<BYTE> bytes;
    } cases[] = {
        {L"alpha.ico", IconFileBytes(16, 16, 32, ImportPattern)},
        {L"alpha32.bmp", BitmapFileBytes(16, 16, 32, ImportPattern)},
    };
    for (const auto& c : cases) {
        ImportIntoPlainImage(WriteFile(c.name, c.bytes), c.name, [&](CTestEditor& d) {
            ASSERT_EQ(RGB(0, 0, 0), d.GetCurrentColor());
            ClickPixel(d, 12, 12);
            EXPECT_EQ(0xFF000000u, RawPixel(d.GetPicture().GetImage(), 12, 12)) << c.name;
            ClickButton(d, XTP_ID_BUTTON_FILL);
            ClickPixel(d, 14, 9);
            EXPECT_EQ(0xFF000000u, RawPixel(d.GetPicture().GetImage(), 14, 9)) << c.name;
            EXPECT_EQ(0xFF000000u, RawPixel(d.GetPicture().GetImage(), 9, 14)) << c.name;
            // The half-transparent green above stays as it was.
            EXPECT_EQ(0x4000FF00u, RawPixel(d.GetPicture().GetImage(), 12, 4)) << c.name;
            testpump::PumpUntilIdle();
            const testshot::Image shot = ctltest::ShootWindow(d.GetPicture().m_hWnd,
                                                              L"imageeditor_imported_alpha_painted_black.png");
            const int cell = d.GetPicture().GetCellSize().cx;
            auto centre = [&](int x, int y) { return shot.Pixel(x * cell + cell / 2, y * cell + cell / 2); };
            EXPECT_EQ(RGB(0, 0, 0), centre(12, 12)) << c.name;
            EXPECT_EQ(RGB(0, 0, 0), centre(9, 14)) << c.name;
            EXPECT_EQ(RGB(0, 0, 0xFF), centre(2, 12)) << c.name;
        });
    }
}

// Red, green and blue quadrants over white (the last one transparent where
// the format can say so): every loader keeps each colour where it was, and
// the fill tool takes the imported colours for its own.
const DWORD kQuadrantColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

int QuadrantIndex(int x, int y)
{
    return (y >= 8 ? 2 : 0) + (x >= 8 ? 1 : 0);
}

DWORD QuadrantPixel(int x, int y)
{
    // The white quadrant is half transparent in a file with alpha.
    return (QuadrantIndex(x, y) == 3 ? 0x80000000 : 0xFF000000) | kQuadrantColours[QuadrantIndex(x, y)];
}

TEST(ImageEditor, ImportedColoursStayInPlaceAndCanBeFilled)
{
    const auto& palette = kQuadrantColours;
    GifLayout localPalette;
    localPalette.localPalette = true;
    GifLayout transparentWhite;
    transparentWhite.transparentIndex = 3;
    auto plain = [](int x, int y) { return QuadrantPixel(x, y) & 0xFFFFFF; };
    const COLORREF white = RGB(0xFF, 0xFF, 0xFF);
    const struct
    {
        LPCWSTR name;
        std::vector<BYTE> bytes;
        COLORREF lowerRight;
    } cases[] = {
        {L"quad24.bmp", BitmapFileBytes(16, 16, 24, plain), white},
        {L"quad32.bmp", BitmapFileBytes(16, 16, 32, QuadrantPixel), white},
        {L"quad32.ico", IconFileBytes(16, 16, 32, QuadrantPixel), white},
        {L"quad24.ico", IconFileBytes(16, 16, 24, plain), white},
        {L"quad.gif", GifFileBytes(16, 16, palette, QuadrantIndex), white},
        {L"quadlocal.gif", GifFileBytes(16, 16, palette, QuadrantIndex, localPalette), white},
        {L"quadclear.gif", GifFileBytes(16, 16, palette, QuadrantIndex, transparentWhite), kTransparent},
    };
    for (const auto& c : cases) {
        ImportIntoPlainImage(WriteFile(c.name, c.bytes), c.name, [&](CTestEditor& d) {
            EXPECT_EQ(RGB(0xFF, 0, 0), ColorAt(d, 2, 2)) << c.name;
            EXPECT_EQ(RGB(0, 0xFF, 0), ColorAt(d, 12, 2)) << c.name;
            EXPECT_EQ(RGB(0, 0, 0xFF), ColorAt(d, 2, 12)) << c.name;
            EXPECT_EQ(c.lowerRight, ColorAt(d, 12, 12)) << c.name;
            ClickCell(d, XTP_IDS_CLR_YELLOW);
            ClickButton(d, XTP_ID_BUTTON_FILL);
            ClickPixel(d, 2, 2);
            EXPECT_EQ(RGB(0xFF, 0xFF, 0), ColorAt(d, 0, 0)) << c.name;
            EXPECT_EQ(RGB(0xFF, 0xFF, 0), ColorAt(d, 7, 7)) << c.name;
            EXPECT_EQ(RGB(0, 0xFF, 0), ColorAt(d, 8, 7)) << c.name;
            if (d.GetPicture().GetImage()->m_bAlpha) {
                EXPECT_EQ(0xFFu, RawPixel(d.GetPicture().GetImage(), 0, 0) >> 24) << c.name;
                EXPECT_EQ(0x80u, RawPixel(d.GetPicture().GetImage(), 12, 12) >> 24) << c.name;
            }
        });
    }
    // A photograph's corner pixel fills like any other colour.
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    RunEditor(dlg, [&](CTestEditor& d) {
        ASSERT_TRUE(d.GetPicture().ImportFile(SourcePath(L"app/assets/pics/logo.jpg")));
        ClickCell(d, XTP_IDS_CLR_YELLOW);
        ClickButton(d, XTP_ID_BUTTON_FILL);
        ClickPixel(d, 0, 0);
        EXPECT_EQ(RGB(0xFF, 0xFF, 0), ColorAt(d, 0, 0));
    });
}

// A damaged icon file is a file that cannot be loaded: nothing changes.
TEST(ImageEditor, ADamagedIconFileChangesNothing)
{
    const std::vector<BYTE> good = IconFileBytes(16, 16, 24, [](int, int) { return 0xFF0000u; });
    auto truncated = [&](size_t n) { return std::vector<BYTE>(good.begin(), good.begin() + n); };
    auto patched = [&](size_t at, DWORD value) {
        std::vector<BYTE> bytes = good;
        for (int i = 0; i < 4; i++)
            bytes[at + i] = static_cast<BYTE>(value >> (8 * i));
        return bytes;
    };
    const struct
    {
        const char* what;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"cut in the image", truncated(good.size() / 2)},
        {"cut in the directory", truncated(12)},
        {"offset past the end", patched(18, 0x7FFFFFF0)},
        {"size past the end", patched(14, 0x10000)},
        {"offset into the directory", patched(18, 2)},
        {"no entries", [&] { auto b = truncated(6); b[4] = 0; return b; }()},
        // The system's loader would take the sound first image and never
        // look at the second.
        {"a second entry past the end", [&] {
             const std::vector<BYTE> second = {32, 32, 0, 0, 1, 0, 24, 0, 0x00, 0x10, 0, 0, 0xF0, 0xFF, 0xFF, 0x7F};
             std::vector<BYTE> b = good;
             b.insert(b.begin() + 22, second.begin(), second.end());
             b[4] = 2;
             b[18] = static_cast<BYTE>(b[18] + 16);
             return b;
         }()},
    };
    for (const auto& c : cases) {
        CTestEditor dlg;
        LoadImage(dlg, Kind::plain16);
        const CString strPath = WriteFile(L"damaged.ico", c.bytes);
        RunEditor(dlg, [&](CTestEditor& d) {
            const CImage* pBefore = d.GetPicture().GetImage();
            EXPECT_FALSE(d.GetPicture().ImportFile(strPath)) << c.what;
            EXPECT_EQ(pBefore, d.GetPicture().GetImage()) << c.what;
            EXPECT_EQ(0, d.GetPicture().GetUndoCount()) << c.what;
            EXPECT_EQ(kGreen, ColorAt(d, 3, 3)) << c.what;
        });
    }
}

// Damaged GIFs and bitmaps never reach the system's loaders, whatever the
// file is called; a sound GIF still comes in.
TEST(ImageEditor, ADamagedGifOrBitmapChangesNothing)
{
    struct Case
    {
        std::string what;
        const wchar_t* name;
        std::vector<BYTE> bytes;
    };
    std::vector<Case> cases;
    for (const testpics::PictureCase& c : testpics::DamagedGifs()) {
        cases.push_back({c.what, L"damaged.gif", c.bytes});
        cases.push_back({c.what + " (named .jpg)", L"damaged.jpg", c.bytes});
    }
    for (const testpics::PictureCase& c : testpics::DamagedBitmaps())
        cases.push_back({c.what, L"damaged.bmp", c.bytes});
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    RunEditor(dlg, [&](CTestEditor& d) {
        const CImage* pBefore = d.GetPicture().GetImage();
        for (const Case& c : cases) {
            const CString strPath = testpics::WritePictureFile(c.name, c.bytes).c_str();
            EXPECT_FALSE(d.GetPicture().ImportFile(strPath)) << c.what;
            EXPECT_EQ(pBefore, d.GetPicture().GetImage()) << c.what;
        }
        EXPECT_EQ(0, d.GetPicture().GetUndoCount());
        EXPECT_EQ(kGreen, ColorAt(d, 3, 3));

        ASSERT_TRUE(d.GetPicture().ImportFile(testpics::WritePictureFile(L"sound.gif", testpics::SoundGifBytes()).c_str()));
        EXPECT_EQ(RGB(0, 0xFF, 0), ColorAt(d, 2, 5));
        EXPECT_EQ(RGB(0, 0, 0xFF), ColorAt(d, 13, 9));
        EXPECT_EQ(kTransparent, ColorAt(d, 2, 13));
    });
}

TEST(ImageEditor, AfterOKTheCallerGetsThePixels)
{
    {
        CTestEditor dlg;
        LoadImage(dlg, Kind::plain16);
        EXPECT_EQ(IDOK, RunEditor(dlg, [&](CTestEditor& d) {
            ClickCell(d, XTP_IDS_CLR_RED);
            ClickPixel(d, 8, 8);
        }));
        CXTPImageManagerIconHandle result;
        dlg.GetIcon(result);
        ASSERT_NE(nullptr, result.GetIcon());
        // Drawn over white: the stroke, the block, white where transparent.
        HBITMAP hCheck = MakeAlphaBitmap(16, 16, [](int, int) { return 0x00FFFFFFu; });
        HDC hDC = ::CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hDC, hCheck);
        ::DrawIconEx(hDC, 0, 0, result.GetIcon(), 16, 16, 0, nullptr, DI_NORMAL);
        EXPECT_EQ(RGB(0xFF, 0, 0), ::GetPixel(hDC, 8, 8));
        EXPECT_EQ(kGreen, ::GetPixel(hDC, 3, 3));
        EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), ::GetPixel(hDC, 12, 3));
        ::SelectObject(hDC, hOld);
        ::DeleteDC(hDC);
        ::DeleteObject(hCheck);
    }
    {
        CTestEditor dlg;
        LoadImage(dlg, Kind::alpha32);
        RunEditor(dlg, [&](CTestEditor& d) { ClickPixel(d, 30, 30); });
        CXTPImageManagerIconHandle result;
        dlg.GetIcon(result);
        ASSERT_TRUE(result.IsAlpha());
        CImage copy(TRUE);
        copy.Attach(XTPCopyAlphaBitmap(result.GetBitmap()));
        EXPECT_EQ(0xFF000000u, RawPixel(&copy, 30, 30));
        EXPECT_EQ(0x800000FFu, RawPixel(&copy, 20, 3));
    }
}

// The toolbars take the plain strip from common controls 5.81 and the alpha
// strip from version 6: twelve tools and four arrows either way.
TEST(ImageEditor, ToolbarImagesFollowTheCommonControlsVersion)
{
    for (DWORD dwVersion : {MAKELONG(81, 5), MAKELONG(0, 6)}) {
        CTestEditor dlg(dwVersion);
        RunEditor(dlg, [&](CTestEditor& d) {
            HIMAGELIST hTools = d.GetToolsBar().GetImageList();
            HIMAGELIST hMove = d.GetMoveBar().GetImageList();
            EXPECT_EQ(16, ImageList_GetImageCount(hTools));
            EXPECT_EQ(4, ImageList_GetImageCount(hMove));
            EXPECT_EQ(12, d.GetToolsBar().GetButtonCount());
            CRect rcTools;
            d.GetToolsBar().GetClientRect(&rcTools);
            EXPECT_EQ(CSize(4 * 23, 3 * 23), rcTools.Size());
            // The first arrow (left) has a transparent top-left corner.
            IMAGEINFO info = {};
            ImageList_GetImageInfo(hMove, 0, &info);
            BITMAP bm = {};
            ::GetObject(info.hbmImage, sizeof(bm), &bm);
            EXPECT_EQ(HIWORD(dwVersion) >= 6 ? 32 : 24, bm.bmBitsPixel) << HIWORD(dwVersion);
        });
    }
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

TEST(ImageEditor, FillingWithTheTransparentCellMakesAnAlphaAreaTransparentLikeThePencilsErase)
{
    CTestEditor dlg;
    LoadImage(dlg, Kind::alpha32);
    RunEditor(dlg, [&](CTestEditor& d) {
        ClickCell(d, XTP_IDC_CLR_ERASE);
        ASSERT_EQ(XTP_IMAGEEDITOR_TRANSPARENT, d.GetCurrentColor());
        ClickButton(d, XTP_ID_BUTTON_FILL);
        ClickPixel(d, 6, 6);
        const CImage* pImage = d.GetPicture().GetImage();
        for (int i = 4; i < 12; i++)
            EXPECT_EQ(kTransparentPixelValue, RawPixel(pImage, i, i)) << i;
        // What lay outside the area keeps its own alpha.
        EXPECT_EQ(0x800000FFu, RawPixel(pImage, 20, 6));
        EXPECT_EQ(kTransparentPixelValue, RawPixel(pImage, 0, 0));

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

TEST(ImageEditor, GetIconLeavesTheEditorsPlainImageAsItWas)
{
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    RunEditor(dlg, [&](CTestEditor& d) {
        for (int nCall = 0; nCall < 2; nCall++) {
            CXTPImageManagerIconHandle result;
            d.GetIcon(result);
            ASSERT_NE(nullptr, result.GetIcon()) << nCall;
            EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), IconPixelOverWhite(result.GetIcon(), 16, 16, 0, 0)) << nCall;
            EXPECT_EQ(RGB(0, 0x80, 0), IconPixelOverWhite(result.GetIcon(), 16, 16, 3, 3)) << nCall;
            // The editor still shows and holds its transparent pixels.
            EXPECT_EQ(kTransparentPixelValue, RawPixel(d.GetPicture().GetImage(), 0, 0) & 0xFFFFFF) << nCall;
            EXPECT_EQ(XTP_IMAGEEDITOR_TRANSPARENT, d.GetPicture().GetImage()->GetColor(15, 15)) << nCall;
        }
        d.GetPicture().Invalidate();
        testpump::PumpUntilIdle();
        const testshot::Image shot = ctltest::ShootWindow(d.GetPicture().m_hWnd, L"imageeditor_after_geticon.png");
        EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), shot.Pixel(2, 2));
        EXPECT_EQ(RGB(0xEB, 0xEB, 0xEB), shot.Pixel(6, 2));
    });
}

TEST(ImageEditor, Screenshots)
{
    for (Kind kind : {Kind::alpha32, Kind::plain16}) {
        CTestEditor dlg;
        LoadImage(dlg, kind);
        RunEditor(dlg, [&](CTestEditor& d) {
            testpump::PumpUntilIdle();
            const testshot::Image shot = ctltest::ShootWindow(
                d.m_hWnd, kind == Kind::alpha32 ? L"imageeditor_alpha.png" : L"imageeditor_plain.png");
            CRect rcDlg, rcPicture, rcCell;
            d.GetWindowRect(&rcDlg);
            d.GetPicture().GetWindowRect(&rcPicture);
            ::GetWindowRect(::GetDlgItem(d.m_hWnd, XTP_IDS_CLR_RED), &rcCell);
            auto at = [&](const CRect& rc, int x, int y) { return shot.Pixel(rc.left - rcDlg.left + x, rc.top - rcDlg.top + y); };
            const int cell = d.GetPicture().GetCellSize().cx;
            // Checkerboard in the transparent corner, the frame, the image.
            EXPECT_EQ(RGB(0, 0, 0), at(rcPicture, 0, 0));
            EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), at(rcPicture, 2, 2));
            EXPECT_EQ(RGB(0xEB, 0xEB, 0xEB), at(rcPicture, 6, 2));
            EXPECT_EQ(kind == Kind::alpha32 ? RGB(0xFF, 0, 0) : kGreen, at(rcPicture, 4 * cell + 2, 4 * cell + 2));
            if (kind == Kind::alpha32) {
                // Half-transparent blue over the checkerboard.
                const COLORREF blended = at(rcPicture, 20 * cell + 1, 2);
                EXPECT_NEAR(0x7F, GetRValue(blended), 2);
                EXPECT_NEAR(0xFF, GetBValue(blended), 1);
            }
            EXPECT_EQ(RGB(0xFF, 0, 0), at(rcCell, 5, 5));
        });
    }
}

} // namespace

namespace {

// The more-colours cell opens the colour dialog at its colour; OK keeps
// that colour (Wine answers the initial one) and selects the cell.
TEST(ImageEditor, MoreColoursOpensTheColourDialogAtTheCellsColour)
{
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    RunEditor(dlg, [&](CTestEditor& d) {
        ClickButton(d, XTP_ID_BUTTON_GETCOLOR);
        testinput::ClickAt(PixelOnScreen(d, 3, 3));
        EXPECT_TRUE(testpump::PumpUntil([&] { return d.GetMoreColorsCell().IsSelected(); }));
        ClickCell(d, XTP_IDS_CLR_RED);
        EXPECT_FALSE(d.GetMoreColorsCell().IsSelected());
        custtest::CDialogScript script({custtest::Press(IDOK)});
        ClickCell(d, XTP_IDC_CLR_MORE);
        EXPECT_TRUE(testpump::PumpUntil([&] { return d.GetMoreColorsCell().IsSelected(); }));
        EXPECT_EQ(1u, script.StepsRun());
        EXPECT_EQ(kGreen, d.GetCurrentColor());
    });
}

// The import button asks for the file; cancel changes nothing.
TEST(ImageEditor, ImportAsksForTheFile)
{
    const CString strPath = WriteFile(L"asked.bmp", BitmapFileBytes(16, 16, 24, ImportPattern));
    CTestEditor dlg;
    LoadImage(dlg, Kind::plain16);
    RunEditor(dlg, [&](CTestEditor& d) {
        {
            ctltest::CModalDriver cancel(L"#32770", ctltest::AnswerFileDialog(strPath, IDCANCEL));
            ClickButton(d, XTP_ID_BUTTON_OPEN);
            EXPECT_TRUE(cancel.Ran());
        }
        EXPECT_EQ(0, d.GetPicture().GetUndoCount());
        ctltest::CModalDriver open(L"#32770", ctltest::AnswerFileDialog(strPath, IDOK, L"imageeditor_import.png"));
        ClickButton(d, XTP_ID_BUTTON_OPEN);
        EXPECT_TRUE(open.Ran());
        EXPECT_EQ(1, d.GetPicture().GetUndoCount());
        EXPECT_EQ(RGB(0, 0, 0xFF), ColorAt(d, 2, 2));
    });
}

TEST(ImageEditor, ToolTipsAreTheTextAfterTheNewLine)
{
    const struct
    {
        UINT nID;
        LPCWSTR text;
    } cases[] = {{XTP_ID_BUTTON_PENCIL, L"Farbstift"},
                 {XTP_ID_BUTTON_FILL, L"Füllfarbe"},
                 {XTP_ID_BUTTON_UNDO, L"Rückgängig: "},
                 {XTP_ID_BUTTON_MOVE_LEFT, L""}};
    CTestEditor dlg;
    RunEditor(dlg, [&](CTestEditor& d) {
        for (const auto& c : cases) {
            NMTTDISPINFOW infoW = {};
            infoW.hdr = {d.GetToolsBar().m_hWnd, c.nID, TTN_NEEDTEXTW};
            d.SendMessage(WM_NOTIFY, c.nID, reinterpret_cast<LPARAM>(&infoW));
            EXPECT_EQ(CString(c.text), CString(infoW.szText)) << c.nID;
            NMTTDISPINFOA infoA = {};
            infoA.hdr = {d.GetToolsBar().m_hWnd, c.nID, TTN_NEEDTEXTA};
            d.SendMessage(WM_NOTIFY, c.nID, reinterpret_cast<LPARAM>(&infoA));
            wchar_t szWide[80] = {};
            ::MultiByteToWideChar(CP_ACP, 0, infoA.szText, -1, szWide, 80);
            EXPECT_EQ(CString(c.text), CString(szWide)) << c.nID;
        }
    });
}

} // namespace


// A toolbar button's image edited in the frame's customize sheet: an alpha
// image pasted into the button image editor and painted black where it is
// fully transparent shows on the program's toolbar as pasted and painted.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"

#include "resources/AppIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"

using namespace barstest;

namespace {

// 16 x 16 with alpha on the clipboard, marked as such: the left half opaque
// blue, the right half fully transparent (all bits 0).
bool PutHalfBlueOnTheClipboard(HWND hOwner)
{
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = XTPCreateAlphaDIB(16, 16, &pBits);
    if (hBitmap == nullptr || !::OpenClipboard(hOwner))
        return false;
    DWORD* pPixels = reinterpret_cast<DWORD*>(pBits);
    for (int i = 0; i < 16 * 16; i++)
        pPixels[i] = i % 16 < 8 ? 0xFF0000FF : 0;
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, hBitmap);
    HGLOBAL hMarker = ::GlobalAlloc(GMEM_MOVEABLE, 1);
    ::SetClipboardData(::RegisterClipboardFormatW(L"Alpha Bitmap Image"), hMarker);
    ::CloseClipboard();
    return true;
}

// The editor, once it shows: paste, the black pencil on a transparent pixel, OK.
CXTPImageEditorDlg* g_pEditor = nullptr;
bool g_bPainted = false;

BOOL CALLBACK FindEditor(HWND hWnd, LPARAM)
{
    if (auto* pEditor = dynamic_cast<CXTPImageEditorDlg*>(CWnd::FromHandlePermanent(hWnd))) {
        if (pEditor->IsWindowVisible())
            g_pEditor = pEditor;
    }
    return g_pEditor == nullptr;
}

void CALLBACK PaintInEditor(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), FindEditor, 0);
    if (g_pEditor == nullptr)
        return;
    ::KillTimer(nullptr, nTimer);
    CXTPImageEditorDlg* pEditor = g_pEditor;
    testpump::PumpUntilIdle();
    pEditor->SendMessage(WM_COMMAND, XTP_ID_BUTTON_PASTE, 0);
    CXTPImageEditorPicture& picture = pEditor->GetPicture();
    const CSize cell = picture.GetCellSize();
    POINT pt = {12 * cell.cx + cell.cx / 2, 12 * cell.cy + cell.cy / 2};
    picture.ClientToScreen(&pt);
    testinput::ClickAt(pt);
    g_bPainted = testpump::PumpUntil([&] { return picture.GetUndoCount() == 2 && ::GetCapture() == nullptr; });
    pEditor->PostMessage(WM_COMMAND, IDOK, 0);
}

} // namespace

TEST_F(FrameBars, AnAlphaImagePastedIntoTheButtonEditorTakesBlackWhereItIsTransparent)
{
    ShowFrame();
    CXTPControl* pButton = ToolBar()->GetControl(0);
    ASSERT_NE(nullptr, pButton);
    ASSERT_TRUE(PutHalfBlueOnTheClipboard(pFrame->GetSafeHwnd()));
    testshot::Image shot;
    g_pEditor = nullptr;
    g_bPainted = false;
    CInModal inSheet([&](HWND hSheet) {
        pFrame->GetCommandBars()->SetDragControl(pButton);
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, PaintInEditor);
        ::SendMessageW(hSheet, WM_COMMAND, XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE, 0);
        ::KillTimer(nullptr, nTimer);
        testpump::PumpUntilIdle();
        ToolBar()->RedrawWindow();
        shot = testshot::CaptureWindow(ToolBar()->GetSafeHwnd());
        testshot::Save(shot, L"app_button_image_pasted_and_painted.png");
        ::PostMessageW(hSheet, WM_COMMAND, IDCANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !pFrame->GetCommandBars()->IsCustomizeMode(); }));
    ASSERT_NE(nullptr, g_pEditor);
    EXPECT_TRUE(g_bPainted);
    EXPECT_NE(0, pButton->GetCustomIconId());

    // The icon's top-left corner: the first blue pixel of the button.
    const CRect rc = pButton->GetRect();
    POINT origin = {-1, -1};
    for (int y = rc.top; y < rc.bottom && origin.x < 0; y++)
        for (int x = rc.left; x < rc.right && origin.x < 0; x++)
            if (shot.Pixel(x, y) == RGB(0, 0, 0xFF))
                origin = {x, y};
    ASSERT_GE(origin.x, 0) << "no pasted blue on the button";
    auto iconPixel = [&](int x, int y) { return shot.Pixel(origin.x + x, origin.y + y); };
    EXPECT_EQ(RGB(0, 0, 0xFF), iconPixel(3, 12));
    EXPECT_EQ(RGB(0, 0, 0), iconPixel(12, 12));
    // The rest of the transparent half shows the bar behind it.
    const COLORREF clrBehind = iconPixel(12, 3);
    EXPECT_NE(RGB(0, 0, 0), clrBehind);
    EXPECT_NE(RGB(0, 0, 0xFF), clrBehind);
}

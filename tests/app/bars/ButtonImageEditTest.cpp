// A toolbar button's image edited in the frame's customize sheet: an alpha
// image pasted into the button image editor and painted black where it is
// fully transparent shows on the program's toolbar as pasted and painted;
// an image edited again while large icons are on stays the button's image
// when they are off again, also in the stored layout.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "ImageEditorInput.h"

#include "resources/AppIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"

#include <commctrl.h>

#include <utility>
#include <vector>

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

void CALLBACK PaintInEditor(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    g_pEditor = ShownImageEditor();
    if (g_pEditor == nullptr)
        return;
    testtimer::Kill(nTimer);
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
        testtimer::ThreadTimer nTimer(50, PaintInEditor);
        ::SendMessageW(hSheet, WM_COMMAND, XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE, 0);
        nTimer.Kill();
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

namespace {

// By mouse in the editor: the image cleared, then filled with the colour of
// a palette cell, and OK.
void FillImageAndOk(CXTPImageEditorDlg& editor, UINT nColourCell)
{
    testpump::PumpUntilIdle();
    CXTPImageEditorPicture& picture = editor.GetPicture();
    ClickEditorTool(editor, XTP_ID_BUTTON_CLEAR);
    ClickCentreOf(::GetDlgItem(editor.m_hWnd, static_cast<int>(nColourCell)));
    ClickEditorTool(editor, XTP_ID_BUTTON_FILL);
    const int nUndo = picture.GetUndoCount();
    const CSize cell = picture.GetCellSize();
    POINT pt = {cell.cx / 2, cell.cy / 2};
    picture.ClientToScreen(&pt);
    testinput::ClickAt(pt);
    testpump::PumpUntil([&] { return picture.GetUndoCount() == nUndo + 1; });
    ClickCentreOf(::GetDlgItem(editor.m_hWnd, IDOK));
}

// The red and the blue pixels inside a rectangle of a picture.
std::pair<int, int> RedAndBlueIn(const testshot::Image& shot, const CRect& rc)
{
    int nRed = 0, nBlue = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++) {
            nRed += shot.Pixel(x, y) == RGB(0xFF, 0, 0) ? 1 : 0;
            nBlue += shot.Pixel(x, y) == RGB(0, 0, 0xFF) ? 1 : 0;
        }
    return {nRed, nBlue};
}

class ButtonImageEdit : public FrameBars
{
protected:
    CXTPCommandBars* Bars() const { return pFrame->GetCommandBars(); }

    // A right click on the selected button, "Schaltflächensymbol
    // bearbeiten..." in its menu, and the image filled in the editor.
    bool EditByMouse(CXTPCustomizeSheet& sheet, CXTPControl* pButton, UINT nColourCell)
    {
        CXTPPopupBar* pMenu = sheet.GetContextMenu();
        CXTPControl* pItem = pMenu->GetControls()->FindControl(XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE);
        bool bFilled = false;
        RunSteps({{[pMenu] { return pMenu->IsTrackingMode() && ::IsWindowVisible(pMenu->GetSafeHwnd()); },
                   [this, pItem] { testinput::ClickAt(ScreenRect(pItem).CenterPoint()); }},
                  {[] { return ShownImageEditor() != nullptr; },
                   [&bFilled, nColourCell] {
                       FillImageAndOk(*ShownImageEditor(), nColourCell);
                       bFilled = true;
                   }}});
        testinput::ClickAt(ScreenRect(pButton).CenterPoint(), true);
        const bool bDone =
            testpump::PumpUntil([&] { return StepsDone() && bFilled && ShownImageEditor() == nullptr; });
        testpump::PumpUntilIdle();
        return bDone;
    }

    // The check box of the options page clicked; waits for the option.
    void ClickLargeIcons(HWND hPage, BOOL bWanted)
    {
        CRect rc;
        ::GetWindowRect(::GetDlgItem(hPage, XTP_IDC_CHECK_LARGEICONS), &rc);
        testinput::ClickAt(CPoint(rc.left + 6, rc.CenterPoint().y));
        testpump::PumpUntil([&] { return Bars()->GetOptions()->bLargeIcons == bWanted; });
        testpump::PumpUntilIdle();
    }

    void SelectByClick(CXTPControl* pButton)
    {
        testinput::ClickAt(ScreenRect(pButton).CenterPoint());
        testpump::PumpUntil([&] { return Bars()->GetDragControl() == pButton; });
        testpump::PumpUntilIdle();
    }
};

} // namespace

TEST_F(ButtonImageEdit, AnImageEditedAgainWithLargeIconsStaysWhenTheyAreOffAgain)
{
    ShowFrame();
    CXTPControl* pStart = ToolBarButton(ID_START_SEARCH);
    ASSERT_NE(nullptr, pStart);
    bool bRedDone = false, bBlueDone = false, bLargeBetween = false;
    BOOL bLargeAfter = TRUE;
    testshot::Image shot;
    CRect rcButton;
    CSize szIcon;
    CInModal inSheet([&](HWND hSheet) {
        // Clear of the toolbar.
        ::SetWindowPos(hSheet, nullptr, 300, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        testpump::PumpUntilIdle();
        CXTPCustomizeSheet* pSheet = DYNAMIC_DOWNCAST(CXTPCustomizeSheet, CWnd::FromHandlePermanent(hSheet));
        if (pSheet != nullptr) {
            SelectByClick(pStart);
            bRedDone = EditByMouse(*pSheet, pStart, XTP_IDS_CLR_RED);
            HWND hPage = ShowPageByClick(hSheet, 3, XTP_IDC_CHECK_LARGEICONS);
            ClickLargeIcons(hPage, TRUE);
            bLargeBetween = Bars()->GetOptions()->bLargeIcons != FALSE;
            SelectByClick(pStart);
            bBlueDone = EditByMouse(*pSheet, pStart, XTP_IDS_CLR_BLUE);
            ClickLargeIcons(hPage, FALSE);
            bLargeAfter = Bars()->GetOptions()->bLargeIcons;
            ToolBar()->RedrawWindow();
            testpump::PumpUntilIdle();
            shot = testshot::CaptureWindow(ToolBar()->GetSafeHwnd());
            rcButton = pStart->GetRect();
            szIcon = ToolBar()->GetIconSize();
        }
        ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
    testshot::Save(shot, L"app_button_image_edited_again_large_icons_off.png");
    ASSERT_TRUE(bRedDone);
    ASSERT_TRUE(bLargeBetween);
    ASSERT_TRUE(bBlueDone);
    EXPECT_FALSE(bLargeAfter);
    ASSERT_GT(shot.width, 0);

    // The whole icon in the second edit's blue.
    const std::pair<int, int> shown = RedAndBlueIn(shot, rcButton);
    EXPECT_EQ(0, shown.first) << "the first edit shows again";
    EXPECT_EQ(szIcon.cx * szIcon.cy, shown.second);

    // The stored layout brings back what showed.
    ASSERT_NO_FATAL_FAILURE(Restart());
    pStart = ToolBarButton(ID_START_SEARCH);
    ASSERT_NE(nullptr, pStart);
    ToolBar()->RedrawWindow();
    testpump::PumpUntilIdle();
    const testshot::Image restarted = testshot::CaptureWindow(ToolBar()->GetSafeHwnd());
    testshot::Save(restarted, L"app_button_image_edited_again_restarted.png");
    const std::pair<int, int> loaded = RedAndBlueIn(restarted, pStart->GetRect());
    EXPECT_EQ(0, loaded.first);
    EXPECT_EQ(szIcon.cx * szIcon.cy, loaded.second);
}

// An image set on a menu command in the frame's customize sheet shows in
// the menu as the editor showed it: red painted by mouse into the
// transparent corner of "Optionen..." shows at once in the open menu, in
// the menu opened after the sheet closed (also with the item highlighted)
// and in the program's next process; an image pasted onto "Über...", which
// had none, shows there.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "ImageEditorInput.h"

#include "resources/AppIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/SecondProcess.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace barstest;

namespace {

const wchar_t kPaintedVariable[] = L"TAVROLIN_FRAME_BARS_PAINTED_MENU_IMAGE";
const COLORREF kRed = RGB(0xFF, 0, 0);

// The pixels, of those wanted, that the editor's image has transparent.
std::vector<POINT> TransparentOf(CXTPImageEditorPicture& picture, const std::vector<POINT>& wanted)
{
    std::vector<POINT> found;
    for (const POINT& pt : wanted)
        if (picture.GetImage() != nullptr && picture.GetImage()->GetColor(pt.x, pt.y) == XTP_IMAGEEDITOR_TRANSPARENT)
            found.push_back(pt);
    return found;
}

// In the editor: red, the pencil, a click on each pixel, OK.
void PaintRedAndOk(CXTPImageEditorDlg& editor, const std::vector<POINT>& pixels)
{
    testpump::PumpUntilIdle();
    CXTPImageEditorPicture& picture = editor.GetPicture();
    ClickCentreOf(::GetDlgItem(editor.m_hWnd, XTP_IDS_CLR_RED));
    ClickEditorTool(editor, XTP_ID_BUTTON_PENCIL);
    const CSize cell = picture.GetCellSize();
    for (const POINT& pixel : pixels) {
        const int nUndo = picture.GetUndoCount();
        POINT pt = {pixel.x * cell.cx + cell.cx / 2, pixel.y * cell.cy + cell.cy / 2};
        picture.ClientToScreen(&pt);
        testinput::ClickAt(pt);
        testpump::PumpUntil([&] { return picture.GetUndoCount() == nUndo + 1 && ::GetCapture() == nullptr; });
    }
    ClickCentreOf(::GetDlgItem(editor.m_hWnd, IDOK));
}

// The pixels of a rectangle of the picture that pass the test, relative to
// the first of them (rows top to bottom, each left to right).
template <class Test>
std::vector<POINT> PatternIn(const testshot::Image& shot, const CRect& rc, Test test)
{
    std::vector<POINT> found;
    for (int y = std::max(0L, rc.top); y < std::min(static_cast<LONG>(shot.height), rc.bottom); y++)
        for (int x = std::max(0L, rc.left); x < std::min(static_cast<LONG>(shot.width), rc.right); x++)
            if (test(shot.Pixel(x, y)))
                found.push_back({x, y});
    for (size_t i = 1; i < found.size(); i++)
        found[i] = {found[i].x - found[0].x, found[i].y - found[0].y};
    if (!found.empty())
        found[0] = {0, 0};
    return found;
}

// The same, for the pixels of an image.
std::vector<POINT> Relative(std::vector<POINT> pixels)
{
    std::sort(pixels.begin(), pixels.end(),
              [](const POINT& a, const POINT& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    for (size_t i = 1; i < pixels.size(); i++)
        pixels[i] = {pixels[i].x - pixels[0].x, pixels[i].y - pixels[0].y};
    if (!pixels.empty())
        pixels[0] = {0, 0};
    return pixels;
}

std::string Text(const std::vector<POINT>& pixels)
{
    std::string text;
    for (const POINT& pt : pixels)
        text += std::to_string(pt.x) + "," + std::to_string(pt.y) + ";";
    return text;
}

std::string RedPatternOf(const testshot::Image& shot, const CRect& rc)
{
    return Text(PatternIn(shot, rc, [](COLORREF clr) { return clr == kRed; }));
}

// What the screen shows of a window now, as another program reads it, and
// the window's rectangle in that picture's coordinates of a control on it.
testshot::Image ScreenOf(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return testshot::CaptureScreen(rc);
}

CRect RectInWindow(CXTPControl* pControl)
{
    CRect rc = pControl->GetRect();
    HWND hBar = pControl->GetParent()->GetSafeHwnd();
    CRect rcWindow, rcClient;
    ::GetWindowRect(hBar, &rcWindow);
    ::MapWindowPoints(hBar, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    rc.OffsetRect(-rcWindow.left, -rcWindow.top);
    return rc;
}

class MenuCommandImage : public FrameBars
{
protected:
    // Steps a failed test left waiting end with it.
    void TearDown() override
    {
        DropSteps();
        FrameBars::TearDown();
    }

    CXTPCommandBars* Bars() const { return pFrame->GetCommandBars(); }

    // A right click on a menu item in customize mode and a command of its
    // context menu clicked; `inLoop` then runs when its condition holds.
    bool RunContextCommand(CXTPCustomizeSheet& sheet, CXTPControl* pItem, UINT nCommand,
                           TimedStep inLoop = {})
    {
        CXTPPopupBar* pMenu = sheet.GetContextMenu();
        CXTPControl* pCommand = pMenu->GetControls()->FindControl(nCommand);
        std::vector<TimedStep> steps = {
            {[pMenu] { return pMenu->IsTrackingMode() && ::IsWindowVisible(pMenu->GetSafeHwnd()); },
             [this, pCommand] { testinput::ClickAt(ScreenRect(pCommand).CenterPoint()); }}};
        if (inLoop.act)
            steps.push_back(inLoop);
        RunSteps(steps);
        testinput::ClickAt(ScreenRect(pItem).CenterPoint(), true);
        const bool bDone = testpump::PumpUntil(
            [&] { return StepsDone() && !::IsWindowVisible(pMenu->GetSafeHwnd()) && ShownImageEditor() == nullptr; });
        testpump::PumpUntilIdle();
        return bDone;
    }

    // The sheet opened through the frame's command, moved clear of the
    // menus; the action runs in it, then the sheet closes.
    void InSheet(const std::function<void(CXTPCustomizeSheet&)>& action)
    {
        bool bRan = false;
        CInModal inSheet([&](HWND hSheet) {
            ::SetWindowPos(hSheet, nullptr, 450, 320, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testpump::PumpUntilIdle();
            if (auto* pSheet = DYNAMIC_DOWNCAST(CXTPCustomizeSheet, CWnd::FromHandlePermanent(hSheet))) {
                action(*pSheet);
                bRan = true;
            }
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
        pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
        ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
        ASSERT_TRUE(bRan);
    }
};

} // namespace

TEST(FrameBarsRestart, SecondProcessShowsThePaintedMenuImage)
{
    wchar_t painted[256] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kPaintedVariable, painted, 256))
        << "runs as the second process of MenuCommandImage.RedPaintedIntoOptionenShowsInTheMenuAtOnceAndLater";
    CLaterProcess later;
    CMainFrame* pFrame = later.Frame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->SetWindowPos(nullptr, 20, 20, 800, 560, SWP_NOZORDER | SWP_SHOWWINDOW);
    ::SetForegroundWindow(pFrame->GetSafeHwnd());
    ASSERT_TRUE(testpump::PumpUntil([pFrame] { return ::GetActiveWindow() == pFrame->GetSafeHwnd(); }));
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();
    CXTPPopupBar* pFile = OpenMenuByClick(pFrame, 0);
    ASSERT_NE(pFile, nullptr);
    CXTPControl* pOptions = pFile->GetControls()->FindControl(ID_OPTIONS);
    ASSERT_NE(pOptions, nullptr);
    const testshot::Image shot = ScreenOf(pFile->GetSafeHwnd());
    testshot::Save(shot, L"app_menu_image_painted_next_process.png");
    EXPECT_EQ(std::string(CStringA(painted).GetString()), RedPatternOf(shot, RectInWindow(pOptions)));
    pFrame->GetCommandBars()->ClosePopups();
    testpump::PumpUntilIdle();
}

TEST_F(MenuCommandImage, RedPaintedIntoOptionenShowsInTheMenuAtOnceAndLater)
{
    ShowFrame();
    // Single pixels, so that none can hide in a neighbour's share.
    const std::vector<POINT> corner = {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {1, 3}};
    std::vector<POINT> painted;
    testshot::Image atOnce;
    CRect rcAtOnce;
    bool bEdited = false;
    ASSERT_NO_FATAL_FAILURE(InSheet([&](CXTPCustomizeSheet& sheet) {
        CXTPPopupBar* pFile = OpenMenu(0);
        if (pFile == nullptr)
            return;
        CXTPControl* pOptions = pFile->GetControls()->FindControl(ID_OPTIONS);
        bool bPainted = false;
        bEdited = RunContextCommand(sheet, pOptions, XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE,
                                    {[] { return ShownImageEditor() != nullptr; },
                                     [&] {
                                         CXTPImageEditorDlg& editor = *ShownImageEditor();
                                         painted = TransparentOf(editor.GetPicture(), corner);
                                         PaintRedAndOk(editor, painted);
                                         bPainted = true;
                                     }}) &&
                  bPainted;
        // As the screen shows it, without asking the menu to draw again.
        atOnce = ScreenOf(pFile->GetSafeHwnd());
        rcAtOnce = RectInWindow(pOptions);
        CloseMenus();
    }));
    testshot::Save(atOnce, L"app_menu_image_painted_at_once.png");
    ASSERT_TRUE(bEdited);
    ASSERT_EQ(corner.size(), painted.size()) << "the image's corner is not transparent";
    const std::string expected = Text(Relative(painted));
    EXPECT_EQ(expected, RedPatternOf(atOnce, rcAtOnce)) << "at once";

    // The sheet closed: the menu opened by a click, then the item under the pointer.
    CXTPPopupBar* pFile = OpenMenu(0);
    ASSERT_NE(pFile, nullptr);
    CXTPControl* pOptions = pFile->GetControls()->FindControl(ID_OPTIONS);
    const testshot::Image closed = ScreenOf(pFile->GetSafeHwnd());
    testshot::Save(closed, L"app_menu_image_painted_sheet_closed.png");
    EXPECT_EQ(expected, RedPatternOf(closed, RectInWindow(pOptions))) << "after the sheet closed";
    testinput::MoveMouseAndWait(ScreenRect(pOptions).CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil([pOptions] { return pOptions->GetSelected() != FALSE; }));
    testpump::PumpUntilIdle();
    const testshot::Image highlighted = ScreenOf(pFile->GetSafeHwnd());
    testshot::Save(highlighted, L"app_menu_image_painted_highlighted.png");
    EXPECT_EQ(expected, RedPatternOf(highlighted, RectInWindow(pOptions))) << "highlighted";
    CloseMenus();

    ::SetForegroundWindow(hFrame);
    frametest::ViewOf(pFrame)->SetFocus();
    testinput::SendChord({VK_MENU, 'X'});
    ASSERT_TRUE(PumpAppUntil([this] { return !::IsWindow(hFrame); })) << "Alt+X did not end the program";
    const DWORD code = testprocess::RunTestInChild(L"FrameBarsRestart.SecondProcessShowsThePaintedMenuImage",
                                                   kPaintedVariable, CString(expected.c_str()).GetString());
    EXPECT_EQ(code, 0u) << "the next process's menu lost the painted pixels " << expected;
}

namespace {

// 32 x 32 on the button face, as another program copies a picture: single
// red pixels, each alone in its 2 x 2 block.
const std::vector<POINT> kPastedRed = {{4, 4}, {10, 4}, {6, 9}, {13, 13}};

bool PutPlainPictureOnTheClipboard(HWND hOwner)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 32, 32);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rc = {0, 0, 32, 32};
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    for (const POINT& pt : kPastedRed)
        ::SetPixel(hDC, pt.x, pt.y, kRed);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    if (!::OpenClipboard(hOwner)) {
        ::DeleteObject(hBitmap);
        return false;
    }
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, hBitmap);
    ::CloseClipboard();
    return true;
}

// Red mixed into the menu's light background: red leads, green and blue equal.
bool IsReddish(COLORREF clr)
{
    return GetRValue(clr) > GetGValue(clr) + 40 && GetGValue(clr) == GetBValue(clr);
}

} // namespace

TEST_F(MenuCommandImage, APictureLargerThanTheMenusIconsPastedOntoUeberShowsThere)
{
    ShowFrame();
    ASSERT_TRUE(PutPlainPictureOnTheClipboard(hFrame));
    testshot::Image pasted;
    CRect rcAbout;
    bool bPasted = false;
    ASSERT_NO_FATAL_FAILURE(InSheet([&](CXTPCustomizeSheet& sheet) {
        CXTPPopupBar* pHelp = OpenMenu(2);
        if (pHelp == nullptr)
            return;
        CXTPControl* pAbout = pHelp->GetControls()->FindControl(ID_ABOUT);
        if (pAbout == nullptr || pAbout->GetImage(16) != nullptr)
            return;
        bPasted = RunContextCommand(sheet, pAbout, XTP_ID_CUSTOMIZE_PASTEBUTTONIMAGE) && pAbout->GetCustomIconId() != 0;
        pasted = ScreenOf(pHelp->GetSafeHwnd());
        rcAbout = RectInWindow(pAbout);
        CloseMenus();
    }));
    if (::OpenClipboard(hFrame)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
    testshot::Save(pasted, L"app_menu_image_pasted.png");
    ASSERT_TRUE(bPasted) << "no paste onto \"Über...\", or it had an image before";
    // Each red pixel keeps its share, at half its place.
    std::vector<POINT> halved;
    for (const POINT& pt : kPastedRed)
        halved.push_back({pt.x / 2, pt.y / 2});
    EXPECT_EQ(Text(Relative(halved)), Text(PatternIn(pasted, rcAbout, IsReddish)));
}

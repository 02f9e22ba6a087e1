// A toolbar button whose command opens a modal dialog: once the dialog has
// closed, the button is no longer drawn hot while the pointer is elsewhere.
#include <gtest/gtest.h>
#include "ToolBarTestSupport.h"
#include "framework/windows/AfxMessages.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

const UINT kDialogCommand = 28700;

// Answers the command with a modal message box, which a timer closes.
class CDialogFrame : public CToolBarFrame
{
public:
    int dialogs = 0;
    POINT pointerAtClose = {0, 0};

protected:
    static void CALLBACK CloseBox(HWND, UINT, UINT_PTR id, DWORD)
    {
        HWND hBox = ::FindWindowW(L"#32770", L"Optionen");
        if (!hBox || !::IsWindowVisible(hBox))
            return;
        testtimer::Kill(id);
        ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == kDialogCommand && lParam == 0) {
            dialogs++;
            testtimer::ThreadTimer timer(200, &CloseBox);
            ::MessageBoxW(GetSafeHwnd(), L"Einstellungen", L"Optionen", MB_OK);
            timer.Kill();
            return 0;
        }
        return CToolBarFrame::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(ToolBarHotAfterDialog, TheButtonThatOpenedADialogIsNotHotAfterwards)
{
    // A look that fills hot and pressed buttons.
    CXTPPaintManager::SetTheme(xtpThemeOfficeXP);
    CDialogFrame* frame = new CDialogFrame();
    ASSERT_TRUE(frame->CreateFrame(600, 300));
    CXTPToolBar* pBar = frame->GetCommandBars()->Add(L"Standard", xtpBarTop);
    ASSERT_NE(nullptr, pBar);
    CXTPControl* pButton = pBar->GetControls()->Add(new CXTPControlButton(), kDialogCommand);
    pButton->SetCaption(L"Optionen");
    pButton->SetStyle(xtpButtonCaption);
    pButton->SetFlags(xtpFlagManualUpdate);
    pBar->GetControls()->Add(new CXTPControlButton(), kDialogCommand + 1)->SetCaption(L"Hilfe");
    frame->Layout();
    ::SetForegroundWindow(frame->GetSafeHwnd());
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));

    CRect rcButton = ScreenRectOf(pBar, pButton);
    testinput::ClickAt(rcButton.CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil([&] { return frame->dialogs == 1; }));
    // The pointer left the bar while the dialog was up (as it does for its OK).
    testinput::MoveMouseTo(POINT{rcButton.CenterPoint().x, rcButton.bottom + 150});
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
    testpump::PumpUntilIdle(200);
    // The program's loop at idle.
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    testshot::Image shot = testshot::CaptureWindow(pBar->GetSafeHwnd());
    testshot::Save(shot, L"toolbar_after_dialog.png");
    EXPECT_EQ(-1, pBar->GetSelectedIndex()) << "the hot state ended with the pointer gone";
    EXPECT_EQ(0, pButton->GetSelected());
    EXPECT_EQ(0, pButton->GetPressed()) << "the executed state ends with the next update";
    // Inside the button's frame, as inside the other button's.
    CRect rc = pButton->GetRect();
    CRect rcOther = pBar->GetControl(1)->GetRect();
    EXPECT_EQ(shot.Pixel(rcOther.left + 2, rcOther.top + 2), shot.Pixel(rc.left + 2, rc.top + 2))
        << "the button is drawn as the bar's face";
    frame->DestroyWindow();
    CXTPPaintManager::SetTheme(xtpThemeOffice2000);
}

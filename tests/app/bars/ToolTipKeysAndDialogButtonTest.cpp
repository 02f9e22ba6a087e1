// The program's toolbar as a user meets it after changing an option or
// using a button: with "Tastenkombinationen in QuickInfo anzeigen" on, a
// button's tooltip carries its key; a button that opened a modal dialog
// stops looking pressed once the dialog is closed and the pointer is gone.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/MainFrame.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"

using namespace barstest;

TEST_F(FrameBars, WithShortcutsInTipsTheHelpButtonsTipEndsInItsKey)
{
    ShowFrame();
    pFrame->GetCommandBars()->GetOptions()->bToolBarAccelTips = TRUE;
    CXTPControl* pButton = ToolBarButton(ID_HELP);
    ASSERT_NE(pButton, nullptr);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ScreenRect(pButton).CenterPoint()));
    CXTPToolTipContext* pContext = pFrame->GetCommandBars()->GetToolTipContext();
    ASSERT_TRUE(testpump::PumpUntil([pContext] {
        CWnd* pTip = pContext->GetToolTip();
        return pTip != nullptr && ::IsWindowVisible(pTip->GetSafeHwnd());
    })) << "no tooltip shown over the button";
    auto* pTip = dynamic_cast<CXTPToolTipContextToolTip*>(pContext->GetToolTip());
    ASSERT_NE(pTip, nullptr);
    CString strShown = pTip->GetShownText();
    EXPECT_EQ(L" (F1)", strShown.Right(5)) << static_cast<LPCWSTR>(strShown);
    testinput::MoveMouseAndWait(CPoint(5, 900));
}

TEST_F(FrameBars, TheOptionsButtonIsPlainAgainAfterItsDialogClosed)
{
    ShowFrame();
    CXTPControl* pButton = ToolBarButton(ID_OPTIONS);
    ASSERT_NE(pButton, nullptr);
    CRect rcButton = ScreenRect(pButton);
    CInModal closeIt([](HWND hDialog) { ::PostMessageW(hDialog, WM_COMMAND, IDCANCEL, 0); });
    testinput::ClickAt(rcButton.CenterPoint());
    ASSERT_TRUE(PumpAppUntil([&] { return closeIt.HasRun(); })) << "the options dialog did not come";
    testinput::MoveMouseTo(POINT{rcButton.CenterPoint().x, rcButton.bottom + 200});
    ASSERT_TRUE(PumpAppUntil([&] { return ::GetActiveWindow() == hFrame; }));
    testpump::PumpUntilIdle(200);
    app.OnIdle(0);
    EXPECT_EQ(0, pButton->GetPressed());
    EXPECT_EQ(0, pButton->GetSelected());
    testshot::Image shot = testshot::CaptureWindow(ToolBar()->GetSafeHwnd());
    testshot::Save(shot, L"app_options_button_after_dialog.png");
    CRect rc = pButton->GetRect();
    CRect rcHelp = ToolBarButton(ID_HELP)->GetRect();
    EXPECT_EQ(shot.Pixel(rcHelp.left + 2, rcHelp.top + 2), shot.Pixel(rc.left + 2, rc.top + 2))
        << "drawn as plainly as the help button";
}

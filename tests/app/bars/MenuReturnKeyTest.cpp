// Return on a menu item that opens a dialog, the menu walked by the
// keyboard as a new user does it (Alt, then the arrows): the dialog opens
// and stays open until Esc cancels it, so "Optionen" leaves the scan as it
// was.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/MainFrame.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

#include <vector>

using namespace barstest;

TEST_F(FrameBars, ReturnOnAMenuItemWalkedToByKeysOpensItsDialogUntilEsc)
{
    ShowFrame();
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    ASSERT_TRUE(pFrame->IsSearching());
    const struct
    {
        const char* name;
        std::vector<WORD> keys;
        int nTitle;
        int nCommand;
    } walks[] = {{"Optionen", {VK_DOWN}, 0, ID_OPTIONS},
                 // "Hilfe" opens at its first item; Up wraps to the last.
                 {"Über", {VK_RIGHT, VK_RIGHT, VK_DOWN, VK_UP}, 2, ID_ABOUT}};
    for (const auto& walk : walks) {
        SCOPED_TRACE(walk.name);
        ::SetForegroundWindow(hFrame);
        frametest::ViewOf(pFrame)->SetFocus();
        frametest::TakePollTimer(pFrame);

        testinput::SendKey(VK_MENU);
        for (WORD vk : walk.keys)
            testinput::SendKey(vk);
        auto* pMenu = static_cast<CXTPPopupBar*>(MenuBar()->GetControls()->GetAt(walk.nTitle)->GetCommandBar());
        ASSERT_TRUE(PumpAppUntil([&] {
            CXTPControl* pSelected = pMenu->GetSelected();
            return ::IsWindowVisible(pMenu->GetSafeHwnd()) && pSelected && pSelected->GetID() == walk.nCommand;
        })) << "the item is not highlighted";
        testpump::PumpUntilIdle();

        // The dialog, once open a while, is ended by Esc as a user would.
        bool bStillOpen = false;
        CInModal inDialog([&](HWND hDialog) {
            testpump::PumpUntilIdle(300);
            bStillOpen = ::IsWindowVisible(hDialog) != FALSE;
            ::SetForegroundWindow(hDialog);
            testinput::SendKey(VK_ESCAPE);
        });
        testinput::SendKey(VK_RETURN);
        EXPECT_TRUE(PumpAppUntil([&] { return inDialog.HasRun(); })) << "no dialog seen after Return";
        EXPECT_TRUE(bStillOpen) << "the dialog closed by itself";
        EXPECT_TRUE(PumpAppUntil([] { return testwindows::FindThreadWindow(L"#32770") == nullptr; }))
            << "Esc did not close the dialog";
        EXPECT_FALSE(pMenu->IsTrackingMode());
        EXPECT_FALSE(MenuBar()->IsTrackingMode());
        EXPECT_FALSE(frametest::TakePollTimer(pFrame)) << "the scan was armed again: the dialog ended with OK";
    }
}

// Return on a menu item that opens a dialog, the menu walked by the
// keyboard as a new user does it (Alt, then the arrows), and on the
// toolbar's button reached by Ctrl+Tab: the dialog opens and stays open
// until Esc cancels it, so "Optionen" leaves the scan as it was.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/MainFrame.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

#include <functional>
#include <vector>

using namespace barstest;

TEST_F(FrameBars, ReturnOnAMenuItemWalkedToByKeysOpensItsDialogUntilEsc)
{
    ShowFrame();
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    ASSERT_TRUE(pFrame->IsSearching());
    auto menu = [this](int nTitle) {
        return [this, nTitle]() -> CXTPCommandBar* {
            return MenuBar()->GetControls()->GetAt(nTitle)->GetCommandBar();
        };
    };
    const struct
    {
        const char* name;
        std::function<void()> keys;
        std::function<CXTPCommandBar*()> bar;
        int nCommand;
    } walks[] = {
        {"Optionen", [] { testinput::SendKeys({VK_MENU, VK_DOWN}); }, menu(0), ID_OPTIONS},
        // "Hilfe" opens at its first item; Up wraps to the last.
        {"Über", [] { testinput::SendKeys({VK_MENU, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_UP}); }, menu(2), ID_ABOUT},
        // From the menu bar to the toolbar, then along it.
        {"Optionen on the toolbar",
         [this] {
             testinput::SendKey(VK_MENU);
             testinput::SendChord({VK_CONTROL, VK_TAB});
             for (int i = 0; i < 12 && ToolBar()->GetSelected() != ToolBarButton(ID_OPTIONS); i++) {
                 PumpAppUntil([this] { return ToolBar()->GetSelected() != nullptr; });
                 if (ToolBar()->GetSelected() != ToolBarButton(ID_OPTIONS))
                     testinput::SendKey(VK_RIGHT);
                 testpump::PumpUntilIdle();
             }
         },
         [this]() -> CXTPCommandBar* { return ToolBar(); }, ID_OPTIONS},
    };
    for (const auto& walk : walks) {
        SCOPED_TRACE(walk.name);
        ::SetForegroundWindow(hFrame);
        frametest::ViewOf(pFrame)->SetFocus();
        frametest::TakePollTimer(pFrame);

        walk.keys();
        CXTPCommandBar* pBar = walk.bar();
        ASSERT_TRUE(PumpAppUntil([&] {
            CXTPControl* pSelected = pBar->GetSelected();
            return ::IsWindowVisible(pBar->GetSafeHwnd()) && pBar->IsTrackingMode() && pSelected &&
                   pSelected->GetID() == walk.nCommand;
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
        EXPECT_FALSE(pBar->IsTrackingMode());
        EXPECT_FALSE(MenuBar()->IsTrackingMode());
        EXPECT_FALSE(frametest::TakePollTimer(pFrame)) << "the scan was armed again: the dialog ended with OK";
    }
}

// A mnemonic with an umlaut in the program's own menu, typed as a German
// user types it: Alt+H opens "Hilfe", then ü or Shift+Ü chooses "&Über..."
// and the About box opens.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/MainFrame.h"
#include "app/dialogs/AboutBoxDlg.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"

using namespace barstest;

TEST_F(FrameBars, AnUmlautTypedInAnOpenMenuChoosesItsItem)
{
    ShowFrame();
    CXTPControl* pHilfe = MenuBar()->GetControls()->GetAt(2);
    ASSERT_EQ(pHilfe->GetCaption(), CString(L"&Hilfe"));
    CXTPCommandBar* pMenu = pHilfe->GetCommandBar();
    const struct
    {
        const char* what;
        void (*type)();
    } ways[] = {
        {"ü", [] { testinput::SendChar(L'\u00fc'); }},
        {"Shift+Ü", [] { testinput::SendShiftedChar(L'\u00dc'); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        ::SetForegroundWindow(hFrame);
        frametest::ViewOf(pFrame)->SetFocus();
        testinput::SendChord({VK_MENU, 'H'});
        ASSERT_TRUE(PumpAppUntil([&] { return ::IsWindowVisible(pMenu->GetSafeHwnd()) && pMenu->IsTrackingMode(); }))
            << "Alt+H did not open \"Hilfe\"";
        testpump::PumpUntilIdle();

        bool bAboutBox = false;
        CInModal inDialog([&](HWND hDialog) {
            bAboutBox = dynamic_cast<CAboutBoxDlg*>(CWnd::FromHandlePermanent(hDialog)) != nullptr;
            ::PostMessageW(hDialog, WM_COMMAND, IDCANCEL, 0);
        });
        way.type();
        EXPECT_TRUE(PumpAppUntil([&] { return inDialog.HasRun(); })) << "no box opened";
        EXPECT_TRUE(bAboutBox) << "the box is not the About box";
        EXPECT_TRUE(PumpAppUntil([&] { return !pMenu->IsTrackingMode() && !MenuBar()->IsTrackingMode(); }))
            << "the menu stayed open";
        CloseMenus();
    }
}

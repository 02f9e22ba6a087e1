// Ctrl+O, the key the "Datei" menu names beside "Optionen...", opens the
// options dialog, typed in the program's frame wherever the focus is.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"

#include <string>

using namespace barstest;

TEST_F(FrameBars, CtrlOOpensTheOptionsDialog)
{
    ShowFrame();
    const struct
    {
        const char* name;
        HWND hFocus;
    } focuses[] = {{"games view", frametest::ViewOf(pFrame)->GetSafeHwnd()},
                   {"ticket pane", pFrame->GetTicketReport().GetSafeHwnd()}};
    for (const auto& focus : focuses) {
        SCOPED_TRACE(focus.name);
        std::wstring title;
        CInModal inBox([&](HWND hBox) {
            wchar_t text[64] = L"";
            ::GetWindowTextW(hBox, text, 64);
            title = text;
            ::PostMessageW(hBox, WM_COMMAND, IDCANCEL, 0);
        });
        ::SetForegroundWindow(hFrame);
        ::SetFocus(focus.hFocus);
        ASSERT_EQ(focus.hFocus, ::GetFocus());
        testinput::SendChord({VK_CONTROL, 'O'});
        EXPECT_TRUE(PumpAppUntil([&] { return inBox.HasRun(); })) << "Ctrl+O opened no dialog";
        EXPECT_EQ(L"Optionen", title);
        EXPECT_TRUE(PumpAppUntil([] { return testwindows::FindThreadWindow(L"#32770") == nullptr; }));
    }

    // The menu names the key the table holds.
    CXTPPopupBar* pFile = OpenMenu(0);
    ASSERT_NE(pFile, nullptr);
    CXTPControl* pOptions = pFile->GetControls()->FindControl(ID_OPTIONS);
    ASSERT_NE(pOptions, nullptr);
    EXPECT_EQ(std::wstring(L"Ctrl+O"), std::wstring(pOptions->GetShortcutText().GetString()));
    CloseMenus();
}

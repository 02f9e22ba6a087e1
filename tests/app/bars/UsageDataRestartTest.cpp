// The usage data of the frame's menus reset on the options page of
// "Anpassen...", by mouse: the next start of the program finds the rarely
// used commands hidden again, not the used commands stored before.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"

#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

#include <commctrl.h>

using namespace barstest;

namespace {

HWND g_hSheet = nullptr;
bool g_bAnswered = false;

// The question about the reset, answered by a click on "Ja".
void CALLBACK AnswerYes(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hBox = testwindows::FindThreadWindow(L"#32770", [](HWND h) { return h != g_hSheet && ::IsWindowVisible(h); });
    HWND hYes = hBox != nullptr ? ::GetDlgItem(hBox, IDYES) : nullptr;
    if (hYes == nullptr)
        return;
    testtimer::Kill(nTimer);
    CRect rc;
    ::GetWindowRect(hYes, &rc);
    testinput::ClickOn(hYes, rc.CenterPoint());
    g_bAnswered = true;
}

class UsageDataRestart : public FrameBars
{
protected:
    CXTPCommandBars* Bars() const { return pFrame->GetCommandBars(); }
};

} // namespace

TEST_F(UsageDataRestart, AResetOfTheUsageDataHoldsAfterTheNextStart)
{
    ShowFrame();
    // Printing is one of the frame's rarely used commands; once used it shows.
    ASSERT_TRUE(Bars()->IsCommandHidden(ID_FILE_PRINT));
    Bars()->SetCommandUsed(ID_FILE_PRINT);
    Restart();
    ASSERT_FALSE(Bars()->IsCommandHidden(ID_FILE_PRINT)) << "the used command was stored";

    bool bReset = false;
    CInModal inSheet([&](HWND hSheet) {
        g_hSheet = hSheet;
        HWND hPage = ShowPageByClick(hSheet, 3, XTP_IDC_BUTTON_RESETDATA);
        CRect rcButton;
        ::GetWindowRect(::GetDlgItem(hPage, XTP_IDC_BUTTON_RESETDATA), &rcButton);
        g_bAnswered = false;
        testtimer::Set(50, AnswerYes);
        testinput::ClickOn(::GetDlgItem(hPage, XTP_IDC_BUTTON_RESETDATA), rcButton.CenterPoint());
        bReset = testpump::PumpUntil([&] { return g_bAnswered && Bars()->IsCommandHidden(ID_FILE_PRINT); });
        testpump::PumpUntilIdle();
        ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
    ASSERT_TRUE(bReset) << "the reset was not made";

    Restart();
    EXPECT_TRUE(Bars()->IsCommandHidden(ID_FILE_PRINT)) << "the used commands of before came back";
}

// What the user changed on the frame's bars, ended with Alt+X, is there in
// the program's next process: the toolbar docked left without a button and
// the logo still on it, and a shortcut changed on the customize sheet.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/controls/LogoControlButton.h"
#include "resources/AppIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/SecondProcess.h"
#include "support/TestInput.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

using namespace barstest;

namespace {

const wchar_t kSecondProcessVariable[] = L"TAVROLIN_FRAME_BARS_SECOND_PROCESS";

// The command a plain key runs; -1 for none.
int CommandOfKey(CXTPShortcutManager* pShortcuts, WORD key)
{
    ACCEL entries[64] = {};
    const int nCount = XTPCopyAccelTable(pShortcuts->GetAcceleratorTable(), entries, 64);
    for (int i = 0; i < nCount; ++i)
        if ((entries[i].fVirt & ~FNOINVERT) == FVIRTKEY && entries[i].key == key)
            return entries[i].cmd;
    return -1;
}

// Selects the item that begins with the text in a list or combo box of the
// page, as a click on it does.
void ChooseItem(HWND hPage, int nID, LPCWSTR pszText)
{
    HWND hBox = ::GetDlgItem(hPage, nID);
    const bool bCombo = nID == XTP_IDC_COMBO_CATEGORY;
    const LRESULT nIndex = ::SendMessageW(hBox, bCombo ? CB_FINDSTRING : LB_FINDSTRING, (WPARAM)-1, (LPARAM)pszText);
    ::SendMessageW(hBox, bCombo ? CB_SETCURSEL : LB_SETCURSEL, (WPARAM)nIndex, 0);
    ::SendMessageW(hPage, WM_COMMAND, MAKEWPARAM(nID, bCombo ? CBN_SELCHANGE : LBN_SELCHANGE), (LPARAM)hBox);
}

HWND g_hKeyboardPage = nullptr;
bool g_bAssigned = false;

// Assigns the combination once the key box shows it, then closes the sheet.
void CALLBACK AssignOnceTheKeyArrived(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (::GetWindowTextLengthW(::GetDlgItem(g_hKeyboardPage, XTP_IDC_EDIT_SHORTCUTKEY)) == 0)
        return;
    testtimer::Kill(nTimer);
    ::SendMessageW(::GetDlgItem(g_hKeyboardPage, XTP_IDC_BUTTON_ASSIGN), BM_CLICK, 0, 0);
    g_bAssigned = true;
    ::PostMessageW(::GetParent(g_hKeyboardPage), WM_COMMAND, IDCANCEL, 0);
}

} // namespace

TEST(FrameBarsRestart, SecondProcessFindsTheUsersLayout)
{
    wchar_t flag[8] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kSecondProcessVariable, flag, 8))
        << "runs as the second process of FrameBars.UsersLayoutComesBackAfterAltX";
    CLaterProcess later;
    CMainFrame* pFrame = later.Frame();
    ASSERT_NE(pFrame, nullptr);

    CXTPToolBar* pToolBar = pFrame->GetStandardToolBar();
    ASSERT_NE(pToolBar, nullptr);
    EXPECT_EQ(pToolBar->GetPosition(), xtpBarLeft);
    CXTPControls* pControls = pToolBar->GetControls();
    EXPECT_EQ(pControls->FindControl(ID_STOP_SEARCH), nullptr);
    EXPECT_NE(pControls->FindControl(ID_START_SEARCH), nullptr);
    CLogoControlButton* pLogo = DYNAMIC_DOWNCAST(CLogoControlButton, pControls->FindControl(ID_LOGO));
    ASSERT_NE(pLogo, nullptr) << "the logo button made again from the stored layout";
    EXPECT_EQ(pLogo->GetBitmap(), &pFrame->GetLogoBitmap());
    CXTPShortcutManager* pShortcuts = pFrame->GetCommandBars()->GetShortcutManager();
    EXPECT_EQ(CommandOfKey(pShortcuts, VK_F6), ID_REFRESH_STATISTIC);
    EXPECT_EQ(CommandOfKey(pShortcuts, VK_F5), -1);
    EXPECT_FALSE(pFrame->GetCommandBars()->GetOptions()->bAlwaysShowFullMenus);

}

TEST_F(FrameBars, UsersLayoutComesBackAfterAltX)
{
    ShowFrame();
    // The toolbar by its gripper to the frame's left edge.
    CRect rcToolBar;
    ToolBar()->GetWindowRect(&rcToolBar);
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    const CPoint ptGripper(rcToolBar.left + 3, rcToolBar.CenterPoint().y);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptGripper));
    testinput::QueueDrag(ptGripper, CPoint(rcClient.left + 4, rcClient.CenterPoint().y), 8);
    ASSERT_TRUE(testpump::PumpUntil([this] { return ToolBar()->GetPosition() == xtpBarLeft; }))
        << "the toolbar was not docked at the left";
    testpump::PumpUntilIdle();

    // "Suche anhalten" dragged off the toolbar with Alt held.
    const CPoint ptStop = ScreenRect(ToolBarButton(ID_STOP_SEARCH)).CenterPoint();
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptStop));
    testinput::SendKeyDown(VK_MENU);
    testinput::QueueDrag(ptStop, CPoint(rcClient.CenterPoint().x + 150, rcClient.CenterPoint().y), 8);
    testinput::SendKeyUp(VK_MENU);
    ASSERT_TRUE(testpump::PumpUntil([this] { return ToolBarButton(ID_STOP_SEARCH) == nullptr; }))
        << "the button is still there";
    testpump::PumpUntilIdle();

    // On the customize sheet's keyboard page, F5 gives way to F6 for
    // refreshing the statistics.
    CInModal inSheet([](HWND hSheet) {
        ::SetForegroundWindow(hSheet);
        testpump::PumpUntil([hSheet] { return ::GetActiveWindow() == hSheet; });
        ::SendMessageW(hSheet, PSM_SETCURSEL, 2, 0);
        HWND hPage = (HWND)::SendMessageW(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
        ChooseItem(hPage, XTP_IDC_COMBO_CATEGORY, L"Datei");
        ChooseItem(hPage, XTP_IDC_LBOX_COMMANDS, L"Statistik aktualisieren");
        ChooseItem(hPage, XTP_IDC_LBOX_KEYS, L"F5");
        ::SendMessageW(::GetDlgItem(hPage, XTP_IDC_BUTTON_REMOVE), BM_CLICK, 0, 0);
        // The key goes through the sheet's own loop, which lets the box see it first.
        ::SetFocus(::GetDlgItem(hPage, XTP_IDC_EDIT_SHORTCUTKEY));
        testinput::SendKey(VK_F6);
        g_hKeyboardPage = hPage;
        testtimer::Set(50, AssignOnceTheKeyArrived);
    });
    g_bAssigned = false;
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return g_bAssigned && !pFrame->GetCommandBars()->IsCustomizeMode(); }));
    CXTPShortcutManager* pShortcuts = pFrame->GetCommandBars()->GetShortcutManager();
    ASSERT_EQ(CommandOfKey(pShortcuts, VK_F6), ID_REFRESH_STATISTIC) << "the new shortcut was not assigned";

    ::SetForegroundWindow(hFrame);
    frametest::ViewOf(pFrame)->SetFocus();
    testinput::SendChord({VK_MENU, 'X'});
    ASSERT_TRUE(PumpAppUntil([this] { return !::IsWindow(hFrame); })) << "Alt+X did not end the program";

    const DWORD code = testprocess::RunTestInChild(L"FrameBarsRestart.SecondProcessFindsTheUsersLayout",
                                                   kSecondProcessVariable, L"1");
    EXPECT_EQ(code, 0u) << "the second process did not find the layout as the user left it";
}

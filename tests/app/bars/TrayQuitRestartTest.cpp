// The user adds a command to the "Datei" menu, closes the frame into the
// tray with Alt+F4 and quits from the tray's "Beenden". The next process of
// the program still has its status bar, and its customized menus still show
// the keys beside their commands.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "support/SecondProcess.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

using namespace barstest;

namespace {

const wchar_t kSecondProcessVariable[] = L"TAVROLIN_FRAME_BARS_SECOND_PROCESS";
const UINT kStatusBarID = 59393;

CXTPPopupBar* MenuOf(CMainFrame* pFrame, int nTitle)
{
    CXTPToolBar* pMenuBar = pFrame->GetCommandBars()->GetMenuBar();
    CXTPControl* pTitle = pMenuBar ? pMenuBar->GetControls()->GetAt(nTitle) : nullptr;
    return pTitle ? dynamic_cast<CXTPPopupBar*>(pTitle->GetCommandBar()) : nullptr;
}

CString ShortcutOf(CXTPPopupBar* pMenu, int nID)
{
    CXTPControl* pControl = pMenu->GetControls()->FindControl(nID);
    return pControl ? pControl->GetShortcutText() : CString(L"(no such item)");
}

bool EndsWith(const CString& strText, LPCWSTR pszEnd)
{
    const int nEnd = static_cast<int>(wcslen(pszEnd));
    return strText.GetLength() > nEnd && strText.Right(nEnd) == pszEnd;
}

} // namespace

TEST(FrameBarsRestart, SecondProcessFindsStatusBarAndShortcuts)
{
    wchar_t flag[8] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kSecondProcessVariable, flag, 8))
        << "runs as the second process of FrameBars.QuitFromTheTrayKeepsStatusBarAndMenuKeys";
    CLaterProcess later;
    CMainFrame* pFrame = later.Frame();
    ASSERT_NE(pFrame, nullptr);

    HWND hStatusBar = ::GetDlgItem(pFrame->GetSafeHwnd(), kStatusBarID);
    ASSERT_NE(hStatusBar, nullptr);
    EXPECT_TRUE(::GetWindowLongW(hStatusBar, GWL_STYLE) & WS_VISIBLE) << "the status bar is gone";

    pFrame->SetWindowPos(nullptr, 20, 20, 800, 560, SWP_NOZORDER | SWP_SHOWWINDOW);
    pFrame->RecalcLayout();
    CXTPPopupBar* pFile = MenuOf(pFrame, 0);
    ASSERT_NE(pFile, nullptr);
    ASSERT_NE(pFile->GetControls()->FindControl(ID_ABOUT), nullptr) << "the customized menu was not stored";
    CXTPControl* pFileTitle = pFrame->GetCommandBars()->GetMenuBar()->GetControls()->GetAt(0);
    ASSERT_TRUE(pFile->Popup(pFileTitle));
    EXPECT_EQ(ShortcutOf(pFile, ID_REFRESH_STATISTIC), CString(L"F5"));
    EXPECT_TRUE(EndsWith(ShortcutOf(pFile, ID_APP_EXIT), L"+X")) << ShortcutOf(pFile, ID_APP_EXIT).GetString();
    pFrame->GetCommandBars()->ClosePopups();

    CXTPPopupBar* pSelect = MenuOf(pFrame, 1);
    ASSERT_NE(pSelect, nullptr);
    ASSERT_TRUE(pSelect->Popup(pFrame->GetCommandBars()->GetMenuBar()->GetControls()->GetAt(1)));
    EXPECT_TRUE(EndsWith(ShortcutOf(pSelect, ID_SELECT_ALL), L"+A")) << ShortcutOf(pSelect, ID_SELECT_ALL).GetString();
    pFrame->GetCommandBars()->ClosePopups();

}

TEST_F(FrameBars, QuitFromTheTrayKeepsStatusBarAndMenuKeys)
{
    ShowFrame();
    CXTPPopupBar* pFile = MenuOf(pFrame, 0);
    ASSERT_NE(pFile, nullptr);
    ASSERT_NE(pFile->GetControls()->Add(xtpControlButton, ID_ABOUT), nullptr);

    // Alt+F4 takes the frame to the tray; the tray menu's "Beenden" ends the program.
    pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    ASSERT_FALSE(::IsWindowVisible(hFrame)) << "the frame did not go to the tray";
    pFrame->PostMessage(WM_COMMAND, ID_APP_EXIT);
    ASSERT_TRUE(PumpAppUntil([this] { return !::IsWindow(hFrame); })) << "\"Beenden\" did not end the program";

    const DWORD code = testprocess::RunTestInChild(L"FrameBarsRestart.SecondProcessFindsStatusBarAndShortcuts",
                                                   kSecondProcessVariable, L"1");
    EXPECT_EQ(code, 0u) << "the second process lost the status bar or the menus' keys";
}

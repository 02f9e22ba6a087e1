// Every key text a menu shows beside its items in a fresh start is shown
// again in the next process after the user customized a menu and ended the
// program with Alt+X: the keys of the accelerators and the key a menu text
// names without an accelerator behind it ("Optionen...", Ctrl+O); and again
// once the menu bar is reset.
#include <gtest/gtest.h>

#include <string>

#include "BarsTestSupport.h"
#include "resources/AppIds.h"
#include "support/SecondProcess.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

using namespace barstest;

namespace {

const wchar_t kKeyTextsVariable[] = L"TAVROLIN_FRAME_BARS_MENU_KEYS";

// Opens the popup of every popup control of the bar, as the user does, and
// notes "id=key;" for each item that shows a key, menus within menus too.
void CollectKeyTexts(CXTPCommandBar* pBar, CString& strTexts)
{
    CXTPControls* pControls = pBar->GetControls();
    for (int i = 0; i < pControls->GetCount(); ++i) {
        CXTPControl* pControl = pControls->GetAt(i);
        CXTPPopupBar* pPopup = dynamic_cast<CXTPPopupBar*>(pControl->GetCommandBar());
        if (pPopup != nullptr) {
            if (!pPopup->Popup(pControl, FALSE))
                continue;
            CollectKeyTexts(pPopup, strTexts);
            continue;
        }
        if (pControl->GetID() > 0 && !pControl->GetShortcutText().IsEmpty()) {
            CString strEntry;
            strEntry.Format(L"%d=%s;", pControl->GetID(), pControl->GetShortcutText().GetString());
            strTexts += strEntry;
        }
    }
}

CString MenuKeyTexts(CMainFrame* pFrame)
{
    pFrame->SetWindowPos(nullptr, 20, 20, 800, 560, SWP_NOZORDER | SWP_SHOWWINDOW);
    pFrame->RecalcLayout();
    CString strTexts;
    CollectKeyTexts(pFrame->GetCommandBars()->GetMenuBar(), strTexts);
    pFrame->GetCommandBars()->ClosePopups();
    return strTexts;
}

} // namespace

TEST(FrameBarsRestart, SecondProcessShowsTheMenuKeysOfTheFirst)
{
    wchar_t texts[1024] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kKeyTextsVariable, texts, 1024))
        << "runs as the second process of FrameBars.EveryMenuKeyComesBackAfterAMenuWasCustomized";
    CLaterProcess later;
    CMainFrame* pFrame = later.Frame();
    ASSERT_NE(pFrame, nullptr);
    CXTPPopupBar* pFile = dynamic_cast<CXTPPopupBar*>(
        pFrame->GetCommandBars()->GetMenuBar()->GetControls()->GetAt(0)->GetCommandBar());
    ASSERT_NE(pFile, nullptr);
    ASSERT_NE(pFile->GetControls()->FindControl(ID_ABOUT), nullptr) << "the customized menu was not stored";
    EXPECT_EQ(std::wstring(MenuKeyTexts(pFrame).GetString()), std::wstring(texts));

    // "Zurücksetzen" on the menu bar brings back the menus as built, keys and all.
    pFrame->GetCommandBars()->GetMenuBar()->Reset(FALSE);
    pFile = dynamic_cast<CXTPPopupBar*>(
        pFrame->GetCommandBars()->GetMenuBar()->GetControls()->GetAt(0)->GetCommandBar());
    ASSERT_NE(pFile, nullptr);
    EXPECT_EQ(pFile->GetControls()->FindControl(ID_ABOUT), nullptr);
    EXPECT_EQ(std::wstring(MenuKeyTexts(pFrame).GetString()), std::wstring(texts)) << "after the reset";
}

TEST_F(FrameBars, EveryMenuKeyComesBackAfterAMenuWasCustomized)
{
    ShowFrame();
    const CString strFresh = MenuKeyTexts(pFrame);
    ASSERT_NE(strFresh.Find(CString(L"=Ctrl+O;")), -1) << strFresh.GetString();
    ASSERT_NE(strFresh.Find(CString(L"=F5;")), -1) << strFresh.GetString();

    CXTPPopupBar* pFile = dynamic_cast<CXTPPopupBar*>(MenuBar()->GetControls()->GetAt(0)->GetCommandBar());
    ASSERT_NE(pFile, nullptr);
    ASSERT_NE(pFile->GetControls()->Add(xtpControlButton, ID_ABOUT), nullptr);

    ::SetForegroundWindow(hFrame);
    frametest::ViewOf(pFrame)->SetFocus();
    testinput::SendChord({VK_MENU, 'X'});
    ASSERT_TRUE(PumpAppUntil([this] { return !::IsWindow(hFrame); })) << "Alt+X did not end the program";

    const DWORD code = testprocess::RunTestInChild(L"FrameBarsRestart.SecondProcessShowsTheMenuKeysOfTheFirst",
                                                   kKeyTextsVariable, strFresh.GetString());
    EXPECT_EQ(code, 0u) << "the next process lost key texts of the menus: " << CStringA(strFresh).GetString();
}

// An alert raised before a dialog opens over the program's frame still
// answers the mouse while that dialog runs, whichever dialog it is; the
// frame's floating pane takes no input meanwhile and both come back after.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ProgramFrameTest.h"
#include "app/AppTestSupport.h"
#include "app/dialogs/DialogTestSupport.h"
#include "app/frame/AlertPopups.h"
#include "engine/SettingsStore.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneManager.h"

namespace {

std::vector<CString> g_openedPages;
void RecordPage(const CString& strAddress)
{
    g_openedPages.push_back(strAddress);
}

const CString kAddress(L"http://tickets.example/alarm");

// What the popup and the frame's windows were like while the dialog ran.
struct SeenInDialog
{
    bool bFrameEnabled = true, bPaneEnabled = true, bPopupEnabled = false;
    bool bPageOpened = false, bPopupClosed = false, bDialogActive = false;
    testshot::Image shot;
};

class AlertOverDialog : public CProgramFrameTest
{
protected:
    AlertOverDialog()
        : CProgramFrameTest(L"AlertDialogTestApp", L"TavrolinAlertDialogTest", L"tavrolin_alert_dialog")
    {
    }

    void SetUp() override
    {
        SetUpShownFrame(700, 480);
        if (HasFatalFailure())
            return;
        g_openedPages.clear();
        CAlertPopups::s_pfnOpenPage = &RecordPage;
        // A floating pane: one of the frame's windows that must rest while
        // a dialog runs.
        CXTPDockingPaneManager& panes = pFrame->GetPaneManager();
        panes.ShowPane(IDP_TICKETS, FALSE);
        CXTPDockingPane* pPane = panes.FindPane(IDP_TICKETS);
        ASSERT_NE(pPane, nullptr);
        panes.FloatPane(pPane, CRect(720, 40, 960, 300));
        testpump::PumpUntilIdle();
        CWnd* pPaneFrame = pPane->GetParentFrame();
        ASSERT_TRUE(pPaneFrame != nullptr && pPaneFrame != static_cast<CWnd*>(pFrame));
        hPaneFrame = pPaneFrame->GetSafeHwnd();
        ASSERT_TRUE(::IsWindowVisible(hPaneFrame));
    }

    void TearDown() override
    {
        CAlertPopups::s_pfnOpenPage = &CAlertPopups::OpenPageInBrowser;
        CProgramFrameTest::TearDown();
    }

    CXTPPopupControl* RaiseAlert()
    {
        AlertTexts texts;
        texts.strTitle = L"Berlin: Deutschland - Ecuador";
        texts.strLine = L"Category: 1  Resale";
        texts.strAddress = kAddress;
        CXTPPopupControl* pPopup = pFrame->GetAlerts().ShowAlertPopup(pFrame, texts);
        if (pPopup != nullptr)
            testpump::PumpUntil([&] { return pPopup->GetPopupState() == xtpPopupStateShow; });
        return pPopup;
    }

    // Inside the dialog: the pointer rests on the alert's title, then
    // clicks it.
    void LookAndClick(HWND hDlg, HWND hPopup, SeenInDialog& seen, LPCWSTR lpszShot)
    {
        seen.bFrameEnabled = ::IsWindowEnabled(pFrame->m_hWnd) != FALSE;
        seen.bPaneEnabled = ::IsWindowEnabled(hPaneFrame) != FALSE;
        seen.bPopupEnabled = ::IsWindowEnabled(hPopup) != FALSE;
        CRect rcPopup, rcDlg;
        ::GetWindowRect(hPopup, &rcPopup);
        ::GetWindowRect(hDlg, &rcDlg);
        const POINT ptTitle = {rcPopup.left + 60, rcPopup.top + 28};
        testinput::MoveMouseAndWait(ptTitle);
        testpump::PumpUntilIdle();
        testpump::PumpFor(100);
        // The dialog and the alert in one picture.
        CRect rcShot;
        rcShot.UnionRect(&rcPopup, &rcDlg);
        seen.shot = testshot::CaptureScreen(rcShot);
        const POINT ptInShot = {rcPopup.left - rcShot.left, rcPopup.top - rcShot.top};
        testshot::Save(seen.shot, lpszShot);
        titleInShot = CRect(ptInShot.x + 46, ptInShot.y + 16, ptInShot.x + 270, ptInShot.y + 41);
        testinput::ClickAt(ptTitle);
        testpump::PumpUntil([&] { return !g_openedPages.empty() && !::IsWindow(hPopup); });
        seen.bPageOpened = g_openedPages.size() == 1 && g_openedPages[0] == kAddress;
        seen.bPopupClosed = !::IsWindow(hPopup);
        testpump::PumpUntilIdle();
        seen.bDialogActive = ::GetActiveWindow() == hDlg;
        testinput::MoveMouseAndWait({5, 5});
    }

    HWND hPaneFrame = nullptr;
    CRect titleInShot;
    frametest::CPollSettings settings{60};
};

// The title's underline under the pointer: a dark row below its text.
bool HasUnderlinedTitle(const testshot::Image& shot, const CRect& rcTitle)
{
    for (int y = rcTitle.top + 8; y < rcTitle.bottom; ++y)
    {
        int nDark = 0;
        for (int x = rcTitle.left; x < rcTitle.left + 50 && x < shot.width; ++x)
            nDark += apptest::IsDark(shot.Pixel(x, y)) ? 1 : 0;
        if (nDark >= 40)
            return true;
    }
    return false;
}

} // namespace

TEST_F(AlertOverDialog, AnAlertShownBeforeTheDialogAnswersWhileItRunsThePaneRests)
{
    using dlgtest::CModalScript;
    using dlgtest::Then;
    struct Case
    {
        const char* name;
        LPCWSTR shot;
        std::function<void()> open;
        bool bDisablesFrame = true;
    };
    const Case cases[] = {
        {"Optionen by Ctrl+O", L"app_alert_over_options.png",
         [&] {
             ::SetForegroundWindow(pFrame->m_hWnd);
             testpump::PumpUntil([&] { return ::GetForegroundWindow() == pFrame->m_hWnd; });
             testinput::SendChord({VK_CONTROL, 'O'});
         }},
        {"About", L"app_alert_over_about.png", [&] { pFrame->PostMessage(WM_COMMAND, ID_ABOUT); }},
        {"single tickets", L"app_alert_over_single_tickets.png",
         [&] { pFrame->PostMessage(WM_COMMAND, ID_INFO_SINGLE_TICKET); }},
        {"team tickets", L"app_alert_over_team_tickets.png",
         [&] { pFrame->PostMessage(WM_COMMAND, ID_INFO_TST_TICKET); }},
        {"start-up information", L"app_alert_over_startup_info.png",
         [&] {
             CSettingsStore::GetInstance().ShowInfo = 1;
             pFrame->PostMessage(WM_SHOW_STARTUP_INFO);
         }},
        {"message box", L"app_alert_over_message_box.png",
         [&] { ::MessageBoxW(pFrame->m_hWnd, L"Hinweis", L"Tavrolin", MB_OK); }},
        // The sheet keeps the frame enabled and filters its input instead.
        {"Anpassen", L"app_alert_over_customize.png", [&] { pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE); },
         false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        g_openedPages.clear();
        CXTPPopupControl* pPopup = RaiseAlert();
        ASSERT_NE(pPopup, nullptr);
        const HWND hPopup = pPopup->GetSafeHwnd();
        ASSERT_TRUE(::IsWindowEnabled(hPopup));

        SeenInDialog seen;
        CModalScript script({Then([&](HWND hDlg) { LookAndClick(hDlg, hPopup, seen, c.shot); }, IDCANCEL)});
        c.open();
        EXPECT_TRUE(frametest::PumpAppUntil(app, [&] { return script.StepsRun() == 1 && ::IsWindowEnabled(pFrame->m_hWnd); }));
        EXPECT_FALSE(script.TimedOut());

        EXPECT_EQ(!c.bDisablesFrame, seen.bFrameEnabled);
        EXPECT_EQ(!c.bDisablesFrame, seen.bPaneEnabled) << "a floating pane takes no input under a dialog";
        EXPECT_TRUE(seen.bPopupEnabled) << "the alert takes input under a dialog";
        EXPECT_TRUE(HasUnderlinedTitle(seen.shot, titleInShot)) << "the title is hot under the pointer";
        EXPECT_TRUE(seen.bPageOpened);
        EXPECT_TRUE(seen.bPopupClosed);
        EXPECT_TRUE(seen.bDialogActive || !c.bDisablesFrame) << "the dialog keeps the keyboard";
        // Afterwards exactly what the dialog took is given back.
        EXPECT_TRUE(::IsWindowEnabled(pFrame->m_hWnd));
        EXPECT_TRUE(::IsWindowEnabled(hPaneFrame));
        EXPECT_FALSE(pFrame->InModalState());
    }
}

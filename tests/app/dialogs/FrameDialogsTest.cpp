// The main frame's dialog commands: options (a search runs on at once after
// OK), the start-up information, the ticket explanations and the About box.
// The site helper uses sockets: winsock2 before windows.h.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/dialogs/DialogTestSupport.h"
#include "app/frame/FrameTestSupport.h"
#include "app/shell/TavrolinApp.h"
#include "engine/SettingsStore.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CTestCmdUI.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "support/SiteSimulation.h"
#include "support/TestPump.h"

using namespace dlgtest;

namespace {

class FrameDialogs : public SettingsTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CDatabaseManager::GetInstance().OpenOrCreate(m_folder.Path().c_str()));
        pFrame = frametest::CreateFrame();
        ASSERT_NE(pFrame, nullptr);
        pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
        testpump::PumpUntilIdle();
        CDatabaseManager::GetInstance().Close();
    }

    // Sends the command while the script answers what it opens.
    size_t RunCommand(UINT nID, std::vector<CModalScript::Step> steps)
    {
        const size_t nSteps = steps.size();
        CModalScript script(std::move(steps));
        pFrame->SendMessage(WM_COMMAND, nID);
        EXPECT_FALSE(script.TimedOut());
        EXPECT_EQ(nSteps, script.StepsRun());
        return script.StepsRun();
    }

    frametest::CPollSettings poll{60};
    CTestFolder m_folder{"dialogs"};
    CMainFrame* pFrame = nullptr;
};

TEST_F(FrameDialogs, OptionsOkWhileSearchingScansAtOnceCancelOrIdleDoesNot)
{
    SimulatedSite site(R"({"offers": []})");
    ASSERT_TRUE(site.IsRunning());
    frametest::ViewOf(pFrame)->Watch(0, TRUE);
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    const CString strLoaded(L"Die Ticket-Information wurde geladen.");
    ASSERT_TRUE(testpump::PumpUntil(
        [&] { return site.CountRequests("resale-list") >= 1 && pFrame->GetStatusText() == strLoaded; }));
    testpump::PumpUntilIdle();
    site.ClearRequests();

    RunCommand(ID_OPTIONS, {Press(IDCANCEL)});
    testpump::PumpUntilIdle();
    testpump::PumpFor(1000);  // a scan started at once would have asked by now
    EXPECT_EQ(0, site.CountRequests("resale-list")) << "cancel leaves the timer";

    RunCommand(ID_OPTIONS, {Press(IDOK)});
    EXPECT_TRUE(testpump::PumpUntil([&] { return site.CountRequests("resale-list") >= 1; }))
        << "the next poll is sixty seconds away";
    EXPECT_TRUE(testpump::PumpUntil([&] { return pFrame->GetStatusText() == strLoaded; }));
    testpump::PumpUntilIdle();

    pFrame->SendMessage(WM_COMMAND, ID_STOP_SEARCH);
    site.ClearRequests();
    RunCommand(ID_OPTIONS, {Press(IDOK)});
    testpump::PumpUntilIdle();
    testpump::PumpFor(1000);
    EXPECT_EQ(0, site.CountRequests("resale-list")) << "no search, no scan";
    EXPECT_EQ(60, CSettingsStore::GetInstance().Interval);
    EXPECT_EQ(6, CSettingsStore::GetInstance().MaxDiff);
}

TEST_F(FrameDialogs, StartupInformationShowsOverTheFrameOnlyWhenSet)
{
    struct Case
    {
        int showInfo;
        size_t shown;
    };
    const Case cases[] = {{1, 1}, {0, 0}};
    for (const Case& c : cases)
    {
        CSettingsStore::GetInstance().ShowInfo = c.showInfo;
        HWND hOwner = nullptr;
        CString strCaption;
        LRESULT lResult = -1;
        {
            CModalScript script({Then(
                [&](HWND hDlg) {
                    hOwner = ::GetWindow(hDlg, GW_OWNER);
                    WCHAR szCaption[64] = L"";
                    ::GetWindowTextW(hDlg, szCaption, 64);
                    strCaption = szCaption;
                },
                Press(IDOK))});
            lResult = pFrame->SendMessage(WM_SHOW_STARTUP_INFO, 0, 0);
            if (c.shown == 0)
            {
                testpump::PumpUntilIdle();
                testpump::PumpFor(300);  // a dialog would be shown by now
            }
            EXPECT_EQ(c.shown, script.StepsRun()) << c.showInfo;
        }
        EXPECT_EQ(0, lResult);
        if (c.shown)
        {
            EXPECT_EQ(pFrame->GetSafeHwnd(), hOwner);
            EXPECT_EQ(CString(L"Tavrolin"), strCaption);
        }
    }
}

TEST_F(FrameDialogs, TicketCommandsShowTheirTextsAndStayEnabled)
{
    struct Case
    {
        UINT command;
        LPCWSTR firstWords;
    };
    const Case cases[] = {{ID_INFO_SINGLE_TICKET, L"Was sind Einzel-Tickets?"},
                          {ID_INFO_TST_TICKET, L"Was sind TST-Tickets?"}};
    for (const Case& c : cases)
    {
        CString strText, strCaption;
        RunCommand(c.command, {Then(
                                  [&](HWND hDlg) {
                                      strText = ItemText(hDlg, IDC_RTF_TEXT);
                                      WCHAR szCaption[64] = L"";
                                      ::GetWindowTextW(hDlg, szCaption, 64);
                                      strCaption = szCaption;
                                  },
                                  Press(IDOK))});
        EXPECT_EQ(CString(c.firstWords), strText.Left(int(wcslen(c.firstWords)))) << c.command;
        EXPECT_EQ(CString(L"Info"), strCaption);

        CTestCmdUI state;
        state.m_nID = c.command;
        state.m_bEnabled = FALSE;
        state.Enable(TRUE);
        EXPECT_TRUE(pFrame->OnCmdMsg(c.command, CN_UPDATE_COMMAND_UI, &state, nullptr)) << "handled";
        EXPECT_TRUE(state.m_bEnabled);
    }
}

TEST_F(FrameDialogs, AboutComesFromTheFrameMenu)
{
    RECT rcClient = {};
    HWND hOwner = nullptr;
    RunCommand(ID_ABOUT, {Then(
                             [&](HWND hDlg) {
                                 ::GetClientRect(hDlg, &rcClient);
                                 hOwner = ::GetWindow(hDlg, GW_OWNER);
                             },
                             Press(IDCANCEL))});
    EXPECT_GT(rcClient.right, 0);
    EXPECT_EQ(pFrame->GetSafeHwnd(), hOwner);
}

TEST(AboutCommand, TheApplicationsAboutCommandRunsTheAboutBox)
{
    CTavrolinApp app;
    size_t nSteps = 0;
    {
        CModalScript script({Press(IDCANCEL)});
        EXPECT_TRUE(app.OnCmdMsg(ID_APP_ABOUT, CN_COMMAND, nullptr, nullptr));
        nSteps = script.StepsRun();
    }
    EXPECT_EQ(1u, nSteps);
}

} // namespace

// The main frame's and the application's dialog commands: options (a
// running search scans at once after OK), the start-up information, the
// ticket explanations and the About box.
// The site helper uses sockets: winsock2 before windows.h.
#include <winsock2.h>

#include "app/dialogs/DialogTestSupport.h"
#include "app/frame/FrameTestSupport.h"
#include "app/shell/TavrolinApp.h"
#include "engine/SettingsStore.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CTestCmdUI.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "support/PictureFileBytes.h"
#include "support/SiteSimulation.h"

using namespace dlgtest;

namespace {

CString Caption(HWND hWnd)
{
    WCHAR szText[64] = L"";
    ::GetWindowTextW(hWnd, szText, 64);
    return szText;
}

class FrameDialogs : public SettingsTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CDatabaseManager::GetInstance().OpenOrCreate(m_folder.Path().c_str()));
        ASSERT_NE(pFrame = frametest::CreateFrame(), nullptr);
        pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
        testpump::PumpUntilIdle();
        CDatabaseManager::GetInstance().Close();
    }
    // Sends the message while the script answers what it opens.
    size_t Send(UINT message, WPARAM wParam, std::vector<CModalScript::Step> steps)
    {
        CModalScript script(std::move(steps));
        pFrame->SendMessage(message, wParam, 0);
        EXPECT_FALSE(script.TimedOut());
        return script.StepsRun();
    }
    frametest::CPollSettings poll{60};
    CTestFolder m_folder{"dialogs"};
    CMainFrame* pFrame = nullptr;
};

TEST_F(FrameDialogs, OptionsOkWhileSearchingScansAtOnceCancelOrNoSearchDoesNot)
{
    SimulatedSite site(R"({"offers": []})");
    ASSERT_TRUE(site.IsRunning());
    frametest::ViewOf(pFrame)->Watch(0, TRUE);
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    const CString strLoaded(L"Die Ticket-Information wurde geladen.");
    auto scanned = [&] { return site.CountRequests("resale-list") >= 1 && pFrame->GetStatusText() == strLoaded; };
    ASSERT_TRUE(testpump::PumpUntil(scanned));
    struct Case
    {
        int button;
        bool searching, scans;
    };
    const Case cases[] = {{IDCANCEL, true, false}, {IDOK, true, true}, {IDOK, false, false}};
    for (const Case& c : cases)
    {
        if (!c.searching)
            pFrame->SendMessage(WM_COMMAND, ID_STOP_SEARCH);
        testpump::PumpUntilIdle();
        site.ClearRequests();
        EXPECT_EQ(1u, Send(WM_COMMAND, ID_OPTIONS, {Then([](HWND) {}, c.button)}));
        if (c.scans)
            EXPECT_TRUE(testpump::PumpUntil(scanned)) << "the next poll is a minute away";
        else
        {
            testpump::PumpUntilIdle();
            testpump::PumpFor(1000);  // a scan started at once asks by now
            EXPECT_EQ(0, site.CountRequests("resale-list")) << c.button << c.searching;
        }
    }
    EXPECT_EQ(6, CSettingsStore::GetInstance().MaxDiff);
}

TEST_F(FrameDialogs, StartupInformationShowsOverTheFrameOnlyWhenSet)
{
    for (int nShowInfo : {1, 0})
    {
        CSettingsStore::GetInstance().ShowInfo = nShowInfo;
        HWND hOwner = nullptr;
        CString strCaption;
        auto look = [&](HWND hDlg) {
            hOwner = ::GetWindow(hDlg, GW_OWNER);
            strCaption = Caption(hDlg);
        };
        CModalScript script({Then(look, IDOK)});
        EXPECT_EQ(0, pFrame->SendMessage(WM_SHOW_STARTUP_INFO, 0, 0));
        testpump::PumpUntilIdle();
        testpump::PumpFor(300);  // a dialog shows by now
        EXPECT_EQ(size_t(nShowInfo), script.StepsRun());
        EXPECT_EQ(nShowInfo ? pFrame->GetSafeHwnd() : nullptr, hOwner);
        EXPECT_EQ(CString(nShowInfo ? L"Tavrolin" : L""), strCaption);
    }
}

TEST_F(FrameDialogs, TicketCommandsShowTheirTextsAndStayEnabledAboutComesFromFrameAndApplication)
{
    struct Case
    {
        UINT command;
        LPCWSTR caption, words;
    };
    const Case cases[] = {{ID_INFO_SINGLE_TICKET, L"Info", L"Was sind Einzel-Tickets?"},
                          {ID_INFO_TST_TICKET, L"Info", L"Was sind TST-Tickets?"},
                          {ID_ABOUT, L"", L""}};
    for (const Case& c : cases)
    {
        CString strCaption, strText;
        HWND hOwner = nullptr;
        auto look = [&](HWND hDlg) {
            strCaption = Caption(hDlg);
            strText = ItemText(hDlg, IDC_RTF_TEXT);
            hOwner = ::GetWindow(hDlg, GW_OWNER);
        };
        EXPECT_EQ(1u, Send(WM_COMMAND, c.command, {Then(look, IDCANCEL)})) << c.command;
        EXPECT_EQ(CString(c.caption), strCaption);
        EXPECT_EQ(CString(c.words), strText.Left(int(wcslen(c.words)))) << c.command;
        EXPECT_EQ(pFrame->GetSafeHwnd(), hOwner);
        CTestCmdUI state;
        state.m_nID = c.command;
        EXPECT_TRUE(pFrame->OnCmdMsg(c.command, CN_UPDATE_COMMAND_UI, &state, nullptr) || c.command == ID_ABOUT);
        EXPECT_TRUE(state.m_bEnabled);
    }
    pFrame->DestroyWindow();
    pFrame = nullptr;

    CTavrolinApp app;
    CModalScript script({Then([](HWND) {}, IDCANCEL)});
    EXPECT_TRUE(app.OnCmdMsg(ID_APP_ABOUT, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(1u, script.StepsRun());
}

// The frame's own start with damaged pictures in "pics": the logo stays
// empty and the About box keeps its template's size; a sound GIF still
// makes the 32-pixel logo.
TEST_F(FrameDialogs, DamagedLogoAndAboutPicturesAreNoPicturesASoundGifIsOne)
{
    pFrame->DestroyWindow();
    pFrame = nullptr;
    testpump::PumpUntilIdle();
    const CString folder = CSettingsStore::GetProgramFolder() + L"pics";
    ::CreateDirectoryW(folder, nullptr);
    const struct
    {
        const char* what;
        std::vector<BYTE> bytes;
        bool sound;
    } cases[] = {{"damaged GIF", testpics::DamagedGifs()[1].bytes, false},
                 {"truncated bitmap", testpics::DamagedBitmaps()[0].bytes, false},
                 {"sound GIF", testpics::SoundGifBytes(), true}};
    for (const auto& c : cases)
    {
        for (LPCWSTR name : {L"\\logo.jpg", L"\\about.jpg"})
            ASSERT_FALSE(testpics::WritePictureFile(folder + name, c.bytes).empty());
        ASSERT_NE(pFrame = frametest::CreateFrame(), nullptr) << c.what;
        BITMAP bm = {};
        HGDIOBJ hLogo = pFrame->GetLogoBitmap().GetSafeHandle();
        EXPECT_EQ(c.sound, hLogo != nullptr) << c.what;
        if (hLogo != nullptr)
        {
            ::GetObjectW(hLogo, sizeof(bm), &bm);
            EXPECT_EQ(32, bm.bmWidth);
            EXPECT_EQ(32, bm.bmHeight);
        }
        RECT rcClient = {}, rcTemplate = {0, 0, 243, 195};
        auto look = [&](HWND hDlg) {
            ::GetClientRect(hDlg, &rcClient);
            ::MapDialogRect(hDlg, &rcTemplate);
        };
        EXPECT_EQ(1u, Send(WM_COMMAND, ID_ABOUT, {Then(look, IDCANCEL)})) << c.what;
        EXPECT_EQ(c.sound ? 4 : rcTemplate.right, rcClient.right) << c.what;
        EXPECT_EQ(c.sound ? 4 : rcTemplate.bottom, rcClient.bottom) << c.what;
        pFrame->DestroyWindow();
        pFrame = nullptr;
        testpump::PumpUntilIdle();
    }
    ::DeleteFileW(folder + L"\\logo.jpg");
    ::DeleteFileW(folder + L"\\about.jpg");
    ::RemoveDirectoryW(folder);
}

} // namespace

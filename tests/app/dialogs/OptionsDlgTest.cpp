// The options dialog driven while it runs modally: what it opens with, the
// controls that follow their boxes, what OK stores and saves, what Cancel
// and refused values leave alone, the play button and its two looks.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>
#include <shlwapi.h>

#include "app/AppTestSupport.h"
#include "app/dialogs/DialogTestSupport.h"
#include "app/dialogs/OptionsDlg.h"
#include "engine/SettingsStore.h"
#include "resources/AppIds.h"
#include "support/TestPump.h"
#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"
#include "toolkit/controls/buttons/XTButtonTheme.h"

using namespace dlgtest;

namespace {

class OptionsDialog : public SettingsTest
{
protected:
    OptionsDialog()
    {
        s.Interval = 30;
        s.MaxDiff = 4;
        s.StartMinimized = s.OpenWeb = s.Beep = s.StartWithWindows = s.AutoScan = s.FindTST = s.FindResale = 0;
        s.FindYellow = 0;
        s.Sound.Empty();
        ::SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Tavrolin");
    }
    // `act` sees the open dialog, then button nID is pressed.
    INT_PTR Run(std::function<void(HWND)> act, int nID, size_t nMoreSteps = 0, std::vector<CModalScript::Step> more = {})
    {
        more.insert(more.begin(), Then(std::move(act), nID));
        CModalScript script(more);
        COptionsDlg dlg;
        const INT_PTR nResult = dlg.DoModal();
        EXPECT_FALSE(script.TimedOut());
        EXPECT_EQ(1 + nMoreSteps, script.StepsRun());
        return nResult;
    }
    CSettingsStore& s = CSettingsStore::GetInstance();
};

TEST_F(OptionsDialog, OpensClampedAndItsDependentControlsFollowTheirBoxes)
{
    struct Case
    {
        int interval;
        LPCWSTR shown;
        int autoScan, startMinimized, beep;
    };
    const Case cases[] = {{0, L"1", 0, 1, 1}, {-7, L"1", 1, 1, 0}, {100000, L"100000", 1, 0, 1},
                          {100001, L"100000", 0, 0, 0}};
    for (const Case& c : cases)
    {
        s.Interval = c.interval;
        s.AutoScan = c.autoScan;
        s.StartMinimized = c.startMinimized;
        s.Beep = c.beep;
        CString strShown;
        int range[2] = {}, enabled[6] = {}, minimizedChecked[2] = {};
        Run(
            [&](HWND hDlg) {
                strShown = ItemText(hDlg, IDC_INTERVAL);
                ::SendDlgItemMessageW(hDlg, IDC_INTERVAL_SPIN, UDM_GETRANGE32, WPARAM(&range[0]), LPARAM(&range[1]));
                for (int nClicked = 0; nClicked < 2; nClicked++)
                {
                    enabled[nClicked * 3] = ::IsWindowEnabled(::GetDlgItem(hDlg, IDC_START_MINIMIZED));
                    enabled[nClicked * 3 + 1] = ::IsWindowEnabled(::GetDlgItem(hDlg, IDC_SOUND_PATH));
                    enabled[nClicked * 3 + 2] = ::IsWindowEnabled(::GetDlgItem(hDlg, IDC_PLAY_SOUND));
                    minimizedChecked[nClicked] = ::IsDlgButtonChecked(hDlg, IDC_START_MINIMIZED);
                    ClickCheck(hDlg, IDC_AUTO_SCAN);
                    ClickCheck(hDlg, IDC_BEEP);
                }
            },
            IDCANCEL);
        EXPECT_EQ(CString(c.shown), strShown) << c.interval;
        EXPECT_EQ(1, range[0]);
        EXPECT_EQ(100000, range[1]);
        for (int nClicked = 0; nClicked < 2; nClicked++)
        {
            EXPECT_EQ((c.autoScan ^ nClicked) != 0, enabled[nClicked * 3] != 0) << c.interval;
            EXPECT_EQ((c.beep ^ nClicked) != 0, enabled[nClicked * 3 + 1] != 0) << c.interval;
            EXPECT_EQ((c.beep ^ nClicked) != 0, enabled[nClicked * 3 + 2] != 0) << c.interval;
            EXPECT_EQ(c.startMinimized, minimizedChecked[nClicked]) << "a disabled box keeps its check";
        }
        EXPECT_EQ(c.interval, s.Interval) << "only OK stores";
        EXPECT_EQ(c.autoScan, s.AutoScan);
    }
}

TEST_F(OptionsDialog, OkStoresTheBoxesTheSpreadAndStartWithWindowsAndSavesThem)
{
    struct Case
    {
        LPCWSTR interval;
        int stored, maxDiff;
        bool run;
    };
    const Case cases[] = {{L"30", 30, 3, true}, {L"5", 5, 0, false}, {L"9", 9, 0, true}, {L"100000", 100000, 10000, false}};
    for (const Case& c : cases)
    {
        s.FindYellow = s.StartMinimized = 1;  // 1007 disabled (no auto start): stored all the same
        s.Beep = s.FindTST = 0;
        bool bRunWhileOpen = false;
        EXPECT_EQ(IDOK, Run(
                            [&](HWND hDlg) {
                                ::SetDlgItemTextW(hDlg, IDC_INTERVAL, c.interval);
                                ClickCheck(hDlg, IDC_BEEP);
                                ClickCheck(hDlg, IDC_FIND_TST);
                                ::SetDlgItemTextW(hDlg, IDC_SOUND_PATH, L"C:\\alarm.wav");
                                if (c.run != (s.StartWithWindows != 0))
                                    ClickCheck(hDlg, IDC_RUN_AT_STARTUP);
                                bRunWhileOpen = RunValueExists();
                            },
                            IDOK));
        EXPECT_EQ(c.stored, s.Interval);
        EXPECT_EQ(c.maxDiff, s.MaxDiff) << c.interval;
        EXPECT_EQ(c.maxDiff, SavedDword(L"MaxDiff")) << c.interval;
        EXPECT_EQ(c.stored, SavedDword(L"Interval"));
        EXPECT_EQ(1, SavedDword(L"Beep"));
        EXPECT_EQ(1, SavedDword(L"FindTST"));
        EXPECT_EQ(1, SavedDword(L"FindYellow"));
        EXPECT_EQ(1, SavedDword(L"StartMinimized"));
        EXPECT_EQ(0, SavedDword(L"FindResale"));
        EXPECT_EQ(CString(L"C:\\alarm.wav"), s.Sound);
        EXPECT_EQ(!c.run, bRunWhileOpen) << "the Run value changes at OK";
        EXPECT_EQ(c.run, RunValueExists()) << c.interval;
        EXPECT_EQ(c.run ? 1 : 0, s.StartWithWindows);
    }
}

// "Programm minimiert starten" clicked: OK stores the new state, both ways.
TEST_F(OptionsDialog, OkStoresAToggledStartMinimized)
{
    for (int nBefore : {0, 1})
    {
        s.AutoScan = 1;  // the box is enabled
        s.StartMinimized = nBefore;
        int nShown = -1;
        EXPECT_EQ(IDOK, Run(
                            [&](HWND hDlg) {
                                ClickCheck(hDlg, IDC_START_MINIMIZED);
                                nShown = (int)::IsDlgButtonChecked(hDlg, IDC_START_MINIMIZED);
                            },
                            IDOK));
        EXPECT_EQ(1 - nBefore, nShown) << nBefore;
        EXPECT_EQ(1 - nBefore, s.StartMinimized) << nBefore;
        EXPECT_EQ(1 - nBefore, SavedDword(L"StartMinimized")) << nBefore;
    }
}

TEST_F(OptionsDialog, CancelAndRefusedIntervalsChangeNothing)
{
    CString strNotANumber, strOutOfRange;
    bool bStillOpen = false;
    auto type = [](LPCWSTR text) { return [text](HWND hDlg) { ::SetDlgItemTextW(hDlg, IDC_INTERVAL, text); }; };
    EXPECT_EQ(IDCANCEL, Run(type(L"abc"), IDOK, 6,
                            {Then([&](HWND hBox) { strNotANumber = ItemText(hBox, 0xFFFF); }, IDOK),
                             Then(type(L"0"), IDOK),
                             Then([&](HWND hBox) { strOutOfRange = ItemText(hBox, 0xFFFF); }, IDOK),
                             Then(type(L"100001"), IDOK), Then([](HWND) {}, IDOK),
                             Then(
                                 [&](HWND hDlg) {
                                     bStillOpen = ::IsWindowVisible(hDlg) != FALSE;
                                     ::SetDlgItemTextW(hDlg, IDC_INTERVAL, L"77");
                                     ClickCheck(hDlg, IDC_RUN_AT_STARTUP);
                                     ClickCheck(hDlg, IDC_FIND_YELLOW);
                                 },
                                 IDCANCEL)}));
    EXPECT_EQ(CString(L"Geben Sie eine positive ganze Zahl ein."), strNotANumber);
    EXPECT_EQ(CString(L"Geben Sie eine positive ganze Zahl zwischen 1 und 100000 ein."), strOutOfRange);
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(30, s.Interval);
    EXPECT_EQ(4, s.MaxDiff);
    EXPECT_EQ(0, s.FindYellow);
    EXPECT_EQ(0, s.StartWithWindows);
    EXPECT_FALSE(RunValueExists());
    EXPECT_EQ(-1, SavedDword(L"Interval")) << "nothing saved";
}

TEST_F(OptionsDialog, PlayBeepsWithoutAPathAndPlaysAFileAsynchronously)
{
    const LPCWSTR paths[] = {L"", L"C:\\sounds\\alarm.wav", L"C:\\missing.wav"};
    for (LPCWSTR path : paths)
    {
        s.Beep = 1;
        CCallRecorder recorder;
        ASSERT_TRUE(recorder.IsActive());
        Run(
            [&](HWND hDlg) {
                ::SetDlgItemTextW(hDlg, IDC_SOUND_PATH, path);
                ::SendDlgItemMessageW(hDlg, IDC_PLAY_SOUND, BM_CLICK, 0, 0);
            },
            IDCANCEL);
        const bool bEmpty = path[0] == 0;
        ASSERT_EQ(bEmpty ? 1u : 0u, recorder.beeps.size()) << path;
        ASSERT_EQ(bEmpty ? 0u : 1u, recorder.sounds.size()) << path;
        if (bEmpty)
        {
            EXPECT_EQ(0xFFFFFFFFu, recorder.beeps[0].flags);
            continue;
        }
        EXPECT_EQ(CString(path), recorder.sounds[0].text);
        EXPECT_EQ(CString(), recorder.sounds[0].verb) << "no module";
        EXPECT_EQ(UINT(SND_FILENAME | SND_ASYNC), recorder.sounds[0].flags);
    }
}

TEST_F(OptionsDialog, ThePlayButtonClassicAndThemedAndTheTextsFit)
{
    static CXTPWinThemeLibrary styles(L"UxTheme.dll", MAKELONG(0, 6));
    s.Beep = 1;
    s.Sound = L"C:\\sounds\\alarm.wav";
    testshot::Image classic, themed;
    RECT rcPlay = {};
    std::vector<CString> tooLong;
    Run(
        [&](HWND hDlg) {
            rcPlay = ItemRect(hDlg, IDC_PLAY_SOUND);
            tooLong = TextsThatDoNotFit(hDlg);
            testpump::PumpUntilIdle();
            testshot::Save(classic = testshot::CaptureWindow(hDlg), L"app_options_classic.png");
            CXTButton* pPlay = DYNAMIC_DOWNCAST(CXTButton, CWnd::FromHandlePermanent(::GetDlgItem(hDlg, IDC_PLAY_SOUND)));
            ASSERT_NE(pPlay, nullptr);
            pPlay->SetTheme(new CXTButtonTheme(&styles));
            pPlay->Invalidate();
            testpump::PumpUntilIdle();
            testshot::Save(themed = testshot::CaptureWindow(hDlg), L"app_options_themed.png");
        },
        IDCANCEL);
    EXPECT_TRUE(tooLong.empty()) << (tooLong.empty() ? "" : CStringA(tooLong[0]).GetString());
    ASSERT_EQ(classic.width, themed.width);
    // The bitmap inside, the classic raised frame; the visual style changes the button alone.
    const RECT rcInside = {rcPlay.left + 3, rcPlay.top + 3, rcPlay.right - 3, rcPlay.bottom - 3};
    EXPECT_GT(apptest::CountPixels(classic, rcInside, apptest::IsDark), 4) << "the bitmap is drawn";
    EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), classic.Pixel(rcPlay.left, rcPlay.top));
    int changed[2] = {};
    for (int y = 0; y < classic.height; y++)
        for (int x = 0; x < classic.width; x++)
            changed[::PtInRect(&rcPlay, POINT{x, y}) ? 0 : 1] += classic.Pixel(x, y) != themed.Pixel(x, y);
    EXPECT_GT(changed[0], 10);
    EXPECT_EQ(0, changed[1]);
}

} // namespace

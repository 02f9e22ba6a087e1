// The options dialog driven while it runs modally: what it opens with, the
// controls that follow their check boxes, what OK stores and saves, what
// Cancel and refused values leave alone, the play button, and its look.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include "app/AppTestSupport.h"
#include "app/dialogs/DialogTestSupport.h"
#include "app/dialogs/OptionsDlg.h"
#include "engine/SettingsStore.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
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
        CSettingsStore& s = settings;
        s.Interval = 30;
        s.MaxDiff = 4;
        s.StartMinimized = s.OpenWeb = s.Beep = s.StartWithWindows = s.AutoScan = 0;
        s.FindTST = s.FindResale = s.FindYellow = 0;
        s.ShowInfo = 1;
        s.Sound.Empty();
        DeleteRunValue();
    }

    // Runs the dialog: `inspect` sees it once it shows, then `button` is pressed.
    INT_PTR Run(std::function<void(HWND)> inspect, int nButton)
    {
        CModalScript script({Then(std::move(inspect), Press(nButton))});
        COptionsDlg dlg;
        const INT_PTR nResult = dlg.DoModal();
        EXPECT_FALSE(script.TimedOut());
        EXPECT_EQ(script.StepsRun(), 1u);
        return nResult;
    }

    CSettingsStore& settings = CSettingsStore::GetInstance();
};

TEST_F(OptionsDialog, OpensWithTheStoredIntervalClampedIntoItsRange)
{
    struct Case
    {
        int stored;
        LPCWSTR shown;
    };
    const Case cases[] = {{0, L"1"}, {-7, L"1"}, {1, L"1"}, {30, L"30"}, {100000, L"100000"}, {100001, L"100000"}};
    for (const Case& c : cases)
    {
        settings.Interval = c.stored;
        CString strShown;
        int lower = 0, upper = 0;
        EXPECT_EQ(IDCANCEL, Run(
                                [&](HWND hDlg) {
                                    strShown = ItemText(hDlg, IDC_INTERVAL);
                                    ::SendDlgItemMessageW(hDlg, IDC_INTERVAL_SPIN, UDM_GETRANGE32,
                                                          reinterpret_cast<WPARAM>(&lower),
                                                          reinterpret_cast<LPARAM>(&upper));
                                },
                                IDCANCEL));
        EXPECT_EQ(CString(c.shown), strShown) << c.stored;
        EXPECT_EQ(1, lower);
        EXPECT_EQ(100000, upper);
        EXPECT_EQ(c.stored, settings.Interval) << "opening stores nothing";
    }
}

TEST_F(OptionsDialog, DependentControlsFollowTheirBoxesAtOpeningAndOnClicks)
{
    struct Case
    {
        int autoScan, startMinimized, beep;
    };
    const Case cases[] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 1}, {1, 1, 0}};
    for (const Case& c : cases)
    {
        settings.AutoScan = c.autoScan;
        settings.StartMinimized = c.startMinimized;
        settings.Beep = c.beep;
        settings.Sound = L"C:\\alarm.wav";
        bool opened[4] = {}, clicked[4] = {}, minimizedChecked[2] = {};
        Run(
            [&](HWND hDlg) {
                opened[0] = IsEnabled(hDlg, IDC_START_MINIMIZED);
                opened[1] = IsEnabled(hDlg, IDC_SOUND_PATH);
                opened[2] = IsEnabled(hDlg, IDC_PLAY_SOUND);
                opened[3] = IsChecked(hDlg, IDC_BEEP);
                minimizedChecked[0] = IsChecked(hDlg, IDC_START_MINIMIZED);
                ClickCheck(hDlg, IDC_AUTO_SCAN);
                ClickCheck(hDlg, IDC_BEEP);
                clicked[0] = IsEnabled(hDlg, IDC_START_MINIMIZED);
                clicked[1] = IsEnabled(hDlg, IDC_SOUND_PATH);
                clicked[2] = IsEnabled(hDlg, IDC_PLAY_SOUND);
                clicked[3] = IsChecked(hDlg, IDC_BEEP);
                minimizedChecked[1] = IsChecked(hDlg, IDC_START_MINIMIZED);
            },
            IDCANCEL);
        const bool bAuto = c.autoScan != 0, bBeep = c.beep != 0;
        EXPECT_EQ(bAuto, opened[0]) << c.autoScan;
        EXPECT_EQ(bBeep, opened[1]) << c.beep;
        EXPECT_EQ(bBeep, opened[2]) << c.beep;
        EXPECT_EQ(bBeep, opened[3]);
        EXPECT_EQ(!bAuto, clicked[0]) << c.autoScan;
        EXPECT_EQ(!bBeep, clicked[1]) << c.beep;
        EXPECT_EQ(!bBeep, clicked[2]) << c.beep;
        EXPECT_EQ(c.startMinimized != 0, minimizedChecked[0]);
        EXPECT_EQ(c.startMinimized != 0, minimizedChecked[1]) << "disabling keeps the check";
    }
}

TEST_F(OptionsDialog, OkStoresEveryBoxAndTheSpreadAndSavesThem)
{
    struct Case
    {
        LPCWSTR interval;
        int storedInterval, maxDiff;
    };
    const Case cases[] = {{L"30", 30, 3}, {L"5", 5, 0}, {L"9", 9, 0}, {L"35", 35, 3}, {L"1", 1, 0},
                          {L"100000", 100000, 10000}};
    for (const Case& c : cases)
    {
        settings.FindYellow = 1;
        settings.StartMinimized = 1;  // disabled below (no auto scan), stored all the same
        EXPECT_EQ(IDOK, Run(
                            [&](HWND hDlg) {
                                SetText(hDlg, IDC_INTERVAL, c.interval);
                                ClickCheck(hDlg, IDC_BEEP);
                                ClickCheck(hDlg, IDC_FIND_TST);
                                ClickCheck(hDlg, IDC_OPEN_WEB);
                                SetText(hDlg, IDC_SOUND_PATH, L"C:\\alarm.wav");
                            },
                            IDOK));
        EXPECT_EQ(c.storedInterval, settings.Interval);
        EXPECT_EQ(c.maxDiff, settings.MaxDiff) << c.interval;
        EXPECT_EQ(c.storedInterval, SavedDword(L"Interval"));
        EXPECT_EQ(c.maxDiff, SavedDword(L"MaxDiff")) << c.interval;
        EXPECT_EQ(1, settings.Beep);
        EXPECT_EQ(1, settings.FindTST);
        EXPECT_EQ(1, settings.OpenWeb);
        EXPECT_EQ(1, settings.FindYellow) << "an untouched box keeps its value";
        EXPECT_EQ(0, settings.FindResale);
        EXPECT_EQ(0, settings.AutoScan);
        EXPECT_EQ(1, settings.StartMinimized);
        EXPECT_EQ(1, SavedDword(L"StartMinimized"));
        EXPECT_EQ(1, SavedDword(L"Beep"));
        EXPECT_EQ(1, SavedDword(L"FindYellow"));
        EXPECT_EQ(CString(L"C:\\alarm.wav"), settings.Sound);
        settings.Beep = settings.FindTST = settings.OpenWeb = 0;
    }
}

TEST_F(OptionsDialog, StartWithWindowsIsWrittenAtOkOnlyAndCancelChangesNothing)
{
    bool bRunWhileOpen = true;
    EXPECT_EQ(IDCANCEL, Run(
                            [&](HWND hDlg) {
                                ClickCheck(hDlg, IDC_RUN_AT_STARTUP);
                                ClickCheck(hDlg, IDC_AUTO_SCAN);
                                ClickCheck(hDlg, IDC_FIND_YELLOW);
                                SetText(hDlg, IDC_INTERVAL, L"77");
                                bRunWhileOpen = RunValueExists();
                            },
                            IDCANCEL));
    EXPECT_FALSE(bRunWhileOpen);
    EXPECT_FALSE(RunValueExists());
    EXPECT_FALSE(SettingsSaved());
    EXPECT_EQ(30, settings.Interval);
    EXPECT_EQ(4, settings.MaxDiff);
    EXPECT_EQ(0, settings.StartWithWindows);
    EXPECT_EQ(0, settings.AutoScan);
    EXPECT_EQ(0, settings.FindYellow);

    bRunWhileOpen = true;
    EXPECT_EQ(IDOK, Run(
                        [&](HWND hDlg) {
                            ClickCheck(hDlg, IDC_RUN_AT_STARTUP);
                            bRunWhileOpen = RunValueExists();
                        },
                        IDOK));
    EXPECT_FALSE(bRunWhileOpen);
    EXPECT_TRUE(RunValueExists());
    EXPECT_EQ(1, settings.StartWithWindows);

    // Unchecked: the value goes at OK.
    EXPECT_EQ(IDOK, Run([&](HWND hDlg) { ClickCheck(hDlg, IDC_RUN_AT_STARTUP); }, IDOK));
    EXPECT_FALSE(RunValueExists());
    EXPECT_EQ(0, settings.StartWithWindows);
}

TEST_F(OptionsDialog, RefusedIntervalsShowTheFrameworksMessageAndKeepTheDialogOpen)
{
    CString strNotANumber, strOutOfRange;
    bool bStillOpen = false;
    CModalScript script({Then([](HWND hDlg) { SetText(hDlg, IDC_INTERVAL, L"abc"); }, Press(IDOK)),
                         Then([&](HWND hBox) { strNotANumber = MessageText(hBox); }, Press(IDOK)),
                         Then([](HWND hDlg) { SetText(hDlg, IDC_INTERVAL, L"0"); }, Press(IDOK)),
                         Then([&](HWND hBox) { strOutOfRange = MessageText(hBox); }, Press(IDOK)),
                         Then([](HWND hDlg) { SetText(hDlg, IDC_INTERVAL, L"100001"); }, Press(IDOK)),
                         Press(IDOK),
                         Then([&](HWND hDlg) { bStillOpen = ::IsWindowVisible(::GetDlgItem(hDlg, IDC_INTERVAL)); },
                              Press(IDCANCEL))});
    COptionsDlg dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(7u, script.StepsRun());
    EXPECT_EQ(CString(L"Geben Sie eine positive ganze Zahl ein."), strNotANumber);
    EXPECT_EQ(CString(L"Geben Sie eine positive ganze Zahl zwischen 1 und 100000 ein."), strOutOfRange);
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(30, settings.Interval);
    EXPECT_FALSE(SettingsSaved());
}

TEST_F(OptionsDialog, PlayBeepsWithoutAPathAndPlaysTheFileAsynchronously)
{
    struct Case
    {
        LPCWSTR path;
        size_t beeps, sounds;
    };
    const Case cases[] = {{L"", 1, 0}, {L"C:\\sounds\\alarm.wav", 0, 1}, {L"C:\\missing.wav", 0, 1}};
    for (const Case& c : cases)
    {
        settings.Beep = 1;
        CCallRecorder recorder;
        ASSERT_TRUE(recorder.IsActive());
        Run(
            [&](HWND hDlg) {
                SetText(hDlg, IDC_SOUND_PATH, c.path);
                ::SendMessageW(::GetDlgItem(hDlg, IDC_PLAY_SOUND), BM_CLICK, 0, 0);
            },
            IDCANCEL);
        ASSERT_EQ(c.beeps, recorder.beeps.size()) << c.path;
        ASSERT_EQ(c.sounds, recorder.sounds.size()) << c.path;
        if (c.beeps)
        {
            EXPECT_EQ(0xFFFFFFFFu, recorder.beeps[0].flags);
        }
        if (c.sounds)
        {
            EXPECT_EQ(CString(c.path), recorder.sounds[0].text);
            EXPECT_EQ(CString(), recorder.sounds[0].verb) << "no module";
            EXPECT_EQ(UINT(SND_FILENAME | SND_ASYNC), recorder.sounds[0].flags);
        }
        EXPECT_EQ(CString(), settings.Sound) << "playing stores nothing";
    }
}

// The play button with its bitmap, in the classic look and in the system's
// visual style; the texts fit in the dialog's Tahoma.
TEST_F(OptionsDialog, ShowsThePlayButtonClassicAndThemedAndItsTextsFit)
{
    static CXTPWinThemeLibrary styles(L"UxTheme.dll", MAKELONG(0, 6));
    settings.Beep = 1;
    settings.Sound = L"C:\\sounds\\alarm.wav";
    testshot::Image classic, themed;
    RECT rcPlay = {};
    std::vector<CString> tooLong;
    auto shoot = [&](HWND hDlg, LPCWSTR name, testshot::Image& image) {
        testpump::PumpUntilIdle();
        image = testshot::CaptureWindow(hDlg);
        testshot::Save(image, name);
    };
    Run(
        [&](HWND hDlg) {
            rcPlay = ItemRect(hDlg, IDC_PLAY_SOUND);
            tooLong = TextsThatDoNotFit(hDlg);
            shoot(hDlg, L"app_options_classic.png", classic);
            CXTButton* pPlay = DYNAMIC_DOWNCAST(CXTButton, CWnd::FromHandlePermanent(::GetDlgItem(hDlg, IDC_PLAY_SOUND)));
            ASSERT_NE(pPlay, nullptr);
            pPlay->SetTheme(new CXTButtonTheme(&styles));
            pPlay->Invalidate();
            shoot(hDlg, L"app_options_themed.png", themed);
        },
        IDCANCEL);
    EXPECT_TRUE(tooLong.empty()) << (tooLong.empty() ? "" : CStringA(tooLong[0]).GetString());
    ASSERT_GT(classic.width, 0);
    ASSERT_EQ(classic.width, themed.width);
    // The bitmap inside the button, its classic raised frame; the visual
    // style changes the button alone.
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const RECT rcInside = {rcPlay.left + 3, rcPlay.top + 3, rcPlay.right - 3, rcPlay.bottom - 3};
    EXPECT_GT(apptest::CountPixels(classic, rcInside, apptest::IsDark), 4) << "the bitmap is drawn";
    EXPECT_EQ(::GetSysColor(COLOR_3DHILIGHT), classic.Pixel(rcPlay.left, rcPlay.top));
    int nChanged = 0, nChangedOutside = 0;
    for (int y = 0; y < classic.height; y++)
        for (int x = 0; x < classic.width; x++)
        {
            if (classic.Pixel(x, y) == themed.Pixel(x, y))
                continue;
            const POINT pt = {x, y};
            (::PtInRect(&rcPlay, pt) ? nChanged : nChangedOutside)++;
        }
    EXPECT_GT(nChanged, 10);
    EXPECT_EQ(0, nChangedOutside);
    EXPECT_NE(face, classic.Pixel(rcPlay.left, rcPlay.top));
}

} // namespace

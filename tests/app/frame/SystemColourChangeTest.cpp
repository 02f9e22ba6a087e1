// A change of the system colours while the program runs, as the system
// tells it to the top-level windows: the ticket pane's report, the view's
// tab strip, the options dialog's sound button and an alert popup, open at
// that moment, all draw with the new colours at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "ProgramFrameTest.h"
#include "app/AppTestSupport.h"
#include "app/TavrolinDoc.h"
#include "app/TavrolinView.h"
#include "app/dialogs/DialogTestSupport.h"
#include "engine/SettingsStore.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "support/ChangedSystemColours.h"
#include "support/Screenshot.h"
#include "support/ThreadHook.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/docking/XTPDockingPane.h"

using namespace frametest;
using namespace testcolours;
using apptest::CountNear;

namespace {

// Counts what this thread's windows are sent of the two changes.
class CChangeCounter
{
public:
    CChangeCounter() { s_hHook = testhook::Set(WH_CALLWNDPROC, OnCall); }
    ~CChangeCounter()
    {
        if (s_hHook != nullptr)
            testhook::Remove(s_hHook);
        s_hHook = nullptr;
        s_counts.clear();
    }
    bool IsActive() const { return s_hHook != nullptr; }
    static std::map<std::pair<HWND, UINT>, int> s_counts;

private:
    static LRESULT CALLBACK OnCall(int code, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* pCall = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && (pCall->message == WM_SYSCOLORCHANGE || pCall->message == WM_SETTINGCHANGE))
            ++s_counts[{pCall->hwnd, pCall->message}];
        return ::CallNextHookEx(s_hHook, code, wParam, lParam);
    }
    static HHOOK s_hHook;
};
std::map<std::pair<HWND, UINT>, int> CChangeCounter::s_counts;
HHOOK CChangeCounter::s_hHook = nullptr;

BOOL CALLBACK CollectChild(HWND hChild, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hChild);
    return TRUE;
}

std::vector<HWND> Descendants(HWND hWnd)
{
    std::vector<HWND> found;
    ::EnumChildWindows(hWnd, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

class SystemColourChange : public CProgramFrameTest
{
protected:
    SystemColourChange()
        : CProgramFrameTest(L"ColourTestApp", L"TavrolinColourTest", L"tavrolin_colours")
    {
    }

    void SetUp() override
    {
        SetUpShownFrame();
        if (HasFatalFailure())
            return;
        pFrame->GetPaneManager().ShowPane(IDP_TICKETS);
        pFrame->RecalcLayout();
        RunIdlePass();
        ASSERT_TRUE(pFrame->GetTicketReport().IsWindowVisible());
    }

    // The report's lower half: no rows there, only its background.
    static CRect EmptyPart(HWND hReport)
    {
        CRect rc;
        ::GetClientRect(hReport, &rc);
        rc.top = rc.CenterPoint().y + 12;
        rc.DeflateRect(4, 0, 4, 4);
        return rc;
    }
    static bool IsAllButFilled(const testshot::Image& shot, const CRect& rc, COLORREF colour)
    {
        return CountNear(shot, rc, colour) > rc.Width() * rc.Height() * 9 / 10;
    }

    CPollSettings settings{60};
};

} // namespace

TEST_F(SystemColourChange, ReachesTheTicketReportTheTabStripAndAButtonOfAnOpenDialog)
{
    const HWND hReport = pFrame->GetTicketReport().GetSafeHwnd();
    const HWND hTabs = pView->m_wndTabControl.GetSafeHwnd();
    testshot::Image reportBefore, tabsBefore, buttonBefore, report, games, tabs, button;
    bool bChanged = false;
    dlgtest::CModalScript script({dlgtest::Then(
        [&](HWND hDlg) {
            const HWND hButton = ::GetDlgItem(hDlg, IDC_PLAY_SOUND);
            reportBefore = testshot::CaptureWindow(hReport);
            tabsBefore = testshot::CaptureWindow(hTabs);
            buttonBefore = testshot::CaptureWindow(hButton);
            CChangedSystemColours colours;
            bChanged = colours.IsChanged();
            testpump::PumpUntilIdle();
            report = testshot::CaptureWindow(hReport);
            games = testshot::CaptureWindow(pView->m_wndReportGames.GetSafeHwnd());
            tabs = testshot::CaptureWindow(hTabs);
            button = testshot::CaptureWindow(hButton);
            testshot::Save(testshot::CaptureWindow(pFrame->m_hWnd), L"app_system_colours_frame.png");
            testshot::Save(testshot::CaptureWindow(hDlg), L"app_system_colours_options.png");
        },
        IDCANCEL)});
    pFrame->SendMessage(WM_COMMAND, ID_OPTIONS);
    EXPECT_FALSE(script.TimedOut());
    ASSERT_EQ(1u, script.StepsRun());
    ASSERT_TRUE(bChanged);
    testshot::Save(report, L"app_system_colours_report.png");
    testshot::Save(tabs, L"app_system_colours_tabs.png");
    testshot::Save(button, L"app_system_colours_button.png");

    // The ticket pane's report: its empty part in the new window colour.
    const CRect rcEmpty = EmptyPart(hReport);
    EXPECT_EQ(0, CountNear(reportBefore, rcEmpty, kWindow));
    EXPECT_TRUE(IsAllButFilled(report, rcEmpty, kWindow));
    // The view's reports: their rows in the new window colour.
    EXPECT_GT(CountNear(games, CRect(0, 0, games.width, games.height), kWindow), games.width * games.height / 4);
    // The tab strip's face where its gradient starts, right of the tabs,
    // and its line under the tabs in the new shadow colour.
    const CRect rcStripFace(tabs.width - 60, 0, tabs.width - 4, 2);
    EXPECT_EQ(0, CountNear(tabsBefore, rcStripFace, kFace));
    EXPECT_EQ(rcStripFace.Width() * rcStripFace.Height(), CountNear(tabs, rcStripFace, kFace));
    EXPECT_GE(CountNear(tabs, CRect(tabs.width / 2, 0, tabs.width / 2 + 1, 30), kShadow), 1);
    // The sound button's edges: light on the top left, shadow inside the
    // dark line on the bottom right.
    ASSERT_GT(button.width, 4);
    EXPECT_NE(kLight, buttonBefore.Pixel(0, 0));
    EXPECT_EQ(kLight, button.Pixel(0, 0));
    EXPECT_NE(kShadow, buttonBefore.Pixel(button.width - 2, button.height - 2));
    EXPECT_EQ(kShadow, button.Pixel(button.width - 2, button.height - 2));
    EXPECT_EQ(kFace, button.Pixel(3, button.height / 2)) << "the face";
}

TEST_F(SystemColourChange, EveryWindowOfTheFrameHearsEachChangeOnce)
{
    CChangeCounter counter;
    ASSERT_TRUE(counter.IsActive());
    pFrame->SendMessage(WM_SYSCOLORCHANGE);
    pFrame->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, reinterpret_cast<LPARAM>(L"WindowMetrics"));
    const std::vector<HWND> windows = Descendants(pFrame->m_hWnd);
    // The pane manager's window, the panes', the view's, the bars'.
    ASSERT_GT(windows.size(), 10u);
    EXPECT_NE(std::find(windows.begin(), windows.end(), pFrame->GetPaneManager().GetSafeHwnd()), windows.end());
    for (HWND hWnd : windows)
        for (UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE})
        {
            WCHAR szClass[64] = L"";
            ::GetClassNameW(hWnd, szClass, 64);
            EXPECT_EQ(1, (CChangeCounter::s_counts[{hWnd, message}])) << CStringA(szClass).GetString() << " " << message;
        }
}

TEST_F(SystemColourChange, ReachesTheFrameHiddenInTheTray)
{
    const HWND hReport = pFrame->GetTicketReport().GetSafeHwnd();
    pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    ASSERT_TRUE(pFrame->IsInTray());
    ASSERT_FALSE(pFrame->IsWindowVisible());
    testshot::Image report;
    {
        CChangedSystemColours colours;
        ASSERT_TRUE(colours.IsChanged());
        testpump::PumpUntilIdle();
        // "Öffnen" of the tray icon's menu.
        pFrame->SendMessage(WM_COMMAND, ID_TRAY_OPEN);
        testpump::PumpUntilIdle();
        ASSERT_TRUE(pFrame->IsWindowVisible());
        report = testshot::CaptureWindow(hReport);
        testshot::Save(testshot::CaptureWindow(pFrame->m_hWnd), L"app_system_colours_after_tray.png");
    }
    EXPECT_TRUE(IsAllButFilled(report, EmptyPart(hReport), kWindow));
}

namespace {

// What a window shows now, without asking it to paint again.
testshot::Image AsShown(HWND hWnd)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    HDC hDC = ::GetDC(hWnd);
    testshot::Image shot = testshot::CaptureDC(hDC, rc);
    ::ReleaseDC(hWnd, hDC);
    return shot;
}

} // namespace

TEST_F(SystemColourChange, ReachesAnOpenAlertPopup)
{
    AlertTexts texts;
    texts.strTitle = L"Berlin: Deutschland - Ecuador";
    texts.strLine = L"Category: 1  Resale";
    CXTPPopupControl* pPopup = pFrame->GetAlerts().ShowAlertPopup(pFrame, texts);
    ASSERT_NE(pPopup, nullptr);
    const HWND hPopup = pPopup->GetSafeHwnd();
    ASSERT_TRUE(testpump::PumpUntil([&] { return pPopup->GetPopupState() == xtpPopupStateShow; }));
    testpump::PumpUntilIdle();
    const testshot::Image before = AsShown(hPopup);

    testshot::Image after;
    {
        CChangedSystemColours colours;
        ASSERT_TRUE(colours.IsChanged());
        testpump::PumpUntilIdle();
        ASSERT_TRUE(::IsWindow(hPopup)) << "the alert went before it was looked at";
        after = AsShown(hPopup);
    }
    testshot::Save(after, L"app_system_colours_alert_popup.png");
    ASSERT_EQ(329, after.width);
    ASSERT_EQ(74, after.height);
    // The frame in the shadow colour; the background runs down into the
    // face below the texts.
    EXPECT_NE(kShadow, before.Pixel(0, 0));
    EXPECT_EQ(kShadow, after.Pixel(0, 0));
    EXPECT_EQ(kShadow, after.Pixel(328, 73));
    const CRect rcLow(280, 56, 320, 72), rcBottom(280, 71, 320, 72);
    auto greenest = [](COLORREF c) { return GetGValue(c) > GetRValue(c) + GetBValue(c); };
    EXPECT_EQ(0, apptest::CountPixels(before, rcLow, greenest));
    EXPECT_EQ(rcLow.Width() * rcLow.Height(), apptest::CountPixels(after, rcLow, greenest));
    EXPECT_EQ(rcBottom.Width(), CountNear(after, rcBottom, kFace));
}

// An alert that pops up while the customize sheet holds the frame's input
// back answers the user's click as it does without the sheet: alerts shown
// before the sheet opened and after, one of a stack, over the sheet, with
// the sheet active or another window in front.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "BarsTestSupport.h"

#include "app/AppTestSupport.h"
#include "app/frame/PopupItem.h"
#include "engine/SettingsStore.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/popup/XTPPopupControl.h"

using namespace barstest;

namespace {

// The address an alert's title opens.
CString PageOf(CXTPPopupControl* pPopup)
{
    CPopupItem* pTitle = DYNAMIC_DOWNCAST(CPopupItem, pPopup->GetItem(0));
    return pTitle != nullptr ? pTitle->m_strLinkAddress : CString();
}

// The pointer rests on the title (on the product name, its link), then
// clicks it; true once that alert is gone.
bool ClickTitle(HWND hPopup)
{
    const POINT pt = testinput::ClientToScreenPoint(hPopup, 60, 24);
    testinput::MoveMouseAndWait(pt);
    testinput::ClickAt(pt);
    return testpump::PumpUntil([&] { return !::IsWindow(hPopup); });
}

// Two alerts stacked: match 1's list offer and a team's resale offer, each
// with a page of its own. Their windows in the order shown (the first lowest).
std::vector<HWND> RaiseTwoAlerts(CMainFrame* pFrame, std::vector<CString>& pages)
{
    const int offer[4] = {1, 0, 0, 0};
    const int tst5[5] = {0, 0, 1, 0, 0};
    frametest::FeedResult(pFrame, offer, tst5);
    CAlertPopups& alerts = pFrame->GetAlerts();
    std::vector<HWND> windows;
    for (int i = 0; i < alerts.GetOpenCount(); ++i)
    {
        CXTPPopupControl* pPopup = alerts.GetOpenPopup(i);
        testpump::PumpUntil([&] { return pPopup->GetPopupState() == xtpPopupStateShow; });
        windows.push_back(pPopup->GetSafeHwnd());
        pages.push_back(PageOf(pPopup));
    }
    return windows;
}

// Moves a window so that it lies under the upper left part of the second
// alert of the stack: its icon and its title.
void MoveUnderTheAlerts(HWND hWnd)
{
    CRect rcWork, rc;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    ::GetWindowRect(hWnd, &rc);
    const CPoint ptUpperAlert(rcWork.right - 329, rcWork.bottom - 2 * 74);
    ::SetWindowPos(hWnd, nullptr, ptUpperAlert.x + 150 - rc.Width(), ptUpperAlert.y + 45 - rc.Height(), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsUp(HWND hWnd)
{
    return ::IsWindow(hWnd) && ::IsWindowVisible(hWnd);
}

// What one click on an alert's title did while the sheet ran.
struct TitleClick
{
    bool bClosed = false;      // that alert went
    CString strOpened;         // the one page opened, or the pages joined
    bool bOtherStays = false;  // the other alert is still up
    bool bSheetStays = false;  // the sheet still shows, customizing goes on
};

} // namespace

TEST_F(FrameBars, AnAlertRaisedDuringCustomizingOpensItsPageOnATitleClick)
{
    COpenedPages pages;
    ShowFrame();
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);  // nothing watched yet: only the timer is armed
    frametest::ViewOf(pFrame)->Watch(0, TRUE);
    CAlertPopups& alerts = pFrame->GetAlerts();

    bool bShown = false, bClosed = false;
    CInModal inSheet([&](HWND hSheet) {
        const int offer[4] = {1, 0, 0, 0};
        frametest::FeedResult(pFrame, offer);
        CXTPPopupControl* pPopup = alerts.GetOpenCount() == 1 ? alerts.GetOpenPopup(0) : nullptr;
        bShown = pPopup != nullptr &&
                 testpump::PumpUntil([&] { return pPopup->GetPopupState() == xtpPopupStateShow; });
        if (bShown)
        {
            // On the product name, the title's link.
            const POINT pt = testinput::ClientToScreenPoint(pPopup->GetSafeHwnd(), 60, 24);
            testinput::MoveMouseAndWait(pt);
            testinput::ClickAt(pt);
            bClosed = testpump::PumpUntil([&] { return alerts.GetOpenCount() == 0; });
        }
        ::PostMessageW(hSheet, WM_COMMAND, IDCANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !pFrame->GetCommandBars()->IsCustomizeMode(); }));

    ASSERT_TRUE(bShown) << "no alert showed up";
    EXPECT_TRUE(bClosed) << "the click did not close the alert";
    ASSERT_EQ(COpenedPages::Opened().size(), 1u);
    EXPECT_NE(COpenedPages::Opened()[0].Find(L"doc=ds_einzel1"), -1) << "the offer's page";
}

// Two alerts up before "Anpassen..." opens; the sheet, active, lies under
// them. Each title click opens that alert's page and closes that alert only.
TEST_F(FrameBars, AStackOfAlertsShownBeforeTheSheetOpensAnswersOverTheActiveSheet)
{
    COpenedPages opened;
    ShowFrame();
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    frametest::ViewOf(pFrame)->Watch(0, TRUE);
    CSettingsStore::GetInstance().FindTST = TRUE;
    std::vector<CString> pages;
    const std::vector<HWND> popups = RaiseTwoAlerts(pFrame, pages);
    ASSERT_EQ(popups.size(), 2u);
    ASSERT_NE(pages[0], pages[1]);

    TitleClick clicks[2];
    bool bSheetActive = false;
    CInModal inSheet([&](HWND hSheet) {
        // The sheet where the alerts show: the clicks must find them above
        // it. (A display without a window manager shows the sheet over them:
        // Wine maps a window shown later on top; input follows the windows'
        // order, which keeps topmost alerts above.)
        MoveUnderTheAlerts(hSheet);
        testpump::PumpUntilIdle();
        bSheetActive = ::GetActiveWindow() == hSheet;
        // The upper one first: the lower one is then still up.
        for (int i : {1, 0})
        {
            COpenedPages::Opened().clear();
            clicks[i].bClosed = ClickTitle(popups[(size_t)i]);
            for (const CString& page : COpenedPages::Opened())
                clicks[i].strOpened += page;
            clicks[i].bOtherStays = i == 0 || IsUp(popups[0]);
            clicks[i].bSheetStays = IsUp(hSheet) && pFrame->GetCommandBars()->IsCustomizeMode();
        }
        ::PostMessageW(hSheet, WM_COMMAND, IDCANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !pFrame->GetCommandBars()->IsCustomizeMode(); }));

    EXPECT_TRUE(bSheetActive);
    for (int i : {1, 0})
    {
        SCOPED_TRACE(i == 1 ? "the upper alert" : "the lower alert");
        EXPECT_TRUE(clicks[i].bClosed) << "the click did not close the alert";
        EXPECT_STREQ(clicks[i].strOpened.GetString(), pages[(size_t)i].GetString()) << "the alert's own page, once";
        EXPECT_TRUE(clicks[i].bOtherStays) << "the other alert closed with it";
        EXPECT_TRUE(clicks[i].bSheetStays) << "the sheet ended with the click";
    }
}

namespace {

// Another program's window in front while the sheet runs.
class COtherWindow
{
public:
    COtherWindow()
    {
        m_hWnd = ::CreateWindowExW(0, L"STATIC", L"Anderes Programm", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 240,
                                   120, nullptr, nullptr, nullptr, nullptr);
    }
    ~COtherWindow()
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }
    COtherWindow(const COtherWindow&) = delete;
    COtherWindow& operator=(const COtherWindow&) = delete;
    bool Activate() const
    {
        ::SetForegroundWindow(m_hWnd);
        return testpump::PumpUntil([&] { return ::GetActiveWindow() == m_hWnd; });
    }

private:
    HWND m_hWnd = nullptr;
};

} // namespace

// Two alerts come while the sheet runs and another window is in front; the
// address of each title goes to the shell's browser, and only that alert
// closes.
TEST_F(FrameBars, AStackOfAlertsComingWhileTheSheetIsInactiveHandsEachPageToTheBrowser)
{
    ShowFrame();
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    frametest::ViewOf(pFrame)->Watch(0, TRUE);
    CSettingsStore::GetInstance().FindTST = TRUE;

    std::vector<CString> pages;
    TitleClick clicks[2];
    bool bOtherInFront = false, bSheetBehind = false;
    std::unique_ptr<COtherWindow> pOther;
    testshot::Image shot;
    CRect rcUpperInShot;
    CInModal inSheet([&](HWND hSheet) {
        MoveUnderTheAlerts(hSheet);
        pOther.reset(new COtherWindow);
        bOtherInFront = pOther->Activate();
        const std::vector<HWND> popups = RaiseTwoAlerts(pFrame, pages);
        bSheetBehind = ::GetActiveWindow() != hSheet;
        if (popups.size() == 2)
        {
            CRect rcUpper, rcSheet, rcShot;
            ::GetWindowRect(popups[1], &rcUpper);
            ::GetWindowRect(hSheet, &rcSheet);
            rcShot.UnionRect(&rcSheet, &rcUpper);
            testinput::MoveMouseAndWait({5, 5});
            testpump::PumpUntilIdle();
            shot = testshot::CaptureScreen(rcShot);
            testshot::Save(shot, L"app_alerts_over_customize_sheet.png");
            rcUpperInShot = rcUpper - rcShot.TopLeft();
        }
        // The lower one first: the upper one is then still up.
        for (int i = 0; i < 2 && popups.size() == 2; ++i)
        {
            // A browser of its own for each click: the page it gets is this click's.
            frametest::CRecordingBrowser browser;
            if (!browser.IsReady())
                break;
            clicks[i].bClosed = ClickTitle(popups[(size_t)i]);
            if (clicks[i].bClosed)
                clicks[i].strOpened = CString(browser.WaitForOpened().c_str());
            clicks[i].bOtherStays = i == 1 || IsUp(popups[1]);
            clicks[i].bSheetStays = IsUp(hSheet) && pFrame->GetCommandBars()->IsCustomizeMode();
        }
        ::PostMessageW(hSheet, WM_COMMAND, IDCANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !pFrame->GetCommandBars()->IsCustomizeMode(); }));
    pOther.reset();

    ASSERT_TRUE(bOtherInFront);
    EXPECT_TRUE(bSheetBehind);
    ASSERT_EQ(pages.size(), 2u) << "two alerts";
    for (int i : {0, 1})
    {
        SCOPED_TRACE(i == 1 ? "the upper alert" : "the lower alert");
        EXPECT_TRUE(clicks[i].bClosed) << "the click did not close the alert";
        EXPECT_STREQ(clicks[i].strOpened.GetString(), pages[(size_t)i].GetString()) << "the alert's own page";
        EXPECT_TRUE(clicks[i].bOtherStays) << "the other alert closed with it";
        EXPECT_TRUE(clicks[i].bSheetStays) << "the sheet ended with the click";
    }
    // The upper alert over the sheet: its red icon and its bold dark title
    // where the sheet lies beneath.
    ASSERT_GT(shot.width, 0);
    const CRect rcIcon = CRect(5, 12, 37, 44) + rcUpperInShot.TopLeft();
    const CRect rcTitle = CRect(46, 16, 110, 30) + rcUpperInShot.TopLeft();
    EXPECT_GT(apptest::CountPixels(shot, rcIcon, apptest::IsRed), 20) << "no icon over the sheet";
    EXPECT_GT(apptest::CountPixels(shot, rcTitle, apptest::IsDark), 40) << "no title over the sheet";
}

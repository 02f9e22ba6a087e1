// The program's own bars customized as a user does it, by real input in
// the program's frame while "Anpassen..." runs: a click selects a toolbar
// button, a right click opens the customize menu, a drag moves the button
// to another bar, floating bars stay shown and the report view is out of
// reach; and a reset of the toolbar gives back the toolbar a first start
// makes, the logo included.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/controls/LogoControlButton.h"
#include "framework/controls/CTabCtrl.h"
#include "resources/AppIds.h"
#include "resources/ToolkitCommandBarsIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

using namespace barstest;

namespace {

// Counts the messages of one kind a window is handed (for WM_COMMAND, those
// of one command).
class CMessageCounter
{
public:
    CMessageCounter(HWND hWnd, UINT nMessage, UINT nCommand = 0)
        : m_hWnd(hWnd)
    {
        s_nMessage = nMessage;
        s_nCommand = nCommand;
        s_nCount = 0;
        s_pfnOld = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CMessageCounter::Proc)));
    }
    ~CMessageCounter()
    {
        if (::IsWindow(m_hWnd))
            ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_pfnOld));
    }
    static int Count() { return s_nCount; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == s_nMessage && (message != WM_COMMAND || LOWORD(wParam) == s_nCommand))
            ++s_nCount;
        return ::CallWindowProcW(s_pfnOld, hWnd, message, wParam, lParam);
    }
    HWND m_hWnd;
    static WNDPROC s_pfnOld;
    static UINT s_nMessage;
    static UINT s_nCommand;
    static int s_nCount;
};
WNDPROC CMessageCounter::s_pfnOld = nullptr;
UINT CMessageCounter::s_nMessage = 0;
UINT CMessageCounter::s_nCommand = 0;
int CMessageCounter::s_nCount = 0;

// A message box over the frame (not the sheet), answered with OK.
TimedStep AnswerBoxOk(HWND hSheet)
{
    auto box = std::make_shared<HWND>(nullptr);
    return {[box, hSheet] {
                *box = testwindows::FindThreadWindow(L"#32770", [hSheet](HWND h) { return h != hSheet; });
                return *box != nullptr;
            },
            [box] { ::PostMessageW(*box, WM_COMMAND, IDOK, 0); }};
}

bool IsShownPopup(CXTPCommandBar* pBar)
{
    return pBar != nullptr && pBar->GetSafeHwnd() != nullptr && ::IsWindowVisible(pBar->GetSafeHwnd());
}


// Another program taking the foreground while a menu of ours tracks: a
// window of a second thread is made the active one. The thread notes when
// the menu it watches closed and, should the menu's loop still wait then,
// wakes it after a while so that a fault fails the test instead of
// blocking it.
class CForeignForeground
{
public:
    CForeignForeground(CXTPPopupBar* pMenu, HANDLE hLoopEnded)
        : m_pMenu(pMenu), m_hLoopEnded(hLoopEnded), m_dwGuiThread(::GetCurrentThreadId())
    {
        m_hThread = ::CreateThread(nullptr, 0, &CForeignForeground::Run, this, 0, nullptr);
    }
    ~CForeignForeground()
    {
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
    }
    // When the thread saw the menu close; it looks every millisecond, so the
    // answer is known only once the thread has ended.
    DWORD ClosedAt() const
    {
        ::WaitForSingleObject(m_hThread, INFINITE);
        return m_dwClosed;
    }

private:
    static DWORD WINAPI Run(LPVOID pParam)
    {
        auto* pThis = static_cast<CForeignForeground*>(pParam);
        HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"Fremd", WS_POPUP | WS_VISIBLE | WS_BORDER, 1150, 900, 80, 60,
                                      nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(hWnd);
        const DWORD dwStart = ::GetTickCount();
        while (pThis->m_dwClosed == 0 && ::GetTickCount() - dwStart < testpump::kDeadline) {
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageW(&msg);
            if (!pThis->m_pMenu->IsTrackingMode())
                pThis->m_dwClosed = ::GetTickCount();
            ::Sleep(1);
        }
        if (::WaitForSingleObject(pThis->m_hLoopEnded, 2000) == WAIT_TIMEOUT)
            ::PostThreadMessageW(pThis->m_dwGuiThread, WM_NULL, 0, 0);
        ::DestroyWindow(hWnd);
        return 0;
    }
    CXTPPopupBar* m_pMenu;
    HANDLE m_hLoopEnded;
    DWORD m_dwGuiThread;
    volatile DWORD m_dwClosed = 0;
    HANDLE m_hThread = nullptr;
};

class CustomizeBars : public FrameBars
{
protected:
    CXTPCommandBars* Bars() const { return pFrame->GetCommandBars(); }

    // A second toolbar, floating clear of the frame's bars and the sheet.
    CXTPToolBar* AddFloatingBar()
    {
        CXTPToolBar* pBar = Bars()->Add(L"Zusatz", xtpBarFloating);
        if (pBar == nullptr)
            return nullptr;
        pBar->GetControls()->Add(xtpControlButton, ID_ABOUT);
        pBar->OnRecalcLayout();
        pBar->SetWindowPos(nullptr, 620, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        testpump::PumpUntilIdle();
        return pBar;
    }

    // "Anpassen..." as the frame's command; the step runs in the open sheet.
    void Customize(const std::function<void(CXTPCustomizeSheet&, HWND)>& step)
    {
        bool bStepRun = false;
        CInModal inSheet([&](HWND hSheet) {
            ::SetWindowPos(hSheet, nullptr, 300, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testpump::PumpUntilIdle();
            CXTPCustomizeSheet* pSheet = DYNAMIC_DOWNCAST(CXTPCustomizeSheet, CWnd::FromHandlePermanent(hSheet));
            if (pSheet != nullptr)
            {
                step(*pSheet, hSheet);
                bStepRun = true;
            }
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
        pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
        ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
        ASSERT_TRUE(bStepRun);
    }

    static bool IsBlack(COLORREF clr) { return clr == RGB(0, 0, 0); }

    // A pixel of the frame's logo bitmap.
    COLORREF LogoPixel(int x, int y) const
    {
        HDC hdc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hdc, pFrame->GetLogoBitmap().GetSafeHandle());
        const COLORREF clr = ::GetPixel(hdc, x, y);
        ::SelectObject(hdc, hOld);
        ::DeleteDC(hdc);
        return clr;
    }

    // The toolbar as the user sees it: the commands of its visible controls
    // and the logo button's room.
    void ExpectAsAtFirstStart(const std::vector<int>& firstStart, const char* route)
    {
        pFrame->RecalcLayout();
        testpump::PumpUntilIdle();
        EXPECT_EQ(firstStart, VisibleIds(ToolBar())) << route;
        CLogoControlButton* pLogo = DYNAMIC_DOWNCAST(CLogoControlButton, ToolBarButton(ID_LOGO));
        ASSERT_NE(pLogo, nullptr) << route;
        EXPECT_EQ(&pFrame->GetLogoBitmap(), pLogo->GetBitmap()) << route;
        EXPECT_EQ(128 + 6, pLogo->GetRect().Width()) << route;
        EXPECT_EQ(xtpFlagRightAlign | xtpFlagNoMovable, pLogo->GetFlags() & (xtpFlagRightAlign | xtpFlagNoMovable))
            << route;
    }
};

TEST_F(CustomizeBars, WhileAnpassenRunsTheBarsTakeClicksAndDragsAndTheViewDoesNot)
{
    ShowFrame();
    CXTPToolBar* pFloating = AddFloatingBar();
    ASSERT_NE(pFloating, nullptr);
    CXTPControl* pStart = ToolBarButton(ID_START_SEARCH);
    ASSERT_NE(pStart, nullptr);
    CMessageCounter viewPresses(frametest::ViewOf(pFrame)->GetSafeHwnd(), WM_LBUTTONDOWN);

    bool bFloatingShown = false, bFrameEnabled = false, bMenuShown = false;
    CXTPControl* pSelected = nullptr;
    CRect rcSelected, rcFrame, rcSheet;
    testshot::Image shot;
    int nViewPresses = -1;
    Customize([&](CXTPCustomizeSheet& sheet, HWND hSheet) {
        bFrameEnabled = ::IsWindowEnabled(hFrame) != FALSE;
        // A click on the report view is refused.
        CRect rcView;
        frametest::ViewOf(pFrame)->GetWindowRect(&rcView);
        testinput::ClickAt(CPoint(rcView.left + 60, rcView.bottom - 40));
        testpump::PumpUntilIdle();
        nViewPresses = CMessageCounter::Count();

        // A click selects the button.
        testinput::ClickAt(ScreenRect(pStart).CenterPoint());
        testpump::PumpUntil([&] { return Bars()->GetDragControl() != nullptr; });
        testpump::PumpUntilIdle();
        pSelected = Bars()->GetDragControl();
        bFloatingShown = ::IsWindowVisible(pFloating->GetSafeHwnd()) != FALSE;
        rcSelected = ScreenRect(pStart);
        pFrame->GetWindowRect(&rcFrame);
        ::GetWindowRect(hSheet, &rcSheet);
        HDC hdc = ::GetDC(nullptr);
        shot = testshot::CaptureDC(hdc, rcFrame);
        ::ReleaseDC(nullptr, hdc);
        testshot::Save(shot, L"app_customize_selected_button.png");
        rcSelected.OffsetRect(-rcFrame.left, -rcFrame.top);

        // A right click opens the customize menu; Escape closes it.
        CXTPPopupBar* pMenu = sheet.GetContextMenu();
        RunSteps({{[&] { return pMenu->IsTrackingMode() && IsShownPopup(pMenu); },
                   [&] {
                       bMenuShown = true;
                       testinput::SendKey(VK_ESCAPE);
                   }}});
        testinput::ClickAt(ScreenRect(pStart).CenterPoint(), true);
        testpump::PumpUntil([&] { return StepsDone() && !pMenu->IsTrackingMode(); });
        testpump::PumpUntilIdle();

        // A drag moves it onto the floating bar.
        CRect rcTarget;
        pFloating->GetWindowRect(&rcTarget);
        testinput::QueueDrag(ScreenRect(pStart).CenterPoint(), CPoint(rcTarget.right - 6, rcTarget.CenterPoint().y));
        testpump::PumpUntil([&] { return pFloating->GetControls()->FindControl(ID_START_SEARCH) != nullptr; });
        testpump::PumpUntilIdle();
    });

    EXPECT_TRUE(bFrameEnabled) << "the sheet leaves the frame enabled";
    EXPECT_EQ(0, nViewPresses) << "the view is out of reach";
    EXPECT_EQ(pStart, pSelected);
    EXPECT_TRUE(bFloatingShown);
    EXPECT_TRUE(bMenuShown) << "the customize menu opens on a right click";
    EXPECT_NE(pFloating->GetControls()->FindControl(ID_START_SEARCH), nullptr);
    EXPECT_EQ(ToolBar()->GetControls()->FindControl(ID_START_SEARCH), nullptr);
    EXPECT_TRUE(::IsWindowVisible(pFloating->GetSafeHwnd()));

    // The picture: the selected button framed in black at its left edge; the
    // sheet over the frame in the button face colour of a dialog.
    ASSERT_GT(shot.width, 0);
    const int y = rcSelected.CenterPoint().y;
    EXPECT_TRUE(IsBlack(shot.Pixel(rcSelected.left, y)));
    EXPECT_TRUE(IsBlack(shot.Pixel(rcSelected.left + 1, y)));
    EXPECT_FALSE(IsBlack(shot.Pixel(rcSelected.left + 4, rcSelected.top + 3)));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), shot.Pixel(rcSheet.left - rcFrame.left + 10, rcSheet.bottom - rcFrame.top - 10));
}

TEST_F(CustomizeBars, ResetOfTheToolbarGivesBackTheFirstStartsToolbarWithTheLogo)
{
    ShowFrame();
    LoadWideLogo();
    const std::vector<int> firstStart = VisibleIds(ToolBar());
    // A layout the user changed is stored with the toolbar's initial set.
    ToolBar()->GetControls()->Remove(ToolBarButton(ID_STOP_SEARCH));
    Restart();
    LoadWideLogo();
    ASSERT_NE(std::find(firstStart.begin(), firstStart.end(), ID_LOGO), firstStart.end());

    // From the toolbars page of "Anpassen...", after a button was dragged away.
    Customize([&](CXTPCustomizeSheet& sheet, HWND hSheet) {
        ToolBar()->GetControls()->Remove(ToolBarButton(ID_START_SEARCH));
        sheet.SetActivePage(0);
        testpump::PumpUntilIdle();
        HWND hPage = sheet.GetActivePage()->GetSafeHwnd();
        HWND hList = ::GetDlgItem(hPage, XTP_IDC_LIST_TOOLBARS);
        const int nStandard = (int)::SendMessageW(hList, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)L"Standard");
        CRect rcItem;
        ::SendMessageW(hList, LB_GETITEMRECT, nStandard, (LPARAM)&rcItem);
        POINT pt = {rcItem.right - 20, rcItem.CenterPoint().y};
        ::ClientToScreen(hList, &pt);
        testinput::ClickAt(pt);
        testpump::PumpUntil([&] { return (int)::SendMessageW(hList, LB_GETCURSEL, 0, 0) == nStandard; });
        testpump::PumpUntilIdle();
        RunSteps({AnswerBoxOk(hSheet)});
        HWND hReset = ::GetDlgItem(hPage, XTP_IDC_BUTTON_RESET);
        CRect rcReset;
        ::GetWindowRect(hReset, &rcReset);
        testinput::ClickAt(rcReset.CenterPoint());
        testpump::PumpUntil(StepsDone);
        testpump::PumpUntilIdle();
    });
    ExpectAsAtFirstStart(firstStart, "toolbars page");

    // From the add-or-remove list of the toolbar's expand button, with large icons.
    Bars()->GetOptions()->bLargeIcons = TRUE;
    pFrame->SetWindowPos(nullptr, 0, 0, 1250, 560, SWP_NOMOVE | SWP_NOZORDER);  // room for the large buttons
    ToolBar()->GetControls()->Remove(ToolBarButton(ID_START_SEARCH));
    ToolBar()->OnRecalcLayout();
    testpump::PumpUntilIdle();
    CXTPControl* pExpand = ToolBarButton(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_NE(pExpand, nullptr);
    CXTPControl* pAddOrRemove = nullptr;
    CXTPControl* pStandard = nullptr;
    RunSteps({{[&] { return IsShownPopup(pExpand->GetCommandBar()); },
                [&] {
                    CXTPControls* pItems = pExpand->GetCommandBar()->GetControls();
                    pAddOrRemove = pItems->GetAt(pItems->GetCount() - 1);
                    testinput::ClickAt(ScreenRect(pAddOrRemove).CenterPoint());
                }},
               {[&] { return IsShownPopup(pAddOrRemove->GetCommandBar()); },
                [&] {
                    pStandard = pAddOrRemove->GetCommandBar()->GetControls()->GetAt(0);
                    testinput::ClickAt(ScreenRect(pStandard).CenterPoint());
                }},
               {[&] { return IsShownPopup(pStandard->GetCommandBar()); },
                [&] {
                    CXTPControls* pEntries = pStandard->GetCommandBar()->GetControls();
                    testinput::ClickAt(ScreenRect(pEntries->GetAt(pEntries->GetCount() - 1)).CenterPoint());
                }},
              AnswerBoxOk(nullptr)});
    testinput::ClickAt(ScreenRect(pExpand).CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil(StepsDone));
    testpump::PumpUntilIdle();
    ExpectAsAtFirstStart(firstStart, "add-or-remove list");

    // The logo drawn on the reset toolbar, as in the frame's bitmap.
    const testshot::Image shot = testshot::CaptureWindow(ToolBar()->GetSafeHwnd());
    testshot::Save(shot, L"app_toolbar_reset_logo.png");
    const CRect rcLogo = ToolBarButton(ID_LOGO)->GetRect();
    const COLORREF logoLeft = LogoPixel(32, 16);
    EXPECT_EQ(logoLeft, shot.Pixel(rcLogo.left + 3 + 32, rcLogo.CenterPoint().y));
}

TEST_F(CustomizeBars, TheCustomizeMenuEndsAtOnceWhenAnotherProgramBecomesActive)
{
    ShowFrame();
    CXTPControl* pStart = ToolBarButton(ID_START_SEARCH);
    ASSERT_NE(pStart, nullptr);
    DWORD dwClosed = 0, dwEnded = 0;
    bool bShown = false, bTrackingAfter = true;
    Customize([&](CXTPCustomizeSheet& sheet, HWND) {
        testinput::ClickAt(ScreenRect(pStart).CenterPoint());
        testpump::PumpUntil([&] { return Bars()->GetDragControl() != nullptr; });
        // The pointer rests where nothing of the program lies: no message
        // of its own follows the menu's end.
        testinput::MoveMouseAndWait(CPoint(1200, 980));
        testpump::PumpUntilIdle();
        CXTPPopupBar* pMenu = sheet.GetContextMenu();
        HANDLE hLoopEnded = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::unique_ptr<CForeignForeground> pForeign;
        RunSteps({{[&] { return pMenu->IsTrackingMode() && IsShownPopup(pMenu); },
                   [&] {
                       bShown = true;
                       pForeign = std::make_unique<CForeignForeground>(pMenu, hLoopEnded);
                   }}});
        sheet.ShowContextMenu(CPoint(900, 300));
        dwEnded = ::GetTickCount();
        ::SetEvent(hLoopEnded);
        bTrackingAfter = pMenu->IsTrackingMode() != FALSE;
        if (pForeign)
            dwClosed = pForeign->ClosedAt();
        pForeign.reset();
        ::CloseHandle(hLoopEnded);
        ::SetForegroundWindow(hFrame);
        testpump::PumpUntilIdle();
    });
    EXPECT_TRUE(bShown);
    EXPECT_FALSE(bTrackingAfter);
    ASSERT_NE(0u, dwClosed) << "the menu closes when another program becomes active";
    // The thread may notice the close a little after the loop has ended.
    EXPECT_LT(static_cast<LONG>(dwEnded - dwClosed), 300) << "its loop ends with it, not at the next message";
}

// The commands page shown and one of its categories clicked; its commands list.
CListBox& ShowCommandsOfCategory(CXTPCustomizeSheet& sheet, LPCWSTR pszCategory)
{
    sheet.SetActivePage(1);
    testpump::PumpUntilIdle();
    CXTPCustomizeCommandsPage* pPage = sheet.GetCommandsPage();
    ClickCategory(*pPage, pszCategory);
    return pPage->GetCommandsList();
}

// In the program's look the commands list's room below its last entry takes
// the entries' own background, not the dialog's face.
TEST_F(CustomizeBars, TheCommandsListIsFilledInItsEntriesColourBelowTheLastEntry)
{
    ShowFrame();
    testshot::Image image;
    CRect rcEntry;
    int nEntries = 0;
    Customize([&](CXTPCustomizeSheet& sheet, HWND) {
        CListBox& commands = ShowCommandsOfCategory(sheet, L"Neues Menü");
        nEntries = commands.GetCount();
        commands.GetItemRect(0, &rcEntry);
        commands.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        testpump::PumpUntilIdle();
        image = testshot::CaptureWindow(commands.GetSafeHwnd());
        testshot::Save(image, L"app_customize_commands_new_menu.png");
    });
    ASSERT_EQ(1, nEntries);
    const COLORREF clrEntry = image.Pixel(rcEntry.right - 30, rcEntry.top + 2);
    EXPECT_NE(::GetSysColor(COLOR_3DFACE), clrEntry) << "the look's entries have a colour of their own";
    for (int y : {static_cast<int>(rcEntry.bottom) + 2, static_cast<int>(rcEntry.bottom) + 40, image.height - 3})
        for (int x : {3, image.width / 2, image.width - 25})
            EXPECT_EQ(clrEntry, image.Pixel(x, y)) << x << "," << y;
}

// The options page in the program, by real clicks: large icons grow the
// program's toolbar at once, and the tooltip boxes follow each other.
TEST_F(CustomizeBars, TheOptionsPageChangesTheProgramsBarsAtOnce)
{
    ShowFrame();
    CXTPControl* pStart = ToolBarButton(ID_START_SEARCH);
    ASSERT_NE(pStart, nullptr);
    const CRect rcBefore = ScreenRect(pStart);
    CRect rcDuring;
    bool bLarge = false, bAccelEnabledBefore = false, bAccelEnabledAfter = true, bScreenTips = true;
    testshot::Image shot;
    Customize([&](CXTPCustomizeSheet&, HWND hSheet) {
        HWND hPage = ShowPageByClick(hSheet, 3, XTP_IDC_CHECK_LARGEICONS);
        auto click = [&](int nID) {
            CRect rc;
            ::GetWindowRect(::GetDlgItem(hPage, nID), &rc);
            testinput::ClickAt(CPoint(rc.left + 6, rc.CenterPoint().y));
        };
        click(XTP_IDC_CHECK_LARGEICONS);
        testpump::PumpUntil([&] { return Bars()->GetOptions()->bLargeIcons != FALSE; });
        testpump::PumpUntilIdle();
        bLarge = Bars()->GetOptions()->bLargeIcons != FALSE;
        rcDuring = ScreenRect(pStart);
        CRect rcFrame;
        pFrame->GetWindowRect(&rcFrame);
        HDC hdc = ::GetDC(nullptr);
        shot = testshot::CaptureDC(hdc, rcFrame);
        ::ReleaseDC(nullptr, hdc);
        testshot::Save(shot, L"app_customize_options_large_icons.png");
        rcDuring.OffsetRect(-rcFrame.left, -rcFrame.top);

        bAccelEnabledBefore = ::IsWindowEnabled(::GetDlgItem(hPage, XTP_IDC_CHECK_SHORTCUTS)) != FALSE;
        click(XTP_IDC_CHECK_SCREENTTIPS);
        testpump::PumpUntil([&] { return !Bars()->GetOptions()->bToolBarScreenTips; });
        testpump::PumpUntilIdle();
        bScreenTips = Bars()->GetOptions()->bToolBarScreenTips != FALSE;
        bAccelEnabledAfter = ::IsWindowEnabled(::GetDlgItem(hPage, XTP_IDC_CHECK_SHORTCUTS)) != FALSE;
    });
    EXPECT_TRUE(bLarge);
    EXPECT_GE(rcDuring.Height(), rcBefore.Height() + 8) << "the toolbar took the large icons while the sheet ran";
    EXPECT_TRUE(bAccelEnabledBefore);
    EXPECT_FALSE(bScreenTips);
    EXPECT_FALSE(bAccelEnabledAfter);
    // The start button's green icon, drawn at the large size: green well
    // below where the small icon ended.
    int nGreenRows = 0;
    for (int y = rcDuring.top; y < rcDuring.bottom; y++) {
        bool bGreen = false;
        for (int x = rcDuring.left; x < rcDuring.right && !bGreen; x++) {
            const COLORREF c = shot.Pixel(x, y);
            bGreen = GetGValue(c) > GetRValue(c) + 60 && GetGValue(c) > GetBValue(c) + 60;
        }
        nGreenRows += bGreen ? 1 : 0;
    }
    EXPECT_GT(nGreenRows, 20) << "the icon is drawn large";
}

// A press on the commands list ends the toolbar's customize selection: the
// button's black frame goes at once.
TEST_F(CustomizeBars, APressOnTheCommandsListClearsTheSelectedButtonsFrame)
{
    ShowFrame();
    CXTPControl* pStart = ToolBarButton(ID_START_SEARCH);
    ASSERT_NE(pStart, nullptr);
    CXTPControl* pSelectedBefore = nullptr;
    CXTPControl* pSelectedAfter = pStart;
    bool bFramedBefore = false;
    testshot::Image shot;
    CRect rcButton;
    Customize([&](CXTPCustomizeSheet& sheet, HWND) {
        sheet.SetActivePage(1);
        testpump::PumpUntilIdle();
        testinput::ClickAt(ScreenRect(pStart).CenterPoint());
        testpump::PumpUntil([&] { return Bars()->GetDragControl() != nullptr; });
        testpump::PumpUntilIdle();
        pSelectedBefore = Bars()->GetDragControl();
        rcButton = ScreenRect(pStart);
        ToolBar()->ScreenToClient(&rcButton);
        const int y = rcButton.CenterPoint().y;
        bFramedBefore = IsBlack(testshot::CaptureWindow(ToolBar()->GetSafeHwnd()).Pixel(rcButton.left, y));

        CListBox& commands = sheet.GetCommandsPage()->GetCommandsList();
        CRect rcItem;
        commands.GetItemRect(1, &rcItem);
        POINT pt = rcItem.CenterPoint();
        commands.ClientToScreen(&pt);
        testinput::ClickAt(pt);
        testpump::PumpUntil([&] { return commands.GetCurSel() == 1; });
        testpump::PumpUntilIdle();
        pSelectedAfter = Bars()->GetDragControl();
        // The bar as it is on the screen now, without asking it to paint.
        CRect rcBar;
        ToolBar()->GetWindowRect(&rcBar);
        HDC hdc = ::GetDC(nullptr);
        shot = testshot::CaptureDC(hdc, rcBar);
        ::ReleaseDC(nullptr, hdc);
        testshot::Save(shot, L"app_customize_selection_cleared.png");
    });
    EXPECT_EQ(pStart, pSelectedBefore);
    EXPECT_TRUE(bFramedBefore);
    EXPECT_EQ(nullptr, pSelectedAfter);
    const int y = rcButton.CenterPoint().y;
    EXPECT_FALSE(IsBlack(shot.Pixel(rcButton.left, y)));
    EXPECT_FALSE(IsBlack(shot.Pixel(rcButton.left + 1, y)));
}

// A built-in menu dragged from "Integrierte Menüs" onto the toolbar is the
// whole menu: after the sheet closes it opens with the menu's commands and
// its submenu.
TEST_F(CustomizeBars, ABuiltInMenuDraggedOntoTheToolbarOpensWithTheWholeMenu)
{
    ShowFrame();
    CXTPControl* pHelp = ToolBarButton(ID_HELP);
    ASSERT_NE(pHelp, nullptr);
    int nControls = 0;
    Customize([&](CXTPCustomizeSheet& sheet, HWND) {
        CListBox& commands = ShowCommandsOfCategory(sheet, L"Integrierte Menüs");
        CRect rcItem;
        commands.GetItemRect(1, &rcItem);
        POINT pt = rcItem.CenterPoint();
        commands.ClientToScreen(&pt);
        nControls = ToolBar()->GetControlCount();
        const CRect rcHelp = ScreenRect(pHelp);
        testinput::QueueDrag(pt, CPoint(rcHelp.right - 3, rcHelp.CenterPoint().y));
        testpump::PumpUntil([&] { return ToolBar()->GetControlCount() > nControls; });
        testpump::PumpUntilIdle();
    });
    ASSERT_EQ(nControls + 1, ToolBar()->GetControlCount());
    CXTPControl* pMenu = nullptr;
    for (int i = 0; i < ToolBar()->GetControlCount() && pMenu == nullptr; i++)
        if (ToolBar()->GetControl(i)->GetType() == xtpControlPopup)
            pMenu = ToolBar()->GetControl(i);
    ASSERT_NE(pMenu, nullptr);
    EXPECT_EQ(CString(L"&Auswählen"), pMenu->GetCaption());

    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();
    const CPoint ptMenu = ScreenRect(pMenu).CenterPoint();
    testinput::MoveMouseAndWait(ptMenu);
    testinput::ClickAt(ptMenu);
    CXTPCommandBar* pPopup = pMenu->GetCommandBar();
    ASSERT_TRUE(testpump::PumpUntil([&] { return IsShownPopup(pPopup); }));
    testpump::PumpUntilIdle();
    {
        CRect rcFrame;
        pFrame->GetWindowRect(&rcFrame);
        HDC hdc = ::GetDC(nullptr);
        testshot::Save(testshot::CaptureDC(hdc, rcFrame), L"app_builtin_menu_on_toolbar.png");
        ::ReleaseDC(nullptr, hdc);
    }
    std::vector<CString> captions;
    CXTPCommandBar* pSubMenu = nullptr;
    for (int i = 0; i < pPopup->GetControlCount(); i++) {
        captions.push_back(pPopup->GetControl(i)->GetCaption());
        if (pPopup->GetControl(i)->GetType() == xtpControlPopup)
            pSubMenu = pPopup->GetControl(i)->GetCommandBar();
    }
    CloseMenus();
    EXPECT_EQ((std::vector<CString>{L"Auswählen", L"Auswahl umkehren", L"vordefinierte Auswahl", L"alle auswählen",
                                    L"alle abwählen"}),
              captions);
    ASSERT_NE(pSubMenu, nullptr);
    EXPECT_EQ(5, pSubMenu->GetControlCount());
}

// The screen point in the middle of a list box's entry.
CPoint ListEntryPoint(HWND hList, int nIndex)
{
    RECT rc = {};
    ::SendMessageW(hList, LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&rc));
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(hList, &pt);
    return pt;
}

// The commands list's entry for a command (item data are controls); -1 when none.
int CommandEntry(HWND hList, int nID)
{
    const int nCount = static_cast<int>(::SendMessageW(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; i++) {
        auto* pControl = reinterpret_cast<CXTPControl*>(::SendMessageW(hList, LB_GETITEMDATA, i, 0));
        if (pControl != nullptr && pControl->GetID() == nID)
            return i;
    }
    return -1;
}

// Drags a command of a category's list onto the right end of a rectangle on
// the screen (the drag runs once the sheet's loop takes input); FALSE when
// the list has no entry for the command.
bool QueueCommandDrag(CXTPCustomizeSheet& sheet, LPCWSTR pszCategory, int nID, const CRect& rcTarget)
{
    CListBox& commands = ShowCommandsOfCategory(sheet, pszCategory);
    const int nEntry = CommandEntry(commands.GetSafeHwnd(), nID);
    if (nEntry < 0)
        return false;
    testinput::QueueDrag(ListEntryPoint(commands.GetSafeHwnd(), nEntry),
                         CPoint(rcTarget.right - 3, rcTarget.CenterPoint().y));
    return true;
}

// Clicks the middle of a dialog's control.
void ClickDlgItem(HWND hDlg, int nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    testinput::ClickAt(rc.CenterPoint());
}

// On the keyboard page showing the command's category: selects the command,
// then its one key, and removes it. Answers whether the key was listed
// alone and is gone.
bool RemoveTheOnlyKeyOf(HWND hPage, int nID)
{
    HWND hCommands = ::GetDlgItem(hPage, XTP_IDC_LBOX_COMMANDS);
    testpump::PumpUntil([&] { return CommandEntry(hCommands, nID) >= 0; });
    testpump::PumpUntilIdle();
    testinput::ClickAt(ListEntryPoint(hCommands, CommandEntry(hCommands, nID)));
    HWND hKeys = ::GetDlgItem(hPage, XTP_IDC_LBOX_KEYS);
    if (!testpump::PumpUntil([&] { return ::SendMessageW(hKeys, LB_GETCOUNT, 0, 0) == 1; }))
        return false;
    testpump::PumpUntilIdle();
    testinput::ClickAt(ListEntryPoint(hKeys, 0));
    testpump::PumpUntil([&] { return ::IsWindowEnabled(::GetDlgItem(hPage, XTP_IDC_BUTTON_REMOVE)) != FALSE; });
    ClickDlgItem(hPage, XTP_IDC_BUTTON_REMOVE);
    const bool bRemoved = testpump::PumpUntil([&] { return ::SendMessageW(hKeys, LB_GETCOUNT, 0, 0) == 0; });
    testpump::PumpUntilIdle();
    return bRemoved;
}

// Steps for a click on the toolbar's expand button that follows them: its
// add-or-remove entry is clicked, then the entry of that submenu that pick
// chooses, which is noted in pPicked.
std::vector<TimedStep> ThroughAddOrRemove(CXTPControl* pExpand, std::function<CXTPControl*(CXTPControls*)> pick,
                                          CXTPControl*& pPicked)
{
    auto pAddOrRemove = std::make_shared<CXTPControl*>(nullptr);
    return {{[pExpand] { return IsShownPopup(pExpand->GetCommandBar()); },
             [pExpand, pAddOrRemove] {
                 CXTPControls* pItems = pExpand->GetCommandBar()->GetControls();
                 *pAddOrRemove = pItems->GetAt(pItems->GetCount() - 1);
                 CRect rc = (*pAddOrRemove)->GetRect();
                 pExpand->GetCommandBar()->ClientToScreen(&rc);
                 testinput::ClickAt(rc.CenterPoint());
             }},
            {[pAddOrRemove] { return IsShownPopup((*pAddOrRemove)->GetCommandBar()); },
             [pAddOrRemove, pick, &pPicked] {
                 CXTPCommandBar* pSubMenu = (*pAddOrRemove)->GetCommandBar();
                 pPicked = pick(pSubMenu->GetControls());
                 CRect rc = pPicked->GetRect();
                 pSubMenu->ClientToScreen(&rc);
                 testinput::ClickAt(rc.CenterPoint());
             }}};
}

// Pixels in a part of a picture that differ from its top-right one: drawn text.
int InkPixels(const testshot::Image& image, const CRect& rc)
{
    const COLORREF clrBack = image.Pixel(rc.right - 1, rc.top);
    int nInk = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            nInk += image.Pixel(x, y) != clrBack ? 1 : 0;
    return nInk;
}

// "Entfernen" on the keyboard page takes Ctrl+A from "alle auswählen": the
// menu then shows no key beside it, while "alle abwählen" keeps Ctrl+D.
TEST_F(CustomizeBars, AKeyRemovedOnTheKeyboardPageLeavesItsMenuItem)
{
    ShowFrame();
    bool bKeyRemoved = false;
    Customize([&](CXTPCustomizeSheet&, HWND hSheet) {
        HWND hPage = ShowPageByClick(hSheet, 2, XTP_IDC_BUTTON_REMOVE);
        // "Auswählen" from the category box, by the keyboard.
        ClickDlgItem(hPage, XTP_IDC_COMBO_CATEGORY);
        testpump::PumpUntilIdle();
        testinput::SendKey(VK_DOWN);
        testinput::SendKey(VK_RETURN);
        bKeyRemoved = RemoveTheOnlyKeyOf(hPage, ID_SELECT_ALL);
    });
    ASSERT_TRUE(bKeyRemoved) << "Ctrl+A listed alone for \"alle auswählen\" and removed";

    CXTPPopupBar* pMenu = OpenMenu(1);
    ASSERT_NE(pMenu, nullptr);
    CXTPControl* pSelectAll = pMenu->GetControls()->FindControl(ID_SELECT_ALL);
    CXTPControl* pDeselectAll = pMenu->GetControls()->FindControl(ID_DESELECT_ALL);
    ASSERT_NE(pSelectAll, nullptr);
    ASSERT_NE(pDeselectAll, nullptr);
    const CString strSelectAll = pSelectAll->GetShortcutText();
    const CString strDeselectAll = pDeselectAll->GetShortcutText();
    const testshot::Image shot = testshot::CaptureWindow(pMenu->GetSafeHwnd());
    testshot::Save(shot, L"app_menu_key_removed.png");
    // The key column: the right part of each item, where Ctrl+D stands.
    auto keyColumn = [](CXTPControl* pItem) {
        const CRect rc = pItem->GetRect();
        return CRect(rc.right - 19 - 50, rc.top + 2, rc.right - 19, rc.bottom - 2);
    };
    const CRect rcSelectAllKey = keyColumn(pSelectAll), rcDeselectAllKey = keyColumn(pDeselectAll);
    CloseMenus();
    EXPECT_EQ(std::wstring(), std::wstring(strSelectAll.GetString())) << "the removed key still stands beside it";
    EXPECT_EQ(std::wstring(L"Ctrl+D"), std::wstring(strDeselectAll.GetString()));
    EXPECT_EQ(0, InkPixels(shot, rcSelectAllKey));
    EXPECT_GT(InkPixels(shot, rcDeselectAllKey), 10);
}

// "Optionen..." dragged from the commands list onto the toolbar, then its
// Ctrl+O removed on the keyboard page: neither the toolbar's add-or-remove
// list nor the tips of its buttons name the key any more, while "Hilfe"
// keeps F1 in both.
TEST_F(CustomizeBars, AKeyRemovedOnTheKeyboardPageLeavesTheToolbarsListAndTips)
{
    ShowFrame();
    pFrame->SetWindowPos(nullptr, 0, 0, 1100, 560, SWP_NOMOVE | SWP_NOZORDER);
    Bars()->GetOptions()->bToolBarAccelTips = TRUE;
    CXTPControl* pHelp = ToolBarButton(ID_HELP);
    ASSERT_NE(pHelp, nullptr);
    CXTPControl* pDropped = nullptr;
    bool bKeyRemoved = false;
    Customize([&](CXTPCustomizeSheet& sheet, HWND hSheet) {
        if (!QueueCommandDrag(sheet, L"Datei", ID_OPTIONS, ScreenRect(pHelp)))
            return;
        testpump::PumpUntil([&] {
            const int nAfterHelp = pHelp->GetIndex() + 1;
            pDropped = nAfterHelp < ToolBar()->GetControlCount() ? ToolBar()->GetControl(nAfterHelp) : nullptr;
            return pDropped != nullptr && pDropped->GetID() == ID_OPTIONS;
        });
        testpump::PumpUntilIdle();

        // "Datei" is the keyboard page's first category.
        HWND hPage = ShowPageByClick(hSheet, 2, XTP_IDC_BUTTON_REMOVE);
        bKeyRemoved = RemoveTheOnlyKeyOf(hPage, ID_OPTIONS);
    });
    ASSERT_NE(pDropped, nullptr) << "the drop did not reach the toolbar";
    ASSERT_EQ(ID_OPTIONS, pDropped->GetID());
    ASSERT_TRUE(bKeyRemoved) << "Ctrl+O removed";
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();

    // What a screen reader reads for the button.
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    ASSERT_EQ(S_OK, pDropped->GetAccessibleName(self, &name));
    const std::wstring strName = name != nullptr ? name : L"";
    ::SysFreeString(name);
    EXPECT_EQ(L"Optionen...", strName);

    // The tips, shown by resting the mouse on each button.
    CXTPToolTipContext* pContext = Bars()->GetToolTipContext();
    auto tipOver = [&](CXTPControl* pButton) {
        testinput::MoveMouseAndWait(CPoint(5, 900));
        testpump::PumpUntilIdle();
        if (!testinput::MoveMouseAndWait(ScreenRect(pButton).CenterPoint()))
            return CString(L"(mouse not there)");
        auto* pTip = dynamic_cast<CXTPToolTipContextToolTip*>(pContext->GetToolTip());
        const bool bShown = testpump::PumpUntil([&] {
            pTip = dynamic_cast<CXTPToolTipContextToolTip*>(pContext->GetToolTip());
            return pTip != nullptr && ::IsWindowVisible(pTip->GetSafeHwnd()) && !pTip->GetShownText().IsEmpty();
        });
        return bShown ? pTip->GetShownText() : CString(L"(no tip)");
    };
    const CString strDroppedTip = tipOver(pDropped);
    const CString strHelpTip = tipOver(pHelp);
    testinput::MoveMouseAndWait(CPoint(5, 900));
    EXPECT_EQ(-1, strDroppedTip.Find(L"Ctrl+O")) << static_cast<LPCWSTR>(strDroppedTip);
    EXPECT_NE(-1, strDroppedTip.Find(L"Optionen")) << static_cast<LPCWSTR>(strDroppedTip);
    EXPECT_EQ(L" (F1)", strHelpTip.Right(5)) << static_cast<LPCWSTR>(strHelpTip);

    // The add-or-remove list, opened by clicks from the expand button.
    CXTPControl* pExpand = ToolBarButton(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_NE(pExpand, nullptr);
    CXTPControl* pStandard = nullptr;
    RunSteps(ThroughAddOrRemove(pExpand, [](CXTPControls* pItems) { return pItems->GetAt(0); }, pStandard));
    testinput::ClickAt(ScreenRect(pExpand).CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil([&] { return StepsDone() && IsShownPopup(pStandard->GetCommandBar()); }));
    testpump::PumpUntilIdle();
    CXTPCommandBar* pListBar = pStandard->GetCommandBar();
    const testshot::Image shot = testshot::CaptureWindow(pListBar->GetSafeHwnd());
    testshot::Save(shot, L"app_toolbar_list_key_removed.png");
    std::vector<std::wstring> optionsKeys;
    std::wstring strHelpKey;
    std::vector<CRect> optionsKeyColumns;
    CRect rcHelpKey;
    // The key column: the right part of each entry, where F1 stands, clear
    // of the longest caption.
    auto keyColumn = [](CXTPControl* pItem) {
        const CRect rc = pItem->GetRect();
        return CRect(rc.right - 19 - 35, rc.top + 2, rc.right - 19, rc.bottom - 2);
    };
    for (int i = 0; i < pListBar->GetControlCount(); i++) {
        CXTPControl* pEntry = pListBar->GetControl(i);
        if (pEntry->GetID() == ID_OPTIONS) {
            optionsKeys.push_back(pEntry->GetShortcutText().GetString());
            optionsKeyColumns.push_back(keyColumn(pEntry));
        } else if (pEntry->GetID() == ID_HELP) {
            strHelpKey = pEntry->GetShortcutText().GetString();
            rcHelpKey = keyColumn(pEntry);
        }
    }
    CloseMenus();
    EXPECT_EQ((std::vector<std::wstring>{L"", L""}), optionsKeys) << "the toolbar's own button and the dropped one";
    EXPECT_EQ(L"F1", strHelpKey);
    for (const CRect& rc : optionsKeyColumns)
        EXPECT_EQ(0, InkPixels(shot, rc)) << "no key beside \"Optionen...\"";
    EXPECT_GT(InkPixels(shot, rcHelpKey), 10);
}

// Esc with a menu open while "Anpassen..." runs closes that menu only: a
// submenu first, then the drop-down; the sheet stays open.
TEST_F(CustomizeBars, EscWithAMenuOpenWhileAnpassenRunsClosesOnlyTheMenu)
{
    ShowFrame();
    bool bSubMenuShown = false;
    bool bDropDownOpenAfterFirstEsc = false, bSheetOpenAfterFirstEsc = false;
    bool bDropDownClosed = false, bSheetOpenAfterSecondEsc = false, bMenuBarTracking = true;
    // The sheet runs until Cancel went through, as its own loop sees it.
    auto sheetOpen = [](HWND hSheet) {
        return ::IsWindow(hSheet) && ::SendMessageW(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
    };
    CInModal inSheet([&](HWND hSheet) {
        ::SetWindowPos(hSheet, nullptr, 300, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        testpump::PumpUntilIdle();
        // "Auswählen" and its "vordefinierte Auswahl", opened by clicks.
        CXTPControl* pTitle = MenuBar()->GetControls()->GetAt(1);
        testinput::ClickAt(ScreenRect(pTitle).CenterPoint());
        CXTPCommandBar* pDropDown = pTitle->GetCommandBar();
        testpump::PumpUntil([&] { return IsShownPopup(pDropDown); });
        testpump::PumpUntilIdle();
        CXTPControl* pPredefined = nullptr;
        for (int i = 0; i < pDropDown->GetControlCount() && pPredefined == nullptr; i++)
            if (pDropDown->GetControl(i)->GetType() == xtpControlPopup)
                pPredefined = pDropDown->GetControl(i);
        if (pPredefined != nullptr) {
            testinput::ClickAt(ScreenRect(pPredefined).CenterPoint());
            bSubMenuShown = testpump::PumpUntil([&] { return IsShownPopup(pPredefined->GetCommandBar()); });
            testpump::PumpUntilIdle();
        }
        if (!bSubMenuShown) {
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            return;
        }
        // The keys must reach the sheet's own loop: the rest runs from a timer inside it.
        CXTPCommandBar* pSubMenu = pPredefined->GetCommandBar();
        RunSteps({{[=] { return !IsShownPopup(pSubMenu) || !sheetOpen(hSheet); },
                   [&, pDropDown, hSheet] {
                       testpump::PumpUntilIdle();
                       bDropDownOpenAfterFirstEsc = IsShownPopup(pDropDown);
                       bSheetOpenAfterFirstEsc = sheetOpen(hSheet);
                       testinput::SendKey(VK_ESCAPE);
                   }},
                  {[=] { return !IsShownPopup(pDropDown) || !sheetOpen(hSheet); },
                   [&, hSheet] {
                       testpump::PumpUntilIdle();
                       bDropDownClosed = true;
                       bSheetOpenAfterSecondEsc = sheetOpen(hSheet);
                       bMenuBarTracking = MenuBar()->IsTrackingMode() != FALSE;
                       if (::IsWindow(hSheet))
                           ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
                   }}});
        testinput::SendKey(VK_ESCAPE);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && StepsDone() && !Bars()->IsCustomizeMode(); },
                                    10000));
    ASSERT_TRUE(bSubMenuShown);
    EXPECT_TRUE(bSheetOpenAfterFirstEsc) << "the first Esc closed the sheet";
    EXPECT_TRUE(bDropDownOpenAfterFirstEsc) << "the first Esc closes the submenu alone";
    EXPECT_TRUE(bDropDownClosed);
    EXPECT_TRUE(bSheetOpenAfterSecondEsc) << "the second Esc closed the sheet";
    EXPECT_FALSE(bMenuBarTracking) << "the menu bar stays in tracking";
}

// A command dropped beside "Hilfe" in "Anpassen..." leaves the logo at the
// toolbar's right end, also once the expand button's add-or-remove list
// has merged the toolbar with its first controls, and after a restart.
TEST_F(CustomizeBars, AButtonDroppedBesideHelpLeavesTheLogoAtTheRightEnd)
{
    ShowFrame();
    // Room for the logo beside one more button with its caption.
    pFrame->SetWindowPos(nullptr, 0, 0, 1100, 560, SWP_NOMOVE | SWP_NOZORDER);
    LoadWideLogo();
    CXTPControl* pHelp = ToolBarButton(ID_HELP);
    ASSERT_NE(pHelp, nullptr);
    Customize([&](CXTPCustomizeSheet& sheet, HWND) {
        if (!QueueCommandDrag(sheet, L"Datei", ID_REFRESH_STATISTIC, ScreenRect(pHelp)))
            return;
        testpump::PumpUntil([&] { return ToolBarButton(ID_REFRESH_STATISTIC) != nullptr; });
        testpump::PumpUntilIdle();
    });
    ASSERT_NE(ToolBarButton(ID_REFRESH_STATISTIC), nullptr) << "the drop did not reach the toolbar";
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();
    const std::vector<int> dropped{ID_HELP, ID_REFRESH_STATISTIC, ID_LOGO};
    auto tail = [this] {
        std::vector<int> ids = VisibleIds(ToolBar());
        ids.erase(std::remove(ids.begin(), ids.end(), XTP_ID_TOOLBAR_EXPAND), ids.end());
        return std::vector<int>(ids.end() - std::min<size_t>(3, ids.size()), ids.end());
    };
    ASSERT_EQ(dropped, tail()) << "as dropped";

    // The toolbar's add-or-remove list opened by clicks, then closed.
    CXTPControl* pExpand = ToolBarButton(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_NE(pExpand, nullptr);
    CXTPControl* pStandard = nullptr;
    RunSteps(ThroughAddOrRemove(pExpand, [](CXTPControls* pItems) { return pItems->GetAt(0); }, pStandard));
    testinput::ClickAt(ScreenRect(pExpand).CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil([&] { return StepsDone() && IsShownPopup(pStandard->GetCommandBar()); }));
    CloseMenus();
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();
    EXPECT_EQ(dropped, tail()) << "after the list";

    // The picture: the logo at the right end, the new button before it.
    const testshot::Image shot = testshot::CaptureWindow(ToolBar()->GetSafeHwnd());
    testshot::Save(shot, L"app_toolbar_logo_after_added_button.png");
    const CRect rcLogo = ToolBarButton(ID_LOGO)->GetRect();
    const CRect rcAdded = ToolBarButton(ID_REFRESH_STATISTIC)->GetRect();
    CRect rcBar;
    ToolBar()->GetClientRect(&rcBar);
    EXPECT_LE(rcAdded.right, rcLogo.left);
    EXPECT_GT(rcLogo.right, rcBar.right - 30) << "the logo against the right end";
    const COLORREF logoLeft = LogoPixel(32, 16);
    EXPECT_EQ(logoLeft, shot.Pixel(rcLogo.left + 3 + 32, rcLogo.CenterPoint().y));
    EXPECT_NE(logoLeft, shot.Pixel(rcAdded.right + 3 + 32, rcLogo.CenterPoint().y))
        << "no logo right behind the new button";

    Restart();
    EXPECT_EQ(dropped, tail()) << "after a restart";
}

// "Anpassen..." chosen by clicks from the toolbar's expand button opens the
// sheet centred over the frame, clear of the menu bar and the toolbar.
TEST_F(CustomizeBars, TheSheetOpensCentredOverTheFrame)
{
    ShowFrame();
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    CXTPControl* pStart = ToolBarButton(ID_START_SEARCH);
    ASSERT_NE(pStart, nullptr);
    CRect rcStart = ScreenRect(pStart);
    rcStart.OffsetRect(-rcFrame.left, -rcFrame.top);
    const testshot::Image before = testshot::CaptureScreen(rcFrame);
    CRect rcSheet;
    testshot::Image shot;
    CInModal inSheet([&](HWND hSheet) {
        testpump::PumpUntilIdle();
        ::GetWindowRect(hSheet, &rcSheet);
        shot = testshot::CaptureScreen(rcFrame);
        testshot::Save(shot, L"app_customize_sheet_centred.png");
        ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    CXTPControl* pExpand = ToolBarButton(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_NE(pExpand, nullptr);
    CXTPControl* pCustomize = nullptr;
    RunSteps(ThroughAddOrRemove(
        pExpand, [](CXTPControls* pItems) { return pItems->GetAt(pItems->GetCount() - 1); }, pCustomize));
    testinput::ClickAt(ScreenRect(pExpand).CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
    ASSERT_NE(pCustomize, nullptr);
    EXPECT_EQ(ID_CUSTOMIZE, pCustomize->GetID());

    ASSERT_FALSE(rcSheet.IsRectEmpty());
    EXPECT_LE(std::abs(rcSheet.CenterPoint().x - rcFrame.CenterPoint().x), 1) << rcSheet.left;
    EXPECT_LE(std::abs(rcSheet.CenterPoint().y - rcFrame.CenterPoint().y), 1) << rcSheet.top;
    // The picture: the start button as before the sheet, the sheet's face in
    // the frame's middle.
    ASSERT_GT(shot.width, 0);
    for (CPoint pt : {rcStart.CenterPoint(), CPoint(rcStart.left + 4, rcStart.top + 4)})
        EXPECT_EQ(before.Pixel(pt.x, pt.y), shot.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE),
              shot.Pixel(rcSheet.left - rcFrame.left + 10, rcSheet.bottom - rcFrame.top - 10));
}

// Over a frame placed low or at the right the sheet stays centred where it
// fits; where it would cross the work area's bottom or right edge, that edge
// meets the work area's and it stays centred the other way.
TEST_F(CustomizeBars, TheSheetKeepsToTheWorkAreaOverAFramePlacedLowOrAtTheRight)
{
    ShowFrame();
    CRect rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    // The sheet's rectangle when opened over the frame moved to the point.
    auto sheetOver = [&](CPoint ptFrame) {
        pFrame->SetWindowPos(nullptr, ptFrame.x, ptFrame.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        testpump::PumpUntilIdle();
        CRect rcSheet;
        CInModal inSheet([&](HWND hSheet) {
            ::GetWindowRect(hSheet, &rcSheet);
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
        pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
        EXPECT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
        return rcSheet;
    };
    const CSize szFrame = WindowRectOf(pFrame).Size();
    const CSize szSheet = sheetOver(CPoint(20, 20)).Size();
    ASSERT_GT(szSheet.cx, szSheet.cy) << "a sheet as wide as high would not tell width from height";
    ASSERT_GT(szFrame.cy, szSheet.cy);

    struct Case
    {
        const char* name;
        bool low;    // moved down, else right
        int overlap; // pixels a centred sheet would reach past the edge
    } cases[] = {{"low, fits", true, -3}, {"low, crosses", true, 40}, {"right, fits", false, -3},
                 {"right, crosses", false, 40}};
    for (const Case& c : cases) {
        // The frame's centre where a centred sheet's edge lies `overlap` past the work area's.
        CPoint ptFrame(20, 20);
        if (c.low)
            ptFrame.y = rcWork.bottom + c.overlap - szSheet.cy / 2 - szFrame.cy / 2;
        else
            ptFrame.x = rcWork.right + c.overlap - szSheet.cx / 2 - szFrame.cx / 2;
        const CRect rcSheet = sheetOver(ptFrame);
        const CRect rcFrame = WindowRectOf(pFrame);
        ASSERT_EQ(szSheet, rcSheet.Size()) << c.name;
        const int dx = rcSheet.CenterPoint().x - rcFrame.CenterPoint().x;
        const int dy = rcSheet.CenterPoint().y - rcFrame.CenterPoint().y;
        if (c.overlap <= 0) {
            EXPECT_LE(std::abs(dx), 1) << c.name;
            EXPECT_LE(std::abs(dy), 1) << c.name;
            EXPECT_LE(c.low ? rcSheet.bottom : rcSheet.right, c.low ? rcWork.bottom : rcWork.right) << c.name;
        } else if (c.low) {
            EXPECT_EQ(rcWork.bottom, rcSheet.bottom) << c.name;
            EXPECT_LE(std::abs(dx), 1) << c.name << ": centred across";
        } else {
            EXPECT_EQ(rcWork.right, rcSheet.right) << c.name;
            EXPECT_LE(std::abs(dy), 1) << c.name << ": centred up and down";
        }
    }
}

// A key given to a command on the keyboard page, all by real input, works
// in the program's frame as soon as the sheet is closed.
TEST_F(CustomizeBars, AKeyAssignedOnTheKeyboardPageWorksAtOnce)
{
    ShowFrame();
    std::vector<CString> keysAfter;
    HWND hPage = nullptr;
    auto centre = [&](int nID) {
        CRect rc;
        ::GetWindowRect(::GetDlgItem(hPage, nID), &rc);
        return rc.CenterPoint();
    };
    CInModal inSheet([&](HWND hSheet) {
        ::SetWindowPos(hSheet, nullptr, 300, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        testpump::PumpUntilIdle();
        hPage = ShowPageByClick(hSheet, 2, XTP_IDC_EDIT_SHORTCUTKEY);
        // "Auswählen" from the category box, by the keyboard.
        testinput::ClickAt(centre(XTP_IDC_COMBO_CATEGORY));
        testpump::PumpUntilIdle();
        testinput::SendKey(VK_DOWN);
        testinput::SendKey(VK_RETURN);
        HWND hCommands = ::GetDlgItem(hPage, XTP_IDC_LBOX_COMMANDS);
        auto deselectIndex = [hCommands] {
            return ::SendMessageW(hCommands, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(L"alle abwählen"));
        };
        testpump::PumpUntil([&] { return deselectIndex() != LB_ERR; });
        testpump::PumpUntilIdle();
        testinput::ClickAt(ListEntryPoint(hCommands, static_cast<int>(deselectIndex())));
        testpump::PumpUntilIdle();
        testinput::ClickAt(centre(XTP_IDC_EDIT_SHORTCUTKEY));
        testpump::PumpUntilIdle();
        // The key must reach the box through the sheet's own loop: the rest
        // runs from a timer inside it.
        HWND hAssign = ::GetDlgItem(hPage, XTP_IDC_BUTTON_ASSIGN);
        HWND hKeys = ::GetDlgItem(hPage, XTP_IDC_LBOX_KEYS);
        RunSteps({{[hAssign] { return ::IsWindowEnabled(hAssign) != FALSE; },
                   [&] { testinput::ClickAt(centre(XTP_IDC_BUTTON_ASSIGN)); }},
                  // Assigned: the box emptied, the button disabled again.
                  {[hAssign] { return !::IsWindowEnabled(hAssign); },
                   [&, hKeys, hSheet] {
                       const int nKeys = static_cast<int>(::SendMessageW(hKeys, LB_GETCOUNT, 0, 0));
                       for (int i = 0; i < nKeys; i++) {
                           wchar_t sz[64] = L"";
                           ::SendMessageW(hKeys, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(sz));
                           keysAfter.emplace_back(sz);
                       }
                       ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
                   }}});
        testinput::SendKey(VK_F7);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && StepsDone() && !Bars()->IsCustomizeMode(); }));
    EXPECT_EQ((std::vector<CString>{L"Ctrl+D", L"F7"}), keysAfter);

    CMessageCounter commands(hFrame, WM_COMMAND, ID_DESELECT_ALL);
    ::SetForegroundWindow(hFrame);
    testinput::SendKey(VK_F7);
    EXPECT_TRUE(PumpAppUntil([] { return CMessageCounter::Count() > 0; })) << "F7 runs the command";
}

} // namespace

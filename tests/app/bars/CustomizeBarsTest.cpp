// The program's own bars customized as a user does it, by real input in
// the program's frame while "Anpassen..." runs: a click selects a toolbar
// button, a right click opens the customize menu, a drag moves the button
// to another bar, floating bars stay shown and the report view is out of
// reach; and a reset of the toolbar gives back the toolbar a first start
// makes, the logo included.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/controls/LogoControlButton.h"
#include "resources/AppIds.h"
#include "resources/ToolkitCommandBarsIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

using namespace barstest;

namespace {

// Counts the left presses a window is handed.
class CPressCounter
{
public:
    explicit CPressCounter(HWND hWnd)
        : m_hWnd(hWnd)
    {
        s_nPresses = 0;
        s_pfnOld = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CPressCounter::Proc)));
    }
    ~CPressCounter()
    {
        if (::IsWindow(m_hWnd))
            ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_pfnOld));
    }
    static int Presses() { return s_nPresses; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_LBUTTONDOWN)
            ++s_nPresses;
        return ::CallWindowProcW(s_pfnOld, hWnd, message, wParam, lParam);
    }
    HWND m_hWnd;
    static WNDPROC s_pfnOld;
    static int s_nPresses;
};
WNDPROC CPressCounter::s_pfnOld = nullptr;
int CPressCounter::s_nPresses = 0;

// Steps run in turn from a timer, inside whatever loop runs (menus,
// sheets, boxes): each waits for its condition, then acts once.
struct TimedStep
{
    std::function<bool()> ready;
    std::function<void()> act;
};
std::vector<TimedStep> g_steps;
size_t g_nNextStep = 0;
void CALLBACK RunReadyStep(HWND, UINT, UINT_PTR nTimer, DWORD);

// Starts the steps; the input that opens the first loop follows.
void RunSteps(std::vector<TimedStep> steps)
{
    g_steps = std::move(steps);
    g_nNextStep = 0;
    ::SetTimer(nullptr, 0, 20, RunReadyStep);
}

bool StepsDone()
{
    return g_nNextStep == g_steps.size();
}

void CALLBACK RunReadyStep(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (g_nNextStep >= g_steps.size())
    {
        ::KillTimer(nullptr, nTimer);
        return;
    }
    if (!g_steps[g_nNextStep].ready())
        return;
    // The step may start a loop of its own, which runs this timer again.
    g_steps[g_nNextStep++].act();
}

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
    DWORD ClosedAt() const { return m_dwClosed; }

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

    // The program ended through its frame (the layout stored) and started
    // again: the bars come from the stored layout.
    void Restart()
    {
        pFrame->SendMessage(WM_CLOSE);
        frametest::DispatchAllButQuit();
        ASSERT_FALSE(::IsWindow(hFrame));
        pFrame = frametest::CreateFrame();
        ASSERT_NE(pFrame, nullptr);
        hFrame = pFrame->GetSafeHwnd();
        app.m_pMainWnd = pFrame;
        ShowFrame();
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
    CPressCounter viewPresses(frametest::ViewOf(pFrame)->GetSafeHwnd());

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
        nViewPresses = CPressCounter::Presses();

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
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, pFrame->GetLogoBitmap().GetSafeHandle());
    const COLORREF logoLeft = ::GetPixel(hdc, 32, 16);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
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
    EXPECT_LT(dwEnded - dwClosed, 300u) << "its loop ends with it, not at the next message";
}

} // namespace

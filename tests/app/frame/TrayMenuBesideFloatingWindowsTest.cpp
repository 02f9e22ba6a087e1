// A toolbar floating over the program's frame: one real right click on the
// program's icon in the shell's tray opens the tray menu, whether the program
// or another one was active, and the toolbar stays on the screen beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "TicketPaneFrameTest.h"
#include "app/AppTestSupport.h"
#include "app/frame/AlertPopups.h"
#include "support/Screenshot.h"
#include "support/TestWindows.h"
#include "support/ThreadHook.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/common/popup/XTPPopupControl.h"

namespace {

// The icons of the shell's tray: under Xvfb a window of Wine's own whose
// children are the icons, one each.
std::vector<HWND> VisibleTrayIcons()
{
    std::vector<HWND> icons;
    const HWND hTray = ::FindWindowW(L"__winex11_standalone_tray", nullptr);
    if (hTray != nullptr && ::IsWindowVisible(hTray))
        for (HWND hIcon = ::GetWindow(hTray, GW_CHILD); hIcon != nullptr; hIcon = ::GetWindow(hIcon, GW_HWNDNEXT))
            if (::IsWindowVisible(hIcon))
                icons.push_back(hIcon);
    return icons;
}

// What the tray menu's loop saw of the program while the menu was open: a
// thread timer runs inside that loop, looks twice (at once, and after the
// platform has had time to tell the program of the click's focus change),
// takes the screen and presses Esc; a menu Esc does not end goes after five
// seconds. The timer dies with the object.
class CTrayMenuWatch
{
public:
    explicit CTrayMenuWatch(HWND hFloating)
    {
        s_pWatch = this;
        m_hFloating = hFloating;
        m_timer.Start(50, OnTick);
    }
    ~CTrayMenuWatch()
    {
        m_timer.Kill();
        s_pWatch = nullptr;
    }
    CTrayMenuWatch(const CTrayMenuWatch&) = delete;
    CTrayMenuWatch& operator=(const CTrayMenuWatch&) = delete;

    bool Done() const { return m_bDone; }

    bool bOpened = false;           // a menu was tracked
    bool bStayed = false;           // still tracked half a second later
    bool bFloatingShownAtOpen = false;
    bool bFloatingShownLater = false;
    bool bClosedByEsc = false;
    // Where the menu and the floating window lay on the screen taken.
    RECT rcMenu = {};
    RECT rcFloating = {};
    testshot::Image screen;

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pWatch != nullptr)
            s_pWatch->Tick();
    }

    void Tick()
    {
        const HWND hMenu = testwindows::TrackedMenuWindow();
        if (m_bDone)
            return;
        if (!bOpened)
        {
            if (hMenu == nullptr)
                return;
            bOpened = true;
            bFloatingShownAtOpen = ::IsWindowVisible(m_hFloating) != FALSE;
            m_dwOpened = ::GetTickCount();
            return;
        }
        if (m_dwEsc != 0)
        {
            bClosedByEsc = hMenu == nullptr;
            if (bClosedByEsc || ::GetTickCount() - m_dwEsc > 5000)
            {
                m_bDone = true;
                ::EndMenu();
            }
            return;
        }
        if (::GetTickCount() - m_dwOpened < 500)
            return;
        bStayed = hMenu != nullptr;
        bFloatingShownLater = ::IsWindowVisible(m_hFloating) != FALSE;
        if (!bStayed)
        {
            m_bDone = true;
            return;
        }
        ::GetWindowRect(hMenu, &rcMenu);
        ::GetWindowRect(m_hFloating, &rcFloating);
        screen = testshot::CaptureScreen(CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
        testinput::SendKey(VK_ESCAPE);
        m_dwEsc = ::GetTickCount();
    }

    static inline CTrayMenuWatch* s_pWatch = nullptr;
    HWND m_hFloating = nullptr;
    testtimer::ThreadTimer m_timer;
    DWORD m_dwOpened = 0;
    DWORD m_dwEsc = 0;
    bool m_bDone = false;
};

// While it lives, the program is busy for a moment when the frame loses the
// activation, as on a loaded machine: the display's word of the focus change
// reaches the program while it still handles the activation's loss, and the
// floating toolbar it hides then reads that word off the display. Without it
// the shell's late flush of its own focus request decides when the word
// comes, on this display without a window manager.
class CBusyAsActivationLeaves
{
public:
    explicit CBusyAsActivationLeaves(HWND hFrame) : m_hook(WH_CALLWNDPROC, OnCall) { s_hFrame = hFrame; }
    ~CBusyAsActivationLeaves()
    {
        m_hook.Remove();
        s_hFrame = nullptr;
    }
    CBusyAsActivationLeaves(const CBusyAsActivationLeaves&) = delete;
    CBusyAsActivationLeaves& operator=(const CBusyAsActivationLeaves&) = delete;

private:
    static LRESULT CALLBACK OnCall(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const auto* pCall = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && pCall->hwnd == s_hFrame && pCall->message == WM_ACTIVATE &&
            LOWORD(pCall->wParam) == WA_INACTIVE)
            ::Sleep(100);  // the busy moment itself: a duration, not a wait for something
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static inline HWND s_hFrame = nullptr;
    testhook::ThreadHook m_hook;
};

class TrayMenuBesideFloatingWindows : public CTicketPaneFrameTest
{
protected:
    TrayMenuBesideFloatingWindows()
        : CTicketPaneFrameTest(L"tavrolin_tray_menu_floating", L"TrayMenuBesideFloatingWindowsTestApp")
    {
    }

    void SetUp() override
    {
        CTicketPaneFrameTest::SetUp();
        if (HasFatalFailure())
            return;
        // The offer's alert goes first: it would lie over the tray.
        ASSERT_TRUE(CloseAlerts());
        std::vector<HWND> icons;
        ASSERT_TRUE(testpump::PumpUntil([&] { return (icons = VisibleTrayIcons()).size() == 1; }))
            << "the frame's icon alone in the shell's tray";
        CRect rcIcon;
        ::GetWindowRect(icons[0], &rcIcon);
        ptIcon = rcIcon.CenterPoint();
    }

    // The toolbar dragged by its gripper over the frame's view.
    HWND FloatToolBarByGripper()
    {
        CXTPToolBar* pToolBar = pFrame->GetStandardToolBar();
        if (pToolBar == nullptr)
            return nullptr;
        CRect rcBar, rcView;
        pToolBar->GetWindowRect(&rcBar);
        frametest::ViewOf(pFrame)->GetWindowRect(&rcView);
        const CPoint ptGripper(rcBar.left + 3, rcBar.CenterPoint().y);
        if (!testinput::MoveMouseAndWait(ptGripper))
            return nullptr;
        testinput::QueueDrag(ptGripper, CPoint(rcView.left + 60, rcView.top + 60), 8);
        if (!testpump::PumpUntil([&] { return pToolBar->GetPosition() == xtpBarFloating; }))
            return nullptr;
        Idle();
        return pToolBar->GetSafeHwnd();
    }

    // The frame made the active window by a real click on its caption.
    bool ActivateFrameByItsCaption()
    {
        CRect rcFrame;
        pFrame->GetWindowRect(&rcFrame);
        const int y = rcFrame.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2;
        testinput::ClickAt({rcFrame.left + rcFrame.Width() / 3, y});
        return testpump::PumpUntil([&] { return ::GetForegroundWindow() == pFrame->GetSafeHwnd(); });
    }

    // One right click on the icon; the menu's loop is watched and ended.
    void RightClickTheIcon(CTrayMenuWatch& watch)
    {
        testinput::ClickAt(ptIcon, true);
        testpump::PumpUntil([&] { return watch.Done(); }, 10000);
        ::EndMenu();
        testpump::PumpUntilIdle();
    }

    // The menu was open for half a second beside the floating window, both
    // on the screen: the menu's light face with its item texts, and what
    // floats as the window itself paints it.
    static void ExpectMenuBesideFloating(const CTrayMenuWatch& watch, const wchar_t* pszShot)
    {
        ASSERT_TRUE(watch.bOpened) << "the first right click on the icon opened no menu";
        EXPECT_TRUE(watch.bStayed) << "the menu closed by itself";
        EXPECT_TRUE(watch.bFloatingShownAtOpen) << "the floating window hid as the menu opened";
        EXPECT_TRUE(watch.bFloatingShownLater) << "the floating window hid while the menu was open";
        EXPECT_TRUE(watch.bClosedByEsc) << "the menu has not the keys";
        ASSERT_GT(watch.screen.width, 0);
        testshot::Save(watch.screen, pszShot);
        const CRect rcMenu(watch.rcMenu);
        const int nMenuArea = rcMenu.Width() * rcMenu.Height();
        EXPECT_GT(apptest::CountPixels(watch.screen, rcMenu, apptest::IsLight), nMenuArea / 2) << "the menu's face";
        EXPECT_GT(apptest::CountPixels(watch.screen, rcMenu, apptest::IsDark), 40) << "the menu's items";
        // The floating window's caption runs grey or blue along its top.
        const CRect rcFloating(watch.rcFloating);
        const int y = rcFloating.top + 5;
        const CRect rcCaptionLine(rcFloating.left + 4, y, rcFloating.left + rcFloating.Width() / 2, y + 1);
        EXPECT_GT(apptest::CountPixels(watch.screen, rcCaptionLine, IsCaptionColour), rcCaptionLine.Width() * 9 / 10)
            << "the floating window's caption";
        EXPECT_GT(apptest::CountPixels(watch.screen, rcFloating, apptest::IsDark), 40) << "the floating window's texts";
    }

    static bool IsCaptionColour(COLORREF c)
    {
        const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        const bool bGrey = r > 90 && r < 210 && std::abs(r - g) < 20 && std::abs(g - b) < 20;
        return bGrey || apptest::IsBlueish(c);
    }

    POINT ptIcon = {};
};

} // namespace

// The toolbar floated and the frame clicked: the user's road.
TEST_F(TrayMenuBesideFloatingWindows, OneRightClickOpensTheMenuBesideAFloatingToolBar)
{
    const HWND hBar = FloatToolBarByGripper();
    ASSERT_NE(hBar, nullptr) << "the toolbar did not float";
    ASSERT_TRUE(ActivateFrameByItsCaption());
    ASSERT_TRUE(::IsWindowVisible(hBar));

    CTrayMenuWatch watch(hBar);
    {
        CBusyAsActivationLeaves busy(pFrame->GetSafeHwnd());
        RightClickTheIcon(watch);
    }
    ExpectMenuBesideFloating(watch, L"app_tray_menu_beside_toolbar.png");
}

// Another program active first (the shell's tray window, by a click on its
// caption): the floating toolbar waits hidden and comes back with the menu.
TEST_F(TrayMenuBesideFloatingWindows, OneRightClickFromAnotherProgramOpensTheMenuAndShowsTheToolBar)
{
    const HWND hBar = FloatToolBarByGripper();
    ASSERT_NE(hBar, nullptr) << "the toolbar did not float";
    ASSERT_TRUE(ActivateFrameByItsCaption());
    const HWND hTray = ::GetAncestor(::WindowFromPoint(ptIcon), GA_ROOT);
    CRect rcTray;
    ::GetWindowRect(hTray, &rcTray);
    testinput::ClickAt({rcTray.CenterPoint().x, rcTray.top + ::GetSystemMetrics(SM_CYFRAME) + 4});
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == hTray && !::IsWindowVisible(hBar); }))
        << "the tray's window did not take the activation from the program";

    CTrayMenuWatch watch(hBar);
    RightClickTheIcon(watch);
    ExpectMenuBesideFloating(watch, L"app_tray_menu_from_another_program.png");
}


// Started minimized with the search on, the frame begins in the tray: a
// floating toolbar of the stored layout waits there with it instead of
// showing alone on the desktop, and comes back above the frame on "Öffnen".
#include <gtest/gtest.h>

// Sockets first: the bars' support reaches the simulated site.
#include "app/bars/BarsTestSupport.h"
#include "app/AppTestSupport.h"
#include "engine/SettingsStore.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestWindows.h"
#include "support/ThreadHook.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

#include <memory>
#include <utility>
#include <vector>

using namespace barstest;

namespace {

// The frame's shown top-level windows that are not topmost (alert popups
// and tips may show while the frame is in the tray).
std::vector<HWND> ShownOwnedWindows(HWND hFrame)
{
    std::vector<HWND> shown;
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (::GetWindow(hWnd, GW_OWNER) == hFrame && ::IsWindowVisible(hWnd) &&
            (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0)
            shown.push_back(hWnd);
    return shown;
}

// Every owned top-level window of this thread shown while the watch runs,
// with its owner, also one shown and hidden again at once: the display
// puts each such window on the screen for that moment. Topmost ones (alert
// popups, tips) may show while the frame is in the tray.
class CShownWindowsWatch
{
public:
    CShownWindowsWatch()
    {
        s_pWatch = this;
        m_hHook = testhook::Set(WH_CALLWNDPROC, OnMessage);
    }
    ~CShownWindowsWatch()
    {
        if (m_hHook != nullptr)
            testhook::Remove(m_hHook);
        s_pWatch = nullptr;
    }

    bool IsWatching() const { return m_hHook != nullptr; }
    // The shown windows that hFrame owned when they showed.
    std::vector<HWND> ShownOwnedBy(HWND hFrame) const
    {
        std::vector<HWND> shown;
        for (const auto& show : m_shows)
            if (show.second == hFrame)
                shown.push_back(show.first);
        return shown;
    }

private:
    static LRESULT CALLBACK OnMessage(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && s_pWatch != nullptr && pMsg->message == WM_WINDOWPOSCHANGING &&
            (reinterpret_cast<const WINDOWPOS*>(pMsg->lParam)->flags & SWP_SHOWWINDOW) != 0)
        {
            const HWND hOwner = ::GetWindow(pMsg->hwnd, GW_OWNER);
            const bool bTopmost = (::GetWindowLongW(pMsg->hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            if (hOwner != nullptr && !bTopmost && ::GetAncestor(pMsg->hwnd, GA_PARENT) == ::GetDesktopWindow())
                s_pWatch->m_shows.emplace_back(pMsg->hwnd, hOwner);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static CShownWindowsWatch* s_pWatch;
    HHOOK m_hHook = nullptr;
    std::vector<std::pair<HWND, HWND>> m_shows;
};

CShownWindowsWatch* CShownWindowsWatch::s_pWatch = nullptr;

CXTPToolBar* FindBar(CMainFrame* pFrame, LPCWSTR pszTitle)
{
    CXTPCommandBars* pBars = pFrame->GetCommandBars();
    for (int i = 0; i < pBars->GetCount(); i++)
        if (pBars->GetAt(i)->GetTitle() == pszTitle)
            return pBars->GetAt(i);
    return nullptr;
}

} // namespace

TEST_F(FrameBars, StartedInTheTrayAFloatingBarOfTheLayoutWaitsThereAndComesBackAboveTheFrame)
{
    // A first run leaves a floating toolbar of the user's in the layout.
    ShowFrame();
    CXTPToolBar* pBar = AddFloatingUserBar();
    ASSERT_NE(pBar, nullptr);
    app.m_pMainWnd = nullptr;
    pFrame->SendMessage(WM_CLOSE);  // "Beenden": the layout is stored
    frametest::DispatchAllButQuit();
    ASSERT_FALSE(::IsWindow(hFrame));

    // The next start: minimized, searching at once. Once the frame is made,
    // no window of its shows alone on the desktop, not even for a moment.
    CSettingsStore& store = CSettingsStore::GetInstance();
    store.StartMinimized = store.AutoScan = 1;
    pFrame = frametest::CreateFrame();
    ASSERT_NE(pFrame, nullptr);
    hFrame = pFrame->GetSafeHwnd();
    app.m_pMainWnd = pFrame;
    EXPECT_EQ(ShownOwnedWindows(hFrame), std::vector<HWND>()) << "shown as the frame is made";
    auto watch = std::make_unique<CShownWindowsWatch>();
    ASSERT_TRUE(watch->IsWatching());
    pFrame->InitialUpdateFrame(nullptr, TRUE);  // what the start does with a new frame
    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    testpump::PumpFor(300);
    ASSERT_TRUE(pFrame->IsInTray());
    EXPECT_FALSE(::IsWindowVisible(hFrame));
    CXTPToolBar* pStored = FindBar(pFrame, L"Eigene");
    ASSERT_NE(pStored, nullptr) << "the layout kept the user's toolbar";
    ASSERT_EQ(pStored->GetPosition(), xtpBarFloating);
    const HWND hBar = pStored->GetSafeHwnd();
    EXPECT_EQ(ShownOwnedWindows(hFrame), std::vector<HWND>()) << "a floating window alone on the desktop";
    // A layout pass while in the tray (the search shows the ticket pane) keeps it so.
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();
    EXPECT_EQ(ShownOwnedWindows(hFrame), std::vector<HWND>());
    EXPECT_EQ(watch->ShownOwnedBy(hFrame), std::vector<HWND>()) << "shown for a moment while in the tray";
    watch.reset();

    pFrame->SendMessage(WM_COMMAND, ID_TRAY_OPEN);  // the tray menu's "Öffnen"
    ASSERT_FALSE(pFrame->IsInTray());
    testpump::PumpFor(1000);
    testpump::PumpUntilIdle();
    EXPECT_TRUE(::IsWindowVisible(hFrame));
    ASSERT_TRUE(::IsWindowVisible(hBar)) << "the toolbar comes back with the frame";
    EXPECT_TRUE(testwindows::IsAbove(hBar, hFrame));
    // On the screen: the bar's caption and its button's text.
    const CRect rcBar = WindowRectOf(pStored);
    const testshot::Image shot = testshot::CaptureScreen(rcBar);
    testshot::Save(shot, L"app_tray_started_minimized_bar_after.png");
    const CRect rcBody(3, 18, rcBar.Width() - 3, rcBar.Height() - 3);
    EXPECT_GT(apptest::CountPixels(shot, rcBody, apptest::IsDark), 10) << "the button's text";
}

#include "app/frame/FloatingWindows.h"

#include "app/frame/OpenDialogs.h"

#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"

#include <algorithm>

namespace {

// The frame's top-level windows on its own thread, from the top of the
// z-order down.
std::vector<HWND> OwnedWindows(HWND hFrame)
{
    std::vector<HWND> owned;
    const DWORD thread = ::GetWindowThreadProcessId(hFrame, nullptr);
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (hWnd != hFrame && ::GetWindow(hWnd, GW_OWNER) == hFrame &&
            ::GetWindowThreadProcessId(hWnd, nullptr) == thread)
            owned.push_back(hWnd);
    return owned;
}

bool IsDialogBox(HWND hWnd)
{
    wchar_t name[8] = L"";
    return ::GetClassNameW(hWnd, name, 8) > 0 && ::lstrcmpW(name, L"#32770") == 0;
}

bool IsFloatingWindow(HWND hWnd)
{
    return ::IsWindowVisible(hWnd) && (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0 &&
           !IsDialogBox(hWnd);
}

// A bar is still one of the frame's floating bars and meant to show.
bool IsShownFloatingBarOf(CXTPToolBar* pBar, HWND hFrame)
{
    CXTPCommandBars* pCommandBars = pBar->GetCommandBars();
    if (pCommandBars == nullptr || pCommandBars->GetSite() == nullptr ||
        pCommandBars->GetSite()->GetSafeHwnd() != hFrame)
        return false;
    if (pBar->GetPosition() != xtpBarFloating || !pBar->IsVisible())
        return false;
    for (int i = 0; i < pCommandBars->GetCount(); i++)
        if (pCommandBars->GetAt(i) == pBar)
            return true;
    return false;
}

// What the frame's state says now of a window hidden for the tray: it may
// have been closed, emptied, docked or hidden by the program meanwhile.
bool ShouldShowAgain(HWND hWnd, HWND hFrame)
{
    if (!::IsWindow(hWnd) || ::GetWindow(hWnd, GW_OWNER) != hFrame || ::IsWindowVisible(hWnd))
        return false;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (auto* pBar = dynamic_cast<CXTPToolBar*>(pWnd))
        return IsShownFloatingBarOf(pBar, hFrame);
    if (dynamic_cast<CXTPCommandBar*>(pWnd) != nullptr)
        return false;  // popups and the like show only on their own road
    // The docking manager shows a pane frame exactly while it holds a pane.
    if (auto* pPaneFrame = dynamic_cast<CXTPDockingPaneMiniWnd*>(pWnd))
        return pPaneFrame->HasPanes() != FALSE;
    return true;
}

} // namespace

void CFloatingWindows::RaiseAbove(HWND hFrame)
{
    // Boxes a dialog of the frame opened come along, so that they stay
    // above that dialog.
    std::vector<HWND> owned;
    const DWORD thread = ::GetWindowThreadProcessId(hFrame, nullptr);
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (::GetWindowThreadProcessId(hWnd, nullptr) == thread && COpenDialogs::IsOwnedBy(hWnd, hFrame))
            owned.push_back(hWnd);
    // From the lowest up: each lands on top, so their own order stays.
    for (auto it = owned.rbegin(); it != owned.rend(); ++it)
        if (::IsWindowVisible(*it))
            ::SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void CFloatingWindows::Hide(HWND hFrame)
{
    for (HWND hWnd : OwnedWindows(hFrame))
        if (IsFloatingWindow(hWnd))
        {
            ::ShowWindow(hWnd, SW_HIDE);
            // One a layout showed again since is hidden again, and kept once.
            if (std::find(m_hidden.begin(), m_hidden.end(), hWnd) == m_hidden.end())
                m_hidden.push_back(hWnd);
        }
}

void CFloatingWindows::ShowAgain(HWND hFrame)
{
    const std::vector<HWND> hidden = std::move(m_hidden);
    m_hidden.clear();
    for (HWND hWnd : hidden)
        if (ShouldShowAgain(hWnd, hFrame))
            ::ShowWindow(hWnd, SW_SHOWNA);
}

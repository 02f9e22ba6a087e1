#include "app/frame/FloatingWindows.h"

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

} // namespace

void CFloatingWindows::RaiseAbove(HWND hFrame)
{
    const std::vector<HWND> owned = OwnedWindows(hFrame);
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
        if (::IsWindow(hWnd) && ::GetWindow(hWnd, GW_OWNER) == hFrame && !::IsWindowVisible(hWnd))
            ::ShowWindow(hWnd, SW_SHOWNA);
}

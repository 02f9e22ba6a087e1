#include "app/frame/OpenDialogs.h"

#include <algorithm>

namespace {

bool IsDialogBox(HWND hWnd)
{
    wchar_t name[8] = L"";
    return ::GetClassNameW(hWnd, name, 8) > 0 && ::lstrcmpW(name, L"#32770") == 0;
}

bool IsShownDialogOf(HWND hWnd, HWND hFrame)
{
    return ::IsWindowVisible(hWnd) && IsDialogBox(hWnd) && COpenDialogs::IsOwnedBy(hWnd, hFrame);
}

} // namespace

bool COpenDialogs::IsOwnedBy(HWND hWnd, HWND hFrame)
{
    // The depth only guards against an owner chain gone wrong.
    for (int depth = 0; hWnd != nullptr && depth < 32; ++depth)
    {
        hWnd = ::GetWindow(hWnd, GW_OWNER);
        if (hWnd == hFrame)
            return hFrame != nullptr;
    }
    return false;
}

std::vector<HWND> COpenDialogs::Find(HWND hFrame)
{
    std::vector<HWND> dialogs;
    const DWORD thread = ::GetWindowThreadProcessId(hFrame, nullptr);
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (::GetWindowThreadProcessId(hWnd, nullptr) == thread && IsShownDialogOf(hWnd, hFrame))
            dialogs.push_back(hWnd);
    return dialogs;
}

void COpenDialogs::Hide(HWND hFrame)
{
    const std::vector<HWND> shown = Find(hFrame);
    for (HWND hWnd : shown)
        ::ShowWindow(hWnd, SW_HIDE);
    // Boxes still hidden from an earlier trip stay below those hidden now.
    std::vector<HWND> hidden = shown;
    for (HWND hWnd : m_hidden)
        if (std::find(hidden.begin(), hidden.end(), hWnd) == hidden.end())
            hidden.push_back(hWnd);
    m_hidden = std::move(hidden);
    m_hActivated = nullptr;
}

bool COpenDialogs::ShowAgain(HWND hFrame)
{
    std::vector<HWND> shown;
    const std::vector<HWND> hidden = std::move(m_hidden);
    m_hidden.clear();
    // From the lowest up: each shows above those before it.
    for (auto it = hidden.rbegin(); it != hidden.rend(); ++it)
        if (::IsWindow(*it) && !::IsWindowVisible(*it) && IsOwnedBy(*it, hFrame))
        {
            ::ShowWindow(*it, SW_SHOWNA);
            shown.insert(shown.begin(), *it);
        }
    m_hActivated = nullptr;
    for (HWND hWnd : shown)
        if (::IsWindowEnabled(hWnd))
        {
            m_hActivated = hWnd;
            break;
        }
    if (m_hActivated != nullptr)
    {
        ::SetForegroundWindow(m_hActivated);
        ::SetActiveWindow(m_hActivated);
    }
    return !shown.empty();
}

HWND COpenDialogs::GetActivated() const
{
    return m_hActivated != nullptr && ::IsWindow(m_hActivated) && ::IsWindowVisible(m_hActivated) ? m_hActivated
                                                                                                 : nullptr;
}

bool COpenDialogs::EndAll(HWND hFrame) const
{
    // Those waiting in the tray with the frame too.
    std::vector<HWND> open = Find(hFrame);
    for (HWND hWnd : m_hidden)
        if (::IsWindow(hWnd) && IsDialogBox(hWnd) && IsOwnedBy(hWnd, hFrame) &&
            std::find(open.begin(), open.end(), hWnd) == open.end())
            open.push_back(hWnd);
    for (HWND hWnd : open)
        ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return !open.empty();
}

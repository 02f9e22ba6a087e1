#include "support/TestWindows.h"
#include "support/TestPump.h"

namespace testwindows {

namespace {

struct Search
{
    LPCWSTR lpszClass;
    const std::function<bool(HWND)>* accept;
    HWND found;
};

BOOL CALLBACK Visit(HWND hWnd, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    if (!IsWindowVisible(hWnd))
        return TRUE;
    if (search->lpszClass && !HasClass(hWnd, search->lpszClass))
        return TRUE;
    if (*search->accept && !(*search->accept)(hWnd))
        return TRUE;
    search->found = hWnd;
    return FALSE;
}

struct Collect
{
    LPCWSTR lpszClass;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND hWnd, LPARAM lParam)
{
    Collect* collect = reinterpret_cast<Collect*>(lParam);
    if (IsWindowVisible(hWnd) && HasClass(hWnd, collect->lpszClass))
        collect->found.push_back(hWnd);
    return TRUE;
}

} // namespace

std::vector<HWND> VisibleThreadWindows(LPCWSTR lpszClass)
{
    Collect collect = {lpszClass, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectVisible, reinterpret_cast<LPARAM>(&collect));
    return collect.found;
}

bool HasClass(HWND hWnd, LPCWSTR lpszClass)
{
    wchar_t name[256] = L"";
    GetClassNameW(hWnd, name, 256);
    return lstrcmpiW(name, lpszClass) == 0;
}

HWND FindThreadWindow(LPCWSTR lpszClass, const std::function<bool(HWND)>& accept)
{
    Search search = {lpszClass, &accept, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForThreadWindow(LPCWSTR lpszClass, const std::function<bool(HWND)>& accept)
{
    HWND hFound = nullptr;
    testpump::PumpUntil([&] { return (hFound = FindThreadWindow(lpszClass, accept)) != nullptr; });
    return hFound;
}

bool IsAbove(HWND hUpper, HWND hLower)
{
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (hWnd == hUpper || hWnd == hLower)
            return hWnd == hUpper;
    return false;
}

HWND TrackedMenuWindow()
{
    HWND hMenuWnd = ::FindWindowW(L"#32768", nullptr);
    GUITHREADINFO info = {sizeof info};
    if (hMenuWnd == nullptr || !::IsWindowVisible(hMenuWnd) ||
        !::GetGUIThreadInfo(::GetWindowThreadProcessId(hMenuWnd, nullptr), &info))
        return nullptr;
    return (info.flags & GUI_INMENUMODE) != 0 ? hMenuWnd : nullptr;
}

} // namespace testwindows

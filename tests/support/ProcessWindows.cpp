#include "support/ProcessWindows.h"

namespace processwindows {

namespace {

struct Collect
{
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    Collect* pCollect = reinterpret_cast<Collect*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hWnd, &owner);
    if (owner == pCollect->processId)
        pCollect->windows.push_back(hWnd);
    return TRUE;
}

struct ChildSearch
{
    LPCWSTR lpszClass;
    const std::function<bool(HWND)>* accept;
    HWND found;
};

BOOL CALLBACK VisitChild(HWND hWnd, LPARAM lParam)
{
    ChildSearch* pSearch = reinterpret_cast<ChildSearch*>(lParam);
    if ((pSearch->lpszClass != nullptr && _wcsicmp(ClassOf(hWnd).c_str(), pSearch->lpszClass) != 0) || (*pSearch->accept && !(*pSearch->accept)(hWnd)))
        return TRUE;
    pSearch->found = hWnd;
    return FALSE;
}

bool IsDialogBox(HWND hWnd)
{
    return ClassOf(hWnd) == L"#32770";
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId)
{
    Collect collect = {processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&collect));
    return collect.windows;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId)
{
    std::vector<HWND> visible;
    for (HWND hWnd : TopLevelWindows(processId))
        if (IsWindowVisible(hWnd))
            visible.push_back(hWnd);
    return visible;
}

std::wstring ClassOf(HWND hWnd)
{
    wchar_t name[256] = L"";
    GetClassNameW(hWnd, name, 256);
    return name;
}

std::wstring TextOf(HWND hWnd)
{
    wchar_t text[1024] = L"";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hWnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &length))
        return std::wstring();
    return std::wstring(text, length < 1024 ? length : 1023);
}

SIZE SizeOf(HWND hWnd)
{
    const RECT rect = ScreenRectOf(hWnd);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

RECT ScreenRectOf(HWND hWnd)
{
    RECT rect = {};
    GetWindowRect(hWnd, &rect);
    return rect;
}

HWND VisibleFrame(DWORD processId)
{
    for (HWND hWnd : VisibleTopLevelWindows(processId))
        if ((GetWindowLongW(hWnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION && !IsDialogBox(hWnd))
            return hWnd;
    return nullptr;
}

HWND VisibleBox(DWORD processId)
{
    for (HWND hWnd : VisibleTopLevelWindows(processId))
        if (IsDialogBox(hWnd))
            return hWnd;
    return nullptr;
}

std::wstring BoxText(HWND hBox)
{
    return TextOf(GetDlgItem(hBox, 0xFFFF));
}

std::vector<HWND> VisiblePopups(DWORD processId, int width, int height)
{
    std::vector<HWND> popups;
    for (HWND hWnd : VisibleTopLevelWindows(processId))
    {
        const SIZE size = SizeOf(hWnd);
        if ((GetWindowLongW(hWnd, GWL_STYLE) & (WS_POPUP | WS_CAPTION)) == WS_POPUP && size.cx == width &&
            size.cy == height)
            popups.push_back(hWnd);
    }
    return popups;
}

HWND FindChild(HWND hParent, LPCWSTR lpszClass, const std::function<bool(HWND)>& accept)
{
    ChildSearch search = {lpszClass, &accept, nullptr};
    EnumChildWindows(hParent, VisitChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindVisibleChildById(HWND hParent, int nId)
{
    const std::function<bool(HWND)> accept = [nId](HWND hWnd) {
        return GetDlgCtrlID(hWnd) == nId && IsWindowVisible(hWnd);
    };
    ChildSearch search = {nullptr, &accept, nullptr};
    EnumChildWindows(hParent, VisitChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PressBoxButton(HWND hBox, int nButtonId)
{
    PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(nButtonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hBox, nButtonId)));
}

} // namespace processwindows

#include "support/WindowInventory.h"

#include "support/ProcessWindows.h"

#include <cstdio>
#include <set>
#include <vector>

namespace windowinventory {

namespace {

std::string Utf8(const wchar_t* text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string result(size, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, &result[0], size, nullptr, nullptr);
    result.resize(size - 1);
    return result;
}

std::string Handle(HWND hWnd)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(hWnd)));
    return text;
}

std::string ClassOf(HWND hWnd)
{
    wchar_t name[256] = L"";
    ::GetClassNameW(hWnd, name, 256);
    return Utf8(name);
}

// The stored title: GetWindowText would send WM_GETTEXT to a window of
// this process, and its thread may be the one that hangs.
std::string TitleOf(HWND hWnd)
{
    wchar_t title[256] = L"";
    ::InternalGetWindowText(hWnd, title, 256);
    return Utf8(title);
}

std::string DescribeWindow(HWND hWnd)
{
    RECT rect = {};
    ::GetWindowRect(hWnd, &rect);
    char place[96];
    std::snprintf(place, sizeof place, " at (%ld,%ld) %ldx%ld", rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top);
    const HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    return Handle(hWnd) + " class \"" + ClassOf(hWnd) + "\" title \"" + TitleOf(hWnd) + "\" " +
           (::IsWindowVisible(hWnd) ? "visible" : "hidden") + (::IsWindowEnabled(hWnd) ? "" : " disabled") +
           " owner " + (hOwner != nullptr ? Handle(hOwner) : std::string("none")) + " thread " +
           std::to_string(::GetWindowThreadProcessId(hWnd, nullptr)) + place;
}

std::string DescribeThread(DWORD threadId)
{
    GUITHREADINFO info = {sizeof info};
    if (!::GetGUIThreadInfo(threadId, &info))
        return "thread " + std::to_string(threadId) + ": no input state";
    auto window = [](HWND hWnd) { return hWnd != nullptr ? Handle(hWnd) : std::string("none"); };
    // Wine leaves GUI_POPUPMENUMODE unset and names the menu's own window
    // as its owner; either way a set GUI_INMENUMODE means a menu is open.
    std::string menu = "no menu tracked";
    if ((info.flags & GUI_INMENUMODE) != 0)
        menu = std::string((info.flags & GUI_POPUPMENUMODE) != 0 ? "a popup menu" : "a menu") +
               " tracked, menu owner " + window(info.hwndMenuOwner);
    return "thread " + std::to_string(threadId) + ": " + menu + ", active " + window(info.hwndActive) +
           ", focus " + window(info.hwndFocus) + ", capture " + window(info.hwndCapture);
}

} // namespace

std::string DescribeProcessWindows(DWORD processId, const std::string& prefix)
{
    const std::vector<HWND> windows = processwindows::TopLevelWindows(processId);
    std::string report = prefix + std::to_string(windows.size()) +
                         " top-level windows of the process, top of the z-order first:\n";
    std::set<DWORD> threads;
    for (HWND hWnd : windows) {
        report += prefix + "  " + DescribeWindow(hWnd) + "\n";
        threads.insert(::GetWindowThreadProcessId(hWnd, nullptr));
    }
    for (DWORD threadId : threads)
        report += prefix + DescribeThread(threadId) + "\n";
    if (threads.empty())
        report += prefix + "no thread of the process has a window\n";
    return report;
}

} // namespace windowinventory

#include "support/ThreadLeftovers.h"
#include "support/PendingTestItems.h"

namespace testleftovers {

namespace {

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> ThreadTopLevelWindows()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string ClassOf(HWND hWnd)
{
    char name[256] = "";
    ::GetClassNameA(hWnd, name, sizeof name);
    return name;
}

std::string Utf8(const std::wstring& text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &utf8[0], size, nullptr, nullptr);
    return utf8;
}

bool IsInMenuMode()
{
    GUITHREADINFO info = {sizeof info};
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) &&
           (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

// Destroying a main window posts a quit, and a thread that ends a hook's or
// a window's owner may queue more: none of it may reach the next test.
void DispatchWhatEndingQueued()
{
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
    {
        if (msg.message == WM_QUIT)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

} // namespace

std::string Describe(HWND hWnd)
{
    wchar_t title[128] = L"";
    ::GetWindowTextW(hWnd, title, 128);
    return "class \"" + ClassOf(hWnd) + "\", title \"" + Utf8(title) + "\"";
}

ThreadState ThreadState::Now()
{
    ThreadState state;
    for (HWND hWnd : ThreadTopLevelWindows())
        state.m_windows.insert(hWnd);
    state.m_nextSerial = testpending::NextSerial();
    return state;
}

std::vector<std::string> ThreadState::EndWhatWasLeft() const
{
    std::vector<std::string> left;
    if (IsInMenuMode())
    {
        left.push_back("a popup menu being tracked: ended");
        ::EndMenu();
    }

    // Destroying one window destroys those it owns: each is looked at again
    // when its turn comes, so that only what still exists is named.
    std::vector<HWND> menus, boxes, shown;
    for (HWND hWnd : ThreadTopLevelWindows())
    {
        const std::string name = ClassOf(hWnd);
        const bool bNew = m_windows.count(hWnd) == 0;
        if (name == "#32768" && (bNew || ::IsWindowVisible(hWnd)))
            menus.push_back(hWnd);
        else if (name == "#32770" && bNew)
            boxes.push_back(hWnd);
        else if (bNew && ::IsWindowVisible(hWnd))
            shown.push_back(hWnd);
    }
    auto end = [&](const std::vector<HWND>& windows, const char* what) {
        for (HWND hWnd : windows)
        {
            if (!::IsWindow(hWnd))
                continue;
            left.push_back(std::string(what) + " (" + Describe(hWnd) + (::IsWindowVisible(hWnd) ? "" : ", hidden") +
                           "): destroyed");
            ::DestroyWindow(hWnd);
        }
    };
    end(menus, "a popup menu window");
    end(boxes, "a dialog box");
    end(shown, "a shown top-level window");

    for (const testpending::Item& item : testpending::TakeSince(m_nextSerial))
    {
        if (item.kind == testpending::Kind::Timer)
        {
            ::KillTimer(nullptr, item.handle);
            left.push_back("a pending " + item.what + ": killed");
        }
        else if (item.kind == testpending::Kind::Hook)
        {
            ::UnhookWindowsHookEx(reinterpret_cast<HHOOK>(item.handle));
            left.push_back("a " + item.what + ": removed");
        }
        else
        {
            ::UnhookWinEvent(reinterpret_cast<HWINEVENTHOOK>(item.handle));
            left.push_back("a " + item.what + ": removed");
        }
    }
    if (!left.empty())
        DispatchWhatEndingQueued();
    return left;
}

} // namespace testleftovers

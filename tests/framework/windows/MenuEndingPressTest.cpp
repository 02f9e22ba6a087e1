// A menu tracked with TrackPopupMenu and ended by a left press outside it,
// with real input: the press only ends the menu. It is not left for the
// window under it (nothing may start a drag from a press whose release no
// window of the program holds the pointer for), and the thread takes the
// button as up. A menu ended by Esc leaves a later press alone.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/windows/CMenu.h"
#include "framework/windows/CWnd.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"

namespace {

// Presses the window got, counted by its procedure.
int g_presses = 0;

LRESULT CALLBACK CountPressesProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN)
        g_presses++;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// What the timer inside the menu's loop sends.
std::vector<INPUT> g_inMenu;

void CALLBACK SendInMenu(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    testtimer::Kill(idEvent);
    if (!g_inMenu.empty())
        ::SendInput(static_cast<UINT>(g_inMenu.size()), g_inMenu.data(), sizeof(INPUT));
    g_inMenu.clear();
}

INPUT MouseAt(DWORD flags, POINT pt)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(pt.x, 65536, ::GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(pt.y, 65536, ::GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

class MenuEndingPress : public testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = CountPressesProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"MenuEndingPressWindow";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        ::SetForegroundWindow(m_hWnd);
        testpump::PumpUntilIdle();
        m_menu.CreatePopupMenu();
        m_menu.AppendMenu(MF_STRING, 100, L"Eins");
        m_menu.AppendMenu(MF_STRING, 101, L"Zwei");
        g_presses = 0;
    }
    void TearDown() override
    {
        g_inMenu.clear();
        m_menu.DestroyMenu();
        ::DestroyWindow(m_hWnd);
        testpump::PumpUntilIdle();
    }

    // The menu at the window's top left, and what the timer sends once it runs.
    void TrackWith(std::vector<INPUT> inputs)
    {
        g_inMenu = std::move(inputs);
        testtimer::Set(200, SendInMenu);
        m_menu.TrackPopupMenu(0, 110, 110, CWnd::FromHandle(m_hWnd));
    }

    HWND m_hWnd = nullptr;
    CMenu m_menu;
};

} // namespace

TEST_F(MenuEndingPress, APressOutsideTheMenuOnlyEndsIt)
{
    // Held: the release has not come when the menu ends.
    const POINT outside = {400, 350};
    TrackWith({MouseAt(0, outside), MouseAt(MOUSEEVENTF_LEFTDOWN, outside)});
    MSG msg;
    EXPECT_FALSE(::PeekMessageW(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE))
        << "the press is left for the window under it";
    EXPECT_GE(::GetKeyState(VK_LBUTTON), 0);
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, outside);
    testpump::PumpUntilIdle();
    EXPECT_EQ(0, g_presses);

    // A quick click: its release goes too.
    TrackWith({MouseAt(0, outside), MouseAt(MOUSEEVENTF_LEFTDOWN, outside), MouseAt(MOUSEEVENTF_LEFTUP, outside)});
    testpump::PumpUntilIdle();
    EXPECT_EQ(0, g_presses);
    EXPECT_FALSE(::PeekMessageW(&msg, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE));

    // After the menu, a press is a press.
    testinput::ClickAt(outside);
    testpump::PumpUntilIdle();
    EXPECT_EQ(1, g_presses);
}

TEST_F(MenuEndingPress, AMenuEndedByEscLeavesALaterPressAlone)
{
    INPUT esc[2] = {};
    for (int i = 0; i < 2; i++)
    {
        esc[i].type = INPUT_KEYBOARD;
        esc[i].ki.wVk = VK_ESCAPE;
        esc[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
    }
    TrackWith({esc[0], esc[1]});
    testinput::ClickAt({400, 350});
    testpump::PumpUntilIdle();
    EXPECT_EQ(1, g_presses);
}

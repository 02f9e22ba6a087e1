#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include <vector>

namespace testinput {

namespace {

bool IsExtendedKey(WORD vk)
{
    switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
    case VK_INSERT: case VK_DELETE: case VK_RMENU: case VK_RCONTROL:
    case VK_DIVIDE: case VK_NUMLOCK: case VK_APPS:
        return true;
    default:
        return false;
    }
}

INPUT KeyInput(WORD vk, bool bUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, 0));
    input.ki.dwFlags = (bUp ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT MouseInput(DWORD flags, POINT ptScreen)
{
    // Absolute coordinates map 0..65535 onto the primary screen.
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(ptScreen.x, 65536, cx) + 1;
    input.mi.dy = MulDiv(ptScreen.y, 65536, cy) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

void Send(std::vector<INPUT>& inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

void SendKey(WORD vk)
{
    std::vector<INPUT> inputs = {KeyInput(vk, false), KeyInput(vk, true)};
    Send(inputs);
}

void SendKeyDown(WORD vk)
{
    std::vector<INPUT> inputs = {KeyInput(vk, false)};
    Send(inputs);
}

void SendKeyUp(WORD vk)
{
    std::vector<INPUT> inputs = {KeyInput(vk, true)};
    Send(inputs);
}

void SendChord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD vk : keys)
        inputs.push_back(KeyInput(vk, false));
    for (auto it = keys.end(); it != keys.begin();)
        inputs.push_back(KeyInput(*--it, true));
    Send(inputs);
}

void SendChar(wchar_t ch)
{
    std::vector<INPUT> inputs(2);
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wScan = ch;
        inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    Send(inputs);
}

void SendShiftedChar(wchar_t ch)
{
    SendKeyDown(VK_SHIFT);
    SendChar(ch);
    SendKeyUp(VK_SHIFT);
}

void SendKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD vk : keys) {
        inputs.push_back(KeyInput(vk, false));
        inputs.push_back(KeyInput(vk, true));
    }
    Send(inputs);
}

void MoveMouseTo(POINT ptScreen)
{
    std::vector<INPUT> inputs = {MouseInput(0, ptScreen)};
    Send(inputs);
}

void QueueDrag(POINT ptFrom, POINT ptTo, int nSteps)
{
    MoveMouseTo(ptFrom);
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    for (int step = 1; step <= nSteps; step++)
        MoveMouseTo({ptFrom.x + (ptTo.x - ptFrom.x) * step / nSteps, ptFrom.y + (ptTo.y - ptFrom.y) * step / nSteps});
    SendMouse(MOUSEEVENTF_LEFTUP, ptTo);
}

namespace {

std::function<void()> g_restOfDrag;

void CALLBACK SendRestOfDrag(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    testtimer::Kill(idEvent);
    std::function<void()> rest;
    rest.swap(g_restOfDrag);
    if (rest)
        rest();
}

} // namespace

bool DragInLoop(HWND foreground, POINT from, const std::vector<POINT>& path,
                const std::function<void(std::size_t)>& afterMove)
{
    ::SetForegroundWindow(foreground);
    MoveMouseTo(from);
    testpump::PumpUntilIdle();
    SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    bool sent = false;
    g_restOfDrag = [&] {
        for (std::size_t i = 0; i < path.size(); i++)
        {
            MoveMouseTo(path[i]);
            SendKey(VK_SHIFT);
            if (afterMove)
                afterMove(i);
        }
        SendMouse(MOUSEEVENTF_LEFTUP, path.empty() ? from : path.back());
        sent = true;
    };
    testtimer::Set(10, SendRestOfDrag);
    bool bSent = testpump::PumpUntil([&] { return sent; });
    // Not sent by the deadline: the timer must not reach this frame's locals later.
    g_restOfDrag = nullptr;
    testpump::PumpUntilIdle();
    return bSent;
}

bool DragInLoopLosingTheRelease(HWND foreground, POINT from, const std::vector<POINT>& path, POINT elsewhere,
                                POINT later)
{
    ::SetForegroundWindow(foreground);
    MoveMouseTo(from);
    testpump::PumpUntilIdle();
    SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    bool clicked = false;
    g_restOfDrag = [&] {
        for (const POINT& pt : path)
        {
            MoveMouseTo(pt);
            SendKey(VK_SHIFT);
        }
        const HWND hCapture = ::GetCapture();
        ::ReleaseCapture();
        SendMouse(MOUSEEVENTF_LEFTUP, elsewhere);
        ::SetCapture(hCapture);
        g_restOfDrag = [&] {
            ClickAt(later);
            clicked = true;
        };
        testtimer::Set(300, SendRestOfDrag);
    };
    testtimer::Set(10, SendRestOfDrag);
    bool bSent = testpump::PumpUntil([&] { return clicked; });
    g_restOfDrag = nullptr;
    testpump::PumpUntilIdle();
    return bSent;
}

bool MoveMouseAndWait(POINT ptScreen)
{
    MoveMouseTo(ptScreen);
    return testpump::PumpUntil([&] {
        POINT pt;
        return GetCursorPos(&pt) && pt.x == ptScreen.x && pt.y == ptScreen.y;
    });
}

void SendMouse(DWORD flags, POINT ptScreen)
{
    std::vector<INPUT> inputs = {MouseInput(flags, ptScreen)};
    Send(inputs);
}

void ClickAt(POINT ptScreen, bool bRight)
{
    std::vector<INPUT> inputs = {
        MouseInput(0, ptScreen),
        MouseInput(bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, ptScreen),
        MouseInput(bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, ptScreen),
    };
    Send(inputs);
}

bool ClickOn(HWND hTarget, POINT ptScreen, bool bRight)
{
    // A pointer that is there already would make X report nothing new.
    MoveMouseAndWait({ptScreen.x + 1, ptScreen.y});
    MoveMouseAndWait(ptScreen);
    const HWND hTargetRoot = GetAncestor(hTarget, GA_ROOT);
    const bool bReached =
        testpump::PumpUntil([&] { return GetAncestor(WindowFromPoint(ptScreen), GA_ROOT) == hTargetRoot; });
    ClickAt(ptScreen, bRight);
    return bReached;
}

void DoubleClickAt(POINT ptScreen)
{
    std::vector<INPUT> inputs = {MouseInput(0, ptScreen)};
    for (int i = 0; i < 2; i++) {
        inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN, ptScreen));
        inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP, ptScreen));
    }
    Send(inputs);
}

POINT ClientToScreenPoint(HWND hWnd, int x, int y)
{
    POINT pt = {x, y};
    ClientToScreen(hWnd, &pt);
    return pt;
}

} // namespace testinput

#include "toolkit/common/input/XTPHeldButtonLoop.h"
#include <windowsx.h>

namespace {

// How long a loop waits for input before it looks at the button again (ms).
const DWORD kButtonLookMs = 50;

// The button as the system has it now, whoever got its input: the physical
// right one when the buttons are swapped.
BOOL IsButtonDownNow()
{
    return ::GetAsyncKeyState(::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0;
}

BOOL IsLeftPress(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_NCLBUTTONDOWN ||
           message == WM_NCLBUTTONDBLCLK;
}

// A pending WM_QUIT answers a peek of any range: only those messages count.
BOOL IsQueued(UINT nFirst, UINT nLast)
{
    MSG msg;
    return ::PeekMessageW(&msg, nullptr, nFirst, nLast, PM_NOREMOVE) && msg.message >= nFirst &&
           msg.message <= nLast;
}

BOOL IsMouseInputQueued()
{
    return IsQueued(WM_MOUSEFIRST, WM_MOUSELAST) || IsQueued(WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK);
}

WPARAM KeysHeld()
{
    WPARAM keys = 0;
    if (::GetKeyState(VK_SHIFT) < 0)
        keys |= MK_SHIFT;
    if (::GetKeyState(VK_CONTROL) < 0)
        keys |= MK_CONTROL;
    if (::GetKeyState(VK_RBUTTON) < 0)
        keys |= MK_RBUTTON;
    if (::GetKeyState(VK_MBUTTON) < 0)
        keys |= MK_MBUTTON;
    return keys;
}

} // namespace

CXTPHeldButtonLoop::CXTPHeldButtonLoop()
    // The thread's state is down from the press it read; the system's may
    // be so while the thread's follows it already.
    : m_bHeld(::GetKeyState(VK_LBUTTON) < 0 || IsButtonDownNow())
{
}

BOOL CXTPHeldButtonLoop::IsReleaseMissed() const
{
    return m_bHeld && !IsButtonDownNow() && !IsMouseInputQueued();
}

void CXTPHeldButtonLoop::MakeRelease(MSG* pMsg)
{
    m_bHeld = FALSE;
    const DWORD dwPos = ::GetMessagePos();
    const POINT pt = {GET_X_LPARAM(dwPos), GET_Y_LPARAM(dwPos)};
    const HWND hCapture = ::GetCapture();
    POINT ptClient = pt;
    if (hCapture)
        ::ScreenToClient(hCapture, &ptClient);
    pMsg->hwnd = hCapture;
    pMsg->message = WM_LBUTTONUP;
    pMsg->wParam = KeysHeld();
    pMsg->lParam = MAKELPARAM(ptClient.x, ptClient.y);
    pMsg->time = ::GetTickCount();
    pMsg->pt = pt;
    // The thread reads the button as up, as after a release it got.
    BYTE state[256];
    if (::GetKeyboardState(state))
    {
        state[VK_LBUTTON] &= static_cast<BYTE>(~0x80);
        ::SetKeyboardState(state);
    }
}

BOOL CXTPHeldButtonLoop::GetMessage(MSG* pMsg)
{
    for (;;)
    {
        if (!m_bHeld)
            return ::GetMessageW(pMsg, nullptr, 0, 0);
        MSG next;
        if (::PeekMessageW(&next, nullptr, 0, 0, PM_NOREMOVE))
        {
            // A press while the button is held: its release went elsewhere.
            if (IsLeftPress(next.message))
            {
                MakeRelease(pMsg);
                return TRUE;
            }
            // Timers and paints come only when no input waits: a loop
            // kept busy by them still sees the button go up.
            if ((next.message == WM_TIMER || next.message == WM_PAINT) && IsReleaseMissed())
            {
                MakeRelease(pMsg);
                return TRUE;
            }
            // The message peeked, not one that came meanwhile: no press may
            // pass unseen.
            if (!::PeekMessageW(pMsg, nullptr, next.message, next.message, PM_REMOVE))
                continue;
            if (pMsg->message == WM_QUIT)
                return FALSE;
            if (pMsg->message == WM_LBUTTONUP || pMsg->message == WM_NCLBUTTONUP)
                m_bHeld = FALSE;
            return TRUE;
        }
        if (IsReleaseMissed())
        {
            MakeRelease(pMsg);
            return TRUE;
        }
        ::MsgWaitForMultipleObjectsEx(0, nullptr, kButtonLookMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

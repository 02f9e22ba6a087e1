#include "ManagerFocusOnMove.h"
#include "support/ThreadHook.h"

namespace testwm {

namespace {

int g_nCancels = 0;
bool g_bInside = false;

LRESULT CALLBACK AfterWindowProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* pMsg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && !g_bInside && pMsg->message == WM_WINDOWPOSCHANGED && pMsg->hwnd == ::GetForegroundWindow())
    {
        const WINDOWPOS* pPos = reinterpret_cast<const WINDOWPOS*>(pMsg->lParam);
        if (!(pPos->flags & SWP_NOMOVE))
        {
            g_bInside = true;
            ++g_nCancels;
            ::SendMessageW(pMsg->hwnd, WM_CANCELMODE, 0, 0);
            g_bInside = false;
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

} // namespace

CManagerFocusOnMove::CManagerFocusOnMove()
    : m_hHook(testhook::Set(WH_CALLWNDPROCRET, AfterWindowProc))
{
    g_nCancels = 0;
}

CManagerFocusOnMove::~CManagerFocusOnMove()
{
    if (m_hHook != nullptr)
        testhook::Remove(m_hHook);
}

int CManagerFocusOnMove::CancelCount() const
{
    return g_nCancels;
}

} // namespace testwm

#include "toolkit/docking/autohide/XTPDockingPanePointerReturn.h"

BOOL CXTPDockingPanePointerReturn::IsProgramWindow(HWND hWnd)
{
    DWORD nProcessId = 0;
    return hWnd && ::GetWindowThreadProcessId(hWnd, &nProcessId) && nProcessId == ::GetCurrentProcessId();
}

void CXTPDockingPanePointerReturn::OnMove(HWND hWnd, UINT nInterval)
{
    m_bAway = FALSE;
    if (!m_bWatching)
        m_bWatching = ::SetTimer(hWnd, m_nTimerId, nInterval, nullptr) != 0;
}

CXTPDockingPanePointerReturn::Result CXTPDockingPanePointerReturn::OnTimer(HWND hWnd, POINT& ptBack)
{
    // A hidden window can have nothing come back to it.
    if (!::IsWindowVisible(hWnd))
    {
        Stop(hWnd);
        return returnNothing;
    }
    POINT pt;
    if (!::GetCursorPos(&pt))
        return returnNothing;
    HWND hAt = ::WindowFromPoint(pt);
    if (hAt == hWnd)
    {
        if (!m_bAway)
            return returnNothing;
        m_bAway = FALSE;
        ptBack = pt;
        return returnBack;
    }
    const BOOL bWasHere = !m_bAway;
    // Over another window of the program, moves reach the program again.
    if (IsProgramWindow(hAt))
        Stop(hWnd);
    else
        m_bAway = TRUE;
    return bWasHere ? returnLeft : returnNothing;
}

void CXTPDockingPanePointerReturn::Stop(HWND hWnd)
{
    if (m_bWatching && hWnd)
        ::KillTimer(hWnd, m_nTimerId);
    m_bWatching = FALSE;
    m_bAway = FALSE;
}

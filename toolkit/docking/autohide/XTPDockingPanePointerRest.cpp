#include "toolkit/docking/autohide/XTPDockingPanePointerRest.h"
#include <cstdlib>

UINT CXTPDockingPanePointerRest::RestTime(int nHoverTime)
{
    if (nHoverTime > 0)
        return static_cast<UINT>(nHoverTime);
    UINT nTime = 0;
    if (!::SystemParametersInfoW(SPI_GETMOUSEHOVERTIME, 0, &nTime, 0) || nTime == 0)
        nTime = 400;
    return nTime;
}

BOOL CXTPDockingPanePointerRest::IsNearStart(POINT pt) const
{
    UINT nWidth = 0, nHeight = 0;
    if (!::SystemParametersInfoW(SPI_GETMOUSEHOVERWIDTH, 0, &nWidth, 0))
        nWidth = 4;
    if (!::SystemParametersInfoW(SPI_GETMOUSEHOVERHEIGHT, 0, &nHeight, 0))
        nHeight = 4;
    return std::abs(pt.x - m_ptStart.x) <= static_cast<int>(nWidth / 2) &&
           std::abs(pt.y - m_ptStart.y) <= static_cast<int>(nHeight / 2);
}

void CXTPDockingPanePointerRest::OnMove(HWND hWnd, POINT ptScreen, UINT nRestTime)
{
    if (m_bWaiting && IsNearStart(ptScreen))
        return;
    m_ptStart = ptScreen;
    m_nRestTime = nRestTime;
    m_bWaiting = ::SetTimer(hWnd, m_nTimerId, nRestTime, nullptr) != 0;
}

CXTPDockingPanePointerRest::Result CXTPDockingPanePointerRest::OnTimer(HWND hWnd, POINT& ptRest)
{
    Stop(hWnd);
    POINT pt;
    if (!::GetCursorPos(&pt) || ::WindowFromPoint(pt) != hWnd)
        return restLeft;
    // Moved on without a move message reaching the window (or within the
    // window's own moves): it has to rest from here on.
    if (!IsNearStart(pt))
    {
        OnMove(hWnd, pt, m_nRestTime);
        return restWaiting;
    }
    ptRest = pt;
    return restDone;
}

void CXTPDockingPanePointerRest::Stop(HWND hWnd)
{
    if (m_bWaiting && hWnd)
        ::KillTimer(hWnd, m_nTimerId);
    m_bWaiting = FALSE;
}

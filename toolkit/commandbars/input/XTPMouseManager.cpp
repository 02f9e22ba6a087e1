#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "framework/core/CThreadLocal.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/common/drawing/XTPWindowHelpers.h"

namespace {
THREAD_LOCAL(CXTPMouseManager, g_mouseManager)

BOOL IsMouseMoveMessage(UINT nMessage)
{
    return nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE;
}
} // namespace

CXTPMouseManager* XTPMouseManager()
{
    return g_mouseManager.GetData();
}

CXTPMouseManager* CXTPMouseManager::GetThreadManager()
{
    return g_mouseManager.GetData();
}

POINT& CXTPMouseManager::LastMousePoint()
{
    static POINT ptLast = {0, 0};
    return ptLast;
}

int CXTPMouseManager::CTrackArray::Find(const CXTPCommandBar* pBar) const
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        if (GetAt(i) == pBar)
            return static_cast<int>(i);
    return -1;
}

int CXTPMouseManager::CTrustedArray::Find(HWND hWnd) const
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        if (GetAt(i) == hWnd)
            return static_cast<int>(i);
    return -1;
}

CXTPMouseManager::CXTPMouseManager()
    : m_nLock(0)
    , m_hHookMouse(nullptr)
    , m_pSelected(nullptr)
    , m_hwndLeave(nullptr)
    , m_bForceExpanded(FALSE)
    , m_bSwallowUp(FALSE)
{
    m_hHookMouse = SetWindowsHookExW(WH_MOUSE, &MouseProc, nullptr, GetCurrentThreadId());
}

CXTPMouseManager::~CXTPMouseManager()
{
    if (m_hHookMouse)
        UnhookWindowsHookEx(m_hHookMouse);
}

void CXTPMouseManager::SetTrack(CXTPCommandBar* pBar)
{
    if (m_arrTracked.GetSize() == 0 && m_pSelected && m_pSelected != pBar) {
        CXTPCommandBar* pSelected = m_pSelected;
        m_pSelected = nullptr;
        pSelected->SetSelected(-1, FALSE);
    }
    if (m_arrTracked.Find(pBar) < 0)
        m_arrTracked.Add(pBar);
}

void CXTPMouseManager::RemoveTrack(CXTPCommandBar* pBar)
{
    int nIndex = m_arrTracked.Find(pBar);
    if (nIndex >= 0) {
        m_arrTracked.RemoveAt(nIndex);
        if (m_arrTracked.GetSize() == 0) {
            // Menus expanded during this tracking open short again next time.
            m_bForceExpanded = FALSE;
            // The window under the cursor gets a fresh mouse move.
            POINT pt;
            if (GetCursorPos(&pt))
                SetCursorPos(pt.x, pt.y);
        }
    }
    m_bSwallowUp = FALSE;
}

void CXTPMouseManager::EndAllTracking()
{
    while (m_arrTracked.GetSize() > 0) {
        CXTPCommandBar* pBar = m_arrTracked[0];
        pBar->EndTracking();
        // A bar that did not leave the list on its own must not stall the loop.
        if (m_arrTracked.GetSize() > 0 && m_arrTracked[0] == pBar)
            m_arrTracked.RemoveAt(0);
    }
}

void CXTPMouseManager::LockTrackedBars(BOOL bLock)
{
    for (INT_PTR i = 0; i < m_arrTracked.GetSize(); i++)
        m_arrTracked[i]->AddLock(bLock ? 1 : -1);
}

void CXTPMouseManager::CloseUnlockedBars()
{
    if (m_arrTracked.GetSize() == 0 || m_arrTracked[0]->GetLockCount() < 1)
        return;
    CTrackArray arrTracked;
    arrTracked.Append(m_arrTracked);
    for (INT_PTR i = 0; i < arrTracked.GetSize(); i++)
        if (m_arrTracked.Find(arrTracked[i]) >= 0 && arrTracked[i]->GetLockCount() == 0)
            arrTracked[i]->EndTracking();
}

BOOL CXTPMouseManager::IsTrackingElsewhere(CXTPCommandBar* pBar) const
{
    if (m_arrTracked.GetSize() == 0)
        return FALSE;
    if (!pBar || pBar->GetLockCount() > 0)
        return TRUE;
    return m_arrTracked.Find(pBar) < 0;
}

void CXTPMouseManager::RemoveTrustedWindow(HWND hWnd)
{
    int nIndex = m_arrTrusted.Find(hWnd);
    if (nIndex >= 0)
        m_arrTrusted.RemoveAt(nIndex);
}

BOOL CXTPMouseManager::IsInTrustedWindow(POINT pt) const
{
    for (INT_PTR i = 0; i < m_arrTrusted.GetSize(); i++) {
        HWND hWnd = m_arrTrusted[i];
        RECT rc;
        if (IsWindow(hWnd) && IsWindowVisible(hWnd) && GetWindowRect(hWnd, &rc) && PtInRect(&rc, pt))
            return TRUE;
    }
    return FALSE;
}

void CXTPMouseManager::TrackMouseLeave(HWND hWnd)
{
    if (hWnd == m_hwndLeave)
        return;
    if (m_hwndLeave && IsWindow(m_hwndLeave)) {
        KillTimer(m_hwndLeave, XTP_TID_MOUSELEAVE);
        SendMessageW(m_hwndLeave, WM_MOUSELEAVE, 0, 0);
    }
    m_hwndLeave = hWnd;
    if (hWnd)
        SetTimer(hWnd, XTP_TID_MOUSELEAVE, 50, &MouseLeaveTimerProc);
}

void CALLBACK CXTPMouseManager::MouseLeaveTimerProc(HWND hWnd, UINT /*nMessage*/, UINT_PTR nIDEvent, DWORD /*dwTime*/)
{
    CXTPMouseManager* pManager = g_mouseManager.GetData();
    if (!IsWindow(hWnd)) {
        pManager->m_hwndLeave = nullptr;
        return;
    }
    POINT pt;
    RECT rc;
    GetCursorPos(&pt);
    GetWindowRect(hWnd, &rc);
    BOOL bTopLevelLike = !GetParent(hWnd) || (GetWindowLongW(hWnd, GWL_STYLE) & WS_POPUP) || XTPIsTopParentActive(hWnd);
    if (PtInRect(&rc, pt) && bTopLevelLike)
        return;
    KillTimer(hWnd, nIDEvent);
    if (pManager->m_hwndLeave == hWnd)
        pManager->m_hwndLeave = nullptr;
    PostMessageW(hWnd, WM_MOUSELEAVE, 0, 0);
}

LRESULT CALLBACK CXTPMouseManager::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPMouseManager* pManager = g_mouseManager.GetData();
    HHOOK hHook = pManager->m_hHookMouse;
    if (nCode != HC_ACTION)
        return CallNextHookEx(hHook, nCode, wParam, lParam);

    UINT nMessage = static_cast<UINT>(wParam);
    POINT pt = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt;
    if (nMessage == WM_LBUTTONDOWN || nMessage == WM_RBUTTONDOWN)
        pManager->m_bSwallowUp = FALSE;
    if ((nMessage == WM_LBUTTONUP || nMessage == WM_NCLBUTTONUP) && pManager->m_bSwallowUp) {
        pManager->m_bSwallowUp = FALSE;
        return TRUE;
    }
    POINT& ptLast = LastMousePoint();
    if (pManager->m_arrTracked.GetSize() > 0 && IsMouseMoveMessage(nMessage) && pt.x == ptLast.x && pt.y == ptLast.y)
        return TRUE;
    ptLast = pt;
    if (pManager->m_arrTracked.GetSize() > 0)
        pManager->PreviewMouseMessage(nMessage, pt);
    return CallNextHookEx(hHook, nCode, wParam, lParam);
}

void CXTPMouseManager::PreviewMouseMessage(UINT nMessage, CPoint ptScreen)
{
    HWND hWndUnder = WindowFromPoint(ptScreen);
    for (INT_PTR i = m_arrTracked.GetSize() - 1; i >= 0; i--) {
        CXTPCommandBar* pBar = m_arrTracked[i];
        HWND hWndBar = pBar->GetSafeHwnd();
        if (!hWndBar)
            continue;
        int nInside = pBar->IsPointInside(ptScreen);
        if (nInside == 1 || (nInside != -2 && hWndUnder && IsChild(hWndBar, hWndUnder))) {
            if (pBar->GetLockCount() >= 1 && !IsMouseMoveMessage(nMessage) && !m_bSwallowUp) {
                CloseUnlockedBars();
                LastMousePoint() = POINT{0, 0};
            }
            return;
        }
    }
    if (IsInTrustedWindow(ptScreen))
        return;

    for (INT_PTR i = 0; i < m_arrTracked.GetSize(); i++) {
        CXTPCommandBar* pBar = m_arrTracked[i];
        switch (nMessage) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            if (pBar->GetLockCount() < 1 && pBar->GetSafeHwnd()) {
                CPoint pt = ptScreen;
                pBar->ScreenToClient(&pt);
                pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            EndAllTracking();
            break;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            if (m_nLock <= 0)
                EndAllTracking();
            break;
        default:
            break;
        }
    }
}

// Tooltips for windows without a tooltip control of their own: one
// tooltip per thread shows the tool that OnToolHitTest reports under the
// mouse.
#include "framework/core/AfxThreadState.h"
#include "framework/core/ModuleState.h"
#include "framework/windows/CWnd.h"

namespace
{
HWND ThreadToolTip()
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_hToolTip != nullptr && !::IsWindow(state->m_hToolTip))
        state->m_hToolTip = nullptr;
    if (state->m_hToolTip == nullptr) {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&init);
        state->m_hToolTip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                                              0, 0, nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
        state->m_hWndLastHit = nullptr;
        state->m_nLastHit = -1;
    }
    return state->m_hToolTip;
}

// Removes the tool last shown (the tooltip keeps only that one).
void ForgetLastTool(AFX_THREAD_STATE* state)
{
    if (state->m_hToolTip != nullptr) {
        ::SendMessageW(state->m_hToolTip, TTM_POP, 0, 0);
        while (::SendMessageW(state->m_hToolTip, TTM_GETTOOLCOUNT, 0, 0) > 0) {
            TTTOOLINFOW ti = {};
            ti.cbSize = sizeof(ti);
            if (!::SendMessageW(state->m_hToolTip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti)))
                break;
            ::SendMessageW(state->m_hToolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        }
    }
    state->m_hWndLastHit = nullptr;
    state->m_nLastHit = -1;
}
} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    BOOL wasEnabled = m_bToolTipsEnabled;
    m_bToolTipsEnabled = bEnable;
    if (bEnable)
        ThreadToolTip();
    else if (AfxGetThreadState()->m_hWndLastHit == m_hWnd)
        CancelToolTips();
    return wasEnabled;
}

void CWnd::CancelToolTips(BOOL bKeys)
{
    ForgetLastTool(AfxGetThreadState());
    if (bKeys) {
        // Pressed modifier keys no longer count for the tip.
        BYTE keys[256];
        if (::GetKeyboardState(keys)) {
            keys[VK_SHIFT] = keys[VK_CONTROL] = keys[VK_MENU] = 0;
            ::SetKeyboardState(keys);
        }
    }
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    HWND hToolTip = ThreadToolTip();
    if (hToolTip == nullptr || m_hWnd == nullptr)
        return;
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        // A click ends the tip.
        CancelToolTips();
        return;
    default:
        break;
    }
    if (pMsg->message != WM_MOUSEMOVE)
        return;

    POINT point = {static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam))};
    if (pMsg->hwnd != m_hWnd)
        ::MapWindowPoints(pMsg->hwnd, m_hWnd, &point, 1);
    TTTOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    INT_PTR hit = OnToolHitTest(CPoint(point), &ti);
    if (hit != state->m_nLastHit || state->m_hWndLastHit != m_hWnd) {
        ForgetLastTool(state);
        if (hit != -1) {
            if (ti.hwnd == nullptr)
                ti.hwnd = m_hWnd;
            if (ti.uId == 0 && !(ti.uFlags & TTF_IDISHWND))
                ti.uId = static_cast<UINT_PTR>(hit);
            if (ti.lpszText == nullptr)
                ti.lpszText = LPSTR_TEXTCALLBACKW;
            if (!(ti.uFlags & TTF_IDISHWND) && ::IsRectEmpty(&ti.rect))
                ::GetClientRect(m_hWnd, &ti.rect);
            ::SendMessageW(hToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
            state->m_nLastHit = hit;
            state->m_hWndLastHit = m_hWnd;
        }
    }
    if (hit != -1) {
        MSG relayed = *pMsg;
        relayed.hwnd = m_hWnd;
        relayed.lParam = MAKELPARAM(point.x, point.y);
        ::SendMessageW(hToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
}

// The modal loop of dialogs and sheets.
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CWinThread.h"
#include "framework/windows/CWnd.h"

void CWnd::PrepareModalLoop()
{
    m_bContinueModal = TRUE;
    m_nModalResult = -1;
}

BOOL CWnd::ContinueModal()
{
    return m_bContinueModal;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal) {
        m_bContinueModal = FALSE;
        // Wakes a loop waiting in GetMessage.
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    HWND hWnd = m_hWnd;
    HWND hWndParent = ::GetParent(hWnd);
    bool shown = !(dwFlags & MLF_SHOWONIDLE) || (GetStyle() & WS_VISIBLE);
    bool idle = true;
    LONG idleCount = 0;
    MSG msg;
    while (ContinueModal() && ::IsWindow(hWnd)) {
        while (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!shown) {
                ::ShowWindow(hWnd, SW_SHOWNORMAL);
                ::UpdateWindow(hWnd);
                shown = true;
            }
            if (idleCount == 0) {
                // The thread's own loop waits behind this one: the frames'
                // bars (the lock-key indicators among them) still follow.
                if (CWinThread* pThread = AfxGetThread())
                    pThread->UpdateIdleCmdUI();
                if (!ContinueModal() || !::IsWindow(hWnd))
                    return m_nModalResult;
                if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != nullptr)
                    ::SendMessageW(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(hWnd));
            }
            if ((dwFlags & MLF_NOKICKIDLE) || !::SendMessageW(hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++))
                idle = false;
            if (!ContinueModal() || !::IsWindow(hWnd))
                return m_nModalResult;
        }
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0)
            ::PostQuitMessage(static_cast<int>(msg.wParam));
        if (got == 0 || got == -1) {
            m_bContinueModal = FALSE;
            break;
        }
        if (!WalkPreTranslateTree(hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE && msg.message != WM_TIMER &&
            msg.message != 0x0118) {
            idle = true;
            idleCount = 0;
        }
    }
    return m_nModalResult;
}

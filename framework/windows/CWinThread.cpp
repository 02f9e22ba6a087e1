#include "framework/windows/CWinThread.h"

#include "framework/gdi/CDC.h"
#include "framework/core/CException.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/gdi/CGdiObject.h"
#include "framework/gdi/CImageList.h"
#include "framework/windows/CMenu.h"
#include "framework/windows/CWinApp.h"
#include "framework/windows/CWnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {
thread_local CWinThread* t_pThread = nullptr;
}

CWinThread::CWinThread()
{
    if (t_pThread == nullptr)
        t_pThread = this;
    m_nThreadID = GetCurrentThreadId();
}

CWinThread::~CWinThread()
{
    if (t_pThread == this)
        t_pThread = nullptr;
}

CWinThread* AfxGetThread()
{
    if (t_pThread != nullptr)
        return t_pThread;
    return AfxGetApp();
}

CWnd* AfxGetMainWnd()
{
    CWinThread* thread = AfxGetThread();
    return thread != nullptr ? thread->GetMainWnd() : nullptr;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pActiveWnd != nullptr ? m_pActiveWnd : m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

int CWinThread::Run()
{
    BOOL idle = TRUE;
    LONG idleCount = 0;
    for (;;) {
        // Idle work while the queue is empty.
        while (idle && !PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                idle = TRUE;
                idleCount = 0;
            }
        } while (PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    // 0 is WM_QUIT; -1 a failure that leaves the message unfilled.
    BOOL got = GetMessageW(&m_msgCur, nullptr, 0, 0);
    if (got == 0 || got == -1)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        TranslateMessage(&m_msgCur);
        DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr) {
        // A message posted to the thread: the thread's message map.
        const AFX_MSGMAP_ENTRY* entry = AfxFindWindowMessageEntry(GetMessageMap(), pMsg->message);
        if (entry != nullptr) {
            AFX_MSGCALL call = {pMsg->message, pMsg->wParam, pMsg->lParam, 0, 0, nullptr, 0};
            entry->pfn(this, call);
            return TRUE;
        }
        return FALSE;
    }
    // From the target window up its parents to the main window.
    CWnd* pMainWnd = GetMainWnd();
    HWND hWndMain = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    // A window outside the main window (a popup it owns): the main window
    // still sees the message (its accelerators work there too).
    if (hWndMain != nullptr && ::IsWindow(hWndMain)) {
        HWND hWndTop = pMsg->hwnd;
        while (::GetWindowLongW(hWndTop, GWL_STYLE) & WS_CHILD) {
            HWND hWndParent = ::GetParent(hWndTop);
            if (hWndParent == nullptr)
                break;
            hWndTop = hWndParent;
        }
        if (hWndTop != hWndMain && CWnd::FromHandlePermanent(hWndMain) == pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

namespace {

// Sends the idle update to a visible top-level window and all its
// descendants that have objects.
void UpdateWindowAndDescendants(CWnd* pWnd)
{
    if (pWnd == nullptr || !::IsWindowVisible(pWnd->m_hWnd))
        return;
    HWND hWnd = pWnd->m_hWnd;
    AfxCallWndProc(pWnd, hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
    if (CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

} // namespace

void CWinThread::UpdateIdleCmdUI()
{
    CWnd* pMainWnd = m_pMainWnd;
    HWND hWndMain = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
    UpdateWindowAndDescendants(pMainWnd);
    // Frames floating beside the main window (owned by it) too.
    DWORD thread = ::GetCurrentThreadId();
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr && hWndMain != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd == hWndMain || ::GetWindowThreadProcessId(hWnd, nullptr) != thread ||
            ::GetWindow(hWnd, GW_OWNER) != hWndMain)
            continue;
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            UpdateWindowAndDescendants(pWnd);
    }
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        UpdateIdleCmdUI();
        return TRUE;
    }
    // Then the temporary wrappers of foreign handles go.
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    CImageList::DeleteTempMap();
    return FALSE;
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (pMsg->message == WM_CREATE)
        return -1;  // the window is not made; its creator learns of it
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr);  // no endless repaint of the failure
    e->ReportError(MB_ICONEXCLAMATION);
    return 0;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        // A mouse move to the same place starts no new idle phase.
        if (m_nMsgLast == pMsg->message && m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    // WM_PAINT and the caret blink timer (0x118) come back by themselves.
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

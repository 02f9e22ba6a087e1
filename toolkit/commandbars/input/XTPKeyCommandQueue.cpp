#include "toolkit/commandbars/input/XTPKeyCommandQueue.h"
#include "framework/core/CThreadLocal.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"

namespace {
THREAD_LOCAL(CXTPKeyCommandQueue, g_keyCommandQueue)

const wchar_t kClassName[] = L"XTPKeyCommandQueue";
const UINT kRunWaiting = WM_APP + 1;
} // namespace

CXTPKeyCommandQueue* CXTPKeyCommandQueue::GetThreadQueue()
{
    return g_keyCommandQueue.GetData();
}

CXTPKeyCommandQueue::CXTPKeyCommandQueue() : m_hWnd(nullptr), m_bPosted(FALSE) {}

CXTPKeyCommandQueue::~CXTPKeyCommandQueue()
{
    // Each manager drops its own waiting controls when it goes. What is left
    // here belongs to no living manager, and at process exit releasing it
    // would call into managers already gone: leave it to the process's end.
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

void CXTPKeyCommandQueue::DropWaitingOf(CXTPCommandBars* pCommandBars)
{
    CXTPKeyCommandQueue* pQueue = g_keyCommandQueue.GetDataNA();
    if (!pQueue || !pCommandBars)
        return;
    std::vector<CWaiting> dropped;
    for (size_t i = 0; i < pQueue->m_waiting.size();) {
        if (pQueue->m_waiting[i].pCommandBars == pCommandBars) {
            dropped.push_back(std::move(pQueue->m_waiting[i]));
            pQueue->m_waiting.erase(pQueue->m_waiting.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            i++;
        }
    }
    // Released once out of the list: a control's end may touch the queue.
    for (CWaiting& entry : dropped)
        entry.pControl->InternalRelease();
}

void CXTPKeyCommandQueue::Run(CXTPControl* pControl, std::function<void(CXTPControl*)> action)
{
    if (!pControl)
        return;
    if (XTPKeyboardManager()->IsHandingKey())
        GetThreadQueue()->Add(pControl, std::move(action));
    else
        action(pControl);
}

void CXTPKeyCommandQueue::Add(CXTPControl* pControl, std::function<void(CXTPControl*)> action)
{
    if (!m_hWnd) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &CXTPKeyCommandQueue::WindowProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        ::RegisterClassW(&wc);  // fails harmlessly once registered
        m_hWnd = ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    if (!m_hWnd) {
        // Without a window to wait on, late is better than never.
        action(pControl);
        return;
    }
    // A post may be lost (a loop that drops messages): a new one goes out
    // whenever none is on its way, else the list would wait for good.
    if (!IsRunOnItsWay()) {
        if (!::PostMessageW(m_hWnd, kRunWaiting, 0, 0)) {
            action(pControl);
            return;
        }
        m_bPosted = TRUE;
    }
    pControl->InternalAddRef();
    m_waiting.push_back({pControl, pControl->GetCommandBars(), std::move(action)});
}

BOOL CXTPKeyCommandQueue::IsRunOnItsWay() const
{
    if (!m_bPosted)
        return FALSE;
    // Only posted messages are looked at: nothing is dispatched from here.
    MSG msg;
    return ::PeekMessageW(&msg, m_hWnd, kRunWaiting, kRunWaiting, PM_NOREMOVE | PM_NOYIELD | PM_QS_POSTMESSAGE);
}

void CXTPKeyCommandQueue::RunWaiting()
{
    // An action may choose another command by key or end the thread's bars:
    // run what waits now, from a list of its own.
    std::vector<CWaiting> waiting;
    waiting.swap(m_waiting);
    for (CWaiting& entry : waiting) {
        if (entry.pControl->GetParent())
            entry.action(entry.pControl);
        entry.pControl->InternalRelease();
    }
}

LRESULT CALLBACK CXTPKeyCommandQueue::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRunWaiting) {
        CXTPKeyCommandQueue* pQueue = g_keyCommandQueue.GetDataNA();
        if (pQueue && pQueue->m_hWnd == hWnd) {
            pQueue->m_bPosted = FALSE;
            pQueue->RunWaiting();
        }
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

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

CXTPKeyCommandQueue::CXTPKeyCommandQueue() : m_hWnd(nullptr) {}

CXTPKeyCommandQueue::~CXTPKeyCommandQueue()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    for (const CWaiting& waiting : m_waiting)
        waiting.pControl->InternalRelease();
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
    pControl->InternalAddRef();
    m_waiting.push_back({pControl, std::move(action)});
    if (m_waiting.size() == 1)
        ::PostMessageW(m_hWnd, kRunWaiting, 0, 0);
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
        if (pQueue && pQueue->m_hWnd == hWnd)
            pQueue->RunWaiting();
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

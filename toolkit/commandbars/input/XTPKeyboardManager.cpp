#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "framework/core/CThreadLocal.h"
#include "toolkit/commandbars/input/XTPHookManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

namespace {
THREAD_LOCAL(CXTPKeyboardManager, g_keyboardManager)

const LPARAM kAltContextBit = 1 << 29;
const LPARAM kPreviousStateBit = 1 << 30;
const LPARAM kTransitionBit = static_cast<LPARAM>(1u << 31);

// A key of unicode input (VK_PACKET) has its character where the transition
// bits would be, and under Wine its release is marked only in the key state,
// which the hook sees as it was before the key.
BOOL IsKeyRelease(WPARAM vk, LPARAM lParam)
{
    if (vk == VK_PACKET)
        return ::GetKeyState(VK_PACKET) < 0;
    return (lParam & kTransitionBit) != 0;
}
} // namespace

CXTPKeyboardManager* XTPKeyboardManager()
{
    return g_keyboardManager.GetData();
}

CXTPKeyboardManager* CXTPKeyboardManager::GetThreadManager()
{
    return g_keyboardManager.GetData();
}

CXTPKeyboardManager::CXTPKeyboardManager()
    : m_hHookKeyboard(nullptr)
    , m_hHookCallWndProc(nullptr)
    , m_nHandingKey(0)
    , m_lstClients(10)
{
}

CXTPKeyboardManager::~CXTPKeyboardManager()
{
    RemoveHooks();
}

void CXTPKeyboardManager::HookKeyboard(CXTPHookManagerHookAble* pHook)
{
    if (!m_hHookKeyboard)
        m_hHookKeyboard = SetWindowsHookExW(WH_KEYBOARD, &KeyboardProc, GetModuleHandleW(nullptr), GetCurrentThreadId());
    if (!m_hHookCallWndProc)
        m_hHookCallWndProc =
            SetWindowsHookExW(WH_CALLWNDPROC, &CallWndProc, GetModuleHandleW(nullptr), GetCurrentThreadId());
    if (!m_lstClients.Find(pHook))
        m_lstClients.AddTail(pHook);
}

void CXTPKeyboardManager::UnhookKeyboard(CXTPHookManagerHookAble* pHook)
{
    POSITION pos = m_lstClients.Find(pHook);
    if (pos)
        m_lstClients.RemoveAt(pos);
    if (m_lstClients.IsEmpty())
        RemoveHooks();
}

void CXTPKeyboardManager::RemoveHooks()
{
    if (m_hHookKeyboard)
        UnhookWindowsHookEx(m_hHookKeyboard);
    if (m_hHookCallWndProc)
        UnhookWindowsHookEx(m_hHookCallWndProc);
    m_hHookKeyboard = m_hHookCallWndProc = nullptr;
}

int CXTPKeyboardManager::AskClients(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A client may unhook itself (its bar stops tracking) while answering.
    CArray<CXTPHookManagerHookAble*, CXTPHookManagerHookAble*> arrClients;
    for (POSITION pos = m_lstClients.GetHeadPosition(); pos;)
        arrClients.Add(m_lstClients.GetNext(pos));
    for (INT_PTR i = arrClients.GetSize() - 1; i >= 0; i--) {
        if (!m_lstClients.Find(arrClients[i]))
            continue;
        WPARAM wParamCopy = wParam;
        LPARAM lParamCopy = lParam;
        LRESULT lResult = 0;
        int nAnswer = arrClients[i]->OnHookMessage(nullptr, message, wParamCopy, lParamCopy, lResult);
        if (nAnswer != 0)
            return nAnswer;
    }
    return 0;
}

BOOL CXTPKeyboardManager::DispatchKey(WPARAM vk, LPARAM lParam)
{
    // While a bar tracks, keys nobody handles do not reach the application.
    m_nHandingKey++;
    int nAnswer = AskClients(WM_KEYDOWN, vk, lParam);
    m_nHandingKey--;
    return nAnswer == 2;
}

BOOL CXTPKeyboardManager::ProcessKeyboardHooks(UINT message, WPARAM wParam, LPARAM lParam)
{
    return AskClients(message, wParam, lParam) != 2;
}

LRESULT CALLBACK CXTPKeyboardManager::KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPKeyboardManager* pManager = g_keyboardManager.GetData();
    if (nCode != HC_ACTION || pManager->m_lstClients.IsEmpty() || IsKeyRelease(wParam, lParam))
        return CallNextHookEx(pManager->m_hHookKeyboard, nCode, wParam, lParam);

    if ((lParam & kAltContextBit) && wParam == VK_MENU && !XTPMouseManager()->IsMouseLocked()) {
        if (lParam & kPreviousStateBit)
            return CallNextHookEx(pManager->m_hHookKeyboard, nCode, wParam, lParam);
        XTPMouseManager()->EndAllTracking();
        return TRUE;
    }
    HHOOK hHook = pManager->m_hHookKeyboard;
    if (pManager->DispatchKey(wParam, lParam))
        return CallNextHookEx(hHook, nCode, wParam, lParam);
    return TRUE;
}

LRESULT CALLBACK CXTPKeyboardManager::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPKeyboardManager* pManager = g_keyboardManager.GetData();
    HHOOK hHook = pManager->m_hHookCallWndProc;
    const CWPSTRUCT* pMessage = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMessage && pMessage->message == WM_ACTIVATEAPP && !pMessage->wParam)
        XTPMouseManager()->EndAllTracking();
    return CallNextHookEx(hHook, nCode, wParam, lParam);
}

#include "toolkit/commandbars/input/XTPHookManager.h"
#include "framework/core/AfxThreadState.h"

CXTPHookManager* XTPHookManager()
{
    static CXTPHookManager manager;
    return &manager;
}

CXTPHookManager::CHookSink::CHookSink(HWND hWnd)
    : m_pOldWndProc(reinterpret_cast<WNDPROC>(GetWindowLongW(hWnd, GWLP_WNDPROC)))
    , m_hWnd(hWnd)
{
    SetWindowLongW(hWnd, GWLP_WNDPROC, static_cast<LONG>(reinterpret_cast<LONG_PTR>(&CXTPHookManager::HookWndProc)));
}

CXTPHookManager::CHookSink::~CHookSink()
{
    if (IsWindow(m_hWnd))
        SetWindowLongW(m_hWnd, GWLP_WNDPROC, static_cast<LONG>(reinterpret_cast<LONG_PTR>(m_pOldWndProc)));
}

int CXTPHookManager::CHookSink::Find(CXTPHookManagerHookAble* pHook) const
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        if (GetAt(i) == pHook)
            return static_cast<int>(i);
    return -1;
}

CXTPHookManager::~CXTPHookManager()
{
    POSITION pos = m_mapSinks.GetStartPosition();
    while (pos) {
        HWND hWnd;
        CHookSink* pSink;
        m_mapSinks.GetNextAssoc(pos, hWnd, pSink);
        delete pSink;
    }
    m_mapSinks.RemoveAll();
}

CXTPHookManager::CHookSink* CXTPHookManager::Lookup(HWND hWnd) const
{
    CHookSink* pSink = nullptr;
    return m_mapSinks.Lookup(hWnd, pSink) ? pSink : nullptr;
}

void CXTPHookManager::SetHook(HWND hWnd, CXTPHookManagerHookAble* pHook)
{
    if (!hWnd || !pHook)
        return;
    CHookSink* pSink = Lookup(hWnd);
    if (!pSink) {
        pSink = new CHookSink(hWnd);
        m_mapSinks.SetAt(hWnd, pSink);
    }
    if (pSink->Find(pHook) < 0)
        pSink->Add(pHook);
}

void CXTPHookManager::RemoveHook(HWND hWnd, CXTPHookManagerHookAble* pHook)
{
    CHookSink* pSink = Lookup(hWnd);
    if (!pSink)
        return;
    int nIndex = pSink->Find(pHook);
    if (nIndex < 0)
        return;
    pSink->RemoveAt(nIndex);
    if (pSink->GetSize() == 0) {
        m_mapSinks.RemoveKey(hWnd);
        delete pSink;
    }
}

void CXTPHookManager::RemoveAll(HWND hWnd)
{
    CHookSink* pSink = Lookup(hWnd);
    if (!pSink)
        return;
    m_mapSinks.RemoveKey(hWnd);
    delete pSink;
}

void CXTPHookManager::RemoveAll(CXTPHookManagerHookAble* pHook)
{
    // Collect first: deleting sinks while walking the map would lose the position.
    CArray<HWND, HWND> arrEmptied;
    POSITION pos = m_mapSinks.GetStartPosition();
    while (pos) {
        HWND hWnd;
        CHookSink* pSink;
        m_mapSinks.GetNextAssoc(pos, hWnd, pSink);
        int nIndex = pSink->Find(pHook);
        if (nIndex < 0)
            continue;
        pSink->RemoveAt(nIndex);
        if (pSink->GetSize() == 0)
            arrEmptied.Add(hWnd);
    }
    for (INT_PTR i = 0; i < arrEmptied.GetSize(); i++)
        RemoveAll(arrEmptied[i]);
}

LRESULT CALLBACK CXTPHookManager::HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldState = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMessage;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    CXTPHookManager* pManager = XTPHookManager();
    CHookSink* pSink = pManager->Lookup(hWnd);
    if (!pSink) {
        pState->m_lastSentMsg = oldState;
        return DefWindowProcW(hWnd, nMessage, wParam, lParam);
    }
    WNDPROC pOldWndProc = pSink->m_pOldWndProc;

    if (nMessage == WM_NCDESTROY) {
        // The old procedure gets its last message with the subclass gone.
        pManager->RemoveAll(hWnd);
    } else {
        // Clients may unhook themselves while answering: ask a copy.
        CArray<CXTPHookManagerHookAble*, CXTPHookManagerHookAble*> arrClients;
        arrClients.Append(*pSink);
        for (INT_PTR i = arrClients.GetSize() - 1; i >= 0; i--) {
            LRESULT lResult = 0;
            int nAnswer = arrClients[i]->OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
            if (nAnswer == 1) {
                pState->m_lastSentMsg = oldState;
                return lResult;
            }
            if (nAnswer == 2)
                break;
        }
    }
    LRESULT lResult = CallWindowProcW(pOldWndProc, hWnd, nMessage, wParam, lParam);
    pState->m_lastSentMsg = oldState;
    return lResult;
}

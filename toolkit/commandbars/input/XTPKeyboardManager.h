// Per thread: the keyboard and call-window-procedure hooks that exist while
// a tracking bar (or an auto-complete list) wants the thread's keys.
#pragma once
#include <windows.h>
#include "framework/collections/CList.h"
#include "framework/core/CNoTrackObject.h"

class CXTPHookManagerHookAble;

class CXTPKeyboardManager : public CNoTrackObject
{
public:
    CXTPKeyboardManager();
    ~CXTPKeyboardManager() override;

    void HookKeyboard(CXTPHookManagerHookAble* pHook);
    void UnhookKeyboard(CXTPHookManagerHookAble* pHook);
    BOOL IsKeyboardHooked() const { return m_hHookKeyboard != nullptr; }
    BOOL IsCallWndProcHooked() const { return m_hHookCallWndProc != nullptr; }
    // A message the clients see before the application (the mouse wheel):
    // TRUE when it is taken, which it is unless a client passes it on.
    BOOL ProcessKeyboardHooks(UINT message, WPARAM wParam, LPARAM lParam);
    // TRUE while the keyboard hook hands a key to the clients: the key is
    // still in the thread's input queue then (see CXTPKeyCommandQueue).
    BOOL IsHandingKey() const { return m_nHandingKey > 0; }

    // The calling thread's manager.
    static CXTPKeyboardManager* GetThreadManager();

private:
    static LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);
    void RemoveHooks();
    // Asks the clients, last added first: the first answer that is not 0
    // (2: the message goes on), 0 when none answers.
    int AskClients(UINT message, WPARAM wParam, LPARAM lParam);
    // Asks the clients, last added first; TRUE when the key goes on.
    BOOL DispatchKey(WPARAM vk, LPARAM lParam);

    HHOOK m_hHookKeyboard;
    HHOOK m_hHookCallWndProc;
    int m_nHandingKey;
    CList<CXTPHookManagerHookAble*, CXTPHookManagerHookAble*> m_lstClients;
};

CXTPKeyboardManager* XTPKeyboardManager();

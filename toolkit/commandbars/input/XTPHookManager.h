// Window-message hooks by subclassing: per window a chain of clients that
// see each message before the window's own procedure.
#pragma once
#include <windows.h>
#include "framework/collections/CArray.h"
#include "framework/collections/CMap.h"

// A client of a window hook. Answers: 0 not handled (ask the next client),
// 1 handled (lResult is the answer), 2 stop asking and let the message go on.
class CXTPHookManagerHookAble
{
public:
    virtual ~CXTPHookManagerHookAble() = default;
    virtual int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) = 0;
};

class CXTPHookManager
{
public:
    // The clients of one window and the procedure they stand in front of.
    class CHookSink : public CArray<CXTPHookManagerHookAble*, CXTPHookManagerHookAble*>
    {
    public:
        explicit CHookSink(HWND hWnd);
        ~CHookSink();
        CHookSink(const CHookSink&) = delete;
        CHookSink& operator=(const CHookSink&) = delete;

        int Find(CXTPHookManagerHookAble* pHook) const;

        WNDPROC m_pOldWndProc;
        HWND m_hWnd;
    };

    CXTPHookManager() = default;
    ~CXTPHookManager();
    CXTPHookManager(const CXTPHookManager&) = delete;
    CXTPHookManager& operator=(const CXTPHookManager&) = delete;

    void SetHook(HWND hWnd, CXTPHookManagerHookAble* pHook);
    void RemoveHook(HWND hWnd, CXTPHookManagerHookAble* pHook);
    void RemoveAll(HWND hWnd);
    void RemoveAll(CXTPHookManagerHookAble* pHook);
    CHookSink* Lookup(HWND hWnd) const;

private:
    static LRESULT CALLBACK HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

    CMap<HWND, HWND, CHookSink*, CHookSink*> m_mapSinks{10};
};

// The process-wide hook manager.
CXTPHookManager* XTPHookManager();

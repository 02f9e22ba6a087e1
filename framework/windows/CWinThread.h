// A thread with a message loop: pumps, pre-translates and dispatches the
// thread's messages and does idle work when the queue is empty.
#pragma once
#include "framework/core/CCmdTarget.h"

class CException;
class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)

public:
    CWinThread();
    ~CWinThread() override;

    // The main window: its pre-translation runs for every message and it
    // (with its descendants) receives the idle-time command updates; the
    // loop ends when it is destroyed.
    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    BOOL m_bAutoDelete = FALSE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;

    virtual CWnd* GetMainWnd();

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop; returns ExitInstance's result after WM_QUIT.
    virtual int Run();
    // Takes one message off the queue and dispatches it; FALSE on WM_QUIT
    // or when GetMessage fails.
    virtual BOOL PumpMessage();
    // Offers a message to the windows from its target up to the main
    // window; TRUE when one of them consumed it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Idle work; lCount counts the calls since the last real message.
    // Returns TRUE while more idle work is wanted.
    virtual BOOL OnIdle(LONG lCount);
    // The idle update of the command UI (WM_IDLEUPDATECMDUI) for the main
    // window, the frames it owns and their descendants: the first idle pass
    // after a message, and modal loops, which block the thread's own loop.
    void UpdateIdleCmdUI();
    // Whether a message ends an idle phase (repeated mouse moves and the
    // caret blink do not).
    virtual BOOL IsIdleMessage(MSG* pMsg);

    // A framework exception thrown by a message handler ends up here (it
    // must not leave the window procedure): reports it and answers the
    // message's result, -1 for WM_CREATE so that the creation fails.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

    // The message being pumped.
    MSG m_msgCur = {};

protected:
    POINT m_ptCursorLast = {-1, -1};
    UINT m_nMsgLast = 0;
};

// The framework thread object of the calling thread (the application on
// the thread that created it).
CWinThread* AfxGetThread();
// The calling thread's main window (null when there is none).
CWnd* AfxGetMainWnd();

// Base of the engine's worker threads: each start runs the body once on a
// new thread; stopping is co-operative (the owner signals the worker's own
// stop event, then waits with Stop), killing is forced.
#pragma once
#include "framework/Framework.h"
#include "engine/ThreadException.h"

class CThread : public CObject
{
    DECLARE_DYNAMIC(CThread)

public:
    // Exit code from construction until a first run has ended.
    static const DWORD NeverRun = DWORD(-2);

    CThread();
    ~CThread() override;

    // Runs the body on a new thread. Throws CThreadException (code 2) when
    // the thread still runs, (code 1) when it cannot be created.
    void Start();

    // Waits until the body has returned (the stop event must be signalled
    // first); hands out the exit code. FALSE only if that is STILL_ACTIVE.
    BOOL Stop(DWORD& dwExitCode);

    // Ends the thread at once (exit code 0) and calls OnKilled.
    void Kill();

    BOOL IsRunning();
    DWORD GetExitCode();
    const CString& GetName() const { return m_strName; }

    // How many threads of that name run now (0 when it is not listed).
    static int GetRunningCountOf(LPCTSTR pszName);

protected:
    // The body; its result becomes the exit code.
    virtual DWORD Run() = 0;
    // Called after a forced end.
    virtual void OnKilled();

    CString m_strName;
    BOOL m_bSynchronised;

private:
    static DWORD WINAPI ThreadProc(LPVOID pParam);
    void OnRunEnded(DWORD dwResult);
    void EnterNameList();
    void LeaveNameList();
    void ClearThreadFields();

    POSITION m_posNameList;
    HANDLE m_hThread;
    DWORD m_dwThreadId;
    DWORD m_dwExitCode;
};

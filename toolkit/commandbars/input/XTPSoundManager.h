// The menu sounds, played by one worker thread so that opening a menu never
// waits for a sound. A newer request replaces one not yet picked up.
#pragma once
#include <windows.h>

#include <memory>

#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CXTPSoundManager
{
public:
    // PlaySoundW's shape; called with a null sound to stop the one playing.
    typedef BOOL(WINAPI* PFNPLAYSOUND)(LPCWSTR pszSound, HMODULE hModule, DWORD dwFlags);

    CXTPSoundManager();
    ~CXTPSoundManager();
    CXTPSoundManager(const CXTPSoundManager&) = delete;
    CXTPSoundManager& operator=(const CXTPSoundManager&) = delete;

    void PlaySystemSound(XTPSoundMenuSound sound);
    void StartThread();
    // Stops the sound playing now and waits about a second for the worker
    // to end; a worker stuck in a sound call is left to end on its own.
    void StopThread();
    BOOL IsThreadRunning() const;

    // Replaces the play call (null: PlaySoundW); only while no thread runs.
    void SetPlayProc(PFNPLAYSOUND pfnPlay) { m_pfnPlay = pfnPlay ? pfnPlay : &PlaySoundW; }

private:
    // What one worker shares with the manager. The worker holds its own
    // reference, so a worker that outlives the manager's wait (or the
    // manager itself) still reads live data.
    struct CWorkerState
    {
        explicit CWorkerState(PFNPLAYSOUND pfnPlay);
        ~CWorkerState();
        CWorkerState(const CWorkerState&) = delete;
        CWorkerState& operator=(const CWorkerState&) = delete;

        CRITICAL_SECTION lock;
        HANDLE hWake;
        XTPSoundMenuSound request = xtpSoundNone;
        BOOL bStop = FALSE;
        PFNPLAYSOUND pfnPlay;
    };

    static DWORD WINAPI SoundThreadProc(LPVOID lpParameter);
    static void Run(CWorkerState& state);

    BOOL m_bEnabled;
    HANDLE m_hThread;
    std::shared_ptr<CWorkerState> m_pState;
    PFNPLAYSOUND m_pfnPlay;
};

// The process-wide sound player.
CXTPSoundManager* XTPSoundManager();

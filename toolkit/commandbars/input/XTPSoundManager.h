// The menu sounds, played by one worker thread so that opening a menu never
// waits for a sound. A newer request replaces one not yet picked up.
#pragma once
#include <windows.h>
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
    // Stops the sound playing now and waits for the worker to end.
    void StopThread();
    BOOL IsThreadRunning() const;

    // Replaces the play call (null: PlaySoundW); only while no thread runs.
    void SetPlayProc(PFNPLAYSOUND pfnPlay) { m_pfnPlay = pfnPlay ? pfnPlay : &PlaySoundW; }

private:
    static DWORD WINAPI SoundThreadProc(LPVOID lpParameter);
    void Run();

    XTPSoundMenuSound m_soundRequest;
    BOOL m_bEnabled;
    HANDLE m_hThread;
    BOOL m_bStop;
    CRITICAL_SECTION m_lock;
    HANDLE m_hWake;
    PFNPLAYSOUND m_pfnPlay;
};

// The process-wide sound player.
CXTPSoundManager* XTPSoundManager();

#include "toolkit/commandbars/input/XTPSoundManager.h"
#include <mmsystem.h>

namespace {
const DWORD kSystemSoundFlags = SND_ALIAS | SND_NOWAIT | SND_NODEFAULT;
} // namespace

CXTPSoundManager* XTPSoundManager()
{
    static CXTPSoundManager manager;
    return &manager;
}

CXTPSoundManager::CXTPSoundManager()
    : m_soundRequest(xtpSoundNone)
    , m_bEnabled(TRUE)
    , m_hThread(nullptr)
    , m_bStop(FALSE)
    , m_hWake(CreateEventW(nullptr, FALSE, FALSE, nullptr))
    , m_pfnPlay(&PlaySoundW)
{
    InitializeCriticalSection(&m_lock);
}

CXTPSoundManager::~CXTPSoundManager()
{
    StopThread();
    if (m_hWake)
        CloseHandle(m_hWake);
    DeleteCriticalSection(&m_lock);
}

BOOL CXTPSoundManager::IsThreadRunning() const
{
    return m_hThread != nullptr;
}

void CXTPSoundManager::PlaySystemSound(XTPSoundMenuSound sound)
{
    if (!m_bEnabled)
        return;
    if (!m_hThread)
        StartThread();
    EnterCriticalSection(&m_lock);
    m_soundRequest = sound;
    LeaveCriticalSection(&m_lock);
    SetEvent(m_hWake);
}

void CXTPSoundManager::StartThread()
{
    if (m_hThread)
        return;
    EnterCriticalSection(&m_lock);
    m_soundRequest = xtpSoundNone;
    m_bStop = FALSE;
    LeaveCriticalSection(&m_lock);
    ResetEvent(m_hWake);
    m_hThread = CreateThread(nullptr, 0, &SoundThreadProc, this, CREATE_SUSPENDED, nullptr);
    if (!m_hThread)
        return;
    SetThreadPriority(m_hThread, THREAD_PRIORITY_BELOW_NORMAL);
    ResumeThread(m_hThread);
}

void CXTPSoundManager::StopThread()
{
    if (!m_hThread)
        return;
    EnterCriticalSection(&m_lock);
    m_bStop = TRUE;
    LeaveCriticalSection(&m_lock);
    SetEvent(m_hWake);
    // A sound playing synchronously on the worker ends when the process's
    // sounds are stopped; the worker then sees the stop flag. Killing it
    // inside the sound call would leave the sound system locked.
    m_pfnPlay(nullptr, nullptr, 0);
    while (WaitForSingleObject(m_hThread, 100) == WAIT_TIMEOUT)
        m_pfnPlay(nullptr, nullptr, 0);
    CloseHandle(m_hThread);
    m_hThread = nullptr;
}

DWORD WINAPI CXTPSoundManager::SoundThreadProc(LPVOID lpParameter)
{
    static_cast<CXTPSoundManager*>(lpParameter)->Run();
    return 0;
}

void CXTPSoundManager::Run()
{
    for (;;) {
        WaitForSingleObject(m_hWake, INFINITE);
        EnterCriticalSection(&m_lock);
        BOOL bStop = m_bStop;
        XTPSoundMenuSound sound = m_soundRequest;
        m_soundRequest = xtpSoundNone;
        LeaveCriticalSection(&m_lock);
        if (bStop)
            break;
        if (sound == xtpSoundMenuCommand)
            m_pfnPlay(L"MenuCommand", nullptr, kSystemSoundFlags);
        else if (sound == xtpSoundMenuPopup)
            m_pfnPlay(L"MenuPopup", nullptr, kSystemSoundFlags);
    }
    m_pfnPlay(nullptr, nullptr, SND_PURGE);
}

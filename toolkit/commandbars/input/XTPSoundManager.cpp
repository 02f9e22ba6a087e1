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

CXTPSoundManager::CWorkerState::CWorkerState(PFNPLAYSOUND pfnPlayProc)
    : hWake(CreateEventW(nullptr, FALSE, FALSE, nullptr))
    , pfnPlay(pfnPlayProc)
{
    InitializeCriticalSection(&lock);
}

CXTPSoundManager::CWorkerState::~CWorkerState()
{
    if (hWake)
        CloseHandle(hWake);
    DeleteCriticalSection(&lock);
}

CXTPSoundManager::CXTPSoundManager()
    : m_bEnabled(TRUE)
    , m_hThread(nullptr)
    , m_pfnPlay(&PlaySoundW)
{
}

CXTPSoundManager::~CXTPSoundManager()
{
    StopThread();
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
    if (!m_pState)
        return;
    EnterCriticalSection(&m_pState->lock);
    m_pState->request = sound;
    LeaveCriticalSection(&m_pState->lock);
    SetEvent(m_pState->hWake);
}

void CXTPSoundManager::StartThread()
{
    if (m_hThread)
        return;
    auto pState = std::make_shared<CWorkerState>(m_pfnPlay);
    auto* pWorkerRef = new std::shared_ptr<CWorkerState>(pState);
    m_hThread = CreateThread(nullptr, 0, &SoundThreadProc, pWorkerRef, CREATE_SUSPENDED, nullptr);
    if (!m_hThread) {
        delete pWorkerRef;
        return;
    }
    m_pState = pState;
    SetThreadPriority(m_hThread, THREAD_PRIORITY_BELOW_NORMAL);
    ResumeThread(m_hThread);
}

void CXTPSoundManager::StopThread()
{
    if (!m_hThread)
        return;
    EnterCriticalSection(&m_pState->lock);
    m_pState->bStop = TRUE;
    LeaveCriticalSection(&m_pState->lock);
    SetEvent(m_pState->hWake);
    // A sound playing synchronously on the worker ends when the process's
    // sounds are stopped; the worker then sees the stop flag. A worker that
    // does not end within about a second is not killed (that would leave
    // the sound system locked): it ends on its own, holding its own state.
    const int kWaitRounds = 10;
    const DWORD kWaitPerRound = 100;
    m_pfnPlay(nullptr, nullptr, 0);
    for (int nRound = 0; nRound < kWaitRounds; ++nRound) {
        if (WaitForSingleObject(m_hThread, kWaitPerRound) != WAIT_TIMEOUT)
            break;
        m_pfnPlay(nullptr, nullptr, 0);
    }
    CloseHandle(m_hThread);
    m_hThread = nullptr;
    m_pState.reset();
}

DWORD WINAPI CXTPSoundManager::SoundThreadProc(LPVOID lpParameter)
{
    std::shared_ptr<CWorkerState>* pWorkerRef = static_cast<std::shared_ptr<CWorkerState>*>(lpParameter);
    std::shared_ptr<CWorkerState> pState = *pWorkerRef;
    delete pWorkerRef;
    Run(*pState);
    return 0;
}

void CXTPSoundManager::Run(CWorkerState& state)
{
    for (;;) {
        WaitForSingleObject(state.hWake, INFINITE);
        EnterCriticalSection(&state.lock);
        BOOL bStop = state.bStop;
        XTPSoundMenuSound sound = state.request;
        state.request = xtpSoundNone;
        LeaveCriticalSection(&state.lock);
        if (bStop)
            break;
        if (sound == xtpSoundMenuCommand)
            state.pfnPlay(L"MenuCommand", nullptr, kSystemSoundFlags);
        else if (sound == xtpSoundMenuPopup)
            state.pfnPlay(L"MenuPopup", nullptr, kSystemSoundFlags);
    }
    state.pfnPlay(nullptr, nullptr, SND_PURGE);
}

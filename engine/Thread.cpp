#include "engine/Thread.h"

#include <memory>
#include <new>

IMPLEMENT_DYNAMIC(CThread, CObject)

// One entry of the class-wide list of running thread names; threads of the
// same name share it.
struct _THREAD_SYNCHRONICITY_TAG
{
    CString strName;
    CRITICAL_SECTION* pSection;
    int nCount;
};

namespace
{
typedef CList<_THREAD_SYNCHRONICITY_TAG*, _THREAD_SYNCHRONICITY_TAG*> CSynchronicityList;

// State shared by every worker object. Built before the program's main code
// runs and torn down at exit; the lock is never held while waiting for a
// thread, because an ending thread needs it for its end routine.
class CThreadClassState
{
public:
    CThreadClassState()
        : m_pLock(new CRITICAL_SECTION), m_strAlreadyStarted(L"Thread is already started!")
    {
        InitializeCriticalSection(m_pLock);
    }

    ~CThreadClassState()
    {
        while (!m_names.IsEmpty())
            DeleteEntry(m_names.RemoveHead());
        DeleteCriticalSection(m_pLock);
        delete m_pLock;
    }

    static void DeleteEntry(_THREAD_SYNCHRONICITY_TAG* pEntry)
    {
        DeleteCriticalSection(pEntry->pSection);
        delete pEntry->pSection;
        delete pEntry;
    }

    CRITICAL_SECTION* m_pLock;
    CSynchronicityList m_names;
    const CString m_strAlreadyStarted;
};

// Built on first use and at static initialisation; every worker object
// touches it in its constructor, so it outlives them all.
CThreadClassState& ClassState()
{
    static CThreadClassState s_state;
    return s_state;
}

[[maybe_unused]] CThreadClassState& s_classStateAtStartUp = ClassState();

// Held through a scope only: an exception (out of memory) thrown while it is
// held must never leave the class locked, or every later start, stop and
// running test would wait for good.
class CClassLock
{
public:
    CClassLock() { EnterCriticalSection(ClassState().m_pLock); }
    ~CClassLock() { LeaveCriticalSection(ClassState().m_pLock); }
    CClassLock(const CClassLock&) = delete;
    CClassLock& operator=(const CClassLock&) = delete;
};

// Thrown as the framework does, as a heap object; when even that cannot be
// had, the memory exception stands in.
[[noreturn]] void ThrowThreadException(CThread* pThread, const CString& strMessage, int nCode)
{
    CThreadException* e = new (std::nothrow) CThreadException(pThread, strMessage, nCode);
    if (e == nullptr)
        AfxThrowMemoryException();
    throw e;
}

CString SystemMessageText(DWORD dwError)
{
    LPWSTR pszBuffer = nullptr;
    DWORD nLength = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr,
                                   dwError, 0, reinterpret_cast<LPWSTR>(&pszBuffer), 0, nullptr);
    CString strText;
    if (nLength != 0 && pszBuffer != nullptr)
        strText = pszBuffer;
    if (pszBuffer != nullptr)
        LocalFree(pszBuffer);
    return strText;
}
} // namespace

CThread::CThread()
    : m_bSynchronised(FALSE), m_posNameList(nullptr), m_hThread(nullptr), m_dwThreadId(0),
      m_dwExitCode(NeverRun)
{
    ClassState();
}

CThread::~CThread()
{
    try
    {
        if (IsRunning())
            Kill();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    CClassLock lock;
    ClearThreadFields();
}

void CThread::Start()
{
    // Whatever is thrown here leaves the lock with the guard, before any
    // catcher runs.
    CClassLock lock;
    DWORD dwCode = 0;
    if (m_hThread != nullptr && GetExitCodeThread(m_hThread, &dwCode) && dwCode == STILL_ACTIVE)
        ThrowThreadException(this, ClassState().m_strAlreadyStarted, CThreadException::AlreadyStarted);
    if (m_hThread != nullptr)
    {
        // Ended without its end routine (it left through ExitThread).
        CloseHandle(m_hThread);
        LeaveNameList();
    }
    ClearThreadFields();
    EnterNameList();
    m_hThread = CreateThread(nullptr, 0, &CThread::ThreadProc, this, 0, &m_dwThreadId);
    if (m_hThread == nullptr)
    {
        DWORD dwError = GetLastError();
        LeaveNameList();
        ClearThreadFields();
        ThrowThreadException(this, SystemMessageText(dwError), CThreadException::CreateFailed);
    }
}

DWORD WINAPI CThread::ThreadProc(LPVOID pParam)
{
    CThread* pThread = static_cast<CThread*>(pParam);
    // A body that runs out of memory ends with that error; the end routine
    // must run all the same.
    DWORD dwResult = ERROR_NOT_ENOUGH_MEMORY;
    try
    {
        dwResult = pThread->Run();
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
    catch (const std::bad_alloc&)
    {
    }
    pThread->OnRunEnded(dwResult);
    return dwResult;
}

void CThread::OnRunEnded(DWORD dwResult)
{
    CClassLock lock;
    LeaveNameList();
    if (m_hThread != nullptr)
        CloseHandle(m_hThread);
    ClearThreadFields();
    m_dwExitCode = dwResult;
}

BOOL CThread::IsRunning()
{
    CClassLock lock;
    if (m_hThread == nullptr)
        return FALSE;
    DWORD dwCode = 0;
    if (!GetExitCodeThread(m_hThread, &dwCode))
        return FALSE;
    m_dwExitCode = dwCode;
    return dwCode == STILL_ACTIVE;
}

DWORD CThread::GetExitCode()
{
    CClassLock lock;
    return m_dwExitCode;
}

BOOL CThread::Stop(DWORD& dwExitCode)
{
    {
        CClassLock lock;
        DWORD dwCode = 0;
        if (m_hThread == nullptr || !GetExitCodeThread(m_hThread, &dwCode) || dwCode != STILL_ACTIVE)
        {
            if (m_hThread != nullptr)
            {
                // The thread has ended but its end routine has not run.
                if (GetExitCodeThread(m_hThread, &dwCode))
                    m_dwExitCode = dwCode;
                CloseHandle(m_hThread);
                LeaveNameList();
            }
            dwExitCode = m_dwExitCode;
            ClearThreadFields();
            return TRUE;
        }
    }
    // Not held while waiting: the ending thread's end routine needs it.
    while (IsRunning())
        Sleep(100);
    CClassLock lock;
    dwExitCode = m_dwExitCode;
    return m_dwExitCode != STILL_ACTIVE;
}

void CThread::Kill()
{
    {
        CClassLock lock;
        if (m_hThread != nullptr)
        {
            TerminateThread(m_hThread, 0);
            CloseHandle(m_hThread);
            LeaveNameList();
        }
        m_dwExitCode = 0;
        ClearThreadFields();
    }
    OnKilled();
}

void CThread::OnKilled()
{
}

void CThread::ClearThreadFields()
{
    m_hThread = nullptr;
    m_dwThreadId = 0;
    m_posNameList = nullptr;
}

void CThread::EnterNameList()
{
    if (!m_bSynchronised)
        return;
    CSynchronicityList& names = ClassState().m_names;
    for (POSITION pos = names.GetHeadPosition(); pos != nullptr;)
    {
        POSITION posEntry = pos;
        _THREAD_SYNCHRONICITY_TAG* pEntry = names.GetNext(pos);
        if (pEntry->strName == m_strName)
        {
            ++pEntry->nCount;
            m_posNameList = posEntry;
            return;
        }
    }
    // Nothing is entered unless all of it could be had.
    std::unique_ptr<_THREAD_SYNCHRONICITY_TAG> pEntry(new (std::nothrow) _THREAD_SYNCHRONICITY_TAG);
    std::unique_ptr<CRITICAL_SECTION> pSection(new (std::nothrow) CRITICAL_SECTION);
    if (pEntry == nullptr || pSection == nullptr)
        AfxThrowMemoryException();
    pEntry->strName = m_strName;
    pEntry->nCount = 1;
    pEntry->pSection = pSection.get();
    m_posNameList = names.AddTail(pEntry.get());
    InitializeCriticalSection(pSection.release());
    pEntry.release();
}

void CThread::LeaveNameList()
{
    if (m_bSynchronised && m_posNameList != nullptr)
    {
        _THREAD_SYNCHRONICITY_TAG* pEntry = ClassState().m_names.GetAt(m_posNameList);
        if (--pEntry->nCount < 1)
        {
            ClassState().m_names.RemoveAt(m_posNameList);
            CThreadClassState::DeleteEntry(pEntry);
        }
    }
    m_posNameList = nullptr;
}

int CThread::GetRunningCountOf(LPCTSTR pszName)
{
    CClassLock lock;
    CSynchronicityList& names = ClassState().m_names;
    for (POSITION pos = names.GetHeadPosition(); pos != nullptr;)
    {
        _THREAD_SYNCHRONICITY_TAG* pEntry = names.GetNext(pos);
        if (pEntry->strName == pszName)
            return pEntry->nCount;
    }
    return 0;
}

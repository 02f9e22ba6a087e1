#include "engine/AsyncHttpMap.h"

struct CAsyncHttpMap::CUnfinished
{
    HINTERNET hHandles[3];  // request, connection, session; null where none
    BYTE* pReadBuffer;
    BOOL bCompleted;
};

namespace
{
// Built at static initialisation, before the program's main code.
[[maybe_unused]] CAsyncHttpMap& s_mapAtStartUp = GetAsyncHttpMap();
} // namespace

CAsyncHttpMap& GetAsyncHttpMap()
{
    // Never destroyed: WinInet may still complete an unfinished operation,
    // and call back into the map, while the process is ending.
    static CAsyncHttpMap* s_pMap = new CAsyncHttpMap;
    return *s_pMap;
}

CAsyncHttpMap::CAsyncHttpMap() : m_requests(10), m_unfinished(10)
{
}

CAsyncHttpMap::~CAsyncHttpMap()
{
    // Operations that never completed keep their memory: WinInet may still
    // write into it.
    while (!m_records.IsEmpty())
    {
        CUnfinished* pRecord = static_cast<CUnfinished*>(m_records.RemoveHead());
        if (pRecord->bCompleted)
        {
            delete[] pRecord->pReadBuffer;
            delete pRecord;
        }
    }
}

void CAsyncHttpMap::Register(HINTERNET hInternet, CAsyncHttpRequest* pRequest)
{
    CSingleLock lock(&m_lock, TRUE);
    m_requests.SetAt(hInternet, pRequest);
}

void CAsyncHttpMap::Unregister(HINTERNET hInternet, CAsyncHttpRequest* pRequest)
{
    CSingleLock lock(&m_lock, TRUE);
    void* pOwner = nullptr;
    if (m_requests.Lookup(hInternet, pOwner) && pOwner == pRequest)
        m_requests.RemoveKey(hInternet);
}

CAsyncHttpRequest* CAsyncHttpMap::LookUp(HINTERNET hInternet) const
{
    void* pOwner = nullptr;
    return m_requests.Lookup(hInternet, pOwner) ? static_cast<CAsyncHttpRequest*>(pOwner) : nullptr;
}

void CAsyncHttpMap::AdoptUnfinished(HINTERNET hSession, HINTERNET hConnection, HINTERNET hRequest,
                                    void* pReadBuffer, CAsyncHttpRequest* pRequest)
{
    CUnfinished* pRecord = new CUnfinished;
    pRecord->hHandles[0] = hRequest;
    pRecord->hHandles[1] = hConnection;
    pRecord->hHandles[2] = hSession;
    pRecord->pReadBuffer = static_cast<BYTE*>(pReadBuffer);
    pRecord->bCompleted = FALSE;

    CSingleLock lock(&m_lock, TRUE);
    for (HINTERNET hInternet : pRecord->hHandles)
    {
        if (hInternet == nullptr)
            continue;
        void* pOwner = nullptr;
        if (m_requests.Lookup(hInternet, pOwner) && pOwner == pRequest)
            m_requests.RemoveKey(hInternet);
        m_unfinished.SetAt(hInternet, pRecord);
    }
    m_records.AddTail(pRecord);
}

BOOL CAsyncHttpMap::OnUnfinishedStatus(HINTERNET hInternet, DWORD dwStatus)
{
    void* pValue = nullptr;
    if (!m_unfinished.Lookup(hInternet, pValue))
        return FALSE;
    CUnfinished* pRecord = static_cast<CUnfinished*>(pValue);
    if (dwStatus == INTERNET_STATUS_REQUEST_COMPLETE && hInternet == pRecord->hHandles[0])
        pRecord->bCompleted = TRUE;
    return TRUE;
}

void CAsyncHttpMap::ReleaseCompleted()
{
    CPtrList completed;
    {
        CSingleLock lock(&m_lock, TRUE);
        for (POSITION pos = m_records.GetHeadPosition(); pos != nullptr;)
        {
            POSITION posRecord = pos;
            CUnfinished* pRecord = static_cast<CUnfinished*>(m_records.GetNext(pos));
            if (!pRecord->bCompleted)
                continue;
            for (HINTERNET hInternet : pRecord->hHandles)
            {
                if (hInternet != nullptr)
                    m_unfinished.RemoveKey(hInternet);
            }
            m_records.RemoveAt(posRecord);
            completed.AddTail(pRecord);
        }
    }
    // Closed outside the lock: closing calls the status callback, which
    // takes it.
    while (!completed.IsEmpty())
    {
        CUnfinished* pRecord = static_cast<CUnfinished*>(completed.RemoveHead());
        for (HINTERNET hInternet : pRecord->hHandles)
        {
            if (hInternet != nullptr)
                InternetCloseHandle(hInternet);
        }
        delete[] pRecord->pReadBuffer;
        delete pRecord;
    }
}

int CAsyncHttpMap::GetUnfinishedCount()
{
    CSingleLock lock(&m_lock, TRUE);
    return int(m_records.GetCount());
}

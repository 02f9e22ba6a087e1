#include "engine/AsyncHttpMap.h"

namespace
{
// Built at static initialisation, before the program's main code.
[[maybe_unused]] CAsyncHttpMap& s_mapAtStartUp = GetAsyncHttpMap();

void FreeRecord(CHttpClosingRecord* pRecord)
{
    delete[] pRecord->pReadBuffer;
    delete pRecord;
}
} // namespace

CAsyncHttpMap& GetAsyncHttpMap()
{
    // Never destroyed: WinInet may still report an ended request's closing,
    // and call back into the map, while the process is ending.
    static CAsyncHttpMap* s_pMap = new CAsyncHttpMap;
    return *s_pMap;
}

DWORD_PTR NextAsyncHttpContextBase()
{
    static volatile LONG s_nSerial = 0;
    return DWORD_PTR(DWORD(InterlockedIncrement(&s_nSerial))) << 2;
}

CAsyncHttpMap::CAsyncHttpMap() : m_requests(10), m_pClosing(nullptr)
{
}

CAsyncHttpMap::~CAsyncHttpMap()
{
    // Records whose closing never came keep their buffers: WinInet may still
    // write into them.
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

void CAsyncHttpMap::BeginClosing(CHttpClosingRecord* pRecord)
{
    CSingleLock lock(&m_lock, TRUE);
    pRecord->pNext = m_pClosing;
    m_pClosing = pRecord;
}

BOOL CAsyncHttpMap::OnClosingStatus(DWORD_PTR dwContext, HINTERNET hInternet, DWORD dwStatus, LPVOID pvInfo,
                                    DWORD dwInfoLength, HINTERNET& hLate)
{
    hLate = nullptr;
    const DWORD_PTR dwBase = AsyncHttpContextBase(dwContext);
    CHttpClosingRecord** ppLink = &m_pClosing;
    while (*ppLink != nullptr && (*ppLink)->dwContextBase != dwBase)
        ppLink = &(*ppLink)->pNext;
    CHttpClosingRecord* pRecord = *ppLink;
    if (pRecord == nullptr)
        return FALSE;
    const BOOL bRequestKind = AsyncHttpContextKindOf(dwContext) == RequestContextKind;
    if (dwStatus == INTERNET_STATUS_HANDLE_CREATED && pvInfo != nullptr && dwInfoLength >= sizeof(HINTERNET))
    {
        hLate = *static_cast<HINTERNET*>(pvInfo);
        if (bRequestKind)
            pRecord->hRequest = hLate;
    }
    else if (dwStatus == INTERNET_STATUS_HANDLE_CLOSING && bRequestKind && hInternet == pRecord->hRequest)
    {
        *ppLink = pRecord->pNext;
        FreeRecord(pRecord);
    }
    return TRUE;
}

int CAsyncHttpMap::GetClosingCount()
{
    CSingleLock lock(&m_lock, TRUE);
    int nCount = 0;
    for (CHttpClosingRecord* pRecord = m_pClosing; pRecord != nullptr; pRecord = pRecord->pNext)
        ++nCount;
    return nCount;
}

#include "engine/AsyncHttpRequest.h"

#include "engine/AsyncHttpMap.h"
#include "engine/HttpEventHolder.h"
#include "engine/HttpHandleHolder.h"

#include <new>

namespace
{
// No automatic redirects, no user interface; WinInet's own cookie store stays
// out, so that exactly the cookies this object carries over are sent.
const DWORD RequestFlags = INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_RESYNCHRONIZE | INTERNET_FLAG_HYPERLINK |
                           INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES;

const wchar_t RequestHeaders[] =
    L"User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 1.0.3705; "
    L".NET CLR 1.1.4322; Media Center PC 3.1)\r\nConnection: Keep-Alive\r\n";

// One chunk read: the buffer description followed by the bytes. Kept on the
// heap, since an unfinished read may outlive the request.
const DWORD ChunkCapacity = 256;
const DWORD ChunkRead = 255;
const size_t SlotSize = sizeof(INTERNET_BUFFERSA) + ChunkCapacity;

INTERNET_BUFFERSA* SlotBuffers(BYTE* pSlot)
{
    return reinterpret_cast<INTERNET_BUFFERSA*>(pSlot);
}

BYTE* SlotBytes(BYTE* pSlot)
{
    return pSlot + sizeof(INTERNET_BUFFERSA);
}
} // namespace

// Runs when Fetch returns, before the handle holders close: while WinInet
// still works on one of its calls, the read buffer goes to the map with the
// closing record, to be freed once WinInet reports the request handle
// closing; after a stop, the handles are closed on a system thread.
class CAsyncHttpRequest::CClosingGuard
{
public:
    CClosingGuard(CAsyncHttpRequest& request, CHttpHandleHolder (&handles)[3], CHttpClosingRecord*& pRecord,
                  BYTE*& pSlot, CHttpHandlesToClose*& pDeferred)
        : m_request(request), m_handles(handles), m_pRecord(pRecord), m_pSlot(pSlot), m_pDeferred(pDeferred)
    {
    }

    ~CClosingGuard()
    {
        CHttpHandleHolder& request = m_handles[RequestHolder];
        if (m_request.m_bOperationPending && m_pRecord != nullptr)
        {
            m_request.m_bOperationPending = FALSE;
            m_pRecord->dwContextBase = m_request.m_dwContextBase;
            m_pRecord->hRequest = request;
            m_pRecord->pReadBuffer = m_pSlot;
            m_pRecord->pNext = nullptr;
            GetAsyncHttpMap().BeginClosing(m_pRecord);
            m_pRecord = nullptr;
            m_pSlot = nullptr;
        }
        if (m_request.m_nLastError != Stopped || request == nullptr || m_pDeferred == nullptr)
            return;
        for (int i = RequestHolder; i >= 0; --i)
            m_pDeferred->hHandles[RequestHolder - i] = ReleaseHttpHandle(m_handles[i]);
        if (CloseHttpHandlesLater(m_pDeferred))
            m_pDeferred = nullptr;
    }

    CClosingGuard(const CClosingGuard&) = delete;
    CClosingGuard& operator=(const CClosingGuard&) = delete;

    enum { SessionHolder, ConnectionHolder, RequestHolder };

private:
    CAsyncHttpRequest& m_request;
    CHttpHandleHolder (&m_handles)[3];
    CHttpClosingRecord*& m_pRecord;
    BYTE*& m_pSlot;
    CHttpHandlesToClose*& m_pDeferred;
};

CAsyncHttpRequest::CAsyncHttpRequest(HANDLE hStopEvent)
    : m_hSession(nullptr), m_hConnection(nullptr), m_hRequest(nullptr), m_hConnectionCreated(nullptr),
      m_hRequestCreated(nullptr), m_hRequestComplete(nullptr), m_hStopEvent(hStopEvent), m_hWait{hStopEvent, nullptr},
      m_nLastError(0), m_dwTimeout(WaitTimeout), m_bOperationPending(FALSE), m_dwContextBase(0)
{
}

CAsyncHttpRequest::~CAsyncHttpRequest()
{
}

BOOL CAsyncHttpRequest::Get(LPCTSTR pszUrl)
{
    m_body.RemoveAll();
    m_nLastError = 0;
    if (IsStopSignalled())
        return Fail(Stopped);
    BOOL bResult = FALSE;
    try
    {
        bResult = Fetch(pszUrl);
    }
    catch (CException* e)
    {
        e->Delete();
        bResult = Fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    catch (const std::bad_alloc&)
    {
        bResult = Fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    m_hSession = m_hConnection = m_hRequest = nullptr;
    m_hConnectionCreated = m_hRequestCreated = m_hRequestComplete = nullptr;
    return bResult;
}

BOOL CAsyncHttpRequest::Fetch(LPCTSTR pszUrl)
{
    CHttpEventHolder connectionCreated;
    CHttpEventHolder requestCreated;
    CHttpEventHolder requestComplete;
    if (connectionCreated == nullptr || requestCreated == nullptr || requestComplete == nullptr)
        return Fail(int(::GetLastError()));
    m_hConnectionCreated = connectionCreated;
    m_hRequestCreated = requestCreated;
    m_hRequestComplete = requestComplete;

    // Both are made before any WinInet call: a request that ends while
    // WinInet still works for it must not need memory to hand them over.
    BYTE* pSlot = new (std::nothrow) BYTE[SlotSize];
    CHttpClosingRecord* pClosing = new (std::nothrow) CHttpClosingRecord;
    CHttpHandlesToClose* pDeferred = new (std::nothrow) CHttpHandlesToClose;
    struct CLeftOverFree
    {
        BYTE*& pSlot;
        CHttpClosingRecord*& pClosing;
        CHttpHandlesToClose*& pDeferred;
        ~CLeftOverFree()
        {
            delete[] pSlot;
            delete pClosing;
            delete pDeferred;
        }
    } leftOverFree{pSlot, pClosing, pDeferred};
    if (pSlot == nullptr || pClosing == nullptr || pDeferred == nullptr)
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    m_dwContextBase = NextAsyncHttpContextBase();

    CHttpHandleHolder handles[3];
    CHttpHandleHolder& session = handles[CClosingGuard::SessionHolder];
    CHttpHandleHolder& connection = handles[CClosingGuard::ConnectionHolder];
    CHttpHandleHolder& request = handles[CClosingGuard::RequestHolder];
    CClosingGuard closing(*this, handles, pClosing, pSlot, pDeferred);

    HINTERNET hSession = InternetOpenW(L"Tavrolin", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, INTERNET_FLAG_ASYNC);
    if (hSession == nullptr)
        return Fail(int(::GetLastError()));
    m_hSession = hSession;
    RegisterHttpHandle(session, hSession, this);

    DWORD dwService = 0;
    CString strServer;
    CString strObject;
    INTERNET_PORT nPort = 0;
    if (!AfxParseURL(pszUrl, dwService, strServer, strObject, nPort))
        return Fail(BadUrl);

    if (InternetSetStatusCallbackW(session, &AsyncHttpStatusCallback) == INTERNET_INVALID_STATUS_CALLBACK)
        return Fail(int(::GetLastError()));

    // The URL's own port is not used: pages are always fetched from port 80.
    HINTERNET hConnection = InternetConnectW(session, strServer, INTERNET_DEFAULT_HTTP_PORT, nullptr, nullptr,
                                             INTERNET_SERVICE_HTTP, 0, m_dwContextBase + ConnectionContextKind);
    if (hConnection == nullptr)
    {
        DWORD dwError = ::GetLastError();
        if (dwError != ERROR_IO_PENDING)
            return Fail(int(dwError));
        if (!WaitForPending(connectionCreated))
            return FALSE;
        hConnection = m_hConnection;
    }
    m_hConnection = hConnection;
    RegisterHttpHandle(connection, hConnection, this);

    HINTERNET hRequest = HttpOpenRequestW(connection, L"GET", strObject, nullptr, nullptr, nullptr, RequestFlags,
                                          m_dwContextBase + RequestContextKind);
    if (hRequest == nullptr)
    {
        DWORD dwError = ::GetLastError();
        if (dwError != ERROR_IO_PENDING)
            return Fail(int(dwError));
        if (!WaitForPending(requestCreated))
            return FALSE;
        hRequest = m_hRequest;
    }
    m_hRequest = hRequest;
    RegisterHttpHandle(request, hRequest, this);

    // Closing a handle does not end a call WinInet is blocked in: against a
    // server that never answers, a stopped request would keep its connection
    // for good. WinInet's own time limits end such a call, and with it the
    // closed handles.
    for (DWORD dwOption : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionW(request, dwOption, &m_dwTimeout, sizeof(m_dwTimeout));
    HttpAddRequestHeadersW(request, RequestHeaders, DWORD(-1), HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    if (!m_strCookie.IsEmpty())
    {
        CString strCookie = L"Cookie: " + m_strCookie;
        HttpAddRequestHeadersW(request, strCookie, DWORD(strCookie.GetLength()), HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    }

    // A completion that arrived for an earlier call must not end this wait.
    ResetEvent(requestComplete);
    if (!HttpSendRequestW(request, nullptr, 0, nullptr, 0))
    {
        DWORD dwError = ::GetLastError();
        if (dwError != ERROR_IO_PENDING)
            return Fail(int(dwError));
        if (!WaitForPending(requestComplete))
            return FALSE;
    }

    CString strHeaders;
    QueryRawHeaders(strHeaders);
    const DWORD dwStatus = QueryStatusCode(request);
    // Without a status (no answer at all, or one WinInet could not read)
    // the status check below fails the request.
    if (dwStatus != 0 && !IsWellFormedAnswer(strHeaders))
        return Fail(BadResponse);
    // Redirects included: automatic redirection is off.
    if (dwStatus != HTTP_STATUS_OK)
        return Fail(NotOk);

    // A body announced larger than the cap is not read at all.
    if (AnnouncedLength(request) > LONGLONG(MaxBodySize))
        return Fail(BodyTooLarge);

    if (!ReadBody(request, requestComplete, pSlot))
        return FALSE;
    if (!BodyMatchesContentLength(request))
        return Fail(BodyIncomplete);

    m_nLastError = 0;
    TakeCookies(strHeaders);
    m_body.Add(0);
    m_strResponseText = CString(reinterpret_cast<LPCSTR>(m_body.GetData()));
    return TRUE;
}

BOOL CAsyncHttpRequest::ReadBody(HINTERNET hRequest, HANDLE hRequestComplete, BYTE* pSlot)
{
    INTERNET_BUFFERSA* pBuffers = SlotBuffers(pSlot);
    for (;;)
    {
        ZeroMemory(pBuffers, sizeof(INTERNET_BUFFERSA));
        pBuffers->dwStructSize = sizeof(INTERNET_BUFFERSA);
        pBuffers->lpvBuffer = SlotBytes(pSlot);
        pBuffers->dwBufferLength = ChunkRead;
        if (!InternetReadFileExA(hRequest, pBuffers, IRF_ASYNC, m_dwContextBase + RequestContextKind))
        {
            DWORD dwError = ::GetLastError();
            if (dwError != ERROR_IO_PENDING)
                return Fail(int(dwError));
            // A server that stalls mid-body must not hold the worker: the
            // wait ends on the stop event and on the time limit too.
            if (!WaitForPending(hRequestComplete))
                return FALSE;
        }
        if (IsStopSignalled())
            return Fail(Stopped);
        DWORD dwRead = pBuffers->dwBufferLength;
        if (dwRead == 0)
            return TRUE;
        if (dwRead > ChunkRead)
            dwRead = ChunkRead;
        INT_PTR nOld = m_body.GetSize();
        if (nOld + INT_PTR(dwRead) > INT_PTR(MaxBodySize))
            return Fail(BodyTooLarge);
        // Grows by doubling: a large body must not be copied at every chunk.
        m_body.SetSize(nOld + dwRead, nOld > 4096 ? nOld : 4096);
        memcpy(m_body.GetData() + nOld, SlotBytes(pSlot), dwRead);
    }
}

BOOL CAsyncHttpRequest::WaitFor(HANDLE hAwaited)
{
    m_hWait[0] = m_hStopEvent;
    m_hWait[1] = hAwaited;
    DWORD dwWait = WaitForMultipleObjects(2, m_hWait, FALSE, m_dwTimeout);
    if (dwWait == WAIT_OBJECT_0)
        return Fail(Stopped);
    if (dwWait == WAIT_OBJECT_0 + 1)
        return TRUE;
    if (dwWait == WAIT_TIMEOUT)
        return Fail(NotOk);
    return Fail(int(::GetLastError()));
}

BOOL CAsyncHttpRequest::WaitForPending(HANDLE hAwaited)
{
    // Until the call completes, ending the request leaves its buffer to the
    // map (see CClosingGuard).
    m_bOperationPending = TRUE;
    if (!WaitFor(hAwaited))
        return FALSE;
    m_bOperationPending = FALSE;
    return TRUE;
}

BOOL CAsyncHttpRequest::IsStopSignalled() const
{
    return WaitForSingleObject(m_hStopEvent, 0) != WAIT_TIMEOUT;
}

BOOL CAsyncHttpRequest::Fail(int nError)
{
    m_nLastError = nError;
    return FALSE;
}

DWORD CAsyncHttpRequest::QueryStatusCode(HINTERNET hRequest)
{
    WCHAR szStatus[40] = {};
    DWORD dwBytes = sizeof(szStatus) - sizeof(WCHAR);
    if (!HttpQueryInfoW(hRequest, HTTP_QUERY_STATUS_CODE, szStatus, &dwBytes, nullptr))
        return 0;
    return DWORD(_wtoi(szStatus));
}

LONGLONG CAsyncHttpRequest::AnnouncedLength(HINTERNET hRequest)
{
    WCHAR szLength[40] = {};
    DWORD dwBytes = sizeof(szLength) - sizeof(WCHAR);
    if (!HttpQueryInfoW(hRequest, HTTP_QUERY_CONTENT_LENGTH, szLength, &dwBytes, nullptr))
        return -1;
    return _wtoi64(szLength);
}

BOOL CAsyncHttpRequest::BodyMatchesContentLength(HINTERNET hRequest)
{
    // WinInet reports a connection that closed early as the body's end.
    LONGLONG nAnnounced = AnnouncedLength(hRequest);
    return nAnnounced < 0 || nAnnounced == LONGLONG(m_body.GetSize());
}

BOOL CAsyncHttpRequest::QueryRawHeaders(CString& strHeaders)
{
    strHeaders.Empty();
    DWORD dwBytes = 0;
    HttpQueryInfoW(m_hRequest, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &dwBytes, nullptr);
    if (dwBytes == 0)
        return FALSE;
    int nChars = int(dwBytes / sizeof(WCHAR));
    LPWSTR pszBuffer = strHeaders.GetBuffer(nChars + 1);
    pszBuffer[0] = 0;
    BOOL bOk = HttpQueryInfoW(m_hRequest, HTTP_QUERY_RAW_HEADERS_CRLF, pszBuffer, &dwBytes, nullptr);
    if (bOk)
        pszBuffer[dwBytes / sizeof(WCHAR) <= DWORD(nChars) ? dwBytes / sizeof(WCHAR) : nChars] = 0;
    else
        pszBuffer[0] = 0;
    strHeaders.ReleaseBuffer();
    return bOk;
}

namespace
{
// Calls onHeader(name, value) for every header line of the raw headers
// after the status line, both trimmed; lines without ":" are passed over.
// The result: how many header lines there were.
template <typename OnHeader>
int ForEachHeader(const CString& strHeaders, OnHeader onHeader)
{
    int nPos = 0;
    int nHeaders = 0;
    for (BOOL bStatusLine = TRUE;; bStatusLine = FALSE)
    {
        CString strLine = strHeaders.Tokenize(L"\n", nPos);
        if (nPos < 0 || strLine.IsEmpty())
            break;
        int nColon = strLine.Find(L':');
        if (bStatusLine || nColon < 0)
            continue;
        CString strName = strLine.Left(nColon);
        CString strValue = strLine.Mid(nColon + 1);
        strName.Trim();
        strValue.Trim();
        ++nHeaders;
        onHeader(strName, strValue);
    }
    return nHeaders;
}
} // namespace

BOOL CAsyncHttpRequest::IsWellFormedAnswer(const CString& strHeaders)
{
    // Every length given must be a plain count, and all of them the same:
    // otherwise nobody can tell where the body ends.
    BOOL bWellFormed = TRUE;
    LONGLONG nLength = -1;
    const int nHeaders = ForEachHeader(strHeaders, [&](const CString& strName, const CString& strValue) {
        if (strName.CompareNoCase(L"Content-Length") != 0)
            return;
        const LONGLONG nThis = _wtoi64(strValue);
        if (strValue.IsEmpty() || strValue.GetLength() > 18 || strValue.SpanIncluding(L"0123456789") != strValue ||
            (nLength >= 0 && nThis != nLength))
            bWellFormed = FALSE;
        nLength = nThis;
    });
    // An answer without a status line is no HTTP answer at all. WinInet
    // shows one as a bare "HTTP/1.0 200 OK" without a single header, and
    // every server that answers properly sends at least one.
    return bWellFormed && strHeaders.Left(5) == L"HTTP/" && nHeaders > 0;
}

void CAsyncHttpRequest::TakeCookies(const CString& strHeaders)
{
    CString strCookie;
    ForEachHeader(strHeaders, [&](const CString& strName, const CString& strValue) {
        if (strName.CompareNoCase(L"Set-Cookie") == 0)
            strCookie += strValue + L";";
    });
    m_strCookie = strCookie;
}

void CALLBACK AsyncHttpStatusCallback(HINTERNET hInternet, DWORD_PTR dwContext, DWORD dwStatus, LPVOID pvInfo,
                                      DWORD dwInfoLength)
{
    CAsyncHttpMap& map = GetAsyncHttpMap();
    CSingleLock lock(&map.GetLock(), TRUE);
    HINTERNET hLate = nullptr;
    if (map.OnClosingStatus(dwContext, hInternet, dwStatus, pvInfo, dwInfoLength, hLate))
    {
        // Closing calls back, so the lock is left first.
        lock.Unlock();
        if (hLate != nullptr)
            InternetCloseHandle(hLate);
        return;
    }
    CAsyncHttpRequest* pRequest = map.LookUp(hInternet);
    if (pRequest == nullptr || AsyncHttpContextBase(dwContext) != pRequest->m_dwContextBase)
        return;
    const DWORD_PTR dwKind = AsyncHttpContextKindOf(dwContext);
    if (dwStatus == INTERNET_STATUS_HANDLE_CREATED && pvInfo != nullptr && dwInfoLength >= sizeof(HINTERNET))
    {
        HINTERNET hCreated = *static_cast<HINTERNET*>(pvInfo);
        if (dwKind == ConnectionContextKind)
        {
            pRequest->m_hConnection = hCreated;
            SetEvent(pRequest->m_hConnectionCreated);
        }
        else if (dwKind == RequestContextKind)
        {
            pRequest->m_hRequest = hCreated;
            SetEvent(pRequest->m_hRequestCreated);
        }
    }
    else if (dwStatus == INTERNET_STATUS_REQUEST_COMPLETE && dwKind == RequestContextKind)
    {
        SetEvent(pRequest->m_hRequestComplete);
    }
}

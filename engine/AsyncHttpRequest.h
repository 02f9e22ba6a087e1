// HTTP GET of one page at a time over WinInet in asynchronous mode, so that
// the calling worker can be stopped at any moment through its stop event:
// every wait also ends on it, and it is tested after every chunk of a body.
#pragma once
#include "framework/Framework.h"
#include <wininet.h>

class CAsyncHttpRequest
{
public:
    enum
    {
        Stopped = -1,                           // the stop event was signalled
        BadUrl = ERROR_INTERNET_INVALID_URL,    // 12005
        NotOk = ERROR_INTERNET_TIMEOUT,         // 12002: status not 200, or a wait timed out
        BodyTooLarge = ERROR_MESSAGE_EXCEEDS_MAX_SIZE,
        BodyIncomplete = ERROR_INTERNET_CONNECTION_RESET,
        BadResponse = ERROR_HTTP_INVALID_SERVER_RESPONSE,  // no status line, or lengths that make no sense
        MaxBodySize = 8 * 1024 * 1024,
        WaitTimeout = 120000                    // milliseconds
    };

    // The stop event is the owning worker's manual-reset event; not owned.
    explicit CAsyncHttpRequest(HANDLE hStopEvent);
    ~CAsyncHttpRequest();
    CAsyncHttpRequest(const CAsyncHttpRequest&) = delete;
    CAsyncHttpRequest& operator=(const CAsyncHttpRequest&) = delete;

    // One GET; TRUE when a body with status 200 was read completely. The
    // outcome is kept as the last error: 0, Stopped, BadUrl, NotOk or the
    // system's or WinInet's error code.
    BOOL Get(LPCTSTR pszUrl);

    int GetLastError() const { return m_nLastError; }
    // The time limit (milliseconds) of every wait, and of WinInet's own
    // connecting, sending and receiving; a wait that runs out fails with NotOk.
    void SetTimeout(DWORD dwMilliseconds) { m_dwTimeout = dwMilliseconds; }
    // The last successful body, converted with the thread's ANSI code page.
    CString GetResponseText() const { return m_strResponseText; }
    // The cookies the last successful response set; sent with the next GET.
    CString GetCookie() const { return m_strCookie; }
    // The raw bytes of the last body, followed by the one zero byte that Get
    // appends (for callers that store the body as it arrived).
    const CArray<BYTE, BYTE>& GetBody() const { return m_body; }

private:
    friend void CALLBACK AsyncHttpStatusCallback(HINTERNET hInternet, DWORD_PTR dwContext, DWORD dwStatus,
                                                 LPVOID pvInfo, DWORD dwInfoLength);
    class CClosingGuard;

    BOOL Fetch(LPCTSTR pszUrl);
    BOOL WaitFor(HANDLE hAwaited);
    BOOL WaitForPending(HANDLE hAwaited);
    BOOL IsStopSignalled() const;
    BOOL Fail(int nError);
    BOOL ReadBody(HINTERNET hRequest, HANDLE hRequestComplete, BYTE* pSlot);
    BOOL QueryRawHeaders(CString& strHeaders);
    DWORD QueryStatusCode(HINTERNET hRequest);
    LONGLONG AnnouncedLength(HINTERNET hRequest);
    BOOL BodyMatchesContentLength(HINTERNET hRequest);
    static BOOL IsWellFormedAnswer(const CString& strHeaders);
    void TakeCookies(const CString& strHeaders);

    CArray<BYTE, BYTE> m_body;
    HINTERNET m_hSession;
    HINTERNET m_hConnection;
    HINTERNET m_hRequest;
    HANDLE m_hConnectionCreated;
    HANDLE m_hRequestCreated;
    HANDLE m_hRequestComplete;
    HANDLE m_hStopEvent;
    HANDLE m_hWait[2];          // the stop event, then the awaited event
    int m_nLastError;
    CString m_strCookie;
    CString m_strResponseText;
    DWORD m_dwTimeout;
    BOOL m_bOperationPending;   // WinInet still works on a call of ours
    DWORD_PTR m_dwContextBase;  // this GET's status contexts
};

void CALLBACK AsyncHttpStatusCallback(HINTERNET hInternet, DWORD_PTR dwContext, DWORD dwStatus, LPVOID pvInfo,
                                      DWORD dwInfoLength);

// The global map through which WinInet's status callback finds the HTTP
// request that owns a handle. Every access holds the map's lock.
#pragma once
#include "framework/Framework.h"
#include <wininet.h>

class CAsyncHttpRequest;

// What a request leaves behind when it ends while WinInet still works on one
// of its calls (a stop or time-out during a wait): its handles are closed at
// once, but the read buffer lives on until WinInet reports the request
// handle closing, since the unfinished call may still write into it. Made
// before the request's first WinInet call, so that ending it needs no memory.
struct CHttpClosingRecord
{
    DWORD_PTR dwContextBase;    // the request's contexts, see AsyncHttpContext
    HINTERNET hRequest;         // null while its creation was still pending
    BYTE* pReadBuffer;
    CHttpClosingRecord* pNext;
};

class CAsyncHttpMap
{
public:
    CAsyncHttpMap();
    ~CAsyncHttpMap();
    CAsyncHttpMap(const CAsyncHttpMap&) = delete;
    CAsyncHttpMap& operator=(const CAsyncHttpMap&) = delete;

    void Register(HINTERNET hInternet, CAsyncHttpRequest* pRequest);
    // Takes the handle out unless it has meanwhile been given to another
    // request (WinInet hands out a closed handle's value again at once).
    void Unregister(HINTERNET hInternet, CAsyncHttpRequest* pRequest);

    // The owner of the handle, or null. The caller holds the lock.
    CAsyncHttpRequest* LookUp(HINTERNET hInternet) const;
    CCriticalSection& GetLock() { return m_lock; }

    // Takes the record (and its buffer) over; called before the request's
    // handles are closed. Allocates nothing.
    void BeginClosing(CHttpClosingRecord* pRecord);
    // The caller holds the lock. TRUE when the status belongs to a request
    // that has ended (it has then been handled): its closing frees the
    // record; a handle whose creation completes only now is handed out in
    // hLate, for the caller to close once it has left the lock.
    BOOL OnClosingStatus(DWORD_PTR dwContext, HINTERNET hInternet, DWORD dwStatus, LPVOID pvInfo,
                         DWORD dwInfoLength, HINTERNET& hLate);
    // Requests that ended whose closing WinInet has not reported yet.
    int GetClosingCount();

private:
    CMapPtrToPtr m_requests;
    CHttpClosingRecord* m_pClosing;   // a list linked through the records
    CCriticalSection m_lock;
};

CAsyncHttpMap& GetAsyncHttpMap();

// Every request gets contexts of its own, so that a late status of an ended
// request is never taken for one of a newer request that got the same
// handle values: the base (a multiple of 4) plus the kind.
enum AsyncHttpContextKind
{
    ConnectionContextKind = 1,
    RequestContextKind = 2
};
DWORD_PTR NextAsyncHttpContextBase();
inline DWORD_PTR AsyncHttpContextBase(DWORD_PTR dwContext) { return dwContext & ~DWORD_PTR(3); }
inline DWORD_PTR AsyncHttpContextKindOf(DWORD_PTR dwContext) { return dwContext & 3; }

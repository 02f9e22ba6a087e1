// The global map through which WinInet's status callback finds the HTTP
// request that owns a handle. Every access holds the map's lock.
#pragma once
#include "framework/Framework.h"
#include <wininet.h>

class CAsyncHttpRequest;

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

    // A request that ends while WinInet still works on one of its operations
    // (a stop or time-out during a wait) leaves its handles open and its read
    // buffer alive here, so that the late completion neither writes into
    // freed memory nor reaches a newer request that got the same handle
    // values. Once WinInet has completed the operation they are released.
    void AdoptUnfinished(HINTERNET hSession, HINTERNET hConnection, HINTERNET hRequest, void* pReadBuffer,
                         CAsyncHttpRequest* pRequest);
    // The caller holds the lock. TRUE when the handle belongs to an adopted
    // operation (the status has then been handled).
    BOOL OnUnfinishedStatus(HINTERNET hInternet, DWORD dwStatus);
    // Closes and frees the adopted operations that have completed.
    void ReleaseCompleted();
    int GetUnfinishedCount();

private:
    struct CUnfinished;

    CMapPtrToPtr m_requests;
    CMapPtrToPtr m_unfinished;   // every handle of an adopted operation -> its record
    CPtrList m_records;
    CCriticalSection m_lock;
};

CAsyncHttpMap& GetAsyncHttpMap();

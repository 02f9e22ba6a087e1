// Owns one WinInet handle of an HTTP request: closes it at scope end and
// takes it out of the global handle map.
#pragma once
#include <windows.h>
#include <wininet.h>

class CAsyncHttpRequest;

class CHttpHandleHolder
{
public:
    CHttpHandleHolder() : m_hInternet(nullptr), m_pOwner(nullptr) {}
    ~CHttpHandleHolder();
    CHttpHandleHolder(const CHttpHandleHolder&) = delete;
    CHttpHandleHolder& operator=(const CHttpHandleHolder&) = delete;

    operator HINTERNET() const { return m_hInternet; }

private:
    friend void RegisterHttpHandle(CHttpHandleHolder& holder, HINTERNET hInternet, CAsyncHttpRequest* pRequest);
    friend void CloseHttpHandle(CHttpHandleHolder& holder);
    friend HINTERNET ReleaseHttpHandle(CHttpHandleHolder& holder);

    HINTERNET m_hInternet;
    CAsyncHttpRequest* m_pOwner;
};

// Keeps the handle in the holder and, when it is not null, enters it into the
// global handle map as belonging to the request.
void RegisterHttpHandle(CHttpHandleHolder& holder, HINTERNET hInternet, CAsyncHttpRequest* pRequest);
// Closes the holder's handle and takes it out of the map.
void CloseHttpHandle(CHttpHandleHolder& holder);
// Takes the handle out of the holder and the map without closing it.
HINTERNET ReleaseHttpHandle(CHttpHandleHolder& holder);

// Handles to be closed, in order, on a system worker thread: closing a
// request whose body still arrives reads the rest of it first, which must
// not hold up a worker that was told to stop.
struct CHttpHandlesToClose
{
    HINTERNET hHandles[3];
};
// TRUE when the block was taken (and will be freed); otherwise the handles
// have been closed here and the block stays the caller's.
BOOL CloseHttpHandlesLater(CHttpHandlesToClose* pHandles);

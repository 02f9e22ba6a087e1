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

    HINTERNET m_hInternet;
    CAsyncHttpRequest* m_pOwner;
};

// Keeps the handle in the holder and, when it is not null, enters it into the
// global handle map as belonging to the request.
void RegisterHttpHandle(CHttpHandleHolder& holder, HINTERNET hInternet, CAsyncHttpRequest* pRequest);
// Closes the holder's handle and takes it out of the map.
void CloseHttpHandle(CHttpHandleHolder& holder);

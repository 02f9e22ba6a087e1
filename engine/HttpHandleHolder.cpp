#include "engine/HttpHandleHolder.h"

#include "engine/AsyncHttpMap.h"

CHttpHandleHolder::~CHttpHandleHolder()
{
    CloseHttpHandle(*this);
}

void RegisterHttpHandle(CHttpHandleHolder& holder, HINTERNET hInternet, CAsyncHttpRequest* pRequest)
{
    holder.m_hInternet = hInternet;
    holder.m_pOwner = pRequest;
    if (hInternet != nullptr)
        GetAsyncHttpMap().Register(hInternet, pRequest);
}

void CloseHttpHandle(CHttpHandleHolder& holder)
{
    if (holder.m_hInternet == nullptr)
        return;
    InternetCloseHandle(holder.m_hInternet);
    GetAsyncHttpMap().Unregister(holder.m_hInternet, holder.m_pOwner);
    holder.m_hInternet = nullptr;
    holder.m_pOwner = nullptr;
}

HINTERNET ReleaseHttpHandle(CHttpHandleHolder& holder)
{
    HINTERNET hInternet = holder.m_hInternet;
    if (hInternet != nullptr)
        GetAsyncHttpMap().Unregister(hInternet, holder.m_pOwner);
    holder.m_hInternet = nullptr;
    holder.m_pOwner = nullptr;
    return hInternet;
}

namespace
{
void CloseAll(const CHttpHandlesToClose& handles)
{
    for (HINTERNET hInternet : handles.hHandles)
    {
        if (hInternet != nullptr)
            InternetCloseHandle(hInternet);
    }
}

DWORD WINAPI CloseHandlesWorkItem(LPVOID pParam)
{
    CHttpHandlesToClose* pHandles = static_cast<CHttpHandlesToClose*>(pParam);
    CloseAll(*pHandles);
    delete pHandles;
    return 0;
}
} // namespace

BOOL CloseHttpHandlesLater(CHttpHandlesToClose* pHandles)
{
    if (QueueUserWorkItem(&CloseHandlesWorkItem, pHandles, WT_EXECUTEDEFAULT))
        return TRUE;
    CloseAll(*pHandles);
    return FALSE;
}

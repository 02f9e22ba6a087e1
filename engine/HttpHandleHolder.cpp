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

#include "framework/ole/COleDataObject.h"

#include <cstring>

FORMATETC AfxFormatEtcFor(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc, DWORD tymed)
{
    if (lpFormatEtc != nullptr)
        return *lpFormatEtc;
    FORMATETC format = {cfFormat, nullptr, DVASPECT_CONTENT, -1, tymed};
    return format;
}

HGLOBAL AfxCopyGlobal(HGLOBAL hSource)
{
    if (hSource == nullptr)
        return nullptr;
    SIZE_T size = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (hCopy == nullptr)
        return nullptr;
    const void* from = ::GlobalLock(hSource);
    void* to = ::GlobalLock(hCopy);
    if (from == nullptr || to == nullptr) {
        if (from != nullptr)
            ::GlobalUnlock(hSource);
        if (to != nullptr)
            ::GlobalUnlock(hCopy);
        ::GlobalFree(hCopy);
        return nullptr;
    }
    memcpy(to, from, size);
    ::GlobalUnlock(hCopy);
    ::GlobalUnlock(hSource);
    return hCopy;
}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    if (lpDataObject == m_lpDataObject) {
        m_bAutoRelease = bAutoRelease;
        return;
    }
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = nullptr;
    return lpDataObject;
}

void COleDataObject::Release()
{
    LPDATAOBJECT lpDataObject = Detach();
    if (lpDataObject != nullptr && m_bAutoRelease)
        lpDataObject->Release();
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = nullptr;
    if (FAILED(::OleGetClipboard(&lpDataObject)) || lpDataObject == nullptr)
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

LPDATAOBJECT COleDataObject::GetIDataObject(BOOL bAddRef)
{
    if (m_lpDataObject != nullptr && bAddRef)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == nullptr)
        return FALSE;
    FORMATETC format = AfxFormatEtcFor(cfFormat, lpFormatEtc);
    return m_lpDataObject->QueryGetData(&format) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == nullptr || lpStgMedium == nullptr)
        return FALSE;
    FORMATETC format = AfxFormatEtcFor(cfFormat, lpFormatEtc);
    ZeroMemory(lpStgMedium, sizeof(*lpStgMedium));
    return m_lpDataObject->GetData(&format, lpStgMedium) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    STGMEDIUM medium;
    FORMATETC format = AfxFormatEtcFor(cfFormat, lpFormatEtc, TYMED_HGLOBAL);
    format.tymed = TYMED_HGLOBAL;
    if (!GetData(cfFormat, &medium, &format))
        return nullptr;
    if (medium.tymed != TYMED_HGLOBAL) {
        ::ReleaseStgMedium(&medium);
        return nullptr;
    }
    // A block that someone else releases is copied for the caller.
    if (medium.pUnkForRelease == nullptr)
        return medium.hGlobal;
    HGLOBAL hCopy = AfxCopyGlobal(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return hCopy;
}

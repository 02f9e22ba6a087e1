#include "framework/ole/COleDataSource.h"

#include <shlobj.h>

#include "framework/ole/COleDataObject.h"
#include "framework/ole/COleDropSource.h"

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

COleDataSource::COleDataSource() : m_xDataObject(this)
{
}

COleDataSource::~COleDataSource()
{
    Empty();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    FORMATETC format = AfxFormatEtcFor(cfFormat, lpFormatEtc);
    format.tymed = TYMED_HGLOBAL;
    for (Entry& entry : m_entries) {
        if (entry.format.cfFormat == format.cfFormat && entry.format.dwAspect == format.dwAspect &&
            entry.format.lindex == format.lindex) {
            if (entry.hGlobal != hGlobal && entry.hGlobal != nullptr)
                ::GlobalFree(entry.hGlobal);
            entry.hGlobal = hGlobal;
            return;
        }
    }
    format.ptd = nullptr;
    m_entries.push_back(Entry{format, hGlobal});
}

void COleDataSource::Empty()
{
    for (Entry& entry : m_entries) {
        if (entry.hGlobal != nullptr)
            ::GlobalFree(entry.hGlobal);
    }
    m_entries.clear();
}

const COleDataSource::Entry* COleDataSource::Find(const FORMATETC& format) const
{
    for (const Entry& entry : m_entries) {
        if (entry.format.cfFormat == format.cfFormat && (format.tymed & TYMED_HGLOBAL) &&
            entry.format.dwAspect == format.dwAspect &&
            (format.lindex == -1 || entry.format.lindex == format.lindex))
            return &entry;
    }
    return nullptr;
}

LPDATAOBJECT COleDataSource::GetDataObject(BOOL bAddRef)
{
    if (bAddRef)
        m_xDataObject.AddRef();
    return &m_xDataObject;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT, COleDropSource* pDropSource)
{
    COleDropSource defaultSource;
    if (pDropSource == nullptr)
        pDropSource = &defaultSource;
    pDropSource->NoteStartingButton();
    DWORD effect = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(&m_xDataObject, pDropSource->GetInterface(), dwEffects, &effect);
    return hr == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

void COleDataSource::SetClipboard()
{
    // The clipboard takes its own reference; the creator's goes.
    ::OleSetClipboard(&m_xDataObject);
    InternalRelease();
}

// ---- IDataObject

STDMETHODIMP COleDataSource::XDataObject::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDataObject) {
        *ppv = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::AddRef()
{
    return m_pOwner->ExternalAddRef();
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::Release()
{
    return m_pOwner->ExternalRelease();
}

STDMETHODIMP COleDataSource::XDataObject::GetData(FORMATETC* pFormat, STGMEDIUM* pMedium)
{
    if (pFormat == nullptr || pMedium == nullptr)
        return E_INVALIDARG;
    const Entry* entry = m_pOwner->Find(*pFormat);
    if (entry == nullptr)
        return DV_E_FORMATETC;
    // The receiver owns what it gets: a copy.
    HGLOBAL hCopy = AfxCopyGlobal(entry->hGlobal);
    if (hCopy == nullptr)
        return E_OUTOFMEMORY;
    pMedium->tymed = TYMED_HGLOBAL;
    pMedium->hGlobal = hCopy;
    pMedium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP COleDataSource::XDataObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::QueryGetData(FORMATETC* pFormat)
{
    if (pFormat == nullptr)
        return E_INVALIDARG;
    return m_pOwner->Find(*pFormat) != nullptr ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::GetCanonicalFormatEtc(FORMATETC* pIn, FORMATETC* pOut)
{
    if (pIn == nullptr || pOut == nullptr)
        return E_INVALIDARG;
    *pOut = *pIn;
    pOut->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum)
{
    if (ppEnum == nullptr)
        return E_INVALIDARG;
    *ppEnum = nullptr;
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    try {
        for (const Entry& entry : m_pOwner->m_entries)
            formats.push_back(entry.format);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.empty() ? nullptr : formats.data(),
                                   ppEnum);
}

STDMETHODIMP COleDataSource::XDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

#include "framework/files/CArchiveStream.h"

#include "framework/core/CException.h"
#include "framework/files/CArchive.h"
#include "framework/files/CFile.h"
#include "framework/ole/COleException.h"

namespace
{
// Runs an archive operation; a framework exception becomes its status code.
template <typename Body>
HRESULT Guarded(Body body)
{
    try {
        return body();
    } catch (CException* e) {
        HRESULT hr = COleException::Process(e);
        e->Delete();
        return FAILED(hr) ? hr : STG_E_READFAULT;
    } catch (...) {
        return E_UNEXPECTED;
    }
}
} // namespace

CArchiveStream::CArchiveStream(CArchive* pArchive) : m_pArchive(pArchive)
{
}

STDMETHODIMP CArchiveStream::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IStream || riid == IID_ISequentialStream) {
        *ppv = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CArchiveStream::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_dwRef));
}

STDMETHODIMP_(ULONG) CArchiveStream::Release()
{
    // Never below the owner's own reference: the object is not on the heap.
    LONG count = InterlockedDecrement(&m_dwRef);
    if (count < 1) {
        InterlockedIncrement(&m_dwRef);
        return 1;
    }
    return static_cast<ULONG>(count);
}

STDMETHODIMP CArchiveStream::Read(void* pv, ULONG cb, ULONG* pcbRead)
{
    if (pcbRead != nullptr)
        *pcbRead = 0;
    if (pv == nullptr || m_pArchive == nullptr || !m_pArchive->IsLoading())
        return STG_E_INVALIDPOINTER;
    return Guarded([&] {
        UINT read = m_pArchive->Read(pv, cb);
        if (pcbRead != nullptr)
            *pcbRead = read;
        return read == cb ? S_OK : S_FALSE;
    });
}

STDMETHODIMP CArchiveStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten)
{
    if (pcbWritten != nullptr)
        *pcbWritten = 0;
    if (pv == nullptr || m_pArchive == nullptr || !m_pArchive->IsStoring())
        return STG_E_ACCESSDENIED;
    return Guarded([&] {
        m_pArchive->Write(pv, cb);
        if (pcbWritten != nullptr)
            *pcbWritten = cb;
        return S_OK;
    });
}

STDMETHODIMP CArchiveStream::Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition)
{
    if (m_pArchive == nullptr || m_pArchive->GetFile() == nullptr)
        return STG_E_INVALIDHANDLE;
    UINT from;
    switch (dwOrigin) {
    case STREAM_SEEK_SET: from = CFile::begin; break;
    case STREAM_SEEK_CUR: from = CFile::current; break;
    case STREAM_SEEK_END: from = CFile::end; break;
    default: return STG_E_INVALIDFUNCTION;
    }
    return Guarded([&] {
        // The file position is where the archive stands once its buffer is given back.
        m_pArchive->Flush();
        ULONGLONG position = m_pArchive->GetFile()->Seek(dlibMove.QuadPart, from);
        if (plibNewPosition != nullptr)
            plibNewPosition->QuadPart = position;
        return S_OK;
    });
}

STDMETHODIMP CArchiveStream::Commit(DWORD)
{
    if (m_pArchive == nullptr)
        return STG_E_INVALIDHANDLE;
    return Guarded([&] {
        if (m_pArchive->IsStoring())
            m_pArchive->Flush();
        return S_OK;
    });
}

STDMETHODIMP CArchiveStream::Stat(STATSTG* pstatstg, DWORD)
{
    if (pstatstg == nullptr)
        return STG_E_INVALIDPOINTER;
    ZeroMemory(pstatstg, sizeof(*pstatstg));
    if (m_pArchive == nullptr || m_pArchive->GetFile() == nullptr)
        return STG_E_INVALIDHANDLE;
    return Guarded([&] {
        m_pArchive->Flush();
        pstatstg->type = STGTY_STREAM;
        pstatstg->cbSize.QuadPart = m_pArchive->GetFile()->GetLength();
        pstatstg->grfMode = m_pArchive->IsLoading() ? STGM_READ : STGM_WRITE;
        return S_OK;
    });
}

STDMETHODIMP CArchiveStream::Clone(IStream** ppstm)
{
    if (ppstm != nullptr)
        *ppstm = nullptr;
    return E_NOTIMPL;
}

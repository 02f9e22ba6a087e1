// An IStream over an archive, so that OLE can read what the archive's file
// holds (OleLoadPicture, say): Read goes through the archive's buffer,
// Seek and Stat see the file at the position the archive has reached.
// Writing is supported for storing archives. The stream lives on the
// caller's stack: its reference count only guards against misuse, and no
// exception leaves its methods.
#pragma once
#include <windows.h>
#include <objidl.h>

class CArchive;

class CArchiveStream : public IStream
{
public:
    explicit CArchiveStream(CArchive* pArchive);
    virtual ~CArchiveStream() = default;

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    STDMETHOD(Read)(void* pv, ULONG cb, ULONG* pcbRead) override;
    STDMETHOD(Write)(const void* pv, ULONG cb, ULONG* pcbWritten) override;
    STDMETHOD(Seek)(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) override;
    STDMETHOD(SetSize)(ULARGE_INTEGER) override { return E_NOTIMPL; }
    STDMETHOD(CopyTo)(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHOD(Commit)(DWORD) override;
    STDMETHOD(Revert)() override { return E_NOTIMPL; }
    STDMETHOD(LockRegion)(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return STG_E_INVALIDFUNCTION; }
    STDMETHOD(UnlockRegion)(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return STG_E_INVALIDFUNCTION; }
    STDMETHOD(Stat)(STATSTG* pstatstg, DWORD grfStatFlag) override;
    STDMETHOD(Clone)(IStream** ppstm) override;

private:
    CArchive* m_pArchive;
    LONG m_dwRef = 1;
};

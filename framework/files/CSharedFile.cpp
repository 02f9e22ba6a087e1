#include "framework/files/CSharedFile.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes)
    , m_nAllocFlags(nAllocFlags)
    , m_nDefaultGrowBytes(nGrowBytes)
    , m_hGlobalMemory(nullptr)
{
}

CSharedFile::~CSharedFile()
{
    // Here, not in the base destructor, where the global-memory overrides
    // would no longer be called.
    CSharedFile::Close();
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes)
{
    const HGLOBAL block = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (!block)
        return nullptr;
    BYTE* memory = static_cast<BYTE*>(::GlobalLock(block));
    if (!memory) {
        ::GlobalFree(block);
        return nullptr;
    }
    m_hGlobalMemory = block;
    return memory;
}

BYTE* CSharedFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    if (!m_hGlobalMemory)
        return lpMem ? nullptr : Alloc(nBytes);
    ::GlobalUnlock(m_hGlobalMemory);
    const HGLOBAL block = ::GlobalReAlloc(m_hGlobalMemory, nBytes, GMEM_MOVEABLE | (m_nAllocFlags & GMEM_ZEROINIT));
    if (!block) {
        // The old block is still intact; keep it locked for the file.
        ::GlobalLock(m_hGlobalMemory);
        return nullptr;
    }
    m_hGlobalMemory = block;
    return static_cast<BYTE*>(::GlobalLock(block));
}

void CSharedFile::Free(BYTE* /*lpMem*/)
{
    if (!m_hGlobalMemory)
        return;
    ::GlobalUnlock(m_hGlobalMemory);
    ::GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = nullptr;
}

void CSharedFile::GrowFile(SIZE_T dwNewLen)
{
    // A block given by SetHandle grows in place (GlobalReAlloc keeps a
    // movable handle) and stays the caller's.
    const BOOL owned = m_bAutoDelete;
    m_bAutoDelete = TRUE;
    try {
        CMemFile::GrowFile(dwNewLen);
    } catch (...) {
        m_bAutoDelete = owned;
        throw;
    }
    m_bAutoDelete = owned;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL block = m_hGlobalMemory;
    if (block) {
        ::GlobalUnlock(block);
        if (m_bAutoDelete && m_nFileSize > 0 && m_nFileSize < m_nBufferSize) {
            const HGLOBAL trimmed = ::GlobalReAlloc(block, m_nFileSize, GMEM_MOVEABLE);
            if (trimmed)
                block = trimmed;
        }
    }
    m_hGlobalMemory = nullptr;
    Reset();
    return block;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    Close();
    if (!hGlobalMemory)
        return;
    BYTE* memory = static_cast<BYTE*>(::GlobalLock(hGlobalMemory));
    if (!memory)
        AfxThrowFileException(CFileException::invalidFile, static_cast<LONG>(::GetLastError()));
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = memory;
    m_nBufferSize = ::GlobalSize(hGlobalMemory);
    m_nFileSize = m_nBufferSize;
    m_bAutoDelete = FALSE;
    if (!bAllowGrow)
        m_nGrowBytes = 0;
    else
        m_nGrowBytes = m_nDefaultGrowBytes ? m_nDefaultGrowBytes : 4096;
}

void CSharedFile::Close()
{
    if (m_hGlobalMemory && !m_bAutoDelete) {
        ::GlobalUnlock(m_hGlobalMemory);
        m_hGlobalMemory = nullptr;
        m_lpBuffer = nullptr;
    }
    CMemFile::Close();
    m_nGrowBytes = m_nDefaultGrowBytes;
}

#include "framework/files/CMemFile.h"

#include "framework/core/CMemoryException.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

namespace {
// Largest file a 32-bit address space can hold.
const ULONGLONG kMaxMemFileSize = 0x7FFFFFFF;
} // namespace

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes)
    , m_nPosition(0)
    , m_nBufferSize(0)
    , m_nFileSize(0)
    , m_lpBuffer(nullptr)
    , m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : CMemFile(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    CMemFile::Close();
}

void CMemFile::Reset()
{
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_lpBuffer = nullptr;
    m_bAutoDelete = TRUE;
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    Close();
    m_nGrowBytes = nGrowBytes;
    m_lpBuffer = lpBuffer;
    m_nBufferSize = lpBuffer ? nBufferSize : 0;
    m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* buffer = m_lpBuffer;
    Reset();
    return buffer;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes)
{
    return static_cast<BYTE*>(std::malloc(nBytes));
}

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    return static_cast<BYTE*>(std::realloc(lpMem, nBytes));
}

void CMemFile::Free(BYTE* lpMem)
{
    std::free(lpMem);
}

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL);
    const ULONGLONG steps = (static_cast<ULONGLONG>(dwNewLen) + m_nGrowBytes - 1) / m_nGrowBytes;
    const ULONGLONG capacity = steps * m_nGrowBytes;
    if (capacity > kMaxMemFileSize)
        AfxThrowMemoryException();
    const SIZE_T newSize = static_cast<SIZE_T>(capacity);

    BYTE* block = nullptr;
    if (!m_lpBuffer)
        block = Alloc(newSize);
    else if (m_bAutoDelete)
        block = Realloc(m_lpBuffer, newSize);
    else {
        // The caller's buffer is left alone; the file moves to its own.
        block = Alloc(newSize);
        if (block) {
            std::memcpy(block, m_lpBuffer, m_nFileSize);
            m_bAutoDelete = TRUE;
        }
    }
    if (!block)
        AfxThrowMemoryException();
    m_lpBuffer = block;
    m_nBufferSize = newSize;
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = 0;
    if (nFrom == current)
        base = static_cast<LONGLONG>(m_nPosition);
    else if (nFrom == end)
        base = static_cast<LONGLONG>(m_nFileSize);
    else if (nFrom != begin)
        AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER);
    const LONGLONG target = base + lOff;
    if (target < 0 || static_cast<ULONGLONG>(target) > kMaxMemFileSize)
        AfxThrowFileException(CFileException::badSeek, ERROR_NEGATIVE_SEEK);
    m_nPosition = static_cast<SIZE_T>(target);
    return m_nPosition;
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > kMaxMemFileSize)
        AfxThrowMemoryException();
    const SIZE_T length = static_cast<SIZE_T>(dwNewLen);
    if (length > m_nBufferSize)
        GrowFile(length);
    if (length > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, length - m_nFileSize);
    m_nFileSize = length;
    if (m_nPosition > length)
        m_nPosition = length;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    const SIZE_T available = m_nFileSize - m_nPosition;
    const UINT count = available < nCount ? static_cast<UINT>(available) : nCount;
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, count);
    m_nPosition += count;
    return count;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    const ULONGLONG end = static_cast<ULONGLONG>(m_nPosition) + nCount;
    if (end > kMaxMemFileSize)
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL);
    const SIZE_T newEnd = static_cast<SIZE_T>(end);
    if (newEnd > m_nBufferSize)
        GrowFile(newEnd);
    // A write after a seek beyond the end leaves zeros in the gap.
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = newEnd;
    if (newEnd > m_nFileSize)
        m_nFileSize = newEnd;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    if (m_lpBuffer && m_bAutoDelete)
        Free(m_lpBuffer);
    Reset();
}

void CMemFile::Abort()
{
    Close();
}

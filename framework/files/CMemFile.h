// A file held in memory that grows in steps. Its block comes from malloc;
// Detach hands it to the caller, who frees it with free().
#pragma once
#include "framework/files/CFile.h"

class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)

public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    // Works on the caller's buffer (see Attach).
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // Lays the file over the caller's buffer, which stays the caller's.
    // With nGrowBytes 0 the buffer is the file's content and cannot grow;
    // otherwise the file starts empty and moves to a block of its own when
    // the buffer becomes too small.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // The file's block (null when there is none); the file is empty after.
    BYTE* Detach();

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

protected:
    virtual BYTE* Alloc(SIZE_T nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes);
    virtual void Free(BYTE* lpMem);
    // Makes room for at least dwNewLen bytes.
    virtual void GrowFile(SIZE_T dwNewLen);
    void Reset();

    UINT m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    // Whether the block is the file's own (freed by Close).
    BOOL m_bAutoDelete;
};

// A file on disk through the system's file handles. Failures throw a
// CFileException*, except Open, which reports them.
#pragma once
#include "framework/files/CFileException.h"
#include "framework/core/CObject.h"
#include "framework/text/CString.h"

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)

public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };

    enum SeekPosition
    {
        begin = 0,
        current = 1,
        end = 2,
    };

    static const HANDLE hFileNull;

    CFile();
    // Takes over an open handle; it is not closed when the object dies.
    explicit CFile(HANDLE hFile);
    // Opens the file or throws.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    operator HANDLE() const { return m_hFile; }

    // FALSE when the file cannot be opened; the details go to pError.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // The full path, and the name part of it.
    virtual CString GetFilePath() const;
    virtual CString GetFileName() const;
    virtual void SetFilePath(LPCTSTR lpszNewName);

    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin();
    ULONGLONG SeekToEnd();
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);

    // The number of bytes read; fewer than asked only at the end.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Flush();
    // Closes the file; a failure throws.
    virtual void Close();
    // Closes the file, ignoring failures.
    virtual void Abort();

    HANDLE m_hFile;

protected:
    [[noreturn]] void ThrowLastError() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

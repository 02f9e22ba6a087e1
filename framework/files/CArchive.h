// Binary serialization over a CFile, buffered: values little-endian, strings
// and counts in a compact form, objects with their class (a new class is
// written with its schema and name, later uses as a reference) and repeated
// objects as references. Reading past the end, a bad reference, an unknown
// class or a wrong schema throws a CArchiveException*.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <map>
#include <vector>

#include "framework/files/CArchiveException.h"
#include "framework/files/CFile.h"
#include "framework/core/CObject.h"
#include "framework/text/CString.h"

// A schema flag: objects of any stored schema are read, and the class reads
// the stored one with GetObjectSchema.
#ifndef VERSIONABLE_SCHEMA
#define VERSIONABLE_SCHEMA (0x80000000)
#endif

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4,
    };

    // The file must outlive the archive; the archive does not close it.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // A storing archive that was not closed writes its buffer out, unless
    // made with bNoFlushOnDelete.
    ~CArchive();

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being read (set while its Serialize runs);
    // reading it resets it to (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes. Read returns the number read, fewer only at the end.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);

    // Storing: writes the buffer to the file. Loading: gives the unread
    // part of the buffer back to the file.
    void Flush();
    // Flushes and lets go of the file (which stays open).
    void Close();
    // Lets go of the file without writing anything; never throws.
    void Abort();

    // A count: 2 bytes below 0xFFFF, else 0xFFFF and 4 bytes.
    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    // Class references.
    void WriteClass(const CRuntimeClass* pClassRef);
    // The class read; it must derive from pClassRefRequested (when given).
    // Without pSchema the stored schema must equal the class's own; with it
    // the stored schema is returned there instead. With pObTag, an object
    // reference (instead of a class) returns null and its tag there.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                             DWORD* pObTag = nullptr);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // Objects: null, a reference to one seen before, or its class followed
    // by its own Serialize.
    void WriteObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // Enters an object that was written or read by other means, so that
    // later references to it resolve. Objects are numbered apart from
    // classes: an object mapped by the reader alone shifts no class
    // reference (object references then need the writer to map it too).
    void MapObject(const CObject* pOb);

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(int i);
    CArchive& operator<<(UINT u);
    CArchive& operator<<(short w);
    CArchive& operator<<(char ch);
    CArchive& operator<<(wchar_t ch);
    CArchive& operator<<(bool b);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(LONGLONG dwdw);
    CArchive& operator<<(ULONGLONG dwdw);
    CArchive& operator<<(const CString& str);
    CArchive& operator<<(LPCWSTR lpsz);
    CArchive& operator<<(LPCSTR lpsz);
    CArchive& operator<<(const VARIANT& var);
    CArchive& operator<<(const CObject* pOb);
    // Other pointers are refused rather than written as a bool.
    CArchive& operator<<(const void*) = delete;

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(int& i);
    CArchive& operator>>(UINT& u);
    CArchive& operator>>(short& w);
    CArchive& operator>>(char& ch);
    CArchive& operator>>(wchar_t& ch);
    CArchive& operator>>(bool& b);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(LONGLONG& dwdw);
    CArchive& operator>>(ULONGLONG& dwdw);
    CArchive& operator>>(CString& str);
    CArchive& operator>>(VARIANT& var);
    CArchive& operator>>(CObject*& pOb);
    CArchive& operator>>(const CObject*& pOb);

private:
    struct LoadedClass
    {
        CRuntimeClass* pClass;
        UINT schema;
    };

    void CheckLoading();
    void CheckStoring();
    // Reads exactly nCount bytes or throws endOfFile.
    void EnsureRead(void* lpBuf, UINT nCount);
    void FlushBuffer();
    [[noreturn]] void Throw(int cause) const;

    void WriteReference(DWORD index, bool isClass);
    static DWORD AddToStoreMap(std::map<const void*, DWORD>& map, const void* pointer);
    void AddLoadedObject(CObject* pOb);
    CRuntimeClass* ReadClassTag(const CRuntimeClass* pClassRefRequested, bool checkSchema, UINT* pSchema,
                                DWORD* pObTag);

    template <class T> CArchive& Store(const T& value)
    {
        Write(&value, sizeof(T));
        return *this;
    }
    template <class T> CArchive& Load(T& value)
    {
        EnsureRead(&value, sizeof(T));
        return *this;
    }

    CFile* m_pFile;
    UINT m_nMode;
    UINT m_nBufSize;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    bool m_bUserBuf;
    UINT m_nObjectSchema;
    // Classes and objects are numbered from 1, each in a sequence of its
    // own. Storing: the pointers to their numbers.
    std::map<const void*, DWORD> m_storedClasses;
    std::map<const void*, DWORD> m_storedObjects;
    // Loading: by number (entry 0 unused, the null object).
    std::vector<LoadedClass> m_loadedClasses;
    std::vector<CObject*> m_loadedObjects;
};

#include "framework/files/CArchive.h"

#include <cstring>

namespace {

// Object and class tags: 0 is the null object, other words below 0x7FFF
// refer to an object by number; a word with the high bit set refers to a
// class by number; 0xFFFF introduces a new class; 0x7FFF announces a 32-bit
// tag (the high bit again for classes) for numbers that need more than 15
// bits.
const WORD kNullTag = 0;
const WORD kNewClassTag = 0xFFFF;
const WORD kClassTag = 0x8000;
const WORD kBigObjectTag = 0x7FFF;
const DWORD kBigClassTag = 0x80000000;
const DWORD kMaxMapCount = 0x3FFFFFFE;
// Longest class name accepted when reading.
const WORD kMaxClassNameLength = 255;
// Strings are read in pieces of this many characters, so that a damaged
// length never allocates more than the data that is really there.
const UINT kStringChunk = 4096;
const UINT kMinBufferSize = 128;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pFile(pFile)
    , m_nMode(nMode)
    , m_nBufSize(nBufSize < static_cast<int>(kMinBufferSize) ? kMinBufferSize : static_cast<UINT>(nBufSize))
    , m_lpBufStart(static_cast<BYTE*>(lpBuf))
    , m_lpBufCur(nullptr)
    , m_lpBufMax(nullptr)
    , m_bUserBuf(lpBuf != nullptr)
    , m_nObjectSchema(static_cast<UINT>(-1))
{
    if (m_bUserBuf && nBufSize < static_cast<int>(kMinBufferSize))
        m_nBufSize = nBufSize > 0 ? static_cast<UINT>(nBufSize) : 1;
    if (!m_lpBufStart)
        m_lpBufStart = new BYTE[m_nBufSize];
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    m_loadedClasses.push_back(LoadedClass{nullptr, 0});
    m_loadedObjects.push_back(nullptr);
}

CArchive::~CArchive()
{
    if (m_pFile && IsStoring() && !(m_nMode & bNoFlushOnDelete)) {
        try {
            FlushBuffer();
        } catch (CException* e) {
            e->Delete();
        }
    }
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
}

void CArchive::Throw(int cause) const
{
    AfxThrowArchiveException(cause, m_pFile ? static_cast<LPCTSTR>(m_pFile->GetFilePath()) : nullptr);
}

void CArchive::CheckLoading()
{
    if (!m_pFile)
        Throw(CArchiveException::genericException);
    if (IsStoring())
        Throw(CArchiveException::writeOnly);
}

void CArchive::CheckStoring()
{
    if (!m_pFile)
        Throw(CArchiveException::genericException);
    if (IsLoading())
        Throw(CArchiveException::readOnly);
}

UINT CArchive::GetObjectSchema()
{
    const UINT schema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return schema;
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* target = static_cast<BYTE*>(lpBuf);
    UINT total = 0;
    while (nMax > 0) {
        const UINT buffered = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        if (buffered > 0) {
            const UINT count = buffered < nMax ? buffered : nMax;
            std::memcpy(target, m_lpBufCur, count);
            m_lpBufCur += count;
            target += count;
            total += count;
            nMax -= count;
            continue;
        }
        if (nMax >= m_nBufSize) {
            // Large reads go straight to the caller.
            const UINT count = m_pFile->Read(target, nMax);
            if (count == 0)
                break;
            target += count;
            total += count;
            nMax -= count;
            continue;
        }
        const UINT count = m_pFile->Read(m_lpBufStart, m_nBufSize);
        m_lpBufCur = m_lpBufStart;
        m_lpBufMax = m_lpBufStart + count;
        if (count == 0)
            break;
    }
    return total;
}

void CArchive::EnsureRead(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        Throw(CArchiveException::endOfFile);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const BYTE* source = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0) {
        const UINT space = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        if (nMax <= space) {
            std::memcpy(m_lpBufCur, source, nMax);
            m_lpBufCur += nMax;
            return;
        }
        if (m_lpBufCur == m_lpBufStart) {
            // An empty buffer and more than it holds: write straight out.
            m_pFile->Write(source, nMax);
            return;
        }
        std::memcpy(m_lpBufCur, source, space);
        m_lpBufCur += space;
        source += space;
        nMax -= space;
        FlushBuffer();
    }
}

void CArchive::FlushBuffer()
{
    const UINT count = static_cast<UINT>(m_lpBufCur - m_lpBufStart);
    m_lpBufCur = m_lpBufStart;
    if (count > 0)
        m_pFile->Write(m_lpBufStart, count);
}

void CArchive::Flush()
{
    if (!m_pFile)
        return;
    if (IsStoring()) {
        FlushBuffer();
        return;
    }
    const UINT unread = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
    m_lpBufCur = m_lpBufMax = m_lpBufStart;
    if (unread > 0)
        m_pFile->Seek(-static_cast<LONGLONG>(unread), CFile::current);
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    m_pFile = nullptr;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
        return;
    }
    *this << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(dwCount);
}

DWORD_PTR CArchive::ReadCount()
{
    WORD shortCount = 0;
    *this >> shortCount;
    if (shortCount != 0xFFFF)
        return shortCount;
    DWORD count = 0;
    *this >> count;
    return count;
}

// Object and class numbers.

DWORD CArchive::AddToStoreMap(std::map<const void*, DWORD>& map, const void* pointer)
{
    const DWORD index = static_cast<DWORD>(map.size()) + 1;
    if (index > kMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex);
    map[pointer] = index;
    return index;
}

void CArchive::AddLoadedObject(CObject* pOb)
{
    if (m_loadedObjects.size() > kMaxMapCount)
        Throw(CArchiveException::badIndex);
    m_loadedObjects.push_back(pOb);
}

void CArchive::WriteReference(DWORD index, bool isClass)
{
    if (index < kBigObjectTag) {
        *this << static_cast<WORD>(isClass ? (kClassTag | index) : index);
        return;
    }
    *this << kBigObjectTag << static_cast<DWORD>(isClass ? (kBigClassTag | index) : index);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (!pClassRef || !pClassRef->m_lpszClassName)
        Throw(CArchiveException::badClass);
    const auto found = m_storedClasses.find(pClassRef);
    if (found != m_storedClasses.end()) {
        WriteReference(found->second, true);
        return;
    }
    const size_t nameLength = std::strlen(pClassRef->m_lpszClassName);
    if (nameLength == 0 || nameLength > kMaxClassNameLength)
        Throw(CArchiveException::badClass);
    *this << kNewClassTag << static_cast<WORD>(pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA)
          << static_cast<WORD>(nameLength);
    Write(pClassRef->m_lpszClassName, static_cast<UINT>(nameLength));
    AddToStoreMap(m_storedClasses, pClassRef);
}

CRuntimeClass* CArchive::ReadClassTag(const CRuntimeClass* pClassRefRequested, bool checkSchema, UINT* pSchema,
                                      DWORD* pObTag)
{
    CheckLoading();
    WORD tag = 0;
    *this >> tag;

    CRuntimeClass* pClass = nullptr;
    UINT schema = 0;
    if (tag == kNewClassTag) {
        WORD storedSchema = 0;
        WORD nameLength = 0;
        *this >> storedSchema >> nameLength;
        if (nameLength == 0 || nameLength > kMaxClassNameLength)
            Throw(CArchiveException::badClass);
        char name[kMaxClassNameLength + 1];
        EnsureRead(name, nameLength);
        name[nameLength] = 0;
        pClass = CRuntimeClass::FromName(static_cast<LPCSTR>(name));
        if (!pClass)
            Throw(CArchiveException::badClass);
        schema = storedSchema;
        if (m_loadedClasses.size() > kMaxMapCount)
            Throw(CArchiveException::badIndex);
        m_loadedClasses.push_back(LoadedClass{pClass, schema});
    } else {
        DWORD fullTag = 0;
        if (tag == kBigObjectTag)
            *this >> fullTag;
        else
            fullTag = (tag & kClassTag) ? (kBigClassTag | (tag & ~kClassTag)) : tag;

        if (!(fullTag & kBigClassTag)) {
            // An object reference where a class was expected.
            if (!pObTag)
                Throw(CArchiveException::badIndex);
            *pObTag = fullTag;
            return nullptr;
        }
        const DWORD index = fullTag & ~kBigClassTag;
        if (index == 0 || index >= m_loadedClasses.size())
            Throw(CArchiveException::badIndex);
        pClass = m_loadedClasses[index].pClass;
        schema = m_loadedClasses[index].schema;
    }

    if (checkSchema && !(pClass->m_wSchema & VERSIONABLE_SCHEMA) && schema != pClass->m_wSchema)
        Throw(CArchiveException::badSchema);
    if (pClassRefRequested && !pClass->IsDerivedFrom(pClassRefRequested))
        Throw(CArchiveException::badClass);
    m_nObjectSchema = schema;
    if (pSchema)
        *pSchema = schema;
    return pClass;
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    return ReadClassTag(pClassRefRequested, pSchema == nullptr, pSchema, pObTag);
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClassTag(pClassRef, true, nullptr, nullptr);
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (!pOb) {
        *this << kNullTag;
        return;
    }
    const auto found = m_storedObjects.find(pOb);
    if (found != m_storedObjects.end()) {
        WriteReference(found->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    AddToStoreMap(m_storedObjects, pOb);
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    DWORD obTag = 0;
    CRuntimeClass* pClass = ReadClassTag(pClassRefRequested, true, nullptr, &obTag);
    if (!pClass) {
        if (obTag == kNullTag)
            return nullptr;
        if (obTag >= m_loadedObjects.size())
            Throw(CArchiveException::badIndex);
        CObject* pOb = m_loadedObjects[obTag];
        if (pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
            Throw(CArchiveException::badClass);
        return pOb;
    }

    const UINT schema = m_nObjectSchema;
    CObject* pOb = pClass->CreateObject();
    if (!pOb)
        Throw(CArchiveException::badClass);
    AddLoadedObject(pOb);
    m_nObjectSchema = schema;
    pOb->Serialize(*this);
    m_nObjectSchema = static_cast<UINT>(-1);
    return pOb;
}

void CArchive::MapObject(const CObject* pOb)
{
    if (!pOb)
        return;
    if (IsStoring()) {
        if (m_storedObjects.find(pOb) == m_storedObjects.end())
            AddToStoreMap(m_storedObjects, pOb);
    } else
        AddLoadedObject(const_cast<CObject*>(pOb));
}

// Plain values, little-endian as the processor keeps them.

CArchive& CArchive::operator<<(BYTE by) { return Store(by); }
CArchive& CArchive::operator<<(WORD w) { return Store(w); }
CArchive& CArchive::operator<<(LONG l) { return Store(l); }
CArchive& CArchive::operator<<(DWORD dw) { return Store(dw); }
CArchive& CArchive::operator<<(int i) { return Store(i); }
CArchive& CArchive::operator<<(UINT u) { return Store(u); }
CArchive& CArchive::operator<<(short w) { return Store(w); }
CArchive& CArchive::operator<<(char ch) { return Store(ch); }
CArchive& CArchive::operator<<(wchar_t ch) { return Store(ch); }
CArchive& CArchive::operator<<(bool b) { return Store(static_cast<BYTE>(b ? 1 : 0)); }
CArchive& CArchive::operator<<(float f) { return Store(f); }
CArchive& CArchive::operator<<(double d) { return Store(d); }
CArchive& CArchive::operator<<(LONGLONG dwdw) { return Store(dwdw); }
CArchive& CArchive::operator<<(ULONGLONG dwdw) { return Store(dwdw); }

CArchive& CArchive::operator>>(BYTE& by) { return Load(by); }
CArchive& CArchive::operator>>(WORD& w) { return Load(w); }
CArchive& CArchive::operator>>(LONG& l) { return Load(l); }
CArchive& CArchive::operator>>(DWORD& dw) { return Load(dw); }
CArchive& CArchive::operator>>(int& i) { return Load(i); }
CArchive& CArchive::operator>>(UINT& u) { return Load(u); }
CArchive& CArchive::operator>>(short& w) { return Load(w); }
CArchive& CArchive::operator>>(char& ch) { return Load(ch); }
CArchive& CArchive::operator>>(wchar_t& ch) { return Load(ch); }
CArchive& CArchive::operator>>(float& f) { return Load(f); }
CArchive& CArchive::operator>>(double& d) { return Load(d); }
CArchive& CArchive::operator>>(LONGLONG& dwdw) { return Load(dwdw); }
CArchive& CArchive::operator>>(ULONGLONG& dwdw) { return Load(dwdw); }

CArchive& CArchive::operator>>(bool& b)
{
    BYTE value = 0;
    Load(value);
    b = value != 0;
    return *this;
}

// Strings: the count of UTF-16 units, then the units.

CArchive& CArchive::operator<<(const CString& str)
{
    const UINT length = static_cast<UINT>(str.GetLength());
    WriteCount(length);
    Write(static_cast<LPCWSTR>(str), length * sizeof(WCHAR));
    return *this;
}

CArchive& CArchive::operator<<(LPCWSTR lpsz)
{
    return *this << CString(lpsz ? lpsz : L"");
}

CArchive& CArchive::operator<<(LPCSTR lpsz)
{
    return *this << CString(lpsz ? lpsz : "");
}

CArchive& CArchive::operator>>(CString& str)
{
    DWORD_PTR remaining = ReadCount();
    CString text;
    WCHAR chunk[kStringChunk];
    while (remaining > 0) {
        const UINT count = remaining < kStringChunk ? static_cast<UINT>(remaining) : kStringChunk;
        EnsureRead(chunk, count * sizeof(WCHAR));
        text.Append(chunk, static_cast<int>(count));
        remaining -= count;
    }
    str = text;
    return *this;
}

// Objects.

CArchive& CArchive::operator<<(const CObject* pOb)
{
    WriteObject(pOb);
    return *this;
}

CArchive& CArchive::operator>>(CObject*& pOb)
{
    pOb = ReadObject(nullptr);
    return *this;
}

CArchive& CArchive::operator>>(const CObject*& pOb)
{
    pOb = ReadObject(nullptr);
    return *this;
}

// VARIANTs: the type as a word, then the value in its own size; a string
// as above. References are written as the value they point to.

CArchive& CArchive::operator<<(const VARIANT& var)
{
    CheckStoring();
    VARIANT value;
    ::VariantInit(&value);
    if (FAILED(::VariantCopyInd(&value, const_cast<VARIANT*>(&var))))
        Throw(CArchiveException::genericException);
    try {
        *this << static_cast<WORD>(value.vt);
        switch (value.vt) {
        case VT_EMPTY:
        case VT_NULL:
            break;
        case VT_I1:
        case VT_UI1:
            *this << value.bVal;
            break;
        case VT_I2:
        case VT_UI2:
        case VT_BOOL:
            *this << value.iVal;
            break;
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
        case VT_ERROR:
            *this << value.lVal;
            break;
        case VT_R4:
            *this << value.fltVal;
            break;
        case VT_R8:
        case VT_DATE:
            *this << value.dblVal;
            break;
        case VT_CY:
        case VT_I8:
        case VT_UI8:
            *this << value.llVal;
            break;
        case VT_BSTR:
            *this << CString(value.bstrVal ? value.bstrVal : L"", static_cast<int>(::SysStringLen(value.bstrVal)));
            break;
        default:
            // Interfaces, arrays and records have no archive form.
            Throw(CArchiveException::genericException);
        }
    } catch (...) {
        ::VariantClear(&value);
        throw;
    }
    ::VariantClear(&value);
    return *this;
}

CArchive& CArchive::operator>>(VARIANT& var)
{
    WORD type = 0;
    *this >> type;
    VARIANT value;
    ::VariantInit(&value);
    switch (type) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_I1:
    case VT_UI1:
        *this >> value.bVal;
        break;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
        *this >> value.iVal;
        break;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
        *this >> value.lVal;
        break;
    case VT_R4:
        *this >> value.fltVal;
        break;
    case VT_R8:
    case VT_DATE:
        *this >> value.dblVal;
        break;
    case VT_CY:
    case VT_I8:
    case VT_UI8:
        *this >> value.llVal;
        break;
    case VT_BSTR: {
        CString text;
        *this >> text;
        value.bstrVal = text.AllocSysString();
        break;
    }
    default:
        Throw(CArchiveException::genericException);
    }
    value.vt = type;
    ::VariantClear(&var);
    var = value;
    return *this;
}

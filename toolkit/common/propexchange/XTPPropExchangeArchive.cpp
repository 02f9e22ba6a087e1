#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/files/CArchive.h"
#include "framework/files/CFile.h"
#include "framework/ole/COleDateTime.h"

IMPLEMENT_DYNAMIC(CXTPPropExchangeArchive, CXTPPropExchange)

namespace {

// A blob without a caller's buffer is read in steps of this size, so that
// a corrupt count cannot demand more memory than the data really holds.
const UINT kBlobReadStep = 64 * 1024;

// Loads a value through a temporary, so that a failed read leaves the
// caller's value as it was.
template <class T> void LoadValue(CArchive& ar, void* pvProp)
{
    T value;
    ar >> value;
    *static_cast<T*>(pvProp) = value;
}

template <class T> void StoreValue(CArchive& ar, const void* pvProp)
{
    ar << *static_cast<const T*>(pvProp);
}

} // namespace

CXTPPropExchangeArchive::CXTPPropExchangeArchive(CArchive& ar) : m_ar(ar)
{
    m_bLoading = ar.IsLoading();
}

void CXTPPropExchangeArchive::ReadWhole(void* lpBuf, UINT nCount)
{
    if (m_ar.Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

BOOL CXTPPropExchangeArchive::ExchangeProp(LPCTSTR /*pszPropName*/, VARTYPE vtProp, void* pvProp,
                                           const void* /*pvDefault*/)
{
    OpenSection();
    if (IsStoring())
    {
        switch (vtProp)
        {
        case VT_I2: StoreValue<short>(m_ar, pvProp); break;
        case VT_I4: StoreValue<LONG>(m_ar, pvProp); break;
        case VT_R4: StoreValue<float>(m_ar, pvProp); break;
        case VT_R8: StoreValue<double>(m_ar, pvProp); break;
        case VT_CY: {
            const CY& cy = *static_cast<const CY*>(pvProp);
            m_ar << (DWORD)cy.Lo << (LONG)cy.Hi;
            break;
        }
        case VT_DATE: {
            const COleDateTime& dt = *static_cast<const COleDateTime*>(pvProp);
            m_ar << (LONG)dt.m_status << (double)dt.m_dt;
            break;
        }
        case VT_BOOL: StoreValue<LONG>(m_ar, pvProp); break;
        case VT_VARIANT: m_ar << *static_cast<const VARIANT*>(pvProp); break;
        case VT_UI1: StoreValue<BYTE>(m_ar, pvProp); break;
        case VT_XTP_STRING: StoreValue<CString>(m_ar, pvProp); break;
        case VT_XTP_RECT: m_ar.Write(pvProp, sizeof(RECT)); break;
        case VT_XTP_SIZE: m_ar.Write(pvProp, sizeof(SIZE)); break;
        default: break;
        }
        return TRUE;
    }

    switch (vtProp)
    {
    case VT_I2: LoadValue<short>(m_ar, pvProp); break;
    case VT_I4: LoadValue<LONG>(m_ar, pvProp); break;
    case VT_R4: LoadValue<float>(m_ar, pvProp); break;
    case VT_R8: LoadValue<double>(m_ar, pvProp); break;
    case VT_CY: {
        DWORD nLo = 0;
        LONG nHi = 0;
        m_ar >> nLo >> nHi;
        CY& cy = *static_cast<CY*>(pvProp);
        cy.Lo = nLo;
        cy.Hi = nHi;
        break;
    }
    case VT_DATE: {
        LONG nStatus = 0;
        double dt = 0;
        m_ar >> nStatus >> dt;
        COleDateTime& dtValue = *static_cast<COleDateTime*>(pvProp);
        dtValue.m_dt = dt;
        dtValue.m_status = (COleDateTime::DateTimeStatus)nStatus;
        break;
    }
    case VT_BOOL: LoadValue<LONG>(m_ar, pvProp); break;
    case VT_VARIANT: m_ar >> *static_cast<VARIANT*>(pvProp); break;
    case VT_UI1: LoadValue<BYTE>(m_ar, pvProp); break;
    case VT_XTP_STRING: LoadValue<CString>(m_ar, pvProp); break;
    case VT_XTP_RECT: {
        RECT rc;
        ReadWhole(&rc, sizeof(rc));
        *static_cast<RECT*>(pvProp) = rc;
        break;
    }
    case VT_XTP_SIZE: {
        SIZE sz;
        ReadWhole(&sz, sizeof(sz));
        *static_cast<SIZE*>(pvProp) = sz;
        break;
    }
    default: break;
    }
    return TRUE;
}

BOOL CXTPPropExchangeArchive::ExchangeBlob(LPCTSTR /*pszPropName*/, BYTE*& pData, DWORD& nBytes)
{
    if (IsStoring())
    {
        WriteCount(nBytes);
        if (nBytes > 0)
            m_ar.Write(pData, nBytes);
        return TRUE;
    }

    const DWORD nCount = ReadCount();
    if (pData != nullptr)
    {
        if (nBytes < nCount)
            return FALSE;
        if (m_ar.Read(pData, nCount) != nCount)
            return FALSE;
        nBytes = nCount;
        return TRUE;
    }

    std::vector<BYTE> data;
    while (data.size() < nCount)
    {
        const UINT nStep = (UINT)std::min<DWORD>(kBlobReadStep, nCount - (DWORD)data.size());
        const size_t nOld = data.size();
        data.resize(nOld + nStep);
        if (m_ar.Read(data.data() + nOld, nStep) != nStep)
            return FALSE;
    }
    pData = new BYTE[nCount > 0 ? nCount : 1];
    if (nCount > 0)
        memcpy(pData, data.data(), nCount);
    nBytes = nCount;
    return TRUE;
}

BOOL CXTPPropExchangeArchive::ExchangeRuntimeClass(LPCTSTR /*pszPropName*/, CRuntimeClass*& pClass,
                                                   CRuntimeClass* pDefaultClass)
{
    if (IsStoring())
    {
        m_ar.WriteClass(pClass);
        return TRUE;
    }
    UINT nSchema = 0;
    CRuntimeClass* pLoaded = m_ar.ReadClass(pDefaultClass, &nSchema);
    if (pLoaded == nullptr)
        return FALSE;
    pClass = pLoaded;
    m_nSchema = (int)nSchema;
    return TRUE;
}

BOOL CXTPPropExchangeArchive::ExchangeObjectByClass(CObject*& pObject, CRuntimeClass* pBaseClass)
{
    const BOOL bResult = CXTPPropExchange::ExchangeObjectByClass(pObject, pBaseClass);
    if (IsLoading() && bResult && pObject != nullptr)
        m_ar.MapObject(pObject);
    return bResult;
}

CArchive* CXTPPropExchangeArchive::GetArchive(LPCTSTR /*pszPropName*/)
{
    return &m_ar;
}

void CXTPPropExchangeArchive::ReleaseArchive(LPCTSTR /*pszPropName*/, CArchive* /*pArchive*/)
{
}

CXTPPropExchange* CXTPPropExchangeArchive::GetSection(LPCTSTR /*pszSection*/)
{
    CXTPPropExchangeArchive* pSection = new CXTPPropExchangeArchive(m_ar);
    InitSection(pSection);
    return pSection;
}

void CXTPPropExchangeArchive::WriteCount(DWORD dwCount)
{
    m_ar.WriteCount(dwCount);
}

DWORD CXTPPropExchangeArchive::ReadCount()
{
    return (DWORD)m_ar.ReadCount();
}

void CXTPPropExchangeArchive::Write(LPCTSTR /*pszPropName*/, const void* lpBuf, UINT nCount)
{
    m_ar.Write(lpBuf, nCount);
}

UINT CXTPPropExchangeArchive::Read(LPCTSTR /*pszPropName*/, void* lpBuf, UINT nCount)
{
    return m_ar.Read(lpBuf, nCount);
}

BOOL CXTPPropExchangeArchive::CanOmitDefaults() const
{
    return FALSE;
}

BOOL CXTPPropExchangeArchive::CanStoreBinary() const
{
    return TRUE;
}

DWORD CXTPPropExchangeArchive::CountStoredSections(LPCTSTR /*pszItem*/, DWORD nCount)
{
    CFile* pFile = m_ar.GetFile();
    if (pFile == nullptr)
        return 0;
    // Handing the unread buffer back makes the file position exact.
    m_ar.Flush();
    const ULONGLONG nLength = pFile->GetLength();
    const ULONGLONG nPosition = pFile->GetPosition();
    const ULONGLONG nLeft = nLength > nPosition ? nLength - nPosition : 0;
    return nLeft < nCount ? (DWORD)nLeft : nCount;
}

#include "toolkit/common/propexchange/XTPPropExchange.h"

#include <cstring>
#include <cwchar>

#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "framework/ole/COleDateTime.h"
#include "framework/ole/COleVariant.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"

IMPLEMENT_DYNAMIC(CXTPPropExchange, CCmdTarget)

int CXTPPropExchange::m_nLocale = -1;

namespace {

const int kSchemaDefault = 17;
const UINT kArchiveBufferSize = 4096;
const UINT kMemFileGrowBytes = 1024;

// The letter pair of a byte: low nibble first.
inline WCHAR NibbleLetter(BYTE nibble)
{
    return (WCHAR)(L'A' + nibble);
}

inline bool IsNibbleLetter(WCHAR ch)
{
    return ch >= L'A' && ch <= L'P';
}

} // namespace

CXTPPropExchange::CXTPPropExchange()
    : m_dwData(0), m_bLoading(FALSE), m_nSchema(kSchemaDefault), m_bChildSection(FALSE), m_bEmptySection(FALSE),
      m_bInitialized(FALSE), m_bUseDefaultOnLoad(TRUE), m_bUseDefaultOnSave(TRUE)
{
}

CXTPPropExchange::~CXTPPropExchange() = default;

void CXTPPropExchange::InitSection(CXTPPropExchange* pSection) const
{
    pSection->m_bLoading = m_bLoading;
    pSection->m_dwData = m_dwData;
    pSection->m_nSchema = m_nSchema;
    pSection->m_bEmptySection = m_bEmptySection;
    pSection->m_bUseDefaultOnLoad = m_bUseDefaultOnLoad;
    pSection->m_bUseDefaultOnSave = m_bUseDefaultOnSave;
    pSection->m_bChildSection = TRUE;
}

BOOL CXTPPropExchange::ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes)
{
    const CString strEmpty;
    CString strText;
    if (IsStoring())
    {
        LPWSTR pszText = strText.GetBufferSetLength((int)nBytes * 2);
        for (DWORD i = 0; i < nBytes; i++)
        {
            pszText[i * 2] = NibbleLetter(pData[i] & 0x0F);
            pszText[i * 2 + 1] = NibbleLetter(pData[i] >> 4);
        }
        strText.ReleaseBuffer((int)nBytes * 2);
        return ExchangeProp(pszPropName, VT_XTP_STRING, &strText, &strEmpty);
    }

    if (!ExchangeProp(pszPropName, VT_XTP_STRING, &strText, &strEmpty))
        return FALSE;
    if (strText.IsEmpty())
        return TRUE;
    const int nLength = strText.GetLength();
    if (nLength % 2 != 0)
        return FALSE;
    // Text from outside is checked whole before any byte is written.
    for (int i = 0; i < nLength; i++)
    {
        if (!IsNibbleLetter(strText[i]))
            return FALSE;
    }
    const DWORD nCount = (DWORD)nLength / 2;
    if (pData == nullptr)
    {
        pData = new BYTE[nCount];
        nBytes = nCount;
    }
    else if (nBytes < nCount)
    {
        return FALSE;
    }
    for (DWORD i = 0; i < nCount; i++)
        pData[i] = (BYTE)((strText[(int)i * 2] - L'A') | ((strText[(int)i * 2 + 1] - L'A') << 4));
    nBytes = nCount;
    return TRUE;
}

BOOL CXTPPropExchange::ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass*& pClass,
                                            CRuntimeClass* pDefaultClass)
{
    CString strDefault;
    if (pDefaultClass != nullptr)
        strDefault = pDefaultClass->m_lpszClassName;

    if (IsStoring())
    {
        if (pClass == nullptr)
            return FALSE;
        CString strName(pClass->m_lpszClassName);
        return ExchangeProp(pszPropName, VT_XTP_STRING, &strName, pDefaultClass ? &strDefault : nullptr);
    }

    CString strName;
    const BOOL bResult = ExchangeProp(pszPropName, VT_XTP_STRING, &strName, &strDefault);
    // A missing name gives the default class (stored objects of exactly that
    // class leave it out). A name that is there but names no class is
    // refused, as the binary archive refuses it: building the default class
    // instead would pass the data off as something it is not.
    if (pDefaultClass != nullptr && strName == strDefault)
        pClass = pDefaultClass;
    else
        pClass = strName.IsEmpty() ? nullptr : CRuntimeClass::FromName((LPCWSTR)strName);
    return bResult && pClass != nullptr;
}

BOOL CXTPPropExchange::ExchangeObjectByClass(CObject*& pObject, CRuntimeClass* pBaseClass)
{
    if (IsStoring())
    {
        if (pObject == nullptr)
            return FALSE;
        CRuntimeClass* pClass = pObject->GetRuntimeClass();
        ExchangeRuntimeClass(L"Class", pClass, pBaseClass);
        return TRUE;
    }

    pObject = nullptr;
    CRuntimeClass* pClass = nullptr;
    if (!ExchangeRuntimeClass(L"Class", pClass, pBaseClass) || pClass == nullptr)
        return FALSE;
    // The kind is checked before anything is created: the data may name
    // any registered class, whose construction could have side effects.
    if (pBaseClass != nullptr && !pClass->IsDerivedFrom(pBaseClass))
        return FALSE;
    pObject = pClass->CreateObject();
    return pObject != nullptr;
}

CArchive* CXTPPropExchange::GetArchive(LPCTSTR pszPropName)
{
    if (IsStoring())
    {
        CMemFile* pFile = new CMemFile(kMemFileGrowBytes);
        return new CArchive(pFile, CArchive::store, kArchiveBufferSize);
    }

    BYTE* pData = nullptr;
    DWORD nBytes = 0;
    if (!ExchangeBlob(pszPropName, pData, nBytes) || pData == nullptr || nBytes == 0)
    {
        delete[] pData;
        return nullptr;
    }
    CMemFile* pFile = new CMemFile(kMemFileGrowBytes);
    pFile->Write(pData, nBytes);
    pFile->Seek(0, CFile::begin);
    delete[] pData;
    return new CArchive(pFile, CArchive::load, kArchiveBufferSize);
}

void CXTPPropExchange::ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive)
{
    if (pArchive == nullptr)
        return;
    CFile* pFile = pArchive->GetFile();
    if (pArchive->IsStoring())
    {
        pArchive->Close();
        CMemFile* pMemFile = static_cast<CMemFile*>(pFile);
        DWORD nBytes = (DWORD)pMemFile->GetLength();
        BYTE* pData = pMemFile->Detach();
        ExchangeBlob(pszPropName, pData, nBytes);
        free(pData);
    }
    else
    {
        pArchive->Close();
    }
    delete pArchive;
    pFile->Close();
    delete pFile;
}

void CXTPPropExchange::EmptySection()
{
    m_bEmptySection = TRUE;
}

void CXTPPropExchange::WriteCount(DWORD dwCount)
{
    long nCount = (long)dwCount;
    long nDefault = 0;
    ExchangeProp(L"Count", VT_I4, &nCount, &nDefault);
}

DWORD CXTPPropExchange::ReadCount()
{
    long nCount = 0;
    long nDefault = 0;
    ExchangeProp(L"Count", VT_I4, &nCount, &nDefault);
    return nCount < 0 ? 0 : (DWORD)nCount;
}

void CXTPPropExchange::Write(LPCTSTR pszPropName, const void* lpBuf, UINT nCount)
{
    BYTE* pData = static_cast<BYTE*>(const_cast<void*>(lpBuf));
    DWORD nBytes = nCount;
    ExchangeBlob(pszPropName, pData, nBytes);
}

UINT CXTPPropExchange::Read(LPCTSTR pszPropName, void* lpBuf, UINT nCount)
{
    BYTE* pData = static_cast<BYTE*>(lpBuf);
    DWORD nBytes = nCount;
    if (pData == nullptr || !ExchangeBlob(pszPropName, pData, nBytes))
        return 0;
    return nBytes;
}

BOOL CXTPPropExchange::CanOmitDefaults() const
{
    return TRUE;
}

BOOL CXTPPropExchange::CanStoreBinary() const
{
    return FALSE;
}

BOOL CXTPPropExchange::OpenSection()
{
    m_bInitialized = TRUE;
    return TRUE;
}

CXTPPropExchangeEnumerator* CXTPPropExchange::GetEnumerator(LPCTSTR pszSection)
{
    return new CXTPPropExchangeEnumerator(this, pszSection);
}

DWORD CXTPPropExchange::CountStoredSections(LPCTSTR /*pszItem*/, DWORD nCount)
{
    return nCount;
}

void CXTPPropExchange::ExchangeSchema()
{
    long nSchema = m_nSchema;
    long nDefault = kSchemaDefault;
    ExchangeProp(L"Schema", VT_I4, &nSchema, &nDefault);
    m_nSchema = (int)nSchema;
}

void CXTPPropExchange::ExchangeLocale()
{
    long nLocale = m_nLocale;
    long nDefault = -1;
    ExchangeProp(L"Locale", VT_I4, &nLocale, &nDefault);
    m_nLocale = (int)nLocale;
}

int CXTPPropExchange::GetTypeSize(VARTYPE vtProp)
{
    switch (vtProp)
    {
    case VT_I2: return 2;
    case VT_I4: return 4;
    case VT_R4: return 4;
    case VT_R8: return 8;
    case VT_CY: return 8;
    case VT_DATE: return (int)sizeof(COleDateTime);
    case VT_BSTR: return (int)sizeof(BSTR);
    case VT_BOOL: return (int)sizeof(BOOL);
    case VT_VARIANT: return (int)sizeof(VARIANT);
    case VT_UI1: return 1;
    case VT_XTP_STRING: return (int)sizeof(CString);
    case VT_XTP_RECT: return (int)sizeof(RECT);
    case VT_XTP_SIZE: return (int)sizeof(SIZE);
    default: return 0;
    }
}

BOOL CXTPPropExchange::IsEqualToDefault(VARTYPE vtProp, const void* pvProp, const void* pvDefault)
{
    if (pvDefault == nullptr)
        return FALSE;
    if (pvDefault == pvProp)
        return TRUE;
    switch (vtProp)
    {
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_BOOL:
    case VT_UI1:
    case VT_XTP_RECT:
    case VT_XTP_SIZE:
        return memcmp(pvProp, pvDefault, (size_t)GetTypeSize(vtProp)) == 0;
    case VT_DATE: {
        const COleDateTime& dt = *static_cast<const COleDateTime*>(pvProp);
        const COleDateTime& dtDefault = *static_cast<const COleDateTime*>(pvDefault);
        return dt.m_status == dtDefault.m_status && dt.m_dt == dtDefault.m_dt;
    }
    case VT_BSTR: {
        BSTR bstr = *static_cast<const BSTR*>(pvProp);
        BSTR bstrDefault = *static_cast<const BSTR*>(pvDefault);
        return wcscmp(bstr ? bstr : L"", bstrDefault ? bstrDefault : L"") == 0;
    }
    case VT_VARIANT:
        return *static_cast<const COleVariant*>(static_cast<const VARIANT*>(pvProp)) ==
               *static_cast<const VARIANT*>(pvDefault);
    case VT_XTP_STRING:
        return static_cast<const CString*>(pvProp)->Compare(*static_cast<const CString*>(pvDefault)) == 0;
    default:
        return FALSE;
    }
}

BOOL CXTPPropExchange::CopyDefault(VARTYPE vtProp, void* pvProp, const void* pvDefault)
{
    if (pvDefault == nullptr || GetTypeSize(vtProp) == 0)
        return FALSE;
    if (pvDefault == pvProp)
        return TRUE;
    switch (vtProp)
    {
    case VT_BSTR: {
        BSTR bstrDefault = *static_cast<const BSTR*>(pvDefault);
        *static_cast<BSTR*>(pvProp) = SysAllocString(bstrDefault ? bstrDefault : L"");
        break;
    }
    case VT_VARIANT:
        *static_cast<COleVariant*>(static_cast<VARIANT*>(pvProp)) = *static_cast<const VARIANT*>(pvDefault);
        break;
    case VT_XTP_STRING:
        *static_cast<CString*>(pvProp) = *static_cast<const CString*>(pvDefault);
        break;
    default:
        memcpy(pvProp, pvDefault, (size_t)GetTypeSize(vtProp));
        break;
    }
    return TRUE;
}

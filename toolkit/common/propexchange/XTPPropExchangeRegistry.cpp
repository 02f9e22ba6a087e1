#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"

#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"

#include <shlwapi.h>

#include <cstring>
#include <cwchar>

IMPLEMENT_DYNAMIC(CXTPPropExchangeRegistry, CXTPPropExchange)

namespace {

BOOL IsIntegerType(VARTYPE vtProp)
{
    return vtProp == VT_I2 || vtProp == VT_I4 || vtProp == VT_BOOL || vtProp == VT_UI1;
}

BOOL IsSupportedType(VARTYPE vtProp)
{
    return IsIntegerType(vtProp) || vtProp == VT_R4 || vtProp == VT_R8 || vtProp == VT_XTP_STRING ||
           vtProp == VT_XTP_RECT || vtProp == VT_XTP_SIZE;
}

// The value's bytes zero-extended to 32 bits (a short of -1 is 65535).
DWORD ZeroExtended(VARTYPE vtProp, const void* pvProp)
{
    DWORD dwValue = 0;
    memcpy(&dwValue, pvProp, (size_t)CXTPPropExchange::GetTypeSize(vtProp));
    return dwValue;
}

} // namespace

CXTPPropExchangeRegistry::CXTPPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR lpszSection)
    : m_hSectionKey(nullptr), m_hParentKey(hParentKey), m_strSectionName(lpszSection)
{
    m_bLoading = bLoading;
}

CXTPPropExchangeRegistry::~CXTPPropExchangeRegistry()
{
    CloseSectionKey();
}

void CXTPPropExchangeRegistry::CloseSectionKey()
{
    if (m_hSectionKey != nullptr)
    {
        RegCloseKey(m_hSectionKey);
        m_hSectionKey = nullptr;
    }
}

BOOL CXTPPropExchangeRegistry::OpenSection()
{
    if (m_bInitialized)
        return m_hSectionKey != nullptr;
    m_bInitialized = TRUE;
    if (m_hParentKey == nullptr)
        return FALSE;
    // Loading only reads: a missing section stays missing.
    HKEY hKey = nullptr;
    const LONG nResult =
        IsLoading() ? RegOpenKeyExW(m_hParentKey, m_strSectionName, 0, KEY_READ, &hKey)
                    : RegCreateKeyExW(m_hParentKey, m_strSectionName, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                      nullptr, &hKey, nullptr);
    if (nResult != ERROR_SUCCESS)
        return FALSE;
    m_hSectionKey = hKey;
    return TRUE;
}

CXTPPropExchange* CXTPPropExchangeRegistry::GetSection(LPCTSTR pszSection)
{
    OpenSection();
    CXTPPropExchangeRegistry* pSection = new CXTPPropExchangeRegistry(IsLoading(), m_hSectionKey, pszSection);
    InitSection(pSection);
    return pSection;
}

DWORD CXTPPropExchangeRegistry::CountStoredSections(LPCTSTR pszItem, DWORD nCount)
{
    if (!OpenSection())
        return 0;
    DWORD nStored = 0;
    while (nStored < nCount)
    {
        HKEY hItemKey = nullptr;
        if (RegOpenKeyExW(m_hSectionKey, CXTPPropExchangeEnumerator::GetItemSectionName(pszItem, nStored), 0,
                          KEY_READ, &hItemKey) != ERROR_SUCCESS)
            break;
        RegCloseKey(hItemKey);
        nStored++;
    }
    return nStored;
}

void CXTPPropExchangeRegistry::EmptySection()
{
    CXTPPropExchange::EmptySection();
    CloseSectionKey();
    // An empty name would stand for the parent key itself; a loading
    // exchanger never changes the registry.
    if (IsStoring() && m_hParentKey != nullptr && !m_strSectionName.IsEmpty())
        SHDeleteKeyW(m_hParentKey, m_strSectionName);
    m_bInitialized = FALSE;
}

BOOL CXTPPropExchangeRegistry::CanOmitDefaults() const
{
    return TRUE;
}

BOOL CXTPPropExchangeRegistry::CanStoreBinary() const
{
    return TRUE;
}

BOOL CXTPPropExchangeRegistry::ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                            const void* pvDefault)
{
    if (!IsSupportedType(vtProp))
        return FALSE;
    if (IsStoring())
        return StoreProp(pszPropName, vtProp, pvProp, m_bUseDefaultOnSave ? pvDefault : nullptr);
    return LoadProp(pszPropName, vtProp, pvProp, m_bUseDefaultOnLoad ? pvDefault : nullptr);
}

BOOL CXTPPropExchangeRegistry::StoreProp(LPCTSTR pszPropName, VARTYPE vtProp, const void* pvProp,
                                         const void* pvDefault)
{
    const BOOL bOpened = OpenSection();
    if (IsEqualToDefault(vtProp, pvProp, pvDefault))
    {
        if (bOpened && !m_bEmptySection)
            RegDeleteValueW(m_hSectionKey, pszPropName);
        return TRUE;
    }
    if (!bOpened)
        return FALSE;

    LONG nResult = ERROR_INVALID_PARAMETER;
    if (IsIntegerType(vtProp))
    {
        const DWORD dwValue = ZeroExtended(vtProp, pvProp);
        nResult = RegSetValueExW(m_hSectionKey, pszPropName, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
    }
    else if (vtProp == VT_R4 || vtProp == VT_R8)
    {
        nResult = RegSetValueExW(m_hSectionKey, pszPropName, 0, REG_BINARY, (const BYTE*)pvProp,
                                 (DWORD)GetTypeSize(vtProp));
    }
    else
    {
        CString strText;
        if (vtProp == VT_XTP_STRING)
        {
            strText = *static_cast<const CString*>(pvProp);
        }
        else if (vtProp == VT_XTP_RECT)
        {
            const RECT& rc = *static_cast<const RECT*>(pvProp);
            strText.Format(L"%i, %i, %i, %i", (int)rc.left, (int)rc.top, (int)rc.right, (int)rc.bottom);
        }
        else
        {
            const SIZE& sz = *static_cast<const SIZE*>(pvProp);
            strText.Format(L"%i, %i", (int)sz.cx, (int)sz.cy);
        }
        nResult = RegSetValueExW(m_hSectionKey, pszPropName, 0, REG_SZ, (const BYTE*)(LPCWSTR)strText,
                                 (DWORD)(strText.GetLength() + 1) * sizeof(WCHAR));
    }
    return nResult == ERROR_SUCCESS;
}

BOOL CXTPPropExchangeRegistry::QueryString(LPCTSTR pszPropName, CString& strValue) const
{
    DWORD dwType = 0;
    DWORD cbData = 0;
    if (RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, &dwType, nullptr, &cbData) != ERROR_SUCCESS)
        return FALSE;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return FALSE;
    // Stored text need not end with a zero: room for one is added.
    const int nChars = (int)(cbData / sizeof(WCHAR));
    LPWSTR pszBuffer = strValue.GetBufferSetLength(nChars + 1);
    memset(pszBuffer, 0, (size_t)(nChars + 1) * sizeof(WCHAR));
    DWORD cbRead = (DWORD)nChars * sizeof(WCHAR);
    const LONG nResult =
        RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, &dwType, (BYTE*)pszBuffer, &cbRead);
    pszBuffer[nChars] = 0;
    strValue.ReleaseBuffer();
    return nResult == ERROR_SUCCESS;
}

BOOL CXTPPropExchangeRegistry::LoadProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault)
{
    if (!OpenSection())
        return CopyDefault(vtProp, pvProp, pvDefault);

    if (IsIntegerType(vtProp))
    {
        // Four stored bytes are the number, whatever type the value was
        // written with; a value of another size is damage and leaves the
        // default.
        DWORD dwValue = 0;
        DWORD cbData = sizeof(dwValue);
        if (RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, nullptr, (BYTE*)&dwValue, &cbData) !=
                ERROR_SUCCESS ||
            cbData != sizeof(dwValue))
            return CopyDefault(vtProp, pvProp, pvDefault);
        memcpy(pvProp, &dwValue, (size_t)GetTypeSize(vtProp));
        return TRUE;
    }
    if (vtProp == VT_R4 || vtProp == VT_R8)
    {
        BYTE data[8] = {};
        DWORD dwType = 0;
        DWORD cbData = sizeof(data);
        const DWORD cbExpected = (DWORD)GetTypeSize(vtProp);
        if (RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, &dwType, data, &cbData) != ERROR_SUCCESS ||
            dwType != REG_BINARY || cbData != cbExpected)
            return CopyDefault(vtProp, pvProp, pvDefault);
        memcpy(pvProp, data, cbExpected);
        return TRUE;
    }

    CString strText;
    if (!QueryString(pszPropName, strText))
        return CopyDefault(vtProp, pvProp, pvDefault);
    if (vtProp == VT_XTP_STRING)
    {
        *static_cast<CString*>(pvProp) = strText;
        return TRUE;
    }
    if (vtProp == VT_XTP_RECT)
    {
        int l = 0, t = 0, r = 0, b = 0;
        if (swscanf(strText, L"%d, %d, %d, %d", &l, &t, &r, &b) != 4)
            return CopyDefault(vtProp, pvProp, pvDefault);
        *static_cast<RECT*>(pvProp) = RECT{l, t, r, b};
        return TRUE;
    }
    int cx = 0, cy = 0;
    if (swscanf(strText, L"%d, %d", &cx, &cy) != 2)
        return CopyDefault(vtProp, pvProp, pvDefault);
    *static_cast<SIZE*>(pvProp) = SIZE{cx, cy};
    return TRUE;
}

BOOL CXTPPropExchangeRegistry::ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes)
{
    if (!OpenSection())
        return FALSE;
    if (IsStoring())
        return RegSetValueExW(m_hSectionKey, pszPropName, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;

    DWORD cbData = 0;
    if (RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, nullptr, nullptr, &cbData) != ERROR_SUCCESS)
        return FALSE;
    BYTE* pAllocated = nullptr;
    if (pData == nullptr)
        pAllocated = new BYTE[cbData > 0 ? cbData : 1];
    else if (nBytes < cbData)
        return FALSE;
    BYTE* pTarget = pAllocated ? pAllocated : pData;
    DWORD cbRead = cbData;
    if (RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, nullptr, pTarget, &cbRead) != ERROR_SUCCESS)
    {
        delete[] pAllocated;
        return FALSE;
    }
    if (pAllocated)
        pData = pAllocated;
    nBytes = cbRead;
    return TRUE;
}

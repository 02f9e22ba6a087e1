#include "PropExchangeTestSupport.h"

#include <shlwapi.h>

#include <cstring>

#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"

IMPLEMENT_SERIAL(CPropTestShape, CObject, 1)
IMPLEMENT_SERIAL(CPropTestCircle, CPropTestShape, 1)
IMPLEMENT_SERIAL(CPropTestStranger, CObject, 1)

int CPropTestShape::s_nCreated = 0;
int CPropTestStranger::s_nCreated = 0;

void CPropTestShape::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nSides;
    else
        ar >> m_nSides;
}

namespace proptest {

ScratchKey::ScratchKey(LPCWSTR pszName) : m_strPath(CString(L"Software\\TavrolinTests\\") + pszName), m_hKey(nullptr)
{
    SHDeleteKeyW(HKEY_CURRENT_USER, m_strPath);
    RegCreateKeyExW(HKEY_CURRENT_USER, m_strPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
}

ScratchKey::~ScratchKey()
{
    RegCloseKey(m_hKey);
    SHDeleteKeyW(HKEY_CURRENT_USER, m_strPath);
}

DWORD ScratchKey::ValueType(LPCWSTR pszSubKey, LPCWSTR pszValue, std::vector<BYTE>* pData) const
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(m_hKey, pszSubKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return REG_NONE;
    DWORD dwType = REG_NONE, cbData = 0;
    if (RegQueryValueExW(hKey, pszValue, nullptr, &dwType, nullptr, &cbData) != ERROR_SUCCESS)
        dwType = REG_NONE;
    else if (pData)
    {
        pData->resize(cbData);
        RegQueryValueExW(hKey, pszValue, nullptr, nullptr, pData->data(), &cbData);
    }
    RegCloseKey(hKey);
    return dwType;
}

BOOL ScratchKey::HasSubKey(LPCWSTR pszSubKey) const
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(m_hKey, pszSubKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    RegCloseKey(hKey);
    return TRUE;
}

DWORD ScratchKey::DwordValue(LPCWSTR pszSubKey, LPCWSTR pszValue) const
{
    std::vector<BYTE> data;
    if (ValueType(pszSubKey, pszValue, &data) != REG_DWORD || data.size() != 4)
        return 0xDEADBEEF;
    DWORD dwValue;
    memcpy(&dwValue, data.data(), 4);
    return dwValue;
}

CString ScratchKey::StringValue(LPCWSTR pszSubKey, LPCWSTR pszValue) const
{
    std::vector<BYTE> data;
    if (ValueType(pszSubKey, pszValue, &data) != REG_SZ)
        return L"<not a string>";
    return CString((LPCWSTR)data.data(), (int)(data.size() / sizeof(WCHAR)) - 1);
}

void ScratchKey::SetString(LPCWSTR pszSubKey, LPCWSTR pszValue, LPCWSTR pszText) const
{
    HKEY hKey = nullptr;
    RegCreateKeyExW(m_hKey, pszSubKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr);
    RegSetValueExW(hKey, pszValue, 0, REG_SZ, (const BYTE*)pszText, (DWORD)(wcslen(pszText) + 1) * sizeof(WCHAR));
    RegCloseKey(hKey);
}

void ScratchKey::SetDword(LPCWSTR pszSubKey, LPCWSTR pszValue, DWORD dwValue) const
{
    HKEY hKey = nullptr;
    RegCreateKeyExW(m_hKey, pszSubKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr);
    RegSetValueExW(hKey, pszValue, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
    RegCloseKey(hKey);
}

namespace {

void AppendKey(HKEY hKey, const std::wstring& strPath, std::wstring& strOut)
{
    strOut += L"[" + strPath + L"]\n";
    WCHAR szName[256];
    BYTE data[4096];
    for (DWORD i = 0;; i++)
    {
        DWORD cchName = 256, dwType = 0, cbData = sizeof(data);
        if (RegEnumValueW(hKey, i, szName, &cchName, nullptr, &dwType, data, &cbData) != ERROR_SUCCESS)
            break;
        strOut += std::wstring(szName) + L"=" + std::to_wstring(dwType) + L":";
        for (DWORD b = 0; b < cbData; b++)
            strOut += std::to_wstring(data[b]) + L" ";
        strOut += L"\n";
    }
    for (DWORD i = 0;; i++)
    {
        DWORD cchName = 256;
        if (RegEnumKeyExW(hKey, i, szName, &cchName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY hChild = nullptr;
        if (RegOpenKeyExW(hKey, szName, 0, KEY_READ, &hChild) != ERROR_SUCCESS)
            continue;
        AppendKey(hChild, strPath + L"\\" + szName, strOut);
        RegCloseKey(hChild);
    }
}

} // namespace

std::wstring ScratchKey::Snapshot() const
{
    std::wstring strOut;
    AppendKey(m_hKey, L"", strOut);
    return strOut;
}

void StoreItems(CXTPPropExchange* px, std::vector<long> values)
{
    CXTPPropExchangeEnumerator* pEnum = px->GetEnumerator(L"Item");
    POSITION pos = pEnum->GetPosition((DWORD)values.size());
    for (size_t i = 0; pos; i++)
    {
        Section item(pEnum->GetNext(pos));
        XTPExchangeLong(item.get(), L"Value", values[i]);
    }
    delete pEnum;
}

std::vector<long> LoadItems(CXTPPropExchange* px)
{
    CXTPPropExchangeEnumerator* pEnum = px->GetEnumerator(L"Item");
    std::vector<long> values;
    for (POSITION pos = pEnum->GetPosition(); pos;)
    {
        Section item(pEnum->GetNext(pos));
        long n = -1;
        XTPExchangeLong(item.get(), L"Value", n);
        values.push_back(n);
    }
    delete pEnum;
    return values;
}

IXMLDOMDocument* NewDomDocument()
{
    static const CLSID kDomDocument = {0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
    IXMLDOMDocument* pDocument = nullptr;
    CoCreateInstance(kDomDocument, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument, (void**)&pDocument);
    return pDocument;
}

CString DocumentXml(IXMLDOMDocument* pDocument)
{
    BSTR bstrXml = nullptr;
    pDocument->get_xml(&bstrXml);
    CString strXml(bstrXml ? bstrXml : L"");
    SysFreeString(bstrXml);
    return strXml;
}

CString WriteScratchFile(LPCWSTR pszName, const char* pszContent)
{
    WCHAR szFolder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, szFolder);
    CString strPath = CString(szFolder) + L"\\" + pszName;
    HANDLE hFile = CreateFileW(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD dwWritten = 0;
    WriteFile(hFile, pszContent, (DWORD)strlen(pszContent), &dwWritten, nullptr);
    CloseHandle(hFile);
    return strPath;
}

} // namespace proptest

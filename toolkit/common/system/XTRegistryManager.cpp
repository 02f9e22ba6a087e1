#include "toolkit/common/system/XTRegistryManager.h"

#include <vector>

namespace
{
const REGSAM ReadRights = 0x20019;       // KEY_READ
const REGSAM ReadWriteRights = 0x2001F;  // KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY

CString s_strIniFileName;

BOOL WriteResult(LONG lResult)
{
    if (lResult == ERROR_SUCCESS)
        return TRUE;
    return lResult == ERROR_ACCESS_DENIED ? -1 : FALSE;
}

// Reads a whole value, sized by asking first. The value may grow between the
// two calls; then it is asked again.
LONG ReadValue(HKEY hKey, LPCTSTR pszEntry, DWORD& dwType, std::vector<BYTE>& data)
{
    for (int nAttempt = 0; nAttempt < 4; ++nAttempt)
    {
        DWORD dwSize = 0;
        LONG lResult = RegQueryValueExW(hKey, pszEntry, nullptr, &dwType, nullptr, &dwSize);
        if (lResult != ERROR_SUCCESS)
            return lResult;
        data.assign(dwSize, 0);
        lResult = RegQueryValueExW(hKey, pszEntry, nullptr, &dwType, dwSize != 0 ? data.data() : nullptr, &dwSize);
        if (lResult == ERROR_SUCCESS)
        {
            data.resize(dwSize);
            return ERROR_SUCCESS;
        }
        if (lResult != ERROR_MORE_DATA)
            return lResult;
    }
    return ERROR_MORE_DATA;
}

// INI form of bytes: two letters per byte, 'A' + low nibble, then 'A' + high
// nibble.
CString EncodeLetters(const BYTE* pData, UINT nBytes)
{
    CString strText;
    for (UINT i = 0; i < nBytes; ++i)
    {
        strText += WCHAR(L'A' + (pData[i] & 0x0F));
        strText += WCHAR(L'A' + ((pData[i] >> 4) & 0x0F));
    }
    return strText;
}

void DecodeLetters(const CString& strText, BYTE* pData, UINT nBytes)
{
    for (UINT i = 0; i < nBytes; ++i)
    {
        int nLow = strText[int(2 * i)] - L'A';
        int nHigh = strText[int(2 * i + 1)] - L'A';
        pData[i] = BYTE((nHigh * 16 + nLow) & 0xFF);
    }
}

class COpenKey
{
public:
    explicit COpenKey(HKEY hKey) : m_hKey(hKey) {}
    ~COpenKey()
    {
        if (m_hKey != nullptr)
            RegCloseKey(m_hKey);
    }
    COpenKey(const COpenKey&) = delete;
    COpenKey& operator=(const COpenKey&) = delete;
    operator HKEY() const { return m_hKey; }

private:
    HKEY m_hKey;
};

// Reads a value of the section below the application key; the key is closed
// again before returning.
LONG ReadSectionValue(CXTRegistryManager& manager, LPCTSTR pszSection, LPCTSTR pszEntry, DWORD& dwType,
                      std::vector<BYTE>& data)
{
    HKEY hSection = manager.GetSectionKey(pszSection, ReadRights);
    if (hSection == nullptr)
        return ERROR_FILE_NOT_FOUND;
    COpenKey section(hSection);
    return ReadValue(section, pszEntry, dwType, data);
}
} // namespace

CXTRegistryManager::CXTRegistryManager(HKEY hKeyBase)
    : m_hKeyBase(hKeyBase), m_bHaveNames(FALSE), m_lLastError(ERROR_SUCCESS)
{
}

CXTRegistryManager::~CXTRegistryManager()
{
}

CString& CXTRegistryManager::GetIniFileName()
{
    return s_strIniFileName;
}

void CXTRegistryManager::SetIniFileName(LPCTSTR pszFileName)
{
    s_strIniFileName = pszFileName != nullptr ? pszFileName : L"";
}

BOOL CXTRegistryManager::UsesIniFile()
{
    return !s_strIniFileName.IsEmpty();
}

BOOL CXTRegistryManager::HaveNames()
{
    if (m_bHaveNames)
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pApp->m_pszRegistryKey == nullptr || pApp->m_pszProfileName == nullptr)
        return FALSE;
    // Copies: the application may replace its texts later.
    m_strRegistryKey = pApp->m_pszRegistryKey;
    m_strProfileName = pApp->m_pszProfileName;
    m_bHaveNames = TRUE;
    return TRUE;
}

LONG CXTRegistryManager::OpenOrCreateKey(HKEY hParent, LPCTSTR pszName, REGSAM samDesired, HKEY* phKey)
{
    // Only rights that change the key make it exist: reading a missing
    // setting must not leave empty keys behind.
    if ((samDesired & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) == 0)
        return RegOpenKeyExW(hParent, pszName, 0, samDesired, phKey);
    return RegCreateKeyExW(hParent, pszName, 0, nullptr, REG_OPTION_NON_VOLATILE, samDesired, nullptr, phKey,
                           nullptr);
}

HKEY CXTRegistryManager::GetAppRegistryKey(REGSAM samDesired)
{
    if (!HaveNames())
    {
        m_lLastError = ERROR_FILE_NOT_FOUND;
        return nullptr;
    }
    HKEY hSoftware = nullptr;
    m_lLastError = RegOpenKeyExW(m_hKeyBase, L"Software", 0, samDesired, &hSoftware);
    if (m_lLastError != ERROR_SUCCESS)
        return nullptr;
    COpenKey software(hSoftware);
    HKEY hMaker = nullptr;
    m_lLastError = OpenOrCreateKey(software, m_strRegistryKey, samDesired, &hMaker);
    if (m_lLastError != ERROR_SUCCESS)
        return nullptr;
    COpenKey maker(hMaker);
    HKEY hApp = nullptr;
    m_lLastError = OpenOrCreateKey(maker, m_strProfileName, samDesired, &hApp);
    return m_lLastError == ERROR_SUCCESS ? hApp : nullptr;
}

HKEY CXTRegistryManager::GetSectionKey(LPCTSTR pszSection, REGSAM samDesired)
{
    HKEY hApp = GetAppRegistryKey(samDesired);
    if (hApp == nullptr)
        return nullptr;
    COpenKey app(hApp);
    HKEY hSection = nullptr;
    m_lLastError = OpenOrCreateKey(app, pszSection, samDesired, &hSection);
    return m_lLastError == ERROR_SUCCESS ? hSection : nullptr;
}

BOOL CXTRegistryManager::WriteProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue)
{
    if (UsesIniFile())
    {
        CString strValue;
        strValue.Format(L"%d", nValue);
        return WritePrivateProfileStringW(pszSection, pszEntry, strValue, s_strIniFileName);
    }
    DWORD dwValue = DWORD(nValue);
    return WriteProfileDword(pszSection, pszEntry, &dwValue);
}

BOOL CXTRegistryManager::WriteProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue)
{
    if (UsesIniFile())
        return WritePrivateProfileStringW(pszSection, pszEntry, pszValue, s_strIniFileName);
    if (pszEntry == nullptr)
    {
        HKEY hApp = GetAppRegistryKey(ReadWriteRights);
        if (hApp == nullptr)
            return WriteResult(m_lLastError);
        COpenKey app(hApp);
        return WriteResult(RegDeleteKeyW(app, pszSection));
    }
    HKEY hSection = GetSectionKey(pszSection, ReadWriteRights);
    if (hSection == nullptr)
        return WriteResult(m_lLastError);
    COpenKey section(hSection);
    if (pszValue == nullptr)
        return WriteResult(RegDeleteValueW(section, pszEntry));
    DWORD dwBytes = DWORD((wcslen(pszValue) + 1) * sizeof(WCHAR));
    return WriteResult(
        RegSetValueExW(section, pszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszValue), dwBytes));
}

BOOL CXTRegistryManager::WriteProfileDword(LPCTSTR pszSection, LPCTSTR pszEntry, const DWORD* pValue)
{
    if (UsesIniFile())
        return WriteProfileString(pszSection, pszEntry,
                                  EncodeLetters(reinterpret_cast<const BYTE*>(pValue), sizeof(DWORD)));
    HKEY hSection = GetSectionKey(pszSection, ReadWriteRights);
    if (hSection == nullptr)
        return WriteResult(m_lLastError);
    COpenKey section(hSection);
    return WriteResult(
        RegSetValueExW(section, pszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(pValue), sizeof(DWORD)));
}

BOOL CXTRegistryManager::WriteProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, const BYTE* pData, UINT nBytes)
{
    if (UsesIniFile())
        return WriteProfileString(pszSection, pszEntry, EncodeLetters(pData, nBytes));
    HKEY hSection = GetSectionKey(pszSection, ReadWriteRights);
    if (hSection == nullptr)
        return WriteResult(m_lLastError);
    COpenKey section(hSection);
    return WriteResult(RegSetValueExW(section, pszEntry, 0, REG_BINARY, pData, nBytes));
}

int CXTRegistryManager::GetProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nDefault)
{
    if (UsesIniFile())
        return int(GetPrivateProfileIntW(pszSection, pszEntry, nDefault, s_strIniFileName));
    DWORD dwType = 0;
    std::vector<BYTE> data;
    if (ReadSectionValue(*this, pszSection, pszEntry, dwType, data) != ERROR_SUCCESS || data.empty())
        return nDefault;
    // The leading 4 bytes, whatever the value's type.
    DWORD dwValue = 0;
    memcpy(&dwValue, data.data(), data.size() < sizeof(dwValue) ? data.size() : sizeof(dwValue));
    return int(dwValue);
}

CString CXTRegistryManager::GetProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszDefault)
{
    const CString strDefault = pszDefault != nullptr ? pszDefault : L"";
    if (UsesIniFile())
    {
        std::vector<WCHAR> buffer(4096, 0);
        GetPrivateProfileStringW(pszSection, pszEntry, strDefault, buffer.data(), DWORD(buffer.size()),
                                 s_strIniFileName);
        return CString(buffer.data());
    }
    DWORD dwType = 0;
    std::vector<BYTE> data;
    if (ReadSectionValue(*this, pszSection, pszEntry, dwType, data) != ERROR_SUCCESS)
        return strDefault;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return strDefault;
    // The stored text need not end in a zero, nor have an even length.
    std::vector<WCHAR> text(data.size() / sizeof(WCHAR) + 1, 0);
    memcpy(text.data(), data.data(), (data.size() / sizeof(WCHAR)) * sizeof(WCHAR));
    return CString(text.data());
}

BOOL CXTRegistryManager::GetProfileDword(LPCTSTR pszSection, LPCTSTR pszEntry, DWORD* pValue)
{
    if (UsesIniFile())
    {
        CString strLetters = GetProfileString(pszSection, pszEntry, nullptr);
        if (strLetters.IsEmpty())
            return FALSE;
        UINT nBytes = UINT(strLetters.GetLength()) / 2;
        if (nBytes > sizeof(DWORD))
            return FALSE;
        DecodeLetters(strLetters, reinterpret_cast<BYTE*>(pValue), nBytes);
        return TRUE;
    }
    DWORD dwType = 0;
    std::vector<BYTE> data;
    if (ReadSectionValue(*this, pszSection, pszEntry, dwType, data) != ERROR_SUCCESS || data.size() > sizeof(DWORD))
        return FALSE;
    memcpy(pValue, data.data(), data.size());
    return TRUE;
}

BOOL CXTRegistryManager::GetProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, BYTE** ppData, UINT* pnBytes)
{
    *ppData = nullptr;
    *pnBytes = 0;
    if (UsesIniFile())
    {
        CString strLetters = GetProfileString(pszSection, pszEntry, nullptr);
        if (strLetters.IsEmpty())
            return FALSE;
        UINT nBytes = UINT(strLetters.GetLength()) / 2;
        *ppData = new BYTE[nBytes != 0 ? nBytes : 1];
        DecodeLetters(strLetters, *ppData, nBytes);
        *pnBytes = nBytes;
        return TRUE;
    }
    DWORD dwType = 0;
    std::vector<BYTE> data;
    if (ReadSectionValue(*this, pszSection, pszEntry, dwType, data) != ERROR_SUCCESS)
        return FALSE;
    *ppData = new BYTE[data.empty() ? 1 : data.size()];
    if (!data.empty())
        memcpy(*ppData, data.data(), data.size());
    *pnBytes = UINT(data.size());
    return TRUE;
}

// The registry and INI settings store of the toolkit, on the test prefix's
// real registry and on real INI files.
#include <gtest/gtest.h>

#include "toolkit/common/XTRegistryManager.h"

#include "EngineTestApp.h"

#include <vector>

namespace {

const wchar_t AppKey[] = L"Software\\Brannoch\\Tavrolin";

// Reads a value directly; false when it is missing.
bool ReadRaw(LPCWSTR pszSection, LPCWSTR pszEntry, DWORD& dwType, std::vector<BYTE>& data)
{
    CString strKey = CString(AppKey) + L"\\" + pszSection;
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    DWORD dwSize = 0;
    LONG lResult = RegQueryValueExW(hKey, pszEntry, nullptr, &dwType, nullptr, &dwSize);
    data.assign(dwSize, 0);
    if (lResult == ERROR_SUCCESS && dwSize != 0)
        lResult = RegQueryValueExW(hKey, pszEntry, nullptr, &dwType, data.data(), &dwSize);
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

bool KeyExists(LPCWSTR pszSection)
{
    CString strKey = CString(AppKey) + L"\\" + pszSection;
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

void WriteRaw(LPCWSTR pszSection, LPCWSTR pszEntry, DWORD dwType, const void* pData, DWORD dwSize)
{
    CString strKey = CString(AppKey) + L"\\" + pszSection;
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, strKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(hKey, pszEntry, 0, dwType, static_cast<const BYTE*>(pData), dwSize);
    RegCloseKey(hKey);
}

class XTRegistryManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        TavrolinTestApp();
        CXTRegistryManager::SetIniFileName(nullptr);
        DeleteUserKey(L"Brannoch\\Tavrolin\\RegTest");
    }
    void TearDown() override
    {
        CXTRegistryManager::SetIniFileName(nullptr);
        DeleteUserKey(L"Brannoch\\Tavrolin\\RegTest");
    }

    CXTRegistryManager m_registry;
};

class XTRegistryManagerIniTest : public testing::Test
{
protected:
    void SetUp() override
    {
        WCHAR szFolder[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, szFolder);
        m_strFile.Format(L"%s\\regtest-%lu.ini", szFolder, GetCurrentProcessId());
        DeleteFileW(m_strFile);
        CXTRegistryManager::SetIniFileName(m_strFile);
    }
    void TearDown() override
    {
        CXTRegistryManager::SetIniFileName(nullptr);
        DeleteFileW(m_strFile);
    }

    CString IniText(LPCWSTR pszEntry)
    {
        WCHAR szText[256] = {};
        GetPrivateProfileStringW(L"RegTest", pszEntry, L"<none>", szText, 256, m_strFile);
        return szText;
    }

    CString m_strFile;
    CXTRegistryManager m_registry;
};

} // namespace

// --- registry: layout and round trips ---------------------------------------

TEST_F(XTRegistryManagerTest, WritesBelowTheApplicationsKeyInTheRegistrysTypes)
{
    DeleteUserKey(L"Brannoch\\Tavrolin\\RegTest");
    EXPECT_EQ(m_registry.WriteProfileInt(L"RegTest", L"Interval", 30), TRUE);
    DWORD dwType = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(ReadRaw(L"RegTest", L"Interval", dwType, data));
    EXPECT_EQ(dwType, DWORD(REG_DWORD));
    ASSERT_EQ(data.size(), 4u);
    EXPECT_EQ(*reinterpret_cast<DWORD*>(data.data()), 30u);

    EXPECT_EQ(m_registry.WriteProfileString(L"RegTest", L"Sound", L"C:\\x.wav"), TRUE);
    ASSERT_TRUE(ReadRaw(L"RegTest", L"Sound", dwType, data));
    EXPECT_EQ(dwType, DWORD(REG_SZ));
    EXPECT_EQ(data.size(), sizeof(L"C:\\x.wav"));

    BYTE bytes[3] = {1, 2, 3};
    EXPECT_EQ(m_registry.WriteProfileBinary(L"RegTest", L"Blob", bytes, 3), TRUE);
    ASSERT_TRUE(ReadRaw(L"RegTest", L"Blob", dwType, data));
    EXPECT_EQ(dwType, DWORD(REG_BINARY));
    EXPECT_EQ(data, std::vector<BYTE>({1, 2, 3}));

    HKEY hApp = m_registry.GetAppRegistryKey(KEY_READ);
    ASSERT_NE(hApp, nullptr);
    RegCloseKey(hApp);
}

TEST_F(XTRegistryManagerTest, ValuesRoundTrip)
{
    m_registry.WriteProfileInt(L"RegTest", L"Negative", -5);
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Negative", 0), -5);

    DWORD dwValue = 0x12345678;
    m_registry.WriteProfileDword(L"RegTest", L"Dword", &dwValue);
    DWORD dwRead = 0;
    EXPECT_TRUE(m_registry.GetProfileDword(L"RegTest", L"Dword", &dwRead));
    EXPECT_EQ(dwRead, 0x12345678u);

    m_registry.WriteProfileString(L"RegTest", L"Text", L"Gr\u00fc\u00dfe");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Text", L"x"), L"Gr\u00fc\u00dfe");
    m_registry.WriteProfileString(L"RegTest", L"Empty", L"");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Empty", L"x"), L"");

    std::vector<BYTE> blob(300);
    for (size_t i = 0; i < blob.size(); ++i)
        blob[i] = BYTE(i * 7);
    m_registry.WriteProfileBinary(L"RegTest", L"Blob", blob.data(), UINT(blob.size()));
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(m_registry.GetProfileBinary(L"RegTest", L"Blob", &pData, &nBytes));
    ASSERT_EQ(nBytes, 300u);
    EXPECT_EQ(std::vector<BYTE>(pData, pData + nBytes), blob);
    delete[] pData;
}

TEST_F(XTRegistryManagerTest, MissingValuesGiveTheirDefaults)
{
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Missing", 17), 17);
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Missing", L"dflt"), L"dflt");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Missing", nullptr), L"");
    DWORD dwValue = 99;
    EXPECT_FALSE(m_registry.GetProfileDword(L"RegTest", L"Missing", &dwValue));
    EXPECT_EQ(dwValue, 99u);
    BYTE* pData = reinterpret_cast<BYTE*>(1);
    UINT nBytes = 5;
    EXPECT_FALSE(m_registry.GetProfileBinary(L"RegTest", L"Missing", &pData, &nBytes));
    EXPECT_EQ(pData, nullptr);
    EXPECT_EQ(nBytes, 0u);
}

TEST_F(XTRegistryManagerTest, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    m_registry.WriteProfileInt(L"RegTest", L"A", 1);
    m_registry.WriteProfileInt(L"RegTest", L"B", 2);
    EXPECT_EQ(m_registry.WriteProfileString(L"RegTest", L"A", nullptr), TRUE);
    DWORD dwType = 0;
    std::vector<BYTE> data;
    EXPECT_FALSE(ReadRaw(L"RegTest", L"A", dwType, data));
    EXPECT_TRUE(ReadRaw(L"RegTest", L"B", dwType, data));

    EXPECT_EQ(m_registry.WriteProfileString(L"RegTest", nullptr, nullptr), TRUE);
    EXPECT_FALSE(KeyExists(L"RegTest"));
    HKEY hApp = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, AppKey, 0, KEY_READ, &hApp), ERROR_SUCCESS);
    RegCloseKey(hApp);
}

// --- registry: values that are not what the reader expects ----------------

TEST_F(XTRegistryManagerTest, StringsAreReadOnlyFromStringValuesAndAlwaysTerminated)
{
    // No terminating zero (the registry adds one when a zero follows the
    // data), and an odd byte count.
    const wchar_t text[] = L"abcX";
    WriteRaw(L"RegTest", L"Unterminated", REG_SZ, text, 3 * sizeof(wchar_t));
    DWORD dwType = 0;
    std::vector<BYTE> stored;
    ASSERT_TRUE(ReadRaw(L"RegTest", L"Unterminated", dwType, stored));
    ASSERT_EQ(stored.size(), 3 * sizeof(wchar_t));
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Unterminated", L"d"), L"abc");
    WriteRaw(L"RegTest", L"Odd", REG_SZ, text, 5);
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Odd", L"d"), L"ab");

    const wchar_t expand[] = L"%WINDIR%\\x";
    WriteRaw(L"RegTest", L"Expand", REG_EXPAND_SZ, expand, sizeof expand);
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Expand", L"d"), L"%WINDIR%\\x");

    DWORD dwValue = 0x00410041;
    WriteRaw(L"RegTest", L"Number", REG_DWORD, &dwValue, sizeof dwValue);
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Number", L"d"), L"d");
    BYTE bytes[6] = {'a', 0, 'b', 0, 'c', 0};
    WriteRaw(L"RegTest", L"Bytes", REG_BINARY, bytes, sizeof bytes);
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Bytes", L"d"), L"d");

    std::wstring longText(10000, L'x');
    WriteRaw(L"RegTest", L"Long", REG_SZ, longText.c_str(), DWORD((longText.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Long", L"d").GetLength(), 10000);
}

TEST_F(XTRegistryManagerTest, IntegersTakeTheLeadingFourBytesOfAnyValue)
{
    BYTE two[2] = {0x34, 0x12};
    WriteRaw(L"RegTest", L"Two", REG_BINARY, two, sizeof two);
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Two", -1), 0x1234);
    BYTE eight[8] = {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    WriteRaw(L"RegTest", L"Eight", REG_BINARY, eight, sizeof eight);
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Eight", -1), 1);
    WriteRaw(L"RegTest", L"Nothing", REG_BINARY, eight, 0);
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Nothing", -1), -1);
}

TEST_F(XTRegistryManagerTest, FourByteReadsNeverWritePastTheBuffer)
{
    struct
    {
        DWORD dwValue;
        DWORD dwGuard;
    } buffer = {7, 0xA5A5A5A5};
    BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    WriteRaw(L"RegTest", L"Eight", REG_BINARY, eight, sizeof eight);
    EXPECT_FALSE(m_registry.GetProfileDword(L"RegTest", L"Eight", &buffer.dwValue));
    EXPECT_EQ(buffer.dwValue, 7u);
    EXPECT_EQ(buffer.dwGuard, 0xA5A5A5A5u);

    BYTE four[4] = {1, 2, 3, 4};
    WriteRaw(L"RegTest", L"Four", REG_BINARY, four, sizeof four);
    EXPECT_TRUE(m_registry.GetProfileDword(L"RegTest", L"Four", &buffer.dwValue));
    EXPECT_EQ(buffer.dwValue, 0x04030201u);
    EXPECT_EQ(buffer.dwGuard, 0xA5A5A5A5u);
}

// --- registry: refusals -----------------------------------------------------

TEST_F(XTRegistryManagerTest, AKeyTheUserMayNotChangeGivesMinusOne)
{
    // A section whose access list only lets everyone read.
    CString strKey = CString(AppKey) + L"\\RegTest";
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, strKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    BYTE aclBuffer[256];
    ACL* pAcl = reinterpret_cast<ACL*>(aclBuffer);
    InitializeAcl(pAcl, sizeof aclBuffer, ACL_REVISION);
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID pEveryone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &pEveryone);
    AddAccessAllowedAce(pAcl, ACL_REVISION, KEY_READ, pEveryone);
    SetSecurityDescriptorDacl(&sd, TRUE, pAcl, FALSE);
    ASSERT_EQ(RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, &sd), ERROR_SUCCESS);
    RegCloseKey(hKey);
    FreeSid(pEveryone);

    DWORD dwValue = 1;
    BYTE byte = 1;
    EXPECT_EQ(m_registry.WriteProfileInt(L"RegTest", L"A", 1), -1);
    EXPECT_EQ(m_registry.WriteProfileDword(L"RegTest", L"A", &dwValue), -1);
    EXPECT_EQ(m_registry.WriteProfileString(L"RegTest", L"A", L"x"), -1);
    EXPECT_EQ(m_registry.WriteProfileBinary(L"RegTest", L"A", &byte, 1), -1);
    // Reading is still allowed.
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"A", 5), 5);

    // Open the key to everyone again, so that it can be removed.
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, strKey, 0, WRITE_DAC, &hKey), ERROR_SUCCESS);
    SetSecurityDescriptorDacl(&sd, TRUE, nullptr, FALSE);
    EXPECT_EQ(RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, &sd), ERROR_SUCCESS);
    RegCloseKey(hKey);
}

TEST_F(XTRegistryManagerTest, WithoutTheApplicationsNamesReadsGiveDefaultsAndWritesFail)
{
    CWinApp& app = TavrolinTestApp();
    LPCTSTR pszKey = app.m_pszRegistryKey;
    app.m_pszRegistryKey = nullptr;
    CXTRegistryManager registry;
    DWORD dwValue = 3;
    EXPECT_EQ(registry.WriteProfileInt(L"RegTest", L"A", 1), FALSE);
    EXPECT_EQ(registry.WriteProfileDword(L"RegTest", L"A", &dwValue), FALSE);
    EXPECT_EQ(registry.GetProfileInt(L"RegTest", L"A", 8), 8);
    EXPECT_FALSE(registry.GetProfileDword(L"RegTest", L"A", &dwValue));
    EXPECT_EQ(dwValue, 3u);
    EXPECT_EQ(registry.GetAppRegistryKey(KEY_READ), nullptr);
    app.m_pszRegistryKey = pszKey;
    EXPECT_FALSE(KeyExists(L"RegTest"));
}

// --- INI file ---------------------------------------------------------------

TEST_F(XTRegistryManagerIniTest, IntegersAreDecimalTextAndFourByteValuesEightLetters)
{
    EXPECT_TRUE(m_registry.WriteProfileInt(L"RegTest", L"Interval", -30));
    EXPECT_EQ(IniText(L"Interval"), L"-30");
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Interval", 0), -30);

    DWORD dwValue = 0x12345678;  // bytes 78 56 34 12 in memory
    EXPECT_TRUE(m_registry.WriteProfileDword(L"RegTest", L"Dword", &dwValue));
    EXPECT_EQ(IniText(L"Dword"), L"IHGFEDCB");
    DWORD dwRead = 0;
    EXPECT_TRUE(m_registry.GetProfileDword(L"RegTest", L"Dword", &dwRead));
    EXPECT_EQ(dwRead, 0x12345678u);

    // Nothing reached the registry.
    EXPECT_FALSE(KeyExists(L"RegTest"));
}

TEST_F(XTRegistryManagerIniTest, ByteBlocksAreTwoLettersPerByteLowNibbleFirst)
{
    BYTE bytes[4] = {0x00, 0xFF, 0x1E, 0xA0};
    EXPECT_TRUE(m_registry.WriteProfileBinary(L"RegTest", L"Blob", bytes, 4));
    EXPECT_EQ(IniText(L"Blob"), L"AAPPOBAK");
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(m_registry.GetProfileBinary(L"RegTest", L"Blob", &pData, &nBytes));
    ASSERT_EQ(nBytes, 4u);
    EXPECT_EQ(memcmp(pData, bytes, 4), 0);
    delete[] pData;

    // A trailing single letter is ignored.
    WritePrivateProfileStringW(L"RegTest", L"Odd", L"BAC", m_strFile);
    ASSERT_TRUE(m_registry.GetProfileBinary(L"RegTest", L"Odd", &pData, &nBytes));
    EXPECT_EQ(nBytes, 1u);
    EXPECT_EQ(pData[0], 1);
    delete[] pData;

    EXPECT_FALSE(m_registry.GetProfileBinary(L"RegTest", L"Missing", &pData, &nBytes));
    EXPECT_EQ(pData, nullptr);
    EXPECT_EQ(nBytes, 0u);
}

TEST_F(XTRegistryManagerIniTest, StringsAndDeletionFollowTheIniFunctions)
{
    EXPECT_TRUE(m_registry.WriteProfileString(L"RegTest", L"Sound", L"C:\\a.wav"));
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Sound", L"d"), L"C:\\a.wav");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Missing", L"d"), L"d");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Missing", nullptr), L"");
    EXPECT_TRUE(m_registry.WriteProfileString(L"RegTest", L"Sound", nullptr));
    EXPECT_EQ(IniText(L"Sound"), L"<none>");
}

TEST_F(XTRegistryManagerIniTest, LongLetterTextsNeverOverrunAFourByteBuffer)
{
    struct
    {
        DWORD dwValue;
        DWORD dwGuard;
    } buffer = {7, 0xA5A5A5A5};
    WritePrivateProfileStringW(L"RegTest", L"Long", L"BACADAEAFAGA", m_strFile);
    EXPECT_FALSE(m_registry.GetProfileDword(L"RegTest", L"Long", &buffer.dwValue));
    EXPECT_EQ(buffer.dwValue, 7u);
    EXPECT_EQ(buffer.dwGuard, 0xA5A5A5A5u);
    WritePrivateProfileStringW(L"RegTest", L"Empty", L"", m_strFile);
    EXPECT_FALSE(m_registry.GetProfileDword(L"RegTest", L"Empty", &buffer.dwValue));
}

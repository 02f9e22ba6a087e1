// The toolkit's registry and INI settings store, on the test prefix's real
// registry and on real INI files.
#include <gtest/gtest.h>

#include "toolkit/common/system/XTRegistryManager.h"

#include "EngineTestApp.h"
#include "support/SiteSimulation.h"

#include <sddl.h>

namespace {

const wchar_t SectionKey[] = L"Software\\Brannoch\\Tavrolin\\RegTest";

// Four bytes to read into, followed by a guard that must stay untouched.
struct CGuardedDword
{
    DWORD dwValue = 7;
    DWORD dwGuard = 0xA5A5A5A5;
};

class XTRegistryManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        TavrolinTestApp();
        DeleteUserKey(SectionKey);
    }
    void TearDown() override { DeleteUserKey(SectionKey); }

    void Store(LPCWSTR pszEntry, DWORD dwType, const void* pData, DWORD dwSize)
    {
        ASSERT_TRUE(WriteUserValue(SectionKey, pszEntry, dwType, pData, dwSize));
    }

    // A section that everyone may read but nobody may change, or again may.
    void LockSection(bool bLocked)
    {
        HKEY hKey = nullptr;
        PSECURITY_DESCRIPTOR pSd = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SectionKey, 0, nullptr, 0, READ_CONTROL | WRITE_DAC, nullptr,
                                  &hKey, nullptr), ERROR_SUCCESS);
        ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(bLocked ? L"D:(A;;KR;;;WD)" : L"D:(A;;KA;;;WD)",
                                                                         SDDL_REVISION_1, &pSd, nullptr));
        EXPECT_EQ(RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, pSd), ERROR_SUCCESS);
        LocalFree(pSd);
        RegCloseKey(hKey);
    }

    CXTRegistryManager m_registry;
};

class XTRegistryManagerIniTest : public testing::Test
{
protected:
    void SetUp() override { CXTRegistryManager::SetIniFileName(m_strFile); }
    void TearDown() override { CXTRegistryManager::SetIniFileName(nullptr); }

    CString Text(LPCWSTR pszEntry)
    {
        WCHAR szText[256] = {};
        GetPrivateProfileStringW(L"RegTest", pszEntry, L"<none>", szText, 256, m_strFile);
        return szText;
    }
    void SetText(LPCWSTR pszEntry, LPCWSTR pszText) { WritePrivateProfileStringW(L"RegTest", pszEntry, pszText, m_strFile); }

    CTestFolder m_folder;
    CString m_strFile = m_folder.File(L"regtest.ini").c_str();
    CXTRegistryManager m_registry;
};

} // namespace

// --- registry ---------------------------------------------------------------

TEST_F(XTRegistryManagerTest, ValuesRoundTripInTheRegistrysOwnTypes)
{
    DWORD dwDword = 0x12345678;
    BYTE blob[300];
    for (int i = 0; i < 300; ++i)
        blob[i] = BYTE(i * 7);
    EXPECT_EQ(m_registry.WriteProfileInt(L"RegTest", L"Int", -5), TRUE);
    EXPECT_EQ(m_registry.WriteProfileDword(L"RegTest", L"Dword", &dwDword), TRUE);
    EXPECT_EQ(m_registry.WriteProfileString(L"RegTest", L"Text", L"Gr\u00fc\u00dfe"), TRUE);
    EXPECT_EQ(m_registry.WriteProfileString(L"RegTest", L"Empty", L""), TRUE);
    EXPECT_EQ(m_registry.WriteProfileBinary(L"RegTest", L"Blob", blob, 300), TRUE);

    const struct { LPCWSTR pszEntry; DWORD dwType; DWORD dwSize; } stored[] = {
        {L"Int", REG_DWORD, 4}, {L"Dword", REG_DWORD, 4}, {L"Text", REG_SZ, 12}, {L"Empty", REG_SZ, 2},
        {L"Blob", REG_BINARY, 300}};
    for (const auto& value : stored)
    {
        DWORD dwType = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(ReadUserValue(SectionKey, value.pszEntry, dwType, data)) << value.pszEntry;
        EXPECT_EQ(dwType, value.dwType) << value.pszEntry;
        EXPECT_EQ(data.size(), value.dwSize) << value.pszEntry;
    }

    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Int", 0), -5);
    DWORD dwRead = 0;
    EXPECT_TRUE(m_registry.GetProfileDword(L"RegTest", L"Dword", &dwRead));
    EXPECT_EQ(dwRead, 0x12345678u);
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Text", L"x"), L"Gr\u00fc\u00dfe");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Empty", L"x"), L"");
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(m_registry.GetProfileBinary(L"RegTest", L"Blob", &pData, &nBytes));
    ASSERT_EQ(nBytes, 300u);
    EXPECT_EQ(memcmp(pData, blob, 300), 0);
    delete[] pData;
}

TEST_F(XTRegistryManagerTest, MissingValuesGiveTheirDefaultsAndLeaveBuffersAlone)
{
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Missing", 17), 17);
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Missing", L"dflt"), L"dflt");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Missing", nullptr), L"");
    CGuardedDword buffer;
    EXPECT_FALSE(m_registry.GetProfileDword(L"RegTest", L"Missing", &buffer.dwValue));
    EXPECT_EQ(buffer.dwValue, 7u);
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
    EXPECT_FALSE(ReadUserValue(SectionKey, L"A", dwType, data));
    EXPECT_TRUE(ReadUserValue(SectionKey, L"B", dwType, data));
    EXPECT_EQ(m_registry.WriteProfileString(L"RegTest", nullptr, nullptr), TRUE);
    EXPECT_FALSE(ReadUserValue(SectionKey, L"B", dwType, data));
}

TEST_F(XTRegistryManagerTest, StringsComeOnlyFromStringValuesAndAlwaysEndInAZero)
{
    // The registry adds a terminator itself when a zero follows the data;
    // "X" keeps it from doing so.
    const wchar_t text[] = L"abcX";
    Store(L"Unterminated", REG_SZ, text, 3 * sizeof(wchar_t));
    Store(L"Odd", REG_SZ, text, 5);
    Store(L"Expand", REG_EXPAND_SZ, L"%WINDIR%", 18);
    DWORD dwNumber = 0x00410041;
    Store(L"Number", REG_DWORD, &dwNumber, 4);
    Store(L"Bytes", REG_BINARY, L"ab", 6);
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Unterminated", L"d"), L"abc");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Odd", L"d"), L"ab");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Expand", L"d"), L"%WINDIR%");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Number", L"d"), L"d");
    EXPECT_EQ(m_registry.GetProfileString(L"RegTest", L"Bytes", L"d"), L"d");
}

TEST_F(XTRegistryManagerTest, NumbersNeverReadPastTheirFourBytes)
{
    BYTE two[2] = {0x34, 0x12};
    BYTE four[4] = {1, 2, 3, 4};
    BYTE eight[8] = {1, 0, 0, 0, 9, 9, 9, 9};
    Store(L"Two", REG_BINARY, two, 2);
    Store(L"Four", REG_BINARY, four, 4);
    Store(L"Eight", REG_BINARY, eight, 8);
    Store(L"Nothing", REG_BINARY, eight, 0);
    // Integers take the leading bytes of any value.
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Two", -1), 0x1234);
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Eight", -1), 1);
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Nothing", -1), -1);
    // A 4-byte read refuses anything longer.
    CGuardedDword buffer;
    EXPECT_FALSE(m_registry.GetProfileDword(L"RegTest", L"Eight", &buffer.dwValue));
    EXPECT_EQ(buffer.dwValue, 7u);
    EXPECT_TRUE(m_registry.GetProfileDword(L"RegTest", L"Four", &buffer.dwValue));
    EXPECT_EQ(buffer.dwValue, 0x04030201u);
    EXPECT_EQ(buffer.dwGuard, 0xA5A5A5A5u);
}

TEST_F(XTRegistryManagerTest, AKeyTheUserMayNotChangeGivesMinusOne)
{
    LockSection(true);
    DWORD dwValue = 1;
    BYTE byte = 1;
    EXPECT_EQ(m_registry.WriteProfileInt(L"RegTest", L"A", 1), -1);
    EXPECT_EQ(m_registry.WriteProfileDword(L"RegTest", L"A", &dwValue), -1);
    EXPECT_EQ(m_registry.WriteProfileString(L"RegTest", L"A", L"x"), -1);
    EXPECT_EQ(m_registry.WriteProfileBinary(L"RegTest", L"A", &byte, 1), -1);
    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"A", 5), 5);
    LockSection(false);
}

TEST_F(XTRegistryManagerTest, WithoutTheApplicationsNamesReadsGiveDefaultsAndWritesFail)
{
    CWinApp& app = TavrolinTestApp();
    LPCTSTR pszKey = app.m_pszRegistryKey;
    app.m_pszRegistryKey = nullptr;
    CXTRegistryManager registry;
    DWORD dwValue = 3;
    EXPECT_EQ(registry.WriteProfileInt(L"RegTest", L"A", 1), FALSE);
    EXPECT_EQ(registry.GetProfileInt(L"RegTest", L"A", 8), 8);
    EXPECT_FALSE(registry.GetProfileDword(L"RegTest", L"A", &dwValue));
    EXPECT_EQ(registry.GetAppRegistryKey(KEY_READ), nullptr);
    app.m_pszRegistryKey = pszKey;
}

// --- INI file ---------------------------------------------------------------

TEST_F(XTRegistryManagerIniTest, NumbersAsDecimalTextAndBytesAsLettersLowNibbleFirst)
{
    DWORD dwValue = 0x12345678;  // bytes 78 56 34 12 in memory
    BYTE bytes[4] = {0x00, 0xFF, 0x1E, 0xA0};
    EXPECT_TRUE(m_registry.WriteProfileInt(L"RegTest", L"Int", -30));
    EXPECT_TRUE(m_registry.WriteProfileDword(L"RegTest", L"Dword", &dwValue));
    EXPECT_TRUE(m_registry.WriteProfileBinary(L"RegTest", L"Blob", bytes, 4));
    EXPECT_EQ(Text(L"Int"), L"-30");
    EXPECT_EQ(Text(L"Dword"), L"IHGFEDCB");
    EXPECT_EQ(Text(L"Blob"), L"AAPPOBAK");

    EXPECT_EQ(m_registry.GetProfileInt(L"RegTest", L"Int", 0), -30);
    DWORD dwRead = 0;
    EXPECT_TRUE(m_registry.GetProfileDword(L"RegTest", L"Dword", &dwRead));
    EXPECT_EQ(dwRead, 0x12345678u);
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(m_registry.GetProfileBinary(L"RegTest", L"Blob", &pData, &nBytes));
    ASSERT_EQ(nBytes, 4u);
    EXPECT_EQ(memcmp(pData, bytes, 4), 0);
    delete[] pData;
    // Nothing reached the registry.
    DWORD dwType = 0;
    std::vector<BYTE> data;
    EXPECT_FALSE(ReadUserValue(L"Software\\Brannoch\\Tavrolin\\RegTest", L"Int", dwType, data));
}

TEST_F(XTRegistryManagerIniTest, OddAndOverlongLetterTextsAreReadSafely)
{
    SetText(L"Odd", L"BAC");  // a trailing single letter is ignored
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(m_registry.GetProfileBinary(L"RegTest", L"Odd", &pData, &nBytes));
    EXPECT_EQ(nBytes, 1u);
    EXPECT_EQ(pData[0], 1);
    delete[] pData;
    EXPECT_FALSE(m_registry.GetProfileBinary(L"RegTest", L"Missing", &pData, &nBytes));
    EXPECT_EQ(pData, nullptr);

    CGuardedDword buffer;
    SetText(L"Long", L"BACADAEAFAGA");
    EXPECT_FALSE(m_registry.GetProfileDword(L"RegTest", L"Long", &buffer.dwValue));
    SetText(L"Empty", L"");
    EXPECT_FALSE(m_registry.GetProfileDword(L"RegTest", L"Empty", &buffer.dwValue));
    EXPECT_EQ(buffer.dwValue, 7u);
    EXPECT_EQ(buffer.dwGuard, 0xA5A5A5A5u);
}

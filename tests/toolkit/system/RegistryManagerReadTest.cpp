// Reading settings never changes the registry: a missing application key
// or section stays missing, down to every key on the way to it.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include "framework/windows/CWinApp.h"
#include "toolkit/common/system/XTRegistryManager.h"

namespace {

const wchar_t kMaker[] = L"TavrolinReadTest";
const wchar_t kMakerPath[] = L"Software\\TavrolinReadTest";

bool KeyExists(LPCWSTR pszPath)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, pszPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

// Every way of reading a value of a section.
void ReadEverything(CXTRegistryManager& registry, LPCWSTR pszSection)
{
    EXPECT_EQ(17, registry.GetProfileInt(pszSection, L"Number", 17));
    EXPECT_STREQ(L"dflt", registry.GetProfileString(pszSection, L"Text", L"dflt"));
    DWORD dwValue = 5;
    EXPECT_FALSE(registry.GetProfileDword(pszSection, L"Dword", &dwValue));
    EXPECT_EQ(5u, dwValue);
    BYTE* pData = nullptr;
    UINT nBytes = 1;
    EXPECT_FALSE(registry.GetProfileBinary(pszSection, L"Bytes", &pData, &nBytes));
    EXPECT_EQ(nullptr, pData);
    EXPECT_EQ(0u, nBytes);
    HKEY hKey = registry.GetSectionKey(pszSection, KEY_QUERY_VALUE);
    EXPECT_EQ(nullptr, hKey);
    if (hKey != nullptr)
        RegCloseKey(hKey);
}

} // namespace

TEST(RegistryManagerRead, MissingKeysStayMissing)
{
    ASSERT_EQ(nullptr, AfxGetApp()) << "another test left its application object alive";
    CWinApp app(L"ReadTest");
    app.SetRegistryKey(kMaker);
    SHDeleteKeyW(HKEY_CURRENT_USER, kMakerPath);

    {
        CXTRegistryManager registry;
        ReadEverything(registry, L"Settings");
        EXPECT_FALSE(KeyExists(kMakerPath));

        // Once a write made the application key, reading another section
        // still adds nothing.
        EXPECT_TRUE(registry.WriteProfileInt(L"Written", L"Number", 3));
        EXPECT_EQ(3, registry.GetProfileInt(L"Written", L"Number", 0));
        ReadEverything(registry, L"Settings");
        const CString strSettings = CString(kMakerPath) + L"\\ReadTest\\Settings";
        EXPECT_FALSE(KeyExists(strSettings));
    }

    SHDeleteKeyW(HKEY_CURRENT_USER, kMakerPath);
}

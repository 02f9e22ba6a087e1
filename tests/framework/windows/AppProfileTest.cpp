// The application's settings: profile functions over the real registry
// (after SetRegistryKey) and over an INI file (before).
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include "framework/windows/CWinApp.h"

namespace {

const wchar_t kCompany[] = L"TavrolinFrameworkTests";

class AppProfile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinFrameworkTests");
        app.SetRegistryKey(kCompany);
    }
    void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinFrameworkTests"); }

    CWinApp app{L"ProfileApp"};
};

} // namespace

TEST_F(AppProfile, RegistryKeyJoinsCompanyAndApplicationName)
{
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_STREQ(app.m_pszRegistryKey, kCompany);
    EXPECT_STREQ(app.m_pszProfileName, L"ProfileApp");

    ASSERT_TRUE(app.WriteProfileInt(L"Settings", L"Interval", 30));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TavrolinFrameworkTests\\ProfileApp\\Settings", 0,
                            KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof(value);
    EXPECT_EQ(RegQueryValueExW(key, L"Interval", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 30u);
    RegCloseKey(key);

    HKEY section = app.GetSectionKey(L"Other");
    ASSERT_NE(section, nullptr);
    RegCloseKey(section);
    HKEY appKey = app.GetAppRegistryKey();
    ASSERT_NE(appKey, nullptr);
    EXPECT_EQ(RegOpenKeyExW(appKey, L"Other", 0, KEY_READ, &section), ERROR_SUCCESS);
    RegCloseKey(section);
    RegCloseKey(appKey);
}

TEST_F(AppProfile, ValuesRoundTripThroughTheRegistry)
{
    EXPECT_TRUE(app.WriteProfileInt(L"Settings", L"Negative", -5));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt(L"Settings", L"Negative", 0)), -5);

    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Sound", L"Media\\notify.wav \x00FC"));
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"Sound"), L"Media\\notify.wav \x00FC");
    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Empty", L""));
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"Empty", L"default"), L"");

    BYTE data[300];
    for (int i = 0; i < 300; ++i)
        data[i] = static_cast<BYTE>(i * 7);
    EXPECT_TRUE(app.WriteProfileBinary(L"CommandBars2-Bar0", L"Controls", data, sizeof(data)));
    BYTE* read = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(app.GetProfileBinary(L"CommandBars2-Bar0", L"Controls", &read, &bytes));
    ASSERT_EQ(bytes, sizeof(data));
    EXPECT_EQ(memcmp(read, data, bytes), 0);
    delete[] read;
}

TEST_F(AppProfile, MissingOrMistypedValuesGiveTheDefault)
{
    EXPECT_EQ(app.GetProfileInt(L"Nowhere", L"Interval", 42), 42u);
    EXPECT_STREQ(app.GetProfileString(L"Nowhere", L"Text", L"dflt"), L"dflt");
    EXPECT_STREQ(app.GetProfileString(L"Nowhere", L"Text"), L"");
    // Reading must not create the section.
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TavrolinFrameworkTests\\ProfileApp\\Nowhere", 0,
                            KEY_READ, &key), ERROR_SUCCESS);

    app.WriteProfileString(L"Settings", L"Text", L"12");
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"Text", 7), 7u);
    app.WriteProfileInt(L"Settings", L"Number", 12);
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"Number", L"x"), L"x");

    BYTE* read = reinterpret_cast<BYTE*>(1);
    UINT bytes = 99;
    EXPECT_FALSE(app.GetProfileBinary(L"Settings", L"Text", &read, &bytes));
    EXPECT_EQ(read, nullptr);
    EXPECT_EQ(bytes, 0u);
}

TEST_F(AppProfile, StringStoredWithoutTerminatorIsReadWhole)
{
    HKEY key = app.GetSectionKey(L"Settings");
    ASSERT_NE(key, nullptr);
    const wchar_t text[] = {L'a', L'b', L'c'};
    RegSetValueExW(key, L"Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
    RegCloseKey(key);
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"Raw"), L"abc");
}

TEST_F(AppProfile, NullEntryDeletesSectionAndNullValueDeletesEntry)
{
    app.WriteProfileInt(L"Bars", L"A", 1);
    app.WriteProfileInt(L"Bars", L"B", 2);
    EXPECT_TRUE(app.WriteProfileString(L"Bars", L"A", nullptr));
    EXPECT_EQ(app.GetProfileInt(L"Bars", L"A", -1), static_cast<UINT>(-1));
    EXPECT_EQ(app.GetProfileInt(L"Bars", L"B", -1), 2u);

    HKEY sub = app.GetSectionKey(L"Bars\\Nested");
    ASSERT_NE(sub, nullptr);
    RegCloseKey(sub);
    EXPECT_TRUE(app.WriteProfileString(L"Bars", nullptr, nullptr));
    EXPECT_EQ(app.GetProfileInt(L"Bars", L"B", -1), static_cast<UINT>(-1));
    // Deleting what is not there is no failure.
    EXPECT_TRUE(app.WriteProfileString(L"Bars", nullptr, nullptr));
    EXPECT_TRUE(app.WriteProfileString(L"Bars", L"Gone", nullptr));
}

TEST(AppProfileIni, WithoutRegistryKeyValuesGoToTheIniFile)
{
    CWinApp app(L"IniApp");
    WCHAR path[MAX_PATH];
    GetFullPathNameW(L"profile-test.ini", MAX_PATH, path, nullptr);
    DeleteFileW(path);
    EXPECT_STREQ(app.m_pszProfileName, L"framework_tests.INI");
    free(const_cast<LPTSTR>(app.m_pszProfileName));
    app.m_pszProfileName = _wcsdup(path);

    EXPECT_TRUE(app.WriteProfileInt(L"Settings", L"Interval", 25));
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"Interval", 0), 25u);
    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Name", L"Tavrolin"));
    EXPECT_STREQ(app.GetProfileString(L"Settings", L"Name"), L"Tavrolin");
    BYTE data[] = {0x00, 0x7F, 0x80, 0xFF};
    EXPECT_TRUE(app.WriteProfileBinary(L"Settings", L"Blob", data, sizeof(data)));
    BYTE* read = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(app.GetProfileBinary(L"Settings", L"Blob", &read, &bytes));
    ASSERT_EQ(bytes, sizeof(data));
    EXPECT_EQ(memcmp(read, data, bytes), 0);
    delete[] read;
    DeleteFileW(path);
}

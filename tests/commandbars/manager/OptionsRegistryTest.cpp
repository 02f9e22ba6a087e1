// The manager's options in the registry: every value written (even equal
// to its default, an empty used-command set too), and a stored schema that
// predates the used commands keeps them out of the load.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

namespace {

const wchar_t kKey[] = L"Software\\TavrolinOptionsTests\\OptionsApp\\CommandBars2-Options";

class OptionsRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinOptionsTests");
        app.SetRegistryKey(L"TavrolinOptionsTests");
    }
    void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinOptionsTests"); }
    BOOL HasValue(LPCWSTR lpszName)
    {
        return SHGetValueW(HKEY_CURRENT_USER, kKey, lpszName, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }
    DWORD Number(LPCWSTR lpszName)
    {
        DWORD value = 0xFFFF, size = sizeof(value);
        SHGetValueW(HKEY_CURRENT_USER, kKey, lpszName, nullptr, &value, &size);
        return value;
    }

    CWinApp app{L"OptionsApp"};
};

}  // namespace

TEST_F(OptionsRegistryTest, EveryBasicValueIsWritten)
{
    CXTPCommandBars* pBars = new CXTPCommandBars();
    pBars->SaveOptions(L"CommandBars2");
    for (LPCWSTR name : {L"Schema", L"AlwaysShowFullMenus", L"ShowFullAfterDelay", L"ToolBarScreenTips",
                         L"ToolBarAccelTips", L"LargeIcons", L"Animation"})
        EXPECT_TRUE(HasValue(name)) << name;
    EXPECT_EQ(Number(L"Schema"), 17u);
    EXPECT_TRUE(HasValue(L"UsedCommands")) << "an empty set is written too";
    EXPECT_FALSE(HasValue(L"DblClickFloat")) << "the registry keeps the basic set only";

    pBars->GetOptions()->bLargeIcons = TRUE;
    pBars->GetOptions()->animationType = 3;
    pBars->HideCommand(28501);
    pBars->SetCommandUsed(28501);
    pBars->SaveOptions(L"CommandBars2");
    pBars->InternalRelease();

    CXTPCommandBars* pLoaded = new CXTPCommandBars();
    pLoaded->HideCommand(28501);
    EXPECT_TRUE(pLoaded->IsCommandHidden(28501));
    pLoaded->LoadOptions(L"CommandBars2");
    EXPECT_TRUE(pLoaded->GetOptions()->bLargeIcons);
    EXPECT_EQ(pLoaded->GetOptions()->animationType, 3);
    EXPECT_FALSE(pLoaded->IsCommandHidden(28501)) << "the used set came back";
    pLoaded->InternalRelease();
}

TEST_F(OptionsRegistryTest, OldSchemaAndDamagedListsLeaveTheUsedSet)
{
    CXTPCommandBars* pBars = new CXTPCommandBars();
    pBars->HideCommand(28501);
    pBars->SetCommandUsed(28501);
    pBars->SaveOptions(L"CommandBars2");

    struct Case
    {
        const char* what;
        DWORD schema;
        DWORD schemaType;
        int blobBytes;  // -1: the list as saved
    } cases[] = {{"schema 7", 7, REG_DWORD, -1},
                 {"schema 7 stored as four bytes", 7, REG_BINARY, -1},
                 {"count beyond the data", 17, REG_DWORD, 6}};
    for (const Case& c : cases) {
        DWORD schema = c.schema;
        SHSetValueW(HKEY_CURRENT_USER, kKey, L"Schema", c.schemaType, &schema, sizeof(schema));
        if (c.blobBytes >= 0) {
            BYTE blob[8] = {5, 0, 0, 0, 1, 2, 3, 4};
            SHSetValueW(HKEY_CURRENT_USER, kKey, L"UsedCommands", REG_BINARY, blob, c.blobBytes);
        }
        CXTPCommandBars* pLoaded = new CXTPCommandBars();
        pLoaded->HideCommand(28501);
        pLoaded->HideCommand(28502);
        pLoaded->SetCommandUsed(28502);
        pLoaded->LoadOptions(L"CommandBars2");
        EXPECT_TRUE(pLoaded->IsCommandHidden(28501)) << c.what;
        EXPECT_FALSE(pLoaded->IsCommandHidden(28502)) << c.what;
        pLoaded->InternalRelease();
    }
    pBars->InternalRelease();
}

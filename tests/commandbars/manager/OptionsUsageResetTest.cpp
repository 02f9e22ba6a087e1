// A reset of the usage data (the used commands) outlives a save and the next
// load, through the registry as the program stores its options and through
// the other stores of the whole option set; stored data of older runs that
// holds no used-command list still leaves the set as it is.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <functional>

#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"

namespace {

const wchar_t kAppKey[] = L"Software\\TavrolinUsageResetTests";
const wchar_t kOptionsKey[] = L"Software\\TavrolinUsageResetTests\\UsageApp\\Bars-Options";
const UINT kRare = 28501;

// A manager whose command kRare is hidden, and used when asked.
CXTPCommandBars* NewBars(bool bUsed)
{
    CXTPCommandBars* pBars = new CXTPCommandBars();
    pBars->HideCommand(kRare);
    if (bUsed)
        pBars->SetCommandUsed(kRare);
    return pBars;
}

// One store of the options: saves a manager's options, loads them into another.
struct Store
{
    const char* name;
    std::function<void(CXTPCommandBars*)> save;
    std::function<void(CXTPCommandBars*)> load;
};

class OptionsUsageReset : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyW(HKEY_CURRENT_USER, kAppKey);
        app.SetRegistryKey(L"TavrolinUsageResetTests");
    }
    void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, kAppKey); }

    // The whole option set in a registry key of its own.
    static void ExchangeAllInRegistry(CXTPCommandBars* pBars, BOOL bLoading)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kAppKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                                 &hKey, nullptr));
        {
            CXTPPropExchangeRegistry px(bLoading, hKey, L"AllOptions");
            pBars->DoOptionsExchange(&px, FALSE);
        }
        RegCloseKey(hKey);
    }

    CWinApp app{L"UsageApp"};
    CMemFile archive;
};

} // namespace

TEST_F(OptionsUsageReset, AResetIsStoredAndTheUsedCommandsOfBeforeStayAway)
{
    const Store stores[] = {
        {"registry, as the program stores them", [](CXTPCommandBars* p) { p->SaveOptions(L"Bars"); },
         [](CXTPCommandBars* p) { p->LoadOptions(L"Bars"); }},
        {"registry, whole option set", [](CXTPCommandBars* p) { ExchangeAllInRegistry(p, FALSE); },
         [](CXTPCommandBars* p) { ExchangeAllInRegistry(p, TRUE); }},
        {"archive",
         [this](CXTPCommandBars* p) {
             archive.SetLength(0);
             archive.SeekToBegin();
             CArchive ar(&archive, CArchive::store);
             p->GetOptions()->Serialize(ar);
             ar.Close();
         },
         [this](CXTPCommandBars* p) {
             archive.SeekToBegin();
             CArchive ar(&archive, CArchive::load);
             p->GetOptions()->Serialize(ar);
             ar.Close();
         }},
    };
    for (const Store& store : stores) {
        SCOPED_TRACE(store.name);
        CXTPCommandBars* pUser = NewBars(true);
        store.save(pUser);
        CXTPCommandBars* pLoaded = NewBars(false);
        store.load(pLoaded);
        EXPECT_FALSE(pLoaded->IsCommandHidden(kRare)) << "the used command came back";

        pLoaded->ResetUsageData();
        store.save(pLoaded);
        // A fresh start, and a manager that used the command meanwhile.
        for (bool bUsedBefore : {false, true}) {
            CXTPCommandBars* pNext = NewBars(bUsedBefore);
            store.load(pNext);
            EXPECT_TRUE(pNext->IsCommandHidden(kRare)) << "used before the load: " << bUsedBefore;
            EXPECT_EQ(0, pNext->GetOptions()->m_mapUsedCommands.GetCount());
            pNext->InternalRelease();
        }
        pLoaded->InternalRelease();
        pUser->InternalRelease();
    }
}

TEST_F(OptionsUsageReset, OptionsOfOlderRunsWithoutAUsedListLeaveTheSet)
{
    // Older runs wrote nothing for an empty set.
    CXTPCommandBars* pOld = NewBars(false);
    pOld->SaveOptions(L"Bars");
    pOld->InternalRelease();
    ASSERT_EQ(ERROR_SUCCESS, SHDeleteValueW(HKEY_CURRENT_USER, kOptionsKey, L"UsedCommands"));

    CXTPCommandBars* pBars = NewBars(true);
    pBars->LoadOptions(L"Bars");
    EXPECT_FALSE(pBars->IsCommandHidden(kRare)) << "a missing list leaves the set as it is";
    pBars->InternalRelease();
}

// Loading stored shortcuts: flag bytes beyond the defined bits are dropped
// before the platform sees them, and a table the platform cannot make
// leaves the current one in place.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

#include "framework/windows/CWinApp.h"
#include "support/ImportPatch.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"

namespace {

const UINT IDR_TESTFRAME = 28001;
const wchar_t kSection[] = L"CommandBars2";

HACCEL WINAPI FailingCreateAcceleratorTable(LPACCEL, int)
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

class ShortcutLoadDamage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinShortcutDamageTests");
        app.SetRegistryKey(L"TavrolinShortcutDamageTests");
        manager.SetAccelerators(IDR_TESTFRAME);
    }
    void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinShortcutDamageTests"); }

    std::vector<ACCEL> Current()
    {
        int n = XTPCopyAccelTable(manager.GetAcceleratorTable(), nullptr, 0);
        std::vector<ACCEL> entries(n);
        if (n > 0)
            XTPCopyAccelTable(manager.GetAcceleratorTable(), entries.data(), n);
        return entries;
    }
    void Store(std::vector<BYTE> value)
    {
        app.WriteProfileBinary(kSection, L"Accelerators", value.data(), static_cast<UINT>(value.size()));
    }

    CWinApp app{L"ShortcutDamageApp"};
    CXTPShortcutManager manager;
};

} // namespace

TEST_F(ShortcutLoadDamage, FlagBytesKeepOnlyTheDefinedBits)
{
    struct Case
    {
        BYTE stored;
        BYTE loaded;
    } cases[] = {
        {0xFF, FVIRTKEY | FSHIFT | FCONTROL | FALT},
        {0x80 | FVIRTKEY, FVIRTKEY},
        {0x02 | 0x20 | 0x40 | FCONTROL, FCONTROL},
        {FVIRTKEY | FALT, FVIRTKEY | FALT},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(static_cast<int>(c.stored));
        manager.Reset();
        Store({c.stored, 0, 'K', 0, 0x39, 0x30});
        manager.LoadShortcuts(kSection);
        std::vector<ACCEL> now = Current();
        ASSERT_EQ(1u, now.size());
        EXPECT_EQ(c.loaded, now[0].fVirt);
        EXPECT_EQ('K', now[0].key);
        EXPECT_EQ(0x3039, now[0].cmd);
    }
}

TEST_F(ShortcutLoadDamage, ATableThePlatformRefusesKeepsTheCurrentOne)
{
    HACCEL hBefore = manager.GetAcceleratorTable();
    ASSERT_NE(nullptr, hBefore);
    std::vector<ACCEL> before = Current();
    Store({FVIRTKEY, 0, VK_F7, 0, 1, 0});
    {
        testpatch::CImportPatch patch("user32.dll", "CreateAcceleratorTableW",
                                      reinterpret_cast<void*>(FailingCreateAcceleratorTable));
        ASSERT_TRUE(patch.IsActive());
        manager.LoadShortcuts(kSection);
    }
    EXPECT_EQ(hBefore, manager.GetAcceleratorTable());
    std::vector<ACCEL> after = Current();
    ASSERT_EQ(before.size(), after.size()) << "the table is still alive and whole";
    for (size_t i = 0; i < before.size(); i++)
        EXPECT_TRUE(before[i].key == after[i].key && before[i].cmd == after[i].cmd) << i;

    manager.LoadShortcuts(kSection);
    ASSERT_EQ(1u, Current().size()) << "the same value loads once the platform can make it";
}

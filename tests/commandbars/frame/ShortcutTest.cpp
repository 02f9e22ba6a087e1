// Keyboard shortcuts: the text a command shows, the table kept in the
// profile (six bytes an entry; damaged values keep the table), reset, and
// which combinations may be assigned.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <vector>
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/XTPShortcutManager.h"

namespace {

const UINT IDR_TESTFRAME = 28001;
const wchar_t kSection[] = L"CommandBars2";

class ShortcutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinShortcutTests");
        app.SetRegistryKey(L"TavrolinShortcutTests");
        manager.SetAccelerators(IDR_TESTFRAME);
    }
    void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrolinShortcutTests"); }

    std::vector<ACCEL> Current()
    {
        int n = XTPCopyAccelTable(manager.GetAcceleratorTable(), nullptr, 0);
        std::vector<ACCEL> entries(n);
        if (n > 0)
            XTPCopyAccelTable(manager.GetAcceleratorTable(), entries.data(), n);
        return entries;
    }
    CString Shortcut(int nCmd)
    {
        CString text;
        manager.FindDefaultAccelerator(nCmd, text);
        return text;
    }

    CWinApp app{L"ShortcutApp"};
    CXTPShortcutManager manager;
};

}  // namespace

TEST_F(ShortcutTest, CommandTextPrefersPlainKeys)
{
    EXPECT_EQ(Shortcut(28101), CString(L"F5")) << "F5 wins over Ctrl+R";
    EXPECT_EQ(Shortcut(28102), CString(L"Ctrl+Shift+S"));
    EXPECT_EQ(Shortcut(28103), CString(L"Alt+X"));
    EXPECT_EQ(Shortcut(28199), CString());
    CString kept = L"Ctrl+R";
    EXPECT_TRUE(manager.FindDefaultAccelerator(28101, kept));
    EXPECT_EQ(kept, CString(L"Ctrl+R")) << "a shortcut the command has is kept";
}

TEST_F(ShortcutTest, FormatsCombinations)
{
    struct Case
    {
        BYTE fVirt;
        WORD key;
        const wchar_t* text;
    } cases[] = {
        {FVIRTKEY | FCONTROL | FSHIFT, VK_F5, L"Ctrl+Shift+F5"},
        {FVIRTKEY | FCONTROL | FSHIFT, 0, L"Ctrl+Shift"},
        {FVIRTKEY | FALT, VK_NUMPAD3, L"Alt+Num 3"},
        {FCONTROL, 'q', L"Ctrl+q"},
        {FCONTROL, VK_TAB, L"Ctrl+"},
        {FVIRTKEY | FCONTROL, 3, L"Ctrl+Break"},
    };
    for (const Case& c : cases) {
        ACCEL accel = {c.fVirt, c.key, 1};
        EXPECT_EQ(manager.FormatAccel(&accel), CString(c.text)) << c.text;
    }
}

TEST_F(ShortcutTest, ProfileValueRoundTripsAndDamageKeepsTheTable)
{
    ACCEL three[] = {{FVIRTKEY, VK_F5, 1}, {FVIRTKEY | FCONTROL, 'A', 2}, {FVIRTKEY | FALT, 'X', 3}};
    manager.UpdateAcceleratorTable(three, 3);
    manager.SaveShortcuts(kSection);
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary(kSection, L"Accelerators", &pData, &nBytes));
    EXPECT_EQ(nBytes, 18u);
    std::vector<BYTE> saved(pData, pData + nBytes);
    delete[] pData;

    manager.Reset();
    EXPECT_EQ(Current().size(), 4u) << "reset brings back the resource's table";

    struct Case
    {
        const char* what;
        size_t bytes;
        size_t entries;  // of the table afterwards; 4 = the table before
    } cases[] = {
        {"18 bytes", 18, 3},
        {"20 bytes: the tail is ignored", 20, 3},
        {"5 bytes: damaged, the table stays", 5, 4},
        {"1 byte", 1, 4},
        {"no bytes: the user's empty table", 0, 0},
    };
    for (const Case& c : cases) {
        manager.Reset();
        std::vector<BYTE> value(saved);
        value.resize(c.bytes, 0xEE);
        app.WriteProfileBinary(kSection, L"Accelerators", value.empty() ? nullptr : value.data(),
                               static_cast<UINT>(value.size()));
        manager.LoadShortcuts(kSection);
        std::vector<ACCEL> now = Current();
        ASSERT_EQ(now.size(), c.entries) << c.what;
        if (c.entries == 3)
            for (int i = 0; i < 3; i++)
                EXPECT_TRUE(now[i].key == three[i].key && now[i].cmd == three[i].cmd &&
                            (now[i].fVirt & 0x1F) == three[i].fVirt)
                    << c.what << " entry " << i;
    }
}

TEST_F(ShortcutTest, EscapeAloneIsRefused)
{
    struct Case
    {
        BYTE fVirt;
        WORD key;
        BOOL allowed;
    } cases[] = {
        {FVIRTKEY, VK_ESCAPE, FALSE},
        {FVIRTKEY | FCONTROL, VK_ESCAPE, TRUE},
        {0, VK_ESCAPE, TRUE},
        {FVIRTKEY, VK_F5, TRUE},
    };
    for (const Case& c : cases) {
        ACCEL accel = {c.fVirt, c.key, 1};
        EXPECT_EQ(manager.IsAccelAllowed(accel), c.allowed) << int(c.fVirt) << " " << c.key;
    }
    manager.m_bAllowEscapeShortcut = TRUE;
    EXPECT_TRUE(manager.IsAccelAllowed(ACCEL{FVIRTKEY, VK_ESCAPE, 1}));
}

// Keyboard shortcuts: the text a command shows, the table kept in the
// profile (six bytes an entry; damaged values keep the table), reset, and
// which combinations may be assigned; the table through a property exchange.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <vector>
#include "framework/windows/CWinApp.h"
#include "support/DisplayKeymap.h"
#include "support/ImportPatch.h"
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"

namespace {

const UINT IDR_TESTFRAME = 28001;
const wchar_t kSection[] = L"CommandBars2";

HACCEL WINAPI FailingCreateAcceleratorTable(LPACCEL, int)
{
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

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
    void Store(std::vector<BYTE> value)
    {
        app.WriteProfileBinary(kSection, L"Accelerators", value.data(), static_cast<UINT>(value.size()));
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

// On a German keymap the display names the umlaut keys by their symbols
// ("udiaeresis"): a key that types one letter is named by that letter, in
// the key box, the keyboard page's list, menus and the add-or-remove list
// alike (they all ask the same names).
TEST_F(ShortcutTest, AKeyTypingOneLetterIsNamedByItWhateverTheLayoutCallsIt)
{
    CDisplayKeymap german("de", L'\u00fc');
    ASSERT_TRUE(german.IsActive()) << "the display did not switch to a German keymap";
    struct Case
    {
        wchar_t ch;
        BOOL bLayoutNamesFirst;
        const wchar_t* text;
    } cases[] = {
        {L'\u00fc', FALSE, L"Ctrl+\u00dc"},
        {L'\u00f6', FALSE, L"Ctrl+\u00d6"},
        {L'\u00e4', TRUE, L"Control+\u00c4"},  // Ctrl as the display names it
        {L'\u00df', FALSE, L"Ctrl+\u00df"},  // no capital of its own
        {L'#', FALSE, L"Ctrl+#"},             // the layout's one-character name
    };
    for (const Case& c : cases) {
        const WORD nKey = CDisplayKeymap::KeyTyping(c.ch);
        ASSERT_NE(0, nKey) << "no key types " << int(c.ch);
        manager.m_bUseSystemKeyNameText = c.bLayoutNamesFirst;
        ACCEL accel = {FVIRTKEY | FCONTROL, nKey, 28104};
        EXPECT_EQ(std::wstring(c.text), manager.FormatAccel(&accel).GetString()) << "key " << nKey;
    }
    manager.m_bUseSystemKeyNameText = FALSE;

    // A command's text, as menus and the add-or-remove list take it: the
    // caption's own "Ctrl+Ü" is the command's key and stays.
    ACCEL table[] = {{FVIRTKEY | FCONTROL, german.Key(), 28104}};
    ASSERT_TRUE(manager.UpdateAcceleratorTable(table, 1));
    CString strCaptionKey = L"Ctrl+\u00dc";
    EXPECT_TRUE(manager.GetCommandShortcutText(28104, strCaptionKey));
    EXPECT_EQ(std::wstring(L"Ctrl+\u00dc"), strCaptionKey.GetString());
    EXPECT_EQ(std::wstring(L"Ctrl+\u00dc"), Shortcut(28104).GetString());
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
        if (c.entries == 3) {
            for (int i = 0; i < 3; i++) {
                EXPECT_TRUE(now[i].key == three[i].key && now[i].cmd == three[i].cmd &&
                            (now[i].fVirt & 0x1F) == three[i].fVirt)
                    << c.what << " entry " << i;
            }
        }
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

namespace {

// Holds the given modifiers down in the thread's key state while alive.
class CHeldKeys
{
public:
    explicit CHeldKeys(std::initializer_list<int> keys)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        memcpy(state, m_saved, sizeof(state));
        for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
            state[vk] = 0;
        for (int vk : keys)
            state[vk] = 0x80;
        ::SetKeyboardState(state);
    }
    ~CHeldKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

}  // namespace

TEST_F(ShortcutTest, KeyBoxCapturesCombinations)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 40, nullptr, nullptr));
    CXTPShortcutManager::CKeyAssign box(&manager);
    ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), &host, 1));
    auto press = [&box](UINT message, UINT vk, LPARAM lParam = 1) {
        MSG msg = {box.GetSafeHwnd(), message, vk, lParam, 0, {0, 0}};
        return box.PreTranslateMessage(&msg);
    };
    auto text = [&box]() {
        CString s;
        box.GetWindowText(s);
        return s;
    };
    {
        CHeldKeys held({VK_CONTROL, VK_SHIFT});
        EXPECT_TRUE(press(WM_KEYDOWN, VK_SHIFT));
        EXPECT_EQ(text(), CString(L"Ctrl+Shift"));
        EXPECT_FALSE(box.IsKeyDefined());
        EXPECT_TRUE(press(WM_KEYDOWN, VK_F5));
        EXPECT_TRUE(press(WM_KEYUP, VK_F5));
        EXPECT_EQ(text(), CString(L"Ctrl+Shift+F5")) << "kept until the next fresh key";
        EXPECT_TRUE(box.IsKeyDefined());
    }
    {
        CHeldKeys held({});
        EXPECT_TRUE(press(WM_KEYDOWN, VK_ESCAPE));
        EXPECT_EQ(text(), CString()) << "Escape alone is refused";
        EXPECT_FALSE(box.IsKeyDefined());
        EXPECT_FALSE(press(WM_KEYDOWN, VK_TAB)) << "Tab moves on in the dialog";
    }
    {
        CHeldKeys held({VK_CONTROL});
        EXPECT_TRUE(press(WM_KEYDOWN, VK_ESCAPE));
        EXPECT_EQ(text(), CString(L"Ctrl+Esc"));
        EXPECT_EQ(box.GetAccel()->fVirt, FVIRTKEY | FCONTROL);
    }
    box.DestroyWindow();
    host.DestroyWindow();
}

// Loading: flag bytes beyond the defined bits are dropped before the
// platform sees them; a table the platform cannot make leaves the current one.
TEST_F(ShortcutTest, FlagBytesKeepOnlyTheDefinedBits)
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

TEST_F(ShortcutTest, ATableThePlatformRefusesKeepsTheCurrentOne)
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

namespace {

// An archive holding a table exchange: the claimed count, then a block of bytes.
std::vector<BYTE> ArchivedTable(DWORD nCount, const std::vector<BYTE>& block)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        px.WriteCount(nCount);
        BYTE* pBytes = block.empty() ? nullptr : const_cast<BYTE*>(block.data());
        DWORD nBytes = static_cast<DWORD>(block.size());
        px.ExchangeBlob(L"Data", pBytes, nBytes);
        ar.Close();
    }
    std::vector<BYTE> data(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(data.data(), static_cast<UINT>(data.size()));
    return data;
}

void LoadArchived(CXTPShortcutManager& manager, std::vector<BYTE> data)
{
    CMemFile file(data.data(), static_cast<UINT>(data.size()));
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    manager.DoPropExchange(&px);
}

}  // namespace

TEST_F(ShortcutTest, ExchangedTableRoundTripsAndACountBeyondItsDataKeepsIt)
{
    ACCEL two[] = {{FVIRTKEY, VK_F7, 5}, {FVIRTKEY | FCONTROL, 'Q', 6}};
    manager.UpdateAcceleratorTable(two, 2);
    CMemFile stored;
    {
        CArchive ar(&stored, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        manager.DoPropExchange(&px);
        ar.Close();
    }
    std::vector<BYTE> saved(static_cast<size_t>(stored.GetLength()));
    stored.SeekToBegin();
    stored.Read(saved.data(), static_cast<UINT>(saved.size()));
    const std::vector<BYTE> block = {FVIRTKEY, 0, VK_F7, 0, 5, 0, FVIRTKEY | FCONTROL, 0, 'Q', 0, 6, 0};

    struct Case
    {
        const char* what;
        std::vector<BYTE> archive;
        size_t entries;  // of the table afterwards; 4 = the table before
    } cases[] = {
        {"as stored", saved, 2},
        {"the same by hand", ArchivedTable(2, block), 2},
        {"a count of one takes the first", ArchivedTable(1, block), 1},
        {"a count beyond its data", ArchivedTable(3, block), 4},
        {"a count far beyond", ArchivedTable(0x7FFFFFFF, block), 4},
        {"a count with no data", ArchivedTable(2, {}), 4},
        {"nothing: the user's empty table", ArchivedTable(0, {}), 0},
    };
    for (const Case& c : cases) {
        manager.Reset();
        LoadArchived(manager, c.archive);
        std::vector<ACCEL> now = Current();
        ASSERT_EQ(now.size(), c.entries) << c.what;
        for (size_t i = 0; c.entries != 4 && i < now.size(); i++) {
            EXPECT_TRUE(now[i].key == two[i].key && now[i].cmd == two[i].cmd && (now[i].fVirt & 0x1F) == two[i].fVirt)
                << c.what << " entry " << i;
        }
    }
}

namespace {

// Two layouts where the machine has one: the current one twice over.
int TwoLayouts(int nBuffLen, HKL* lpList)
{
    if (nBuffLen < 2)
        return 2;
    lpList[0] = lpList[1] = GetKeyboardLayout(0);
    return 2;
}

}  // namespace

TEST(MnemonicKey, CharacterCodesAndOtherLayouts)
{
    struct Case
    {
        WCHAR ch;
        UINT vk;
        bool twoLayouts;
        BOOL mnemonic;
        const char* what;
        LPARAM keyData = 0;
    } cases[] = {
        {L'A', 'A', false, TRUE, "the key's own letter"},
        {L'a', 'A', false, TRUE, "lower case"},
        {L'b', 'A', true, FALSE, "another letter"},
        {L'p', VK_F1, false, FALSE, "F1 types nothing, though 'p' is its code"},
        {L'-', VK_OEM_MINUS, false, TRUE, "one layout: what the key types"},
        {L'-', VK_OEM_MINUS, true, TRUE, "several layouts: what the key types"},
        {L'+', VK_OEM_MINUS, true, FALSE, "a character the key does not type"},
        // VK_OEM_5 (0xDC) types a backslash; 0xDC is also "Ü".
        {L'\u00dc', VK_OEM_5, false, FALSE, "a key's code is no character"},
        {L'\u00fc', VK_OEM_5, true, FALSE, "nor is it upper-cased"},
        {L'\u00fc', VK_PACKET, false, TRUE, "unicode input: the character it brings", MAKELPARAM(1, 0xDC)},
        {L'\u00d6', VK_PACKET, false, TRUE, "in either case", MAKELPARAM(1, 0xF6)},
        {L'\u00f6', VK_PACKET, false, FALSE, "another character", MAKELPARAM(1, 0xFC)},
        {L'\u00f6', VK_PACKET, false, FALSE, "no character", MAKELPARAM(1, 0)},
    };
    for (const Case& c : cases) {
        CXTPShortcutManager::PFNKEYBOARDLAYOUTLIST pfnOld =
            c.twoLayouts ? CXTPShortcutManager::SetKeyboardLayoutList(TwoLayouts) : nullptr;
        EXPECT_EQ(c.mnemonic, CXTPShortcutManager::IsMnemonicKey(c.ch, c.vk, c.keyData)) << c.what;
        if (c.twoLayouts)
            CXTPShortcutManager::SetKeyboardLayoutList(pfnOld);
    }
}

// The shortcut table through property exchange: one block of six-byte
// entries where binary data is kept (registry), a section per entry where
// it is not (XML); stored data that does not hold its entries keeps the table.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <vector>
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

namespace {

const wchar_t kKey[] = L"Software\\TavrolinShortcutExchangeTests";
const ACCEL kThree[] = {{FVIRTKEY, VK_F5, 101}, {FVIRTKEY | FCONTROL | FSHIFT, 'A', 102}, {FVIRTKEY | FALT, 'X', 0xE141}};
const ACCEL kOne[] = {{FVIRTKEY, VK_F1, 7}};

std::vector<ACCEL> Entries(const CXTPShortcutManager& manager)
{
    int n = XTPCopyAccelTable(manager.GetAcceleratorTable(), nullptr, 0);
    std::vector<ACCEL> entries(n > 0 ? n : 0);
    if (n > 0)
        XTPCopyAccelTable(manager.GetAcceleratorTable(), entries.data(), n);
    return entries;
}

bool Same(const std::vector<ACCEL>& a, const ACCEL* b, size_t n)
{
    if (a.size() != n)
        return false;
    for (size_t i = 0; i < n; i++)
        if ((a[i].fVirt & 0x1F) != b[i].fVirt || a[i].key != b[i].key || a[i].cmd != b[i].cmd)
            return false;
    return true;
}

class CXmlDocument : public CXTPPropExchangeXMLNode
{
public:
    CXmlDocument() : CXTPPropExchangeXMLNode(FALSE, nullptr, L"Keys") {}
    IXMLDOMDocument* Document() const { return m_xmlDocPtr; }
};

class ShortcutExchange : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyW(HKEY_CURRENT_USER, kKey);
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                                 &hKey, nullptr));
        stored.UpdateAcceleratorTable(kThree, 3);
        loaded.UpdateAcceleratorTable(kOne, 1);
    }
    void TearDown() override
    {
        RegCloseKey(hKey);
        SHDeleteKeyW(HKEY_CURRENT_USER, kKey);
    }
    void StoreToRegistry()
    {
        CXTPPropExchangeRegistry px(FALSE, hKey, L"Keys");
        stored.DoPropExchange(&px);
    }
    void LoadFromRegistry()
    {
        CXTPPropExchangeRegistry px(TRUE, hKey, L"Keys");
        loaded.DoPropExchange(&px);
    }
    HKEY hKey = nullptr;
    CXTPShortcutManager stored, loaded;
};

} // namespace

TEST_F(ShortcutExchange, BinaryBlockRoundTripsAndDamagedDataKeepsTheTable)
{
    StoreToRegistry();
    HKEY hKeys = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(hKey, L"Keys", 0, KEY_ALL_ACCESS, &hKeys));
    BYTE data[64] = {};
    DWORD cbData = sizeof(data);
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(hKeys, L"Data", nullptr, nullptr, data, &cbData));
    EXPECT_EQ(18u, cbData) << "six bytes an entry, one block";

    LoadFromRegistry();
    EXPECT_TRUE(Same(Entries(loaded), kThree, 3));

    struct Case
    {
        const char* what;
        DWORD count;
        DWORD bytes;
    } cases[] = {
        {"a count beyond the data", 5, 18},
        {"data shorter than one entry", 1, 5},
        {"a count no keyboard has", 0x7FFFFFFF, 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loaded.UpdateAcceleratorTable(kOne, 1);
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(hKeys, L"Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&c.count),
                                                sizeof(c.count)));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(hKeys, L"Data", 0, REG_BINARY, data, c.bytes));
        LoadFromRegistry();
        EXPECT_TRUE(Same(Entries(loaded), kOne, 1)) << "the table before stays";
    }
    RegCloseKey(hKeys);

    // An empty table stored is an empty table loaded.
    stored.UpdateAcceleratorTable(nullptr, 0);
    StoreToRegistry();
    LoadFromRegistry();
    EXPECT_EQ(nullptr, loaded.GetAcceleratorTable());
}

TEST_F(ShortcutExchange, SectionPerEntryWhereBinaryIsNotKept)
{
    CoInitialize(nullptr);
    CXmlDocument document;
    stored.DoPropExchange(&document);
    ASSERT_NE(nullptr, document.Document());
    CXTPPropExchangeXMLNode px(TRUE, document.Document(), L"Keys");
    loaded.DoPropExchange(&px);
    EXPECT_TRUE(Same(Entries(loaded), kThree, 3)) << "command 0xE141 survives its 16 bits";
}

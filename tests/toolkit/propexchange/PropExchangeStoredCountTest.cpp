// Counts read from a store are claims: a collection yields only the items
// really stored, whatever the back end, and loading from the registry
// leaves it exactly as it was.
#include "PropExchangeTestSupport.h"

#include <shlwapi.h>

#include <memory>

#include "support/ImportPatch.h"
#include "toolkit/images/ImageTestSupport.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

using namespace proptest;

namespace {

// Item sections seen by a reader that reads nothing inside them.
DWORD CountItemsWalked(CXTPPropExchange* px)
{
    std::unique_ptr<CXTPPropExchangeEnumerator> pEnum(px->GetEnumerator(L"Item"));
    DWORD nItems = 0;
    for (POSITION pos = pEnum->GetPosition(); pos && nItems < 1000000;)
    {
        Section item(pEnum->GetNext(pos));
        nItems++;
    }
    return nItems;
}

} // namespace

TEST(PropExchangeStoredCount, RegistryLoadStopsAtTheFirstMissingItemAndWritesNothing)
{
    ScratchKey key(L"StoredCount");
    struct Case
    {
        DWORD nCount;
        std::vector<int> items; // indexes of the item keys present
        std::vector<long> expected;
    };
    const Case cases[] = {
        {0x7FFFFFFF, {0, 1}, {100, 101}},
        {100000, {0, 1, 3}, {100, 101}},
        {3, {1, 2}, {}},
        {1, {0, 1, 2}, {100}},
    };
    for (const Case& c : cases)
    {
        SHDeleteKeyW(key.get(), L"List");
        key.SetDword(L"List", L"Count", c.nCount);
        for (int i : c.items)
            key.SetDword(CString(L"List\\Item") + std::to_wstring(i).c_str(), L"Value", 100 + i);
        const std::wstring before = key.Snapshot();

        CXTPPropExchangeRegistry px(TRUE, key.get(), L"List");
        EXPECT_EQ(c.expected, LoadItems(&px)) << c.nCount;
        px.EmptySection(); // a reader's mistake, not a reason to delete
        EXPECT_EQ(before, key.Snapshot()) << c.nCount;
    }

    // A section that is not there reads as missing and stays missing, down
    // to its children.
    const std::wstring before = key.Snapshot();
    {
        CXTPPropExchangeRegistry px(TRUE, key.get(), L"Absent");
        EXPECT_FALSE(px.OpenSection());
        Section child(px.GetSection(L"Child"));
        long nValue = 5;
        EXPECT_TRUE(XTPExchangeLongWithDefault(child.get(), L"Value", nValue, 9));
        EXPECT_EQ(9, nValue);
        EXPECT_TRUE(LoadItems(child.get()).empty());
    }
    EXPECT_EQ(before, key.Snapshot());
}

namespace {

// Counts the program's registry opens and value reads while it lives.
class CountedRegistryCalls
{
public:
    CountedRegistryCalls()
        : m_open("advapi32.dll", "RegOpenKeyExW", reinterpret_cast<void*>(CountedOpen)),
          m_query("advapi32.dll", "RegQueryValueExW", reinterpret_cast<void*>(CountedQuery))
    {
        s_pThis = this;
        EXPECT_TRUE(m_open.IsActive() && m_query.IsActive());
    }
    ~CountedRegistryCalls() { s_pThis = nullptr; }
    int Count() const { return m_nCalls; }

private:
    static LONG WINAPI CountedOpen(HKEY hKey, LPCWSTR lpSubKey, DWORD dwOptions, REGSAM sam, PHKEY phResult)
    {
        s_pThis->m_nCalls++;
        auto original = reinterpret_cast<decltype(&RegOpenKeyExW)>(s_pThis->m_open.GetOriginal());
        return original(hKey, lpSubKey, dwOptions, sam, phResult);
    }
    static LONG WINAPI CountedQuery(HKEY hKey, LPCWSTR lpValue, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                                    LPDWORD lpcbData)
    {
        s_pThis->m_nCalls++;
        auto original = reinterpret_cast<decltype(&RegQueryValueExW)>(s_pThis->m_query.GetOriginal());
        return original(hKey, lpValue, lpReserved, lpType, lpData, lpcbData);
    }

    static CountedRegistryCalls* s_pThis;
    testpatch::CImportPatch m_open, m_query;
    int m_nCalls = 0;
};

CountedRegistryCalls* CountedRegistryCalls::s_pThis = nullptr;

} // namespace

TEST(PropExchangeStoredCount, ImageManagerLoadsFromAHostileRegistrySectionBoundedAndCleanly)
{
    ScratchKey key(L"StoredImages");
    {
        CXTPImageManager source;
        HICON hIcon = imagetest::MakeColorIcon(16, 16, RGB(200, 0, 0));
        source.SetIcon(CXTPImageManagerIconHandle(hIcon), 40, CSize(16, 16));
        source.SetIcon(CXTPImageManagerIconHandle(hIcon), 41, CSize(16, 16));
        DestroyIcon(hIcon);
        CXTPPropExchangeRegistry px(FALSE, key.get(), L"Images");
        source.DoPropExchange(&px);
    }
    // Both the set count and one set's icon count claim far more than is there.
    key.SetDword(L"Images", L"Count", 0x7FFFFFFF);
    key.SetDword(L"Images\\IconSet0", L"Count", 100000);
    const std::wstring before = key.Snapshot();

    CXTPImageManager loaded;
    {
        // The reads are bounded by what is there, not by the claimed counts.
        CountedRegistryCalls calls;
        CXTPPropExchangeRegistry px(TRUE, key.get(), L"Images");
        loaded.DoPropExchange(&px);
        EXPECT_LT(calls.Count(), 200) << "registry calls while loading two icon sets";
    }
    EXPECT_EQ(before, key.Snapshot());
    for (UINT nId : {40u, 41u})
    {
        ASSERT_NE(nullptr, loaded.GetIconSet(nId)) << nId;
        EXPECT_TRUE(loaded.HasExactImage(nId, 16)) << nId;
    }
}

TEST(PropExchangeStoredCount, ArchiveAndXmlCountsCoverOnlyTheDataBehindThem)
{
    // An archive: a count of 2^31 - 1 followed by three bytes gives at most
    // three items, however little each item reads.
    std::vector<BYTE> bytes = StoreToArchive([](CXTPPropExchange* px) {
        px->WriteCount(0x7FFFFFFF);
        BYTE tail[3] = {1, 2, 3};
        px->Write(nullptr, tail, 3);
    });
    DWORD nItems = 0;
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) { nItems = CountItemsWalked(px); });
    EXPECT_EQ(3u, nItems);
    // A sound archive still loads all of its items, then what follows them.
    bytes = StoreToArchive([](CXTPPropExchange* px) {
        StoreItems(px, {7, 8, 9});
        long nAfter = 55;
        XTPExchangeLong(px, L"After", nAfter);
    });
    LoadFromArchive(bytes, [](CXTPPropExchange* px) {
        EXPECT_EQ((std::vector<long>{7, 8, 9}), LoadItems(px));
        long nAfter = 0;
        XTPExchangeLong(px, L"After", nAfter);
        EXPECT_EQ(55, nAfter);
    });

    // XML read the generic way (a "Count"): the numbered elements present
    // up to the first gap.
    ComScope com;
    const CString strPath = WriteScratchFile(
        L"stored_count.xml", "<List CompactMode=\"1\" Count=\"2147483647\"><Item0 Value=\"4\"/><Item1 Value=\"5\"/>"
                             "<Item3 Value=\"6\"/></List>");
    CXTPPropExchangeXMLNode px(TRUE, nullptr, L"List");
    ASSERT_TRUE(px.LoadFromFile(strPath));
    EXPECT_EQ((std::vector<long>{4, 5}), LoadItems(&px));
}

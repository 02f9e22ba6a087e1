// Stored combo and edit box values are input: counts, widths, rows and
// style bits out of their range leave the defaults.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <functional>
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxList.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"

namespace {

const wchar_t kStoreKey[] = L"Software\\TavrolinComboStoreTests";

// Writes raw values into a registry section, then loads an object from it.
void LoadFromWritten(const std::function<void(CXTPPropExchange*)>& write,
                     const std::function<void(CXTPPropExchange*)>& load)
{
    SHDeleteKeyW(HKEY_CURRENT_USER, kStoreKey);
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    {
        CXTPPropExchangeRegistry px(FALSE, hKey, L"Stored");
        write(&px);
    }
    {
        CXTPPropExchangeRegistry px(TRUE, hKey, L"Stored");
        px.m_nSchema = 17;
        load(&px);
    }
    RegCloseKey(hKey);
    SHDeleteKeyW(HKEY_CURRENT_USER, kStoreKey);
}

void WriteLong(CXTPPropExchange* pPX, LPCTSTR lpszName, long nValue)
{
    // A default no value equals, so that the value is written.
    XTPExchangeLongWithDefault(pPX, lpszName, nValue, 0x7FFFFFF1);
}

void WriteItems(CXTPPropExchange* pPX, long nCount, int nWritten)
{
    CXTPSectionHolder section(pPX->GetSection(L"Items"));
    WriteLong(section.Get(), L"Count", nCount);
    for (int i = 0; i < nWritten; i++) {
        CString strName, strItem;
        strName.Format(L"Item%i", i);
        strItem.Format(L"Eintrag %i", i);
        XTPExchangeStringWithDefault(section.Get(), strName, strItem, L"-");
    }
}

} // namespace

TEST(ComboStore, BadStoredCountsOfListEntriesLoadNoEntries)
{
    struct Row
    {
        long count;
        int written;
        int loaded;
    } rows[] = {{-1, 2, 0}, {-2147483647L - 1, 2, 0}, {1000000, 3, 0}, {2, 2, 2}, {0, 2, 0}};
    for (const Row& row : rows) {
        CXTPControlComboBoxList* pList = new CXTPControlComboBoxList();
        LoadFromWritten([&](CXTPPropExchange* pPX) { WriteItems(pPX, row.count, row.written); },
                        [&](CXTPPropExchange* pPX) { pList->DoPropExchange(pPX); });
        EXPECT_EQ(row.loaded, pList->GetCount()) << "stored count " << row.count;
        if (row.loaded > 1) {
            EXPECT_STREQ(L"Eintrag 1", pList->GetText(1));
        }
        pList->InternalRelease();
    }
}

TEST(ComboStore, ValuesOutOfRangeLeaveTheDefaults)
{
    struct Row
    {
        LPCTSTR name;
        long stored;
        std::function<bool(CXTPControlComboBox*)> keptDefault;
    } rows[] = {
        {L"Width", -5, [](CXTPControlComboBox* p) { return p->GetWidth() == 100; }},
        {L"Width", 1 << 30, [](CXTPControlComboBox* p) { return p->GetWidth() == 100; }},
        {L"ComboStyle", 9, [](CXTPControlComboBox* p) { return p->GetComboStyle() == 0; }},
        {L"DropDownItemCount", 0, [](CXTPControlComboBox* p) { return p->GetDropDownItemCount() == 12; }},
        {L"DropDownItemCount", -4, [](CXTPControlComboBox* p) { return p->GetDropDownItemCount() == 12; }},
        {L"DropDownItemCount", 1 << 20, [](CXTPControlComboBox* p) { return p->GetDropDownItemCount() == 12; }},
        {L"EditIconId", -7, [](CXTPControlComboBox* p) { return p->GetEditIconId() == 0; }},
        // Only defined bits reach the platform: a multi-line edit part is no edit part of a bar.
        {L"EditStyle", static_cast<long>(0x80000000 | ES_MULTILINE | ES_UPPERCASE),
         [](CXTPControlComboBox* p) { return p->GetEditStyle() == static_cast<DWORD>(ES_UPPERCASE); }},
        {L"ShellAutoCompleteFlags", 0x0F00FF01,
         [](CXTPControlComboBox* p) { return p->GetShellAutoComplete() == 0x01u; }},
    };
    for (const Row& row : rows) {
        CXTPControlComboBox combo;
        LoadFromWritten([&](CXTPPropExchange* pPX) { WriteLong(pPX, row.name, row.stored); },
                        [&](CXTPPropExchange* pPX) { combo.DoPropExchange(pPX); });
        EXPECT_TRUE(row.keptDefault(&combo)) << static_cast<LPCTSTR>(CString(row.name)) << " " << row.stored;
    }
}

TEST(ComboStore, AnEditBoxKeepsItsWidthAndDefinedStyleBits)
{
    CXTPControlEdit edit;
    LoadFromWritten(
        [](CXTPPropExchange* pPX) {
            WriteLong(pPX, L"Width", -1);
            WriteLong(pPX, L"EditStyle", static_cast<long>(0x40000000 | ES_MULTILINE | ES_NUMBER));
        },
        [&](CXTPPropExchange* pPX) { edit.DoPropExchange(pPX); });
    EXPECT_EQ(100, edit.GetWidth());
    EXPECT_EQ(static_cast<DWORD>(ES_NUMBER), edit.GetEditStyle());
}

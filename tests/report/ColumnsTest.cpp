// Columns: order changes, width distribution, alignment mirroring and the
// stored column order, including stored data that does not fit.
#include "ReportTestSupport.h"

#include <shlwapi.h>

#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportPaintManager.h"

using namespace reporttest;

namespace {

std::vector<int> ItemIndexes(CXTPReportColumns* pColumns)
{
    std::vector<int> indexes;
    for (int i = 0; i < pColumns->GetCount(); ++i)
        indexes.push_back(pColumns->GetAt(i)->GetItemIndex());
    return indexes;
}

CXTPReportColumns* AddColumns(CXTPReportControl& report, std::vector<int> widths)
{
    for (size_t i = 0; i < widths.size(); ++i)
        report.AddColumn(new CXTPReportColumn((int)i, L"Spalte", widths[i]));
    return report.GetColumns();
}

} // namespace

TEST(ReportColumns, ChangeColumnOrder)
{
    struct OrderCase
    {
        int newIndex, oldIndex, result;
        std::vector<int> order;
    };
    const OrderCase cases[] = {
        {3, 1, 2, {0, 2, 1, 3}},
        {0, 3, 0, {3, 0, 1, 2}},
        {-1, 1, -1, {0, 1, 2, 3}},
        {2, 7, 2, {0, 1, 2, 3}},
        {9, 0, 3, {1, 2, 3, 0}}, // far past the end: the last place, no gap
    };
    for (const OrderCase& c : cases)
    {
        CXTPReportControl report;
        CXTPReportColumns* pColumns = AddColumns(report, {10, 10, 10, 10});
        EXPECT_EQ(c.result, pColumns->ChangeColumnOrder(c.newIndex, c.oldIndex));
        EXPECT_EQ(c.order, ItemIndexes(pColumns)) << c.newIndex << " from " << c.oldIndex;
    }
}

TEST(ReportColumns, DistributedWidths)
{
    struct WidthCase
    {
        int total;
        std::vector<int> widths;
    };
    const WidthCase cases[] = {{800, {200, 200, 400}}, {40, {10, 10, 20}}};
    for (const WidthCase& c : cases)
    {
        CXTPReportControl report;
        CXTPReportColumns* pColumns = AddColumns(report, {100, 100, 200});
        std::vector<int> widths;
        for (int i = 0; i < 3; ++i)
            widths.push_back(pColumns->GetAt(i)->GetDistributedWidth(c.total));
        EXPECT_EQ(c.widths, widths) << c.total;
    }
    CXTPReportControl report;
    CXTPReportColumns* pColumns = AddColumns(report, {100, 100});
    pColumns->GetAt(0)->SetVisible(FALSE);
    EXPECT_EQ(0, pColumns->GetAt(0)->GetDistributedWidth(800));
    EXPECT_EQ(800, pColumns->GetAt(1)->GetDistributedWidth(800));
}

TEST(ReportColumns, ReverseAlignmentMirrorsCellsAndHeaders)
{
    CXTPReportControl report;
    CXTPReportColumn* pColumn = report.AddColumn(new CXTPReportColumn(0, L"A", 50));
    struct AlignCase
    {
        int alignment, mirrored;
    };
    for (AlignCase c : {AlignCase{DT_LEFT, DT_RIGHT}, AlignCase{DT_RIGHT, DT_LEFT}, AlignCase{DT_CENTER, DT_CENTER | DT_RIGHT}})
    {
        pColumn->SetAlignment(c.alignment);
        report.GetPaintManager()->m_bRevertAlignment = FALSE;
        EXPECT_EQ(c.alignment, pColumn->GetAlignment());
        report.GetPaintManager()->m_bRevertAlignment = TRUE;
        EXPECT_EQ(c.mirrored, pColumn->GetAlignment());
    }
    EXPECT_EQ(DT_RIGHT, pColumn->GetHeaderAlignment()) << "a header without its own alignment mirrors left";
    report.GetPaintManager()->m_bColumnAlignmentForHeaders = TRUE;
    pColumn->SetAlignment(DT_RIGHT);
    EXPECT_EQ(DT_LEFT, pColumn->GetFooterAlignment());
}

TEST(ReportColumns, GroupOrderStoredByItemIndex)
{
    const LPCWSTR kKey = L"Software\\TavrolinTests\\ReportOrder";
    ::SHDeleteKeyW(HKEY_CURRENT_USER, kKey);
    CXTPReportControl report;
    CXTPReportColumns* pColumns = AddColumns(report, {10, 10, 10});
    pColumns->GetGroupsOrder()->Add(pColumns->GetAt(2));
    pColumns->GetGroupsOrder()->Add(pColumns->GetAt(1));
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, kKey);
        pColumns->GetGroupsOrder()->DoPropExchange(&px);
    }
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &hKey));
    auto read = [&](LPCWSTR pszName) {
        DWORD dwValue = 0xFFFF, cb = sizeof(dwValue);
        ::RegQueryValueExW(hKey, pszName, nullptr, nullptr, (LPBYTE)&dwValue, &cb);
        return dwValue;
    };
    EXPECT_EQ(2u, read(L"Count"));
    EXPECT_EQ(2u, read(L"Column0"));
    EXPECT_EQ(1u, read(L"Column1"));
    ::RegCloseKey(hKey);

    // An entry naming no column is left out of the loaded order.
    const DWORD dwNoColumn = 7;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &hKey));
    ::RegSetValueExW(hKey, L"Column1", 0, REG_DWORD, (const BYTE*)&dwNoColumn, sizeof(dwNoColumn));
    ::RegCloseKey(hKey);
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, kKey);
        pColumns->GetGroupsOrder()->DoPropExchange(&px);
    }
    ASSERT_EQ(1, pColumns->GetGroupsOrder()->GetCount());
    EXPECT_EQ(pColumns->GetAt(2), pColumns->GetGroupsOrder()->GetAt(0));
    ::SHDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

TEST(ReportColumns, LoadedOrderBecomesDisplayOrderWithoutGaps)
{
    CXTPReportControl source;
    CXTPReportColumns* pSource = AddColumns(source, {10, 20, 30});
    pSource->ChangeColumnOrder(0, 2);
    pSource->GetAt(1)->SetVisible(FALSE);
    const std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) { pSource->DoPropExchange(px); });

    CXTPReportControl report;
    CXTPReportColumns* pColumns = AddColumns(report, {10, 20, 30});
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) { pColumns->DoPropExchange(px); });
    EXPECT_EQ((std::vector<int>{2, 0, 1}), ItemIndexes(pColumns));
    EXPECT_FALSE(pColumns->Find(0)->IsVisible());

    // More sections than columns, one "ItemIndex" repeated: no empty slot.
    const std::vector<BYTE> repeated = StoreToArchive([](CXTPPropExchange* px) {
        CXTPPropExchangeEnumerator enumerator(px, L"Column");
        POSITION pos = enumerator.GetPosition(5);
        for (int i = 0; i < 5; ++i)
        {
            CXTPPropExchange* pSection = enumerator.GetNext(pos);
            long nItemIndex = i < 3 ? i : 1;
            XTPExchangeLong(pSection, L"ItemIndex", nItemIndex);
            CXTPReportColumn column(0, L"", 10);
            column.DoPropExchange(pSection);
            pSection->InternalRelease();
        }
        CXTPReportColumns empty(nullptr);
        CXTPPropExchange* pGroups = px->GetSection(L"GroupsOrder");
        empty.GetGroupsOrder()->DoPropExchange(pGroups);
        pGroups->InternalRelease();
        CXTPPropExchange* pSort = px->GetSection(L"SortOrder");
        empty.GetSortOrder()->DoPropExchange(pSort);
        pSort->InternalRelease();
    });
    CXTPReportControl again;
    CXTPReportColumns* pAgain = AddColumns(again, {10, 20, 30});
    LoadFromArchive(repeated, [&](CXTPPropExchange* px) { pAgain->DoPropExchange(px); });
    ASSERT_EQ(3, pAgain->GetCount());
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(nullptr, pAgain->GetAt(i));
}

// The saved layout coming back, and the column list box that offers the
// hidden columns.
#include "ReportTestSupport.h"

#include "framework/files/CArchiveException.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumnListBox.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/rows/XTPReportRow.h"

using namespace reporttest;

namespace {

class LayoutState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &owner, 5));
        for (int i = 0; i < 3; ++i)
            columns[i] = report.AddColumn(new CXTPReportColumn(i, kCaptions[i], 100));
        for (LPCWSTR city : {L"Bonn", L"Berlin", L"Bonn"})
        {
            CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
            for (int i = 0; i < 3; ++i)
                pRecord->AddItem(new CXTPReportRecordItemText(i == 1 ? city : L"x"));
        }
        report.Populate();
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    std::vector<int> Order()
    {
        std::vector<int> order;
        for (int i = 0; i < report.GetColumns()->GetCount(); ++i)
            order.push_back(report.GetColumns()->GetAt(i)->GetItemIndex());
        return order;
    }

    static constexpr const wchar_t* kCaptions[3] = {L"Stadt", L"Datum", L"Spiel"};
    COwnerWnd owner;
    CXTPReportControl report;
    CXTPReportColumn* columns[3] = {};
};

} // namespace

TEST_F(LayoutState, SavedLayoutComesBackWithRowsRebuilt)
{
    report.GetColumns()->GetGroupsOrder()->Add(columns[1]);
    report.ShowGroupBy(TRUE);
    const std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) { report.DoPropExchange(px); });

    report.GetColumns()->GetGroupsOrder()->Clear();
    report.GetColumns()->ChangeColumnOrder(0, 2);
    columns[0]->SetVisible(FALSE);
    report.ShowGroupBy(FALSE);
    report.Populate();
    ASSERT_EQ(3, report.GetRows()->GetCount());

    owner.notifications.clear();
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) { report.DoPropExchange(px); });
    EXPECT_EQ((std::vector<int>{0, 1, 2}), Order());
    EXPECT_TRUE(columns[0]->IsVisible());
    EXPECT_TRUE(report.IsGroupByVisible());
    EXPECT_EQ(5, report.GetRows()->GetCount()) << "two group rows over three rows";
    EXPECT_TRUE(report.GetRows()->GetAt(0)->IsGroupRow());
    EXPECT_GE(owner.CountOf((UINT)RN_COLUMNWIDTHS), 1);
    EXPECT_EQ(1, owner.CountOf((UINT)RN_COLUMNSCHANGED));
}

TEST_F(LayoutState, UnknownColumnStopsLoadingWithBadIndex)
{
    CXTPReportControl other;
    other.AddColumn(new CXTPReportColumn(0, L"Stadt", 50));
    other.AddColumn(new CXTPReportColumn(7, L"Fremd", 50));
    const std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) { other.DoPropExchange(px); });
    columns[0]->SetVisible(FALSE);
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) {
        EXPECT_EQ(CArchiveException::badIndex, ArchiveCause([&] { report.DoPropExchange(px); }));
    });
    EXPECT_TRUE(columns[0]->IsVisible()) << "what was read before stays applied";
}

TEST_F(LayoutState, ColumnListOffersHiddenColumns)
{
    CXTPReportColumnListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS | LBS_NOTIFY, CRect(0, 0, 100, 100), &owner, 6));
    list.m_bSortAscending = TRUE;
    EXPECT_FALSE(list.SetReport(nullptr));
    ASSERT_TRUE(list.SetReport(&report));
    EXPECT_EQ(0, list.GetCount());
    EXPECT_FALSE(list.IsWindowEnabled()) << "an empty list is disabled";

    columns[0]->SetVisible(FALSE);
    columns[1]->SetVisible(FALSE);
    report.Populate(); // the header refreshes the list
    ASSERT_EQ(2, list.GetCount());
    EXPECT_EQ(CString(L"Datum"), list.GetItemText(0));
    EXPECT_EQ(CString(L"Stadt"), list.GetItemText(1));
    EXPECT_TRUE(list.IsWindowEnabled());

    columns[0]->SetVisible(TRUE);
    columns[2]->SetShowInFieldChooser(FALSE);
    columns[2]->SetVisible(FALSE);
    list.UpdateList();
    ASSERT_EQ(1, list.GetCount());
    EXPECT_EQ(1, list.FindItem(1) + 1);
    EXPECT_EQ(-1, list.FindItem(0));
    list.DestroyWindow();
}

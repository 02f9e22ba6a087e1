// Populate: which records become rows, their order, their groups, the
// focus across a repopulate, and expanding and collapsing in place.
#include "ReportTestSupport.h"

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/rows/XTPReportGroupRow.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

using namespace reporttest;

namespace {

class Populate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        first = report.AddColumn(new CXTPReportColumn(0, L"Erste", 100));
        second = report.AddColumn(new CXTPReportColumn(1, L"Zweite", 100));
    }
    CXTPReportRecord* Add(LPCWSTR a, LPCWSTR b)
    {
        CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
        pRecord->AddItem(new CXTPReportRecordItemText(a));
        pRecord->AddItem(new CXTPReportRecordItemText(b));
        return pRecord;
    }
    // Each displayed row as "caption" (group rows) or "a/b" (record rows).
    std::vector<std::wstring> Shown()
    {
        std::vector<std::wstring> rows;
        for (int i = 0; i < report.GetRows()->GetCount(); ++i)
        {
            CXTPReportRow* pRow = report.GetRows()->GetAt(i);
            EXPECT_EQ(i, pRow->GetIndex());
            CString text;
            if (pRow->IsGroupRow())
                text = L"[" + static_cast<CXTPReportGroupRow*>(pRow)->GetCaption() + L"]";
            else
                text = pRow->GetRecord()->GetItem(0)->GetCaption(first) + L"/" +
                       pRow->GetRecord()->GetItem(1)->GetCaption(second);
            rows.push_back(std::wstring((LPCWSTR)text));
        }
        return rows;
    }

    CXTPReportControl report;
    CXTPReportColumn* first = nullptr;
    CXTPReportColumn* second = nullptr;
};

} // namespace

TEST_F(Populate, HiddenRecordsStayOutUnlessLocked)
{
    Add(L"a", L"1");
    Add(L"b", L"2")->SetVisible(FALSE);
    CXTPReportRecord* pLocked = Add(L"c", L"3");
    pLocked->SetVisible(FALSE);
    pLocked->SetLocked(TRUE);
    report.SetFilterText(L"zzz");
    report.Populate();
    EXPECT_EQ((std::vector<std::wstring>{L"c/3"}), Shown()) << "the filter hides a but never the locked c";
    report.SetFilterText(L"");
    report.Populate();
    EXPECT_EQ((std::vector<std::wstring>{L"a/1", L"c/3"}), Shown());
}

TEST_F(Populate, EveryFilterWordMustBeFound)
{
    CXTPReportRecord* pBoth = Add(L"xABy", L"CD");
    CXTPReportRecord* pOne = Add(L"ab", L"");
    EXPECT_FALSE(report.IsRecordFiltered(pBoth, L"ab cd", FALSE));
    EXPECT_TRUE(report.IsRecordFiltered(pOne, L"ab cd", FALSE));
    EXPECT_FALSE(report.IsRecordFiltered(pOne, L" ab\t ", FALSE));
    second->SetVisible(FALSE);
    EXPECT_TRUE(report.IsRecordFiltered(pBoth, L"ab cd", FALSE)) << "hidden columns are not searched";
}

TEST_F(Populate, SortsStablyAndGroupsByCaptions)
{
    Add(L"y", L"1");
    Add(L"x", L"2");
    Add(L"x", L"1");
    Add(L"X", L"1"); // group captions are compared with case
    Add(L"x", L"1");
    CXTPReportColumns* pColumns = report.GetColumns();
    pColumns->SetSortColumn(first, TRUE);
    report.Populate();
    EXPECT_EQ((std::vector<std::wstring>{L"X/1", L"x/2", L"x/1", L"x/1", L"y/1"}), Shown()) << "equal keys in record order";

    pColumns->SetSortColumn(first, FALSE);
    report.Populate();
    EXPECT_EQ((std::vector<std::wstring>{L"y/1", L"x/2", L"x/1", L"x/1", L"X/1"}), Shown())
        << "decreasing reverses only the differences";

    first->SetCaption(L"E");
    second->SetCaption(L"Z");
    pColumns->GetGroupsOrder()->Add(first);
    pColumns->GetGroupsOrder()->Add(second);
    pColumns->SetSortColumn(first, TRUE);
    first->SetSortIncreasing(TRUE);
    report.Populate();
    EXPECT_EQ((std::vector<std::wstring>{L"[E: X]", L"[Z: 1]", L"X/1", L"[E: x]", L"[Z: 1]", L"x/1", L"x/1", L"[Z: 2]", L"x/2",
                                        L"[E: y]", L"[Z: 1]", L"y/1"}),
              Shown());
    EXPECT_EQ(5, report.GetPopulatedRowCount());
}

TEST_F(Populate, FocusedRecordSurvivesARepopulate)
{
    Add(L"b", L"1");
    CXTPReportRecord* pFocus = Add(L"a", L"2");
    report.Populate();
    report.SetFocusedRow(report.GetRows()->GetAt(1));
    report.GetColumns()->SetSortColumn(first, TRUE);
    report.Populate();
    ASSERT_NE(nullptr, report.GetFocusedRow());
    EXPECT_EQ(pFocus, report.GetFocusedRow()->GetRecord());
    EXPECT_EQ(0, report.GetFocusedRow()->GetIndex());
    EXPECT_EQ(1, report.GetSelectedRows()->GetCount());
    EXPECT_TRUE(report.GetFocusedRow()->IsSelected());

    // Rows remembered by the mouse are released by a repopulate.
    report.m_pSelectOnUpRow = report.GetRows()->GetAt(1);
    report.m_pHotRow = report.GetRows()->GetAt(1);
    pFocus->Delete();
    report.Populate();
    EXPECT_EQ(0, report.m_nFocusedRow) << "a vanished record leaves the focus on row 0";
    EXPECT_EQ(nullptr, report.m_pSelectOnUpRow);
    EXPECT_EQ(nullptr, report.m_pHotRow);
}

TEST_F(Populate, CollapsingAGroupMovesTheFocusToIt)
{
    Add(L"x", L"1");
    Add(L"x", L"2");
    Add(L"y", L"3");
    report.GetColumns()->GetGroupsOrder()->Add(first);
    report.Populate();
    ASSERT_EQ(5u, Shown().size());
    report.SetFocusedRow(report.GetRows()->GetAt(2));
    CXTPReportRow* pGroup = report.GetRows()->GetAt(0);
    pGroup->SetExpanded(FALSE);
    EXPECT_EQ((std::vector<std::wstring>{L"[Erste: x]", L"[Erste: y]", L"y/3"}), Shown());
    EXPECT_EQ(0, report.m_nFocusedRow);
    EXPECT_TRUE(report.GetRows()->GetAt(0)->IsSelected());

    pGroup->SetExpanded(TRUE);
    EXPECT_EQ(5u, Shown().size());
    EXPECT_EQ(0, report.m_nFocusedRow);
}

TEST_F(Populate, OneRenumberingPerLock)
{
    Add(L"x", L"1");
    Add(L"x", L"2");
    Add(L"y", L"3");
    Add(L"y", L"4");
    report.GetColumns()->GetGroupsOrder()->Add(first);
    report.Populate();
    // From the last row to the first, as expanding or collapsing all does.
    report.BeginUpdate();
    CXTPReportRow* pGroupY = report.GetRows()->GetAt(3);
    pGroupY->SetExpanded(FALSE);
    report.GetRows()->GetAt(0)->SetExpanded(FALSE);
    EXPECT_EQ(3, pGroupY->GetIndex()) << "renumbered before the lock ended";
    report.EndUpdate();
    EXPECT_EQ((std::vector<std::wstring>{L"[Erste: x]", L"[Erste: y]"}), Shown());
}

// The selection as blocks of displayed-row indexes: adding, removing,
// ranges from a pivot, grouped ranges, and the shifts when a group row
// collapses or expands; every change is reported once the focus moves.
#include "ReportTestSupport.h"

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/rows/XTPReportGroupRow.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

using namespace reporttest;

namespace {

typedef std::vector<std::pair<int, int>> Blocks;

Blocks BlocksOf(CXTPReportSelectedRows* pSelected)
{
    Blocks blocks;
    for (int i = 0; i < pSelected->GetBlockCount(); ++i)
        blocks.push_back({pSelected->GetBlock(i).nIndexBegin, pSelected->GetBlock(i).nIndexEnd});
    return blocks;
}

// A control with n displayed rows (no window needed for the block logic).
class Selection : public ::testing::Test
{
protected:
    void Rows(int n, const std::vector<int>& groupRows = {})
    {
        for (int i = 0; i < n; ++i)
        {
            BOOL bGroup = FALSE;
            for (int g : groupRows)
                bGroup |= g == i;
            CXTPReportRow* pRow = bGroup ? report.CreateGroupRow() : report.CreateRow();
            pRow->InitRow(&report, nullptr);
            pRow->m_bVisible = TRUE;
            report.GetRows()->Add(pRow);
            pRow->SetIndex(i);
        }
    }
    CXTPReportRow* Row(int i) { return report.GetRows()->GetAt(i); }
    void Select(std::vector<std::pair<int, int>> blocks)
    {
        selected()->Clear();
        for (auto block : blocks)
            for (int i = block.first; i < block.second; ++i)
                selected()->Add(Row(i));
    }
    CXTPReportSelectedRows* selected() { return report.GetSelectedRows(); }

    CXTPReportControl report;
};

} // namespace

TEST_F(Selection, AddAndRemoveKeepDisjointBlocks)
{
    Rows(10);
    selected()->Add(Row(3));
    selected()->Add(Row(5));
    selected()->Add(Row(4));
    EXPECT_EQ((Blocks{{3, 6}}), BlocksOf(selected()));

    Select({{3, 8}});
    selected()->Remove(Row(5));
    EXPECT_EQ((Blocks{{3, 5}, {6, 8}}), BlocksOf(selected()));
    EXPECT_EQ(4, selected()->GetCount());
    EXPECT_EQ(Row(6), selected()->GetAt(2));
    EXPECT_EQ(nullptr, selected()->GetAt(4));

    Select({{3, 4}});
    selected()->Remove(Row(3));
    EXPECT_TRUE(BlocksOf(selected()).empty());

    CXTPReportRow* pLoose = report.CreateRow();
    selected()->SetChanged(FALSE);
    selected()->Add(pLoose); // index -1: nothing
    EXPECT_TRUE(BlocksOf(selected()).empty());
    EXPECT_FALSE(selected()->IsChanged());
    pLoose->InternalRelease();

    Select({{1, 3}, {5, 6}});
    std::vector<int> walked;
    POSITION pos = selected()->GetFirstSelectedRowPosition();
    while (pos)
        walked.push_back(selected()->GetNextSelectedRow(pos)->GetIndex());
    EXPECT_EQ((std::vector<int>{1, 2, 5}), walked);
}

TEST_F(Selection, ShiftRangesKeepTheirPivot)
{
    Rows(12);
    selected()->Select(Row(10));
    selected()->SelectBlock(10, 4);
    EXPECT_EQ((Blocks{{4, 11}}), BlocksOf(selected()));
    selected()->SelectBlock(4, 8); // the pivot stays 10
    EXPECT_EQ((Blocks{{8, 11}}), BlocksOf(selected()));
}

TEST_F(Selection, GroupedRangeSkipsExpandedGroupRowsInside)
{
    Rows(8, {0, 3, 6});
    report.GetColumns()->GetGroupsOrder()->Add(report.AddColumn(new CXTPReportColumn(0, L"G", 50)));
    Row(6)->m_bExpanded = FALSE;
    selected()->SelectBlock(0, 7);
    // 0 is an end of the range, 3 lies inside and is expanded, 6 is collapsed.
    EXPECT_EQ((Blocks{{0, 3}, {4, 8}}), BlocksOf(selected()));
}

TEST_F(Selection, CollapseAndExpandShiftBlocks)
{
    struct ShiftCase
    {
        Blocks before;
        bool collapse;
        int at, count;
        Blocks after;
    };
    const ShiftCase cases[] = {
        {{{4, 9}}, true, 2, 3, {{2, 6}}},          // children 3..5 hidden, 4..8 selected
        {{{0, 5}}, true, 2, 5, {{0, 3}}},          // rows before the group stay selected
        {{{0, 3}, {4, 9}}, true, 2, 3, {{0, 6}}},  // adjusted blocks are merged
        {{{0, 5}}, false, 2, 3, {{0, 3}, {6, 8}}}, // shown children are not selected
        {{{6, 7}}, false, 2, 3, {{9, 10}}},
    };
    for (const ShiftCase& c : cases)
    {
        report.GetRows()->Clear();
        Rows(20);
        Select(c.before);
        selected()->SetChanged(FALSE);
        if (c.collapse)
            selected()->OnRowsRemoved(c.at, c.count);
        else
            selected()->OnRowsInserted(c.at, c.count);
        EXPECT_EQ(c.after, BlocksOf(selected())) << (c.collapse ? "collapse at " : "expand at ") << c.at;
    }
}

TEST_F(Selection, EveryChangeIsReportedAfterTheFocusMoves)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateOwner());
    ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &owner, 1));
    Rows(5);
    report.SetFocusedRow(Row(0));
    ASSERT_EQ(1, owner.CountOf((UINT)RN_SELCHANGED));

    // Ctrl+click on the only selected row empties the selection ...
    selected()->Invert(Row(0));
    report.OnSelectionChanged();
    ASSERT_EQ(2, owner.CountOf((UINT)RN_SELCHANGED));
    // ... and Shift+Down from there selects again: reported.
    report.SetFocusedRow(Row(1), TRUE, FALSE);
    EXPECT_EQ(3, owner.CountOf((UINT)RN_SELCHANGED));
    EXPECT_EQ((Blocks{{0, 2}}), BlocksOf(selected()));

    report.SetFocusedRow(Row(1), FALSE, TRUE); // Ctrl: focus only
    EXPECT_EQ(3, owner.CountOf((UINT)RN_SELCHANGED));
    report.SetFocusedRow(Row(3));
    EXPECT_EQ(4, owner.CountOf((UINT)RN_SELCHANGED));
    report.DestroyWindow();
    owner.DestroyWindow();
}

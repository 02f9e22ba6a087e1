// Scrolling sideways and after a repopulate: column rectangles in scrolled
// coordinates with frozen columns held in place, the offset clamped to the
// excess width, a focused column brought into view by the offset rule,
// and the vertical bar following the top row that populate resets.
#include "ReportTestSupport.h"

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"

using namespace reporttest;

namespace {

class HorizontalScroll : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        owner.ShowWindow(SW_SHOWNOACTIVATE);
        // 300 pixels of rows area under columns of 200, 400 and 100.
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &owner, 5));
        report.GetReportHeader()->SetAutoColumnSizing(FALSE);
        const int widths[3] = {200, 400, 100};
        for (int i = 0; i < 3; ++i)
            columns[i] = report.AddColumn(new CXTPReportColumn(i, L"Spalte", widths[i], FALSE));
        for (int i = 0; i < 3; ++i)
        {
            CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
            for (int j = 0; j < 3; ++j)
                pRecord->AddItem(new CXTPReportRecordItemText(L"x"));
        }
        report.Populate();
        report.UpdateWindow();
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    std::vector<int> Lefts()
    {
        return {columns[0]->GetRect().left, columns[1]->GetRect().left, columns[2]->GetRect().left};
    }

    COwnerWnd owner;
    CXTPReportControl report;
    CXTPReportColumn* columns[3] = {};
};

} // namespace

TEST_F(HorizontalScroll, ColumnsAreKeptInScrolledCoordinates)
{
    ASSERT_EQ(300, report.GetReportRectangle().Width());
    struct
    {
        int nFrozen, nAsked, nOffset;
        std::vector<int> lefts;
        int nHitX, nHitColumn; // the header column under a point
    } const cases[] = {
        {0, 0, 0, {0, 200, 600}, 210, 1},
        {0, 150, 150, {-150, 50, 450}, 60, 1},
        {0, 400, 400, {-400, -200, 200}, 210, 2},
        {0, 999, 400, {-400, -200, 200}, 210, 2}, // clamped to the excess
        {0, -5, 0, {0, 200, 600}, 10, 0},
        {1, 150, 150, {0, 50, 450}, 60, 0}, // the frozen column covers the scrolled one
        {1, 400, 400, {0, -200, 200}, 210, 2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "frozen " << c.nFrozen << ", offset " << c.nAsked);
        report.SetFreezeColumnsCount(c.nFrozen);
        report.SetLeftOffset(c.nAsked);
        EXPECT_EQ(c.nOffset, report.GetLeftOffset());
        EXPECT_EQ(c.lefts, Lefts());
        EXPECT_EQ(c.nOffset, report.GetScrollPos(SB_HORZ));
        const CRect rcHeader = report.GetHeaderRect();
        EXPECT_EQ(columns[c.nHitColumn], report.GetReportHeader()->HitTest(CPoint(c.nHitX, rcHeader.CenterPoint().y)));

        // Rows place their cells where the header shows the columns.
        report.UpdateWindow();
        CXTPReportRow* pRow = report.GetRows()->GetAt(0);
        for (int i = 0; i < 3; ++i)
        {
            const CRect rcCell = pRow->GetItemRect(pRow->GetRecord()->GetItem(i));
            EXPECT_EQ(report.GetReportHeader()->ColumnRect(columns[i]).left, rcCell.left) << "column " << i;
        }
    }
}

TEST_F(HorizontalScroll, FocusedColumnComesIntoViewByTheOffsetRule)
{
    report.FocusSubItems(TRUE);
    struct
    {
        int nFrozen, nStart, nColumn, nOffset;
    } const cases[] = {
        // Right edge beyond the area: grows by the smaller of the left edge
        // and the overhang.
        {0, 100, 1, 200},
        {0, 0, 2, 400},
        {0, 0, 1, 200},
        // Left of the area: shrinks by the distance to the frozen edge.
        {0, 300, 0, 0},
        {1, 300, 1, 0},
        // Already in view: unchanged.
        {0, 200, 1, 200},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "frozen " << c.nFrozen << ", from " << c.nStart << " to column "
                                        << c.nColumn);
        report.SetFocusedColumn(nullptr);
        report.SetFreezeColumnsCount(c.nFrozen);
        report.SetLeftOffset(c.nStart);
        report.SetFocusedColumn(columns[c.nColumn]);
        EXPECT_EQ(c.nOffset, report.GetLeftOffset());
        EXPECT_GE(report.GetReportHeader()->ColumnRect(columns[c.nColumn]).left, c.nFrozen ? 200 : 0)
            << "the column's left edge shows";
    }
}

TEST_F(HorizontalScroll, VerticalBarFollowsTheTopRowAfterPopulate)
{
    auto refill = [&](int nCount) {
        report.GetRecords()->RemoveAll();
        for (int i = 0; i < nCount; ++i)
        {
            CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
            for (int j = 0; j < 3; ++j)
                pRecord->AddItem(new CXTPReportRecordItemText(L"y"));
        }
    };
    struct
    {
        const char* name;
        std::function<void()> change;
    } const cases[] = {
        {"records replaced", [&] { refill(100); }},
        {"focused record deleted", [&] { report.GetRecords()->GetAt(report.GetFocusedRow()->GetRecord()->GetIndex())->Delete(); }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        refill(100);
        report.Populate();
        report.SetFocusedRow(report.GetRows()->GetAt(55));
        report.SetTopRowIndex(50);
        ASSERT_EQ(50, report.GetTopRowIndex());
        ASSERT_EQ(50, report.GetScrollPos(SB_VERT));
        c.change();
        report.Populate();
        EXPECT_EQ(0, report.GetTopRowIndex());
        EXPECT_EQ(0, report.GetScrollPos(SB_VERT)) << "the bar says what shows";
    }
}

// Scrolling through rows: the bar's range and page, page steps, making a
// row visible, and the wheel in line and page mode.
#include "ReportTestSupport.h"

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemNumber.h"
#include "toolkit/report/rows/XTPReportRow.h"

using namespace reporttest;

namespace {

class Scrolling : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        rowHeight = report.GetPaintManager()->GetFixedRowHeight(nullptr, nullptr);
        const int headerHeight = report.GetPaintManager()->GetFixedHeaderHeight();
        // Exactly ten rows fit.
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, headerHeight + 10 * rowHeight), &owner, 7));
        report.AddColumn(new CXTPReportColumn(0, L"Nr", 100));
        for (int i = 0; i < 100; ++i)
            report.AddRecord(new CXTPReportRecord())->AddItem(new CXTPReportRecordItemNumber(i));
        report.Populate();
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    SCROLLINFO Bar()
    {
        SCROLLINFO si = {sizeof(SCROLLINFO), SIF_ALL};
        ::GetScrollInfo(report.GetSafeHwnd(), SB_VERT, &si);
        return si;
    }

    COwnerWnd owner;
    CXTPReportControl report;
    int rowHeight = 0;
};

} // namespace

TEST_F(Scrolling, BarRangePageAndSteps)
{
    EXPECT_EQ(0, Bar().nMin);
    EXPECT_EQ(99, Bar().nMax);
    EXPECT_EQ(10u, Bar().nPage) << "rows after the highest useful top row";

    struct StepCase
    {
        UINT code;
        int from, to;
    };
    const StepCase steps[] = {
        {SB_LINEDOWN, 0, 1},   {SB_LINEUP, 0, 0},      {SB_PAGEDOWN, 0, 10}, {SB_PAGEDOWN, 85, 90},
        {SB_PAGEUP, 25, 15},   {SB_PAGEUP, 4, 0},      {SB_BOTTOM, 3, 90},   {SB_TOP, 50, 0},
        {SB_LINEDOWN, 90, 90},
    };
    for (const StepCase& c : steps)
    {
        report.SetTopRowIndex(c.from);
        report.SendMessage(WM_VSCROLL, MAKEWPARAM(c.code, 0));
        EXPECT_EQ(c.to, report.GetTopRowIndex()) << "code " << c.code << " from " << c.from;
    }
    report.SetTopRowIndex(500);
    EXPECT_EQ(90, report.GetTopRowIndex()) << "clamped to the highest useful top row";
}

TEST_F(Scrolling, EnsureVisibleBringsRowsIn)
{
    report.EnsureVisible(report.GetRows()->GetAt(30));
    EXPECT_EQ(21, report.GetTopRowIndex()) << "the row ends at the bottom";
    report.EnsureVisible(report.GetRows()->GetAt(25));
    EXPECT_EQ(21, report.GetTopRowIndex()) << "already visible";
    report.EnsureVisible(report.GetRows()->GetAt(5));
    EXPECT_EQ(5, report.GetTopRowIndex());
    CXTPReportRow* pLoose = report.CreateRow();
    report.EnsureVisible(pLoose);
    EXPECT_EQ(5, report.GetTopRowIndex());
    pLoose->InternalRelease();
}

TEST_F(Scrolling, WheelInLinesAndPages)
{
    report.m_nWheelScrollLines = 3;
    report.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -2 * WHEEL_DELTA), MAKELPARAM(10, 10));
    EXPECT_EQ(6, report.GetTopRowIndex());
    report.m_nWheelScrollLines = -1;
    report.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(10, 10));
    EXPECT_EQ(16, report.GetTopRowIndex());
    report.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), MAKELPARAM(10, 10));
    EXPECT_EQ(0, report.GetTopRowIndex());
    EXPECT_EQ(0, owner.wheelMessages);
}

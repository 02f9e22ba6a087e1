// The header under real mouse input: resizing a column by dragging its
// divider (with and without automatic column sizing, and down to the
// minimum width), and a column dragged past the header's edges scrolling
// the report sideways.
#include "ReportTestSupport.h"

#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/columns/XTPReportHeader.h"

using namespace reporttest;

namespace {

class HeaderDrag : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateInFront());
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &owner, 5));
        const int widths[3] = {100, 100, 100};
        for (int i = 0; i < 3; ++i)
            columns[i] = report.AddColumn(new CXTPReportColumn(i, L"Spalte", widths[i]));
        header = report.GetReportHeader();
        report.UpdateWindow();
        testpump::PumpUntilIdle();
    }
    void TearDown() override
    {
        if (::GetCapture())
            ::ReleaseCapture();
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    POINT Screen(int x, int y) { return testinput::ClientToScreenPoint(report.GetSafeHwnd(), x, y); }
    int HeaderY() { return report.GetHeaderRect().CenterPoint().y; }

    COwnerWnd owner;
    CXTPReportControl report;
    CXTPReportColumn* columns[3] = {};
    CXTPReportHeader* header = nullptr;
};

} // namespace

TEST_F(HeaderDrag, DividerDragResizesTheColumn)
{
    struct
    {
        const char* name;
        BOOL bAutoSizing;
        int dx;
        int nWidth;   // of the first column afterwards
        int nTotal;   // of all columns afterwards
    } const cases[] = {
        {"wider, fixed widths", FALSE, 40, 140, 340},
        {"narrower, fixed widths", FALSE, -30, 70, 270},
        {"wider, sized to the window", TRUE, 40, 140, 300},
        // The tracker stops at the column's minimum width, not a pixel short of it.
        {"past the minimum, fixed widths", FALSE, -95, 10, 210},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        for (CXTPReportColumn* pColumn : columns)
            pColumn->SetWidth(100);
        header->SetAutoColumnSizing(c.bAutoSizing);
        header->OnColumnsChanged();
        report.UpdateWindow();
        const int nDivider = header->ColumnRect(columns[0]).right;
        testinput::MoveMouseTo(Screen(nDivider, HeaderY()));
        ASSERT_TRUE(testpump::PumpUntil([&] { return report.GetMouseMode() == xtpReportMouseOverDivider; }));
        testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, Screen(nDivider, HeaderY()));
        testinput::MoveMouseTo(Screen(nDivider + c.dx / 2, HeaderY()));
        testinput::MoveMouseTo(Screen(nDivider + c.dx, HeaderY()));
        testinput::SendMouse(MOUSEEVENTF_LEFTUP, Screen(nDivider + c.dx, HeaderY()));
        EXPECT_TRUE(testpump::PumpUntil([&] { return header->ColumnRect(columns[0]).Width() == c.nWidth; }))
            << "width " << header->ColumnRect(columns[0]).Width();
        EXPECT_EQ(c.nTotal, header->ColumnRect(columns[2]).right - header->ColumnRect(columns[0]).left);
        // A click elsewhere, so the next press on the divider is no double click.
        testinput::ClickAt(Screen(150, 150));
        testpump::PumpUntil([&] { return report.GetMouseMode() == xtpReportMouseIdle; });
        testpump::PumpUntilIdle();
    }
}

TEST_F(HeaderDrag, ColumnDraggedPastAnEdgeScrollsTheReport)
{
    header->SetAutoColumnSizing(FALSE);
    columns[1]->SetWidth(400);
    header->OnColumnsChanged();
    report.UpdateWindow();
    ASSERT_TRUE(report.GetStyle() & WS_HSCROLL);

    // Pressed on the second column and dragged off to the right, then left.
    const CPoint ptPress(header->ColumnRect(columns[1]).left + 20, HeaderY());
    report.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
    report.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptPress.x + 10, ptPress.y));
    ASSERT_EQ(xtpReportMouseColumnDragging, report.GetMouseMode());
    struct
    {
        const char* name;
        int x; // client x of the cursor, beyond the header
        bool grows;
    } const cases[] = {
        {"beyond the right edge", 330, true},
        {"beyond the left edge", -30, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const int nStart = report.GetLeftOffset();
        testinput::MoveMouseTo(Screen(c.x, HeaderY()));
        EXPECT_TRUE(testpump::PumpUntil([&] {
            return c.grows ? report.GetLeftOffset() >= nStart + 30 : report.GetLeftOffset() == 0;
        })) << "offset " << report.GetLeftOffset();
        EXPECT_EQ(report.GetLeftOffset(), report.GetScrollPos(SB_HORZ));
        EXPECT_EQ(xtpReportMouseColumnDragging, report.GetMouseMode()) << "still dragging";
    }
    report.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptPress.x, ptPress.y));
    EXPECT_EQ(xtpReportMouseIdle, report.GetMouseMode());
}

// Leave tracking of the report under real pointer input: a thread tracks
// the mouse for one window at a time, so the report must not ask for a
// leave notice once the pointer is over another window of the thread, or
// that window's hover never comes.
#include "ReportTestSupport.h"

#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/XTPReportPaintManager.h"

using namespace reporttest;

namespace {

// A plain window that asks for hover and leave notices on its first mouse
// move, as tab panels and toolbar buttons do, and notes the hover.
class CHoverWatcher : public CWnd
{
public:
    BOOL CreateChild(CWnd* pParent, const CRect& rc)
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        return CreateEx(0, lpszClass, L"", WS_CHILD | WS_VISIBLE, rc, pParent, 7);
    }
    void Reset()
    {
        tracking = false;
        hovered = false;
    }

    bool tracking = false;
    bool hovered = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEMOVE && !tracking)
        {
            TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd, HOVER_DEFAULT};
            tracking = ::TrackMouseEvent(&tme) != FALSE;
        }
        else if (message == WM_MOUSEHOVER)
        {
            hovered = true;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class MouseTracking : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateInFront());
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &owner, 5));
        ASSERT_TRUE(watcher.CreateChild(&owner, CRect(350, 0, 550, 200)));
        report.GetPaintManager()->m_bHotTracking = TRUE;
        column = report.AddColumn(new CXTPReportColumn(0, L"Spiel", 150));
        report.AddColumn(new CXTPReportColumn(1, L"Preis", 100));
        for (int i = 0; i < 3; ++i)
        {
            CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
            pRecord->AddItem(new CXTPReportRecordItemText(L"Heimspiel"));
            pRecord->AddItem(new CXTPReportRecordItemText(L"25"));
        }
        report.Populate();
        report.UpdateWindow();
        testpump::PumpUntilIdle();
    }
    void TearDown() override
    {
        watcher.DestroyWindow();
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    POINT OnReport(CPoint pt) { return testinput::ClientToScreenPoint(report.GetSafeHwnd(), pt.x, pt.y); }
    HWND TrackedWindow()
    {
        TRACKMOUSEEVENT query = {sizeof(TRACKMOUSEEVENT), TME_QUERY, nullptr, 0};
        ::TrackMouseEvent(&query);
        return (query.dwFlags & TME_LEAVE) ? query.hwndTrack : nullptr;
    }

    COwnerWnd owner;
    CXTPReportControl report;
    CHoverWatcher watcher;
    CXTPReportColumn* column = nullptr;
};

} // namespace

TEST_F(MouseTracking, JumpFromAHotPlaceLeavesTheHoverToTheWindowBeside)
{
    UINT nHoverMs = 400;
    ::SystemParametersInfo(SPI_GETMOUSEHOVERTIME, 0, &nHoverMs, 0);
    const DWORD kMarginMs = 2000;

    struct
    {
        const char* name;
        std::function<CPoint()> place;   // in the report's client area
        std::function<bool()> isHot;     // whether the place is hot
    } const cases[] = {
        {"from a row",
         [&] { return report.GetRows()->GetAt(1)->GetRect().CenterPoint(); },
         [&] { return report.m_pHotRow == report.GetRows()->GetAt(1); }},
        {"from a header column",
         [&] { return report.GetReportHeader()->ColumnRect(column).CenterPoint(); },
         [&] { return report.GetReportHeader()->GetHotTrackingColumn() == column; }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(testinput::MoveMouseAndWait(OnReport(c.place())));
        ASSERT_TRUE(testpump::PumpUntil(c.isHot));
        testpump::PumpUntilIdle();
        EXPECT_EQ(report.GetSafeHwnd(), TrackedWindow()) << "the report asks for its leave while the pointer is on it";

        watcher.Reset();
        testinput::MoveMouseTo(testinput::ClientToScreenPoint(watcher.GetSafeHwnd(), 100, 100));
        const bool bHover = testpump::PumpUntil([&] { return watcher.hovered; }, nHoverMs + kMarginMs);
        EXPECT_TRUE(watcher.tracking) << "the pointer reached the window beside";
        EXPECT_TRUE(bHover) << "no hover within " << nHoverMs + kMarginMs << " ms of the jump";
        EXPECT_FALSE(c.isHot()) << "the leave clears the hot place";
        EXPECT_EQ(nullptr, report.m_pHotRow);
        EXPECT_EQ(nullptr, report.GetReportHeader()->GetHotTrackingColumn());
    }
}

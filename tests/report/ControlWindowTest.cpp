// The report window: its class, layout, update lock, notifications to the
// owner, the check-box key and the wheel, and the empty picture.
#include "ReportTestSupport.h"

#include "support/Screenshot.h"
#include "framework/gdi/CClientDC.h"
#include "toolkit/report/XTPReportColumn.h"
#include "toolkit/report/XTPReportColumns.h"
#include "toolkit/report/XTPReportHeader.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/XTPReportRecord.h"
#include "toolkit/report/XTPReportRecordItemText.h"
#include "toolkit/report/XTPReportRow.h"
#include "toolkit/report/XTPReportRows.h"

using namespace reporttest;

namespace {

const UINT kReportId = 4711;

class ReportWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        owner.ShowWindow(SW_SHOWNOACTIVATE);
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 600, 400), &owner, kReportId));
        report.AddColumn(new CXTPReportColumn(0, L"Beobachten", 100));
        report.AddColumn(new CXTPReportColumn(1, L"Spiel", 200));
        testpump::PumpUntilIdle();
        owner.notifications.clear();
    }
    void TearDown() override
    {
        if (report.GetSafeHwnd())
            report.DestroyWindow();
        if (owner.GetSafeHwnd())
            owner.DestroyWindow();
    }

    // A record with a check-box item, shown as the focused row.
    CXTPReportRecordItem* AddCheckRow()
    {
        CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
        CXTPReportRecordItem* pItem = pRecord->AddItem(new CXTPReportRecordItem());
        pItem->HasCheckbox(TRUE);
        pRecord->AddItem(new CXTPReportRecordItemText(L"Spiel 1"));
        CXTPReportRow* pRow = AddDisplayedRow(report, pRecord);
        report.m_nFocusedRow = pRow->GetIndex();
        report.SetFocusedColumn(report.GetColumns()->GetAt(0));
        return pItem;
    }

    COwnerWnd owner;
    CCountingReport report;
};

} // namespace

TEST_F(ReportWindow, ClassIsRegisteredOnce)
{
    WNDCLASS wc = {};
    ASSERT_TRUE(::GetClassInfo(::GetModuleHandle(nullptr), L"XTPReport", &wc));
    EXPECT_EQ(11u, wc.style);
    EXPECT_EQ((HBRUSH)16, wc.hbrBackground);
    CXTPReportControl second; // a second control finds the class there
    WCHAR szClass[32] = {};
    ::GetClassName(report.GetSafeHwnd(), szClass, 32);
    EXPECT_STREQ(L"XTPReport", szClass);
}

TEST_F(ReportWindow, LayoutOfGroupByBoxHeaderRowsAndFooter)
{
    const int h = report.GetPaintManager()->GetFixedHeaderHeight();
    const int groupBy = (h - 3) / 2 * 2 + 15;
    struct LayoutCase
    {
        BOOL groupBy, header, footer;
        int headerTop, rowsTop, rowsBottom;
    };
    const LayoutCase cases[] = {
        {FALSE, TRUE, FALSE, 0, h, 400},
        {TRUE, TRUE, FALSE, groupBy, groupBy + h, 400},
        {TRUE, FALSE, TRUE, groupBy, groupBy, 400 - h},
        {FALSE, FALSE, FALSE, 0, 0, 400},
    };
    for (const LayoutCase& c : cases)
    {
        report.ShowGroupBy(c.groupBy);
        report.ShowHeader(c.header);
        report.ShowFooter(c.footer);
        EXPECT_EQ(c.headerTop, report.GetHeaderRect().top);
        EXPECT_EQ(c.rowsTop, report.GetReportRectangle().top);
        EXPECT_EQ(c.rowsBottom, report.GetReportRectangle().bottom);
        EXPECT_EQ(c.footer ? 400 - h : 400, report.GetFooterRect().top);
        EXPECT_EQ(600, report.GetReportRectangle().Width());
    }
}

TEST_F(ReportWindow, NestedLocksDrawOnceAndKeepPendingRenumbering)
{
    report.UpdateWindow();
    const int drawsBefore = report.draws;
    CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
    CXTPReportRow* pFirst = AddDisplayedRow(report, pRecord);
    CXTPReportRow* pSecond = AddDisplayedRow(report, pRecord);
    pFirst->SetIndex(7);
    pSecond->SetIndex(9);

    report.BeginUpdate();
    report.UpdateRowIndexes(); // asked for under the outer lock
    report.BeginUpdate();      // as SetFocusedRow and the scroll bars take one
    report.RedrawControl();
    report.EndUpdate();
    report.UpdateWindow();
    EXPECT_EQ(drawsBefore, report.draws) << "drawn while the outer lock was held";
    report.EndUpdate();
    EXPECT_EQ(0, pFirst->GetIndex());
    EXPECT_EQ(1, pSecond->GetIndex());
    report.UpdateWindow();
    EXPECT_EQ(drawsBefore + 1, report.draws);
}

TEST_F(ReportWindow, NotificationsGoToOwnerElseParentWithIdAndReply)
{
    COwnerWnd other;
    ASSERT_TRUE(other.CreateOwner(L"OtherOwner"));
    other.replies.push_back({(UINT)RN_ITEMPRESS, 42});
    report.SetOwner(&other);
    EXPECT_EQ(42, report.SendMessageToParent(nullptr, nullptr, nullptr, RN_ITEMPRESS, nullptr));
    ASSERT_EQ(1u, other.notifications.size());
    EXPECT_EQ((UINT_PTR)kReportId, other.notifications[0].id);
    EXPECT_EQ(report.GetSafeHwnd(), other.notifications[0].from);
    EXPECT_TRUE(owner.notifications.empty());

    other.DestroyWindow();
    EXPECT_EQ(0, report.SendNotifyMessage(RN_SELCHANGED)) << "a vanished owner answers nothing";

    report.SetOwner(nullptr);
    report.SendNotifyMessage(RN_SELCHANGED);
    EXPECT_EQ(std::vector<UINT>{(UINT)RN_SELCHANGED}, owner.Codes()) << "without an owner the parent hears it";

    CXTPReportControl unborn;
    EXPECT_EQ(0, unborn.SendNotifyMessage(RN_SELCHANGED));
}

TEST_F(ReportWindow, SpaceTogglesCheckBoxThroughTheOwner)
{
    CXTPReportRecordItem* pItem = AddCheckRow();
    report.SendMessage(WM_CHAR, VK_SPACE, 1);
    EXPECT_TRUE(pItem->IsChecked());
    EXPECT_EQ((std::vector<UINT>{(UINT)NM_CHAR, (UINT)RN_REQUESTEDIT, (UINT)RN_CHECKED}), owner.Codes());
    EXPECT_EQ(pItem, owner.notifications.back().item.pItem);
    EXPECT_EQ(report.GetFocusedRow(), owner.notifications.back().item.pRow);

    owner.notifications.clear();
    report.SetAutoCheckItems(FALSE);
    report.SendMessage(WM_CHAR, VK_SPACE, 1);
    EXPECT_TRUE(pItem->IsChecked()) << "without automatic check the owner decides";
    EXPECT_EQ(1, owner.CountOf((UINT)RN_CHECKED));

    owner.notifications.clear();
    report.SetAutoCheckItems(TRUE);
    owner.cancelEdits = TRUE;
    report.SendMessage(WM_CHAR, VK_SPACE, 1);
    EXPECT_TRUE(pItem->IsChecked());
    EXPECT_EQ(0, owner.CountOf((UINT)RN_CHECKED));

    owner.cancelEdits = FALSE;
    pItem->SetEditable(FALSE);
    report.SendMessage(WM_CHAR, VK_SPACE, 1);
    EXPECT_TRUE(pItem->IsChecked()) << "a read-only item keeps its state";
}

TEST_F(ReportWindow, WheelWithoutVerticalBarGoesToTheParent)
{
    report.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(10, 10));
    EXPECT_EQ(1, owner.wheelMessages);
    EXPECT_EQ(0, report.GetTopRowIndex());
}

TEST_F(ReportWindow, EmptyControlShowsCentredNoItemsText)
{
    report.RedrawControl();
    report.UpdateWindow();
    const testshot::Image image = testshot::CaptureWindow(report.GetSafeHwnd());
    testshot::Save(image, L"report_empty.png");

    const CRect rcRows = report.GetReportRectangle();
    const COLORREF clrBack = report.GetPaintManager()->GetControlBackColor(&report);
    int left = image.width, right = -1, top = image.height;
    for (int y = rcRows.top; y < rcRows.bottom; ++y)
    {
        for (int x = 0; x < image.width; ++x)
        {
            if (image.Pixel(x, y) == clrBack)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
        }
    }
    ASSERT_GE(right, left) << "no text drawn";
    // Wine's glyphs can be narrower than the measured extent: the text's
    // measured box is what must sit in the middle.
    CClientDC dc(&report);
    CFont* pOldFont = dc.SelectObject(report.GetPaintManager()->GetTextFont());
    const int extent = dc.GetTextExtent(report.GetPaintManager()->GetNoItemsText()).cx;
    dc.SelectObject(pOldFont);
    EXPECT_LE(std::abs(left - (image.width - extent) / 2), 2) << "text not centred: " << left << ".." << right;
    EXPECT_LT(top - rcRows.top, 20) << "text at the top of the rows area";
}

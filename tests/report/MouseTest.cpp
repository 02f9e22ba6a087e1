// Mouse input on rows by real messages: the check box, a hyperlink, the
// drag gesture, the press on a selected row, and the tip of a cut cell.
#include "ReportTestSupport.h"

#include "framework/gdi/CClientDC.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

using namespace reporttest;

namespace {

class Mouse : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        owner.ShowWindow(SW_SHOWNOACTIVATE);
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200), &owner, 5));
        report.AddColumn(new CXTPReportColumn(0, L"", 30, FALSE));
        text = report.AddColumn(new CXTPReportColumn(1, L"Text", 150, FALSE));
        report.AddColumn(new CXTPReportColumn(2, L"Rest", 100));
        for (int i = 0; i < 3; ++i)
        {
            CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
            CXTPReportRecordItem* pCheck = pRecord->AddItem(new CXTPReportRecordItem());
            pCheck->HasCheckbox(TRUE);
            items[i] = pRecord->AddItem(new CXTPReportRecordItemText(L"Tickets"));
            pRecord->AddItem(new CXTPReportRecordItemText(L""));
        }
        items[1]->AddHyperlink(new CXTPReportHyperlink(0, 254));
        report.Populate();
        report.UpdateWindow();
        owner.notifications.clear();
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    CRect RowRect(int i) { return report.GetRows()->GetAt(i)->GetRect(); }
    void Click(CPoint pt, UINT flags = 0)
    {
        report.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | flags, MAKELPARAM(pt.x, pt.y));
        report.SendMessage(WM_LBUTTONUP, flags, MAKELPARAM(pt.x, pt.y));
    }

    COwnerWnd owner;
    CXTPReportControl report;
    CXTPReportColumn* text = nullptr;
    CXTPReportRecordItem* items[3] = {};
};

} // namespace

TEST_F(Mouse, CheckBoxClickAndHyperlink)
{
    CXTPReportRecordItem* pCheck = report.GetRows()->GetAt(0)->GetRecord()->GetItem(0);
    const CPoint ptBox = pCheck->GetCheckboxRect().CenterPoint();
    ASSERT_FALSE(pCheck->GetCheckboxRect().IsRectEmpty());
    Click(ptBox);
    EXPECT_TRUE(pCheck->IsChecked());
    EXPECT_EQ(1, owner.CountOf((UINT)RN_CHECKED));
    EXPECT_EQ(1, owner.CountOf((UINT)NM_CLICK));

    const CRect rcLink = items[1]->GetHyperlinks()->GetAt(0)->m_rcHyperSpot;
    ASSERT_FALSE(rcLink.IsRectEmpty());
    report.SetFocusedRow(report.GetRows()->GetAt(1));
    Click(rcLink.CenterPoint());
    ASSERT_EQ(1, owner.CountOf((UINT)RN_HYPERLINK));
    EXPECT_EQ(0, owner.notifications.back().item.nHyperlink);
    EXPECT_EQ(items[1], owner.notifications.back().item.pItem);
    Click(CPoint(rcLink.right + 20, rcLink.CenterPoint().y));
    EXPECT_EQ(1, owner.CountOf((UINT)RN_HYPERLINK)) << "beside the link";
}

TEST_F(Mouse, DragGestureStartsAtFourPixels)
{
    const CPoint pt = RowRect(0).CenterPoint();
    report.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    report.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x + 3, pt.y));
    EXPECT_EQ(0, owner.CountOf((UINT)LVN_BEGINDRAG));
    report.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x + 4, pt.y));
    ASSERT_EQ(1, owner.CountOf((UINT)LVN_BEGINDRAG));
    EXPECT_EQ(pt.x, owner.notifications.back().item.pt.x);
    report.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x + 4, pt.y));
}

TEST_F(Mouse, PressOnASelectionKeepsItUntilRelease)
{
    report.SetFocusedRow(report.GetRows()->GetAt(0));
    report.SetFocusedRow(report.GetRows()->GetAt(2), TRUE, FALSE);
    ASSERT_EQ(3, report.GetSelectedRows()->GetCount());
    const CPoint pt(200, RowRect(1).CenterPoint().y);
    report.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(3, report.GetSelectedRows()->GetCount()) << "a drag could take them all";
    report.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(1, report.GetSelectedRows()->GetCount());
    EXPECT_EQ(1, report.m_nFocusedRow);
}

TEST_F(Mouse, TipOnlyForACutCell)
{
    // Widths that leave the caption exactly room, or one pixel less.
    CClientDC dc(&report);
    CFont* pOld = dc.SelectObject(report.GetPaintManager()->GetTextFont());
    const int nText = dc.GetTextExtent(CString(L"Tickets")).cx;
    dc.SelectObject(pOld);
    for (int nMissing : {0, 1})
    {
        report.m_wndTip.m_pItem = nullptr;
        if (report.m_wndTip.GetSafeHwnd())
            report.m_wndTip.Activate(FALSE);
        text->SetWidth(nText + 4 - nMissing);
        report.GetReportHeader()->OnColumnsChanged();
        report.UpdateWindow();
        const CRect rcCell = report.GetRows()->GetAt(0)->GetItemRect(items[0]);
        report.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcCell.left + 3, rcCell.CenterPoint().y));
        const BOOL bShown = report.m_wndTip.GetSafeHwnd() && report.m_wndTip.IsWindowVisible();
        EXPECT_EQ(nMissing == 1, bShown != FALSE) << nMissing << " pixel(s) short";
    }
}

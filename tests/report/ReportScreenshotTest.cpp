// Pictures of the report to look at: the header in each column style with
// sort triangles, a grouped report with check boxes, hyperlinks and tree
// lines, the group-by box, and a column being dragged.
#include "ReportTestSupport.h"

#include "support/Screenshot.h"
#include "toolkit/common/XTPWinThemeWrapper.h"
#include "toolkit/report/XTPReportColumn.h"
#include "toolkit/report/XTPReportColumnListBox.h"
#include "toolkit/report/XTPReportColumns.h"
#include "toolkit/report/XTPReportHeader.h"
#include "toolkit/report/XTPReportHeaderDragWnd.h"
#include "toolkit/report/XTPReportHeaderDropWnd.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/XTPReportRecord.h"
#include "toolkit/report/XTPReportInplaceControls.h"
#include "toolkit/report/XTPReportRecordItemDateTime.h"
#include "toolkit/report/XTPReportRecordItemEditOptions.h"
#include "toolkit/report/XTPReportRecordItemText.h"
#include "toolkit/report/XTPReportRecords.h"
#include "toolkit/report/XTPReportRow.h"

using namespace reporttest;

namespace {

class ReportPictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner(L"Bericht"));
        owner.ShowWindow(SW_SHOWNOACTIVATE);
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 640, 360), &owner, 3));
        watch = report.AddColumn(new CXTPReportColumn(0, L"Beobachten", 90));
        game = report.AddColumn(new CXTPReportColumn(1, L"Spiel", 200));
        city = report.AddColumn(new CXTPReportColumn(2, L"Stadt", 120));
        date = report.AddColumn(new CXTPReportColumn(3, L"Datum", 200));
        report.GetColumns()->SetTreeColumn(game);
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    CXTPReportRecord* AddMatch(LPCWSTR pszGame, LPCWSTR pszCity, int nDay, BOOL bChecked, BOOL bEditable)
    {
        CXTPReportRecord* pRecord = report.AddRecord(new CXTPReportRecord());
        FillMatch(pRecord, pszGame, pszCity, nDay, bChecked, bEditable);
        return pRecord;
    }
    void FillMatch(CXTPReportRecord* pRecord, LPCWSTR pszGame, LPCWSTR pszCity, int nDay, BOOL bChecked,
                   BOOL bEditable)
    {
        CXTPReportRecordItem* pCheck = pRecord->AddItem(new CXTPReportRecordItem());
        pCheck->HasCheckbox(TRUE);
        pCheck->SetChecked(bChecked);
        pCheck->SetEditable(bEditable);
        pRecord->AddItem(new CXTPReportRecordItemText(pszGame));
        pRecord->AddItem(new CXTPReportRecordItemText(pszCity));
        CXTPReportRecordItem* pDate =
            pRecord->AddItem(new CXTPReportRecordItemDateTime(COleDateTime(2006, 6, nDay, 18, 0, 0)));
        pDate->AddHyperlink(new CXTPReportHyperlink(0, 254));
    }
    void Shoot(LPCWSTR pszName, CRect rc = CRect(0, 0, 0, 0))
    {
        report.RedrawControl();
        report.UpdateWindow();
        testshot::Image image = testshot::CaptureWindow(report.GetSafeHwnd());
        if (!rc.IsRectEmpty())
        {
            HDC hDC = ::GetDC(report.GetSafeHwnd());
            image = testshot::CaptureDC(hDC, rc);
            ::ReleaseDC(report.GetSafeHwnd(), hDC);
        }
        EXPECT_FALSE(testshot::Save(image, pszName).empty());
    }

    COwnerWnd owner;
    CXTPReportControl report;
    CXTPReportColumn* watch = nullptr;
    CXTPReportColumn* game = nullptr;
    CXTPReportColumn* city = nullptr;
    CXTPReportColumn* date = nullptr;
};

} // namespace

TEST_F(ReportPictures, HeaderInEachColumnStyle)
{
    report.GetColumns()->SetSortColumn(game, TRUE);
    report.GetColumns()->GetSortOrder()->Add(date, FALSE);
    AddMatch(L"Deutschland - Costa Rica", L"München", 9, TRUE, TRUE);
    report.Populate();
    const struct
    {
        int style;
        LPCWSTR name;
    } styles[] = {{xtpReportColumnShaded, L"report_header_shaded.png"},
                  {xtpReportColumnFlat, L"report_header_flat.png"},
                  {xtpReportColumnThemed, L"report_header_themed.png"},
                  {xtpReportColumnGradient, L"report_header_gradient.png"}};
    CXTPWinThemeWrapper theme;
    theme.OpenThemeData(report.GetSafeHwnd(), L"HEADER");
    printf("themed header: %s\n", theme.IsThemeUsable() ? "visual style" : "plain frames");
    for (const auto& s : styles)
    {
        report.GetPaintManager()->SetColumnStyle(s.style);
        CRect rc = report.GetHeaderRect();
        rc.bottom += 2 * report.GetPaintManager()->m_nRowHeight;
        Shoot(s.name, rc);
    }
}

TEST_F(ReportPictures, GroupedReportWithCheckBoxesLinksAndTree)
{
    AddMatch(L"Deutschland - Costa Rica", L"München", 9, TRUE, TRUE);
    AddMatch(L"Polen - Ecuador", L"Gelsenkirchen", 9, FALSE, TRUE);
    CXTPReportRecord* pParent = AddMatch(L"England - Paraguay", L"Frankfurt", 10, FALSE, FALSE);
    pParent->SetExpanded(TRUE);
    for (int i = 0; i < 2; ++i)
    {
        CXTPReportRecord* pChild = new CXTPReportRecord();
        FillMatch(pChild, i ? L"Kategorie 2" : L"Kategorie 1", L"Frankfurt", 10, i == 0, FALSE);
        pParent->GetChilds()->Add(pChild);
    }
    AddMatch(L"Trinidad - Schweden", L"Dortmund", 10, TRUE, FALSE);
    report.GetColumns()->GetGroupsOrder()->Add(city);
    report.GetColumns()->SetSortColumn(date, TRUE);
    report.ShowGroupBy(TRUE);
    report.Populate();
    report.SetFocusedRow(report.GetRows()->GetAt(3));
    report.SetFocus();
    Shoot(L"report_grouped_focused.png");
    owner.SetFocus();
    report.GetPaintManager()->m_bShadeGroupHeadings = TRUE;
    Shoot(L"report_grouped_unfocused_shaded.png");
}

TEST_F(ReportPictures, GroupByBoxEmptyAndWithTwoGroups)
{
    report.ShowGroupBy(TRUE);
    AddMatch(L"Deutschland - Costa Rica", L"München", 9, TRUE, TRUE);
    report.Populate();
    CRect rc = report.GetGroupByRect();
    rc.bottom = report.GetHeaderRect().bottom;
    Shoot(L"report_groupby_empty.png", rc);
    report.GetColumns()->GetGroupsOrder()->Add(city);
    report.GetColumns()->GetGroupsOrder()->Add(date);
    report.ShowGroupBy(TRUE);
    report.Populate();
    rc = report.GetGroupByRect();
    rc.bottom = report.GetHeaderRect().bottom;
    Shoot(L"report_groupby_two.png", rc);
}

TEST_F(ReportPictures, DraggedColumnAndDropMarker)
{
    AddMatch(L"Deutschland - Costa Rica", L"München", 9, TRUE, TRUE);
    report.Populate();
    report.UpdateWindow();
    CXTPReportHeader* header = report.GetReportHeader();
    const int y = report.GetHeaderRect().CenterPoint().y;
    const CPoint from(header->ColumnRect(city).CenterPoint().x, y);
    const CPoint to(header->ColumnRect(game).left + 10, y + 30);
    report.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    report.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + 10, from.y));
    report.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, y));
    // Moves the system makes up follow the real cursor: put it there too.
    CPoint ptCursor(to.x, to.y - 25);
    report.ClientToScreen(&ptCursor);
    ::SetCursorPos(ptCursor.x, ptCursor.y);
    report.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y - 25));
    testpump::PumpUntil([&] { return header->m_pDropWnd && header->m_pDropWnd->IsWindowVisible(); });
    testpump::PumpUntilIdle();
    ASSERT_NE(nullptr, header->m_pDropWnd);
    EXPECT_TRUE(header->m_pDropWnd->IsWindowVisible());
    CRect rc(0, -20, 400, 100); // the marker reaches above the header
    report.ClientToScreen(&rc);
    HDC hScreen = ::GetDC(nullptr);
    const testshot::Image image = testshot::CaptureDC(hScreen, rc);
    ::ReleaseDC(nullptr, hScreen);
    testshot::Save(image, L"report_drag_marker.png");
    bool red = false;
    for (int x = 0; x < image.width; ++x)
        for (int yy = 0; yy < image.height; ++yy)
            red |= image.Pixel(x, yy) == RGB(255, 0, 0);
    EXPECT_TRUE(red) << "the drop marker is on screen";
    report.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y - 25));
}

namespace {

testshot::Image CaptureScreen(CWnd& wnd, CRect rc)
{
    wnd.ClientToScreen(&rc);
    HDC hScreen = ::GetDC(nullptr);
    const testshot::Image image = testshot::CaptureDC(hScreen, rc);
    ::ReleaseDC(nullptr, hScreen);
    return image;
}

} // namespace

TEST_F(ReportPictures, EditorTipColumnListAndRowDropMarker)
{
    CXTPReportRecordItemEditOptions* pOptions = city->GetEditOptions();
    for (LPCWSTR name : {L"Berlin", L"Bonn", L"Dortmund", L"Frankfurt", L"München"})
        pOptions->AddConstraint(name);
    pOptions->AddComboButton();
    pOptions->AddExpandButton();
    AddMatch(L"Deutschland - Costa Rica", L"München", 9, TRUE, TRUE);
    AddMatch(L"Polen - Ecuador mit einem sehr langen Namen", L"Gelsenkirchen", 9, FALSE, TRUE);
    report.AllowEdit(TRUE);
    report.FocusSubItems(TRUE);
    report.Populate();
    report.UpdateWindow();

    // The city cell of the first row edited, its list open.
    report.SetFocusedColumn(city);
    report.SendMessage(WM_KEYDOWN, VK_F2, 1);
    CXTPReportRecordItem* pCity = report.GetRows()->GetAt(0)->GetRecord()->GetItem(city);
    pCity->OnInplaceButtonDown(report.GetInplaceButtons()->GetAt(0));
    testpump::PumpUntilIdle();
    EXPECT_FALSE(testshot::Save(CaptureScreen(report, CRect(0, 0, 640, 200)), L"report_inplace_list.png").empty());
    report.EditItem(nullptr);
    report.SetFocus();

    // The tip over the cut game caption of the second row.
    report.RedrawControl();
    report.UpdateWindow();
    CXTPReportRow* pRow = report.GetRows()->GetAt(1);
    const CRect rcCell = pRow->GetItemRect(pRow->GetRecord()->GetItem(game));
    CPoint ptCursor(rcCell.left + 10, rcCell.CenterPoint().y);
    report.ClientToScreen(&ptCursor);
    ::SetCursorPos(ptCursor.x, ptCursor.y);
    report.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcCell.left + 10, rcCell.CenterPoint().y));
    testpump::PumpUntil([&] { return report.m_wndTip.GetSafeHwnd() && report.m_wndTip.IsWindowVisible(); });
    testpump::PumpUntilIdle();
    EXPECT_TRUE(report.m_wndTip.GetSafeHwnd() && report.m_wndTip.IsWindowVisible());
    testshot::Save(CaptureScreen(report, CRect(0, 0, 640, 120)), L"report_tip.png");
    report.m_wndTip.Activate(FALSE);

    // The column list with two hidden columns.
    CXTPReportColumnListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_HASSTRINGS | LBS_NOTIFY, CRect(0, 0, 150, 120),
                            &owner, 8));
    list.SetWindowPos(nullptr, 650, 0, 150, 120, SWP_NOZORDER);
    owner.SetWindowPos(nullptr, 0, 0, 820, 420, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    list.m_bSortAscending = TRUE;
    list.SetReport(&report);
    city->SetVisible(FALSE);
    watch->SetVisible(FALSE);
    report.Populate();
    list.UpdateWindow();
    testshot::Save(testshot::CaptureWindow(list.GetSafeHwnd()), L"report_column_list.png");
    EXPECT_EQ(2, list.GetCount());
    city->SetVisible(TRUE);
    watch->SetVisible(TRUE);
    list.DestroyWindow();

    // The drop marker between the rows.
    report.m_nDropPos = report.GetRows()->GetAt(1)->GetRect().top - 1;
    Shoot(L"report_row_drop_marker.png", CRect(0, 0, 640, 120));
    report.m_nDropPos = -1;
}

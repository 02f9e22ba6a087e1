// Pictures of the report to look at: the header in each column style with
// sort triangles, a grouped report with check boxes, hyperlinks and tree
// lines, the group-by box, and a column being dragged.
#include "ReportTestSupport.h"

#include <algorithm>

#include "framework/gdi/CClientDC.h"

#include "support/Screenshot.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"
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
#include "toolkit/report/XTPReportSelectedRows.h"

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
    testshot::Image Shoot(LPCWSTR pszName, CRect rc = CRect(0, 0, 0, 0))
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
        return image;
    }
    // Pixels of one colour in a rectangle of the image.
    static int CountColour(const testshot::Image& image, const CRect& rc, COLORREF clr)
    {
        int n = 0;
        for (int y = std::max(0L, rc.top); y < std::min((LONG)image.height, rc.bottom); ++y)
        {
            for (int x = std::max(0L, rc.left); x < std::min((LONG)image.width, rc.right); ++x)
                n += image.Pixel(x, y) == clr;
        }
        return n;
    }
    COLORREF RowPixel(const testshot::Image& image, int nRow, int x)
    {
        return image.Pixel(x, report.GetRows()->GetAt(nRow)->GetRect().CenterPoint().y);
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
    report.GetSelectedRows()->Clear(); // the shading shows on an unselected row
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
    CXTPReportPaintManager* pPaintManager = report.GetPaintManager();
    for (const auto& s : styles)
    {
        SCOPED_TRACE(s.style);
        pPaintManager->SetColumnStyle(s.style);
        CRect rc = report.GetHeaderRect();
        rc.bottom += 2 * pPaintManager->m_nRowHeight;
        const testshot::Image image = Shoot(s.name, rc);

        // The sort triangle after the caption of each sorted column, in
        // the shadow colour; none after an unsorted caption.
        CClientDC dc(&report);
        CFont* pOldFont = dc.SelectObject(pPaintManager->GetCaptionFont());
        auto triangleArea = [&](CXTPReportColumn* pColumn) {
            const CRect rcColumn = report.GetReportHeader()->ColumnRect(pColumn);
            const int nCaption = dc.GetTextExtent(pColumn->GetCaption()).cx;
            return CRect(rcColumn.left + nCaption + 6, rcColumn.top + 3 - rc.top, rcColumn.right - 4,
                         rcColumn.bottom - 5 - rc.top);
        };
        EXPECT_GE(CountColour(image, triangleArea(game), pPaintManager->m_clrControlDark), 4) << "increasing";
        EXPECT_GE(CountColour(image, triangleArea(date), pPaintManager->m_clrControlDark), 4) << "decreasing";
        EXPECT_EQ(0, CountColour(image, triangleArea(city), pPaintManager->m_clrControlDark)) << "not sorted";
        dc.SelectObject(pOldFont);

        // The sorted columns' cells are shaded, the others are not.
        const int y = report.GetRows()->GetAt(0)->GetRect().CenterPoint().y - rc.top;
        EXPECT_EQ((COLORREF)pPaintManager->m_clrItemShade,
                  image.Pixel(report.GetReportHeader()->ColumnRect(game).right - 8, y));
        EXPECT_EQ(pPaintManager->GetControlBackColor(&report),
                  image.Pixel(report.GetReportHeader()->ColumnRect(city).right - 8, y));
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
    CXTPReportPaintManager* pPaintManager = report.GetPaintManager();
    const COLORREF clrBack = pPaintManager->GetControlBackColor(&report);
    const int x = city->GetRect().right - 8; // right of the captions, in an unsorted column
    ASSERT_TRUE(report.GetRows()->GetAt(0)->IsGroupRow());
    ASSERT_FALSE(report.GetRows()->GetAt(1)->IsGroupRow());
    const testshot::Image focused = Shoot(L"report_grouped_focused.png");
    EXPECT_EQ((COLORREF)pPaintManager->m_clrHighlight, RowPixel(focused, 3, x)) << "the focused row's selection";
    EXPECT_EQ(clrBack, RowPixel(focused, 0, x)) << "a plain group row";
    EXPECT_EQ(clrBack, RowPixel(focused, 1, x));
    // The child rows' tree lines run left of their captions.
    const CRect rcChild = report.GetRows()->GetAt(4)->GetRect();
    EXPECT_GT(CountColour(focused, CRect(game->GetRect().left, rcChild.top, game->GetRect().left + 40, rcChild.bottom),
                          RGB(0, 0, 0)),
              3);

    owner.SetFocus();
    pPaintManager->m_bShadeGroupHeadings = TRUE;
    const testshot::Image shaded = Shoot(L"report_grouped_unfocused_shaded.png");
    EXPECT_EQ((COLORREF)pPaintManager->m_clrGroupShadeBack, RowPixel(shaded, 0, x)) << "shaded group row";
    EXPECT_EQ(clrBack, RowPixel(shaded, 1, x)) << "a record row stays plain";
    EXPECT_NE((COLORREF)pPaintManager->m_clrHighlight, RowPixel(shaded, 3, x)) << "no focus, no highlight";
}

TEST_F(ReportPictures, GroupByBoxEmptyAndWithTwoGroups)
{
    report.ShowGroupBy(TRUE);
    AddMatch(L"Deutschland - Costa Rica", L"München", 9, TRUE, TRUE);
    report.Populate();
    CXTPReportPaintManager* pPaintManager = report.GetPaintManager();
    CRect rc = report.GetGroupByRect();
    rc.bottom = report.GetHeaderRect().bottom;
    const testshot::Image empty = Shoot(L"report_groupby_empty.png", rc);
    EXPECT_EQ((COLORREF)pPaintManager->m_clrGroupBoxBack, empty.Pixel(rc.Width() - 3, 3)) << "the box";
    EXPECT_EQ((COLORREF)pPaintManager->m_clrHeaderControl, empty.Pixel(11, 9)) << "the hint's item";
    EXPECT_GT(CountColour(empty, CRect(9, 7, 200, 7 + pPaintManager->GetFixedHeaderHeight() - 3),
                          ::GetSysColor(COLOR_BTNSHADOW)),
              20)
        << "the hint's text";

    report.GetColumns()->GetGroupsOrder()->Add(city);
    report.GetColumns()->GetGroupsOrder()->Add(date);
    report.ShowGroupBy(TRUE);
    report.Populate();
    rc = report.GetGroupByRect();
    rc.bottom = report.GetHeaderRect().bottom;
    const testshot::Image two = Shoot(L"report_groupby_two.png", rc);
    // Items step down and right like stairs, joined by a black line.
    const CRect rcCity = city->m_rcGroupBy, rcDate = date->m_rcGroupBy;
    EXPECT_EQ(CPoint(9, 7), rcCity.TopLeft());
    EXPECT_EQ(rcCity.right + 5, rcDate.left);
    EXPECT_EQ(rcCity.top + (pPaintManager->GetFixedHeaderHeight() - 3) / 2, rcDate.top);
    EXPECT_EQ(RGB(0, 0, 0), two.Pixel(rcCity.right - 5, rcCity.bottom + 2)) << "the connector";
    EXPECT_EQ((COLORREF)pPaintManager->m_clrHeaderControl, two.Pixel(rcCity.right - 8, rcCity.CenterPoint().y));
    EXPECT_EQ((COLORREF)pPaintManager->m_clrGroupBoxBack, two.Pixel(rcDate.right + 20, rcDate.CenterPoint().y));
    EXPECT_EQ(report.GetGroupByRect().bottom, report.GetHeaderRect().top) << "the header follows the box";
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

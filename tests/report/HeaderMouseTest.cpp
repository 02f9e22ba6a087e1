// The header driven by real mouse messages: drag threshold, dividers,
// sorting clicks, removing, grouping, reordering past a hidden column,
// the notifications of each change and best fit.
#include "ReportTestSupport.h"

#include <algorithm>

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/XTPReportPaintManager.h"

using namespace reporttest;

namespace {

class HeaderMouse : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 300), &owner, 9));
        for (int i = 0; i < 3; ++i)
            columns[i] = report.AddColumn(new CXTPReportColumn(i, kCaptions[i], 100 * (i + 1)));
        header = report.GetReportHeader();
        y = report.GetHeaderRect().CenterPoint().y;
        owner.notifications.clear();
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    void Down(CPoint pt, UINT flags = 0) { report.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | flags, MAKELPARAM(pt.x, pt.y)); }
    void Move(CPoint pt, UINT flags = MK_LBUTTON) { report.SendMessage(WM_MOUSEMOVE, flags, MAKELPARAM(pt.x, pt.y)); }
    void Up(CPoint pt, UINT flags = 0) { report.SendMessage(WM_LBUTTONUP, flags, MAKELPARAM(pt.x, pt.y)); }
    void Drag(CPoint from, CPoint to, UINT flags = 0)
    {
        Down(from, flags);
        Move(CPoint(from.x + 10, from.y), MK_LBUTTON | flags);
        Move(to, MK_LBUTTON | flags);
        Up(to, flags);
    }
    void Click(CPoint pt, UINT flags = 0)
    {
        Down(pt, flags);
        Up(pt, flags);
    }
    CPoint Centre(int i) { return CPoint(header->ColumnRect(columns[i]).CenterPoint().x, y); }
    std::vector<int> VisibleOrder()
    {
        std::vector<int> order;
        for (int i = 0; i < report.GetColumns()->GetVisibleColumnsCount(); ++i)
            order.push_back(report.GetColumns()->GetVisibleAt(i)->GetItemIndex());
        return order;
    }

    static constexpr const wchar_t* kCaptions[3] = {L"Datum", L"Stadt", L"Kategorie"};
    COwnerWnd owner;
    CXTPReportControl report;
    CXTPReportColumn* columns[3] = {};
    CXTPReportHeader* header = nullptr;
    int y = 0;
};

} // namespace

TEST_F(HeaderMouse, DragStartsAtFourPixels)
{
    Down(Centre(0));
    EXPECT_EQ(xtpReportMouseColumnPressed, report.GetMouseMode());
    Move(CPoint(Centre(0).x + 2, y + 1));
    EXPECT_EQ(xtpReportMouseColumnPressed, report.GetMouseMode()) << "3 pixels";
    Move(CPoint(Centre(0).x + 2, y + 2));
    EXPECT_EQ(xtpReportMouseColumnDragging, report.GetMouseMode()) << "4 pixels";
    Up(Centre(0));
    EXPECT_EQ(xtpReportMouseIdle, report.GetMouseMode());
    EXPECT_EQ((std::vector<int>{0, 1, 2}), VisibleOrder()) << "dropped where it was";
}

TEST_F(HeaderMouse, DividersWithinThreePixels)
{
    const int edge = header->ColumnRect(columns[0]).right;
    struct DividerCase
    {
        int dx;
        bool hit;
    };
    for (DividerCase c : {DividerCase{-3, true}, {3, true}, {0, true}, {4, false}, {-4, false}})
    {
        Move(CPoint(20, y), 0);
        Move(CPoint(edge + c.dx, y), 0);
        EXPECT_EQ(c.hit ? xtpReportMouseOverDivider : xtpReportMouseIdle, report.GetMouseMode()) << c.dx;
    }
    const int last = header->ColumnRect(columns[2]).right - 1;
    Move(CPoint(last, y), 0);
    EXPECT_EQ(xtpReportMouseIdle, report.GetMouseMode()) << "auto sizing: the last column has no divider";
    header->SetAutoColumnSizing(FALSE);
    Move(CPoint(20, y), 0);
    Move(CPoint(header->ColumnRect(columns[2]).right - 1, y), 0);
    EXPECT_EQ(xtpReportMouseOverDivider, report.GetMouseMode());
}

TEST_F(HeaderMouse, ClicksSortAndNotify)
{
    CXTPReportColumnOrder* pSort = report.GetColumns()->GetSortOrder();
    Click(Centre(1));
    ASSERT_EQ(1, pSort->GetCount());
    EXPECT_EQ(columns[1], pSort->GetAt(0));
    std::vector<UINT> codes = owner.Codes();
    codes.erase(std::remove(codes.begin(), codes.end(), (UINT)RN_COLUMNWIDTHS), codes.end());
    EXPECT_EQ((std::vector<UINT>{(UINT)NM_CLICK, (UINT)RN_SORTCHANGING, (UINT)RN_SORTCHANGED}), codes);

    Click(Centre(2), MK_SHIFT);
    EXPECT_EQ(2, pSort->GetCount()) << "Shift adds a sort column";
    Click(Centre(2));
    ASSERT_EQ(1, pSort->GetCount());
    EXPECT_EQ(columns[2], pSort->GetAt(0));
    EXPECT_FALSE(columns[2]->IsSortedIncreasing()) << "it was listed: a plain click makes it the only one, flipped";
    Click(Centre(2));
    EXPECT_TRUE(columns[2]->IsSortedIncreasing());
    EXPECT_EQ(4, owner.CountOf((UINT)RN_SORTCHANGED));

    header->AllowColumnSort(FALSE);
    Click(Centre(0));
    EXPECT_EQ(columns[2], pSort->GetAt(0));
}

TEST_F(HeaderMouse, DraggingOffTheHeaderRemoves)
{
    header->AllowColumnRemove(FALSE);
    Drag(Centre(2), CPoint(Centre(2).x, 200));
    EXPECT_TRUE(columns[2]->IsVisible()) << "removing not allowed";
    header->AllowColumnRemove(TRUE);
    owner.notifications.clear();
    Drag(Centre(2), CPoint(Centre(2).x, 200));
    EXPECT_FALSE(columns[2]->IsVisible());
    EXPECT_GE(owner.CountOf((UINT)RN_COLUMNWIDTHS), 1);
    EXPECT_EQ(1, owner.CountOf((UINT)RN_COLUMNSCHANGED));
}

TEST_F(HeaderMouse, GroupingByDraggingIntoTheBox)
{
    report.ShowGroupBy(TRUE);
    y = report.GetHeaderRect().CenterPoint().y;
    const CRect rcBox = report.GetGroupByRect();
    Drag(Centre(0), CPoint(rcBox.left + 30, rcBox.top + 10), MK_CONTROL);
    CXTPReportColumnOrder* pGroups = report.GetColumns()->GetGroupsOrder();
    ASSERT_EQ(1, pGroups->GetCount());
    EXPECT_EQ(columns[0], pGroups->GetAt(0));
    EXPECT_TRUE(columns[0]->IsVisible()) << "Ctrl keeps the column in the header";

    owner.ShowWindow(SW_SHOWNOACTIVATE);
    report.UpdateWindow(); // the box draws its items, which the mouse then finds
    const CRect rcItem = columns[0]->m_rcGroupBy;
    ASSERT_FALSE(rcItem.IsRectEmpty());
    Drag(rcItem.CenterPoint(), CPoint(300, 250));
    EXPECT_EQ(0, pGroups->GetCount()) << "dragged out of the box: ungrouped";

    Drag(Centre(1), CPoint(rcBox.left + 30, rcBox.top + 10));
    EXPECT_EQ(1, pGroups->GetCount());
    EXPECT_FALSE(columns[1]->IsVisible()) << "without Ctrl the grouped column leaves the header";
}

TEST_F(HeaderMouse, ReorderPastAHiddenColumnLandsAtTheMarker)
{
    columns[1]->SetVisible(FALSE);
    ASSERT_EQ((std::vector<int>{0, 2}), VisibleOrder());
    // Right of the last visible column's middle: after it.
    Drag(Centre(0), CPoint(header->ColumnRect(columns[2]).right - 5, y));
    EXPECT_EQ((std::vector<int>{2, 0}), VisibleOrder());
    Drag(Centre(0), CPoint(header->ColumnRect(columns[2]).left + 5, y));
    EXPECT_EQ((std::vector<int>{0, 2}), VisibleOrder());
}

// The release of a column's drag went elsewhere: the next press ends the
// drag where the mouse last was and is a press of its own, whose click sorts.
TEST_F(HeaderMouse, APressAfterALostReleaseEndsTheDragAndIsAClick)
{
    CXTPReportColumnOrder* pSort = report.GetColumns()->GetSortOrder();
    ASSERT_EQ(0, pSort->GetCount());
    Down(Centre(0));
    Move(CPoint(Centre(0).x + 10, y));
    Move(CPoint(header->ColumnRect(columns[2]).right - 5, y));
    ASSERT_EQ(xtpReportMouseColumnDragging, report.GetMouseMode());
    // No release: the next click, near the header's left end, where the
    // column now first lies once the drag has ended.
    Click(CPoint(50, y));
    EXPECT_EQ((std::vector<int>{1, 2, 0}), VisibleOrder()) << "dropped where the mouse last was";
    ASSERT_EQ(1, pSort->GetCount()) << "the click did not sort";
    EXPECT_EQ(columns[1], pSort->GetAt(0));
    EXPECT_EQ(xtpReportMouseIdle, report.GetMouseMode());
}

// A column pressed and not released: the next press takes it as a click.
TEST_F(HeaderMouse, APressAfterALostReleaseOfAClickSortsBoth)
{
    CXTPReportColumnOrder* pSort = report.GetColumns()->GetSortOrder();
    Down(Centre(0));
    Click(Centre(2), MK_SHIFT);
    ASSERT_EQ(2, pSort->GetCount());
    EXPECT_EQ(columns[0], pSort->GetAt(0));
    EXPECT_EQ(columns[2], pSort->GetAt(1));
}

TEST_F(HeaderMouse, RightClickAndBestFit)
{
    CPoint ptScreen = Centre(1);
    report.ClientToScreen(&ptScreen);
    report.SendMessage(WM_CONTEXTMENU, (WPARAM)report.GetSafeHwnd(), MAKELPARAM(ptScreen.x, ptScreen.y));
    ASSERT_EQ(1, owner.CountOf((UINT)RN_HEADERRCLICK));
    const Notification& rclick = owner.notifications.back();
    EXPECT_EQ((UINT)RN_HEADERRCLICK, rclick.code);
    EXPECT_EQ(columns[1], rclick.item.pColumn);
    EXPECT_EQ(ptScreen.x, rclick.item.pt.x);

    columns[0]->m_nMaxItemWidth = 150;
    const int edge = header->ColumnRect(columns[0]).right;
    Move(CPoint(edge, y), 0);
    report.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(edge, y));
    EXPECT_EQ(150, header->ColumnRect(columns[0]).Width());
    EXPECT_EQ(600, header->ColumnRect(columns[2]).right) << "the others absorbed the change";
}

// Keys and characters by real messages: moving the focus, extending the
// selection, the tree keys, cancelled keys, the keyboard context menu and
// the navigator's paging and cell moves.
#include "ReportTestSupport.h"

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/rows/XTPReportNavigator.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemText.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

using namespace reporttest;

namespace {

class Keyboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateOwner());
        const int rowHeight = report.GetPaintManager()->GetFixedRowHeight(nullptr, nullptr);
        ASSERT_TRUE(report.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, report.GetPaintManager()->GetFixedHeaderHeight() + 5 * rowHeight), &owner, 5));
        report.AddColumn(new CXTPReportColumn(0, L"A", 100));
        report.AddColumn(new CXTPReportColumn(1, L"B", 100));
    }
    void TearDown() override
    {
        report.DestroyWindow();
        owner.DestroyWindow();
    }
    CXTPReportRecord* Add(LPCWSTR a, CXTPReportRecords* pOwner = nullptr)
    {
        CXTPReportRecord* pRecord = new CXTPReportRecord();
        pRecord->AddItem(new CXTPReportRecordItemText(a));
        pRecord->AddItem(new CXTPReportRecordItemText(L"b"));
        return pOwner ? pOwner->Add(pRecord) : report.AddRecord(pRecord);
    }
    void Key(UINT vk, std::initializer_list<BYTE> held = {})
    {
        BYTE state[256] = {};
        for (BYTE h : held)
            state[h] = 0x80;
        ::SetKeyboardState(state);
        report.SendMessage(WM_KEYDOWN, vk, 1);
        BYTE clear[256] = {};
        ::SetKeyboardState(clear);
    }
    int Focused() { return report.m_nFocusedRow; }

    COwnerWnd owner;
    CXTPReportControl report;
};

} // namespace

TEST_F(Keyboard, ArrowsPagesAndEnds)
{
    for (int i = 0; i < 20; ++i)
        Add(L"x");
    report.Populate();
    owner.notifications.clear();
    struct KeyCase
    {
        UINT vk;
        int from, to;
    };
    const KeyCase cases[] = {{VK_DOWN, 0, 1}, {VK_UP, 0, 0}, {VK_NEXT, 0, 5}, {VK_NEXT, 17, 19}, {VK_PRIOR, 2, 0},
                             {VK_END, 3, 19}, {VK_HOME, 9, 0}, {VK_RIGHT, 4, 5}, {VK_LEFT, 4, 3}};
    for (const KeyCase& c : cases)
    {
        report.SetFocusedRow(report.GetRows()->GetAt(c.from));
        Key(c.vk);
        EXPECT_EQ(c.to, Focused()) << "key " << c.vk << " from " << c.from;
        EXPECT_EQ(1, report.GetSelectedRows()->GetCount());
    }
    EXPECT_EQ((int)(sizeof(cases) / sizeof(cases[0])), owner.CountOf((UINT)NM_KEYDOWN));

    report.SetFocusedRow(report.GetRows()->GetAt(4));
    Key(VK_DOWN, {VK_SHIFT});
    Key(VK_DOWN, {VK_SHIFT});
    EXPECT_EQ(3, report.GetSelectedRows()->GetCount());
    Key(VK_DOWN, {VK_CONTROL});
    EXPECT_EQ(7, Focused());
    EXPECT_EQ(3, report.GetSelectedRows()->GetCount()) << "Ctrl moves the focus only";
}

TEST_F(Keyboard, TreeKeysAndParents)
{
    CXTPReportRecord* pParent = Add(L"p");
    Add(L"c1", pParent->GetChilds());
    Add(L"c2", pParent->GetChilds());
    Add(L"q");
    report.Populate();
    ASSERT_EQ(2, report.GetRows()->GetCount()) << "records start collapsed";
    Key(VK_ADD);
    EXPECT_EQ(4, report.GetRows()->GetCount());
    report.SetFocusedRow(report.GetRows()->GetAt(2));
    Key(VK_LEFT);
    EXPECT_EQ(0, Focused()) << "Left goes to the parent";
    report.SetFocusedRow(report.GetRows()->GetAt(2));
    Key(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(1, Focused()) << "Shift+Left moves up";
    Key(VK_SUBTRACT, {VK_CONTROL});
    EXPECT_EQ(2, report.GetRows()->GetCount());
    Key(VK_RIGHT);
    EXPECT_EQ(4, report.GetRows()->GetCount()) << "Right expands the focused row";
    Key(VK_RETURN);
    EXPECT_EQ(2, report.GetRows()->GetCount());
}

TEST_F(Keyboard, CancelledKeysAndEmptyControl)
{
    owner.notifications.clear();
    Key(VK_DOWN);
    EXPECT_EQ(1, owner.CountOf((UINT)NM_KEYDOWN)) << "an empty control still reports the key";

    Add(L"x");
    Add(L"y");
    report.Populate();
    // The owner cancels every key in the preview.
    class CCanceller : public COwnerWnd
    {
    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == (UINT)RN_PREVIEWKEYDOWN)
                ((XTP_REPORTNOTIFY_KEY*)lParam)->bCancel = TRUE;
            return COwnerWnd::WindowProc(message, wParam, lParam);
        }
    } canceller;
    ASSERT_TRUE(canceller.CreateOwner(L"Canceller"));
    report.SetOwner(&canceller);
    Key(VK_DOWN);
    EXPECT_EQ(0, Focused());
    EXPECT_EQ(0, canceller.CountOf((UINT)NM_KEYDOWN));
    report.SetOwner(nullptr);
    canceller.DestroyWindow();
}

TEST_F(Keyboard, KeyboardContextMenu)
{
    report.SendMessage(WM_CONTEXTMENU, (WPARAM)report.GetSafeHwnd(), MAKELPARAM(-1, -1));
    ASSERT_EQ(1, owner.CountOf((UINT)NM_RCLICK));
    CPoint corner(report.GetReportRectangle().left, report.GetReportRectangle().top);
    report.ClientToScreen(&corner);
    EXPECT_EQ(corner, CPoint(owner.notifications.back().item.pt));
    EXPECT_EQ(nullptr, owner.notifications.back().item.pRow);

    Add(L"x");
    report.Populate();
    report.SendMessage(WM_CONTEXTMENU, (WPARAM)report.GetSafeHwnd(), MAKELPARAM(-1, -1));
    EXPECT_EQ(report.GetFocusedRow(), owner.notifications.back().item.pRow);
}

TEST_F(Keyboard, TabMovesThroughCellsAndRows)
{
    Add(L"x");
    Add(L"y");
    report.FocusSubItems(TRUE);
    report.Populate();
    CXTPReportColumns* pColumns = report.GetColumns();
    EXPECT_EQ(pColumns->GetAt(0), report.GetFocusedColumn());
    report.SendMessage(WM_CHAR, VK_TAB, 1);
    EXPECT_EQ(pColumns->GetAt(1), report.GetFocusedColumn());
    report.SendMessage(WM_CHAR, VK_TAB, 1);
    EXPECT_EQ(1, Focused()) << "past the last cell: the next row's first cell";
    EXPECT_EQ(pColumns->GetAt(0), report.GetFocusedColumn());
    report.SendMessage(WM_CHAR, VK_TAB, 1);
    report.SendMessage(WM_CHAR, VK_TAB, 1);
    EXPECT_EQ(1, Focused()) << "the last cell of the last row stays";
    EXPECT_EQ(pColumns->GetAt(1), report.GetFocusedColumn());

    // Left and Right stay in the row: at its first cell Left moves up.
    Key(VK_LEFT);
    EXPECT_EQ(pColumns->GetAt(0), report.GetFocusedColumn());
    EXPECT_EQ(1, Focused());
    Key(VK_LEFT);
    EXPECT_EQ(0, Focused());
}

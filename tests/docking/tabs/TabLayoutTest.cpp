// Layout of tab strips: shrinking, balanced and greedy rows, scrolling back,
// margins turned with the strip, strip thickness, fixed and compressed
// layouts, and captions shortened in the middle.
#include <gtest/gtest.h>
#include <vector>
#include "TabTestHost.h"
#include "support/Screenshot.h"
#include "framework/text/CStringA.h"
#include "toolkit/tabs/XTPMoveRectToPoint.h"

namespace {

std::vector<int> Shrunk(std::vector<int> lengths, int room)
{
    XTPTabShrinkToFit(lengths.data(), static_cast<int>(lengths.size()), room);
    return lengths;
}

} // namespace

TEST(TabLayout, ShrinkingShortensTheLongestFirst)
{
    struct Case
    {
        std::vector<int> lengths;
        int room;
        std::vector<int> expected;
    } cases[] = {
        {{100, 80, 40}, 180, {70, 70, 40}},   // 100 -> 80 costs 20, then both 80 -> 70
        {{50, 50, 50}, 100, {33, 33, 33}},    // equal tabs share the room
        {{40, 100, 80}, 180, {40, 70, 70}},   // order of the strip kept
        {{100, 80, 40}, 300, {100, 80, 40}},  // fits: unchanged
        {{500}, 120, {120}},                  // a single tab takes the room
        {{90, 90, 30}, 150, {60, 60, 30}},    // the equal longest go down together
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Shrunk(c.lengths, c.room)) << "room " << c.room;
}

TEST(TabLayout, RowsAreBalancedUnlessJustifyIsOff)
{
    const int five[] = {100, 100, 100, 100, 100};
    int first[3] = {};
    ASSERT_TRUE(XTPTabFillRows(five, 5, 2, 391, TRUE, first));
    EXPECT_EQ(0, first[0]);
    EXPECT_EQ(2, first[1]) << "balanced: two tabs, then three";
    ASSERT_TRUE(XTPTabFillRows(five, 5, 2, 391, FALSE, first));
    EXPECT_EQ(3, first[1]) << "greedy: the first row as full as the room allows";

    // Many tabs of mixed lengths: failed tries are remembered, so this ends.
    std::vector<int> many;
    for (int i = 0; i < 500; i++)
        many.push_back(40 + (i * 37) % 121);
    int total = 0, running = 0, rows = 1;
    for (int length : many)
    {
        if (running + length > 1000 && running)
            rows++, running = 0;
        running += length;
        total += length;
    }
    std::vector<int> starts(rows + 1);
    ASSERT_TRUE(XTPTabFillRows(many.data(), 500, rows, 1000, TRUE, starts.data()) ||
                XTPTabFillRows(many.data(), 500, rows, 1000, FALSE, starts.data()));
    for (int r = 0; r < rows; r++)
    {
        int length = 0;
        for (int i = starts[r]; i < starts[r + 1]; i++)
            length += many[i];
        EXPECT_LE(length, 1000) << "row " << r;
    }
    EXPECT_EQ(500, starts[rows]);
}

TEST(TabLayout, MultiRowStripPutsTheSelectedRowNextToTheClient)
{
    for (BOOL keepOrder : {FALSE, TRUE})
    {
        CTabTestHost host;
        host.UseFixedLengths();
        host.GetPaintManager()->m_bKeepRowOrder = keepOrder;
        host.GetPaintManager()->SetLayout(xtpTabLayoutMultiRow);
        host.AddTabs({100, 100, 100, 100, 100});
        host.SetCurSel(4);
        ASSERT_EQ(2, host.GetRowIndexer()->GetRowCount());

        // Top strip: the row next to the client is the lower one.
        BOOL selectedRowLower = host.ItemRect(4).top > host.ItemRect(0).top;
        EXPECT_EQ(!keepOrder, selectedRowLower) << "keep row order " << keepOrder;
        EXPECT_EQ(keepOrder ? 1 : 0, host.GetItem(4)->GetItemRow());

        // Justified rows reach the same end.
        CRect header = host.GetHeaderRect();
        EXPECT_EQ(host.ItemRect(1).right, host.ItemRect(4).right);
        EXPECT_EQ(header.left + 2 + 391, host.ItemRect(4).right);
    }

    CTabTestHost greedy;
    greedy.UseFixedLengths();
    greedy.GetPaintManager()->m_bJustifyRows = FALSE;
    greedy.GetPaintManager()->SetLayout(xtpTabLayoutMultiRow);
    greedy.AddTabs({100, 100, 100, 100, 100});
    EXPECT_EQ(greedy.ItemRect(0).top, greedy.ItemRect(2).top) << "three in the first row";
    EXPECT_EQ(100, greedy.ItemRect(2).Width()) << "not stretched";
}

TEST(TabLayout, StripThicknessAndRowsOfThePropertyPageSet)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({100, 100});
    int h = host.GetPaintManager()->GetAppearanceSet()->GetButtonHeight(&host);
    EXPECT_EQ(3 + h, host.GetHeaderRect().Height());
    EXPECT_EQ(3 + h - 1 + 2, host.GetClientRect().top) << "client overlaps the strip by one, then the frame";

    host.GetPaintManager()->SetLayout(xtpTabLayoutMultiRow);
    host.AddTabs({250});
    ASSERT_EQ(2, host.GetRowIndexer()->GetRowCount());
    EXPECT_EQ(3 + 2 * h - 2, host.GetHeaderRect().Height());
}

TEST(TabLayout, WidenedScrolledStripIsPulledBack)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({100, 100, 100, 100, 100});
    host.SetScrollOffset(-1000);
    EXPECT_EQ(host.GetHeaderRect().right - 6, host.ItemRect(4).right) << "last tab ends at the room's end";
    EXPECT_LT(host.GetScrollOffset(), 0);

    host.m_rcLayout.right = 1000;
    host.Reposition();
    EXPECT_EQ(0, host.GetScrollOffset());
    EXPECT_EQ(host.GetHeaderRect().left + 2, host.ItemRect(0).left);
}

TEST(TabLayout, MarginsTurnWithTheStrip)
{
    // Header margins (2, 3, 6, 0): 3 at the outer edge, 2 before the first tab.
    struct Case
    {
        int position;
        int outerGap;  // from the control's outer edge to the tab
        int startGap;  // from the header's start to the first tab
    } cases[] = {{xtpTabPositionTop, 3, 2}, {xtpTabPositionLeft, 3, 2}, {xtpTabPositionBottom, 3, 2},
                 {xtpTabPositionRight, 3, 2}};
    for (const Case& c : cases)
    {
        CTabTestHost host;
        host.UseFixedLengths();
        host.GetPaintManager()->SetPosition(c.position);
        host.AddTabs({60, 60});
        CRect tab = host.ItemRect(0), header = host.GetHeaderRect(), control = host.m_rcLayout;
        int outer = c.position == xtpTabPositionTop      ? tab.top - control.top
                    : c.position == xtpTabPositionLeft   ? tab.left - control.left
                    : c.position == xtpTabPositionBottom ? control.bottom - tab.bottom
                                                         : control.right - tab.right;
        int start = host.IsHorizontal() ? tab.left - header.left : tab.top - header.top;
        EXPECT_EQ(c.outerGap, outer) << "position " << c.position;
        EXPECT_EQ(c.startGap, start) << "position " << c.position;
        EXPECT_EQ(60, host.IsHorizontal() ? tab.Width() : tab.Height());

        // The client lies on the far side of the strip.
        CRect client = host.GetClientRect();
        CRect overlap;
        EXPECT_FALSE(overlap.IntersectRect(client, tab)) << "position " << c.position;
    }
}

TEST(TabLayout, FixedAndCompressedLayouts)
{
    CTabTestHost host;
    CXTPTabPaintManager* paint = host.GetPaintManager();
    paint->m_rcButtonMargin.SetRect(5, 0, 5, 0);
    paint->SetLayout(xtpTabLayoutFixed);
    host.m_szItemMax.cx = 50;
    host.AddTabs({0, 0, 0});
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(50, host.ItemRect(i).Width()) << "fixed 70 plus margins, lowered to the maximum";

    CTabTestHost compressed;
    compressed.GetPaintManager()->SetLayout(xtpTabLayoutCompressed);
    compressed.AddTabs({0, 0, 0});
    compressed.GetItem(1)->SetCaption(L"A much longer caption");
    int selectedLength = -1;
    for (int i = 0; i < 3; i++)
    {
        compressed.SetCurSel(i);
        int length = compressed.ItemRect(i).Width();
        if (selectedLength >= 0)
        {
            EXPECT_EQ(selectedLength, length) << "selected " << i;
        }
        selectedLength = length;
        EXPECT_EQ(8, compressed.ItemRect((i + 1) % 3).Width()) << "unselected: no caption, no icon";
    }
}

TEST(TabLayout, CaptionsShortenedInTheMiddle)
{
    CTabTestHost host;
    CDC& dc = host.m_dc;
    HGDIOBJ old = dc.SelectObject(host.GetPaintManager()->m_fntNormal.GetSafeHandle());
    const CString text(L"abcdefghijklmnopqrstuvwxyz0123456789");
    int full = dc.GetTextExtent(text).cx;
    for (int width : {full / 2, full / 3, full - 4})
    {
        CString shown = CXTPTabPaintManager::ShortenInMiddle(&dc, text, width, DT_NOPREFIX);
        int dots = shown.Find(L"...");
        ASSERT_GE(dots, 0) << width;
        int front = dots, back = shown.GetLength() - dots - 3;
        EXPECT_TRUE(front == back || front == back + 1) << CStringA(shown).GetString();
        EXPECT_EQ(text.Left(front), shown.Left(front));
        EXPECT_EQ(text.Right(back), shown.Right(back));
        EXPECT_LE(dc.GetTextExtent(shown).cx, width);
    }
    EXPECT_EQ(text, CXTPTabPaintManager::ShortenInMiddle(&dc, text, full, DT_NOPREFIX));
    EXPECT_EQ(CString(L"..."), CXTPTabPaintManager::ShortenInMiddle(&dc, text, 3, DT_NOPREFIX));
    dc.SelectObject(old);

    // A path goes to the system's own path ellipsis: same pixels.
    const CString path(L"C:\\Programme\\Tavrolin\\Daten\\statistic.log");
    testshot::Image images[2];
    for (int pass = 0; pass < 2; pass++)
    {
        CDC mem;
        mem.Attach(::CreateCompatibleDC(nullptr));
        BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), 120, -20, 1, 32, BI_RGB}};
        void* bits = nullptr;
        HBITMAP bmp = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ oldBmp = mem.SelectObject(bmp);
        mem.FillSolidRect(0, 0, 120, 20, RGB(255, 255, 255));
        CRect rc(0, 0, 120, 20);
        if (pass == 0)
            CXTPTabPaintManager::DrawTextPathEllipsis(&mem, path, rc, DT_SINGLELINE | DT_NOPREFIX);
        else
            mem.DrawText(path, rc, DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
        images[pass] = testshot::CaptureDC(mem, rc);
        mem.SelectObject(oldBmp);
        ::DeleteObject(bmp);
        ::DeleteDC(mem.Detach());
    }
    EXPECT_EQ(images[0].bgra, images[1].bgra);
}

TEST(TabLayout, MoveRectToPointTakesTheSmallestStep)
{
    struct Case
    {
        POINT pt;
        RECT expected;
    } cases[] = {
        {{15, 15}, {10, 10, 20, 20}},   // inside: unmoved
        {{5, 15}, {5, 10, 15, 20}},     // left of it
        {{25, 30}, {16, 21, 26, 31}},   // beyond the exclusive corner
        {{20, 9}, {11, 9, 21, 19}},
    };
    for (const Case& c : cases)
    {
        RECT rc = {10, 10, 20, 20};
        XTPMoveRectToPoint(rc, c.pt);
        EXPECT_TRUE(::EqualRect(&rc, &c.expected)) << c.pt.x << "," << c.pt.y;
    }
}

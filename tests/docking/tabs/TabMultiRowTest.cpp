// Rows of the multi-row layout at their boundaries: tabs that fill the
// strip's room to the last pixel, one pixel more, and the extra length that
// single-row layouts add (rows are counted without it).
#include <gtest/gtest.h>
#include <vector>
#include "TabTestHost.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

TEST(TabMultiRow, RowsAtTheExactRoomAndWithExtraLength)
{
    // The host's strip is 400 wide: less the far end pixel and the header
    // margins 2 and 6, the tabs have 391 pixels.
    struct Case
    {
        const char* what;
        std::vector<int> lengths;
        BOOL justify;
        int extra;
        int rows;
        int lastRight;  // right edge of the last tab, 0 when not checked
    } cases[] = {
        {"fills the room exactly", {130, 130, 131}, TRUE, 0, 1, 2 + 391},
        {"fills it exactly, greedy", {130, 130, 131}, FALSE, 0, 1, 2 + 391},
        {"one tab as long as the room", {391}, TRUE, 0, 1, 2 + 391},
        {"one pixel over", {130, 130, 132}, TRUE, 0, 2, 2 + 391},
        {"one pixel over, greedy", {130, 130, 132}, FALSE, 0, 2, 0},
        {"one tab one pixel over", {392}, TRUE, 0, 1, 0},
        {"six of 125", {125, 125, 125, 125, 125, 125}, FALSE, 0, 2, 2 + 3 * 125},
        {"six of 125, extra length 10", {125, 125, 125, 125, 125, 125}, FALSE, 10, 2, 2 + 3 * 125},
        {"exact room, extra length 10", {130, 130, 131}, TRUE, 10, 1, 2 + 391},
    };
    for (const Case& c : cases)
    {
        CTabTestHost host;
        host.UseFixedLengths();
        CXTPTabPaintManager* paint = host.GetPaintManager();
        paint->m_bJustifyRows = c.justify;
        paint->SetExtraLength(c.extra);
        paint->SetLayout(xtpTabLayoutMultiRow);
        for (int length : c.lengths)
            host.AddTabs({length});
        host.SetCurSel(0);
        EXPECT_EQ(c.rows, host.GetRowIndexer()->GetRowCount()) << c.what;
        int last = static_cast<int>(c.lengths.size()) - 1;
        int row0 = host.GetItem(0)->GetItemRow();
        int rightOfRow0 = 0;
        for (int i = 0; i <= last; i++)
        {
            if (host.GetItem(i)->GetItemRow() == row0)
                rightOfRow0 = host.ItemRect(i).right;
        }
        if (c.lastRight)
        {
            EXPECT_EQ(host.GetHeaderRect().left + c.lastRight, rightOfRow0) << c.what;
        }
    }
}

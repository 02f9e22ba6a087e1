// Where a popup goes: at a point, below a control, beside a menu item, at
// the work area's edges, shortened when taller than the work area.
#include <gtest/gtest.h>
#include "toolkit/commandbars/bars/XTPPopupBar.h"

namespace {

struct PlacementCase
{
    const char* name;
    CPoint point;
    CRect exclude;
    DWORD flags;
    CSize size;
    CRect work;
    CRect expected;
    DWORD expectedFlags;
    BOOL shortened;
};

const CRect kWork(0, 0, 1280, 1000);
// A taskbar on the left, or a monitor whose work area starts right of zero.
const CRect kWorkRightOfZero(100, 0, 1380, 1000);

} // namespace

TEST(PopupPlacement, StaysInsideTheWorkAreaAndAvoidsTheControl)
{
    const PlacementCase cases[] = {
        {"at a free point", {200, 200}, {0, 0, 0, 0}, 2, {150, 300}, kWork, {200, 200, 350, 500}, 2, FALSE},
        {"bottom-right corner opens up and left", {1270, 990}, {0, 0, 0, 0}, 2, {200, 300}, kWork,
         {1080, 690, 1280, 990}, 2, FALSE},
        {"below a menu title", {100, 40}, {100, 20, 160, 40}, 2, {200, 300}, kWork, {100, 40, 300, 340}, 2, FALSE},
        {"below a title near the bottom goes above it", {100, 920}, {100, 900, 160, 920}, 2, {200, 300}, kWork,
         {100, 600, 300, 900}, 2, FALSE},
        {"below a title at the right edge keeps to the edge", {1200, 40}, {1200, 20, 1260, 40}, 2, {200, 300},
         kWork, {1080, 40, 1280, 340}, 3, FALSE},
        {"beside a menu item", {500, 100}, {300, 100, 500, 120}, 0, {200, 300}, kWork, {500, 100, 700, 400}, 0,
         FALSE},
        {"beside an item at the right edge opens left of it", {1270, 100}, {1100, 100, 1270, 120}, 0, {200, 300},
         kWork, {900, 100, 1100, 400}, 1, FALSE},
        {"beside an item near the bottom moves up", {500, 900}, {300, 900, 500, 920}, 0, {200, 300}, kWork,
         {500, 695, 700, 995}, 0, FALSE},
        {"left opening beside an item at the left edge turns right", {100, 100}, {100, 100, 300, 120}, 1,
         {200, 300}, kWork, {300, 100, 500, 400}, 0, FALSE},
        {"left opening at a point left of the work area", {150, 100}, {0, 0, 0, 0}, 1, {200, 300},
         kWorkRightOfZero, {100, 100, 300, 400}, 0, FALSE},
        {"taller than the work area at a point", {10, 10}, {0, 0, 0, 0}, 2, {200, 2000}, kWork, {10, 0, 210, 995},
         2, TRUE},
        {"taller below a title in the upper half", {100, 120}, {100, 100, 160, 120}, 2, {200, 1200}, kWork,
         {100, 120, 300, 995}, 2, TRUE},
        {"taller below a title in the lower half", {100, 920}, {100, 900, 160, 920}, 2, {200, 950}, kWork,
         {100, 0, 300, 900}, 2, TRUE},
    };
    for (const PlacementCase& c : cases) {
        DWORD dwFlags = c.flags;
        BOOL bShortened = -1;
        CRect rc = CXTPPopupBar::CalcPopupRect(c.point, c.exclude, dwFlags, c.size, c.work, bShortened);
        EXPECT_EQ(c.expected, rc) << c.name;
        EXPECT_EQ(c.expectedFlags, dwFlags) << c.name;
        EXPECT_EQ(c.shortened, bShortened) << c.name;
    }
}

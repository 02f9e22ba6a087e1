// Sharing a splitter's length among its children and moving a bar between two.
#include <gtest/gtest.h>
#include <vector>
#include "toolkit/docking/XTPDockingPaneSplitterSizes.h"

namespace {

struct Child
{
    int wanted, min, max;
    bool stretch;
};

std::vector<int> Distribute(std::vector<Child> children, int length, int gap = 4, int* stretchWants = nullptr)
{
    std::vector<XTP_DOCKINGPANE_SPLIT_CHILD> c;
    for (const Child& child : children)
        c.push_back({child.wanted, child.min, child.max, child.stretch, -1});
    int wants = XTPDockingPaneDistributeSizes(c.data(), static_cast<int>(c.size()), length, gap);
    if (stretchWants)
        *stretchWants = wants;
    std::vector<int> lengths;
    for (const auto& x : c)
        lengths.push_back(x.nLength);
    return lengths;
}

const int kNoMax = 32000;

} // namespace

TEST(SplitterSizes, ChildrenShareTheLength)
{
    struct Case
    {
        const char* what;
        std::vector<Child> children;
        int length;
        std::vector<int> expected;
    } cases[] = {
        {"client between two panes", {{100, 0, kNoMax, false}, {0, 0, kNoMax, true}, {100, 0, kNoMax, false}}, 500,
         {100, 292, 100}},
        {"a maximum of 50 is kept", {{100, 0, 50, false}, {0, 0, kNoMax, true}, {100, 0, kNoMax, false}}, 500,
         {50, 342, 100}},
        {"no client: shares by wanted size", {{100, 0, kNoMax, false}, {300, 0, kNoMax, false}}, 404, {100, 300}},
        {"scaled down", {{300, 0, kNoMax, false}, {300, 0, kNoMax, false}}, 204, {100, 100}},
        {"a minimum holds", {{10, 80, kNoMax, false}, {300, 0, kNoMax, false}}, 204, {80, 120}},
        {"all wanted sizes 0", {{0, 0, kNoMax, false}, {0, 0, kNoMax, false}, {0, 0, kNoMax, false}}, 300, {0, 0, 0}},
        {"no room", {{100, 0, kNoMax, false}, {100, 0, kNoMax, false}}, 2, {0, 0}},
        {"minimums larger than the room", {{10, 150, kNoMax, false}, {10, 150, kNoMax, false}}, 204, {150, 50}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Distribute(c.children, c.length)) << c.what;

    int wants = 0;
    Distribute({{100, 0, kNoMax, false}, {0, 0, kNoMax, true}}, 304, 4, &wants);
    EXPECT_EQ(200, wants) << "the client's new docking size";
    Distribute({{100, 0, kNoMax, false}}, 304, 4, &wants);
    EXPECT_EQ(-1, wants);
}

TEST(SplitterSizes, BarLimitsAndDragLengths)
{
    int low = 0, high = 0;
    // Neighbours over [0, 300), bar 4 wide, no limits but the 22-pixel floor.
    EXPECT_TRUE(XTPDockingPaneSplitterLimits(0, 300, 0, kNoMax, 0, kNoMax, 4, 22, low, high));
    EXPECT_EQ(22, low);
    EXPECT_EQ(274, high) << "the second keeps 22 beyond the bar as well";
    // A second minimum above the floor counts alone.
    EXPECT_TRUE(XTPDockingPaneSplitterLimits(0, 300, 0, kNoMax, 40, kNoMax, 4, 22, low, high));
    EXPECT_EQ(256, high);
    // A first maximum of 100 lowers the upper limit; a second of 50 raises the lower.
    EXPECT_TRUE(XTPDockingPaneSplitterLimits(0, 300, 0, 100, 0, 200, 4, 22, low, high));
    EXPECT_EQ(100, high);
    EXPECT_EQ(96, low);
    // Limits that meet or cross: the bar stays.
    EXPECT_FALSE(XTPDockingPaneSplitterLimits(0, 300, 150, kNoMax, 146, kNoMax, 4, 22, low, high));
    EXPECT_FALSE(XTPDockingPaneSplitterLimits(0, 40, 0, kNoMax, 0, kNoMax, 4, 22, low, high));

    int first = 0, second = 0;
    // The first neighbour reaches from its start up to the bar; the limits
    // are only where the bar stops, not a scale.
    XTPDockingPaneSplitSizes(100, 22, 274, 0, 146, 150, 4, first, second);
    EXPECT_EQ(100, first);
    EXPECT_EQ(196, second);
    XTPDockingPaneSplitSizes(22, 22, 274, 0, 146, 150, 4, first, second);
    EXPECT_EQ(22, first) << "at the low limit the first keeps the minimum extent";
    EXPECT_EQ(274, second);
    XTPDockingPaneSplitSizes(5, 22, 274, 0, 146, 150, 4, first, second);
    EXPECT_EQ(22, first) << "kept to the limits";
    XTPDockingPaneSplitSizes(300, 22, 274, 0, 146, 150, 4, first, second);
    EXPECT_EQ(274, first);
    EXPECT_EQ(22, second);
    XTPDockingPaneSplitSizes(190, 62, 314, 40, 146, 150, 4, first, second);
    EXPECT_EQ(150, first) << "measured from where the neighbours start";
    EXPECT_EQ(146, second);
    XTPDockingPaneSplitSizes(500, 150, 150, 0, 146, 150, 4, first, second);
    EXPECT_EQ(146, first) << "a fixed bar changes nothing";
    EXPECT_EQ(150, second);
}

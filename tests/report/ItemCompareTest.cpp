// Sorting and grouping keys of record items: priorities win over captions,
// captions compare by code unit, group captions come from priorities,
// resources or the column caption.
#include <gtest/gtest.h>

#include "resources/ToolkitReportIds.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/records/XTPReportRecordItem.h"

namespace {

struct CompareCase
{
    const wchar_t* caption1;
    int priority1;
    const wchar_t* caption2;
    int priority2;
    int expected;
};

} // namespace

TEST(ReportItemCompare, PrioritiesThenCodeUnitOrder)
{
    const CompareCase cases[] = {
        {L"z", 5, L"a", 2, 3},   // priorities decide whatever the captions
        {L"a", -1, L"a", 2, -3}, // one priority set: still the difference
        {L"a", -1, L"B", -1, 1}, // no case folding: 'a' after 'B'
        {L"B", -1, L"a", -1, -1},
        {L"same", -1, L"same", -1, 0},
    };
    for (const CompareCase& c : cases)
    {
        CXTPReportRecordItem item1, item2;
        item1.SetCaption(c.caption1);
        item1.SetSortPriority(c.priority1);
        item2.SetCaption(c.caption2);
        item2.SetSortPriority(c.priority2);
        EXPECT_EQ(c.expected, item1.Compare(nullptr, &item2)) << c.caption1 << " vs " << c.caption2;
    }
}

TEST(ReportItemCompare, GroupCaptionsAndTheirOrder)
{
    CXTPReportColumn column(0, L"Stadt", 100);
    CXTPReportRecordItem fromResource, fromColumn, fixed;
    fromResource.SetGroupPriority(IDS_REPORT_NO_ITEMS);
    fromColumn.SetCaption(L"Bonn");
    fromColumn.SetGroupPriority(0);
    fixed.SetGroupCaption(L"Gruppe");

    EXPECT_EQ(CString(L"Es gibt für diese Ansicht keine Einträge."), fromResource.GetGroupCaption(&column));
    EXPECT_EQ(CString(L"Stadt: Bonn"), fromColumn.GetGroupCaption(&column));
    EXPECT_EQ(CString(L"Gruppe"), fixed.GetGroupCaption(&column));

    CXTPReportRecordItem priority7;
    priority7.SetGroupPriority(7);
    EXPECT_EQ(IDS_REPORT_NO_ITEMS - 7, fromResource.CompareGroupCaption(&column, &priority7));

    CXTPReportRecordItem captionA, captionB;
    captionA.SetGroupCaption(L"a");
    captionB.SetGroupCaption(L"B");
    EXPECT_EQ(1, captionA.CompareGroupCaption(&column, &captionB));

    // Neither priority nor group caption: the plain captions decide.
    CXTPReportRecordItem plain1, plain2;
    plain1.SetCaption(L"Aachen");
    plain2.SetCaption(L"Bonn");
    EXPECT_EQ(-1, plain1.CompareGroupCaption(&column, &plain2));
}

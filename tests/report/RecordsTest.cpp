// Record collections: owning ones number and release their records;
// reference lists (selection, clipboard and drag lists) leave them alone.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecords.h"

namespace {

std::vector<CXTPReportRecord*> Fill(CXTPReportRecords& records, int n)
{
    std::vector<CXTPReportRecord*> added;
    for (int i = 0; i < n; ++i)
        added.push_back(records.Add(new CXTPReportRecord()));
    return added;
}

std::vector<int> Order(const CXTPReportRecords& records, const std::vector<CXTPReportRecord*>& originals)
{
    std::vector<int> order;
    for (int i = 0; i < records.GetCount(); ++i)
    {
        for (size_t j = 0; j < originals.size(); ++j)
        {
            if (originals[j] == records.GetAt(i))
                order.push_back((int)j);
        }
        EXPECT_EQ(i, records.GetAt(i)->GetIndex());
    }
    return order;
}

} // namespace

TEST(ReportRecords, ReferenceListsNeitherReleaseNorRenumber)
{
    CXTPReportRecords owner;
    std::vector<CXTPReportRecord*> records = Fill(owner, 3);
    CXTPReportRecords references(TRUE);
    references.Add(records[2]);
    references.InsertAt(0, records[1]);
    EXPECT_EQ(&owner, records[1]->GetRecords()) << "InsertAt into a reference list kept the owner";
    EXPECT_EQ(1, records[1]->GetIndex());

    const long nRefs = records[1]->m_dwRef;
    references.RemoveAt(0);
    references.RemoveAt(-1);
    references.RemoveAt(5);
    EXPECT_EQ(nRefs, records[1]->m_dwRef);
    EXPECT_EQ(1, records[1]->GetIndex());
    EXPECT_EQ(1, references.GetCount());

    references.InsertAt(-1, records[0]);
    EXPECT_EQ(1, references.GetCount()) << "a negative position is refused";
    references.RemoveAll();
    EXPECT_EQ(3, owner.GetCount());
    EXPECT_EQ(nRefs, records[2]->m_dwRef);
}

TEST(ReportRecords, DeleteLeavesOwnerAndRenumbers)
{
    CXTPReportRecords owner;
    std::vector<CXTPReportRecord*> records = Fill(owner, 4);
    records[1]->Delete();
    EXPECT_EQ((std::vector<int>{0, 2, 3}), Order(owner, records));

    CXTPReportRecord* pLoose = new CXTPReportRecord();
    pLoose->Delete(); // no owner: nothing to leave, nothing released
    EXPECT_EQ(1, pLoose->m_dwRef);
    pLoose->InternalRelease();

    owner.InsertAt(99, new CXTPReportRecord());
    EXPECT_EQ(4, owner.GetCount());
    EXPECT_EQ(3, owner.GetAt(3)->GetIndex()) << "a position past the end appends";
}

TEST(ReportRecords, VirtualModeAnswersEveryIndexWithOneRecord)
{
    CXTPReportRecords records;
    CXTPReportRecord* pVirtual = new CXTPReportRecord();
    records.SetVirtualMode(pVirtual, 100);
    EXPECT_EQ(100, records.GetCount());
    EXPECT_EQ(pVirtual, records.GetAt(5));
    EXPECT_EQ(5, pVirtual->GetIndex());
}

TEST(ReportRecords, MoveTakesListedRecordsToThePosition)
{
    struct MoveCase
    {
        std::vector<int> moved;
        int position;
        std::vector<int> expected;
    };
    const MoveCase cases[] = {
        {{0, 1}, 3, {2, 0, 1, 3, 4}}, // two records to the place after them
        {{4, 1}, 0, {4, 1, 0, 2, 3}}, // list order, not collection order
        {{2}, 99, {0, 1, 3, 4, 2}},   // clamped to the end
        {{3, 3}, 1, {0, 3, 1, 2, 4}}, // listed twice, moved once
    };
    for (const MoveCase& c : cases)
    {
        CXTPReportRecords owner;
        std::vector<CXTPReportRecord*> records = Fill(owner, 5);
        CXTPReportRecords list(TRUE);
        for (int i : c.moved)
            list.Add(records[i]);
        CXTPReportRecords other;
        list.Add(other.Add(new CXTPReportRecord())); // owned elsewhere: ignored
        owner.Move(c.position, &list);
        EXPECT_EQ(c.expected, Order(owner, records)) << "to " << c.position;
    }
}

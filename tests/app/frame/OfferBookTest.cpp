// The frame's offer bookkeeping: which scan results open and close offer
// periods and raise alerts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame/OfferBook.h"

namespace {

// Records what the merge asks for; row ids count up from 10, or fail.
class CRecordingBook : public COfferBook
{
public:
    BOOL bFindYellow = FALSE;
    BOOL bInsertFails = FALSE;
    int nNextRow = 10;
    std::vector<std::string> calls;

protected:
    BOOL IsFindYellow() const override { return bFindYellow; }
    void EndOffer(int nRowId) override
    {
        if (nRowId > 0)
            calls.push_back("end " + std::to_string(nRowId));
    }
    int AddOfferAlert(int nMatch, int nCategory, BOOL bSb, BOOL bResale, int nRow) override
    {
        const int nId = bInsertFails ? -1 : nNextRow++;
        calls.push_back("match " + std::to_string(nMatch) + " cat " + std::to_string(nCategory) + (bSb ? " sb" : "") +
                        (bResale ? " R" : "") + " row " + std::to_string(nRow) + " -> " + std::to_string(nId));
        return nId;
    }
    int AddTstOfferAlert(int nTeam, int nIndex, BOOL bResale) override
    {
        const int nId = bInsertFails ? -1 : nNextRow++;
        calls.push_back("team " + std::to_string(nTeam) + " index " + std::to_string(nIndex) + (bResale ? " R" : "") +
                        " -> " + std::to_string(nId));
        return nId;
    }
};

class OfferBook : public testing::Test
{
protected:
    void SetUp() override
    {
        matches.SetCount(64);
        for (int i = 0; i < 64; ++i)
            matches[i].nMatch = i + 1;
        watched.SetCount(64);
        watched[0] = TRUE;
    }

    // One scan result; the calls it caused.
    std::vector<std::string> Merge(BOOL bFindTst = FALSE)
    {
        book.calls.clear();
        book.MergeScan(watched, matches, teams, bFindTst);
        return book.calls;
    }

    CRecordingBook book;
    CAtlArray<BOOL> watched;
    CAtlArray<MatchStatus> matches;
    CAtlArray<TeamTstStatus> teams;
};

typedef std::vector<std::string> Calls;

} // namespace

TEST_F(OfferBook, ValueSequencesOpenAndClosePeriods)
{
    const struct
    {
        const char* name;
        BOOL findYellow;
        std::vector<int> values;   // category 1 of match 1, scan by scan
        std::vector<Calls> calls;  // per scan
    } cases[] = {
        {"on for two scans", FALSE, {0, 1, 1, 0}, {{}, {"match 1 cat 1 row 0 -> 10"}, {}, {"end 10"}}},
        {"yes to few left with FindYellow", TRUE, {1, 2}, {{"match 1 cat 1 row 0 -> 10"}, {"end 10", "match 1 cat 1 row 0 -> 11"}}},
        {"few left without FindYellow", FALSE, {2, 2, 1}, {{}, {}, {"match 1 cat 1 row 0 -> 10"}}},
        {"yes to few left without FindYellow", FALSE, {1, 2, 1}, {{"match 1 cat 1 row 0 -> 10"}, {"end 10"}, {"match 1 cat 1 row 0 -> 11"}}},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.name);
        CRecordingBook fresh;
        fresh.bFindYellow = test.findYellow;
        for (size_t scan = 0; scan < test.values.size(); ++scan)
        {
            matches[0].nCategory[0] = test.values[scan];
            fresh.calls.clear();
            fresh.MergeScan(watched, matches, teams, FALSE);
            EXPECT_EQ(fresh.calls, test.calls[scan]) << "scan " << scan;
        }
    }
}

TEST_F(OfferBook, EveryGroupOpensWithItsOwnFlagsAndSlot)
{
    watched[4] = TRUE;
    matches[4].nCategory[3] = 1;
    matches[4].nCategorySb[1] = 1;
    matches[4].nResale[0] = 1;
    matches[4].nResaleSb[2] = 1;
    EXPECT_EQ(Merge(), (Calls{"match 5 cat 4 row 4 -> 10", "match 5 cat 2 sb row 4 -> 11", "match 5 cat 1 R row 4 -> 12",
                              "match 5 cat 3 sb R row 4 -> 13"}));
    const OfferBlock* pBlock = book.GetMatchBlock(4);
    EXPECT_EQ(pBlock->slots[3].nRowId, 10);
    EXPECT_EQ(pBlock->slots[6].nRowId, 11);
    EXPECT_EQ(pBlock->slots[9].nRowId, 12);
    EXPECT_EQ(pBlock->slots[16].nRowId, 13);
    // Unchanged values open nothing a second time.
    EXPECT_EQ(Merge(), Calls{});
}

TEST_F(OfferBook, UnwatchedRowsKeepTheirPeriodsOpen)
{
    matches[0].nCategory[0] = 1;
    EXPECT_EQ(Merge().size(), 1u);
    watched[0] = FALSE;
    matches[0].nCategory[0] = 0;
    EXPECT_EQ(Merge(), Calls{}) << "unwatched: the period stays open";
    watched[0] = TRUE;
    EXPECT_EQ(Merge(), Calls{"end 10"});
    // Rows past the scan's records are skipped, watched or not.
    watched.SetCount(70);
    watched[66] = TRUE;
    EXPECT_EQ(Merge(), Calls{});
    EXPECT_LT(book.GetMatchBlockCount(), 67u);
}

TEST_F(OfferBook, FailedInsertRemembersTheValueAndClosesNothing)
{
    book.bInsertFails = TRUE;
    matches[0].nCategory[0] = 1;
    EXPECT_EQ(Merge(), Calls{"match 1 cat 1 row 0 -> -1"});
    EXPECT_EQ(Merge(), Calls{}) << "no second alert for the same offer";
    matches[0].nCategory[0] = 0;
    EXPECT_EQ(Merge(), Calls{});
}

TEST_F(OfferBook, TeamsOnlyWithFindTst)
{
    teams.SetCount(32);
    for (int i = 0; i < 32; ++i)
        teams[i].nTeam = i + 1;
    teams[5].nResale[2] = 1;  // TST 5 resale of team 6
    teams[7].nSeries[0] = 2;  // few left: not without FindYellow
    teams[9].nTeam = 0;       // a hole of the worker's array
    teams[9].nSeries[0] = 1;
    EXPECT_EQ(Merge(FALSE), Calls{});
    EXPECT_EQ(Merge(TRUE), Calls{"team 6 index 3 R -> 10"});
    EXPECT_EQ(Merge(TRUE), Calls{});
    teams[5].nResale[2] = 0;
    EXPECT_EQ(Merge(TRUE), Calls{"end 10"});
}

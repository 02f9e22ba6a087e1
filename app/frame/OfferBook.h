// The offers the main frame remembers between scans, one slot per category
// of every match row and every team, and the merge of a scan result into
// them: a value that changes closes the open period, a value newly on offer
// opens one with its alert. What opening and closing do is the owner's.
#pragma once
#include "framework/collections/CAtlArray.h"
#include "engine/MatchStatus.h"
#include "engine/TeamTstStatus.h"

struct OfferSlot
{
    int nRowId = -1;  // history row of the open period; -1: none
    int nValue = 0;   // the value taken as on offer; 0: none
};

// Slots of one match row: 0-3 list group 1, 5-8 list group 2 ("s.b."),
// 9-12 resale group 1, 14-17 resale group 2. Of one team: 0-4 the series
// 3-7 on the list, 9-13 their resale offers.
struct OfferBlock
{
    enum { SlotCount = 18, ListSb = 5, Resale = 9, ResaleSb = 14 };
    OfferSlot slots[SlotCount];
};

class COfferBook
{
public:
    virtual ~COfferBook() = default;

    // The block of a row index or team id; the state grows to reach it and
    // never shrinks. Null for a negative index.
    OfferBlock* GetMatchBlock(int nRow);
    OfferBlock* GetTeamBlock(int nTeam);
    size_t GetMatchBlockCount() const { return m_matchState.GetCount(); }

    // watched[i]: row i of the games report is a match that is watched.
    // Rows past the scan's records and unwatched rows keep what they hold.
    void MergeScan(const CAtlArray<BOOL>& watched, const CAtlArray<MatchStatus>& matches,
                   const CAtlArray<TeamTstStatus>& teams, BOOL bFindTst);
    void MergeMatchStatus(OfferBlock& block, int nRow, const MatchStatus& status);
    BOOL MergeMatchGroup(int nMatch, const int values[4], OfferSlot slots[4], BOOL bSb, BOOL bResale, int nRow);
    BOOL MergeTeamGroup(int nTeam, const int values[5], OfferSlot slots[5], BOOL bResale);

protected:
    // "FindYellow": a few-left icon counts as on offer.
    virtual BOOL IsFindYellow() const = 0;
    // Closes a history row (row ids of 0 and below are none).
    virtual void EndOffer(int nRowId) = 0;
    // Open a period with its alert; the new row id, -1 when none was made.
    virtual int AddOfferAlert(int nMatch, int nCategory, BOOL bSb, BOOL bResale, int nRow) = 0;
    virtual int AddTstOfferAlert(int nTeam, int nIndex, BOOL bResale) = 0;

private:
    template <class OpenOffer>
    BOOL MergeValues(const int* values, OfferSlot* slots, int nCount, OpenOffer openOffer);

    CAtlArray<OfferBlock> m_matchState;
    CAtlArray<OfferBlock> m_teamState;
};

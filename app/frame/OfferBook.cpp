#include "app/frame/OfferBook.h"

#include "engine/TeamTable.h"

namespace {

OfferBlock* GrowTo(CAtlArray<OfferBlock>& state, int nIndex)
{
    if (nIndex < 0)
        return nullptr;
    if ((size_t)nIndex >= state.GetCount())
        state.SetCount((size_t)nIndex + 1);  // new blocks hold fresh slots
    return &state[(size_t)nIndex];
}

} // namespace

OfferBlock* COfferBook::GetMatchBlock(int nRow)
{
    return GrowTo(m_matchState, nRow);
}

OfferBlock* COfferBook::GetTeamBlock(int nTeam)
{
    return GrowTo(m_teamState, nTeam);
}

void COfferBook::MergeScan(const CAtlArray<BOOL>& watched, const CAtlArray<MatchStatus>& matches,
                           const CAtlArray<TeamTstStatus>& teams, BOOL bFindTst)
{
    for (size_t i = 0; i < watched.GetCount() && i < matches.GetCount(); ++i)
    {
        if (!watched[i])
            continue;
        OfferBlock* pBlock = GetMatchBlock((int)i);
        MergeMatchStatus(*pBlock, (int)i, matches[i]);
    }
    if (!bFindTst)
        return;
    for (size_t i = 0; i < teams.GetCount(); ++i)
    {
        const TeamTstStatus& team = teams[i];
        // Holes of the worker's array carry no team.
        if (team.nTeam < 1 || team.nTeam > TEAM_COUNT)
            continue;
        OfferBlock* pBlock = GetTeamBlock(team.nTeam);
        MergeTeamGroup(team.nTeam, team.nSeries, pBlock->slots, FALSE);
        MergeTeamGroup(team.nTeam, team.nResale, pBlock->slots + OfferBlock::Resale, TRUE);
    }
}

void COfferBook::MergeMatchStatus(OfferBlock& block, int nRow, const MatchStatus& status)
{
    const int nMatch = status.nMatch;
    MergeMatchGroup(nMatch, status.nCategory, block.slots, FALSE, FALSE, nRow);
    MergeMatchGroup(nMatch, status.nCategorySb, block.slots + OfferBlock::ListSb, TRUE, FALSE, nRow);
    MergeMatchGroup(nMatch, status.nResale, block.slots + OfferBlock::Resale, FALSE, TRUE, nRow);
    MergeMatchGroup(nMatch, status.nResaleSb, block.slots + OfferBlock::ResaleSb, TRUE, TRUE, nRow);
}

template <class OpenOffer>
BOOL COfferBook::MergeValues(const int* values, OfferSlot* slots, int nCount, OpenOffer openOffer)
{
    const BOOL bFindYellow = IsFindYellow();
    BOOL bAnyOnOffer = FALSE;
    for (int k = 0; k < nCount; ++k)
    {
        const int nValue = values[k];
        if (nValue != slots[k].nValue)
        {
            EndOffer(slots[k].nRowId);
            slots[k] = OfferSlot();
        }
        const BOOL bOnOffer = nValue == TICKETS_YES || (nValue == TICKETS_LITTLE && bFindYellow);
        if (bOnOffer && nValue != slots[k].nValue)
        {
            slots[k].nRowId = openOffer(k);
            slots[k].nValue = nValue;
        }
        bAnyOnOffer |= bOnOffer;
    }
    return bAnyOnOffer;
}

BOOL COfferBook::MergeMatchGroup(int nMatch, const int values[4], OfferSlot slots[4], BOOL bSb, BOOL bResale, int nRow)
{
    return MergeValues(values, slots, 4,
                       [&](int k) { return AddOfferAlert(nMatch, k + 1, bSb, bResale, nRow); });
}

BOOL COfferBook::MergeTeamGroup(int nTeam, const int values[5], OfferSlot slots[5], BOOL bResale)
{
    return MergeValues(values, slots, 5, [&](int k) { return AddTstOfferAlert(nTeam, k + 1, bResale); });
}

#include "framework/regex/CAtlREMatchContext.h"

CAtlREMatchContext::CAtlREMatchContext()
    : m_uNumGroups(0), m_Match{nullptr, nullptr}
{
}

void CAtlREMatchContext::GetMatch(UINT nIndex, LPCTSTR* pszStart, LPCTSTR* pszEnd) const
{
    MatchGroup group;
    GetMatch(nIndex, &group);
    if (pszStart)
        *pszStart = group.szStart;
    if (pszEnd)
        *pszEnd = group.szEnd;
}

void CAtlREMatchContext::GetMatch(UINT nIndex, MatchGroup* pGroup) const
{
    if (!pGroup)
        return;
    if (nIndex < m_uNumGroups && nIndex < m_groups.size())
        *pGroup = m_groups[nIndex];
    else
        *pGroup = MatchGroup{nullptr, nullptr};
}

void CAtlREMatchContext::SetFailed(LPCTSTR szAt, UINT uNumGroups)
{
    m_uNumGroups = uNumGroups;
    m_Match = MatchGroup{szAt, szAt};
    m_groups.assign(uNumGroups, m_Match);
}

void CAtlREMatchContext::SetMatched(const CAtlRegExpMatcher& matcher, UINT uNumGroups)
{
    m_uNumGroups = uNumGroups;
    m_Match = MatchGroup{matcher.Slot(0), matcher.Slot(1)};
    m_groups.resize(uNumGroups);
    for (UINT i = 0; i < uNumGroups; ++i)
    {
        LPCTSTR start = matcher.Slot(2 * int(i) + 2);
        LPCTSTR end = matcher.Slot(2 * int(i) + 3);
        if (!start || !end)
            start = end = m_Match.szStart;
        m_groups[i] = MatchGroup{start, end};
    }
}

void CAtlREMatchContext::ForgetAfterFailure(LPCTSTR szAt)
{
    m_uNumGroups = 0;
    m_Match = MatchGroup{szAt, szAt};
    std::vector<MatchGroup>().swap(m_groups);
    m_matcher.Release();
}

// The outcome of one CAtlRegExp::Match: where the whole match and each
// brace group lie in the searched text. Every search overwrites all of it;
// a group that took no part in the match reads as empty (start == end, at
// the start of the whole match), never as text of an earlier search or of
// a branch that failed. Reusing one context for a series of searches also
// reuses the matcher's buffers.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/regex/CAtlRegExpMatcher.h"

class CAtlREMatchContext
{
public:
    struct MatchGroup
    {
        LPCTSTR szStart;
        LPCTSTR szEnd;
    };

    CAtlREMatchContext();

    // Start and end (one past the last character) of group nIndex, counted
    // from 0 by opening brace. An index beyond the pattern's groups gives
    // NULL for both.
    void GetMatch(UINT nIndex, LPCTSTR* pszStart, LPCTSTR* pszEnd) const;
    void GetMatch(UINT nIndex, MatchGroup* pGroup) const;

    UINT m_uNumGroups;
    MatchGroup m_Match;

private:
    friend class CAtlRegExp;

    void SetFailed(LPCTSTR szAt, UINT uNumGroups);
    void SetMatched(const CAtlRegExpMatcher& matcher, UINT uNumGroups);
    // After running out of memory: no groups, and the matcher's buffers given back.
    void ForgetAfterFailure(LPCTSTR szAt);

    std::vector<MatchGroup> m_groups;
    CAtlRegExpMatcher m_matcher;
};

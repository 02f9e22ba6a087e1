// Shorthands for the pattern tests: compile, search, read the texts.
#pragma once

#include <string>
#include <vector>

#include "framework/regex/CAtlRegExp.h"

namespace regexptest
{
inline std::wstring Text(const CAtlREMatchContext::MatchGroup& group)
{
    return std::wstring(group.szStart, group.szEnd);
}

inline std::wstring Group(const CAtlREMatchContext& context, UINT index)
{
    CAtlREMatchContext::MatchGroup group;
    context.GetMatch(index, &group);
    return Text(group);
}

// The whole match (or "<none>") followed by each group as "|group".
inline std::wstring Matched(const wchar_t* pattern, const wchar_t* text, BOOL caseSensitive = TRUE)
{
    CAtlRegExp re;
    CAtlREMatchContext context;
    if (re.Parse(pattern, caseSensitive) != REPARSE_ERROR_OK || !re.Match(text, &context))
        return L"<none>";
    std::wstring found = Text(context.m_Match);
    for (UINT i = 0; i < context.m_uNumGroups; ++i)
        found += L"|" + Group(context, i);
    return found;
}

// A series of searches, each resumed where the last match ended: the whole
// matches, or group `group` of each.
inline std::vector<std::wstring> All(const CAtlRegExp& re, const wchar_t* text, int group = -1)
{
    std::vector<std::wstring> found;
    CAtlREMatchContext context;
    for (LPCTSTR at = text; re.Match(at, &context, &at);)
        found.push_back(group < 0 ? Text(context.m_Match) : Group(context, UINT(group)));
    return found;
}
} // namespace regexptest

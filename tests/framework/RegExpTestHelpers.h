// Shorthands for the pattern tests: compile, search once, read the texts.
#pragma once

#include <string>
#include <vector>

#include "framework/CAtlRegExp.h"

namespace regexptest
{
// What one search found: the whole match and the text of every group, or
// found == false.
struct Found
{
    bool found = false;
    std::wstring text;
    std::vector<std::wstring> groups;
    size_t offset = 0; // of the match in the searched text
};

inline std::wstring Text(const CAtlREMatchContext::MatchGroup& group)
{
    return std::wstring(group.szStart, group.szEnd);
}

inline Found Search(const wchar_t* pattern, const wchar_t* text, BOOL caseSensitive = TRUE)
{
    Found result;
    CAtlRegExp re;
    if (re.Parse(pattern, caseSensitive) != REPARSE_ERROR_OK)
        return result;
    CAtlREMatchContext context;
    if (!re.Match(text, &context))
        return result;
    result.found = true;
    result.text = Text(context.m_Match);
    result.offset = size_t(context.m_Match.szStart - text);
    for (UINT i = 0; i < context.m_uNumGroups; ++i)
    {
        CAtlREMatchContext::MatchGroup group;
        context.GetMatch(i, &group);
        result.groups.push_back(Text(group));
    }
    return result;
}

// The whole match, or "<none>".
inline std::wstring Matched(const wchar_t* pattern, const wchar_t* text, BOOL caseSensitive = TRUE)
{
    const Found found = Search(pattern, text, caseSensitive);
    return found.found ? found.text : L"<none>";
}

// Every match of a series of searches, each resumed where the last ended.
inline std::vector<std::wstring> All(CAtlRegExp& re, const wchar_t* text, size_t group = size_t(-1))
{
    std::vector<std::wstring> found;
    CAtlREMatchContext context;
    LPCTSTR at = text;
    while (re.Match(at, &context, &at))
    {
        if (group == size_t(-1))
        {
            found.push_back(Text(context.m_Match));
        }
        else
        {
            CAtlREMatchContext::MatchGroup g;
            context.GetMatch(UINT(group), &g);
            found.push_back(Text(g));
        }
    }
    return found;
}
} // namespace regexptest

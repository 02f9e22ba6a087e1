// Hostile patterns: nesting at and beyond the limit, and patterns too large
// for the matcher's memory, end as a parse error or as no match.
#include <gtest/gtest.h>

#include <string>

#include "RegExpTestHelpers.h"
#include "framework/regex/CAtlRegExpCompiler.h"

using regexptest::Matched;

namespace
{
std::wstring Nested(int depth, const wchar_t* open, const wchar_t* inner, const wchar_t* close)
{
    std::wstring pattern;
    for (int i = 0; i < depth; ++i)
        pattern += open;
    pattern += inner;
    for (int i = 0; i < depth; ++i)
        pattern += close;
    return pattern;
}
} // namespace

TEST(RegExpLimits, NestingUpToTheLimitCompilesAndMatches)
{
    const std::wstring deepest = Nested(CAtlRegExpCompiler::MAX_NESTING, L"(", L"a|b", L")");
    EXPECT_EQ(Matched(deepest.c_str(), L"xxb"), L"b");
    // Quantified groups inside quantified groups, with alternatives at every level.
    const std::wstring repeated = Nested(200, L"(", L"ab|c", L")+") + L"!";
    EXPECT_EQ(Matched(repeated.c_str(), L"ab cabc!"), L"cabc!");
    EXPECT_EQ(Matched(Nested(3, L"{", L"a|b", L"}").c_str(), L"-b-"), L"b|b|b|b");
}

TEST(RegExpLimits, NestingBeyondTheLimitIsAParseErrorAndMatchesNothing)
{
    for (const wchar_t* open : {L"(", L"{"})
    {
        const wchar_t* close = open[0] == L'(' ? L")" : L"}";
        const std::wstring tooDeep = Nested(CAtlRegExpCompiler::MAX_NESTING + 1, open, L"a", close);
        CAtlRegExp re;
        EXPECT_EQ(re.Parse(tooDeep.c_str()), REPARSE_ERROR_TOO_DEEP) << open;
        CAtlREMatchContext context;
        EXPECT_FALSE(re.Match(L"a", &context)) << open;
    }
}

TEST(RegExpLimits, GroupsInQuantifiedAlternativesKeepTheirPriorities)
{
    EXPECT_EQ(Matched(L"x{ab|a}*{b}y", L"xabaaby"), L"xabaaby|a|b");
    EXPECT_EQ(Matched(L"{(a|b)?}c", L"zbc"), L"bc|b");
    EXPECT_EQ(Matched(L"{((a|b)+c)*}d", L"acbbcd"), L"acbbcd|acbbc");
    EXPECT_EQ(Matched(L"{()*}x", L"x"), L"x|");
    EXPECT_EQ(Matched(L"<{(a|)*?}>", L"<aa>"), L"<aa>|aa");
}

TEST(RegExpLimits, PatternTooLargeForMemoryMatchesNothingAndTheContextRecovers)
{
    std::wstring groups;
    for (int i = 0; i < 6000; ++i)
        groups += L"{a}";
    CAtlRegExp huge;
    ASSERT_EQ(huge.Parse(groups.c_str()), REPARSE_ERROR_OK);
    const std::wstring text(6000, L'a');
    CAtlREMatchContext context;
    LPCTSTR end = L"unchanged";
    LPCTSTR const before = end;
    EXPECT_FALSE(huge.Match(text.c_str(), &context, &end));
    EXPECT_EQ(end, before);
    EXPECT_EQ(context.m_uNumGroups, 0u);

    CAtlRegExp small;
    ASSERT_EQ(small.Parse(L"{a+}"), REPARSE_ERROR_OK);
    ASSERT_TRUE(small.Match(L"baa", &context));
    EXPECT_EQ(regexptest::Group(context, 0), L"aa");
}

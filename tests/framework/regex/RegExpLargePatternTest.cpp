// Patterns of a handful of alternatives and of hundreds must search alike:
// a large alternation inside a repetition has so many branches that the
// matcher follows them while searching instead of looking them up, and both
// ways must give the same matches, groups and priorities.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RegExpTestHelpers.h"

using regexptest::All;
using regexptest::Matched;

namespace
{
// "q0000|q0001|...": no word is the beginning of another.
std::wstring Words(int count)
{
    std::wstring words;
    for (int i = 0; i < count; ++i)
    {
        wchar_t word[8];
        wsprintfW(word, L"q%04d", i);
        if (i > 0)
            words += L"|";
        words += word;
    }
    return words;
}

class RegExpLargePattern : public ::testing::TestWithParam<int>
{
protected:
    std::wstring Pattern(const wchar_t* before, const wchar_t* after) const
    {
        return std::wstring(before) + Words(GetParam()) + after;
    }
};
} // namespace

TEST_P(RegExpLargePattern, GreedyRepetitionGivesBackForTheRest)
{
    EXPECT_EQ(Matched(Pattern(L"{(", L")*}{q\\d+}!").c_str(), L"xq0001q0002q0003!"),
              L"q0001q0002q0003!|q0001q0002|q0003");
    EXPECT_EQ(Matched(Pattern(L"{(", L")+}").c_str(), L"q9999 Q0004q0005q0006x", FALSE), L"Q0004q0005q0006|Q0004q0005q0006");
}

TEST_P(RegExpLargePattern, LazyRepetitionTakesAsLittleAsPossible)
{
    EXPECT_EQ(Matched(Pattern(L"{(", L")*?}{q\\d+}").c_str(), L"q0001q0002"), L"q0001||q0001");
    EXPECT_EQ(Matched(Pattern(L"{(", L")*?}!").c_str(), L"q0001q0002!"), L"q0001q0002!|q0001q0002");
}

TEST_P(RegExpLargePattern, EmptyAlternativeDoesNotLoopAndUnusedGroupsReadEmpty)
{
    EXPECT_EQ(Matched(Pattern(L"{(", L"|)*}!").c_str(), L"q0003q0002!"), L"q0003q0002!|q0003q0002");
    EXPECT_EQ(Matched(Pattern(L"{(", L"|)*}!").c_str(), L"!"), L"!|");
    EXPECT_EQ(Matched(Pattern(L"<({", L"})?>").c_str(), L"<q9999> <>"), L"<>|");
}

TEST_P(RegExpLargePattern, ResumedSearchesFindEveryRun)
{
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(Pattern(L"{(", L")+}").c_str()), REPARSE_ERROR_OK);
    const std::vector<std::wstring> expected = {L"q0001", L"q0002q0003", L"q0007"};
    EXPECT_EQ(All(re, L"q0001 q0002q0003 q9999 qq0007q"), expected);
}

// 8 words: branches looked up; 500: too many branch targets to look up;
// 1000: too many instructions.
INSTANTIATE_TEST_SUITE_P(WordCounts, RegExpLargePattern, ::testing::Values(8, 500, 1000));

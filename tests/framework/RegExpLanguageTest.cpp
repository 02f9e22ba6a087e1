// The constructs of the pattern language, one group of cases per construct,
// and the patterns it must refuse.
#include <gtest/gtest.h>

#include "RegExpTestHelpers.h"

using regexptest::Matched;
using regexptest::Search;

TEST(RegExpLanguage, LiteralsAndDotFindTheLeftmostMatch)
{
    const regexptest::Found found = Search(L"abc", L"xxabcabc");
    ASSERT_TRUE(found.found);
    EXPECT_EQ(found.offset, 2u);
    EXPECT_EQ(Matched(L"abd", L"abcab"), L"<none>");
    // The dot takes any character, line breaks included.
    EXPECT_EQ(Matched(L"a..c", L"a\r\nc"), L"a\r\nc");
    EXPECT_EQ(Matched(L"a.c", L"ac"), L"<none>");
}

TEST(RegExpLanguage, SetsRangesAndComplements)
{
    EXPECT_EQ(Matched(L"[a-c]+", L"xxbcaz"), L"bca");
    EXPECT_EQ(Matched(L"[^<]*<", L"ab\ncd<e"), L"ab\ncd<");
    EXPECT_EQ(Matched(L"[^<]+", L"<<<"), L"<none>");
    // A '-' at either end is a member; an escaped ']' does not close the set.
    EXPECT_EQ(Matched(L"[-x]+", L"a-x-b"), L"-x-");
    EXPECT_EQ(Matched(L"[x-]+", L"a-x-b"), L"-x-");
    EXPECT_EQ(Matched(L"[\\]a]+", L"b]a]b"), L"]a]");
    // One-character classes may be members.
    EXPECT_EQ(Matched(L"[\\d.]+", L"v1.25b"), L"1.25");
    EXPECT_EQ(Matched(L"[\\b,]+", L"a, \t,b"), L", \t,");
}

TEST(RegExpLanguage, BackslashMakesTheNextCharacterLiteral)
{
    EXPECT_EQ(Matched(L"\\(x\\)", L"f(x)"), L"(x)");
    EXPECT_EQ(Matched(L"a\\.b", L"axb"), L"<none>");
    EXPECT_EQ(Matched(L"a\\.b", L"a.b"), L"a.b");
    EXPECT_EQ(Matched(L"\\{\\*\\}", L"{*}"), L"{*}");
    EXPECT_EQ(Matched(L"\\\\", L"a\\b"), L"\\");
}

TEST(RegExpLanguage, QuantifiersGreedyAndLazy)
{
    EXPECT_EQ(Matched(L"ab*", L"abbbc"), L"abbb");
    EXPECT_EQ(Matched(L"ab*", L"ac"), L"a");
    EXPECT_EQ(Matched(L"ab+", L"ac"), L"<none>");
    EXPECT_EQ(Matched(L"ab+c", L"abbc"), L"abbc");
    EXPECT_EQ(Matched(L"colou?r", L"color colour"), L"color");
    // Greedy takes all and gives back; lazy takes as little as it can.
    EXPECT_EQ(Matched(L"a.*b", L"a1b2b3"), L"a1b2b");
    EXPECT_EQ(Matched(L"a.*?b", L"a1b2b3"), L"a1b");
    EXPECT_EQ(Matched(L"a.*?", L"abc"), L"a");
    // Groups repeat as a whole.
    EXPECT_EQ(Matched(L"(ab)+", L"abababa"), L"ababab");
    EXPECT_EQ(Matched(L"x(ab)?y", L"xy xaby"), L"xy");
    const regexptest::Found found = Search(L"(ab)+", L"ab");
    EXPECT_TRUE(found.groups.empty()) << "parentheses capture nothing";
}

TEST(RegExpLanguage, RepeatingWhatCanBeEmptyEnds)
{
    EXPECT_EQ(Matched(L"(a*)*b", L"aaac"), L"<none>");
    EXPECT_EQ(Matched(L"(a|)*b", L"aab"), L"aab");
    EXPECT_EQ(Matched(L"()+x", L"yx"), L"x");
    EXPECT_EQ(Matched(L"a*", L"bbb"), L"");
    // The last iteration that consumed something keeps the group.
    EXPECT_EQ(Search(L"{x*}*y", L"xxy").groups, (std::vector<std::wstring>{L"xx"}));
}

TEST(RegExpLanguage, AlternationBindsWeakestAndTheFirstAlternativeWins)
{
    EXPECT_EQ(Matched(L"ab|cd", L"xcd"), L"cd");
    EXPECT_EQ(Matched(L"x(ab|cd)y", L"xcdy"), L"xcdy");
    // Not the longest alternative: the first that leads to a match.
    EXPECT_EQ(Matched(L"a|ab", L"ab"), L"a");
    EXPECT_EQ(Matched(L"(a|ab)c", L"abc"), L"abc");
    EXPECT_EQ(Matched(L"a|", L"b"), L"");

    // The item pattern of the statistics arrays: a quoted item followed by
    // a comma, or the closing parenthesis alone.
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(L"'{[^']*}',|\\)", TRUE), REPARSE_ERROR_OK);
    EXPECT_EQ(regexptest::All(re, L"'a', 'b c' ,'d', 'e')", 0),
              (std::vector<std::wstring>{L"a", L"d", L""}));
    EXPECT_EQ(regexptest::All(re, L"'a', 'b c' ,'d', 'e')"),
              (std::vector<std::wstring>{L"'a',", L"'d',", L")"}));
}

TEST(RegExpLanguage, CharacterClassAbbreviations)
{
    EXPECT_EQ(Matched(L"\\a+", L"-Ab3-"), L"Ab3");
    EXPECT_EQ(Matched(L"\\c+", L"12Straße3"), L"Straße");
    EXPECT_EQ(Matched(L"\\d+", L"ab0042x"), L"0042");
    EXPECT_EQ(Matched(L"\\h+", L"xyz0fAg"), L"0fA");
    // \b is a blank (space or tab), not a word boundary.
    EXPECT_EQ(Matched(L"x\\b+y", L"x \t y"), L"x \t y");
    EXPECT_EQ(Matched(L"x\\by", L"x\ny"), L"<none>");
    EXPECT_EQ(Matched(L"\\bfoo", L"foo"), L"<none>");
    // \w and \z are whole runs.
    EXPECT_EQ(Matched(L"\\w", L"  Hello123"), L"Hello");
    EXPECT_EQ(Matched(L"\\z", L"ab 0042x"), L"0042");
    EXPECT_EQ(Matched(L"\\z5", L"12345"), L"12345") << "a run gives back like any repetition";
}

TEST(RegExpLanguage, LineBreakIsCrLfCrOrLf)
{
    EXPECT_EQ(Matched(L"a\\nb", L"a\r\nb"), L"a\r\nb");
    EXPECT_EQ(Matched(L"a\\nb", L"a\rb"), L"a\rb");
    EXPECT_EQ(Matched(L"a\\nb", L"a\nb"), L"a\nb");
    EXPECT_EQ(Matched(L"a\\nb", L"a\n\rb"), L"<none>") << "LF CR is two line breaks";
    EXPECT_EQ(Matched(L"a\\n\\nb", L"a\n\rb"), L"a\n\rb");
    EXPECT_EQ(Matched(L"a\\n*b", L"a\r\n\r\n\nb"), L"a\r\n\r\n\nb");
    // CR LF is taken as one break.
    EXPECT_EQ(Matched(L"\\n", L"x\r\ny"), L"\r\n");
    EXPECT_EQ(Matched(L"a\\nb", L"a b"), L"<none>");
}

TEST(RegExpLanguage, QuotedStringInEitherQuotes)
{
    EXPECT_EQ(Matched(L"=\\q", L"href=\"a'b\" x"), L"=\"a'b\"");
    EXPECT_EQ(Matched(L"=\\q", L"href='a\"b' x"), L"='a\"b'");
    EXPECT_EQ(Matched(L"=\\q", L"href='line\r\nnext'"), L"='line\r\nnext'");
    EXPECT_EQ(Matched(L"=\\q", L"href=\"\""), L"=\"\"");
    EXPECT_EQ(Matched(L"=\\q", L"href=\"open"), L"<none>");
    EXPECT_EQ(Matched(L"=\\q", L"href=\"mixed'"), L"<none>");
    EXPECT_EQ(Matched(L"=\\q", L"href=plain"), L"<none>");
}

TEST(RegExpLanguage, CaseInsensitiveMatchingFoldsLetters)
{
    EXPECT_EQ(Matched(L"<TR>", L"<tr>", FALSE), L"<tr>");
    EXPECT_EQ(Matched(L"<TR>", L"<tr>", TRUE), L"<none>");
    EXPECT_EQ(Matched(L"tickets_LTL", L"TICKETS_ltl", FALSE), L"TICKETS_ltl");
    EXPECT_EQ(Matched(L"Übersicht", L"ÜBERSICHT", FALSE), L"ÜBERSICHT");
    EXPECT_EQ(Matched(L"ä", L"Ä", FALSE), L"Ä");
    EXPECT_EQ(Matched(L"[a-c]+", L"xBCAz", FALSE), L"BCA");
    EXPECT_EQ(Matched(L"[^a]", L"A", FALSE), L"<none>");
    EXPECT_EQ(Matched(L"[ä]", L"Ä", FALSE), L"Ä");
    // Only letters fold: '[' and '{' are not the capitals of '{' and '['.
    EXPECT_EQ(Matched(L"\\[", L"{", FALSE), L"<none>");
}

TEST(RegExpLanguage, MalformedPatternsAreRefused)
{
    const struct
    {
        const wchar_t* pattern;
        REParseError error;
    } cases[] = {
        {L"{a", REPARSE_ERROR_UNBALANCED_BRACE},
        {L"a}", REPARSE_ERROR_UNBALANCED_BRACE},
        {L"({a)}", REPARSE_ERROR_UNBALANCED_BRACE},
        {L"(a", REPARSE_ERROR_UNBALANCED_PAREN},
        {L"a)", REPARSE_ERROR_UNBALANCED_PAREN},
        {L"(a}", REPARSE_ERROR_UNBALANCED_PAREN},
        {L"[a", REPARSE_ERROR_UNBALANCED_BRACKET},
        {L"[^", REPARSE_ERROR_UNBALANCED_BRACKET},
        {L"a]", REPARSE_ERROR_UNBALANCED_BRACKET},
        {L"*a", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"+", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"a|?b", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"(*a)", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"{+a}", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"a**", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"a+?", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"a??", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"a*?*", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"a\\", REPARSE_ERROR_TRAILING_BACKSLASH},
        {L"[a\\", REPARSE_ERROR_TRAILING_BACKSLASH},
        {L"\\y", REPARSE_ERROR_UNKNOWN_ABBREVIATION},
        {L"\\B", REPARSE_ERROR_UNKNOWN_ABBREVIATION},
        {L"[\\q]", REPARSE_ERROR_UNKNOWN_ABBREVIATION},
        {L"[]", REPARSE_ERROR_EMPTY_SET},
        {L"[^]", REPARSE_ERROR_EMPTY_SET},
        {L"[z-a]", REPARSE_ERROR_INVALID_RANGE},
        {L"[\\d-z]", REPARSE_ERROR_INVALID_RANGE},
        {nullptr, REPARSE_ERROR_NO_PATTERN},
    };
    for (const auto& c : cases)
    {
        CAtlRegExp re;
        EXPECT_EQ(re.Parse(c.pattern, TRUE), c.error) << (c.pattern ? c.pattern : L"(null)");
    }
}

TEST(RegExpLanguage, AFailedParseLeavesNothingToMatchWith)
{
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(L"{a}", TRUE), REPARSE_ERROR_OK);
    ASSERT_NE(re.Parse(L"{b", TRUE), REPARSE_ERROR_OK);
    CAtlREMatchContext context;
    EXPECT_FALSE(re.Match(L"a b", &context));
    EXPECT_EQ(context.m_uNumGroups, 0u);

    CAtlRegExp never;
    EXPECT_FALSE(never.Match(L"a", &context));
    EXPECT_FALSE(re.Match(nullptr, &context));
}

// The constructs of the pattern language, one group of cases per construct,
// and the patterns it must refuse.
#include <gtest/gtest.h>

#include "RegExpTestHelpers.h"

using regexptest::Matched;

TEST(RegExpLanguage, LiteralsDotAndEscapes)
{
    EXPECT_EQ(Matched(L"abc", L"xxabcabc"), L"abc");
    EXPECT_EQ(Matched(L"abd", L"abcab"), L"<none>");
    // The dot takes any character, line breaks included.
    EXPECT_EQ(Matched(L"a..c", L"a\r\nc"), L"a\r\nc");
    EXPECT_EQ(Matched(L"\\(x\\)", L"f(x)"), L"(x)");
    EXPECT_EQ(Matched(L"a\\.b", L"axb"), L"<none>");
    EXPECT_EQ(Matched(L"\\{\\*\\}\\\\", L"{*}\\"), L"{*}\\");
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

TEST(RegExpLanguage, QuantifiersGreedyAndLazy)
{
    EXPECT_EQ(Matched(L"ab*", L"abbbc"), L"abbb");
    EXPECT_EQ(Matched(L"ab+", L"ac"), L"<none>");
    EXPECT_EQ(Matched(L"colou?r", L"color colour"), L"color");
    // Greedy takes all and gives back; lazy takes as little as it can.
    EXPECT_EQ(Matched(L"a.*b", L"a1b2b3"), L"a1b2b");
    EXPECT_EQ(Matched(L"a.*?b", L"a1b2b3"), L"a1b");
    EXPECT_EQ(Matched(L"a.*?", L"abc"), L"a");
    EXPECT_EQ(Matched(L"(ab)+", L"abababa"), L"ababab") << "parentheses repeat, and capture nothing";
    // Repeating what can match the empty text ends.
    EXPECT_EQ(Matched(L"(a*)*b", L"aaac"), L"<none>");
    EXPECT_EQ(Matched(L"(a|)*b", L"aab"), L"aab");
    EXPECT_EQ(Matched(L"{x*}*y", L"xxy"), L"xxy|xx");
}

TEST(RegExpLanguage, AlternationBindsWeakestAndTheFirstAlternativeWins)
{
    EXPECT_EQ(Matched(L"ab|cd", L"xcd"), L"cd");
    EXPECT_EQ(Matched(L"x(ab|cd)y", L"xcdy"), L"xcdy");
    EXPECT_EQ(Matched(L"a|ab", L"ab"), L"a") << "the first alternative, not the longest";
    EXPECT_EQ(Matched(L"(a|ab)c", L"abc"), L"abc");

    // The statistics items: a quoted item followed by a comma, or the
    // closing parenthesis alone (whose group is empty).
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(L"'{[^']*}',|\\)", TRUE), REPARSE_ERROR_OK);
    const wchar_t items[] = L"'a', 'b c' ,'d', 'e')";
    EXPECT_EQ(regexptest::All(re, items), (std::vector<std::wstring>{L"'a',", L"'d',", L")"}));
    EXPECT_EQ(regexptest::All(re, items, 0), (std::vector<std::wstring>{L"a", L"d", L""}));
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
    // \w and \z are whole runs, which give back like any repetition.
    EXPECT_EQ(Matched(L"\\w", L"  Hello123"), L"Hello");
    EXPECT_EQ(Matched(L"\\z", L"ab 0042x"), L"0042");
    EXPECT_EQ(Matched(L"\\z5", L"12345"), L"12345");
}

TEST(RegExpLanguage, LineBreakIsCrLfCrOrLf)
{
    EXPECT_EQ(Matched(L"a\\nb", L"a\r\nb"), L"a\r\nb");
    EXPECT_EQ(Matched(L"a\\nb", L"a\rb"), L"a\rb");
    EXPECT_EQ(Matched(L"a\\nb", L"a\nb"), L"a\nb");
    EXPECT_EQ(Matched(L"a\\nb", L"a\n\rb"), L"<none>") << "LF CR is two line breaks";
    EXPECT_EQ(Matched(L"a\\n*b", L"a\r\n\r\n\n\rb"), L"a\r\n\r\n\n\rb");
    EXPECT_EQ(Matched(L"\\n", L"x\r\ny"), L"\r\n") << "CR LF is taken as one break";
}

TEST(RegExpLanguage, QuotedStringInEitherQuotes)
{
    EXPECT_EQ(Matched(L"=\\q", L"href=\"a'b\" x"), L"=\"a'b\"");
    EXPECT_EQ(Matched(L"=\\q", L"href='a\"b' x"), L"='a\"b'");
    EXPECT_EQ(Matched(L"=\\q", L"href='line\r\nnext'"), L"='line\r\nnext'");
    EXPECT_EQ(Matched(L"=\\q", L"href=\"\""), L"=\"\"");
    EXPECT_EQ(Matched(L"=\\q", L"href=\"open"), L"<none>");
    EXPECT_EQ(Matched(L"=\\q", L"href=\"mixed'"), L"<none>");
}

TEST(RegExpLanguage, CaseInsensitiveMatchingFoldsLetters)
{
    EXPECT_EQ(Matched(L"<TR>", L"<tr>", FALSE), L"<tr>");
    EXPECT_EQ(Matched(L"<TR>", L"<tr>", TRUE), L"<none>");
    EXPECT_EQ(Matched(L"Übersicht", L"ÜBERSICHT", FALSE), L"ÜBERSICHT");
    EXPECT_EQ(Matched(L"[a-c]+", L"xBCAz", FALSE), L"BCA");
    EXPECT_EQ(Matched(L"[^a]", L"A", FALSE), L"<none>");
    EXPECT_EQ(Matched(L"[ä]", L"Ä", FALSE), L"Ä");
    EXPECT_EQ(Matched(L"\\[", L"{", FALSE), L"<none>") << "only letters fold";
}

TEST(RegExpLanguage, MalformedPatternsAreRefused)
{
    const struct
    {
        const wchar_t* pattern;
        REParseError error;
    } cases[] = {
        {L"{a", REPARSE_ERROR_UNBALANCED_BRACE},       {L"a}", REPARSE_ERROR_UNBALANCED_BRACE},
        {L"({a)}", REPARSE_ERROR_UNBALANCED_BRACE},    {L"(a", REPARSE_ERROR_UNBALANCED_PAREN},
        {L"a)", REPARSE_ERROR_UNBALANCED_PAREN},       {L"(a}", REPARSE_ERROR_UNBALANCED_PAREN},
        {L"[a", REPARSE_ERROR_UNBALANCED_BRACKET},     {L"a]", REPARSE_ERROR_UNBALANCED_BRACKET},
        {L"*a", REPARSE_ERROR_NOTHING_TO_REPEAT},      {L"a|?b", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"{+a}", REPARSE_ERROR_NOTHING_TO_REPEAT},    {L"a**", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"a+?", REPARSE_ERROR_NOTHING_TO_REPEAT},     {L"a??", REPARSE_ERROR_NOTHING_TO_REPEAT},
        {L"a\\", REPARSE_ERROR_TRAILING_BACKSLASH},    {L"[a\\", REPARSE_ERROR_TRAILING_BACKSLASH},
        {L"\\y", REPARSE_ERROR_UNKNOWN_ABBREVIATION},  {L"\\B", REPARSE_ERROR_UNKNOWN_ABBREVIATION},
        {L"[\\q]", REPARSE_ERROR_UNKNOWN_ABBREVIATION}, {L"[]", REPARSE_ERROR_EMPTY_SET},
        {L"[^]", REPARSE_ERROR_EMPTY_SET},             {L"[z-a]", REPARSE_ERROR_INVALID_RANGE},
        {L"[\\d-z]", REPARSE_ERROR_INVALID_RANGE},     {nullptr, REPARSE_ERROR_NO_PATTERN},
    };
    for (const auto& c : cases)
    {
        CAtlRegExp re;
        EXPECT_EQ(re.Parse(c.pattern, TRUE), c.error) << (c.pattern ? c.pattern : L"(null)");
    }

    // A failed compile leaves nothing to match with, not the previous pattern.
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(L"{a}", TRUE), REPARSE_ERROR_OK);
    ASSERT_NE(re.Parse(L"{b", TRUE), REPARSE_ERROR_OK);
    CAtlREMatchContext context;
    EXPECT_FALSE(re.Match(L"a b", &context));
    EXPECT_EQ(context.m_uNumGroups, 0u);
    EXPECT_FALSE(re.Match(nullptr, &context));
}

// Random patterns over a small alphabet, searched by our engine and by the
// standard library's ECMAScript engine, which also takes the first match a
// backtracking search finds: position and length of every match must agree,
// and so must the groups that no repetition encloses. Repeated elements
// never match the empty text, because how often a repetition retries an
// empty iteration is where backtracking engines differ. Patterns compiled
// to ignore case (as every page parser's are) use mixed-case letters,
// umlauts, digits and the abbreviated classes; their ECMAScript twins spell
// both cases out, so that no library's case folding is relied on.
#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "RegExpTestHelpers.h"

namespace
{
struct RandomPattern
{
    std::wstring ours, ecma;
    std::vector<bool> groupRepeated;
};

class PatternMaker
{
public:
    PatternMaker(unsigned seed, bool ignoreCase) : m_random(seed), m_ignoreCase(ignoreCase) {}

    RandomPattern Make()
    {
        RandomPattern p;
        Alternation(p, 0, false);
        return p;
    }

private:
    int Pick(int n) { return int(m_random() % unsigned(n)); }
    static void Add(RandomPattern& p, const wchar_t* ours, const wchar_t* ecma)
    {
        p.ours += ours;
        p.ecma += ecma;
    }

    // Each returns whether what it wrote can match the empty text.
    bool Alternation(RandomPattern& p, int depth, bool repeated)
    {
        bool nullable = false;
        for (int i = depth < 2 && Pick(3) == 0 ? 2 : 1; i > 0; --i)
        {
            bool sequenceNullable = true;
            for (int j = 1 + Pick(3); j > 0; --j)
                sequenceNullable = Element(p, depth, repeated) && sequenceNullable;
            nullable = nullable || sequenceNullable;
            if (i > 1)
                Add(p, L"|", L"|");
        }
        return nullable;
    }

    bool Element(RandomPattern& p, int depth, bool repeated)
    {
        static const wchar_t* const quantifiers[] = {L"*", L"+", L"?", L"*?", L""};
        int quantifier = Pick(9) % 5;
        const bool repeats = quantifier == 0 || quantifier == 1 || quantifier == 3;
        bool nullable = false;
        const wchar_t letter[] = {wchar_t(L'a' + Pick(3)), 0};
        int kind = depth < 2 ? Pick(8) : Pick(5);
        if (m_ignoreCase && kind <= 4)
            kind = 8;
        switch (kind)
        {
        case 0: case 1: case 2: Add(p, letter, letter); break;
        case 3: Add(p, L".", L"[\\s\\S]"); break;
        case 4: Pick(2) ? Add(p, L"[ab]", L"[ab]") : Add(p, L"[^a]", L"[^a]"); break;
        case 8: FoldedElement(p); break;
        case 5: case 6:
            Add(p, L"(", L"(?:");
            nullable = Alternation(p, depth + 1, repeated || repeats);
            Add(p, L")", L")");
            break;
        default:
            p.groupRepeated.push_back(repeated || repeats);
            Add(p, L"{", L"(");
            nullable = Alternation(p, depth + 1, repeated || repeats);
            Add(p, L"}", L")");
            break;
        }
        if (nullable && repeats)
            quantifier = 4; // its groups stay marked repeated: compared less, never wrongly
        Add(p, quantifiers[quantifier], quantifiers[quantifier]);
        return nullable || quantifier == 0 || quantifier == 2 || quantifier == 3;
    }

    // Letters and umlauts of either case, sets of them, and the abbreviated
    // classes spelled out over the texts' alphabet.
    void FoldedElement(RandomPattern& p)
    {
        static const wchar_t* const elements[][2] = {
            {L"a", L"[aA]"}, {L"B", L"[bB]"}, {L"\u00FC", L"[\u00FC\u00DC]"}, {L"\u00DC", L"[\u00FC\u00DC]"},
            {L"1", L"1"}, {L"[aB]", L"[aAbB]"}, {L"[^A]", L"[^aA]"}, {L"[\u00DC1]", L"[\u00FC\u00DC1]"},
            {L"[^b\u00FC]", L"[^bB\u00FC\u00DC]"}, {L"[a-b]", L"[aAbB]"}, {L"\\d", L"[0-9]"},
            {L"\\a", L"[0-9a-zA-Z\u00FC\u00DC]"}, {L"\\c", L"[a-zA-Z\u00FC\u00DC]"}, {L"\\h", L"[0-9a-fA-F]"}};
        const int i = Pick(int(sizeof elements / sizeof elements[0]));
        Add(p, elements[i][0], elements[i][1]);
    }

    std::mt19937 m_random;
    bool m_ignoreCase;
};

// Searches random texts over the alphabet with each random pattern.
void ExpectAgreement(bool ignoreCase, const wchar_t* alphabet)
{
    PatternMaker maker(20060609, ignoreCase);
    std::mt19937 random(7);
    const size_t letters = wcslen(alphabet);
    for (int round = 0; round < 1500; ++round)
    {
        const RandomPattern pattern = maker.Make();
        CAtlRegExp re;
        ASSERT_EQ(re.Parse(pattern.ours.c_str(), !ignoreCase), REPARSE_ERROR_OK) << pattern.ours;
        const std::wregex ecma(pattern.ecma, std::regex::ECMAScript);
        for (int t = 0; t < 10; ++t)
        {
            std::wstring text;
            for (int n = int(random() % 9); n > 0; --n)
                text += alphabet[random() % letters];
            const std::wstring where = pattern.ours + L" on \"" + text + L"\"";
            std::wsmatch expected;
            CAtlREMatchContext context;
            const bool found = std::regex_search(text, expected, ecma);
            ASSERT_EQ(re.Match(text.c_str(), &context) != FALSE, found) << where;
            if (!found)
                continue;
            EXPECT_EQ(context.m_Match.szStart - text.c_str(), expected.position(0)) << where;
            EXPECT_EQ(context.m_Match.szEnd - context.m_Match.szStart, expected.length(0)) << where;
            for (size_t g = 0; g < pattern.groupRepeated.size(); ++g)
            {
                CAtlREMatchContext::MatchGroup group;
                context.GetMatch(UINT(g), &group);
                EXPECT_TRUE(pattern.groupRepeated[g] || regexptest::Text(group) == expected[g + 1].str())
                    << where << L" group " << g;
            }
        }
    }
}
} // namespace

TEST(RegExpAgreement, RandomPatternsMatchLikeABacktrackingSearch)
{
    ExpectAgreement(false, L"abc");
}

TEST(RegExpAgreement, RandomPatternsIgnoringCaseMatchLikeABacktrackingSearch)
{
    ExpectAgreement(true, L"aAbBc\u00FC\u00DC17");
}

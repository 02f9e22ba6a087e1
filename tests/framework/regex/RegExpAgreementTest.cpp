// Random patterns over a small alphabet, searched by our engine and by the
// standard library's ECMAScript engine, which also takes the first match a
// backtracking search finds: position and length of every match must agree,
// and so must the groups that no repetition encloses. Repeated elements
// never match the empty text, because how often a repetition retries an
// empty iteration is where backtracking engines differ.
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
    explicit PatternMaker(unsigned seed) : m_random(seed) {}

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
        switch (depth < 2 ? Pick(8) : Pick(5))
        {
        case 0: case 1: case 2: Add(p, letter, letter); break;
        case 3: Add(p, L".", L"[\\s\\S]"); break;
        case 4: Pick(2) ? Add(p, L"[ab]", L"[ab]") : Add(p, L"[^a]", L"[^a]"); break;
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

    std::mt19937 m_random;
};
} // namespace

TEST(RegExpAgreement, RandomPatternsMatchLikeABacktrackingSearch)
{
    PatternMaker maker(20060609);
    std::mt19937 random(7);
    for (int round = 0; round < 1500; ++round)
    {
        const RandomPattern pattern = maker.Make();
        CAtlRegExp re;
        ASSERT_EQ(re.Parse(pattern.ours.c_str(), TRUE), REPARSE_ERROR_OK) << pattern.ours;
        const std::wregex ecma(pattern.ecma, std::regex::ECMAScript);
        for (int t = 0; t < 10; ++t)
        {
            std::wstring text;
            for (int n = int(random() % 9); n > 0; --n)
                text += wchar_t(L'a' + random() % 3);
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

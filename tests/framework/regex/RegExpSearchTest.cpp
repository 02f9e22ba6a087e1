// Groups, resumed searches and the parsers' own patterns on page-like text,
// including pages built to make a matcher stall or overflow its stack.
#include <gtest/gtest.h>

#include <windows.h>

#include <iostream>

#include "RegExpTestHelpers.h"
#include "support/TestPump.h"
#include "support/ThreadJoin.h"

using regexptest::All;
using regexptest::Matched;

namespace
{
const wchar_t kRowPattern[] = L"<tr>[^<]*<td[^>]*>{\\b*#.*?</div[^>]*>[^<]*</td[^>]*>}[^<]*</tr[^>]*>";
const wchar_t kTeamRowPattern[] = L"<tr[^>]*>[^<]*<td[^>]*>{[^<]*}</td[^>]*>{.*?}</tr>";

std::wstring ResaleRow(int number)
{
    std::wstring row = L"<TR>\r\n  <td class=\"nr\">#" + std::to_wstring(number) + L"</td><td>";
    for (int i = 0; i < 9; ++i)
        row += L"<div><IMG SRC=\"/img/tickets_yes.gif\" alt=\"" + std::to_wstring(i) + L"\"></div></td><td>";
    return row + L"<div class=\"info\">Hinweis</div></td>\r\n</tr>\r\n";
}
} // namespace

TEST(RegExpSearch, GroupsAreNumberedByOpeningBraceAndUnusedOnesReadEmpty)
{
    EXPECT_EQ(Matched(L"{a{b}}(x)?{c}", L"zabc"), L"abc|ab|b|c");
    // A failed branch had set the group before the other branch matched.
    EXPECT_EQ(Matched(L"({a}b|ac)", L"ac"), L"ac|");

    CAtlRegExp re;
    ASSERT_EQ(re.Parse(L"(<a\\b+href={\\q}[^>]*>)?{<img[^>]*>}", FALSE), REPARSE_ERROR_OK);
    EXPECT_EQ(re.GetNumGroups(), 2u);
    const wchar_t cells[] = L"<td><a  href=\"ds_wmd?x=1\" class=k><img src=a></a></td><td><img src=b></td>";
    CAtlREMatchContext context;
    LPCTSTR at = cells;
    ASSERT_TRUE(re.Match(at, &context, &at));
    EXPECT_EQ(regexptest::Group(context, 0), L"\"ds_wmd?x=1\"");
    EXPECT_EQ(at, context.m_Match.szEnd);
    // Nothing of the earlier search in the same context leaks into this one.
    ASSERT_TRUE(re.Match(at, &context, &at));
    EXPECT_EQ(regexptest::Group(context, 0), L"");
    EXPECT_EQ(regexptest::Group(context, 1), L"<img src=b>");
    LPCTSTR start = cells, end = cells;
    context.GetMatch(2, &start, &end);
    EXPECT_TRUE(start == nullptr && end == nullptr) << "no such group";
    // A failed search empties the context and leaves the resume position.
    const LPCTSTR before = at;
    EXPECT_FALSE(re.Match(at, &context, &at));
    EXPECT_EQ(at, before);
    EXPECT_EQ(regexptest::Group(context, 1), L"");
    EXPECT_EQ(regexptest::Text(context.m_Match), L"");
}

TEST(RegExpSearch, ResumedSearchesWalkThroughTheText)
{
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(L"{<img[^>]*>}", FALSE), REPARSE_ERROR_OK);
    const std::vector<std::wstring> tags = All(re, ResaleRow(7).c_str(), 0);
    ASSERT_EQ(tags.size(), 9u);
    EXPECT_EQ(tags[8], L"<IMG SRC=\"/img/tickets_yes.gif\" alt=\"8\">");

    ASSERT_EQ(re.Parse(L"<input[^>]*>\\b*TST-{\\d+}", FALSE), REPARSE_ERROR_OK);
    EXPECT_EQ(All(re, L"<INPUT type=radio> TST-3 x <input>TST-7<input>TST- <input>\tTST-12", 0),
              (std::vector<std::wstring>{L"3", L"7", L"12"}));
    // Each search starts where the previous match ended: "aa" twice, not four times.
    ASSERT_EQ(re.Parse(L"aa", TRUE), REPARSE_ERROR_OK);
    EXPECT_EQ(All(re, L"aaaaa").size(), 2u);
}

TEST(RegExpSearch, LazyRowPatternsStopAtTheirOwnRow)
{
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(kRowPattern, FALSE), REPARSE_ERROR_OK);
    const std::wstring page = L"<table><tr><th>Nr</th></tr>\r\n" + ResaleRow(1) +
                              L"<tr><td colspan=3>Gruppe B</td></tr>" + ResaleRow(2) + L"</table>";
    const std::vector<std::wstring> rows = All(re, page.c_str(), 0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].substr(0, 3), L"#1<");
    EXPECT_EQ(rows[1].substr(0, 3), L"#2<");
    EXPECT_EQ(rows[0].substr(rows[0].size() - 18), L"Hinweis</div></td>") << "ran into the next row";
    // Blanks before the '#' belong to the group (the parser rejects such rows).
    EXPECT_EQ(All(re, L"<tr><td> \t#5 x</div></td></tr>", 0), (std::vector<std::wstring>{L" \t#5 x</div></td>"}));

    const wchar_t teams[] = L"<tr class=a><td>Angola</td><td>1</td></tr><TR><td>Brasilien</td><td>2</td></TR>";
    ASSERT_EQ(re.Parse(kTeamRowPattern, FALSE), REPARSE_ERROR_OK);
    EXPECT_EQ(All(re, teams, 0), (std::vector<std::wstring>{L"Angola", L"Brasilien"}));
    EXPECT_EQ(All(re, teams, 1), (std::vector<std::wstring>{L"<td>1</td>", L"<td>2</td>"}));
    // Made greedy, the same pattern swallows both rows.
    ASSERT_EQ(re.Parse(L"<tr[^>]*>[^<]*<td[^>]*>{[^<]*}</td[^>]*>{.*}</tr>", FALSE), REPARSE_ERROR_OK);
    EXPECT_EQ(All(re, teams, 0), (std::vector<std::wstring>{L"Angola"}));

    // Category blocks: the row after the heading's row.
    ASSERT_EQ(re.Parse(L"<strong>Platz[^<]*</strong>.*?</tr>{.*?}</tr>", FALSE), REPARSE_ERROR_OK);
    const wchar_t detail[] = L"<tr><td><STRONG>Platz 1</STRONG></td></tr><tr><td><input name=a></td></tr>"
                             L"<tr><td><strong>Platzkategorie 2</strong></td></tr><tr><td>-</td></tr>";
    EXPECT_EQ(All(re, detail, 0), (std::vector<std::wstring>{L"<tr><td><input name=a></td>", L"<tr><td>-</td>"}));
}

TEST(RegExpSearch, StatisticsArrayPatternIsCaseSensitiveAndSpansLines)
{
    const wchar_t pattern[] = L"var\\b*\\n*\\b*sC\\b*=\\b*\\n*\\b*new\\b*\\n*\\b*Array[^(]*\\({[^)]*\\)}";
    EXPECT_EQ(Matched(pattern, L"var sC1 = new Array('x');\r\nvar sc = new Array('1');\r\n"
                               L"var\r\n\tsC = \n new\r Array ('3','5')"),
              L"var\r\n\tsC = \n new\r Array ('3','5')|'3','5')");
    EXPECT_EQ(Matched(pattern, L"var SC = new Array('1')"), L"<none>");
}

TEST(RegExpSearch, HostilePageEndsQuickly)
{
    // Ten thousand row openings whose cell never closes: a plain backtracking
    // search would retry every opening up to the end of the page.
    std::wstring page;
    for (int i = 0; i < 10000; ++i)
        page += L"<tr><td>#";
    std::wstring teamPage = page;
    for (int i = 0; i < 10000; ++i)
        teamPage += L"<tr><td>Land</td><td>";
    CAtlRegExp rows, teams;
    ASSERT_EQ(rows.Parse(kRowPattern, FALSE), REPARSE_ERROR_OK);
    ASSERT_EQ(teams.Parse(kTeamRowPattern, FALSE), REPARSE_ERROR_OK);
    CAtlREMatchContext context;

    const DWORD start = GetTickCount();
    EXPECT_FALSE(rows.Match(page.c_str(), &context));
    EXPECT_FALSE(teams.Match(teamPage.c_str(), &context));
    page += L"</div></td></tr>";
    ASSERT_TRUE(rows.Match(page.c_str(), &context));
    const DWORD elapsed = GetTickCount() - start;

    EXPECT_EQ(context.m_Match.szStart, page.c_str()) << "the leftmost opening's row runs to the only closing";
    std::cout << "[ hostile  ] three searches over " << page.size() + teamPage.size() << " characters: " << elapsed
              << " ms\n";
    EXPECT_LT(elapsed, testpump::kDeadline) << "a search that backtracks without end";
}

namespace
{
DWORD WINAPI SearchOnSmallStack(void* text)
{
    CAtlRegExp re;
    CAtlREMatchContext context;
    if (re.Parse(L"<td>{.*?}</div>|x{\\q}", FALSE) != REPARSE_ERROR_OK || !re.Match(static_cast<LPCTSTR>(text), &context))
        return 1;
    return DWORD(context.m_Match.szEnd - context.m_Match.szStart);
}
} // namespace

TEST(RegExpSearch, MegabyteMatchesNeedNoStackPerCharacter)
{
    // 4 MB inside one match, on a thread with a 64 KB stack.
    std::wstring text = L"<td>" + std::wstring(4u << 20, L'a') + L"</div>";
    HANDLE thread = CreateThread(nullptr, 64 * 1024, SearchOnSmallStack, &text[0], STACK_SIZE_PARAM_IS_A_RESERVATION,
                                 nullptr);
    ASSERT_NE(thread, nullptr);
    DWORD length = 0;
    testthread::JoinAndClose(thread, 60000, &length);
    EXPECT_EQ(length, text.size());
}

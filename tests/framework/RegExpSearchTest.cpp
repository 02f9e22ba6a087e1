// Groups, resumed searches and the parsers' own patterns on page-like text,
// including pages built to make a matcher stall or overflow its stack.
#include <gtest/gtest.h>

#include <windows.h>

#include <iostream>
#include <string>

#include "RegExpTestHelpers.h"

using regexptest::All;
using regexptest::Search;

namespace
{
const wchar_t kRowPattern[] =
    L"<tr>[^<]*<td[^>]*>{\\b*#.*?</div[^>]*>[^<]*</td[^>]*>}[^<]*</tr[^>]*>";
const wchar_t kTeamRowPattern[] = L"<tr[^>]*>[^<]*<td[^>]*>{[^<]*}</td[^>]*>{.*?}</tr>";
const wchar_t kCellPattern[] = L"(<a\\b+href={\\q}[^>]*>)?{<img[^>]*>}";
const wchar_t kArrayPattern[] =
    L"var\\b*\\n*\\b*sC\\b*=\\b*\\n*\\b*new\\b*\\n*\\b*Array[^(]*\\({[^)]*\\)}";

std::wstring ResaleRow(int number, const wchar_t* closing = L"</div></td>")
{
    std::wstring row = L"<TR>\r\n  <td class=\"nr\">#" + std::to_wstring(number) + L"</td><td>";
    for (int i = 0; i < 9; ++i)
        row += L"<div><IMG SRC=\"/img/tickets_yes.gif\" alt=\"" + std::to_wstring(i) + L"\"></div></td><td>";
    return row + L"<div class=\"info\">Hinweis" + closing + L"\r\n</tr>\r\n";
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}
} // namespace

TEST(RegExpSearch, GroupsAreNumberedByTheirOpeningBrace)
{
    const regexptest::Found found = Search(L"{a{b}}(x)?{c}", L"zabc");
    ASSERT_TRUE(found.found);
    EXPECT_EQ(found.groups, (std::vector<std::wstring>{L"ab", L"b", L"c"}));

    CAtlRegExp re;
    ASSERT_EQ(re.Parse(L"{a}{b}", TRUE), REPARSE_ERROR_OK);
    EXPECT_EQ(re.GetNumGroups(), 2u);
    CAtlREMatchContext context;
    const wchar_t text[] = L"xab";
    LPCTSTR end = nullptr;
    ASSERT_TRUE(re.Match(text, &context, &end));
    EXPECT_EQ(context.m_Match.szStart, text + 1);
    EXPECT_EQ(end, text + 3);
    LPCTSTR start = nullptr;
    context.GetMatch(1, &start, &end);
    EXPECT_EQ(start, text + 2);
    EXPECT_EQ(end, text + 3);
    context.GetMatch(2, &start, &end);
    EXPECT_EQ(start, nullptr) << "no such group";
    EXPECT_EQ(end, nullptr);
}

TEST(RegExpSearch, AGroupThatTookNoPartReadsAsEmpty)
{
    // A failed branch set the group before the other branch matched.
    regexptest::Found found = Search(L"({a}b|ac)", L"ac");
    ASSERT_TRUE(found.found);
    EXPECT_EQ(found.groups, (std::vector<std::wstring>{L""}));
    found = Search(L"x{a}?y", L"xay xy", TRUE);
    EXPECT_EQ(found.groups, (std::vector<std::wstring>{L"a"}));

    // Nor does an earlier search in the same context leak into a later one.
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(kCellPattern, FALSE), REPARSE_ERROR_OK);
    const wchar_t cells[] = L"<td><a  href=\"ds_wmd?x=1\" class=k><img src=a></a></td><td><img src=b></td>";
    CAtlREMatchContext context;
    LPCTSTR at = cells;
    ASSERT_TRUE(re.Match(at, &context, &at));
    CAtlREMatchContext::MatchGroup link, image;
    context.GetMatch(0, &link);
    context.GetMatch(1, &image);
    EXPECT_EQ(regexptest::Text(link), L"\"ds_wmd?x=1\"");
    EXPECT_EQ(regexptest::Text(image), L"<img src=a>");
    ASSERT_TRUE(re.Match(at, &context, &at));
    context.GetMatch(0, &link);
    context.GetMatch(1, &image);
    EXPECT_EQ(regexptest::Text(link), L"");
    EXPECT_EQ(regexptest::Text(image), L"<img src=b>");
    // A failed search empties the context as well.
    EXPECT_FALSE(re.Match(at, &context, &at));
    context.GetMatch(1, &image);
    EXPECT_EQ(regexptest::Text(image), L"");
    EXPECT_EQ(regexptest::Text(context.m_Match), L"");
}

TEST(RegExpSearch, ResumedSearchesWalkThroughTheText)
{
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(L"{<img[^>]*>}", FALSE), REPARSE_ERROR_OK);
    const std::wstring row = ResaleRow(7);
    const std::vector<std::wstring> tags = All(re, row.c_str(), 0);
    ASSERT_EQ(tags.size(), 9u);
    EXPECT_EQ(tags[0], L"<IMG SRC=\"/img/tickets_yes.gif\" alt=\"0\">");
    EXPECT_EQ(tags[8], L"<IMG SRC=\"/img/tickets_yes.gif\" alt=\"8\">");

    ASSERT_EQ(re.Parse(L"<input[^>]*>\\b*TST-{\\d+}", FALSE), REPARSE_ERROR_OK);
    EXPECT_EQ(All(re, L"<INPUT type=radio> TST-3 x <input>TST-7<input>TST- <input>\tTST-12", 0),
              (std::vector<std::wstring>{L"3", L"7", L"12"}));

    // Ending where the previous match ended: "aa" twice, not three times.
    ASSERT_EQ(re.Parse(L"aa", TRUE), REPARSE_ERROR_OK);
    EXPECT_EQ(All(re, L"aaaaa").size(), 2u);
    // A failed search leaves the resume position alone.
    CAtlREMatchContext context;
    LPCTSTR at = L"bbb";
    const LPCTSTR before = at;
    EXPECT_FALSE(re.Match(at, &context, &at));
    EXPECT_EQ(at, before);
}

TEST(RegExpSearch, LazyRowPatternsStopAtTheirOwnRow)
{
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(kRowPattern, FALSE), REPARSE_ERROR_OK);
    const std::wstring page = L"<table><tr><th>Nr</th></tr>\r\n" + ResaleRow(1) +
                              L"<tr><td colspan=3>Gruppe B</td></tr>" + ResaleRow(2) + L"</table>";
    const std::vector<std::wstring> rows = All(re, page.c_str(), 0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].substr(0, 2), L"#1");
    EXPECT_EQ(rows[1].substr(0, 2), L"#2");
    EXPECT_EQ(rows[0].find(L"#2"), std::wstring::npos) << "the lazy part ran into the next row";
    EXPECT_EQ(rows[0].substr(rows[0].size() - 11), L"</div></td>");

    // Blanks before the '#' belong to the group; the parser rejects such rows.
    const std::wstring indented = L"<tr><td> \t#5 x</div></td></tr>";
    EXPECT_EQ(All(re, indented.c_str(), 0), (std::vector<std::wstring>{L" \t#5 x</div></td>"}));

    // Team rows: the rest of the row up to its own </tr>.
    ASSERT_EQ(re.Parse(kTeamRowPattern, FALSE), REPARSE_ERROR_OK);
    const wchar_t teams[] = L"<tr class=a><td>Angola</td><td>1</td></tr><TR><td>Brasilien</td><td>2</td></TR>";
    EXPECT_EQ(All(re, teams, 0), (std::vector<std::wstring>{L"Angola", L"Brasilien"}));
    EXPECT_EQ(All(re, teams, 1), (std::vector<std::wstring>{L"<td>1</td>", L"<td>2</td>"}));
    // The same pattern made greedy swallows both rows: the difference is real.
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
    CAtlRegExp re;
    ASSERT_EQ(re.Parse(kArrayPattern, TRUE), REPARSE_ERROR_OK);
    const wchar_t page[] = L"var sC1 = new Array('x');\r\nvar sc = new Array('1');\r\n"
                           L"var\r\n\tsC = \n new\r Array ('3','5')";
    CAtlREMatchContext context;
    ASSERT_TRUE(re.Match(page, &context));
    CAtlREMatchContext::MatchGroup items;
    context.GetMatch(0, &items);
    EXPECT_EQ(regexptest::Text(items), L"'3','5')");
    EXPECT_FALSE(re.Match(L"var SC = new Array('1')", &context));
}

TEST(RegExpSearch, HostilePageEndsQuickly)
{
    // Ten thousand row openings whose cell never closes, then one whose does:
    // a naive backtracking search would retry every opening to the end.
    std::wstring page;
    for (int i = 0; i < 10000; ++i)
        page += L"<tr><td>#";
    std::wstring team = page;
    for (int i = 0; i < 10000; ++i)
        team += L"<tr><td>Land</td><td>";
    CAtlRegExp rows, teams;
    ASSERT_EQ(rows.Parse(kRowPattern, FALSE), REPARSE_ERROR_OK);
    ASSERT_EQ(teams.Parse(kTeamRowPattern, FALSE), REPARSE_ERROR_OK);
    CAtlREMatchContext context;

    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    const BOOL rowFound = rows.Match(page.c_str(), &context);
    const BOOL teamFound = teams.Match(team.c_str(), &context);
    page += L"</div></td></tr>";
    const BOOL lastFound = rows.Match(page.c_str(), &context);
    QueryPerformanceCounter(&stop);

    EXPECT_FALSE(rowFound);
    EXPECT_FALSE(teamFound);
    ASSERT_TRUE(lastFound);
    // Leftmost: the first opening's row runs to the only closing.
    EXPECT_EQ(context.m_Match.szStart, page.c_str());
    const double ms = Milliseconds(start, stop);
    std::cout << "[ hostile  ] three searches over " << page.size() + team.size() << " characters: " << ms
              << " ms\n";
    EXPECT_LT(ms, 1000.0);
}

namespace
{
struct LongSearch
{
    const wchar_t* text;
    BOOL found;
    size_t length;
};

DWORD WINAPI SearchOnSmallStack(void* parameter)
{
    LongSearch* search = static_cast<LongSearch*>(parameter);
    CAtlRegExp re;
    if (re.Parse(L"<td>{.*?}</div>|x{\\q}", FALSE) != REPARSE_ERROR_OK)
        return 1;
    CAtlREMatchContext context;
    search->found = re.Match(search->text, &context);
    search->length = size_t(context.m_Match.szEnd - context.m_Match.szStart);
    return 0;
}
} // namespace

TEST(RegExpSearch, MegabyteMatchesNeedNoStackPerCharacter)
{
    // 4 MB inside one match, on a thread with a 64 KB stack.
    std::wstring text = L"<td>";
    text.append(4u << 20, L'a');
    text += L"</div>";
    LongSearch search{text.c_str(), FALSE, 0};
    HANDLE thread = CreateThread(nullptr, 64 * 1024, SearchOnSmallStack, &search, STACK_SIZE_PARAM_IS_A_RESERVATION,
                                 nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 60000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(search.found);
    EXPECT_EQ(search.length, text.size());
}

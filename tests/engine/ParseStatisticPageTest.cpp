// The statistics page: nine JavaScript arrays read into rows.
#include <gtest/gtest.h>

#include "engine/StatisticDate.h"
#include "engine/ThreadStatistic.h"

namespace {

// A page with the nine arrays in another order than they are read, each
// written "var name = new Array(items);"; arrays not given are empty.
CString StatisticPage(std::initializer_list<std::pair<LPCWSTR, LPCWSTR>> given)
{
    CString page = L"<html><head><script type=\"text/javascript\">\r\n";
    for (LPCWSTR name : {L"srsl", L"sC", L"sC1", L"sC2", L"sc", L"sd", L"stst", L"sdf", L"sdt"})
    {
        LPCWSTR items = L"";
        for (const auto& array : given)
            items = wcscmp(array.first, name) == 0 ? array.second : items;
        page.AppendFormat(L"var %s = new Array(%s);\r\n", name, items);
    }
    return page + L"</script></head><body></body></html>";
}

const StatRow& RowOf(const CThreadStatistic& worker, size_t index)
{
    return worker.GetRows()[index];
}

} // namespace

TEST(ParseStatisticPage, RowsComeFromAllNineArraysAndTheLongestSetsTheCount)
{
    const CString page = StatisticPage({
        {L"sdf", L"'09.06.2006 10:15:00','10.06.2006 08:00:30',"},
        {L"sdt", L"'09.06.2006 10:45:00',"},
        {L"sC1", L"'Deutschland','Elfenbeink\u00FCste','Brasilien',"},
        {L"sC2", L"'Costa Rica',"},
        {L"sc", L"' M\u00FCnchen ','',"},
        {L"sd", L"'09.06.2006 18:00:00',"},
        {L"stst", L"'0','1',"},
        {L"sC", L"'2','5',"},
        {L"srsl", L"'0','0',"},
    });
    CThreadStatistic worker;
    ASSERT_TRUE(worker.ParseStatisticPage(page));

    ASSERT_EQ(worker.GetRows().GetCount(), 3u);
    const StatRow& first = RowOf(worker, 0);
    EXPECT_EQ(first.dtFrom, COleDateTime(2006, 6, 9, 10, 15, 0));
    EXPECT_EQ(first.dtTo, COleDateTime(2006, 6, 9, 10, 45, 0));
    EXPECT_EQ(first.dtMatch, COleDateTime(2006, 6, 9, 18, 0, 0));
    EXPECT_STREQ(first.strCity, L"M\u00FCnchen") << "items are trimmed";
    EXPECT_STREQ(first.strTeam1, L"Deutschland");
    EXPECT_STREQ(first.strTeam2, L"Costa Rica");
    EXPECT_STREQ(first.strCategory, L"2 ");

    const StatRow& second = RowOf(worker, 1);
    EXPECT_EQ(second.dtFrom, COleDateTime(2006, 6, 10, 8, 0, 30));
    EXPECT_STREQ(second.strCategory, L"TST 5 ");
    // Fields that the shorter arrays do not reach keep the new-row values.
    EXPECT_EQ(second.dtTo.m_dt, 0.0);
    EXPECT_EQ(second.dtTo.GetStatus(), COleDateTime::valid);
    EXPECT_TRUE(second.strTeam2.IsEmpty());
    EXPECT_TRUE(second.strCity.IsEmpty());
    const StatRow& third = RowOf(worker, 2);
    EXPECT_STREQ(third.strTeam1, L"Brasilien");
    EXPECT_TRUE(third.strCategory.IsEmpty());
}

TEST(ParseStatisticPage, CategoryTextJoinsSeriesCategorySecondGroupAndResale)
{
    const CString page = StatisticPage({
        {L"sdf", L"'01.06.2006 12:00:00','01.06.2006 12:00:00','01.06.2006 12:00:00','01.06.2006 12:00:00',"},
        {L"stst", L"'1','0','1','0',"},
        {L"sC", L"'3','6','7','4',"},
        {L"srsl", L"'1','0','0','1',"},
    });
    CThreadStatistic worker;
    ASSERT_TRUE(worker.ParseStatisticPage(page));
    ASSERT_EQ(worker.GetRows().GetCount(), 4u);
    EXPECT_STREQ(RowOf(worker, 0).strCategory, L"TST 3 R");
    EXPECT_STREQ(RowOf(worker, 1).strCategory, L"2 s.b. ");
    EXPECT_STREQ(RowOf(worker, 2).strCategory, L"TST 7 ") << "no s.b. after TST";
    EXPECT_STREQ(RowOf(worker, 3).strCategory, L"4 R");
}

TEST(ParseStatisticPage, OnlyQuotedItemsFollowedByACommaAreRead)
{
    const CString page = StatisticPage({
        {L"sC1", L"'Ghana', 'Togo' ,'USA'"},    // the last one lacks its comma
        {L"sC2", L"'Italien',Japan,'Iran',"},   // an unquoted item is no item
    });
    CThreadStatistic worker;
    ASSERT_TRUE(worker.ParseStatisticPage(page));
    ASSERT_EQ(worker.GetRows().GetCount(), 2u);
    EXPECT_STREQ(RowOf(worker, 0).strTeam1, L"Ghana");
    EXPECT_STREQ(RowOf(worker, 1).strTeam1, L"") << "'Togo' is followed by a blank, not a comma";
    EXPECT_STREQ(RowOf(worker, 1).strTeam2, L"Iran");
}

TEST(ParseStatisticPage, ArrayNamesAreCaseSensitiveAndWholeNames)
{
    CThreadStatistic worker;
    const CString page = L"var sC1 = new Array('a',);\r\nvar sC2=new Array('b',);\r\nvar SC = new Array('x',);"
                         L"var sC = new Array('4',);\r\nvar sc = new Array('Berlin',);";
    EXPECT_STREQ(worker.FindArrayText(page, L"sC"), L"'4',)");
    EXPECT_STREQ(worker.FindArrayText(page, L"sc"), L"'Berlin',)");
    EXPECT_STREQ(worker.FindArrayText(page, L"sC1"), L"'a',)");
    EXPECT_STREQ(worker.FindArrayText(page, L"srsl"), L"");
    // Blanks and line breaks may stand around the words.
    EXPECT_STREQ(worker.FindArrayText(L"var\r\n  sd \t=\r\n  new \r\n Array ('1',)", L"sd"), L"'1',)");
}

TEST(ParseStatisticPage, MissingArrayFailsButKeepsTheRowsReadSoFar)
{
    CString page = StatisticPage({
        {L"sdf", L"'01.06.2006 12:00:00',"},
        {L"sC1", L"'Polen',"},
    });
    page.Replace(L"var sc =", L"var city =");
    CThreadStatistic worker;
    EXPECT_FALSE(worker.ParseStatisticPage(page));
    ASSERT_EQ(worker.GetRows().GetCount(), 1u);
    EXPECT_STREQ(RowOf(worker, 0).strTeam1, L"Polen");
    EXPECT_FALSE(worker.ParseArrayItems(L"", CThreadStatistic::ArrayCity));
    EXPECT_TRUE(worker.ParseArrayItems(L")", CThreadStatistic::ArrayCity)) << "an empty array";
}

TEST(ParseStatisticPage, DateThatDoesNotParseLeavesTheRowWithAnInvalidDate)
{
    const CString page = StatisticPage({
        {L"sdf", L"'gestern','unbekannt',"},
        {L"sC1", L"'Polen','Schweden',"},
    });
    CThreadStatistic worker;
    ASSERT_TRUE(worker.ParseStatisticPage(page));
    ASSERT_EQ(worker.GetRows().GetCount(), 2u);
    EXPECT_EQ(RowOf(worker, 0).dtFrom.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(RowOf(worker, 1).dtFrom.GetStatus(), COleDateTime::invalid);
    EXPECT_STREQ(RowOf(worker, 1).strTeam1, L"Schweden");
}

TEST(ParseStatisticPage, PageDatesReadDirectlyAgreeWithTheSystemParser)
{
    for (LPCWSTR text : {L"09.06.2006 18:00:00", L"9.6.2006 8:05:07", L"31.12.9999 23:59:59", L"01.01.1601",
                         L"29.02.2008 12:00", L"29.02.2006 12:00:00", L"31.04.2006", L"10.06.2006 24:00:00",
                         L"10.06.2006 12:60:00", L"10.06.2006 12:00:60", L"10.06.06 12:00:00", L"10.06.2006  12:00",
                         L"10.06.2006 12", L"10.06.2006 12:00:00 ", L"00.06.2006", L"10.13.2006", L"10.06.0999",
                         L"2006-06-10 12:00:00", L"gestern", L""})
    {
        COleDateTime direct, system;
        ParseStatisticDate(text, direct);
        system.ParseDateTime(text, 0, LANG_USER_DEFAULT);
        EXPECT_EQ(direct.GetStatus(), system.GetStatus()) << CStringA(text).GetString();
        EXPECT_EQ(direct.m_dt, system.m_dt) << CStringA(text).GetString();
    }
}

TEST(ParseStatisticPage, StopEndsALargeParseWithNothingRead)
{
    CString items;
    for (int n = 0; n < 5000; ++n)
        items += L"'Ghana',";
    const CString page = StatisticPage({{L"sC1", items}, {L"sC2", items}});
    CThreadStatistic worker;
    ASSERT_TRUE(worker.ParseStatisticPage(page));
    ASSERT_EQ(worker.GetRows().GetCount(), 5000u);

    // Signalled before or during the parse, the page does not count as read.
    worker.m_eventStop.SetEvent();
    EXPECT_FALSE(worker.ParseStatisticPage(page));
    EXPECT_FALSE(worker.ParseArrayItems(worker.FindArrayText(page, L"sC2"), CThreadStatistic::ArrayTeam2));
}

// The detail pages: category blocks of a match's resale page and the
// series offers of a team's page.
#include <gtest/gtest.h>

#include "ParsePageBuilders.h"
#include "engine/ThreadScan.h"

using namespace pages;

namespace {

// A resale page with one block per flag; block b is category b / 2 + 1,
// odd blocks of the second group.
CString ResalePage(std::initializer_list<bool> offered)
{
    CString page = L"<html><body><h1>Resale</h1><table>\r\n";
    int block = 0;
    for (bool offer : offered)
        page += CategoryBlock(block++ / 2 + 1, offer);
    return page + L"</table></body></html>";
}

CString TeamPage(LPCWSTR offers)
{
    return CString(L"<html><body><h1>Resale TST</h1><p>Serien TST-3 bis TST-7</p><table>\r\n") + offers +
           L"</table></body></html>";
}

// A scan whose list pages have given match 9 and team 6 their records.
void ReadLists(CThreadScan& scan)
{
    ASSERT_TRUE(scan.ParseResaleList(Page(PlainMatchRow(9, RESALE))));
    ASSERT_TRUE(scan.ParseTstList(Page(PlainTeamRow(L"Deutschland"))));
}

} // namespace

TEST(ParseResaleDetail, EightBlocksSetTheOfferedCategoriesOfBothGroups)
{
    CThreadScan scan;
    ReadLists(scan);
    ASSERT_TRUE(scan.ParseResaleDetailPage(ResalePage({true, true, true, true, true, true, true, true}), 9));
    ASSERT_TRUE(scan.ParseResaleDetailPage(ResalePage({true, false, false, true, false, false, false, false}), 9));

    const MatchStatus& record = scan.GetMatches()[8];
    for (int field = 9; field <= 16; ++field)
        EXPECT_EQ(Field(record, field), field == 9 || field == 14 ? 1 : 0) << "field " << field;
    EXPECT_EQ(record.nMatch, 9) << "the list fields stay";
}

TEST(ParseResaleDetail, SevenOrNineBlocksOrAMatchOutsideTheListChangeNothing)
{
    CThreadScan scan;
    ReadLists(scan);
    ASSERT_TRUE(scan.ParseResaleDetailPage(ResalePage({true, false, false, false, false, false, false, true}), 9));
    EXPECT_FALSE(scan.ParseResaleDetailPage(ResalePage({false, false, false, false, false, false, false}), 9));
    EXPECT_FALSE(scan.ParseResaleDetailPage(ResalePage({false, false, false, false, false, false, false, false, false}), 9));
    EXPECT_FALSE(scan.ParseResaleDetailPage(ResalePage({false, false, false, false, false, false, false, false}), 0));
    EXPECT_FALSE(scan.ParseResaleDetailPage(ResalePage({false, false, false, false, false, false, false, false}), 65));
    EXPECT_EQ(scan.GetMatches()[8].nResale[0], 1);
    EXPECT_EQ(scan.GetMatches()[8].nResaleSb[3], 1);
}

TEST(ParseResaleDetail, OfferIsAnInputInTheRowAfterTheHeadingInAnyCase)
{
    CThreadScan scan;
    ReadLists(scan);
    CString page = ResalePage({false, false, false, false, false, false, false, false});
    // An input in the heading row itself does not count; one written in
    // capitals in the following row does.
    page.Replace(L"<strong>Platzkategorie 2</strong></td></tr>",
                 L"<strong>Platzkategorie 2</strong><input type=\"hidden\"></td></tr>");
    int first = page.Find(L"Zur Zeit");
    page.Insert(first, L"<INPUT TYPE=RADIO>");
    ASSERT_TRUE(scan.ParseResaleDetailPage(page, 9));
    EXPECT_EQ(scan.GetMatches()[8].nResale[0], 1);
    EXPECT_EQ(scan.GetMatches()[8].nResale[1], 0);
}

TEST(ParseTstDetail, SeriesThreeToSevenAreSetAndOtherNumbersIgnored)
{
    CThreadScan scan;
    ReadLists(scan);
    ASSERT_TRUE(scan.ParseTstDetailPage(
        TeamPage(L"<tr><td><input type=\"radio\" name=\"p\" value=\"1\"> TST-3 Kategorie 2</td></tr>"
                 L"<tr><td><input type=\"radio\" name=\"p\" value=\"2\">\tTST-7</td></tr>"
                 L"<tr><td><input type=\"radio\" name=\"p\" value=\"3\">TST-2</td></tr>"
                 L"<tr><td><INPUT TYPE=\"radio\" name=\"p\" value=\"4\"> tst-8</td></tr>"),
        6));
    const TeamTstStatus& team = scan.GetTeams()[5];
    for (int field = 6; field <= 10; ++field)
        EXPECT_EQ(Field(team, field), field == 6 || field == 10 ? 1 : 0) << "field " << field;
}

TEST(ParseTstDetail, TeamPageWithoutOffersEndsThemAndAnyOtherPageChangesNothing)
{
    CThreadScan scan;
    ReadLists(scan);
    ASSERT_TRUE(scan.ParseTstDetailPage(TeamPage(L"<tr><td><input type=\"radio\"> TST-5</td></tr>"), 6));
    ASSERT_EQ(scan.GetTeams()[5].nResale[2], 1);
    // "TST-4" without an input before it, and an input with a line break
    // before the series, are no offers; without the order form this is not
    // the team's page (an error notice, an empty answer) and tells nothing.
    const CString noOffers = L"<tr><td>TST-4 ausverkauft</td></tr><tr><td><input type=\"radio\">\r\nTST-5</td></tr>";
    EXPECT_FALSE(scan.ParseTstDetailPage(TeamPage(noOffers), 6));
    EXPECT_FALSE(scan.ParseTstDetailPage(L"", 6));
    EXPECT_EQ(scan.GetTeams()[5].nResale[2], 1);
    // The team's page with its form and no offer in it: they have ended.
    const CString formPage = L"<FORM action=\"/cgi-bin/ds_wmd\" method=\"post\"><table>" + noOffers + L"</table></FORM>";
    EXPECT_TRUE(scan.ParseTstDetailPage(TeamPage(formPage), 6));
    for (int field = 6; field <= 10; ++field)
        EXPECT_EQ(Field(scan.GetTeams()[5], field), 0) << "field " << field;
    EXPECT_FALSE(scan.ParseTstDetailPage(TeamPage(formPage), 0));
    EXPECT_FALSE(scan.ParseTstDetailPage(TeamPage(formPage), 33));
}

TEST(ParseTstDetail, TeamWithoutRecordIsAnInvalidArgument)
{
    // The team's row was rejected after it had queued its detail page.
    CThreadScan scan;
    ReadLists(scan);
    bool thrown = false;
    try { scan.ParseTstDetailPage(TeamPage(L"<tr><td><input type=\"radio\"> TST-5</td></tr>"), 7); }
    catch (CInvalidArgException* e) { thrown = true; e->Delete(); }
    EXPECT_TRUE(thrown);
}

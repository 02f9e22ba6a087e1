// The two list pages: match rows of the resale list, team rows of the TST
// list, and the detail pages they queue.
#include <gtest/gtest.h>

#include "ParsePageBuilders.h"
#include "engine/SiteHosts.h"
#include "engine/ThreadScan.h"

using namespace pages;

namespace {

CString TicketAddress(LPCWSTR path)
{
    return CString(L"http://") + TICKET_SITE_HOST + path;
}

} // namespace

TEST(ParseResaleList, RowOfNineTagsFillsItsRecordByTagPosition)
{
    CThreadScan scan;
    // Tag 1 "tickets_yes", tag 7 "tickets_ltl", tag 5 the "resale_no_" icon.
    CString row = MatchRow(L"#12", {YES, NONE, NONE, NONE, NO_RESALE, NONE, LTL, NONE, NONE});
    ASSERT_TRUE(scan.ParseResaleList(Page(row)));

    ASSERT_EQ(scan.GetMatches().GetCount(), 64u);
    const MatchStatus& record = scan.GetMatches()[11];
    for (int field = 0; field < 17; ++field)
        EXPECT_EQ(Field(record, field), field == 0 ? 12 : field == 1 ? 1 : field == 6 ? 2 : 0) << "field " << field;
    EXPECT_EQ(scan.GetDetailQueue().GetCount(), 0u);
    EXPECT_EQ(scan.GetMatches()[10].nMatch, -1) << "a record no row filled";
}

TEST(ParseResaleList, ResaleIconWithoutNoWordQueuesTheMatchDetailPage)
{
    CThreadScan scan;
    ASSERT_TRUE(scan.ParseResaleList(Page(PlainMatchRow(12, RESALE) + PlainMatchRow(13) + PlainMatchRow(64, RESALE))));

    ASSERT_EQ(scan.GetDetailQueue().GetCount(), 2u);
    const CThreadScan::DetailEntry& first = scan.GetDetailQueue()[0];
    EXPECT_STREQ(first.strUrl, TicketAddress(L"/cgi-bin/ds_wmd?affiliate=wmd&id=WMD_NO_SESSION&fun=list_resale_packages"
                                              L"&doc=rs_einzel1&key=12&target=1"));
    EXPECT_EQ(first.nKind, CThreadScan::DetailResale);
    EXPECT_EQ(first.nNumber, 12);
    EXPECT_EQ(scan.GetDetailQueue()[1].nNumber, 64);
}

TEST(ParseResaleList, FewIconsManyIconsOrNumbersOutsideTheMatchesFailThePage)
{
    CThreadScan accepting;
    ASSERT_TRUE(accepting.ParseResaleList(Page(PlainMatchRow(64) + MatchRow(L"# 7 (Gruppe A)",
                                               {NONE, NONE, NONE, NONE, NO_RESALE, NONE, NONE, NONE, NONE}))));
    EXPECT_EQ(accepting.GetMatches()[63].nMatch, 64);
    EXPECT_EQ(accepting.GetMatches()[6].nMatch, 7) << "blanks may stand before the number";

    const CString good = PlainMatchRow(1);
    const CString bad[] = {
        MatchRow(L"#5", {NONE, NONE, NONE, NONE, NO_RESALE, NONE, NONE, NONE}),             // 8 tags
        MatchRow(L"#5", {NONE, NONE, NONE, NONE, NO_RESALE, NONE, NONE, NONE, NONE, NONE}), // 10 tags
        PlainMatchRow(0),
        PlainMatchRow(65),
        MatchRow(L"#x", {NONE, NONE, NONE, NONE, NO_RESALE, NONE, NONE, NONE, NONE}), // no number
        MatchRow(L" #5", {NONE, NONE, NONE, NONE, NO_RESALE, NONE, NONE, NONE, NONE}), // blank before "#"
    };
    for (const CString& row : bad)
    {
        CThreadScan scan;
        EXPECT_FALSE(scan.ParseResaleList(Page(good + row + PlainMatchRow(2)))) << (LPCWSTR)row;
        // What was read before the bad row stays, what follows is not read.
        EXPECT_EQ(scan.GetMatches()[0].nMatch, 1);
        EXPECT_EQ(scan.GetMatches()[1].nMatch, -1);
    }
}

TEST(ParseResaleList, FewLeftIsTestedBeforeOnSaleAndWordsIgnoreCase)
{
    CThreadScan scan;
    CString row = MatchRow(L"#3", {L"<IMG SRC=\"TICKETS_YES.GIF\">", L"<img class=\"tickets_yes\" src=\"tickets_ltl.gif\">",
                                   L"<img src=\"Tickets_Ltl.gif\">", NONE, L"<IMG SRC=\"RESALE_NO_DE.GIF\">", NONE, NONE,
                                   NONE, YES});
    row.Replace(L"<tr>", L"<TR>");
    ASSERT_TRUE(scan.ParseResaleList(Page(row)));
    const MatchStatus& record = scan.GetMatches()[2];
    EXPECT_EQ(record.nCategory[0], TICKETS_YES);
    EXPECT_EQ(record.nCategory[1], TICKETS_LITTLE);
    EXPECT_EQ(record.nCategory[2], TICKETS_LITTLE);
    EXPECT_EQ(record.nCategorySb[3], TICKETS_YES);
    EXPECT_EQ(scan.GetDetailQueue().GetCount(), 0u) << "upper-case RESALE_NO_ queues nothing";
}

TEST(ParseResaleList, PageWithoutAnyMatchRowFails)
{
    CThreadScan scan;
    // A maintenance page answers with status 200 but says nothing of the
    // offers: taken as read, it would end every open offer.
    EXPECT_FALSE(scan.ParseResaleList(L"<html><body><h1>Wartungsarbeiten</h1></body></html>"));
    EXPECT_FALSE(scan.ParseResaleList(Page(L"")));
    EXPECT_FALSE(scan.ParseResaleList(L""));
}

TEST(ParseResaleList, RowReplacesTheWholeRecordSoResaleFlagsReturnToZero)
{
    CThreadScan scan;
    CString detail = L"<table>";
    for (int block = 0; block < 8; ++block)
        detail += CategoryBlock(block / 2 + 1, true);
    ASSERT_TRUE(scan.ParseResaleList(Page(PlainMatchRow(20, RESALE) + PlainMatchRow(21, RESALE))));
    ASSERT_TRUE(scan.ParseResaleDetailPage(detail, 20));
    ASSERT_TRUE(scan.ParseResaleDetailPage(detail, 21));

    ASSERT_TRUE(scan.ParseResaleList(Page(PlainMatchRow(20))));
    EXPECT_EQ(scan.GetMatches()[19].nResale[0], 0) << "a row read again starts without resale offers";
    EXPECT_EQ(scan.GetMatches()[20].nResale[0], 1) << "a record that no row overwrote keeps its values";
}

TEST(ParseTstList, TeamNamesAreDecodedTrimmedAndLookedUpIgnoringCase)
{
    const struct { LPCWSTR nameCell; int team; } cases[] = {
        {L"Elfenbeink&uuml;ste", 8},
        {L"Elfenbeink&#252;ste", 8},
        {L"Elfenbeink&#xFC;ste", 8},
        {L"ELFENBEINK\u00C3\u00BCste", 8}, // the name in another code page
        {L"elfenbeinkueste", 8},
        {L"\r\n   deutschland \r\n", 6},
        {L"Trinidad und Tobago", 28},
        {L"Trinidad&#32;und&#x20;Tobago", 28}, // every name is decoded, not only the one with an umlaut
        {L"&#83;chweden", 23},
        {L"USA", 32},
        {L"Angola", 1},
    };
    for (const auto& c : cases)
    {
        CThreadScan scan;
        ASSERT_TRUE(scan.ParseTstList(Page(PlainTeamRow(c.nameCell)))) << (LPCWSTR)c.nameCell;
        ASSERT_EQ(scan.GetTeams().GetCount(), (size_t)c.team) << (LPCWSTR)c.nameCell;
        EXPECT_EQ(scan.GetTeams()[c.team - 1].nTeam, c.team);
    }
}

TEST(ParseTstList, UnknownOrEmptyNamesAreSkippedButAPageOfNoKnownTeamFails)
{
    CThreadScan scan;
    CString page = Page(PlainTeamRow(L"Mannschaft") + PlainTeamRow(L"  ") + PlainTeamRow(L"Elfenbein") +
                        PlainTeamRow(L"Ghana") + PlainTeamRow(L"Atlantis"));
    EXPECT_TRUE(scan.ParseTstList(page));
    EXPECT_EQ(scan.GetTeams().GetCount(), 11u);

    CThreadScan other;
    EXPECT_FALSE(other.ParseTstList(Page(PlainTeamRow(L"Mannschaft") + PlainTeamRow(L"Atlantis"))));
    EXPECT_EQ(other.GetTeams().GetCount(), 0u);
}

TEST(ParseTstList, SixCellsGiveFiveSeriesAndTheResaleLink)
{
    CThreadScan scan;
    CString link = CString(L"<a  href=\"ds_wmd?fun=list_resale_packages&doc=rs_tst1&key=6\" class=\"rs\">") + RESALE + L"</a>";
    ASSERT_TRUE(scan.ParseTstList(Page(PlainTeamRow(L"Angola") + TeamRow(L"Deutschland", {YES, NONE, LTL, NONE, YES, link}) +
                                       TeamRow(L"Brasilien", {NONE, NONE, NONE, NONE, NONE, L"<a href='x?key=4'>" + CString(RESALE) + L"</a>"}))));

    ASSERT_EQ(scan.GetTeams().GetCount(), 6u) << "grown to the highest team id";
    const TeamTstStatus& team = scan.GetTeams()[5];
    const int expected[11] = {6, 1, 0, 2, 0, 1, 0, 0, 0, 0, 0};
    for (int field = 0; field < 11; ++field)
        EXPECT_EQ(Field(team, field), expected[field]) << "field " << field;
    EXPECT_EQ(scan.GetTeams()[1].nTeam, 0) << "a gap below a parsed id is an empty record";
    EXPECT_EQ(scan.GetTeams()[0].nTeam, 1);

    ASSERT_EQ(scan.GetDetailQueue().GetCount(), 2u);
    EXPECT_STREQ(scan.GetDetailQueue()[0].strUrl, TicketAddress(L"/cgi-bin/ds_wmd?fun=list_resale_packages&doc=rs_tst1&key=6"));
    EXPECT_EQ(scan.GetDetailQueue()[0].nKind, CThreadScan::DetailTeam);
    EXPECT_EQ(scan.GetDetailQueue()[0].nNumber, 6);
    // Only double quotes are taken off the link target.
    EXPECT_STREQ(scan.GetDetailQueue()[1].strUrl, TicketAddress(L"/cgi-bin/'x?key=4'"));
    EXPECT_EQ(scan.GetDetailQueue()[1].nNumber, 4);
}

TEST(ParseTstList, RowsOfFiveOrSevenCellsFailThePageAndKeepWhatCameBefore)
{
    const CString shortRow = TeamRow(L"Ghana", {NONE, NONE, NONE, NONE, NO_RESALE});
    const CString longRow = TeamRow(L"Ghana", {NONE, NONE, NONE, NONE, NONE, RESALE, NONE});
    for (const CString& bad : {shortRow, longRow})
    {
        CThreadScan scan;
        EXPECT_FALSE(scan.ParseTstList(Page(PlainTeamRow(L"Iran") + bad + PlainTeamRow(L"USA"))));
        ASSERT_EQ(scan.GetTeams().GetCount(), 12u);
        EXPECT_EQ(scan.GetTeams()[11].nTeam, 12);
    }
    // The long row queued its detail page before it was rejected.
    CThreadScan scan;
    scan.ParseTstList(Page(longRow));
    EXPECT_EQ(scan.GetDetailQueue().GetCount(), 1u);
}

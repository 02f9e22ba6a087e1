// Reading the program's match list: root "Games", one
// "Record" element per match, values as child elements, German texts in
// UTF-8.
#include "PropExchangeTestSupport.h"

#include <cstdlib>

#include "framework/ole/COleDateTime.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

using namespace proptest;

namespace {

struct MatchRow
{
    long nId = 0;
    CString strRound, strCountry1, strCountry2, strCity;
    COleDateTime dtDate;
};

// The list the program ships.
CString ShippedListPath()
{
    // The source folder is a Unix path, reachable under Wine through Z:.
    const char* pszSource = getenv("TAVROLIN_SOURCE_DIR");
    CString strPath = CString(L"Z:") + CString(pszSource ? pszSource : "") + L"/app/assets/GAMES.XML";
    strPath.Replace(L'/', L'\\');
    return strPath;
}

std::vector<MatchRow> ReadMatches(CXTPPropExchangeXMLNode& px)
{
    std::vector<MatchRow> rows;
    CXTPPropExchangeEnumerator* pEnum = px.GetEnumerator(L"Record");
    for (POSITION pos = pEnum->GetPosition(); pos;)
    {
        Section record(pEnum->GetNext(pos));
        MatchRow row;
        XTPExchangeLongWithDefault(record.get(), L"ID", row.nId, 0);
        XTPExchangeStringWithDefault(record.get(), L"Round", row.strRound, L"");
        XTPExchangeStringWithDefault(record.get(), L"Country1", row.strCountry1, L"");
        XTPExchangeStringWithDefault(record.get(), L"Country2", row.strCountry2, L"");
        XTPExchangeStringWithDefault(record.get(), L"City", row.strCity, L"");
        XTPExchangeDate(record.get(), L"Date", row.dtDate);
        rows.push_back(row);
    }
    delete pEnum;
    return rows;
}

} // namespace

TEST(PropExchangeGamesFile, ReadsAllSixtyFourMatchesInElementMode)
{
    ComScope com;
    CXTPPropExchangeXMLNode px(TRUE, nullptr, L"Games");
    ASSERT_TRUE(px.LoadFromFile(ShippedListPath()));
    const std::vector<MatchRow> rows = ReadMatches(px);
    EXPECT_FALSE(px.IsCompactMode());

    ASSERT_EQ(64u, rows.size());
    for (size_t i = 0; i < rows.size(); i++)
    {
        EXPECT_EQ((long)i + 1, rows[i].nId);
        EXPECT_FALSE(rows[i].strRound.IsEmpty() || rows[i].strCountry1.IsEmpty() ||
                     rows[i].strCountry2.IsEmpty() || rows[i].strCity.IsEmpty())
            << "record " << i;
        EXPECT_EQ(2006, rows[i].dtDate.GetYear()) << "record " << i;
    }
    EXPECT_STREQ(L"Gruppe A", rows[0].strRound);
    EXPECT_STREQ(L"Deutschland", rows[0].strCountry1);
    EXPECT_STREQ(L"Costa Rica", rows[0].strCountry2);
    EXPECT_STREQ(L"Nürnberg", rows[0].strCity);
    EXPECT_TRUE(rows[0].dtDate == COleDateTime(2006, 6, 9, 15, 0, 0));
    EXPECT_STREQ(L"Elfenbeinküste", rows[4].strCountry2);
    EXPECT_STREQ(L"Finale", rows[63].strRound);
    EXPECT_STREQ(L"Leipzig", rows[63].strCity);
    EXPECT_TRUE(rows[63].dtDate == COleDateTime(2006, 7, 9, 21, 0, 0));
}

TEST(PropExchangeGamesFile, ACompactFileKeepsTheValuesAsAttributes)
{
    ComScope com;
    const CString strPath = WriteScratchFile(
        L"compact-games.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<Games CompactMode=\"1\">\n"
                              "  <Record ID=\"1\" Round=\"Gruppe A\" Country1=\"Deutschland\" Country2=\"Costa Rica\""
                              " City=\"K\xC3\xB6ln\" Date=\"2006-09-06T18:00:00\"/>\n"
                              "  <Record ID=\"2\" Round=\"Gruppe A\" Country1=\"Polen\" Country2=\"Ecuador\""
                              " City=\"N\xC3\xBCrnberg\" Date=\"2006-09-06\"/>\n"
                              "</Games>\n");
    CXTPPropExchangeXMLNode px(TRUE, nullptr, L"Games");
    ASSERT_TRUE(px.LoadFromFile(strPath));
    const std::vector<MatchRow> rows = ReadMatches(px);
    EXPECT_TRUE(px.IsCompactMode());
    ASSERT_EQ(2u, rows.size());
    EXPECT_STREQ(L"Köln", rows[0].strCity);
    EXPECT_STREQ(L"Nürnberg", rows[1].strCity);
    EXPECT_EQ(2, rows[1].nId);
    EXPECT_TRUE(rows[1].dtDate == COleDateTime(2006, 6, 9, 0, 0, 0));
}

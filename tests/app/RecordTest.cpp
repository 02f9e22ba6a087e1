// Reading match records from a match list: the acceptance rules of a
// record, one refusal failing the whole list, the record's items and the
// texts other parts of the program take from it.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include <memory>
#include <string>

#include "AppTestSupport.h"
#include "app/records/MatchListLoader.h"
#include "app/records/MatchRecord.h"
#include "app/records/StatRecord.h"
#include "app/records/TicketRecord.h"
#include "engine/StatRow.h"
#include "framework/core/CException.h"
#include "framework/files/CArchiveException.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"
#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/records/XTPReportRecords.h"

using namespace apptest;

namespace {

const char* const kGood =
    "<ID>1</ID><Round>Gruppe A</Round><Country1>Deutschland</Country1><Country2>Costa Rica</Country2>"
    "<City>München</City><Date>2006-09-06T18:00:00</Date>";

std::string Record(const std::string& values)
{
    return "<Record>" + values + "</Record>";
}

// The values with one of them replaced (an empty text stays an empty
// element; nullptr drops the element).
std::string With(const std::string& values, const char* name, const char* value)
{
    const std::string open = std::string("<") + name + ">", close = std::string("</") + name + ">";
    size_t from = values.find(open), to = values.find(close) + close.size();
    return values.substr(0, from) + (value ? open + value + close : "") + values.substr(to);
}

std::string GoodWith(const char* name, const char* value)
{
    return With(kGood, name, value);
}

struct LoadResult
{
    int cause = -1;  // the archive exception's cause; -1: nothing thrown
    int records = 0;
};

LoadResult LoadList(const std::string& records, CXTPReportRecords& target, const char* rootAttributes = "")
{
    std::string xml = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Games") + rootAttributes + ">" +
                      records + "</Games>";
    CString path = WriteTempFile(L"tavrolin_records.xml", xml.c_str());
    LoadResult result;
    CXTPPropExchangeXMLNode px(TRUE, nullptr, L"Games");
    if (!px.LoadFromFile(path))
        return result;
    try {
        LoadMatchRecords(&px, &target);
    } catch (CArchiveException* e) {
        result.cause = e->m_cause;
        e->Delete();
    }
    result.records = target.GetCount();
    DeleteFileW(path);
    return result;
}

class Records : public ::testing::Test
{
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }
};

} // namespace

TEST_F(Records, EachRuleOfARecordAcceptsOrRefusesTheList)
{
    struct Case { std::string values; int cause; };
    const Case cases[] = {
        {kGood, -1},
        {GoodWith("ID", "64"), -1},
        {GoodWith("ID", "0"), CArchiveException::none},
        {GoodWith("ID", "65"), CArchiveException::none},
        {GoodWith("ID", nullptr), CArchiveException::none},
        {GoodWith("Round", ""), CArchiveException::none},
        {GoodWith("Country1", ""), CArchiveException::none},
        {GoodWith("Country2", nullptr), CArchiveException::none},
        {GoodWith("City", ""), CArchiveException::none},
        // No date is no rule.
        {GoodWith("Date", nullptr), -1},
        {std::string("<Class>CMatchRecord</Class>") + kGood, -1},
        {std::string("<Class>CTicketRecord</Class>") + kGood, CArchiveException::badClass},
        // A class that does not exist, or no name at all, is no match record.
        {std::string("<Class>CMatchRekord</Class>") + kGood, CArchiveException::badClass},
        {std::string("<Class></Class>") + kGood, CArchiveException::badClass},
    };
    for (const Case& c : cases) {
        CXTPReportRecords records;
        LoadResult result = LoadList(Record(c.values), records);
        EXPECT_EQ(c.cause, result.cause) << c.values;
        EXPECT_EQ(c.cause == -1 ? 1 : 0, result.records) << c.values;
    }
}

TEST_F(Records, OneRefusedRecordLeavesNoRowsAndAllGoodOnesAreKept)
{
    CXTPReportRecords records;
    LoadResult result = LoadList(Record(kGood) + Record(GoodWith("ID", "65")) + Record(kGood), records);
    EXPECT_EQ(CArchiveException::none, result.cause);
    EXPECT_EQ(0, result.records);

    // 65 good records (a number twice): all are rows, in file order.
    std::string list;
    for (int i = 1; i <= 65; ++i)
        list += Record(GoodWith("ID", std::to_string(i > 64 ? 7 : i).c_str()));
    result = LoadList(list, records);
    EXPECT_EQ(-1, result.cause);
    ASSERT_EQ(65, result.records);
    EXPECT_EQ(7, static_cast<CMatchRecord*>(records.GetAt(64))->GetID());
    EXPECT_EQ(64, static_cast<CMatchRecord*>(records.GetAt(63))->GetID());
}

TEST_F(Records, CompactListKeepsItsValuesAsAttributes)
{
    CXTPReportRecords records;
    LoadResult result = LoadList("<Record ID=\"12\" Round=\"Gruppe C\" Country1=\"Niederlande\" "
                                 "Country2=\"Argentinien\" City=\"Köln\" Date=\"2006-21-06T21:00:00\"/>",
                                 records, " CompactMode=\"1\"");
    ASSERT_EQ(1, result.records);
    CMatchRecord* pRecord = static_cast<CMatchRecord*>(records.GetAt(0));
    EXPECT_EQ(12, pRecord->GetID());
    EXPECT_STREQ(L"Köln: Niederlande - Argentinien", pRecord->GetTitle());

    // The class name is an attribute too, with the same rule.
    result = LoadList("<Record Class=\"CMatchRecord\" ID=\"1\" Round=\"A\" Country1=\"B\" Country2=\"C\" City=\"D\"/>"
                      "<Record Class=\"CNoSuchRecord\" ID=\"2\" Round=\"A\" Country1=\"B\" Country2=\"C\" City=\"D\"/>",
                      records, " CompactMode=\"1\"");
    EXPECT_EQ(CArchiveException::badClass, result.cause);
    EXPECT_EQ(0, result.records);
}

TEST_F(Records, ACityOfOneBlankIsACity)
{
    // The XML reader trims texts; an archive keeps them as they are.
    std::unique_ptr<CMatchRecord, void (*)(CMatchRecord*)> record(
        NewArchivedMatch(5, L"Argentinien", L"Elfenbeinküste", L" "), [](CMatchRecord* p) { p->InternalRelease(); });
    EXPECT_EQ(5, record->GetID());
    EXPECT_STREQ(L" ", record->GetCity());
}

TEST_F(Records, MatchItemsCarryCheckBoxFlagsAndTheLocalesDate)
{
    CXTPReportRecords records;
    ASSERT_EQ(1, LoadList(Record(GoodWith("Country2", "SPAIN")), records).records);
    CMatchRecord* pRecord = static_cast<CMatchRecord*>(records.GetAt(0));
    ASSERT_EQ(7, pRecord->GetItemCount());
    CXTPReportRecordItem* pCheck = pRecord->GetItem(CMatchRecord::itemCheck);
    EXPECT_EQ(pCheck, pRecord->GetCheckItem());
    EXPECT_TRUE(pCheck->HasCheckbox());
    EXPECT_FALSE(pRecord->IsWatched());
    EXPECT_EQ(1, pRecord->GetItem(CMatchRecord::itemCountry1)->GetIconIndex());
    EXPECT_EQ(29, pRecord->GetItem(CMatchRecord::itemCountry2)->GetIconIndex());
    EXPECT_STREQ(L"1", pRecord->GetItem(CMatchRecord::itemNumber)->GetCaption(nullptr));
    EXPECT_STREQ(L"München", pRecord->GetCity());
    EXPECT_STREQ(L"München: Deutschland - SPAIN", pRecord->GetTitle());

    // The date text is the platform's own date-only form of the 9th of June.
    BSTR platform = nullptr;
    ASSERT_EQ(S_OK, VarBstrFromDate(COleDateTime(2006, 6, 9, 18, 0, 0).m_dt, LANG_USER_DEFAULT,
                                    VAR_DATEVALUEONLY, &platform));
    EXPECT_STREQ(platform, pRecord->GetDateText());
    SysFreeString(platform);

    pCheck->SetChecked(TRUE);
    EXPECT_TRUE(pRecord->IsWatched());
}

TEST_F(Records, GermanyIsFoundOnEitherSideAndAnUnreadRecordReadsEmpty)
{
    struct Case { const char* team1; const char* team2; BOOL germany; };
    const Case cases[] = {
        {"deutschland", "Polen", TRUE}, {"Ecuador", "GERMANY", TRUE},
        {"Deutschlandd", "Polen", FALSE}, {"Sieger Gruppe A", "Zweiter Gruppe B", FALSE},
    };
    for (const Case& c : cases) {
        CXTPReportRecords records;
        ASSERT_EQ(1, LoadList(Record(With(GoodWith("Country1", c.team1), "Country2", c.team2)), records).records);
        EXPECT_EQ(c.germany, static_cast<CMatchRecord*>(records.GetAt(0))->IsGermanyMatch())
            << c.team1 << " - " << c.team2;
    }

    CMatchRecord unread;
    EXPECT_FALSE(unread.IsWatched());
    EXPECT_FALSE(unread.IsGermanyMatch());
    EXPECT_STREQ(L":  - ", unread.GetTitle());
    EXPECT_STREQ(L"", unread.GetDateText());
    EXPECT_STREQ(L"", unread.GetCity());
}

TEST_F(Records, TicketAndStatisticRowsLinkTheStartAndFlagKnownTeams)
{
    CTicketRecord ticket(COleDateTime(2006, 6, 9, 12, 30, 0), L"Spanien", L"Niemand", L"", L"", L"", nullptr);
    EXPECT_STREQ(L"", ticket.GetPageAddress());
    EXPECT_EQ(1, ticket.GetItem(0)->GetHyperlinks()->GetSize());
    EXPECT_EQ(29, ticket.GetItem(1)->GetIconIndex());
    EXPECT_EQ(-1, ticket.GetItem(2)->GetIconIndex());

    StatRow row;
    row.strTeam1 = L"Tunesien";
    row.dtMatch = COleDateTime(2006, 6, 14, 0, 0, 0);
    CStatRecord stat(row);
    ASSERT_EQ(7, stat.GetItemCount());
    EXPECT_EQ(31, stat.GetItem(2)->GetIconIndex());
    EXPECT_STREQ(row.dtMatch.Format(L"%x"), stat.GetItem(5)->GetCaption(nullptr));

    // A team series' row has no match date: nothing shows, not the zero date.
    StatRow series;
    series.strCategory = L"TST 4 ";
    CStatRecord seriesRecord(series);
    EXPECT_STREQ(L"", seriesRecord.GetItem(5)->GetCaption(nullptr));
}

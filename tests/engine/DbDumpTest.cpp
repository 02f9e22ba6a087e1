// The text dump "statistic.log", compared byte for byte with lines built
// from the dump's layout: "%04d|%20s|%20s|%-113s|%-10s", CR LF, the German
// run-time locale's "%c" dates.
#include "DbTestSupport.h"

#include "engine/db/CDatabaseManager.h"
#include "framework/core/CInvalidArgException.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <ctime>
#include <vector>

namespace
{
CMainFrame* const FRAME = reinterpret_cast<CMainFrame*>(0x00C0FFEE);  // only handed back
std::vector<std::string> g_calls;
int g_failingGameText = 0;

void RecordGameText(int nGameId, CMainFrame* pFrame, CString& strText, int nTeamSpecific)
{
    g_calls.push_back("game " + std::to_string(nGameId) + " " + std::to_string(nTeamSpecific));
    if (--g_failingGameText == 0 || pFrame != FRAME)
        AfxThrowInvalidArgException();
    strText = nTeamSpecific ? L"Österreich" : L"Deutschland|Costa Rica";
    if (nGameId == 2)
        strText = CString(L'x', 130);  // longer than its column
}

CString RecordCategoryText(OfferCategoryCode code)
{
    g_calls.push_back("category " + std::to_string(code));
    CString text;
    text.Format(L"K%d", code & 0xFFFF);
    return text;
}

void RecordOffer(OfferCategoryCode code, CMainFrame* pFrame, DATE dtStart, int nGameId)
{
    g_calls.push_back("offer " + std::to_string(code) + " " + std::to_string(dtStart) + " " +
                      std::to_string(nGameId) + (pFrame == FRAME ? "" : " other frame"));
}

// "2006-06-09 18:05:07" as an OLE date computed by SQLite, for inserting.
std::string Sql(const char* when)
{
    return std::string("julianday('") + when + "') - 2415018.5";
}

// The C run-time's own "%c" text of the same moment.
std::string PlatformDate(const char* when)
{
    std::tm parts = {};
    sscanf(when, "%d-%d-%d %d:%d:%d", &parts.tm_year, &parts.tm_mon, &parts.tm_mday, &parts.tm_hour, &parts.tm_min,
           &parts.tm_sec);
    parts.tm_year -= 1900;
    parts.tm_mon -= 1;
    char text[64];
    strftime(text, sizeof(text), "%c", &parts);
    return text;
}

// One line of the dump's layout.
std::string Line(const char* id, const std::string& from, const std::string& to, const std::string& game,
                 const std::string& category)
{
    char line[256];
    snprintf(line, sizeof line, "%s|%20s|%20s|%-113s|%-10s\r\n", id, from.c_str(), to.c_str(), game.c_str(),
             category.c_str());
    return line;
}

class DbDump : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(setlocale(LC_ALL, "german"), nullptr);  // as the program runs
        g_calls.clear();
        g_failingGameText = 0;
        ASSERT_TRUE(m_manager.OpenOrCreate(CString(m_folder.Path().c_str())));
    }
    void TearDown() override { setlocale(LC_ALL, "C"); }


    void Insert(const std::string& values)
    {
        ASSERT_EQ(DbRawConnection(m_folder.File(L"data.db")).Exec("insert into main values( " + values + " );"), 0);
    }

    std::string Dump()
    {
        m_manager.DumpToFile(m_log.c_str(), FRAME);
        return ReadFileBytes(m_log);
    }

    CTestFolder m_folder;
    std::wstring m_log = m_folder.File(L"statistic.log");
    CDatabaseManager m_manager;
};

const char FROM[] = "2006-06-09 18:05:07";
const char TO[] = "2006-06-10 09:30:00";
const char LATE[] = "2006-12-24 23:59:58";
}

TEST_F(DbDump, OneLinePerRowWithTheFramesTextsAndItsCurrentOffers)
{
    Insert("1, " + Sql(FROM) + ", " + Sql(TO) + ", 0, 1");
    Insert("7, 38877.25, NULL, 5, 327682");  // still open (0x50002)
    Insert("12, " + Sql(LATE) + ", " + Sql(FROM) + ", 13, 131077");  // team-specific (0x20005)
    Insert("10000, " + Sql(TO) + ", 0, NULL, NULL");  // a zero end counts as open; NULLs read as 0
    Insert("10001, NULL, 0, 2, 1");                      // no start date: the day count's own start
    m_manager.SetDumpCallbacks(RecordGameText, RecordCategoryText, RecordOffer);

    EXPECT_EQ(Dump(), Line("0001", PlatformDate(FROM), PlatformDate(TO), "Deutschland|Costa Rica", "K1") +
                          Line("0007", PlatformDate("2006-06-09 06:00:00"), "", "Deutschland|Costa Rica", "K2") +
                          Line("0012", PlatformDate(LATE), PlatformDate(FROM), "\xD6sterreich", "K5") +
                          Line("10000", PlatformDate(TO), "", "Deutschland|Costa Rica", "K0") +
                          Line("10001", "30.12.1899 00:00:00", "", std::string(130, 'x'), "K1"));
    std::vector<std::string> calls = {
        "game 0 0",  "category 1",
        "game 5 0",  "category 327682", "offer 327682 " + std::to_string(38877.25) + " 5",
        "game 13 2", "category 131077",
        "game 0 0",  "category 0",      "offer 0 " + std::to_string(38878.395833) + " 0",
        "game 2 0",  "category 1",      "offer 1 " + std::to_string(0.0) + " 2",
    };
    EXPECT_EQ(g_calls, calls);
    EXPECT_TRUE(m_manager.IsContentsChanged());  // the frame clears it
}

TEST_F(DbDump, OpenRowSevenWithoutAFrame)
{
    Insert("7, " + Sql(FROM) + ", NULL, 3, 327682");
    EXPECT_EQ(Dump(), Line("0007", PlatformDate(FROM), "", "", "2 s.b. R"));
    EXPECT_STREQ(DefaultFormatCategoryCode(3), L"3 ");
    EXPECT_STREQ(DefaultFormatCategoryCode(0x20005), L"TST 5 ");
    EXPECT_STREQ(DefaultFormatCategoryCode(0x70007), L"TST 7 s.b. R");
}

TEST_F(DbDump, EmptyTableEmptiesTheFileAndAnUnchangedTableLeavesIt)
{
    WriteFileBytes(m_log, "old\r\n");
    EXPECT_EQ(Dump(), "");
    WriteFileBytes(m_log, "old\r\n");
    m_manager.SetContentsChanged(FALSE);
    Insert("1, 38877.5, 38877.6, 1, 1");
    EXPECT_EQ(Dump(), "old\r\n");
    m_manager.SetContentsChanged(TRUE);
    m_manager.SetDumpCallbacks(RecordGameText, RecordCategoryText, RecordOffer);
    m_manager.DumpToFile(m_folder.File(L"missing\\statistic.log").c_str(), FRAME);  // not writable: skipped
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(DbDump, FailureOnTheWayKeepsTheLinesWrittenAndReleasesTheDatabase)
{
    for (const char* id : { "1", "2", "3" })
        Insert(std::string(id) + ", " + Sql(FROM) + ", " + Sql(TO) + ", 1, 1");
    m_manager.SetDumpCallbacks(RecordGameText, RecordCategoryText, RecordOffer);
    g_failingGameText = 2;
    EXPECT_EQ(Dump(), Line("0001", PlatformDate(FROM), PlatformDate(TO), "Deutschland|Costa Rica", "K1"));
    // The dump's cursor is finalized at once: the file takes a writer before
    // the connection is closed, and then the connection closes for real.
    EXPECT_EQ(DbRawConnection(m_folder.File(L"data.db")).Exec("BEGIN EXCLUSIVE; ROLLBACK;"), 0);
    m_manager.Close();
    EXPECT_TRUE(DeleteFileW(m_folder.File(L"data.db").c_str()));
}

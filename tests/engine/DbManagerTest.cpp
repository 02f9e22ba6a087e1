// The history database "data.db": which files are opened, created, replaced
// or left alone, and the rows of the offer periods.
#include "DbTestSupport.h"

#include "engine/db/CDatabaseManager.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace
{
const char VERSION_1_WITH_ROWS[] =
    "CREATE TABLE version( version_id INTEGER ); insert into version values( 1 );"
    "CREATE TABLE main( id INTEGER PRIMARY KEY AUTOINCREMENT, datefrom NUMBER, dateto NUMBER, gameid INTEGER, "
    "category INTEGER ); insert into main values( NULL, 38870.5, 38870.75, 4, 1 );"
    "insert into main values( NULL, 38871.5, 38871.6, 17, 131077 ); insert into main values( NULL, 38872.5, NULL, 9, 2 );";

class DbManager : public testing::Test
{
protected:
    std::string Query(const char* sql) { return DbRawConnection(m_path).Text(sql); }

    CTestFolder m_folder;
    CString m_folderPath = m_folder.Path().c_str();
    std::wstring m_path = m_folder.File(L"data.db");
};
}

TEST(DbPath, JoinsFolderAndNameWithOneSeparatorWithinMaxPath)
{
    EXPECT_STREQ(MakeDatabasePath(L"C:\\Tavrolin\\"), L"C:\\Tavrolin\\data.db");
    EXPECT_STREQ(MakeDatabasePath(L"C:\\Tavrolin"), L"C:\\Tavrolin\\data.db");
    CString fits = CString(L"C:\\") + CString(L'f', 248) + L"\\";  // 259 characters with the name
    EXPECT_EQ(MakeDatabasePath(fits).GetLength(), 259);
    EXPECT_TRUE(MakeDatabasePath(fits + L"g").IsEmpty());
}

TEST_F(DbManager, FirstOpenCreatesTheTablesAndOnlyClosedRowsSurvive)
{
    {
        CDatabaseManager manager;
        ASSERT_TRUE(manager.OpenOrCreate(m_folderPath));
        manager.EndOffer(manager.AddOffer(38870.5, 3, 1), 38870.6);
        manager.AddOffer(38870.5, 4, 1);
        wchar_t current[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, current);
        EXPECT_EQ(std::wstring(current) + L"\\", m_folder.Path());
    }
    EXPECT_EQ(Query("select group_concat(sql, ';') from sqlite_master where name <> 'sqlite_sequence';"),
              "CREATE TABLE version( version_id INTEGER );CREATE TABLE main( id INTEGER PRIMARY KEY AUTOINCREMENT, "
              "datefrom NUMBER, dateto NUMBER, gameid INTEGER, category INTEGER )");
    EXPECT_EQ(Query("select group_concat(version_id) from version;"), "1");
    EXPECT_EQ(Query("select group_concat(gameid) from main;"), "3");

    DeleteFileW(m_path.c_str());
    ASSERT_EQ(DbRawConnection(m_path).Exec(VERSION_1_WITH_ROWS), SQLITE_OK);
    CDatabaseManager manager;
    ASSERT_TRUE(manager.OpenOrCreate(m_folderPath));
    EXPECT_EQ(Query("select group_concat(id) from main;"), "1,2");  // the open row went at opening
}

TEST_F(DbManager, OtherVersionsAreReplacedByAnEmptyDatabase)
{
    // The last two are another program's files: a version table whose
    // query cannot even be compiled against them.
    for (const char* change : { "update version set version_id = 2;", "delete from version;", "drop table version;",
                                "drop table version; CREATE TABLE version( build TEXT ); insert into version values( '1' );",
                                "drop table version; CREATE TABLE version( id INTEGER PRIMARY KEY, name TEXT ); "
                                "insert into version values( 1, 'v1' );" })
    {
        ASSERT_EQ(DbRawConnection(m_path).Exec(std::string(VERSION_1_WITH_ROWS) + change), SQLITE_OK);
        CDatabaseManager manager;
        ASSERT_TRUE(manager.OpenOrCreate(m_folderPath)) << change;
        EXPECT_TRUE(manager.IsVersionCurrent());
        EXPECT_EQ(Query("select (select group_concat(version_id) from version) || '/' || count(*) from main;"), "1/0")
            << change;
        manager.Close();
        DeleteFileW(m_path.c_str());
    }
}

TEST_F(DbManager, UnreadableOrLockedFilesAreKept)
{
    std::string garbage(4096, 'x');
    WriteFileBytes(m_path, garbage);
    CDatabaseManager manager;
    EXPECT_FALSE(manager.OpenOrCreate(m_folderPath));
    EXPECT_FALSE(manager.CreateDatabase(m_folderPath));
    EXPECT_EQ(ReadFileBytes(m_path), garbage);

    DeleteFileW(m_path.c_str());
    DbRawConnection other(m_path);
    ASSERT_EQ(other.Exec(std::string(VERSION_1_WITH_ROWS) + "BEGIN EXCLUSIVE;"), SQLITE_OK);
    EXPECT_EQ(manager.GetBusyTimeout(), 60000);  // a minute for the program
    manager.SetBusyTimeout(200);                   // the test waits less
    EXPECT_FALSE(manager.OpenOrCreate(m_folderPath));
    ASSERT_EQ(other.Exec("ROLLBACK;"), SQLITE_OK);
    EXPECT_EQ(other.Text("select group_concat(version_id) from version;"), "1");
    EXPECT_EQ(other.Text("select group_concat(id) from main;"), "1,2,3");
}

TEST_F(DbManager, CreatingGivesOnlyAFileWithoutTablesItsVersion)
{
    ASSERT_EQ(DbRawConnection(m_path).Exec(VERSION_1_WITH_ROWS), SQLITE_OK);
    CDatabaseManager manager;
    EXPECT_FALSE(manager.CreateDatabase(m_folderPath));
    EXPECT_EQ(Query("select count(*) from main;"), "3");
    DeleteFileW(m_path.c_str());
    EXPECT_TRUE(manager.CreateDatabase(m_folderPath));
    EXPECT_EQ(Query("select group_concat(name) || '/' || (select version_id from version) from sqlite_master;"),
              "version/1");
    EXPECT_FALSE(manager.IsVersionCurrent());  // closed again
    EXPECT_FALSE(manager.OpenOrCreate(CString()));
}

TEST_F(DbManager, OffersAreInsertedAndEndedAndMarkTheContentsChanged)
{
    CDatabaseManager manager;
    EXPECT_TRUE(manager.IsContentsChanged());
    manager.SetContentsChanged(FALSE);
    EXPECT_EQ(manager.AddOffer(38870.5, 12, 0x10003), -1);  // not open yet
    EXPECT_TRUE(manager.IsContentsChanged());

    ASSERT_TRUE(manager.OpenOrCreate(m_folderPath));
    manager.SetContentsChanged(FALSE);
    manager.DeleteOpenOffers();
    EXPECT_FALSE(manager.IsContentsChanged());
    EXPECT_EQ(manager.AddOffer(38870.5, 12, 0x10003), 1);
    EXPECT_EQ(manager.AddOffer(38870.625, 30, 0x20005), 2);
    EXPECT_TRUE(manager.IsContentsChanged());
    manager.SetContentsChanged(FALSE);
    manager.EndOffer(0, 38871.0);
    manager.EndOffer(-1, 38871.0);
    EXPECT_FALSE(manager.IsContentsChanged());
    manager.EndOffer(1, 38870.75);
    EXPECT_TRUE(manager.IsContentsChanged());
    EXPECT_EQ(Query("select group_concat(id || ':' || datefrom || ':' || ifnull(dateto, 'NULL') || ':' || gameid || "
                    "':' || category, ' ') from main;"),
              "1:38870.5:38870.75:12:65539 2:38870.625:NULL:30:131077");

    manager.DumpToFile(m_folder.File(L"statistic.log").c_str(), nullptr);
    manager.Close();  // finalizes the dump's cursor first, so the file is let go
    EXPECT_EQ(manager.AddOffer(38870.5, 1, 1), -1);
    EXPECT_TRUE(DeleteFileW(m_path.c_str()));
}

TEST(DbManagerInstance, LivesInTheProgramFolder)
{
    wchar_t module[MAX_PATH];
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path(module);
    path = path.substr(0, path.rfind(L'\\') + 1) + L"data.db";
    CTestFolder restoresTheWorkingDirectory;
    CDatabaseManager& manager = CDatabaseManager::GetInstance();
    EXPECT_EQ(&manager, &CDatabaseManager::GetInstance());
    EXPECT_TRUE(manager.OpenOrCreate());
    manager.Close();
    EXPECT_TRUE(DeleteFileW(path.c_str()));
}

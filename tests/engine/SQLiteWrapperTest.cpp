// The SQLite class layer on real database files: results, the exceptions
// (codes and texts) and who finalizes which statement.
#include "DbTestSupport.h"

#include "engine/db/CSQLiteDB.h"
#include "engine/db/CSQLiteException.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace
{
const wchar_t NOT_OPEN[] = L"SQLITE_WRAPPER_ERROR[1000]: Database not open";
const wchar_t NO_STATEMENT[] = L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer";
const wchar_t NO_SCALAR[] = L"SQLITE_WRAPPER_ERROR[1000]: Invalid scalar query";

class SQLiteWrapper : public testing::Test
{
protected:
    void SetUp() override
    {
        m_db.Open(m_path.c_str());
        m_db.Execute(L"create table t( id INTEGER PRIMARY KEY, name TEXT, value NUMBER );"
                     L"insert into t values( 1, 'Müller', 1.25 ); insert into t values( 2, NULL, NULL );");
    }

    // Only a connection closed with every statement finalized lets go of
    // the file (an open file cannot be deleted).
    bool CloseReleasesTheFile()
    {
        m_db.Close();
        return DeleteFileW(m_path.c_str()) != 0;
    }

    CTestFolder m_folder;
    std::wstring m_path = m_folder.File(L"wrapper.db");
    CSQLiteDB m_db;
};
}

TEST(SQLiteException, MessageNamesTheCodeAndIsCutToItsBuffer)
{
    EXPECT_STREQ(CSQLiteException(5, L"database is locked").GetMessageText(), L"SQLITE_BUSY[5]: database is locked");
    EXPECT_STREQ(CSQLiteException(101, nullptr).GetMessageText(), L"SQLITE_DONE[101]: ");
    for (int code : { -1, 26, 99, 102, 1001 })
        EXPECT_STREQ(CSQLiteException::GetErrorCodeName(code), L"UNKNOWN_ERROR") << code;
    CSQLiteException longOne(1, std::wstring(2000, L'x').c_str());
    EXPECT_EQ(wcslen(longOne.GetMessageText()), 511u);
    EXPECT_TRUE(static_cast<CException*>(&longOne)->IsKindOf(RUNTIME_CLASS(CSQLiteException)));
}

TEST(SQLiteConnection, NothingWorksWithoutConnectionOrStatement)
{
    CSQLiteDB db;
    EXPECT_EQ(DbErrorOf([&] { db.Execute(L"select 1;"); }), NOT_OPEN);
    EXPECT_EQ(DbErrorOf([&] { db.TableExists(L"t"); }), NOT_OPEN);
    CSQLiteStatement statement;
    EXPECT_EQ(DbErrorOf([&] { statement.BindDouble(1, 1.0); }), NO_STATEMENT);
    EXPECT_EQ(DbErrorOf([&] { statement.Execute(); }), NOT_OPEN);
    CSQLiteQuery query;
    EXPECT_TRUE(query.IsEof() && query.GetFieldCount() == 0);
    EXPECT_EQ(DbErrorOf([&] { query.NextRow(); }), NO_STATEMENT);

    CTestFolder folder;
    EXPECT_EQ(DbErrorOf([&] { db.Open(folder.File(L"no\\such.db").c_str()); }),
              L"SQLITE_CANTOPEN[14]: unable to open database file");
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(SQLiteWrapper, SQLiteFailuresCarryItsTextAndKeepTheConnection)
{
    EXPECT_EQ(DbErrorOf([&] { m_db.Execute(L"insert into t values( 3, 'a', 0 ); insert into t values( 1, 'b', 0 );"); }),
              L"SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: t.id");
    EXPECT_EQ(DbErrorOf([&] { m_db.CompileStatement(L"selec 1;"); }), L"SQLITE_ERROR[1]: near \"selec\": syntax error");
    // abs() of the smallest 64-bit integer fails while the row is computed.
    EXPECT_EQ(DbErrorOf([&] { m_db.ExecuteQuery(L"select abs(-9223372036854775808);"); }),
              L"SQLITE_ERROR[1]: integer overflow");
    EXPECT_EQ(DbErrorOf([&] { m_db.ExecuteScalar(L"select id from t where id = 9;"); }), NO_SCALAR);
    EXPECT_EQ(DbErrorOf([&] { m_db.ExecuteScalar(L"delete from t where id = 9;"); }), NO_SCALAR);
    EXPECT_EQ(m_db.ExecuteScalar(L"select count(*) from t;"), 3);
    EXPECT_TRUE(CloseReleasesTheFile());
}

TEST_F(SQLiteWrapper, ExecuteScalarAndTableExists)
{
    EXPECT_EQ(m_db.Execute(L"update t set value = 3;"), 2);
    // Compiled statements read UTF-16; the text must match what Execute wrote.
    EXPECT_EQ(m_db.ExecuteScalar(L"select count(*) from t where name = 'Müller' and length(name) = 6;"), 1);
    EXPECT_EQ(m_db.ExecuteScalar(L"select '42abc', 7;"), 42);
    EXPECT_EQ(m_db.ExecuteScalar(L"select name from t where id = 2;"), 0);
    m_db.Execute(L"create table \"it's\"( x ); create index byname on t( name );");
    EXPECT_TRUE(m_db.TableExists(L"it's"));
    EXPECT_FALSE(m_db.TableExists(L"' or '1'='1"));
    EXPECT_FALSE(m_db.TableExists(L"byname"));
    EXPECT_FALSE(m_db.TableExists(std::wstring(300, L'n').c_str()));
}

TEST_F(SQLiteWrapper, CursorWalksTheRowsAndReadsNullAsZero)
{
    CSQLiteQuery query = m_db.ExecuteQuery(L"select id, name, value from t order by id;");
    ASSERT_EQ(query.GetFieldCount(), 3);
    EXPECT_STREQ(query.GetTextField(1), "M\xC3\xBCller");
    EXPECT_EQ(query.GetFloatField(2), 1.25);
    EXPECT_EQ(DbErrorOf([&] { query.GetIntField(3); }), L"SQLITE_WRAPPER_ERROR[1000]: Invalid field index requested");
    EXPECT_EQ(DbErrorOf([&] { query.GetFloatField(-1); }), L"SQLITE_WRAPPER_ERROR[1000]: Invalid field index requested");
    query.NextRow();
    EXPECT_EQ(query.GetTextField(1), nullptr);
    EXPECT_EQ(query.GetIntField(1) + query.GetFloatField(2), 0.0);
    query.NextRow();
    query.NextRow();  // at the end it stays there instead of starting over
    EXPECT_TRUE(query.IsEof());
    CSQLiteQuery insert = m_db.ExecuteQuery(L"insert into t values( 5, 'x', 1 );");
    EXPECT_TRUE(insert.IsEof() && insert.GetFieldCount() == 0);

    m_db.Execute(L"update t set value = -9223372036854775808 where id = 2;");
    CSQLiteQuery failing = m_db.ExecuteQuery(L"select abs(value) from t order by id;");
    EXPECT_EQ(DbErrorOf([&] { failing.NextRow(); }), L"SQLITE_ERROR[1]: integer overflow");
    EXPECT_EQ(DbErrorOf([&] { failing.GetIntField(0); }), NO_STATEMENT);
}

TEST_F(SQLiteWrapper, EachStatementIsFinalizedByExactlyOneOwner)
{
    {
        CSQLiteQuery first = m_db.ExecuteQuery(L"select id from t order by id;");
        CSQLiteQuery second = m_db.ExecuteQuery(L"select name from t;");
        DbRawConnection other(m_path);
        EXPECT_EQ(other.Exec("delete from t;"), SQLITE_BUSY);  // the readers hold their lock
        second.Assign(first);  // finalizes second's own statement
        EXPECT_EQ(DbErrorOf([&] { first.NextRow(); }), NO_STATEMENT);
        second.NextRow();
        EXPECT_EQ(second.GetIntField(0), 2);
        CSQLiteQuery third = std::move(second);
        third.Finalize();
        EXPECT_EQ(other.Exec("update t set value = 7;"), SQLITE_OK);

        CSQLiteStatement statement = m_db.CompileStatement(L"delete from t where id = ?;");
        CSQLiteStatement moved = std::move(statement);
        EXPECT_EQ(DbErrorOf([&] { statement.BindInt(1, 1); }), NO_STATEMENT);
    }
    EXPECT_TRUE(CloseReleasesTheFile());
}

TEST_F(SQLiteWrapper, StatementBindsRunsAndIsResetForTheNextRun)
{
    CSQLiteStatement insert = m_db.CompileStatement(L"insert into t values( ?, ?, ? );");
    insert.BindInt(1, 10);
    insert.BindNull(2);
    insert.BindDouble(3, 38878.75);
    EXPECT_EQ(insert.Execute(), 1);
    insert.BindInt(1, 1);
    EXPECT_EQ(DbErrorOf([&] { insert.Execute(); }), L"SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: t.id");
    insert.BindInt(1, 11);  // reset after success and after failure alike
    EXPECT_EQ(insert.Execute(), 1);
    EXPECT_EQ(DbRawConnection(m_path).Text("select count(*) || value || typeof(name) from t where id >= 10;"),
              "238878.75null");

    CSQLiteStatement five = m_db.CompileStatement(L"select ?, ?, ?, ?, ?;");
    EXPECT_EQ(DbErrorOf([&] { five.BindInt(6, 1); }), L"SQLITE_RANGE[25]: Error binding int param");
    EXPECT_EQ(DbErrorOf([&] { five.BindDouble(0, 1); }), L"SQLITE_RANGE[25]: Error binding double param");
    EXPECT_EQ(DbErrorOf([&] { five.BindNull(6); }), L"SQLITE_RANGE[25]: Error binding NULL param");
    EXPECT_EQ(DbErrorOf([&] { five.Execute(); }).substr(0, 16), L"SQLITE_ROW[100]:");  // rows are no command
}

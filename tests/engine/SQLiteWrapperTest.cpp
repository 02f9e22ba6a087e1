// The SQLite class layer against real database files: results, the
// exceptions it throws (codes and texts) and the ownership of statements.
#include "DbTestSupport.h"

#include "engine/db/CSQLiteDB.h"
#include "engine/db/CSQLiteException.h"
#include "engine/db/CSQLiteQuery.h"
#include "engine/db/CSQLiteStatement.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <string>

namespace
{
struct Thrown
{
    bool thrown = false;
    int code = 0;
    std::wstring message;
};

// Runs the action and takes the CSQLiteException it throws apart.
Thrown Catch(const std::function<void()>& action)
{
    Thrown result;
    try
    {
        action();
    }
    catch (CSQLiteException* e)
    {
        result.thrown = true;
        result.code = e->GetErrorCode();
        result.message = e->GetMessageText();
        e->Delete();
    }
    return result;
}

class SQLiteWrapper : public testing::Test
{
protected:
    void SetUp() override
    {
        m_path = m_folder.File(L"wrapper.db");
        m_db.Open(m_path.c_str());
        m_db.Execute(L"create table t( id INTEGER PRIMARY KEY, name TEXT, value NUMBER );");
    }

    // True when nothing holds the file: every statement was finalized and
    // the connection really closed (an open file cannot be deleted).
    bool FileIsReleased()
    {
        m_db.Close();
        return DeleteFileW(m_path.c_str()) != 0;
    }

    DbTestFolder m_folder;
    std::wstring m_path;
    CSQLiteDB m_db;
};
}

TEST(SQLiteException, MessageNamesTheCodeAndCarriesTheText)
{
    CSQLiteException busy(5, L"database is locked");
    EXPECT_STREQ(busy.GetMessageText(), L"SQLITE_BUSY[5]: database is locked");
    EXPECT_EQ(busy.GetErrorCode(), 5);

    EXPECT_STREQ(CSQLiteException(0, L"not an error").GetMessageText(), L"SQLITE_OK[0]: not an error");
    EXPECT_STREQ(CSQLiteException(25, L"x").GetMessageText(), L"SQLITE_RANGE[25]: x");
    EXPECT_STREQ(CSQLiteException(100, L"").GetMessageText(), L"SQLITE_ROW[100]: ");
    EXPECT_STREQ(CSQLiteException(101, nullptr).GetMessageText(), L"SQLITE_DONE[101]: ");
    EXPECT_STREQ(CSQLiteException(1000, L"Database not open").GetMessageText(),
                 L"SQLITE_WRAPPER_ERROR[1000]: Database not open");
}

TEST(SQLiteException, CodesWithoutANameAreUnknown)
{
    // Next to the named ranges 0-25, 100-101 and 1000.
    for (int code : { -1, 26, 99, 102, 999, 1001, 266 })
        EXPECT_STREQ(CSQLiteException::GetErrorCodeName(code), L"UNKNOWN_ERROR") << code;
    EXPECT_STREQ(CSQLiteException(26, L"file is not a database").GetMessageText(),
                 L"UNKNOWN_ERROR[26]: file is not a database");
    EXPECT_STREQ(CSQLiteException::GetErrorCodeName(1), L"SQLITE_ERROR");
    EXPECT_STREQ(CSQLiteException::GetErrorCodeName(14), L"SQLITE_CANTOPEN");
    EXPECT_STREQ(CSQLiteException::GetErrorCodeName(24), L"SQLITE_FORMAT");
}

TEST(SQLiteException, LongTextIsCutInsideTheBuffer)
{
    std::wstring text(2000, L'x');
    CSQLiteException e(1, text.c_str());
    std::wstring message = e.GetMessageText();
    ASSERT_EQ(message.size(), 511u);
    EXPECT_EQ(message.substr(0, 16), L"SQLITE_ERROR[1]:");

    // The framework's message copy sees the same text.
    wchar_t copy[600];
    ASSERT_TRUE(e.GetErrorMessage(copy, 600));
    EXPECT_EQ(std::wstring(copy), message);
}

TEST(SQLiteException, IsAFrameworkException)
{
    try
    {
        CSQLiteException::ThrowWrapperError(L"Invalid scalar query");
    }
    catch (CException* e)
    {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CSQLiteException)));
        e->Delete();
        return;
    }
    FAIL() << "nothing caught";
}

TEST(SQLiteConnection, ClosedConnectionRefusesEveryOperation)
{
    CSQLiteDB db;
    EXPECT_FALSE(db.IsOpen());
    const wchar_t* expected = L"SQLITE_WRAPPER_ERROR[1000]: Database not open";
    for (const std::function<void()>& action : std::initializer_list<std::function<void()>>{
             [&] { db.Execute(L"select 1;"); },
             [&] { db.Compile(L"select 1;"); },
             [&] { db.ExecuteQuery(L"select 1;"); },
             [&] { db.ExecuteScalar(L"select 1;"); },
             [&] { db.TableExists(L"t"); },
         })
    {
        Thrown e = Catch(action);
        EXPECT_TRUE(e.thrown);
        EXPECT_EQ(e.code, 1000);
        EXPECT_EQ(e.message, expected);
    }
}

TEST(SQLiteConnection, OpenFailureCarriesSQLitesCodeAndText)
{
    DbTestFolder folder;
    CSQLiteDB db;
    std::wstring path = folder.File(L"missing\\folder\\x.db");
    Thrown e = Catch([&] { db.Open(path.c_str()); });
    EXPECT_TRUE(e.thrown);
    EXPECT_EQ(e.code, SQLITE_CANTOPEN);
    EXPECT_EQ(e.message, L"SQLITE_CANTOPEN[14]: unable to open database file");
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(SQLiteWrapper, ExecuteGivesTheChangedRowsAndKeepsTextIntact)
{
    EXPECT_EQ(m_db.Execute(L"insert into t values( 1, 'Müller', 1.5 );"), 1);
    EXPECT_EQ(m_db.Execute(L"insert into t values( 2, 'Österreich', 2 );"), 1);
    EXPECT_EQ(m_db.Execute(L"update t set value = 3;"), 2);
    // Compiled statements read UTF-16; the text must match what Execute wrote.
    EXPECT_EQ(m_db.ExecuteScalar(L"select count(*) from t where name = 'Müller' or name = 'Österreich';"), 2);
    EXPECT_EQ(m_db.ExecuteScalar(L"select length(name) from t where id = 2;"), 10);
}

TEST_F(SQLiteWrapper, ExecuteFailureCarriesSQLitesText)
{
    Thrown e = Catch([&] { m_db.Execute(L"insert into nope values( 1 );"); });
    EXPECT_EQ(e.code, SQLITE_ERROR);
    EXPECT_EQ(e.message, L"SQLITE_ERROR[1]: no such table: nope");

    e = Catch([&] { m_db.Execute(L"insert into t values( 1, 'a', 1 ); insert into t values( 1, 'b', 2 );"); });
    EXPECT_EQ(e.code, SQLITE_CONSTRAINT);
    EXPECT_EQ(e.message, L"SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: t.id");
    // The connection stays usable; the first statement of the batch stays done.
    EXPECT_EQ(m_db.ExecuteScalar(L"select count(*) from t;"), 1);
}

TEST_F(SQLiteWrapper, CompileFailureCarriesSQLitesText)
{
    Thrown e = Catch([&] { m_db.Compile(L"selec 1;"); });
    EXPECT_EQ(e.code, SQLITE_ERROR);
    EXPECT_EQ(e.message, L"SQLITE_ERROR[1]: near \"selec\": syntax error");
    e = Catch([&] { m_db.CompileStatement(L"select * from nope;"); });
    EXPECT_EQ(e.message, L"SQLITE_ERROR[1]: no such table: nope");
}

TEST_F(SQLiteWrapper, ScalarReadsTheFirstColumnOfTheFirstRowAsNumber)
{
    m_db.Execute(L"insert into t values( 1, '42abc', NULL );");
    m_db.Execute(L"insert into t values( 2, 'abc', 7.9 );");
    EXPECT_EQ(m_db.ExecuteScalar(L"select id, name from t order by id desc;"), 2);
    EXPECT_EQ(m_db.ExecuteScalar(L"select name from t where id = 1;"), 42);
    EXPECT_EQ(m_db.ExecuteScalar(L"select name from t where id = 2;"), 0);
    EXPECT_EQ(m_db.ExecuteScalar(L"select value from t where id = 1;"), 0);
    EXPECT_EQ(m_db.ExecuteScalar(L"select value from t where id = 2;"), 7);
    EXPECT_EQ(m_db.ExecuteScalar(L"select -12;"), -12);
}

TEST_F(SQLiteWrapper, ScalarWithoutRowIsInvalid)
{
    Thrown e = Catch([&] { m_db.ExecuteScalar(L"select id from t;"); });
    EXPECT_EQ(e.code, 1000);
    EXPECT_EQ(e.message, L"SQLITE_WRAPPER_ERROR[1000]: Invalid scalar query");
    e = Catch([&] { m_db.ExecuteScalar(L"delete from t;"); });
    EXPECT_EQ(e.message, L"SQLITE_WRAPPER_ERROR[1000]: Invalid scalar query");
    // Both cursors were finalized on the way out.
    EXPECT_TRUE(FileIsReleased());
}

TEST_F(SQLiteWrapper, TableExistsForAnyName)
{
    EXPECT_TRUE(m_db.TableExists(L"t"));
    EXPECT_FALSE(m_db.TableExists(L"version"));
    m_db.Execute(L"create table \"it's\"( x );");
    EXPECT_TRUE(m_db.TableExists(L"it's"));
    EXPECT_FALSE(m_db.TableExists(L"' or '1'='1"));
    std::wstring longName(300, L'n');
    EXPECT_FALSE(m_db.TableExists(longName.c_str()));
    // An index is no table.
    m_db.Execute(L"create index byname on t( name );");
    EXPECT_FALSE(m_db.TableExists(L"byname"));
}

TEST_F(SQLiteWrapper, QueryWalksTheRowsAndReadsNullAsZero)
{
    m_db.Execute(L"insert into t values( 1, 'one', 1.25 );");
    m_db.Execute(L"insert into t values( 2, NULL, NULL );");
    CSQLiteQuery query = m_db.ExecuteQuery(L"select id, name, value from t order by id;");
    ASSERT_FALSE(query.IsEof());
    EXPECT_EQ(query.GetFieldCount(), 3);
    EXPECT_EQ(query.GetIntField(0), 1);
    EXPECT_STREQ(query.GetTextField(1), "one");
    EXPECT_DOUBLE_EQ(query.GetFloatField(2), 1.25);
    EXPECT_EQ(query.GetIntField(2), 1);

    query.NextRow();
    ASSERT_FALSE(query.IsEof());
    EXPECT_EQ(query.GetIntField(0), 2);
    EXPECT_EQ(query.GetTextField(1), nullptr);
    EXPECT_EQ(query.GetIntField(1), 0);
    EXPECT_EQ(query.GetFloatField(2), 0.0);

    query.NextRow();
    EXPECT_TRUE(query.IsEof());
    // Stepping at the end does not start over.
    query.NextRow();
    EXPECT_TRUE(query.IsEof());
}

TEST_F(SQLiteWrapper, FieldIndexOutsideTheColumnsIsRefused)
{
    m_db.Execute(L"insert into t values( 1, 'one', 1 );");
    CSQLiteQuery query = m_db.ExecuteQuery(L"select id, name from t;");
    const wchar_t* expected = L"SQLITE_WRAPPER_ERROR[1000]: Invalid field index requested";
    EXPECT_EQ(Catch([&] { query.GetIntField(2); }).message, expected);
    EXPECT_EQ(Catch([&] { query.GetFloatField(-1); }).message, expected);
    EXPECT_EQ(Catch([&] { query.GetTextField(5); }).message, expected);
    EXPECT_FALSE(Catch([&] { query.GetIntField(1); }).thrown);
}

TEST_F(SQLiteWrapper, StatementWithoutRowsGivesACursorAtItsEnd)
{
    CSQLiteQuery insert = m_db.ExecuteQuery(L"insert into t values( 5, 'x', 1 );");
    EXPECT_TRUE(insert.IsEof());
    EXPECT_EQ(insert.GetFieldCount(), 0);
    CSQLiteQuery empty = m_db.ExecuteQuery(L"select * from t where id = 6;");
    EXPECT_TRUE(empty.IsEof());
    EXPECT_EQ(empty.GetFieldCount(), 3);
    EXPECT_EQ(m_db.ExecuteScalar(L"select count(*) from t;"), 1);
}

TEST_F(SQLiteWrapper, FailingFirstStepThrowsAndLeavesTheConnectionOpen)
{
    // abs() of the smallest 64-bit integer fails while the row is computed.
    Thrown e = Catch([&] { m_db.ExecuteQuery(L"select abs(-9223372036854775808);"); });
    EXPECT_EQ(e.code, SQLITE_ERROR);
    EXPECT_EQ(e.message, L"SQLITE_ERROR[1]: integer overflow");
    EXPECT_TRUE(m_db.IsOpen());
    EXPECT_EQ(m_db.ExecuteScalar(L"select 3;"), 3);
    EXPECT_TRUE(FileIsReleased());
}

TEST_F(SQLiteWrapper, FailingLaterStepFinalizesTheCursor)
{
    m_db.Execute(L"insert into t values( 1, 'a', -5 );");
    m_db.Execute(L"insert into t values( 2, 'b', -9223372036854775808 );");
    CSQLiteQuery query = m_db.ExecuteQuery(L"select abs(value) from t order by id;");
    EXPECT_EQ(query.GetIntField(0), 5);
    Thrown e = Catch([&] { query.NextRow(); });
    EXPECT_EQ(e.code, SQLITE_ERROR);
    EXPECT_EQ(e.message, L"SQLITE_ERROR[1]: integer overflow");
    EXPECT_EQ(Catch([&] { query.NextRow(); }).message, L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
    EXPECT_EQ(Catch([&] { query.GetIntField(0); }).message, L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
    EXPECT_TRUE(FileIsReleased());
}

TEST_F(SQLiteWrapper, DefaultCursorHasNoStatement)
{
    CSQLiteQuery query;
    EXPECT_TRUE(query.IsEof());
    EXPECT_EQ(query.GetFieldCount(), 0);
    EXPECT_EQ(Catch([&] { query.NextRow(); }).message, L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
    EXPECT_EQ(Catch([&] { query.GetIntField(0); }).message, L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
    EXPECT_FALSE(Catch([&] { query.Finalize(); }).thrown);
}

TEST_F(SQLiteWrapper, AssignedCursorTakesTheStatementOver)
{
    m_db.Execute(L"insert into t values( 1, 'a', 1 );");
    m_db.Execute(L"insert into t values( 2, 'b', 2 );");
    {
        CSQLiteQuery first = m_db.ExecuteQuery(L"select id from t order by id;");
        CSQLiteQuery second = m_db.ExecuteQuery(L"select name from t;");
        // second finalizes its own statement and takes over first's.
        second.Assign(first);
        EXPECT_EQ(second.GetIntField(0), 1);
        EXPECT_EQ(second.GetFieldCount(), 1);
        EXPECT_EQ(Catch([&] { first.NextRow(); }).message,
                  L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
        second.NextRow();
        EXPECT_EQ(second.GetIntField(0), 2);
        second.NextRow();
        EXPECT_TRUE(second.IsEof());

        // Assigning a cursor at its end carries the end flag.
        CSQLiteQuery third;
        third = std::move(second);
        EXPECT_TRUE(third.IsEof());
        EXPECT_EQ(third.GetFieldCount(), 1);
    }
    // Destroying all three finalized the two statements once each.
    EXPECT_TRUE(FileIsReleased());
}

TEST_F(SQLiteWrapper, OpenCursorHoldsTheFileUntilFinalized)
{
    m_db.Execute(L"insert into t values( 1, 'a', 1 );");
    m_db.Execute(L"insert into t values( 2, 'b', 2 );");
    CSQLiteQuery query = m_db.ExecuteQuery(L"select * from t;");
    DbRawConnection other(m_path);
    // The reading cursor keeps a shared lock: no one else may write.
    EXPECT_EQ(other.Exec("delete from t;"), SQLITE_BUSY);
    query.Finalize();
    EXPECT_EQ(other.Exec("delete from t;"), SQLITE_OK);
    EXPECT_FALSE(Catch([&] { query.Finalize(); }).thrown);
}

TEST_F(SQLiteWrapper, StatementBindsRunsAndResetsForTheNextRun)
{
    CSQLiteStatement statement = m_db.CompileStatement(L"insert into t values( ?, ?, ? );");
    statement.BindInt(1, 10);
    statement.BindNull(2);
    statement.BindDouble(3, 38878.7534722222);
    EXPECT_EQ(statement.Execute(), 1);
    // Reset after running: the same statement runs again with new values.
    statement.BindInt(1, 11);
    statement.BindDouble(3, -1.5);
    EXPECT_EQ(statement.Execute(), 1);
    statement.Finalize();

    DbRawConnection raw(m_path);
    EXPECT_EQ(raw.QueryInt("select count(*) from t;"), 2);
    EXPECT_TRUE(raw.QueryIsNull("select name from t where id = 10;"));
    EXPECT_EQ(raw.QueryDouble("select value from t where id = 10;"), 38878.7534722222);
    EXPECT_EQ(raw.QueryDouble("select value from t where id = 11;"), -1.5);
}

TEST_F(SQLiteWrapper, StatementGivesTheChangedRows)
{
    m_db.Execute(L"insert into t values( 1, 'a', 1 );");
    m_db.Execute(L"insert into t values( 2, 'b', 1 );");
    m_db.Execute(L"insert into t values( 3, 'c', 2 );");
    CSQLiteStatement statement = m_db.CompileStatement(L"delete from t where value = ?;");
    statement.BindInt(1, 1);
    EXPECT_EQ(statement.Execute(), 2);
    statement.BindInt(1, 5);
    EXPECT_EQ(statement.Execute(), 0);
}

TEST_F(SQLiteWrapper, BindingOutsideTheParametersNamesTheBinding)
{
    CSQLiteStatement statement = m_db.CompileStatement(L"select ?, ?, ?, ?, ?;");
    Thrown e = Catch([&] { statement.BindInt(6, 1); });
    EXPECT_EQ(e.code, SQLITE_RANGE);
    EXPECT_EQ(e.message, L"SQLITE_RANGE[25]: Error binding int param");
    EXPECT_EQ(Catch([&] { statement.BindDouble(0, 1.0); }).message, L"SQLITE_RANGE[25]: Error binding double param");
    EXPECT_EQ(Catch([&] { statement.BindNull(6); }).message, L"SQLITE_RANGE[25]: Error binding NULL param");
    EXPECT_FALSE(Catch([&] { statement.BindInt(5, 1); }).thrown);
}

TEST_F(SQLiteWrapper, FailedRunResetsTheStatement)
{
    m_db.Execute(L"insert into t values( 1, 'a', 1 );");
    CSQLiteStatement statement = m_db.CompileStatement(L"insert into t values( ?, 'b', 2 );");
    statement.BindInt(1, 1);
    Thrown e = Catch([&] { statement.Execute(); });
    EXPECT_EQ(e.code, SQLITE_CONSTRAINT);
    EXPECT_EQ(e.message, L"SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: t.id");
    statement.BindInt(1, 2);
    EXPECT_EQ(statement.Execute(), 1);
    // A statement that gives rows is no command to run.
    CSQLiteStatement select = m_db.CompileStatement(L"select id from t;");
    e = Catch([&] { select.Execute(); });
    EXPECT_TRUE(e.thrown);
    EXPECT_EQ(e.code, SQLITE_ROW);
    select.Finalize();
    statement.Finalize();
    EXPECT_TRUE(FileIsReleased());
}

TEST_F(SQLiteWrapper, StatementWithoutHandleOrConnectionIsRefused)
{
    CSQLiteStatement empty;
    EXPECT_EQ(Catch([&] { empty.BindInt(1, 1); }).message, L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
    EXPECT_EQ(Catch([&] { empty.BindDouble(1, 1); }).message, L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
    EXPECT_EQ(Catch([&] { empty.BindNull(1); }).message, L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
    EXPECT_EQ(Catch([&] { empty.Execute(); }).message, L"SQLITE_WRAPPER_ERROR[1000]: Database not open");
    EXPECT_FALSE(Catch([&] { empty.Finalize(); }).thrown);

    CSQLiteStatement finalized = m_db.CompileStatement(L"delete from t;");
    finalized.Finalize();
    EXPECT_EQ(Catch([&] { finalized.Execute(); }).message, L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
    EXPECT_FALSE(Catch([&] { finalized.Finalize(); }).thrown);
}

TEST_F(SQLiteWrapper, MovedStatementIsFinalizedOnce)
{
    {
        CSQLiteStatement first = m_db.CompileStatement(L"insert into t values( ?, 'a', 1 );");
        CSQLiteStatement second = std::move(first);
        EXPECT_EQ(Catch([&] { first.BindInt(1, 1); }).message,
                  L"SQLITE_WRAPPER_ERROR[1000]: Null Virtual Machine pointer");
        second.BindInt(1, 1);
        EXPECT_EQ(second.Execute(), 1);
        CSQLiteStatement third = m_db.CompileStatement(L"select 1;");
        third = std::move(second);
        third.BindInt(1, 2);
        EXPECT_EQ(third.Execute(), 1);
    }
    EXPECT_TRUE(FileIsReleased());
}

TEST_F(SQLiteWrapper, ReopeningKeepsOneConnection)
{
    m_db.Open(m_path.c_str());
    EXPECT_TRUE(m_db.TableExists(L"t"));
    EXPECT_TRUE(FileIsReleased());
}

TEST_F(SQLiteWrapper, LastRowIdIsTheInsertedRow)
{
    m_db.Execute(L"insert into t values( 41, 'a', 1 );");
    EXPECT_EQ(m_db.GetLastRowId(), 41);
    m_db.Execute(L"insert into t( name ) values( 'b' );");
    EXPECT_EQ(m_db.GetLastRowId(), 42);
}

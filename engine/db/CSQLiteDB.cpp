#include "engine/db/CSQLiteDB.h"

#include "engine/db/CSQLiteException.h"
#include "engine/db/SQLiteText.h"

#include <sqlite3.h>
#include <stdlib.h>

CSQLiteDB::CSQLiteDB()
    : m_pDB(NULL), m_nBusyTimeoutMs(DEFAULT_BUSY_TIMEOUT)
{
}

CSQLiteDB::~CSQLiteDB()
{
    Close();
}

void CSQLiteDB::Open(LPCWSTR lpszPath)
{
    // Opening again must not lose the earlier connection.
    Close();

    sqlite3* pDB = NULL;
    int nResult = sqlite3_open16(lpszPath, &pDB);
    if (nResult != SQLITE_OK)
    {
        // SQLite hands out a connection even when opening fails; it only
        // carries the message and must be closed after taking it.
        CSQLiteException* pException = NULL;
        const void* pText = sqlite3_errmsg16(pDB);
        pException = new CSQLiteException(nResult, pText != NULL ? static_cast<LPCWSTR>(pText) : L"");
        sqlite3_close(pDB);
        throw pException;
    }
    m_pDB = pDB;
    sqlite3_busy_timeout(m_pDB, m_nBusyTimeoutMs);
}

void CSQLiteDB::Close()
{
    if (m_pDB != NULL)
    {
        sqlite3_close(m_pDB);
        m_pDB = NULL;
    }
}

void CSQLiteDB::CheckOpen() const
{
    if (m_pDB == NULL)
        CSQLiteException::ThrowWrapperError(L"Database not open");
}

int CSQLiteDB::Execute(LPCWSTR lpszSQL)
{
    CheckOpen();
    // sqlite3_exec reads UTF-8; any other code page would store text that
    // cannot be read back.
    std::string sql = SQLiteTextToUtf8(lpszSQL);
    char* pszError = NULL;
    int nResult = sqlite3_exec(m_pDB, sql.c_str(), NULL, NULL, &pszError);
    if (nResult != SQLITE_OK)
    {
        CString strError = SQLiteTextFromUtf8(pszError);
        sqlite3_free(pszError);
        CSQLiteException::Throw(nResult, strError);
    }
    return sqlite3_changes(m_pDB);
}

sqlite3_stmt* CSQLiteDB::Compile(LPCWSTR lpszSQL)
{
    CheckOpen();
    sqlite3_stmt* pStatement = NULL;
    // The _v2 form compiles again by itself after a schema change made by
    // another connection instead of failing with SQLITE_SCHEMA.
    int nResult = sqlite3_prepare16_v2(m_pDB, lpszSQL, -1, &pStatement, NULL);
    if (nResult != SQLITE_OK)
        CSQLiteException::ThrowFromConnection(nResult, m_pDB);
    return pStatement;
}

CSQLiteStatement CSQLiteDB::CompileStatement(LPCWSTR lpszSQL)
{
    sqlite3_stmt* pStatement = Compile(lpszSQL);
    return CSQLiteStatement(m_pDB, pStatement);
}

CSQLiteQuery CSQLiteDB::ExecuteQuery(LPCWSTR lpszSQL)
{
    CheckOpen();
    sqlite3_stmt* pStatement = Compile(lpszSQL);
    int nStep = sqlite3_step(pStatement);
    if (nStep == SQLITE_DONE)
        return CSQLiteQuery(m_pDB, pStatement, TRUE, TRUE);
    if (nStep == SQLITE_ROW)
        return CSQLiteQuery(m_pDB, pStatement, FALSE, TRUE);

    int nFinalize = sqlite3_finalize(pStatement);
    CSQLiteException::ThrowFromConnection(nFinalize != SQLITE_OK ? nFinalize : nStep, m_pDB);
}

int CSQLiteDB::ExecuteScalar(LPCWSTR lpszSQL)
{
    CSQLiteQuery query = ExecuteQuery(lpszSQL);
    if (query.IsEof() || query.GetFieldCount() < 1)
        CSQLiteException::ThrowWrapperError(L"Invalid scalar query");
    const char* pszValue = query.GetTextField(0);
    int nValue = pszValue != NULL ? atoi(pszValue) : 0;
    query.Finalize();
    return nValue;
}

BOOL CSQLiteDB::TableExists(LPCWSTR lpszTable)
{
    // The name is quoted as an SQL text literal so that any name is safe.
    CString strName(lpszTable);
    strName.Replace(L"'", L"''");
    CString strSQL;
    strSQL.Format(L"select count(*) from sqlite_master where type='table' and name='%s'",
                  static_cast<LPCWSTR>(strName));
    return ExecuteScalar(strSQL) > 0;
}

int CSQLiteDB::GetLastRowId() const
{
    CheckOpen();
    return static_cast<int>(sqlite3_last_insert_rowid(m_pDB));
}

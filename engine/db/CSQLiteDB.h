#pragma once

#include "framework/text/CString.h"
#include "engine/db/CSQLiteQuery.h"
#include "engine/db/CSQLiteStatement.h"

struct sqlite3;
struct sqlite3_stmt;

// A connection to one SQLite database file. Every failure is thrown as a
// CSQLiteException pointer; a failed operation leaves the connection open.
class CSQLiteDB
{
public:
    enum { DEFAULT_BUSY_TIMEOUT = 60000 };

    CSQLiteDB();
    CSQLiteDB(const CSQLiteDB&) = delete;
    CSQLiteDB& operator=(const CSQLiteDB&) = delete;
    virtual ~CSQLiteDB();

    // Opens (or creates) the file; a locked database is waited for up to the
    // busy time-out.
    void Open(LPCWSTR lpszPath);
    void Close();
    BOOL IsOpen() const { return m_pDB != NULL; }
    // How long an open waits for a locked file; taken at the next Open.
    void SetBusyTimeout(int nMilliseconds) { m_nBusyTimeoutMs = nMilliseconds; }
    int GetBusyTimeout() const { return m_nBusyTimeoutMs; }

    // Runs one or more statements without results; returns the changed rows.
    int Execute(LPCWSTR lpszSQL);
    sqlite3_stmt* Compile(LPCWSTR lpszSQL);
    CSQLiteStatement CompileStatement(LPCWSTR lpszSQL);
    // A cursor on the first row, or at its end when there is none.
    CSQLiteQuery ExecuteQuery(LPCWSTR lpszSQL);
    // The first column of the first row as a number.
    int ExecuteScalar(LPCWSTR lpszSQL);
    BOOL TableExists(LPCWSTR lpszTable);

    // Row id of the latest successful insert on this connection.
    int GetLastRowId() const;

private:
    void CheckOpen() const;

    sqlite3* m_pDB;
    int m_nBusyTimeoutMs;
};

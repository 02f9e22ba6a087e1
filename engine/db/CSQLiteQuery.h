#pragma once

#include "framework/text/CString.h"

struct sqlite3;
struct sqlite3_stmt;

// Forward-only cursor over the rows of a query. The cursor that owns the
// statement finalizes it; handing a cursor on moves the statement with it.
class CSQLiteQuery
{
public:
    CSQLiteQuery();
    CSQLiteQuery(sqlite3* pDB, sqlite3_stmt* pStatement, BOOL bEof, BOOL bOwnsStatement);
    CSQLiteQuery(CSQLiteQuery&& other);
    CSQLiteQuery& operator=(CSQLiteQuery&& other);
    CSQLiteQuery(const CSQLiteQuery&) = delete;
    CSQLiteQuery& operator=(const CSQLiteQuery&) = delete;
    virtual ~CSQLiteQuery();

    // Finalizes the own statement and takes over the other cursor's.
    void Assign(CSQLiteQuery& other);

    BOOL IsEof() const { return m_bEof != 0; }
    int GetFieldCount() const { return m_nFieldCount; }

    // Fields by 0-based index; NULL reads as 0. The text is SQLite's UTF-8,
    // valid until the cursor moves.
    int GetIntField(int nField) const;
    double GetFloatField(int nField) const;
    const char* GetTextField(int nField) const;

    void NextRow();
    void Finalize();

private:
    void CheckStatement() const;
    void CheckField(int nField) const;

    sqlite3* m_pDB;
    sqlite3_stmt* m_pStatement;
    BYTE m_bEof;
    int m_nFieldCount;
    BYTE m_bOwnsStatement;
};

#pragma once

#include "framework/text/CString.h"

struct sqlite3;
struct sqlite3_stmt;

// A compiled statement with parameters, run any number of times. Only one
// object owns a statement handle at a time; it finalizes it exactly once.
class CSQLiteStatement
{
public:
    CSQLiteStatement();
    CSQLiteStatement(sqlite3* pDB, sqlite3_stmt* pStatement);
    CSQLiteStatement(CSQLiteStatement&& other);
    CSQLiteStatement& operator=(CSQLiteStatement&& other);
    CSQLiteStatement(const CSQLiteStatement&) = delete;
    CSQLiteStatement& operator=(const CSQLiteStatement&) = delete;
    virtual ~CSQLiteStatement();

    // Parameter indexes start at 1.
    void BindInt(int nParam, int nValue);
    void BindDouble(int nParam, double dValue);
    void BindNull(int nParam);

    // Runs the statement to its end, resets it and returns the changed rows.
    int Execute();
    void Finalize();

private:
    void CheckStatement() const;
    void TakeOver(CSQLiteStatement& other);

    sqlite3* m_pDB;
    sqlite3_stmt* m_pStatement;
};

#include "engine/db/CSQLiteQuery.h"

#include "engine/db/CSQLiteException.h"

#include <sqlite3.h>

CSQLiteQuery::CSQLiteQuery()
    : m_pDB(NULL), m_pStatement(NULL), m_bEof(1), m_nFieldCount(0), m_bOwnsStatement(0)
{
}

CSQLiteQuery::CSQLiteQuery(sqlite3* pDB, sqlite3_stmt* pStatement, BOOL bEof, BOOL bOwnsStatement)
    : m_pDB(pDB), m_pStatement(pStatement), m_bEof(bEof ? 1 : 0),
      m_nFieldCount(pStatement != NULL ? sqlite3_column_count(pStatement) : 0),
      m_bOwnsStatement(bOwnsStatement ? 1 : 0)
{
}

CSQLiteQuery::CSQLiteQuery(CSQLiteQuery&& other)
    : CSQLiteQuery()
{
    Assign(other);
}

CSQLiteQuery& CSQLiteQuery::operator=(CSQLiteQuery&& other)
{
    Assign(other);
    return *this;
}

CSQLiteQuery::~CSQLiteQuery()
{
    try
    {
        Finalize();
    }
    catch (CException* e)
    {
        e->Delete();
    }
}

void CSQLiteQuery::Assign(CSQLiteQuery& other)
{
    if (this == &other)
        return;
    try
    {
        Finalize();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    m_pDB = other.m_pDB;
    m_pStatement = other.m_pStatement;
    m_bEof = other.m_bEof;
    m_nFieldCount = other.m_nFieldCount;
    m_bOwnsStatement = other.m_bOwnsStatement;
    other.m_pStatement = NULL;
}

void CSQLiteQuery::CheckStatement() const
{
    if (m_pStatement == NULL)
        CSQLiteException::ThrowWrapperError(L"Null Virtual Machine pointer");
}

void CSQLiteQuery::CheckField(int nField) const
{
    CheckStatement();
    if (nField < 0 || nField > m_nFieldCount - 1)
        CSQLiteException::ThrowWrapperError(L"Invalid field index requested");
}

int CSQLiteQuery::GetIntField(int nField) const
{
    CheckField(nField);
    if (sqlite3_column_type(m_pStatement, nField) == SQLITE_NULL)
        return 0;
    return sqlite3_column_int(m_pStatement, nField);
}

double CSQLiteQuery::GetFloatField(int nField) const
{
    CheckField(nField);
    if (sqlite3_column_type(m_pStatement, nField) == SQLITE_NULL)
        return 0.0;
    return sqlite3_column_double(m_pStatement, nField);
}

const char* CSQLiteQuery::GetTextField(int nField) const
{
    CheckField(nField);
    return reinterpret_cast<const char*>(sqlite3_column_text(m_pStatement, nField));
}

void CSQLiteQuery::NextRow()
{
    CheckStatement();
    // Stepping past the end would start the query over: a forward-only
    // cursor stays at its end instead.
    if (m_bEof)
        return;
    int nStep = sqlite3_step(m_pStatement);
    if (nStep == SQLITE_DONE)
    {
        m_bEof = 1;
    }
    else if (nStep != SQLITE_ROW)
    {
        int nFinalize = sqlite3_finalize(m_pStatement);
        m_pStatement = NULL;
        m_bEof = 1;
        CSQLiteException::ThrowFromConnection(nFinalize != SQLITE_OK ? nFinalize : nStep, m_pDB);
    }
}

void CSQLiteQuery::Finalize()
{
    if (m_pStatement == NULL || !m_bOwnsStatement)
        return;
    int nResult = sqlite3_finalize(m_pStatement);
    m_pStatement = NULL;
    if (nResult != SQLITE_OK)
        CSQLiteException::ThrowFromConnection(nResult, m_pDB);
}

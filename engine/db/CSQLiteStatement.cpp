#include "engine/db/CSQLiteStatement.h"

#include "engine/db/CSQLiteException.h"

#include <sqlite3.h>

CSQLiteStatement::CSQLiteStatement()
    : m_pDB(NULL), m_pStatement(NULL)
{
}

CSQLiteStatement::CSQLiteStatement(sqlite3* pDB, sqlite3_stmt* pStatement)
    : m_pDB(pDB), m_pStatement(pStatement)
{
}

CSQLiteStatement::CSQLiteStatement(CSQLiteStatement&& other)
    : m_pDB(NULL), m_pStatement(NULL)
{
    TakeOver(other);
}

CSQLiteStatement& CSQLiteStatement::operator=(CSQLiteStatement&& other)
{
    if (this != &other)
    {
        try
        {
            Finalize();
        }
        catch (CException* e)
        {
            e->Delete();
        }
        TakeOver(other);
    }
    return *this;
}

CSQLiteStatement::~CSQLiteStatement()
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

void CSQLiteStatement::TakeOver(CSQLiteStatement& other)
{
    m_pDB = other.m_pDB;
    m_pStatement = other.m_pStatement;
    other.m_pStatement = NULL;
}

void CSQLiteStatement::CheckStatement() const
{
    if (m_pStatement == NULL)
        CSQLiteException::ThrowWrapperError(L"Null Virtual Machine pointer");
}

void CSQLiteStatement::BindInt(int nParam, int nValue)
{
    CheckStatement();
    int nResult = sqlite3_bind_int(m_pStatement, nParam, nValue);
    if (nResult != SQLITE_OK)
        CSQLiteException::Throw(nResult, L"Error binding int param");
}

void CSQLiteStatement::BindDouble(int nParam, double dValue)
{
    CheckStatement();
    int nResult = sqlite3_bind_double(m_pStatement, nParam, dValue);
    if (nResult != SQLITE_OK)
        CSQLiteException::Throw(nResult, L"Error binding double param");
}

void CSQLiteStatement::BindNull(int nParam)
{
    CheckStatement();
    int nResult = sqlite3_bind_null(m_pStatement, nParam);
    if (nResult != SQLITE_OK)
        CSQLiteException::Throw(nResult, L"Error binding NULL param");
}

int CSQLiteStatement::Execute()
{
    if (m_pDB == NULL)
        CSQLiteException::ThrowWrapperError(L"Database not open");
    CheckStatement();

    int nStep = sqlite3_step(m_pStatement);
    if (nStep != SQLITE_DONE)
    {
        int nReset = sqlite3_reset(m_pStatement);
        // A statement that gave a row is not an SQLite error, but it is no
        // success of Execute either: report the step's result then.
        CSQLiteException::ThrowFromConnection(nReset != SQLITE_OK ? nReset : nStep, m_pDB);
    }

    int nChanges = sqlite3_changes(m_pDB);
    int nReset = sqlite3_reset(m_pStatement);
    if (nReset != SQLITE_OK)
        CSQLiteException::ThrowFromConnection(nReset, m_pDB);
    return nChanges;
}

void CSQLiteStatement::Finalize()
{
    if (m_pStatement == NULL)
        return;
    int nResult = sqlite3_finalize(m_pStatement);
    m_pStatement = NULL;
    if (nResult != SQLITE_OK)
        CSQLiteException::ThrowFromConnection(nResult, m_pDB);
}

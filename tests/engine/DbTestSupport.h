// Helpers of the database tests: direct SQLite access that bypasses the
// classes under test, and exception capture; files go to a CTestFolder.
#pragma once

#include "support/SiteSimulation.h"

#include <functional>
#include <string>

struct sqlite3;

// A second connection that never waits for locks.
class DbRawConnection
{
public:
    explicit DbRawConnection(const std::wstring& path);
    ~DbRawConnection();
    int Exec(const std::string& sql);
    // The first column of the first row as text; "<null>" or "<none>".
    std::string Text(const char* sql);

private:
    sqlite3* m_db;
};

// The message of the CSQLiteException the action throws; empty if none.
std::wstring DbErrorOf(const std::function<void()>& action);

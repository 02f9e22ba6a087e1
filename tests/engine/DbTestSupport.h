// Helpers of the database tests: a folder of their own, direct SQLite
// access that bypasses the classes under test, and exception capture.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct sqlite3;

// A new empty folder below the working directory, removed with its files at
// the end; the working directory (opening a database changes it) is restored.
class DbTestFolder
{
public:
    DbTestFolder();
    ~DbTestFolder();
    std::wstring File(const wchar_t* name) const { return m_path + name; }
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_previousDirectory;
    std::wstring m_path;
};

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

std::string DbReadFile(const std::wstring& path);
void DbWriteFile(const std::wstring& path, const std::string& bytes);

// Helpers of the database tests: a folder of their own and direct SQLite
// access that does not go through the classes under test.
#pragma once

#include <windows.h>

#include <string>

struct sqlite3;

// A new empty folder below the working directory, removed with its files
// at the end. The working directory is restored too (opening a database
// makes its folder current).
class DbTestFolder
{
public:
    DbTestFolder();
    ~DbTestFolder();
    DbTestFolder(const DbTestFolder&) = delete;
    DbTestFolder& operator=(const DbTestFolder&) = delete;

    // Ends with a backslash.
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const wchar_t* name) const { return m_path + name; }

private:
    std::wstring m_path;
    std::wstring m_previousDirectory;
};

// A second connection to a database file, with no busy wait of its own.
class DbRawConnection
{
public:
    explicit DbRawConnection(const std::wstring& path);
    ~DbRawConnection();
    DbRawConnection(const DbRawConnection&) = delete;
    DbRawConnection& operator=(const DbRawConnection&) = delete;

    // The SQLite result code.
    int Exec(const char* sql);
    // The first column of the first row; fallback when there is no row.
    long long QueryInt(const char* sql, long long fallback = -1);
    double QueryDouble(const char* sql);
    std::string QueryText(const char* sql);
    bool QueryIsNull(const char* sql);
    sqlite3* Handle() const { return m_db; }

private:
    sqlite3* m_db;
};

std::string DbReadFile(const std::wstring& path);
void DbWriteFile(const std::wstring& path, const std::string& bytes);
bool DbFileExists(const std::wstring& path);

#include "DbTestSupport.h"

#include <sqlite3.h>

#include <cstdio>

DbTestFolder::DbTestFolder()
{
    static int s_counter = 0;
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    m_previousDirectory = current;
    wchar_t name[64];
    swprintf(name, 64, L"\\dbtest-%lu-%d\\", GetCurrentProcessId(), ++s_counter);
    m_path = m_previousDirectory + name;
    CreateDirectoryW(m_path.c_str(), nullptr);
}

DbTestFolder::~DbTestFolder()
{
    SetCurrentDirectoryW(m_previousDirectory.c_str());
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((m_path + L"*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            {
                std::wstring file = m_path + data.cFileName;
                SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(file.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(m_path.c_str());
}

DbRawConnection::DbRawConnection(const std::wstring& path)
    : m_db(nullptr)
{
    if (sqlite3_open16(path.c_str(), &m_db) != SQLITE_OK)
    {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

DbRawConnection::~DbRawConnection()
{
    sqlite3_close(m_db);
}

int DbRawConnection::Exec(const char* sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
}

long long DbRawConnection::QueryInt(const char* sql, long long fallback)
{
    sqlite3_stmt* statement = nullptr;
    long long value = fallback;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return value;
}

double DbRawConnection::QueryDouble(const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    double value = -1.0;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_double(statement, 0);
    sqlite3_finalize(statement);
    return value;
}

std::string DbRawConnection::QueryText(const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    std::string value = "<no row>";
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
    {
        const unsigned char* text = sqlite3_column_text(statement, 0);
        value = text ? reinterpret_cast<const char*>(text) : "<null>";
    }
    sqlite3_finalize(statement);
    return value;
}

bool DbRawConnection::QueryIsNull(const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    bool isNull = false;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        isNull = sqlite3_column_type(statement, 0) == SQLITE_NULL;
    sqlite3_finalize(statement);
    return isNull;
}

std::string DbReadFile(const std::wstring& path)
{
    std::string bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return bytes;
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof(buffer), file)) > 0)
        bytes.append(buffer, count);
    fclose(file);
    return bytes;
}

void DbWriteFile(const std::wstring& path, const std::string& bytes)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return;
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

bool DbFileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

#include "DbTestSupport.h"

#include "engine/db/CSQLiteException.h"

#include <sqlite3.h>

#include <fstream>
#include <iterator>

DbTestFolder::DbTestFolder()
{
    static int s_counter = 0;
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    m_previousDirectory = current;
    m_path = m_previousDirectory + L"\\dbtest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++s_counter) + L"\\";
    CreateDirectoryW(m_path.c_str(), nullptr);
}

DbTestFolder::~DbTestFolder()
{
    SetCurrentDirectoryW(m_previousDirectory.c_str());
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((m_path + L"*").c_str(), &data);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data))
        DeleteFileW((m_path + data.cFileName).c_str());
    FindClose(find);
    RemoveDirectoryW(m_path.c_str());
}

DbRawConnection::DbRawConnection(const std::wstring& path)
{
    sqlite3_open16(path.c_str(), &m_db);
}

DbRawConnection::~DbRawConnection()
{
    sqlite3_close(m_db);
}

int DbRawConnection::Exec(const std::string& sql)
{
    return sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
}

std::string DbRawConnection::Text(const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    std::string value = "<none>";
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
    {
        const unsigned char* text = sqlite3_column_text(statement, 0);
        value = text ? reinterpret_cast<const char*>(text) : "<null>";
    }
    sqlite3_finalize(statement);
    return value;
}

std::wstring DbErrorOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (CSQLiteException* e)
    {
        std::wstring message = e->GetMessageText();
        e->Delete();
        return message;
    }
    return std::wstring();
}

std::string DbReadFile(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void DbWriteFile(const std::wstring& path, const std::string& bytes)
{
    std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

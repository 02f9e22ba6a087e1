#include "DbTestSupport.h"

#include "engine/db/CSQLiteException.h"

#include <sqlite3.h>


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

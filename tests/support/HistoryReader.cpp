#include "support/HistoryReader.h"

#include <windows.h>

#include <sqlite3.h>

bool ReadHistory(const std::wstring& path, std::vector<HistoryRow>& rows)
{
    rows.clear();
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    sqlite3* db = nullptr;
    bool bRead = false;
    if (sqlite3_open16(path.c_str(), &db) == SQLITE_OK)
    {
        sqlite3_busy_timeout(db, 5000);
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "select id, gameid, category, datefrom, dateto from main order by id;", -1,
                               &statement, nullptr) == SQLITE_OK)
        {
            int step;
            while ((step = sqlite3_step(statement)) == SQLITE_ROW)
            {
                HistoryRow row;
                row.id = sqlite3_column_int(statement, 0);
                row.gameId = sqlite3_column_int(statement, 1);
                row.category = sqlite3_column_int(statement, 2);
                row.dateFrom = sqlite3_column_double(statement, 3);
                row.hasDateTo = sqlite3_column_type(statement, 4) != SQLITE_NULL;
                rows.push_back(row);
            }
            bRead = step == SQLITE_DONE;
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return bRead;
}

// The program's history database "data.db" read as another program reads
// it: SQLite with a busy timeout, while the program may be writing.
#pragma once

#include <string>
#include <vector>

struct HistoryRow
{
    int id = 0;
    int gameId = 0;
    int category = 0;
    double dateFrom = 0;
    bool hasDateTo = false;
};

// All rows of table "main" in id order; false when the file cannot be read
// (missing, locked beyond the timeout, no table yet).
bool ReadHistory(const std::wstring& path, std::vector<HistoryRow>& rows);

// What the application's tests share: the path of a file the build copies
// beside the program, and the shipped match list read as the program's XML
// reader reads it.
#pragma once
#include <windows.h>

#include <vector>

#include "framework/ole/COleDateTime.h"
#include "framework/text/CString.h"

namespace apptest {

// app/assets/<relative> of the source folder, through Wine's Z: drive.
CString AssetPath(LPCWSTR relative);

struct ShippedMatch
{
    long id = 0;
    CString round, team1, team2, city;
    COleDateTime date;
};

// The "Record" sections of the shipped GAMES.XML in file order; compact
// mode of the root is reported through *pCompact. Empty when unreadable.
std::vector<ShippedMatch> ReadShippedMatches(BOOL* pCompact = nullptr);

} // namespace apptest

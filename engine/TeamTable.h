// The 32 teams of the tournament: team id 1 to 32 and German name.
#pragma once
#include "framework/Framework.h"

enum
{
    TEAM_COUNT = 32
};

// The name of a team id; empty for an id outside 1 to 32.
CString GetTeamNameById(int nTeam);

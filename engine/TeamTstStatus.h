// One team's team-specific ticket series ("TST" 3 to 7): 11 signed 32-bit
// integers.
#pragma once

struct TeamTstStatus
{
    int nTeam;          // team id 1 to 32
    int nSeries[5];     // series 3 to 7 on the list page: 0, 1 or 2 as for matches
    int nResale[5];     // 1: resale offer of series 3 to 7 on the team's detail page

    TeamTstStatus() : nTeam(0), nSeries(), nResale() {}
};

static_assert(sizeof(TeamTstStatus) == 11 * 4, "a team record is 11 32-bit integers");

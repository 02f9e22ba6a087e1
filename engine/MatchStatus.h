// One match's availability as a scan found it: 17 signed 32-bit integers.
#pragma once

// Icon states of a category on a list page.
enum
{
    TICKETS_NONE = 0,   // no offer icon
    TICKETS_YES = 1,    // an icon containing "tickets_yes"
    TICKETS_LITTLE = 2  // an icon containing "tickets_ltl"
};

struct MatchStatus
{
    int nMatch;             // 1 to 64; -1 while no list row has filled the record
    int nCategory[4];       // categories 1 to 4 of the first icon group
    int nCategorySb[4];     // categories 1 to 4 of the second ("s.b.") icon group
    int nResale[4];         // 1: resale offer in that category of the first group
    int nResaleSb[4];       // 1: resale offer in that category of the second group

    MatchStatus() : nMatch(-1), nCategory(), nCategorySb(), nResale(), nResaleSb() {}
};

static_assert(sizeof(MatchStatus) == 17 * 4, "a match record is 17 32-bit integers");

// The match list shipped beside the program, read through the XML
// exchanger as the program reads it: every record passes the program's
// acceptance rules, in match-number order, with dates in the tournament.
#include <gtest/gtest.h>

#include "AppTestSupport.h"

using namespace apptest;

TEST(GamesFile, ShippedListHoldsSixtyFourAcceptableMatchesInOrder)
{
    BOOL compact = TRUE;
    const std::vector<ShippedMatch> matches = ReadShippedMatches(&compact);
    ASSERT_EQ(64u, matches.size());
    // Values as child elements: the mode the file's root asks for.
    EXPECT_FALSE(compact);

    const COleDateTime first(2006, 6, 9, 0, 0, 0), last(2006, 7, 10, 0, 0, 0);
    for (size_t i = 0; i < matches.size(); ++i) {
        const ShippedMatch& m = matches[i];
        EXPECT_EQ(static_cast<long>(i) + 1, m.id);
        EXPECT_FALSE(m.round.IsEmpty() || m.team1.IsEmpty() || m.team2.IsEmpty() || m.city.IsEmpty())
            << "match " << m.id;
        EXPECT_TRUE(m.date >= first && m.date < last) << "match " << m.id;
        // The selections by round rely on these numbers.
        if (m.id >= 49 && m.id <= 56) {
            EXPECT_STREQ(L"Achtelfinale", m.round);
        }
    }
    // Year, day, month: the 9th of June, not the 6th of September.
    EXPECT_TRUE(matches[0].date == COleDateTime(2006, 6, 9, 15, 0, 0));
    EXPECT_STREQ(L"Deutschland", matches[0].team1);
    EXPECT_STREQ(L"Finale", matches[63].round);
}

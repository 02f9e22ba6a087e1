// The match list shipped beside the program, read through the XML
// exchanger as the program reads it: every record passes the program's
// acceptance rules, in match-number order, with dates in the tournament.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "framework/ole/COleDateTime.h"
#include "toolkit/common/XTPPropExchangeEnumerator.h"
#include "toolkit/common/XTPPropExchangeXMLNode.h"

TEST(GamesFile, ShippedListHoldsSixtyFourAcceptableMatchesInOrder)
{
    CoInitialize(nullptr);
    {
        const char* source = getenv("TAVROLIN_SOURCE_DIR");
        CString path = CString(L"Z:") + CString(source ? source : "") + L"/app/assets/GAMES.XML";
        path.Replace(L'/', L'\\');
        CXTPPropExchangeXMLNode px(TRUE, nullptr, L"Games");
        ASSERT_TRUE(px.LoadFromFile(path));

        const COleDateTime first(2006, 6, 9, 0, 0, 0), last(2006, 7, 10, 0, 0, 0);
        CXTPPropExchangeEnumerator* pEnum = px.GetEnumerator(L"Record");
        long expectedId = 1;
        for (POSITION pos = pEnum->GetPosition(); pos; ++expectedId) {
            CXTPPropExchange* pRecord = pEnum->GetNext(pos);
            long id = 0;
            CString round, team1, team2, city;
            COleDateTime date;
            XTPExchangeLongWithDefault(pRecord, L"ID", id, 0);
            XTPExchangeStringWithDefault(pRecord, L"Round", round, L"");
            XTPExchangeStringWithDefault(pRecord, L"Country1", team1, L"");
            XTPExchangeStringWithDefault(pRecord, L"Country2", team2, L"");
            XTPExchangeStringWithDefault(pRecord, L"City", city, L"");
            XTPExchangeDate(pRecord, L"Date", date);
            pRecord->InternalRelease();

            EXPECT_EQ(expectedId, id);
            EXPECT_FALSE(round.IsEmpty() || team1.IsEmpty() || team2.IsEmpty() || city.IsEmpty()) << "match " << id;
            EXPECT_TRUE(date >= first && date < last) << "match " << id;
            // The selections by round rely on these numbers.
            if (id >= 49 && id <= 56) {
                EXPECT_STREQ(L"Achtelfinale", round);
            }
            if (id == 1) {
                // Year, day, month: the 9th of June, not the 6th of September.
                EXPECT_TRUE(date == COleDateTime(2006, 6, 9, 15, 0, 0));
                EXPECT_STREQ(L"Deutschland", team1);
            }
            if (id == 64) {
                EXPECT_STREQ(L"Finale", round);
            }
        }
        delete pEnum;
        EXPECT_EQ(65, expectedId);
        // Values as child elements: the mode the file's root asks for.
        EXPECT_FALSE(px.IsCompactMode());
    }
    CoUninitialize();
}

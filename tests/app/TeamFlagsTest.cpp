// Team names to flag numbers: case does not matter, anything else does;
// every team of the shipped match list finds a flag of its own that the
// strip really draws.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <set>
#include <string>

#include "AppTestSupport.h"
#include "app/TeamFlags.h"
#include "resources/AppIds.h"

TEST(TeamFlags, NamesMatchIgnoringCaseButNothingElse)
{
    struct Case { const wchar_t* name; int number; };
    const Case cases[] = {
        {L"SPAIN", 29}, {L"spanien", 29}, {L"Spanien ", -1}, {L" Spanien", -1},
        {L"ELFENBEINKÜSTE", 11}, {L"cote divoire", 11},
        {L"republic of korea", 27}, {L"Korea", -1},
        {L"deutschland", 1}, {L"GERMANY", 1},
        {L"Sieger Gruppe A", -1}, {L"", -1}, {nullptr, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.number, GetTeamFlagNumber(c.name)) << (c.name ? "name given" : "null");
}

TEST(TeamFlags, EveryTeamOfTheMatchListHasAFlagOfItsOwnInTheStrip)
{
    // The teams of the group matches, as the shipped list spells them.
    std::set<std::wstring> teams;
    for (const apptest::ShippedMatch& match : apptest::ReadShippedMatches()) {
        if (match.id <= 48) {
            teams.insert(static_cast<LPCWSTR>(match.team1));
            teams.insert(static_cast<LPCWSTR>(match.team2));
        }
    }
    ASSERT_EQ(32u, teams.size());

    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_FLAGS), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, strip);
    DIBSECTION dib{};
    GetObjectW(strip, sizeof(dib), &dib);
    ASSERT_EQ(32, dib.dsBm.bmBitsPixel);
    const BYTE* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);

    std::map<int, std::wstring> owners;
    for (const std::wstring& team : teams) {
        int number = GetTeamFlagNumber(team.c_str());
        ASSERT_GE(number, 1) << "no flag for a team of the list";
        ASSERT_LE(number, 32);
        EXPECT_TRUE(owners.emplace(number, team).second) << "two teams share flag " << number;
        // The flag's cell of the strip is drawn (opaque pixels in its middle row).
        int opaque = 0;
        for (int x = 0; x < 16; ++x)
            opaque += bits[(8 * dib.dsBm.bmWidth + (number - 1) * 16 + x) * 4 + 3] == 255;
        EXPECT_EQ(16, opaque) << "flag " << number;
    }
    DeleteObject(strip);
}

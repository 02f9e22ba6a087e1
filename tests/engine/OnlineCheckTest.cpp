// The online check against the machine's real routing table.
#include <gtest/gtest.h>

#include "engine/OnlineCheck.h"

#include "support/SiteSimulation.h"

#include <sstream>

TEST(OnlineCheck, AgreesWithTheKernelsDefaultRoute)
{
    // The Linux routing table under Wine, read from the kernel's own listing:
    // a default route has destination 00000000.
    std::string table;
    if (!ReadWholeFile(L"Z:\\proc\\net\\route", table))
        GTEST_SKIP() << "no kernel routing table to compare with";
    std::istringstream lines(table);
    bool bDefaultRoute = false;
    for (std::string line, device, destination; std::getline(lines, line);)
    {
        std::istringstream(line) >> device >> destination;
        bDefaultRoute = bDefaultRoute || destination == "00000000";
    }
    EXPECT_EQ(IsOnline() != FALSE, bDefaultRoute);
}

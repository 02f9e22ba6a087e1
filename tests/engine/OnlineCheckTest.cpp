// The online check against the machine's real routing table.
#include <gtest/gtest.h>

#include "engine/OnlineCheck.h"

#include "SiteSimulation.h"

#include <sstream>

namespace {

// Whether the Linux routing table under Wine holds a default route
// (destination 00000000), read from the kernel's own listing.
bool KernelHasDefaultRoute(bool& known)
{
    std::string table;
    known = ReadWholeFile(L"Z:\\proc\\net\\route", table);
    std::istringstream lines(table);
    std::string line;
    std::getline(lines, line);  // column titles
    while (std::getline(lines, line))
    {
        std::istringstream fields(line);
        std::string device, destination;
        fields >> device >> destination;
        if (destination == "00000000")
            return true;
    }
    return false;
}

} // namespace

TEST(OnlineCheck, AgreesWithTheKernelsDefaultRoute)
{
    bool known = false;
    bool expected = KernelHasDefaultRoute(known);
    if (!known)
        GTEST_SKIP() << "no kernel routing table to compare with";
    EXPECT_EQ(IsOnline() != FALSE, expected);
}

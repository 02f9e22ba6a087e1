// The simulated site's own self-test of its scenarios; its pages are read
// by the workers' tests.
#include <gtest/gtest.h>

#include "support/SiteSimulation.h"

TEST(Site, SelfTestOfTheScenariosPasses)
{
    CTestFolder folder("selftest");
    ASSERT_TRUE(folder.IsValid()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    ASSERT_TRUE(StartLinuxProgram("Z:\\usr\\bin\\python3 " + SourceFolderUnix() +
                                  "/tools/ticketsite/test_ticketsite.py --result-file " + folder.Unix("result")));
    std::string report = WaitForFile(folder.File("result"), 60000);
    ASSERT_FALSE(report.empty()) << "the self-test wrote no result";
    EXPECT_EQ(report[0], '0') << report;
}

// The simulated site's own self-test of its scenarios; its pages are read
// by the workers' tests.
#include <gtest/gtest.h>
#include <windows.h>

#include "SiteSimulation.h"

TEST(Site, SelfTestOfTheScenariosPasses)
{
    ASSERT_FALSE(SourceFolderUnix().empty()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    std::string resultUnix = TestFolderUnix() + "/site-selftest-" + std::to_string(GetCurrentProcessId()) + ".txt";
    std::wstring result = WindowsPathOf(resultUnix);
    DeleteFileW(result.c_str());
    ASSERT_TRUE(StartLinuxProgram("Z:\\usr\\bin\\python3 " + SourceFolderUnix() +
                                  "/tools/ticketsite/test_ticketsite.py --result-file " + resultUnix));
    std::string report;
    for (int waited = 0; waited < 60000 && !ReadWholeFile(result, report); waited += 100)
        Sleep(100);
    DeleteFileW(result.c_str());
    ASSERT_FALSE(report.empty()) << "the self-test wrote no result";
    EXPECT_EQ(report[0], '0') << report;
}

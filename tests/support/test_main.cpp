// Entry point of every test program (the build links with -municode).
#include <gtest/gtest.h>
#include <windows.h>

#include "support/LeftoverCheck.h"
#include "support/TestWatchdog.h"

#include <string>

namespace {

// Tests that run only as a child process started by another test, which
// names them in its filter; every other run leaves them out.
const char* const kChildRunTests[] = {
    "OfflineWorkers.*",                          // engine: SiteOffline starts it without a route
    "OfflineProgram.*",                          // app: ProgramOffline starts it without a route
    "PaneTree.SecondProcessLoadsTheSavedLayout", // docking: LayoutCrossesProcesses starts it
    "FloatingFrameState.SecondProcessLoadsTheFoldedLayout", // docking: FoldedLayoutCrossesProcesses starts it
    "BarStateRestart.SecondProcessFindsTheCustomizedLayout", // commandbars: the restart test starts it
    "BarStateRestartCustom.SecondProcessFindsTheSizesAndButton", // commandbars: its restart test starts it
    "FrameBarsRestart.SecondProcessFindsTheUsersLayout",      // app: the frame's restart test starts it
    "FrameBarsRestart.SecondProcessFindsStatusBarAndShortcuts", // app: the tray quit's restart test starts it
    "FrameBarsRestart.SecondProcessShowsTheMenuKeysOfTheFirst", // app: the menu keys' restart test starts it
    "FrameBarsRestart.SecondProcessShowsThePaintedMenuImage", // app: the menu image's restart test starts it
    "BarStatePlaces.SecondProcessFindsThePlaces", // commandbars: the places' restart test starts it
    "ProgramRestart.SecondProcessHasTheCustomizedLayout", // customize: the program frame's restart test starts it
    "FrameBarsRestart.SecondProcessFindsTheUntickedButtons", // app: the unticked buttons' test starts it
    "Leftover*Child.*",                          // framework: the leftover check's own test starts them
    "HangingTest.*",                              // framework: the watchdog's tests start it
    "HangingSuiteSetUp.*",                        // framework: the watchdog's tests start it
};

void LeaveOutChildRunTests()
{
    std::string filter = GTEST_FLAG_GET(filter);
    for (const char* test : kChildRunTests) {
        std::string name = test;
        if (name.size() > 2 && name.compare(name.size() - 2, 2, ".*") == 0)
            name.resize(name.size() - 2);
        if (filter.find(name) != std::string::npos)
            continue;
        filter += filter.find('-') == std::string::npos ? "-" : ":";
        filter += test;
    }
    GTEST_FLAG_SET(filter, filter);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    // A crash must fail the run, not wait for someone to close a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    LeaveOutChildRunTests();
    testing::UnitTest::GetInstance()->listeners().Append(new testleftovers::LeftoverCheck);
    testwatchdog::Install();
    return RUN_ALL_TESTS();
}

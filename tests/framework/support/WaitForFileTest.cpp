// Waiting for a file a Linux program writes: a shell's "> file" makes the
// file before its command writes into it, so a file that has appeared may
// still be empty; the wait takes only a written one.
#include "support/SiteSimulation.h"
#include "support/TestPump.h"

#include <gtest/gtest.h>

// The writer's empty file stays for a while before its line comes, as on a
// loaded machine where the shell is not run between the two.
TEST(WaitForFile, TakesTheFileOnlyOnceItsWriterHasWrittenIt)
{
    CTestFolder folder("waitforfile");
    ASSERT_TRUE(folder.IsValid()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    const std::string file = folder.Unix("ready");
    ASSERT_TRUE(StartLinuxProgram("Z:\\bin\\sh -c \": > " + file + " && sleep 0.5 && echo ok > " + file + "\""));
    EXPECT_EQ("ok\n", WaitForFile(folder.File("ready"), testpump::kDeadline));
}

// A file that never comes, or never gets written, answers empty at the end.
TEST(WaitForFile, AnswersEmptyForAFileLeftEmptyOrMissing)
{
    CTestFolder folder("waitforfile");
    ASSERT_TRUE(folder.IsValid()) << "run through ctest (TAVROLIN_SOURCE_DIR, TAVROLIN_BUILD_DIR)";
    WriteFileBytes(folder.File("empty"), "");
    const DWORD start = ::GetTickCount();
    EXPECT_EQ("", WaitForFile(folder.File("empty"), 300));
    EXPECT_GE(::GetTickCount() - start, 300u) << "an empty file is not the end of its writer";
    EXPECT_EQ("", WaitForFile(folder.File("missing"), 100));
}

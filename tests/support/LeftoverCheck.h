// Fails a test, naming each thing, when it leaves behind on the test thread
// a popup menu, a dialog box, a top-level window it showed, or a timer or
// hook it set (ThreadTimer.h, ThreadHook.h), and ends the leftover so that
// it cannot reach a later test. Runs after the fixture's TearDown and
// destructor; the same for what a suite's SetUpTestSuite made, at the
// suite's end.
#pragma once
#include <gtest/gtest.h>

#include "support/ThreadLeftovers.h"

namespace testleftovers {

class LeftoverCheck : public testing::EmptyTestEventListener
{
public:
    void OnTestSuiteStart(const testing::TestSuite& suite) override;
    void OnTestStart(const testing::TestInfo& test) override;
    void OnTestEnd(const testing::TestInfo& test) override;
    void OnTestSuiteEnd(const testing::TestSuite& suite) override;

private:
    ThreadState m_atSuiteStart;
    ThreadState m_atTestStart;
};

} // namespace testleftovers

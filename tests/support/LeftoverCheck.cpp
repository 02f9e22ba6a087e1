#include "support/LeftoverCheck.h"

#include <string>

namespace testleftovers {

namespace {

std::string Listed(const std::vector<std::string>& left)
{
    std::string text;
    for (const std::string& line : left)
        text += "\n  " + line;
    return text;
}

} // namespace

void LeftoverCheck::OnTestSuiteStart(const testing::TestSuite&)
{
    m_atSuiteStart = ThreadState::Now();
}

void LeftoverCheck::OnTestStart(const testing::TestInfo&)
{
    m_atTestStart = ThreadState::Now();
}

void LeftoverCheck::OnTestEnd(const testing::TestInfo& test)
{
    const std::vector<std::string> left = m_atTestStart.EndWhatWasLeft();
    if (!left.empty())
        ADD_FAILURE_AT(test.file(), test.line()) << "the test left behind:" << Listed(left);
}

void LeftoverCheck::OnTestSuiteEnd(const testing::TestSuite& suite)
{
    const std::vector<std::string> left = m_atSuiteStart.EndWhatWasLeft();
    if (!left.empty())
        ADD_FAILURE() << "the test suite " << suite.name() << " left behind:" << Listed(left);
}

} // namespace testleftovers

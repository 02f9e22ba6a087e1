// The thread's message loop ends when GetMessage fails instead of
// dispatching the unfilled message.
#include <gtest/gtest.h>

#include "framework/windows/CWinApp.h"
#include "support/ImportPatch.h"

namespace {

int g_calls = 0;

// Fails first, then answers WM_QUIT (a loop that went on would end there).
BOOL WINAPI FailOnceThenQuit(LPMSG pMsg, HWND, UINT, UINT)
{
    *pMsg = {};
    if (g_calls++ == 0)
        return -1;
    pMsg->message = WM_QUIT;
    return 0;
}

class FailingGetMessage : public testing::Test
{
protected:
    void SetUp() override
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        g_calls = 0;
    }
};

} // namespace

TEST_F(FailingGetMessage, PumpMessageAnswersFalse)
{
    CWinApp app(L"FailingPumpApp");
    testpatch::CImportPatch patch("user32.dll", "GetMessageW", reinterpret_cast<void*>(FailOnceThenQuit));
    ASSERT_TRUE(patch.IsActive());
    EXPECT_FALSE(app.PumpMessage());
    EXPECT_EQ(1, g_calls);
}

TEST_F(FailingGetMessage, RunEndsAtTheFailure)
{
    CWinApp app(L"FailingRunApp");
    testpatch::CImportPatch patch("user32.dll", "GetMessageW", reinterpret_cast<void*>(FailOnceThenQuit));
    ASSERT_TRUE(patch.IsActive());
    app.Run();
    EXPECT_EQ(1, g_calls) << "no message is taken after the failure";
}

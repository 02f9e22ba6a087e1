// Keys typed into the main frame as a user types them, through the
// application's own message pump: Alt keys that no menu title takes reach
// the accelerators as plain keys do.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FrameTestSupport.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadHook.h"

using namespace frametest;

namespace {

HWND g_hFrame = nullptr;
std::vector<WORD> g_commands;

// Every command the frame is sent, whoever handles it.
LRESULT CALLBACK RecordCommand(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMessage = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMessage->hwnd == g_hFrame && pMessage->message == WM_COMMAND &&
        pMessage->lParam == 0)
        g_commands.push_back(LOWORD(pMessage->wParam));
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

class FrameKeys : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(OpenTestHistory(L"tavrolin_keys", false).IsEmpty());
        pFrame = CreateFrame();
        ASSERT_NE(pFrame, nullptr);
        hFrame = g_hFrame = pFrame->GetSafeHwnd();
        app.m_pMainWnd = pFrame;
        g_commands.clear();
        hHook = testhook::Set(WH_CALLWNDPROC, RecordCommand);
        ASSERT_NE(hHook, nullptr);
        pFrame->SetWindowPos(nullptr, 40, 40, 700, 450, SWP_NOZORDER | SWP_SHOWWINDOW);
        ::SetForegroundWindow(hFrame);
        ASSERT_TRUE(testpump::PumpUntil([this] { return ::GetActiveWindow() == hFrame; }));
        // Without a focus window every key would arrive as a system key.
        ViewOf(pFrame)->SetFocus();
        ASSERT_EQ(::GetFocus(), ViewOf(pFrame)->GetSafeHwnd());
    }

    void TearDown() override
    {
        testhook::Remove(hHook);
        if (::IsWindow(hFrame))
            pFrame->DestroyWindow();
        app.m_pMainWnd = nullptr;
        DispatchAllButQuit();
        g_hFrame = nullptr;
        CDatabaseManager::GetInstance().Close();
    }

    bool PumpAppUntil(const std::function<bool()>& condition) { return frametest::PumpAppUntil(app, condition, &bQuit); }

    void PressWithAlt(WORD vk) { testinput::SendChord({VK_MENU, vk}); }

    CWinApp app{L"FrameKeysApp"};
    CMainFrame* pFrame = nullptr;
    HWND hFrame = nullptr;
    HHOOK hHook = nullptr;
    bool bQuit = false;
};

} // namespace

TEST_F(FrameKeys, AcceleratorKeysSendTheirCommands)
{
    const struct
    {
        const char* name;
        WORD modifier;
        WORD vk;
        WORD command;
    } cases[] = {
        {"F5", 0, VK_F5, ID_REFRESH_STATISTIC},
        {"Ctrl+A", VK_CONTROL, 'A', ID_SELECT_ALL},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.name);
        g_commands.clear();
        if (test.modifier != 0)
            testinput::SendChord({test.modifier, test.vk});
        else
            testinput::SendKey(test.vk);
        EXPECT_TRUE(PumpAppUntil([] { return !g_commands.empty(); }));
        EXPECT_EQ(g_commands, std::vector<WORD>{test.command});
    }
}

TEST_F(FrameKeys, AltXEndsTheProgram)
{
    PressWithAlt('X');
    EXPECT_TRUE(PumpAppUntil([this] { return !::IsWindow(hFrame); }));
    EXPECT_EQ(g_commands, std::vector<WORD>{ID_APP_EXIT});
    EXPECT_TRUE(PumpAppUntil([this] { return bQuit; })) << "the main window's end quits the program";
}

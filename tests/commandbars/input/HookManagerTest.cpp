// Window hooks by subclassing, the menu sound player.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "commandbars/CommandBarsTestSupport.h"
#include "framework/core/AfxThreadState.h"
#include "toolkit/commandbars/input/XTPHookManager.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"

namespace {

const UINT WM_PROBE = WM_APP + 7;

// A client that records the order it was asked in and gives a fixed answer.
class CRecordingClient : public CXTPHookManagerHookAble
{
public:
    CRecordingClient(std::vector<char>& order, char name, int nAnswer) : m_order(order), m_name(name), m_nAnswer(nAnswer) {}

    int OnHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM&, LRESULT& lResult) override
    {
        if (nMessage != WM_PROBE)
            return 0;
        m_order.push_back(m_name);
        seenCurrentMessage = AfxGetThreadState()->m_lastSentMsg.message;
        lResult = 100 + m_name;
        return m_nAnswer;
    }

    UINT seenCurrentMessage = 0;

private:
    std::vector<char>& m_order;
    char m_name;
    int m_nAnswer;
};

// Answers the probe itself and notes what procedure it runs under at its end.
class CProbeWindow : public CWnd
{
public:
    LONG_PTR procAtNcDestroy = 0;
    BOOL sinkAtNcDestroy = TRUE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PROBE)
            return 1;
        if (message == WM_NCDESTROY) {
            procAtNcDestroy = GetWindowLongW(GetSafeHwnd(), GWLP_WNDPROC);
            sinkAtNcDestroy = XTPHookManager()->Lookup(GetSafeHwnd()) != nullptr;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class HookManager : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.CreateEx(0, AfxRegisterWndClass(0), L"Probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        m_originalProc = GetWindowLongW(m_window.GetSafeHwnd(), GWLP_WNDPROC);
    }
    void TearDown() override
    {
        if (m_window.GetSafeHwnd())
            m_window.DestroyWindow();
    }

    CProbeWindow m_window;
    LONG_PTR m_originalProc = 0;
    std::vector<char> m_order;
};

} // namespace

TEST_F(HookManager, LastAddedClientAnswersFirstAndItsAnswerDecides)
{
    struct Case
    {
        int answerA, answerB;
        std::vector<char> order;
        LRESULT result;
    };
    // B was added last: 0 passes on to A, 1 consumes with B's result, 2 skips A
    // and lets the window answer.
    const Case cases[] = {
        {0, 0, {'B', 'A'}, 1},
        {0, 1, {'B'}, 100 + 'B'},
        {1, 0, {'B', 'A'}, 100 + 'A'},
        {0, 2, {'B'}, 1},
    };
    HWND hWnd = m_window.GetSafeHwnd();
    for (const Case& c : cases) {
        m_order.clear();
        CRecordingClient a(m_order, 'A', c.answerA), b(m_order, 'B', c.answerB);
        XTPHookManager()->SetHook(hWnd, &a);
        XTPHookManager()->SetHook(hWnd, &b);
        XTPHookManager()->SetHook(hWnd, &a);
        EXPECT_EQ(c.result, SendMessageW(hWnd, WM_PROBE, 0, 0));
        EXPECT_EQ(c.order, m_order) << "A added twice is asked once";
        EXPECT_EQ(WM_PROBE, b.seenCurrentMessage) << "the framework's current message is the hooked one";
        XTPHookManager()->RemoveAll(&a);
        XTPHookManager()->RemoveHook(hWnd, &b);
        EXPECT_EQ(m_originalProc, GetWindowLongW(hWnd, GWLP_WNDPROC)) << "the last client gone restores the procedure";
    }
}

TEST_F(HookManager, DestroyedWindowHasItsProcedureBackBeforeItsLastMessage)
{
    CRecordingClient client(m_order, 'A', 1);
    XTPHookManager()->SetHook(m_window.GetSafeHwnd(), &client);
    EXPECT_NE(m_originalProc, GetWindowLongW(m_window.GetSafeHwnd(), GWLP_WNDPROC));
    m_window.DestroyWindow();
    EXPECT_EQ(m_originalProc, m_window.procAtNcDestroy);
    EXPECT_FALSE(m_window.sinkAtNcDestroy);
    // Removing from a window that is gone, or a client that is not there, is harmless.
    XTPHookManager()->RemoveHook(reinterpret_cast<HWND>(0x1234), &client);
    XTPHookManager()->RemoveAll(&client);
}

TEST(SoundPlayer, LaterRequestReplacesOneNotPickedUpAndNobodyWaits)
{
    CSoundRecorder recorder;
    CSoundRecorder::HoldNextSound();
    XTPSoundManager()->PlaySystemSound(xtpSoundMenuPopup);
    ASSERT_TRUE(CSoundRecorder::WaitUntilHolding());

    // The worker is stuck in a slow sound; requests still return at once.
    XTPSoundManager()->PlaySystemSound(xtpSoundMenuPopup);
    XTPSoundManager()->PlaySystemSound(xtpSoundMenuCommand);
    EXPECT_TRUE(CSoundRecorder::IsHolding());
    CSoundRecorder::Release();
    testpump::WaitUntil([] { return CSoundRecorder::Played().size() >= 2; });
    EXPECT_EQ((std::vector<std::wstring>{L"MenuPopup", L"MenuCommand"}), CSoundRecorder::Played());
    // A request after those is played next: nothing else was left waiting.
    XTPSoundManager()->PlaySystemSound(xtpSoundMenuPopup);
    testpump::WaitUntil([] { return CSoundRecorder::Played().size() >= 3; });
    EXPECT_EQ((std::vector<std::wstring>{L"MenuPopup", L"MenuCommand", L"MenuPopup"}), CSoundRecorder::Played());
}

TEST(SoundPlayer, StopEndsASoundThatHangsAndTheNextRequestStartsAgain)
{
    CSoundRecorder recorder;
    CSoundRecorder::HoldNextSound();
    XTPSoundManager()->PlaySystemSound(xtpSoundMenuCommand);
    ASSERT_TRUE(CSoundRecorder::WaitUntilHolding());
    XTPSoundManager()->StopThread();
    EXPECT_FALSE(XTPSoundManager()->IsThreadRunning());
    EXPECT_FALSE(CSoundRecorder::IsHolding());

    XTPSoundManager()->PlaySystemSound(xtpSoundMenuPopup);
    EXPECT_TRUE(XTPSoundManager()->IsThreadRunning());
    testpump::WaitUntil([] { return CSoundRecorder::Played().size() >= 2; });
    EXPECT_EQ((std::vector<std::wstring>{L"MenuCommand", L"MenuPopup"}), CSoundRecorder::Played());
}

// The keyboard and mouse managers with real input: a bar tracking a menu
// sees the thread's keys, closes on Alt, on an application switch and on a
// click elsewhere, and leaves the application alone when it is done.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

// A window that counts the mouse messages reaching it.
class CMouseCounter : public CWnd
{
public:
    int moves = 0;
    int leaves = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEMOVE)
            moves++;
        if (message == WM_MOUSELEAVE)
            leaves++;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class InputManagers : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 500, 400)));
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(10, 10, 210, 40)));
        SetForegroundWindow(m_site.GetSafeHwnd());
        m_site.SetFocus();
        PumpUntilIdle();
    }
    void TearDown() override
    {
        m_bar.EndTracking();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }

    void Track()
    {
        m_bar.SetTrackingMode(xtpTrackingKeyboard, FALSE, FALSE);
        ASSERT_EQ(xtpTrackingKeyboard, m_bar.IsTrackingMode());
    }

    CTestSite m_site;
    CTestBar m_bar;
    const POINT m_ptOnSite = {300, 300};
    const POINT m_ptOnBar = {150, 125};
};

} // namespace

TEST_F(InputManagers, KeysGoToTheTrackingBarAndOnlyAnswerTwoPassesThem)
{
    CXTPKeyboardManager* pKeyboard = XTPKeyboardManager();
    EXPECT_FALSE(pKeyboard->IsKeyboardHooked()) << "no hooks while nobody tracks";
    Track();
    EXPECT_TRUE(pKeyboard->IsKeyboardHooked());
    EXPECT_TRUE(pKeyboard->IsCallWndProcHooked());

    SendKey('A');
    PumpUntil([&] { return !m_bar.hookedKeys.empty(); });
    PumpUntilIdle();
    ASSERT_EQ(std::vector<UINT>{'A'}, m_bar.hookedKeys) << "input was not delivered";
    EXPECT_TRUE(m_site.keys.empty()) << "a key nobody handles is swallowed";

    m_bar.answer = 2;
    SendKey('B');
    PumpUntil([&] { return !m_site.keys.empty(); });
    EXPECT_EQ(std::vector<UINT>{'B'}, m_site.keys) << "answer 2 lets the key through";

    m_bar.answer = 1;
    SendKey('C');
    PumpUntil([&] { return m_bar.hookedKeys.size() == 3; });
    PumpUntilIdle();
    EXPECT_EQ(std::vector<UINT>{'B'}, m_site.keys) << "answer 1 consumes it";

    m_bar.EndTracking();
    EXPECT_FALSE(pKeyboard->IsKeyboardHooked()) << "hooks go with the last client";
    SendKey('D');
    PumpUntil([&] { return m_site.keys.size() == 2; });
    EXPECT_EQ((std::vector<UINT>{'B', 'D'}), m_site.keys);
}

TEST_F(InputManagers, AltAloneAndAnApplicationSwitchCloseTheMenus)
{
    Track();
    SendKey(VK_MENU);
    PumpUntil([&] { return m_bar.IsTrackingMode() == xtpTrackingNone; });
    PumpUntilIdle();
    EXPECT_EQ(xtpTrackingNone, m_bar.IsTrackingMode()) << "Alt closes all menus";
    EXPECT_TRUE(m_bar.hookedKeys.empty()) << "and is not handed to the bar";

    Track();
    m_site.SendMessage(WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(xtpTrackingKeyboard, m_bar.IsTrackingMode());
    m_site.SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(xtpTrackingNone, m_bar.IsTrackingMode()) << "switching applications closes all menus";
}

TEST_F(InputManagers, ClickOutsideClosesUnlessOnATrustedWindowOrTheBar)
{
    CXTPMouseManager* pMouse = XTPMouseManager();
    EXPECT_TRUE(pMouse->IsMouseHooked());
    Track();
    ClickAt(m_ptOnBar);
    PumpUntilIdle();
    EXPECT_EQ(xtpTrackingKeyboard, m_bar.IsTrackingMode()) << "a click on the bar itself";

    pMouse->AddTrustedWindow(m_site.GetSafeHwnd());
    const int buttonUps = m_site.buttonUps;
    ClickAt(m_ptOnSite);
    PumpUntil([&] { return m_site.buttonUps > buttonUps; });
    PumpUntilIdle();
    EXPECT_EQ(xtpTrackingKeyboard, m_bar.IsTrackingMode()) << "a click on a trusted window";
    pMouse->RemoveTrustedWindow(m_site.GetSafeHwnd());

    ClickAt(m_ptOnSite);
    PumpUntil([&] { return m_bar.IsTrackingMode() == xtpTrackingNone; });
    EXPECT_EQ(xtpTrackingNone, m_bar.IsTrackingMode()) << "a click anywhere else";
    EXPECT_EQ(0u, pMouse->GetTrackArray().GetSize());
}

TEST_F(InputManagers, ButtonUpAfterAPopupOpenedIsSwallowedOnce)
{
    SendMouse(0, m_ptOnSite);
    PumpUntilIdle();
    XTPMouseManager()->SendTrackLost();
    SendMouse(MOUSEEVENTF_LEFTUP, m_ptOnSite);
    PumpUntil([] { return !XTPMouseManager()->IsSwallowButtonUp(); });
    PumpUntilIdle();
    EXPECT_EQ(0, m_site.buttonUps);
    EXPECT_FALSE(XTPMouseManager()->IsSwallowButtonUp());
    SendMouse(MOUSEEVENTF_LEFTUP, m_ptOnSite);
    PumpUntil([&] { return m_site.buttonUps == 1; });
    EXPECT_EQ(1, m_site.buttonUps) << "only once";

    XTPMouseManager()->SendTrackLost();
    ClickAt(m_ptOnSite);
    PumpUntil([&] { return m_site.buttonUps == 2; });
    EXPECT_EQ(2, m_site.buttonUps) << "a press clears the swallow";
}

TEST_F(InputManagers, MovesWithoutMovementAreDroppedWhileTracking)
{
    // The display sends no move for a move to the same point, so the hook
    // is asked directly for the repeat.
    MOUSEHOOKSTRUCT info = {};
    info.pt = m_ptOnSite;
    info.hwnd = m_site.GetSafeHwnd();
    LPARAM lParam = reinterpret_cast<LPARAM>(&info);
    EXPECT_EQ(0, CXTPMouseManager::MouseProc(HC_ACTION, WM_MOUSEMOVE, lParam));
    EXPECT_EQ(0, CXTPMouseManager::MouseProc(HC_ACTION, WM_MOUSEMOVE, lParam)) << "kept while nothing tracks";
    Track();
    EXPECT_NE(0, CXTPMouseManager::MouseProc(HC_ACTION, WM_MOUSEMOVE, lParam)) << "a repeat is dropped";
    EXPECT_NE(0, CXTPMouseManager::MouseProc(HC_ACTION, WM_NCMOUSEMOVE, lParam));
    info.pt.x += 5;
    EXPECT_EQ(0, CXTPMouseManager::MouseProc(HC_ACTION, WM_MOUSEMOVE, lParam)) << "a real move goes on";

    int before = m_site.mouseMoves;
    SendMouse(0, {m_ptOnSite.x + 9, m_ptOnSite.y});
    PumpUntil([&] { return m_site.mouseMoves > before; });
    PumpUntilIdle();
    EXPECT_EQ(1, m_site.mouseMoves - before) << "real input while tracking";

    // Ending the last tracking gives the window under the cursor a fresh move
    // (the display does send one when the cursor is set where it is).
    before = m_site.mouseMoves;
    m_bar.EndTracking();
    PumpUntil([&] { return m_site.mouseMoves > before; });
    PumpUntilIdle();
    EXPECT_EQ(1, m_site.mouseMoves - before);
}

TEST_F(InputManagers, MouseLeaveIsEmulatedForOneWindowAtATime)
{
    CMouseCounter first, second;
    ASSERT_TRUE(first.CreateEx(0, AfxRegisterWndClass(0), L"First", WS_CHILD | WS_VISIBLE, 10, 100, 100, 100,
                               m_site.GetSafeHwnd(), nullptr));
    ASSERT_TRUE(second.CreateEx(0, AfxRegisterWndClass(0), L"Second", WS_CHILD | WS_VISIBLE, 200, 100, 100, 100,
                                m_site.GetSafeHwnd(), nullptr));
    CXTPMouseManager* pMouse = XTPMouseManager();
    SendMouse(0, {160, 250});
    PumpUntilIdle();
    pMouse->TrackMouseLeave(first.GetSafeHwnd());
    pMouse->TrackMouseLeave(first.GetSafeHwnd());
    testpump::PumpFor(150);  // three ticks of the leave timer
    EXPECT_EQ(0, first.leaves) << "the cursor is still inside";

    pMouse->TrackMouseLeave(second.GetSafeHwnd());
    EXPECT_EQ(1, first.leaves) << "the previous window hears of the switch at once";
    PumpUntil([&] { return second.leaves > 0; });
    PumpUntilIdle();
    EXPECT_EQ(1, second.leaves) << "the timer noticed the cursor is not over the second window";
    EXPECT_EQ(nullptr, pMouse->GetMouseLeaveWindow());
    first.DestroyWindow();
    second.DestroyWindow();
}

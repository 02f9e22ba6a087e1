// The tooltip context's filter, driven with real mouse and key messages on
// real windows; the drawn tip logs what the context tells it.
#include <gtest/gtest.h>

#include <memory>

#include "ToolTipTestSupport.h"
#include "toolkit/common/tooltips/XTPToolTipContextLuna.h"

using namespace tiptest;

namespace {

class ToolTipContextTest : public ::testing::Test
{
protected:
    COwnerWnd owner;
    CSpyContext context;

    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateAt(100, 100, 400, 200));
        owner.tools = {{1, {10, 10, 110, 40}, L"Öffnen", L"", L""},
                       {2, {120, 10, 220, 40}, L"Speichern", L"", L""}};
        ::SetForegroundWindow(owner.GetSafeHwnd());
        testpump::PumpUntilIdle();
        context.SetStyle(xtpToolTipOffice);
        g_tick += 10000;
    }

    CSpyToolTip* ShowTip()
    {
        CSpyToolTip* tip = context.Spy();
        if (tip)
            tip->SendMessage(WM_TIMER, CXTPToolTipContextToolTip::SHOW_TIMER_ID);
        return tip;
    }

    void TearDown() override { owner.DestroyWindow(); }

    std::vector<std::wstring> TakeLog()
    {
        std::vector<std::wstring> log;
        if (context.Spy())
            log.swap(context.Spy()->log);
        return log;
    }

    void Move(int x, int y) { MoveMouse(context, owner, owner.ScreenPoint(x, y)); }
};

typedef std::vector<std::wstring> Log;

TEST_F(ToolTipContextTest, ToolRegistrationFollowsTheMouse)
{
    Move(20, 20);
    ASSERT_NE(context.Spy(), nullptr);
    EXPECT_EQ(TakeLog(), (Log{L"deactivate", L"add 1", L"activate"}));
    EXPECT_EQ(context.Spy()->GetToolCount(), 1);

    // Within one tool: only relayed.
    Move(60, 30);
    EXPECT_EQ(TakeLog(), Log{});

    // Another tool: the new one is added before the old one goes.
    Move(150, 20);
    EXPECT_EQ(TakeLog(), (Log{L"add 2", L"activate", L"del 1"}));
    EXPECT_EQ(context.Spy()->GetToolCount(), 1);

    // Same id, new rectangle: deleted, then added again.
    owner.tools[1].rect = {120, 10, 260, 50};
    Move(151, 20);
    EXPECT_EQ(TakeLog(), (Log{L"del 2", L"add 2", L"activate"}));

    // Off every tool.
    Move(300, 150);
    EXPECT_EQ(TakeLog(), (Log{L"deactivate", L"del 2"}));
    EXPECT_EQ(context.Spy()->GetToolCount(), 0);
    EXPECT_EQ(context.created, 1);
}

TEST_F(ToolTipContextTest, TipShowsAfterTheDelayAndClicksAndKeysHideIt)
{
    Move(20, 20);
    ASSERT_NE(context.Spy(), nullptr);
    EXPECT_FALSE(context.Spy()->IsWindowVisible());
    CSpyToolTip* tip = ShowTip();
    ASSERT_TRUE(tip->IsWindowVisible());
    EXPECT_EQ(tip->GetShownText(), L"Öffnen");

    for (UINT message : {UINT(WM_LBUTTONDOWN), UINT(WM_KEYDOWN), UINT(WM_RBUTTONDBLCLK), UINT(WM_NCLBUTTONDOWN)}) {
        SCOPED_TRACE(message);
        context.FilterToolTipMessage(&owner, message, 0, 0);
        EXPECT_FALSE(tip->IsWindowVisible());
        EXPECT_FALSE(tip->IsActive());

        // The next move brings it back through the normal delay.
        g_tick += 1000;
        Move(21, 21);
        EXPECT_TRUE(tip->IsActive());
        EXPECT_FALSE(tip->IsWindowVisible());
        EXPECT_TRUE(ShowTip()->IsWindowVisible());
    }

    // Neither a button release nor a character message hides it.
    context.FilterToolTipMessage(&owner, WM_SETCURSOR, 0, 0);
    EXPECT_TRUE(tip->IsWindowVisible());
}

TEST_F(ToolTipContextTest, NoTipWhileAnotherWindowIsInFront)
{
    COwnerWnd other;
    ASSERT_TRUE(other.CreateAt(600, 500, 100, 100));
    ::SetForegroundWindow(owner.GetSafeHwnd());
    testpump::PumpUntil([&] { return ::GetForegroundWindow() == owner.GetSafeHwnd(); });
    testpump::PumpUntilIdle();
    Move(20, 20);
    CSpyToolTip* tip = ShowTip();
    ASSERT_TRUE(tip->IsWindowVisible());

    ::SetForegroundWindow(other.GetSafeHwnd());
    testpump::PumpUntil([&] { return ::GetForegroundWindow() == other.GetSafeHwnd(); });
    testpump::PumpUntilIdle();
    ASSERT_EQ(::GetForegroundWindow(), other.GetSafeHwnd());

    // A visible tip is deactivated.
    Move(22, 22);
    EXPECT_FALSE(tip->IsWindowVisible());
    EXPECT_FALSE(tip->IsActive());

    // A tool is registered but the tip stays inactive...
    TakeLog();
    Move(150, 20);
    EXPECT_EQ(TakeLog(), Log{L"add 2"});
    EXPECT_FALSE(tip->IsActive());

    // ...unless the tool asks to be shown in the background too.
    owner.tools[0].extraFlags = XTP_TTF_ALWAYS_ACTIVE;
    Move(20, 20);
    EXPECT_TRUE(tip->IsActive());
    other.DestroyWindow();
}

TEST_F(ToolTipContextTest, StyleChangesRecreateTheTipWindow)
{
    Move(20, 20);
    EXPECT_EQ(context.created, 1);
    HWND first = context.GetToolTip()->GetSafeHwnd();

    context.SetStyle(xtpToolTipLuna);
    EXPECT_EQ(context.GetToolTip(), nullptr);
    EXPECT_FALSE(::IsWindow(first));
    Move(21, 20);
    ASSERT_NE(context.GetToolTip(), nullptr);
    EXPECT_TRUE(context.GetToolTip()->IsKindOf(&CXTPToolTipContext::CLunaToolTip::classCLunaToolTip));

    // Removing a bit that is not there changes nothing.
    CWnd* tip = context.GetToolTip();
    context.ModifyToolTipStyle(0x8000, 0);
    EXPECT_EQ(context.GetToolTip(), tip);
    context.ModifyToolTipStyle(TTS_NOPREFIX, 0);
    EXPECT_EQ(context.GetToolTip(), nullptr);

    for (int style : {xtpToolTipRTF, xtpToolTipOffice2007, xtpToolTipStandard}) {
        context.SetStyle(style);
        Move(20 + style, 20);
        ASSERT_NE(context.GetToolTip(), nullptr);
    }
    WCHAR className[64] = {};
    ::GetClassNameW(context.GetToolTip()->GetSafeHwnd(), className, 64);
    EXPECT_STREQ(className, TOOLTIPS_CLASSW);
}

TEST_F(ToolTipContextTest, BalloonNeedsCommonControls580)
{
    context.SetStyle(xtpToolTipStandard);
    for (DWORD version : {0x50000, 0x50050}) {
        context.SetComCtlVersion(version);
        context.SetStyle(xtpToolTipBalloon);
        EXPECT_EQ(context.GetStyle(), version < 0x50050 ? xtpToolTipStandard : xtpToolTipBalloon);
    }
    Move(20, 20);
    ASSERT_NE(context.GetToolTip(), nullptr);
    EXPECT_TRUE(::GetWindowLongW(context.GetToolTip()->GetSafeHwnd(), GWL_STYLE) & TTS_BALLOON);
}

TEST_F(ToolTipContextTest, TipMovesWithTheOwnersTopLevelWindow)
{
    COwnerWnd second;
    ASSERT_TRUE(second.CreateAt(100, 400, 300, 100));
    second.tools = owner.tools;
    Move(20, 20);
    HWND first = context.GetToolTip()->GetSafeHwnd();
    EXPECT_EQ(::GetWindow(first, GW_OWNER), owner.GetSafeHwnd());

    ::SetForegroundWindow(second.GetSafeHwnd());
    MoveMouse(context, second, second.ScreenPoint(20, 20));
    EXPECT_EQ(context.created, 2);
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_EQ(::GetWindow(context.GetToolTip()->GetSafeHwnd(), GW_OWNER), second.GetSafeHwnd());
    second.DestroyWindow();
}

TEST_F(ToolTipContextTest, TitleAndDescriptionReachTheTip)
{
    context.ShowTitleAndDescription(TRUE);
    context.ModifyToolTipStyle(TTS_NOPREFIX, 0);
    owner.tools[0].title = L"&Öffnen";
    owner.tools[0].description = L"Öffnet eine Datei";
    Move(20, 20);
    CSpyToolTip* tip = ShowTip();
    EXPECT_EQ(tip->GetTitle(), L"Öffnen");
    EXPECT_EQ(tip->GetShownText(), L"Öffnet eine Datei");

    // A tool with a title but no description shows its text without a title.
    owner.tools[1].title = L"Speichern";
    Move(150, 20);
    EXPECT_EQ(tip->GetTitle(), L"");
}

TEST_F(ToolTipContextTest, CallbackTextIsNotFreedByTheContext)
{
    owner.tools[0].text = L"<callback>";
    owner.dispInfoText = L"Aus dem Rückruf";
    Move(20, 20);
    Move(21, 21);
    CSpyToolTip* tip = ShowTip();
    EXPECT_EQ(tip->GetShownText(), L"Aus dem Rückruf");
}

} // namespace

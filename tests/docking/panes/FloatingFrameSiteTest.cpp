// A floating frame shows only while its site does: a minimized or hidden
// site keeps its floating frames off the desktop through every layout pass,
// colour change and ShowPane, and they come back with the site.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "FloatingFrameTestSupport.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"

namespace {

enum SiteState { minimized, hidden };

// Pane 1 floating in a frame beside the shown, active test frame.
struct FloatingPaneSite
{
    CMainTestFrameScope scope{L"FloatingFrameSiteApp"};
    CXTPDockingPaneManager& manager = scope.frame->manager;
    CXTPDockingPane* pane = nullptr;
    HWND hFloating = nullptr;

    FloatingPaneSite()
    {
        pane = manager.CreatePane(1, CRect(0, 0, 200, 150), xtpPaneDockLeft);
        pane->SetTitle(L"Verfügbare Tickets");
        scope.frame->RecalcLayout();
        manager.FloatPane(pane, CRect(660, 100, 880, 300));
        scope.frame->RecalcLayout();
        Idle();
        if (CXTPDockingPaneMiniWnd* floating = floatingframe::FrameOf(pane))
            hFloating = floating->m_hWnd;
    }

    void Idle()
    {
        testpump::PumpUntilIdle();
        scope.app.OnIdle(0);
        testpump::PumpUntilIdle();
    }

    void Leave(SiteState state)
    {
        scope.frame->ShowWindow(state == minimized ? SW_MINIMIZE : SW_HIDE);
        Idle();
    }

    void Return(SiteState state)
    {
        scope.frame->ShowWindow(state == minimized ? SW_RESTORE : SW_SHOW);
        Idle();
    }
};

const char* Name(SiteState state)
{
    return state == minimized ? "site minimized" : "site hidden";
}

} // namespace

TEST(FloatingFrameSite, StaysOffTheDesktopWhileTheSiteIsAwayAndReturnsWithIt)
{
    for (SiteState state : {minimized, hidden})
    {
        SCOPED_TRACE(Name(state));
        FloatingPaneSite site;
        ASSERT_NE(site.hFloating, nullptr);
        ASSERT_TRUE(::IsWindowVisible(site.hFloating));
        site.Leave(state);
        // What the system does with owned windows varies; the program's own
        // hiding (the tray) is the same as the system's here.
        ::ShowWindow(site.hFloating, SW_HIDE);

        // A layout pass of the site (a colour change asks for one), and a
        // pane shown: each lays the floating frames out again.
        ::SendMessageW(site.manager.m_hWnd, WM_SYSCOLORCHANGE, 0, 0);
        site.scope.frame->RecalcLayout();
        site.Idle();
        EXPECT_FALSE(::IsWindowVisible(site.hFloating)) << "shown by a layout pass";
        site.manager.ShowPane(site.pane, FALSE);
        site.Idle();
        EXPECT_FALSE(::IsWindowVisible(site.hFloating)) << "shown by ShowPane";

        site.Return(state);
        EXPECT_TRUE(::IsWindowVisible(site.hFloating)) << "not back with the site";
        EXPECT_EQ(site.hFloating, floatingframe::FrameOf(site.pane)->m_hWnd);
    }
}

// A pane floated while the site is away waits with its new frame, which
// shows once the site is back; a frame emptied meanwhile stays hidden.
TEST(FloatingFrameSite, FrameMadeOrEmptiedWhileTheSiteIsAwayShowsOnlyWithPanesAndSite)
{
    for (SiteState state : {minimized, hidden})
    {
        SCOPED_TRACE(Name(state));
        FloatingPaneSite site;
        CXTPDockingPane* second = site.manager.CreatePane(2, CRect(0, 0, 200, 150), xtpPaneDockRight);
        second->SetTitle(L"Statistik");
        site.scope.frame->RecalcLayout();
        site.Idle();
        site.Leave(state);
        ::ShowWindow(site.hFloating, SW_HIDE);

        site.manager.FloatPane(second, CRect(660, 400, 880, 600));
        site.scope.frame->RecalcLayout();
        site.Idle();
        CXTPDockingPaneMiniWnd* secondFrame = floatingframe::FrameOf(second);
        ASSERT_NE(secondFrame, nullptr);
        EXPECT_FALSE(::IsWindowVisible(secondFrame->m_hWnd)) << "a new frame shows without its site";
        site.manager.ClosePane(site.pane);
        site.Idle();

        site.Return(state);
        EXPECT_TRUE(::IsWindowVisible(secondFrame->m_hWnd)) << "the new frame is not back with the site";
        EXPECT_FALSE(::IsWindowVisible(site.hFloating)) << "an emptied frame shows";
    }
}

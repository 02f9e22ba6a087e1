// Auto-hidden groups in every docking theme: the strips' background, one
// gradient across the frame's width when the theme's two colours differ,
// the containers left behind hidden, and a group slid out over the client
// area with its edge; its edge's cursor; hot tabs and the hover time;
// right-to-left sites.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "framework/windows/CWinApp.h"
#include "resources/ToolkitCommonIds.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/tabs/XTPTabManagerItem.h"
#include "toolkit/tabs/XTPTabPaintManager.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"

TEST(DockingAutoHideScreenshot, StripsAndSlideOutInEveryTheme)
{
    static const LPCWSTR names[] = {L"0_default", L"1_office", L"2_office2003", L"3_nativexp", L"4_grippered",
                                    L"5_visio", L"6_whidbey", L"7_shortcutbar2003", L"8_explorer",
                                    L"9_visualstudio2005"};
    CWinApp app(L"DockingAutoHideShotApp");
    int gradients = 0;
    for (int theme = 0; theme < 10; theme++)
    {
        SCOPED_TRACE(theme);
        CDockingTestFrame* frame = CDockingTestFrame::New();
        frame->manager.SetTheme(theme);
        CXTPDockingPane* left = frame->manager.CreatePane(1, CRect(0, 0, 160, 100), xtpPaneDockLeft);
        CXTPDockingPane* right = frame->manager.CreatePane(2, CRect(0, 0, 120, 100), xtpPaneDockRight);
        CXTPDockingPane* top = frame->manager.CreatePane(3, CRect(0, 0, 120, 80), xtpPaneDockTop);
        top->SetTitle(L"Preise");
        left->SetTitle(L"Spiele");
        right->SetTitle(L"Statistik");
        frame->RecalcLayout();
        std::vector<HWND> docked;
        for (CXTPDockingPane* pane : {left, right, top})
            docked.push_back(static_cast<CXTPDockingPaneTabbedContainer*>(pane->GetContainer())->GetSafeHwnd());
        frame->manager.HidePane(left);
        frame->manager.HidePane(right);
        frame->manager.HidePane(top);
        frame->RecalcLayout();
        CXTPDockingPaneLayout* layout = frame->manager.GetLayout();
        auto* leftPanel = static_cast<CXTPDockingPaneAutoHidePanel*>(layout->m_wndPanels[xtpPaneDockLeft]);
        auto* rightPanel = static_cast<CXTPDockingPaneAutoHidePanel*>(layout->m_wndPanels[xtpPaneDockRight]);
        ASSERT_TRUE(leftPanel && rightPanel);
        ::SetCursorPos(1200, 1000);
        leftPanel->ShowPane(left, FALSE);
        CXTPDockingPaneAutoHideWnd* slide = leftPanel->m_pActiveWnd;
        ASSERT_NE(nullptr, slide);
        for (int k = 1; k < slide->GetStepCount(); k++)
            ::SendMessageW(slide->m_hWnd, WM_TIMER, CXTPDockingPaneAutoHideWnd::timerSlideOut, 0);
        ::KillTimer(slide->m_hWnd, CXTPDockingPaneAutoHideWnd::timerCheck);
        frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testpump::PumpUntilIdle();
        testshot::Image shot = testshot::CaptureWindow(frame->m_hWnd);
        EXPECT_FALSE(testshot::Save(shot, std::wstring(L"docking_autohide_") + names[theme] + L".png").empty());

        // The containers the panes left are out of sight, not where they were.
        for (HWND old : docked)
            EXPECT_FALSE(::IsWindowVisible(old));

        // The strips: above the side strips' tabs, next to the top strip,
        // only their background is left.
        const CXTPGradientValue& face =
            frame->manager.GetPaintManager()->GetPanelPaintManager()->GetColorSet()->m_clrHeaderFace;
        CRect rcLeft = ParentRect(leftPanel->m_hWnd), rcRight = ParentRect(rightPanel->m_hWnd);
        // One gradient for all strips: the left one shows its start, the
        // right one its far part; a plain fill where the colours agree.
        const int y = 2;
        EXPECT_EQ(face.clrLight, shot.Pixel(rcLeft.left, y));
        EXPECT_EQ(face.clrLight == face.clrDark, face.clrLight == shot.Pixel(rcRight.left, y));
        gradients += face.clrLight != face.clrDark;

        // The slide-out: full width, the darker outer line of its edge
        // towards the client, the pane inside.
        CRect rcSlide = ParentRect(slide->m_hWnd);
        EXPECT_EQ(rcLeft.right, rcSlide.left);
        EXPECT_EQ(160 + 4, rcSlide.Width());
        CXTPDockingPanePaintManager* paint = frame->manager.GetPaintManager();
        EXPECT_EQ(paint->GetIndexedColor(COLOR_3DDKSHADOW), shot.Pixel(rcSlide.right - 1, rcSlide.CenterPoint().y));
        EXPECT_EQ(paint->GetIndexedColor(COLOR_3DSHADOW), shot.Pixel(rcSlide.right - 2, rcSlide.CenterPoint().y));
        EXPECT_TRUE(::IsWindowVisible(left->GetHwnd()));
        frame->DestroyWindow();
        testpump::PumpUntilIdle();
    }
    EXPECT_GT(gradients, 0) << "some theme has two panel colours";
}

TEST(DockingAutoHide, RightToLeftSiteSlidesOutBesideItsStrip)
{
    CWinApp app(L"DockingAutoHideRtlApp");
    auto* frame = new CDockingTestFrame;
    frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(20, 20, 620, 420), nullptr, nullptr,
                  WS_EX_LAYOUTRTL);
    frame->manager.InstallDockingPanes(frame);
    // On screen the sides are mirrored: the left strip lies at the right and
    // its pane slides out leftwards from it, and the other way round.
    for (int side : {int(xtpPaneDockLeft), int(xtpPaneDockRight)})
    {
        SCOPED_TRACE(side);
        CXTPDockingPane* pane = frame->manager.CreatePane(10 + side, CRect(0, 0, 150, 100), side);
        frame->RecalcLayout();
        frame->manager.HidePane(pane);
        frame->RecalcLayout();
        auto* panel = static_cast<CXTPDockingPaneAutoHidePanel*>(frame->manager.GetLayout()->m_wndPanels[side]);
        ASSERT_NE(nullptr, panel);
        ::SetCursorPos(1200, 1000);
        panel->ShowPane(pane, FALSE);
        CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
        ASSERT_NE(nullptr, slide);
        ::SendMessageW(slide->m_hWnd, WM_TIMER, CXTPDockingPaneAutoHideWnd::timerSlideOut, 0);
        CRect rcPanel, rcSlide, rcClient;
        ::GetWindowRect(panel->m_hWnd, &rcPanel);
        ::GetWindowRect(slide->m_hWnd, &rcSlide);
        frame->GetClientRect(&rcClient);
        frame->ClientToScreen(&rcClient);
        rcClient.NormalizeRect();
        BOOL left = side == xtpPaneDockLeft;
        EXPECT_EQ(left ? rcClient.right : rcClient.left, left ? rcPanel.right : rcPanel.left);
        EXPECT_EQ(left ? rcPanel.left : rcPanel.right, left ? rcSlide.right : rcSlide.left);
        EXPECT_EQ((150 + 4) * 2 / 8, rcSlide.Width()) << "the second of eight frames";
        slide->CloseWindowNow();
        testpump::PumpUntilIdle();
    }
    frame->DestroyWindow();
}

TEST(DockingAutoHide, SlideOutEdgeShowsTheSplitCursorWhileItCanBeDragged)
{
    CWinApp app(L"DockingAutoHideCursorApp");
    CDockingTestFrame* frame = CDockingTestFrame::New();
    for (int side : {int(xtpPaneDockLeft), int(xtpPaneDockTop)})
    {
        CXTPDockingPane* pane = frame->manager.CreatePane(10 + side, CRect(0, 0, 150, 100), side);
        frame->RecalcLayout();
        frame->manager.HidePane(pane);
        frame->RecalcLayout();
    }
    for (int side : {int(xtpPaneDockLeft), int(xtpPaneDockTop)})
    {
        SCOPED_TRACE(side);
        auto* panel = static_cast<CXTPDockingPaneAutoHidePanel*>(frame->manager.GetLayout()->m_wndPanels[side]);
        ASSERT_NE(nullptr, panel);
        panel->ShowPane(frame->manager.FindPane(10 + side), FALSE);
        CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
        ASSERT_NE(nullptr, slide);
        for (int k = 1; k < slide->GetStepCount(); k++)
            ::SendMessageW(slide->m_hWnd, WM_TIMER, CXTPDockingPaneAutoHideWnd::timerSlideOut, 0);
        ::KillTimer(slide->m_hWnd, CXTPDockingPaneAutoHideWnd::timerCheck);
        CRect rc;
        ::GetWindowRect(slide->m_hWnd, &rc);
        const BOOL vertical = side == xtpPaneDockTop;
        const POINT onEdge = vertical ? POINT{rc.CenterPoint().x, rc.bottom - 2} : POINT{rc.right - 2, rc.CenterPoint().y};
        HCURSOR split = XTPGetResourceManager()->LoadCursor(vertical ? XTP_IDC_VSPLITBAR : XTP_IDC_HSPLITBAR);
        ASSERT_NE(nullptr, split);
        struct
        {
            const char* what;
            POINT at;
            BOOL locked;
            bool splitCursor;
        } cases[] = {
            {"on the edge", onEdge, FALSE, true},
            {"inside the window", rc.CenterPoint(), FALSE, false},
            {"on the edge, splitters locked", onEdge, TRUE, false},
        };
        for (const auto& c : cases)
        {
            frame->manager.m_bLockSplitters = c.locked;
            ::SetCursorPos(c.at.x, c.at.y);
            ::SetCursor(nullptr);
            ::SendMessageW(slide->m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(slide->m_hWnd),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(c.splitCursor, ::GetCursor() == split) << c.what;
        }
        frame->manager.m_bLockSplitters = FALSE;
        slide->CloseWindowNow();
        testpump::PumpUntilIdle();
    }
    frame->DestroyWindow();
}

TEST(DockingAutoHide, StripTabsHotTrackAndAskForHoverAfterTheSetTime)
{
    CWinApp app(L"DockingAutoHideHoverApp");
    CDockingTestFrame* frame = CDockingTestFrame::New();
    frame->manager.GetPaintManager()->GetPanelPaintManager()->m_bHotTracking = TRUE;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(frame, frame->manager, 150);
    ASSERT_NE(nullptr, panel);
    ASSERT_EQ(1u, panel->GetTabManagers().size());
    CXTPTabManager* tabs = panel->GetTabManagers()[0].get();
    ASSERT_EQ(2, tabs->GetItemCount());
    ::SetForegroundWindow(frame->m_hWnd);
    testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; });

    const int savedHover = CXTPDockingPaneAutoHideWnd::m_nHoverTime;
    CXTPDockingPaneAutoHideWnd::m_nHoverTime = 350;
    CPoint overSecond = tabs->GetItem(1)->GetRect().CenterPoint();
    POINT screen = overSecond;
    ::ClientToScreen(panel->m_hWnd, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageW(panel->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(overSecond.x, overSecond.y));
    EXPECT_EQ(tabs->GetItem(1), tabs->GetHighlightedItem());
    TRACKMOUSEEVENT query = {sizeof(query), TME_QUERY, nullptr, 0};
    ASSERT_TRUE(::TrackMouseEvent(&query));
    EXPECT_EQ(panel->m_hWnd, query.hwndTrack);
    EXPECT_TRUE(query.dwFlags & TME_HOVER);
    EXPECT_EQ(350u, query.dwHoverTime);
    CXTPDockingPaneAutoHideWnd::m_nHoverTime = savedHover;

    ::SendMessageW(panel->m_hWnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(nullptr, tabs->GetHighlightedItem()) << "leaving the strip cools the tab";
    frame->DestroyWindow();
}

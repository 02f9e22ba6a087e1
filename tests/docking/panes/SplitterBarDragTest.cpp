// A splitter bar dragged with the mouse ends where the button is let go:
// beside and above the client, left to right and mirrored, with the
// outline and live, over moves that overshoot and come back, and stopped
// at the client's minimum extent.
#include <gtest/gtest.h>
#include <climits>
#include <string>
#include <vector>
#include "DockingTestFrame.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"

namespace {

// The bar that has the pane's group on one side.
CXTPDockingPaneSplitterWnd* BarBeside(CXTPDockingPane* pane)
{
    auto* splitter = dynamic_cast<CXTPDockingPaneSplitterContainer*>(pane->GetContainer()->GetContainer());
    if (!splitter)
        return nullptr;
    for (CXTPDockingPaneSplitterWnd* bar : splitter->m_lstSpliters)
    {
        if (bar->GetFirst() == pane->GetContainer() || bar->GetSecond() == pane->GetContainer())
            return bar;
    }
    return nullptr;
}

CRect ScreenRect(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

// Along the bar's axis of movement: a rectangle's near and far edge.
int Near(const CRect& rc, bool horiz) { return horiz ? rc.left : rc.top; }
int Far(const CRect& rc, bool horiz) { return horiz ? rc.right : rc.bottom; }

struct DragCase
{
    const char* name;
    int direction;          // where the pane is docked
    DWORD exStyle;          // of the site
    BOOL tracker;           // outline (TRUE) or live
    std::vector<int> moves; // the pointer's offsets from the press, along the axis
    int landed;             // the bar's offset at the end; INT_MIN: stopped by the client's minimum
};

} // namespace

TEST(SplitterBarDrag, TheBarLandsWhereTheMouseLetsGo)
{
    const DragCase cases[] = {
        {"beside, outline", xtpPaneDockLeft, 0, TRUE, {25, 70, 40}, 40},
        {"beside, live", xtpPaneDockLeft, 0, FALSE, {25, 70, 40}, 40},
        {"beside, outline, back", xtpPaneDockLeft, 0, TRUE, {-30, -60}, -60},
        {"beside, live, back", xtpPaneDockLeft, 0, FALSE, {-30, -10, -60}, -60},
        {"above, outline", xtpPaneDockBottom, 0, TRUE, {-20, -90, -60}, -60},
        {"above, live", xtpPaneDockBottom, 0, FALSE, {-20, -90, -60}, -60},
        {"above, live, down", xtpPaneDockBottom, 0, FALSE, {15, 30}, 30},
        {"mirrored, outline", xtpPaneDockLeft, WS_EX_LAYOUTRTL, TRUE, {-25, -70, -40}, -40},
        {"mirrored, live", xtpPaneDockLeft, WS_EX_LAYOUTRTL, FALSE, {-25, -70, -40}, -40},
        {"mirrored, live, back", xtpPaneDockLeft, WS_EX_LAYOUTRTL, FALSE, {20, 50}, 50},
        {"beside, outline, clamped", xtpPaneDockLeft, 0, TRUE, {200, 900}, INT_MIN},
        {"beside, live, clamped", xtpPaneDockLeft, 0, FALSE, {200, 900}, INT_MIN},
        {"above, outline, clamped", xtpPaneDockBottom, 0, TRUE, {-100, -600}, INT_MIN},
        {"above, live, clamped", xtpPaneDockBottom, 0, FALSE, {-100, -600}, INT_MIN},
        {"mirrored, outline, clamped", xtpPaneDockLeft, WS_EX_LAYOUTRTL, TRUE, {-200, -900}, INT_MIN},
    };
    for (const DragCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CWinApp app(L"SplitterBarDragApp");
        auto* frame = new CDockingTestFrame;
        frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(20, 20, 620, 420), nullptr,
                      nullptr, c.exStyle);
        DockingTestFramePtr closer(frame);
        frame->manager.InstallDockingPanes(frame);
        frame->manager.m_bUseSplitterTracker = c.tracker;
        CXTPDockingPane* pane = frame->manager.CreatePane(1, CRect(0, 0, 150, 120), c.direction);
        frame->RecalcLayout();
        testpump::PumpUntilIdle();
        CXTPDockingPaneSplitterWnd* bar = BarBeside(pane);
        ASSERT_NE(nullptr, bar);
        const bool horiz = bar->IsHoriz() != FALSE;
        HWND group = GroupOf(pane)->m_hWnd;
        const CRect barBefore = ScreenRect(bar->m_hWnd), groupBefore = ScreenRect(group);

        // Pressed a pixel into the bar, so that the grip's offset counts too.
        POINT from = {barBefore.left + 1, barBefore.top + barBefore.Height() / 2};
        if (!horiz)
            from = {barBefore.left + barBefore.Width() / 2, barBefore.top + 1};
        std::vector<POINT> path;
        for (int d : c.moves)
            path.push_back(horiz ? POINT{from.x + d, from.y} : POINT{from.x, from.y + d});
        ASSERT_TRUE(testinput::DragInLoop(frame->m_hWnd, from, path));
        frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        testpump::PumpUntilIdle();
        EXPECT_EQ(nullptr, ::GetCapture());

        bar = BarBeside(pane);
        ASSERT_NE(nullptr, bar);
        const CRect barAfter = ScreenRect(bar->m_hWnd), groupAfter = ScreenRect(group);
        const int moved = Near(barAfter, horiz) - Near(barBefore, horiz);
        if (c.landed != INT_MIN)
        {
            EXPECT_EQ(c.landed, moved) << "the bar is where the pointer let it go";
        }
        else
        {
            // The client keeps the manager's minimum extent, to the pixel.
            CRect client = frame->manager.GetLayout()->GetClientPane()->GetPaneWindowRect();
            EXPECT_EQ(frame->manager.m_nSplitterGap, horiz ? client.Width() : client.Height());
            EXPECT_NE(0, moved);
        }
        // The pane's edge at the bar goes with the bar; its far edge stays.
        bool barAfterGroup = Near(barBefore, horiz) >= Far(groupBefore, horiz);
        if (barAfterGroup)
        {
            EXPECT_EQ(Far(groupBefore, horiz) + moved, Far(groupAfter, horiz));
            EXPECT_EQ(Near(groupBefore, horiz), Near(groupAfter, horiz));
        }
        else
        {
            EXPECT_EQ(Near(groupBefore, horiz) + moved, Near(groupAfter, horiz));
            EXPECT_EQ(Far(groupBefore, horiz), Far(groupAfter, horiz));
        }
    }
}

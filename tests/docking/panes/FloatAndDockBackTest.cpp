// A group floated and dragged back to a side keeps its panes' windows and
// shows them; new floating frames come up on the work area, where the pane
// was when its caption is double-clicked.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "DockingTestFrame.h"
#include "framework/windows/CWinApp.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"

namespace {

CRect ScreenRect(CXTPDockingPaneBase* node)
{
    return CXTPDockingPaneContext::GetNodeScreenRect(node);
}

CXTPDockingPaneMiniWnd* FloatingFrameOf(CXTPDockingPaneBase* node)
{
    for (CXTPDockingPaneBase* up = node; up; up = up->GetContainer())
    {
        if (up->GetType() == xtpPaneTypeMiniWnd)
            return static_cast<CXTPDockingPaneMiniWnd*>(up);
    }
    return nullptr;
}

// A point 10 pixels inside the client area's side: the side rule docks there.
POINT InsideSide(CRect client, int side)
{
    CPoint centre = client.CenterPoint();
    switch (side)
    {
    case xtpPaneDockLeft: return {client.left + 10, centre.y};
    case xtpPaneDockRight: return {client.right - 10, centre.y};
    case xtpPaneDockTop: return {centre.x, client.top + 10};
    default: return {centre.x, client.bottom - 10};
    }
}

bool IsTextPixel(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 250;
}

bool IsPaperPixel(COLORREF c)
{
    return GetRValue(c) > 230 && GetGValue(c) > 230 && GetBValue(c) > 230;
}

int CountIn(const testshot::Image& image, CRect rc, bool (*test)(COLORREF))
{
    int n = 0;
    for (int y = std::max(0L, rc.top); y < std::min<LONG>(image.height, rc.bottom); y++)
    {
        for (int x = std::max(0L, rc.left); x < std::min<LONG>(image.width, rc.right); x++)
            n += test(image.Pixel(x, y));
    }
    return n;
}

const wchar_t* const kSideNames[] = {L"left", L"right", L"top", L"bottom"};

} // namespace

TEST(FloatAndDockBack, TwoPaneGroupDraggedBackToEachSideStillShowsItsList)
{
    CWinApp app(L"FloatAndDockBackApp");
    for (int side : {xtpPaneDockLeft, xtpPaneDockRight, xtpPaneDockTop, xtpPaneDockBottom})
    for (bool byFrameCaption : {true, false})
    {
        SCOPED_TRACE(side);
        SCOPED_TRACE(byFrameCaption ? "by the floating frame's caption" : "by the group's own caption");
        DockingTestFramePtr frame(CDockingTestFrame::New());
        CXTPDockingPaneManager& manager = frame->manager;
        CXTPDockingPane* games = manager.CreatePane(1, CRect(0, 0, 180, 120), xtpPaneDockLeft);
        CXTPDockingPane* stats = manager.CreatePane(2, CRect(0, 0, 180, 120), xtpPaneDockLeft);
        games->SetTitle(L"Spiele");
        stats->SetTitle(L"Statistik");
        manager.AttachPane(stats, games);
        frame->RecalcLayout();
        testpump::PumpUntilIdle();
        ASSERT_TRUE(stats->IsSelected());
        HWND list = stats->GetHwnd();
        ASSERT_TRUE(::IsWindow(list));

        // Float the group by its caption, into empty space.
        CRect docked = ScreenRect(stats->GetContainer());
        POINT caption = {docked.left + 20, docked.top + 6};
        testinput::DragInLoop(frame->m_hWnd, caption, {{caption.x + 40, caption.y}, {900, 700}});
        CXTPDockingPaneMiniWnd* floating = FloatingFrameOf(stats);
        ASSERT_NE(nullptr, floating);
        ASSERT_TRUE(floating->m_hWnd && ::IsWindowVisible(floating->m_hWnd));
        EXPECT_EQ(games->GetContainer(), stats->GetContainer()) << "floated as one group";

        // Its frame's caption (or the group's inside it) dragged to the side
        // of the client area.
        CRect rcFloating;
        floating->GetWindowRect(&rcFloating);
        caption = {rcFloating.left + 40, rcFloating.top + 6};
        ASSERT_EQ(HTCAPTION, ::SendMessageW(floating->m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)));
        if (!byFrameCaption)
        {
            CRect group = ScreenRect(stats->GetContainer());
            caption = {group.left + 20, group.top + 6};
        }
        POINT to = InsideSide(ScreenRect(manager.GetLayout()->GetClientPane()), side);
        testinput::DragInLoop(frame->m_hWnd, caption, {{caption.x - 40, caption.y}, to});
        frame->RecalcLayout();
        testpump::PumpUntilIdle();

        EXPECT_EQ(nullptr, FloatingFrameOf(stats));
        EXPECT_EQ(side, manager.GetPaneDirection(stats));
        EXPECT_EQ(games->GetContainer(), stats->GetContainer());
        auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(stats->GetContainer());
        if (!::IsWindow(list))
        {
            ADD_FAILURE() << "the pane's window did not outlive the floating frame";
            continue;
        }
        EXPECT_EQ(list, stats->GetHwnd());
        EXPECT_EQ(container->m_hWnd, ::GetParent(list));
        EXPECT_TRUE(::IsWindowVisible(list));

        // The list shows its line on white inside the docked group.
        testshot::Image shot = testshot::CaptureWindow(frame->m_hWnd);
        if (byFrameCaption)
            testshot::Save(shot, std::wstring(L"docking_dock_back_") + kSideNames[side] + L".png");
        CRect rcList;
        ::GetWindowRect(list, &rcList);
        ::MapWindowPoints(nullptr, frame->m_hWnd, reinterpret_cast<POINT*>(&rcList), 2);
        CRect rcLine(rcList.left + 2, rcList.top + 2, rcList.right - 2, rcList.top + 18);
        EXPECT_GT(CountIn(shot, rcLine, IsTextPixel), 30) << "the line's text";
        EXPECT_GT(CountIn(shot, rcList, IsPaperPixel), rcList.Width() * rcList.Height() / 2) << "the list's white";
    }
}

TEST(FloatAndDockBack, NewFloatingFramesLieOnTheWorkArea)
{
    CWinApp app(L"FloatAndDockBackApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPaneManager& manager = frame->manager;
    CXTPDockingPane* pane = manager.CreatePane(1, CRect(0, 0, 180, 120), xtpPaneDockBottom);
    frame->RecalcLayout();
    testpump::PumpUntilIdle();
    CRect work = XTPGetWorkAreaOfRect(CRect(0, 0, 10, 10));
    // Off the bottom right corner, off the top left one, and larger than the work area.
    const CRect asked[] = {
        CRect(work.right - 100, work.bottom - 50, work.right + 100, work.bottom + 150),
        CRect(work.left - 300, work.top - 80, work.left + 100, work.top + 120),
        CRect(work.left - 10, work.top - 10, work.right + 10, work.bottom + 10),
    };
    for (const CRect& rc : asked)
    {
        auto* floating = static_cast<CXTPDockingPaneMiniWnd*>(manager.FloatPane(pane, rc));
        ASSERT_NE(nullptr, floating);
        ASSERT_NE(nullptr, floating->m_hWnd);
        CRect placed;
        floating->GetWindowRect(&placed);
        CRect inside;
        inside.IntersectRect(placed, work);
        EXPECT_EQ(RectText(placed), RectText(inside)) << "whole on the work area";
        if (rc.Width() <= work.Width() && rc.Height() <= work.Height())
        {
            EXPECT_EQ(RectText(CRect(CPoint(0, 0), rc.Size())), RectText(CRect(CPoint(0, 0), placed.Size())));
        }
        manager.ToggleDocking(pane);
        testpump::PumpUntilIdle();
    }
}

TEST(FloatAndDockBack, DoubleClickedCaptionFloatsThePaneWhereItWas)
{
    CWinApp app(L"FloatAndDockBackApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    frame->SetWindowPos(nullptr, 300, 250, 600, 400, SWP_NOZORDER);
    CXTPDockingPaneManager& manager = frame->manager;
    CXTPDockingPane* pane = manager.CreatePane(1, CRect(0, 0, 180, 120), xtpPaneDockRight);
    frame->RecalcLayout();
    testpump::PumpUntilIdle();
    CRect before;
    ::GetWindowRect(pane->GetHwnd(), &before);
    CRect docked = ScreenRect(pane->GetContainer());
    testinput::DoubleClickAt({docked.left + 20, docked.top + 6});
    testpump::PumpUntil([&] { return FloatingFrameOf(pane) != nullptr; });
    CXTPDockingPaneMiniWnd* floating = FloatingFrameOf(pane);
    ASSERT_NE(nullptr, floating);
    CRect placed;
    floating->GetWindowRect(&placed);
    EXPECT_EQ(RectText(before), RectText(placed)) << "the frame takes the pane's place on screen";
}

// A group floated and docked again by dragging its floating frame floats
// once more on a double click of its caption, as one group where it lay.
TEST(FloatAndDockBack, GroupDockedByDraggingItsFrameFloatsAgainOnACaptionDoubleClick)
{
    CWinApp app(L"FloatAndDockBackApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPaneManager& manager = frame->manager;
    CXTPDockingPane* games = manager.CreatePane(1, CRect(0, 0, 180, 120), xtpPaneDockLeft);
    CXTPDockingPane* stats = manager.CreatePane(2, CRect(0, 0, 180, 120), xtpPaneDockLeft);
    manager.AttachPane(stats, games);
    frame->RecalcLayout();
    testpump::PumpUntilIdle();

    CRect docked = ScreenRect(stats->GetContainer());
    POINT caption = {docked.left + 20, docked.top + 6};
    testinput::DragInLoop(frame->m_hWnd, caption, {{caption.x + 40, caption.y}, {900, 700}});
    CXTPDockingPaneMiniWnd* floating = FloatingFrameOf(stats);
    ASSERT_NE(nullptr, floating);
    CRect rcFloating;
    floating->GetWindowRect(&rcFloating);
    caption = {rcFloating.left + 40, rcFloating.top + 6};
    POINT to = InsideSide(ScreenRect(manager.GetLayout()->GetClientPane()), xtpPaneDockRight);
    testinput::DragInLoop(frame->m_hWnd, caption, {{caption.x - 40, caption.y}, to});
    frame->RecalcLayout();
    testpump::PumpUntilIdle();
    ASSERT_EQ(nullptr, FloatingFrameOf(stats));
    ASSERT_EQ(xtpPaneDockRight, manager.GetPaneDirection(stats));

    CRect before;
    ::GetWindowRect(stats->GetHwnd(), &before);
    docked = ScreenRect(stats->GetContainer());
    testinput::DoubleClickAt({docked.left + 20, docked.top + 6});
    EXPECT_TRUE(testpump::PumpUntil([&] { return FloatingFrameOf(stats) != nullptr; })) << "floated again";
    floating = FloatingFrameOf(stats);
    ASSERT_NE(nullptr, floating);
    EXPECT_EQ(floating, FloatingFrameOf(games));
    EXPECT_EQ(games->GetContainer(), stats->GetContainer()) << "still one group";
    EXPECT_TRUE(stats->IsSelected());
    floating->GetWindowRect(&rcFloating);
    EXPECT_EQ(RectText(before), RectText(rcFloating)) << "the frame takes the group's place on screen";
}

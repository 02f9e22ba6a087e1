// A docked pane and the frame's view trading places in one layout pass
// (the pane docked at the opposite side, the pane's bar dragged): the
// screen then shows what every window draws now, nothing a window drew
// at the place it left.
#include <gtest/gtest.h>

#include <string>

#include "DockingTestFrame.h"
#include "framework/windows/CFrameWnd.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

// A stand-in for a frame's view: stripes that depend on the row, so that
// pixels carried from anywhere else differ from what it draws. Like a
// view it does not clip its siblings.
LRESULT CALLBACK StripedViewProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND)
        return TRUE;
    if (message != WM_PAINT)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(hWnd, &ps);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    for (int y = 0; y < rc.bottom; y++)
    {
        HBRUSH brush = ::CreateSolidBrush(RGB(40 + (y * 5) % 200, 200, 90));
        RECT row = {0, y, rc.right, y + 1};
        ::FillRect(hdc, &row, brush);
        ::DeleteObject(brush);
    }
    ::EndPaint(hWnd, &ps);
    return 0;
}

HWND CreateStripedView(HWND hFrame)
{
    static ATOM atom = 0;
    if (!atom)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = StripedViewProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"TavrolinStripedView";
        atom = ::RegisterClassW(&wc);
    }
    return ::CreateWindowExW(0, L"TavrolinStripedView", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hFrame,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(AFX_IDW_PANE_FIRST)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

// Rows of pixels of a frame's client area on screen that differ from
// what its windows draw when asked afresh.
int RowsNotDrawnAfresh(HWND hFrame, const std::string& step)
{
    CRect rc;
    ::GetClientRect(hFrame, &rc);
    ::MapWindowPoints(hFrame, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    ::SetWindowPos(hFrame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    testpump::PumpUntilIdle();
    const testshot::Image shown = testshot::CaptureScreen(rc);
    ::RedrawWindow(hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testpump::PumpUntilIdle();
    const testshot::Image fresh = testshot::CaptureScreen(rc);
    int rows = 0;
    for (int y = 0; y < shown.height && y < fresh.height; y++)
    {
        for (int x = 0; x < shown.width && x < fresh.width; x++)
        {
            if (shown.Pixel(x, y) != fresh.Pixel(x, y))
            {
                rows++;
                break;
            }
        }
    }
    if (rows > 0)
        testshot::Save(shown, L"docking_places_traded_" + std::wstring(step.begin(), step.end()) + L".png");
    return rows;
}

} // namespace

TEST(DockedPlacesTraded, PaneAndViewTradingPlacesLeaveNoPictureBehind)
{
    CMainTestFrameScope scope(L"DockedPlacesTradedApp");
    CDockingTestFrame* frame = scope.frame;
    // Made before the view, the pane's window lies above it, as a pane's
    // does once it came back from floating (a new parent puts it on top).
    CXTPDockingPaneManager& manager = frame->manager;
    CXTPDockingPane* pane = manager.CreatePane(1, CRect(0, 0, 150, 110), xtpPaneDockTop);
    manager.ShowPane(pane, FALSE);
    HWND hView = CreateStripedView(scope.hFrame);
    ASSERT_NE(hView, nullptr);
    frame->RecalcLayout();
    testpump::PumpUntilIdle();
    ASSERT_TRUE(::IsWindowVisible(GroupOf(pane)->m_hWnd));

    const struct
    {
        int side;
        const char* name;
    } steps[] = {{xtpPaneDockBottom, "bottom"}, {xtpPaneDockTop, "top"},  {xtpPaneDockRight, "right"},
                 {xtpPaneDockLeft, "left"},     {xtpPaneDockRight, "right_again"}};
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.name);
        manager.DockPane(GroupOf(pane), step.side, nullptr);
        frame->RecalcLayout();
        testpump::PumpUntilIdle();
        ASSERT_EQ(step.side, manager.GetPaneDirection(pane));
        EXPECT_EQ(0, RowsNotDrawnAfresh(scope.hFrame, step.name));
    }

    // The bar dragged, as its drag applies it: the pane and the view change
    // sizes and the bar moves across a place the view had.
    CXTPDockingPaneSplitterContainer* splitter =
        static_cast<CXTPDockingPaneSplitterContainer*>(GroupOf(pane)->GetContainer());
    ASSERT_EQ(1u, splitter->m_lstSpliters.size());
    GroupOf(pane)->m_szDocking.cx += 120;
    frame->RecalcLayout();
    testpump::PumpUntilIdle();
    EXPECT_EQ(0, RowsNotDrawnAfresh(scope.hFrame, "bar"));
}

// Two panes side by side in one floating frame trade places there.
TEST(DockedPlacesTraded, PanesTradingPlacesInAFloatingFrameLeaveNoPictureBehind)
{
    CMainTestFrameScope scope(L"DockedPlacesTradedFloatingApp");
    CXTPDockingPaneManager& manager = scope.frame->manager;
    CXTPDockingPane* first = manager.CreatePane(1, CRect(0, 0, 150, 110), xtpPaneDockLeft);
    CXTPDockingPane* second = manager.CreatePane(2, CRect(0, 0, 150, 110), xtpPaneDockLeft);
    manager.ShowPane(first, FALSE);
    manager.ShowPane(second, FALSE);
    scope.frame->RecalcLayout();
    manager.FloatPane(GroupOf(first), CRect(700, 100, 1010, 260));
    testpump::PumpUntilIdle();
    manager.DockPane(GroupOf(second), xtpPaneDockRight, GroupOf(first));
    testpump::PumpUntilIdle();
    auto* floating = dynamic_cast<CFrameWnd*>(first->GetParentFrame());
    ASSERT_NE(floating, nullptr);
    ASSERT_EQ(floating, second->GetParentFrame()) << "both in one floating frame";
    floating->RecalcLayout();
    testpump::PumpUntilIdle();

    for (const char* step : {"floating_second_first", "floating_second_last"})
    {
        SCOPED_TRACE(step);
        const BOOL bAfter = std::string(step) == "floating_second_last";
        manager.DockPane(GroupOf(second), bAfter ? xtpPaneDockRight : xtpPaneDockLeft, GroupOf(first));
        floating->RecalcLayout();
        testpump::PumpUntilIdle();
        CRect rcFirst, rcSecond;
        ::GetWindowRect(GroupOf(first)->m_hWnd, &rcFirst);
        ::GetWindowRect(GroupOf(second)->m_hWnd, &rcSecond);
        ASSERT_EQ(bAfter, rcSecond.left > rcFirst.left);
        EXPECT_EQ(0, RowsNotDrawnAfresh(floating->m_hWnd, step));
    }
}


// A tab dragged with real input whose release goes to another program's
// window: the drag ends where the mouse last was, and the click that
// follows is a press of its own rather than the drag's end.
#include <gtest/gtest.h>
#include "TabTestHost.h"
#include <windowsx.h>
#include "support/TestInput.h"
#include "support/TestPump.h"

namespace {

// Presses on the window go to the strip, as a tab control's do.
class CPressedTabWindow : public CTabTestWindow
{
public:
    using CTabTestWindow::CTabTestWindow;
    int m_nPresses = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN)
        {
            m_nPresses++;
            m_host.PerformClick(m_hWnd, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
            return 0;
        }
        return CTabTestWindow::WindowProc(message, wParam, lParam);
    }
};

CPoint ScreenCenter(HWND hWnd, const CRect& rc)
{
    CPoint pt = rc.CenterPoint();
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

} // namespace

TEST(TabDragReleaseLost, TheDragEndsAtItsLastPointAndTheLaterClickIsAPress)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({80, 80, 80});
    CPressedTabWindow window(host);
    testpump::PumpUntilIdle();
    CXTPTabManagerItem* dragged = host.GetItem(0);
    const HWND hWnd = window.m_hWnd;
    const CPoint from = ScreenCenter(hWnd, host.ItemRect(0));
    const CPoint over1 = ScreenCenter(hWnd, host.ItemRect(1));
    const CPoint over2 = ScreenCenter(hWnd, host.ItemRect(2));
    CRect rcWindow;
    window.GetWindowRect(&rcWindow);
    ASSERT_TRUE(testinput::MoveMouseAndWait(from));
    ASSERT_TRUE(testinput::DragInLoopLosingTheRelease(hWnd, from, {over1, over2},
                                                      {rcWindow.right + 100, rcWindow.bottom + 50}, over1));
    EXPECT_EQ(2, dragged->GetIndex()) << "the later click took the tab back";
    EXPECT_EQ(2, window.m_nPresses) << "the later click was no press of its own";
    EXPECT_EQ(nullptr, ::GetCapture());
}

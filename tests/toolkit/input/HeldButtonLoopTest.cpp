// The messages of a loop that runs while the left button is held, with real
// input: a release that went to another program's window is made at the
// last point as soon as the button is up, a press that comes while the
// button is taken as held ends the loop and stays queued, and a loop driven
// by posted messages reads them as they come. The splitter tracker, one
// such loop, ends at its last point when its release goes elsewhere.
#include <gtest/gtest.h>
#include <windows.h>
#include <vector>

#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/common/drawing/XTPSplitterTracker.h"
#include "toolkit/common/input/XTPHeldButtonLoop.h"
#include "framework/windows/CWnd.h"
#include <windowsx.h>

namespace {

class HeldButtonLoop : public testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"HeldButtonLoopWindow";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        ::SetForegroundWindow(m_hWnd);
        testpump::PumpUntilIdle();
    }
    void TearDown() override
    {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        ::DestroyWindow(m_hWnd);
        testpump::PumpUntilIdle();
    }

    // The left button pressed on the window as input, the press read as a
    // loop's handler reads it, the mouse captured.
    bool PressAndCapture(POINT pt)
    {
        if (!testinput::MoveMouseAndWait(pt))
            return false;
        testpump::PumpUntilIdle();
        testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, pt);
        MSG msg;
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < testpump::kDeadline)
        {
            if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                ::MsgWaitForMultipleObjectsEx(0, nullptr, 50, QS_ALLINPUT, 0);
                continue;
            }
            if (msg.message == WM_LBUTTONDOWN && msg.hwnd == m_hWnd)
            {
                ::SetCapture(m_hWnd);
                return true;
            }
            ::DispatchMessageW(&msg);
        }
        return false;
    }

    // The button goes up with the capture let go for that moment, off the
    // window: the release goes to the desktop's window, another program's.
    static void ReleaseElsewhere(POINT pt)
    {
        const HWND hCapture = ::GetCapture();
        ::ReleaseCapture();
        testinput::SendMouse(MOUSEEVENTF_LEFTUP, pt);
        ::SetCapture(hCapture);
    }

    // The next mouse message the loop hands out, other messages dispatched.
    static MSG NextMouseMessage(CXTPHeldButtonLoop& loop)
    {
        MSG msg = {};
        while (loop.GetMessage(&msg) > 0)
        {
            if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
                return msg;
            ::DispatchMessageW(&msg);
        }
        return msg;
    }

    static POINT Desktop() { return {700, 500}; }

    HWND m_hWnd = nullptr;
};

} // namespace

TEST_F(HeldButtonLoop, AReleaseThatWentElsewhereIsMadeAtTheLastPointOnceTheButtonIsUp)
{
    ASSERT_TRUE(PressAndCapture({150, 150}));
    CXTPHeldButtonLoop loop;
    testinput::MoveMouseTo({180, 170});
    testinput::SendKey(VK_SHIFT);
    ReleaseElsewhere(Desktop());

    MSG msg = NextMouseMessage(loop);
    ASSERT_EQ(static_cast<UINT>(WM_MOUSEMOVE), msg.message);
    const DWORD start = ::GetTickCount();
    msg = NextMouseMessage(loop);
    EXPECT_LT(::GetTickCount() - start, 2000u) << "waited for more input";
    ASSERT_EQ(static_cast<UINT>(WM_LBUTTONUP), msg.message);
    EXPECT_EQ(m_hWnd, msg.hwnd);
    EXPECT_EQ(180, msg.pt.x);
    EXPECT_EQ(170, msg.pt.y);
    EXPECT_EQ(80, GET_X_LPARAM(msg.lParam)) << "in the capture window's client";
    EXPECT_EQ(70, GET_Y_LPARAM(msg.lParam));
    EXPECT_GE(::GetKeyState(VK_LBUTTON), 0) << "the thread still takes the button as down";
}

TEST_F(HeldButtonLoop, APressWhileHeldEndsTheLoopAndStaysQueued)
{
    ASSERT_TRUE(PressAndCapture({150, 150}));
    CXTPHeldButtonLoop loop;
    testinput::MoveMouseTo({160, 140});
    testinput::SendKey(VK_SHIFT);
    // The release reached no one: a second press comes while the button is
    // down for the system as well.
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, {160, 140});

    MSG msg = NextMouseMessage(loop);
    ASSERT_EQ(static_cast<UINT>(WM_MOUSEMOVE), msg.message);
    msg = NextMouseMessage(loop);
    ASSERT_EQ(static_cast<UINT>(WM_LBUTTONUP), msg.message) << "the later press taken as part of the drag";
    EXPECT_EQ(160, msg.pt.x);
    ::ReleaseCapture();
    MSG press;
    EXPECT_TRUE(::PeekMessageW(&press, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE))
        << "the press is gone, not left for the window under it";
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, {160, 140});
    testpump::PumpUntilIdle();
}

TEST_F(HeldButtonLoop, ALoopDrivenByPostedMessagesReadsThemAsTheyCome)
{
    ASSERT_GE(::GetKeyState(VK_LBUTTON), 0);
    ::SetCapture(m_hWnd);
    CXTPHeldButtonLoop loop;
    ::PostMessageW(m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 6));
    ::PostMessageW(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 8));
    MSG msg = {};
    ASSERT_GT(loop.GetMessage(&msg), 0);
    EXPECT_EQ(static_cast<UINT>(WM_MOUSEMOVE), msg.message);
    ASSERT_GT(loop.GetMessage(&msg), 0);
    EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDOWN), msg.message) << "a release made though no button was held";
    EXPECT_FALSE(loop.IsReleaseMissed());
}

namespace {

// A window whose press runs a splitter tracker over its width, the result
// kept; a press while it tracks starts nothing.
struct TrackerRuns
{
    bool bTracking = false;
    // Where each run left the tracker; empty when it was not accepted.
    std::vector<CRect> runs;
} g_tracker;

LRESULT CALLBACK TrackerWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN && !g_tracker.bTracking)
    {
        g_tracker.bTracking = true;
        CRect rcWindow;
        ::GetWindowRect(hWnd, &rcWindow);
        CPoint pt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ::ClientToScreen(hWnd, &pt);
        CRect rcTracker(pt.x - 1, rcWindow.top, pt.x + 1, rcWindow.bottom);
        CXTPSplitterTracker tracker;
        const BOOL bAccepted = tracker.Track(CWnd::FromHandle(hWnd), rcWindow, rcTracker, pt, TRUE);
        g_tracker.runs.push_back(bAccepted ? rcTracker : CRect());
        g_tracker.bTracking = false;
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

} // namespace

TEST_F(HeldButtonLoop, ASplitterTrackerWhoseReleaseWentElsewhereEndsAtItsLastPoint)
{
    g_tracker = TrackerRuns();
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TrackerWindowProc));
    ASSERT_TRUE(testinput::DragInLoopLosingTheRelease(m_hWnd, {200, 150}, {{230, 150}, {260, 150}}, Desktop(),
                                                      {120, 120}));
    EXPECT_EQ(nullptr, ::GetCapture());
    ASSERT_FALSE(g_tracker.runs.empty());
    EXPECT_EQ(259, g_tracker.runs[0].left) << "the tracker went to the later click";
    // The later click is a press of its own, on the window it was made on.
    ASSERT_EQ(2u, g_tracker.runs.size());
    EXPECT_EQ(119, g_tracker.runs[1].left);
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(::DefWindowProcW));
}

// Window geometry helpers, work areas, the click-outside hook, the splitter
// tracker, the bordered controls and the resource-module switch.
#include <gtest/gtest.h>
#include "framework/controls/CEdit.h"
#include "framework/windows/CWnd.h"
#include "framework/core/ModuleState.h"
#include "toolkit/common/drawing/XTPClickOutsideHook.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/dc/XTPEmptyRect.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"
#include "toolkit/common/drawing/XTPOfficeBorder.h"
#include "toolkit/common/resources/XTPResourceModule.h"
#include "toolkit/common/resources/XTPResourceModuleSwitch.h"
#include "toolkit/common/drawing/XTPSplitterTracker.h"
#include "toolkit/common/drawing/XTPWindowHelpers.h"
#include "toolkit/common/dc/XTPWindowRect.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include <stdexcept>
#include <vector>

namespace {

// A top-level window that counts the left-button presses it receives.
class CClickCounter : public CWnd
{
public:
    int clicks = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN)
            clicks++;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

RECT PrimaryWorkArea()
{
    RECT rc;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

// One frame for all cases: showing and hiding windows is slow on this display.
class DrawWindows : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_frame = new CClickCounter;
        s_frame->CreateEx(0, AfxRegisterWndClass(0), L"Frame", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                          nullptr);
    }
    static void TearDownTestSuite()
    {
        s_frame->DestroyWindow();
        delete s_frame;
    }
    void SetUp() override { ASSERT_TRUE(IsWindow(m_frame.GetSafeHwnd())); }

    static CClickCounter* s_frame;
    CClickCounter& m_frame = *s_frame;
};

CClickCounter* DrawWindows::s_frame = nullptr;

} // namespace

TEST_F(DrawWindows, RectanglesOfWindowsAndOfNone)
{
    EXPECT_TRUE(CXTPEmptyRect().IsRectEmpty());
    EXPECT_EQ(CRect(100, 100, 500, 400), CXTPWindowRect(&m_frame));
    EXPECT_EQ(CRect(0, 0, 400, 300), CXTPClientRect(&m_frame));
    EXPECT_TRUE(CXTPWindowRect(static_cast<const CWnd*>(nullptr)).IsRectEmpty());
    EXPECT_TRUE(CXTPWindowRect(reinterpret_cast<HWND>(0x1234)).IsRectEmpty());
    EXPECT_TRUE(CXTPClientRect(static_cast<const CWnd*>(nullptr)).IsRectEmpty());
}

TEST_F(DrawWindows, WorkAreasComeFromTheMonitorOrThePrimaryArea)
{
    HMONITOR monitor = MonitorFromWindow(m_frame.GetSafeHwnd(), MONITOR_DEFAULTTONEAREST);
    MONITORINFO info = {sizeof(info)};
    GetMonitorInfoW(monitor, &info);
    EXPECT_EQ(CRect(info.rcWork), XTPGetWorkAreaOfWindow(&m_frame));
    EXPECT_EQ(CRect(info.rcWork), XTPGetWorkAreaOfPoint({150, 150}));
    EXPECT_EQ(CRect(info.rcWork), XTPGetWorkAreaOfRect(CRect(110, 110, 120, 120)));

    // Off every monitor: the primary work area.
    EXPECT_EQ(CRect(PrimaryWorkArea()), XTPGetWorkAreaOfPoint({-30000, -30000}));
    // Without the multi-monitor functions: the primary work area too.
    CXTPMonitorFunctions none(L"KERNEL32");
    EXPECT_FALSE(none.IsAvailable());
    EXPECT_EQ(CRect(PrimaryWorkArea()), CRect(none.GetWorkAreaOfPoint({150, 150})));
}

TEST_F(DrawWindows, RightToLeftWindowsMirrorKeysAndPoints)
{
    CWnd rtl;
    ASSERT_TRUE(rtl.CreateEx(WS_EX_LAYOUTRTL, AfxRegisterWndClass(0), L"RTL", WS_POPUP, 10, 20, 100, 50, nullptr,
                             nullptr));
    UINT keys[] = {VK_LEFT, VK_RIGHT, VK_UP};
    for (UINT& key : keys)
        XTPMirrorArrowKey(&rtl, key);
    EXPECT_EQ((std::vector<UINT>{VK_RIGHT, VK_LEFT, VK_UP}), std::vector<UINT>(keys, keys + 3));
    UINT key = VK_LEFT;
    XTPMirrorArrowKey(&m_frame, key);
    EXPECT_EQ(static_cast<UINT>(VK_LEFT), key) << "left-to-right windows keep their keys";

    POINT pt = {30, 40};
    XTPScreenToWindow(&rtl, pt);
    EXPECT_EQ(80, pt.x) << "measured from the right edge (110)";
    EXPECT_EQ(20, pt.y);
    rtl.DestroyWindow();
}

TEST_F(DrawWindows, ClickOutsideTheWatchedWindowIsSwallowed)
{
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), L"Popup", WS_POPUP | WS_VISIBLE, 150, 150,
                               50, 50, m_frame.GetSafeHwnd(), nullptr));
    SetForegroundWindow(m_frame.GetSafeHwnd());
    testpump::PumpUntilIdle();

    testinput::ClickAt({120, 120});
    ASSERT_TRUE(testpump::PumpUntil([&] { return m_frame.clicks > 0; })) << "the click did not arrive";
    testpump::PumpUntilIdle();
    const int before = m_frame.clicks;

    popup.SetFocus();
    XTPSetClickOutsideHook(&popup);
    testinput::ClickAt({120, 120});
    testpump::PumpUntil([&] { return GetFocus() == m_frame.GetSafeHwnd(); });
    testpump::PumpUntilIdle();
    EXPECT_EQ(before, m_frame.clicks) << "the press outside reached no window";
    EXPECT_EQ(m_frame.GetSafeHwnd(), GetFocus()) << "the focus went to the owner";
    XTPSetClickOutsideHook(nullptr);
    popup.DestroyWindow();
}

TEST_F(DrawWindows, SplitterTrackingEndsOnEscapeButtonOrQuit)
{
    CXTPSplitterTracker tracker(TRUE);
    CRect allowed(120, 100, 300, 400);
    CRect bar(200, 100, 204, 400);
    auto Move = [&](int x, int y) { m_frame.PostMessageW(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); };

    // Moves are clamped to the allowed range; Esc cancels but the bar stays moved.
    Move(150, 10);
    Move(5, 10);
    m_frame.PostMessageW(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(tracker.Track(&m_frame, allowed, bar, CPoint(202, 150), TRUE));
    EXPECT_EQ(CRect(120, 100, 124, 400), bar) << "clamped to the allowed left edge";
    EXPECT_EQ(nullptr, GetCapture());

    Move(110, 10);
    m_frame.PostMessageW(WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(tracker.Track(&m_frame, allowed, bar, CPoint(122, 150), TRUE));
    EXPECT_EQ(CRect(208, 100, 212, 400), bar) << "grab offset of -2 kept: 210 - 2";

    CXTPSplitterTracker vertical(FALSE);
    CRect row(100, 200, 500, 204);
    Move(10, 50);
    m_frame.PostMessageW(WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(vertical.Track(&m_frame, CRect(100, 150, 500, 350), row, CPoint(300, 200), FALSE));
    EXPECT_EQ(CRect(100, 150, 500, 154), row) << "clamped to the allowed top";

    // A quit request ends the drag and is handed on to the outer loop.
    PostQuitMessage(7);
    EXPECT_FALSE(tracker.Track(&m_frame, allowed, bar, CPoint(210, 150), TRUE));
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit request was not lost";
    EXPECT_EQ(7u, msg.wParam);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(DrawWindows, BorderedEditTradesTheSystemBorderForOnePixel)
{
    CXTPOfficeBorder<CEdit, 1> edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"Text", WS_CHILD | WS_VISIBLE | WS_BORDER,
                              CRect(10, 10, 110, 40), &m_frame, 100));
    EXPECT_EQ(0u, edit.GetStyle() & WS_BORDER);
    EXPECT_EQ(0u, edit.GetExStyle() & WS_EX_CLIENTEDGE);
    CRect window = CXTPWindowRect(&edit);
    POINT origin = {0, 0};
    ClientToScreen(edit.GetSafeHwnd(), &origin);
    EXPECT_EQ(window.left + 1, origin.x);
    EXPECT_EQ(window.top + 1, origin.y);
    EXPECT_EQ(CRect(0, 0, 98, 28), CXTPClientRect(&edit));
}

TEST(DrawResourceSwitch, SwitchesOnlyWhileAModuleIsSet)
{
    AFX_MODULE_STATE* state = AfxGetModuleState();
    HINSTANCE resource = state->m_hCurrentResourceHandle, instance = state->m_hCurrentInstanceHandle;
    {
        CXTPResourceModuleSwitch unchanged;
        EXPECT_EQ(resource, state->m_hCurrentResourceHandle);
        EXPECT_EQ(instance, state->m_hCurrentInstanceHandle);
    }
    EXPECT_EQ(resource, state->m_hCurrentResourceHandle);

    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    XTPSetResourceModule(user32);
    try
    {
        CXTPResourceModuleSwitch switched;
        EXPECT_EQ(user32, AfxGetResourceHandle());
        throw std::runtime_error("leaving the scope");
    }
    catch (const std::runtime_error&)
    {
    }
    XTPSetResourceModule(nullptr);
    EXPECT_EQ(resource, state->m_hCurrentResourceHandle) << "restored also through an exception";
    EXPECT_EQ(instance, state->m_hCurrentInstanceHandle);
}

// A floating frame's caption shows whether it is active the moment that
// changes, whichever way it came: floated by a double click or a drag, a
// click into it or into its site, another window taking the activation.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "FloatingFrameTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

using namespace floatingframe;

namespace {

// A site with one docked pane, shown and active; the application's main window.
struct DockedSetup
{
    CWinApp app{L"FloatingActivationApp"};
    CDockingTestFrame* frame = nullptr;
    CXTPDockingPane* pane = nullptr;

    explicit DockedSetup(BOOL ownCaption)
    {
        frame = CDockingTestFrame::New();
        app.m_pMainWnd = frame;
        frame->manager.SetTheme(2);
        frame->manager.SetFloatingFrameCaption(ownCaption);
        pane = frame->manager.CreatePane(31, CRect(0, 0, 200, 120), xtpPaneDockLeft);
        pane->SetTitle(L"Verfügbare Tickets");
        frame->RecalcLayout();
        ::SetForegroundWindow(frame->m_hWnd);
        testpump::PumpUntilIdle();
    }
    ~DockedSetup()
    {
        app.m_pMainWnd = nullptr;
        frame->DestroyWindow();
        testpump::PumpUntilIdle();
    }
    DockedSetup(const DockedSetup&) = delete;
    DockedSetup& operator=(const DockedSetup&) = delete;

    POINT DockedCaption() const
    {
        CRect docked = CXTPDockingPaneContext::GetNodeScreenRect(pane->GetContainer());
        return {docked.left + 20, docked.top + 6};
    }

    HWND Floating() const
    {
        CXTPDockingPaneMiniWnd* floating = FrameOf(pane);
        return floating ? floating->GetSafeHwnd() : nullptr;
    }
};

// The caption of a floating frame as the screen shows it, a little inside
// its left end (the title starts further right).
COLORREF CaptionPixel(HWND hFloating, const wchar_t* name)
{
    testpump::PumpUntilIdle();
    HDC screen = ::GetDC(nullptr);
    testshot::Image shot = testshot::CaptureDC(screen, WindowRectOf(hFloating));
    ::ReleaseDC(nullptr, screen);
    testshot::Save(shot, name);
    return shot.Pixel(6, 6);
}

} // namespace

TEST(FloatingFrameActivation, FloatedByADoubleClickTheActiveFrameDrawsAnActiveCaption)
{
    DockedSetup s(FALSE);
    testinput::DoubleClickAt(s.DockedCaption());
    testpump::PumpUntil([&] { return s.Floating() != nullptr; });
    HWND hFloating = s.Floating();
    ASSERT_NE(nullptr, hFloating);
    testpump::PumpUntilIdle();
    EXPECT_EQ(hFloating, ::GetActiveWindow());
    COLORREF pixel = CaptionPixel(hFloating, L"docking_float_activation_dblclick.png");
    EXPECT_EQ(::GetSysColor(COLOR_ACTIVECAPTION), pixel) << std::hex << pixel;
}

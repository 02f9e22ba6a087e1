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

// A shown, active site with one docked pane, "Verfügbare Tickets".
struct DockedSetup : CMainTestFrameScope
{
    CXTPDockingPane* pane = nullptr;

    explicit DockedSetup(BOOL ownCaption) : CMainTestFrameScope(L"FloatingActivationApp")
    {
        frame->manager.SetTheme(2);
        frame->manager.SetFloatingFrameCaption(ownCaption);
        pane = frame->manager.CreatePane(31, CRect(0, 0, 200, 120), xtpPaneDockLeft);
        pane->SetTitle(L"Verfügbare Tickets");
        frame->RecalcLayout();
        testpump::PumpUntilIdle();
    }

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
// its left end (the title starts further right), saved for looking at.
COLORREF CaptionPixel(HWND hFloating, const std::wstring& name)
{
    testpump::PumpUntilIdle();
    HDC screen = ::GetDC(nullptr);
    testshot::Image shot = testshot::CaptureDC(screen, WindowRectOf(hFloating));
    ::ReleaseDC(nullptr, screen);
    testshot::Save(shot, L"docking_float_activation_" + name + L".png");
    return shot.Pixel(6, 6);
}

// The site's caption, drawn by the system on the test display: a point
// between its title and its buttons.
COLORREF SiteCaptionPixel(HWND hSite, const std::wstring& name)
{
    testpump::PumpUntilIdle();
    RECT rc = WindowRectOf(hSite);
    HDC screen = ::GetDC(nullptr);
    testshot::Image shot = testshot::CaptureDC(screen, rc);
    ::ReleaseDC(nullptr, screen);
    testshot::Save(shot, L"docking_float_activation_site_" + name + L".png");
    return shot.Pixel(rc.right - rc.left - 120, 10);
}

// Another program's window, as far as the site can tell: owned by nobody.
struct OtherWindow
{
    HWND hWnd = ::CreateWindowExW(0, L"BUTTON", L"Anderes Fenster", WS_POPUP | WS_CAPTION | WS_VISIBLE, 700, 460, 220,
                                  140, nullptr, nullptr, nullptr, nullptr);
    ~OtherWindow() { ::DestroyWindow(hWnd); }

    void Click() const
    {
        testinput::ClickAt(testinput::ClientToScreenPoint(hWnd, 100, 60));
        testpump::PumpUntil([&] { return ::GetActiveWindow() == hWnd; });
        testpump::PumpUntilIdle();
    }
};

void ClickAndWait(POINT pt, HWND hExpectedActive)
{
    testinput::ClickAt(pt);
    testpump::PumpUntil([&] { return ::GetActiveWindow() == hExpectedActive; });
    testpump::PumpUntilIdle();
}

HWND FloatByDoubleClick(DockedSetup& s)
{
    testinput::DoubleClickAt(s.DockedCaption());
    testpump::PumpUntil([&] { return s.Floating() != nullptr; });
    testpump::PumpUntilIdle();
    // Beside the site: without a window manager an activated site is lifted
    // above the windows it owns.
    if (HWND hFloating = s.Floating())
        ::SetWindowPos(hFloating, nullptr, 640, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    testpump::PumpUntilIdle();
    return s.Floating();
}

} // namespace

// The program's floating frames: the system draws the caption, synchronised
// with the site's activation.
TEST(FloatingFrameActivation, ASynchronisedCaptionShowsItsGroupsActivationAtOnce)
{
    DockedSetup s(FALSE);
    OtherWindow other;
    ::SetForegroundWindow(s.frame->m_hWnd);
    testpump::PumpUntilIdle();
    const COLORREF active = ::GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF inactive = ::GetSysColor(COLOR_INACTIVECAPTION);
    ASSERT_NE(active, inactive);

    HWND hFloating = FloatByDoubleClick(s);
    ASSERT_NE(nullptr, hFloating);
    ASSERT_EQ(hFloating, ::GetActiveWindow()) << "the floated pane took the focus";
    EXPECT_EQ(active, CaptionPixel(hFloating, L"dblclick")) << "active the moment it floated";

    CRect site;
    s.frame->GetWindowRect(&site);
    ClickAndWait({site.right - 60, site.bottom - 60}, s.frame->m_hWnd);
    EXPECT_EQ(active, CaptionPixel(hFloating, L"site_clicked")) << "its site is active";

    other.Click();
    EXPECT_EQ(inactive, CaptionPixel(hFloating, L"other_from_site")) << "the site lost the activation";

    POINT inside = testinput::ClientToScreenPoint(s.pane->GetHwnd(), 40, 40);
    ClickAndWait(inside, hFloating);
    EXPECT_EQ(active, CaptionPixel(hFloating, L"clicked_into")) << "clicked into from another window";
    EXPECT_EQ(active, SiteCaptionPixel(s.frame->m_hWnd, L"float_clicked_into")) << "the site shows its group active";

    other.Click();
    EXPECT_EQ(inactive, CaptionPixel(hFloating, L"other_from_float")) << "it lost the activation itself";
    EXPECT_EQ(inactive, SiteCaptionPixel(s.frame->m_hWnd, L"other_from_float"))
        << "the site's caption, kept active for the floating frame, goes inactive with it";

    // Activated by the program rather than the pointer, back and forth.
    ::SetActiveWindow(hFloating);
    EXPECT_EQ(active, CaptionPixel(hFloating, L"activated"));
    ::SetActiveWindow(other.hWnd);
    EXPECT_EQ(inactive, CaptionPixel(hFloating, L"deactivated"));
}

// Dropped away from every docking target: the site stays active, and so
// does the new frame's caption.
TEST(FloatingFrameActivation, FloatedByADragTheCaptionShowsTheActiveSite)
{
    DockedSetup s(FALSE);
    POINT from = s.DockedCaption();
    POINT to = {from.x + 260, from.y + 150};
    testinput::DragInLoop(s.frame->m_hWnd, from, {{from.x + 8, from.y}, {from.x + 120, from.y + 80}, to});
    testpump::PumpUntilIdle();
    HWND hFloating = s.Floating();
    ASSERT_NE(nullptr, hFloating) << "dropped away from every target";
    HWND hActive = ::GetActiveWindow();
    EXPECT_TRUE(hActive == s.frame->m_hWnd || hActive == hFloating);
    EXPECT_EQ(::GetSysColor(COLOR_ACTIVECAPTION), CaptionPixel(hFloating, L"drag"));
}

// A frame drawing its own caption shows whether the focus is inside it,
// at once, not only from the next idle pass.
TEST(FloatingFrameActivation, AnOwnCaptionFollowsTheFocusAtOnce)
{
    DockedSetup s(TRUE);
    OtherWindow other;
    ::SetForegroundWindow(s.frame->m_hWnd);
    testpump::PumpUntilIdle();

    HWND hFloating = FloatByDoubleClick(s);
    ASSERT_NE(nullptr, hFloating);
    CXTPDockingPaneMiniWnd* floating = FrameOf(s.pane);
    ASSERT_EQ(s.pane->GetHwnd(), ::GetFocus());
    EXPECT_TRUE(floating->IsActive());
    COLORREF active = CaptionPixel(hFloating, L"own_dblclick");

    other.Click();
    EXPECT_FALSE(floating->IsActive()) << "another window took the focus";
    COLORREF inactive = CaptionPixel(hFloating, L"own_other");
    EXPECT_NE(active, inactive);

    ClickAndWait(testinput::ClientToScreenPoint(s.pane->GetHwnd(), 40, 40), hFloating);
    EXPECT_TRUE(floating->IsActive());
    EXPECT_EQ(active, CaptionPixel(hFloating, L"own_clicked_into"));

    CRect site;
    s.frame->GetWindowRect(&site);
    ClickAndWait({site.right - 60, site.bottom - 60}, s.frame->m_hWnd);
    EXPECT_FALSE(floating->IsActive()) << "the focus went to the site";
    EXPECT_EQ(inactive, CaptionPixel(hFloating, L"own_site_clicked"));
}

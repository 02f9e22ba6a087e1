// A floating frame that draws its own caption: its non-client metrics, its
// caption buttons, collapsing to the caption while the pointer stays away
// and unfolding on hover. Timers are sent by hand, one check at a time.
#include <gtest/gtest.h>
#include <vector>
#include "DockingTestFrame.h"
#include "FloatingFrameTestSupport.h"
#include "LayoutTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include <memory>
#include "framework/windows/CWinApp.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "resources/ToolkitDockingIds.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"

namespace {

using namespace floatingframe;

using OwnCaptionSetup = FloatingSetup;

} // namespace

TEST(FloatingFrameCaption, OwnCaptionMetricsHitTestAndSwitchingBack)
{
    OwnCaptionSetup s;
    ASSERT_TRUE(::IsWindowVisible(s.hFloating));
    ASSERT_GT(s.caption, 0);
    EXPECT_FALSE(::GetWindowLongW(s.hFloating, GWL_STYLE) & WS_CAPTION & ~WS_BORDER) << "no system caption";
    CRect rcWindow = WindowRectOf(s.hFloating);
    CRect rcClient;
    ::GetClientRect(s.hFloating, &rcClient);
    ::MapWindowPoints(s.hFloating, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    int border = rcClient.left - rcWindow.left;
    CRect rcPlain(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rcPlain, ::GetWindowLongW(s.hFloating, GWL_STYLE), FALSE, 0);
    EXPECT_EQ(-rcPlain.left - 1, border) << "one pixel thinner than the mini frame's";
    EXPECT_EQ(border, rcWindow.right - rcClient.right);
    EXPECT_EQ(border, rcWindow.bottom - rcClient.bottom);
    EXPECT_EQ(border + s.caption + 2, rcClient.top - rcWindow.top);

    // The caption band answers as a caption, buttons included; the client
    // stays the client.
    int x = rcWindow.CenterPoint().x;
    struct
    {
        int dy;
        LRESULT hit;
    } cases[] = {
        {border + 2, HTCAPTION},
        {border + s.caption, HTCAPTION},
        {rcClient.top - rcWindow.top + 4, HTCLIENT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.hit, ::SendMessageW(s.hFloating, WM_NCHITTEST, 0, MAKELPARAM(x, rcWindow.top + c.dy))) << c.dy;

    // Leaving own-caption mode gives the system caption back and ends the
    // collapsible mode.
    s.floating->SetCollapsible(TRUE);
    ASSERT_TRUE(s.floating->IsCollapsible());
    s.frame->manager.SetFloatingFrameCaption(FALSE);
    EXPECT_TRUE((::GetWindowLongW(s.hFloating, GWL_STYLE) & WS_CAPTION) == WS_CAPTION);
    EXPECT_FALSE(s.floating->IsCollapsible());
    ::GetClientRect(s.hFloating, &rcClient);
    ::MapWindowPoints(s.hFloating, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    rcPlain.SetRect(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rcPlain, ::GetWindowLongW(s.hFloating, GWL_STYLE), FALSE, 0);
    EXPECT_EQ(-rcPlain.left, rcClient.left - rcWindow.left);
    EXPECT_EQ(-rcPlain.top, rcClient.top - rcWindow.top);
    s.floating->SetCollapsible(TRUE);
    EXPECT_FALSE(s.floating->IsCollapsible()) << "only a frame with its own caption collapses";
}

TEST(FloatingFrameCaption, OwnCaptionScreenshot)
{
    OwnCaptionSetup s;
    ASSERT_TRUE(::IsWindowVisible(s.hFloating));
    s.pane->SetOptions(xtpPaneHasMenuButton);
    s.frame->manager.UpdateFloatingFrames();
    testshot::Image shot = RedrawAndShoot(s.hFloating);
    CRect rc = WindowRectOf(s.hFloating);
    EXPECT_FALSE(testshot::Save(shot, L"docking_floating_own_caption.png").empty());
    ASSERT_EQ(rc.Width(), shot.width);

    // Light outer frame, dark bottom-right edge, the caption part filled
    // across the band and the close glyph drawn over it.
    CXTPDockingPanePaintManager* paint = s.frame->manager.GetPaintManager();
    EXPECT_EQ(paint->GetIndexedColor(15), shot.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), shot.Pixel(shot.width - 1, shot.height - 1));
    int middle = 3 + 1 + s.caption / 2;
    COLORREF captionFill = shot.Pixel(125, middle);
    EXPECT_NE(shot.Pixel(125, 2), captionFill) << "a caption band of its own";
    EXPECT_EQ(captionFill, shot.Pixel(5, middle - s.caption / 2 + 1));
    CXTPDockingPaneCaptionButton* close = ButtonOf(s.floating, XTP_IDS_DOCKINGPANE_CLOSE);
    ASSERT_TRUE(close->IsVisible());
    CPoint glyph = close->GetRect().CenterPoint();
    EXPECT_NE(captionFill, shot.Pixel(glyph.x, glyph.y)) << "the close glyph";
    EXPECT_GT(close->GetRect().left, 150) << "buttons at the right end";
}

TEST(FloatingFrameCaption, PinButtonClickMakesTheFrameCollapsible)
{
    OwnCaptionSetup s;
    ASSERT_TRUE(::IsWindowVisible(s.hFloating));
    CXTPDockingPaneCaptionButton* pin = ButtonOf(s.floating, XTP_IDS_DOCKINGPANE_AUTOHIDE);
    ASSERT_TRUE(pin->IsVisible());
    ASSERT_FALSE(pin->GetRect().IsRectEmpty()) << "placed by the frame's painting";
    CRect rcWindow = WindowRectOf(s.hFloating);
    POINT pt = {rcWindow.left + pin->GetRect().CenterPoint().x, rcWindow.top + pin->GetRect().CenterPoint().y};
    testinput::ClickAt(pt);
    ASSERT_TRUE(testpump::PumpUntil([&] { return s.floating->IsCollapsible(); }));
    EXPECT_EQ(xtpPaneCaptionButtonPinned, static_cast<int>(pin->GetState()));
    testinput::ClickAt(pt);
    ASSERT_TRUE(testpump::PumpUntil([&] { return !s.floating->IsCollapsible(); }));
    EXPECT_EQ(0, static_cast<int>(pin->GetState()));
}

TEST(FloatingFrameCaption, CollapsesAfterSixChecksInEightStepsNeverBelowCaption)
{
    OwnCaptionSetup s;
    ASSERT_TRUE(::IsWindowVisible(s.hFloating));
    ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
    ASSERT_EQ(8, s.floating->GetCollapseStepCount());
    const int full = WindowRectOf(s.hFloating).Height();
    ASSERT_EQ(180, full);
    const int lowest = s.caption + 8;
    ASSERT_GT(lowest, full / 8) << "the last steps are held at the caption";

    s.floating->SetCollapsible(TRUE);
    Ticks(s.hFloating, 1, 5);
    Tick(s.hFloating, 3);
    EXPECT_EQ(full, WindowRectOf(s.hFloating).Height()) << "five checks do not start it";
    Tick(s.hFloating, 1);
    std::vector<int> heights, expected;
    for (int step = 7; step >= 0; step--)
    {
        Tick(s.hFloating, 3);
        heights.push_back(WindowRectOf(s.hFloating).Height());
        expected.push_back(std::max(lowest, full * step / 8));
    }
    EXPECT_EQ(expected, heights);
    Tick(s.hFloating, 3);
    EXPECT_EQ(lowest, WindowRectOf(s.hFloating).Height()) << "a ninth step changes nothing";
    EXPECT_EQ(0, s.floating->GetCollapseStep());
    CRect rc = WindowRectOf(s.hFloating);
    EXPECT_EQ(200, rc.top) << "the top stays";
    EXPECT_EQ(220, rc.Width());

    // Hovering unfolds at once; then eight checks are needed.
    ::SendMessageW(s.hFloating, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(rc.left + 20, rc.top + 5));
    EXPECT_EQ(full, WindowRectOf(s.hFloating).Height());
    EXPECT_EQ(8, s.floating->GetCollapseStep());
    Ticks(s.hFloating, 1, 7);
    Tick(s.hFloating, 3);
    EXPECT_EQ(full, WindowRectOf(s.hFloating).Height()) << "seven checks after a hover do not start it";
    Tick(s.hFloating, 1);
    Tick(s.hFloating, 3);
    EXPECT_EQ(full * 7 / 8, WindowRectOf(s.hFloating).Height());

    // A double click on the caption leaves the mode at full height.
    ::SendMessageW(s.hFloating, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rc.left + 20, rc.top + 5));
    EXPECT_FALSE(s.floating->IsCollapsible());
    EXPECT_EQ(full, WindowRectOf(s.hFloating).Height());
    EXPECT_EQ(s.floating, FrameOf(s.pane)) << "no docking back from collapsible mode";
}

TEST(FloatingFrameCaption, NoCollapseWhileFocusInsideCaptureHeldOrPointerOver)
{
    enum Hold
    {
        Focus,
        Capture,
        Pointer
    };
    for (Hold hold : {Focus, Capture, Pointer})
    {
        SCOPED_TRACE(static_cast<int>(hold));
        OwnCaptionSetup s;
        ASSERT_TRUE(::IsWindowVisible(s.hFloating));
        ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
        HWND list = s.pane->GetHwnd();
        const int full = WindowRectOf(s.hFloating).Height();
        s.floating->SetCollapsible(TRUE);
        if (hold == Focus)
        {
            ::SetFocus(list);
            ASSERT_EQ(list, ::GetFocus());
        }
        else if (hold == Capture)
        {
            ::SetCapture(s.frame->m_hWnd);
        }
        else
        {
            POINT inside = testinput::ClientToScreenPoint(list, 5, 5);
            ASSERT_TRUE(testinput::MoveMouseAndWait(inside));
        }
        Ticks(s.hFloating, 1, 12);
        Tick(s.hFloating, 3);
        EXPECT_EQ(full, WindowRectOf(s.hFloating).Height());

        if (hold == Focus)
            ::SetFocus(s.frame->m_hWnd);
        else if (hold == Capture)
            ::ReleaseCapture();
        else
            ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
        Ticks(s.hFloating, 1, 6);
        Tick(s.hFloating, 3);
        EXPECT_EQ(full * 7 / 8, WindowRectOf(s.hFloating).Height()) << "the countdown ran on once free";
    }
}

TEST(FloatingFrameCaption, MenuButtonOnlyForOneContainerWithAMenuPane)
{
    OwnCaptionSetup s;
    CXTPDockingPaneCaptionButton* menu = ButtonOf(s.floating, XTP_IDS_DOCKINGPANE_MENU);
    CXTPDockingPaneCaptionButton* close = ButtonOf(s.floating, XTP_IDS_DOCKINGPANE_CLOSE);
    EXPECT_FALSE(s.floating->IsCaptionButtonVisible(menu)) << "the pane has no menu option";
    s.pane->SetOptions(xtpPaneHasMenuButton);
    EXPECT_TRUE(s.floating->IsCaptionButtonVisible(menu));
    EXPECT_TRUE(s.floating->IsCaptionButtonVisible(close));

    CXTPDockingPane* second = s.frame->manager.CreatePane(32, CRect(0, 0, 200, 100), xtpPaneDockBottom,
                                                          s.pane->GetContainer());
    second->SetOptions(xtpPaneHasMenuButton | xtpPaneNoCloseable);
    ASSERT_EQ(s.floating, FrameOf(second));
    ASSERT_NE(s.pane->GetContainer(), second->GetContainer());
    EXPECT_FALSE(s.floating->IsCaptionButtonVisible(menu)) << "two containers";
    EXPECT_TRUE(s.floating->IsCaptionButtonVisible(close)) << "one pane can still be closed";
    s.pane->SetOptions(xtpPaneHasMenuButton | xtpPaneNoCloseable);
    EXPECT_FALSE(s.floating->IsCaptionButtonVisible(close)) << "no pane can be closed";
}

TEST(FloatingFrameCaption, MenuButtonSendsTheMenuRecordOncePerPressEvenWhenQuick)
{
    OwnCaptionSetup s;
    s.pane->SetOptions(xtpPaneHasMenuButton);
    s.frame->manager.UpdateFloatingFrames();
    ::RedrawWindow(s.hFloating, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    CXTPDockingPaneCaptionButton* menu = ButtonOf(s.floating, XTP_IDS_DOCKINGPANE_MENU);
    ASSERT_TRUE(menu->IsVisible());
    CRect rcButton = menu->GetRect() + WindowRectOf(s.hFloating).TopLeft();
    // The menu press reads no button state: the pair is sent as it arrives.
    LPARAM at = MAKELPARAM(rcButton.CenterPoint().x, rcButton.CenterPoint().y);
    ::SendMessageW(s.hFloating, WM_NCLBUTTONDOWN, HTCAPTION, at);
    EXPECT_EQ(1u, s.frame->menus.size());
    ::SendMessageW(s.hFloating, WM_NCLBUTTONDBLCLK, HTCAPTION, at);
    testpump::PumpUntilIdle();
    EXPECT_EQ(2u, s.frame->menus.size()) << "a double click on the button is two presses";
    EXPECT_EQ(s.pane, s.frame->menus[0].pPane);
    EXPECT_EQ(rcButton.left, s.frame->menus[0].pt.x);
    EXPECT_EQ(rcButton.bottom, s.frame->menus[0].pt.y);
    EXPECT_EQ(s.floating, FrameOf(s.pane)) << "not docked back";
    EXPECT_FALSE(menu->IsPressed());
}

TEST(FloatingFrameCaption, HotButtonCoolsOnlyOnceThePointerHasLeft)
{
    OwnCaptionSetup s;
    ::RedrawWindow(s.hFloating, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    CXTPDockingPaneCaptionButton* close = ButtonOf(s.floating, XTP_IDS_DOCKINGPANE_CLOSE);
    ASSERT_TRUE(close->IsVisible());
    CPoint over = (close->GetRect() + WindowRectOf(s.hFloating).TopLeft()).CenterPoint();
    ASSERT_TRUE(testinput::MoveMouseAndWait(over));
    ::SendMessageW(s.hFloating, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(over.x, over.y));
    EXPECT_TRUE(close->IsHot());
    Tick(s.hFloating, 2345);
    EXPECT_TRUE(close->IsHot()) << "the pointer is still over the frame";
    ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
    Tick(s.hFloating, 2345);
    EXPECT_FALSE(close->IsHot());
}

TEST(FloatingFrameCaption, CaptionButtonTipsByClientPoint)
{
    OwnCaptionSetup s;
    ::RedrawWindow(s.hFloating, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    CRect rcWindow = WindowRectOf(s.hFloating);
    CPoint origin(0, 0);
    ::ClientToScreen(s.hFloating, &origin);
    struct
    {
        int id;
        int expected;
    } cases[] = {
        {XTP_IDS_DOCKINGPANE_CLOSE, XTP_IDS_DOCKINGPANE_CLOSE},
        {XTP_IDS_DOCKINGPANE_AUTOHIDE, XTP_IDS_DOCKINGPANE_AUTOHIDE},
    };
    for (const auto& c : cases)
    {
        CXTPDockingPaneCaptionButton* button = ButtonOf(s.floating, c.id);
        ASSERT_TRUE(button->IsVisible());
        CPoint screen = (button->GetRect() + rcWindow.TopLeft()).CenterPoint();
        CPoint client(screen.x - origin.x, screen.y - origin.y);
        ASSERT_LT(client.y, 0) << "the caption lies above the client area";
        TOOLINFO ti = {};
        ti.cbSize = sizeof(ti);
        EXPECT_EQ(c.expected, s.floating->OnToolHitTest(client, &ti)) << c.id;
        EXPECT_TRUE(::PtInRect(&ti.rect, client)) << "the tool rectangle is in client coordinates";
    }
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(-1, s.floating->OnToolHitTest(CPoint(20, -s.caption / 2), &ti)) << "the title has no tip";
    EXPECT_EQ(-1, s.floating->OnToolHitTest(CPoint(20, 20), &ti));
}

TEST(FloatingFrameCaption, TrackingLimitsFollowTheTreeExceptWhileFolding)
{
    OwnCaptionSetup s;
    ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
    CRect rcWindow = WindowRectOf(s.hFloating);
    CRect rcClient;
    ::GetClientRect(s.hFloating, &rcClient);
    const POINT frame = {rcWindow.Width() - rcClient.Width(), rcWindow.Height() - rcClient.Height()};
    auto limits = [&] {
        MINMAXINFO mmi = {};
        mmi.ptMinTrackSize = {7, 7};
        mmi.ptMaxTrackSize = {7777, 7777};
        ::SendMessageW(s.hFloating, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
        return mmi;
    };
    MINMAXINFO unfolded = limits();
    EXPECT_EQ(frame.x, unfolded.ptMinTrackSize.x) << "the tree has no minimum of its own";
    EXPECT_EQ(frame.y, unfolded.ptMinTrackSize.y);
    EXPECT_EQ(32000 + frame.x, unfolded.ptMaxTrackSize.x);

    s.floating->SetCollapsible(TRUE);
    EXPECT_EQ(frame.y, limits().ptMinTrackSize.y) << "collapsible but unfolded";
    Ticks(s.hFloating, 1, 6);
    MINMAXINFO folding = limits();
    EXPECT_EQ(7, folding.ptMinTrackSize.y) << "left as the mini frame answers";
    EXPECT_EQ(7777, folding.ptMaxTrackSize.y);
}

TEST(FloatingFrameCaption, AFoldedFrameIsSavedFoldedWithItsFullHeight)
{
    OwnCaptionSetup s;
    ASSERT_TRUE(testinput::MoveMouseAndWait(FarCorner()));
    s.floating->SetCollapsible(TRUE);
    Ticks(s.hFloating, 1, 6);
    Ticks(s.hFloating, 3, 8);
    ASSERT_EQ(s.caption + 8, WindowRectOf(s.hFloating).Height());

    std::unique_ptr<CXTPDockingPaneLayout> loaded(s.frame->manager.CreateLayout());
    ASSERT_TRUE(layouttest::LoadFromBytes(loaded.get(), layouttest::SaveToBytes(s.frame->manager.GetLayout())));
    CXTPDockingPaneMiniWnd* copy = OnlyFrameOf(loaded.get());
    ASSERT_NE(nullptr, copy);
    EXPECT_TRUE(copy->m_bCollapsed);
    EXPECT_EQ(180, copy->m_nExpandedHeight);
    EXPECT_EQ(CRect(300, 200, 520, 200 + s.caption + 8), copy->m_rcFrame) << "where it is on screen now";
}

TEST(FloatingFrameCaption, OwnCaptionInEveryTheme)
{
    static const LPCWSTR names[] = {L"0_default", L"1_office", L"2_office2003", L"3_nativexp", L"4_grippered",
                                    L"5_visio", L"6_whidbey", L"7_shortcutbar2003", L"8_explorer",
                                    L"9_visualstudio2005"};
    for (int theme = 0; theme < 10; theme++)
    {
        SCOPED_TRACE(theme);
        OwnCaptionSetup s(TRUE, theme);
        ASSERT_TRUE(::IsWindowVisible(s.hFloating));
        testshot::Image shot = RedrawAndShoot(s.hFloating);
        EXPECT_FALSE(testshot::Save(shot, std::wstring(L"docking_floating_own_caption_") + names[theme] + L".png").empty());
        CXTPDockingPaneCaptionButton* close = ButtonOf(s.floating, XTP_IDS_DOCKINGPANE_CLOSE);
        CPoint glyph = close->GetRect().CenterPoint();
        EXPECT_NE(shot.Pixel(close->GetRect().left + 1, close->GetRect().top + 1), shot.Pixel(glyph.x, glyph.y))
            << "the close glyph on its button";
        EXPECT_GT(close->GetRect().left, 150) << "buttons at the right end";
    }
}

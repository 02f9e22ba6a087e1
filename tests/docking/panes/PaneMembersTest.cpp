// What a pane does for its caller: where its window waits while the pane is
// closed, focus and selection, its frame, showing through the owner, closing
// and hiding, a window attached later, and re-layouts after theme, colour
// and setting changes and the splitter's minimum extent.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "DockingTestFrame.h"
#include "framework/controls/CListBox.h"
#include "framework/windows/CWinApp.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"

namespace {

struct TwoPaneGroup
{
    DockingTestFramePtr frame{CDockingTestFrame::New()};
    CXTPDockingPane* games = nullptr;
    CXTPDockingPane* stats = nullptr;

    TwoPaneGroup()
    {
        games = frame->manager.CreatePane(1, CRect(0, 0, 180, 120), xtpPaneDockLeft);
        stats = frame->manager.CreatePane(2, CRect(0, 0, 180, 120), xtpPaneDockLeft);
        frame->manager.AttachPane(stats, games);
        Idle();
    }
    // What the application's idle pass does for the frame.
    void Idle()
    {
        frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        testpump::PumpUntilIdle();
    }
    HWND ContainerHwnd() const
    {
        return static_cast<CXTPDockingPaneTabbedContainer*>(stats->GetContainer())->GetSafeHwnd();
    }
    // Where the selected pane's window belongs in its container.
    CRect PaneClientPart() const
    {
        auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(stats->GetContainer());
        CRect rc;
        ::GetClientRect(container->GetSafeHwnd(), &rc);
        frame->manager.GetPaintManager()->AdjustClientRect(container, rc, TRUE);
        return rc;
    }
};

} // namespace

TEST(PaneMembers, AClosedPanesWindowWaitsHiddenInTheManagersWindow)
{
    CWinApp app(L"PaneMembersApp");
    TwoPaneGroup g;
    HWND list = g.stats->GetHwnd();
    HWND container = g.ContainerHwnd();
    ASSERT_EQ(container, ::GetParent(list));

    g.stats->Close();
    EXPECT_TRUE(g.stats->IsClosed());
    EXPECT_EQ(g.frame->manager.GetSafeHwnd(), ::GetParent(list)) << "not the frame";
    EXPECT_FALSE(::IsWindowVisible(list));
    EXPECT_EQ(nullptr, g.stats->GetParentFrame());

    g.frame->manager.ShowPane(g.stats);
    g.Idle();
    EXPECT_EQ(container, ::GetParent(list));
    EXPECT_TRUE(::IsWindowVisible(list));
    EXPECT_EQ(g.frame.get(), g.stats->GetParentFrame());

    // Hidden: the whole group goes to the strip of its side.
    g.stats->Hide();
    EXPECT_TRUE(g.stats->GetContainer()->IsHidden());
    EXPECT_EQ(g.games->GetContainer(), g.stats->GetContainer());
}

TEST(PaneMembers, FocusSelectionAndFrame)
{
    CWinApp app(L"PaneMembersApp");
    TwoPaneGroup g;
    EXPECT_TRUE(g.stats->IsSelected());
    EXPECT_FALSE(g.games->IsSelected());

    ::SetForegroundWindow(g.frame->m_hWnd);
    g.stats->SetFocus();
    EXPECT_EQ(g.stats->GetHwnd(), ::GetFocus());
    EXPECT_TRUE(g.stats->IsFocused());
    EXPECT_FALSE(g.games->IsFocused());
    ::SetFocus(g.frame->m_hWnd);
    EXPECT_FALSE(g.stats->IsFocused());

    // Floated, the pane's frame is the floating frame.
    g.frame->manager.ToggleDocking(g.stats);
    CWnd* floating = g.stats->GetParentFrame();
    ASSERT_NE(nullptr, floating);
    EXPECT_NE(nullptr, dynamic_cast<CXTPDockingPaneMiniWnd*>(floating));
    EXPECT_EQ(g.frame.get(), g.games->GetParentFrame());
}

TEST(PaneMembers, ShowingAsksTheOwnerForAWindowFirst)
{
    CWinApp app(L"PaneMembersApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPane* pane = frame->manager.CreatePane(1, CRect(0, 0, 180, 120), xtpPaneDockLeft);
    ASSERT_FALSE(pane->IsAttached()) << "not laid out yet";
    pane->ShowWindow(TRUE);
    ASSERT_TRUE(pane->IsAttached()) << "the owner attached its list when told";
    EXPECT_TRUE(::IsWindowVisible(pane->GetHwnd()));
    pane->ShowWindow(FALSE);
    EXPECT_FALSE(::IsWindowVisible(pane->GetHwnd()));
}

TEST(PaneMembers, AWindowAttachedLaterTakesThePanesPlace)
{
    CWinApp app(L"PaneMembersApp");
    TwoPaneGroup g;
    CListBox other;
    other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), g.frame.get(), 900);
    other.AddString(L"Kategorie 4  Berlin");
    g.stats->Attach(&other);
    EXPECT_EQ(g.ContainerHwnd(), ::GetParent(other.m_hWnd));
    EXPECT_EQ(other.m_hWnd, g.stats->GetHwnd());
    g.Idle();
    EXPECT_EQ(RectText(g.PaneClientPart()), RectText(ParentRect(other.m_hWnd))) << "laid out again once attached";
}

TEST(PaneMembers, ThemeColourAndSettingChangesLayThePanesOutAgain)
{
    CWinApp app(L"PaneMembersApp");
    TwoPaneGroup g;
    HWND list = g.stats->GetHwnd();
    CXTPDockingPaneManager& manager = g.frame->manager;
    struct Trigger
    {
        const char* name;
        void (*run)(CXTPDockingPaneManager&);
    };
    const Trigger triggers[] = {
        {"SetTheme", [](CXTPDockingPaneManager& m) { m.SetTheme(xtpPaneThemeShortcutBar2003); }},
        {"WM_SYSCOLORCHANGE", [](CXTPDockingPaneManager& m) { m.SendMessage(WM_SYSCOLORCHANGE); }},
        {"WM_SETTINGCHANGE", [](CXTPDockingPaneManager& m) { m.SendMessage(WM_SETTINGCHANGE); }},
    };
    // What the set-up left to lay out is done first: each change must ask
    // for its own layout.
    g.Idle();
    ASSERT_EQ(0u, g.frame->m_nIdleFlags & CFrameWnd::idleLayout);
    for (const Trigger& trigger : triggers)
    {
        SCOPED_TRACE(trigger.name);
        ::MoveWindow(list, 0, 0, 5, 5, FALSE);
        trigger.run(manager);
        g.Idle();
        EXPECT_EQ(RectText(g.PaneClientPart()), RectText(ParentRect(list)));
    }
    EXPECT_EQ(xtpPaneThemeShortcutBar2003, manager.GetCurrentTheme());

    // A floating frame is laid out and drawn again in the new theme.
    app.m_pMainWnd = g.frame.get();
    manager.SetFloatingFrameCaption(TRUE);
    manager.SetTheme(xtpPaneThemeDefault);
    manager.ToggleDocking(g.stats->GetContainer());
    auto* floating = dynamic_cast<CXTPDockingPaneMiniWnd*>(g.stats->GetParentFrame());
    ASSERT_NE(nullptr, floating);
    app.OnIdle(0);
    testpump::PumpUntilIdle();
    ASSERT_EQ(list, g.stats->GetHwnd());
    CRect rcFloating;
    floating->GetWindowRect(&rcFloating);
    // As the screen shows it, without painting anything first.
    auto screenShot = [&] {
        HDC screen = ::GetDC(nullptr);
        testshot::Image shot = testshot::CaptureDC(screen, rcFloating);
        ::ReleaseDC(nullptr, screen);
        return shot;
    };
    const POINT inCaption = {rcFloating.Width() / 2, 8};
    const COLORREF before = screenShot().Pixel(inCaption.x, inCaption.y);

    ::MoveWindow(list, 0, 0, 5, 5, FALSE);
    manager.SetTheme(xtpPaneThemeOffice2003);
    app.OnIdle(0);
    testpump::PumpUntilIdle();
    EXPECT_EQ(RectText(g.PaneClientPart()), RectText(ParentRect(list))) << "the floating pane laid out again";
    const testshot::Image shot = screenShot();
    testshot::Save(shot, L"docking_floating_frame_after_set_theme.png");
    EXPECT_NE(before, shot.Pixel(inCaption.x, inCaption.y)) << "the frame's caption in the new theme";
    app.m_pMainWnd = nullptr;
}

TEST(PaneMembers, SplitterBarsKeepTheManagersMinimumExtent)
{
    CWinApp app(L"PaneMembersApp");
    DockingTestFramePtr frame(CDockingTestFrame::New());
    CXTPDockingPane* pane = frame->manager.CreatePane(1, CRect(0, 0, 180, 120), xtpPaneDockLeft);
    frame->RecalcLayout();
    CXTPDockingPaneSplitterContainer* top = frame->manager.GetLayout()->GetTopContainer();
    ASSERT_EQ(1u, top->m_lstSpliters.size());
    CRect left = pane->GetContainer()->GetPaneWindowRect();
    CRect client = frame->manager.GetLayout()->GetClientPane()->GetPaneWindowRect();
    int low = 0, high = 0;
    for (int extent : {22, 90})
    {
        frame->manager.m_nSplitterGap = extent;
        ASSERT_TRUE(top->m_lstSpliters[0]->GetLimits(low, high));
        EXPECT_EQ(left.left + extent, low);
        EXPECT_EQ(client.right - extent - frame->manager.GetPaintManager()->GetSplitterSize(), high)
            << "the client keeps the extent beyond the bar";
    }
}

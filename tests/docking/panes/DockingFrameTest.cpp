// Docking panes in a real frame: the manager takes part in the frame's
// layout, a closed pane shown again gets its window on notification 1, a
// veto keeps a pane open, and pictures of a frame in every theme.
#include <gtest/gtest.h>
#include <vector>
#include "DockingTestFrame.h"
#include "framework/controls/CListBox.h"
#include "support/AutoHideInput.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "resources/ToolkitDockingIds.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "support/Screenshot.h"
#include "../tabs/TabCanvas.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHidePanel.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

// A frame that gives each pane a list box when asked and answers closes.
class CDockingFrame : public CFrameWnd
{
public:
    CXTPDockingPaneManager manager;
    std::vector<int> shows;
    std::vector<int> actions;
    LRESULT closeReply = 0;
    int vetoClosingId = 0;
    // The pane of this id is kept open by the answer to the close itself.
    int keepOpenId = 0;
    BOOL vetoCollapse = FALSE;
    CPaneListBoxes lists;
    // Closing and closed actions as (action, pane id).
    std::vector<std::pair<int, int>> closes;
    // When the first pane has closed, the handler closes this one too.
    CXTPDockingPane* closeAfterFirst = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_XTP_PANE_ACTION)
            return CFrameWnd::WindowProc(message, wParam, lParam);
        if (wParam == XTP_DPN_SHOWWINDOW)
        {
            auto* pane = reinterpret_cast<CXTPDockingPane*>(lParam);
            shows.push_back(pane->GetID());
            lists.AttachTo(pane, this, WS_CHILD | WS_BORDER | LBS_NOINTEGRALHEIGHT, 500,
                           {L"Kategorie 1  München", L"Kategorie 3  Gelsenkirchen"});
            return 0;
        }
        if (wParam == XTP_DPN_CLOSEPANE)
            return reinterpret_cast<CXTPDockingPane*>(lParam)->GetID() == keepOpenId ? -1 : closeReply;
        if (wParam == XTP_DPN_ACTION)
        {
            auto* record = reinterpret_cast<XTP_DOCKINGPANE_ACTION*>(lParam);
            actions.push_back(record->action);
            if (record->action == xtpPaneActionClosing || record->action == xtpPaneActionClosed)
                closes.emplace_back(record->action, record->pPane->GetID());
            if (record->action == xtpPaneActionClosed && record->pPane->GetID() == 1 && closeAfterFirst)
                manager.ClosePane(closeAfterFirst);
            if (record->action == xtpPaneActionClosing && record->pPane->GetID() == vetoClosingId)
                record->bCancel = TRUE;
            if (record->action == xtpPaneActionCollapsing && vetoCollapse)
                record->bCancel = TRUE;
        }
        return 0;
    }
};

CDockingFrame* NewFrame()
{
    CDockingFrame* frame = new CDockingFrame;
    frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(20, 20, 620, 420));
    frame->manager.InstallDockingPanes(frame);
    return frame;
}

} // namespace

TEST(DockingFrame, ClosedPaneShownAgainGetsItsWindow)
{
    CWinApp app(L"DockingFrameApp");
    CDockingFrame* frame = NewFrame();
    CXTPDockingPane* pane = frame->manager.CreatePane(108, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    frame->manager.ClosePane(pane);
    frame->RecalcLayout();
    EXPECT_TRUE(frame->shows.empty()) << "a closed pane is not shown";

    for (int round = 0; round < 2; round++)
    {
        frame->manager.ShowPane(pane);
        frame->RecalcLayout();
        ASSERT_TRUE(pane->IsAttached()) << "round " << round;
        EXPECT_TRUE(::IsWindowVisible(pane->GetHwnd())) << "round " << round;
        auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(pane->GetContainer());
        ASSERT_NE(nullptr, container);
        EXPECT_EQ(container->m_hWnd, ::GetParent(pane->GetHwnd()));
        CRect rc;
        ::GetWindowRect(container->m_hWnd, &rc);
        EXPECT_EQ(120, rc.Height()) << "docked at the bottom with its height";
        frame->manager.ClosePane(pane);
        EXPECT_FALSE(::IsWindowVisible(pane->GetHwnd()));
    }
    EXPECT_EQ(1u, frame->lists.size()) << "attached once";

    frame->manager.ShowPane(pane);
    frame->closeReply = -1;
    frame->manager.ClosePane(pane);
    EXPECT_FALSE(pane->IsClosed()) << "-1 vetoes";
    frame->closeReply = 0;
    frame->DestroyWindow();
}

TEST(DockingFrame, CloseButtonSkipsVetoedAndUnclosablePanes)
{
    CWinApp app(L"DockingFrameApp");
    CDockingFrame* frame = NewFrame();
    CXTPDockingPane* first = frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* second = frame->manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* third = frame->manager.CreatePane(3, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    frame->manager.AttachPane(second, first);
    frame->manager.AttachPane(third, first);
    second->SetOptions(xtpPaneNoCloseable);
    frame->manager.m_bCloseGroupOnButtonClick = TRUE;
    auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(first->GetContainer());
    container->OnCloseButton();
    EXPECT_TRUE(first->IsClosed());
    EXPECT_FALSE(second->IsClosed()) << "option 1";
    EXPECT_TRUE(third->IsClosed());
    EXPECT_EQ((std::vector<int>{xtpPaneActionClosing, xtpPaneActionClosed, xtpPaneActionClosing,
                                xtpPaneActionClosed}),
              frame->actions);
    frame->DestroyWindow();
}

TEST(DockingScreenshot, FrameWithPanesInEveryTheme)
{
    CWinApp app(L"DockingFrameApp");
    static const LPCWSTR names[] = {L"0_default", L"1_office", L"2_office2003", L"3_nativexp", L"4_grippered",
                                    L"5_visio", L"6_whidbey", L"7_shortcutbar2003", L"8_explorer",
                                    L"9_visualstudio2005"};
    for (int theme = 0; theme < 10; theme++)
    {
        CDockingFrame* frame = NewFrame();
        frame->manager.SetTheme(theme);
        CXTPDockingPane* left = frame->manager.CreatePane(1, CRect(0, 0, 160, 100), xtpPaneDockLeft);
        left->SetTitle(L"Spiele");
        CXTPDockingPane* bottom = frame->manager.CreatePane(2, CRect(0, 0, 200, 130), xtpPaneDockBottom);
        bottom->SetTitle(L"Verfügbare Tickets\nTickets");
        CXTPDockingPane* tabbed = frame->manager.CreatePane(3, CRect(0, 0, 200, 130), xtpPaneDockBottom);
        tabbed->SetTitle(L"Statistik");
        frame->manager.AttachPane(tabbed, bottom);
        static_cast<CXTPDockingPaneTabbedContainer*>(left->GetContainer())->m_bActive = TRUE;
        frame->RecalcLayout();
        testpump::PumpUntilIdle();
        frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        testshot::Image shot = testshot::CaptureWindow(frame->m_hWnd);
        EXPECT_FALSE(testshot::Save(shot, std::wstring(L"docking_frame_") + names[theme] + L".png").empty());
        CRect list;
        ::GetWindowRect(left->GetHwnd(), &list);
        ::MapWindowPoints(nullptr, frame->m_hWnd, reinterpret_cast<POINT*>(&list), 2);
        EXPECT_EQ(::GetSysColor(COLOR_WINDOW), shot.Pixel(list.right - 10, list.bottom - 10)) << names[theme];
        // The caption on screen is what the paint manager draws for the container.
        auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(left->GetContainer());
        CRect rc;
        container->CWnd::GetClientRect(rc);
        CTabCanvas own(rc.Width(), rc.Height());
        frame->manager.GetPaintManager()->DrawPane(own.DC(), container, rc);
        CRect onScreen;
        container->CWnd::GetWindowRect(onScreen);
        ::MapWindowPoints(nullptr, frame->m_hWnd, reinterpret_cast<POINT*>(&onScreen), 2);
        int middle = frame->manager.GetPaintManager()->GetCaptionHeight() / 2 + 2;
        for (int x : {rc.Width() - 45, rc.Width() / 2})
            EXPECT_EQ(own.Pixel(x, middle), shot.Pixel(onScreen.left + x, onScreen.top + middle)) << names[theme];
        frame->DestroyWindow();
    }
}

TEST(DockingFrame, SplitterBarDragsShareTheLengthAnew)
{
    CWinApp app(L"DockingFrameApp");
    for (BOOL tracker : {FALSE, TRUE})
    {
        SCOPED_TRACE(tracker ? "outline" : "live");
        CDockingFrame* frame = NewFrame();
        frame->manager.m_bUseSplitterTracker = tracker;
        CXTPDockingPane* left = frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
        frame->RecalcLayout();
        CXTPDockingPaneSplitterContainer* top = frame->manager.GetLayout()->GetTopContainer();
        ASSERT_EQ(1u, top->m_lstSpliters.size());
        CXTPDockingPaneSplitterWnd* bar = top->m_lstSpliters[0];
        CRect before = left->GetContainer()->GetPaneWindowRect();
        EXPECT_EQ(150, before.Width());

        // Moved 40 pixels to the right, then ended (Esc keeps what the live drag reached).
        ::SetForegroundWindow(frame->m_hWnd);
        ::PostMessageW(bar->m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(41, 10));
        if (tracker)
            ::PostMessageW(bar->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(41, 10));
        else
            ::PostMessageW(bar->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
        bar->TrackDrag(CPoint(1, 10));
        frame->RecalcLayout();
        EXPECT_EQ(190, left->GetContainer()->GetPaneWindowRect().Width()) << "as far as the pointer went";
        EXPECT_EQ(nullptr, ::GetCapture());

        // Locked splitters do not move.
        frame->manager.m_bLockSplitters = TRUE;
        int low = 0, high = 0;
        EXPECT_FALSE(top->m_lstSpliters[0]->GetLimits(low, high));
        frame->DestroyWindow();
    }
}

TEST(DockingFrame, FocusChangesActivatePanes)
{
    CWinApp app(L"DockingFrameApp");
    CDockingFrame* frame = NewFrame();
    CXTPDockingPane* left = frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* bottom = frame->manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockBottom);
    CXTPDockingPane* closed = frame->manager.CreatePane(3, CRect(0, 0, 150, 100), xtpPaneDockRight);
    frame->RecalcLayout();
    frame->manager.ClosePane(closed);
    ::SetForegroundWindow(frame->m_hWnd);
    frame->actions.clear();

    ::SetFocus(left->GetHwnd());
    frame->manager.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_EQ(left, frame->manager.GetActivePane());
    ::SetFocus(bottom->GetHwnd());
    frame->manager.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_EQ(bottom, frame->manager.GetActivePane());
    EXPECT_EQ((std::vector<int>{xtpPaneActionActivated, xtpPaneActionDeactivated, xtpPaneActionActivated}),
              frame->actions);
    frame->DestroyWindow();
}

TEST(DockingFrame, TheViewGetsTheClientNodesRectangle)
{
    CWinApp app(L"DockingFrameApp");
    CDockingFrame* frame = new CDockingFrame;
    frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_VISIBLE, CRect(20, 20, 620, 420));
    CWnd view;
    view.Create(AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST);
    ASSERT_TRUE(frame->manager.InstallDockingPanes(frame));
    EXPECT_FALSE(frame->manager.InstallDockingPanes(frame)) << "once only";
    frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    frame->manager.CreatePane(2, CRect(0, 0, 150, 80), xtpPaneDockBottom);
    frame->RecalcLayout();
    CRect rcView;
    view.GetWindowRect(rcView);
    frame->ScreenToClient(rcView);
    EXPECT_EQ(frame->manager.GetLayout()->GetClientPane()->GetPaneWindowRect(), rcView);
    EXPECT_EQ(CRect(154, 0, 600, 316), rcView) << "150 left and 80 below, 4-pixel bars";
    view.DestroyWindow();
    frame->DestroyWindow();
}

TEST(DockingFrame, TogglingFloatsAndDocksBackWithVetoesAndOptions)
{
    CWinApp app(L"DockingFrameApp");
    CDockingFrame* frame = NewFrame();
    CXTPDockingPane* pane = frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPaneBase* docked = pane->GetContainer();
    frame->actions.clear();

    frame->manager.ToggleDocking(pane);
    CXTPDockingPaneBase* floating = pane->GetContainer();
    ASSERT_NE(docked, floating);
    ASSERT_NE(nullptr, floating->GetContainer());
    EXPECT_EQ(xtpPaneTypeMiniWnd, floating->GetContainer()->GetContainer()->GetType());
    EXPECT_EQ((std::vector<int>{xtpPaneActionFloating, xtpPaneActionFloated}), frame->actions);

    // A floating pane that may not dock stays, and nothing is sent.
    frame->actions.clear();
    pane->SetOptions(xtpPaneNoDockable);
    frame->manager.ToggleDocking(pane);
    EXPECT_EQ(floating, pane->GetContainer());
    EXPECT_TRUE(frame->actions.empty());

    pane->SetOptions(0);
    frame->manager.ToggleDocking(floating);
    EXPECT_EQ(docked, pane->GetContainer()) << "back into the container it was docked in";
    EXPECT_EQ((std::vector<int>{xtpPaneActionDocking, xtpPaneActionDocked}), frame->actions);
    frame->DestroyWindow();
}

TEST(DockingFrame, AutoHideButtonHidesTheGroupUnlessVetoed)
{
    // Vetoes action 8 while set.
    class CVetoFrame : public CDockingFrame
    {
    public:
        BOOL veto = TRUE;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_XTP_PANE_ACTION && wParam == XTP_DPN_ACTION && veto)
            {
                auto* record = reinterpret_cast<XTP_DOCKINGPANE_ACTION*>(lParam);
                if (record->action == xtpPaneActionPinning)
                    record->bCancel = TRUE;
            }
            return CDockingFrame::WindowProc(message, wParam, lParam);
        }
    };
    CWinApp app(L"DockingFrameApp");
    CVetoFrame* frame = new CVetoFrame;
    frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_VISIBLE, CRect(20, 20, 620, 420));
    frame->manager.InstallDockingPanes(frame);
    CXTPDockingPane* pane = frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockRight);
    frame->RecalcLayout();
    auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(pane->GetContainer());
    container->OnAutoHideButton();
    EXPECT_EQ(container, pane->GetContainer()) << "vetoed";

    frame->veto = FALSE;
    frame->actions.clear();
    container->OnAutoHideButton();
    EXPECT_TRUE(pane->GetContainer()->IsHidden());
    EXPECT_EQ(150, pane->m_szDocking.cx) << "the docked width is kept for sliding out";
    EXPECT_EQ(xtpPaneDockRight, frame->manager.GetPaneDirection(pane));
    EXPECT_EQ((std::vector<int>{xtpPaneActionPinning, xtpPaneActionPinned}), frame->actions);
    frame->DestroyWindow();
}

namespace {

CXTPDockingPaneMiniWnd* FloatingFrameOf(CXTPDockingPane* pane)
{
    for (CXTPDockingPaneBase* up = pane->GetContainer(); up; up = up->GetContainer())
    {
        if (up->GetType() == xtpPaneTypeMiniWnd)
            return static_cast<CXTPDockingPaneMiniWnd*>(up);
    }
    return nullptr;
}

} // namespace

TEST(DockingFloatingFrame, FloatedPaneLivesInAVisibleFrameThatHidesWhileEmpty)
{
    CWinApp app(L"DockingFrameApp");
    CDockingFrame* frame = NewFrame();
    CXTPDockingPane* pane = frame->manager.CreatePane(108, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    pane->SetTitle(L"Suchergebnis");
    frame->RecalcLayout();
    ASSERT_TRUE(pane->IsAttached());
    HWND list = pane->GetHwnd();

    frame->manager.FloatPane(pane, CRect(300, 200, 520, 380));
    CXTPDockingPaneMiniWnd* floating = FloatingFrameOf(pane);
    ASSERT_NE(nullptr, floating);
    ASSERT_TRUE(::IsWindow(floating->m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(floating->m_hWnd));
    EXPECT_EQ(frame->m_hWnd, ::GetWindow(floating->m_hWnd, GW_OWNER));
    EXPECT_TRUE(::IsChild(floating->m_hWnd, list)) << "the pane's window moved into the frame";
    EXPECT_TRUE(::IsWindowVisible(list));
    wchar_t title[64] = {};
    ::GetWindowTextW(floating->m_hWnd, title, 64);
    EXPECT_STREQ(L"Suchergebnis", title) << "one pane: its title";
    CRect rc;
    floating->GetWindowRect(&rc);
    EXPECT_EQ(CRect(300, 200, 520, 380), rc);
    frame->RecalcLayout();
    ::RedrawWindow(floating->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testpump::PumpUntilIdle();
    HDC screen = ::GetDC(nullptr);
    CRect shotRect(rc.left - 10, rc.top - 10, rc.right + 10, rc.bottom + 10);
    EXPECT_FALSE(testshot::Save(testshot::CaptureDC(screen, shotRect), L"docking_floating_frame.png").empty());
    ::ReleaseDC(nullptr, screen);

    // Closing the last pane leaves no empty frame on screen; showing it
    // again brings the frame back with the same window.
    frame->manager.ClosePane(pane);
    EXPECT_FALSE(::IsWindowVisible(floating->m_hWnd));
    EXPECT_TRUE(::IsWindow(list)) << "the pane's window outlives its place";
    frame->manager.ShowPane(pane);
    EXPECT_EQ(floating, FloatingFrameOf(pane));
    EXPECT_TRUE(::IsWindowVisible(floating->m_hWnd));
    EXPECT_EQ(list, pane->GetHwnd());
    EXPECT_TRUE(::IsWindowVisible(list));
    frame->DestroyWindow();
}

TEST(DockingFloatingFrame, CloseKeepsOnlyTheVetoedPaneAndDoubleClickDocksBack)
{
    CWinApp app(L"DockingFrameApp");
    CDockingFrame* frame = NewFrame();
    CXTPDockingPane* first = frame->manager.CreatePane(1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    CXTPDockingPane* second = frame->manager.CreatePane(2, CRect(0, 0, 150, 100), xtpPaneDockLeft);
    frame->manager.AttachPane(second, first);
    frame->RecalcLayout();
    CXTPDockingPaneBase* docked = first->GetContainer();
    frame->manager.ToggleDocking(docked);
    CXTPDockingPaneMiniWnd* floating = FloatingFrameOf(first);
    ASSERT_NE(nullptr, floating);
    ASSERT_EQ(floating, FloatingFrameOf(second));
    HWND hFloating = floating->m_hWnd;
    ASSERT_TRUE(::IsWindowVisible(hFloating));

    frame->vetoClosingId = 1;
    frame->actions.clear();
    ::SendMessageW(hFloating, WM_CLOSE, 0, 0);
    EXPECT_FALSE(first->IsClosed()) << "vetoed";
    EXPECT_TRUE(second->IsClosed());
    EXPECT_EQ((std::vector<int>{xtpPaneActionClosing, xtpPaneActionClosing, xtpPaneActionClosed}), frame->actions);
    ASSERT_TRUE(::IsWindow(hFloating)) << "WM_CLOSE never destroys a frame of the layout";
    EXPECT_TRUE(::IsWindowVisible(hFloating));

    // A pane the site keeps open when asked to close it is not reported closed.
    frame->manager.ShowPane(second);
    frame->vetoClosingId = 0;
    frame->keepOpenId = 2;
    frame->closes.clear();
    ::SendMessageW(hFloating, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first->IsClosed());
    EXPECT_FALSE(second->IsClosed()) << "kept open by the site";
    EXPECT_EQ((std::vector<std::pair<int, int>>{{xtpPaneActionClosing, 1},
                                                {xtpPaneActionClosed, 1},
                                                {xtpPaneActionClosing, 2}}),
              frame->closes);
    frame->keepOpenId = 0;
    frame->manager.ShowPane(first);

    // The double click is handled after the frame's own handler; the pane
    // docks where it was and the frame, kept as its floating place, hides.
    HWND list = first->GetHwnd();
    CRect rc;
    ::GetWindowRect(hFloating, &rc);
    ::SendMessageW(hFloating, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rc.left + 20, rc.top + 5));
    EXPECT_NE(nullptr, FloatingFrameOf(first)) << "not yet";
    testpump::PumpUntil([&] { return FloatingFrameOf(first) == nullptr; });
    testpump::PumpUntilIdle();
    EXPECT_EQ(nullptr, FloatingFrameOf(first));
    EXPECT_FALSE(::IsWindowVisible(hFloating));
    EXPECT_EQ(docked, first->GetContainer());
    frame->RecalcLayout();
    ASSERT_TRUE(::IsWindow(list));
    EXPECT_EQ(static_cast<CXTPDockingPaneTabbedContainer*>(first->GetContainer())->m_hWnd, ::GetParent(list));
    EXPECT_TRUE(::IsWindowVisible(list));

    frame->manager.ToggleDocking(first);
    ASSERT_EQ(floating, FloatingFrameOf(first)) << "floats back into its frame";
    EXPECT_TRUE(::IsWindowVisible(hFloating));
    EXPECT_TRUE(::IsChild(hFloating, list));
    frame->DestroyWindow();
}

using autohideinput::Tick;

TEST(DockingAutoHide, HiddenGroupGetsAStripAndSlidesOutInEightSteps)
{
    CWinApp app(L"DockingFrameApp");
    CDockingFrame* frame = NewFrame();
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(frame, frame->manager, 160);
    CXTPDockingPane* first = frame->manager.FindPane(1);
    CXTPDockingPane* second = frame->manager.FindPane(2);
    ASSERT_NE(nullptr, panel);
    ASSERT_TRUE(::IsWindowVisible(panel->m_hWnd));
    int thickness = panel->GetStripThickness();
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(CRect(0, 0, thickness, client.bottom), ParentRect(panel->m_hWnd));
    EXPECT_EQ(thickness, frame->manager.GetLayout()->m_pTopContainer->GetPaneWindowRect().left)
        << "the tree starts after the strip";
    ASSERT_EQ(1u, panel->GetTabManagers().size());
    ASSERT_EQ(2, panel->GetTabManagers()[0]->GetItemCount());

    // A click on the second tab slides its group out.
    CRect tab = panel->GetTabManagers()[0]->GetItem(1)->GetRect();
    ::SetCursorPos(1200, 1000);
    ::SendMessageW(panel->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.CenterPoint().x, tab.CenterPoint().y));
    CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
    ASSERT_NE(nullptr, slide);
    auto* group = static_cast<CXTPDockingPaneTabbedContainer*>(second->GetContainer());
    EXPECT_EQ(second, group->GetSelected());
    ASSERT_EQ(8, slide->GetStepCount());
    CRect full = slide->GetFrameRect(7);
    EXPECT_EQ(160 + 4, full.Width()) << "docking width and the edge";
    EXPECT_EQ(thickness, full.left);
    for (int k = 0; k < 8; k++)
    {
        EXPECT_EQ(full.Width() * (k + 1) / 8, ParentRect(slide->m_hWnd).Width()) << "frame " << k;
        Tick(slide, CXTPDockingPaneAutoHideWnd::timerSlideOut, 1);
    }
    EXPECT_EQ(7, slide->GetStep());
    EXPECT_TRUE(::IsChild(slide->m_hWnd, group->m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(second->GetHwnd()));
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_FALSE(testshot::Save(testshot::CaptureWindow(frame->m_hWnd), L"docking_autohide_slideout.png").empty());

    // Hovering the tab shown already changes nothing.
    frame->actions.clear();
    ::SendMessageW(panel->m_hWnd, WM_MOUSEHOVER, 0, MAKELPARAM(tab.CenterPoint().x, tab.CenterPoint().y));
    EXPECT_EQ(slide, panel->m_pActiveWnd);
    EXPECT_EQ(7, slide->GetStep()) << "no new slide";
    EXPECT_TRUE(frame->actions.empty());

    // The other pane of the open group slides out in a window of its own.
    HWND hFirstSlide = slide->m_hWnd;
    panel->ShowPane(first, FALSE);
    ASSERT_NE(nullptr, panel->m_pActiveWnd);
    EXPECT_NE(hFirstSlide, panel->m_pActiveWnd->m_hWnd);
    EXPECT_FALSE(::IsWindowVisible(hFirstSlide));
    EXPECT_EQ(first, group->GetSelected());
    slide = panel->m_pActiveWnd;
    Tick(slide, CXTPDockingPaneAutoHideWnd::timerSlideOut, 8);
    EXPECT_EQ(7, slide->GetStep());

    // Away: five checks keep it open, the sixth asks (a veto keeps it).
    frame->actions.clear();
    Tick(slide, CXTPDockingPaneAutoHideWnd::timerCheck, 5);
    EXPECT_FALSE(slide->IsClosing());
    EXPECT_TRUE(frame->actions.empty());
    Tick(slide, CXTPDockingPaneAutoHideWnd::timerCheck, 1);
    EXPECT_TRUE(slide->IsClosing());
    EXPECT_EQ(std::vector<int>{xtpPaneActionCollapsing}, frame->actions);
    HWND hSlide = slide->m_hWnd;
    Tick(slide, CXTPDockingPaneAutoHideWnd::timerSlideIn, 8);
    EXPECT_EQ(nullptr, panel->m_pActiveWnd);
    EXPECT_EQ((std::vector<int>{xtpPaneActionCollapsing, xtpPaneActionCollapsed}), frame->actions);
    EXPECT_FALSE(::IsWindowVisible(group->m_hWnd));
    EXPECT_EQ(frame->m_hWnd, ::GetParent(group->m_hWnd)) << "the container waits at the site";
    testpump::PumpUntil([&] { return !::IsWindow(hSlide); });
    EXPECT_FALSE(::IsWindow(hSlide)) << "the slide-out closed itself";
    frame->DestroyWindow();
}

TEST(DockingAutoHide, SlideOutGrowsFromEverySideAndVetoesHold)
{
    CWinApp app(L"DockingFrameApp");
    CDockingFrame* frame = NewFrame();
    const int sides[] = {xtpPaneDockLeft, xtpPaneDockRight, xtpPaneDockTop, xtpPaneDockBottom};
    for (int side : sides)
    {
        CXTPDockingPane* pane = frame->manager.CreatePane(20 + side, CRect(0, 0, 120, 90), side);
        frame->RecalcLayout();
        frame->manager.HidePane(pane);
        frame->RecalcLayout();
    }
    CRect area = frame->manager.GetLayout()->m_pTopContainer->GetPaneWindowRect();
    ::SetCursorPos(1200, 1000);
    for (int side : sides)
    {
        auto* panel = static_cast<CXTPDockingPaneAutoHidePanel*>(frame->manager.GetLayout()->m_wndPanels[side]);
        ASSERT_NE(nullptr, panel) << side;
        CXTPDockingPane* pane = frame->manager.FindPane(20 + side);
        panel->ShowPane(pane, FALSE);
        CXTPDockingPaneAutoHideWnd* slide = panel->m_pActiveWnd;
        ASSERT_NE(nullptr, slide) << side;
        BOOL horiz = side == xtpPaneDockTop || side == xtpPaneDockBottom;
        for (int k = 0; k < 8; k++)
        {
            CRect rc = ParentRect(slide->m_hWnd);
            int extent = horiz ? 90 + 4 : 120 + 4;
            int grown = extent * (k + 1) / 8;
            // The edge at the panel's side stays; the inner edge moves.
            CRect expected = area;
            if (side == xtpPaneDockLeft)
                expected.right = area.left + grown;
            else if (side == xtpPaneDockRight)
                expected.left = area.right - grown;
            else if (side == xtpPaneDockTop)
                expected.bottom = area.top + grown;
            else
                expected.top = area.bottom - grown;
            EXPECT_EQ(expected, rc) << "side " << side << " frame " << k;
            Tick(slide, CXTPDockingPaneAutoHideWnd::timerSlideOut, 1);
        }
        // Closed at once, the panel forgets the window.
        slide->CloseWindowNow();
        EXPECT_EQ(nullptr, panel->m_pActiveWnd);
        testpump::PumpUntilIdle();
    }

    // A veto of action 10 keeps the window out after the sixth check.
    auto* left = static_cast<CXTPDockingPaneAutoHidePanel*>(frame->manager.GetLayout()->m_wndPanels[xtpPaneDockLeft]);
    left->ShowPane(frame->manager.FindPane(20), FALSE);
    CXTPDockingPaneAutoHideWnd* slide = left->m_pActiveWnd;
    ASSERT_NE(nullptr, slide);
    frame->vetoCollapse = TRUE;
    Tick(slide, CXTPDockingPaneAutoHideWnd::timerCheck, 12);
    EXPECT_FALSE(slide->IsClosing());
    EXPECT_EQ(slide, left->m_pActiveWnd);
    frame->vetoCollapse = FALSE;
    frame->DestroyWindow();
}

// The caption's close button is clicked by real input on a floating frame of
// three tabbed panes; what a close handler does to the others is honoured.
TEST(DockingFloatingFrame, CloseButtonWalksThePanesAsTheyWere)
{
    const int closing = xtpPaneActionClosing, closed = xtpPaneActionClosed;
    struct Case
    {
        const char* what;
        int veto;
        bool closeThirdAfterFirst;
        std::vector<std::pair<int, int>> closes;
        std::vector<bool> open;
        bool frameShown;
    } cases[] = {
        {"the middle one vetoed", 2, false,
         {{closing, 1}, {closed, 1}, {closing, 2}, {closing, 3}, {closed, 3}}, {false, true, false}, true},
        {"the first one's handler closes the third", 0, true,
         {{closing, 1}, {closed, 1}, {closing, 2}, {closed, 2}}, {false, false, false}, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CWinApp app(L"DockingFrameApp");
        CDockingFrame* frame = NewFrame();
        frame->manager.SetFloatingFrameCaption(TRUE);
        CXTPDockingPane* panes[3];
        for (int i = 0; i < 3; i++)
        {
            panes[i] = frame->manager.CreatePane(i + 1, CRect(0, 0, 150, 100), xtpPaneDockLeft);
            if (i > 0)
                frame->manager.AttachPane(panes[i], panes[0]);
        }
        frame->RecalcLayout();
        frame->manager.ToggleDocking(panes[0]->GetContainer());
        CXTPDockingPaneMiniWnd* floating = FloatingFrameOf(panes[0]);
        ASSERT_NE(nullptr, floating);
        HWND hFloating = floating->m_hWnd;
        ::SetForegroundWindow(hFloating);
        ::RedrawWindow(hFloating, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        testpump::PumpUntilIdle();
        CXTPDockingPaneCaptionButton* close = nullptr;
        for (INT_PTR i = 0; i < floating->GetCaptionButtons()->GetSize(); i++)
        {
            if (floating->GetCaptionButtons()->GetAt(i)->GetId() == XTP_IDS_DOCKINGPANE_CLOSE)
                close = floating->GetCaptionButtons()->GetAt(i);
        }
        ASSERT_TRUE(close && close->IsVisible() && !close->GetRect().IsRectEmpty());

        frame->vetoClosingId = c.veto;
        frame->closeAfterFirst = c.closeThirdAfterFirst ? panes[2] : nullptr;
        CRect rcWindow;
        ::GetWindowRect(hFloating, &rcWindow);
        testinput::ClickAt(close->GetRect().CenterPoint() + rcWindow.TopLeft());
        ASSERT_TRUE(testpump::PumpUntil([&] { return !frame->closes.empty(); })) << "input was not delivered";
        testpump::PumpUntilIdle();
        EXPECT_EQ(c.closes, frame->closes);
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(c.open[i], !panes[i]->IsClosed()) << "pane " << i + 1;
        EXPECT_EQ(c.frameShown, !!::IsWindowVisible(hFloating));
        frame->DestroyWindow();
    }
}

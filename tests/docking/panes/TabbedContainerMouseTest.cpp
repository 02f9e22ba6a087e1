// The tabbed container under real mouse input: caption buttons pressed and
// tracked (hot and pressed only while over them), maximize and restore,
// the menu button's record, right clicks, double clicks, hot tracking and
// the help hit test.
#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include "DockingTestFrame.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CWinApp.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadHook.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/docking/themes/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/tabs/XTPTabPaintManager.h"
#include "resources/ToolkitDockingIds.h"

namespace {

typedef CXTPDockingPaneTabbedContainer Container;

Container* ContainerOf(CXTPDockingPane* pane)
{
    return static_cast<Container*>(pane->GetContainer());
}

CXTPDockingPaneCaptionButton* Button(Container* container, int id)
{
    for (INT_PTR i = 0; i < container->GetCaptionButtons()->GetSize(); i++)
    {
        if (container->GetCaptionButtons()->GetAt(i)->GetId() == id)
            return container->GetCaptionButtons()->GetAt(i);
    }
    return nullptr;
}

POINT OnScreen(Container* container, CPoint point)
{
    return testinput::ClientToScreenPoint(container->m_hWnd, point.x, point.y);
}

POINT CenterOf(Container* container, CRect rc)
{
    return OnScreen(container, rc.CenterPoint());
}

// Left: panes 1 and 3 tabbed above pane 2 (one vertical splitter); pane 4
// alone on the right.
struct Layout
{
    CDockingTestFrame* frame;
    CXTPDockingPane* one;
    CXTPDockingPane* two;
    CXTPDockingPane* three;
    CXTPDockingPane* four;

    Layout()
    {
        frame = CDockingTestFrame::New();
        one = frame->manager.CreatePane(1, CRect(0, 0, 220, 150), xtpPaneDockLeft);
        one->SetTitle(L"Spiele");
        two = frame->manager.CreatePane(2, CRect(0, 0, 220, 120), xtpPaneDockBottom, one);
        two->SetTitle(L"Verfügbare Tickets");
        three = frame->manager.CreatePane(3, CRect(0, 0, 220, 150), xtpPaneDockLeft);
        three->SetTitle(L"Statistik");
        frame->manager.AttachPane(three, one);
        four = frame->manager.CreatePane(4, CRect(0, 0, 140, 150), xtpPaneDockRight);
        four->SetTitle(L"Alarme");
        Show();
    }

    void Show()
    {
        frame->RecalcLayout();
        frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::SetForegroundWindow(frame->m_hWnd);
        testpump::PumpUntilIdle();
    }

    ~Layout() { frame->DestroyWindow(); }
};

// What a thread-local message hook saw arrive at one window: the message,
// its point and the tracked button's state when it was taken off the queue.
struct Seen
{
    UINT message;
    CPoint point;
    BOOL pressed;
    BOOL hot;
};

std::mutex g_seenLock;
std::vector<Seen> g_seen;
HWND g_watched = nullptr;
CXTPDockingPaneCaptionButton* g_button = nullptr;
// Posted behind a message that was taken: once it is taken in turn, the
// loop has handled everything before it.
const UINT kHandledMarker = WM_APP + 0x177;
std::atomic<int> g_markersTaken(0);

LRESULT CALLBACK WatchMessages(int code, WPARAM wParam, LPARAM lParam)
{
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code >= 0 && wParam == PM_REMOVE && msg->hwnd == g_watched && msg->message == kHandledMarker)
        g_markersTaken++;
    if (code >= 0 && wParam == PM_REMOVE && msg->hwnd == g_watched && msg->message >= WM_MOUSEMOVE &&
        msg->message <= WM_LBUTTONDBLCLK)
    {
        std::lock_guard<std::mutex> lock(g_seenLock);
        g_seen.push_back({msg->message, CPoint(static_cast<short>(LOWORD(msg->lParam)),
                                               static_cast<short>(HIWORD(msg->lParam))),
                          g_button->IsPressed(), g_button->IsHot()});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The same point, or the one a pixel lower that a resent move goes to.
bool Near(CPoint a, CPoint b)
{
    return a.x == b.x && std::abs(a.y - b.y) <= 1;
}

// One input step and the message it must bring to the watched window.
struct Step
{
    DWORD flags;
    CPoint client;
    UINT expected;
};

// Sends the steps from another thread, each once the previous one has
// arrived: the press loop runs on this thread meanwhile. A step with
// expected 0 posts WM_QUIT to this thread instead.
std::vector<Seen> Press(Container* container, CXTPDockingPaneCaptionButton* button, const std::vector<Step>& steps)
{
    g_seen.clear();
    g_watched = container->m_hWnd;
    g_button = button;
    testhook::ThreadHook hook(WH_GETMESSAGE, WatchMessages);
    std::atomic<bool> done(false);
    DWORD mainThread = ::GetCurrentThreadId();
    std::thread input([&] {
        for (const Step& step : steps)
        {
            if (step.expected == 0)
            {
                ::PostThreadMessageW(mainThread, WM_QUIT, 0, 0);
                continue;
            }
            // Under load Wine may merge a move into a synthetic one queued
            // before it, or queue a late echo of an earlier pointer place
            // after it: a move is sent again, a pixel apart, until it is the
            // last one the loop has handled.
            for (int attempt = 0;; attempt++)
            {
                CPoint point = step.client + CPoint(0, attempt % 2);
                size_t before = 0;
                {
                    std::lock_guard<std::mutex> lock(g_seenLock);
                    before = g_seen.size();
                }
                testinput::SendMouse(step.flags, OnScreen(container, point));
                auto arrivedAt = [&](size_t from) {
                    std::lock_guard<std::mutex> lock(g_seenLock);
                    for (size_t i = from; i < g_seen.size(); i++)
                    {
                        // A quick second press arrives as a double click.
                        UINT message = g_seen[i].message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : g_seen[i].message;
                        if (message == step.expected && Near(g_seen[i].point, step.client))
                            return true;
                    }
                    return false;
                };
                bool arrived = testpump::WaitUntil([&] { return arrivedAt(before); },
                                                   step.expected == WM_MOUSEMOVE ? 1000 : testpump::kDeadline);
                if (arrived && step.expected == WM_MOUSEMOVE)
                {
                    // Handled, and no move elsewhere taken after it.
                    int marker = g_markersTaken.load();
                    ::PostMessageW(g_watched, kHandledMarker, 0, 0);
                    testpump::WaitUntil([&] { return g_markersTaken.load() > marker; });
                    std::lock_guard<std::mutex> lock(g_seenLock);
                    const Seen& last = g_seen.back();
                    arrived = last.message != WM_MOUSEMOVE || Near(last.point, step.client);
                }
                if (arrived || step.expected != WM_MOUSEMOVE || attempt == 10)
                    break;
            }
        }
        done = true;
    });
    testpump::PumpUntil([&] { return done.load(); });
    input.join();
    testpump::PumpUntilIdle();
    hook.Remove();
    return g_seen;
}

std::string Describe(const std::vector<Seen>& seen)
{
    std::string text;
    for (const Seen& s : seen)
        text += std::to_string(s.message) + "@" + std::to_string(s.point.x) + "," + std::to_string(s.point.y) +
                (s.pressed ? " pressed" : "") + "; ";
    return text;
}

// The pressed state when the first message of that kind at that point
// after the press (and, when given, after the pointer was at `after`) was
// taken off the queue. Wine may queue a synthetic move at the press point
// right after the press, so a move back there is looked for after the
// pointer was away.
BOOL PressedWhenTaken(const std::vector<Seen>& seen, UINT message, CPoint point, const CPoint* after = nullptr)
{
    bool pressed = false;
    bool away = after == nullptr;
    for (const Seen& s : seen)
    {
        pressed |= s.message == WM_LBUTTONDOWN || s.message == WM_LBUTTONDBLCLK;
        if (pressed && !away && s.message == WM_MOUSEMOVE && Near(s.point, *after))
        {
            away = true;
            continue;
        }
        if (pressed && away && s.message == message && Near(s.point, point))
            return s.pressed;
    }
    ADD_FAILURE() << "no message " << message << " at " << point.x << "," << point.y << ": " << Describe(seen);
    return FALSE;
}

int HeightOf(Container* container)
{
    return container->GetPaneWindowRect().Height();
}

} // namespace

TEST(TabbedContainerMouse, MaximizeAndRestoreAreOfferedBesideOtherTabbedContainers)
{
    CWinApp app(L"DockingMouseApp");
    Layout layout;
    Container* upper = ContainerOf(layout.one);
    Container* lower = ContainerOf(layout.two);
    Container* lone = ContainerOf(layout.four);
    struct Case
    {
        BOOL show;
        Container* container;
        int id;
        BOOL visible;
    } cases[] = {
        {FALSE, upper, XTP_IDS_DOCKINGPANE_MAXIMIZE, FALSE}, {TRUE, upper, XTP_IDS_DOCKINGPANE_MAXIMIZE, TRUE},
        {TRUE, upper, XTP_IDS_DOCKINGPANE_RESTORE, FALSE},   {TRUE, lower, XTP_IDS_DOCKINGPANE_MAXIMIZE, TRUE},
        {TRUE, lone, XTP_IDS_DOCKINGPANE_MAXIMIZE, FALSE},   {TRUE, lone, XTP_IDS_DOCKINGPANE_RESTORE, FALSE},
    };
    for (const Case& c : cases)
    {
        layout.frame->manager.m_bShowMaximizeButton = c.show;
        EXPECT_EQ(c.visible, c.container->IsCaptionButtonVisible(Button(c.container, c.id)))
            << "show " << c.show << " id " << c.id << (c.container == lone ? " lone" : "");
    }
    upper->OnMaximizeButton();
    EXPECT_FALSE(upper->IsCaptionButtonVisible(Button(upper, XTP_IDS_DOCKINGPANE_MAXIMIZE)));
    EXPECT_TRUE(upper->IsCaptionButtonVisible(Button(upper, XTP_IDS_DOCKINGPANE_RESTORE)));
    // Maximizing the other one takes it from the first.
    lower->OnMaximizeButton();
    EXPECT_FALSE(upper->IsMaximized());
    EXPECT_TRUE(lower->IsMaximized());
    EXPECT_EQ(0, HeightOf(upper));
}

TEST(TabbedContainerMouse, CaptionButtonsAreTrackedWhilePressed)
{
    CWinApp app(L"DockingMouseApp");
    Layout layout;
    layout.frame->manager.m_bShowMaximizeButton = TRUE;
    layout.Show();
    Container* upper = ContainerOf(layout.one);
    Container* lower = ContainerOf(layout.two);
    int upperHeight = HeightOf(upper), lowerHeight = HeightOf(lower);
    ASSERT_GT(lowerHeight, 0);
    CXTPDockingPaneCaptionButton* maximize = Button(upper, XTP_IDS_DOCKINGPANE_MAXIMIZE);
    CRect rc = maximize->GetRect();
    ASSERT_FALSE(rc.IsRectEmpty()) << "drawn in the caption";
    CPoint on = rc.CenterPoint(), off(rc.left - 30, rc.CenterPoint().y);

    // Released away from the button: nothing happens.
    std::vector<Seen> seen = Press(upper, maximize,
                                   {{MOUSEEVENTF_LEFTDOWN, on, WM_LBUTTONDOWN},
                                    {0, off, WM_MOUSEMOVE},
                                    {MOUSEEVENTF_LEFTUP, off, WM_LBUTTONUP}});
    EXPECT_TRUE(PressedWhenTaken(seen, WM_MOUSEMOVE, off)) << "pressed until the pointer left" << Describe(seen);
    EXPECT_FALSE(PressedWhenTaken(seen, WM_LBUTTONUP, off)) << "raised while away";
    EXPECT_FALSE(upper->IsMaximized());
    EXPECT_FALSE(maximize->IsPressed());
    EXPECT_EQ(nullptr, ::GetCapture());

    // Off and back on: pressed, not pressed, pressed again; released on it.
    seen = Press(upper, maximize,
                 {{MOUSEEVENTF_LEFTDOWN, on, WM_LBUTTONDOWN},
                  {0, off, WM_MOUSEMOVE},
                  {0, on + CPoint(1, 0), WM_MOUSEMOVE},
                  {MOUSEEVENTF_LEFTUP, on + CPoint(1, 0), WM_LBUTTONUP}});
    EXPECT_TRUE(PressedWhenTaken(seen, WM_MOUSEMOVE, off));
    EXPECT_FALSE(PressedWhenTaken(seen, WM_MOUSEMOVE, on + CPoint(1, 0), &off)) << "raised while away";
    EXPECT_TRUE(PressedWhenTaken(seen, WM_LBUTTONUP, on + CPoint(1, 0), &off)) << "pressed again over it";
    EXPECT_TRUE(upper->IsMaximized());
    EXPECT_FALSE(maximize->IsPressed());
    EXPECT_EQ(0, HeightOf(lower));
    EXPECT_GT(HeightOf(upper), upperHeight);

    // A quit request ends the press unclicked and stays for the outer loop.
    layout.Show();
    CXTPDockingPaneCaptionButton* restore = Button(upper, XTP_IDS_DOCKINGPANE_RESTORE);
    ASSERT_FALSE(restore->GetRect().IsRectEmpty());
    CPoint restoreAt = restore->GetRect().CenterPoint();
    Press(upper, restore, {{MOUSEEVENTF_LEFTDOWN, restoreAt, WM_LBUTTONDOWN}, {0, restoreAt, 0}});
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT posted again";
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, OnScreen(upper, restoreAt));
    testpump::PumpUntilIdle();
    EXPECT_TRUE(upper->IsMaximized());
    EXPECT_FALSE(restore->IsPressed());
    EXPECT_EQ(nullptr, ::GetCapture());

    // A plain click restores the sizes.
    testinput::ClickAt(OnScreen(upper, restoreAt));
    ASSERT_TRUE(testpump::PumpUntil([&] { return !upper->IsMaximized(); }));
    EXPECT_EQ(lowerHeight, HeightOf(lower));
    EXPECT_EQ(upperHeight, HeightOf(upper));
}

TEST(TabbedContainerMouse, MenuAndCloseButtonsByClicks)
{
    CWinApp app(L"DockingMouseApp");
    Layout layout;
    layout.two->SetOptions(xtpPaneHasMenuButton);
    layout.Show();
    Container* lower = ContainerOf(layout.two);
    CXTPDockingPaneCaptionButton* menu = Button(lower, XTP_IDS_DOCKINGPANE_MENU);
    ASSERT_FALSE(menu->GetRect().IsRectEmpty());
    CRect rcMenu = menu->GetRect();
    testinput::ClickAt(CenterOf(lower, rcMenu));
    ASSERT_TRUE(testpump::PumpUntil([&] { return !layout.frame->menus.empty(); }));
    testpump::PumpUntilIdle();
    ASSERT_EQ(1u, layout.frame->menus.size()) << "sent at the press, not again at the release";
    const XTP_DOCKINGPANE_CLICK& record = layout.frame->menus[0];
    POINT topLeft = OnScreen(lower, rcMenu.TopLeft());
    EXPECT_EQ(layout.two, record.pPane);
    EXPECT_EQ(CPoint(topLeft.x, topLeft.y + rcMenu.Height()), CPoint(record.pt));
    EXPECT_EQ(CRect(topLeft.x, topLeft.y, topLeft.x + rcMenu.Width(), topLeft.y + rcMenu.Height()),
              CRect(record.rcExclude));
    EXPECT_EQ((std::vector<BOOL>{TRUE}), layout.frame->menuPressed) << "drawn pressed meanwhile";
    EXPECT_FALSE(menu->IsPressed());
    EXPECT_EQ(layout.two->GetHwnd(), ::GetFocus()) << "the container took the focus first";

    CXTPDockingPaneCaptionButton* close = Button(lower, XTP_IDS_DOCKINGPANE_CLOSE);
    testinput::ClickAt(CenterOf(lower, close->GetRect()));
    ASSERT_TRUE(testpump::PumpUntil([&] { return layout.two->IsClosed(); }));
    EXPECT_EQ((std::vector<int>{xtpPaneActionClosing, xtpPaneActionClosed}),
              std::vector<int>(layout.frame->actions.end() - 2, layout.frame->actions.end()));
}

TEST(TabbedContainerMouse, RightClicksSelectFocusAndNotify)
{
    CWinApp app(L"DockingMouseApp");
    Layout layout;
    Container* upper = ContainerOf(layout.one);
    Container* lower = ContainerOf(layout.two);
    ASSERT_EQ(layout.three, upper->GetSelected());
    ASSERT_TRUE(upper->IsTabsVisible());
    CRect tab = upper->GetItem(0)->GetRect();
    testinput::ClickAt(CenterOf(upper, tab), true);
    ASSERT_TRUE(testpump::PumpUntil([&] { return layout.frame->rightClicks.size() == 1; }));
    EXPECT_EQ(upper, layout.frame->rightClicks[0]);
    EXPECT_EQ(layout.one, upper->GetSelected()) << "the tab under the pointer";
    EXPECT_EQ(layout.one->GetHwnd(), ::GetFocus());
    EXPECT_EQ(layout.one, layout.frame->activeAtRightClick[0]) << "active before the owner hears";

    // On a caption: nothing is selected anew, the container is told all the same.
    testinput::ClickAt(OnScreen(lower, CPoint(20, 8)), true);
    ASSERT_TRUE(testpump::PumpUntil([&] { return layout.frame->rightClicks.size() == 2; }));
    EXPECT_EQ(lower, layout.frame->rightClicks[1]);
    EXPECT_EQ(layout.two, layout.frame->activeAtRightClick[1]);
    EXPECT_FALSE(upper->IsActive());
}

TEST(TabbedContainerMouse, DoubleClicksFloatTheTabsPaneOrTheWholeContainer)
{
    CWinApp app(L"DockingMouseApp");
    Layout layout;
    Container* upper = ContainerOf(layout.one);
    auto floating = [](CXTPDockingPane* pane) {
        for (CXTPDockingPaneBase* up = pane->GetContainer(); up; up = up->GetContainer())
        {
            if (up->GetType() == xtpPaneTypeMiniWnd)
                return true;
        }
        return false;
    };
    // The first tab (pane 1) alone.
    POINT tab = CenterOf(upper, upper->GetItem(0)->GetRect());
    testinput::ClickAt(tab);
    testinput::ClickAt(tab);
    ASSERT_TRUE(testpump::PumpUntil([&] { return floating(layout.one); }));
    EXPECT_FALSE(floating(layout.three));
    EXPECT_EQ(upper, layout.three->GetContainer());
    EXPECT_EQ((std::vector<int>{xtpPaneActionFloating, xtpPaneActionFloated}), layout.frame->actions);

    // The caption: the container's panes.
    layout.Show();
    Container* lower = ContainerOf(layout.two);
    POINT caption = OnScreen(lower, CPoint(20, 8));
    testinput::ClickAt(caption);
    testinput::ClickAt(caption);
    ASSERT_TRUE(testpump::PumpUntil([&] { return floating(layout.two); }));
    EXPECT_FALSE(floating(layout.three));
}

TEST(TabbedContainerMouse, PointerHotTracksCaptionButtonsAndTabs)
{
    CWinApp app(L"DockingMouseApp");
    Layout layout;
    layout.frame->manager.SetTheme(xtpPaneThemeOffice2003); // its tabs hot-track
    layout.Show();
    Container* upper = ContainerOf(layout.one);
    Container* lower = ContainerOf(layout.two);
    CXTPDockingPaneCaptionButton* close = Button(upper, XTP_IDS_DOCKINGPANE_CLOSE);
    testinput::MoveMouseTo(CenterOf(upper, close->GetRect()));
    ASSERT_TRUE(testpump::PumpUntil([&] { return close->IsHot(); }));
    EXPECT_FALSE(Button(upper, XTP_IDS_DOCKINGPANE_AUTOHIDE)->IsHot());

    testinput::MoveMouseTo(CenterOf(upper, upper->GetItem(1)->GetRect()));
    ASSERT_TRUE(testpump::PumpUntil([&] { return upper->GetHighlightedItem() == upper->GetItem(1); }));
    EXPECT_FALSE(close->IsHot());
    // A layout pass rebuilds the tabs; the one under the pointer stays hot.
    layout.frame->RecalcLayout();
    EXPECT_EQ(upper->GetItem(1), upper->GetHighlightedItem());

    // Leaving the container clears both.
    testinput::MoveMouseTo(OnScreen(lower, CPoint(20, 8)));
    ASSERT_TRUE(testpump::PumpUntil([&] { return upper->GetHighlightedItem() == nullptr; }));
    EXPECT_FALSE(close->IsHot());
}

TEST(TabbedContainerMouse, HelpHitTestNamesThePaneUnderThePointer)
{
    CWinApp app(L"DockingMouseApp");
    Layout layout;
    Container* upper = ContainerOf(layout.one);
    layout.three->m_nHelpId = 77;
    struct Case
    {
        CPoint point;
        LRESULT context;
    } cases[] = {
        {upper->GetItem(0)->GetRect().CenterPoint(), 0x20000 + 1},  // pane 1: its id
        {upper->GetItem(1)->GetRect().CenterPoint(), 0x20000 + 77}, // pane 3: its help id
        {CPoint(20, 8), 0x20000 + 77},                              // the caption: the selected pane
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.context, upper->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(c.point.x, c.point.y)))
            << c.point.x << "," << c.point.y;
}

TEST(TabbedContainerMouse, CaptionButtonsShowTheirStringsAsTips)
{
    CWinApp app(L"DockingMouseApp");
    Layout layout;
    Container* upper = ContainerOf(layout.one);
    struct Case
    {
        int id;
        LPCWSTR text;
    } cases[] = {{XTP_IDS_DOCKINGPANE_CLOSE, L"Schließen"}, {XTP_IDS_DOCKINGPANE_AUTOHIDE, L"AutoAusblenden"}};
    for (const Case& c : cases)
    {
        TOOLINFO ti = {sizeof(TOOLINFO)};
        CPoint point = Button(upper, c.id)->GetRect().CenterPoint();
        EXPECT_EQ(c.id, upper->OnToolHitTest(point, &ti));
        EXPECT_STREQ(c.text, ti.lpszText);
        free(ti.lpszText);
    }
    TOOLINFO ti = {sizeof(TOOLINFO)};
    EXPECT_EQ(-1, upper->OnToolHitTest(CPoint(20, 8), &ti)) << "the caption itself has no tip";

    // Resting on the button brings the tip up.
    testinput::MoveMouseTo(CenterOf(upper, Button(upper, XTP_IDS_DOCKINGPANE_CLOSE)->GetRect()));
    CXTPToolTipContext* context = layout.frame->manager.GetToolTipContext();
    EXPECT_TRUE(testpump::PumpUntil(
        [&] { return context->GetToolTip() && ::IsWindowVisible(context->GetToolTip()->GetSafeHwnd()); }));
}

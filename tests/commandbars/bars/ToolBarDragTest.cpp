// A toolbar moved by the mouse as a user moves it: dragged by its gripper
// from the top to the left dock bar, off into a floating window and back by
// its caption; by its caption over the bottom dock bar and on past the
// frame's lower edge; over any dock bar and out, the point pressed staying
// under the pointer; double clicks, also docking a bar of the second row back
// there; a floating bar resized by its border; a quit arriving during the
// drag; on a right-to-left frame the bar docks back where it was.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>
#include "ToolBarTestSupport.h"
#include "resources/FrameworkIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include "support/ThreadHook.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/state/XTPToolBarInfo.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"

using testinput::MoveMouseTo;
using testinput::SendMouse;

namespace {

class ToolBarDrag : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CToolBarFrame();
        ASSERT_TRUE(frame->CreateFrame(600, 400));
        frame->SetForegroundWindow();
        bar = frame->AddProgramToolBar();
        ASSERT_NE(nullptr, bar);
        frame->Layout();
        testpump::PumpPending();
    }
    void TearDown() override
    {
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    // Presses at the point; once the bar holds the mouse, moves through the
    // path and releases at its end (input sent earlier would go to the window
    // under the cursor at that time), then waits until the mouse is let go.
    void Drag(CPoint from, std::initializer_list<CPoint> path)
    {
        s_path.assign(path.begin(), path.end());
        MoveMouseTo(from);
        SendMouse(MOUSEEVENTF_LEFTDOWN, from);
        testtimer::ThreadTimer timer(10, &ToolBarDrag::ContinueOnceCaptured);
        ASSERT_TRUE(testpump::PumpUntil([] { return s_path.empty() && ::GetCapture() == nullptr; }));
        timer.Kill();
        testpump::PumpPending();
    }
    static void CALLBACK ContinueOnceCaptured(HWND, UINT, UINT_PTR, DWORD)
    {
        if (::GetCapture() == nullptr || s_path.empty())
            return;
        for (CPoint pt : s_path)
            MoveMouseTo(pt);
        SendMouse(MOUSEEVENTF_LEFTUP, s_path.back());
        s_path.clear();
    }
    // As Drag, but one point of the path per timer tick, as a hand moves:
    // each point reaches the drag's loop on its own, and the button is let go
    // a few ticks after the last one. The watch runs inside the drag's loop
    // at every tick.
    void DragStepwise(CPoint from, std::vector<CPoint> path, std::function<void()> watch = [] {})
    {
        s_path = std::move(path);
        s_watch = std::move(watch);
        s_nAfterLast = 0;
        s_bReleaseLost = false;
        MoveMouseTo(from);
        SendMouse(MOUSEEVENTF_LEFTDOWN, from);
        testtimer::ThreadTimer timer(30, &ToolBarDrag::ContinueOneStep);
        ASSERT_TRUE(testpump::PumpUntil([] { return s_path.empty() && ::GetCapture() == nullptr; }));
        timer.Kill();
        s_watch = [] {};
        EXPECT_FALSE(s_bReleaseLost) << "the drag did not end at the button's release";
        testpump::PumpPending();
        frame->Layout();
    }
    static void CALLBACK ContinueOneStep(HWND, UINT, UINT_PTR, DWORD)
    {
        if (::GetCapture() == nullptr)
            return;
        s_watch();
        if (!s_path.empty()) {
            s_ptLast = s_path.front();
            s_path.erase(s_path.begin());
            MoveMouseTo(s_ptLast);
        } else if (++s_nAfterLast == kHoldTicks) {
            SendMouse(MOUSEEVENTF_LEFTUP, s_ptLast);
        } else if (s_nAfterLast == kHoldTicks + 10) {
            // Still dragging long after the release: it went astray.
            s_bReleaseLost = true;
            testinput::SendKey(VK_ESCAPE);
        }
    }
    static const int kHoldTicks = 5;
    static CPoint s_ptLast;
    static int s_nAfterLast;
    static bool s_bReleaseLost;
    static std::function<void()> s_watch;
    static std::vector<CPoint> s_path;
    // Off every control: the gripper of a docked bar, the caption of a floating one.
    CPoint GripPoint()
    {
        CRect rc = WindowRectOf(bar);
        if (bar->GetPosition() == xtpBarFloating)
            return CPoint(rc.left + 12, rc.top + 9);
        if (bar->IsVerticalPosition())
            return CPoint(rc.CenterPoint().x, rc.top + 4);
        return CPoint(rc.left + 4, rc.CenterPoint().y);
    }
    CPoint ClientPoint(int x, int y)
    {
        CPoint pt(x, y);
        frame->ClientToScreen(&pt);
        return pt;
    }
    CToolBarFrame* frame = nullptr;
    CXTPToolBar* bar = nullptr;
};

std::vector<CPoint> ToolBarDrag::s_path;
std::function<void()> ToolBarDrag::s_watch = [] {};
CPoint ToolBarDrag::s_ptLast;
int ToolBarDrag::s_nAfterLast = 0;
bool ToolBarDrag::s_bReleaseLost = false;

// A rectangle's edges, readable when a comparison fails.
std::string Edges(const CRect& rc)
{
    return std::to_string(rc.left) + ", " + std::to_string(rc.top) + ", " + std::to_string(rc.right) + ", " +
           std::to_string(rc.bottom);
}

void CALLBACK QuitOnceCaptured(HWND, UINT, UINT_PTR id, DWORD)
{
    if (::GetCapture() == nullptr)
        return;
    testtimer::Kill(id);
    ::PostQuitMessage(7);
}

} // namespace

TEST_F(ToolBarDrag, ByItsGripperToTheLeftThenFloatingAndBackToTheTop)
{
    ASSERT_EQ(xtpBarTop, bar->GetPosition());
    CXTPDockBar* top = frame->GetCommandBars()->GetDockBar(xtpBarTop);
    CXTPDockBar* left = frame->GetCommandBars()->GetDockBar(xtpBarLeft);
    CRect rcTopDocked = frame->BarRect(bar);

    // To the left edge, half way down.
    Drag(GripPoint(), {ClientPoint(150, 200), ClientPoint(6, 220)});
    EXPECT_EQ(xtpBarLeft, bar->GetPosition());
    EXPECT_EQ(left, bar->GetDockBar());
    EXPECT_EQ(left->GetSafeHwnd(), ::GetParent(bar->GetSafeHwnd()));
    EXPECT_LT(top->FindBar(bar), 0) << "gone from the top";
    CRect rcLeft = frame->BarRect(bar);
    EXPECT_GT(rcLeft.Height(), rcLeft.Width()) << "laid out down the side";
    EXPECT_LE(rcLeft.left, 2);

    // Off into the middle of the frame: it floats.
    Drag(GripPoint(), {ClientPoint(250, 200), ClientPoint(300, 210)});
    EXPECT_EQ(xtpBarFloating, bar->GetPosition());
    EXPECT_EQ(nullptr, bar->GetDockBar());
    EXPECT_LT(left->FindBar(bar), 0);
    EXPECT_FALSE(bar->GetStyle() & WS_CHILD);
    CRect rcFloat = WindowRectOf(bar);
    EXPECT_TRUE(rcFloat.PtInRect(ClientPoint(300, 210))) << "under the mouse";
    EXPECT_GT(rcFloat.Width(), rcFloat.Height());
    EXPECT_EQ(rcFloat.TopLeft(), bar->GetDockContext()->m_ptMRUFloatPos);
    EXPECT_EQ(xtpBarLeft, bar->GetDockContext()->m_uMRUDockPosition) << "remembers where it came from";
    EXPECT_EQ(static_cast<UINT>(left->GetDlgCtrlID()), bar->GetDockContext()->m_uMRUDockID)
        << "and the dock bar's id, which the saved layout keeps";
    EXPECT_TRUE(frame->GetCommandBars()->GetOptions()->bDirty);

    // By its caption back to the top.
    Drag(GripPoint(), {ClientPoint(200, 120), ClientPoint(60, 4)});
    EXPECT_EQ(xtpBarTop, bar->GetPosition());
    EXPECT_EQ(top, bar->GetDockBar());
    EXPECT_TRUE(bar->GetStyle() & WS_CHILD);
    CRect rcBack = frame->BarRect(bar);
    EXPECT_EQ(rcTopDocked.top, rcBack.top);
    EXPECT_EQ(rcTopDocked.Height(), rcBack.Height());
}

TEST_F(ToolBarDrag, FloatingBarStaysPartlyOnScreen)
{
    CRect rcWork = XTPGetWorkAreaOfPoint(GripPoint());
    Drag(GripPoint(), {ClientPoint(300, 200)});
    ASSERT_EQ(xtpBarFloating, bar->GetPosition());
    // Held near its top-left corner and dragged into the screen's bottom-right corner.
    CRect rcStart = WindowRectOf(bar);
    Drag(CPoint(rcStart.left + 4, rcStart.top + 4), {CPoint(rcWork.right - 1, rcWork.bottom - 1)});
    CRect rc = WindowRectOf(bar);
    EXPECT_EQ(rcWork.right - 10, rc.left);
    EXPECT_EQ(rcWork.bottom - 10, rc.top);
    // And past the top-left one.
    Drag(CPoint(rc.left + 4, rc.top + 4), {CPoint(rcWork.left, rcWork.top)});
    rc = WindowRectOf(bar);
    EXPECT_GE(rc.right, rcWork.left + 10);
    EXPECT_GE(rc.bottom, rcWork.top + 10);
}

TEST_F(ToolBarDrag, DoubleClickFloatsOnlyWithTheOptionAndDocksBack)
{
    CXTPCommandBarsOptions* pOptions = frame->GetCommandBars()->GetOptions();
    CRect rcDocked = WindowRectOf(bar);
    struct Case
    {
        const char* what;
        BOOL option;
        XTPBarPosition after;
    } cases[] = {
        {"option off: stays", FALSE, xtpBarTop},
        {"option on: floats at its docked place", TRUE, xtpBarFloating},
        {"floating: docks back at the top", TRUE, xtpBarTop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pOptions->bDblClickFloat = c.option;
        CPoint pt = GripPoint();
        CPoint ptClient = pt;
        bar->ScreenToClient(&ptClient);
        bar->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(ptClient.x, ptClient.y));
        frame->Layout();
        EXPECT_EQ(c.after, bar->GetPosition());
        if (c.after == xtpBarFloating) {
            EXPECT_EQ(rcDocked.TopLeft(), WindowRectOf(bar).TopLeft());
            CXTPDockBar* top = frame->GetCommandBars()->GetDockBar(xtpBarTop);
            EXPECT_EQ(static_cast<UINT>(top->GetDlgCtrlID()), bar->GetDockContext()->m_uMRUDockID);
        }
    }
    EXPECT_EQ(rcDocked.TopLeft(), WindowRectOf(bar).TopLeft()) << "back where it was docked";
}

TEST_F(ToolBarDrag, FloatingBarResizedByItsRightBorderWraps)
{
    ASSERT_TRUE(bar->SetPosition(xtpBarFloating));
    testpump::PumpPending();
    CRect rc = WindowRectOf(bar);
    CPoint border(rc.right - 1, rc.CenterPoint().y);
    ASSERT_EQ(HTRIGHT, bar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(border.x, border.y)));
    Drag(border, {CPoint(rc.left + rc.Width() / 2, border.y)});
    CRect rcNarrow = WindowRectOf(bar);
    EXPECT_EQ(rc.left, rcNarrow.left) << "the left border stays";
    EXPECT_LT(rcNarrow.Width(), rc.Width());
    EXPECT_GT(rcNarrow.Height(), rc.Height()) << "the buttons wrap into rows";
    EXPECT_EQ(rcNarrow.Width(), bar->GetWidth()) << "the most recent width";
}

TEST_F(ToolBarDrag, QuitDuringTheDragEndsItAndStaysQueued)
{
    CPoint from = GripPoint();
    MoveMouseTo(from);
    SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    // The quit comes once the drag holds the mouse, before any release.
    testtimer::ThreadTimer timer(10, &QuitOnceCaptured);
    const int nQuit = testpump::PumpUntilQuitTaken(
        [] { return ::GetCapture() == nullptr && !(GetAsyncKeyState(VK_LBUTTON) & 0x8000); });
    timer.Kill();
    SendMouse(MOUSEEVENTF_LEFTUP, from);
    EXPECT_EQ(7, nQuit) << "the loop posts the quit again";
    EXPECT_EQ(nullptr, ::GetCapture()) << "the mouse is let go";
    testpump::PumpPending();
}

TEST_F(ToolBarDrag, WithoutLeftDockingItFloatsOverTheLeftDockBar)
{
    bar->EnableDocking(bar->GetFlags() & ~4u);
    CXTPDockBar* left = frame->GetCommandBars()->GetDockBar(xtpBarLeft);
    Drag(GripPoint(), {ClientPoint(150, 200), ClientPoint(6, 220)});
    EXPECT_EQ(xtpBarFloating, bar->GetPosition());
    EXPECT_LT(left->FindBar(bar), 0) << "docked on a side it may not dock on";
    EXPECT_TRUE(WindowRectOf(bar).PtInRect(ClientPoint(6, 220))) << "floating under the mouse";
}

// A bar of the second row taken off by a drag on its gripper, or by a double
// click there, remembers the place it left and a double click on its caption
// docks it back there, whether both bars are plain or stretched over their
// rows; the bar of the first row stays as it was.
TEST_F(ToolBarDrag, TakenOffTheSecondRowADoubleClickDocksItBackThere)
{
    CXTPToolBar* second = frame->GetCommandBars()->Add(L"Zweite", xtpBarTop);
    ASSERT_NE(nullptr, second);
    const UINT buttons[] = {ID_FILE_OPEN, ID_FILE_SAVE, ID_APP_ABOUT};
    second->AddButtons(buttons, 3);
    frame->GetCommandBars()->GetOptions()->bDblClickFloat = TRUE;
    CXTPDockBar* top = frame->GetCommandBars()->GetDockBar(xtpBarTop);
    const struct
    {
        const char* what;
        DWORD dwStretched;
        bool byDrag;
    } cases[] = {{"plain bars, dragged off", 0, true},
                 {"plain bars, floated by a double click", 0, false},
                 {"stretched bars, dragged off", XTP_BARFLAG_STRETCHED, true},
                 {"stretched bars, floated by a double click", XTP_BARFLAG_STRETCHED, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (CXTPToolBar* pBar : {bar, second})
            pBar->EnableDocking((pBar->GetFlags() & ~XTP_BARFLAG_STRETCHED) | c.dwStretched);
        // Docked by the program, which gives no place, and a floating place known.
        ASSERT_TRUE(second->SetPosition(xtpBarFloating));
        ASSERT_TRUE(frame->GetCommandBars()->DockCommandBar(second, xtpBarTop));
        second->GetDockContext()->m_ptMRUFloatPos = ClientPoint(250, 200);
        frame->Layout();
        testpump::PumpPending();
        const CRect rcFirst = frame->BarRect(bar), rcSecond = frame->BarRect(second);
        ASSERT_GE(rcSecond.top, rcFirst.bottom) << "the second bar starts in a row of its own";
        CRect rcPlace = WindowRectOf(second);
        top->ScreenToClient(&rcPlace);

        const CRect rcDocked = WindowRectOf(second);
        const CPoint ptGripper(rcDocked.left + 4, rcDocked.CenterPoint().y);
        if (c.byDrag)
            Drag(ptGripper, {ClientPoint(250, 200), ClientPoint(300, 220)});
        else
            testinput::DoubleClickAt(ptGripper);
        ASSERT_TRUE(testpump::PumpUntil([&] { return second->GetPosition() == xtpBarFloating; }))
            << "it did not float";
        EXPECT_EQ(rcPlace, second->GetDockContext()->m_rectMRUDockPos) << "the place it left";
        const CRect rcFloating = WindowRectOf(second);
        testinput::DoubleClickAt(CPoint(rcFloating.left + 12, rcFloating.top + 9));
        ASSERT_TRUE(testpump::PumpUntil([&] { return second->GetPosition() == xtpBarTop; }))
            << "the double click did not dock it";
        frame->Layout();
        testpump::PumpPending();

        EXPECT_EQ(rcSecond, frame->BarRect(second)) << "back in its own row and place";
        EXPECT_EQ(rcFirst, frame->BarRect(bar)) << "the first row's bar is neither moved nor squeezed";
    }
}

TEST_F(ToolBarDrag, OnARightToLeftFrameADoubleClickDocksItBackInItsRowAndPlace)
{
    // A mirrored frame: its dock bars are mirrored too, where a screen
    // rectangle maps to one whose left lies right of its right.
    frame->DestroyWindow();
    frame = new CToolBarFrame();
    ASSERT_TRUE(frame->CreateFrame(600, 400, FALSE));
    ::SetWindowLongW(frame->GetSafeHwnd(), GWL_EXSTYLE,
                     ::GetWindowLongW(frame->GetSafeHwnd(), GWL_EXSTYLE) | WS_EX_LAYOUTRTL);
    ASSERT_TRUE(frame->CreateCommandBars());
    frame->SetForegroundWindow();
    bar = frame->AddProgramToolBar();
    ASSERT_NE(nullptr, bar);
    frame->GetCommandBars()->GetOptions()->bDblClickFloat = TRUE;
    frame->Layout();
    testpump::PumpPending();
    CXTPDockBar* top = frame->GetCommandBars()->GetDockBar(xtpBarTop);
    ASSERT_TRUE(::GetWindowLongW(top->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) << "the dock bar is mirrored";

    // The program docked the first bar without a place: what is stored is
    // its own place, its start before its end.
    CRect rcPlace = WindowRectOf(bar);
    top->ScreenToClient(&rcPlace);
    rcPlace.NormalizeRect();
    CXTPToolBar::CToolBarInfo info;
    info.FromBar(bar);
    EXPECT_EQ(Edges(rcPlace), Edges(info.m_rectMRUDockPos)) << "the stored place of a bar the program docked";

    // A second bar in a row of its own, away from the row's start.
    CXTPToolBar* second = frame->GetCommandBars()->Add(L"Zweite", xtpBarTop);
    ASSERT_NE(nullptr, second);
    const UINT buttons[] = {ID_FILE_OPEN, ID_FILE_SAVE, ID_APP_ABOUT};
    second->AddButtons(buttons, 3);
    frame->Layout();
    testpump::PumpPending();
    CRect rcAway(200, rcPlace.bottom + 4, 200 + 100, rcPlace.bottom + 30);
    top->ClientToScreen(&rcAway);
    ASSERT_TRUE(frame->GetCommandBars()->DockCommandBar(second, &rcAway, top));
    frame->Layout();
    testpump::PumpPending();
    const CRect rcFirst = frame->BarRect(bar), rcSecond = frame->BarRect(second);
    ASSERT_GE(std::min(rcSecond.left, rcSecond.right), 200) << "away from the row's start";
    ASSERT_NE(rcFirst.top, rcSecond.top) << "two rows";

    for (bool byDrag : {false, true}) {
        SCOPED_TRACE(byDrag ? "dragged off" : "floated by a double click");
        // Mirrored: the gripper is at the bar's right end.
        const CRect rcDocked = WindowRectOf(second);
        const CPoint ptGripper(rcDocked.right - 4, rcDocked.CenterPoint().y);
        if (byDrag)
            Drag(ptGripper, {ClientPoint(250, 200), ClientPoint(300, 220)});
        else
            testinput::DoubleClickAt(ptGripper);
        ASSERT_TRUE(testpump::PumpUntil([&] { return second->GetPosition() == xtpBarFloating; }))
            << "it did not float";
        const CRect rcFloating = WindowRectOf(second);
        if (!byDrag) {
            EXPECT_EQ(rcDocked.TopLeft(), rcFloating.TopLeft()) << "never floated before: it floats where it stood";
        }
        testinput::DoubleClickAt(CPoint(rcFloating.CenterPoint().x, rcFloating.top + 9));
        ASSERT_TRUE(testpump::PumpUntil([&] { return second->GetPosition() == xtpBarTop; }))
            << "the double click did not dock it";
        frame->Layout();
        testpump::PumpPending();

        EXPECT_EQ(Edges(rcSecond), Edges(frame->BarRect(second))) << "back in its own row and place";
        EXPECT_EQ(Edges(rcFirst), Edges(frame->BarRect(bar))) << "the other row stays";
    }
}

// What an X display does to a drag once the dragged bar docked: the pointer's
// grab went with the bar's top-level window, so pointer input reaches the
// program only while the pointer is over one of its windows; the system
// still knows where the pointer is. The input sent meanwhile moves the
// pointer, but its messages off the program's windows come as nothing.
class COffWindowInputLost
{
public:
    COffWindowInputLost()
    {
        s_nDropped = 0;
        s_hHook = testhook::Set(WH_GETMESSAGE, &Filter);
    }
    ~COffWindowInputLost()
    {
        testhook::Remove(s_hHook);
        s_bLost = false;
    }
    COffWindowInputLost(const COffWindowInputLost&) = delete;
    COffWindowInputLost& operator=(const COffWindowInputLost&) = delete;
    // From now on the grab is gone.
    static void GrabGone() { s_bLost = true; }
    static int Dropped() { return s_nDropped; }

private:
    static LRESULT CALLBACK Filter(int nCode, WPARAM wParam, LPARAM lParam)
    {
        auto* pMsg = reinterpret_cast<MSG*>(lParam);
        if (nCode == HC_ACTION && s_bLost && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST) {
            HWND hUnder = ::WindowFromPoint(pMsg->pt);
            if (hUnder == nullptr || ::GetWindowThreadProcessId(hUnder, nullptr) != ::GetCurrentThreadId()) {
                pMsg->message = WM_NULL;
                s_nDropped++;
            }
        }
        return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
    }
    static HHOOK s_hHook;
    static bool s_bLost;
    static int s_nDropped;
};
HHOOK COffWindowInputLost::s_hHook = nullptr;
bool COffWindowInputLost::s_bLost = false;
int COffWindowInputLost::s_nDropped = 0;

// A floating bar dragged by its caption down over the bottom dock bar, where
// it docks, and on out past the frame's lower edge floats there, under the
// mouse, and leaves the dock bar empty; dragged back into the dock it docks.
TEST_F(ToolBarDrag, DraggedOverTheBottomDockAndOutPastTheFrameItFloats)
{
    CXTPDockBar* bottom = frame->GetCommandBars()->GetDockBar(xtpBarBottom);
    bar->EnableDocking(bar->GetFlags() | XTP_BARFLAG_STRETCHED);  // as the program's toolbar
    ASSERT_TRUE(bar->SetPosition(xtpBarFloating));
    const CPoint ptFloat = ClientPoint(150, 150);
    bar->SetWindowPos(nullptr, ptFloat.x, ptFloat.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame->Layout();
    testpump::PumpPending();
    CRect rcFrame;
    frame->GetWindowRect(&rcFrame);
    // Down in steps of 15 pixels through the bottom dock bar, on to 110 and
    // then 200 pixels below the frame.
    const CPoint grip = GripPoint();
    std::vector<CPoint> path;
    for (int y = grip.y + 15; y < rcFrame.bottom + 110; y += 15)
        path.push_back(CPoint(grip.x, y));
    path.push_back(CPoint(grip.x, rcFrame.bottom + 110));
    path.push_back(CPoint(grip.x, rcFrame.bottom + 200));
    {
        COffWindowInputLost lost;
        bool bDockedOnTheWay = false;
        DragStepwise(grip, path, [&] {
            if (bar->GetPosition() == xtpBarBottom) {
                bDockedOnTheWay = true;
                COffWindowInputLost::GrabGone();
            }
        });
        ASSERT_TRUE(bDockedOnTheWay) << "the drag passed over the bottom dock bar";
        EXPECT_GT(COffWindowInputLost::Dropped(), 0) << "input off the frame was lost";
    }
    EXPECT_EQ(xtpBarFloating, bar->GetPosition()) << "200 pixels below the frame";
    EXPECT_EQ(nullptr, bar->GetDockBar());
    EXPECT_LT(bottom->FindBar(bar), 0) << "left in the bottom dock bar's rows";
    EXPECT_FALSE(bar->GetStyle() & WS_CHILD);
    EXPECT_TRUE(WindowRectOf(bar).PtInRect(CPoint(grip.x, rcFrame.bottom + 200)))
        << Edges(WindowRectOf(bar)) << ": not under the mouse";
    EXPECT_EQ(0, WindowRectOf(bottom).Height()) << "the empty dock bar takes no room";

    // Back up into the bottom dock bar, in the frame's middle: it docks.
    const CPoint gripFloating = GripPoint();
    const CRect rcBottom = WindowRectOf(bottom);
    const LONG xMiddle = rcFrame.CenterPoint().x;
    DragStepwise(gripFloating, {CPoint(xMiddle, rcFrame.bottom + 60), CPoint(xMiddle, rcBottom.top - 30),
                                CPoint(xMiddle, rcBottom.top - 4)});
    EXPECT_EQ(xtpBarBottom, bar->GetPosition());
    EXPECT_EQ(bottom, bar->GetDockBar());
    EXPECT_TRUE(bar->GetStyle() & WS_CHILD);
}

// Wherever a drag ends floating, the pointer holds the point of the bar it
// pressed: also when the bar docked on the way, on any side, and left that
// dock bar again past the frame's edge; a floating bar held by its caption
// as a docked one held by its gripper (the size changes as it floats, the
// point pressed lies near its top-left corner).
TEST_F(ToolBarDrag, EndingFloatingTheBarKeepsThePointPressedUnderThePointer)
{
    // Room around the frame on every side.
    frame->SetWindowPos(nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    frame->Layout();
    testpump::PumpPending();
    // Steps of 10 pixels from one point to the next, the last one included.
    const auto line = [](std::vector<CPoint>& path, CPoint from, CPoint to) {
        const int nSteps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / 10 + 1;
        for (int i = 1; i <= nSteps; i++)
            path.push_back(CPoint(from.x + (to.x - from.x) * i / nSteps, from.y + (to.y - from.y) * i / nSteps));
    };
    enum class Way { Below, Above, Left, Right, IntoTheView };
    const struct
    {
        const char* what;
        bool bStartsDocked;
        XTPBarPosition passes;  // the dock bar it docks at on the way
        Way way;
    } cases[] = {
        {"floating, over the bottom dock bar and out below the frame", false, xtpBarBottom, Way::Below},
        {"floating, over the top dock bar and out above the frame", false, xtpBarTop, Way::Above},
        {"floating, over the left dock bar and out left of the frame", false, xtpBarLeft, Way::Left},
        {"floating, over the right dock bar and out right of the frame", false, xtpBarRight, Way::Right},
        {"docked at the top, over the bottom dock bar and out below the frame", true, xtpBarBottom, Way::Below},
        {"docked at the top, over the left dock bar and out left of the frame", true, xtpBarLeft, Way::Left},
        {"docked at the top, straight into the frame's view", true, xtpBarFloating, Way::IntoTheView},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.bStartsDocked) {
            ASSERT_TRUE(frame->GetCommandBars()->DockCommandBar(bar, xtpBarTop));
        } else {
            ASSERT_TRUE(bar->SetPosition(xtpBarFloating));
            const CPoint ptFloat = ClientPoint(150, 150);
            bar->SetWindowPos(nullptr, ptFloat.x, ptFloat.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        frame->Layout();
        testpump::PumpPending();
        CRect rcFrame;
        frame->GetWindowRect(&rcFrame);
        const CRect rcStart = WindowRectOf(bar);
        const CPoint grip = GripPoint();
        const CSize grabbed = grip - rcStart.TopLeft();

        // A docked bar first goes along its row into the view, away from
        // the left dock bar, and then off the top one.
        std::vector<CPoint> path;
        CPoint pt = grip;
        if (c.bStartsDocked && c.way != Way::Left) {
            line(path, pt, CPoint(grip.x + 200, grip.y));
            pt = path.back();
        }
        if (c.bStartsDocked) {
            line(path, pt, CPoint(pt.x, ClientPoint(0, 200).y));
            pt = path.back();
        }
        switch (c.way) {
        case Way::Below: line(path, pt, CPoint(pt.x, rcFrame.bottom + 120)); break;
        case Way::Above: line(path, pt, CPoint(pt.x, rcFrame.top - 60)); break;
        case Way::Left: line(path, pt, CPoint(rcFrame.left - 150, pt.y)); break;
        case Way::Right: line(path, pt, CPoint(rcFrame.right + 150, pt.y)); break;
        case Way::IntoTheView: line(path, pt, CPoint(pt.x + 40, pt.y + 30)); break;
        }
        const CPoint ptEnd = path.back();
        {
            COffWindowInputLost lost;
            bool bPassed = c.passes == xtpBarFloating;
            DragStepwise(grip, path, [&] {
                if (bar->GetPosition() == c.passes) {
                    bPassed = true;
                    COffWindowInputLost::GrabGone();
                }
            });
            ASSERT_TRUE(bPassed) << "the drag did not dock on the way";
        }
        ASSERT_EQ(xtpBarFloating, bar->GetPosition());
        const CRect rcEnd = WindowRectOf(bar);
        ASSERT_GT(rcEnd.Width(), grabbed.cx);
        ASSERT_GT(rcEnd.Height(), grabbed.cy);
        EXPECT_EQ(Edges(CRect(ptEnd - grabbed, rcEnd.Size())), Edges(rcEnd))
            << "pressed " << grabbed.cx << ", " << grabbed.cy << " from the bar's top-left";
    }
}

// A pointer that comes to rest on a strip's tab slides its pane out after
// the hover time, every time and from wherever it came: jumping in from a
// point outside every window of the program after earlier slide-outs, and
// by the strip's own rest timer alone when the system's hover notice never
// comes.
#include <gtest/gtest.h>
#include "DockingTestFrame.h"
#include "framework/windows/CWinApp.h"
#include "support/AutoHideInput.h"
#include "support/Screenshot.h"
#include "support/SiteSimulation.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadHook.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"
#include "toolkit/docking/autohide/XTPDockingPanePointerRest.h"

using namespace autohideinput;

namespace {

struct CFrameScope : CMainTestFrameScope
{
    CFrameScope() : CMainTestFrameScope(L"AutoHideRestOnTabApp") {}
};

// The centre of the strip's first tab on screen.
POINT FirstTabPoint(CXTPDockingPaneAutoHidePanel* panel)
{
    CRect tab = panel->GetTabManagers()[0]->GetItem(0)->GetRect();
    return testinput::ClientToScreenPoint(panel->m_hWnd, tab.CenterPoint().x, tab.CenterPoint().y);
}

// The display's pointer moved in one jump behind the program's back, as a
// user's hand moves it over the bare desktop: the system's input queue
// learns of it only when it lands on a window of the program, and not at
// all when it lands on the very point the queue saw last.
bool JumpOnTheDisplay(POINT pt)
{
    CTestFolder folder("jump");
    if (!folder.IsValid() ||
        !StartLinuxProgram("Z:\\bin\\sh -c \"xdotool mousemove " + std::to_string(pt.x) + " " +
                           std::to_string(pt.y) + " && echo ok > " + folder.Unix("moved") + "\""))
        return false;
    if (WaitForFile(folder.File("moved"), testpump::kDeadline).empty())
        return false;
    return testpump::PumpUntil([&] {
        POINT now;
        return ::GetCursorPos(&now) && now.x == pt.x && now.y == pt.y;
    });
}

// The pointer creeps onto the tab from inside the strip, a few pixels at a
// time, and stays there.
bool CreepOnto(POINT onTab)
{
    return testinput::MoveMouseAndWait({onTab.x, onTab.y - 6}) &&
           testinput::MoveMouseAndWait({onTab.x, onTab.y - 3}) && testinput::MoveMouseAndWait(onTab);
}

// The pointer rests where it is: answers whether a group slid out. Only
// the general deadline ends the wait: on a loaded machine the rest's timers
// and the slide-out's start may take seconds.
bool RestUntilSlidOut(CWinApp& app, CXTPDockingPaneAutoHidePanel* panel)
{
    return PumpWithIdleUntil(app, [&] { return panel->m_pActiveWnd != nullptr; });
}

// The open slide-out all the way out, then the pointer away on the display
// until it has slid back in: the input queue last saw it where it was.
bool SlideBackAfterFullyOut(CWinApp& app, CXTPDockingPaneAutoHidePanel* panel)
{
    if (!PumpWithIdleUntil(app, [&] {
            return !panel->m_pActiveWnd || panel->m_pActiveWnd->GetStep() == panel->m_pActiveWnd->GetStepCount() - 1;
        }))
        return false;
    if (!JumpOnTheDisplay(kAway))
        return false;
    return PumpWithIdleUntil(app, [&] { return panel->m_pActiveWnd == nullptr; });
}

// While it lives, the system's hover notices never reach the window: as
// when another window of the thread has taken the system's tracking.
class CHoverSwallower
{
public:
    explicit CHoverSwallower(HWND hWnd)
    {
        s_hWnd = hWnd;
        m_hHook = testhook::Set(WH_GETMESSAGE, &CHoverSwallower::Hook);
    }
    ~CHoverSwallower()
    {
        if (m_hHook)
            testhook::Remove(m_hHook);
        s_hWnd = nullptr;
    }
    CHoverSwallower(const CHoverSwallower&) = delete;
    CHoverSwallower& operator=(const CHoverSwallower&) = delete;

    bool IsHooked() const { return m_hHook != nullptr; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        MSG* pMsg = reinterpret_cast<MSG*>(lParam);
        if (code == HC_ACTION && pMsg->message == WM_MOUSEHOVER && pMsg->hwnd == s_hWnd)
            pMsg->message = WM_NULL;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hHook = nullptr;
    static HWND s_hWnd;
};

HWND CHoverSwallower::s_hWnd = nullptr;

} // namespace

// After a slide-out and back, the pointer jumps onto the tab from a point
// outside every window of the program and rests there: three times over,
// the pane slides out each time.
TEST(DockingAutoHideRestOnTab, JumpFromOutsideTheProgramSlidesOutAfterEarlierSlideOuts)
{
    CFrameScope s;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(s.frame, s.frame->manager, 160);
    ASSERT_NE(nullptr, panel);
    ASSERT_TRUE(CreepOnto(FirstTabPoint(panel)));
    ASSERT_TRUE(RestUntilSlidOut(s.app, panel)) << "from inside the frame";
    ASSERT_TRUE(SlideBackAfterFullyOut(s.app, panel));

    for (int round = 1; round <= 3; round++)
    {
        SCOPED_TRACE(round);
        testpump::PumpFor(200);
        Idle(s.app);
        ASSERT_EQ(nullptr, panel->m_pActiveWnd);
        const testshot::Image before = testshot::CaptureWindow(s.hFrame);
        const DWORD start = ::GetTickCount();
        ASSERT_TRUE(JumpOnTheDisplay(FirstTabPoint(panel)));
        ASSERT_TRUE(RestUntilSlidOut(s.app, panel))
            << "no slide-out after resting on the tab for " << ::GetTickCount() - start << " ms";
        EXPECT_GE(::GetTickCount() - start + 20,
                  CXTPDockingPanePointerRest::RestTime(CXTPDockingPaneAutoHideWnd::m_nHoverTime))
            << "only a rest slides it out";
        ASSERT_TRUE(PumpWithIdleUntil(s.app, [&] {
            return panel->m_pActiveWnd->GetStep() == panel->m_pActiveWnd->GetStepCount() - 1;
        }));
        // On screen: the pane lies over the frame's client area next to the strip.
        const testshot::Image after = testshot::CaptureWindow(s.hFrame);
        testshot::Save(after, L"docking_autohide_rest_after_jump_" + std::to_wstring(round) + L".png");
        CRect rcSlide = ParentRect(panel->m_pActiveWnd->m_hWnd);
        CPoint inPane(rcSlide.CenterPoint());
        ASSERT_LT(inPane.x, after.width);
        EXPECT_NE(before.Pixel(inPane.x, inPane.y), after.Pixel(inPane.x, inPane.y)) << "the pane does not show";
        ASSERT_TRUE(SlideBackAfterFullyOut(s.app, panel));
    }
}

// With the system's hover notice taken away, the strip's own rest timer
// alone slides the pane out, whichever road the pointer took onto the tab:
// creeping inside the strip, jumping in from outside the program, and
// jumping back on the display to the point it left from (no move at all).
TEST(DockingAutoHideRestOnTab, OwnRestTimerAloneSlidesThePaneOut)
{
    CFrameScope s;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(s.frame, s.frame->manager, 160);
    ASSERT_NE(nullptr, panel);
    CHoverSwallower swallower(panel->m_hWnd);
    ASSERT_TRUE(swallower.IsHooked());
    const POINT onTab = FirstTabPoint(panel);
    enum Road { creep, jumpByInput, jumpBackOnTheDisplay };
    for (Road road : {creep, jumpByInput, jumpBackOnTheDisplay})
    {
        SCOPED_TRACE(road == creep ? "creeping inside the strip"
                     : road == jumpByInput ? "jumping in from outside the program"
                                           : "jumping back on the display to where it left");
        if (road == creep)
            ASSERT_TRUE(CreepOnto(onTab));
        else if (road == jumpByInput)
        {
            ASSERT_TRUE(testinput::MoveMouseAndWait(kAway));
            testpump::PumpFor(200);
            testinput::MoveMouseTo(onTab);
        }
        else
            ASSERT_TRUE(JumpOnTheDisplay(onTab));
        ASSERT_TRUE(RestUntilSlidOut(s.app, panel)) << "the rest on the tab slid nothing out";
        EXPECT_EQ(GroupOf(s.frame->manager.FindPane(1)), panel->m_pActiveWnd->GetContainer());
        ASSERT_TRUE(SlideBackAfterFullyOut(s.app, panel));
    }
}

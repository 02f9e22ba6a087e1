// An auto-hidden group docked back (or deleted, or moved whole) while it is
// slid out, by real input: the slide-out closes with it, the panes show their windows
// again, and the program lives on after the pointer has left. The roads that
// empty a slid-out group are tried in the program's frame (tests/app).
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "DockingTestFrame.h"
#include "LayoutTestSupport.h"
#include "framework/windows/CWinApp.h"
#include "resources/ToolkitDockingIds.h"
#include "support/AutoHideInput.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/docking/autohide/XTPDockingPaneAutoHideWnd.h"

using namespace autohideinput;

namespace {

// The slide-out waits six checks of 100 ms before it slides in: well past.
const DWORD kLongerThanTheLeaveWait = 1200;

// The program's frame as a test frame, with its auto-hide panels.
class CAutoHideFixture : public CMainTestFrameScope
{
public:
    CAutoHideFixture() : CMainTestFrameScope(L"AutoHideRedockApp") {}
    CXTPDockingPaneAutoHidePanel* Panel(int side) const
    {
        return static_cast<CXTPDockingPaneAutoHidePanel*>(frame->manager.GetLayout()->m_wndPanels[side]);
    }
    // The ticket pane's shape: one pane docked at the bottom, then hidden.
    CXTPDockingPane* HideOnePaneAtTheBottom()
    {
        CXTPDockingPane* pane = frame->manager.CreatePane(108, CRect(0, 0, 200, 120), xtpPaneDockBottom);
        pane->SetTitle(L"Verfügbare Tickets");
        frame->RecalcLayout();
        frame->manager.HidePane(pane);
        frame->RecalcLayout();
        return pane;
    }
};

// The pane lies docked, its window shown in its container; on screen the
// window's middle shows the list box (white), not a grey band over it.
void ExpectShownDocked(CXTPDockingPane* pane, const wchar_t* shotName)
{
    ASSERT_NE(nullptr, pane->GetContainer());
    EXPECT_FALSE(pane->GetContainer()->IsHidden());
    HWND hList = pane->GetHwnd();
    ASSERT_TRUE(::IsWindow(hList));
    EXPECT_TRUE(::IsWindowVisible(hList));
    EXPECT_EQ(GroupOf(pane)->m_hWnd, ::GetParent(hList));
    CRect rcList;
    ::GetWindowRect(hList, &rcList);
    HWND hTop = ::GetAncestor(hList, GA_ROOT);
    ::RedrawWindow(hTop, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testshot::Image shot = testshot::CaptureWindow(hTop);
    testshot::Save(shot, shotName);
    POINT pt = {rcList.left + rcList.Width() * 3 / 4, rcList.top + rcList.Height() * 3 / 4};
    ::ScreenToClient(hTop, &pt);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), shot.Pixel(pt.x, pt.y)) << "the list box shows through";
}

// No window of the site is a slide-out any more (closed ones hide at once).
bool NoSlideOutShown(HWND hFrame)
{
    for (HWND h = ::GetWindow(hFrame, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (::IsWindowVisible(h) && dynamic_cast<CXTPDockingPaneAutoHideWnd*>(CWnd::FromHandlePermanent(h)))
            return false;
    }
    return true;
}

} // namespace

// The pin and a double click on the caption of a slid-out two-pane group
// dock the group back; the slide-out goes with the hidden group.
TEST(DockingAutoHideRedock, PinAndCaptionDoubleClickInTheSlideOutDockTheGroupBack)
{
    for (bool bPin : {true, false})
    {
        SCOPED_TRACE(bPin ? "pin" : "caption double click");
        CAutoHideFixture f;
        CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(f.frame, f.frame->manager, 160);
        CXTPDockingPane* first = f.frame->manager.FindPane(1);
        CXTPDockingPane* second = f.frame->manager.FindPane(2);
        CXTPDockingPaneAutoHideWnd* slide = SlideOutByClick(f.app, panel, 0, 1);
        ASSERT_NE(nullptr, slide);
        CXTPDockingPaneTabbedContainer* hidden = GroupOf(second);
        ASSERT_TRUE(hidden->IsHidden());
        HWND hSlide = slide->m_hWnd;

        ASSERT_TRUE(DockBackByInput(hidden, bPin));
        // From here the hidden group may be gone.
        ASSERT_TRUE(testpump::PumpUntil([&] { return first->GetContainer() && !first->GetContainer()->IsHidden(); }))
            << "input was not delivered";
        EXPECT_EQ(nullptr, panel->m_pActiveWnd);
        EXPECT_TRUE(NoSlideOutShown(f.hFrame));
        EXPECT_EQ(first->GetContainer(), second->GetContainer()) << "one group again";
        EXPECT_TRUE(panel->IsEmpty());

        PointerAwayFor(f.app, kLongerThanTheLeaveWait);
        EXPECT_FALSE(::IsWindow(hSlide)) << "the slide-out ended";
        EXPECT_FALSE(::IsWindowVisible(panel->m_hWnd)) << "the strip is gone";
        ExpectShownDocked(second, bPin ? L"docking_autohide_pin_redocked.png" : L"docking_autohide_dblclk_redocked.png");
    }
}

// A slid-out group moved whole by DockPane stays shown where it docked
// after the pointer has been away for the slide-out's checks.
TEST(DockingAutoHideRedock, SlidOutGroupDockedWholeStaysShownAfterThePointerLeaves)
{
    CAutoHideFixture f;
    CXTPDockingPaneAutoHidePanel* panel = HideTwoPaneGroupLeft(f.frame, f.frame->manager, 160);
    CXTPDockingPane* second = f.frame->manager.FindPane(2);
    CXTPDockingPaneAutoHideWnd* slide = SlideOutByClick(f.app, panel, 0, 1);
    ASSERT_NE(nullptr, slide);
    HWND hSlide = slide->m_hWnd;
    CXTPDockingPaneTabbedContainer* group = GroupOf(second);
    ASSERT_TRUE(group->IsHidden());

    f.frame->manager.DockPane(group, xtpPaneDockRight, nullptr);
    ASSERT_EQ(group, GroupOf(second)) << "moved whole";
    EXPECT_FALSE(group->IsHidden());
    EXPECT_EQ(xtpPaneDockRight, f.frame->manager.GetPaneDirection(group));
    // The click gave the pane the focus, which would hold a slide-out open.
    ::SetFocus(f.hFrame);
    PointerAwayFor(f.app, kLongerThanTheLeaveWait);
    EXPECT_FALSE(::IsWindow(hSlide)) << "the slide-out ended";
    EXPECT_TRUE(::IsWindowVisible(group->m_hWnd)) << "the docked group's window";
    ExpectShownDocked(second, L"docking_autohide_slid_out_group_docked_whole.png");
}

// A layout loaded over one whose slid-out group comes before its panel in
// the node list: the group is deleted first, and lets the slide-out go.
TEST(DockingAutoHideRedock, LoadingOverAnOpenSlideOutClosesIt)
{
    CAutoHideFixture f;
    CXTPDockingPane* pane = f.HideOnePaneAtTheBottom();
    std::vector<BYTE> bytes = layouttest::SaveToBytes(f.frame->manager.GetLayout());
    CXTPDockingPaneAutoHidePanel* panel = f.Panel(xtpPaneDockBottom);
    CXTPDockingPaneAutoHideWnd* slide = SlideOutByClick(f.app, panel, 0, 0);
    ASSERT_NE(nullptr, slide);
    HWND hSlide = slide->m_hWnd;
    std::vector<CXTPDockingPaneBase*>& nodes = f.frame->manager.GetLayout()->m_arrNodes;
    auto itPanel = std::find(nodes.begin(), nodes.end(), panel);
    auto itGroup = std::find(nodes.begin(), nodes.end(), pane->GetContainer());
    ASSERT_TRUE(itPanel != nodes.end() && itGroup != nodes.end());
    std::iter_swap(itPanel, itGroup);

    ASSERT_TRUE(layouttest::LoadFromBytes(f.frame->manager.GetLayout(), bytes));
    EXPECT_FALSE(::IsWindowVisible(hSlide));
    PointerAwayFor(f.app, kLongerThanTheLeaveWait);
    EXPECT_FALSE(::IsWindow(hSlide));
}

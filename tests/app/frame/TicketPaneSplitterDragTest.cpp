// The bar above the program's ticket pane, dragged with the mouse while the
// search is stopped (which closes the pane) as the release is fetched: the
// pane closes, and opened again it has the height it had before the drag.
#include <gtest/gtest.h>

#include "TicketPaneFrameTest.h"
#include "app/AppTestSupport.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "support/FetchHook.h"
#include "support/TestInput.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneSplitterWnd.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

using namespace frametest;

namespace {

class TicketPaneSplitterDrag : public CTicketPaneFrameTest
{
protected:
    TicketPaneSplitterDrag()
        : CTicketPaneFrameTest(L"tavrolin_pane_splitter", L"TicketPaneSplitterDragTestApp")
    {
    }

    HWND Group() { return static_cast<CXTPDockingPaneTabbedContainer*>(pPane->GetContainer())->m_hWnd; }
};

} // namespace

TEST_F(TicketPaneSplitterDrag, SearchStoppedAsTheReleaseIsFetchedKeepsThePanesHeight)
{
    CRect before;
    ::GetWindowRect(Group(), before);
    // The bar lies right above the docked pane.
    POINT onBar = {before.CenterPoint().x, before.top - 2};
    auto* bar = dynamic_cast<CXTPDockingPaneSplitterWnd*>(CWnd::FromHandlePermanent(::WindowFromPoint(onBar)));
    ASSERT_NE(nullptr, bar);
    CRect rcBar;
    bar->GetWindowRect(rcBar);
    onBar.y = rcBar.CenterPoint().y;

    CFetchHook hook(WM_LBUTTONUP, bar->m_hWnd, [&] { pFrame->SendMessage(WM_COMMAND, ID_STOP_SEARCH); });
    ASSERT_TRUE(testinput::DragInLoop(pFrame->m_hWnd, onBar, {{onBar.x, onBar.y - 30}, {onBar.x, onBar.y - 60}}));
    ASSERT_TRUE(hook.Fired());
    Idle();
    EXPECT_TRUE(pPane->IsClosed());
    EXPECT_EQ(nullptr, ::GetCapture());

    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
    Idle();
    ASSERT_FALSE(pPane->IsClosed());
    CRect after;
    ::GetWindowRect(Group(), after);
    EXPECT_EQ(before.Height(), after.Height()) << "the drag of the bar that went with the pane left no size";
}

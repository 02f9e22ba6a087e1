// An owner that changes the tabbed container while it is told to show a
// pane's window: the layout pass goes on with what the container holds then.
#include <gtest/gtest.h>
#include <vector>
#include "framework/controls/CListBox.h"
#include "PaneListBoxes.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

// Gives each pane a list box when asked to show it, and closes the pane of
// one id the first time that one is shown.
class CClosingOwnerFrame : public CFrameWnd
{
public:
    CXTPDockingPaneManager manager;
    std::vector<int> shows;
    int closeOnShowId = 0;
    CPaneListBoxes lists;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_XTP_PANE_ACTION || wParam != XTP_DPN_SHOWWINDOW)
            return CFrameWnd::WindowProc(message, wParam, lParam);
        auto* pane = reinterpret_cast<CXTPDockingPane*>(lParam);
        shows.push_back(pane->GetID());
        lists.AttachTo(pane, this, WS_CHILD | WS_BORDER, 600, {});
        if (pane->GetID() == closeOnShowId)
        {
            closeOnShowId = 0;
            manager.ClosePane(pane);
        }
        return 0;
    }
};

} // namespace

TEST(DockingShowNotify, OwnerClosingTheShownPaneLeavesItHiddenAndShowsTheNext)
{
    CWinApp app(L"DockingShowNotifyApp");
    auto* frame = new CClosingOwnerFrame;
    frame->Create(nullptr, L"Tavrolin", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(20, 20, 620, 420));
    ASSERT_TRUE(frame->manager.InstallDockingPanes(frame));
    CXTPDockingPane* first = frame->manager.CreatePane(1, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    CXTPDockingPane* second = frame->manager.CreatePane(2, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    CXTPDockingPane* third = frame->manager.CreatePane(3, CRect(0, 0, 200, 120), xtpPaneDockBottom);
    frame->manager.AttachPane(second, first);
    frame->manager.AttachPane(third, first);
    auto* container = static_cast<CXTPDockingPaneTabbedContainer*>(first->GetContainer());
    frame->manager.ShowPane(first, FALSE);
    ASSERT_EQ(first, container->GetSelected());

    frame->closeOnShowId = 1;
    frame->RecalcLayout();

    ASSERT_TRUE(first->IsClosed()) << "the owner closed it while it was being shown";
    ASSERT_TRUE(first->IsAttached());
    EXPECT_FALSE(::IsWindowVisible(first->GetHwnd())) << "a closed pane's window stays hidden";
    EXPECT_NE(container->m_hWnd, ::GetParent(first->GetHwnd()));
    ASSERT_EQ(second, container->GetSelected());
    ASSERT_TRUE(second->IsAttached()) << "the pane selected in its place is shown in the same pass";
    EXPECT_TRUE(::IsWindowVisible(second->GetHwnd()));
    EXPECT_EQ(container->m_hWnd, ::GetParent(second->GetHwnd()));
    EXPECT_FALSE(third->IsAttached() && ::IsWindowVisible(third->GetHwnd()));
    EXPECT_EQ((std::vector<int>{1, 2}), std::vector<int>(frame->shows.begin(), frame->shows.begin() + 2));
    frame->DestroyWindow();
}

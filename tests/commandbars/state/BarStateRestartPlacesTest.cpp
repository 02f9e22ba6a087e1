// Where the user left the bars is where the next process of the program
// shows them: a floating toolbar the user made, in its window and toggled
// from the toolbars list; a toolbar floated off the left dock bar, which a
// double click docks back on the left; and a toolbar dropped on the right
// dock bar with its top above it, which comes back whole inside it.
#include <gtest/gtest.h>
#include "support/SecondProcess.h"
#include <vector>
#include "BarStateTestSupport.h"
#include "commandbars/bars/ToolBarTestSupport.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

namespace {

const wchar_t kSecondProcessVariable[] = L"TAVROLIN_BARSTATE_SECOND_PROCESS";
const UINT kOwnBar = 150;
const CPoint kOwnBarPlace(320, 240);

// A double click where the user grips the bar: a docked bar's gripper, a
// floating bar's caption.
void DoubleClickGripper(CXTPToolBar* pBar)
{
    const CRect rc = WindowRectOf(pBar);
    CPoint pt = pBar->GetPosition() == xtpBarFloating ? CPoint(rc.left + 12, rc.top + 9)
                : pBar->IsVerticalPosition()         ? CPoint(rc.CenterPoint().x, rc.top + 4)
                                                     : CPoint(rc.left + 4, rc.CenterPoint().y);
    pBar->ScreenToClient(&pt);
    pBar->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
}

} // namespace

TEST(BarStatePlaces, SecondProcessFindsThePlaces)
{
    wchar_t flag[8] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kSecondProcessVariable, flag, 8))
        << "runs as the second process of BarStatePlaces.BarsComeBackWhereTheUserLeftThem";
    CStateApp app;
    app.SetRegistryKey(kRegistryVendor);
    CFrameBuild build;
    build.loadProfile = L"CommandBars2";
    auto* pFrame = new CStateFrame(build);
    ASSERT_TRUE(pFrame->Open());
    pFrame->RecalcLayout();
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();

    CXTPToolBar* pOwn = pFrame->Bar(kOwnBar);
    ASSERT_NE(pOwn, nullptr) << "the user's toolbar is gone";
    EXPECT_EQ(IdsOf(pOwn->GetControls()), (std::vector<int>{201, 301}));
    EXPECT_EQ(pOwn->GetPosition(), xtpBarFloating);
    const HWND hOwn = pOwn->GetSafeHwnd();
    ASSERT_NE(hOwn, nullptr) << "the user's toolbar has no window";
    EXPECT_TRUE(::IsWindowVisible(hOwn));
    EXPECT_EQ(::GetAncestor(hOwn, GA_PARENT), ::GetDesktopWindow());
    EXPECT_EQ(WindowRectOf(pOwn).TopLeft(), kOwnBarPlace);
    EXPECT_GT(WindowRectOf(pOwn).Width(), 20) << "laid out around its buttons";
    // Unticked in the toolbars list, and ticked again.
    pCommandBars->ToggleVisible(pCommandBars->FindIndex(pOwn));
    EXPECT_FALSE(::IsWindowVisible(hOwn));
    pCommandBars->ToggleVisible(pCommandBars->FindIndex(pOwn));
    EXPECT_TRUE(::IsWindowVisible(hOwn));

    CXTPToolBar* pTools = pFrame->Bar(kToolsBar);
    ASSERT_EQ(pTools->GetPosition(), xtpBarFloating);
    DoubleClickGripper(pTools);
    pFrame->RecalcLayout();
    EXPECT_EQ(pTools->GetPosition(), xtpBarLeft) << "docked back where it came from";
    EXPECT_EQ(pTools->GetDockBar(), pCommandBars->GetDockBar(xtpBarLeft));

    CXTPToolBar* pView = pFrame->Bar(kViewBar);
    CXTPDockBar* pRight = pCommandBars->GetDockBar(xtpBarRight);
    ASSERT_EQ(pView->GetDockBar(), pRight);
    EXPECT_GE(WindowRectOf(pView).top, WindowRectOf(pRight).top) << "its gripper lies above the dock bar";
    EXPECT_LE(WindowRectOf(pView).bottom, WindowRectOf(pRight).bottom);
    pFrame->DestroyWindow();
}

TEST(BarStatePlaces, BarsComeBackWhereTheUserLeftThem)
{
    CStoredLayout::DeleteAll();
    {
        CStateApp app;
        app.SetRegistryKey(kRegistryVendor);
        auto* pFrame = new CStateFrame(CFrameBuild());
        ASSERT_TRUE(pFrame->Open());
        pFrame->RecalcLayout();
        CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();

        // A toolbar of the user's own with two buttons, floated.
        CXTPToolBar* pOwn = pCommandBars->AddCustomBar(L"Eigene", kOwnBar);
        ASSERT_NE(pOwn, nullptr);
        pOwn->GetControls()->Add(xtpControlButton, 201);
        pOwn->GetControls()->Add(xtpControlButton, 301);
        ASSERT_TRUE(pOwn->SetPosition(xtpBarFloating));
        pOwn->SetWindowPos(nullptr, kOwnBarPlace.x, kOwnBarPlace.y, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

        // The tools bar docked on the left, then floated by a double click.
        CXTPToolBar* pTools = pFrame->Bar(kToolsBar);
        ASSERT_TRUE(pCommandBars->DockCommandBar(pTools, xtpBarLeft));
        pFrame->RecalcLayout();
        pCommandBars->GetOptions()->bDblClickFloat = TRUE;
        DoubleClickGripper(pTools);
        ASSERT_EQ(pTools->GetPosition(), xtpBarFloating);

        // The view bar dropped on the right dock bar reaching 100 pixels above it.
        CXTPDockBar* pRight = pCommandBars->GetDockBar(xtpBarRight);
        CRect rcRight = WindowRectOf(pRight);
        CRect rcDrop(rcRight.left - 10, rcRight.top - 100, rcRight.left + 14, rcRight.top + 60);
        ASSERT_TRUE(pCommandBars->DockCommandBar(pFrame->Bar(kViewBar), rcDrop, pRight));
        pFrame->RecalcLayout();

        pCommandBars->SaveBarState(L"CommandBars2");
        EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Bar1", L"MRUDockTopPos"), 0u)
            << "the place is kept inside the dock bar";
        EXPECT_EQ(CStoredLayout::Number(L"CommandBars2-Bar1", L"YPos"), 0u);
        pFrame->DestroyWindow();
    }

    const DWORD code = testprocess::RunTestInChild(L"BarStatePlaces.SecondProcessFindsThePlaces",
                                                   kSecondProcessVariable, L"1");
    CStoredLayout::DeleteAll();
    EXPECT_EQ(code, 0u) << "the second process found the bars where the user left them";
}

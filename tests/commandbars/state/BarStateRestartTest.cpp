// A customized layout saved by one process of the program and found again
// by the next one: a toolbar moved to the left with a button removed, an
// item moved in a menu, a toolbar floating and the status bar hidden.
#include <gtest/gtest.h>
#include "support/SecondProcess.h"
#include <string>
#include "BarStateTestSupport.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"

namespace {

const wchar_t kSecondProcessVariable[] = L"TAVROLIN_BARSTATE_SECOND_PROCESS";

CFrameBuild ProgramBuild()
{
    CFrameBuild build;
    build.menuPopup = TRUE;
    return build;
}

} // namespace

TEST(BarStateRestart, SecondProcessFindsTheCustomizedLayout)
{
    wchar_t flag[8] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kSecondProcessVariable, flag, 8))
        << "runs as the second process of CustomizedLayoutComesBackInANewProcess";
    CStateApp app;
    app.SetRegistryKey(kRegistryVendor);
    CFrameBuild build = ProgramBuild();
    build.loadProfile = L"CommandBars2";
    auto* pFrame = new CStateFrame(build);
    ASSERT_TRUE(pFrame->Open());
    pFrame->RecalcLayout();

    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    EXPECT_EQ(pFrame->Bar(kToolsBar)->GetDockBar(), pCommandBars->GetDockBar(xtpBarLeft));
    EXPECT_EQ(pFrame->Bar(kToolsBar)->GetPosition(), xtpBarLeft);
    EXPECT_EQ(pFrame->Ids(kToolsBar), (std::vector<int>{201, 203, 210}));
    ASSERT_NE(pFrame->Menu(), nullptr);
    EXPECT_EQ(IdsOf(pFrame->Menu()->GetControls()), (std::vector<int>{503, 501, 502}));
    EXPECT_EQ(pFrame->Bar(kViewBar)->GetPosition(), xtpBarFloating);
    EXPECT_EQ(pFrame->Bar(kViewBar)->GetDockContext()->m_ptMRUFloatPos, CPoint(300, 200));
    // Floating in a window of its own where it floated.
    HWND hView = pFrame->Bar(kViewBar)->GetSafeHwnd();
    EXPECT_TRUE(::IsWindowVisible(hView));
    EXPECT_EQ(pFrame->Bar(kViewBar)->GetDockBar(), nullptr);
    EXPECT_EQ(::GetAncestor(hView, GA_PARENT), ::GetDesktopWindow());
    CRect rcView;
    ::GetWindowRect(hView, &rcView);
    EXPECT_EQ(rcView.TopLeft(), CPoint(300, 200));
    EXPECT_FALSE(pFrame->m_statusBar.IsWindowVisible());
    EXPECT_TRUE(app.prompts.empty()) << "the program's bars did not change";
    pFrame->DestroyWindow();
}

TEST(BarStateRestart, CustomizedLayoutComesBackInANewProcess)
{
    CStoredLayout::DeleteAll();
    {
        CStateApp app;
        app.SetRegistryKey(kRegistryVendor);
        auto* pFrame = new CStateFrame(ProgramBuild());
        ASSERT_TRUE(pFrame->Open());
        CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
        CXTPToolBar* pTools = pFrame->Bar(kToolsBar);
        pCommandBars->DockCommandBar(pTools, xtpBarLeft);
        pTools->GetControls()->RemoveAt(1);
        CXTPControls* pMenu = pFrame->Menu()->GetControls();
        pMenu->AddClone(pMenu->GetAt(2), 0);
        pMenu->RemoveAt(3);

        CXTPToolBar* pView = pFrame->Bar(kViewBar);
        ASSERT_TRUE(pView->SetPosition(xtpBarFloating));
        pView->SetWindowPos(nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pView->GetDockContext()->m_ptMRUFloatPos = CPoint(300, 200);
        pFrame->ShowControlBar(&pFrame->m_statusBar, FALSE, FALSE);
        pCommandBars->SaveBarState(L"CommandBars2");
        pFrame->DestroyWindow();
    }

    const DWORD code = testprocess::RunTestInChild(L"BarStateRestart.SecondProcessFindsTheCustomizedLayout",
                                                   kSecondProcessVariable, L"1");
    CStoredLayout::DeleteAll();
    EXPECT_EQ(code, 0u) << "the second process found the layout as saved";
}

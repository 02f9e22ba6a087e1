// The tabbed MDI client on a real MDI frame: tabs following the children,
// the pages they fill, a click on a tab, the tab group commands' states and
// actions through the frame's command routing, the command bars' refresh,
// and a picture of the frame.
#include <gtest/gtest.h>
#include <vector>
#include "framework/windows/CMDIChildWnd.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "framework/windows/CTestCmdUI.h"
#include "framework/windows/CWinApp.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPFrameWndBase.h"
#include "toolkit/tabs/XTPTabClientWnd.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

class CBarsMDIFrame : public CXTPFrameWndBase<CMDIFrameWnd>
{
};

class TabClient : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame->CreateEx(0, nullptr, L"Rahmen", WS_OVERLAPPEDWINDOW, 20, 20, 600, 420, nullptr, nullptr);
        ASSERT_NE(m_pFrame->m_hWndMDIClient, nullptr);
        m_pFrame->ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_pFrame->m_hWnd);
    }
    void TearDown() override
    {
        m_client.Detach();
        if (::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }
    CMDIChildWnd* AddChild(LPCWSTR lpszTitle)
    {
        CMDIChildWnd* pChild = new CMDIChildWnd;
        if (!pChild->Create(nullptr, lpszTitle, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 200, 150),
                            m_pFrame))
            return nullptr;
        return pChild;
    }
    std::vector<CString> Captions(int nWorkspace = 0) const
    {
        std::vector<CString> captions;
        CXTPTabClientWorkspace* pWorkspace = m_client.GetWorkspace(nWorkspace);
        for (int i = 0; pWorkspace && i < pWorkspace->GetItemCount(); i++)
            captions.push_back(pWorkspace->GetItem(i)->GetCaption());
        return captions;
    }
    CRect ChildRect(CWnd* pChild) const
    {
        CRect rc;
        pChild->GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, m_client.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    BOOL FrameCommandEnabled(UINT nID)
    {
        CTestCmdUI state;
        state.m_nID = nID;
        BOOL bHandled = m_pFrame->OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        return bHandled && state.m_bEnabled;
    }

    CWinApp m_app{L"TabClientApp"};
    CBarsMDIFrame* m_pFrame = new CBarsMDIFrame;  // deletes itself with its window
    CXTPTabClientWnd m_client;
};

} // namespace

TEST_F(TabClient, TabsFollowTheVisibleChildrenTheirTitlesAndTheActiveOne)
{
    CMDIChildWnd* pFirst = AddChild(L"Spiele");
    CMDIChildWnd* pSecond = AddChild(L"Angebote");
    ASSERT_TRUE(m_client.Attach(m_pFrame));
    EXPECT_FALSE(m_client.Attach(m_pFrame)) << "attached once";
    EXPECT_EQ((std::vector<CString>{L"Spiele", L"Angebote"}), Captions()) << "oldest first";
    EXPECT_EQ(1, m_client.GetWorkspace(0)->GetCurSel()) << "the active child's tab";
    EXPECT_FALSE(pFirst->GetStyle() & WS_CAPTION) << "the strip frames the page";

    CMDIChildWnd* pThird = AddChild(L"Statistik");
    CMDIChildWnd* pHidden = AddChild(L"Versteckt");
    pHidden->ShowWindow(SW_HIDE);
    m_pFrame->MDIActivate(pThird);
    pSecond->SetWindowText(L"Angebote (3)");
    m_client.UpdateContents();
    EXPECT_EQ((std::vector<CString>{L"Spiele", L"Angebote (3)", L"Statistik"}), Captions());
    EXPECT_EQ(pThird->m_hWnd, m_client.GetWorkspace(0)->GetSelectedItem()->GetHandle());

    // Every child fills the page under the strip; the active one is on top.
    CRect rcPage = m_client.GetWorkspace(0)->GetClientRect();
    EXPECT_GT(rcPage.top, 0) << "room for the strip";
    for (CWnd* pChild : {static_cast<CWnd*>(pFirst), static_cast<CWnd*>(pSecond), static_cast<CWnd*>(pThird)})
        EXPECT_EQ(rcPage, ChildRect(pChild));

    m_pFrame->MDIActivate(pFirst);
    EXPECT_EQ(0, m_client.GetWorkspace(0)->GetCurSel());
    pThird->MDIDestroy();
    EXPECT_EQ((std::vector<CString>{L"Spiele", L"Angebote (3)"}), Captions());

    // A child without a tab for a while keeps the frame it had at first.
    pFirst->ShowWindow(SW_HIDE);
    m_client.UpdateContents();
    EXPECT_EQ((std::vector<CString>{L"Angebote (3)"}), Captions());
    pFirst->ShowWindow(SW_SHOW);
    m_client.UpdateContents();
    EXPECT_EQ(2u, Captions().size());

    m_client.Detach();
    EXPECT_TRUE(pFirst->GetStyle() & WS_CAPTION) << "frames given back";
    EXPECT_TRUE(pSecond->GetStyle() & WS_CAPTION);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_pFrame->m_hWndMDIClient));
}

TEST_F(TabClient, TheStripAndPagesFollowItsPaintManagersPositionAtOnce)
{
    CMDIChildWnd* pFirst = AddChild(L"Spiele");
    CMDIChildWnd* pSecond = AddChild(L"Angebote");
    ASSERT_TRUE(m_client.Attach(m_pFrame));
    CXTPTabClientWorkspace* pWorkspace = m_client.GetWorkspace(0);
    CRect rcControl = pWorkspace->GetControlRect();
    ASSERT_EQ(rcControl.top, pWorkspace->GetHeaderRect().top);

    m_client.GetPaintManager()->SetPosition(xtpTabPositionBottom);
    EXPECT_EQ(rcControl.bottom, pWorkspace->GetHeaderRect().bottom) << "the strip moved without a resize";
    CRect rcPage = pWorkspace->GetClientRect();
    EXPECT_LT(rcPage.top, 5);
    for (CWnd* pChild : {static_cast<CWnd*>(pFirst), static_cast<CWnd*>(pSecond)})
        EXPECT_EQ(rcPage, ChildRect(pChild)) << "the pages moved above the strip";
}

TEST_F(TabClient, AFrameDestroyedWhileAttachedLeavesTheClientObjectDetached)
{
    AddChild(L"Spiele");
    ASSERT_TRUE(m_client.Attach(m_pFrame, TRUE));
    m_pFrame->DestroyWindow();
    EXPECT_FALSE(m_client.IsAttached());
    EXPECT_EQ(0, m_client.GetWorkspaceCount());
    m_client.Refresh(TRUE);
    EXPECT_FALSE(m_client.IsGroupCommandEnabled(XTP_ID_WORKSPACE_NEWVERTICAL));
}

TEST_F(TabClient, AClickOnATabActivatesItsChild)
{
    CMDIChildWnd* pFirst = AddChild(L"Spiele");
    AddChild(L"Angebote");
    ASSERT_TRUE(m_client.Attach(m_pFrame));
    ASSERT_TRUE(testpump::PumpUntilIdle());
    CRect rcTab = m_client.GetWorkspace(0)->GetItem(0)->GetRect();
    testinput::ClickAt(testinput::ClientToScreenPoint(m_client.m_hWnd, rcTab.CenterPoint().x, rcTab.CenterPoint().y));
    EXPECT_TRUE(testpump::PumpUntil([&] { return m_pFrame->MDIGetActive() == pFirst; }));
    EXPECT_EQ(0, m_client.GetWorkspace(0)->GetCurSel());
}

TEST_F(TabClient, GroupCommandsFollowTheirStateTableAndMoveTheActiveChild)
{
    const UINT kPrevious = XTP_ID_WORKSPACE_MOVEPREVIOUS, kNext = XTP_ID_WORKSPACE_MOVENEXT,
               kHorizontal = XTP_ID_WORKSPACE_NEWHORIZONTAL, kVertical = XTP_ID_WORKSPACE_NEWVERTICAL;
    CMDIChildWnd* pFirst = AddChild(L"Eins");
    ASSERT_TRUE(m_client.Attach(m_pFrame, TRUE));
    auto enabled = [&] {
        std::vector<UINT> ids;
        for (UINT nID : {kPrevious, kNext, kHorizontal, kVertical})
            if (FrameCommandEnabled(nID))
                ids.push_back(nID);
        return ids;
    };
    EXPECT_EQ(std::vector<UINT>{}, enabled()) << "a lone tab cannot start a group";
    CMDIChildWnd* pSecond = AddChild(L"Zwei");
    CMDIChildWnd* pThird = AddChild(L"Drei");
    m_client.UpdateContents();
    EXPECT_EQ((std::vector<UINT>{kHorizontal, kVertical}), enabled());

    m_pFrame->SendMessage(WM_COMMAND, kVertical);
    ASSERT_EQ(2, m_client.GetWorkspaceCount());
    EXPECT_EQ(1, m_client.FindWorkspace(pThird->m_hWnd));
    EXPECT_EQ(pThird, m_pFrame->MDIGetActive()) << "the moved child stays active";
    EXPECT_EQ((std::vector<UINT>{kPrevious}), enabled()) << "last group, one tab, groups side by side";
    EXPECT_LE(ChildRect(pSecond).right, ChildRect(pThird).left) << "side by side";

    m_pFrame->MDIActivate(pFirst);
    EXPECT_EQ((std::vector<UINT>{kNext, kVertical}), enabled()) << "first group of two tabs";
    m_pFrame->SendMessage(WM_COMMAND, kHorizontal);
    EXPECT_EQ(2, m_client.GetWorkspaceCount()) << "refused: the groups lie side by side";

    m_pFrame->SendMessage(WM_COMMAND, kNext);
    EXPECT_EQ(1, m_client.FindWorkspace(pFirst->m_hWnd));
    EXPECT_EQ((std::vector<UINT>{kPrevious, kVertical}), enabled());
    m_pFrame->SendMessage(WM_COMMAND, kPrevious);
    m_pFrame->MDIActivate(pThird);
    m_pFrame->SendMessage(WM_COMMAND, kPrevious);
    EXPECT_EQ(1, m_client.GetWorkspaceCount()) << "the emptied group goes";
    EXPECT_EQ(3, m_client.GetWorkspace(0)->GetItemCount());

    m_pFrame->SendMessage(WM_COMMAND, kHorizontal);
    ASSERT_EQ(2, m_client.GetWorkspaceCount());
    EXPECT_TRUE(m_client.IsHorizSplitting());
    EXPECT_LE(ChildRect(pFirst).bottom, ChildRect(pThird).top) << "one above the other";
    EXPECT_EQ((std::vector<UINT>{kPrevious}), enabled());
}

TEST_F(TabClient, GroupCommandsNeedGroupingAndAnActiveTabbedChild)
{
    AddChild(L"Eins");
    AddChild(L"Zwei");
    EXPECT_FALSE(FrameCommandEnabled(XTP_ID_WORKSPACE_NEWVERTICAL)) << "no tabbed client: no handler";
    ASSERT_TRUE(m_client.Attach(m_pFrame, FALSE));
    CTestCmdUI state;
    state.m_nID = XTP_ID_WORKSPACE_NEWVERTICAL;
    EXPECT_TRUE(m_pFrame->OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr))
        << "answered by the tabbed client";
    EXPECT_FALSE(state.m_bEnabled) << "without grouping";
}

TEST_F(TabClient, RecalcAllBarsRefreshesTheTabs)
{
    ASSERT_TRUE(m_pFrame->CreateCommandBars());
    AddChild(L"Eins");
    ASSERT_TRUE(m_client.Attach(m_pFrame, TRUE));
    EXPECT_EQ(static_cast<CXTPTabClientSite*>(m_pFrame), m_client.GetSite());
    // Made without the client seeing it: no idle time passes.
    CMDIChildWnd* pChild = new CMDIChildWnd;
    ::SendMessageW(m_client.m_hWnd, WM_SETREDRAW, FALSE, 0);
    pChild->CreateEx(WS_EX_MDICHILD, nullptr, L"Zwei", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                     m_client.m_hWnd, nullptr);
    ::SendMessageW(m_client.m_hWnd, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(1, m_client.GetWorkspace(0)->GetItemCount());
    m_pFrame->GetCommandBars()->RecalcAllBars();
    EXPECT_EQ(2, m_client.GetWorkspace(0)->GetItemCount());
    CRect rcClient;
    m_client.GetClientRect(&rcClient);
    EXPECT_GT(rcClient.Width(), 0) << "the frame's layout sized the client back";

    // A window menu's workspace actions list what the client accepts now.
    CXTPPopupBar* pMenu = CXTPPopupBar::CreatePopupBar(m_pFrame->GetCommandBars());
    CXTPControl* pActions = pMenu->GetControls()->Add(xtpControlButton, 35002);
    pActions->OnCalcDynamicSize(0);
    std::vector<int> listed;
    for (int i = pActions->GetIndex() + 1; i < pMenu->GetControlCount(); i++)
        listed.push_back(pMenu->GetControl(i)->GetID());
    EXPECT_EQ((std::vector<int>{XTP_ID_WORKSPACE_NEWHORIZONTAL, XTP_ID_WORKSPACE_NEWVERTICAL}), listed);
    pMenu->InternalRelease();
}

TEST(TabClientCommands, EntriesTakeTheirCaptionsAfterTheNewlineOfTheirStrings)
{
    const struct
    {
        int id;
        LPCWSTR caption;
    } commands[] = {
        {XTP_ID_WORKSPACE_MOVEPREVIOUS, L"Zur vorherigen Registerkartengruppe wechseln"},
        {XTP_ID_WORKSPACE_MOVENEXT, L"Zur n\u00e4chsten Registerkartengruppe wechseln"},
        {XTP_ID_WORKSPACE_NEWHORIZONTAL, L"Neue horizontale Registerkartengruppe"},
        {XTP_ID_WORKSPACE_NEWVERTICAL, L"Neue vertikale Registerkartengruppe"},
    };
    for (const auto& command : commands) {
        CXTPControlButton entry;
        entry.SetID(command.id);
        EXPECT_EQ(CString(command.caption), entry.GetCaption()) << command.id;
        EXPECT_FALSE(entry.GetDescription().IsEmpty()) << "a status text before the newline";
    }
}

TEST_F(TabClient, PictureOfAnMDIFrameWithTabs)
{
    AddChild(L"WM Tickets");
    AddChild(L"Online Statistik");
    AddChild(L"Angebote");
    ASSERT_TRUE(m_client.Attach(m_pFrame, TRUE));
    ASSERT_TRUE(testpump::PumpUntilIdle());
    testshot::Image image = testshot::CaptureWindow(m_pFrame->m_hWnd);
    testshot::Save(image, L"tabclient_mdi_frame.png");

    CRect rcClient;
    m_client.GetWindowRect(&rcClient);
    m_pFrame->ScreenToClient(&rcClient);
    CXTPTabClientWorkspace* pWorkspace = m_client.GetWorkspace(0);
    CRect rcHeader = pWorkspace->GetHeaderRect() + rcClient.TopLeft() + CPoint(2, 2);
    COLORREF clrWorkspace = ::GetSysColor(COLOR_APPWORKSPACE);
    EXPECT_NE(clrWorkspace, image.Pixel(rcHeader.right - 3, rcHeader.CenterPoint().y)) << "a drawn strip";
    CRect rcPage = pWorkspace->GetClientRect() + rcClient.TopLeft() + CPoint(2, 2);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), image.Pixel(rcPage.CenterPoint().x, rcPage.CenterPoint().y))
        << "the active child's page";
    for (int i = 0; i < pWorkspace->GetItemCount(); i++) {
        CRect rcTab = pWorkspace->GetItem(i)->GetRect() + rcClient.TopLeft() + CPoint(2, 2);
        int nDark = 0;
        for (int y = rcTab.top; y < rcTab.bottom; y++)
            for (int x = rcTab.left + 3; x < rcTab.right - 3; x++)
                nDark += GetRValue(image.Pixel(x, y)) < 64 ? 1 : 0;
        EXPECT_GT(nDark, 20) << "the caption of tab " << i;
    }

    // Two groups side by side, each with a strip of its own.
    m_pFrame->SendMessage(WM_COMMAND, XTP_ID_WORKSPACE_NEWVERTICAL);
    ASSERT_EQ(2, m_client.GetWorkspaceCount());
    ASSERT_TRUE(testpump::PumpUntilIdle());
    testshot::Image groups = testshot::CaptureWindow(m_pFrame->m_hWnd);
    testshot::Save(groups, L"tabclient_mdi_frame_groups.png");
    for (int w = 0; w < 2; w++) {
        CRect rcTab = m_client.GetWorkspace(w)->GetItem(0)->GetRect() + rcClient.TopLeft() + CPoint(2, 2);
        EXPECT_NE(clrWorkspace, groups.Pixel(rcTab.left + 2, rcTab.CenterPoint().y)) << "strip of group " << w;
        CRect rcPage = m_client.GetWorkspace(w)->GetClientRect() + rcClient.TopLeft() + CPoint(2, 2);
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), groups.Pixel(rcPage.CenterPoint().x, rcPage.CenterPoint().y))
            << "page of group " << w;
    }
}

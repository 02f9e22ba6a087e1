// Placeholders that expand into generated entries at each layout: the MDI
// window list, the recent-file list, the workspace actions and the OLE verbs.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "commandbars/CommandBarsTestSupport.h"
#include "framework/docview/CRecentFileList.h"
#include "framework/windows/CMenu.h"
#include "framework/windows/CMDIChildWnd.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/lists/XTPControlListEntries.h"
#include "toolkit/commandbars/lists/XTPControlOleItems.h"
#include "toolkit/commandbars/lists/XTPControlRecentFileList.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"
#include "toolkit/commandbars/lists/XTPControlWorkspaceActions.h"
#include "toolkit/commandbars/lists/XTPControlSelector.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "support/Screenshot.h"
#include "framework/gdi/CClientDC.h"

namespace {

// A bar under an MDI frame with a placeholder made by the factory.
class ListPlaceholder : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame->CreateEx(0, nullptr, L"Rahmen", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr, nullptr);
        ASSERT_NE(m_pFrame->m_hWndMDIClient, nullptr);
        m_pFrame->ShowWindow(SW_SHOWNA);
        m_commandBars.SetSite(m_pFrame);
        ASSERT_TRUE(m_bar.Create(m_pFrame, CRect(0, 0, 300, 30)));
        m_bar.SetCommandBars(&m_commandBars);
        m_bar.AddButton(10, CRect(0, 0, 20, 20), L"Vorher");
        CXTPControlWindowList::ResetFirstWindowId();
    }
    void TearDown() override
    {
        m_commandBars.SetCustomizeMode(FALSE);
        m_bar.SetCommandBars(nullptr);
        m_bar.DestroyWindow();
        if (::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        CXTPControlWindowList::ResetFirstWindowId();
    }
    CMDIChildWnd* AddChild(LPCWSTR lpszTitle, BOOL bVisible = TRUE)
    {
        CMDIChildWnd* pChild = new CMDIChildWnd;
        if (!pChild->Create(nullptr, lpszTitle, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 200, 150),
                            m_pFrame))
            return nullptr;
        if (!bVisible)
            pChild->ShowWindow(SW_HIDE);
        return pChild;
    }
    CXTPControl* AddPlaceholder(int nId)
    {
        return m_bar.GetControls()->AddByType(xtpControlButton, nId);
    }
    // The list's entries: the temporary controls but the expand button the
    // bar places when the frame lays it out.
    int ControlsButExpand() const
    {
        int nCount = 0;
        for (int i = 0; i < m_bar.GetControlCount(); i++)
            nCount += m_bar.GetControl(i)->GetID() != XTP_ID_TOOLBAR_EXPAND;
        return nCount;
    }
    std::vector<std::wstring> Captions() const
    {
        std::vector<std::wstring> captions;
        for (int i = 0; i < m_bar.GetControlCount(); i++)
            if (m_bar.GetControl(i)->IsTemporary() && m_bar.GetControl(i)->GetID() != XTP_ID_TOOLBAR_EXPAND)
                captions.push_back(static_cast<LPCWSTR>(m_bar.GetControl(i)->GetRawCaption()));
        return captions;
    }

    CWinApp m_app{L"ListApp"};
    CMDIFrameWnd* m_pFrame = new CMDIFrameWnd;  // deletes itself with its window
    CXTPCommandBars m_commandBars;
    CTestBar m_bar;
};

} // namespace

TEST(NumberedCaption, MnemonicUpToTenAndAmpersandsShown)
{
    const struct
    {
        LPCWSTR text;
        int number;
        LPCWSTR expected;
    } cases[] = {
        {L"Plan", 0, L"Plan"},       {L"Plan", 1, L"&1 Plan"},   {L"Plan", 9, L"&9 Plan"},
        {L"Plan", 10, L"1&0 Plan"},  {L"Plan", 11, L"11 Plan"},  {L"R&D", 2, L"&2 R&&D"},
        {L"a&&b", 0, L"a&&&&b"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, XTPFormatNumberedCaption(c.text, c.number)) << c.text << " " << c.number;
}

TEST_F(ListPlaceholder, WindowListNumbersVisibleChildrenAndChecksTheActive)
{
    CXTPControl* pList = AddPlaceholder(35000);
    ASSERT_TRUE(pList->IsKindOf(RUNTIME_CLASS(CXTPControlWindowList)));
    ASSERT_TRUE(AddChild(L"Eins"));
    ASSERT_TRUE(AddChild(L"Versteckt", FALSE));
    ASSERT_TRUE(AddChild(L"Zwei & Drei"));
    CMDIChildWnd* pActive = AddChild(L"Vier");
    ASSERT_TRUE(pActive);
    m_pFrame->MDIActivate(pActive);
    m_bar.AddButton(11, CRect(0, 0, 20, 20), L"Danach");

    for (int round = 0; round < 2; round++) {
        pList->OnCalcDynamicSize(0);
        EXPECT_EQ(std::vector<std::wstring>({L"&1 Eins", L"&2 Zwei && Drei", L"&3 Vier"}), Captions())
            << "round " << round << ": earlier entries replaced, not added to";
    }
    EXPECT_EQ(static_cast<DWORD>(xtpHideGeneric), pList->GetHideFlags());
    CXTPControl* pFirst = m_bar.GetControl(pList->GetIndex() + 1);
    CXTPControl* pLast = m_bar.GetControl(pList->GetIndex() + 3);
    EXPECT_TRUE(pFirst->GetBeginGroup());
    EXPECT_FALSE(pFirst->GetChecked());
    EXPECT_TRUE(pLast->GetChecked());
    EXPECT_EQ(::GetDlgCtrlID(pActive->GetSafeHwnd()), pLast->GetID());
    EXPECT_TRUE(pLast->GetFlags() & xtpFlagManualUpdate);
    EXPECT_EQ(11, m_bar.GetControl(pList->GetIndex() + 4)->GetID()) << "controls after the list are kept";

    m_commandBars.SetCustomizeMode(TRUE);
    pList->OnCalcDynamicSize(0);
    EXPECT_TRUE(Captions().empty()) << "customizing shows the placeholder alone";
    EXPECT_EQ(0u, pList->GetHideFlags());
}

TEST_F(ListPlaceholder, WindowListFirstIdFollowsTheActiveChildsIdRange)
{
    const struct
    {
        int firstChildId;
        UINT expectedFirst;
    } ranges[] = {{0, 0xFF00}, {1, 1}, {0x8000, 0x8000}};
    std::vector<CMDIChildWnd*> children = {AddChild(L"A"), AddChild(L"B")};
    for (const auto& range : ranges) {
        CXTPControlWindowList::ResetFirstWindowId();
        m_bar.GetControls()->RemoveAll();
        CXTPControl* pList = AddPlaceholder(35000);
        for (size_t i = 0; range.firstChildId && i < children.size(); i++)
            ::SetWindowLongPtrW(children[i]->GetSafeHwnd(), GWLP_ID, range.firstChildId + static_cast<int>(i));
        pList->OnCalcDynamicSize(0);
        EXPECT_EQ(range.expectedFirst, CXTPControlWindowList::GetFirstWindowId()) << range.firstChildId;
        EXPECT_EQ(2u, Captions().size()) << range.firstChildId;
    }
}

// Children numbered from 1 make every id from 1 up a window id: the bar's own
// commands after the list must survive the next layouts all the same.
TEST_F(ListPlaceholder, WindowListKeepsTheBarsOwnControlsAfterItWhenChildrenAreNumberedFromOne)
{
    CXTPControl* pList = AddPlaceholder(35000);
    std::vector<CMDIChildWnd*> children = {AddChild(L"A"), AddChild(L"B")};
    for (size_t i = 0; i < children.size(); i++) {
        ASSERT_TRUE(children[i]);
        ::SetWindowLongPtrW(children[i]->GetSafeHwnd(), GWLP_ID, 1 + static_cast<int>(i));
    }
    m_bar.AddButton(11, CRect(0, 0, 20, 20), L"Danach");
    m_bar.AddButton(0xFF05, CRect(0, 0, 20, 20), L"Hohe Nummer");

    for (int round = 0; round < 3; round++) {
        pList->OnCalcDynamicSize(0);
        ASSERT_EQ(1u, CXTPControlWindowList::GetFirstWindowId());
        EXPECT_EQ(std::vector<std::wstring>({L"&1 A", L"&2 B"}), Captions()) << "round " << round;
        ASSERT_EQ(pList->GetIndex() + 5, m_bar.GetControlCount()) << "round " << round;
        EXPECT_EQ(11, m_bar.GetControl(pList->GetIndex() + 3)->GetID()) << "round " << round;
        EXPECT_EQ(0xFF05, m_bar.GetControl(pList->GetIndex() + 4)->GetID()) << "round " << round;
    }
}

TEST_F(ListPlaceholder, WindowListStopsAtNineEntries)
{
    CXTPControl* pList = AddPlaceholder(35000);
    for (int i = 0; i < 11; i++)
        ASSERT_TRUE(AddChild(L"Fenster"));
    pList->OnCalcDynamicSize(0);
    std::vector<std::wstring> captions = Captions();
    ASSERT_EQ(9u, captions.size());
    EXPECT_EQ(L"&9 Fenster", captions.back());
}

TEST_F(ListPlaceholder, WindowListOutsideAnMdiFrameKeepsItsHideFlags)
{
    CTestSite site;
    ASSERT_TRUE(site.Create(CRect(0, 0, 100, 100)));
    m_commandBars.SetSite(&site);
    CXTPControl* pList = AddPlaceholder(35000);
    pList->OnCalcDynamicSize(0);
    EXPECT_EQ(0u, pList->GetHideFlags());
    EXPECT_TRUE(Captions().empty());
    m_commandBars.SetSite(m_pFrame);
    site.DestroyWindow();
}

// No document here holds embedded objects: the verbs placeholder hides, lists
// nothing, drops a verbs popup left from before and shows itself when customizing.
TEST_F(ListPlaceholder, OleVerbsWithoutASelectedItemOnlyHide)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 57872, L"<<OLE VERBS GO HERE>>");
    menu.AppendMenu(MF_STRING, 57872, L"Objekt");
    menu.AppendMenu(MF_STRING, 11, L"Danach");
    ASSERT_TRUE(m_bar.LoadMenu(&menu));
    ASSERT_EQ(3, ControlsButExpand());
    CXTPControl* pVerbs = m_bar.GetControl(0);
    ASSERT_TRUE(pVerbs->IsKindOf(RUNTIME_CLASS(CXTPControlOleItems))) << "made by id and exact text";
    EXPECT_FALSE(m_bar.GetControl(1)->IsKindOf(RUNTIME_CLASS(CXTPControlOleItems))) << "other text: a button";

    CXTPControl* pStale = m_bar.GetControls()->Add(xtpControlPopup, 0, CString(), 1, TRUE);
    pStale->SetParameter(L"OLEMENUPOPUP");
    pVerbs->OnCalcDynamicSize(0);
    EXPECT_EQ(static_cast<DWORD>(xtpHideGeneric), pVerbs->GetHideFlags());
    ASSERT_EQ(3, ControlsButExpand()) << "the old verbs popup is gone, nothing new came";
    EXPECT_EQ(57872, m_bar.GetControl(1)->GetID());
    EXPECT_TRUE(Captions().empty());

    m_commandBars.SetCustomizeMode(TRUE);
    pVerbs->OnCalcDynamicSize(0);
    EXPECT_EQ(0u, pVerbs->GetHideFlags()) << "the user sees and moves the placeholder itself";
    m_commandBars.SetCustomizeMode(FALSE);
    pVerbs->OnCalcDynamicSize(0);
    EXPECT_EQ(static_cast<DWORD>(xtpHideGeneric), pVerbs->GetHideFlags());
    EXPECT_EQ(3, ControlsButExpand());
}

TEST_F(ListPlaceholder, RecentFilesShortenedAgainstTheCurrentFolder)
{
    wchar_t szCurDir[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, szCurDir);
    m_app.m_pRecentFileList = new CRecentFileList(57616, L"Recent File List", L"File%d", 4, 30);
    CRecentFileList& list = *m_app.m_pRecentFileList;
    list.Add(L"C:\\ein\\sehr\\langer\\ordnername\\liste.txt");
    list.Add(L"C:\\andere\\R&D.txt");
    list.Add(CString(szCurDir) + L"\\spiele.xml");

    CXTPControl* pList = AddPlaceholder(35003);
    ASSERT_TRUE(pList->IsKindOf(RUNTIME_CLASS(CXTPControlRecentFileList)));
    pList->OnCalcDynamicSize(0);
    EXPECT_EQ(std::vector<std::wstring>({L"&1 spiele.xml", L"&2 C:\\andere\\R&&D.txt", L"&3 C:\\...\\liste.txt"}),
              Captions());
    EXPECT_EQ(57617, m_bar.GetControl(pList->GetIndex() + 2)->GetID());
    EXPECT_TRUE(m_bar.GetControl(pList->GetIndex() + 1)->GetBeginGroup()) << "the placeholder is not first";
    EXPECT_EQ(static_cast<DWORD>(xtpHideGeneric), pList->GetHideFlags());

    m_commandBars.SetCustomizeMode(TRUE);
    pList->OnCalcDynamicSize(0);
    EXPECT_TRUE(Captions().empty());
    EXPECT_EQ(0u, pList->GetHideFlags());
    EXPECT_TRUE(pList->GetEnabled());
    m_commandBars.SetCustomizeMode(FALSE);

    for (int i = 0; i < 3; i++)
        list.Remove(0);
    pList->OnCalcDynamicSize(0);
    EXPECT_TRUE(Captions().empty());
    EXPECT_EQ(0u, pList->GetHideFlags()) << "an empty list shows the placeholder itself";
    EXPECT_FALSE(pList->GetEnabled()) << "greyed";
}

// Added by type the recent-file placeholder has its own id; in a menu it is the
// frame's file-list command, and each road leaves the other id a plain button.
TEST_F(ListPlaceholder, RecentFilesPlaceholderIdDependsOnHowItIsMade)
{
    EXPECT_TRUE(AddPlaceholder(35003)->IsKindOf(RUNTIME_CLASS(CXTPControlRecentFileList)));
    EXPECT_FALSE(AddPlaceholder(57616)->IsKindOf(RUNTIME_CLASS(CXTPControlRecentFileList)));

    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 57616, L"Zuletzt");
    menu.AppendMenu(MF_STRING, 35003, L"Anders");
    CXTPControls* pControls = m_bar.GetControls();
    CXTPControl* pFromMenu = pControls->AddMenuItem(&menu, 0);
    ASSERT_TRUE(pFromMenu);
    EXPECT_TRUE(pFromMenu->IsKindOf(RUNTIME_CLASS(CXTPControlRecentFileList)));
    CXTPControl* pOther = pControls->AddMenuItem(&menu, 1);
    ASSERT_TRUE(pOther);
    EXPECT_FALSE(pOther->IsKindOf(RUNTIME_CLASS(CXTPControlRecentFileList)));
}

TEST(RecentFileList, AddMovesToFrontWithoutDoublesAndDropsTheOldest)
{
    CRecentFileList list(57616, L"Recent File List", L"File%d", 3);
    for (LPCWSTR path : {L"C:\\a", L"C:\\b", L"C:\\c", L"c:\\A", L"C:\\d"})
        list.Add(path);
    EXPECT_STREQ(L"C:\\d", list[0]);
    EXPECT_STREQ(L"c:\\A", list[1]);
    EXPECT_STREQ(L"C:\\c", list[2]);
    CString strName;
    EXPECT_FALSE(list.GetDisplayName(strName, 3, nullptr, 0)) << "beyond the list";
}

namespace {

// Stands in for a tabbed MDI client: answers the group commands' states.
class CGroupingClient : public CWnd
{
public:
    std::vector<int> enabled;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && nID >= 9420 && nID <= 9423) {
            static_cast<CCmdUI*>(pExtra)->Enable(std::find(enabled.begin(), enabled.end(), nID) != enabled.end());
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

} // namespace

TEST_F(ListPlaceholder, WorkspaceActionsListTheAcceptedGroupCommandsInOrder)
{
    CXTPControl* pActions = AddPlaceholder(35002);
    ASSERT_TRUE(pActions->IsKindOf(RUNTIME_CLASS(CXTPControlWorkspaceActions)));
    pActions->SetBeginGroup(TRUE);
    pActions->OnCalcDynamicSize(0);
    EXPECT_TRUE(Captions().empty()) << "a plain MDI client has no groups";
    EXPECT_EQ(0u, pActions->GetHideFlags());

    CGroupingClient client;
    client.SubclassWindow(m_pFrame->m_hWndMDIClient);
    const struct
    {
        std::vector<int> enabled;
        std::vector<int> listed;
    } states[] = {
        {{9420, 9421, 9422, 9423}, {9422, 9423, 9420, 9421}},
        {{9421, 9423}, {9423, 9421}},
        {{}, {}},
    };
    for (const auto& state : states) {
        client.enabled = state.enabled;
        pActions->OnCalcDynamicSize(0);
        std::vector<int> listed;
        for (int i = pActions->GetIndex() + 1; i < m_bar.GetControlCount(); i++)
            if (m_bar.GetControl(i)->IsTemporary())
                listed.push_back(m_bar.GetControl(i)->GetID());
        EXPECT_EQ(state.listed, listed);
        EXPECT_EQ(static_cast<DWORD>(xtpHideGeneric), pActions->GetHideFlags());
        if (!listed.empty()) {
            EXPECT_TRUE(m_bar.GetControl(pActions->GetIndex() + 1)->GetBeginGroup()) << "takes the group start";
        }
    }
    client.UnsubclassWindow();
}

namespace {

// Stacks the visible controls of a popup bar as a menu lays them out.
void PlaceInColumn(CXTPCommandBar& bar, int nWidth)
{
    CClientDC dc(&bar);
    int y = 3;
    for (int i = 0; i < bar.GetControlCount(); i++) {
        CXTPControl* pControl = bar.GetControl(i);
        if (!pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && y > 3)
            y += 8;
        CSize size = pControl->GetSize(&dc);
        pControl->SetRect(CRect(3, y, 3 + std::max(nWidth, static_cast<int>(size.cx)), y + size.cy));
        y += size.cy;
    }
}

} // namespace

TEST_F(ListPlaceholder, PictureOfTheWindowListAndSelectorPopups)
{
    CXTPPaintManager::SetTheme(0);
    for (LPCWSTR title : {L"Spielplan", L"Tickets & Preise", L"Statistik"})
        ASSERT_TRUE(AddChild(title));
    m_pFrame->MDIActivate(CWnd::FromHandle(::GetDlgItem(m_pFrame->m_hWndMDIClient, 0xFF01)));

    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_APPWORKSPACE)), L"Shot",
                              WS_POPUP | WS_VISIBLE, 0, 0, 520, 200, nullptr, nullptr));
    CXTPPopupBar windows, grid;
    for (CXTPPopupBar* pBar : {&windows, &grid}) {
        int x = pBar == &windows ? 10 : 280;
        ASSERT_TRUE(pBar->CreateEx(0, AfxRegisterWndClass(0), L"Bar", WS_CHILD | WS_VISIBLE, x, 10, 230, 180,
                                   host.GetSafeHwnd(), nullptr));
        pBar->SetCommandBars(&m_commandBars);
    }
    windows.GetControls()->Add(xtpControlButton, 0)->SetCaption(L"&Nebeneinander");
    windows.GetControls()->Add(xtpControlButton, 35000);
    windows.GetControl(1)->OnCalcDynamicSize(0);
    PlaceInColumn(windows, 220);

    CXTPControlSelector* pSelector = new CXTPControlSelector();
    grid.GetControls()->Add(pSelector, 900);
    pSelector->SetItemSize(CSize(20, 20));
    pSelector->OnCalcDynamicSize(0);
    pSelector->SetRect(CRect(CPoint(5, 5), pSelector->GetSize(nullptr)));
    pSelector->OnMouseMove(CPoint(5 + 50, 5 + 30));
    EXPECT_EQ(CSize(3, 2), pSelector->GetSelection());

    host.UpdateWindow();
    EXPECT_FALSE(testshot::Save(testshot::CaptureWindow(host.GetSafeHwnd()), L"commandbars_window_list_selector.png")
                     .empty());
    for (CXTPPopupBar* pBar : {&windows, &grid}) {
        pBar->SetCommandBars(nullptr);
        pBar->DestroyWindow();
    }
    host.DestroyWindow();
}

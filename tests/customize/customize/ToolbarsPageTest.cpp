// The toolbars page: which bars it lists, which buttons it allows, what the
// check boxes do, and new, rename, delete and reset through their dialogs.
#include "customize/customize/CustomizeTestSupport.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "toolkit/customize/XTPCustomizeToolbarsPage.h"

using namespace custtest;

namespace {

struct ToolbarsPage : BarsTest
{
    CXTPCustomizeSheet* pSheet = nullptr;
    CXTPCustomizeToolbarsPage* pPage = nullptr;

    ~ToolbarsPage() override
    {
        Unhost();
        delete pSheet;
    }
    void Show()
    {
        pSheet = new CXTPCustomizeSheet(pBars, &site);
        pPage = pSheet->GetToolbarsPage();
        Host(pPage);
    }
    CCheckListBox& List() { return pPage->GetList(); }
    std::vector<CString> Titles()
    {
        std::vector<CString> titles;
        for (int i = 0; i < List().GetCount(); i++) {
            CString strText;
            List().GetText(i, strText);
            titles.push_back(strText);
        }
        return titles;
    }
    BOOL Enabled(int nID) { return ::IsWindowEnabled(::GetDlgItem(pPage->GetSafeHwnd(), nID)); }
    void Select(int nItem)
    {
        List().SetCurSel(nItem);
        pPage->OnSelChangeList();
    }
};

TEST_F(ToolbarsPage, ListsClosableOrVisibleBarsThatAskToBeListed)
{
    AddBar(pBars, {L"Standard", 100});
    AddBar(pBars, {L"Fest sichtbar", 101, TRUE, FALSE, TRUE});
    AddBar(pBars, {L"Fest versteckt", 102, TRUE, FALSE, FALSE});
    AddBar(pBars, {L"Ungelistet", 103, TRUE, TRUE, TRUE, FALSE});
    AddBar(pBars, {L"Versteckt", 104, TRUE, TRUE, FALSE});
    Show();
    EXPECT_EQ((std::vector<CString>{L"Standard", L"Fest sichtbar", L"Versteckt"}), Titles());
    EXPECT_EQ((std::vector<int>{1, 1, 0}), (std::vector<int>{List().GetCheck(0), List().GetCheck(1), List().GetCheck(2)}));
    // The first fill selects the bar with index 0.
    EXPECT_EQ(0, List().GetCurSel());
}

TEST_F(ToolbarsPage, ButtonsFollowTheSelectedBarsOrigin)
{
    AddBar(pBars, {L"Standard", 100});
    AddBar(pBars, {L"Eigene", 0xE800, FALSE});
    Show();
    struct Case
    {
        int item;
        BOOL reset, rename, remove;
    };
    for (const Case& c : {Case{0, TRUE, FALSE, FALSE}, Case{1, FALSE, TRUE, TRUE}, Case{-1, FALSE, FALSE, FALSE}}) {
        Select(c.item);
        EXPECT_EQ(c.reset, Enabled(XTP_IDC_BUTTON_RESET)) << c.item;
        EXPECT_EQ(c.rename, Enabled(XTP_IDC_BUTTON_RENAME)) << c.item;
        EXPECT_EQ(c.remove, Enabled(XTP_IDC_BUTTON_DELETE)) << c.item;
        EXPECT_TRUE(Enabled(XTP_IDC_BUTTON_NEW));
    }
}

TEST_F(ToolbarsPage, ClickOnACheckBoxHidesClosableBarsOnly)
{
    CXTPToolBar* pFixed = AddBar(pBars, {L"Fest", 100, TRUE, FALSE});
    CXTPToolBar* pFree = AddBar(pBars, {L"Frei", 101});
    Show();
    // A real click on each box; neither item was selected before.
    for (int nItem : {1, 0}) {
        Select(-1);
        CRect rcItem;
        List().GetItemRect(nItem, &rcItem);
        POINT pt = {rcItem.left + 2 + pPage->GetList().GetCheckSize().cx / 2, rcItem.CenterPoint().y};
        List().ClientToScreen(&pt);
        testinput::ClickAt(pt);
        testpump::PumpUntil([&] { return List().GetCurSel() == nItem; });
        testpump::PumpUntilIdle();
    }
    EXPECT_FALSE(pFree->IsVisible());
    EXPECT_TRUE(pFixed->IsVisible());
    EXPECT_EQ((std::vector<CString>{L"Fest", L"Frei"}), Titles());
    EXPECT_EQ(1, List().GetCheck(0));
    EXPECT_EQ(0, List().GetCheck(1));
}

TEST_F(ToolbarsPage, NewBarGetsTheProposedNameAFreeIdAndIsAnnounced)
{
    AddBar(pBars, {L"Benutzerdefiniert 1", 0xE800, FALSE});
    AddBar(pBars, {L"Benutzerdefiniert 3", 0xE802, FALSE});
    Show();
    CDialogScript script({Press(IDOK)});
    pPage->OnNewToolbar();
    ASSERT_EQ(3, pBars->GetCount());
    CXTPToolBar* pNew = pBars->GetAt(2);
    EXPECT_EQ(CString(L"Benutzerdefiniert 2"), pNew->GetTitle());
    EXPECT_EQ(0xE801u, pNew->GetBarID());
    EXPECT_FALSE(pNew->IsBuiltIn());
    EXPECT_EQ(3, List().GetCount());
    ASSERT_EQ(1u, site.notifications.size());
    EXPECT_EQ(WM_XTP_TOOLBAR_ADDED, site.notifications[0].first);
    EXPECT_EQ(reinterpret_cast<LPARAM>(pNew), site.notifications[0].second);
}

TEST_F(ToolbarsPage, RenameKeepsPlaceAndSelection)
{
    AddBar(pBars, {L"Standard", 100});
    CXTPToolBar* pBar = AddBar(pBars, {L"Alt", 0xE800, FALSE, TRUE, FALSE});
    AddBar(pBars, {L"Zuletzt", 0xE801, FALSE});
    Show();
    Select(1);
    CDialogScript script({TypeAndPress(XTP_IDC_TOOLBAR_NAME, L"Neu", IDOK)});
    pPage->OnRenameToolbar();
    EXPECT_EQ(CString(L"Neu"), pBar->GetTitle());
    EXPECT_EQ((std::vector<CString>{L"Standard", L"Neu", L"Zuletzt"}), Titles());
    EXPECT_EQ(1, List().GetCurSel());
    EXPECT_EQ(0, List().GetCheck(1));
    EXPECT_EQ(1u, List().GetItemData(1));
}

TEST_F(ToolbarsPage, DeleteAsksFirstAnnouncesAndDropsTheCustomizeSelection)
{
    AddBar(pBars, {L"Standard", 100});
    CXTPToolBar* pBar = AddBar(pBars, {L"Weg", 0xE800, FALSE});
    CXTPControl* pControl = pBar->GetControls()->Add(xtpControlButton, 500);
    pBars->SetDragControl(pControl);
    Show();
    Select(1);
    CString strAsked;
    {
        CDialogScript script({Shot(L"customize_box_9335.png", ReadMessage(&strAsked, IDCANCEL))});
        pPage->OnDeleteToolbar();
    }
    EXPECT_EQ(CString(L"Sind Sie sicher, dass Sie die Symbolleiste 'Weg' löschen möchten?"), strAsked);
    EXPECT_EQ(2, pBars->GetCount());
    {
        CDialogScript script({Press(IDOK)});
        pPage->OnDeleteToolbar();
    }
    ASSERT_EQ(1, pBars->GetCount());
    EXPECT_EQ(nullptr, pBars->GetDragControl());
    ASSERT_EQ(1u, site.notifications.size());
    EXPECT_EQ(WM_XTP_TOOLBAR_DELETING, site.notifications[0].first);
    EXPECT_EQ((std::vector<CString>{L"Standard"}), Titles());
}

// "Zurücksetzen..." asks with the bar's title; Cancel keeps the bar as the
// user left it, OK brings back its initial buttons.
TEST_F(ToolbarsPage, ResetAsksThenRestoresTheBarsInitialButtons)
{
    CXTPToolBar* pBar = AddBar(pBars, {L"Standard", 100});
    AddBar(pBars, {L"Eigene", 0xE800, FALSE});
    for (int nID : {201, 202, 203})
        pBar->GetControls()->Add(xtpControlButton, nID);
    pBar->GetControls()->CreateInitialControls();
    pBar->GetControls()->Remove(pBar->GetControl(1));
    pBar->GetControls()->Add(xtpControlButton, 204);
    Show();
    Select(0);
    auto ids = [&] {
        std::vector<int> result;
        for (int i = 0; i < pBar->GetControlCount(); i++)
            result.push_back(pBar->GetControl(i)->GetID());
        return result;
    };
    auto pressReset = [&] {
        ::SendMessageW(::GetDlgItem(pPage->GetSafeHwnd(), XTP_IDC_BUTTON_RESET), BM_CLICK, 0, 0);
    };
    CString strAsked;
    {
        CDialogScript script({ReadMessage(&strAsked, IDCANCEL)});
        pressReset();
        EXPECT_EQ(1u, script.StepsRun());
    }
    EXPECT_EQ(
        CString(L"Sind Sie sicher, dass Sie die Änderungen für die Symbolleiste 'Standard' zurücksetzen möchten?"),
        strAsked);
    EXPECT_EQ((std::vector<int>{201, 203, 204}), ids());
    {
        CDialogScript script({Press(IDOK)});
        pressReset();
        EXPECT_EQ(1u, script.StepsRun());
    }
    EXPECT_EQ((std::vector<int>{201, 202, 203}), ids());
    EXPECT_EQ((std::vector<CString>{L"Standard", L"Eigene"}), Titles());
    EXPECT_EQ(0, List().GetCurSel());
    EXPECT_TRUE(Enabled(XTP_IDC_BUTTON_RESET));
}

} // namespace

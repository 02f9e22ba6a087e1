// The commands page: categories built from a menu (same names share one,
// popup contents listed on request), the new-menu and all-commands
// categories, and the lists the page shows for them.
#include "customize/customize/CustomizeTestSupport.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

using namespace custtest;

namespace {

const UINT kTestMenu = 31900;

std::vector<int> Ids(CXTPControls* pControls)
{
    std::vector<int> ids;
    for (int i = 0; pControls != nullptr && i < pControls->GetCount(); i++)
        ids.push_back(pControls->GetAt(i)->GetID());
    return ids;
}

std::vector<CString> Names(const CXTPCustomizeCategories& categories)
{
    std::vector<CString> names;
    for (int i = 0; i < categories.GetCount(); i++)
        names.push_back(categories.GetCategoryInfo(i)->strCategory);
    return names;
}

using Categories = BarsTest;

TEST_F(Categories, SameNamedSubmenusShareOneAndPopupContentsAreListedOnRequest)
{
    struct Case
    {
        BOOL listSubItems;
        std::vector<int> file;
    };
    for (const Case& c : {Case{FALSE, {100, 101, 0, 103}}, Case{TRUE, {100, 101, 0, 102, 103}}}) {
        CXTPCustomizeCategories categories(pBars);
        ASSERT_TRUE(categories.AddCategories(kTestMenu, c.listSubItems));
        EXPECT_EQ((std::vector<CString>{L"Datei", L"Ansicht"}), Names(categories));
        EXPECT_EQ(c.file, Ids(categories.FindCategory(L"Datei")->pControls)) << c.listSubItems;
        // The separator before the submenu starts a group there.
        EXPECT_TRUE(categories.FindCategory(L"Datei")->pControls->GetAt(2)->GetBeginGroup());
    }
}

TEST_F(Categories, AllCommandsCopiesEveryCategoryDuplicatesIncluded)
{
    CXTPCustomizeCategories categories(pBars);
    categories.AddCategories(kTestMenu, FALSE);
    categories.GetControls(L"Extra")->Add(xtpControlButton, 104);
    CXTPControls* pAll = categories.InsertAllCommandsCategory(XTP_IDS_ALLCOMMANDS);
    EXPECT_EQ((std::vector<int>{100, 101, 0, 103, 104, 104}), Ids(pAll));
    EXPECT_EQ(CString(L"Alle Befehle"), categories.GetCategoryInfo(3)->strCategory);
    // Copies, not the category's own controls.
    EXPECT_NE(categories.FindCategory(L"Ansicht")->pControls->GetAt(0), pAll->GetAt(4));
}

TEST_F(Categories, NewMenuCategoryHoldsOneNamedPopupAndUnknownPlacesYieldNothing)
{
    CXTPCustomizeCategories categories(pBars);
    EXPECT_FALSE(categories.AddCategories(31999, FALSE));
    EXPECT_EQ(0, categories.GetCount());
    categories.GetControls(L"Zweite");
    categories.InsertNewMenuCategory(XTP_IDS_NEWMENU, 0);
    EXPECT_EQ((std::vector<CString>{L"Neues Menü", L"Zweite"}), Names(categories));
    CXTPControls* pNew = categories.GetCategoryInfo(0)->pControls;
    ASSERT_EQ(1, pNew->GetCount());
    EXPECT_EQ(xtpControlPopup, pNew->GetAt(0)->GetType());
    EXPECT_EQ(CString(L"Neues Menü"), pNew->GetAt(0)->GetCaption());
    EXPECT_EQ(nullptr, categories.GetCategoryInfo(2));
    EXPECT_EQ(nullptr, categories.GetCategoryInfo(-1));
    EXPECT_EQ(nullptr, categories.FindCategory(L"zweite"));
}

struct CommandsPage : BarsTest
{
    CXTPCustomizeSheet* pSheet = new CXTPCustomizeSheet(pBars, &site);
    ~CommandsPage() override
    {
        Unhost();
        delete pSheet;
    }
};

TEST_F(CommandsPage, ShowsTheCategoriesAndTheSelectedOnesCommands)
{
    CXTPCustomizeCommandsPage* pPage = pSheet->GetCommandsPage();
    pPage->AddCategories(kTestMenu, FALSE);
    pPage->InsertNewMenuCategory(XTP_IDS_NEWMENU);
    Host(pPage);
    CListBox& categories = pPage->GetCategoriesList();
    CListBox& commands = pPage->GetCommandsList();
    ASSERT_EQ(3, categories.GetCount());
    EXPECT_EQ(0, categories.GetCurSel());
    EXPECT_EQ(4, commands.GetCount());
    EXPECT_GT(commands.GetItemHeight(0), 0);
    ctltest::ShootWindow(pHost->Sheet().GetSafeHwnd(), L"customize_commands_page.png");

    categories.SetCurSel(2);
    pPage->OnCategoriesSelectionChanged();
    ASSERT_EQ(1, commands.GetCount());
    EXPECT_EQ(pPage->GetCategoryInfo(2)->pControls->GetAt(0), reinterpret_cast<CXTPControl*>(commands.GetItemData(0)));
}

} // namespace

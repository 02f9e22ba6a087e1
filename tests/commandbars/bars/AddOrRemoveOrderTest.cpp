// Filling a toolbar's add-or-remove list leaves the bar as the user made it:
// whatever kind of control he added (a new menu, a command button, a
// built-in menu) and wherever (before, between or after the initial
// buttons), the bar keeps its order, the list follows it, a right-aligned
// last control stays last and an initial button he took out comes back
// hidden behind its neighbour of the initial set.
#include <gtest/gtest.h>
#include "ToolBarTestSupport.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

#include <functional>
#include <string>
#include <vector>

namespace {

const int kSearch = 29001, kOptions = 29002, kHelp = 29003, kLogo = 29004;
const int kAddedCommand = 29010, kBuiltInMenu = 29011;
// A right-aligned control that cannot be moved: the program's logo.
const DWORD kLogoFlags = xtpFlagRightAlign | xtpFlagNoMovable;

class AddOrRemoveOrder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CToolBarFrame();
        ASSERT_TRUE(frame->CreateFrame(900, 300));
        bars = frame->GetCommandBars();
        bar = bars->Add(L"Standard", xtpBarTop);
        ASSERT_NE(nullptr, bar);
        Add(xtpControlButton, kSearch, L"Suche", -1);
        Add(xtpControlButton, kOptions, L"Optionen", -1);
        Add(xtpControlButton, kHelp, L"Hilfe", -1);
        Add(xtpControlButton, kLogo, L"", -1)->SetFlags(kLogoFlags);
        bar->GetControls()->CreateInitialControls();
    }
    void TearDown() override
    {
        XTPMouseManager()->EndAllTracking();
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    CXTPControl* Add(XTPControlType type, int nId, LPCWSTR lpszCaption, int nBefore)
    {
        CXTPControl* pControl = bar->GetControls()->Add(type, nId, CString(), nBefore);
        pControl->SetCaption(lpszCaption);
        return pControl;
    }
    int IndexOf(int nId) const { return bar->GetControls()->FindControl(nId)->GetIndex(); }
    // The bar's controls that are not temporary, by caption.
    std::vector<std::wstring> BarCaptions() const
    {
        std::vector<std::wstring> captions;
        for (int i = 0; i < bar->GetControlCount(); i++)
            if (!bar->GetControl(i)->IsTemporary())
                captions.push_back(bar->GetControl(i)->GetCaption().GetString());
        return captions;
    }
    // Fills a list as the manager does; its entries by caption, the reset
    // entry left out.
    std::vector<std::wstring> FillList() const
    {
        CXTPPopupBar* pList = CXTPPopupBar::CreatePopupBar(bars);
        bar->FillAddOrRemoveList(pList);
        std::vector<std::wstring> captions;
        for (int i = 0; i < pList->GetControlCount(); i++)
            if (pList->GetControl(i)->GetCaption() != L"Zurücksetzen")
                captions.push_back(pList->GetControl(i)->GetCaption().GetString());
        pList->InternalRelease();
        return captions;
    }
    // The list's entries as FillList gives them, an unchecked one in
    // brackets.
    std::vector<std::wstring> FillListChecks() const
    {
        CXTPPopupBar* pList = CXTPPopupBar::CreatePopupBar(bars);
        bar->FillAddOrRemoveList(pList);
        std::vector<std::wstring> entries;
        for (int i = 0; i < pList->GetControlCount(); i++) {
            CXTPControl* pEntry = pList->GetControl(i);
            const std::wstring caption = pEntry->GetCaption().GetString();
            if (caption != L"Zurücksetzen")
                entries.push_back(pEntry->GetChecked() ? caption : L"(" + caption + L")");
        }
        pList->InternalRelease();
        return entries;
    }
    // The bar's controls for a command, hidden ones in brackets.
    std::vector<std::wstring> ControlsOf(int nId) const
    {
        std::vector<std::wstring> controls;
        for (int i = 0; i < bar->GetControlCount(); i++) {
            CXTPControl* pControl = bar->GetControl(i);
            if (pControl->GetID() != nId)
                continue;
            const std::wstring caption = pControl->GetCaption().GetString();
            controls.push_back(pControl->GetHideFlags() & xtpHideCustomize ? L"(" + caption + L")" : caption);
        }
        return controls;
    }
    // The user drops a copy of the command at the bar's start, as from the
    // commands page.
    CXTPControl* BringBack(int nId, LPCWSTR lpszCaption) { return Add(xtpControlButton, nId, lpszCaption, 0); }

    CToolBarFrame* frame = nullptr;
    CXTPCommandBars* bars = nullptr;
    CXTPToolBar* bar = nullptr;
};

} // namespace

TEST_F(AddOrRemoveOrder, EveryKindOfAddedControlKeepsItsPlaceAndTheListFollowsTheBar)
{
    struct Kind
    {
        const char* name;
        XTPControlType type;
        int nId;
        LPCWSTR caption;
    } kinds[] = {{"a new menu", xtpControlPopup, 0, L"Neues Menü"},
                 {"a command button", xtpControlButton, kAddedCommand, L"Aktualisieren"},
                 {"a built-in menu", xtpControlPopup, kBuiltInMenu, L"Auswählen"}};
    struct Place
    {
        const char* name;
        int nBeforeId;
    } places[] = {{"before the first", kSearch}, {"between", kOptions}, {"after the last", kLogo}};
    for (const Kind& kind : kinds) {
        for (const Place& place : places) {
            SCOPED_TRACE(std::string(kind.name) + ", " + place.name);
            CXTPControl* pAdded = Add(kind.type, kind.nId, kind.caption, IndexOf(place.nBeforeId));
            const std::vector<std::wstring> made = BarCaptions();

            const std::vector<std::wstring> listed = FillList();
            EXPECT_EQ(made, BarCaptions()) << "the bar as the user made it";
            std::vector<std::wstring> expectedList = made;
            expectedList.pop_back(); // the logo is never listed
            EXPECT_EQ(expectedList, listed);
            EXPECT_EQ(made, (FillList(), BarCaptions())) << "opened again";
            EXPECT_EQ(0u, pAdded->GetHideFlags() & xtpHideCustomize);
            bar->GetControls()->Remove(pAdded);
        }
    }
}

TEST_F(AddOrRemoveOrder, AButtonTakenOutComesBackHiddenBehindItsNeighbourAndTheRestStays)
{
    // The user moved "Hilfe" to the front, put a new menu behind "Suche"
    // and took "Optionen" off the bar.
    bar->GetControls()->MoveAt(IndexOf(kHelp), 0);
    Add(xtpControlPopup, 0, L"Neues Menü", IndexOf(kOptions));
    bar->GetControls()->Remove(bar->GetControls()->FindControl(kOptions));
    ASSERT_EQ((std::vector<std::wstring>{L"Hilfe", L"Suche", L"Neues Menü", L""}), BarCaptions());

    EXPECT_EQ((std::vector<std::wstring>{L"Hilfe", L"Suche", L"Optionen", L"Neues Menü"}), FillList());
    EXPECT_EQ((std::vector<std::wstring>{L"Hilfe", L"Suche", L"Optionen", L"Neues Menü", L""}), BarCaptions());
    CXTPControl* pBack = bar->GetControls()->FindControl(kOptions);
    ASSERT_NE(nullptr, pBack);
    EXPECT_EQ(static_cast<DWORD>(xtpHideCustomize), pBack->GetHideFlags() & xtpHideCustomize);

    // Opened again: nothing more comes back, nothing moves.
    EXPECT_EQ((std::vector<std::wstring>{L"Hilfe", L"Suche", L"Optionen", L"Neues Menü"}), FillList());
    EXPECT_EQ((std::vector<std::wstring>{L"Hilfe", L"Suche", L"Optionen", L"Neues Menü", L""}), BarCaptions());
}

TEST_F(AddOrRemoveOrder, AControlTheUserHidAndMovedStaysWhereHePutIt)
{
    // "Suche" moved behind "Hilfe", then unchecked in the list.
    bar->GetControls()->MoveAt(IndexOf(kSearch), IndexOf(kHelp));
    bar->GetControls()->FindControl(kSearch)->SetHideFlag(xtpHideCustomize, TRUE);
    const std::vector<std::wstring> made = BarCaptions();
    ASSERT_EQ((std::vector<std::wstring>{L"Optionen", L"Hilfe", L"Suche", L""}), made);
    EXPECT_EQ((std::vector<std::wstring>{L"Optionen", L"Hilfe", L"Suche"}), FillList());
    EXPECT_EQ(made, BarCaptions()) << "one control for the command, where the user put it";
}

TEST_F(AddOrRemoveOrder, AButtonTheUserTookOutAndBroughtBackIsOneEntryWhereHeDroppedIt)
{
    struct Road
    {
        const char* name;
        std::function<void()> takeOut;
    } roads[] = {
        {"unchecked in the list",
         [this] { bar->GetControls()->FindControl(kHelp)->SetHideFlag(xtpHideCustomize, TRUE); }},
        {"dragged off, the list opened once",
         [this] {
             bar->GetControls()->Remove(bar->GetControls()->FindControl(kHelp));
             FillList();
         }},
    };
    bool bFirst = true;
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        if (!bFirst) {
            // A bar as the program made it for each road.
            TearDown();
            SetUp();
        }
        bFirst = false;
        road.takeOut();
        ASSERT_EQ((std::vector<std::wstring>{L"(Hilfe)"}), ControlsOf(kHelp));
        BringBack(kHelp, L"Hilfe");

        EXPECT_EQ((std::vector<std::wstring>{L"Hilfe", L"Suche", L"Optionen"}), FillListChecks());
        EXPECT_EQ((std::vector<std::wstring>{L"Hilfe"}), ControlsOf(kHelp)) << "nothing hidden left to store";
        EXPECT_EQ(0, IndexOf(kHelp)) << "where the user dropped it";
        EXPECT_EQ((std::vector<std::wstring>{L"Hilfe", L"Suche", L"Optionen"}), FillListChecks()) << "opened again";
    }
}

TEST_F(AddOrRemoveOrder, HiddenTwinsOfAStoredLayoutAreListedOnceAndTheInitialSetsOwnTwinsStay)
{
    // Two hidden copies of "Optionen" (taken out twice): one unchecked entry.
    CXTPControl* pOptions = bar->GetControls()->FindControl(kOptions);
    pOptions->SetHideFlag(xtpHideCustomize, TRUE);
    bar->GetControls()->AddClone(pOptions, IndexOf(kHelp), FALSE)->SetHideFlag(xtpHideCustomize, TRUE);
    // A command of the user's, hidden and then brought back: one entry.
    Add(xtpControlButton, kAddedCommand, L"Aktualisieren", IndexOf(kLogo))->SetHideFlag(xtpHideCustomize, TRUE);
    Add(xtpControlButton, kAddedCommand, L"Aktualisieren", 0);
    // New menus have no command: each is a control of its own.
    Add(xtpControlPopup, 0, L"Neues Menü", IndexOf(kLogo))->SetHideFlag(xtpHideCustomize, TRUE);
    Add(xtpControlPopup, 0, L"Neues Menü", IndexOf(kLogo))->SetHideFlag(xtpHideCustomize, TRUE);

    EXPECT_EQ((std::vector<std::wstring>{L"Aktualisieren", L"Suche", L"(Optionen)", L"Hilfe", L"(Neues Menü)",
                                         L"(Neues Menü)"}),
              FillListChecks());
    EXPECT_EQ((std::vector<std::wstring>{L"(Optionen)"}), ControlsOf(kOptions));
    EXPECT_EQ((std::vector<std::wstring>{L"Aktualisieren"}), ControlsOf(kAddedCommand));

    // A bar whose initial set holds "Hilfe" twice keeps both, one hidden.
    bar->GetControls()->RemoveAll();
    Add(xtpControlButton, kHelp, L"Hilfe", -1);
    Add(xtpControlButton, kSearch, L"Suche", -1);
    Add(xtpControlButton, kHelp, L"Hilfe", -1);
    bar->GetControls()->CreateInitialControls();
    bar->GetControl(2)->SetHideFlag(xtpHideCustomize, TRUE);
    EXPECT_EQ((std::vector<std::wstring>{L"Hilfe", L"Suche", L"(Hilfe)"}), FillListChecks());
}

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

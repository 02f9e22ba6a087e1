// A menu of the menu bar holding the toolbars list item (0xE800), opened by
// the user: the item becomes the toolbars list, which shows one check entry
// per closeable toolbar; and a menu whose title the pointer rests on shows
// its hidden commands after the delay when short menus are on.
#include <gtest/gtest.h>
#include "commandbars/bars/ToolBarTestSupport.h"
#include "framework/windows/CMenu.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/lists/XTPControlToolbars.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

namespace {

const UINT kFirstCommand = 28600;
const UINT kRareCommand = 28601;

CPoint CentreOf(CXTPControl* pControl)
{
    CRect rc = pControl->GetRect();
    pControl->GetParent()->ClientToScreen(&rc);
    return rc.CenterPoint();
}

bool IsOpen(CXTPCommandBar* pBar)
{
    return pBar && pBar->GetSafeHwnd() && ::IsWindowVisible(pBar->GetSafeHwnd());
}

class MenuFromUser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CToolBarFrame();
        ASSERT_TRUE(frame->CreateFrame(600, 300));
        bars = frame->GetCommandBars();
        bars->GetOptions()->animationType = xtpAnimateNone;
        menuBar = bars->SetMenu(L"Menü", IDR_MAINFRAME);
        ASSERT_NE(nullptr, menuBar);
        standard = bars->Add(L"Standard", xtpBarTop);
        extra = frame->AddHiddenBar();
        fixed = frame->AddFixedBar();
        ASSERT_TRUE(standard && extra && fixed);

        // One title "Ansicht": a command, a rarely used one, the toolbars list.
        HMENU hMenu = ::CreateMenu();
        HMENU hView = ::CreatePopupMenu();
        ::AppendMenuW(hView, MF_STRING, kFirstCommand, L"&Aktualisieren");
        ::AppendMenuW(hView, MF_STRING, kRareCommand, L"&Selten");
        ::AppendMenuW(hView, MF_STRING, XTP_ID_TOOLBARLIST, L"S&ymbolleisten");
        ::AppendMenuW(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hView), L"&Ansicht");
        ASSERT_TRUE(menuBar->LoadMenu(CMenu::FromHandle(hMenu), TRUE));
        ::DestroyMenu(hMenu);
        title = menuBar->GetControl(0);
        ASSERT_NE(nullptr, title);
        frame->Layout();
        ::SetForegroundWindow(frame->GetSafeHwnd());
        testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); });
        testinput::MoveMouseTo(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
        testpump::PumpUntilIdle();
    }
    void TearDown() override
    {
        XTPMouseManager()->EndAllTracking();
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
        testpump::PumpUntilIdle();
    }
    CXTPPopupBar* Menu() const
    {
        return dynamic_cast<CXTPPopupBar*>(static_cast<CXTPControlPopup*>(title)->GetCommandBar());
    }
    // A real click on the title; answers whether its menu opened.
    bool OpenByClick()
    {
        testinput::ClickAt(CentreOf(title));
        return testpump::PumpUntil([&] { return IsOpen(Menu()); });
    }

    CToolBarFrame* frame = nullptr;
    CXTPCommandBars* bars = nullptr;
    CXTPMenuBar* menuBar = nullptr;
    CXTPControl* title = nullptr;
    CXTPToolBar* standard = nullptr;
    CXTPToolBar* extra = nullptr;
    CXTPToolBar* fixed = nullptr;
};

} // namespace

TEST_F(MenuFromUser, TheToolbarsItemListsCloseableBarsAndAnEntryShowsItsBar)
{
    ASSERT_TRUE(OpenByClick());
    CXTPPopupBar* pMenu = Menu();
    CXTPControl* pList = pMenu->GetControl(2);
    ASSERT_TRUE(pList->IsKindOf(RUNTIME_CLASS(CXTPControlToolbars))) << "the menu item is made the list";
    EXPECT_EQ(static_cast<DWORD>(xtpHideGeneric), pList->GetHideFlags() & xtpHideGeneric)
        << "the placeholder hides behind its entries";
    ASSERT_EQ(5, pMenu->GetControlCount()) << "an entry for Standard and Extra, none for the fixed bar";
    CXTPControl* pStandard = pMenu->GetControl(3);
    CXTPControl* pExtra = pMenu->GetControl(4);
    EXPECT_EQ(CString(L"Standard"), pStandard->GetCaption());
    EXPECT_EQ(1, pStandard->GetChecked()) << "shown";
    EXPECT_EQ(CString(L"Extra"), pExtra->GetCaption());
    EXPECT_EQ(0, pExtra->GetChecked()) << "hidden";
    EXPECT_TRUE(pExtra->IsVisible() && !pExtra->GetRect().IsRectEmpty()) << "the entry is laid out in the menu";

    testinput::ClickAt(CentreOf(pExtra));
    EXPECT_TRUE(testpump::PumpUntil([&] { return !!extra->IsVisible() && !IsOpen(Menu()); }))
        << "the clicked entry shows its bar and closes the menu";

    // Opened again, the list is built afresh: Extra is now checked, no entry twice.
    ASSERT_TRUE(OpenByClick());
    ASSERT_EQ(5, Menu()->GetControlCount());
    EXPECT_EQ(1, Menu()->GetControl(4)->GetChecked());
}

TEST_F(MenuFromUser, AMenuWhoseTitleThePointerRestsOnShowsItsHiddenCommandsAfterTheDelay)
{
    bars->GetOptions()->bAlwaysShowFullMenus = FALSE;
    bars->GetOptions()->bShowFullAfterDelay = TRUE;
    bars->HideCommand(kRareCommand);
    ASSERT_TRUE(OpenByClick());
    CXTPControl* pRare = Menu()->GetControl(1);
    ASSERT_EQ(static_cast<int>(kRareCommand), pRare->GetID());
    EXPECT_FALSE(pRare->IsVisible()) << "a short menu hides the rarely used command";
    testpump::PumpFor(3000);
    EXPECT_FALSE(Menu()->IsExpanded()) << "not before the delay";
    EXPECT_TRUE(testpump::PumpUntil([&] { return !!Menu()->IsExpanded(); }, 4000)) << "after about 5 s";
    EXPECT_TRUE(IsOpen(Menu()));
    EXPECT_TRUE(testpump::PumpUntil([&] { return pRare->IsVisible() && !pRare->GetRect().IsRectEmpty(); }));

    // The expansion lasts as long as this tracking: the next opening is short again.
    testinput::SendKey(VK_ESCAPE);
    testinput::SendKey(VK_ESCAPE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return !IsOpen(Menu()) && !menuBar->IsTrackingMode(); }));
    testinput::MoveMouseTo(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
    testpump::PumpUntilIdle();
    ASSERT_TRUE(OpenByClick());
    EXPECT_FALSE(Menu()->IsExpanded());
    EXPECT_FALSE(Menu()->GetControl(1)->IsVisible());
}

TEST_F(MenuFromUser, APointerThatLeftTheTitleForTheMenuExpandsNothing)
{
    bars->GetOptions()->bAlwaysShowFullMenus = FALSE;
    bars->GetOptions()->bShowFullAfterDelay = TRUE;
    bars->HideCommand(kRareCommand);
    ASSERT_TRUE(OpenByClick());
    testinput::MoveMouseTo(CentreOf(Menu()->GetControl(0)));
    ASSERT_TRUE(testpump::PumpUntil([&] { return Menu()->GetSelectedIndex() == 0; }));
    testpump::PumpFor(6000);
    EXPECT_TRUE(IsOpen(Menu()));
    EXPECT_FALSE(Menu()->IsExpanded());
}

TEST(ToolbarsList, MadeForItsIdGoesIntoMenusOnlyAndShowsItselfWhileCustomizing)
{
    CToolBarFrame* frame = new CToolBarFrame();
    ASSERT_TRUE(frame->CreateFrame(600, 300));
    CXTPCommandBars* pCommandBars = frame->GetCommandBars();
    CXTPToolBar* pBar = pCommandBars->Add(L"Standard", xtpBarTop);
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
    CXTPControl* pList = pPopup->GetControls()->Add(xtpControlButton, XTP_ID_TOOLBARLIST);
    ASSERT_TRUE(pList->IsKindOf(RUNTIME_CLASS(CXTPControlToolbars)));
    CXTPControl* pClone = pList->Clone();
    EXPECT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CXTPControlToolbars)));
    pClone->InternalRelease();
    DROPEFFECT effect = DROPEFFECT_NONE;
    EXPECT_TRUE(pList->IsCustomizeDragOverAvail(pPopup, CPoint(0, 0), effect));
    EXPECT_FALSE(pList->IsCustomizeDragOverAvail(pBar, CPoint(0, 0), effect)) << "not onto a toolbar";

    pList->OnCalcDynamicSize(0);
    EXPECT_EQ(2, pPopup->GetControlCount());
    pList->OnCalcDynamicSize(0);
    EXPECT_EQ(2, pPopup->GetControlCount()) << "the old entry goes before the new one comes";
    pCommandBars->SetCustomizeMode(TRUE);
    pList->OnCalcDynamicSize(0);
    EXPECT_EQ(1, pPopup->GetControlCount()) << "customizing: only the placeholder";
    EXPECT_EQ(0u, pList->GetHideFlags());
    pCommandBars->SetCustomizeMode(FALSE);
    pPopup->InternalRelease();
    frame->DestroyWindow();
}

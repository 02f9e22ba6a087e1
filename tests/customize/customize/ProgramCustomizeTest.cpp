// The customize command of a frame built as the program builds its own, run
// as a user meets it: the sheet with the program's pages and categories,
// large icons, selecting a toolbar button by a click, a menu open while the
// page is clicked, and a customized layout in a second process.
#include "customize/customize/CustomizeTestSupport.h"
#include "customize/customize/ProgramFrame.h"

#include "framework/controls/CTabCtrl.h"
#include "support/SecondProcess.h"

#include "resources/AppIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "toolkit/customize/XTPCustomizeToolbarsPage.h"
#include "toolkit/customize/XTPCustomizeToolbarsPageCheckListBox.h"

using namespace custtest;

namespace {

constexpr int kToolbarsPage = 0;
constexpr int kCommandsPage = 1;
constexpr int kKeyboardPage = 2;
constexpr int kOptionsPage = 3;
const wchar_t kSecondProcessVariable[] = L"TAVROLIN_CUSTOMIZE_SECOND_PROCESS";
const wchar_t kOwnBarTitle[] = L"Meine Leiste";

struct ProgramCustomize : testing::Test
{
    CProgramApp app;
    CProgramFrame* pFrame = new CProgramFrame();

    ProgramCustomize()
    {
        CProgramApp::DeleteStored();
        EXPECT_TRUE(pFrame->Open());
        pFrame->RecalcLayout();
        testpump::PumpUntilIdle();
    }
    ~ProgramCustomize() override
    {
        if (::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        CProgramApp::DeleteStored();
    }
    CXTPCommandBars* Bars() { return pFrame->GetCommandBars(); }
    CXTPToolBar* ToolBar() { return pFrame->ToolBar(); }
    // Runs the frame's customize command; the step runs in the open sheet,
    // moved clear of the bars, which finishes afterwards.
    void Customize(std::function<void(CXTPCustomizeSheet&, HWND)> step)
    {
        CDialogScript script({[&](HWND hSheet) {
            ::SetWindowPos(hSheet, nullptr, 300, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testpump::PumpUntilIdle();
            step(*pFrame->Sheet(), hSheet);
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }});
        pFrame->SendMessage(WM_COMMAND, kCustomizeCommand, 0);
        EXPECT_FALSE(script.TimedOut());
    }
    static POINT ScreenCentre(CXTPControl* pControl)
    {
        POINT pt = pControl->GetRect().CenterPoint();
        ::ClientToScreen(pControl->GetParent()->GetSafeHwnd(), &pt);
        return pt;
    }
    // A point of a control, in the picture of the frame window.
    POINT InFramePicture(CXTPControl* pControl, int nLeftFifths)
    {
        const CRect rc = pControl->GetRect();
        POINT pt = {rc.left + rc.Width() * nLeftFifths / 5, rc.CenterPoint().y};
        ::ClientToScreen(pControl->GetParent()->GetSafeHwnd(), &pt);
        CRect rcFrame;
        pFrame->GetWindowRect(&rcFrame);
        return {pt.x - rcFrame.left, pt.y - rcFrame.top};
    }
    static bool Green(COLORREF clr)
    {
        return GetGValue(clr) > GetRValue(clr) + 60 && GetGValue(clr) > GetBValue(clr) + 60;
    }
    CRect ToolBarRect()
    {
        CRect rc;
        ToolBar()->GetWindowRect(&rc);
        pFrame->ScreenToClient(&rc);
        return rc;
    }
};

TEST_F(ProgramCustomize, LargeIconsReLayTheToolbarAtOnce)
{
    const CRect rcBarBefore = ToolBarRect();
    const CRect rcButtonBefore = ToolBar()->GetControl(0)->GetRect();
    CRect rcBarAfter, rcButtonAfter;
    testshot::Image before, after;
    POINT ptRing = {};
    Customize([&](CXTPCustomizeSheet& sheet, HWND) {
        sheet.SetActivePage(kOptionsPage);
        testpump::PumpUntilIdle();
        before = ctltest::ShootWindow(pFrame->GetSafeHwnd(), L"customize_program_small_icons.png");
        HWND hPage = sheet.GetActivePage()->GetSafeHwnd();
        HWND hLargeIcons = ::GetDlgItem(hPage, XTP_IDC_CHECK_LARGEICONS);
        testinput::ClickOn(hLargeIcons, ctltest::CentreOf(hLargeIcons));
        testpump::PumpUntil([&] { return ToolBarRect().Height() > rcBarBefore.Height(); });
        testpump::PumpUntilIdle();
        rcBarAfter = ToolBarRect();
        rcButtonAfter = ToolBar()->GetControl(0)->GetRect();
        // The green ring of the start button, left of its white arrow.
        ptRing = InFramePicture(ToolBar()->GetControl(0), 1);
        after = ctltest::ShootWindow(pFrame->GetSafeHwnd(), L"customize_program_large_icons.png");
    });
    EXPECT_TRUE(Bars()->GetOptions()->bLargeIcons);
    EXPECT_GT(rcBarAfter.Height(), rcBarBefore.Height());
    EXPECT_GT(rcButtonAfter.Height(), rcButtonBefore.Height());
    EXPECT_GT(rcButtonAfter.Width(), rcButtonBefore.Width());
    // The large start button covers what was the view before.
    EXPECT_TRUE(Green(after.Pixel(ptRing.x, ptRing.y)));
    EXPECT_FALSE(Green(before.Pixel(ptRing.x, ptRing.y)));
}

// A click on a toolbar button selects it (drawn framed in black), the view
// stays out of reach, and the context menu's commands act on the button
// clicked.
TEST_F(ProgramCustomize, AClickOnAToolbarButtonSelectsItForTheContextMenu)
{
    CXTPControl* pTicket = ToolBar()->GetControl(2);
    CXTPControl* pFirst = ToolBar()->GetControl(0);
    ASSERT_FALSE(pTicket->GetBeginGroup());
    const int nCount = ToolBar()->GetControlCount();
    CXTPControl* pSelected = nullptr;
    testshot::Image shot;
    CRect rc;
    Customize([&](CXTPCustomizeSheet&, HWND hSheet) {
        testinput::ClickAt(ctltest::CentreOf(pFrame->View()));
        testinput::ClickAt(ScreenCentre(pTicket));
        testpump::PumpUntil([&] { return Bars()->GetDragControl() != nullptr; });
        testpump::PumpUntilIdle();
        pSelected = Bars()->GetDragControl();
        shot = ctltest::Shoot(ToolBar()->GetSafeHwnd(), L"customize_program_selected_button.png");
        rc = pTicket->GetRect();
        ::SendMessageW(hSheet, WM_COMMAND, XTP_ID_CUSTOMIZE_BEGINAGROUP, 0);
    });
    EXPECT_EQ(pTicket, pSelected);
    EXPECT_EQ(0, pFrame->viewClicks);
    EXPECT_EQ(nCount, ToolBar()->GetControlCount()) << "a click without a move keeps the button";
    EXPECT_TRUE(pTicket->GetBeginGroup());
    EXPECT_FALSE(pFirst->GetBeginGroup());
    // The selection frame: two black lines at the button's left edge, none at the first's.
    EXPECT_EQ(RGB(0, 0, 0), shot.Pixel(rc.left, rc.CenterPoint().y));
    EXPECT_EQ(RGB(0, 0, 0), shot.Pixel(rc.left + 1, rc.CenterPoint().y));
    EXPECT_NE(RGB(0, 0, 0), shot.Pixel(pFirst->GetRect().left, pFirst->GetRect().CenterPoint().y));
}

// The commands page is trusted by the bars' mouse handling: a click on it
// leaves a menu open on the menu bar open.
TEST_F(ProgramCustomize, AnOpenMenuSurvivesAClickOnTheCommandsPage)
{
    CXTPControl* pFile = Bars()->GetMenuBar()->GetControl(0);
    bool bOpened = false, bOpenAfter = false;
    Customize([&](CXTPCustomizeSheet& sheet, HWND) {
        sheet.SetActivePage(kCommandsPage);
        testpump::PumpUntilIdle();
        testinput::ClickAt(ScreenCentre(pFile));
        auto open = [&] {
            CXTPCommandBar* pMenu = pFile->GetCommandBar();
            return pMenu != nullptr && pMenu->GetSafeHwnd() != nullptr && pMenu->IsWindowVisible();
        };
        bOpened = testpump::PumpUntil(open);
        testpump::PumpUntilIdle();
        CListBox& categories = sheet.GetCommandsPage()->GetCategoriesList();
        CRect rcItem;
        categories.GetItemRect(1, &rcItem);
        POINT pt = rcItem.CenterPoint();
        categories.ClientToScreen(&pt);
        testinput::ClickOn(categories.GetSafeHwnd(), pt);
        testpump::PumpUntil([&] { return categories.GetCurSel() == 1; });
        testpump::PumpUntilIdle();
        ctltest::ShootWindow(pFrame->GetSafeHwnd(), L"customize_program_menu_open.png");
        bOpenAfter = open();
    });
    EXPECT_TRUE(bOpened);
    EXPECT_TRUE(bOpenAfter);
}

// The sheet lying over part of a floating toolbar: a command dragged from
// the commands page and let go on the sheet stays out of the toolbar behind
// it; let go on the toolbar's uncovered part, it goes in.
TEST_F(ProgramCustomize, ACommandLetGoOnTheSheetNeverReachesAToolbarBehindIt)
{
    CXTPToolBar* pBar = ToolBar();
    ASSERT_TRUE(pBar->SetPosition(xtpBarFloating));
    testpump::PumpUntilIdle();
    const int nBefore = pBar->GetControlCount();
    int nAfterSheetDrop = -1;
    bool bCovered = false, bDroppedOnBar = false;
    Customize([&](CXTPCustomizeSheet& sheet, HWND hSheet) {
        sheet.SetActivePage(kCommandsPage);
        testpump::PumpUntilIdle();
        // The toolbar's left half under the sheet's right edge.
        CRect rcSheet, rcBar;
        ::GetWindowRect(hSheet, &rcSheet);
        pBar->GetWindowRect(&rcBar);
        pBar->SetWindowPos(nullptr, rcSheet.right - rcBar.Width() / 2, rcSheet.top + 120, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::SetWindowPos(hSheet, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        testpump::PumpUntilIdle();
        pBar->GetWindowRect(&rcBar);
        CXTPControl* pFirst = pBar->GetControl(0);
        const int y = ScreenCentre(pFirst).y;
        const POINT ptUnderSheet = {rcSheet.right - 20, y};
        const POINT ptOnBar = {(rcSheet.right + rcBar.right) / 2, y};
        bCovered = rcBar.left < ptUnderSheet.x && ::GetAncestor(::WindowFromPoint(ptUnderSheet), GA_ROOT) == hSheet &&
                   ::WindowFromPoint(ptOnBar) == pBar->GetSafeHwnd();
        if (!bCovered)
            return;
        CXTPCustomizeCommandsPage* pPage = sheet.GetCommandsPage();
        pPage->GetCategoriesList().SetCurSel(0);
        pPage->OnCategoriesSelectionChanged();
        CRect rcItem;
        pPage->GetCommandsList().GetItemRect(0, &rcItem);
        POINT ptItem = rcItem.CenterPoint();
        pPage->GetCommandsList().ClientToScreen(&ptItem);

        testinput::QueueDrag(ptItem, ptUnderSheet);
        testpump::PumpUntilIdle();
        // Past the double-click time: the next press on the item starts a drag again.
        testpump::PumpFor(::GetDoubleClickTime() + 100);
        nAfterSheetDrop = pBar->GetControlCount();
        testinput::QueueDrag(ptItem, ptOnBar);
        bDroppedOnBar = testpump::PumpUntil([&] { return pBar->GetControlCount() > nBefore; });
        testpump::PumpUntilIdle();
        CRect rcShot(rcSheet.left, rcSheet.top, rcBar.right + 10, rcSheet.bottom);
        testshot::Save(testshot::CaptureScreen(rcShot), L"customize_sheet_over_floating_toolbar.png");
    });
    ASSERT_TRUE(bCovered) << "the sheet does not lie over the toolbar's left half";
    EXPECT_EQ(nBefore, nAfterSheetDrop) << "the toolbar behind the sheet took the command";
    EXPECT_TRUE(bDroppedOnBar) << "the toolbar's uncovered part took no command";
    EXPECT_EQ(nBefore + 1, pBar->GetControlCount());
}

std::vector<CString> ListTexts(HWND hList, bool bCombo = false)
{
    std::vector<CString> texts;
    const int nCount = static_cast<int>(::SendMessageW(hList, bCombo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; i++) {
        WCHAR sz[128] = {};
        ::SendMessageW(hList, bCombo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(sz));
        texts.emplace_back(sz);
    }
    return texts;
}

// The sheet as the program's customize command makes it: four pages, the
// menu's categories, all commands, the built-in menus and a new menu.
TEST_F(ProgramCustomize, TheSheetHasTheProgramsPagesAndCategories)
{
    std::vector<CString> tabs, categories, keyboardCategories;
    int nAllCommands = -1, nMenuCommands = 0, nBuiltIn = -1;
    Customize([&](CXTPCustomizeSheet& sheet, HWND) {
        CTabCtrl* pTabs = sheet.GetTabControl();
        for (int i = 0; i < pTabs->GetItemCount(); i++) {
            WCHAR sz[64] = {};
            TCITEMW item = {};
            item.mask = TCIF_TEXT;
            item.pszText = sz;
            item.cchTextMax = 64;
            pTabs->GetItem(i, &item);
            tabs.emplace_back(sz);
        }
        sheet.SetActivePage(kCommandsPage);
        sheet.SetActivePage(kKeyboardPage);
        testpump::PumpUntilIdle();
        CXTPCustomizeCommandsPage* pCommands = sheet.GetCommandsPage();
        categories = ListTexts(pCommands->GetCategoriesList().GetSafeHwnd());
        HWND hKeyboard = sheet.GetPage(kKeyboardPage)->GetSafeHwnd();
        keyboardCategories = ListTexts(::GetDlgItem(hKeyboard, XTP_IDC_COMBO_CATEGORY), true);
        for (int i = 0; i < 3; i++)
            nMenuCommands += pCommands->GetCategoryInfo(i)->pControls->GetCount();
        nAllCommands = pCommands->FindCategory(L"Alle Befehle")->pControls->GetCount();
        nBuiltIn = pCommands->FindCategory(L"Integrierte Menüs")->pControls->GetCount();
    });
    EXPECT_EQ((std::vector<CString>{L"Symbolleisten", L"Befehle", L"&Tastatur", L"Optionen"}), tabs);
    EXPECT_EQ((std::vector<CString>{L"Datei", L"Auswählen", L"Hilfe", L"Alle Befehle", L"Integrierte Menüs",
                                    L"Neues Menü"}),
              categories);
    EXPECT_EQ((std::vector<CString>{L"Datei", L"Auswählen", L"Hilfe"}), keyboardCategories);
    EXPECT_EQ(nMenuCommands, nAllCommands);
    EXPECT_EQ(3, nBuiltIn);
}

int CommandOfShortcut(CXTPShortcutManager* pShortcuts, BYTE fVirt, WORD key)
{
    ACCEL entries[64] = {};
    const int nCount = XTPCopyAccelTable(pShortcuts->GetAcceleratorTable(), entries, 64);
    for (int i = 0; i < nCount; i++)
        if ((entries[i].fVirt & ~FNOINVERT) == fVirt && entries[i].key == key)
            return entries[i].cmd;
    return -1;
}

CXTPToolBar* FindByTitle(CXTPCommandBars* pBars, LPCWSTR lpszTitle)
{
    for (int i = 0; i < pBars->GetCount(); i++)
        if (pBars->GetAt(i)->GetTitle() == lpszTitle)
            return pBars->GetAt(i);
    return nullptr;
}

// What the restart test customized, as a process finds it.
void ExpectCustomized(CProgramFrame* pFrame)
{
    CXTPCommandBars* pBars = pFrame->GetCommandBars();
    CXTPToolBar* pToolBar = pFrame->ToolBar();
    ASSERT_NE(nullptr, pToolBar);
    EXPECT_NE(nullptr, pToolBar->GetControls()->FindControl(ID_REFRESH_STATISTIC)) << "the dragged command";
    EXPECT_EQ(ID_START_SEARCH, CommandOfShortcut(pBars->GetShortcutManager(), FVIRTKEY | FCONTROL, 'K'));
    CXTPToolBar* pOwn = FindByTitle(pBars, kOwnBarTitle);
    ASSERT_NE(nullptr, pOwn) << "the custom bar, renamed";
    EXPECT_FALSE(pOwn->IsBuiltIn());
    EXPECT_FALSE(pOwn->IsVisible());
    EXPECT_EQ(nullptr, FindByTitle(pBars, L"Benutzerdefiniert 1"));
    EXPECT_TRUE(pBars->GetOptions()->bLargeIcons);
}

TEST(ProgramRestart, SecondProcessHasTheCustomizedLayout)
{
    wchar_t flag[8] = L"";
    ASSERT_TRUE(::GetEnvironmentVariableW(kSecondProcessVariable, flag, 8))
        << "runs as the second process of ProgramCustomize.CustomizedLayoutComesBackInANewProcess";
    CProgramApp app;
    auto* pFrame = new CProgramFrame(TRUE);
    ASSERT_TRUE(pFrame->Open());
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();
    ctltest::ShootWindow(pFrame->GetSafeHwnd(), L"customize_program_restarted.png");
    ExpectCustomized(pFrame);
    pFrame->DestroyWindow();
}

// One process customizes through the sheet as a user would and saves as the
// program does; the next process of the program finds it all.
TEST_F(ProgramCustomize, CustomizedLayoutComesBackInANewProcess)
{
    auto click = [](HWND hWnd) { testinput::ClickOn(hWnd, ctltest::CentreOf(hWnd)); };
    Customize(
        [&](CXTPCustomizeSheet& sheet, HWND) {
            // Drag "Statistik aktualisieren" onto the toolbar's free end.
            sheet.SetActivePage(kCommandsPage);
            testpump::PumpUntilIdle();
            CXTPCustomizeCommandsPage* pCommands = sheet.GetCommandsPage();
            CListBox& commands = pCommands->GetCommandsList();
            int nItem = 0;
            while (nItem < commands.GetCount() &&
                   reinterpret_cast<CXTPControl*>(commands.GetItemData(nItem))->GetID() != ID_REFRESH_STATISTIC)
                nItem++;
            CRect rcItem;
            commands.GetItemRect(nItem, &rcItem);
            POINT ptItem = rcItem.CenterPoint();
            commands.ClientToScreen(&ptItem);
            CRect rcBar;
            ToolBar()->GetClientRect(&rcBar);
            POINT ptBar = {rcBar.right - 60, rcBar.CenterPoint().y};
            ToolBar()->ClientToScreen(&ptBar);
            const int nButtons = ToolBar()->GetControlCount();
            testinput::QueueDrag(ptItem, ptBar);
            EXPECT_TRUE(testpump::PumpUntil([&] { return ToolBar()->GetControlCount() > nButtons; }));

            // Ctrl+K for "Suche starten".
            sheet.SetActivePage(kKeyboardPage);
            testpump::PumpUntilIdle();
            HWND hKeyboard = sheet.GetPage(kKeyboardPage)->GetSafeHwnd();
            HWND hCommands = ::GetDlgItem(hKeyboard, XTP_IDC_LBOX_COMMANDS);
            ::SendMessageW(hCommands, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rcItem));
            ptItem = rcItem.CenterPoint();
            ::ClientToScreen(hCommands, &ptItem);
            testinput::ClickOn(hCommands, ptItem);
            testpump::PumpUntil([&] { return ::SendMessageW(hCommands, LB_GETCURSEL, 0, 0) == 1; });
            HWND hCapture = ::GetDlgItem(hKeyboard, XTP_IDC_EDIT_SHORTCUTKEY);
            click(hCapture);
            testpump::PumpUntil([&] { return ::GetFocus() == hCapture; });
            testinput::SendChord({VK_CONTROL, 'K'});
            testpump::PumpUntil([&] { return ::IsWindowEnabled(::GetDlgItem(hKeyboard, XTP_IDC_BUTTON_ASSIGN)); });
            click(::GetDlgItem(hKeyboard, XTP_IDC_BUTTON_ASSIGN));
            EXPECT_TRUE(testpump::PumpUntil([&] {
                return CommandOfShortcut(Bars()->GetShortcutManager(), FVIRTKEY | FCONTROL, 'K') == ID_START_SEARCH;
            }));

            // A new bar, renamed, then hidden by its box.
            sheet.SetActivePage(kToolbarsPage);
            testpump::PumpUntilIdle();
            HWND hToolbars = sheet.GetPage(kToolbarsPage)->GetSafeHwnd();
            const int nBars = Bars()->GetCount();
            {
                ctltest::CModalDriver accept(L"#32770", Press(IDOK));
                click(::GetDlgItem(hToolbars, XTP_IDC_BUTTON_NEW));
                EXPECT_TRUE(testpump::PumpUntil([&] { return Bars()->GetCount() > nBars; }));
            }
            testpump::PumpUntilIdle();
            CXTPCustomizeToolbarsPageCheckListBox& list = sheet.GetToolbarsPage()->GetList();
            const int nOwn = list.GetCount() - 1;
            list.GetItemRect(nOwn, &rcItem);
            POINT ptText = rcItem.CenterPoint();
            list.ClientToScreen(&ptText);
            testinput::ClickOn(list.GetSafeHwnd(), ptText);
            testpump::PumpUntil([&] { return list.GetCurSel() == nOwn; });
            testpump::PumpUntilIdle();
            {
                ctltest::CModalDriver rename(L"#32770", TypeAndPress(XTP_IDC_TOOLBAR_NAME, kOwnBarTitle, IDOK));
                click(::GetDlgItem(hToolbars, XTP_IDC_BUTTON_RENAME));
                EXPECT_TRUE(testpump::PumpUntil([&] { return FindByTitle(Bars(), kOwnBarTitle) != nullptr; }));
            }
            testpump::PumpUntilIdle();
            list.GetItemRect(nOwn, &rcItem);
            POINT ptBox = {rcItem.left + 2 + list.GetCheckSize().cx / 2, rcItem.CenterPoint().y};
            list.ClientToScreen(&ptBox);
            testinput::ClickOn(list.GetSafeHwnd(), ptBox);
            EXPECT_TRUE(testpump::PumpUntil([&] { return !FindByTitle(Bars(), kOwnBarTitle)->IsVisible(); }));

            // Large icons.
            sheet.SetActivePage(kOptionsPage);
            testpump::PumpUntilIdle();
            click(::GetDlgItem(sheet.GetPage(kOptionsPage)->GetSafeHwnd(), XTP_IDC_CHECK_LARGEICONS));
            EXPECT_TRUE(testpump::PumpUntil([&] { return Bars()->GetOptions()->bLargeIcons != FALSE; }));
            testpump::PumpUntilIdle();
        });
    ExpectCustomized(pFrame);
    pFrame->Save();
    pFrame->DestroyWindow();

    const DWORD code = testprocess::RunTestInChild(L"ProgramRestart.SecondProcessHasTheCustomizedLayout",
                                                   kSecondProcessVariable, L"1");
    EXPECT_EQ(0u, code) << "the second process found the customized layout";
}

} // namespace

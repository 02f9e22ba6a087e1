// The customize sheet run modally as the user meets it: customize mode for
// its lifetime, the finish button, one sheet at a time, input outside it
// held back, Alt+letter pages, quitting, and a sheet that cannot open.
#include "customize/customize/CustomizeTestSupport.h"
#include "framework/controls/CTabCtrl.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPCustomizeToolbarsPage.h"

using namespace custtest;

namespace {

struct CustomizeSheet : BarsTest
{
    CustomizeSheet()
    {
        AddBar(pBars, {L"Standard", 100});
        AddBar(pBars, {L"Benutzerdefiniert 1", 0xE800, FALSE});
    }
    POINT ViewPoint() { return ctltest::CentreOf(site.GetView()); }
};

TEST_F(CustomizeSheet, RunsInCustomizeModeHoldsTheViewBackAndEndsByFinish)
{
    CXTPCustomizeSheet sheet(pBars, &site);
    struct Seen
    {
        BOOL okVisible = TRUE, applyVisible = TRUE, finishVisible = FALSE, customizing = FALSE, running = FALSE;
        CString finish;
        INT_PTR second = 0;
        int viewClicks = -1;
    } seen;
    CDialogScript script({[&](HWND hSheet) {
        testpump::PumpUntilIdle();
        ctltest::ShootWindow(hSheet, L"customize_sheet_toolbars.png");
        seen.okVisible = ::IsWindowVisible(::GetDlgItem(hSheet, IDOK));
        // Every change takes effect at once: there is nothing to apply.
        const int nApplyNow = 0x3021;
        seen.applyVisible = ::IsWindowVisible(::GetDlgItem(hSheet, nApplyNow));
        seen.finishVisible = ::IsWindowVisible(::GetDlgItem(hSheet, IDCANCEL));
        seen.finish = WindowText(::GetDlgItem(hSheet, IDCANCEL));
        seen.customizing = pBars->IsCustomizeMode();
        seen.running = CXTPCustomizeSheet::IsRunning();
        CXTPCustomizeSheet second(pBars, &site);
        seen.second = second.DoModal();
        testinput::ClickAt(ViewPoint());
        testpump::PumpUntilIdle();
        seen.viewClicks = site.viewClicks;
        // The user's own click on the finish button.
        testinput::ClickOn(hSheet, ctltest::CentreOf(::GetDlgItem(hSheet, IDCANCEL)));
    }});
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_FALSE(seen.okVisible);
    EXPECT_FALSE(seen.applyVisible) << "an apply button that is never enabled";
    EXPECT_TRUE(seen.finishVisible);
    EXPECT_EQ(CString(L"Fertig stellen"), seen.finish);
    EXPECT_TRUE(seen.customizing);
    EXPECT_TRUE(seen.running);
    EXPECT_EQ(IDCANCEL, seen.second);
    EXPECT_EQ(0, seen.viewClicks);
    EXPECT_FALSE(pBars->IsCustomizeMode());
    EXPECT_FALSE(CXTPCustomizeSheet::IsRunning());
    // The hooks are gone: the view takes clicks again.
    testinput::ClickAt(ViewPoint());
    testpump::PumpUntil([&] { return site.viewClicks > 0; });
    testpump::PumpUntilIdle();
    EXPECT_EQ(1, site.viewClicks);
}

TEST_F(CustomizeSheet, AltAndATabsLetterOpensThatPage)
{
    CXTPCustomizeSheet sheet(pBars, &site);
    CPropertyPage keyboard(XTP_IDD_PAGE_KEYBOARD);
    sheet.AddPage(&keyboard);
    int nActive = -1;
    CDialogScript script({[&](HWND hSheet) {
        testinput::SendChord({VK_MENU, 'T'});
        testpump::PumpUntil([&] { return sheet.GetActiveIndex() == 2; });
        testpump::PumpUntilIdle();
        nActive = sheet.GetActiveIndex();
        ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }});
    sheet.DoModal();
    EXPECT_EQ(2, nActive);
}

TEST_F(CustomizeSheet, QuitEndsTheSheetAndIsPostedAgain)
{
    CXTPCustomizeSheet sheet(pBars, &site);
    CDialogScript script({[](HWND) { ::PostQuitMessage(7); }});
    sheet.DoModal();
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
    EXPECT_FALSE(pBars->IsCustomizeMode());
    EXPECT_FALSE(CXTPCustomizeSheet::IsRunning());
}

TEST_F(CustomizeSheet, ASheetThatCannotOpenLeavesTheFrameUsable)
{
    CXTPCustomizeSheet sheet(pBars, &site);
    sheet.RemovePage(1);
    sheet.RemovePage(0);
    EXPECT_NE(IDOK, sheet.DoModal());
    EXPECT_FALSE(pBars->IsCustomizeMode());
    EXPECT_FALSE(CXTPCustomizeSheet::IsRunning());
    EXPECT_TRUE(::IsWindowEnabled(site.GetSafeHwnd()));
    testinput::ClickAt(ViewPoint());
    testpump::PumpUntil([&] { return site.viewClicks > 0; });
    testpump::PumpUntilIdle();
    EXPECT_EQ(1, site.viewClicks);
}

TEST_F(CustomizeSheet, DraggingFromTheCommandListCopiesOntoTheToolbar)
{
    CXTPToolBar* pBar = pBars->GetAt(0);
    pBar->CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"Bar", WS_CHILD | WS_VISIBLE, 0, 0,
                   400, 28, site.GetSafeHwnd(), nullptr);
    CXTPCustomizeSheet sheet(pBars, &site);
    CXTPCustomizeCommandsPage* pPage = sheet.GetCommandsPage();
    pPage->AddCategories(31900, FALSE);
    pPage->InsertNewMenuCategory(XTP_IDS_NEWMENU);
    CDialogScript script({[&](HWND hSheet) {
        sheet.SetActivePage(1);
        testpump::PumpUntilIdle();
        POINT ptBar = {300, 14};
        pBar->ClientToScreen(&ptBar);
        for (int nCategory : {0, 2}) {
            pPage->GetCategoriesList().SetCurSel(nCategory);
            pPage->OnCategoriesSelectionChanged();
            CRect rcItem;
            pPage->GetCommandsList().GetItemRect(0, &rcItem);
            POINT ptItem = rcItem.CenterPoint();
            pPage->GetCommandsList().ClientToScreen(&ptItem);
            const int nBefore = pBar->GetControlCount();
            testinput::QueueDrag(ptItem, ptBar);
            testpump::PumpUntil([&] { return pBar->GetControlCount() > nBefore; });
            // Past the double-click time: the next press at this place starts a drag again.
            testpump::PumpFor(::GetDoubleClickTime() + 100);
        }
        ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }});
    sheet.DoModal();
    ASSERT_EQ(2, pBar->GetControlCount());
    EXPECT_EQ(100, pBar->GetControl(0)->GetID());
    // A copy: the category keeps its own.
    EXPECT_NE(pPage->GetCategoryInfo(0)->pControls->GetAt(0), pBar->GetControl(0));
    CXTPControl* pMenu = pBar->GetControl(1);
    EXPECT_EQ(xtpControlPopup, pMenu->GetType());
    EXPECT_EQ(CString(L"Neues Menü"), pMenu->GetCaption());
    EXPECT_TRUE(pMenu->GetCommandBar() == nullptr || pMenu->GetCommandBar()->GetControlCount() == 0);
    pBar->DestroyWindow();
}

} // namespace

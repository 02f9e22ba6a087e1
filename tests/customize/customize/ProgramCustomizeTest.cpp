// The customize command of a frame built as the program builds its own, run
// as a user meets it: the sheet with the program's pages and categories,
// large icons, selecting a toolbar button by a click, a menu open while the
// page is clicked, and a customized layout in a second process.
#include "customize/customize/CustomizeTestSupport.h"
#include "customize/customize/ProgramFrame.h"

#include "resources/AppIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

using namespace custtest;

namespace {

constexpr int kCommandsPage = 1;
constexpr int kOptionsPage = 3;

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
    static bool Green(COLORREF clr) { return GetGValue(clr) > GetRValue(clr) + 60 && GetGValue(clr) > GetBValue(clr) + 60; }
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
        testinput::ClickAt(ctltest::CentreOf(::GetDlgItem(hPage, XTP_IDC_CHECK_LARGEICONS)));
        testpump::PumpUntil([&] { return ToolBarRect().Height() > rcBarBefore.Height(); });
        testpump::PumpUntilIdle();
        rcBarAfter = ToolBarRect();
        rcButtonAfter = ToolBar()->GetControl(0)->GetRect();
        // The green ring of the start button, left of its white arrow.
        ptRing = InFramePicture(ToolBar()->GetControl(0), 1);
        after = ctltest::ShootWindow(pFrame->GetSafeHwnd(), L"customize_program_large_icons.png");
    });
    EXPECT_TRUE(Bars()->GetCommandBarsOptions()->bLargeIcons);
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
        testinput::ClickAt(pt);
        testpump::PumpUntil([&] { return categories.GetCurSel() == 1; });
        testpump::PumpUntilIdle();
        ctltest::ShootWindow(pFrame->GetSafeHwnd(), L"customize_program_menu_open.png");
        bOpenAfter = open();
    });
    EXPECT_TRUE(bOpened);
    EXPECT_TRUE(bOpenAfter);
}

} // namespace

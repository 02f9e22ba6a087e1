// The toolbars context menu, opened by a real right click on a toolbar: one
// check entry per closeable listed toolbar, a click shows a hidden bar, a
// quit arriving while it is open stays queued, none while customizing.
#include <gtest/gtest.h>
#include "commandbars/bars/ToolBarTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/lists/XTPControlToolbars.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {

CToolBarFrame* g_frame = nullptr;
// What the timer does once the menu tracks: click an entry, or post a quit.
int g_clickEntry = -1;
bool g_acted = false;
testshot::Image g_menuShot;

void CALLBACK ActOnceOpen(HWND, UINT, UINT_PTR id, DWORD)
{
    CXTPCommandBar* pMenu = g_frame ? g_frame->toolbarsMenu : nullptr;
    if (!pMenu || !pMenu->IsTrackingMode() || !pMenu->IsWindowVisible())
        return;
    testtimer::Kill(id);
    g_acted = true;
    g_menuShot = testshot::CaptureWindow(pMenu->GetSafeHwnd());
    if (g_clickEntry < 0) {
        ::PostQuitMessage(9);
        return;
    }
    CRect rc = pMenu->GetControl(g_clickEntry)->GetRect();
    pMenu->ClientToScreen(&rc);
    testinput::ClickAt(rc.CenterPoint());
}

class ToolbarsMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_frame = frame = new CToolBarFrame();
        ASSERT_TRUE(frame->CreateFrame(600, 300));
        frame->SetForegroundWindow();
        standard = frame->AddProgramToolBar();
        extra = frame->AddHiddenBar();
        fixed = frame->AddFixedBar();
        ASSERT_TRUE(standard && extra && fixed);
        frame->Layout();
        g_acted = false;
    }
    void TearDown() override
    {
        g_frame = nullptr;
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    // A right click on the standard bar's gripper, off its controls.
    void RightClickBar()
    {
        CRect rc;
        standard->GetWindowRect(&rc);
        testinput::ClickAt(CPoint(rc.left + 4, rc.CenterPoint().y), true);
    }
    CToolBarFrame* frame = nullptr;
    CXTPToolBar* standard = nullptr;
    CXTPToolBar* extra = nullptr;
    CXTPToolBar* fixed = nullptr;
};

} // namespace

TEST_F(ToolbarsMenu, RightClickListsCloseableBarsAndAnEntryShowsItsBar)
{
    g_clickEntry = 1;
    testtimer::ThreadTimer timer(10, &ActOnceOpen);
    RightClickBar();
    ASSERT_TRUE(testpump::PumpUntil([&] { return g_acted && !!extra->IsVisible(); }));
    timer.Kill();
    testshot::Save(g_menuShot, L"toolbars_menu.png");
    // Dark strokes in the check column: the shown bar's entry only.
    auto darkInCheckColumn = [](int entryTop, int entryBottom) {
        int n = 0;
        for (int y = entryTop; y < entryBottom; y++)
            for (int x = 2; x < 22; x++)
                n += GetRValue(g_menuShot.Pixel(x, y)) + GetGValue(g_menuShot.Pixel(x, y)) < 120;
        return n;
    };
    int rowHeight = g_menuShot.height / 2;
    EXPECT_GT(darkInCheckColumn(2, rowHeight), 4) << "Standard is checked";
    EXPECT_EQ(0, darkInCheckColumn(rowHeight + 1, g_menuShot.height - 2)) << "Extra is not";
    EXPECT_EQ(1, frame->toolbarsMenuOffers);
    EXPECT_EQ(standard, frame->toolbarsMenuBar) << "the site hears which bar was clicked";
    EXPECT_TRUE(testpump::PumpUntil([&] { return !!extra->IsWindowVisible(); }));
}

TEST(ToolbarsList, EntriesForCloseableListedBarsCheckedWhenShown)
{
    CToolBarFrame* frame = new CToolBarFrame();
    ASSERT_TRUE(frame->CreateFrame(600, 300));
    CXTPCommandBars* pCommandBars = frame->GetCommandBars();
    CXTPToolBar* shown = pCommandBars->Add(L"Standard", xtpBarTop);
    CXTPToolBar* hidden = frame->AddHiddenBar();
    frame->AddFixedBar();
    CXTPToolBar* unlisted = pCommandBars->Add(L"Ungelistet", xtpBarTop);
    unlisted->SetContextMenuPresent(FALSE);
    CXTPPopupBar* pPopup = pCommandBars->CreateToolbarsPopup();
    CXTPControls* pControls = pPopup->GetControls();
    ASSERT_EQ(2, pControls->GetCount());
    struct Case
    {
        const wchar_t* caption;
        int tag;
        int checked;
    } cases[] = {{L"Standard", 0, 1}, {L"Extra", 1, 0}};
    for (int i = 0; i < 2; i++) {
        CXTPControl* pEntry = pControls->GetAt(i);
        EXPECT_EQ(CString(cases[i].caption), pEntry->GetCaption());
        EXPECT_EQ(static_cast<DWORD_PTR>(cases[i].tag), pEntry->GetTag());
        EXPECT_EQ(cases[i].checked, pEntry->GetChecked());
        EXPECT_EQ(XTP_ID_TOOLBARLIST, pEntry->GetID());
        EXPECT_TRUE(pEntry->IsTemporary());
    }
    pControls->GetAt(1)->OnExecute();
    EXPECT_TRUE(hidden->IsVisible());
    pControls->GetAt(0)->OnExecute();
    EXPECT_FALSE(shown->IsVisible());
    pPopup->InternalRelease();
    frame->DestroyWindow();
}

TEST_F(ToolbarsMenu, QuitWhileOpenEndsItAndStaysQueued)
{
    g_clickEntry = -1;
    testtimer::ThreadTimer timer(10, &ActOnceOpen);
    RightClickBar();
    const int nQuit = testpump::PumpUntilQuitTaken();
    timer.Kill();
    EXPECT_TRUE(g_acted);
    EXPECT_EQ(9, nQuit) << "the menu's loop posts the quit again";
}

TEST_F(ToolbarsMenu, NoneWhileCustomizing)
{
    frame->GetCommandBars()->SetCustomizeMode(TRUE);
    frame->GetCommandBars()->ShowToolbarsContextMenu(CPoint(100, 100), standard);
    EXPECT_EQ(0, frame->toolbarsMenuOffers);
    frame->GetCommandBars()->SetCustomizeMode(FALSE);
}

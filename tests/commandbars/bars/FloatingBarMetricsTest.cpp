// Floating bars are pop-ups of their own that the frame's layout does not
// reach: after a change of the system's metrics or colours, or of the look,
// they take the size of their new layout at once, and an open menu closes.
#include <gtest/gtest.h>
#include "ToolBarTestSupport.h"
#include "resources/AppIds.h"
#include "support/ChangedMenuFont.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

using testmetrics::CChangedMenuFont;

namespace {

const DWORD kFloatingLayout = LM_HORZ | LM_MRUWIDTH;

CSize WindowSizeOf(CWnd* pWnd)
{
    return WindowRectOf(pWnd).Size();
}

// A look of the classic theme whose bar font is `height` tall.
CXTPPaintManager* LookWithFont(LONG height)
{
    CXTPPaintManager* pLook = CXTPPaintManager::CreateTheme(xtpThemeOffice2000);
    LOGFONTW lf = {};
    lf.lfHeight = height;
    lf.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
    pLook->SetCommandBarsFontIndirect(&lf, FALSE);
    return pLook;
}

class FloatingBarMetrics : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CXTPPaintManager::SetTheme(xtpThemeOffice2000);
        frame = new CToolBarFrame();
        ASSERT_TRUE(frame->CreateFrame(600, 300));
        CXTPCommandBars* pCommandBars = frame->GetCommandBars();
        pCommandBars->GetOptions()->animationType = xtpAnimateNone;
        menuBar = pCommandBars->SetMenu(L"Menüleiste", IDR_MAINFRAME);
        toolBar = frame->AddProgramToolBar();
        ASSERT_TRUE(menuBar && toolBar);
        frame->RecalcLayout();
        testpump::PumpUntilIdle();
    }
    void TearDown() override
    {
        XTPMouseManager()->EndAllTracking();
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
        testpump::PumpUntilIdle();
    }
    // Both bars floating side by side over the frame.
    void FloatBoth()
    {
        ASSERT_TRUE(toolBar->SetPosition(xtpBarFloating));
        ASSERT_TRUE(menuBar->SetPosition(xtpBarFloating));
        toolBar->SetWindowPos(nullptr, 40, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        menuBar->SetWindowPos(nullptr, 40, 320, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        testpump::PumpUntilIdle();
    }
    // The window holds the bar's layout as it is now, and it has grown.
    static void ExpectLaidOutAndGrown(CXTPToolBar* pBar, CSize szBefore)
    {
        const CSize szWindow = WindowSizeOf(pBar);
        EXPECT_EQ(pBar->CalcDynamicLayout(-1, kFloatingLayout), szWindow) << "the window keeps a stale size";
        EXPECT_GT(szWindow.cx, szBefore.cx) << "the larger font gives no wider bar";
    }

    CToolBarFrame* frame = nullptr;
    CXTPMenuBar* menuBar = nullptr;
    CXTPToolBar* toolBar = nullptr;
};

} // namespace

TEST_F(FloatingBarMetrics, ColourAndSettingChangesResizeAFloatingToolBarAndMenuBarAtOnce)
{
    FloatBoth();
    const CSize szTool = WindowSizeOf(toolBar), szMenu = WindowSizeOf(menuBar);
    for (UINT message : {UINT(WM_SYSCOLORCHANGE), UINT(WM_SETTINGCHANGE)}) {
        SCOPED_TRACE(message == WM_SYSCOLORCHANGE ? "colour change" : "setting change");
        const WPARAM wParam = message == WM_SETTINGCHANGE ? SPI_SETNONCLIENTMETRICS : 0;
        {
            CChangedMenuFont font(-20, false);
            ASSERT_TRUE(font.Changed());
            frame->SendMessage(message, wParam, 0);
            ExpectLaidOutAndGrown(toolBar, szTool);
            ExpectLaidOutAndGrown(menuBar, szMenu);
        }
        // The old font back: so are the old sizes.
        frame->SendMessage(message, wParam, 0);
        EXPECT_EQ(szTool, WindowSizeOf(toolBar));
        EXPECT_EQ(szMenu, WindowSizeOf(menuBar));
    }
}

// Hidden by the user or by the print preview, the bar missed the change:
// it takes its size when it shows again.
TEST_F(FloatingBarMetrics, AHiddenFloatingToolBarShowsWithItsNewSize)
{
    FloatBoth();
    const CSize szTool = WindowSizeOf(toolBar);
    CChangedMenuFont font(-20, false);
    ASSERT_TRUE(font.Changed());

    toolBar->SetVisible(FALSE);
    frame->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    toolBar->SetVisible(TRUE);
    ASSERT_TRUE(::IsWindowVisible(toolBar->GetSafeHwnd()));
    ExpectLaidOutAndGrown(toolBar, szTool);

    frame->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    const CSize szRaised = WindowSizeOf(toolBar);
    toolBar->OnSetPreviewMode(TRUE);
    ASSERT_FALSE(::IsWindowVisible(toolBar->GetSafeHwnd()));
    CXTPPaintManager* pLarger = LookWithFont(-26);
    frame->GetCommandBars()->SetPaintManager(pLarger);
    toolBar->OnSetPreviewMode(FALSE);
    ASSERT_TRUE(::IsWindowVisible(toolBar->GetSafeHwnd()));
    ExpectLaidOutAndGrown(toolBar, szRaised);
    frame->GetCommandBars()->SetPaintManager(nullptr);
}

// A look handed to the manager reaches floating and docked bars alike; one
// handed to a bar reaches that bar.
TEST_F(FloatingBarMetrics, ALookGivenToTheManagerOrToABarLaysTheBarsOutAtOnce)
{
    ASSERT_TRUE(toolBar->SetPosition(xtpBarFloating));
    testpump::PumpUntilIdle();
    const CSize szTool = WindowSizeOf(toolBar), szMenu = WindowSizeOf(menuBar);
    CXTPCommandBars* pCommandBars = frame->GetCommandBars();

    pCommandBars->SetPaintManager(LookWithFont(-22));
    ExpectLaidOutAndGrown(toolBar, szTool);
    EXPECT_GT(WindowSizeOf(menuBar).cy, szMenu.cy) << "the docked menu bar keeps its old height";
    pCommandBars->SetPaintManager(nullptr);
    EXPECT_EQ(szTool, WindowSizeOf(toolBar));
    EXPECT_EQ(szMenu, WindowSizeOf(menuBar));

    toolBar->SetPaintManager(LookWithFont(-22));
    ExpectLaidOutAndGrown(toolBar, szTool);
    toolBar->SetPaintManager(nullptr);
    EXPECT_EQ(szTool, WindowSizeOf(toolBar));
}

// The open menu was laid out with the old font: it goes.
TEST_F(FloatingBarMetrics, AnOpenMenuClosesOnASettingChange)
{
    ::SetForegroundWindow(frame->GetSafeHwnd());
    testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); });
    CXTPControl* pDatei = menuBar->GetControl(0);
    CRect rcTitle = pDatei->GetRect();
    menuBar->ClientToScreen(&rcTitle);
    testinput::ClickAt(rcTitle.CenterPoint());
    CXTPCommandBar* pMenu = static_cast<CXTPControlPopup*>(pDatei)->GetCommandBar();
    ASSERT_TRUE(testpump::PumpUntil([&] { return pMenu && ::IsWindowVisible(pMenu->GetSafeHwnd()); }))
        << "the menu did not open";

    frame->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    testpump::PumpUntilIdle();
    EXPECT_FALSE(::IsWindowVisible(pMenu->GetSafeHwnd()));
    EXPECT_EQ(0, XTPMouseManager()->GetTrackArray().GetSize()) << "a bar still tracks";
}

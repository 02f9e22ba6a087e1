// The frame's bars as a new user meets them: the menu bar over a toolbar
// that fills its row, buttons with icon and caption and the long prompt as
// tooltip, the logo at the row's right end that customizing cannot move,
// and the plain fill of the right side the toolbar can be dragged to.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/AppTestSupport.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"

using namespace barstest;

TEST_F(FrameBars, MenuBarAboveAToolBarAloneInItsRowWithCaptionedButtons)
{
    ShowFrame();
    EXPECT_EQ(::GetMenu(hFrame), nullptr) << "the menu bar replaces the window's own menu";
    ASSERT_NE(MenuBar(), nullptr);
    ASSERT_NE(ToolBar(), nullptr);
    EXPECT_EQ(ToolBar()->GetPosition(), xtpBarTop);

    const CRect rcMenu = WindowRectOf(MenuBar());
    const CRect rcTool = WindowRectOf(ToolBar());
    const CRect rcDock = WindowRectOf(ToolBar()->GetDockBar());
    EXPECT_LE(rcMenu.bottom, rcTool.top) << "a row of its own below the menu bar";
    EXPECT_EQ(rcTool.left, rcDock.left);
    EXPECT_EQ(rcTool.right, rcDock.right) << "the toolbar spans its dock row";

    const struct
    {
        int nID;
        const wchar_t* caption;
    } buttons[] = {
        {ID_START_SEARCH, L"Suche starten"}, {ID_STOP_SEARCH, L"Suche anhalten"},
        {ID_INFO_SINGLE_TICKET, L"Einzel-Ticket"}, {ID_INFO_TST_TICKET, L"TST-Ticket"},
        {ID_OPTIONS, L"Optionen"}, {ID_HELP, L"Hilfe"},
    };
    for (const auto& button : buttons)
    {
        SCOPED_TRACE(button.nID);
        CXTPControl* pButton = ToolBarButton(button.nID);
        ASSERT_NE(pButton, nullptr);
        EXPECT_EQ(pButton->GetStyle(), xtpButtonIconAndCaption);
        EXPECT_EQ(pButton->GetCaption(), CString(button.caption));
        // "Suche anhalten" only while a search runs; the others always.
        const bool bEnabled = button.nID != ID_STOP_SEARCH || pFrame->IsSearching();
        EXPECT_EQ(bEnabled, pButton->GetEnabled() != FALSE) << "a handler of the frame, the view or the application";
        EXPECT_GT(pButton->GetRect().Width(), 32 + 20) << "room for the icon and its caption";
    }
    // Then only the toolbar's own expand button.
    std::vector<int> ids = VisibleIds(ToolBar());
    ids.resize(7);
    EXPECT_EQ(ids, (std::vector<int>{ID_START_SEARCH, ID_STOP_SEARCH, ID_INFO_SINGLE_TICKET, ID_INFO_TST_TICKET,
                                     ID_OPTIONS, ID_HELP, ID_LOGO}));
}

TEST_F(FrameBars, HoveringStartSearchShowsItsPromptAsTooltip)
{
    ShowFrame();
    CXTPControl* pButton = ToolBarButton(ID_START_SEARCH);
    ASSERT_NE(pButton, nullptr);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ScreenRect(pButton).CenterPoint()));
    CXTPToolTipContext* pContext = pFrame->GetCommandBars()->GetToolTipContext();
    EXPECT_EQ(pContext->GetStyle(), xtpToolTipOffice);
    ASSERT_TRUE(testpump::PumpUntil([pContext] {
        CWnd* pTip = pContext->GetToolTip();
        return pTip != nullptr && ::IsWindowVisible(pTip->GetSafeHwnd());
    })) << "no tooltip shown over the button";
    CXTPToolTipContextToolTip* pTip = dynamic_cast<CXTPToolTipContextToolTip*>(pContext->GetToolTip());
    ASSERT_NE(pTip, nullptr);
    EXPECT_EQ(pTip->GetShownText(), CString(L"Startet die Suche nach verfügbaren Tickets"));
    testinput::MoveMouseAndWait(CPoint(5, 900));
}

TEST_F(FrameBars, LogoSitsAtTheRowsRightEndAndStaysThereWhenDraggedInCustomizeMode)
{
    ShowFrame();
    LoadWideLogo();
    CXTPControl* pLogo = ToolBarButton(ID_LOGO);
    ASSERT_NE(pLogo, nullptr);
    EXPECT_EQ(pLogo->GetRect().Size(), CSize(128 + 6, 32 + 6));
    // Right-aligned: up against the toolbar's own expand button, apart from the others.
    CXTPControls* pControls = ToolBar()->GetControls();
    CXTPControl* pExpand = pControls->GetAt(pLogo->GetIndex() + 1);
    ASSERT_NE(pExpand, nullptr);
    EXPECT_LE(pExpand->GetRect().left - pLogo->GetRect().right, 2);
    EXPECT_GT(pLogo->GetRect().left, ToolBarButton(ID_HELP)->GetRect().right + 8);

    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    pCommandBars->SetCustomizeMode(TRUE);
    testpump::PumpUntilIdle();
    const CRect rcBefore = ScreenRect(pLogo);
    // Dragged onto the start of the row: a movable button would go there.
    const CPoint ptTarget = ScreenRect(ToolBarButton(ID_START_SEARCH)).CenterPoint();
    ASSERT_TRUE(testinput::MoveMouseAndWait(rcBefore.CenterPoint()));
    // All of it queued at once: a drag loop that starts reads the rest itself.
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, rcBefore.CenterPoint());
    for (int step = 1; step <= 6; ++step)
        testinput::MoveMouseTo(CPoint(rcBefore.CenterPoint().x + (ptTarget.x - rcBefore.CenterPoint().x) * step / 6,
                                      rcBefore.CenterPoint().y + (ptTarget.y - rcBefore.CenterPoint().y) * step / 6));
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, ptTarget);
    testpump::PumpUntilIdle();
    pCommandBars->SetCustomizeMode(FALSE);
    testpump::PumpUntilIdle();

    ASSERT_EQ(ToolBarButton(ID_LOGO), pLogo);
    EXPECT_EQ(pLogo->GetIndex(), ToolBar()->GetControls()->GetCount() - 2);
    EXPECT_EQ(ScreenRect(pLogo), rcBefore);
    EXPECT_EQ(VisibleIds(ToolBar()).front(), ID_START_SEARCH);
}

TEST_F(FrameBars, WithoutALogoPictureTheLogoTakesNoRoom)
{
    // The test program's folder has no pics\logo.jpg.
    ShowFrame();
    CXTPControl* pLogo = ToolBarButton(ID_LOGO);
    ASSERT_NE(pLogo, nullptr);
    EXPECT_EQ(pFrame->GetLogoBitmap().GetSafeHandle(), nullptr);
    EXPECT_EQ(pLogo->GetRect().Width(), 0);
}

TEST_F(FrameBars, Picture)
{
    ShowFrame();
    LoadWideLogo();
    ::RedrawWindow(hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    testpump::PumpUntilIdle();
    RECT rcWindow;
    ::GetWindowRect(hFrame, &rcWindow);
    HDC hdc = ::GetDC(nullptr);
    const testshot::Image image = testshot::CaptureDC(hdc, rcWindow);
    ::ReleaseDC(nullptr, hdc);
    EXPECT_FALSE(testshot::Save(image, L"app_frame_bars.png").empty());

    auto toImage = [&](CXTPControl* pControl) {
        CRect rc = ScreenRect(pControl);
        rc.OffsetRect(-rcWindow.left, -rcWindow.top);
        return rc;
    };
    // The logo: red on its left half, blue on its right.
    const CRect rcLogo = toImage(ToolBarButton(ID_LOGO));
    const COLORREF left = image.Pixel(rcLogo.left + 3 + 30, rcLogo.CenterPoint().y);
    const COLORREF right = image.Pixel(rcLogo.right - 3 - 30, rcLogo.CenterPoint().y);
    EXPECT_GT(GetRValue(left), 150);
    EXPECT_LT(GetBValue(left), 100);
    EXPECT_GT(GetBValue(right), 150);
    EXPECT_LT(GetRValue(right), 100);
    // A caption beside the icon: dark text in the button's right part.
    const CRect rcStart = toImage(ToolBarButton(ID_START_SEARCH));
    const CRect rcCaption(rcStart.left + 40, rcStart.top, rcStart.right, rcStart.bottom);
    EXPECT_GT(apptest::CountPixels(image, rcCaption, apptest::IsDark), 20);
    // The menu bar's titles.
    CRect rcMenu = WindowRectOf(MenuBar());
    rcMenu.OffsetRect(-rcWindow.left, -rcWindow.top);
    EXPECT_GT(apptest::CountPixels(image, rcMenu, apptest::IsDark), 30);
}

TEST_F(FrameBars, ToolBarDraggedToTheRightFindsItsDockBarInThePlainFillOfThatSide)
{
    ShowFrame();
    auto* pTheme = dynamic_cast<XTPPaintThemes::CXTPOffice2003Theme*>(XTPPaintManager());
    ASSERT_NE(pTheme, nullptr) << "the program's look is a gradient one";
    const COLORREF clrPlain = pTheme->m_grcBar.clrDark.GetColor();
    ASSERT_NE(clrPlain, pTheme->m_grcBar.clrLight.GetColor());

    // By its gripper to the frame's right edge.
    const CRect rcBar = WindowRectOf(ToolBar());
    CRect rcClient;
    ::GetClientRect(hFrame, &rcClient);
    ::MapWindowPoints(hFrame, nullptr, reinterpret_cast<LPPOINT>(&rcClient), 2);
    const POINT gripper = {rcBar.left + 4, rcBar.CenterPoint().y};
    const POINT rightEdge = {rcClient.right - 4, rcClient.CenterPoint().y};
    ASSERT_TRUE(testinput::DragInLoop(hFrame, gripper, {{gripper.x + 30, gripper.y + 30}, rightEdge}));
    testpump::PumpUntilIdle();
    ASSERT_EQ(ToolBar()->GetPosition(), xtpBarRight);
    ::RedrawWindow(hFrame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testpump::PumpUntilIdle();
    EXPECT_FALSE(testshot::Save(testshot::CaptureWindow(hFrame), L"app_toolbar_docked_right.png").empty());

    // The toolbar covers its dock bar; the dock bar printed alone shows the
    // fill it gives its side: plain, where the others run the gradient from
    // its light end.
    for (XTPBarPosition side : {xtpBarRight, xtpBarTop}) {
        SCOPED_TRACE(side);
        CXTPDockBar* pDockBar = pFrame->GetCommandBars()->GetDockBar(side);
        CRect rcDock;
        pDockBar->GetClientRect(&rcDock);
        ASSERT_GT(rcDock.Width(), 10);
        HDC hScreen = ::GetDC(nullptr);
        HDC hdc = ::CreateCompatibleDC(hScreen);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rcDock.Width(), rcDock.Height());
        ::ReleaseDC(nullptr, hScreen);
        HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
        pDockBar->SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(hdc), PRF_CLIENT);
        const testshot::Image printed = testshot::CaptureDC(hdc, rcDock);
        ::SelectObject(hdc, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hdc);
        EXPECT_FALSE(testshot::Save(printed, side == xtpBarRight ? L"app_dockbar_right_printed.png"
                                                                 : L"app_dockbar_top_printed.png")
                         .empty());
        const COLORREF clrLeft = printed.Pixel(0, rcDock.Height() / 2);
        const COLORREF clrRight = printed.Pixel(rcDock.Width() - 1, rcDock.Height() / 2);
        if (side == xtpBarRight) {
            EXPECT_EQ(clrLeft, clrPlain);
            EXPECT_EQ(clrRight, clrPlain);
        } else {
            EXPECT_NE(clrLeft, clrPlain) << "the top one keeps its gradient";
        }
    }
}

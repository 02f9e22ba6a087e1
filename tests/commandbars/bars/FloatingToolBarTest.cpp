// A floating toolbar stays on the work area when it grows, and its caption
// keeps room for its title beside its buttons however few controls it has.
#include <gtest/gtest.h>
#include "ToolBarTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

CRect WorkArea()
{
    CRect rc;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

class FloatingToolBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CToolBarFrame();
        ASSERT_TRUE(frame->CreateFrame(600, 300));
    }
    void TearDown() override
    {
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    CToolBarFrame* frame = nullptr;
};

} // namespace

TEST_F(FloatingToolBar, GrowingToLargeIconsKeepsItOnTheWorkArea)
{
    CXTPToolBar* pBar = frame->AddProgramToolBar();
    ASSERT_NE(nullptr, pBar);
    ASSERT_TRUE(pBar->SetPosition(xtpBarFloating));
    CRect rcWork = WorkArea();
    CRect rc = WindowRectOf(pBar);
    // Against the right and bottom edges of the work area.
    pBar->SetWindowPos(nullptr, rcWork.right - rc.Width() - 4, rcWork.bottom - rc.Height() - 4, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CSize szSmall = WindowRectOf(pBar).Size();

    frame->GetCommandBars()->GetOptions()->bLargeIcons = TRUE;
    pBar->OnRecalcLayout();
    CRect rcLarge = WindowRectOf(pBar);
    ASSERT_GT(rcLarge.Width(), szSmall.cx) << "large icons make the bar grow";
    ASSERT_GT(rcLarge.Height(), szSmall.cy);
    EXPECT_LE(rcLarge.right, rcWork.right) << "moved in rather than hanging off the screen";
    EXPECT_LE(rcLarge.bottom, rcWork.bottom);
    EXPECT_GE(rcLarge.left, rcWork.left);
    EXPECT_GE(rcLarge.top, rcWork.top);
    frame->GetCommandBars()->GetOptions()->bLargeIcons = FALSE;
}

TEST_F(FloatingToolBar, OneButtonLeavesItsCaptionRoomForTheTitleBesideTheButtons)
{
    CXTPPaintManager::SetTheme(xtpThemeOffice2000);
    CXTPToolBar* pBar = frame->GetCommandBars()->Add(L"Bearbeitung", xtpBarTop);
    ASSERT_NE(nullptr, pBar);
    CXTPControl* pButton = pBar->GetControls()->Add(new CXTPControlButton(), 28800);
    pButton->SetCaption(L"B");
    pButton->SetStyle(xtpButtonCaption);
    ASSERT_TRUE(pBar->SetPosition(xtpBarFloating));
    pBar->SetWindowPos(nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    testpump::PumpUntilIdle();

    CXTPControl* pHide = pBar->GetControls()->FindControl(XTP_ID_TOOLBAR_HIDE);
    CXTPControl* pExpand = pBar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(pHide && pExpand);
    ASSERT_TRUE(pHide->IsVisible() && pExpand->IsVisible()) << "both caption buttons have their place";
    CRect rcHide = pHide->GetRect(), rcExpand = pExpand->GetRect();
    CRect rcStrip(3, rcHide.top, rcHide.right, rcHide.bottom);
    CRect rcTitle = pBar->GetCaptionTitleRect(rcStrip);
    EXPECT_EQ(rcExpand.left, rcTitle.right) << "the title ends where the buttons begin";
    EXPECT_GE(rcTitle.Width(), 2 * rcHide.Height()) << "room for more than a letter";

    testshot::Image shot = testshot::CaptureWindow(pBar->GetSafeHwnd());
    testshot::Save(shot, L"floating_one_button.png");
    // The classic caption: white text on the active caption colour.
    COLORREF clrText = ::GetSysColor(COLOR_3DHIGHLIGHT);
    auto textPixels = [&](int left, int right) {
        int n = 0;
        for (int y = rcStrip.top; y < rcStrip.bottom; y++)
            for (int x = left; x < right; x++)
                n += shot.Pixel(x, y) == clrText;
        return n;
    };
    EXPECT_GT(textPixels(rcTitle.left, rcTitle.right), 25) << "the title's letters show left of the buttons";
    EXPECT_EQ(0, textPixels(rcExpand.left - 3, rcExpand.left + 3))
        << "the title ends in an ellipsis before the buttons, no letter runs on under them";
}

// Pictures of the program-shaped toolbar in the classic look: docked in a
// frame too narrow for it (32 x 32 alpha icons, captions, expand button),
// and floating (caption strip, hide button).
#include <gtest/gtest.h>
#include "ToolBarTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

// Pixels of the image inside the rectangle that are not the colour.
int CountOther(const testshot::Image& image, const CRect& rc, COLORREF clr)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            n += image.Pixel(x, y) != clr;
    return n;
}

int CountEqual(const testshot::Image& image, const CRect& rc, COLORREF clr)
{
    return rc.Width() * rc.Height() - CountOther(image, rc, clr);
}

} // namespace

TEST(ToolBarShot, DockedWithExpandButtonAndFloatingWithCaption)
{
    CXTPPaintManager::SetTheme(0);
    auto* frame = new CToolBarFrame();
    ASSERT_TRUE(frame->CreateFrame(420, 200));
    frame->GetCommandBars()->GetOptions()->bShowExpandButtonAlways = FALSE;
    CXTPToolBar* bar = frame->AddProgramToolBar();
    ASSERT_NE(nullptr, bar);
    frame->Layout();
    testpump::PumpPending();
    const COLORREF face = GetSysColor(COLOR_3DFACE);

    testshot::Image docked = testshot::CaptureWindow(frame->GetSafeHwnd());
    testshot::Save(docked, L"toolbar_docked.png");
    CRect rcBar = frame->BarRect(bar);
    CXTPControl* pExpand = bar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(pExpand && pExpand->IsVisible());
    CRect rcExpand = pExpand->GetRect() + rcBar.TopLeft();
    EXPECT_NE(face, docked.Pixel(rcExpand.CenterPoint().x, rcExpand.bottom - 6)) << "the expand arrow";
    CRect rcFirst = bar->GetControl(0)->GetRect() + rcBar.TopLeft();
    CRect rcIcon(rcFirst.left, rcFirst.top, rcFirst.left + 38, rcFirst.bottom);
    CRect rcText(rcFirst.left + 38, rcFirst.top, rcFirst.right, rcFirst.bottom);
    EXPECT_GT(CountOther(docked, rcIcon, face), 200) << "a 32 x 32 icon";
    EXPECT_GT(CountOther(docked, rcText, face), 20) << "the caption beside it";
    EXPECT_EQ(face, docked.Pixel(rcFirst.right - 1, rcFirst.top + 1)) << "a button at rest has no frame";

    ASSERT_TRUE(bar->SetPosition(xtpBarFloating));
    testpump::PumpPending();
    testshot::Image floating = testshot::CaptureWindow(bar->GetSafeHwnd());
    testshot::Save(floating, L"toolbar_floating.png");
    CXTPControl* pHide = bar->GetControls()->FindControl(XTP_ID_TOOLBAR_HIDE);
    ASSERT_TRUE(pHide && pHide->IsVisible());
    CRect rcHide = pHide->GetRect();
    EXPECT_EQ(GetSysColor(COLOR_ACTIVECAPTION), floating.Pixel(rcHide.left - 60, rcHide.top + 1)) << "caption strip";
    EXPECT_GT(CountEqual(floating, rcHide, GetSysColor(COLOR_BTNTEXT)), 8) << "the close glyph's strokes";
    EXPECT_GT(CountOther(floating, CRect(3, rcHide.bottom + 2, 40, rcHide.bottom + 36), face), 200)
        << "the first icon below the caption";
    frame->DestroyWindow();
}

// Large buttons on the program-shaped toolbar docked at the left: they run
// down the bar, each inside it and drawn there.
TEST(ToolBarShot, LargeButtonsDockedAtTheLeftStayInsideTheBar)
{
    CXTPPaintManager::SetTheme(0);
    auto* frame = new CToolBarFrame();
    ASSERT_TRUE(frame->CreateFrame(300, 520));
    frame->GetCommandBars()->GetOptions()->bShowExpandButtonAlways = FALSE;
    CXTPToolBar* bar = frame->AddProgramToolBar(xtpBarLeft);
    ASSERT_NE(nullptr, bar);
    // Icons of 16 pixels make the 32-pixel ones the large ones.
    bar->SetIconSize(CSize(16, 16));
    bar->SetBarStyle(bar->GetBarStyle() | XTP_CBRS_LARGE_BUTTONS);
    frame->Layout();
    testpump::PumpPending();
    const COLORREF face = GetSysColor(COLOR_3DFACE);

    testshot::Image shot = testshot::CaptureWindow(frame->GetSafeHwnd());
    testshot::Save(shot, L"toolbar_large_buttons_left.png");
    CRect rcBar = frame->BarRect(bar);
    EXPECT_GT(rcBar.Height(), rcBar.Width()) << "laid out down the side";
    int nShown = 0;
    CRect rcLast;
    for (int i = 0; i < bar->GetControlCount(); i++) {
        CXTPControl* pControl = bar->GetControl(i);
        if (!pControl->IsVisible() || pControl->GetID() == XTP_ID_TOOLBAR_EXPAND)
            continue;
        nShown++;
        rcLast = pControl->GetRect();
        CRect rc = pControl->GetRect();
        EXPECT_TRUE(rc.left >= 0 && rc.top >= 0 && rc.right <= rcBar.Width() && rc.bottom <= rcBar.Height())
            << "button " << i << " lies outside the bar";
        rc.OffsetRect(rcBar.TopLeft());
        EXPECT_GT(CountOther(shot, rc, face), 100) << "button " << i << " is not drawn";
    }
    EXPECT_GE(nShown, 6);
    EXPECT_GT(rcLast.top, 4 * 32) << "the buttons do not run down the bar";
    frame->DestroyWindow();
}

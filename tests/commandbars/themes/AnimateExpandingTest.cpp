// A short menu expanding: the expanded picture reaches the window in strips,
// the commands it brings growing; the last step shows the picture whole.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPDefaultTheme.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBands[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0)};
const int kBand = 20, kWidth = 60;

} // namespace

TEST(AnimateExpanding, EveryStripOfTheExpandedPictureArrivesInEitherDirection)
{
    auto* pTheme = new XTPPaintThemes::CXTPDefaultTheme();
    pTheme->SetAnimation(3, 0);
    CXTPPopupBar* pBar = CXTPPopupBar::CreatePopupBar(nullptr);
    // Four bands: plain, brought by expanding, plain, hidden (skipped).
    for (int i = 0; i < 4; i++) {
        CXTPControl* pControl = pBar->GetControls()->Add(xtpControlButton, 100 + i);
        pControl->SetRect(CRect(0, i * kBand, kWidth, (i + 1) * kBand));
        pControl->SetRarelyUsed(i == 1);
    }
    pBar->GetControl(3)->SetHideFlags(xtpHideGeneric);
    CTestCanvas picture(kWidth, 4 * kBand, kWhite);
    for (int i = 0; i < 4; i++)
        picture.DC()->FillSolidRect(0, i * kBand, kWidth, kBand, kBands[i]);

    for (BOOL bDown : {TRUE, FALSE}) {
        SCOPED_TRACE(bDown);
        CTestCanvas window(kWidth, 4 * kBand, kWhite);
        pTheme->AnimateExpanding(pBar, window.DC(), picture.DC(), bDown);
        for (int i = 0; i < 3; i++) {
            EXPECT_EQ(kBands[i], window.Pixel(kWidth / 2, i * kBand + 1)) << i;
            EXPECT_EQ(kBands[i], window.Pixel(kWidth / 2, i * kBand + kBand - 2)) << i;
        }
        EXPECT_EQ(kWhite, window.Pixel(kWidth / 2, 3 * kBand + 5)) << "the hidden control's band stays untouched";
    }
    pBar->InternalRelease();
    pTheme->InternalRelease();
}

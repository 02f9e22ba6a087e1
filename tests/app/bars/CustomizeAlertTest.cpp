// An alert that pops up while the customize sheet holds the frame's input
// back answers the user's click as it does without the sheet.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"

#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/popup/XTPPopupControl.h"

using namespace barstest;

TEST_F(FrameBars, AnAlertRaisedDuringCustomizingOpensItsPageOnATitleClick)
{
    COpenedPages pages;
    ShowFrame();
    pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);  // nothing watched yet: only the timer is armed
    frametest::ViewOf(pFrame)->Watch(0, TRUE);
    CAlertPopups& alerts = pFrame->GetAlerts();

    bool bShown = false, bClosed = false;
    CInModal inSheet([&](HWND hSheet) {
        const int offer[4] = {1, 0, 0, 0};
        frametest::FeedResult(pFrame, offer);
        CXTPPopupControl* pPopup = alerts.GetOpenCount() == 1 ? alerts.GetOpenPopup(0) : nullptr;
        bShown = pPopup != nullptr &&
                 testpump::PumpUntil([&] { return pPopup->GetPopupState() == xtpPopupStateShow; });
        if (bShown)
        {
            // On the product name, the title's link.
            const POINT pt = testinput::ClientToScreenPoint(pPopup->GetSafeHwnd(), 60, 24);
            testinput::MoveMouseAndWait(pt);
            testinput::ClickAt(pt);
            bClosed = testpump::PumpUntil([&] { return alerts.GetOpenCount() == 0; });
        }
        ::PostMessageW(hSheet, WM_COMMAND, IDCANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !pFrame->GetCommandBars()->IsCustomizeMode(); }));

    ASSERT_TRUE(bShown) << "no alert showed up";
    EXPECT_TRUE(bClosed) << "the click did not close the alert";
    ASSERT_EQ(COpenedPages::Opened().size(), 1u);
    EXPECT_NE(COpenedPages::Opened()[0].Find(L"doc=ds_einzel1"), -1) << "the offer's page";
}

// While "Anpassen..." runs, the program's toolbar still moves as always: a
// drag on its gripper floats it where the mouse lets go, and its buttons
// stay where they were.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <vector>

using namespace barstest;

namespace {

class CustomizeToolBarDrag : public FrameBars
{
protected:
    // The bar's own buttons that are shown, without those it places itself.
    static std::vector<int> ShownButtons(CXTPToolBar* pBar)
    {
        std::vector<int> ids = VisibleIds(pBar);
        ids.erase(std::remove_if(ids.begin(), ids.end(),
                                 [](int nID) { return nID == XTP_ID_TOOLBAR_EXPAND || nID == XTP_ID_TOOLBAR_HIDE; }),
                  ids.end());
        return ids;
    }
    CXTPCommandBars* Bars() const { return pFrame->GetCommandBars(); }

    // "Anpassen..." as the frame's command, the sheet kept clear of the
    // frame's left half; the step runs while the sheet is open.
    void Customize(const std::function<void()>& step)
    {
        bool bStepRun = false;
        CInModal inSheet([&](HWND hSheet) {
            ::SetWindowPos(hSheet, nullptr, 420, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testpump::PumpUntilIdle();
            if (Bars()->IsCustomizeMode()) {
                step();
                bStepRun = true;
            }
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
        pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
        ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
        ASSERT_TRUE(bStepRun) << "the sheet opened without customize mode";
    }
};

} // namespace

TEST_F(CustomizeToolBarDrag, TheGripperFloatsTheToolBarWhereTheMouseLetsGo)
{
    ShowFrame();
    CXTPToolBar* pToolBar = ToolBar();
    const std::vector<int> buttons = ShownButtons(pToolBar);
    const CRect rcDocked = WindowRectOf(pToolBar);
    const CRect rcView = WindowRectOf(frametest::ViewOf(pFrame));
    const CPoint ptGripper(rcDocked.left + 3, rcDocked.CenterPoint().y);
    const CPoint ptDrop(rcView.left + 90, rcView.CenterPoint().y);

    XTPBarPosition posAfterDrag = xtpBarNone;
    CRect rcFloating;
    Customize([&] {
        testinput::MoveMouseAndWait(ptGripper);
        testinput::QueueDrag(ptGripper, ptDrop, 8);
        testpump::PumpUntil([&] { return pToolBar->GetPosition() == xtpBarFloating; });
        testpump::PumpUntilIdle();
        posAfterDrag = pToolBar->GetPosition();
        rcFloating = WindowRectOf(pToolBar);
    });

    ASSERT_EQ(xtpBarFloating, posAfterDrag) << "the gripper drag did not float the toolbar";
    EXPECT_TRUE(rcFloating.PtInRect(ptDrop)) << "the bar does not lie under the mouse that let it go";
    EXPECT_EQ(nullptr, Bars()->GetDragControl()) << "the drag selected a button";
    EXPECT_EQ(xtpBarFloating, pToolBar->GetPosition()) << "the bar stays where the user left it";
    EXPECT_EQ(buttons, ShownButtons(pToolBar)) << "the drag moved buttons";
}

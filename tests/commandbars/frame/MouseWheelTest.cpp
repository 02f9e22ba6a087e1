// The wheel through the frame's pre-translation: while a bar tracks, the
// wheel is the bar's (its focused control turns it, nothing else gets it);
// otherwise it goes on to the window under the pointer.
#include <gtest/gtest.h>
#include "commandbars/bars/ToolBarTestSupport.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {

class CWheelControl : public CXTPControlButton
{
public:
    BOOL IsFocused() const override { return focused; }
    int OnHookMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/) override
    {
        deltas.push_back(zDelta);
        return 1;
    }
    BOOL focused = FALSE;
    std::vector<short> deltas;
};

} // namespace

TEST(MouseWheel, TrackingBarTakesTheWheelForItsFocusedControl)
{
    auto* frame = new CToolBarFrame();
    ASSERT_TRUE(frame->CreateFrame(500, 300));
    CXTPCommandBars* bars = frame->GetCommandBars();
    CXTPToolBar* pBar = bars->Add(L"Rad", xtpBarTop);
    ASSERT_NE(nullptr, pBar);
    auto* pControl = new CWheelControl();
    pBar->GetControls()->Add(pControl, 700)->SetCaption(L"Rad");
    pBar->OnRecalcLayout();
    frame->Layout();

    struct Case
    {
        const char* what;
        bool tracking;
        BOOL focused;
        BOOL taken;
        size_t turns;
    } cases[] = {
        {"no bar tracks: the wheel goes on", false, TRUE, FALSE, 0},
        {"tracking, focused control: it turns", true, TRUE, TRUE, 1},
        {"tracking, control not focused: swallowed", true, FALSE, TRUE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pControl->deltas.clear();
        pControl->focused = c.focused;
        if (c.tracking) {
            pBar->SetTrackingMode(TRUE, FALSE, TRUE);
            pBar->SetSelected(pControl->GetIndex(), TRUE);
        }
        MSG msg = {frame->GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), MAKELPARAM(100, 100),
                   0, {100, 100}};
        EXPECT_EQ(c.taken, bars->PreTranslateFrameMessage(&msg));
        ASSERT_EQ(c.turns, pControl->deltas.size());
        if (c.turns) {
            EXPECT_EQ(-120, pControl->deltas[0]);
        }
        XTPMouseManager()->EndAllTracking();
    }
    frame->DestroyWindow();
}

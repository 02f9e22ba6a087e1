// The system colours changed while no dialog is open: "Optionen", opened
// again with Ctrl+O, draws its sound button in the new colours, as the
// dialog around it.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "resources/AppIds.h"
#include "support/ChangedSystemColours.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestWindows.h"
#include "toolkit/common/colors/XTPColorManager.h"

using namespace barstest;
using namespace testcolours;

TEST_F(FrameBars, OptionsSoundButtonTakesColoursChangedWhileNoDialogWasOpen)
{
    ShowFrame();
    // Opens "Optionen" with Ctrl+O and runs the action in it before Cancel.
    auto openOptions = [&](const std::function<void(HWND)>& action) {
        CInModal inBox([&](HWND hBox) {
            action(hBox);
            ::PostMessageW(hBox, WM_COMMAND, IDCANCEL, 0);
        });
        ::SetForegroundWindow(hFrame);
        testinput::SendChord({VK_CONTROL, 'O'});
        EXPECT_TRUE(PumpAppUntil([&] { return inBox.HasRun(); })) << "Ctrl+O opened no dialog";
        EXPECT_TRUE(PumpAppUntil([] { return testwindows::FindThreadWindow(L"#32770") == nullptr; }));
    };
    testshot::Image before;
    openOptions([&](HWND hBox) { before = testshot::CaptureWindow(::GetDlgItem(hBox, IDC_PLAY_SOUND)); });
    ASSERT_GT(before.width, 4) << "the first opening showed no sound button";

    testshot::Image button, dialog;
    {
        CChangedSystemColours colours;
        ASSERT_TRUE(colours.IsChanged());
        // The frame heard it and took the colours into the toolkit's.
        EXPECT_TRUE(PumpAppUntil([] { return XTPGetColorManager()->GetColor(COLOR_3DFACE) == kFace; }));
        openOptions([&](HWND hBox) {
            button = testshot::CaptureWindow(::GetDlgItem(hBox, IDC_PLAY_SOUND));
            dialog = testshot::CaptureWindow(hBox);
        });
    }
    testshot::Save(dialog, L"app_options_after_colour_change.png");
    testshot::Save(button, L"app_options_sound_button_after_colour_change.png");
    ASSERT_GT(button.width, 4);
    EXPECT_EQ(kFace, dialog.Pixel(4, 4)) << "the dialog's face";
    // The light edge on the top left, the shadow inside the dark line on the
    // bottom right, the face between.
    EXPECT_NE(kLight, before.Pixel(0, 0));
    EXPECT_EQ(kLight, button.Pixel(0, 0)) << "light edge";
    EXPECT_EQ(kShadow, button.Pixel(button.width - 2, button.height - 2)) << "shadow";
    EXPECT_EQ(kFace, button.Pixel(3, button.height / 2)) << "face";
}

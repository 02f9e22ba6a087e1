// The system colours changed while no dialog is open: "Optionen", opened
// again with Ctrl+O, draws its sound button in the new colours, as the
// dialog around it.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestWindows.h"
#include "toolkit/common/colors/XTPColorManager.h"

using namespace barstest;

namespace {

const COLORREF kFace = RGB(0, 160, 0), kLight = RGB(250, 230, 0), kShadow = RGB(0, 0, 170);
const int kElements[] = {COLOR_3DFACE, COLOR_3DHILIGHT, COLOR_3DSHADOW};
const COLORREF kChanged[] = {kFace, kLight, kShadow};
const int kCount = 3;

// The system colours changed as the control panel changes them, told to
// every top-level window; the earlier ones back when it goes.
class CChangedFaceColours
{
public:
    CChangedFaceColours()
    {
        for (int i = 0; i < kCount; ++i)
            m_saved[i] = ::GetSysColor(kElements[i]);
        m_bChanged = ::SetSysColors(kCount, kElements, kChanged) != FALSE;
    }
    ~CChangedFaceColours()
    {
        if (m_bChanged)
            ::SetSysColors(kCount, kElements, m_saved);
    }
    bool IsChanged() const { return m_bChanged; }

private:
    COLORREF m_saved[kCount];
    bool m_bChanged;
};

} // namespace

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
        CChangedFaceColours colours;
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

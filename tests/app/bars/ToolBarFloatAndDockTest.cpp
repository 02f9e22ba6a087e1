// The frame's toolbar dragged by its gripper off its row and docked again by
// a double click on its caption: it comes back to its own row below the menu
// bar, and the frame's top looks as it did. Floating, it lies under the
// dialogs the frame opens later.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

#include <memory>

using namespace barstest;

namespace {

// The band of both bars as the screen shows it with the pointer away.
testshot::Image ShotOfBars(const CRect& rcBand, const wchar_t* name)
{
    testinput::MoveMouseAndWait(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
    testpump::PumpUntilIdle();
    testshot::Image shot = testshot::CaptureScreen(rcBand);
    testshot::Save(shot, name);
    return shot;
}

// The toolbar dragged by its gripper into the middle of the frame's view.
bool FloatByGripper(CMainFrame* pFrame, CXTPToolBar* pToolBar)
{
    const CRect rcTool = WindowRectOf(pToolBar);
    const CRect rcView = WindowRectOf(frametest::ViewOf(pFrame));
    const CPoint ptGripper(rcTool.left + 3, rcTool.CenterPoint().y);
    if (!testinput::MoveMouseAndWait(ptGripper))
        return false;
    testinput::QueueDrag(ptGripper, CPoint(rcView.left + 120, rcView.CenterPoint().y), 8);
    const bool bFloats = testpump::PumpUntil([&] { return pToolBar->GetPosition() == xtpBarFloating; });
    testpump::PumpUntilIdle();
    return bFloats;
}

// Ends a dialog still open after three seconds with Cancel, so that a click
// that missed its OK button does not leave the test in its modal loop.
class CCancelLater
{
public:
    explicit CCancelLater(HWND hBox)
    {
        s_hBox = hBox;
        s_bFired = false;
        m_nTimer = testtimer::Set(3000, Fire);
    }
    ~CCancelLater() { testtimer::Kill(m_nTimer); }
    static bool Fired() { return s_bFired; }

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        testtimer::Kill(nTimer);
        if (::IsWindow(s_hBox)) {
            s_bFired = true;
            ::PostMessageW(s_hBox, WM_COMMAND, IDCANCEL, 0);
        }
    }
    static inline HWND s_hBox = nullptr;
    static inline bool s_bFired = false;
    UINT_PTR m_nTimer = 0;
};

int CountChangedPixels(const testshot::Image& before, const testshot::Image& after)
{
    int n = 0;
    for (int y = 0; y < after.height; y++)
        for (int x = 0; x < after.width; x++)
            n += before.Pixel(x, y) != after.Pixel(x, y) ? 1 : 0;
    return n;
}

} // namespace

TEST_F(FrameBars, ToolBarDraggedOffAndDockedByADoubleClickComesBackBelowTheMenuBar)
{
    ShowFrame();
    CXTPToolBar* pToolBar = ToolBar();
    CXTPMenuBar* pMenuBar = MenuBar();
    const CRect rcMenu = WindowRectOf(pMenuBar), rcTool = WindowRectOf(pToolBar);
    ASSERT_GE(rcTool.top, rcMenu.bottom) << "the toolbar starts in the row below the menu bar";
    const CRect rcBand(rcMenu.left, rcMenu.top, rcMenu.right, rcTool.bottom);
    const testshot::Image before = ShotOfBars(rcBand, L"app_toolbar_before_floating.png");

    ASSERT_TRUE(FloatByGripper(pFrame, pToolBar)) << "the toolbar did not float";

    // Back by a double click on its caption.
    const CRect rcFloating = WindowRectOf(pToolBar);
    testinput::DoubleClickAt(CPoint(rcFloating.left + 12, rcFloating.top + 8));
    ASSERT_TRUE(testpump::PumpUntil([&] { return pToolBar->GetPosition() == xtpBarTop; }))
        << "the double click did not dock the toolbar";
    pFrame->RecalcLayout();
    testpump::PumpUntilIdle();

    EXPECT_EQ(rcMenu, WindowRectOf(pMenuBar)) << "the menu bar moved";
    EXPECT_EQ(rcTool, WindowRectOf(pToolBar)) << "the toolbar is not back in its own row below the menu bar";
    const testshot::Image after = ShotOfBars(rcBand, L"app_toolbar_docked_again_by_double_click.png");
    ASSERT_EQ(before.width, after.width);
    ASSERT_EQ(before.height, after.height);
    EXPECT_EQ(0, CountChangedPixels(before, after)) << "the frame's top does not look as before";
    // The menu bar's first title and the toolbar's first icon where they were.
    const COLORREF face = ::GetSysColor(COLOR_3DFACE);
    int nMenuText = 0, nToolIcon = 0;
    for (int y = 0; y < rcMenu.Height(); y++)
        for (int x = 8; x < 60; x++)
            nMenuText += after.Pixel(x, y) != face ? 1 : 0;
    for (int y = rcTool.top - rcMenu.top; y < after.height; y++)
        for (int x = 12; x < 44; x++)
            nToolIcon += after.Pixel(x, y) != face ? 1 : 0;
    EXPECT_GT(nMenuText, 20) << "no title in the menu bar's row";
    EXPECT_GT(nToolIcon, 200) << "no icon in the toolbar's row";
}

TEST_F(FrameBars, OptionsOpenedWhileTheToolBarFloatsOverItsOkButtonLieAboveTheToolBar)
{
    ShowFrame();
    CXTPToolBar* pToolBar = ToolBar();
    ASSERT_TRUE(FloatByGripper(pFrame, pToolBar)) << "the toolbar did not float";
    const HWND hBar = pToolBar->GetSafeHwnd();

    // Where "Optionen" shows its OK button; the toolbar is then put over it.
    CRect rcOk;
    const auto openOptions = [&](const std::function<void(HWND)>& inDialog) {
        CInModal inBox(inDialog);
        ::SetForegroundWindow(hFrame);
        testinput::SendChord({VK_CONTROL, 'O'});
        const bool bRan = PumpAppUntil([&] { return inBox.HasRun(); });
        const bool bClosed = PumpAppUntil([] { return testwindows::FindThreadWindow(L"#32770") == nullptr; });
        return bRan && bClosed;
    };
    ASSERT_TRUE(openOptions([&](HWND hBox) {
        ::GetWindowRect(::GetDlgItem(hBox, IDOK), &rcOk);
        ::PostMessageW(hBox, WM_COMMAND, IDCANCEL, 0);
    })) << "Ctrl+O opened no dialog";
    ASSERT_FALSE(rcOk.IsRectEmpty());
    const CRect rcBar = WindowRectOf(pToolBar);
    pToolBar->SetWindowPos(nullptr, rcOk.CenterPoint().x - rcBar.Width() / 2, rcOk.CenterPoint().y - rcBar.Height() / 2,
                           0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    testpump::PumpUntilIdle();
    ASSERT_TRUE(WindowRectOf(pToolBar).PtInRect(rcOk.CenterPoint())) << "the toolbar does not cover OK";
    testinput::MoveMouseAndWait(POINT{::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
    testpump::PumpUntilIdle();
    const testshot::Image barOverOk = testshot::CaptureScreen(rcOk);

    // Opened again, the dialog lies above the toolbar, the screen shows its
    // OK button, and a click there ends it (else Cancel does).
    bool bDialogAbove = false, bBarAboveFrame = false;
    int nChanged = 0;
    std::unique_ptr<CCancelLater> cancelLater;
    ASSERT_TRUE(openOptions([&](HWND hBox) {
        bDialogAbove = testwindows::IsAbove(hBox, hBar);
        bBarAboveFrame = testwindows::IsAbove(hBar, hFrame);
        CRect rcShot;
        rcShot.UnionRect(WindowRectOf(CWnd::FromHandle(hBox)), WindowRectOf(pToolBar));
        testshot::Save(testshot::CaptureScreen(rcShot), L"app_options_over_floating_toolbar.png");
        nChanged = CountChangedPixels(barOverOk, testshot::CaptureScreen(rcOk));
        cancelLater = std::make_unique<CCancelLater>(hBox);
        testinput::ClickAt(rcOk.CenterPoint());
    }));
    EXPECT_FALSE(CCancelLater::Fired()) << "a click on OK did not end Optionen";
    EXPECT_TRUE(bDialogAbove) << "Optionen lies under the floating toolbar";
    EXPECT_TRUE(bBarAboveFrame) << "the floating toolbar lies under the frame";
    EXPECT_GT(nChanged, rcOk.Width() * rcOk.Height() / 4) << "the screen shows the toolbar where OK is";
    EXPECT_TRUE(testwindows::IsAbove(hBar, hFrame)) << "the floating toolbar fell under the frame";
}

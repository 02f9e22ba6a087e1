// The toolbar left floating over the frame's middle when the program ended
// lies above the frame in the next start, from the moment the start-up
// information box is answered: in the z-order and on the screen.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/AppTestSupport.h"
#include "app/shell/TavrolinApp.h"
#include "engine/SettingsStore.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

using namespace barstest;

namespace {

bool IsGrey(COLORREF c)
{
    return GetRValue(c) > 80 && GetRValue(c) < 180 && GetGValue(c) > 80 && GetGValue(c) < 180 &&
           GetBValue(c) > 80 && GetBValue(c) < 180;
}

// The start-up information shows once, and is answered with OK.
class CStartupInfoOn
{
public:
    CStartupInfoOn() : m_bSaved(CSettingsStore::GetInstance().ShowInfo)
    {
        CSettingsStore::GetInstance().ShowInfo = TRUE;
    }
    ~CStartupInfoOn() { CSettingsStore::GetInstance().ShowInfo = m_bSaved; }
    CStartupInfoOn(const CStartupInfoOn&) = delete;
    CStartupInfoOn& operator=(const CStartupInfoOn&) = delete;

private:
    BOOL m_bSaved;
};

} // namespace

TEST_F(FrameBars, AToolBarLeftFloatingOverTheFrameLiesAboveItAfterTheRestart)
{
    ShowFrame();
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    ASSERT_TRUE(ToolBar()->SetPosition(xtpBarFloating));
    const CPoint ptMiddle = rcFrame.CenterPoint();
    ToolBar()->SetWindowPos(nullptr, ptMiddle.x - 200, ptMiddle.y - 30, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    testpump::PumpUntilIdle();

    // Ended by the exit command, which stores the layout.
    pFrame->SendMessage(WM_CLOSE);
    frametest::DispatchAllButQuit();
    ASSERT_FALSE(::IsWindow(hFrame));

    // The next start: the shell command's frame at the same place, shown by
    // the document template and by the application, the box answered.
    pFrame = frametest::CreateFrame();
    ASSERT_NE(pFrame, nullptr);
    hFrame = pFrame->GetSafeHwnd();
    app.m_pMainWnd = pFrame;
    CXTPToolBar* pBar = ToolBar();
    ASSERT_NE(pBar, nullptr);
    ASSERT_EQ(xtpBarFloating, pBar->GetPosition()) << "the stored layout floats the toolbar";
    pFrame->SetWindowPos(nullptr, rcFrame.left, rcFrame.top, rcFrame.Width(), rcFrame.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
    {
        CStartupInfoOn info;
        CInModal answer([](HWND hBox) { ::PostMessageW(hBox, WM_COMMAND, IDOK, 0); });
        pFrame->InitialUpdateFrame(nullptr, TRUE);
        CTavrolinApp::ShowMainWindow(pFrame);
        EXPECT_TRUE(answer.HasRun()) << "no start-up information box";
    }
    testpump::PumpFor(1500);
    testpump::PumpUntilIdle();

    const HWND hBar = pBar->GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hBar));
    EXPECT_TRUE(testwindows::IsAbove(hBar, hFrame)) << "in the z-order";
    CRect rcBar;
    ::GetWindowRect(hBar, &rcBar);
    EXPECT_TRUE(rcBar.PtInRect(ptMiddle)) << "over the frame's middle";

    // On the screen: the bar's grey caption and its buttons' dark captions
    // where the frame's white match list lies under it.
    const testshot::Image shot = testshot::CaptureScreen(rcFrame);
    testshot::Save(shot, L"app_restart_floating_toolbar.png");
    rcBar.OffsetRect(-rcFrame.TopLeft());
    const CRect rcCaption(rcBar.left + 3, rcBar.top + 3, rcBar.right - 30, rcBar.top + 14);
    const CRect rcBody(rcBar.left + 3, rcBar.top + 18, rcBar.right - 3, rcBar.bottom - 3);
    EXPECT_GT(apptest::CountPixels(shot, rcCaption, IsGrey), rcCaption.Width() * rcCaption.Height() / 2)
        << "the screen shows no caption of the toolbar";
    EXPECT_GT(apptest::CountPixels(shot, rcBody, apptest::IsDark), 100) << "the screen shows no buttons";
}

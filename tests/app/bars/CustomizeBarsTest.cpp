// The program's own bars customized as a user does it, by real input in
// the program's frame while "Anpassen..." runs: a click selects a toolbar
// button, a right click opens the customize menu, a drag moves the button
// to another bar, floating bars stay shown and the report view is out of
// reach; and a reset of the toolbar gives back the toolbar a first start
// makes, the logo included.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/controls/LogoControlButton.h"
#include "resources/AppIds.h"
#include "resources/ToolkitCommandBarsIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

#include <commctrl.h>

using namespace barstest;

namespace {

// Counts the left presses a window is handed.
class CPressCounter
{
public:
    explicit CPressCounter(HWND hWnd)
        : m_hWnd(hWnd)
    {
        s_nPresses = 0;
        s_pfnOld = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CPressCounter::Proc)));
    }
    ~CPressCounter()
    {
        if (::IsWindow(m_hWnd))
            ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_pfnOld));
    }
    static int Presses() { return s_nPresses; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_LBUTTONDOWN)
            ++s_nPresses;
        return ::CallWindowProcW(s_pfnOld, hWnd, message, wParam, lParam);
    }
    HWND m_hWnd;
    static WNDPROC s_pfnOld;
    static int s_nPresses;
};
WNDPROC CPressCounter::s_pfnOld = nullptr;
int CPressCounter::s_nPresses = 0;

// Runs once inside the loop of the customize menu that a right click
// opens: notes that it shows, then closes it.
CXTPPopupBar* g_pMenu = nullptr;
bool g_bMenuShown = false;
void CALLBACK CloseMenuOnceShown(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (g_pMenu == nullptr || !g_pMenu->IsTrackingMode() || !::IsWindowVisible(g_pMenu->GetSafeHwnd()))
        return;
    ::KillTimer(nullptr, nTimer);
    g_bMenuShown = true;
    testinput::SendKey(VK_ESCAPE);
}

class CustomizeBars : public FrameBars
{
protected:
    CXTPCommandBars* Bars() const { return pFrame->GetCommandBars(); }

    // A second toolbar, floating clear of the frame's bars and the sheet.
    CXTPToolBar* AddFloatingBar()
    {
        CXTPToolBar* pBar = Bars()->Add(L"Zusatz", xtpBarFloating);
        if (pBar == nullptr)
            return nullptr;
        pBar->GetControls()->Add(xtpControlButton, ID_ABOUT);
        pBar->OnRecalcLayout();
        pBar->SetWindowPos(nullptr, 620, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        testpump::PumpUntilIdle();
        return pBar;
    }

    // "Anpassen..." as the frame's command; the step runs in the open sheet.
    void Customize(const std::function<void(CXTPCustomizeSheet&, HWND)>& step)
    {
        bool bStepRun = false;
        CInModal inSheet([&](HWND hSheet) {
            ::SetWindowPos(hSheet, nullptr, 300, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testpump::PumpUntilIdle();
            CXTPCustomizeSheet* pSheet = DYNAMIC_DOWNCAST(CXTPCustomizeSheet, CWnd::FromHandlePermanent(hSheet));
            if (pSheet != nullptr)
            {
                step(*pSheet, hSheet);
                bStepRun = true;
            }
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
        pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
        ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
        ASSERT_TRUE(bStepRun);
    }

    static bool IsBlack(COLORREF clr) { return clr == RGB(0, 0, 0); }
};

TEST_F(CustomizeBars, WhileAnpassenRunsTheBarsTakeClicksAndDragsAndTheViewDoesNot)
{
    ShowFrame();
    CXTPToolBar* pFloating = AddFloatingBar();
    ASSERT_NE(pFloating, nullptr);
    CXTPControl* pStart = ToolBarButton(ID_START_SEARCH);
    ASSERT_NE(pStart, nullptr);
    CPressCounter viewPresses(frametest::ViewOf(pFrame)->GetSafeHwnd());

    bool bFloatingShown = false, bFrameEnabled = false;
    CXTPControl* pSelected = nullptr;
    CRect rcSelected, rcFrame, rcSheet;
    testshot::Image shot;
    int nViewPresses = -1;
    Customize([&](CXTPCustomizeSheet& sheet, HWND hSheet) {
        bFrameEnabled = ::IsWindowEnabled(hFrame) != FALSE;
        // A click on the report view is refused.
        CRect rcView;
        frametest::ViewOf(pFrame)->GetWindowRect(&rcView);
        testinput::ClickAt(CPoint(rcView.left + 60, rcView.bottom - 40));
        testpump::PumpUntilIdle();
        nViewPresses = CPressCounter::Presses();

        // A click selects the button.
        testinput::ClickAt(ScreenRect(pStart).CenterPoint());
        testpump::PumpUntil([&] { return Bars()->GetDragControl() != nullptr; });
        testpump::PumpUntilIdle();
        pSelected = Bars()->GetDragControl();
        bFloatingShown = ::IsWindowVisible(pFloating->GetSafeHwnd()) != FALSE;
        rcSelected = ScreenRect(pStart);
        pFrame->GetWindowRect(&rcFrame);
        ::GetWindowRect(hSheet, &rcSheet);
        HDC hdc = ::GetDC(nullptr);
        shot = testshot::CaptureDC(hdc, rcFrame);
        ::ReleaseDC(nullptr, hdc);
        testshot::Save(shot, L"app_customize_selected_button.png");
        rcSelected.OffsetRect(-rcFrame.left, -rcFrame.top);

        // A right click opens the customize menu.
        g_pMenu = sheet.GetContextMenu();
        g_bMenuShown = false;
        ::SetTimer(nullptr, 0, 20, CloseMenuOnceShown);
        testinput::ClickAt(ScreenRect(pStart).CenterPoint(), true);
        testpump::PumpUntil([&] { return g_bMenuShown && !g_pMenu->IsTrackingMode(); });
        testpump::PumpUntilIdle();
        g_pMenu = nullptr;

        // A drag moves it onto the floating bar.
        CRect rcTarget;
        pFloating->GetWindowRect(&rcTarget);
        testinput::QueueDrag(ScreenRect(pStart).CenterPoint(), CPoint(rcTarget.right - 6, rcTarget.CenterPoint().y));
        testpump::PumpUntil([&] { return pFloating->GetControls()->FindControl(ID_START_SEARCH) != nullptr; });
        testpump::PumpUntilIdle();
    });

    EXPECT_TRUE(bFrameEnabled) << "the sheet leaves the frame enabled";
    EXPECT_EQ(0, nViewPresses) << "the view is out of reach";
    EXPECT_EQ(pStart, pSelected);
    EXPECT_TRUE(bFloatingShown);
    EXPECT_TRUE(g_bMenuShown) << "the customize menu opens on a right click";
    EXPECT_NE(pFloating->GetControls()->FindControl(ID_START_SEARCH), nullptr);
    EXPECT_EQ(ToolBar()->GetControls()->FindControl(ID_START_SEARCH), nullptr);
    EXPECT_TRUE(::IsWindowVisible(pFloating->GetSafeHwnd()));

    // The picture: the selected button framed in black at its left edge; the
    // sheet over the frame in the button face colour of a dialog.
    ASSERT_GT(shot.width, 0);
    const int y = rcSelected.CenterPoint().y;
    EXPECT_TRUE(IsBlack(shot.Pixel(rcSelected.left, y)));
    EXPECT_TRUE(IsBlack(shot.Pixel(rcSelected.left + 1, y)));
    EXPECT_FALSE(IsBlack(shot.Pixel(rcSelected.left + 4, rcSelected.top + 3)));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), shot.Pixel(rcSheet.left - rcFrame.left + 10, rcSheet.bottom - rcFrame.top - 10));
}

} // namespace

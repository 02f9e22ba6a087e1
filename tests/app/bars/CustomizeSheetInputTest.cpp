// While "Anpassen..." runs, the program's frame takes no input but on its
// bars, also when a window manager has made the frame the active window
// (it does so on the very press the sheet refuses): the games list's check
// box, its rows, the wheel, the tabs and keys with the focus left in the
// list all stay as they were, while the toolbar still takes the click that
// selects a button for customizing.

#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "app/frame/ProgramFrameTest.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/customize/XTPCustomizeSheet.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"
#include "toolkit/tabs/XTPTabManagerItem.h"

#include <functional>
#include <string>

namespace {

// Counts the presses and key downs one window is handed.
class CInputCounter
{
public:
    explicit CInputCounter(HWND hWnd)
        : m_hWnd(hWnd)
    {
        s_nCount = 0;
        s_pfnOld = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CInputCounter::Proc)));
    }
    ~CInputCounter()
    {
        if (::IsWindow(m_hWnd))
            ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_pfnOld));
    }
    static int Count() { return s_nCount; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_LBUTTONDOWN || message == WM_KEYDOWN)
            ++s_nCount;
        return ::CallWindowProcW(s_pfnOld, hWnd, message, wParam, lParam);
    }
    HWND m_hWnd;
    static WNDPROC s_pfnOld;
    static int s_nCount;
};
WNDPROC CInputCounter::s_pfnOld = nullptr;
int CInputCounter::s_nCount = 0;

// What the user could change in the view: a change shows the input got in.
struct ViewState
{
    BOOL bRow1Watched;
    int nFocusedRow;
    int nTopRow;
    int nTab;
    bool operator==(const ViewState& o) const
    {
        return bRow1Watched == o.bRow1Watched && nFocusedRow == o.nFocusedRow && nTopRow == o.nTopRow &&
               nTab == o.nTab;
    }
};

class CustomizeSheetInput : public CProgramFrameTest
{
protected:
    CustomizeSheetInput()
        : CProgramFrameTest(L"SheetInputTestApp", L"TavrolinSheetInputTest", L"tavrolin_sheetinput")
    {
    }

    void SetUp() override
    {
        SetUpShownFrame(760, 560);
        if (HasFatalFailure())
            return;
        hFrame = pFrame->GetSafeHwnd();
        ::SetForegroundWindow(hFrame);
        testpump::PumpUntilIdle();
        Games().SetFocus();
        testpump::PumpUntilIdle();
        ASSERT_GT(Games().GetRows()->GetCount(), 40);
    }

    void TearDown() override
    {
        testinput::MoveMouseAndWait({5, 5});
        CProgramFrameTest::TearDown();
    }

    CXTPReportControl& Games() { return pView->m_wndReportGames; }

    ViewState State()
    {
        CXTPReportRow* pFocused = Games().GetFocusedRow();
        CXTPReportRecordItem* pCheck = Games().GetRows()->GetAt(1)->GetRecord()->GetItem(0);
        return {pCheck->IsChecked(), pFocused != nullptr ? pFocused->GetIndex() : -1, Games().GetTopRowIndex(),
                pView->m_wndTabControl.GetCurSel()};
    }

    // Row 1's "Überwachen" check box, or the middle of a row's number cell.
    POINT CheckBoxOfRow1()
    {
        CXTPReportRow* pRow = Games().GetRows()->GetAt(1);
        const CRect rc = pRow->GetItemRect(pRow->GetRecord()->GetItem(0));
        return testinput::ClientToScreenPoint(Games().GetSafeHwnd(), rc.left + 8, rc.CenterPoint().y);
    }
    POINT RowCell(int nRow)
    {
        CXTPReportRow* pRow = Games().GetRows()->GetAt(nRow);
        const CRect rc = pRow->GetItemRect(pRow->GetRecord()->GetItem(1));
        return testinput::ClientToScreenPoint(Games().GetSafeHwnd(), rc.CenterPoint().x, rc.CenterPoint().y);
    }
    POINT StatisticTab()
    {
        const CRect rc = pView->m_wndTabControl.GetItem(1)->GetRect();
        return testinput::ClientToScreenPoint(pView->m_wndTabControl.GetSafeHwnd(), rc.CenterPoint().x,
                                              rc.CenterPoint().y);
    }

    // What a window manager does on a press in the frame: the frame becomes
    // the active window, the focus back in the games list.
    void FrameToFront()
    {
        ::SetForegroundWindow(hFrame);
        Games().SetFocus();
        testpump::PumpUntil([&] { return ::GetActiveWindow() == hFrame && ::GetFocus() == Games().GetSafeHwnd(); });
    }

    static void Wheel(POINT pt)
    {
        testinput::MoveMouseAndWait(pt);
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        input.mi.mouseData = static_cast<DWORD>(-3 * WHEEL_DELTA);
        ::SendInput(1, &input, sizeof(INPUT));
    }

    HWND hFrame = nullptr;
    frametest::CPollSettings settings{60};
};

} // namespace

TEST_F(CustomizeSheetInput, WithTheFrameActiveTheViewStaysOutOfReachAndTheToolbarIsCustomized)
{
    struct Road
    {
        const char* name;
        std::function<void()> input;
        bool bPress;
    };
    const Road roads[] = {
        {"keys with the focus in the games list", [] { testinput::SendKeys({VK_DOWN, VK_DOWN, VK_NEXT}); }, false},
        {"the check box of row 1", [this] { testinput::ClickAt(CheckBoxOfRow1()); }, true},
        {"a click on row 3", [this] { testinput::ClickAt(RowCell(3)); }, true},
        {"a double click on row 4", [this] { testinput::DoubleClickAt(RowCell(4)); }, true},
        {"the wheel over the list", [this] { Wheel(RowCell(6)); }, false},
        {"the tab \"Online Statistik\"", [this] { testinput::ClickAt(StatisticTab()); }, true},
    };

    // The same input with no sheet open changes the view: it reaches it.
    for (const Road& road : roads) {
        FrameToFront();
        const ViewState before = State();
        road.input();
        testpump::PumpUntil([&] { return !(State() == before); }, 3000);
        EXPECT_FALSE(State() == before) << road.name << " reaches the view without the sheet";
        testpump::PumpUntilIdle();
    }
    pView->m_wndTabControl.SetCurSel(0);
    testpump::PumpUntilIdle();

    CXTPControl* pStart = pFrame->GetStandardToolBar()->GetControls()->FindControl(ID_START_SEARCH);
    ASSERT_NE(pStart, nullptr);
    std::string reached;
    bool bSheetActiveAgain = true, bSelected = false;
    barstest::CInModal inSheet([&](HWND hSheet) {
        ::SetWindowPos(hSheet, nullptr, 420, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        testpump::PumpUntilIdle();
        for (const Road& road : roads) {
            FrameToFront();
            const ViewState before = State();
            road.input();
            testpump::PumpFor(300);
            if (!(State() == before))
                reached += std::string(road.name) + "; ";
            // A refused press hands the keyboard back to the sheet.
            if (road.bPress && ::GetActiveWindow() != hSheet)
                bSheetActiveAgain = false;
        }
        // The toolbar, in the same frame, still takes the press.
        FrameToFront();
        CRect rc = pStart->GetRect();
        pFrame->GetStandardToolBar()->ClientToScreen(&rc);
        testinput::ClickAt(rc.CenterPoint());
        bSelected = testpump::PumpUntil([&] { return pFrame->GetCommandBars()->GetDragControl() == pStart; });
        ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(frametest::PumpAppUntil(app, [&] {
        return inSheet.HasRun() && !pFrame->GetCommandBars()->IsCustomizeMode();
    }));

    EXPECT_EQ("", reached) << "input that reached the view while the sheet ran";
    EXPECT_TRUE(bSheetActiveAgain) << "a refused press gives the sheet the keyboard back";
    EXPECT_TRUE(bSelected) << "a click on the toolbar selects its button";
}

TEST_F(CustomizeSheetInput, AFloatingPaneOfTheFrameIsOutOfReachToo)
{
    CXTPDockingPaneManager& panes = pFrame->GetPaneManager();
    CXTPDockingPane* pPane = panes.FindPane(IDP_TICKETS);
    ASSERT_NE(pPane, nullptr);
    panes.ShowPane(IDP_TICKETS, FALSE);
    panes.FloatPane(pPane, CRect(120, 600, 520, 840));
    testpump::PumpUntilIdle();
    CWnd* pPaneFrame = pPane->GetParentFrame();
    ASSERT_TRUE(pPaneFrame != nullptr && pPaneFrame != static_cast<CWnd*>(pFrame));
    const HWND hPaneFrame = pPaneFrame->GetSafeHwnd();
    CRect rcPane;
    pPaneFrame->GetWindowRect(&rcPane);
    const POINT ptInside = {rcPane.CenterPoint().x, rcPane.bottom - 40};
    const HWND hInside = ::WindowFromPoint(ptInside);
    ASSERT_TRUE(hInside != nullptr && ::GetAncestor(hInside, GA_ROOT) == hPaneFrame);

    // As a window manager does it: the pane's window active, the focus in it.
    auto paneToFront = [&] {
        ::SetForegroundWindow(hPaneFrame);
        ::SetFocus(hInside);
        testpump::PumpUntil([&] { return ::GetActiveWindow() == hPaneFrame && ::GetFocus() == hInside; });
    };
    CInputCounter counter(hInside);
    paneToFront();
    testinput::ClickAt(ptInside);
    testinput::SendKey(VK_DOWN);
    testpump::PumpUntil([] { return CInputCounter::Count() == 2; });
    ASSERT_EQ(2, CInputCounter::Count()) << "the press and the key reach the pane without the sheet";

    int nWhileSheet = -1;
    barstest::CInModal inSheet([&](HWND hSheet) {
        ::SetWindowPos(hSheet, nullptr, 420, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        testpump::PumpUntilIdle();
        const int nBefore = CInputCounter::Count();
        paneToFront();
        testinput::SendKey(VK_DOWN);
        testpump::PumpFor(300);
        paneToFront();
        testinput::ClickAt(ptInside);
        testpump::PumpFor(300);
        nWhileSheet = CInputCounter::Count() - nBefore;
        ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    ASSERT_TRUE(frametest::PumpAppUntil(app, [&] {
        return inSheet.HasRun() && !pFrame->GetCommandBars()->IsCustomizeMode();
    }));
    EXPECT_EQ(0, nWhileSheet) << "presses and keys that reached the floating pane while the sheet ran";
}

// A tip on screen over the program's frame goes when a dialog or the
// customize sheet opens over it, or when the pointer moves on into a
// window of someone else: the games list's header tip, the list's own tip
// of a cut cell and a toolbar button's tip.
#include <gtest/gtest.h>

#include <functional>

#include "ProgramFrameTest.h"
#include "app/dialogs/DialogTestSupport.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/ThreadJoin.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"

namespace {

bool IsShown(HWND hWnd)
{
    return hWnd != nullptr && ::IsWindowVisible(hWnd);
}

// A window of another thread, as another program's would be: this
// thread's hooks see no input that goes to it.
DWORD WINAPI RunOtherWindow(LPVOID pParam)
{
    const RECT& rc = *static_cast<const RECT*>(pParam);
    HWND hWnd = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"anderes Programm", WS_POPUP | WS_BORDER, rc.left, rc.top,
                                  rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, nullptr, nullptr);
    ::ShowWindow(hWnd, SW_SHOWNA);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&msg);
    ::DestroyWindow(hWnd);
    return 0;
}

// Whether the window still waits to learn that the pointer left it. Over
// another program's window the system finds that out only by polling
// (every hover time, 400 ms here), not on the move.
bool LeaveTracked(HWND hWnd)
{
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_QUERY, nullptr, 0};
    return ::TrackMouseEvent(&tme) && tme.hwndTrack == hWnd && (tme.dwFlags & TME_LEAVE) != 0;
}

HWND TipWindowOf(CXTPToolTipContext* pContext)
{
    CWnd* pTip = pContext->GetToolTip();
    return pTip != nullptr ? pTip->GetSafeHwnd() : nullptr;
}

struct Tip
{
    const char* name;
    std::function<POINT()> point;  // where the pointer rests for it
    std::function<HWND()> window;
    bool bDelayed;  // it shows a while after the pointer came to rest
};

class TipsUnderDialogs : public CProgramFrameTest
{
protected:
    TipsUnderDialogs()
        : CProgramFrameTest(L"TipsTestApp", L"TavrolinTipsTest", L"tavrolin_tips")
    {
    }

    void SetUp() override
    {
        SetUpFrameInFront();
        if (HasFatalFailure())
            return;
        // A narrow column of the games list: its captions are cut.
        CXTPReportControl& games = Games();
        ASSERT_GT(games.GetRows()->GetCount(), 0);
        pCutColumn = games.GetColumns()->GetAt(games.GetColumns()->GetCount() - 1);
        ASSERT_NE(pCutColumn, nullptr);
        pCutColumn->SetWidth(24);
        games.GetReportHeader()->OnColumnsChanged();
        games.UpdateWindow();
    }

    void TearDown() override
    {
        testinput::MoveMouseAndWait({5, 5});
        CProgramFrameTest::TearDown();
    }

    CXTPReportControl& Games() { return pView->m_wndReportGames; }

    static POINT OnScreen(CWnd* pWnd, CPoint pt)
    {
        pWnd->ClientToScreen(&pt);
        return pt;
    }

    Tip HeaderTip(const char* name, CXTPReportControl& report)
    {
        return {name, [&report] { return OnScreen(&report, report.GetColumns()->GetAt(0)->GetRect().CenterPoint()); },
                [&report] { return TipWindowOf(report.GetToolTipContext()); }, true};
    }
    Tip HeaderTip() { return HeaderTip("header", Games()); }
    Tip CellTip()
    {
        return {"cut cell",
                [this] {
                    CXTPReportRow* pRow = Games().GetRows()->GetAt(0);
                    const CRect rc = pRow->GetItemRect(pRow->GetRecord()->GetItem(pCutColumn));
                    return OnScreen(&Games(), CPoint(rc.left + 6, rc.CenterPoint().y));
                },
                [this] { return Games().m_wndTip.GetSafeHwnd(); }, false};
    }
    Tip ToolBarTip()
    {
        return {"toolbar",
                [this] {
                    CXTPToolBar* pBar = pFrame->GetStandardToolBar();
                    return OnScreen(pBar, pBar->GetControls()->FindControl(ID_INFO_SINGLE_TICKET)->GetRect().CenterPoint());
                },
                [this] { return TipWindowOf(pFrame->GetCommandBars()->GetToolTipContext()); }, true};
    }
    HWND FloatTicketPane()
    {
        CXTPDockingPaneManager& panes = pFrame->GetPaneManager();
        panes.ShowPane(IDP_TICKETS, FALSE);
        CXTPDockingPane* pPane = panes.FindPane(IDP_TICKETS);
        if (pPane == nullptr)
            return nullptr;
        panes.FloatPane(pPane, CRect(300, 560, 700, 800));
        testpump::PumpUntilIdle();
        CWnd* pPaneFrame = pPane->GetParentFrame();
        return pPaneFrame != nullptr && pPaneFrame != static_cast<CWnd*>(pFrame) ? pPaneFrame->GetSafeHwnd() : nullptr;
    }

    // The pointer comes to rest on the tip's place until the tip shows, or
    // (!bWait) only until the tip's delay runs.
    bool ShowTip(const Tip& tip, bool bWait = true)
    {
        testinput::MoveMouseAndWait({5, 5});
        // Away for good: the list forgets its cell only once told the
        // pointer left, so a quick return would find that cell remembered.
        const HWND hGames = Games().GetSafeHwnd();
        EXPECT_TRUE(frametest::PumpAppUntil(app, [&] { return !LeaveTracked(hGames); }))
            << "the list learns that the pointer left";
        PumpAppFor(300);
        const POINT pt = tip.point();
        // Through the application's pump: the tips learn of the moves in
        // its pre-translation.
        testinput::MoveMouseTo({pt.x - 2, pt.y});
        PumpAppFor(100);
        testinput::MoveMouseTo(pt);
        if (!bWait)
        {
            PumpAppFor(100);  // moved: the tip's delay runs
            return !IsShown(tip.window());
        }
        return frametest::PumpAppUntil(app, [&] { return IsShown(tip.window()); });
    }

    // Whether the tip shows in the dialog the command opens, once a tip due
    // would have come up.
    bool ShownUnder(const Tip& tip, UINT nCommand)
    {
        bool bShown = true;
        dlgtest::CModalScript script({dlgtest::Then(
            [&](HWND) {
                testpump::PumpFor(800);
                bShown = IsShown(tip.window());
            },
            IDCANCEL)});
        pFrame->PostMessage(WM_COMMAND, nCommand);
        EXPECT_TRUE(frametest::PumpAppUntil(app, [&] { return script.StepsRun() == 1; }));
        return bShown;
    }

    // The application's pump (its pre-translation feeds the tips) for a while.
    void PumpAppFor(DWORD nMs)
    {
        const DWORD nStart = ::GetTickCount();
        frametest::PumpAppUntil(app, [&] { return ::GetTickCount() - nStart >= nMs; });
    }

    CXTPReportColumn* pCutColumn = nullptr;
    frametest::CPollSettings settings{60};
};

} // namespace

TEST_F(TipsUnderDialogs, ATipShownOrDueGoesWhenADialogOrTheCustomizeSheetOpens)
{
    const struct
    {
        const char* name;
        UINT command;
    } openers[] = {{"Anpassen", ID_CUSTOMIZE}, {"Optionen", ID_OPTIONS}};
    for (const Tip& tip : {HeaderTip(), CellTip(), ToolBarTip()})
        for (bool bShown : {true, false})
            for (const auto& opener : openers)
            {
                if (!bShown && !tip.bDelayed)
                    continue;
                SCOPED_TRACE(std::string(tip.name) + (bShown ? " shown" : " due") + " under " + opener.name);
                ASSERT_TRUE(ShowTip(tip, bShown)) << "it shows again after the last dialog";
                EXPECT_FALSE(ShownUnder(tip, opener.command));
            }
}

TEST_F(TipsUnderDialogs, ATipOfAFloatingPaneGoesWhenTheCustomizeSheetOpens)
{
    const HWND hPaneFrame = FloatTicketPane();
    ASSERT_NE(hPaneFrame, nullptr);
    const Tip tip = HeaderTip("floating pane's header", pFrame->GetTicketReport());
    ASSERT_TRUE(ShowTip(tip));
    ASSERT_EQ(hPaneFrame, ::GetWindow(tip.window(), GW_OWNER)) << "the tip belongs to the pane's frame";
    EXPECT_FALSE(ShownUnder(tip, ID_CUSTOMIZE));
}

TEST_F(TipsUnderDialogs, ATipGoesWhenThePointerMovesIntoAnotherProgramsWindow)
{
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    const CRect rcOther(rcFrame.right + 20, rcFrame.top, rcFrame.right + 220, rcFrame.top + 200);
    DWORD nThread = 0;
    const HANDLE hThread = ::CreateThread(nullptr, 0, RunOtherWindow, (LPVOID)&rcOther, 0, &nThread);
    ASSERT_NE(hThread, nullptr);
    for (const Tip& tip : {HeaderTip(), CellTip(), ToolBarTip()})
    {
        SCOPED_TRACE(tip.name);
        if (!ShowTip(tip))
        {
            ADD_FAILURE() << "no tip";  // the other thread still has to end
            continue;
        }
        testinput::MoveMouseTo(rcOther.CenterPoint());
        // Well before a tip would leave by itself.
        const DWORD nStart = ::GetTickCount();
        frametest::PumpAppUntil(app, [&] { return !IsShown(tip.window()) || ::GetTickCount() - nStart >= 1000; });
        EXPECT_FALSE(IsShown(tip.window()));
    }
    while (!::PostThreadMessageW(nThread, WM_QUIT, 0, 0) && ::WaitForSingleObject(hThread, 10) == WAIT_TIMEOUT)
    {
    }
    testthread::JoinAndClose(hThread, testpump::kDeadline);
}

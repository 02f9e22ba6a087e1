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
class COtherThreadWindow
{
public:
    explicit COtherThreadWindow(const RECT& rc)
        : m_rc(rc)
    {
        m_hReady = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_hThread = ::CreateThread(nullptr, 0, Run, this, 0, &m_nThread);
        ::WaitForSingleObject(m_hReady, testpump::kDeadline);
    }
    ~COtherThreadWindow()
    {
        ::PostThreadMessageW(m_nThread, WM_QUIT, 0, 0);
        ::WaitForSingleObject(m_hThread, testpump::kDeadline);
        ::CloseHandle(m_hThread);
        ::CloseHandle(m_hReady);
    }
    HWND GetHwnd() const { return m_hWnd; }

private:
    static DWORD WINAPI Run(LPVOID pParam)
    {
        COtherThreadWindow* pThis = static_cast<COtherThreadWindow*>(pParam);
        pThis->m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"anderes Programm", WS_POPUP | WS_BORDER,
                                          pThis->m_rc.left, pThis->m_rc.top, pThis->m_rc.right - pThis->m_rc.left,
                                          pThis->m_rc.bottom - pThis->m_rc.top, nullptr, nullptr, nullptr, nullptr);
        ::ShowWindow(pThis->m_hWnd, SW_SHOWNA);
        ::SetEvent(pThis->m_hReady);
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
            ::DispatchMessageW(&msg);
        if (pThis->m_hWnd != nullptr)
            ::DestroyWindow(pThis->m_hWnd);
        return 0;
    }

    RECT m_rc;
    HWND m_hWnd = nullptr;
    HANDLE m_hReady = nullptr, m_hThread = nullptr;
    DWORD m_nThread = 0;
};

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
        CProgramFrameTest::SetUp();
        if (HasFatalFailure())
            return;
        Start();
        if (HasFatalFailure())
            return;
        pFrame->SetWindowPos(nullptr, 10, 10, 760, 520, SWP_NOZORDER | SWP_SHOWWINDOW);
        ::SetForegroundWindow(pFrame->m_hWnd);
        testpump::PumpUntilIdle();
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        testpump::PumpUntilIdle();
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

    Tip HeaderTip()
    {
        return {"header",
                [this] {
                    const CRect rc = Games().GetColumns()->GetAt(0)->GetRect();
                    return OnScreen(&Games(), rc.CenterPoint());
                },
                [this] {
                    CWnd* pTip = Games().GetToolTipContext()->GetToolTip();
                    return pTip != nullptr ? pTip->GetSafeHwnd() : nullptr;
                },
                true};
    }
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
                    const CRect rc = pBar->GetControls()->FindControl(ID_INFO_SINGLE_TICKET)->GetRect();
                    return OnScreen(pBar, rc.CenterPoint());
                },
                [this] {
                    CWnd* pTip = pFrame->GetCommandBars()->GetToolTipContext()->GetToolTip();
                    return pTip != nullptr ? pTip->GetSafeHwnd() : nullptr;
                },
                true};
    }

    // The header tip of the ticket list in its pane, floated by the frame.
    Tip FloatingHeaderTip()
    {
        return {"floating pane's header",
                [this] {
                    CXTPReportControl& tickets = pFrame->GetTicketReport();
                    const CRect rc = tickets.GetColumns()->GetAt(0)->GetRect();
                    return OnScreen(&tickets, rc.CenterPoint());
                },
                [this] {
                    CWnd* pTip = pFrame->GetTicketReport().GetToolTipContext()->GetToolTip();
                    return pTip != nullptr ? pTip->GetSafeHwnd() : nullptr;
                },
                true};
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
    using dlgtest::CModalScript;
    using dlgtest::Then;
    const struct
    {
        const char* name;
        UINT command;
    } openers[] = {{"Anpassen", ID_CUSTOMIZE}, {"Optionen", ID_OPTIONS}};
    for (const Tip& tip : {HeaderTip(), CellTip(), ToolBarTip()})
        for (bool bShown : {true, false})
        {
            if (!bShown && !tip.bDelayed)
                continue;
            for (const auto& opener : openers)
            {
                SCOPED_TRACE(std::string(tip.name) + (bShown ? " shown" : " due") + " under " + opener.name);
                ASSERT_TRUE(ShowTip(tip, bShown));
                bool bShownInDialog = true;
                CModalScript script({Then(
                    [&](HWND) {
                        testpump::PumpFor(800);  // a tip due shows by now
                        bShownInDialog = IsShown(tip.window());
                    },
                    IDCANCEL)});
                pFrame->PostMessage(WM_COMMAND, opener.command);
                EXPECT_TRUE(frametest::PumpAppUntil(app, [&] { return script.StepsRun() == 1; }));
                EXPECT_FALSE(bShownInDialog);
            }
        }
}

TEST_F(TipsUnderDialogs, ATipOfAFloatingPaneGoesWhenTheCustomizeSheetOpens)
{
    using dlgtest::CModalScript;
    using dlgtest::Then;
    const HWND hPaneFrame = FloatTicketPane();
    ASSERT_NE(hPaneFrame, nullptr);
    const Tip tip = FloatingHeaderTip();
    ASSERT_TRUE(ShowTip(tip));
    ASSERT_EQ(hPaneFrame, ::GetWindow(tip.window(), GW_OWNER)) << "the tip belongs to the pane's frame";
    bool bShownInSheet = true;
    CModalScript script({Then(
        [&](HWND) {
            testpump::PumpFor(800);
            bShownInSheet = IsShown(tip.window());
        },
        IDCANCEL)});
    pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
    EXPECT_TRUE(frametest::PumpAppUntil(app, [&] { return script.StepsRun() == 1; }));
    EXPECT_FALSE(bShownInSheet);
}

TEST_F(TipsUnderDialogs, ATipGoesWhenThePointerMovesIntoAnotherProgramsWindow)
{
    const CRect rcFrame = [this] {
        CRect rc;
        pFrame->GetWindowRect(&rc);
        return rc;
    }();
    COtherThreadWindow other(CRect(rcFrame.right + 20, rcFrame.top, rcFrame.right + 220, rcFrame.top + 200));
    ASSERT_NE(other.GetHwnd(), nullptr);
    for (const Tip& tip : {HeaderTip(), CellTip(), ToolBarTip()})
    {
        SCOPED_TRACE(tip.name);
        ASSERT_TRUE(ShowTip(tip));
        testinput::MoveMouseTo({rcFrame.right + 120, rcFrame.top + 100});
        // Well before a tip would leave by itself.
        const DWORD nStart = ::GetTickCount();
        frametest::PumpAppUntil(app, [&] { return !IsShown(tip.window()) || ::GetTickCount() - nStart >= 1000; });
        EXPECT_FALSE(IsShown(tip.window()));
    }
}

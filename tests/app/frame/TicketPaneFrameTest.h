// The program's main frame shown, searching, with one offer in its docked
// ticket pane: the start of the tests that move that pane with the mouse.
#pragma once
#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "support/TestInput.h"
#include "app/AppTestSupport.h"
#include "app/frame/AlertPopups.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/rows/XTPReportRows.h"

class CTicketPaneFrameTest : public testing::Test
{
protected:
    CTicketPaneFrameTest(const wchar_t* lpszHistory, const wchar_t* lpszApp)
        : m_lpszHistory(lpszHistory)
        , app(lpszApp)
    {
    }

    void SetUp() override
    {
        using namespace frametest;
        ASSERT_FALSE(OpenTestHistory(m_lpszHistory, true).IsEmpty());
        pFrame = CreateFrame();
        ASSERT_NE(pFrame, nullptr);
        pFrame->RecalcLayout();
        // Searching shows the pane; one offer gives the report a row.
        pFrame->SendMessage(WM_COMMAND, ID_START_SEARCH);
        ViewOf(pFrame)->Watch(0, TRUE);
        static const int YES[4] = {1, 0, 0, 0};
        FeedResult(pFrame, YES);
        pFrame->SetWindowPos(nullptr, 20, 20, 760, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
        Idle();
        pPane = pFrame->GetPaneManager().FindPane(IDP_TICKETS);
        ASSERT_NE(pPane, nullptr);
        ASSERT_EQ(1, pFrame->GetTicketReport().GetRows()->GetCount());
    }

    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
        testpump::PumpUntilIdle();
        CDatabaseManager::GetInstance().Close();
    }

    // Closes the frame's open alerts; whether they were gone in time.
    bool CloseAlerts()
    {
        CAlertPopups& alerts = pFrame->GetAlerts();
        for (int i = 0; i < alerts.GetOpenCount(); i++)
            alerts.GetOpenPopup(i)->Close();
        return testpump::PumpUntil([&] {
            alerts.DeleteClosed();
            return alerts.GetOpenCount() == 0;
        });
    }

    // What the application's idle pass does for the frame.
    void Idle()
    {
        testpump::PumpUntilIdle();
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        testpump::PumpUntilIdle();
    }

    // Floats the ticket pane by a double click on its caption; its frame.
    HWND FloatTicketPane()
    {
        app.m_pMainWnd = pFrame;
        ::SetForegroundWindow(pFrame->m_hWnd);
        Idle();
        const CRect docked = CXTPDockingPaneContext::GetNodeScreenRect(pPane->GetContainer());
        testinput::DoubleClickAt({docked.left + 20, docked.top + 6});
        CWnd* pFloating = nullptr;
        testpump::PumpUntil([&] {
            pFloating = pPane->GetParentFrame();
            return pFloating != nullptr && pFloating != static_cast<CWnd*>(pFrame);
        });
        Idle();
        return pFloating != static_cast<CWnd*>(pFrame) && pFloating != nullptr ? pFloating->GetSafeHwnd() : nullptr;
    }

private:
    const wchar_t* m_lpszHistory;

protected:
    CWinApp app;
    frametest::CPollSettings settings{60};
    CMainFrame* pFrame = nullptr;
    CXTPDockingPane* pPane = nullptr;
};

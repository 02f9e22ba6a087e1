// The program's own main frame and view, made by the shell command as at
// start-up, over a fresh history and the shipped match list.
#pragma once
#include <gtest/gtest.h>

#include "FrameTestSupport.h"
#include "app/AppTestSupport.h"
#include "app/TavrolinView.h"
#include "engine/SettingsStore.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/windows/CWinApp.h"
#include "support/TestPump.h"

class CProgramFrameTest : public testing::Test
{
protected:
    CProgramFrameTest(const wchar_t* lpszApp, const wchar_t* lpszRegistryKey, const wchar_t* lpszHistory)
        : app(lpszApp)
        , m_lpszRegistryKey(lpszRegistryKey)
        , m_lpszHistory(lpszHistory)
    {
    }

    void SetUp() override
    {
        ::CoInitialize(nullptr);  // the match list is read through COM
        app.SetRegistryKey(m_lpszRegistryKey);
        ASSERT_FALSE(frametest::OpenTestHistory(m_lpszHistory, true).IsEmpty());
        ASSERT_TRUE(::CopyFileW(apptest::AssetPath(L"GAMES.XML"), CSettingsStore::GetProgramFolder() + L"GAMES.XML",
                                FALSE));
    }

    void TearDown() override
    {
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->DestroyWindow();
        app.m_pMainWnd = nullptr;
        frametest::DispatchAllButQuit();
        CDatabaseManager::GetInstance().Close();
        ::CoUninitialize();
    }

    // Makes the frame and its view.
    void Start()
    {
        pFrame = frametest::OpenProgramFrame(app);
        ASSERT_NE(pFrame, nullptr);
        pView = DYNAMIC_DOWNCAST(CTavrolinView, pFrame->GetActiveView());
        ASSERT_NE(pView, nullptr);
    }

    // SetUp for tests of the frame on screen: the frame made and shown at
    // (10, 10) in the size given.
    void SetUpShownFrame(int cx = 760, int cy = 520)
    {
        CProgramFrameTest::SetUp();
        if (HasFatalFailure())
            return;
        Start();
        if (HasFatalFailure())
            return;
        pFrame->SetWindowPos(nullptr, 10, 10, cx, cy, SWP_NOZORDER | SWP_SHOWWINDOW);
    }

    // The frame shown and in the foreground, after an idle pass.
    void SetUpFrameInFront()
    {
        SetUpShownFrame();
        if (HasFatalFailure())
            return;
        ::SetForegroundWindow(pFrame->m_hWnd);
        RunIdlePass();
    }

    // What the application's idle pass does for the frame.
    void RunIdlePass()
    {
        testpump::PumpUntilIdle();
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        testpump::PumpUntilIdle();
    }

    CWinApp app;
    CMainFrame* pFrame = nullptr;
    CTavrolinView* pView = nullptr;

private:
    const wchar_t* m_lpszRegistryKey;
    const wchar_t* m_lpszHistory;
};

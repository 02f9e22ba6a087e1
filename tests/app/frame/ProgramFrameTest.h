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

    CWinApp app;
    CMainFrame* pFrame = nullptr;
    CTavrolinView* pView = nullptr;

private:
    const wchar_t* m_lpszRegistryKey;
    const wchar_t* m_lpszHistory;
};

// The status bar's CAP, NUM and SCRL panes show the lock keys as they are
// from the frame's first paint on, and follow a lock key at once, also while
// the start-up information box runs over the frame.
#include <gtest/gtest.h>

#include <string>

#include "ProgramFrameTest.h"
#include "app/AppTestSupport.h"
#include "engine/SettingsStore.h"
#include "resources/FrameworkIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/frame/XTPStatusBar.h"

namespace {

const UINT kIndicators[] = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
const int kLockKeys[] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};

bool IsLockOn(int vk)
{
    return (::GetKeyState(vk) & 1) != 0;
}

// The bar as it is on the screen now, without painting it first.
testshot::Image ShootBar(CXTPStatusBar* pBar)
{
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    HDC dc = ::GetDC(pBar->m_hWnd);
    testshot::Image image = testshot::CaptureDC(dc, rcClient);
    ::ReleaseDC(pBar->m_hWnd, dc);
    return image;
}

// An enabled pane writes its text in black; a disabled one in grey.
bool HasBlackText(const testshot::Image& shot, const CRect& rcPane)
{
    int nDark = 0;
    for (int y = rcPane.top + 2; y < rcPane.bottom - 2 && y < shot.height; ++y)
        for (int x = rcPane.left + 2; x < rcPane.right - 2 && x < shot.width; ++x)
            nDark += apptest::IsDark(shot.Pixel(x, y)) ? 1 : 0;
    return nDark >= 5;
}

// What one look at the three panes found: black text and the pane style.
struct PanesSeen
{
    bool bBlack[3] = {};
    bool bEnabled[3] = {};
    bool bKeyOn[3] = {};
};

PanesSeen LookAtPanes(CXTPStatusBar* pBar, LPCWSTR lpszShot)
{
    PanesSeen seen;
    const testshot::Image shot = ShootBar(pBar);
    testshot::Save(shot, lpszShot);
    for (int i = 0; i < 3; ++i)
    {
        const int nIndex = pBar->CommandToIndex(kIndicators[i]);
        CRect rcPane;
        pBar->GetItemRect(nIndex, &rcPane);
        seen.bBlack[i] = HasBlackText(shot, rcPane);
        seen.bEnabled[i] = !(pBar->GetPaneStyle(nIndex) & SBPS_DISABLED);
        seen.bKeyOn[i] = IsLockOn(kLockKeys[i]);
    }
    return seen;
}

void ExpectPanesFollowKeys(const PanesSeen& seen)
{
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i == 0 ? "CAP" : i == 1 ? "NUM" : "SCRL");
        EXPECT_EQ(seen.bKeyOn[i], seen.bBlack[i]) << "drawn black only while the lock key is on";
        EXPECT_EQ(seen.bKeyOn[i], seen.bEnabled[i]);
    }
}

// The steps run from a thread timer inside the box's own modal loop, so
// that nothing but that loop handles the frame's idle work.
struct CBoxScript
{
    enum Phase { findBox, capsOn, capsOff, done };
    std::wstring strShot;  // the pictures' names start with it
    Phase phase = findBox;
    DWORD dwPhaseStart = 0;
    HWND hFrame = nullptr, hBox = nullptr;
    CXTPStatusBar* pBar = nullptr;
    bool bCapsAtStart = false;
    PanesSeen atOpen, afterFirstPress, afterSecondPress;
    bool bFollowedFirst = false, bFollowedSecond = false;
    int nPresses = 0;
};

CBoxScript* g_pScript = nullptr;

void PressCapsLock()
{
    testinput::SendKey(VK_CAPITAL);
    ++g_pScript->nPresses;
}

bool CapsPaneShows(bool bOn)
{
    const int nIndex = g_pScript->pBar->CommandToIndex(ID_INDICATOR_CAPS);
    return IsLockOn(VK_CAPITAL) == bOn && !(g_pScript->pBar->GetPaneStyle(nIndex) & SBPS_DISABLED) == bOn;
}

void CALLBACK BoxStep(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    CBoxScript& s = *g_pScript;
    const DWORD dwNow = ::GetTickCount();
    const bool bLate = dwNow - s.dwPhaseStart > 2000;
    switch (s.phase)
    {
    case CBoxScript::findBox:
    {
        // The box is the frame's last active pop-up even when the display
        // has not activated it.
        HWND hActive = ::GetLastActivePopup(s.hFrame);
        wchar_t szClass[16] = L"";
        ::GetClassNameW(hActive, szClass, 16);
        if (hActive == s.hFrame || lstrcmpW(szClass, L"#32770") != 0 || !::IsWindowVisible(hActive))
            return;
        s.hBox = hActive;
        ::SetForegroundWindow(hActive);
        if (::GetForegroundWindow() != hActive && !bLate)
            return;
        s.atOpen = LookAtPanes(s.pBar, (s.strShot + L"_open.png").c_str());
        PressCapsLock();
        s.phase = CBoxScript::capsOn;
        s.dwPhaseStart = dwNow;
        return;
    }
    case CBoxScript::capsOn:
        s.bFollowedFirst = CapsPaneShows(!s.bCapsAtStart);
        if (!s.bFollowedFirst && !bLate)
            return;
        s.afterFirstPress = LookAtPanes(s.pBar, (s.strShot + L"_caps.png").c_str());
        PressCapsLock();  // as it was
        s.phase = CBoxScript::capsOff;
        s.dwPhaseStart = dwNow;
        return;
    case CBoxScript::capsOff:
        s.bFollowedSecond = CapsPaneShows(s.bCapsAtStart);
        if (!s.bFollowedSecond && !bLate)
            return;
        s.afterSecondPress = LookAtPanes(s.pBar, (s.strShot + L"_back.png").c_str());
        s.phase = CBoxScript::done;
        testtimer::Kill(idTimer);
        ::PostMessageW(s.hBox, WM_COMMAND, IDCANCEL, 0);
        return;
    case CBoxScript::done:
        return;
    }
}

class LockKeyIndicators : public CProgramFrameTest
{
protected:
    LockKeyIndicators()
        : CProgramFrameTest(L"LockKeyTestApp", L"TavrolinLockKeyTest", L"tavrolin_lock_keys")
    {
    }

    void SetUp() override
    {
        m_nShowInfo = CSettingsStore::GetInstance().ShowInfo;
        CProgramFrameTest::SetUp();
    }

    void TearDown() override
    {
        CSettingsStore::GetInstance().ShowInfo = m_nShowInfo;
        CProgramFrameTest::TearDown();
    }

    CXTPStatusBar* StatusBar()
    {
        return DYNAMIC_DOWNCAST(CXTPStatusBar, CWnd::FromHandlePermanent(::GetDlgItem(pFrame->m_hWnd, AFX_IDW_STATUS_BAR)));
    }

    frametest::CPollSettings settings{60};
    int m_nShowInfo = 0;
};

} // namespace

TEST_F(LockKeyIndicators, FollowTheLockKeysFromTheFirstPaintAndWhileTheStartupInfoRuns)
{
    Start();
    // As the program starts: the frame shown and painted, then the
    // information box at once, before the thread's loop ever ran.
    pFrame->SetWindowPos(nullptr, 10, 10, 700, 480, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    CXTPStatusBar* pBar = StatusBar();
    ASSERT_NE(pBar, nullptr);
    {
        SCOPED_TRACE("first paint");
        ExpectPanesFollowKeys(LookAtPanes(pBar, L"app_lock_keys_first_paint.png"));
    }

    CBoxScript script;
    script.strShot = L"app_lock_keys_info_box";
    script.hFrame = pFrame->m_hWnd;
    script.pBar = pBar;
    script.bCapsAtStart = IsLockOn(VK_CAPITAL);
    script.dwPhaseStart = ::GetTickCount();
    g_pScript = &script;
    CSettingsStore::GetInstance().ShowInfo = 1;
    testtimer::ThreadTimer idTimer(50, &BoxStep);
    ASSERT_NE(idTimer.Id(), 0u);
    pFrame->SendMessage(WM_SHOW_STARTUP_INFO);
    idTimer.Kill();
    // A press that went out without its pair is undone: the key's state
    // outlives the test.
    if (script.nPresses % 2 != 0)
        testinput::SendKey(VK_CAPITAL);
    testpump::PumpUntilIdle();
    g_pScript = nullptr;

    ASSERT_EQ(script.phase, CBoxScript::done) << "the information box was not found";
    {
        SCOPED_TRACE("information box open");
        ExpectPanesFollowKeys(script.atOpen);
    }
    EXPECT_TRUE(script.bFollowedFirst) << "CAP follows the key while the box runs";
    EXPECT_NE(script.bCapsAtStart, script.afterFirstPress.bKeyOn[0]) << "the key press arrived";
    {
        SCOPED_TRACE("CAP pressed");
        ExpectPanesFollowKeys(script.afterFirstPress);
    }
    EXPECT_TRUE(script.bFollowedSecond) << "CAP follows the key back";
    {
        SCOPED_TRACE("CAP pressed again");
        ExpectPanesFollowKeys(script.afterSecondPress);
    }
    EXPECT_EQ(script.bCapsAtStart, IsLockOn(VK_CAPITAL));
}

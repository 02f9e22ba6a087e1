// A menu taller than the work area, run by the menu's own modal loop and
// driven with real input: its scrolling lasts only while the pointer rests
// on a scroll button, however the pointer leaves it.
#include <gtest/gtest.h>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>
#include "commandbars/CommandBarsTestSupport.h"
#include "framework/windows/CMenu.h"
#include "support/Screenshot.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

// Steps run one after another from a timer inside the menu's loop (input
// sent from outside would reach whoever held the capture then). A step
// answers true when it is done; the menu ends when all are, or at the
// deadline. Answers whether every step was done.
using Step = std::function<bool(CXTPPopupBar*)>;
std::vector<Step>* s_pSteps = nullptr;
size_t s_nextStep = 0;
DWORD s_scriptStart = 0;

void CALLBACK RunNextSteps(HWND, UINT, UINT_PTR, DWORD)
{
    const auto& tracked = XTPMouseManager()->GetTrackArray();
    auto* pBar = tracked.GetSize() ? dynamic_cast<CXTPPopupBar*>(tracked[0]) : nullptr;
    while (pBar && pBar->GetSafeHwnd() && s_nextStep < s_pSteps->size() && (*s_pSteps)[s_nextStep](pBar))
        s_nextStep++;
    if (pBar && (s_nextStep == s_pSteps->size() || GetTickCount() - s_scriptStart > testpump::kDeadline))
        XTPMouseManager()->EndAllTracking();
}

bool RunInMenuLoop(std::vector<Step>& steps, const std::function<void()>& trackMenu)
{
    s_pSteps = &steps;
    s_nextStep = 0;
    s_scriptStart = GetTickCount();
    testtimer::ThreadTimer nTimer(10, &RunNextSteps);
    trackMenu();
    nTimer.Kill();
    return s_nextStep == steps.size();
}

CPoint ScreenCenter(CXTPPopupBar* pBar, CRect rc)
{
    pBar->ClientToScreen(&rc);
    return rc.CenterPoint();
}

class PopupBarScroll : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(50, 50, 450, 350)));
        m_pCommandBars = CreateUnanimatedBars(m_site);
        m_menu.CreatePopupMenu();
        for (int i = 0; i < 120; i++)
            m_menu.AppendMenu(MF_STRING, 100 + i, (L"Seite " + std::to_wstring(i + 1)).c_str());
        SetForegroundWindow(m_site.GetSafeHwnd());
        // Over a window of this thread: the mouse manager, which passes over a
        // move to the point it saw last, has seen this one.
        MoveMouseAndWait(POINT{250, 200});
        PumpUntilIdle();
    }
    void TearDown() override
    {
        if (GetCapture())
            ReleaseCapture();
        XTPMouseManager()->EndAllTracking();
        m_pCommandBars->InternalRelease();
        m_site.DestroyWindow();
    }
    // The menu at a point with nothing of this program around it: the
    // pointer leaving it lands on another process's window.
    void TrackMenu()
    {
        CXTPCommandBars::TrackPopupMenu(&m_menu, TPM_RETURNCMD | TPM_NONOTIFY, 700, 20, &m_site, nullptr, nullptr,
                                        m_pCommandBars);
    }

    CTestSite m_site;
    CXTPCommandBars* m_pCommandBars = nullptr;
    CMenu m_menu;
};

} // namespace

// Resting on a button scrolls; once the pointer is off it (moved over
// another program's window, jumped there, or moved away while the menu
// holds the capture), at most the tick already under way still scrolls.
TEST_F(PopupBarScroll, ScrollingStopsWhenThePointerLeavesTheButtonAnyWay)
{
    enum Leave
    {
        moveBelow,
        jumpAway,
        moveBelowWithCapture,
        moveLeftOfUpperButton,
    };
    for (Leave leave : {moveBelow, jumpAway, moveBelowWithCapture, moveLeftOfUpperButton}) {
        SCOPED_TRACE(leave);
        const bool bUpward = leave == moveLeftOfUpperButton;
        int nStart = -1, nAtLeave = -1, nLater = -1;
        CPoint ptOff;
        auto shown = [bUpward](CXTPPopupBar* pBar) { return bUpward ? pBar->GetFirstShown() : pBar->GetLastShown(); };
        std::vector<Step> steps = {
            [&](CXTPPopupBar* pBar) {
                if (!pBar->IsScrolling() || pBar->GetScrollDownRect().IsRectEmpty())
                    return false;
                nStart = pBar->GetLastShown();
                // Not where the last case's pointer rested.
                MoveMouseTo(ScreenCenter(pBar, pBar->GetScrollDownRect()) + CSize(3 * leave, 0));
                return true;
            },
            [&](CXTPPopupBar* pBar) { return pBar->GetLastShown() >= nStart + (bUpward ? 8 : 3); },
        };
        if (bUpward) {
            steps.push_back([&](CXTPPopupBar* pBar) {
                nStart = pBar->GetFirstShown();
                MoveMouseTo(ScreenCenter(pBar, pBar->GetScrollUpRect()) + CSize(3 * leave, 0));
                return true;
            });
            steps.push_back([&](CXTPPopupBar* pBar) { return pBar->GetFirstShown() <= nStart - 2; });
        }
        steps.push_back([&](CXTPPopupBar* pBar) {
            CRect rcWindow;
            pBar->GetWindowRect(&rcWindow);
            const CPoint ptButton = ScreenCenter(pBar, bUpward ? pBar->GetScrollUpRect() : pBar->GetScrollDownRect());
            switch (leave) {
            case moveBelow:
                ptOff = CPoint(ptButton.x, rcWindow.bottom + 3);
                MoveMouseTo(ptOff);
                break;
            case jumpAway:
                ptOff = CPoint(1100, 700);
                SetCursorPos(ptOff.x, ptOff.y);
                break;
            case moveBelowWithCapture:
                pBar->SetCapture();
                ptOff = CPoint(ptButton.x, rcWindow.bottom + 3);
                MoveMouseTo(ptOff);
                break;
            case moveLeftOfUpperButton:
                ptOff = CPoint(rcWindow.left - 3, ptButton.y);
                MoveMouseTo(ptOff);
                break;
            }
            return true;
        });
        DWORD nLeft = 0;
        steps.push_back([&](CXTPPopupBar* pBar) {
            POINT cursor;
            if (!GetCursorPos(&cursor) || CPoint(cursor) != ptOff)
                return false;
            nAtLeave = shown(pBar);
            nLeft = GetTickCount();
            return true;
        });
        steps.push_back([&](CXTPPopupBar* pBar) {
            if (GetTickCount() - nLeft < 8 * XTP_SCROLL_DELAY)
                return false;
            nLater = shown(pBar);
            if (GetCapture() == pBar->GetSafeHwnd())
                ReleaseCapture();
            return true;
        });

        ASSERT_TRUE(RunInMenuLoop(steps, [&] { TrackMenu(); }));
        EXPECT_LE(std::abs(nLater - nAtLeave), 1) << "still scrolling after the pointer left: " << nAtLeave << " -> "
                                                  << nLater;
        EXPECT_EQ(0, XTPMouseManager()->GetTrackArray().GetSize());
    }
}

// A menu closed while it scrolls opens again with no scrolling left over:
// the pointer resting on the lower button scrolls it at once.
TEST_F(PopupBarScroll, ReopenedMenuScrollsAgainUnderThePointer)
{
    CXTPPopupBar* pBar = CXTPPopupBar::CreatePopupBar(m_pCommandBars);
    ASSERT_TRUE(pBar->LoadMenu(&m_menu, TRUE));
    ASSERT_TRUE(pBar->Popup(700, 20));
    ASSERT_TRUE(pBar->IsScrolling());
    const CPoint ptButton = ScreenCenter(pBar, pBar->GetScrollDownRect());
    const int nStart = pBar->GetLastShown();
    ASSERT_TRUE(MoveMouseAndWait(ptButton));
    ASSERT_TRUE(PumpUntil([&] { return pBar->GetLastShown() >= nStart + 2; }));
    pBar->EndTracking();
    ASSERT_EQ(nullptr, pBar->GetSafeHwnd());

    ASSERT_TRUE(pBar->Popup(700, 20));
    ASSERT_EQ(nStart, pBar->GetLastShown()) << "opens at the top";
    ASSERT_EQ(ptButton, ScreenCenter(pBar, pBar->GetScrollDownRect()));
    // A small move on the button, as a resting hand makes.
    ASSERT_TRUE(MoveMouseAndWait(ptButton + CSize(2, 0)));
    EXPECT_TRUE(PumpUntil([&] { return pBar->GetLastShown() >= nStart + 2; }, 1000));
    PumpUntilIdle();
    const testshot::Image shot = testshot::CaptureWindow(pBar->GetSafeHwnd());
    testshot::Save(shot, L"commandbars_reopened_menu_scrolls.png");
    const CPoint ptUpArrow = pBar->GetScrollUpRect().CenterPoint();
    EXPECT_EQ(pBar->GetPaintManager()->GetColor(18), shot.Pixel(ptUpArrow.x, ptUpArrow.y)) << "the upper button shows";
    pBar->EndTracking();
    pBar->InternalRelease();
}

// A menu item clicked where it lies over the games list's header opens a
// dialog or the customize sheet; the menu goes from under the resting
// pointer, and the move the system makes up for that brings no tip of the
// frame over the open dialog. A real move of the pointer brings tips back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "ProgramFrameTest.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/ThreadTimer.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/report/XTPReportControl.h"

namespace {

HWND TipWindowOf(CXTPToolTipContext* pContext)
{
    CWnd* pTip = pContext != nullptr ? pContext->GetToolTip() : nullptr;
    return pTip != nullptr ? pTip->GetSafeHwnd() : nullptr;
}

bool IsShownBar(CXTPCommandBar* pBar)
{
    return pBar != nullptr && pBar->GetSafeHwnd() != nullptr && pBar->IsWindowVisible();
}

CRect ScreenRectOf(CXTPControl* pControl)
{
    CRect rc = pControl->GetRect();
    pControl->GetParent()->ClientToScreen(&rc);
    return rc;
}

// The longest upright line of not light pixels in a picture of the place
// below and right of the pointer where a tip shows: a tip's side borders
// are such lines as tall as the tip; the list's text is lower, and its
// header's column edges end at the header.
int LongestUprightLineNear(CPoint ptPointer, const wchar_t* pszShot)
{
    const CRect rc(ptPointer.x - 20, ptPointer.y, ptPointer.x + 240, ptPointer.y + 60);
    const testshot::Image shot = testshot::CaptureScreen(rc);
    testshot::Save(shot, pszShot);
    int nLongest = 0;
    for (int x = 0; x < shot.width; x++)
        for (int y = 0, nRun = 0; y < shot.height; y++)
        {
            const COLORREF clr = shot.Pixel(x, y);
            nRun = std::max({GetRValue(clr), GetGValue(clr), GetBValue(clr)}) < 200 ? nRun + 1 : 0;
            nLongest = std::max(nLongest, nRun);
        }
    return nLongest;
}

// The dialog in front that the frame owns, if any.
HWND OpenDialogOf(HWND hFrame)
{
    const HWND hActive = ::GetActiveWindow();
    wchar_t szClass[16] = L"";
    if (hActive == nullptr || ::GetWindow(hActive, GW_OWNER) != hFrame)
        return nullptr;
    ::GetClassNameW(hActive, szClass, 16);
    return wcscmp(szClass, L"#32770") == 0 ? hActive : nullptr;
}

// While it lives, looks every few milliseconds (from the loop of whatever
// dialog runs) whether a tip of the frame shows while a dialog the frame
// owns is open, and runs the actions due since the dialog opened; the
// dialog is cancelled after nOpenMs.
class CTipWatch
{
public:
    CTipWatch(HWND hFrame, std::function<bool()> isTipShown, DWORD nOpenMs)
        : m_hFrame(hFrame), m_isTipShown(std::move(isTipShown)), m_nOpenMs(nOpenMs)
    {
        s_pWatch = this;
        m_nTimer = testtimer::Set(10, &CTipWatch::OnTimer);
    }
    ~CTipWatch()
    {
        testtimer::Kill(m_nTimer);
        s_pWatch = nullptr;
    }
    void At(DWORD nMs, std::function<void()> action) { m_actions.push_back({nMs, std::move(action)}); }
    bool DialogClosed() const { return m_bClosed; }
    // Whether a tip showed within the first nMs of the dialog.
    bool TipSeenBefore(DWORD nMs) const { return m_nFirstTipMs < nMs; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        CTipWatch* p = s_pWatch;
        if (p == nullptr || p->m_bInAction)
            return;
        const HWND hDlg = OpenDialogOf(p->m_hFrame);
        if (hDlg == nullptr)
        {
            p->m_bClosed = p->m_bSeen;
            return;
        }
        if (!p->m_bSeen)
        {
            p->m_bSeen = true;
            p->m_nSeenTick = ::GetTickCount();
        }
        const DWORD nOpen = ::GetTickCount() - p->m_nSeenTick;
        if (p->m_isTipShown() && nOpen < p->m_nFirstTipMs)
            p->m_nFirstTipMs = nOpen;
        for (auto& action : p->m_actions)
            if (action.first <= nOpen && action.second)
            {
                const std::function<void()> run = std::move(action.second);
                action.second = nullptr;
                p->m_bInAction = true;
                run();
                p->m_bInAction = false;
            }
        if (nOpen >= p->m_nOpenMs && !p->m_bCancelled)
        {
            p->m_bCancelled = true;
            ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(::GetDlgItem(hDlg, IDCANCEL)));
        }
    }

    static CTipWatch* s_pWatch;
    HWND m_hFrame;
    std::function<bool()> m_isTipShown;
    DWORD m_nOpenMs;
    std::vector<std::pair<DWORD, std::function<void()>>> m_actions;
    UINT_PTR m_nTimer = 0;
    DWORD m_nSeenTick = 0;
    DWORD m_nFirstTipMs = MAXDWORD;
    bool m_bSeen = false, m_bClosed = false, m_bCancelled = false, m_bInAction = false;
};
CTipWatch* CTipWatch::s_pWatch = nullptr;

class TipsAfterMenuCommand : public CProgramFrameTest
{
protected:
    TipsAfterMenuCommand()
        : CProgramFrameTest(L"TipsMenuTestApp", L"TavrolinTipsMenuTest", L"tavrolin_tipsmenu")
    {
    }

    // The size run.sh's first start has: the sheet opens centred below the
    // games list's header.
    void SetUp() override
    {
        SetUpShownFrame(956, 744);
        if (HasFatalFailure())
            return;
        ::SetForegroundWindow(pFrame->m_hWnd);
        RunIdlePass();
    }

    void TearDown() override
    {
        testinput::MoveMouseAndWait({5, 5});
        CProgramFrameTest::TearDown();
    }

    CXTPReportControl& Games() { return pView->m_wndReportGames; }

    // The frame's tips: the games list's (its header) and the toolbars'.
    bool IsFrameTipShown()
    {
        for (HWND hTip : {TipWindowOf(Games().GetToolTipContext()),
                          TipWindowOf(pFrame->GetCommandBars()->GetToolTipContext())})
            if (hTip != nullptr && ::IsWindowVisible(hTip))
                return true;
        return false;
    }

    CRect HeaderOnScreen()
    {
        CRect rc = Games().GetHeaderRect();
        Games().ClientToScreen(&rc);
        return rc;
    }

};

} // namespace

// The lead's road: the toolbar's expand button, "Schaltflächen hinzufügen
// oder entfernen", then "Anpassen..." where it lies over the header; the
// pointer has not been over the list before, so the list's tip window is
// made only by the move that follows the menu's end.
TEST_F(TipsAfterMenuCommand, AnpassenClickedOverTheHeaderShowsNoTipUntilThePointerMoves)
{
    CXTPControl* pExpand = pFrame->GetStandardToolBar()->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_NE(pExpand, nullptr);
    testinput::ClickAt(ScreenRectOf(pExpand).CenterPoint());
    ASSERT_TRUE(frametest::PumpAppUntil(app, [&] { return IsShownBar(pExpand->GetCommandBar()); }));
    CXTPControls* pItems = pExpand->GetCommandBar()->GetControls();
    CXTPControl* pAddOrRemove = pItems->GetAt(pItems->GetCount() - 1);
    testinput::ClickAt(ScreenRectOf(pAddOrRemove).CenterPoint());
    ASSERT_TRUE(frametest::PumpAppUntil(app, [&] { return IsShownBar(pAddOrRemove->GetCommandBar()); }));
    CXTPControls* pSubItems = pAddOrRemove->GetCommandBar()->GetControls();
    CXTPControl* pCustomize = pSubItems->GetAt(pSubItems->GetCount() - 1);
    ASSERT_EQ(ID_CUSTOMIZE, pCustomize->GetID());
    const CPoint ptItem = ScreenRectOf(pCustomize).CenterPoint();
    ASSERT_TRUE(HeaderOnScreen().PtInRect(ptItem)) << "the item lies over the header";

    // Open long enough for a tip's delay; then the pointer really moves on
    // the header and the header's tip may come as it does while customizing.
    const CPoint ptMoved(ptItem.x + 40, ptItem.y);
    bool bTipAfterMove = false;
    int nLineResting = -1, nLineMoved = -1;
    CTipWatch watch(pFrame->m_hWnd, [this] { return IsFrameTipShown(); }, 3000);
    watch.At(1100, [&] { nLineResting = LongestUprightLineNear(ptItem, L"app_tips_after_menu_resting.png"); });
    watch.At(1200, [&] { testinput::MoveMouseTo(ptMoved); });
    watch.At(2900, [&] {
        bTipAfterMove = IsFrameTipShown();
        nLineMoved = LongestUprightLineNear(ptMoved, L"app_tips_after_menu_moved.png");
    });
    testinput::ClickAt(ptItem);
    ASSERT_TRUE(frametest::PumpAppUntil(app, [&] { return watch.DialogClosed(); }));
    EXPECT_FALSE(watch.TipSeenBefore(1200)) << "a tip over the open sheet";
    EXPECT_LT(nLineResting, 14);
    EXPECT_TRUE(bTipAfterMove);
    EXPECT_GE(nLineMoved, 17) << "the tip after the move";
}

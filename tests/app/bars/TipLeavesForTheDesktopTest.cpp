// A tip of the program's frame, and a toolbar button's hover highlight, go
// when the pointer leaves the program for the bare desktop, where no window
// of any program lies: from the toolbar docked at the top or at the left,
// and from the games list's header.
#include <gtest/gtest.h>

#include "app/frame/ProgramFrameTest.h"
#include "resources/AppIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"

namespace {

class TipLeavesForTheDesktop : public CProgramFrameTest
{
protected:
    TipLeavesForTheDesktop()
        : CProgramFrameTest(L"TipDesktopTestApp", L"TavrolinTipDesktopTest", L"tavrolin_tipdesktop")
    {
    }

    void SetUp() override { SetUpFrameInFront(); }

    void TearDown() override
    {
        testinput::MoveMouseAndWait({5, 5});
        CProgramFrameTest::TearDown();
    }

    void PumpAppFor(DWORD nMs)
    {
        const DWORD nStart = ::GetTickCount();
        frametest::PumpAppUntil(app, [&] { return ::GetTickCount() - nStart >= nMs; });
    }

    static HWND TipOf(CXTPToolTipContext* pContext)
    {
        CWnd* pTip = pContext->GetToolTip();
        return pTip != nullptr ? pTip->GetSafeHwnd() : nullptr;
    }

    // Rests the pointer at the point until the tip shows; then it jumps
    // onto the bare desktop. Answers whether the tip had shown.
    bool RestThenLeave(POINT pt, const std::function<HWND()>& tip)
    {
        testinput::MoveMouseAndWait({pt.x - 3, pt.y});
        PumpAppFor(100);
        testinput::MoveMouseTo(pt);
        if (!frametest::PumpAppUntil(app, [&] { return ::IsWindowVisible(tip()) != FALSE; }))
            return false;
        testinput::MoveMouseTo(Desktop());
        return true;
    }

    // Clear of the frame, of every window this test makes and of its tips.
    static POINT Desktop() { return {1100, 900}; }

    bool GoneWithinASecond(const std::function<bool()>& gone)
    {
        const DWORD nStart = ::GetTickCount();
        frametest::PumpAppUntil(app, [&] { return gone() || ::GetTickCount() - nStart >= 1000; });
        return gone();
    }

    frametest::CPollSettings settings{60};
};

} // namespace

TEST_F(TipLeavesForTheDesktop, AToolbarTipAndHighlightAndTheHeaderTipGo)
{
    // What the system answers there: no window of this program.
    const HWND hUnder = ::WindowFromPoint(Desktop());
    ASSERT_TRUE(hUnder == nullptr || hUnder == ::GetDesktopWindow()) << "a window lies on the desktop point";

    CXTPToolBar* pBar = pFrame->GetStandardToolBar();
    CXTPCommandBars* pBars = pFrame->GetCommandBars();
    auto barTip = [&] { return TipOf(pBars->GetToolTipContext()); };
    auto onButton = [&](int nID) {
        CRect rc = pBar->GetControls()->FindControl(nID)->GetRect();
        pBar->ClientToScreen(&rc);
        return POINT{rc.CenterPoint().x, rc.CenterPoint().y};
    };
    for (XTPBarPosition position : {xtpBarTop, xtpBarLeft}) {
        SCOPED_TRACE(position == xtpBarTop ? "docked at the top" : "docked at the left");
        pBars->DockCommandBar(pBar, position);
        pFrame->RecalcLayout();
        testpump::PumpUntilIdle();
        ASSERT_TRUE(RestThenLeave(onButton(ID_INFO_SINGLE_TICKET), barTip)) << "no tip";
        EXPECT_TRUE(GoneWithinASecond([&] { return !::IsWindowVisible(barTip()); })) << "the tip stays";
        EXPECT_TRUE(GoneWithinASecond([&] { return pBar->GetSelected() == nullptr; })) << "the highlight stays";
    }

    CXTPReportControl& games = pView->m_wndReportGames;
    auto headerTip = [&] { return TipOf(games.GetToolTipContext()); };
    CRect rcHeader = games.GetColumns()->GetAt(1)->GetRect();
    games.ClientToScreen(&rcHeader);
    ASSERT_TRUE(RestThenLeave({rcHeader.CenterPoint().x, rcHeader.CenterPoint().y}, headerTip)) << "no header tip";
    EXPECT_TRUE(GoneWithinASecond([&] { return !::IsWindowVisible(headerTip()); })) << "the header tip stays";
}

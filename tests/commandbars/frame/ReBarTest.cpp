// Command bars as bands of the frame's rebar: added with the manager's band
// style and the bar's id, found from the last band, removed with the bar.
#include <gtest/gtest.h>
#include "FrameTestSupport.h"
#include "support/TestPump.h"
#include "resources/FrameworkIds.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/frame/XTPReBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {

struct BandInfo
{
    UINT style;
    UINT id;
    HWND child;
};

BandInfo Band(CWnd* pReBar, int nBand)
{
    REBARBANDINFOW band = {};
    band.cbSize = REBARBANDINFOW_V6_SIZE;
    band.fMask = RBBIM_STYLE | RBBIM_ID | RBBIM_CHILD;
    pReBar->SendMessage(RB_GETBANDINFOW, static_cast<WPARAM>(nBand), reinterpret_cast<LPARAM>(&band));
    return {band.fStyle, band.wID, band.hwndChild};
}

class ReBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CTestFrame();
        ASSERT_TRUE(frame->CreateFrame(600, 400));
        rebar = new CXTPReBar();
        rebar->m_bAutoDelete = TRUE;
        ASSERT_TRUE(rebar->Create(frame));
    }
    void TearDown() override
    {
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    CSizedBar* DockedBar(UINT nID, int length)
    {
        CSizedBar* pBar = frame->DockBar(xtpBarTop, length);
        pBar->SetBarID(nID);
        return pBar;
    }
    CXTPCommandBars* Bars() { return frame->GetCommandBars(); }

    CTestFrame* frame = nullptr;
    CXTPReBar* rebar = nullptr;
};

TEST_F(ReBarTest, BarsBecomeBandsWithTheManagersStyleAndTheirIds)
{
    EXPECT_EQ(REBARBANDINFOW_V6_SIZE, 80u);
    EXPECT_EQ(AFX_IDW_REBAR, 59396);
    EXPECT_EQ(XTP_REBAR_BANDSTYLE, 129u);

    CSizedBar* first = DockedBar(301, 120);
    CSizedBar* second = DockedBar(302, 80);
    ASSERT_NE(first->GetDockBar(), nullptr);
    ASSERT_TRUE(Bars()->AddToRebar(first));
    ASSERT_TRUE(Bars()->AddToRebar(second));

    ASSERT_EQ(rebar->GetBandCount(), 2);
    const struct
    {
        CSizedBar* bar;
        UINT id;
    } cases[] = {{first, 301}, {second, 302}};
    for (int i = 0; i < 2; i++) {
        SCOPED_TRACE(i);
        BandInfo info = Band(rebar, i);
        EXPECT_EQ(info.style & (RBBS_BREAK | RBBS_GRIPPERALWAYS), 129u);
        EXPECT_EQ(info.id, cases[i].id);
        EXPECT_EQ(info.child, cases[i].bar->GetSafeHwnd());
        // Off its dock bar and into the rebar.
        EXPECT_EQ(cases[i].bar->GetDockBar(), nullptr);
        EXPECT_EQ(::GetParent(cases[i].bar->GetSafeHwnd()), rebar->GetSafeHwnd());
        EXPECT_EQ(rebar->FindBand(cases[i].bar), i);
    }
    CXTPDockBar* pTop = Bars()->GetDockBar(xtpBarTop);
    EXPECT_EQ(pTop->FindBar(first), -1);

    // The frame gives the rebar its rows' height at the top.
    frame->RecalcLayout();
    CRect rc = frame->BarRect(rebar);
    EXPECT_EQ(rc.top, 0);
    EXPECT_GE(rc.Height(), 2 * 22);
}

TEST_F(ReBarTest, FindBandSearchesFromTheLast)
{
    CSizedBar* bar = DockedBar(303, 100);
    CSizedBar* other = DockedBar(304, 100);
    ASSERT_TRUE(Bars()->AddToRebar(bar));
    ASSERT_TRUE(Bars()->AddToRebar(other));
    // The same window in a second band: the later one is the answer.
    ASSERT_TRUE(rebar->CReBar::AddBar(bar, nullptr, nullptr, RBBS_BREAK));
    ASSERT_EQ(rebar->GetBandCount(), 3);
    EXPECT_EQ(rebar->FindBand(bar), 2);
    EXPECT_EQ(rebar->FindBand(other), 1);
    EXPECT_EQ(rebar->FindBand(nullptr), -1);
    CSizedBar* outside = DockedBar(305, 50);
    EXPECT_EQ(rebar->FindBand(outside), -1);
}

TEST_F(ReBarTest, BandsGoWithTheirBars)
{
    CSizedBar* kept = DockedBar(306, 100);
    CSizedBar* removed = DockedBar(307, 100);
    CSizedBar* dropped = DockedBar(308, 100);
    for (CSizedBar* pBar : {kept, removed, dropped})
        ASSERT_TRUE(Bars()->AddToRebar(pBar));

    Bars()->RemoveFromRebar(removed);
    ASSERT_EQ(rebar->GetBandCount(), 2);
    EXPECT_EQ(rebar->FindBand(removed), -1);
    EXPECT_EQ(Band(rebar, 1).id, 308u);
    // A bar that has no band: nothing changes.
    Bars()->RemoveFromRebar(removed);
    EXPECT_EQ(rebar->GetBandCount(), 2);

    // Removing the bar from the manager deletes its band too.
    Bars()->Remove(dropped);
    ASSERT_EQ(rebar->GetBandCount(), 1);
    EXPECT_EQ(Band(rebar, 0).id, 306u);
    EXPECT_EQ(rebar->FindBand(kept), 0);
}

TEST_F(ReBarTest, ADragOnABandsBarLeavesItInItsBand)
{
    CSizedBar* bar = DockedBar(309, 120);
    // As the manager's toolbars are made: free to dock anywhere and float.
    bar->EnableDocking(0x3F);
    ASSERT_TRUE(Bars()->AddToRebar(bar));
    frame->RecalcLayout();
    testpump::PumpUntilIdle();

    // Pressed on the bar, dragged to the middle of the frame, let go: the
    // rebar moves its bands itself, the bar does not float off.
    CRect rcBar;
    bar->GetWindowRect(&rcBar);
    CRect rcFrame;
    frame->GetClientRect(&rcFrame);
    frame->ClientToScreen(&rcFrame);
    const CPoint ptFar = rcFrame.CenterPoint();
    ::SetCursorPos(ptFar.x, ptFar.y);
    bar->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptFar.x - rcBar.left, ptFar.y - rcBar.top));
    bar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptFar.x - rcBar.left, ptFar.y - rcBar.top));
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcBar.Width() - 4, rcBar.Height() / 2));
    testpump::PumpUntilIdle();

    EXPECT_EQ(::GetParent(bar->GetSafeHwnd()), rebar->GetSafeHwnd());
    EXPECT_NE(bar->GetPosition(), xtpBarFloating);
    EXPECT_EQ(bar->GetDockBar(), nullptr);
    EXPECT_EQ(rebar->FindBand(bar), 0);
    EXPECT_EQ(bar->GetFlags() & 0x1Fu, 0u) << "a band's bar keeps no docking of its own";
}

TEST(ReBarSite, NoBandsWithoutACommandBarRebar)
{
    auto* frame = new CTestFrame();
    ASSERT_TRUE(frame->CreateFrame(400, 300));
    CSizedBar* pBar = frame->DockBar(xtpBarTop, 100);
    EXPECT_FALSE(frame->GetCommandBars()->AddToRebar(pBar));

    // A plain rebar under the id is not one the manager fills.
    auto* plain = new CReBar();
    plain->m_bAutoDelete = TRUE;
    ASSERT_TRUE(plain->Create(frame));
    EXPECT_FALSE(frame->GetCommandBars()->AddToRebar(pBar));
    EXPECT_EQ(plain->GetBandCount(), 0);
    EXPECT_NE(pBar->GetDockBar(), nullptr);
    frame->GetCommandBars()->RemoveFromRebar(pBar);
    frame->DestroyWindow();
}

}  // namespace

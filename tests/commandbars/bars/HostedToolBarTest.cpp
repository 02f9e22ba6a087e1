// A toolbar placed in a window that is not a frame (a dialog or view): the
// window's bar layout gives it the top of what is left.
#include <gtest/gtest.h>
#include <memory>
#include "commandbars/CommandBarsTestSupport.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"

namespace {

const int kSiteWidth = 500;
// The ids control bars take in a window's bar layout.
const UINT kFirstBarId = 0xE800, kLastBarId = 0xE8FF;

class HostedToolBar : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(site.Create(CRect(50, 50, 50 + kSiteWidth, 350))); }
    void TearDown() override
    {
        for (auto* pBar : bars) {
            if (pBar->GetSafeHwnd())
                pBar->DestroyWindow();
            pBar->InternalRelease();
        }
        site.DestroyWindow();
    }
    CXTPToolBar* AddBar(DWORD dwFlags)
    {
        auto* pBar = new CXTPToolBar();
        bars.push_back(pBar);
        pBar->SetFlags(dwFlags);
        EXPECT_TRUE(pBar->Create(&site, FALSE));
        pBar->SetDlgCtrlID(static_cast<int>(kFirstBarId + bars.size()));
        for (int i = 0; i < 3; i++)
            pBar->GetControls()->Add(xtpControlButton, 100 + i)->SetCaption(L"Knopf");
        return pBar;
    }
    CRect InSite(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        site.ScreenToClient(&rc);
        return rc;
    }
    CTestSite site;
    std::vector<CXTPToolBar*> bars;
};

} // namespace

TEST_F(HostedToolBar, BarsStackAtTheTopStretchedOnlyByTheirFlag)
{
    struct Case
    {
        const char* what;
        DWORD flags;
        bool fullWidth;
    } cases[] = {
        {"plain bar: as wide as its controls", 0, false},
        {"stretched bar (flag 64): across the window", XTP_BARFLAG_STRETCHED, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CXTPToolBar* pFirst = AddBar(c.flags);
        CXTPToolBar* pSecond = AddBar(c.flags);
        site.RepositionBars(kFirstBarId, kLastBarId, 0);
        CRect rcFirst = InSite(pFirst), rcSecond = InSite(pSecond);
        EXPECT_GT(rcFirst.Height(), 0);
        EXPECT_EQ(0, rcFirst.left);
        EXPECT_EQ(0, rcSecond.left);
        EXPECT_EQ(0, std::min(rcFirst.top, rcSecond.top)) << "one at the top";
        EXPECT_EQ(std::max(rcFirst.top, rcSecond.top), std::min(rcFirst.bottom, rcSecond.bottom))
            << "the other right below";
        EXPECT_EQ(c.fullWidth, rcFirst.Width() == kSiteWidth) << rcFirst.Width();
        EXPECT_LE(rcFirst.Width(), kSiteWidth);
        for (auto* pBar : {pFirst, pSecond})
            pBar->DestroyWindow();
    }
}

TEST_F(HostedToolBar, QueryMovesNothingAndHiddenBarsTakeNoRoom)
{
    CXTPToolBar* pShown = AddBar(0);
    CXTPToolBar* pHidden = AddBar(0);
    pHidden->SetVisible(FALSE);
    pShown->MoveWindow(7, 90, 30, 10);
    CRect rcLeft;
    site.RepositionBars(kFirstBarId, kLastBarId, 0, CWnd::reposQuery, &rcLeft, nullptr, TRUE);
    EXPECT_EQ(CRect(7, 90, 37, 100), InSite(pShown)) << "a query only measures";
    int nHeight = rcLeft.top;
    EXPECT_GT(nHeight, 0) << "the shown bar's height";

    site.RepositionBars(kFirstBarId, kLastBarId, 0);
    EXPECT_EQ(0, InSite(pShown).top);
    EXPECT_EQ(nHeight, InSite(pShown).Height()) << "the same height as measured: only one bar took room";

    pShown->SetVisible(FALSE);
    site.RepositionBars(kFirstBarId, kLastBarId, 0, CWnd::reposQuery, &rcLeft, nullptr, TRUE);
    EXPECT_EQ(0, rcLeft.top);
}

// Dock bars: where a docked toolbar lands (rows by the drop's centre), how a
// row is laid out (overlaps, squeezing, wrapping, stretched bars) and the
// frame layout around them.
#include <gtest/gtest.h>
#include "commandbars/frame/FrameTestSupport.h"
#include "framework/windows/CControlBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "support/Screenshot.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"

namespace {

class DockBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CTestFrame();
        ASSERT_TRUE(frame->CreateFrame(600, 400));
    }
    void TearDown() override
    {
        if (frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    CXTPDockBar* Dock(XTPBarPosition side) { return frame->GetCommandBars()->GetDockBar(side); }
    // The rows of a dock bar as bar lists.
    std::vector<std::vector<CXTPToolBar*>> Rows(CXTPDockBar* pDockBar)
    {
        std::vector<std::vector<CXTPToolBar*>> rows;
        std::vector<CXTPToolBar*> row;
        for (int i = 1; i < pDockBar->GetEntryCount(); i++) {
            if (pDockBar->GetEntry(i) == nullptr) {
                rows.push_back(row);
                row.clear();
            } else
                row.push_back(pDockBar->GetEntry(i));
        }
        EXPECT_TRUE(row.empty()) << "the array ends with a row end";
        return rows;
    }
    CRect ScreenRect(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc;
    }
    CTestFrame* frame = nullptr;
};

}  // namespace

TEST_F(DockBarTest, DropCentreChoosesTheRow)
{
    CSizedBar* first = frame->DockBar(xtpBarTop, 100);
    CSizedBar* second = frame->DockBar(xtpBarTop, 100);
    frame->Layout();
    ASSERT_EQ(Rows(Dock(xtpBarTop)).size(), 2u);
    CRect rcFirst = ScreenRect(first), rcSecond = ScreenRect(second);
    ASSERT_EQ(rcSecond.top, rcFirst.bottom) << "rows stack without a gap";

    struct Case
    {
        const char* what;
        int centreY;  // relative to the first row's top
        int row;      // where the bar lands; rows grow by one when new
        size_t rows;
    } cases[] = {
        {"lower half of the first row", 15, 0, 2},
        {"upper half of the second row", 22 + 5, 1, 2},
        {"just below the last row", 44 + 3, 2, 3},
        {"above the first row", -30, 0, 3},
    };
    for (const Case& c : cases) {
        CSizedBar* bar = frame->DockBar(xtpBarLeft, 80);  // starts elsewhere
        CRect rc(rcFirst.left + 300, rcFirst.top + c.centreY - 11, rcFirst.left + 380, rcFirst.top + c.centreY + 11);
        frame->GetCommandBars()->DockCommandBar(bar, &rc, Dock(xtpBarTop));
        auto rows = Rows(Dock(xtpBarTop));
        ASSERT_EQ(rows.size(), c.rows) << c.what;
        ASSERT_LT(static_cast<size_t>(c.row), rows.size()) << c.what;
        EXPECT_EQ(rows[c.row].front(), bar) << c.what;
        EXPECT_EQ(bar->GetDockBar(), Dock(xtpBarTop)) << c.what;
        EXPECT_TRUE(Rows(Dock(xtpBarLeft)).empty()) << c.what << ": the old dock bar lets go";
        frame->GetCommandBars()->Remove(bar);
        frame->Layout();
    }
}

TEST_F(DockBarTest, RowsAppearAndCollapse)
{
    CSizedBar* a = frame->DockBar(xtpBarTop, 100);
    CSizedBar* b = frame->DockBar(xtpBarTop, 100);
    CSizedBar* stretched = frame->DockBar(xtpBarTop, 100, nullptr, XTP_BARFLAG_STRETCHED);
    frame->Layout();
    // Docking b into a's row, then the stretched bar into the same row: it
    // still ends up alone.
    CRect rcA = ScreenRect(a);
    CRect rcDrop(rcA.right + 10, rcA.top, rcA.right + 110, rcA.bottom);
    frame->GetCommandBars()->DockCommandBar(b, &rcDrop, Dock(xtpBarTop));
    frame->GetCommandBars()->DockCommandBar(stretched, &rcDrop, Dock(xtpBarTop));
    auto rows = Rows(Dock(xtpBarTop));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<CXTPToolBar*>{stretched}));
    EXPECT_EQ(rows[1].size(), 2u);
    frame->Layout();
    EXPECT_EQ(frame->BarRect(stretched).Width(), 600) << "a stretched bar spans the side";

    // Taking the bars out: their row goes, and the stretched bar's.
    frame->GetCommandBars()->Remove(stretched);
    frame->GetCommandBars()->Remove(a);
    EXPECT_EQ(Rows(Dock(xtpBarTop)).size(), 1u);
    frame->GetCommandBars()->Remove(b);
    EXPECT_EQ(Dock(xtpBarTop)->GetEntryCount(), 1) << "an empty dock bar is one row end";
    frame->Layout();
    EXPECT_EQ(frame->BarRect(Dock(xtpBarTop)).Height(), 0);
}

TEST_F(DockBarTest, OverlapsShiftInRowOrder)
{
    CSizedBar* a = frame->DockBar(xtpBarTop, 150);
    frame->Layout();
    CRect rcA = ScreenRect(a);
    // Three bars remembered at nearly the same place: the bar first in the
    // row keeps it, the others follow it in row order.
    CSizedBar* b = frame->DockBar(xtpBarLeft, 150);
    CSizedBar* c = frame->DockBar(xtpBarLeft, 150);
    CRect rcDrop(rcA.left + 20, rcA.top, rcA.left + 170, rcA.bottom);
    frame->GetCommandBars()->DockCommandBar(b, &rcDrop, Dock(xtpBarTop));
    rcDrop.OffsetRect(-10, 0);
    frame->GetCommandBars()->DockCommandBar(c, &rcDrop, Dock(xtpBarTop));
    frame->Layout();
    CRect ra = frame->BarRect(a), rb = frame->BarRect(b), rc = frame->BarRect(c);
    EXPECT_EQ(ra.top, rb.top);
    EXPECT_EQ(rb.top, rc.top);
    EXPECT_FALSE(CRect().IntersectRect(ra, rb) || CRect().IntersectRect(rb, rc) || CRect().IntersectRect(ra, rc))
        << "no two bars overlap";
    EXPECT_LE(std::max({ra.right, rb.right, rc.right}), 600);
}

// A bar let go partly before a dock bar's start (left of the top one, above
// the left one) begins at that start, in its own new row.
TEST_F(DockBarTest, ABarDroppedBeforeTheStartBeginsAtTheStart)
{
    for (XTPBarPosition side : {xtpBarTop, xtpBarLeft}) {
        SCOPED_TRACE(side == xtpBarTop ? "top" : "left");
        CSizedBar* first = frame->DockBar(side, 150);
        CSizedBar* dropped = frame->DockBar(xtpBarBottom, 100);  // starts elsewhere
        frame->Layout();
        const CRect rcDock = ScreenRect(Dock(side)), rcFirst = ScreenRect(first);
        // 30 pixels before the start, its centre just past the first row.
        CRect rcDrop = side == xtpBarTop
                           ? CRect(rcDock.left - 30, rcFirst.bottom - 8, rcDock.left + 70, rcFirst.bottom + 14)
                           : CRect(rcFirst.right - 8, rcDock.top - 30, rcFirst.right + 14, rcDock.top + 70);
        frame->GetCommandBars()->DockCommandBar(dropped, &rcDrop, Dock(side));
        frame->Layout();
        ASSERT_EQ(Dock(side), dropped->GetDockBar());
        ASSERT_EQ(2u, Rows(Dock(side)).size());
        const CRect rcDockAfter = ScreenRect(Dock(side)), rcDropped = ScreenRect(dropped);
        if (side == xtpBarTop)
            EXPECT_EQ(rcDockAfter.left, rcDropped.left);
        else
            EXPECT_EQ(rcDockAfter.top, rcDropped.top);
        EXPECT_EQ(100, side == xtpBarTop ? rcDropped.Width() : rcDropped.Height()) << "its whole length";
    }
}

TEST_F(DockBarTest, LongRowSqueezesThenWraps)
{
    // 3 x 250 in 600: the shrinkable bar gives way first.
    CSizedBar* a = frame->DockBar(xtpBarTop, 250);
    frame->Layout();
    CRect rcA = ScreenRect(a);
    CSizedBar* b = frame->DockBar(xtpBarLeft, 250, nullptr, XTP_BARFLAG_HIDEWRAP, 80);
    CSizedBar* c = frame->DockBar(xtpBarLeft, 250);
    CRect rcDrop(rcA.right, rcA.top, rcA.right + 250, rcA.bottom);
    frame->GetCommandBars()->DockCommandBar(b, &rcDrop, Dock(xtpBarTop));
    rcDrop.OffsetRect(250, 0);
    frame->GetCommandBars()->DockCommandBar(c, &rcDrop, Dock(xtpBarTop));
    frame->Layout();
    EXPECT_EQ(frame->BarRect(b).Width(), 100) << "squeezed to what is left";
    EXPECT_EQ(frame->BarRect(c).right, 600);
    EXPECT_EQ(frame->BarRect(Dock(xtpBarTop)).Height(), 22) << "one row still";

    // Narrower than the bars' least lengths: the last bar wraps below; the
    // array keeps one row.
    frame->SetWindowPos(nullptr, 0, 0, 520, 300, SWP_NOMOVE | SWP_NOZORDER);
    frame->Layout();
    EXPECT_EQ(frame->BarRect(Dock(xtpBarTop)).Height(), 44);
    EXPECT_EQ(frame->BarRect(c).top, frame->BarRect(a).bottom);
    EXPECT_EQ(Rows(Dock(xtpBarTop)).size(), 1u);
}

TEST_F(DockBarTest, FrameLayoutGivesEachSideItsBars)
{
    CSizedBar* top = frame->DockBar(xtpBarTop, 120);
    CSizedBar* bottom = frame->DockBar(xtpBarBottom, 120);
    CSizedBar* left = frame->DockBar(xtpBarLeft, 90);
    CSizedBar* right = frame->DockBar(xtpBarRight, 90);
    CWnd view;
    ASSERT_TRUE(view.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), frame, AFX_IDW_PANE_FIRST));
    frame->Layout();

    struct Expect
    {
        UINT id;
        CRect rc;
    } expected[] = {
        {59419, CRect(0, 0, 600, 22)},
        {59422, CRect(0, 378, 600, 400)},
        {59420, CRect(0, 22, 22, 378)},
        {59421, CRect(578, 22, 600, 378)},
        {AFX_IDW_PANE_FIRST, CRect(22, 22, 578, 378)},
    };
    for (const Expect& e : expected) {
        CWnd* pChild = frame->GetDlgItem(e.id);
        ASSERT_NE(pChild, nullptr) << e.id;
        EXPECT_EQ(frame->BarRect(pChild), e.rc) << e.id;
    }
    EXPECT_EQ(frame->BarRect(left), CRect(0, 22, 22, 112)) << "vertical bars run down their side";
    EXPECT_EQ(frame->BarRect(right).Height(), 90);
    EXPECT_EQ(frame->BarRect(top).Width(), 120);
    EXPECT_EQ(frame->BarRect(bottom).top, 378);
    view.DestroyWindow();
}

TEST_F(DockBarTest, PictureOfBarsOnFourSides)
{
    struct Side
    {
        XTPBarPosition side;
        int rows;
    } sides[] = {{xtpBarTop, 2}, {xtpBarBottom, 1}, {xtpBarLeft, 1}, {xtpBarRight, 1}};
    for (const Side& s : sides)
        for (int row = 0; row < s.rows; row++) {
            CSizedBar* bar = frame->DockBar(s.side, 3 * 46 + 6);
            BOOL bVert = s.side == xtpBarLeft || s.side == xtpBarRight;
            bar->SetBarPosition(s.side);
            for (int i = 0; i < 3; i++) {
                auto* pButton = new CXTPControlButton();
                bar->GetControls()->Add(pButton, 28400 + i);
                pButton->SetCaption(i == 0 ? L"Neu" : i == 1 ? L"Suche" : L"Hilfe");
                pButton->SetStyle(xtpButtonCaption);
                CRect rc(4 + i * 46, 1, 4 + i * 46 + 44, 21);
                pButton->SetRect(bVert ? CRect(1, rc.left, 21, rc.right) : rc);
            }
        }
    frame->Layout();
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testshot::Image image = testshot::CaptureWindow(frame->GetSafeHwnd());
    ASSERT_GT(image.width, 0);
    EXPECT_FALSE(testshot::Save(image, L"commandbars_dockbars.png").empty());
    EXPECT_EQ(frame->BarRect(Dock(xtpBarTop)).Height(), 44);
}

TEST_F(DockBarTest, CanDockNearASide)
{
    frame->DockBar(xtpBarTop, 100);
    frame->Layout();
    CRect rcTop = ScreenRect(Dock(xtpBarTop));
    CRect rcLeft = ScreenRect(Dock(xtpBarLeft));
    CXTPCommandBars* pBars = frame->GetCommandBars();
    struct Case
    {
        const char* what;
        CPoint pt;
        CXTPDockBar* preferred;
        CXTPDockBar* expected;
    } cases[] = {
        {"on the top row", CPoint(rcTop.left + 200, rcTop.top + 5), nullptr, Dock(xtpBarTop)},
        {"19 pixels below the top row", CPoint(rcTop.left + 200, rcTop.bottom + 19), nullptr, Dock(xtpBarTop)},
        {"20 pixels below: outside", CPoint(rcTop.left + 200, rcTop.bottom + 20), nullptr, nullptr},
        {"corner: the preferred side wins", CPoint(rcLeft.left + 5, rcTop.bottom + 5), Dock(xtpBarLeft),
         Dock(xtpBarLeft)},
        {"corner: else top first", CPoint(rcLeft.left + 5, rcTop.bottom + 5), nullptr, Dock(xtpBarTop)},
        {"the middle of the view", CPoint(rcTop.left + 300, rcTop.top + 200), Dock(xtpBarLeft), nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pBars->CanDock(c.pt, c.preferred), c.expected) << c.what;
}

TEST_F(DockBarTest, InThePrograms2003LooksTheRightDockBarAloneIsPlain)
{
    const int nOldTheme = XTPPaintManager()->GetCurrentTheme();
    for (int nTheme : {xtpThemeWhidbey, xtpThemeOffice2003}) {
        SCOPED_TRACE(nTheme);
        CXTPPaintManager::SetTheme(nTheme);
        auto* pTheme = dynamic_cast<XTPPaintThemes::CXTPOffice2003Theme*>(XTPPaintManager());
        ASSERT_NE(pTheme, nullptr);
        const COLORREF clrDark = pTheme->m_grcBar.clrDark.GetColor();
        ASSERT_NE(clrDark, pTheme->m_grcBar.clrLight.GetColor()) << "a gradient, or the fills could not be told apart";
        EXPECT_EQ(Dock(xtpBarRight)->GetStyle() & 0xF000, static_cast<DWORD>(CBRS_ALIGN_RIGHT));

        CSizedBar* pLeft = frame->DockBar(xtpBarLeft, 100);
        CSizedBar* pRight = frame->DockBar(xtpBarRight, 100);
        frame->Layout();
        frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const testshot::Image image = testshot::CaptureWindow(frame->GetSafeHwnd());
        EXPECT_FALSE(testshot::Save(image, nTheme == xtpThemeWhidbey ? L"commandbars_dockbars_whidbey.png"
                                                                    : L"commandbars_dockbars_office2003.png")
                         .empty());
        // Below each side's bar the dock bar shows its own fill.
        const CRect rcLeft = frame->BarRect(Dock(xtpBarLeft)), rcRight = frame->BarRect(Dock(xtpBarRight));
        ASSERT_GT(rcRight.Height(), 200);
        for (int x = rcRight.left; x < rcRight.right; x += 4)
            EXPECT_EQ(image.Pixel(x, rcRight.bottom - 20), clrDark) << "right dock bar, column " << x;
        EXPECT_NE(image.Pixel(rcLeft.left + 1, rcLeft.bottom - 20), clrDark) << "the left one keeps its gradient";
        frame->GetCommandBars()->Remove(pLeft);
        frame->GetCommandBars()->Remove(pRight);
    }
    CXTPPaintManager::SetTheme(nOldTheme);
}

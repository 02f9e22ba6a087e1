// How the sets place and draw tabs: the raised selected property page, the
// bars of the Visio set, state buttons without overlap, the stacked layout,
// keeping the selected tab in view, and every registered strip following a
// change of options.
#include <gtest/gtest.h>
#include "TabCanvas.h"
#include "TabTestHost.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"

TEST(TabAppearance, SelectedPropertyPageIsRaisedOverItsNeighbours)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({80, 80, 80});
    host.SetCurSel(1);
    CXTPTabPaintManager* paint = host.GetPaintManager();
    CXTPTabPaintManager::CColorSet* colors = paint->GetColorSet();
    colors->m_clrButtonSelected.SetCustomValue(RGB(250, 0, 0));
    colors->m_clrButtonNormal.SetCustomValue(RGB(0, 0, 250));
    CTabCanvas canvas(400, 200, RGB(0, 255, 0));
    paint->DrawTabControl(&host, canvas.DC(), host.m_rcLayout);

    CRect selected = host.ItemRect(1), left = host.ItemRect(0);
    int y = selected.CenterPoint().y;
    // Two pixels over each neighbour (inside the outline), and two higher.
    EXPECT_EQ(RGB(250, 0, 0), canvas.Pixel(selected.left - 1, y));
    EXPECT_NE(RGB(0, 0, 250), canvas.Pixel(selected.right, y)) << "its shaded edge lies over the right neighbour";
    EXPECT_NE(RGB(0, 0, 250), canvas.Pixel(selected.right + 1, y));
    EXPECT_EQ(RGB(0, 0, 250), canvas.Pixel(selected.right + 2, y));
    EXPECT_EQ(RGB(0, 0, 250), canvas.Pixel(left.CenterPoint().x, y));
    EXPECT_EQ(RGB(250, 0, 0), canvas.Pixel(selected.CenterPoint().x, selected.top - 1));
    // Row 0: the selected tab opens into the client area (no line between).
    EXPECT_EQ(RGB(250, 0, 0), canvas.Pixel(selected.CenterPoint().x, selected.bottom - 1));
    EXPECT_NE(RGB(0, 0, 250), canvas.Pixel(left.CenterPoint().x, left.bottom - 1)) << "others are closed by the frame";
}

TEST(TabAppearance, VisioPageLiesUnderTheSelectedBar)
{
    CTabTestHost host;
    host.GetPaintManager()->SetAppearance(xtpTabAppearanceVisio);
    host.AddTabs({0, 0, 0, 0, 0});
    host.SetCurSel(0);
    int h = host.GetPaintManager()->GetAppearanceSet()->GetButtonHeight(&host);
    EXPECT_EQ(1, host.ItemRect(0).top) << "inset by one";
    EXPECT_EQ(199 - 4 * h, host.ItemRect(1).top) << "the other four at the bottom";
    EXPECT_EQ(199, host.ItemRect(4).bottom);
    CRect page = host.GetClientRect();
    EXPECT_GE(page.top, host.ItemRect(0).bottom);
    EXPECT_LE(page.bottom, host.ItemRect(1).top);
    EXPECT_EQ(398, host.ItemRect(2).Width()) << "full-width bars";

    host.SetCurSel(4);
    EXPECT_EQ(1 + 4 * h, host.ItemRect(4).top) << "all stacked from the top";
    EXPECT_GE(host.GetClientRect().top, host.ItemRect(4).bottom);
}

TEST(TabAppearance, StateButtonRowsDoNotOverlap)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.GetPaintManager()->SetAppearanceSet(new CFixedLengthSet<CXTPTabPaintManager::CAppearanceSetStateButtons>());
    host.GetPaintManager()->SetLayout(xtpTabLayoutMultiRow);
    host.AddTabs({150, 150, 150});
    ASSERT_EQ(2, host.GetRowIndexer()->GetRowCount());
    CRect first = host.ItemRect(0), second = host.ItemRect(2);
    EXPECT_TRUE(first.bottom == second.top || second.bottom == first.top);
}

TEST(TabAppearance, StackedTabsStandOnTheClientSide)
{
    struct Case
    {
        int position;
    } cases[] = {{xtpTabPositionTop}, {xtpTabPositionBottom}, {xtpTabPositionLeft}, {xtpTabPositionRight}};
    for (const Case& c : cases)
    {
        CTabTestHost host;
        host.UseFixedLengths();
        host.GetPaintManager()->SetPosition(c.position);
        host.GetPaintManager()->SetLayout(xtpTabLayoutRotated);
        host.AddTabs({60, 90});
        int h = host.GetPaintManager()->GetAppearanceSet()->GetButtonHeight(&host);
        CRect a = host.ItemRect(0), b = host.ItemRect(1), header = host.GetHeaderRect();
        bool horizontal = c.position == xtpTabPositionTop || c.position == xtpTabPositionBottom;
        EXPECT_EQ(h, horizontal ? a.Width() : a.Height()) << "position " << c.position;
        EXPECT_EQ(60, horizontal ? a.Height() : a.Width()) << "position " << c.position;
        EXPECT_EQ(90, horizontal ? b.Height() : b.Width());
        // Both end on the client side of the strip.
        switch (c.position)
        {
        case xtpTabPositionTop: EXPECT_EQ(a.bottom, b.bottom); EXPECT_EQ(header.bottom, b.bottom); break;
        case xtpTabPositionBottom: EXPECT_EQ(a.top, b.top); break;
        case xtpTabPositionLeft: EXPECT_EQ(a.right, b.right); break;
        default: EXPECT_EQ(a.left, b.left); break;
        }
    }
}

TEST(TabAppearance, SelectingAHiddenTabScrollsItIntoView)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.AddTabs({100, 100, 100, 100, 100, 100});
    host.SetCurSel(5);
    CRect header = host.GetHeaderRect();
    EXPECT_LE(host.ItemRect(5).right, header.right);
    EXPECT_LT(host.GetScrollOffset(), 0);
    host.SetCurSel(0);
    EXPECT_GE(host.ItemRect(0).left, header.left);
    EXPECT_EQ(0, host.GetScrollOffset());
}

TEST(TabAppearance, EveryRegisteredStripFollowsOptionChanges)
{
    CXTPTabPaintManager* shared = new CXTPTabPaintManager();
    {
        CTabTestHost first(shared), second(shared);
        first.AddTabs({0});
        second.AddTabs({0, 0});
        int before1 = first.m_nRepositions, before2 = second.m_nRepositions;
        shared->SetPosition(xtpTabPositionBottom);
        EXPECT_EQ(before1 + 1, first.m_nRepositions);
        EXPECT_EQ(before2 + 1, second.m_nRepositions);
        EXPECT_EQ(first.m_rcLayout.bottom, first.GetHeaderRect().bottom);
        shared->SetColor(xtpTabColorOffice2003);
        EXPECT_EQ(before2 + 2, second.m_nRepositions);
    }
    EXPECT_EQ(0, shared->m_arrAtoms.GetSize()) << "hosts leave the list when they go";
    shared->InternalRelease();
}

namespace {

// Takes another strip off the list while it is laid out, as a host that
// rebuilds or deletes its strips does.
class CRemovingHost : public CTabTestHost
{
public:
    using CTabTestHost::CTabTestHost;
    void Reposition() override
    {
        CTabTestHost::Reposition();
        if (m_pRemove)
            m_pPaintManager->RemoveAtom(m_pRemove);
    }
    CXTPTabManagerAtom* m_pRemove = nullptr;
};

} // namespace

TEST(TabAppearance, AStripTakenOffTheListDuringARefreshIsNotAskedAfterwards)
{
    CXTPTabPaintManager* shared = new CXTPTabPaintManager();
    {
        CRemovingHost remover(shared);
        CTabTestHost gone(shared), staying(shared);
        remover.m_pRemove = &gone;
        int goneBefore = gone.m_nRepositions, stayingBefore = staying.m_nRepositions;
        shared->SetPosition(xtpTabPositionLeft);
        EXPECT_EQ(goneBefore, gone.m_nRepositions);
        EXPECT_EQ(stayingBefore + 1, staying.m_nRepositions) << "the others are still asked";
        EXPECT_EQ(2, shared->m_arrAtoms.GetSize());
    }
    shared->InternalRelease();
}

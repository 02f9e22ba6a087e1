// Shapes of single appearance sets: the room the slanted sets keep before
// their first tab, a tab longer than a multi-row strip's room, and what the
// free-standing state buttons leave behind them.
#include <gtest/gtest.h>
#include "TabCanvas.h"
#include "TabTestHost.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace {

CRect HeaderMargin(CXTPTabPaintManager& paint)
{
    return paint.GetAppearanceSet()->GetHeaderMargin();
}

} // namespace

TEST(TabSetShapes, SlantedSetsKeepTheirOwnRoomBeforeTheFirstTab)
{
    CXTPTabPaintManager paint;
    paint.SetAppearance(xtpTabAppearanceVisualStudio2005);
    int text = paint.GetAppearanceSet()->GetTextHeight();
    EXPECT_EQ(CRect(2 + text / 2, 3, 6, 0), HeaderMargin(paint)) << "half the text height for the overlap's slant";
    if (text == 18)
    {
        EXPECT_EQ(11, HeaderMargin(paint).left);
    }

    // The margin follows a larger font on the next refresh.
    LOGFONT lf = {};
    lf.lfHeight = -32;
    lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
    paint.SetFontIndirect(&lf, FALSE);
    paint.RefreshMetrics();
    int large = paint.GetAppearanceSet()->GetTextHeight();
    EXPECT_GT(large, text);
    EXPECT_EQ(2 + large / 2, HeaderMargin(paint).left);

    // The 2003 pages keep the whole text height for their long slant.
    paint.SetAppearance(xtpTabAppearancePropertyPage2003);
    EXPECT_EQ(2 + paint.GetAppearanceSet()->GetTextHeight(), HeaderMargin(paint).left);

    // Laid out, the first tab starts right after the margin.
    CTabTestHost host;
    host.GetPaintManager()->SetAppearance(xtpTabAppearanceVisualStudio2005);
    host.AddTabs({0, 0});
    host.SetCurSel(0);
    int hostText = host.GetPaintManager()->GetAppearanceSet()->GetTextHeight();
    EXPECT_EQ(host.GetHeaderRect().left + 2 + hostText / 2, host.ItemRect(0).left);
}

TEST(TabSetShapes, TabLongerThanAMultiRowStripEndsAtTheRoomsEnd)
{
    CTabTestHost host;
    host.UseFixedLengths();
    CXTPTabPaintManager* paint = host.GetPaintManager();
    paint->SetLayout(xtpTabLayoutMultiRow);
    paint->SetItemColors(TRUE);
    host.m_rcLayout = CRect(0, 0, 300, 130);
    host.AddTabs({100, 500, 80});
    host.GetItem(1)->SetCaption(L"Verfügbare Tickets aller Spiele der Vorrunde in München und Berlin");
    host.SetCurSel(0);
    ASSERT_EQ(3, host.GetRowIndexer()->GetRowCount());

    CRect header = host.GetHeaderRect(), m = HeaderMargin(*paint);
    CRect longTab = host.ItemRect(1);
    EXPECT_EQ(header.left + m.left, longTab.left);
    EXPECT_EQ(header.right - m.right, longTab.right) << "cut at the room's end, not 500 long";
    EXPECT_EQ(header.right - m.right, host.ItemRect(0).right) << "shorter tabs are still stretched to it";

    CTabCanvas canvas(300, 130);
    paint->DrawTabControl(&host, canvas.DC(), host.m_rcLayout);
    canvas.Save(L"tabs_multirow_long_tab.png");
    // One pixel under the tab's top edge: its fill only, above the caption.
    COLORREF fill = host.GetItemColor(host.GetItem(1));
    int y = longTab.top + 1;
    EXPECT_EQ(fill, canvas.Pixel(longTab.right - 6, y)) << "the tab's own colour up to its end";
    for (int x = longTab.right + 1; x < host.m_rcLayout.right; x++)
        EXPECT_NE(fill, canvas.Pixel(x, y)) << "nothing of the tab past the room, x " << x;
}

TEST(TabSetShapes, MultiRowTabsSqueezedBelowNothingStayEmpty)
{
    CTabTestHost host;
    host.UseFixedLengths();
    host.GetPaintManager()->SetLayout(xtpTabLayoutMultiRow);
    host.m_rcLayout = CRect(0, 0, 6, 100);
    host.AddTabs({100, 50});
    ASSERT_EQ(2, host.GetRowIndexer()->GetRowCount());
    for (int i = 0; i < 2; i++)
    {
        EXPECT_EQ(0, host.ItemRect(i).Width()) << i;
        EXPECT_EQ(0, host.GetItem(i)->GetButtonLength()) << i;
    }
}

TEST(TabSetShapes, StateButtonsLeaveTheControlFaceBehindThem)
{
    CTabTestHost host;
    CXTPTabPaintManager* paint = host.GetPaintManager();
    paint->SetAppearance(xtpTabAppearanceStateButtons);
    // Custom header colours show wherever the header gradient is filled.
    CXTPTabPaintManager::CColorSet* colors = paint->GetColorSet();
    colors->m_clrHeaderFace.clrLight.SetCustomValue(RGB(255, 0, 255));
    colors->m_clrHeaderFace.clrDark.SetCustomValue(RGB(0, 160, 0));
    host.m_rcLayout = CRect(0, 0, 320, 90);
    host.AddTabs({0, 0, 0});
    host.GetItem(0)->SetCaption(L"Spiele");
    host.GetItem(1)->SetCaption(L"Tickets");
    host.GetItem(2)->SetCaption(L"Statistik");
    host.SetCurSel(1);

    CTabCanvas canvas(320, 90);
    paint->DrawTabControl(&host, canvas.DC(), host.m_rcLayout);
    canvas.Save(L"tabs_state_buttons_custom_header.png");
    COLORREF face = colors->m_clrControlFace;
    CRect header = host.GetHeaderRect();
    CRect first = host.ItemRect(0), selected = host.ItemRect(1), last = host.ItemRect(2);
    for (int y : {int(header.top), int(first.CenterPoint().y), int(header.bottom) - 1})
    {
        EXPECT_EQ(face, canvas.Pixel(header.left, y)) << "before the first button, y " << y;
        EXPECT_EQ(face, canvas.Pixel(last.right + 6, y)) << "after the last button, y " << y;
        EXPECT_EQ(face, canvas.Pixel(first.left + 2, y)) << "inside an unselected button, y " << y;
    }
    EXPECT_NE(face, canvas.Pixel(selected.left + 4, selected.CenterPoint().y)) << "the selected button is filled";
    EXPECT_EQ(face, canvas.Pixel(header.left + 2, header.bottom + 6)) << "the client area is not framed";
}

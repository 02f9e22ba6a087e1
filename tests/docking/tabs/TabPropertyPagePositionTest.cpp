// The selected PropertyPage tab at each strip position: the rectangle its
// content is drawn in, and its fill beyond the start and the outer edge.
#include <gtest/gtest.h>
#include <vector>
#include "TabCanvas.h"
#include "TabTestHost.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/XTPTabManagerItem.h"

namespace {

// Remembers the rectangle each tab's content is drawn in.
class CContentRecorder : public CXTPTabPaintManager
{
public:
    int DrawItemContent(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem, BOOL bDraw) override
    {
        if (bDraw && pItem->IsSelected())
            m_rcSelectedContent = rcItem;
        return CXTPTabPaintManager::DrawItemContent(pDC, pItem, rcItem, bDraw);
    }
    CRect m_rcSelectedContent;
};

} // namespace

TEST(TabPropertyPagePosition, SelectedTabIsRaisedOnTheSidesOfItsPosition)
{
    const COLORREF selectedFill = RGB(250, 0, 0);
    struct Case
    {
        const char* where;
        int position;
        CRect content; // how far each side of the content rectangle lies outside the tab
    } cases[] = {
        {"top", xtpTabPositionTop, {2, 2, 2, 0}},
        {"left", xtpTabPositionLeft, {2, 2, 0, 2}},
        {"bottom", xtpTabPositionBottom, {2, 2, 2, 4}},
        {"right", xtpTabPositionRight, {2, 2, 4, 2}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.where);
        auto* paint = new CContentRecorder;
        CTabTestHost host(paint);
        paint->InternalRelease();
        host.UseFixedLengths();
        paint->SetPosition(c.position);
        host.AddTabs({80, 80, 80});
        host.SetCurSel(1);
        CXTPTabPaintManager::CColorSet* colors = paint->GetColorSet();
        colors->m_clrButtonSelected.SetCustomValue(selectedFill);
        colors->m_clrButtonNormal.SetCustomValue(RGB(0, 0, 250));
        CTabCanvas canvas(400, 200, RGB(255, 255, 255));
        paint->DrawTabControl(&host, canvas.DC(), host.m_rcLayout);

        CRect item = host.ItemRect(1);
        CRect content = paint->m_rcSelectedContent;
        EXPECT_EQ(item.left - c.content.left, content.left);
        EXPECT_EQ(item.top - c.content.top, content.top);
        EXPECT_EQ(item.right + c.content.right, content.right);
        EXPECT_EQ(item.bottom + c.content.bottom, content.bottom);

        // The start and the outer side are raised: the fill reaches one pixel
        // outside the item (the outline takes the outermost one).
        CPoint centre = item.CenterPoint();
        CPoint start, outer;
        switch (c.position)
        {
        case xtpTabPositionTop:
            start = {item.left - 1, centre.y}, outer = {centre.x, item.top - 1};
            break;
        case xtpTabPositionBottom:
            start = {item.left - 1, centre.y}, outer = {centre.x, item.bottom};
            break;
        case xtpTabPositionLeft:
            start = {centre.x, item.top - 1}, outer = {item.left - 1, centre.y};
            break;
        default:
            start = {centre.x, item.top - 1}, outer = {item.right, centre.y};
            break;
        }
        EXPECT_EQ(selectedFill, canvas.Pixel(start.x, start.y)) << "start side";
        EXPECT_EQ(selectedFill, canvas.Pixel(outer.x, outer.y)) << "outer side";
    }
}

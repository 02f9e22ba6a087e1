// Tabs with a slanted leading edge: the long-slanted 2003 property pages and
// the overlapping tabs drawn towards the selected one.
#include "framework/gdi/CDC.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSets.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/XTPTabManager.h"

namespace {

const COLORREF clrWhite = RGB(255, 255, 255);

// Along (u) and across (v, 0 at the outer edge) sizes of an item.
void FigureSize(CXTPTabManagerItem* pItem, const CRect& rc, int& L, int& T)
{
    BOOL bHorizontal = pItem->GetTabManager()->IsHorizontal();
    L = bHorizontal ? rc.Width() : rc.Height();
    T = bHorizontal ? rc.Height() : rc.Width();
}

} // namespace

void CXTPTabPaintManager::CAppearanceSetPropertyPage2003::RefreshMetrics()
{
    CAppearanceSet::RefreshMetrics();
    m_rcHeaderMargin.SetRect(2 + m_nButtonHeight, 3, 6, 0);
}

void CXTPTabPaintManager::CAppearanceSetVisualStudio2005::RefreshMetrics()
{
    CAppearanceSet::RefreshMetrics();
    m_rcHeaderMargin.SetRect(2 + m_nButtonHeight / 2, 3, 6, 0);
}

CRect CXTPTabPaintManager::CAppearanceSetPropertyPage2003::FillClient(CDC* pDC, CXTPTabManager* pManager)
{
    return FillClientWithFrame(pDC, pManager, GetColorSet()->m_clrFurther[1]);
}

void CXTPTabPaintManager::CAppearanceSetPropertyPage2003::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    int L, T;
    FigureSize(pItem, rc, L, T);
    CXTPTabFigure f(rc, GetPosition());
    CColorSet* pColors = GetColorSet();
    BOOL bSelected = pItem->IsSelected();
    COLORREF o = bSelected ? pColors->m_clrFurther[1] : pColors->m_clrFurther[0];
    COLORREF m = bSelected ? clrWhite : static_cast<COLORREF>(pColors->m_clrFurther[2]);
    COLORREF w = bSelected ? clrWhite : static_cast<COLORREF>(pColors->m_clrSeparator);

    POINT fill[] = {f.At(L - 1, T - 1), f.At(L - 1, 2), f.At(4, 2), f.At(8 - T, T - 2)};
    COLORREF clrFill = XTPTabFillPolygon(pDC, fill, 4, pColors, pItem);
    POINT outline[] = {f.At(L, T - 2), f.At(L, 2), f.At(L - 2, 0), f.At(7, 0),
                       f.At(2, 2), f.At(6 - T, T - 2), f.At(4 - T, T - 2)};
    XTPTabPolyline(pDC, outline, 7, o);
    POINT right[] = {f.At(L - 1, T - 2), f.At(L - 1, 2), f.At(L - 3, 0)};
    XTPTabPolyline(pDC, right, 3, m);
    POINT top[] = {f.At(L - 3, 1), f.At(6, 1), f.At(1, 4), f.At(6 - T, T - 1)};
    XTPTabPolyline(pDC, top, 4, w);
    if (bSelected && clrFill != COLORREF(-1))
    {
        POINT base[] = {f.At(5 - T, T - 1), f.At(L + 1, T - 1)};
        XTPTabPolyline(pDC, base, 2, clrFill);
    }
    m_pPaintManager->DrawItemContent(pDC, pItem, rc, TRUE);
}

void CXTPTabPaintManager::CAppearanceSetVisualStudio2005::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    int L, T;
    FigureSize(pItem, rc, L, T);
    int s = T / 2;
    CXTPTabFigure f(rc, GetPosition());
    CColorSet* pColors = GetColorSet();
    BOOL bSelected = pItem->IsSelected();

    POINT fill[] = {f.At(2 - s, T), f.At(s, 1), f.At(s + 2, 0), f.At(L - 2, 0), f.At(L, 2), f.At(L, T)};
    COLORREF clrFill = XTPTabFillPolygon(pDC, fill, 6, pColors, pItem);
    POINT outline[] = {f.At(2 - s, T - 1), f.At(s, 1), f.At(s + 2, 0), f.At(L - 2, 0), f.At(L, 2), f.At(L, T)};
    const CXTPColorValue* lines = bSelected ? pColors->m_clrLinesSelected : pColors->m_clrLinesNormal;
    XTPTabPolyline(pDC, outline, 6, lines[0]);
    POINT inner[] = {f.At(3 - s, T - 1), f.At(s + 1, 1), f.At(L - 2, 1)};
    XTPTabPolyline(pDC, inner, 3, lines[3]);
    if (bSelected && clrFill != COLORREF(-1))
    {
        POINT base[] = {f.At(3 - s, T - 1), f.At(L, T - 1)};
        XTPTabPolyline(pDC, base, 2, clrFill);
    }
    m_pPaintManager->DrawItemContent(pDC, pItem, rc, TRUE);
}

// The flat families: framed flat tabs, their soft-cornered property-page
// form, the slanted sheet tabs, state buttons and the separated tabs whose
// selected one alone is raised.
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSets.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/XTPTabManager.h"

CRect CXTPTabPaintManager::CAppearanceSetFlat::FillClient(CDC* pDC, CXTPTabManager* pManager)
{
    return FillClientWithFrame(pDC, pManager, GetColorSet()->m_clrFrameBorder);
}

CRect CXTPTabPaintManager::CAppearanceSetFlat::GetFlatRect(CXTPTabManagerItem* pItem) const
{
    CRect rc = pItem->GetRect();
    BOOL bHorizontal = pItem->GetTabManager()->IsHorizontal();
    if (bHorizontal)
        rc.right++;
    else
        rc.bottom++;
    if (pItem->IsSelected())
        InflateRectForPosition(rc, CRect(0, 0, 0, 1), m_pPaintManager->GetPosition());
    return rc;
}

void CXTPTabPaintManager::CAppearanceSetFlat::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CRect rc = GetFlatRect(pItem);
    GetColorSet()->FillTabButton(pDC, rc, pItem);
    COLORREF clrFrame = GetColorSet()->m_clrFrameBorder;
    pDC->Draw3dRect(rc, clrFrame, clrFrame);
    m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

void CXTPTabPaintManager::CAppearanceSetPropertyPageFlat::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CRect rc = GetFlatRect(pItem);
    int nPosition = GetPosition();
    int nSaved = pDC->SaveDC();
    XTPExcludeCorners(pDC, rc.left, rc.top, rc.right, rc.bottom);
    CRect rcFill = rc;
    DeflateRectForPosition(rcFill, CRect(1, 1, 1, 0), nPosition);
    GetColorSet()->FillTabButton(pDC, rcFill, pItem);
    COLORREF clrFrame = GetColorSet()->m_clrFrameBorder;
    pDC->Draw3dRect(rc, clrFrame, clrFrame);
    pDC->RestoreDC(nSaved);

    // Soften the two outer corners against their inner neighbours.
    CXTPTabFigure f(rc, nPosition);
    int L = pItem->GetTabManager()->IsHorizontal() ? rc.Width() : rc.Height();
    POINT corner0 = f.At(0, 0), inner0 = f.At(1, 1), corner1 = f.At(L - 1, 0), inner1 = f.At(L - 2, 1);
    POINT pairs[] = {corner0, {inner0.x - corner0.x, inner0.y - corner0.y},
                     corner1, {inner1.x - corner1.x, inner1.y - corner1.y}};
    XTPBlendPixelPairs(pDC, pairs, 4);
    m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

void CXTPTabPaintManager::CAppearanceSetExcel::RefreshMetrics()
{
    CAppearanceSet::RefreshMetrics();
    m_rcHeaderMargin.SetRect(2 + m_nButtonHeight / 2, 3, 2 + m_nButtonHeight / 2, 0);
}

void CXTPTabPaintManager::CAppearanceSetExcel::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    BOOL bHorizontal = pItem->GetTabManager()->IsHorizontal();
    int L = bHorizontal ? rc.Width() : rc.Height(), T = bHorizontal ? rc.Height() : rc.Width();
    CXTPTabFigure f(rc, GetPosition());
    int q = T / 4, s = T / 2;
    // Narrow at the outer edge, wide at the client side: the sides slant.
    POINT outline[] = {f.At(q - s, T), f.At(q, 0), f.At(L - q, 0), f.At(L - q + s, T)};
    CColorSet* pColors = GetColorSet();
    COLORREF clrFill = XTPTabFillPolygon(pDC, outline, 4, pColors, pItem);
    const CXTPColorValue* lines = pItem->IsSelected() ? pColors->m_clrLinesSelected : pColors->m_clrLinesNormal;
    POINT edge[] = {f.At(q - s, T - 1), f.At(q, 0), f.At(L - q, 0), f.At(L - q + s, T - 1)};
    XTPTabPolyline(pDC, edge, 2, lines[0]);
    XTPTabPolyline(pDC, edge + 1, 2, lines[1]);
    XTPTabPolyline(pDC, edge + 2, 2, lines[2]);
    POINT inner[] = {f.At(q - s + 1, T - 1), f.At(q + 1, 1), f.At(L - q - 1, 1), f.At(L - q + s - 1, T - 1)};
    XTPTabPolyline(pDC, inner, 2, lines[3]);
    XTPTabPolyline(pDC, inner + 1, 2, lines[4]);
    XTPTabPolyline(pDC, inner + 2, 2, lines[5]);
    if (pItem->IsSelected() && clrFill != COLORREF(-1))
    {
        POINT base[] = {f.At(q - s + 1, T - 1), f.At(L - q + s - 1, T - 1)};
        XTPTabPolyline(pDC, base, 2, clrFill);
    }
    m_pPaintManager->DrawItemContent(pDC, pItem, rc, TRUE);
}

CRect CXTPTabPaintManager::CAppearanceSetStateButtons::FillClient(CDC* /*pDC*/, CXTPTabManager* pManager)
{
    // Free-standing buttons: the control's face stays behind them, unframed.
    CRect rcHeader, rcClient;
    GetHeaderAndClientRects(pManager, rcHeader, rcClient);
    return rcHeader;
}

void CXTPTabPaintManager::CAppearanceSetStateButtons::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    GetColorSet()->FillStateButton(pDC, pItem->GetRect(), pItem);
    m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

CRect CXTPTabPaintManager::CAppearanceSetVisualStudio::FillClient(CDC* pDC, CXTPTabManager* pManager)
{
    CColorSet* pColors = GetColorSet();
    CRect rcHeader, rcClient;
    FillHeaderAndClient(pDC, pManager, rcHeader, rcClient);
    if (m_pPaintManager->m_nClientFrame == xtpTabFrameBorder)
    {
        pColors->FillClient(pDC, rcClient, pManager);
        pDC->Draw3dRect(rcClient, pColors->m_clrLight, pColors->m_clrSelectedText);
    }
    else if (m_pPaintManager->m_nClientFrame == xtpTabFrameSingleLine)
    {
        int nPosition = GetPosition();
        BOOL bLight = nPosition == xtpTabPositionTop || nPosition == xtpTabPositionLeft;
        DrawStripSideLine(pDC, rcClient, bLight ? pColors->m_clrLight : pColors->m_clrSelectedText);
    }
    return rcHeader;
}

void CXTPTabPaintManager::CAppearanceSetVisualStudio::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CColorSet* pColors = GetColorSet();
    CRect rc = pItem->GetRect();
    if (pItem->IsSelected())
    {
        CRect rcTab = rc;
        InflateRectForPosition(rcTab, CRect(0, 0, 0, 1), GetPosition());
        pColors->FillTabButton(pDC, rcTab, pItem);
        pDC->Draw3dRect(rcTab, pColors->m_clrLight, pColors->m_clrSelectedText);
    }
    else if (pItem->GetTabManager()->IsHorizontal())
        XTPTabLine(pDC, rc.right, rc.top + 2, 1, rc.Height() - 4, pColors->m_clrFrameBorder);
    else
        XTPTabLine(pDC, rc.left + 2, rc.bottom, rc.Width() - 4, 1, pColors->m_clrFrameBorder);
    m_pPaintManager->DrawItemContent(pDC, pItem, rc, TRUE);
}

// Raised property-page tabs, and the variant that raises only the selected
// and the highlighted tab.
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSets.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/XTPTabManager.h"

CRect CXTPTabPaintManager::CAppearanceSetPropertyPage::GetClientMargin()
{
    CRect rc = m_pPaintManager->m_rcClientMargin;
    if (GetColorSet()->IsThemed() && m_pPaintManager->m_nClientFrame == xtpTabFrameBorder)
    {
        rc.right += 2;
        if (GetPosition() == xtpTabPositionTop || GetPosition() == xtpTabPositionLeft)
            rc.bottom += 2;
    }
    return rc;
}

CRect CXTPTabPaintManager::CAppearanceSetPropertyPage::FillClient(CDC* pDC, CXTPTabManager* pManager)
{
    CRect rcHeader, c;
    FillHeaderAndClient(pDC, pManager, rcHeader, c);
    CColorSet* pColors = GetColorSet();
    COLORREF clrHighlight = pColors->m_clrHighlight, clrDark = pColors->m_clrDarkShadow;
    COLORREF clrShadow = pColors->m_clrShadow;
    if (m_pPaintManager->m_nClientFrame == xtpTabFrameBorder)
    {
        pColors->FillClient(pDC, c, pManager);
        if (clrHighlight != COLORREF(-1) && clrDark != COLORREF(-1))
            pDC->Draw3dRect(c, clrHighlight, clrDark);
        XTPTabLine(pDC, c.left + 1, c.bottom - 2, c.Width() - 2, 1, clrShadow);
        XTPTabLine(pDC, c.right - 2, c.top + 1, 1, c.Height() - 2, clrShadow);
    }
    else if (m_pPaintManager->m_nClientFrame == xtpTabFrameSingleLine)
    {
        int nPosition = GetPosition();
        if (nPosition == xtpTabPositionTop || nPosition == xtpTabPositionLeft)
            DrawStripSideLine(pDC, c, clrHighlight);
        else
        {
            DrawStripSideLine(pDC, c, clrDark);
            DrawStripSideLine(pDC, c, clrShadow, 1);
        }
    }
    return rcHeader;
}

CRect CXTPTabPaintManager::CAppearanceSetPropertyPage::DrawPageTab(CDC* pDC, CXTPTabManagerItem* pItem)
{
    int nPosition = GetPosition();
    CRect rc = pItem->GetRect();
    BOOL bSelected = pItem->IsSelected();
    // Raised over its neighbours and out towards the outer edge; at the
    // bottom and the right also into the client area, and its content
    // reaches 2 further out.
    CRect rcContent = rc;
    if (bSelected)
    {
        switch (nPosition)
        {
        case xtpTabPositionTop: rc.left -= 2, rc.top -= 2, rc.right += 2; break;
        case xtpTabPositionLeft: rc.left -= 2, rc.top -= 2, rc.bottom += 2; break;
        default: rc.InflateRect(2, 2); break;
        }
        rcContent = rc;
        if (nPosition == xtpTabPositionBottom)
            rcContent.bottom += 2;
        else if (nPosition == xtpTabPositionRight)
            rcContent.right += 2;
    }
    BOOL bHorizontal = pItem->GetTabManager()->IsHorizontal();
    int L = bHorizontal ? rc.Width() : rc.Height(), T = bHorizontal ? rc.Height() : rc.Width();
    CXTPTabFigure f(rc, nPosition);
    CColorSet* pColors = GetColorSet();

    COLORREF clrFill = pColors->FillTabButton(pDC, f.Rect(1, 1, L - 1, T - 1), pItem);

    // Light comes from the top left: an outer edge at the bottom or right is a shaded one.
    BOOL bOuterShaded = nPosition == xtpTabPositionBottom || nPosition == xtpTabPositionRight;
    COLORREF clrHighlight = pColors->m_clrHighlight, clrShadow = pColors->m_clrShadow;
    COLORREF clrDark = pColors->m_clrDarkShadow;
    auto line = [&](int u0, int v0, int u1, int v1, COLORREF clr) {
        CRect r = f.Rect(u0, v0, u1, v1);
        XTPTabLine(pDC, r.left, r.top, r.Width(), r.Height(), clr);
    };
    line(0, 2, 1, T, clrHighlight);
    line(1, 1, 2, 2, bOuterShaded ? clrDark : clrHighlight);
    line(2, 0, L - 2, 1, bOuterShaded ? clrDark : clrHighlight);
    line(L - 2, 1, L - 1, 2, clrDark);
    line(L - 1, 2, L, T - 1, clrDark);
    line(L - 2, 2, L - 1, T - 1, clrShadow);
    if (bSelected && pItem->GetItemRow() == 0)
        line(1, T - 1, L - 2, T, clrFill);
    return rcContent;
}

void CXTPTabPaintManager::CAppearanceSetPropertyPage::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CRect rc = DrawPageTab(pDC, pItem);
    m_pPaintManager->DrawItemContent(pDC, pItem, rc, TRUE);
}

void CXTPTabPaintManager::CAppearanceSetPropertyPageSelected::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    if (pItem->IsSelected() || pItem->IsHighlighted())
        CAppearanceSetPropertyPage::DrawSingleButton(pDC, pItem);
    else
        m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

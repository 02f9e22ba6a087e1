// Full-width bars stacked above and below the page of the selected bar.
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSets.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "toolkit/tabs/XTPTabManager.h"

namespace {

// The area the bars share: the rectangle, inset by one unless frameless.
CRect BarArea(CXTPTabPaintManager* pPaintManager, CRect rc)
{
    if (pPaintManager->m_nClientFrame != xtpTabFrameNone)
        rc.DeflateRect(1, 1);
    return rc;
}

} // namespace

CRect CXTPTabPaintManager::CAppearanceSetVisio::GetHeaderRect(CRect rc, CXTPTabManager* /*pManager*/)
{
    return rc;
}

CRect CXTPTabPaintManager::CAppearanceSetVisio::GetClientRect(CRect rc, CXTPTabManager* pManager)
{
    // Between the selected bar (or the top) and the next bar (or the bottom).
    CRect rcArea = BarArea(m_pPaintManager, rc);
    int nTop = rcArea.top, nBottom = rcArea.bottom;
    CXTPTabManagerItem* pSelected = pManager->GetSelectedItem();
    for (int i = 0; i < pManager->GetItemCount(); i++)
    {
        CXTPTabManagerItem* pItem = pManager->GetItem(i);
        if (!pItem->IsVisible())
            continue;
        if (pSelected && i <= pSelected->GetIndex())
            nTop = pItem->GetRect().bottom;
        else
        {
            nBottom = pItem->GetRect().top;
            break;
        }
    }
    return CRect(rcArea.left, nTop, rcArea.right, nBottom < nTop ? nTop : nBottom);
}

void CXTPTabPaintManager::CAppearanceSetVisio::RepositionTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rc)
{
    m_pPaintManager->MeasureItems(pManager, pDC, FALSE);
    pManager->m_rcHeaderRect = rc;
    pManager->m_nHeaderOffset = 0;
    for (int i = 0; i < pManager->GetNavigateButtonCount(); i++)
        pManager->GetNavigateButton(i)->m_rcButton.SetRectEmpty();

    CRect rcArea = BarArea(m_pPaintManager, rc);
    int h = GetButtonHeight(pManager);
    int nSelected = pManager->GetSelectedItem() ? pManager->GetSelectedItem()->GetIndex() : pManager->GetItemCount();
    int nTop = rcArea.top;
    for (int i = 0; i <= nSelected && i < pManager->GetItemCount(); i++)
    {
        CXTPTabManagerItem* pItem = pManager->GetItem(i);
        pItem->m_rcItem = pItem->IsVisible() ? CRect(rcArea.left, nTop, rcArea.right, nTop + h)
                                             : CRect(rcArea.left, nTop, rcArea.right, nTop);
        nTop = pItem->m_rcItem.bottom;
    }

    // The bars after the selected one rest on the bottom; the page keeps at
    // least one bar height.
    int nBelow = 0;
    for (int i = nSelected + 1; i < pManager->GetItemCount(); i++)
        nBelow += pManager->GetItem(i)->IsVisible() ? h : 0;
    int y = std::max(static_cast<int>(rcArea.bottom - nBelow), static_cast<int>(nTop + h));
    for (int i = nSelected + 1; i < pManager->GetItemCount(); i++)
    {
        CXTPTabManagerItem* pItem = pManager->GetItem(i);
        int nHeight = pItem->IsVisible() ? h : 0;
        pItem->m_rcItem.SetRect(rcArea.left, y, rcArea.right, y + nHeight);
        y += nHeight;
    }
}

CRect CXTPTabPaintManager::CAppearanceSetVisio::FillClient(CDC* pDC, CXTPTabManager* pManager)
{
    CRect rc = pManager->GetControlRect();
    rc.DeflateRect(m_pPaintManager->m_rcControlMargin);
    GetColorSet()->FillHeader(pDC, rc, pManager);
    CRect rcPage = GetClientRect(rc, pManager);
    GetColorSet()->FillClient(pDC, rcPage, pManager);
    if (m_pPaintManager->m_nClientFrame != xtpTabFrameNone)
        pDC->Draw3dRect(rc, GetColorSet()->m_clrFrameBorder, GetColorSet()->m_clrFrameBorder);
    return CRect(0, 0, 0, 0);
}

void CXTPTabPaintManager::CAppearanceSetVisio::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    // Bars lie across whatever side the strip is set to: drawn as top tabs.
    int nPosition = m_pPaintManager->m_nPosition;
    m_pPaintManager->m_nPosition = xtpTabPositionTop;
    DrawBar(pDC, pItem);
    m_pPaintManager->m_nPosition = nPosition;
}

void CXTPTabPaintManager::CAppearanceSetVisio::DrawBar(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    CColorSet* pColors = GetColorSet();
    pColors->FillTabButton(pDC, rc, pItem);
    pDC->Draw3dRect(rc, pColors->m_clrLight, pColors->m_clrFrameBorder);
    COLORREF clrGrip = XTPGetColorManager()->GetColor(38);
    for (int y = rc.top + 3; y < rc.bottom - 3; y += 2)
        pDC->FillSolidRect(rc.right - 7 - 3, y, 3, 1, clrGrip);
    rc.right -= 7;
    m_pPaintManager->DrawItemContent(pDC, pItem, rc, TRUE);
}

#include "toolkit/tabs/colors/XTPTabColorSet.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"
#include "toolkit/tabs/XTPTabManager.h"

namespace {

COLORREF Indexed(int nIndex)
{
    return nIndex < 0 ? COLORREF(-1) : XTPGetColorManager()->GetColor(nIndex);
}

} // namespace

int CXTPTabPaintManager::CColorSet::GetPosition() const
{
    return m_pPaintManager ? m_pPaintManager->GetPosition() : xtpTabPositionTop;
}

int CXTPTabPaintManager::CColorSet::GetAppearance() const
{
    return m_pPaintManager ? m_pPaintManager->GetAppearance() : xtpTabAppearancePropertyPage;
}

void CXTPTabPaintManager::CColorSet::RefreshMetrics()
{
    XTPRefreshColorsThrottled();

    m_clrHeaderFace.SetStandardColors(Indexed(15), Indexed(15));
    m_clrButtonFace.SetStandardFrom(m_clrHeaderFace);
    m_clrFrameBorder.SetStandardValue(Indexed(16));
    m_clrControlFace.SetStandardValue(Indexed(15));
    m_clrClientFace.SetStandardValue(Indexed(15));
    m_clrLight.SetStandardValue(Indexed(20));
    m_clrButtonSelected.SetStandardValue(Indexed(GetAppearance() == xtpTabAppearanceExcel ? 5 : 15));
    m_clrButtonNormal.SetStandardValue(Indexed(15));
    m_clrButtonText.SetStandardValue(Indexed(18));
    m_clrInactiveText.SetStandardValue(Indexed(18));
    m_clrSelectedText.SetStandardValue(Indexed(18));
    m_clrHighlightText.SetStandardValue(RGB(0, 0, 128));
    m_clrDisabledText.SetStandardValue(Indexed(17));
    m_clrStateFill.SetStandardColors(Indexed(5), Indexed(5));
    m_clrStateFrame.SetStandardColors(Indexed(13), Indexed(13));
    m_clrHighlight.SetStandardValue(Indexed(20));
    m_clrShadow.SetStandardValue(Indexed(16));
    m_clrDarkShadow.SetStandardValue(Indexed(21));
    static const int s_further[3] = {16, 16, 15};
    for (int i = 0; i < 3; i++)
        m_clrFurther[i].SetStandardValue(Indexed(s_further[i]));
    m_clrSeparator.SetStandardValue(Indexed(15));
    static const int s_selectedLines[6] = {18, 16, 18, -1, -1, -1};
    static const int s_normalLines[6] = {18, 16, 18, 5, 16, -1};
    for (int i = 0; i < 6; i++)
    {
        m_clrLinesSelected[i].SetStandardValue(Indexed(s_selectedLines[i]));
        m_clrLinesNormal[i].SetStandardValue(Indexed(s_normalLines[i]));
    }
}

void CXTPTabPaintManager::CColorSet::SetTextColor(CDC* pDC, CXTPTabManagerItem* pItem)
{
    COLORREF clr;
    if (!pItem->IsEnabled())
        clr = m_clrDisabledText;
    else if (!pItem->GetTabManager()->IsActive())
        clr = m_clrInactiveText;
    else if (pItem->IsSelected())
        clr = m_clrSelectedText;
    else if (pItem->IsHighlighted())
        clr = m_clrHighlightText;
    else
        clr = m_clrButtonText;
    pDC->SetTextColor(clr);
}

void CXTPTabPaintManager::CColorSet::FillDither(CDC* pDC, CRect rc)
{
    static const WORD s_pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap bmp;
    bmp.CreateBitmap(8, 8, 1, 1, s_pattern);
    CBrush brush;
    brush.CreatePatternBrush(&bmp);
    COLORREF clrOldBk = pDC->SetBkColor(::GetSysColor(COLOR_3DFACE));
    COLORREF clrOldText = pDC->SetTextColor(::GetSysColor(COLOR_3DHIGHLIGHT));
    HGDIOBJ hOld = pDC->SelectObject(brush.GetSafeHandle());
    pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
    pDC->SelectObject(hOld);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
}

void CXTPTabPaintManager::CColorSet::GradientFill(CDC* pDC, CRect rc, const CXTPGradientValue& grc, int nPosition)
{
    COLORREF clrFrom = grc.clrLight, clrTo = grc.clrDark;
    if (clrFrom == COLORREF(-2))
    {
        FillDither(pDC, rc);
        return;
    }
    BOOL bSwap = nPosition == xtpTabPositionBottom || nPosition == xtpTabPositionRight;
    if (m_pPaintManager && m_pPaintManager->m_bInvertGradient)
        bSwap = !bSwap;
    if (bSwap)
        std::swap(clrFrom, clrTo);
    CXTPGradientValue gradient;
    gradient.SetStandardColors(clrFrom, clrTo, bSwap ? 1.0f - grc.fGradientFactor : grc.fGradientFactor);
    BOOL bHorz = nPosition == xtpTabPositionLeft || nPosition == xtpTabPositionRight;
    XTPDrawHelpers()->GradientFillByFactor(pDC, rc, gradient, bHorz, nullptr);
}

void CXTPTabPaintManager::CColorSet::FillHeader(CDC* pDC, CRect rc, CXTPTabManager* pManager)
{
    GradientFill(pDC, rc, m_clrHeaderFace, pManager->GetPosition());
}

COLORREF CXTPTabPaintManager::CColorSet::GetItemColor(CXTPTabManagerItem* pItem)
{
    if (m_pPaintManager && m_pPaintManager->m_bItemColors)
        return pItem->GetTabManager()->GetItemColor(pItem);
    return pItem->IsSelected() ? m_clrButtonSelected : m_clrButtonNormal;
}

COLORREF CXTPTabPaintManager::CColorSet::FillTabButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    COLORREF clr = GetItemColor(pItem);
    pDC->FillSolidRect(rc, clr);
    return clr;
}

COLORREF CXTPTabPaintManager::CColorSet::FillClient(CDC* pDC, CRect rc, CXTPTabManager* pManager)
{
    CXTPTabManagerItem* pSelected = pManager->GetSelectedItem();
    COLORREF clr = pSelected ? GetItemColor(pSelected) : static_cast<COLORREF>(m_clrButtonSelected);
    pDC->FillSolidRect(rc, clr);
    return clr;
}

void CXTPTabPaintManager::CColorSet::FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    BOOL bHorizontal = pItem->GetTabManager()->IsHorizontal();
    if (!pItem->IsSelected())
    {
        COLORREF clrShadow = ::GetSysColor(COLOR_3DSHADOW), clrLight = ::GetSysColor(COLOR_3DHIGHLIGHT);
        if (bHorizontal)
            pDC->Draw3dRect(rc.right, rc.top + 2, 2, rc.Height() - 4, clrShadow, clrLight);
        else
            pDC->Draw3dRect(rc.left + 2, rc.bottom, rc.Width() - 4, 2, clrShadow, clrLight);
        return;
    }
    if (m_pPaintManager && m_pPaintManager->m_bItemColors)
        pDC->FillSolidRect(rc, GetItemColor(pItem));
    else
        GradientFill(pDC, rc, m_clrStateFill, GetPosition());
    pDC->Draw3dRect(rc, m_clrStateFrame.clrLight, m_clrStateFrame.clrDark);
}

void CXTPTabPaintManager::CColorSet::FrameNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc,
                                                         COLORREF clrLight, COLORREF clrDark, COLORREF clrGlyph)
{
    if (pButton->IsEnabled())
    {
        if (pButton->IsPressed())
        {
            pDC->Draw3dRect(rc, clrDark, clrLight);
            rc.OffsetRect(1, 1);
        }
        else if (pButton->IsHot())
            pDC->Draw3dRect(rc, clrLight, clrDark);
    }
    pDC->SetTextColor(clrGlyph);
}

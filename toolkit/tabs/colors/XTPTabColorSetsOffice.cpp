// The scheme-coloured sets: Office2003 with its fixed blue, olive and silver
// palettes, and Whidbey, which builds on it.
#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/tabs/colors/XTPTabColorSets.h"
#include "toolkit/tabs/XTPTabManager.h"

namespace {

struct SchemePalette
{
    COLORREF clrFrameBorder, clrDarkShadow, clrShadow, clrStateFrame;
    COLORREF clrHeaderLight, clrHeaderDark, clrNormal, clrHot, clrButtonLight, clrButtonDark;
};

// Blue, olive and silver.
const SchemePalette s_palettes[3] = {
    {RGB(59, 97, 156), RGB(0, 53, 154), RGB(117, 166, 241), RGB(0, 0, 128), RGB(196, 218, 250), RGB(252, 253, 254),
     RGB(162, 192, 246), RGB(255, 240, 201), RGB(158, 190, 245), RGB(196, 218, 250)},
    {RGB(96, 128, 88), RGB(96, 119, 107), RGB(176, 194, 140), RGB(63, 93, 56), RGB(242, 241, 228), RGB(252, 254, 254),
     RGB(208, 222, 170), RGB(255, 240, 199), RGB(217, 217, 167), RGB(242, 241, 228)},
    {RGB(124, 124, 148), RGB(118, 116, 146), RGB(186, 185, 206), RGB(75, 75, 111), RGB(243, 243, 247),
     RGB(252, 254, 254), RGB(217, 217, 230), RGB(255, 238, 194), RGB(215, 215, 229), RGB(243, 243, 247)},
};

const COLORREF clrPaletteSelected = RGB(255, 194, 115);
const COLORREF clrPalettePressed = RGB(254, 142, 75);
const COLORREF clrPaletteStateFill = RGB(255, 192, 111);

} // namespace

BOOL CXTPTabPaintManager::CColorSetOffice2003::AreThemeColorsEnabled() const
{
    return !(m_pPaintManager && m_pPaintManager->m_bDisableLunaColors) &&
           !XTPGetColorManager()->IsLunaColorsDisabled();
}

void CXTPTabPaintManager::CColorSetOffice2003::RefreshMetrics()
{
    CColorSet::RefreshMetrics();
    ApplyOfficeValues();
}

void CXTPTabPaintManager::CColorSetOffice2003::ApplyOfficeValues()
{
    CXTPColorManager* pColors = XTPGetColorManager();
    COLORREF clrFace = pColors->GetColor(15);
    m_clrHeaderFace.SetStandardColors(clrFace, CXTPColorManager::MixColorsByWeight(clrFace, pColors->GetColor(5), 205),
                                      0.5f);
    m_clrStateFill.SetStandardColors(pColors->GetColor(36), pColors->GetColor(36));
    m_clrStateFrame.SetStandardColors(pColors->GetColor(37), pColors->GetColor(37));
    m_clrButtonHighlighted.SetStandardValue(pColors->GetColor(36));
    m_clrButtonPressed.SetStandardValue(pColors->GetColor(33));
    m_clrHighlightText.SetStandardValue(pColors->GetColor(18));
    m_clrNavigateButtonBorder.SetStandardValue(pColors->GetColor(37));

    int nScheme = pColors->GetCurrentSystemTheme();
    BOOL bEnabled = AreThemeColorsEnabled();
    m_bLunaPalette = bEnabled && nScheme >= xtpSystemThemeBlue && nScheme <= xtpSystemThemeSilver;
    if (m_bLunaPalette)
    {
        const SchemePalette& p = s_palettes[nScheme - 1];
        m_clrFrameBorder.SetStandardValue(p.clrFrameBorder);
        m_clrFurther[1].SetStandardValue(p.clrFrameBorder);
        m_clrDarkShadow.SetStandardValue(p.clrDarkShadow);
        m_clrFurther[0].SetStandardValue(p.clrDarkShadow);
        m_clrShadow.SetStandardValue(p.clrShadow);
        m_clrFurther[2].SetStandardValue(p.clrShadow);
        m_clrSeparator.SetStandardValue(RGB(255, 255, 255));
        m_clrStateFill.SetStandardColors(clrPaletteStateFill, clrPaletteStateFill);
        m_clrStateFrame.SetStandardColors(p.clrStateFrame, p.clrStateFrame);
        m_clrNavigateButtonBorder.SetStandardValue(p.clrStateFrame);
        m_clrHeaderFace.SetStandardColors(p.clrHeaderLight, p.clrHeaderDark);
        m_clrButtonNormal.SetStandardValue(p.clrNormal);
        m_clrButtonSelected.SetStandardValue(clrPaletteSelected);
        m_clrButtonHighlighted.SetStandardValue(p.clrHot);
        m_clrButtonFace.SetStandardColors(p.clrButtonLight, p.clrButtonDark);
        m_clrButtonPressed.SetStandardValue(clrPalettePressed);
    }
    else if (bEnabled)
        m_clrButtonSelected.SetStandardValue(pColors->GetColor(36));

    for (int i = 0; i < 6; i++)
        m_clrLinesSelected[i].SetStandardValue(i < 3 ? m_clrFrameBorder.GetColor() : COLORREF(-1));
    if (GetAppearance() == xtpTabAppearanceStateButtons)
    {
        m_clrHeaderFace.SetStandardColor(clrFace);
        m_clrButtonFace.SetStandardColor(clrFace);
    }
}

void CXTPTabPaintManager::CColorSetOffice2003::FillGradientTab(CDC* pDC, CRect rc, COLORREF clr)
{
    CXTPGradientValue gradient;
    gradient.SetStandardColors(CXTPColorManager::MixColorsByWeight(clr, RGB(255, 255, 255), 300), clr);
    GradientFill(pDC, rc, gradient, GetPosition());
}

COLORREF CXTPTabPaintManager::CColorSetOffice2003::FillTabButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    COLORREF clr = pItem->IsPressed()       ? m_clrButtonPressed.GetColor()
                   : pItem->IsHighlighted() ? m_clrButtonHighlighted.GetColor()
                                            : GetItemColor(pItem);
    FillGradientTab(pDC, rc, clr);
    return clr;
}

void CXTPTabPaintManager::CColorSetOffice2003::FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton,
                                                                 CRect& rc)
{
    CXTPColorManager* pColors = XTPGetColorManager();
    COLORREF clrGlyph = pColors->GetColor(18);
    BOOL bPressed = pButton->IsPressed(), bHot = pButton->IsHot();
    if (pButton->IsEnabled() && (bPressed || bHot))
    {
        if (m_bLunaPalette)
        {
            COLORREF clrFrom = bPressed ? RGB(254, 142, 75) : RGB(255, 242, 200);
            COLORREF clrTo = bPressed ? RGB(255, 207, 139) : RGB(255, 212, 151);
            XTPDrawHelpers()->GradientFill(pDC, rc, clrFrom, clrTo, FALSE);
            pDC->Draw3dRect(rc, m_clrNavigateButtonBorder, m_clrNavigateButtonBorder);
        }
        else
        {
            pDC->FillSolidRect(rc, pColors->GetColor(bPressed ? 50 : 32));
            COLORREF clrFrame = pColors->GetColor(bPressed ? 33 : 31);
            pDC->Draw3dRect(rc, clrFrame, clrFrame);
            clrGlyph = pColors->GetColor(bPressed ? 47 : 45);
        }
    }
    pDC->SetTextColor(clrGlyph);
}

void CXTPTabPaintManager::CColorSetWhidbey::RefreshMetrics()
{
    CXTPColorManager* pColors = XTPGetColorManager();
    m_bGradientButtons = FALSE;
    if (AreThemeColorsEnabled())
        CColorSetOffice2003::RefreshMetrics();
    else
    {
        CColorSet::RefreshMetrics();
        int nScheme = pColors->GetCurrentSystemTheme();
        if (nScheme == xtpSystemThemeBlue || nScheme == xtpSystemThemeOlive)
        {
            m_clrHeaderFace.SetStandardColor(RGB(228, 226, 213));
            m_bGradientButtons = TRUE;
        }
        else if (nScheme == xtpSystemThemeSilver)
        {
            m_clrButtonNormal.SetStandardValue(RGB(245, 245, 248));
            m_clrHeaderFace.SetStandardColor(RGB(238, 238, 238));
            m_bGradientButtons = TRUE;
        }
        m_clrFrameBorder.SetStandardValue(pColors->GetColor(57));
        for (int i = 0; i < 3; i++)
            m_clrLinesSelected[i].SetStandardValue(pColors->GetColor(57));
    }
    m_clrButtonSelected.SetStandardValue(pColors->GetColor(5));
    m_clrSelectedText.SetStandardValue(pColors->GetColor(8));
    m_clrButtonHighlighted.SetStandardValue(pColors->GetColor(36));
    m_clrButtonPressed.SetStandardValue(pColors->GetColor(33));
    m_clrHighlightText.SetStandardValue(pColors->GetColor(18));
}

COLORREF CXTPTabPaintManager::CColorSetWhidbey::FillTabButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    COLORREF clr = pItem->IsHighlighted() ? m_clrButtonHighlighted.GetColor() : GetItemColor(pItem);
    if (m_bGradientButtons)
        FillGradientTab(pDC, rc, clr);
    else
        pDC->FillSolidRect(rc, clr);
    return clr;
}

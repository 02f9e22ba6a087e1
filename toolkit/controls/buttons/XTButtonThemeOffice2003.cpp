#include "toolkit/controls/buttons/XTButtonThemeOffice2003.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/controls/buttons/XTButton.h"

namespace {

struct SchemeColors
{
    COLORREF clrFace;
    COLORREF clrShadow;
    COLORREF clrBorder;
};

// Blue, olive and silver.
const SchemeColors s_schemes[3] = {
    {0xF0C7A9, 0xB99D7F, 0x800000},
    {0x9FD4C5, 0x7FB9A4, 0x385D3F},
    {0xD3C0C0, 0xB2ACA5, 0x0B4B4B},
};

} // namespace

CXTButtonThemeOffice2003::CXTButtonThemeOffice2003(BOOL bBorderedFace, CXTPWinThemeLibrary* pLibrary)
    : CXTButtonThemeOfficeXP(bBorderedFace, pLibrary)
{
    m_bFadedIcons = FALSE;
    m_bIconShadows = FALSE;
}

void CXTButtonThemeOffice2003::RefreshMetrics()
{
    CXTButtonThemeOfficeXP::RefreshMetrics();
    int nScheme = XTPGetCurrentSystemTheme();
    if (nScheme < xtpSystemThemeBlue || nScheme > xtpSystemThemeSilver)
        return;
    const SchemeColors& scheme = s_schemes[nScheme - xtpSystemThemeBlue];
    m_crHotFill.SetStandardValue(0xC2EEFF);
    m_crPressedFill.SetStandardValue(0x3E80FE);
    m_crCheckedFill.SetStandardValue(0x6FC0FF);
    m_crText.SetStandardValue(0);
    m_crHotText.SetStandardValue(0);
    m_crPressedText.SetStandardValue(0);
    m_crFace.SetStandardValue(m_bBorderedFace ? scheme.clrFace : XTPGetColorManager()->GetColor(COLOR_3DFACE));
    m_crShadow.SetStandardValue(scheme.clrShadow);
    m_crLight.SetStandardValue(scheme.clrBorder);
}

void CXTButtonThemeOffice2003::DrawImageOfState(CDC* pDC, UINT nState, CXTPImageManagerIcon* pIcon, CPoint pt,
                                                CSize size, CXTButton* pButton)
{
    if (nState & ODS_DISABLED)
        pIcon->Draw(pDC, pt, pIcon->GetDisabledIcon(), size);
    else if (IsPressed(nState, pButton))
        pIcon->Draw(pDC, pt, pIcon->GetPressedIcon(), size);
    else
        pIcon->Draw(pDC, pt, pIcon->GetIcon(), size);
}

void CXTButtonThemeOffice2003::DrawButtonFace(CDC* pDC, UINT nState, CXTButton* pButton, CRect rcItem)
{
    if (DrawRestingFace(pDC, nState, pButton, rcItem))
        return;
    const CXTPColorManager* pColors = XTPGetColorManager();
    const CXTPGradientValue& gradient = (nState & ODS_SELECTED) ? pColors->GetButtonPushedGradient()
                                        : pButton->IsHot()      ? pColors->GetButtonHotGradient()
                                                                : pColors->GetButtonCheckedGradient();
    XTPDrawHelpers()->GradientFillByFactor(pDC, rcItem, gradient, FALSE, nullptr);
    pDC->Draw3dRect(rcItem, m_crLight, m_crLight);
}

#include "toolkit/controls/buttons/XTButtonThemeOfficeXP.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/controls/buttons/XTButton.h"

namespace {

COLORREF ManagerColor(int nIndex)
{
    return XTPGetColorManager()->GetColor(nIndex);
}

// Derived colours of the colour manager used by this look.
enum
{
    clrXPFace = 30,
    clrXPHotFill = 31,
    clrXPBorder = 32,
    clrXPPressedFill = 33,
    clrXPCheckedFill = 36,
    clrXPHotText = 45,
    clrXPText = 46,
    clrXPPressedText = 47,
};

} // namespace

CXTButtonThemeOfficeXP::CXTButtonThemeOfficeXP(BOOL bBorderedFace, CXTPWinThemeLibrary* pLibrary)
    : CXTButtonTheme(pLibrary)
    , m_bBorderedFace(bBorderedFace)
{
    m_bOffsetText = FALSE;
}

void CXTButtonThemeOfficeXP::RefreshMetrics()
{
    CXTButtonTheme::RefreshMetrics();
    m_crPressedFill.SetStandardValue(ManagerColor(clrXPPressedFill));
    m_crHotFill.SetStandardValue(ManagerColor(clrXPHotFill));
    m_crPressedText.SetStandardValue(ManagerColor(clrXPPressedText));
    m_crHotText.SetStandardValue(ManagerColor(clrXPHotText));
    m_crCheckedFill.SetStandardValue(ManagerColor(clrXPCheckedFill));

    m_crFace.SetStandardValue(ManagerColor(m_bBorderedFace ? clrXPFace : COLOR_3DFACE));
    m_crLight.SetStandardValue(ManagerColor(clrXPBorder));
    m_crShadow.SetStandardValue(ManagerColor(COLOR_3DSHADOW));
    m_crText.SetStandardValue(ManagerColor(clrXPText));
}

BOOL CXTButtonThemeOfficeXP::IsThemedOrFlat(CXTButton*)
{
    return TRUE;
}

COLORREF CXTButtonThemeOfficeXP::GetTextColor(UINT nState, CXTButton* pButton)
{
    if (nState & ODS_DISABLED)
        return ManagerColor(COLOR_GRAYTEXT);
    if (pButton->IsHot())
        return m_crHotText;
    if (nState & ODS_SELECTED)
        return m_crPressedText;
    return m_crText;
}

void CXTButtonThemeOfficeXP::DrawImageOfState(CDC* pDC, UINT nState, CXTPImageManagerIcon* pIcon, CPoint pt,
                                              CSize size, CXTButton* pButton)
{

    if (nState & ODS_DISABLED)
    {
        pIcon->Draw(pDC, pt, pIcon->GetDisabledIcon(), size);
    }
    else if (pButton->IsHot())
    {
        if (m_bIconShadows)
        {
            pIcon->Draw(pDC, CPoint(pt.x + 1, pt.y + 1), pIcon->GetShadowIcon(), size);
            pIcon->Draw(pDC, CPoint(pt.x - 1, pt.y - 1), pIcon->GetHotIcon(), size);
        }
        else
        {
            pIcon->Draw(pDC, pt, pIcon->GetHotIcon(), size);
        }
    }
    else if (IsPressed(nState, pButton))
    {
        pIcon->Draw(pDC, pt, pIcon->GetPressedIcon(), size);
    }
    else
    {
        pIcon->Draw(pDC, pt, m_bFadedIcons ? pIcon->GetFadedIcon() : pIcon->GetIcon(), size);
    }
}

BOOL CXTButtonThemeOfficeXP::DrawRestingFace(CDC* pDC, UINT nState, CXTButton* pButton, CRect rcItem)
{
    if (pButton->IsHot() || (nState & ODS_SELECTED) || pButton->IsChecked())
        return FALSE;
    pDC->FillSolidRect(rcItem, m_crFace);
    if (m_bBorderedFace)
        pDC->Draw3dRect(rcItem, m_crShadow, m_crShadow);
    return TRUE;
}

void CXTButtonThemeOfficeXP::DrawButtonFace(CDC* pDC, UINT nState, CXTButton* pButton, CRect rcItem)
{
    if (DrawRestingFace(pDC, nState, pButton, rcItem))
        return;
    const BOOL bHot = pButton->IsHot();
    const BOOL bPressed = (nState & ODS_SELECTED) != 0;
    const BOOL bChecked = pButton->IsChecked();
    COLORREF clrFill = m_crCheckedFill;
    if (bPressed || (bChecked && bHot))
        clrFill = m_crPressedFill;
    else if (bHot)
        clrFill = m_crHotFill;
    pDC->FillSolidRect(rcItem, clrFill);
    pDC->Draw3dRect(rcItem, m_crLight, m_crLight);
}

void CXTButtonThemeOfficeXP::DrawFocusRect(CDC* pDC, CRect rcItem, UINT nState, CXTButton* pButton)
{
    if (m_bBorderedFace && !pButton->IsHot() && (nState & ODS_SELECTED) == 0 &&
        (pButton->GetXButtonStyle() & BS_XT_WINXP_COMPAT) == 0)
    {
        COLORREF clr = ManagerColor(COLOR_HIGHLIGHT);
        pDC->Draw3dRect(rcItem, clr, clr);
        rcItem.DeflateRect(1, 1);
        pDC->Draw3dRect(rcItem, clr, clr);
        return;
    }
    CXTButtonTheme::DrawFocusRect(pDC, rcItem, nState, pButton);
}

void CXTButtonThemeOfficeXP::SetBorderedFace(BOOL bBorderedFace)
{
    m_bBorderedFace = bBorderedFace;
    RefreshMetrics();
}

void CXTButtonThemeOfficeXP::SetPressedFillColor(COLORREF clr)
{
    m_crPressedFill.SetCustomValue(clr);
}

void CXTButtonThemeOfficeXP::SetHotFillColor(COLORREF clr)
{
    m_crHotFill.SetCustomValue(clr);
}

void CXTButtonThemeOfficeXP::SetPressedTextColor(COLORREF clr)
{
    m_crPressedText.SetCustomValue(clr);
}

void CXTButtonThemeOfficeXP::SetHotTextColor(COLORREF clr)
{
    m_crHotText.SetCustomValue(clr);
}

#include "toolkit/common/popup/XTPPopupThemeOffice2003.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"

CXTPPopupThemeOffice2003::CXTPPopupThemeOffice2003()
{
    CXTPPopupThemeOffice2003::RefreshMetrics();
}

void CXTPPopupThemeOffice2003::RefreshMetrics()
{
    CXTPPopupThemeOfficeXP::RefreshMetrics();
    CXTPColorManager* pColors = XTPGetColorManager();

    const CXTPGradientValue& background = pColors->GetGradient(1);
    m_clrBackground.SetStandardColors(background.clrDark.GetColor(), background.clrLight.GetColor(), 0.5f);
    m_clrGripper = pColors->GetGradient(2);
    m_clrFrame.SetStandardColor(GetColor(54));

    if (pColors->IsLunaColorsDisabled())
        return;
    COLORREF clrButtonBorder;
    switch (XTPGetCurrentSystemTheme())
    {
    case xtpSystemThemeBlue: clrButtonBorder = RGB(0, 0, 128); break;
    case xtpSystemThemeOlive: clrButtonBorder = RGB(63, 93, 56); break;
    case xtpSystemThemeSilver: clrButtonBorder = RGB(75, 75, 111); break;
    default: return; // other schemes keep the flat colours
    }
    m_clrButtonSelected = RGB(255, 238, 194);
    m_clrButtonPressed = RGB(254, 128, 62);
    m_clrButtonSelectedBorder.SetStandardColor(clrButtonBorder);
    m_clrButtonPressedBorder.SetStandardColor(clrButtonBorder);
}

void CXTPPopupThemeOffice2003::DrawBackground(CDC* pDC, CRect rc)
{
    XTPDrawHelpers()->GradientFillByFactor(pDC, rc, m_clrBackground, FALSE, nullptr);
    DrawFrame(pDC, rc);
    rc.DeflateRect(1, 1);

    CRect rcGripper(rc.left, rc.top, rc.right, rc.top + 7);
    XTPDrawHelpers()->GradientFillByFactor(pDC, rcGripper, m_clrGripper, FALSE, nullptr);
    int nStart = (rcGripper.Width() - 36) / 2;
    int x = rcGripper.left + (nStart > 2 ? nStart : 2);
    for (int i = 0; i < 9; ++i, x += 4)
    {
        pDC->FillSolidRect(x, rcGripper.top + 1, 2, 2, RGB(40, 50, 71));
        pDC->FillSolidRect(x + 1, rcGripper.top + 2, 2, 2, RGB(249, 249, 251));
        pDC->FillSolidRect(x + 1, rcGripper.top + 2, 1, 1, RGB(97, 116, 152));
    }
}

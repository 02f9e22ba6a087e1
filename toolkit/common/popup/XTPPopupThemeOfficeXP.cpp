#include "toolkit/common/popup/XTPPopupThemeOfficeXP.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"

CXTPPopupThemeOfficeXP::CXTPPopupThemeOfficeXP()
{
    CXTPPopupThemeOfficeXP::RefreshMetrics();
}

void CXTPPopupThemeOfficeXP::RefreshMetrics()
{
    CXTPPopupThemeOffice2000::RefreshMetrics();
    m_clrBackground.SetStandardColor(GetColor(30));
    m_clrButtonSelected = GetColor(31);
    m_clrButtonPressed = GetColor(33);
    m_clrButtonSelectedBorder.SetStandardColor(GetColor(32));
    m_clrButtonPressedBorder.SetStandardColor(GetColor(32));
    m_clrFrame.SetStandardColor(GetColor(COLOR_3DSHADOW));
}

void CXTPPopupThemeOfficeXP::DrawBackground(CDC* pDC, CRect rc)
{
    XTPDrawHelpers()->GradientFillByFactor(pDC, rc, m_clrBackground, FALSE, nullptr);
    DrawFrame(pDC, rc);
    rc.DeflateRect(1, 1);
    DrawCaptionBand(pDC, rc);
    CRect rcBody(rc.left, rc.top + 22, rc.right, rc.bottom);
    rcBody.DeflateRect(1, 1);
    pDC->FillSolidRect(rcBody.left, rcBody.top, 30, rcBody.Height(), RGB(0, 0, 128));
}

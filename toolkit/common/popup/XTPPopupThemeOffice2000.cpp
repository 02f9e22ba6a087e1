#include "toolkit/common/popup/XTPPopupThemeOffice2000.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"

CXTPPopupThemeOffice2000::CXTPPopupThemeOffice2000()
{
    CXTPPopupThemeOffice2000::RefreshMetrics();
}

void CXTPPopupThemeOffice2000::RefreshMetrics()
{
    CXTPPopupPaintManager::RefreshMetrics();
    m_clrFrame.SetStandardColors(GetColor(COLOR_3DHILIGHT), GetColor(COLOR_3DSHADOW));
}

void CXTPPopupThemeOffice2000::DrawCaptionBand(CDC* pDC, const CRect& rc)
{
    CRect rcCaption(rc.left, rc.top, rc.right, rc.top + 22);
    XTPDrawHelpers()->GradientFill(pDC, rcCaption, RGB(0, 0, 128), RGB(24, 180, 192), TRUE);
}

void CXTPPopupThemeOffice2000::DrawBackground(CDC* pDC, CRect rc)
{
    XTPDrawHelpers()->GradientFillByFactor(pDC, rc, m_clrBackground, FALSE, nullptr);
    DrawFrame(pDC, rc);
    rc.DeflateRect(1, 1);
    DrawCaptionBand(pDC, rc);
    int nBodyTop = rc.top + 23;
    rc.DeflateRect(1, 1);

    CRect rcBody(rc.left, nBodyTop, rc.right, rc.bottom);
    DrawFrame(pDC, rcBody, TRUE);
    rcBody.DeflateRect(1, 1);
    DrawFrame(pDC, rcBody);
    rcBody.DeflateRect(1, 1);
    pDC->FillSolidRect(rcBody.left, rcBody.top, 30, rcBody.Height(), RGB(0, 0, 128));
}

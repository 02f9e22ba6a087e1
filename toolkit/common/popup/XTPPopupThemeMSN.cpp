#include "toolkit/common/popup/XTPPopupThemeMSN.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"

CXTPPopupThemeMSN::CXTPPopupThemeMSN()
{
    CXTPPopupThemeMSN::RefreshMetrics();
}

void CXTPPopupThemeMSN::RefreshMetrics()
{
    CXTPPopupThemeOffice2000::RefreshMetrics();
    m_clrButtonSelected = RGB(194, 238, 255);
    m_clrButtonPressed = RGB(134, 162, 224);
    m_clrButtonSelectedBorder.SetStandardColor(RGB(114, 142, 184));
    m_clrButtonPressedBorder.SetStandardColor(RGB(114, 142, 184));
}

void CXTPPopupThemeMSN::DrawBackground(CDC* pDC, CRect rc)
{
    const COLORREF white = RGB(255, 255, 255);
    pDC->Draw3dRect(rc, RGB(166, 180, 207), RGB(69, 86, 144));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, white, RGB(207, 222, 244));
    rc.DeflateRect(1, 1);

    struct Band
    {
        int nFrom;
        int nTo; // -1: the bottom
        COLORREF clrFrom;
        COLORREF clrTo;
    };
    const Band bands[] = {
        {0, 12, RGB(207, 215, 236), white},
        {12, 23, white, RGB(207, 221, 244)},
        {23, 40, RGB(207, 221, 244), white},
        {40, -1, white, RGB(207, 221, 244)},
    };
    for (const Band& band : bands)
    {
        int nBottom = band.nTo < 0 ? rc.bottom : rc.top + band.nTo;
        CRect rcBand(rc.left, rc.top + band.nFrom, rc.right, nBottom < rc.bottom ? nBottom : rc.bottom);
        if (rcBand.top < rc.bottom && rcBand.bottom > rcBand.top)
            XTPDrawHelpers()->GradientFill(pDC, rcBand, band.clrFrom, band.clrTo, FALSE);
    }
    CRect rcBody(rc.left, rc.top + 22, rc.right, rc.bottom);
    pDC->Draw3dRect(rcBody, RGB(114, 142, 184), RGB(185, 201, 239));
}

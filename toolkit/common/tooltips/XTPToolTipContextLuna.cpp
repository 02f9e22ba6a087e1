#include "toolkit/common/tooltips/XTPToolTipContextLuna.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"

XTP_IMPLEMENT_TOOLTIP_DYNAMIC(CLunaToolTip, CXTPToolTipContextToolTip)

void CXTPToolTipContext::CLunaToolTip::DrawBackground(CDC* pDC, CRect rc)
{
    const COLORREF clrSchemeTop = 0x97D4FF;
    const COLORREF clrSchemeBottom = 0xC8F2FF;
    COLORREF clrFrame;
    switch (XTPGetColorManager()->GetCurrentSystemTheme()) {
    case 1: clrFrame = 0x800000; break;
    case 2: clrFrame = 0x385D3F; break;
    case 3: clrFrame = 0x6F4B4B; break;
    default:
        XTPDrawHelpers()->GradientFill(pDC, &rc, GetContext()->GetTipBkColor(), RGB(255, 255, 255), FALSE);
        pDC->Draw3dRect(&rc, RGB(0, 0, 0), RGB(0, 0, 0));
        return;
    }
    XTPDrawHelpers()->GradientFill(pDC, &rc, clrSchemeTop, clrSchemeBottom, FALSE);
    pDC->Draw3dRect(&rc, clrFrame, clrFrame);
}

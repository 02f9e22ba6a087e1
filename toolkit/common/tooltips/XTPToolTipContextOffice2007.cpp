#include "toolkit/common/tooltips/XTPToolTipContextOffice2007.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"

XTP_IMPLEMENT_TOOLTIP_DYNAMIC(COffice2007ToolTip, CXTPToolTipContextToolTip)

void CXTPToolTipContext::COffice2007ToolTip::DrawBackground(CDC* pDC, CRect rc)
{
    XTPDrawHelpers()->GradientFill(pDC, &rc, RGB(255, 255, 255), 0xF0E4E4, FALSE);
    pDC->Draw3dRect(&rc, 0x767676, 0x767676);
}

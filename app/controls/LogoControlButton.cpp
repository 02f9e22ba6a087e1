#include "app/controls/LogoControlButton.h"

#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPCompatibleDC.h"

IMPLEMENT_DYNCREATE(CLogoControlButton, CXTPControlButton)

namespace {

// Room around the logo for the button's hot and pressed frame.
const int LOGO_MARGIN = 3;
// Distance of the logo from the button's top on a vertical bar.
const int LOGO_TOP_VERTICAL = 4;

} // namespace

CLogoControlButton::CLogoControlButton()
    : m_pBitmap(nullptr)
{
}

CSize CLogoControlButton::GetSize(CDC* pDC)
{
    return CalcSize(pDC, FALSE);
}

void CLogoControlButton::Draw(CDC* pDC)
{
    CalcSize(pDC, TRUE);
}

void CLogoControlButton::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlButton::Copy(pControl, bRecursive);
    if (CLogoControlButton* pSource = DYNAMIC_DOWNCAST(CLogoControlButton, pControl))
        m_pBitmap = pSource->m_pBitmap;
}

CXTPControl* CLogoControlButton::Clone(BOOL bRecursive)
{
    CLogoControlButton* pClone = static_cast<CLogoControlButton*>(GetRuntimeClass()->CreateObject());
    pClone->Copy(this, bRecursive);
    return pClone;
}

CSize CLogoControlButton::CalcSize(CDC* pDC, BOOL bDraw)
{
    if (m_pBitmap == nullptr || m_pBitmap->GetSafeHandle() == nullptr)
        return CSize(0, 0);
    BITMAP info = {};
    if (m_pBitmap->GetBitmap(&info) == 0)
        return CSize(0, 0);
    const int w = info.bmWidth;
    const int h = info.bmHeight;
    if (bDraw)
    {
        const XTPBarPosition position = m_pParent != nullptr ? m_pParent->GetPosition() : xtpBarTop;
        const BOOL bVertical = position == xtpBarLeft || position == xtpBarRight;
        if (!IsTransparent())
            GetPaintManager()->DrawControlState(pDC, this);
        const CRect rc = GetRect();
        const CPoint pt = bVertical ? CPoint((rc.left + rc.right) / 2 - w / 2, rc.top + LOGO_TOP_VERTICAL)
                                    : CPoint(rc.left + LOGO_MARGIN, (rc.top + rc.bottom) / 2 - h / 2);
        CXTPCompatibleDC dcLogo(pDC, m_pBitmap);
        pDC->StretchBlt(pt.x, pt.y, w, h, &dcLogo, 0, 0, w, h, SRCCOPY);
    }
    return CSize(w + 2 * LOGO_MARGIN, h + 2 * LOGO_MARGIN);
}
